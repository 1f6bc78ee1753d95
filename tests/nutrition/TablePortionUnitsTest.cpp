#include "nutrition/TablePortionUnits.h"
#include "quantities/UnitTables.h"

#include <gtest/gtest.h>

using Nutrient::UnitFamily;

TEST(TablePortionUnits, GivesGramsAndMillilitresFromTheUnitTables) {
    const UnitTables tables;
    const Nutrient::TablePortionUnits units(tables);
    const struct {
        const char* name;
        UnitFamily family;
        double factor;
    } cases[] = {
        {"g", UnitFamily::Weight, 1.0},         {"oz", UnitFamily::Weight, 28.3495},
        {"Pound", UnitFamily::Weight, 453.592}, {"cup", UnitFamily::Volume, 236.588},
        {"T", UnitFamily::Volume, 14.7868},     {"t", UnitFamily::Volume, 4.92892},
        {"fl", UnitFamily::Volume, 29.5735},
    };
    for (const auto& c : cases) {
        const auto unit = units.Find(c.name);
        ASSERT_TRUE(unit.has_value()) << c.name;
        EXPECT_EQ(unit->family, c.family) << c.name;
        EXPECT_NEAR(unit->factor, c.factor, c.factor * 1e-4) << c.name;
    }
    EXPECT_FALSE(units.Find("handful").has_value());
}

TEST(TablePortionUnits, FollowsTheUsersDisplayNames) {
    UnitTables tables;
    tables.Unit(UnitTables::Volume, 7).SetDisplayName("Tasse");
    const Nutrient::TablePortionUnits units(tables);
    const auto cup = units.Find("Tasse");
    ASSERT_TRUE(cup.has_value());
    EXPECT_NEAR(cup->factor, 236.588, 0.01);
}
