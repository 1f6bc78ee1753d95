#include "io/RecipeTextDecoder.h"
#include "io/RecipeTextWalker.h"
#include "model/CRecipeBook.h"
#include "quantities/UnitTables.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kRecipes = 100000;

// A Meal-Master file as mail archives hold them: a dozen ingredient lines in
// one and two columns with a section, a few lines of directions.
std::string MealMasterFile(int recipes) {
    std::string text;
    for (int i = 0; i < recipes; ++i) {
        text += "MMMMM----- Recipe via Meal-Master (tm) v8.06\n\n"
                "      Title: APPLE PIE NUMBER " +
                std::to_string(i) +
                "\n"
                " Categories: Desserts, Pies\n"
                "      Yield: 8 servings\n\n"
                "      2 c  Flour                                1 ts Salt\n"
                "    1/2 c  Shortening                           5 tb Cold water\n"
                "\n"
                "MMMMM--------------------------FILLING-------------------------------\n"
                "      6 lg Apples; peeled and sliced\n"
                "    3/4 c  Sugar                                1 ts Cinnamon\n"
                "      2 tb Butter\n"
                "  1 1/2 tb Lemon juice\n"
                "           -freshly squeezed\n\n"
                "  Mix the flour and salt; cut in the shortening until crumbly. Sprinkle\n"
                "  with the water and toss. Fill the crust with the apples, sugar and\n"
                "  cinnamon; dot with butter and bake at 425 F for 45 minutes.\n\n"
                "MMMMM\n\n";
    }
    return text;
}

} // namespace

// Decoding and reading a whole file into a book, as the convert command does.
static void ReadMealMasterFile(benchmark::State& state) {
    const UnitTables units;
    const std::string bytes = MealMasterFile(kRecipes);
    for (auto _ : state) {
        CRecipeBook book(1);
        std::string decoded;
        const auto result = RecipeTextWalker(units).ReadInto(RecipeTextDecoder::Decode(bytes, decoded), book);
        benchmark::DoNotOptimize(result.recipes);
    }
    state.SetItemsProcessed(state.iterations() * kRecipes);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(ReadMealMasterFile)->Unit(benchmark::kMillisecond);

// The walker alone, on text that is already decoded.
static void WalkMealMasterText(benchmark::State& state) {
    const UnitTables units;
    const std::string text = MealMasterFile(kRecipes);
    for (auto _ : state) {
        CRecipeBook book(1);
        const auto result = RecipeTextWalker(units).ReadInto(text, book);
        benchmark::DoNotOptimize(result.recipes);
    }
    state.SetItemsProcessed(state.iterations() * kRecipes);
}
BENCHMARK(WalkMealMasterText)->Unit(benchmark::kMillisecond);

static void DecodeMealMasterFile(benchmark::State& state) {
    const std::string bytes = MealMasterFile(kRecipes);
    for (auto _ : state) {
        std::string decoded;
        benchmark::DoNotOptimize(RecipeTextDecoder::Decode(bytes, decoded).size());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(DecodeMealMasterFile)->Unit(benchmark::kMillisecond);
