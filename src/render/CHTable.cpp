#include "render/CHTable.h"

#include "render/HtmlText.h"

CHCell* CHTable::AddCell(std::unique_ptr<CHObj> content) {
    auto cell = std::make_unique<CHCell>();
    cell->Add(std::move(content));
    return Add(std::move(cell));
}

bool CHTable::Accepts(const CHObj& child) const {
    return dynamic_cast<const CHCell*>(&child) != nullptr;
}

void CHTable::AppendRowAttributes(std::string& out, int row) const {
    (row % 2 == 0 ? m_evenRowColor : m_oddRowColor).AppendAttribute(out, "bgcolor");
    m_attrs.AppendText(out, CHAttrs::kPlacement);
    if (m_rowTemplate.empty()) {
        return;
    }
    // Templates are written without a leading space ("id=..."); without one the
    // attributes would run into the tag name.
    if (m_rowTemplate.front() != ' ') {
        out += ' ';
    }
    std::string number;
    HtmlText::AppendInt(number, row);
    out += HtmlText::ReplaceAll(m_rowTemplate, "%r", number);
}

void CHTable::AppendHtml(std::string& out) const {
    out += "<table";
    m_attrs.AppendText(out, CHAttrs::kSize);
    out += " cellspacing=\"";
    HtmlText::AppendInt(out, m_cellSpacing);
    out += "\" cellpadding=\"";
    HtmlText::AppendInt(out, m_cellPadding);
    out += "\" border=\"";
    HtmlText::AppendInt(out, m_border);
    out += "\">\n<tr";
    AppendRowAttributes(out, 0);
    out += ">\n";

    const auto& cells = Children();
    int row = 0;
    int column = 1;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        cells[i]->AppendHtml(out);
        column += static_cast<const CHCell&>(*cells[i]).m_colSpan;
        if (column <= m_columns) {
            continue;
        }
        ++row;
        column = 1;
        if (i + 1 < cells.size()) {
            out += "</tr><tr";
            AppendRowAttributes(out, row);
            out += ">\n";
        }
    }
    out += "</tr></table>";
}
