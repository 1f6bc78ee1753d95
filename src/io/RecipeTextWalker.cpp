#include "io/RecipeTextWalker.h"

#include "model/CRecipeBook.h"

namespace {

using Header = RecipeTextHeader;

// Lines that close a recipe but were left behind by it, such as the footer
// of a Now You're Cooking! export after two blank lines.
bool IsStrayClosing(std::string_view line) {
    return Header::IsMealMasterEnd(line) || Header::IsMasterCookEnd(line) || Header::IsNowYoureCookingEnd(line);
}

} // namespace

RecipeTextWalker::Result RecipeTextWalker::ReadInto(std::string_view text, CRecipeBook& book) {
    m_book = &book;
    m_chapter = nullptr;
    m_result = {};
    TextLineCursor cursor(text);
    while (!cursor.AtEnd()) {
        const std::string_view line = cursor.Peek();
        if (Header::IsBookBlock(line)) {
            const auto block = RecipeTextReader::ReadBlock(cursor);
            book.SetTitle(block.title);
            book.SetText(block.text);
            m_chapter = nullptr;
        } else if (Header::IsChapterBlock(line)) {
            const auto block = RecipeTextReader::ReadBlock(cursor);
            auto chapter = std::make_unique<CRecipeChapter>();
            chapter->SetTitle(block.title);
            chapter->SetText(block.text);
            m_chapter = &book.AddChapter(std::move(chapter));
        } else if (const auto format = Header::Detect(line)) {
            cursor.Next();
            ReadRecipe(cursor, line, *format);
        } else {
            cursor.Next();
            if (!Header::IsBlank(line) && !IsStrayClosing(line)) {
                ++m_result.unplacedLines;
            }
        }
    }
    return m_result;
}

// A recipe without a title is named after its header line, so that it can
// still be found in the book.
void RecipeTextWalker::ReadRecipe(TextLineCursor& cursor, std::string_view header, RecipeTextFormat format) {
    auto recipe = m_reader.ReadRecipe(cursor, format);
    if (recipe->Title().empty()) {
        recipe->SetTitle(std::string(Header::Trimmed(header)));
    }
    if (m_chapter != nullptr) {
        m_chapter->AddRecipe(std::move(recipe));
    } else {
        m_book->AddRecipe(std::move(recipe));
    }
    ++m_result.recipes;
}
