#include "render/CHTarget.h"

void CHTarget::AppendHtml(std::string& out) const {
    out += "<a name=\"";
    out += m_name;
    out += "\"></a>\n";
    AppendChildHtml(out);
}
