#pragma once

#include "ui/controls/GridEditResult.h"

#include <QComboBox>

class CGridEx;

// What the owner of a grid asked for when it wanted a list instead of a text
// box for a cell.
struct GridComboRequest {
    QStringList m_entries;
    // The entry to select; -1 selects the entry equal to the cell's text.
    int m_selection = -1;
    bool m_dropListOnly = true;
    bool m_sorted = false;
};

// The drop-down list over a grid cell being edited. Choosing an entry or
// leaving the list commits; Escape closes it without a word to anyone.
class CInPlaceCombo : public QComboBox {
    Q_OBJECT
public:
    CInPlaceCombo(CGridEx& grid, int row, int column, const GridComboRequest& request, const QString& cellText);

    int Row() const { return m_row; }
    int Column() const { return m_column; }

    // Drops the list down when no text may be typed.
    void Start();

    void hidePopup() override;

    // Ends the edit with the list's text, as leaving the list does.
    void Commit();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Select(int selection, const QString& cellText);
    void CloseSilently();
    void Close();
    void CommitAndMove(GridEditMove move);

    CGridEx& m_grid;
    int m_row;
    int m_column;
    bool m_dropListOnly;
    bool m_escaped = false;
    bool m_finished = false;
};
