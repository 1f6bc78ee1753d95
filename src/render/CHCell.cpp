#include "render/CHCell.h"

#include "render/HtmlText.h"

void CHCell::AppendHtml(std::string& out) const {
    out += "<td";
    m_attrs.AppendText(out, CHAttrs::kAll);
    // A cell carries one span only; the column span wins.
    if (m_colSpan >= 2) {
        out += " colspan=\"";
        HtmlText::AppendInt(out, m_colSpan);
        out += '"';
    } else if (m_rowSpan > 1) {
        out += " rowspan=\"";
        HtmlText::AppendInt(out, m_rowSpan);
        out += '"';
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
