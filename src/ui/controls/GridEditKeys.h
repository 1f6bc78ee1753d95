#pragma once

#include "ui/controls/GridEditResult.h"

#include <optional>

class QEvent;
class QKeyEvent;

// The keys the grid's in-place controls keep for themselves.
class GridEditKeys {
public:
    static bool IsEnter(const QKeyEvent& event);

    // Tab, Enter, Escape, Delete and every key pressed with Ctrl belong to the
    // in-place control, not to the dialog or the menu accelerators. Accepts
    // such a shortcut override and returns true.
    static bool TakeShortcutOverride(QEvent& event);

    // The move asked for by Tab or Shift+Tab.
    static std::optional<GridEditMove> TabMove(const QEvent& event);

    // The move asked for by Up, Down, Page Up, Page Down, Ctrl+Home or Ctrl+End.
    static std::optional<GridEditMove> RowMove(const QKeyEvent& event);
};
