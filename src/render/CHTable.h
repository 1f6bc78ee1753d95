#pragma once

#include "render/CHCell.h"

#include <memory>
#include <string>

// A table whose cells flow into rows of m_columns columns.
class CHTable : public CHObj {
public:
    explicit CHTable(int columns) : m_columns(columns) {}

    CHKind GetType() const override { return CHKind::Table; }
    void AppendHtml(std::string& out) const override;

    // Appends a new cell holding content (when there is any) and returns it.
    CHCell* AddCell(std::unique_ptr<CHObj> content = nullptr);

    // Attributes of each row; every "%r" becomes the row number.
    std::string m_rowTemplate;
    int m_columns;
    int m_cellSpacing = 0;
    int m_cellPadding = 0;
    int m_border = 0;
    CHColor m_evenRowColor;
    CHColor m_oddRowColor;

protected:
    // Only cells: the table reads each child's column span.
    bool Accepts(const CHObj& child) const override;

private:
    void AppendRowAttributes(std::string& out, int row) const;
};
