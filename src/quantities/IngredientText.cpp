#include "quantities/IngredientText.h"

#include "platform/TextCodec.h"
#include "quantities/AmountNotation.h"
#include "quantities/UnitTables.h"

#include <array>
#include <optional>
#include <string>

namespace {

constexpr std::string_view kBlanks = " \t\r\n\v\f";
constexpr std::string_view kWordEnd = " \t";

// Meal-Master writes two ingredients on one line: the second column starts at
// character 41, and characters 39 to 41 of such a line are blank.
constexpr std::size_t kSecondColumn = 41;
constexpr std::size_t kGapStart = 39;
constexpr std::size_t kMinTwoColumnLength = 44;

constexpr char kUtf8Lead = '\xC2';

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A plain loop over the handful of characters in the set: the library's
// find_first_not_of calls memchr once for every character it passes, which
// led the profile of reading large recipe files.
bool IsOneOf(char c, std::string_view chars) {
    for (const char candidate : chars) {
        if (candidate == c) {
            return true;
        }
    }
    return false;
}

std::string_view TrimLeft(std::string_view text, std::string_view chars) {
    std::size_t first = 0;
    while (first < text.size() && IsOneOf(text[first], chars)) {
        ++first;
    }
    return text.substr(first);
}

std::string_view TrimRight(std::string_view text, std::string_view chars) {
    std::size_t end = text.size();
    while (end > 0 && IsOneOf(text[end - 1], chars)) {
        --end;
    }
    return text.substr(0, end);
}

std::string_view Trim(std::string_view text) {
    return TrimRight(TrimLeft(text, kBlanks), kBlanks);
}

std::string_view WordAt(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) {
        return {};
    }
    const auto end = text.find_first_of(kWordEnd, pos);
    return text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
}

// A decimal point belongs to an amount only when a digit follows: 2.5 g.
bool IsDecimalPoint(std::string_view text, std::size_t pos) {
    return text[pos] == '.' && pos + 1 < text.size() && IsDigit(text[pos + 1]);
}

// The length of the amount at the start of a line: it starts with a digit or
// a fraction and goes on over digits, fractions, decimal points, blanks,
// hyphens and slashes.
std::size_t AmountPrefixLength(std::string_view line) {
    std::size_t pos = 0;
    while (pos < line.size()) {
        const char c = line[pos];
        if (IsDigit(c) || IsDecimalPoint(line, pos)) {
            ++pos;
        } else if (const std::size_t length = FractionCharLength(line, pos)) {
            pos += length;
        } else if (pos > 0 && (c == ' ' || c == '\t' || c == '-' || c == '/')) {
            ++pos;
        } else {
            break;
        }
    }
    return pos;
}

// The prefix in amount notation: blanks become the joining hyphen, longer
// hyphen runs shrink to the range separator, fractions become UTF-8.
std::string AmountText(std::string_view prefix) {
    std::string amount;
    amount.reserve(prefix.size());
    for (std::size_t pos = 0; pos < prefix.size(); ++pos) {
        const char c = prefix[pos];
        if (c == ' ' || c == '\t' || c == '-') {
            if (!amount.ends_with("--")) {
                amount.push_back('-');
            }
        } else if (const std::size_t length = FractionCharLength(prefix, pos)) {
            amount.push_back(kUtf8Lead);
            pos += length - 1;
            amount.push_back(prefix[pos]);
        } else {
            amount.push_back(c);
        }
    }
    return amount;
}

// A counted word: the word itself, its plural, or "(s)" form.
bool IsCountWord(std::string_view word, std::string_view stem) {
    if (!word.starts_with(stem)) {
        return false;
    }
    const std::string_view rest = word.substr(stem.size());
    return rest.empty() || rest == "s" || rest == "(s)";
}

