// Reading and writing a book of 100,000 recipes of about ten ingredients.
#include "SyntheticBook.h"
#include "model/RecipeBookFile.h"
#include "platform/AtomicFile.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr std::size_t kRecipes = 100000;

struct Fixture {
    std::unique_ptr<CRecipeBook> book = SyntheticBook::Make(kRecipes);
    std::string bytes = RecipeBookFile::ToBytes(*book, {});
    std::filesystem::path path = std::filesystem::temp_directory_path() / "savorbridge-bench-book.rcp";

    Fixture() { AtomicFile::Write(path, bytes); }
    ~Fixture() { std::filesystem::remove(path); }
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

// Kilobytes from a line of /proc/self/status.
long StatusKilobytes(const std::string& key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with(key)) {
            return std::stol(line.substr(key.size() + 1));
        }
    }
    return 0;
}

void ReadBook(benchmark::State& state) {
    Fixture& fixture = Shared();
    for (auto _ : state) {
        auto loaded = RecipeBookFile::Load(fixture.path, RecipeBookFile::ReadOptions{nullptr});
        benchmark::DoNotOptimize(loaded.book.get());
        // Freeing the book is not part of reading it.
        state.PauseTiming();
        loaded.book.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * fixture.bytes.size()));
    state.counters["file_MB"] = static_cast<double>(fixture.bytes.size()) / 1e6;
}

void WriteBook(benchmark::State& state) {
    Fixture& fixture = Shared();
    for (auto _ : state) {
        RecipeBookFile::Save(*fixture.book, fixture.path, {});
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * fixture.bytes.size()));
}

// Writing without the file system: the archive encoding alone.
void SerializeBook(benchmark::State& state) {
    Fixture& fixture = Shared();
    for (auto _ : state) {
        benchmark::DoNotOptimize(RecipeBookFile::ToBytes(*fixture.book, {}));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * fixture.bytes.size()));
}

// The memory a read needs on top of what the process held before, as a
// multiple of the file size. Clearing the high-water mark needs Linux 4.0.
void ReadBookPeakMemory(benchmark::State& state) {
    Fixture& fixture = Shared();
    for (auto _ : state) {
        std::ofstream("/proc/self/clear_refs") << "5";
        const long before = StatusKilobytes("VmRSS:");
        auto loaded = RecipeBookFile::Load(fixture.path, RecipeBookFile::ReadOptions{nullptr});
        const long peak = StatusKilobytes("VmHWM:");
        state.counters["peak_over_file"] =
            static_cast<double>(peak - before) * 1024.0 / static_cast<double>(fixture.bytes.size());
        benchmark::DoNotOptimize(loaded.book.get());
    }
}

} // namespace

BENCHMARK(ReadBookPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadBook)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteBook)->Unit(benchmark::kMillisecond);
BENCHMARK(SerializeBook)->Unit(benchmark::kMillisecond);
