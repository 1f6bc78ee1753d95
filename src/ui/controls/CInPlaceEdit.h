#pragma once

#include "ui/controls/GridEditResult.h"

#include <QLineEdit>

class CGridEx;

// The text box over a grid cell being edited. It commits on Enter and when it
// loses the focus, cancels on Escape, and moves on with Tab, Shift+Tab and the
// row keys; it closes itself when the edit ends.
class CInPlaceEdit : public QLineEdit {
    Q_OBJECT
public:
    CInPlaceEdit(CGridEx& grid, int row, int column, const QString& text);

    int Row() const { return m_row; }
    int Column() const { return m_column; }
    // Ends the edit keeping the typed text, as leaving the box does.
    void Commit() { Finish(true); }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool MoveFor(const QKeyEvent& event);
    void Finish(bool commit);
    void FinishAndMove(GridEditMove move);
    void Widen();

    CGridEx& m_grid;
    int m_row;
    int m_column;
    QString m_initialText;
    bool m_escaped = false;
    bool m_finished = false;
};
