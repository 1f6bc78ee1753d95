// Reads arbitrary bytes as a recipe book. Whatever comes back must write and
// read again without damage, and from then on a book this program wrote must
// come back to the very same bytes. (The first write may still differ: a
// picture whose file is missing is stored empty and dropped on reading.)
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
    const auto again = Read(RecipeBookFile::ToBytes(*book, {}));
    if (again == nullptr || again->LoadError()) {
        std::abort();
    }
    const std::string written = RecipeBookFile::ToBytes(*again, {});
    const auto third = Read(written);
    if (third == nullptr || RecipeBookFile::ToBytes(*third, {}) != written) {
        std::abort();
    }
    return 0;
}
