#include "app/CSavorbridgeDoc.h"
#include "app/CSettings.h"
#include "model/CRecipeBook.h"
#include "model/CRecipeChapter.h"
#include "platform/QtUserPrompts.h"
#include "ui/views/CSBHtmlViewM.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <vector>

namespace {

// Spins the event loop until the page's title element reads text.
bool WaitForTitle(CHtmlView& view, const QString& text) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 20000) {
        QString shown;
        QEventLoop loop;
        view.RunScript("(document.getElementById('SBTitle') || {}).textContent || ''", [&](const QVariant& value) {
            shown = value.toString();
            loop.quit();
        });
        loop.exec();
        if (shown == text) {
            return true;
        }
    }
    return false;
}

std::vector<CRecipe*> RecipesOf(const CRecipeBook* book) {
    std::vector<CRecipe*> recipes;
    if (book == nullptr) {
        return recipes;
    }
    for (const auto& chapter : book->Chapters()) {
        for (const auto& recipe : chapter->Recipes()) {
            recipes.push_back(recipe.get());
        }
    }
    for (const auto& recipe : book->Recipes()) {
        recipes.push_back(recipe.get());
    }
    return recipes;
}

// From the document's display request to the recipe's page showing in the
// browser: what a click in the Contents tree costs before the user sees it.
void DisplayRecipe(benchmark::State& state) {
    CSettings settings;
    // Displaying asks the user nothing; the real prompts only stand by.
    QtUserPrompts prompts;
    CSavorbridgeDoc doc(settings, prompts, nullptr);
    CRecipeBook* book =
        doc.ReadBookIntoWorkspace(std::filesystem::path(SB_SHIPPED_DATA_DIR) / "samples" / "sample.rcp");
    const std::vector<CRecipe*> recipes = RecipesOf(book);
    if (recipes.size() < 2) {
        state.SkipWithError("the sample book has too few recipes");
        return;
    }
    CSBHtmlViewM view(doc);
    view.resize(800, 600);
    view.show();
    QEventLoop loaded;
    QObject::connect(&view, &CHtmlView::documentComplete, &loaded, &QEventLoop::quit);
    view.OnInitialUpdate();
    loaded.exec();
    std::size_t next = 0;
    for (auto _ : state) {
        CRecipe* recipe = recipes[next++ % recipes.size()];
        doc.Display(recipe);
        if (!WaitForTitle(view, QString::fromStdString(recipe->Title()))) {
            state.SkipWithError("the page never showed the recipe");
            return;
        }
    }
}
BENCHMARK(DisplayRecipe)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
