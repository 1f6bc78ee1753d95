#include "render/CRtfWriter.h"

#include "model/CRecipe.h"
#include "platform/AtomicFile.h"
#include "platform/TextCodec.h"
#include "quantities/IngredientLine.h"
#include "render/HtmlText.h"
#include "render/IngredientDisplay.h"

#include <optional>

namespace {

// The pilcrow marks a paragraph break inside an ingredient row.
constexpr char32_t kPilcrow = 0xB6;
constexpr int kRightMargin = 8640;
constexpr const char* kRowEnd = "}\\cell \\pard \\intbl \\row \r\n";

const CTextStyle& StyleAt(const std::array<CTextStyle, CSettings::kStyleCount>& styles, int index) {
    return styles.at(static_cast<std::size_t>(index));
}

// The colour markers mean "no colour": the text keeps the default black
// instead of turning white.
void AppendColor(std::string& out, ColorRef color) {
    if (color == kNoColor || color == kUnusedColor) {
        color = 0;
    }
    out += "\\red";
    HtmlText::AppendInt(out, RedOf(color));
    out += "\\green";
    HtmlText::AppendInt(out, GreenOf(color));
    out += "\\blue";
    HtmlText::AppendInt(out, BlueOf(color));
    out += ';';
}

void AppendFont(std::string& out, int index, const std::string& name) {
    out += "{\\f";
    HtmlText::AppendInt(out, index);
    out += ' ';
    out += CRtfWriter::Escape(name);
    out += ";}";
}

void AppendNonAscii(std::string& out, char32_t codePoint) {
    std::string utf8;
    TextCodec::AppendUtf8(utf8, codePoint);
    if (const auto byte = TextCodec::Utf8ToWindows1252(utf8); byte && byte->size() == 1) {
        static constexpr char kHex[] = "0123456789abcdef";
        const auto value = static_cast<unsigned char>(byte->front());
        out += "\\'";
        out += kHex[value >> 4];
        out += kHex[value & 0xF];
        return;
    }
    // RTF takes UTF-16 units as signed 16-bit numbers, each followed by one
    // fallback character for readers without Unicode.
    for (const char16_t unit : TextCodec::Utf8ToUtf16(utf8)) {
        out += "\\u";
        HtmlText::AppendInt(out, static_cast<std::int16_t>(unit));
        out += '?';
    }
}

// Appends one character that needs no structural meaning: escapes for the
// RTF specials and for everything beyond ASCII.
void AppendPlain(std::string& out, char32_t codePoint) {
    if (codePoint == '\\' || codePoint == '{' || codePoint == '}') {
        out += '\\';
        out += static_cast<char>(codePoint);
        return;
    }
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
        return;
    }
    AppendNonAscii(out, codePoint);
}

int ColumnCount(std::string_view text) {
    // Ingredient lists begin with blank lines; their first row decides.
    const std::size_t start = text.find_first_not_of('\n');
    if (start == std::string_view::npos) {
        return 1;
    }
    const std::string_view line = text.substr(start, text.find('\n', start) - start);
    int tabs = 0;
    for (const char c : line) {
        tabs += c == '\t' ? 1 : 0;
    }
    return line.front() == '\t' ? tabs : tabs + 1;
}

} // namespace

CRtfWriter::CRtfWriter(const CSettings& settings, const UnitTables* units)
    : m_styles(settings.m_styles), m_units(units) {
    for (std::size_t i = 0; i < m_tabStops.size(); ++i) {
        m_tabStops[i] = static_cast<int>(settings.m_tabs[i] * 1440);
    }
}

void CRtfWriter::WriteHeader() {
    m_singleStyle = false;
    m_out += "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS Sans Serif;}";
    for (int k = 1; k <= CSettings::kStyleCount; ++k) {
        AppendFont(m_out, k, StyleAt(m_styles, k - 1).Name);
    }
    m_out += "}\n{\\colortbl\\red0\\green0\\blue0;";
    for (const auto& style : m_styles) {
        AppendColor(m_out, style.Color);
    }
    m_out += "}\n";
    AppendTabLine();
}

void CRtfWriter::WriteHeader(int style) {
    m_singleStyle = true;
    const CTextStyle& s = StyleAt(m_styles, style);
    m_out += "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS Sans Serif;}";
    AppendFont(m_out, 1, s.Name);
    m_out += "}\n{\\colortbl\\red0\\green0\\blue0;";
    AppendColor(m_out, s.Color);
    m_out += "}\n";
    AppendTabLine();
}

void CRtfWriter::AppendTabLine() {
    m_out += "\\deflang1033\\pard\\tx0";
    for (const int stop : m_tabStops) {
        m_out += "\\tx";
        HtmlText::AppendInt(m_out, stop);
    }
    m_out += "\\plain\\fs20\n ";
}

