#include "ui/controls/GridEditKeys.h"

#include <QKeyEvent>

bool GridEditKeys::IsEnter(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

bool GridEditKeys::TakeShortcutOverride(QEvent& event) {
    if (event.type() != QEvent::ShortcutOverride) {
        return false;
    }
    const auto& key = static_cast<const QKeyEvent&>(event);
    const bool ours = key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab || IsEnter(key) ||
                      key.key() == Qt::Key_Escape || key.key() == Qt::Key_Delete ||
                      key.modifiers().testFlag(Qt::ControlModifier);
    if (ours) {
        event.accept();
    }
    return ours;
}

std::optional<GridEditMove> GridEditKeys::TabMove(const QEvent& event) {
    if (event.type() != QEvent::KeyPress) {
        return std::nullopt;
    }
    const auto& key = static_cast<const QKeyEvent&>(event);
    if (key.key() != Qt::Key_Tab && key.key() != Qt::Key_Backtab) {
        return std::nullopt;
    }
    const bool back = key.key() == Qt::Key_Backtab || key.modifiers().testFlag(Qt::ShiftModifier);
    return back ? GridEditMove::PreviousCell : GridEditMove::NextCell;
}

std::optional<GridEditMove> GridEditKeys::RowMove(const QKeyEvent& event) {
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
