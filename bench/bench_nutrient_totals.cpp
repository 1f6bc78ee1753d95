#include "nutrition/Database.h"
#include "nutrition/NutrientEquation.h"
#include "nutrition/NutrientTotals.h"
#include "platform/AppFolders.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

struct Line {
    const char* quantity;
    const char* unit;
    int item;
};

// Twenty lines of a hearty recipe: weights, volumes, counts and a unit that
// matches no portion, all linked to shipped foods.
constexpr std::array<Line, 20> kRecipe = {{
    {"100", "g", 1009},     {"1", "cup", 1009},    {"2", "oz", 1009},     {"1-1/2", "cups", 1001}, {"3", "tbsp", 1001},
    {"1", "", 1123},        {"2", "large", 1123},  {"1/2", "cup", 1077},  {"250", "ml", 1077},     {"1", "lb", 1009},
    {"1", "handful", 1009}, {"2--3", "tsp", 1001}, {"4", "slices", 1009}, {"1", "cup", 1123},      {"1", "T", 1001},
    {"200", "g", 1077},     {"1", "pint", 1077},   {"1/4", "cup", 1001},  {"6", "oz", 1123},       {"1", "kg", 1009},
}};

void NutrientTotalsOfATwentyLineRecipe(benchmark::State& state) {
    Nutrient::Database database(AppFolders::ProgramFolderFor(AppFolders::ExecutablePath()));
    if (!database.IsAvailable()) {
        state.SkipWithError("no shipped nutrient data beside the program");
        return;
    }
    const Nutrient::NutrientEquation equations(database);
    for (auto _ : state) {
        Nutrient::NutrientTotals totals;
        for (const Line& line : kRecipe) {
            totals.AddIngredient(equations, line.quantity, line.unit, line.item);
        }
        benchmark::DoNotOptimize(totals);
    }
}
BENCHMARK(NutrientTotalsOfATwentyLineRecipe)->Unit(benchmark::kMicrosecond);

} // namespace
