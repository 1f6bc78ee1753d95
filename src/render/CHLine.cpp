#include "render/CHLine.h"

#include "render/HtmlText.h"

void CHLine::AppendHtml(std::string& out) const {
    std::string attributes;
    m_attrs.AppendText(attributes, CHAttrs::kAll);
    out += "<hr";
    out += HtmlText::ReplaceAll(attributes, "height", "size");
    if (!m_shaded) {
        out += " noshade";
    }
    out += ">\n";
    AppendChildHtml(out);
}
