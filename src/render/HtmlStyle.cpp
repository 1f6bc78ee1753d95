#include "render/HtmlStyle.h"

#include "render/CHText.h"

#include <string>

namespace HtmlStyle {

void Apply(CHText& text, const CTextStyle& style, bool paragraph) {
    text.m_bold = style.Bold != 0;
    text.m_italic = style.Italic != 0;
    text.m_face = style.Name;
    if (paragraph) {
        text.m_paragraph = true;
    }
    // A style colour of 0 leaves the page's own text colour.
    if (style.Color != 0) {
        text.m_attrs.m_color.SetColorRef(style.Color);
    }
    if (style.Size > 0) {
        text.m_size = std::to_string(style.HtmlSize());
    }
}

void SetFont(CHText& text, std::string face, std::string size) {
    text.m_face = std::move(face);
    text.m_size = std::move(size);
}

} // namespace HtmlStyle
