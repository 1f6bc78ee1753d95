#pragma once

#include "platform/ColorRef.h"
#include "render/CHTable.h"
#include "render/CHText.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// How a grid is written as an HTML table. The two text styles lend their
// look (bold, italic, face, size, colour) to every caption and cell text;
// kNoColor leaves a colour unset.
struct GridHtmlStyles {
    CHText m_headerText;
    CHText m_bodyText;
    ColorRef m_headerCellColor = kNoColor;
    ColorRef m_evenRowColor = kNoColor;
    ColorRef m_oddRowColor = kNoColor;
};

// Builds the table of a grid for a generated page: a caption row and then the
// data rows, one cell per column, none of them wrapping.
class GridHtmlTable {
public:
    GridHtmlTable(const std::vector<std::string>& captions, const GridHtmlStyles& styles);

    // Cells beyond the captions are dropped, missing ones stay empty.
    void AddRow(const std::vector<std::string>& cells);

    // The table, for adding to a page; the builder is empty afterwards.
    std::unique_ptr<CHTable> Take() { return std::move(m_table); }

    // The cell texts are plain text, not markup: "&", "<" and ">" are written
    // as entities.
    static std::string EscapeText(std::string_view text);

private:
    CHCell& AddCell(const std::string& text, const CHText& style);

    // The look of the data cells, copied so that the styles need not outlive
    // the builder.
    CHText m_bodyText;
    std::unique_ptr<CHTable> m_table;
};
