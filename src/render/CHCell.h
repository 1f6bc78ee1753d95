#pragma once

#include "render/CHObj.h"

// A table cell ("<td>").
class CHCell : public CHObj {
public:
    CHKind GetType() const override { return CHKind::Cell; }
    void AppendHtml(std::string& out) const override;

    int m_colSpan = 1;
    int m_rowSpan = 1;
    bool m_wrap = true;
};
