#pragma once

#include "quantities/IngredientParts.h"
#include "ui/dialogs/CGenericPP.h"

#include <cstdint>
#include <vector>

class CSBGridEx;
class UnitTables;
struct GridEditResult;

// The ingredients page of the recipe sheet: the ingredient lines in an
// editable grid. Text typed into an empty line or pasted is split into
// amount, unit and description.
class CRecipeIngredPP : public CGenericPP {
    Q_OBJECT
public:
    static constexpr int kTemplate = 1019;
    static constexpr int kAmountColumn = 1;
    static constexpr int kUnitColumn = 2;
    static constexpr int kDescriptionColumn = 3;

    struct Line {
        IngredientParts parts;
        std::int32_t link = 0;
    };

    explicit CRecipeIngredPP(const UnitTables& units);

    void SetLines(const std::vector<Line>& lines);
    std::vector<Line> Lines() const;
    // Appends the ingredient lines found in the text.
    void PasteText(const QString& text);
    void NewLine();
    void DeleteLine();
    // Exchanges the selected line with its neighbour above (-1) or below (1).
    void MoveLine(int step);
    CSBGridEx* Grid() const { return m_grid; }

private:
    int AppendRow(const Line& line, int row);
    void OnInsertRequested(int row);
    void OnEditEnded(int row, const GridEditResult& result);
    void SplitTypedLine(int row);
    Line RowLine(int row) const;
    void SetRowLine(int row, const Line& line);

    const UnitTables& m_units;
    CSBGridEx* m_grid;
};
