#include "render/CHLink.h"

#include "render/HtmlText.h"

void CHLink::AppendHtml(std::string& out) const {
    out += "<a href=\"";
    out += m_address;
    if (!m_anchor.empty()) {
        out += '#';
        out += m_anchor;
    }
    out += '"';
    if (!m_underline) {
        out += " STYLE=\"text-decoration: none\"";
    }
    if (!m_targetFrame.empty()) {
        HtmlText::AppendAttribute(out, "target", m_targetFrame);
    }
    out += '>';
    AppendTrimmedChildHtml(out);
    out += "</a>\n";
}
