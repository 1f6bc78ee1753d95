#include "ui/dialogs/DialogPlacement.h"

#include "support/MemoryProfile.h"

#include <gtest/gtest.h>

namespace {

TEST(DialogPlacement, WritesAndReadsTheRectangleUnderItsTemplate) {
    MemoryProfile profile;
    DialogPlacement::Write(profile, 677, {-20, 30, 400, 330});
    EXPECT_EQ(profile.GetString("SettingsV4\\Dialogs", "Dlg677", ""), "-20 30 400 330");
    EXPECT_EQ(DialogPlacement::Read(profile, 677), (LayoutList::Rect{-20, 30, 400, 330}));
    EXPECT_FALSE(DialogPlacement::Read(profile, 678).has_value());
}

TEST(DialogPlacement, IgnoresDamagedOrEmptyRectangles) {
    for (const char* text : {"", "1 2 3", "a b c d", "10 10 10 50", "10 50 60 20", "100 0 50 40"}) {
        EXPECT_FALSE(DialogPlacement::Parse(text).has_value()) << text;
    }
}

} // namespace
