#include "io/RecipeTextReader.h"

#include "model/CRecipe.h"
#include "quantities/IngredientText.h"

#include <charconv>
#include <optional>

namespace {

constexpr std::string_view kBlanks = " \t\r\n\v\f";
constexpr std::size_t kLongestLabel = 24;
constexpr int kMostServings = 1000000;

using Header = RecipeTextHeader;

struct Labelled {
    std::string_view label;
    std::string_view value;
};

// "      Title: Apple Pie" or "Serving Size  : 8": a short label of letters
// and spaces, a colon and the value. Lines shorter than a label's column
// simply give an empty value.
std::optional<Labelled> SplitLabel(std::string_view line) {
    const auto colon = line.find(':');
    if (colon == std::string_view::npos || colon > kLongestLabel) {
        return std::nullopt;
    }
    const std::string_view label = Header::Trimmed(line.substr(0, colon));
    if (label.empty() ||
        label.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz ") != std::string_view::npos) {
        return std::nullopt;
    }
    return Labelled{label, Header::Trimmed(line.substr(colon + 1))};
}

// The whole number at the start of a value ("8 servings" gives 8); 0 when
// there is none or it is beyond any real yield.
int LeadingNumber(std::string_view value) {
    value = Header::Trimmed(value);
    int number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (error != std::errc() || number < 0 || number > kMostServings) {
        return 0;
    }
    return number;
}

void SkipBlankLines(TextLineCursor& cursor) {
    while (!cursor.AtEnd() && Header::IsBlank(cursor.Peek())) {
        cursor.Next();
    }
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (auto pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos + to.size())) {
        text.replace(pos, from.size(), to);
    }
}

// A line where the next record starts: the reader leaves it to the caller.
bool StartsRecord(std::string_view line) {
    return Header::Detect(line).has_value() || Header::IsBookBlock(line) || Header::IsChapterBlock(line);
}

// A line that closes the recipe being read; it belongs to that recipe.
bool ClosesRecipe(std::string_view line, RecipeTextReader::TextEnd end) {
    switch (end) {
    case RecipeTextReader::TextEnd::MealMasterEnd:
        if (Header::IsMealMasterEnd(line)) {
            return true;
        }
        break;
    case RecipeTextReader::TextEnd::MasterCookEnd:
        if (Header::IsMasterCookEnd(line)) {
            return true;
        }
        break;
    case RecipeTextReader::TextEnd::TwoBlankLines:
        break;
    }
    return Header::IsNowYoureCookingEnd(line);
}

RecipeTextReader::TextEnd TextEndOf(RecipeTextFormat format) {
    switch (format) {
    case RecipeTextFormat::MealMaster:
        return RecipeTextReader::TextEnd::MealMasterEnd;
    case RecipeTextFormat::MasterCook:
        return RecipeTextReader::TextEnd::MasterCookEnd;
    case RecipeTextFormat::Own:
    case RecipeTextFormat::NowYoureCooking:
        break;
    }
    return RecipeTextReader::TextEnd::TwoBlankLines;
}

// Collects the paragraphs of a text block.
class TextBlockBuilder {
public:
    void AddLine(std::string_view line) {
        const bool indented = line.front() == ' ' || line.front() == '\t';
        const std::string_view content = Header::Trimmed(line);
        if (m_pendingBreak) {
            StartParagraph({});
            m_pendingBreak = false;
            m_open = false;
        }
        if (indented || !m_open) {
            StartParagraph(content);
            return;
        }
        m_text += ' ';
        m_text += content;
    }

    void AddEmptyParagraph() {
        StartParagraph({});
        m_pendingBreak = false;
        m_open = false;
    }

    // Blank lines between paragraphs keep one empty paragraph; blank lines
    // before the first and after the last paragraph are dropped.
    void AddBlank() {
        m_open = false;
        m_pendingBreak = m_paragraphs > 0;
    }

    std::string Take() { return std::move(m_text); }

private:
    void StartParagraph(std::string_view content) {
        if (m_paragraphs++ > 0) {
            m_text += "\r\n";
        }
        m_text += content;
        m_open = true;
    }

    std::string m_text;
    std::size_t m_paragraphs = 0;
    bool m_open = false;
    bool m_pendingBreak = false;
};

bool StartsWithQuantity(std::string_view line) {
    const std::string_view trimmed = Header::Trimmed(line);
    return !trimmed.empty() && ((trimmed.front() >= '0' && trimmed.front() <= '9') || trimmed.starts_with("\xC2\xBC") ||
                                trimmed.starts_with("\xC2\xBD") || trimmed.starts_with("\xC2\xBE"));
}

