#include "ui/dialogs/LayoutList.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Rect = LayoutList::Rect;

struct AdjustCase {
    const char* name;
    unsigned flags;
    int dx;
    int dy;
    Rect expected;
};

const Rect kControl{10, 20, 110, 70};

class LayoutListAdjust : public ::testing::TestWithParam<AdjustCase> {};

TEST_P(LayoutListAdjust, MovesAndStretchesByItsFlags) {
    const AdjustCase& c = GetParam();
    EXPECT_EQ(LayoutList::Adjust(kControl, c.flags, c.dx, c.dy), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Flags, LayoutListAdjust,
                         ::testing::Values(AdjustCase{"none", 0, 40, 30, {10, 20, 110, 70}},
                                           AdjustCase{"width", 1, 40, 30, {10, 20, 150, 70}},
                                           AdjustCase{"height", 2, 40, 30, {10, 20, 110, 100}},
                                           AdjustCase{"both", 3, 40, 30, {10, 20, 150, 100}},
                                           AdjustCase{"button on the right edge", 4, 40, 30, {50, 20, 150, 70}},
                                           AdjustCase{"note along the bottom", 9, 40, 30, {10, 50, 150, 100}},
                                           AdjustCase{"half width", 16, 40, 30, {10, 20, 130, 70}},
                                           AdjustCase{"half height", 32, 40, 30, {10, 20, 110, 85}},
                                           AdjustCase{"half right", 64, 40, 30, {30, 20, 130, 70}},
                                           AdjustCase{"half down", 128, 40, 30, {10, 35, 110, 85}},
                                           AdjustCase{"shrinking", 3, -40, -30, {10, 20, 70, 40}}),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(LayoutList, HalfNeighboursKeepTheirGapAndReachTheWholeOddChange) {
    const Rect left{0, 0, 100, 10};
    const Rect right{110, 0, 210, 10};
    for (int dx : {7, -7, 1, 0, 33}) {
        const Rect newLeft = LayoutList::Adjust(left, LayoutList::GrowHalfWidth, dx, 0);
        const Rect newRight = LayoutList::Adjust(right, LayoutList::MoveHalfRight | LayoutList::GrowHalfWidth, dx, 0);
        EXPECT_EQ(newRight.left - newLeft.right, 10) << dx;
        EXPECT_EQ(newRight.right, 210 + dx) << dx;
    }
}

TEST(LayoutList, ArrangesFromTheOriginalSoRepeatedResizesDoNotDrift) {
    LayoutList layout;
    layout.SetBaseSize(200, 100);
    layout.Add(1, {0, 0, 100, 10}, LayoutList::GrowHalfWidth);
    layout.Add(2, {110, 0, 200, 10}, LayoutList::MoveHalfRight | LayoutList::GrowHalfWidth);
    for (int width : {201, 203, 207, 198, 205}) {
        layout.Arrange(width, 100);
    }
    const auto placements = layout.Arrange(200, 100);
    ASSERT_EQ(placements.size(), 2u);
    EXPECT_EQ(placements[0].rect, (Rect{0, 0, 100, 10}));
    EXPECT_EQ(placements[1].key, 2);
    EXPECT_EQ(placements[1].rect, (Rect{110, 0, 200, 10}));
}

} // namespace
