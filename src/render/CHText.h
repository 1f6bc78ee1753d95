#pragma once

#include "render/CHObj.h"

#include <string>

// Text with optional paragraph, font, bold and italic markup. Its colour is
// the font colour.
class CHText : public CHObj {
public:
    CHText() = default;
    explicit CHText(std::string text) : m_text(std::move(text)) {}
    CHText(std::string text, bool bold, bool italic) : m_text(std::move(text)), m_italic(italic), m_bold(bold) {}
    // Takes the look of style (attributes, bold, italic, face, size, paragraph
    // and children-inside flags) but none of its children.
    CHText(std::string text, const CHText& style);

    CHKind GetType() const override { return CHKind::Text; }
    void AppendHtml(std::string& out) const override;

    void AddBreak() { m_text += "<br>\n"; }

    std::string m_text;
    bool m_italic = false;
    bool m_bold = false;
    bool m_paragraph = false;
    std::string m_face;
    std::string m_size;
    // The children go inside the markup, right after the text, instead of after it.
    bool m_childrenInside = false;

private:
    bool HasFont() const;
    void AppendFontOpening(std::string& out) const;
    void AppendOpenings(std::string& out) const;
    void AppendClosings(std::string& out) const;
};
