#include "quantities/IngredientLine.h"

#include "platform/TextCodec.h"
#include "quantities/AmountNotation.h"

#include <string_view>

namespace {

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); ++count) {
        TextCodec::NextCodePoint(text, pos);
    }
    return count;
}

// The first width characters, the last of them replaced by "*" to show that
// the text was cut.
std::string CutToWidth(std::string_view text, std::size_t width) {
    std::size_t pos = 0;
    for (std::size_t kept = 0; kept + 1 < width; ++kept) {
        TextCodec::NextCodePoint(text, pos);
    }
    return std::string(text.substr(0, pos)) + '*';
}

std::string PadLeft(const std::string& text, std::size_t width) {
    const std::size_t count = CharacterCount(text);
    return count >= width ? text : std::string(width - count, ' ') + text;
}

std::string PadRight(const std::string& text, std::size_t width) {
    const std::size_t count = CharacterCount(text);
    return count >= width ? text : text + std::string(width - count, ' ');
}

std::string FitToWidth(const std::string& text, std::size_t width, bool cut) {
    if (cut && CharacterCount(text) > width) {
        return CutToWidth(text, width);
    }
    return text;
}

// A quote inside the description is doubled, so that 9" pie shell stays one
// field for the program that reads the comma-separated file.
std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + '"';
}

std::string PaddedLine(const IngredientParts& parts, std::size_t width, bool cutUnit) {
    const std::string amount = PadLeft(FitToWidth(parts.amount, width, true), width);
    const std::string unit = PadRight(FitToWidth(parts.unit, width, cutUnit), width);
    return amount + ' ' + unit + ' ' + parts.description + '\n';
}

} // namespace

std::string IngredientLine(const IngredientParts& shown, int width, int form, int flags, double portionFactor) {
    IngredientParts parts = shown;
    if ((flags & kScaleToPortion) != 0 && portionFactor != 1.0) {
        parts.amount = ScaleAmount(parts.amount, portionFactor);
    }
    switch (form) {
    case kCommaForm:
        return parts.amount + ',' + parts.unit + ',' + Quoted(parts.description) + '\n';
    case kTabbedForm:
    case kColumnsForm:
        return '\t' + parts.amount + '\t' + parts.unit + '\t' + parts.description + '\n';
    case kPaddedForm:
        if (width > 0) {
            return PaddedLine(parts, static_cast<std::size_t>(width), (flags & kCutLongUnit) != 0);
        }
        break;
    default:
        break;
    }
    return "  " + parts.amount + ' ' + parts.unit + ' ' + parts.description + '\n';
}
