#pragma once

#include "platform/ColorRef.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The look of the text in the cells of an exported grid.
struct GridHtmlTextStyle {
    bool m_bold = false;
    bool m_italic = false;
    std::string m_face;
    std::string m_size;
    ColorRef m_color = kNoColor;
};

// How a grid is written as an HTML table; kNoColor leaves a colour unset.
struct GridHtmlStyles {
    GridHtmlTextStyle m_headerText;
    GridHtmlTextStyle m_bodyText;
    ColorRef m_headerCellColor = kNoColor;
    ColorRef m_evenRowColor = kNoColor;
    ColorRef m_oddRowColor = kNoColor;
};

// A grid as an HTML table: a caption row and then the data rows, in the
// markup the program's other pages use for tables.
class GridHtmlTable {
public:
    GridHtmlTable(std::vector<std::string> captions, const GridHtmlStyles& styles);

    void AddRow(const std::vector<std::string>& cells);

    // The table's HTML. Cell texts have "&", "<" and ">" written as entities.
    std::string GetHtml() const;

    // A whole page holding the table.
    std::string GetDocument() const;

    // Writes the page to path, replacing the file only once the new one is
    // complete. Throws FileError.
    void WriteFile(const std::filesystem::path& path) const;

    static std::string EscapeText(std::string_view text);
    static std::string ColorAttribute(std::string_view name, ColorRef color);

private:
    void AppendCell(const std::string& text, const GridHtmlTextStyle& style, std::string_view attributes);
    void AppendRowOpening(int row);
    static std::string StyledText(const std::string& text, const GridHtmlTextStyle& style);

    std::size_t m_columns;
    GridHtmlStyles m_styles;
    std::string m_html;
    std::size_t m_cellsInRow = 0;
    int m_row = 0;
};
