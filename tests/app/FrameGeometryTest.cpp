#include "app/FrameGeometry.h"

#include <gtest/gtest.h>

namespace {

using Rect = FrameGeometry::Rect;

TEST(FrameGeometryTest, ClampsStoredPlacement) {
    const struct {
        Rect stored;
        Rect expected;
    } cases[] = {
        {{10, 10, 650, 490}, {10, 10, 650, 490}},
        {{100, 10, 5000, 490}, {100, 10, 730, 490}},
        {{10, 50, 650, 4000}, {10, 50, 650, 520}},
        {{-20, -5, 650, 490}, {0, 0, 650, 490}},
        {{-20, 0, 3001, 3000}, {0, 0, 630, 3000}},
        {{0, 0, 3000, 3000}, {0, 0, 3000, 3000}},
        // An inverted or empty rectangle would give a window of no size.
        {{400, 300, 100, 300}, {400, 300, 1030, 770}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FrameGeometry::Clamp(c.stored), c.expected) << c.stored.left << "," << c.stored.right;
    }
}

TEST(FrameGeometryTest, InitialPaneHeightFromStoredHeightRatioOrScreen) {
    const Rect placement{10, 10, 650, 505}; // 495 high: 400 after the window's chrome
    const struct {
        int stored;
        int ratio;
        int expected;
    } cases[] = {
        {420, 3, 420},                           // a stored height wins
        {FrameGeometry::kUnset, -1, 1000 - 200}, // the screen's height less room for comments
        {FrameGeometry::kUnset, 4, 400 - 100},
        {FrameGeometry::kUnset, 1, 0},
        {FrameGeometry::kUnset, 0, 300}, // any other ratio keeps the record's height
        {FrameGeometry::kUnset, -7, 300},
    };
    for (const auto& c : cases) {
        FrameGeometry::PaneHeightInputs inputs;
        inputs.storedHeight = c.stored;
        inputs.ratio = c.ratio;
        inputs.maximizedScreenHeight = 1000;
        inputs.placement = placement;
        EXPECT_EQ(FrameGeometry::InitialPaneHeight(inputs), c.expected) << c.stored << " " << c.ratio;
    }
}

TEST(FrameGeometryTest, KeepsTheCommentWindowsHeight) {
    const struct {
        FrameGeometry::RowHeights before;
        FrameGeometry::RowHeights after;
        std::optional<int> expected;
    } cases[] = {
        {{300, 200}, {300, 200}, std::nullopt},
        {{300, 200}, {300, 400}, 500}, // taller window, the lower row took the change: the pane grows
        {{300, 200}, {300, 120}, 220}, // shorter window: the pane shrinks
        {{300, 200}, {300, 40}, 175},  // never below 175
        {{700, 300}, {600, 0}, 300},   // back from maximized with the upper row cut off
        {{700, 300}, {400, 0}, 175},
        {{300, 200}, {450, 350}, 600}, // both rows took a share
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FrameGeometry::KeepCommentHeight(c.before, c.after), c.expected)
            << c.after.top << " " << c.after.bottom;
    }
}

} // namespace
