#pragma once

#include "render/CHObj.h"

#include <string>

// An image; its children follow it on the next line.
class CHImg : public CHObj {
public:
    CHImg(std::string source, std::string altText) : m_source(std::move(source)), m_altText(std::move(altText)) {}

    CHKind GetType() const override { return CHKind::Img; }
    void AppendHtml(std::string& out) const override;

    std::string m_source;
    std::string m_altText;
    int m_border = 0;
};
