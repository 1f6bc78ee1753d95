#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct IngredientParts;

// The room an item takes in a handheld's recipe database, and the warning
// shown while editing an item that would not fit there.
class PalmSizeNote {
public:
    static constexpr std::size_t kMaximum = 10000;
    // The handheld keeps at most this much of a recipe's ingredient lines.
    static constexpr std::size_t kIngredientLimit = 800;

    // A null text stands for an item without a text page.
    static std::size_t Size(const std::string& title, const std::string* text,
                            const std::vector<IngredientParts>* ingredients);
    // Empty when the size fits.
    static std::string Note(std::size_t size);
};
