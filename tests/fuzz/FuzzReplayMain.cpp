// Runs a fuzz target without libFuzzer: every file of the corpus folder given
// on the command line, then a fixed, repeatable set of mutations of each
// (truncations, flipped bytes, spliced garbage), so that the test build checks
// the readers against damaged input on every run.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

using Bytes = std::vector<std::uint8_t>;

void Run(const Bytes& bytes) {
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
}

Bytes ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Mutate(const Bytes& seed, std::mt19937& random) {
    for (std::size_t cut = 0; cut < seed.size(); cut += 1 + seed.size() / 64) {
        Run(Bytes(seed.begin(), seed.begin() + static_cast<std::ptrdiff_t>(cut)));
    }
    for (int round = 0; round < 300 && !seed.empty(); ++round) {
        Bytes copy = seed;
        const int flips = 1 + static_cast<int>(random() % 8);
        for (int i = 0; i < flips; ++i) {
            copy[random() % copy.size()] = static_cast<std::uint8_t>(random());
        }
        Run(copy);
    }
    for (int round = 0; round < 50; ++round) {
        Bytes copy = seed;
        const std::size_t at = copy.empty() ? 0 : random() % copy.size();
        const Bytes junk(1 + random() % 16, static_cast<std::uint8_t>(random() % 2 ? 0xFF : 0x00));
        copy.insert(copy.begin() + static_cast<std::ptrdiff_t>(at), junk.begin(), junk.end());
        Run(copy);
    }
}

} // namespace

int main(int argc, char** argv) {
    std::mt19937 random(20261211);
    Run({});
    std::size_t seeds = 0;
    if (argc > 1 && std::filesystem::is_directory(argv[1])) {
        for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
            if (!entry.is_regular_file()) {
                continue;
            }
            const Bytes seed = ReadFile(entry.path());
            Run(seed);
            Mutate(seed, random);
            ++seeds;
        }
    }
    for (int round = 0; round < 200; ++round) {
        Bytes noise(random() % 512);
        for (auto& b : noise) {
            b = static_cast<std::uint8_t>(random());
        }
        Run(noise);
    }
    std::printf("replayed %zu seeds with mutations\n", seeds);
    return 0;
}
