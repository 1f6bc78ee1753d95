#include "io/ExportedPageReader.h"

#include "model/CRecipe.h"
#include "platform/TextCodec.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>

namespace {

constexpr std::string_view kTitleMarker = "<!--T-->";
constexpr std::string_view kInstructionsMarker = "<!--I-->";
constexpr std::string_view kCommentsMarker = "<!--C-->";
constexpr std::string_view kAmountMarker = "<!--I1-->";
constexpr std::string_view kUnitMarker = "<!--I2-->";
constexpr std::string_view kDescriptionMarker = "<!--I3-->";

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithNoCase(std::string_view text, std::size_t pos, std::string_view word) {
    if (pos + word.size() > text.size()) {
        return false;
    }
    return std::equal(word.begin(), word.end(), text.begin() + static_cast<std::ptrdiff_t>(pos),
                      [](char a, char b) { return Lower(a) == Lower(b); });
}

std::size_t FindNoCase(std::string_view text, std::string_view word, std::size_t from) {
    for (std::size_t pos = from; pos + word.size() <= text.size(); ++pos) {
        if (StartsWithNoCase(text, pos, word)) {
            return pos;
        }
    }
    return std::string_view::npos;
}

// "&#233;" or "&#xE9;" at pos; the number of bytes read, 0 when there is none.
std::size_t AppendNumericEntity(std::string& out, std::string_view text, std::size_t pos) {
    const bool hex = StartsWithNoCase(text, pos, "&#x");
    const std::size_t digits = pos + (hex ? 3 : 2);
    const auto semicolon = text.find(';', digits);
    if (semicolon == std::string_view::npos || semicolon == digits) {
        return 0;
    }
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data() + digits, text.data() + semicolon, value, hex ? 16 : 10);
    if (error != std::errc() || end != text.data() + semicolon || value == 0 || value > 0x10FFFF ||
        (value >= 0xD800 && value <= 0xDFFF)) {
        return 0;
    }
    TextCodec::AppendUtf8(out, static_cast<char32_t>(value));
    return semicolon + 1 - pos;
}

// The named entities the page writer produces, and numeric ones.
std::size_t AppendEntity(std::string& out, std::string_view text, std::size_t pos) {
    struct Entity {
        std::string_view name;
        std::string_view text;
    };
    static constexpr std::array kEntities = {
        Entity{"&nbsp;", " "},  Entity{"&amp;", "&"}, Entity{"&lt;", "<"},   Entity{"&gt;", ">"},
        Entity{"&quot;", "\""}, Entity{"&#39;", "'"}, Entity{"&apos;", "'"},
    };
    for (const auto& entity : kEntities) {
        if (StartsWithNoCase(text, pos, entity.name)) {
            out += entity.text;
            return entity.name.size();
        }
    }
    return text.compare(pos, 2, "&#") == 0 ? AppendNumericEntity(out, text, pos) : 0;
}

// A line break tag becomes a line break; any other tag is dropped, so that
// no markup of a page ends up in the recipe's text.
std::size_t SkipTag(std::string& out, std::string_view text, std::size_t pos) {
    const auto close = text.find('>', pos);
    const std::size_t end = close == std::string_view::npos ? text.size() : close + 1;
    if (StartsWithNoCase(text, pos, "<br")) {
        out += "\r\n";
    }
    return end - pos;
}

} // namespace

std::string ExportedPageReader::CleanValue(std::string_view raw) {
    std::string value;
    value.reserve(raw.size());
    for (std::size_t pos = 0; pos < raw.size();) {
        if (raw[pos] == '<') {
            pos += SkipTag(value, raw, pos);
        } else if (const std::size_t length = raw[pos] == '&' ? AppendEntity(value, raw, pos) : 0) {
            pos += length;
        } else {
            value += raw[pos++];
        }
    }
    const auto last = value.find_last_not_of(" \t\r\n");
    value.erase(last == std::string::npos ? 0 : last + 1);
    return value;
}

// The value starts after the next ">"; line ends and tags in between are
// passed over, and a closing tag there means the value is empty.
std::string ExportedPageReader::ValueAfter(std::string_view page, std::size_t pos, bool whole) {
    std::size_t start = page.find('>', pos);
    while (start != std::string_view::npos) {
        ++start;
        while (start < page.size() && (page[start] == '\r' || page[start] == '\n')) {
            ++start;
        }
        if (start >= page.size() || page.compare(start, 2, "</") == 0) {
            return {};
        }
        if (page[start] != '<') {
            break;
        }
        start = page.find('>', start);
    }
    if (start == std::string_view::npos) {
        return {};
    }
    const std::size_t end = whole ? FindNoCase(page, "</font>", start) : page.find('<', start);
    return CleanValue(page.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

bool ExportedPageReader::Read(CRecipe& recipe, std::string_view page) {
    const auto title = page.find(kTitleMarker);
    if (title == std::string_view::npos) {
        return false;
    }
    recipe.SetTitle(ValueAfter(page, title, false));
    const auto instructions = page.find(kInstructionsMarker, title);
    for (std::size_t pos = 0;;) {
        const auto amount = page.find(kAmountMarker, pos);
        const auto unit = amount == std::string_view::npos ? amount : page.find(kUnitMarker, amount);
        const auto description = unit == std::string_view::npos ? unit : page.find(kDescriptionMarker, unit);
        if (description == std::string_view::npos ||
            (instructions != std::string_view::npos && description > instructions)) {
            break;
        }
        recipe.AppendIngredient(std::make_unique<CIngredient>(
            ValueAfter(page, amount, false), ValueAfter(page, unit, false), ValueAfter(page, description, false)));
        pos = description + kDescriptionMarker.size();
    }
    if (instructions != std::string_view::npos) {
        recipe.SetText(ValueAfter(page, instructions, true));
    }
    if (recipe.Ingredients().empty() && recipe.Text().empty()) {
        return false;
    }
    const auto comments = page.find(kCommentsMarker, instructions == std::string_view::npos ? title : instructions);
    if (comments != std::string_view::npos) {
        recipe.SetComments(ValueAfter(page, comments, true));
    }
    return true;
}
