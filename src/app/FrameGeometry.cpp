#include "app/FrameGeometry.h"

#include <algorithm>

namespace {

// The window's title and borders, the toolbars and the status bar, taken off
// the placement's height before a ratio divides the column.
constexpr int kFrameChrome = 95;
// Room kept for the comment window below a pane sized from the screen.
constexpr int kCommentRoom = 200;

} // namespace

FrameGeometry::Rect FrameGeometry::Clamp(Rect placement) {
    placement.left = std::max(0, placement.left);
    placement.top = std::max(0, placement.top);
    // An inverted edge would give the window no size at all, so it is reset
    // like an edge beyond any screen.
    if (placement.right > kFarEdge || placement.right <= placement.left) {
        placement.right = placement.left + kResetWidth;
    }
    if (placement.bottom > kFarEdge || placement.bottom <= placement.top) {
        placement.bottom = placement.top + kResetHeight;
    }
    return placement;
}

int FrameGeometry::InitialPaneHeight(const PaneHeightInputs& inputs) {
    if (inputs.storedHeight != kUnset) {
        return inputs.storedHeight;
    }
    if (inputs.ratio == kUnset) {
        return inputs.maximizedScreenHeight - kCommentRoom;
    }
    if (inputs.ratio > 0) {
        const int height = (inputs.placement.bottom - inputs.placement.top) - kFrameChrome;
        return height - height / inputs.ratio;
    }
    return inputs.recordHeight;
}

// The column's new height less the comment window's old one. Where a splitter
// keeps the upper row and lets the lower one take the change, that is the
// lower row's new height plus the difference of the old rows; where the upper
// row was cut off on leaving a maximized window, it is the upper row's new
// height less the old lower one. Taking both rows as they came out covers
// every way the toolkit shares out a resize.
std::optional<int> FrameGeometry::KeepCommentHeight(RowHeights before, RowHeights after) {
    if (after.bottom == before.bottom) {
        return std::nullopt;
    }
    return std::max(kMinimumPaneHeight, after.top + after.bottom - before.bottom);
}
