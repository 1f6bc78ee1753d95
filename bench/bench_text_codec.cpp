#include "platform/TextCodec.h"

#include <benchmark/benchmark.h>

#include <string>

static void Windows1252ToUtf8(benchmark::State& state) {
    std::string text;
    while (text.size() < 64 * 1024) {
        text += "1\xBD cups flour, sifted; bake at 350\xB0"
                "F until golden. ";
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(TextCodec::Windows1252ToUtf8(text));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(Windows1252ToUtf8);
