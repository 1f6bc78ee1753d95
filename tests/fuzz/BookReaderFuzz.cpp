// Reads arbitrary bytes as a recipe book. Whatever comes back must write and
// read again to the very same bytes: the writer's output is the reader's
// best-kept promise.
#include "model/RecipeBookFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

const RecipeBookFile::ReadOptions kNoWait{nullptr};

std::unique_ptr<CRecipeBook> Read(const std::string& bytes) {
    std::istringstream in(bytes);
    try {
        return RecipeBookFile::Load(in, "fuzz.rcp", kNoWait).book;
    } catch (const NotABookError&) {
        return nullptr;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto book = Read(std::string(reinterpret_cast<const char*>(data), size));
    if (book == nullptr) {
        return 0;
    }
    const std::string written = RecipeBookFile::ToBytes(*book, {});
    const auto again = Read(written);
    if (again == nullptr || again->LoadError() || RecipeBookFile::ToBytes(*again, {}) != written) {
        std::abort();
    }
    return 0;
}
