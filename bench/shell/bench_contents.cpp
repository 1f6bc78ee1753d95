#include "../SyntheticBook.h"
#include "FixedAnswerPrompts.h"

#include "app/CSavorbridgeDoc.h"
#include "app/CSettings.h"
#include "search/CContentsPP.h"

#include <QMainWindow>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

namespace {

// The Contents tree of one book of the given number of recipes, built in a
// shown main window with its status-bar progress bar.
void BuildContents(benchmark::State& state) {
    CSettings settings;
    FixedAnswerPrompts prompts(PromptAnswer::Ok);
    CSavorbridgeDoc doc(settings, prompts, nullptr);
    doc.AppendBook(SyntheticBook::Make(static_cast<std::size_t>(state.range(0)), 250));
    QMainWindow window;
    auto* page = new CContentsPP(doc);
    window.setCentralWidget(page);
    window.resize(300, 600);
    window.show();
    for (auto _ : state) {
        page->BuildTree();
        benchmark::DoNotOptimize(page->Tree()->topLevelItemCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BuildContents)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
