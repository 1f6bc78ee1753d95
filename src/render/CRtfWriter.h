#pragma once

#include "app/CSettings.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

class CRecipe;
class CRecipeObj;
class UnitTables;

// Builds a Rich Text document from the fourteen text styles of the settings:
// the header with its font and colour tables, styled paragraphs, and
// tab-separated lines turned into table rows. Write the header first, then
// the paragraphs or sections, then Close.
class CRtfWriter {
public:
    // The styles and tab stops are taken from settings when the writer is
    // made; units (when given) convert ingredient amounts for display.
    explicit CRtfWriter(const CSettings& settings, const UnitTables* units = nullptr);

    // Header whose font and colour tables hold every style: font and colour
    // k + 1 belong to style k.
    void WriteHeader();
    // Header for text in one style only (font and colour 1).
    void WriteHeader(int style);

    void StyleOn(int style);
    void StyleOff(int style);

    void Paragraph(std::string_view text, int style);
    // Each line of tab-separated text becomes a table row; a line's cells
    // start at the tab stops. Columns from rightAnchorColumn on (when >= 0)
    // are laid out from the right margin instead.
    void TableParagraph(std::string_view text, int style, int rightAnchorColumn = -1);

    // The title and introduction of a book or chapter, or the title,
    // ingredients and instructions of a recipe. ingredientFormat is the
    // "Ingredient Format" setting; 2 lays the ingredients out as a table.
    void Section(const CRecipeObj& object, int ingredientFormat);

    void Close() { m_out += '}'; }

    const std::string& Text() const { return m_out; }
    // Throws FileError.
    void WriteFile(const std::filesystem::path& path) const;

    // Text as RTF: line feeds become paragraph breaks, tabs tab controls,
    // backslashes and braces are escaped, and characters beyond ASCII are
    // written as code-page escapes (or Unicode escapes where the code page
    // has no byte for them).
    static std::string Escape(std::string_view text);

    // RTF font size in half-points of a style size in tenths of a point.
    static int FontSize(int styleSize) { return styleSize / 10 + 10; }

    // Tab stops in twips.
    const std::array<int, 3>& TabStops() const { return m_tabStops; }

private:
    void AppendTabLine();
    void AppendRowPrefix(std::string& out, std::string_view text, int rightAnchorColumn) const;
    int CellBoundary(int column, int columnCount, int rightAnchorColumn) const;
    void AppendTableText(std::string_view text, int rightAnchorColumn);

    void RecipeSection(const CRecipe& recipe, int ingredientFormat);

    std::array<CTextStyle, CSettings::kStyleCount> m_styles;
    const UnitTables* m_units;
    std::array<int, 3> m_tabStops{};
    bool m_singleStyle = false;
    std::string m_out;
};
