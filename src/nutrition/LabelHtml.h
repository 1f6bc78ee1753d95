#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Nutrient {

// The few HTML objects the nutrition label is made of (text, table, cell),
// written the way the program's page writer writes them, so the label reads
// the same wherever it is placed.
class LabelHtml {
public:
    enum class Kind { Text, Table, Cell };
    enum class Align { None, Top, Left, Right };
    enum class SizeUnit { None, Percent, Pixels };

    static std::unique_ptr<LabelHtml> Text(std::string text);
    // A text with the look (attributes, bold, italic, face, size, paragraph)
    // of style.
    static std::unique_ptr<LabelHtml> Text(std::string text, const LabelHtml& style);
    static std::unique_ptr<LabelHtml> Table(int columns);
    static std::unique_ptr<LabelHtml> Cell();

    // Takes the child and returns it; a table takes cells only and leaves
    // anything else with the caller (null returned).
    LabelHtml* Add(std::unique_ptr<LabelHtml> child);
    // Wraps content in a new cell of this table and returns the cell.
    LabelHtml& AddCell(std::unique_ptr<LabelHtml> content);

    std::string GetHtml() const;

    Kind GetKind() const { return m_kind; }
    const std::vector<std::unique_ptr<LabelHtml>>& Children() const { return m_children; }

    // Attributes every object has.
    std::optional<std::array<int, 3>> colour;
    int width = -1;
    SizeUnit widthUnit = SizeUnit::None;
    int height = -1;
    SizeUnit heightUnit = SizeUnit::None;
    Align verticalAlign = Align::None;
    Align horizontalAlign = Align::None;
    std::string extra;

    // Text.
    std::string text;
    bool bold = false;
    bool italic = false;
    bool paragraph = false;
    std::string face;
    std::string size;
    bool childrenInside = false;

    // Table.
    int columns = 1;
    int cellSpacing = 0;
    int cellPadding = 0;
    int border = 0;

    // Cell.
    int columnSpan = 1;
    bool wrap = true;

private:
    explicit LabelHtml(Kind kind) : m_kind(kind) {}

    std::string Attributes(bool placement, bool size) const;
    std::string ChildHtml() const;
    std::string TextHtml() const;
    std::string TableHtml() const;
    std::string CellHtml() const;

    Kind m_kind;
    std::vector<std::unique_ptr<LabelHtml>> m_children;
};

} // namespace Nutrient
