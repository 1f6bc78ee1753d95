#pragma once

#include <optional>

// The arithmetic of the main window's placement and of the left column's
// split between the navigation pane and the comment window.
class FrameGeometry {
public:
    struct Rect {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
        bool operator==(const Rect&) const = default;
    };

    static constexpr int kFarEdge = 3000;
    static constexpr int kResetWidth = 630;
    static constexpr int kResetHeight = 470;
    static constexpr int kMinimumPaneHeight = 175;
    static constexpr int kMinimumPaneWidth = 200;
    static constexpr int kUnset = -1;

    // A stored placement made usable: no negative left or top edge, and an
    // absurd or inverted right or bottom edge replaced by a default size.
    static Rect Clamp(Rect placement);

    // The navigation pane's height at start: the stored "Frame height" when
    // there is one, else derived from "Comment view height ratio".
    struct PaneHeightInputs {
        int storedHeight = kUnset;
        int ratio = kUnset;
        int maximizedScreenHeight = 0;
        Rect placement;
        int recordHeight = 300;
    };
    static int InitialPaneHeight(const PaneHeightInputs& inputs);

    // The left column's two rows before and after the window was resized.
    struct RowHeights {
        int top = 0;
        int bottom = 0;
    };
    // The navigation pane's new height that gives the comment window back its
    // old height; nothing when the comment window's height did not change.
    static std::optional<int> KeepCommentHeight(RowHeights before, RowHeights after);
};
