#include "nutrition/Database.h"
#include "platform/AppFolders.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

// The shipped tables as the program finds them (<build>/data).
std::filesystem::path ShippedFolder() {
    return AppFolders::ProgramFolderFor(AppFolders::ExecutablePath());
}

std::unique_ptr<Nutrient::Database> OpenShipped(benchmark::State& state) {
    auto database = std::make_unique<Nutrient::Database>(ShippedFolder());
    if (!database->IsAvailable()) {
        state.SkipWithError("no shipped nutrient data beside the program");
    }
    return database;
}

} // namespace

static void LoadTables(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto database = OpenShipped(state);
        state.ResumeTiming();
        database->LoadTables();
        benchmark::DoNotOptimize(database->Items().size());
        state.PauseTiming();
        database.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(LoadTables)->Unit(benchmark::kMillisecond);

static void BuildIndex(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto database = OpenShipped(state);
        database->LoadTables();
        state.ResumeTiming();
        database->BuildIndex();
        state.PauseTiming();
        database.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BuildIndex)->Unit(benchmark::kMillisecond);

static void Search(benchmark::State& state, const char* phrase, bool allWords) {
    auto database = OpenShipped(state);
    database->BuildIndex();
    std::vector<Nutrient::FoodItem*> results;
    for (auto _ : state) {
        database->SearchInScope(phrase, allWords, Nutrient::SearchScope::Database, results, {}, {});
        benchmark::DoNotOptimize(results.data());
    }
    state.counters["results"] = static_cast<double>(results.size());
}
BENCHMARK_CAPTURE(Search, cheddarCheeseAll, "cheddar cheese", true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, chickenAny, "chicken", false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, saltButterRawAny, "salt butter raw", false)->Unit(benchmark::kMicrosecond);
