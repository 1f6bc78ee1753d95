#include "app/Portion.h"

#include <gtest/gtest.h>

namespace {

TEST(PortionTest, TypedTextSetsThePortionOnlyWhenItIsSound) {
    struct Case {
        const char* text;
        std::optional<Portion> parsed;
    };
    const Case cases[] = {
        {"3:2", Portion{3, 2}}, {" 1 : 4 ", Portion{1, 4}}, {"99:1", Portion{99, 1}}, {"3", std::nullopt},
        {"", std::nullopt},     {":", std::nullopt},        {"1:0", std::nullopt},    {"0:3", std::nullopt},
        {"-1:2", std::nullopt}, {"100:1", std::nullopt},    {"2x:3", std::nullopt},   {"1:2:3", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Portion::Parse(c.text), c.parsed) << '"' << c.text << '"';
    }
}

TEST(PortionTest, StepsGrowTheWholesOrShrinkTheParts) {
    struct Case {
        Portion from;
        Portion larger;
        Portion smaller;
    };
    const Case cases[] = {
        {{1, 1}, {2, 1}, {1, 2}}, {{2, 1}, {3, 1}, {1, 1}}, {{3, 1}, {4, 1}, {2, 1}},    {{1, 2}, {1, 1}, {1, 3}},
        {{1, 3}, {1, 2}, {1, 4}}, {{3, 2}, {3, 1}, {2, 2}}, {{99, 1}, {99, 1}, {98, 1}}, {{1, 99}, {1, 98}, {1, 99}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.from.Larger(), c.larger) << c.from.Text();
        EXPECT_EQ(c.from.Smaller(), c.smaller) << c.from.Text();
    }
}

TEST(PortionTest, TextAndFactor) {
    EXPECT_EQ((Portion{3, 2}).Text(), "3:2");
    EXPECT_DOUBLE_EQ((Portion{3, 2}).Factor(), 1.5);
}

} // namespace
