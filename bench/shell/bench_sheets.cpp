#include "FixedAnswerPrompts.h"
#include "app/BookChecklist.h"
#include "app/CSBDocBase.h"
#include "app/CSettings.h"
#include "model/CRecipe.h"
#include "model/CRecipeBook.h"
#include "platform/Profile.h"
#include "platform/UserPrompts.h"
#include "ui/dialogs/CGenericPS.h"
#include "ui/dialogs/CIconPP.h"
#include "ui/dialogs/RecipeSheets.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

class NoChecklist : public BookChecklist {
public:
    std::optional<std::vector<bool>> ChooseBooks(std::string_view, const std::vector<std::string>&,
                                                 const std::vector<bool>& ticked) override {
        return ticked;
    }
};

class MemoryStore : public Profile {
public:
    int GetInt(std::string_view, std::string_view, int fallback) const override { return fallback; }
    std::string GetString(std::string_view, std::string_view, std::string_view fallback) const override {
        return std::string(fallback);
    }
    void WriteInt(std::string_view, std::string_view, int) override {}
    void WriteString(std::string_view, std::string_view, std::string_view) override {}
};

// Opening the recipe sheet, showing it and closing it, for a recipe of the
// given number of ingredient lines.
void OpenRecipeSheet(benchmark::State& state) {
    CSettings settings;
    FixedAnswerPrompts prompts(PromptAnswer::Cancel);
    NoChecklist checklist;
    MemoryStore profile;
    CSBDocBase doc({settings, prompts, checklist});
    CRecipeBook& book = doc.AppendBook(std::make_unique<CRecipeBook>(1));
    CRecipe& recipe = book.AddRecipe(std::make_unique<CRecipe>());
    for (int i = 0; i < state.range(0); ++i) {
        recipe.AppendIngredient(std::make_unique<CIngredient>("1-1/2", "C", "flour -- sifted", i % 3));
    }
    RecipeSheets sheets(doc, settings, profile, prompts);
    sheets.SetRunner([](CGenericPS& sheet) {
        sheet.show();
        QApplication::processEvents();
        return 0;
    });
    for (auto _ : state) {
        benchmark::DoNotOptimize(sheets.RecipeSheet(&recipe, nullptr, nullptr));
    }
}
BENCHMARK(OpenRecipeSheet)->Arg(10)->Arg(100)->Arg(500)->Unit(benchmark::kMillisecond);

// Switching the icon page between its categories, the food pictures drawn
// once and kept.
void SwitchIconCategories(benchmark::State& state) {
    CIconPP page(-1, 4);
    int category = 0;
    for (auto _ : state) {
        category = (category + 1) % IconCatalog::CategoryCount;
        page.ShowCategory(static_cast<IconCatalog::Category>(category));
    }
}
BENCHMARK(SwitchIconCategories)->Unit(benchmark::kMillisecond);

} // namespace
