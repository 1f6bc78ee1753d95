#include "render/CHImg.h"

#include "render/HtmlText.h"

void CHImg::AppendHtml(std::string& out) const {
    out += "<img src=\"";
    out += m_source;
    out += "\" border=\"";
    HtmlText::AppendInt(out, m_border);
    out += '"';
    m_attrs.AppendText(out, CHAttrs::kAll);
    if (!m_altText.empty()) {
        HtmlText::AppendAttribute(out, "alt", m_altText);
    }
    out += '>';
    if (!Children().empty()) {
        out += '\n';
        AppendChildHtml(out);
    }
}
