#pragma once

#include "render/CHObj.h"

#include <string>

// A named anchor that links jump to.
class CHTarget : public CHObj {
public:
    explicit CHTarget(std::string name) : m_name(std::move(name)) {}

    CHKind GetType() const override { return CHKind::Target; }
    void AppendHtml(std::string& out) const override;

    std::string m_name;
};
