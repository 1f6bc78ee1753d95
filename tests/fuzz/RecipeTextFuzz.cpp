// Recipe text files come from decades of mail, message boards and other
// programs: the decoder, the walker over the four formats and the exported
// page reader must take any bytes. A book read in is also written as own text
// and read again, which must neither crash nor lose a recipe (a paragraph that
// quotes a header line after rewrapping may split one in two).
#include "io/ExportedPageReader.h"
#include "io/RecipeTextDecoder.h"
#include "io/RecipeTextWalker.h"
#include "io/RecipeTextWriter.h"
#include "model/CRecipeBook.h"
#include "quantities/UnitTables.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

std::size_t RecipeCount(const CRecipeBook& book) {
    std::size_t count = book.Recipes().size();
    for (const auto& chapter : book.Chapters()) {
        count += chapter->Recipes().size();
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const UnitTables units;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::string text = RecipeTextDecoder::Decode(bytes);
    CRecipeBook book(1);
    RecipeTextWalker(units).ReadInto(text, book);

    const std::string written = RecipeTextWriter::BookText(book, 0);
    CRecipeBook again(2);
    const auto result = RecipeTextWalker(units).ReadInto(written, again);
    if (result.recipes < RecipeCount(book)) {
        std::abort();
    }

    CRecipe recipe;
    ExportedPageReader::Read(recipe, text);
    return 0;
}
