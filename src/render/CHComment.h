#pragma once

#include "render/CHObj.h"

#include <string>

// An HTML comment; exported pages carry them as markers to read the page back.
class CHComment : public CHObj {
public:
    explicit CHComment(std::string text) : m_text(std::move(text)) {}

    CHKind GetType() const override { return CHKind::Comment; }
    void AppendHtml(std::string& out) const override;

    std::string m_text;
};