// MasterCook lays its categories out in columns separated by runs of spaces,
// over as many lines as they need: "Desserts      Pies" gives Desserts; Pies.
void AppendColumns(std::string& keywords, std::string_view value) {
    std::size_t pos = 0;
    while (pos < value.size()) {
        const auto start = value.find_first_not_of(kBlanks, pos);
        if (start == std::string_view::npos) {
            return;
        }
        auto end = start;
        while (end < value.size() && !(value[end] == '\t' || (value[end] == ' ' && end + 1 < value.size() &&
                                                              (value[end + 1] == ' ' || value[end + 1] == '\t')))) {
            ++end;
        }
        if (!keywords.empty()) {
            keywords += "; ";
        }
        keywords += Header::Trimmed(value.substr(start, end - start));
        pos = end;
    }
}

// A MasterCook categories line that goes on below the first: indented to
// the value column, no label, and not the first ingredient of a table that
// has no heading.
bool IsCategoryContinuation(std::string_view line) {
    constexpr std::size_t kLeastIndent = 10;
    constexpr std::size_t kMostIndent = 20;
    const auto indent = line.find_first_not_of(" \t");
    return indent != std::string_view::npos && indent >= kLeastIndent && indent <= kMostIndent &&
           !StartsWithQuantity(line) && !SplitLabel(line) && !StartsRecord(line);
}

bool IsMasterCookTableHeading(std::string_view line) {
    const std::string_view trimmed = Header::Trimmed(line);
    return (trimmed.starts_with("Amount") && trimmed.find("Measure") != std::string_view::npos) ||
           trimmed.starts_with("--------");
}

// Where the value of "Preparation Time" starts: after the label's own colon
// (the line holds the servings' colon first).
std::string PreparationTime(std::string_view line) {
    const auto label = line.find("Preparation Time");
    if (label == std::string_view::npos) {
        return {};
    }
    const auto colon = line.find(':', label);
    return colon == std::string_view::npos ? std::string() : std::string(Header::Trimmed(line.substr(colon + 1)));
}

// After a blank line the Meal-Master ingredient list goes on when a section
// line follows.
bool SectionFollows(TextLineCursor cursor) {
    SkipBlankLines(cursor);
    return Header::IsMealMasterSection(cursor.Peek());
}

} // namespace

