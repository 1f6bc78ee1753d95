#pragma once

#include "quantities/IngredientParts.h"
#include "ui/dialogs/CGenericPP.h"

#include <cstdint>
#include <string>
#include <vector>

class CSBGridEx;
class IngredientCompleter;
class QMenu;
class QPushButton;
class UnitTables;
struct GridEditResult;

// The ingredients page of the recipe sheet: the ingredient lines in an
// editable grid. Text typed into an empty line or pasted is split into
// amount, unit and description; descriptions are completed from the
// ingredient names, and names typed anew join them.
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
    ~CRecipeIngredPP() override;

    // Column widths are kept for the run; this starts over as a new run does.
    static void ForgetColumnWidths();

    void SetLines(const std::vector<Line>& lines);
    std::vector<Line> Lines() const;
    // Appends the ingredient lines found in the text.
    void PasteText(const QString& text);
    void NewLine();
    void DeleteLine();
    // Exchanges the selected line with its neighbour above (-1) or below (1).
    void MoveLine(int step);
    // Makes the unit the selected line's unit.
    void SetSelectedUnit(const QString& unit);
    // Ends an edit still open in the grid, keeping what was typed.
    void CommitEdit();

    void SetNames(const std::vector<std::string>& names);
    const std::vector<std::string>& Names() const { return m_names; }
    bool NamesAdded() const { return m_namesAdded; }

    CSBGridEx* Grid() const { return m_grid; }
    QMenu* UnitsMenu() const { return m_unitsMenu; }

    bool OnApply() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* AddButton(const char* name, const QString& text, const QString& tip);
    void BuildUnitsMenu();
    void SetStartingWidths();
    int AppendRow(const Line& line, int row);
    void OnInsertRequested(int row);
    void OnEditEnded(int row, const GridEditResult& result);
    void SplitTypedLine(int row);
    void LearnName(int row);
    void UpdateButtons();
    Line RowLine(int row) const;
    void SetRowLine(int row, const Line& line);

    const UnitTables& m_units;
    CSBGridEx* m_grid;
    QMenu* m_unitsMenu;
    QPushButton* m_up;
    QPushButton* m_down;
    QPushButton* m_delete;
    QPushButton* m_unitsButton;
    QPushButton* m_paste;
    IngredientCompleter* m_completer = nullptr;
    std::vector<std::string> m_names;
    bool m_namesAdded = false;
    bool m_widthsSet = false;
};
