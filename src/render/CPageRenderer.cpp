#include "render/CPageRenderer.h"

#include "render/CHText.h"
#include "render/HtmlStyle.h"
#include "render/HtmlText.h"

namespace {

constexpr const char* kEmptyTextPrompt = "[ Double-click here to add a description ]";

} // namespace

void CPageRenderer::RenderText(int textStyle, CHObj& parent, std::string_view text, const PageOptions& options) const {
    if (text.empty() && !options.editable) {
        return;
    }
    std::string html(text);
    if (options.editable) {
        html = "<SPAN id=\"SBInfo\" ondblclick=\"editItem('SBInfo')\">" + (text.empty() ? kEmptyTextPrompt : html) +
               "</SPAN>";
    }
    // Lines indented by two spaces keep their indent, which HTML would collapse.
    std::string indented = HtmlText::ReplaceAll(html, "\r\n  ", "<br>&nbsp;&nbsp;");
    if (indented != html) {
        indented.insert(0, "&nbsp;&nbsp;");
    }
    auto& paragraph = parent.Emplace<CHText>(HtmlText::ReplaceAll(indented, "\r\n", "<br>"));
    HtmlStyle::Apply(paragraph, m_settings.TextStyle(textStyle), true);
}
