#include "quantities/IngredientText.h"
#include "quantities/UnitTables.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// A mix of Meal-Master (one and two columns, sections, continuations) and
// MasterCook ingredient lines, repeated to about a megabyte.
std::string IngredientBlock() {
    const std::string sample = "  1 1/2 c  Flour                               1 ts Salt\n"
                               "    1/2 lb Butter, softened                    2 lg Eggs\n"
                               "           -at room temperature\n"
                               "MMMMM--------------------------FROSTING----------------------------\n"
                               "      8 oz Cream cheese\n"
                               "      1 cn (16 oz) tomatoes\n"
                               "      2 x  Vanilla\n"
                               "  1 1/2  cups          all-purpose flour -- sifted\n"
                               "     2                eggs -- beaten\n"
                               "     1  (16 oz) can   tomatoes\n"
                               "   1/4  teaspoon      salt\n"
                               "   2.5  g             yeast\n"
                               "Salt and pepper to taste\n";
    std::string text;
    while (text.size() < 1024 * 1024) {
        text += sample;
    }
    return text;
}

} // namespace

static void ParseIngredientTextThroughput(benchmark::State& state) {
    const UnitTables units;
    const std::string text = IngredientBlock();
    for (auto _ : state) {
        std::vector<IngredientParts> lines;
        ParseIngredientText(text, units, lines);
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(ParseIngredientTextThroughput)->Unit(benchmark::kMillisecond);
