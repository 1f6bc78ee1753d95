#include "render/CHObj.h"

#include "render/HtmlText.h"

std::string CHObj::GetHtml() const {
    std::string out;
    // Most pages and tables fit without growing the buffer.
    out.reserve(2000);
    AppendHtml(out);
    return out;
}

std::string CHObj::GetChildHtml() const {
    std::string out;
    AppendChildHtml(out);
    return out;
}

void CHObj::AppendChildHtml(std::string& out) const {
    for (const auto& child : m_children) {
        child->AppendHtml(out);
        out += '\n';
    }
}

void CHObj::AppendTrimmedChildHtml(std::string& out) const {
    const std::size_t start = out.size();
    AppendChildHtml(out);
    HtmlText::TrimNewlines(out, start);
}
