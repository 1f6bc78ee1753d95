#include "app/PalmSizeNote.h"

#include "quantities/IngredientParts.h"

#include <algorithm>

std::size_t PalmSizeNote::Size(const std::string& title, const std::string* text,
                               const std::vector<IngredientParts>* ingredients) {
    std::size_t size = title.size() + 1;
    if (text != nullptr) {
        size += text->size() - static_cast<std::size_t>(std::count(text->begin(), text->end(), '\r')) + 1;
    }
    if (ingredients != nullptr) {
        std::size_t lines = 1;
        for (const IngredientParts& line : *ingredients) {
            lines += line.amount.size() + line.unit.size() + line.description.size() + 4;
        }
        size += std::min(kIngredientLimit, lines);
    }
    return size;
}

std::string PalmSizeNote::Note(std::size_t size) {
    if (size <= kMaximum) {
        return {};
    }
    return "This item will use " + std::to_string(size) + " bytes on a Palm OS device. " + std::to_string(kMaximum) +
           " bytes is the maximum.";
}
