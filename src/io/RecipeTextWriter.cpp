#include "io/RecipeTextWriter.h"

#include "model/CRecipeBook.h"
#include "platform/TextCodec.h"
#include "quantities/IngredientLine.h"

#include <algorithm>

namespace {

constexpr std::size_t kLineWidth = 80;
constexpr int kPaddedWidth = 8;

// A title is one line of the file whatever the user pasted into it.
std::string OneLine(std::string_view text) {
    std::string line(text);
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return line;
}

// Where the next output line ends: after the last run of spaces that still
// fits, or, for a word longer than the line, after that word. Counting
// characters, not bytes, keeps "½" one column wide.
std::size_t LineBreak(std::string_view text, std::size_t width) {
    std::size_t pos = 0;
    std::size_t columns = 0;
    std::size_t lastBreak = 0;
    while (pos < text.size() && columns < width) {
        const bool space = text[pos] == ' ';
        TextCodec::NextCodePoint(text, pos);
        ++columns;
        if (space && (pos >= text.size() || text[pos] != ' ')) {
            lastBreak = pos;
        }
    }
    if (pos >= text.size()) {
        return text.size();
    }
    if (lastBreak > 0) {
        return lastBreak;
    }
    const auto nextSpace = text.find(' ', pos);
    if (nextSpace == std::string_view::npos) {
        return text.size();
    }
    const auto afterSpaces = text.find_first_not_of(' ', nextSpace);
    return afterSpaces == std::string_view::npos ? text.size() : afterSpaces;
}

// Amounts longer than the column would be cut with a "*"; the column grows
// for them instead so that the amount survives.
int ColumnWidth(const CIngredient& line) {
    std::size_t characters = 0;
    for (std::size_t pos = 0; pos < line.Amount().size(); ++characters) {
        TextCodec::NextCodePoint(line.Amount(), pos);
    }
    return std::max(kPaddedWidth, static_cast<int>(characters));
}

} // namespace

void RecipeTextWriter::WriteTextBlock(std::string& out, std::string_view text) {
    if (text.empty()) {
        return;
    }
    std::size_t start = 0;
    while (start <= text.size()) {
        auto end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        WriteParagraph(out, text.substr(start, end - start));
        if (end == text.size()) {
            return;
        }
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
}

// The paragraph's first line starts with a tab; lines that follow it start
// with a word, so the reader joins them into the same paragraph again.
void RecipeTextWriter::WriteParagraph(std::string& out, std::string_view paragraph) {
    out += '\t';
    std::size_t width = kLineWidth - 1;
    do {
        const std::size_t length = LineBreak(paragraph, width);
        out += paragraph.substr(0, length);
        out += '\n';
        paragraph.remove_prefix(length);
        width = kLineWidth;
    } while (!paragraph.empty());
}

void RecipeTextWriter::WriteBlock(std::string& out, std::string_view kind, std::string_view title,
                                  std::string_view text) {
    out += kind;
    out += '\n';
    out += OneLine(title);
    out += "\n\n";
    WriteTextBlock(out, text);
    out += "\n\n";
}

void RecipeTextWriter::WriteBookBlock(std::string& out, const CRecipeBook& book) {
    WriteBlock(out, "BOOK", book.Title(), book.Text());
}

void RecipeTextWriter::WriteChapterBlock(std::string& out, const CRecipeChapter& chapter) {
    WriteBlock(out, "CHAPTER", chapter.Title(), chapter.Text());
}

void RecipeTextWriter::WriteRecipeBlock(std::string& out, const CRecipe& recipe, int ingredientForm) {
    out += "RECIPE\n";
    out += OneLine(recipe.Title());
    out += "\n\n";
    WriteIngredients(out, recipe, ingredientForm);
    out += '\n';
    WriteTextBlock(out, recipe.Text());
    out += "\n\n";
}

// Units are written in full: cutting "(16 oz) can" to the column would lose
// it on the way back in.
void RecipeTextWriter::WriteIngredients(std::string& out, const CRecipe& recipe, int ingredientForm) {
    for (const auto& line : recipe.Ingredients()) {
        const IngredientParts parts{line->Amount(), OneLine(line->Unit()), OneLine(line->Description())};
        if (ingredientForm == kPaddedForm) {
            out += IngredientLine(parts, ColumnWidth(*line), kPaddedForm, 0);
        } else {
            out += IngredientLine(parts, 0, ingredientForm, 0);
        }
    }
}

std::string RecipeTextWriter::BookText(const CRecipeBook& book, int ingredientForm) {
    std::string out;
    WriteBookBlock(out, book);
    for (const auto& recipe : book.Recipes()) {
        WriteRecipeBlock(out, *recipe, ingredientForm);
    }
    for (const auto& chapter : book.Chapters()) {
        WriteChapterBlock(out, *chapter);
        for (const auto& recipe : chapter->Recipes()) {
            WriteRecipeBlock(out, *recipe, ingredientForm);
        }
    }
    return out;
}
