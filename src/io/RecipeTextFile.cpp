#include "io/RecipeTextFile.h"

#include "io/RecipeTextDecoder.h"
#include "io/RecipeTextWriter.h"
#include "platform/AtomicFile.h"

RecipeTextWalker::Result RecipeTextFile::Read(const std::filesystem::path& path, CRecipeBook& book,
                                              const UnitTables& units) {
    const std::string bytes = AtomicFile::Read(path);
    std::string decoded;
    return RecipeTextWalker(units).ReadInto(RecipeTextDecoder::Decode(bytes, decoded), book);
}

void RecipeTextFile::Write(const std::filesystem::path& path, const CRecipeBook& book, int ingredientForm) {
    AtomicFile::Write(path, RecipeTextWriter::BookText(book, ingredientForm));
}
