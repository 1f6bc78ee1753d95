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

std::optional<int> FrameGeometry::KeepCommentHeight(RowHeights before, RowHeights after, bool leavingMaximized) {
    if (after.bottom == before.bottom) {
        return std::nullopt;
    }
    const int top = leavingMaximized ? after.top - before.bottom : after.bottom + before.top - before.bottom;
    return std::max(kMinimumPaneHeight, top);
}
