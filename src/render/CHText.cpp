#include "render/CHText.h"

#include "render/HtmlText.h"

CHText::CHText(std::string text, const CHText& style)
    : m_text(std::move(text)), m_italic(style.m_italic), m_bold(style.m_bold), m_paragraph(style.m_paragraph),
      m_face(style.m_face), m_size(style.m_size), m_childrenInside(style.m_childrenInside) {
    m_attrs = style.m_attrs;
}

bool CHText::HasFont() const {
    return m_attrs.m_color.IsSet() || !m_size.empty() || !m_face.empty();
}

void CHText::AppendFontOpening(std::string& out) const {
    out += "<font";
    m_attrs.m_color.AppendAttribute(out, "color");
    if (!m_size.empty()) {
        HtmlText::AppendAttribute(out, "size", m_size);
    }
    if (!m_face.empty()) {
        HtmlText::AppendAttribute(out, "face", m_face);
    }
    out += '>';
}

void CHText::AppendOpenings(std::string& out) const {
    if (m_paragraph) {
        out += "<p";
        m_attrs.AppendText(out, CHAttrs::kPlacement);
        out += '>';
    }
    if (HasFont()) {
        AppendFontOpening(out);
    }
    if (m_bold) {
        out += "<b>";
    }
    if (m_italic) {
        out += "<i>";
    }
}

void CHText::AppendClosings(std::string& out) const {
    if (m_italic) {
        out += "</i>";
    }
    if (m_bold) {
        out += "</b>";
    }
    if (HasFont()) {
        out += "</font>";
    }
    if (m_paragraph) {
        out += "</p>";
    }
}

void CHText::AppendHtml(std::string& out) const {
    AppendOpenings(out);
    out += m_text;
    if (m_childrenInside) {
        AppendTrimmedChildHtml(out);
        AppendClosings(out);
        return;
    }
    AppendClosings(out);
    AppendTrimmedChildHtml(out);
}
