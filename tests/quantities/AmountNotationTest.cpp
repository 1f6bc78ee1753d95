#include "quantities/AmountNotation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ParseCase {
    std::string text;
    int count;
    double first;
    double second;
};

const ParseCase kParseCases[] = {
    {"", 0, 0, 0},
    {"   ", 0, 0, 0},
    {"2", 1, 2, 0},
    {"1-1/2", 1, 1.5, 0},
    {"1/2", 1, 0.5, 0},
    {"3/4", 1, 0.75, 0},
    {"2--3", 2, 2, 3},
    {"1 1/2", 2, 1, 0.5},
    {"1~2", 2, 1, 2},
    {"1½", 1, 1.5, 0},
    {"¼", 1, 0.25, 0},
    {"2¾", 1, 2.75, 0},
    {"1\xBD", 1, 1.5, 0},
    {"2/", 1, 2, 0},
    {"0.75", 1, 0.75, 0},
    {"12", 1, 12, 0},
    {"1000000000", 1, 1e9, 0},
    {"some", 1, 0, 0},
    // The fraction before a double hyphen belongs to the first amount.
    {"1-1/2--2", 2, 1.5, 2},
    {"1--1½", 2, 1, 1.5},
    // The second amount of a range has a whole part like the first.
    {"1--2-3/8", 2, 1, 2.375},
    {"1-1/2--2-1/2", 2, 1.5, 2.5},
    // A decimal point belongs to its own number only.
    {"1.5/2", 1, 0.75, 0},
    {"1.5--2", 2, 1.5, 2},
    // Surrounding blanks do not make a range.
    {"2 ", 1, 2, 0},
    {" 1-1/2\t", 1, 1.5, 0},
    {"-17.5", 1, -17.5, 0},
};

} // namespace

TEST(AmountNotation, ParsesTheNotation) {
    for (const auto& c : kParseCases) {
        const Amount amount = ParseAmount(c.text);
        EXPECT_EQ(amount.count, c.count) << c.text;
        EXPECT_DOUBLE_EQ(amount.first, c.first) << c.text;
        EXPECT_DOUBLE_EQ(amount.second, c.second) << c.text;
    }
}

TEST(AmountNotation, ReadsALoneFractionByteOnlyOutsideAnotherCharacter) {
    // "ü" is C3 BC in UTF-8: its tail byte is not a quarter.
    EXPECT_DOUBLE_EQ(ParseAmount("2\xC3\xBC").first, 2);
    // "‼" is E2 80 BC.
    EXPECT_DOUBLE_EQ(ParseAmount("2\xE2\x80\xBC").first, 2);
    EXPECT_DOUBLE_EQ(ParseAmount("2\xBC").first, 2.25);
}

TEST(AmountNotation, FormatsWithFractions) {
    const struct {
        double value;
        bool fractions;
        std::string text;
    } cases[] = {
        {1.5, true, "1½"},
        {0.25, true, "¼"},
        {2.75, true, "2¾"},
        {0.125, true, "1/8"},
        {2.375, true, "2-3/8"},
        {0.625, true, "5/8"},
        {0.875, true, "7/8"},
        {0.3333, true, "1/3"},
        {1.0 / 3.0, true, "1/3"},
        {2.0 / 3.0 + 4, true, "4-2/3"},
        {0.2, true, "1/5"},
        {0.8, true, "4/5"},
        {1.0 / 6.0, true, "1/6"},
        {5.0 / 6.0, true, "5/6"},
        {0.3, true, "0.3"},
        {1.5, false, "1.5"},
        {0.125, false, "0.125"},
        {0, true, ""},
        {3, true, "3"},
        {10, true, "10"},
        {0.9999999, true, "1"},
        {1.0000004, true, "1"},
        {0.0000001, true, ""},
        {2.123456789, true, "2.123457"},
        {2500000, true, "2.5e+06"},
        {2500000, false, "2.5e+06"},
        {-17.5, true, "-17½"},
        {-0.5, true, "-½"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatAmount(c.value, c.fractions), c.text) << c.value;
    }
}

TEST(AmountNotation, FormatsNothingForValuesThatAreNotNumbers) {
    EXPECT_EQ(FormatAmount(std::numeric_limits<double>::infinity(), true), "");
    EXPECT_EQ(FormatAmount(std::numeric_limits<double>::quiet_NaN(), true), "");
}

TEST(AmountNotation, FormattedAmountsParseBackToTheirValue) {
    for (const double value : {0.25, 0.5, 1.125, 2.375, 3.75, 7.2, 12.6, 100.0, 0.05}) {
        EXPECT_NEAR(ParseAmount(FormatAmount(value, true)).first, value, 1e-9) << value;
        EXPECT_NEAR(ParseAmount(FormatAmount(value, false)).first, value, 1e-9) << value;
    }
    const Amount range{2, 1.5, 2.375};
    const Amount back = ParseAmount(FormatAmountRange(range, true));
    EXPECT_EQ(back.count, 2);
    EXPECT_DOUBLE_EQ(back.first, 1.5);
    EXPECT_DOUBLE_EQ(back.second, 2.375);
}

TEST(AmountNotation, FormatsRangesOnlyForTwoAmounts) {
    EXPECT_EQ(FormatAmountRange({2, 1, 1.5}, true), "1--1½");
    EXPECT_EQ(FormatAmountRange({1, 1.5, 3}, true), "1½");
    EXPECT_EQ(FormatAmountRange({0, 0, 0}, true), "");
}

TEST(AmountNotation, ScalesSingleAmountsAndRanges) {
    const struct {
        std::string text;
        double factor;
        std::string scaled;
    } cases[] = {
        {"1-1/2", 2, "3"},           {"2--3", 0.5, "1--1½"},  {"", 2, ""}, {"3/4", 3, "2¼"}, {"1 1/2", 2, "2--1"},
        {"to taste", 2, "to taste"}, {"1-1/2--2", 2, "3--4"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScaleAmount(c.text, c.factor), c.scaled) << c.text;
    }
}