std::string RecipeTextReader::TitleCase(std::string_view title) {
    title = Header::Trimmed(title);
    std::string cased(title);
    bool raise = true;
    for (char& c : cased) {
        if (raise && c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        } else if (!raise && c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        raise = c == ' ';
    }
    return cased;
}

std::unique_ptr<CRecipe> RecipeTextReader::ReadRecipe(TextLineCursor& cursor, RecipeTextFormat format) {
    auto recipe = std::make_unique<CRecipe>();
    switch (format) {
    case RecipeTextFormat::Own:
        ReadOwn(cursor, *recipe);
        break;
    case RecipeTextFormat::MealMaster:
        ReadMealMaster(cursor, *recipe);
        break;
    case RecipeTextFormat::MasterCook:
        ReadMasterCook(cursor, *recipe);
        break;
    case RecipeTextFormat::NowYoureCooking:
        ReadNowYoureCooking(cursor, *recipe);
        break;
    }
    return recipe;
}

// Own titles are the user's own and come back as they were written.
void RecipeTextReader::ReadOwn(TextLineCursor& cursor, CRecipe& recipe) {
    if (Header::Trimmed(cursor.Peek()) == "RECIPE") {
        cursor.Next();
    }
    recipe.SetTitle(std::string(Header::Trimmed(cursor.Next())));
    if (Header::IsBlank(cursor.Peek())) {
        cursor.Next();
    }
    ReadIngredients(cursor, recipe, RecipeTextFormat::Own);
    recipe.SetText(ReadTextBlock(cursor, TextEnd::TwoBlankLines));
}

void RecipeTextReader::ReadMealMaster(TextLineCursor& cursor, CRecipe& recipe) {
    SkipBlankLines(cursor);
    recipe.SetTitle({});
    while (!cursor.AtEnd()) {
        const auto labelled = SplitLabel(cursor.Peek());
        if (!labelled) {
            break;
        }
        if (labelled->label == "Title") {
            recipe.SetTitle(TitleCase(labelled->value));
        } else if (labelled->label == "Categories") {
            std::string keywords(labelled->value);
            ReplaceAll(keywords, ",", ";");
            recipe.SetKeywords(keywords);
        } else if (labelled->label == "Yield" || labelled->label == "Servings") {
            recipe.SetServings(LeadingNumber(labelled->value));
        } else {
            break;
        }
        cursor.Next();
    }
    SkipBlankLines(cursor);
    ReadIngredients(cursor, recipe, RecipeTextFormat::MealMaster);
    recipe.SetText(ReadTextBlock(cursor, TextEnd::MealMasterEnd));
}

void RecipeTextReader::ReadMasterCook(TextLineCursor& cursor, CRecipe& recipe) {
    SkipBlankLines(cursor);
    recipe.SetTitle(StartsRecord(cursor.Peek()) ? std::string() : TitleCase(cursor.Next()));
    SkipBlankLines(cursor);
    std::string attribution;
    std::string keywords;
    while (!cursor.AtEnd()) {
        const std::string_view line = cursor.Peek();
        const auto labelled = SplitLabel(line);
        if (StartsRecord(line)) {
            break;
        }
        if (labelled && labelled->label == "Recipe By") {
            attribution = labelled->value.empty() ? std::string() : std::string(Header::Trimmed(line));
        } else if (labelled && labelled->label == "Serving Size") {
            recipe.SetServings(LeadingNumber(labelled->value));
            recipe.SetPrepTime(PreparationTime(line));
        } else if (labelled && labelled->label == "Preparation Time") {
            recipe.SetPrepTime(PreparationTime(line));
        } else if (labelled && labelled->label == "Categories") {
            AppendColumns(keywords, labelled->value);
        } else if (!keywords.empty() && IsCategoryContinuation(line)) {
            AppendColumns(keywords, line);
        } else {
            break;
        }
        cursor.Next();
    }
    recipe.SetKeywords(keywords);
    while (!cursor.AtEnd() && (Header::IsBlank(cursor.Peek()) || IsMasterCookTableHeading(cursor.Peek()))) {
        cursor.Next();
    }
    ReadIngredients(cursor, recipe, RecipeTextFormat::MasterCook);
    SkipBlankLines(cursor);
    std::string instructions = ReadTextBlock(cursor, TextEnd::MasterCookEnd);
    if (!attribution.empty()) {
        instructions += instructions.empty() ? "" : "\r\n";
        instructions += attribution;
    }
    recipe.SetText(instructions);
    // Notes and nutrition lines follow the row of hyphens.
    recipe.SetComments(ReadTextBlock(cursor, TextEnd::TwoBlankLines));
}

void RecipeTextReader::ReadNowYoureCooking(TextLineCursor& cursor, CRecipe& recipe) {
    SkipBlankLines(cursor);
    recipe.SetTitle(StartsRecord(cursor.Peek()) ? std::string() : TitleCase(cursor.Next()));
    SkipBlankLines(cursor);
    if (!cursor.AtEnd() && !StartsWithQuantity(cursor.Peek()) && !StartsRecord(cursor.Peek())) {
        std::string keywords(Header::Trimmed(cursor.Next()));
        ReplaceAll(keywords, ", ", "; ");
        recipe.SetKeywords(keywords);
    }
    SkipBlankLines(cursor);
    ReadIngredients(cursor, recipe, RecipeTextFormat::NowYoureCooking);
    SkipBlankLines(cursor);
    recipe.SetText(ReadTextBlock(cursor, TextEnd::TwoBlankLines));
}

// The ingredient lines are one stretch of the text up to a blank line, handed
// to the ingredient parser in one piece without a copy.
void RecipeTextReader::ReadIngredients(TextLineCursor& cursor, CRecipe& recipe, RecipeTextFormat format) {
    const TextEnd end = TextEndOf(format);
    const std::size_t start = cursor.Offset();
    std::size_t stop = start;
    while (!cursor.AtEnd()) {
        const std::string_view line = cursor.Peek();
        if (Header::IsBlank(line)) {
            cursor.Next();
            if (format == RecipeTextFormat::MealMaster && SectionFollows(cursor)) {
                continue;
            }
            break;
        }
        if (StartsRecord(line) || ClosesRecipe(line, end)) {
            break;
        }
        cursor.Next();
        stop = cursor.Offset();
    }
    m_lines.clear();
    ParseIngredientText(cursor.Text().substr(start, stop - start), m_units, m_lines);
    recipe.ReserveIngredients(recipe.Ingredients().size() + m_lines.size());
    for (auto& line : m_lines) {
        recipe.AppendIngredient(
            std::make_unique<CIngredient>(std::move(line.amount), std::move(line.unit), std::move(line.description)));
    }
}

RecipeTextReader::Block RecipeTextReader::ReadBlock(TextLineCursor& cursor) {
    if (Header::IsBookBlock(cursor.Peek()) || Header::IsChapterBlock(cursor.Peek())) {
        cursor.Next();
    }
    Block block;
    block.title = Header::Trimmed(cursor.Next());
    if (Header::IsBlank(cursor.Peek())) {
        cursor.Next();
    }
    block.text = ReadTextBlock(cursor, TextEnd::TwoBlankLines);
    return block;
}

std::string RecipeTextReader::ReadTextBlock(TextLineCursor& cursor, TextEnd end) {
    TextBlockBuilder text;
    int blankRun = 0;
    while (!cursor.AtEnd()) {
        const std::string_view line = cursor.Peek();
        if (StartsRecord(line)) {
            break;
        }
        cursor.Next();
        if (ClosesRecipe(line, end)) {
            break;
        }
        if (line.find("NYC Nutrilink") != std::string_view::npos) {
            continue;
        }
        if (line == "\t") {
            text.AddEmptyParagraph();
            blankRun = 0;
            continue;
        }
        if (Header::IsBlank(line)) {
            if (end == TextEnd::TwoBlankLines && ++blankRun == 2) {
                break;
            }
            text.AddBlank();
            continue;
        }
        blankRun = 0;
        text.AddLine(line);
    }
    return text.Take();
}
