#include "render/CHCell.h"

#include "render/HtmlText.h"

void CHCell::AppendHtml(std::string& out) const {
    out += "<td";
    m_attrs.AppendText(out, CHAttrs::kAll);
    // A cell carries one span only; the column span wins.
    if (m_colSpan >= 2) {
        HtmlText::AppendAttribute(out, "colspan", m_colSpan);
    } else if (m_rowSpan > 1) {
        HtmlText::AppendAttribute(out, "rowspan", m_rowSpan);
    }
    if (!m_wrap) {
        out += " nowrap";
    }
    out += ">\n";
    const std::size_t start = out.size();
    AppendChildHtml(out);
    if (out.size() == start) {
        out += "&nbsp;";
    }
    HtmlText::TrimNewlines(out, start);
    out += "</td>";
}
