// Ingredient text arrives from other programs' files, downloads and handhelds:
// the amount parser and the line splitter must take any bytes.
#include "quantities/AmountNotation.h"
#include "quantities/IngredientText.h"
#include "quantities/UnitTables.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const UnitTables units;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const Amount amount = ParseAmount(text);
    FormatAmountRange(amount, true);
    ScaleAmount(text, 2.5);

    std::vector<IngredientParts> lines;
    ParseIngredientText(text, units, lines);
    for (const auto& line : lines) {
        FormatAmountRange(ParseAmount(line.amount), true);
    }
    return 0;
}
