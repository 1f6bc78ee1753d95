#include "model/CIngredient.h"

#include "model/QuantityRules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

namespace {

// Just enough of the amount notation for these tests: whole numbers, one
// half, and ranges written with two hyphens.
class FakeRules : public QuantityRules {
public:
    ParsedAmount ParseAmount(std::string_view amount) const override {
        if (amount.empty()) {
            return {};
        }
        const std::size_t range = amount.find("--");
        if (range != std::string_view::npos) {
            return {Value(amount.substr(0, range)), Value(amount.substr(range + 2)), 2};
        }
        const double value = Value(amount);
        return {value, value, 1};
    }
    std::string FormatAmount(double value) const override {
        const double whole = std::floor(value);
        std::string text = whole > 0 || value == 0 ? std::to_string(static_cast<int>(whole)) : "";
        return value - whole >= 0.5 ? text + "\u00BD" : text;
    }
    std::optional<int> UnitFamily(std::string_view unit) const override {
        static const std::map<std::string, int, std::less<>> families{{"cup", 3}, {"T", 3}, {"oz", 4}};
        const auto found = families.find(unit);
        return found != families.end() ? std::optional(found->second) : std::nullopt;
    }
    double ConvertUnit(double value, std::string_view fromUnit, std::string_view toUnit) const override {
        if (fromUnit == "T" && toUnit == "cup") {
            return value / 16;
        }
        return fromUnit == "cup" && toUnit == "T" ? value * 16 : value;
    }

private:
    static double Value(std::string_view text) {
        const bool half = text.ends_with("\u00BD");
        if (half) {
            text.remove_suffix(2);
        }
        return (text.empty() ? 0.0 : std::stod(std::string(text))) + (half ? 0.5 : 0.0);
    }
};

} // namespace

TEST(CIngredient, TakesTheNameKeyUpToTheDoubleHyphen) {
    EXPECT_EQ(CIngredient("", "", "salt").NameKey(), "salt");
    EXPECT_EQ(CIngredient("", "", "butter -- softened").NameKey(), "butter ");
    EXPECT_EQ(CIngredient("", "", "flour--sifted").NameKey(), "flour--sifted");
}

TEST(CIngredient, ComparesAmountUnitAndNameWithoutCase) {
    const CIngredient line("1", "Cup", "Flour -- sifted");
    EXPECT_EQ(line.Compare(CIngredient("1", "cup ", "flour -- packed")), 0);
    EXPECT_EQ(line.Compare(CIngredient("2", "T", "sugar")),
              CIngredient::kAmountDiffers | CIngredient::kUnitDiffers | CIngredient::kNameDiffers);
}

TEST(CIngredient, CombinesOnlyLinesOfOneIngredientAndUnitFamily) {
    const FakeRules rules;
    CIngredient flour("1", "cup", "flour");
    EXPECT_TRUE(flour.Combine(CIngredient("8", "T", "flour"), 1.0, rules));
    EXPECT_EQ(flour.Amount(), "1\u00BD");

    CIngredient cup("1", "cup", "flour");
    EXPECT_FALSE(cup.Combine(CIngredient("2", "oz", "flour"), 1.0, rules));
    EXPECT_FALSE(cup.Combine(CIngredient("2", "", "flour"), 1.0, rules));
    EXPECT_FALSE(cup.Combine(CIngredient("2", "cup", "sugar"), 1.0, rules));
    EXPECT_EQ(cup.Amount(), "1");
}

TEST(CIngredient, CombinesRangesWithSingleAmounts) {
    const FakeRules rules;
    CIngredient range("1--2", "", "eggs");
    ASSERT_TRUE(range.Combine(CIngredient("3", "", "eggs"), 1.0, rules));
    EXPECT_EQ(range.Amount(), "1--5");
    CIngredient single("3", "", "eggs");
    ASSERT_TRUE(single.Combine(CIngredient("1--2", "", "eggs"), 1.0, rules));
    EXPECT_EQ(single.Amount(), "5");
}

TEST(CIngredient, ScalesAmountsAndRanges) {
    const FakeRules rules;
    CIngredient single("1\u00BD", "cup", "milk");
    single.Scale(2.0, 1.0, rules);
    EXPECT_EQ(single.Amount(), "3");
    CIngredient range("2--3", "cup", "milk");
    range.Scale(0.5, 1.0, rules);
    EXPECT_EQ(range.Amount(), "1--1\u00BD");
    CIngredient portion("2", "", "eggs");
    portion.Scale(1.0, 2.0, rules);
    EXPECT_EQ(portion.Amount(), "4");
    CIngredient empty("", "", "salt");
    empty.Scale(3.0, 1.0, rules);
    EXPECT_EQ(empty.Amount(), "");
}
