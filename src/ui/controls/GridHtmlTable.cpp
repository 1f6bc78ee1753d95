#include "ui/controls/GridHtmlTable.h"

#include "platform/AtomicFile.h"

#include <cstdio>

namespace {

constexpr const char* kDescription = "Savorbridge HTML export. Copyright 2025 the Savorbridge developers.";

} // namespace

GridHtmlTable::GridHtmlTable(std::vector<std::string> captions, const GridHtmlStyles& styles)
    : m_columns(captions.size()), m_styles(styles) {
    m_html.reserve(2000);
    m_html += "<table cellspacing=\"1\" cellpadding=\"1\" border=\"0\">\n";
    AppendRowOpening(0);
    const std::string headerColor = ColorAttribute("bgcolor", m_styles.m_headerCellColor);
    for (std::size_t column = 0; column < captions.size(); ++column) {
        // The first column is kept narrow so that the others share the width.
        const std::string width = column == 0 ? " width=\"10%\"" : "";
        AppendCell(captions[column], m_styles.m_headerText, width + headerColor);
    }
}

std::string GridHtmlTable::ColorAttribute(std::string_view name, ColorRef color) {
    if (color < 0) {
        return {};
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "=\"#%02x%02x%02x\"", RedOf(color), GreenOf(color), BlueOf(color));
    return " " + std::string(name) + buffer;
}

std::string GridHtmlTable::EscapeText(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        if (c == '&') {
            // An ampersand is escaped too, or a cell holding "&lt;" would show "<".
            escaped += "&amp;";
        } else if (c == '<') {
            escaped += "&lt;";
        } else if (c == '>') {
            escaped += "&gt;";
        } else {
            escaped += c;
        }
    }
    return escaped;
}

void GridHtmlTable::AppendRowOpening(int row) {
    const ColorRef color = row % 2 == 0 ? m_styles.m_evenRowColor : m_styles.m_oddRowColor;
    m_html += "<tr" + ColorAttribute("bgcolor", color) + ">\n";
}

std::string GridHtmlTable::StyledText(const std::string& text, const GridHtmlTextStyle& style) {
    std::string opening;
    std::string closing;
    const std::string color = ColorAttribute("color", style.m_color);
    if (!color.empty() || !style.m_size.empty() || !style.m_face.empty()) {
        opening += "<font" + color;
        opening += style.m_size.empty() ? "" : " size=\"" + style.m_size + "\"";
        opening += style.m_face.empty() ? "" : " face=\"" + style.m_face + "\"";
        opening += ">";
        closing = "</font>";
    }
    if (style.m_bold) {
        opening += "<b>";
        closing.insert(0, "</b>");
    }
    if (style.m_italic) {
        opening += "<i>";
        closing.insert(0, "</i>");
    }
    return opening + EscapeText(text) + closing;
}

void GridHtmlTable::AppendCell(const std::string& text, const GridHtmlTextStyle& style, std::string_view attributes) {
    if (m_cellsInRow == m_columns) {
        ++m_row;
        m_cellsInRow = 0;
        m_html += "</tr>";
        AppendRowOpening(m_row);
    }
    std::string content = StyledText(text, style);
    if (content.empty()) {
        content = "&nbsp;";
    }
    m_html += "<td";
    m_html += attributes;
    m_html += " nowrap>\n" + content + "</td>";
    ++m_cellsInRow;
}

void GridHtmlTable::AddRow(const std::vector<std::string>& cells) {
    for (std::size_t column = 0; column < m_columns; ++column) {
        AppendCell(column < cells.size() ? cells[column] : std::string(), m_styles.m_bodyText, "");
    }
}

std::string GridHtmlTable::GetHtml() const {
    return m_html + "</tr></table>";
}

std::string GridHtmlTable::GetDocument() const {
    std::string page = "<html>\n<head>\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n"
                       "<title></title>\n  <meta name=\"Description\" content=\"";
    page += kDescription;
    page += "\">\n</head>\n<body bgcolor=\"#ffffff\" alink=\"#ff0000\" link=\"#0000ff\" text=\"#000000\" "
            "vlink=\"#800080\">\n";
    page += GetHtml();
    page += "\n</body>\n</html>\n";
    return page;
}

void GridHtmlTable::WriteFile(const std::filesystem::path& path) const {
    AtomicFile::Write(path, GetDocument());
}
