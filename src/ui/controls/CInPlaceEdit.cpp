#include "ui/controls/CInPlaceEdit.h"

#include "ui/controls/CGridEx.h"
#include "ui/controls/GridEditKeys.h"

#include <QKeyEvent>

#include <optional>

CInPlaceEdit::CInPlaceEdit(CGridEx& grid, int row, int column, const QString& text)
    : QLineEdit(text, grid.viewport()), m_grid(grid), m_row(row), m_column(column), m_initialText(text) {
    setObjectName("inPlaceEdit");
    setFont(grid.font());
    setAlignment(grid.ColumnAlignment(column) | Qt::AlignVCenter);
    connect(this, &QLineEdit::textEdited, this, &CInPlaceEdit::Widen);
}

bool CInPlaceEdit::event(QEvent* event) {
    if (GridEditKeys::TakeShortcutOverride(*event)) {
        return true;
    }
    if (const auto move = GridEditKeys::TabMove(*event)) {
        FinishAndMove(*move);
        return true;
    }
    return QLineEdit::event(event);
}

void CInPlaceEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        m_escaped = true;
        Finish(false);
        return;
    }
    if (GridEditKeys::IsEnter(*event)) {
        // Taken here so that the dialog's default button does not fire; the
        // edit commits when the key is released.
        event->accept();
        return;
    }
    if (MoveFor(*event)) {
        return;
    }
    QLineEdit::keyPressEvent(event);
}

bool CInPlaceEdit::MoveFor(const QKeyEvent& event) {
    const std::optional<GridEditMove> move = GridEditKeys::RowMove(event);
    if (!move) {
        return false;
    }
    FinishAndMove(*move);
    return true;
}

void CInPlaceEdit::keyReleaseEvent(QKeyEvent* event) {
    if (GridEditKeys::IsEnter(*event) && !event->isAutoRepeat()) {
        Finish(true);
        return;
    }
    QLineEdit::keyReleaseEvent(event);
}

void CInPlaceEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A completion popup of the box takes the focus for a moment only.
    if (event->reason() == Qt::PopupFocusReason) {
        return;
    }
    Finish(!m_escaped);
}

void CInPlaceEdit::Finish(bool commit) {
    if (m_finished) {
        return;
    }
    m_finished = true;
    GridEditResult result;
    result.m_row = m_row;
    result.m_column = m_column;
    result.m_text = commit ? text() : QString();
    result.m_cancelled = !commit;
    // The focus goes back to the grid before the box goes away, so that it
    // does not wander off to another window.
    if (hasFocus()) {
        m_grid.setFocus(Qt::OtherFocusReason);
    }
    hide();
    deleteLater();
    m_grid.EndEdit(result);
}

void CInPlaceEdit::FinishAndMove(GridEditMove move) {
    Finish(true);
    m_grid.MoveEdit(m_row, m_column, move);
}

void CInPlaceEdit::Widen() {
    const int textWidth = fontMetrics().horizontalAdvance(text());
    if (textWidth <= width() - 5) {
        return;
    }
    const int room = m_grid.viewport()->width() - x();
    resize(std::max(width(), std::min(textWidth + 5, room)), height());
}