// Two-letter Meal-Master unit codes and the size and count words kept as units.
std::string MapUnitWord(std::string_view word) {
    struct Mapping {
        std::string_view word;
        std::string_view unit;
    };
    static constexpr std::array kMappings = {
        Mapping{"x", " "},       Mapping{"sm", "small"}, Mapping{"med", "medium"},
        Mapping{"md", "medium"}, Mapping{"lg", "large"}, Mapping{"ea", "each"},
        Mapping{"ds", "dash"},   Mapping{"pn", "pinch"}, Mapping{"pk", "package"},
    };
    static constexpr std::array kSizeWords = {std::string_view("small"), std::string_view("medium"),
                                              std::string_view("large"), std::string_view("pinch"),
                                              std::string_view("dash")};
    static constexpr std::array kCountStems = {std::string_view("drop"),    std::string_view("clove"),
                                               std::string_view("bag"),     std::string_view("can"),
                                               std::string_view("package"), std::string_view("jar")};
    for (const auto& mapping : kMappings) {
        if (word == mapping.word) {
            return std::string(mapping.unit);
        }
    }
    for (const auto size : kSizeWords) {
        if (word == size) {
            return std::string(word);
        }
    }
    for (const auto stem : kCountStems) {
        if (IsCountWord(word, stem)) {
            return std::string(word);
        }
    }
    return {};
}

// Moves past a ")" found at or after pos and the blanks after it; npos when
// there is no ")".
std::size_t PastClosingParen(std::string_view line, std::size_t pos) {
    const auto close = line.find(')', pos);
    if (close == std::string_view::npos) {
        return close;
    }
    const auto next = line.find_first_not_of(kBlanks, close + 1);
    return next == std::string_view::npos ? line.size() : next;
}

struct ParsedLine {
    std::string amount;
    std::string unit;
    std::string_view description;
};

class IngredientTextParser {
public:
    IngredientTextParser(const UnitTables& units, std::vector<IngredientParts>& lines)
        : m_units(units), m_lines(lines) {}

    void Parse(std::string_view text) {
        std::size_t start = 0;
        while (start <= text.size()) {
            auto end = text.find('\n', start);
            if (end == std::string_view::npos) {
                end = text.size();
            }
            ProcessLine(text.substr(start, end - start));
            start = end + 1;
        }
    }

private:
    enum Column { Left, Right, Single };

    // The line is split into its two columns before either is read, so that
    // an amount or a continuation in the left column never runs into the
    // ingredient of the right one.
    void ProcessLine(std::string_view line) {
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (const auto split = SecondColumnOffset(line)) {
            ProcessPiece(line.substr(0, *split), Left);
            ProcessPiece(line.substr(*split), Right);
            return;
        }
        ProcessPiece(line, Single);
    }

    // Columns count characters, not bytes: a "½" in the left column is one.
    static std::optional<std::size_t> SecondColumnOffset(std::string_view line) {
        if (line.size() < kMinTwoColumnLength) {
            return std::nullopt;
        }
        std::size_t pos = 0;
        std::array<std::size_t, kMinTwoColumnLength + 1> offsets{};
        for (std::size_t column = 0; column < kMinTwoColumnLength && pos < line.size(); ++column) {
            offsets[column] = pos;
            TextCodec::NextCodePoint(line, pos);
            offsets[column + 1] = pos;
            if (column + 1 == kMinTwoColumnLength) {
                return line.substr(offsets[kGapStart], 3) == "   " ? std::optional(offsets[kSecondColumn])
                                                                   : std::nullopt;
            }
        }
        return std::nullopt;
    }

    void ProcessPiece(std::string_view piece, Column column) {
        const std::string_view line = TrimLeft(piece, kBlanks);
        if (line.empty()) {
            return;
        }
        ParsedLine parsed = ReadLine(line);
        if (parsed.amount.empty() && parsed.unit.empty() && IsContinuation(parsed.description)) {
            if (IngredientParts* previous = Previous(column, piece.size() - line.size())) {
                previous->description += ' ';
                previous->description += TrimRight(parsed.description.substr(1), kBlanks);
                return;
            }
        }
        Append(std::move(parsed), column);
    }

    ParsedLine ReadLine(std::string_view line) const {
        ParsedLine parsed;
        const std::size_t prefixLength = AmountPrefixLength(line);
        parsed.amount = AmountText(TrimRight(line.substr(0, prefixLength), kBlanks));
        std::size_t pos = prefixLength;
        if (!parsed.amount.empty()) {
            parsed.unit = ReadUnit(line, pos);
        }
        parsed.description = line.substr(std::min(pos, line.size()));
        return parsed;
    }

