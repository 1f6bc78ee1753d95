#pragma once

#include "render/CHObj.h"

#include <string>

// A link around its children. Its attribute block is not written.
class CHLink : public CHObj {
public:
    CHLink(std::string address, std::string anchor) : m_address(std::move(address)), m_anchor(std::move(anchor)) {}

    // Links share the cell's code, which is what the table's kind filter compared.
    CHKind GetType() const override { return CHKind::Cell; }
    void AppendHtml(std::string& out) const override;

    std::string m_targetFrame;
    std::string m_address;
    std::string m_anchor;
    bool m_underline = false;
};
