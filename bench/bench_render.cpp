#include "model/CRecipe.h"
#include "model/CRecipeBook.h"
#include "quantities/UnitTables.h"
#include "render/CHtmlWriter.h"
#include "render/CPageRenderer.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

std::unique_ptr<CRecipe> MakeRecipe(int number) {
    auto recipe = std::make_unique<CRecipe>();
    recipe->SetTitle("Recipe number " + std::to_string(number));
    const char* lines[][3] = {
        {"1-1/2", "C", "flour, sifted"}, {"2", "T", "butter"},   {"1/2", "tsp", "salt"},  {"3", "", "eggs"},
        {"1", "C", "milk, warm"},        {"2--3", "T", "sugar"}, {"1", "tsp", "vanilla"}, {"", "", "oil for the pan"},
    };
    for (const auto& line : lines) {
        recipe->AppendIngredient(std::make_unique<CIngredient>(line[0], line[1], line[2]));
    }
    recipe->SetText("Whisk the dry ingredients.\r\n  Beat in the eggs and milk.\r\nRest the batter for an hour, "
                    "then cook in a hot pan until golden on both sides.");
    recipe->SetServings(4);
    recipe->SetPrepTime("1 hour");
    return recipe;
}

void RecipePage(benchmark::State& state) {
    CSettings settings;
    UnitTables units;
    CRecipeBook book(1);
    const CRecipe& recipe = book.AddRecipe(MakeRecipe(1));
    const CPageRenderer renderer(settings, &units);
    PageOptions options;
    options.SetPortion(2, 1);
    for (auto _ : state) {
        CHtmlWriter page;
        renderer.RenderPage(recipe, page, options);
        benchmark::DoNotOptimize(page.GetHtml());
    }
}
BENCHMARK(RecipePage)->Unit(benchmark::kMicrosecond);

void BookPageOf10000Recipes(benchmark::State& state) {
    CSettings settings;
    CRecipeBook book(1);
    for (int i = 0; i < 10000; ++i) {
        book.AddRecipe(MakeRecipe(i));
    }
    const CPageRenderer renderer(settings);
    for (auto _ : state) {
        CHtmlWriter page;
        renderer.RenderPage(book, page, PageOptions());
        benchmark::DoNotOptimize(page.GetHtml());
    }
}
BENCHMARK(BookPageOf10000Recipes)->Unit(benchmark::kMillisecond);

} // namespace
