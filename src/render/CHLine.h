#pragma once

#include "render/CHObj.h"

// A horizontal rule; its height is written as the rule's size.
class CHLine : public CHObj {
public:
    explicit CHLine(bool shaded) : m_shaded(shaded) {}

    CHKind GetType() const override { return CHKind::Line; }
    void AppendHtml(std::string& out) const override;

    bool m_shaded;
};