    // The unit word after the amount, a size note in parentheses before it
    // ("1 (16 oz) can") and a size note after it ("1 can (16 oz)").
    std::string ReadUnit(std::string_view line, std::size_t& pos) const {
        std::string_view word = WordAt(line, pos);
        if (word.empty()) {
            return {};
        }
        std::string_view sizeNote;
        std::string unit = RecognisedUnit(word);
        if (unit.empty() && word.front() == '(') {
            const auto afterNote = PastClosingParen(line, pos);
            if (afterNote != std::string_view::npos) {
                sizeNote = TrimRight(line.substr(pos, afterNote - pos), kBlanks);
                pos = afterNote;
                word = WordAt(line, pos);
            }
        }
        if (unit.empty()) {
            unit = MapUnitWord(TrimRight(word, "."));
        }
        if (!unit.empty()) {
            pos = std::min(pos + word.size() + 1, line.size());
            AppendTrailingNote(line, pos, unit);
        }
        if (!sizeNote.empty()) {
            unit = std::string(sizeNote) + ' ' + unit;
        }
        return std::string(Trim(unit));
    }

    std::string RecognisedUnit(std::string_view word) const {
        const CUnit* unit = m_units.FindUnit(TrimRight(word, "."));
        return unit != nullptr ? unit->Abbreviation() : std::string();
    }

    static void AppendTrailingNote(std::string_view line, std::size_t& pos, std::string& unit) {
        if (pos >= line.size() || line[pos] != '(') {
            return;
        }
        const auto afterNote = PastClosingParen(line, pos);
        if (afterNote == std::string_view::npos) {
            return;
        }
        unit += ' ';
        unit += TrimRight(line.substr(pos, afterNote - pos), kBlanks);
        pos = afterNote;
    }

    // "-finely chopped" goes on the line before; "-= SAUCE =-" and a row of
    // hyphens are section lines.
    static bool IsContinuation(std::string_view description) {
        return description.size() >= 1 && description[0] == '-' && (description.size() < 2 || description[1] != '=') &&
               (description.size() < 3 || description[2] != '-');
    }

    // The ingredient a continuation belongs to. After a two-column line, a
    // continuation that starts in the left half goes to the left ingredient.
    IngredientParts* Previous(Column column, std::size_t indent) {
        if (m_lines.empty()) {
            return nullptr;
        }
        if (column == Single && m_lastInColumn[Left]) {
            column = indent < kSecondColumn ? Left : Right;
        }
        if (column != Single && m_lastInColumn[column]) {
            return &m_lines[*m_lastInColumn[column]];
        }
        return &m_lines.back();
    }

    void Append(ParsedLine parsed, Column column) {
        std::string description = CleanDescription(parsed.description);
        if (parsed.amount.empty() && parsed.unit.empty() && description.empty()) {
            return;
        }
        m_lines.push_back({std::move(parsed.amount), std::move(parsed.unit), std::move(description)});
        if (column == Single) {
            m_lastInColumn = {};
            return;
        }
        m_lastInColumn[column] = m_lines.size() - 1;
    }

    // Drops the decoration of section lines: "MMMMM-----SAUCE-----" and
    // "------ FILLING ------" both give the section's name.
    static std::string CleanDescription(std::string_view description) {
        description = TrimRight(description, " \t\r\n\v\f-");
        if (description.size() > 1 && description[1] == 'M') {
            description = TrimLeft(description, "M");
        }
        return std::string(TrimLeft(description, " \t\r\n\v\f-"));
    }

    const UnitTables& m_units;
    std::vector<IngredientParts>& m_lines;
    std::array<std::optional<std::size_t>, 2> m_lastInColumn;
};

} // namespace

void ParseIngredientText(std::string_view text, const UnitTables& units, std::vector<IngredientParts>& lines) {
    IngredientTextParser(units, lines).Parse(text);
}
