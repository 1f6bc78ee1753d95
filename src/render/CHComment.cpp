#include "render/CHComment.h"

void CHComment::AppendHtml(std::string& out) const {
    out += "<!--";
    out += m_text;
    out += "-->";
    AppendChildHtml(out);
}
