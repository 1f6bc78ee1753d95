#include "ui/controls/CInPlaceEdit.h"

#include "ui/controls/CGridEx.h"

#include <QKeyEvent>

#include <optional>

namespace {

bool IsEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

std::optional<GridEditMove> RowMoveFor(const QKeyEvent& event) {
    const bool ctrl = event.modifiers().testFlag(Qt::ControlModifier);
    switch (event.key()) {
    case Qt::Key_Up:
        return GridEditMove::RowUp;
    case Qt::Key_Down:
        return GridEditMove::RowDown;
    case Qt::Key_PageUp:
        return GridEditMove::PageUp;
    case Qt::Key_PageDown:
        return GridEditMove::PageDown;
    case Qt::Key_Home:
        return ctrl ? std::optional(GridEditMove::FirstRow) : std::nullopt;
    case Qt::Key_End:
        return ctrl ? std::optional(GridEditMove::LastRow) : std::nullopt;
    default:
        return std::nullopt;
    }
}

} // namespace

CInPlaceEdit::CInPlaceEdit(CGridEx& grid, int row, int column, const QString& text)
    : QLineEdit(text, grid.viewport()), m_grid(grid), m_row(row), m_column(column), m_initialText(text) {
    setObjectName("inPlaceEdit");
    setFont(grid.font());
    setAlignment(grid.ColumnAlignment(column) | Qt::AlignVCenter);
    connect(this, &QLineEdit::textEdited, this, &CInPlaceEdit::Widen);
}

bool CInPlaceEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // These keys belong to the box, not to the dialog or the menus.
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool ours = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || IsEnter(key->key()) ||
                          key->key() == Qt::Key_Escape || key->key() == Qt::Key_Delete ||
                          key->modifiers().testFlag(Qt::ControlModifier);
        if (ours) {
            event->accept();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            const bool back = key->key() == Qt::Key_Backtab || key->modifiers().testFlag(Qt::ShiftModifier);
            FinishAndMove(back ? GridEditMove::PreviousCell : GridEditMove::NextCell);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void CInPlaceEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        m_escaped = true;
        Finish(false);
        return;
    }
    if (IsEnter(event->key())) {
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
    const std::optional<GridEditMove> move = RowMoveFor(event);
    if (!move) {
        return false;
    }
    FinishAndMove(*move);
    return true;
}

void CInPlaceEdit::keyReleaseEvent(QKeyEvent* event) {
    if (IsEnter(event->key()) && !event->isAutoRepeat()) {
        Finish(true);
        return;
    }
    QLineEdit::keyReleaseEvent(event);
}

void CInPlaceEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
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