void CRtfWriter::StyleOn(int style) {
    const CTextStyle& s = StyleAt(m_styles, style);
    const int index = m_singleStyle ? 1 : style + 1;
    m_out += "\\plain\\f";
    HtmlText::AppendInt(m_out, index);
    m_out += "\\cf";
    HtmlText::AppendInt(m_out, index);
    m_out += "\\fs";
    HtmlText::AppendInt(m_out, FontSize(s.Size));
    if (s.Bold) {
        m_out += "\\b";
    }
    if (s.Underline) {
        m_out += "\\ul";
    }
    if (s.Italic) {
        m_out += "\\i";
    }
    m_out += ' ';
}

void CRtfWriter::StyleOff(int style) {
    const CTextStyle& s = StyleAt(m_styles, style);
    m_out += "\\f0\\cf0\\fs20";
    if (s.Bold) {
        m_out += "\\b0";
    }
    if (s.Underline) {
        m_out += "\\ul0";
    }
    if (s.Italic) {
        m_out += "\\i0";
    }
}

std::string CRtfWriter::Escape(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t c = TextCodec::NextCodePoint(text, pos);
        if (c == '\n') {
            out += "\r\n\\par ";
        } else if (c == '\t') {
            out += "\\tab ";
        } else {
            AppendPlain(out, c);
        }
    }
    return out;
}

void CRtfWriter::Paragraph(std::string_view text, int style) {
    StyleOn(style);
    m_out += Escape(text);
    StyleOff(style);
}

int CRtfWriter::CellBoundary(int column, int columnCount, int rightAnchorColumn) const {
    const auto [first, second, third] = m_tabStops;
    if (rightAnchorColumn >= 0 && column >= rightAnchorColumn) {
        return kRightMargin - (columnCount - column - 1) * first;
    }
    if (column == columnCount - 1) {
        return kRightMargin;
    }
    if (column == 0) {
        return second;
    }
    if (column == 1) {
        return third;
    }
    return (column - 1) * first + third;
}

void CRtfWriter::AppendRowPrefix(std::string& out, std::string_view text, int rightAnchorColumn) const {
    const int columns = ColumnCount(text);
    out += "\\trowd \\trql\\trgaph108";
    for (int j = 0; j < columns; ++j) {
        out += " \\cellx";
        HtmlText::AppendInt(out, CellBoundary(j, columns, rightAnchorColumn));
    }
    // Rows that break into paragraphs read better justified than right-aligned.
    const bool hasPilcrow = text.find("\xC2\xB6") != std::string_view::npos;
    out += hasPilcrow ? " \\pard \\intbl \\qj {\\qj " : " \\pard \\intbl \\qr {\\qr ";
}

void CRtfWriter::AppendTableText(std::string_view text, int rightAnchorColumn) {
    std::string rowPrefix;
    AppendRowPrefix(rowPrefix, text, rightAnchorColumn);
    bool inRow = false;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t at = pos;
        const char32_t c = TextCodec::NextCodePoint(text, pos);
        if (c == '\n') {
            if (!inRow) {
                m_out += "\r\n\\par ";
                continue;
            }
            m_out += kRowEnd;
            // A following tab opens the next row itself.
            inRow = pos < text.size() && text[pos] != '\t';
            if (inRow) {
                m_out += rowPrefix;
            }
        } else if (c == '\t') {
            m_out += inRow ? "}\\cell \\pard \\intbl \\qj {" : rowPrefix;
            inRow = true;
        } else if (c == kPilcrow) {
            m_out += "\r\n\\par ";
        } else {
            if (at == 0) {
                m_out += rowPrefix;
                inRow = true;
            }
            AppendPlain(m_out, c);
        }
    }
    // A last line without its line feed still closes its row, or the
    // document's groups would never balance.
    if (inRow) {
        m_out += kRowEnd;
    }
}

void CRtfWriter::TableParagraph(std::string_view text, int style, int rightAnchorColumn) {
    StyleOn(style);
    AppendTableText(text, rightAnchorColumn);
    m_out += "\\pard";
    StyleOff(style);
}

void CRtfWriter::WriteFile(const std::filesystem::path& path) const {
    AtomicFile::Write(path, m_out);
}

void CRtfWriter::Section(const CRecipeObj& object, int ingredientFormat) {
    if (const auto* recipe = dynamic_cast<const CRecipe*>(&object)) {
        RecipeSection(*recipe, ingredientFormat);
        return;
    }
    Paragraph(object.Title(), object.TitleStyle());
    Paragraph("\n\n" + object.Text() + "\n\n\n", object.TextStyle());
}

void CRtfWriter::RecipeSection(const CRecipe& recipe, int ingredientFormat) {
    Paragraph(recipe.Title(), CSettings::RecipeTitle);
    std::string ingredients = "\n\n";
    const int width = ingredientFormat == kPaddedForm ? 8 : 0;
    for (const auto& ingredient : recipe.Ingredients()) {
        ingredients += IngredientLine(IngredientDisplay::Shown(*ingredient, m_units), width, ingredientFormat, 0);
    }
    if (ingredientFormat == kColumnsForm) {
        TableParagraph(ingredients, CSettings::RecipeIngredients);
    } else {
        Paragraph(ingredients, CSettings::RecipeIngredients);
    }
    Paragraph("\n\n" + recipe.Text() + "\n\n\n", CSettings::RecipeInstructions);
}
