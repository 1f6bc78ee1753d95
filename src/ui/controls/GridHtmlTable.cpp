#include "ui/controls/GridHtmlTable.h"

GridHtmlTable::GridHtmlTable(const std::vector<std::string>& captions, const GridHtmlStyles& styles)
    : m_bodyText(std::string(), styles.m_bodyText),
      m_table(std::make_unique<CHTable>(static_cast<int>(captions.size()))) {
    m_table->m_cellSpacing = 1;
    m_table->m_cellPadding = 1;
    m_table->m_evenRowColor.SetColorRef(styles.m_evenRowColor);
    m_table->m_oddRowColor.SetColorRef(styles.m_oddRowColor);
    for (std::size_t column = 0; column < captions.size(); ++column) {
        CHCell& cell = AddCell(captions[column], styles.m_headerText);
        cell.m_attrs.m_color.SetColorRef(styles.m_headerCellColor);
        // The first column is kept narrow so that the others share the width.
        if (column == 0) {
            cell.m_attrs.SetWidth(10, CHUnit::Percent);
        }
    }
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

CHCell& GridHtmlTable::AddCell(const std::string& text, const CHText& style) {
    // An empty cell gets no text at all, so that it is written as a space and
    // keeps its borders and background.
    auto content = text.empty() ? nullptr : std::make_unique<CHText>(EscapeText(text), style);
    CHCell& cell = *m_table->AddCell(std::move(content));
    cell.m_wrap = false;
    return cell;
}

void GridHtmlTable::AddRow(const std::vector<std::string>& cells) {
    for (int column = 0; column < m_table->m_columns; ++column) {
        const auto index = static_cast<std::size_t>(column);
        AddCell(index < cells.size() ? cells[index] : std::string(), m_bodyText);
    }
}
