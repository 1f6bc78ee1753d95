#include "model/TableQuantityRules.h"

#include "model/CIngredient.h"
#include "quantities/CUnit.h"
#include "quantities/UnitTables.h"

#include <gtest/gtest.h>

TEST(TableQuantityRules, CombinesAndScalesWithTheProgramsUnits) {
    const UnitTables tables;
    const TableQuantityRules rules(tables);
    CIngredient flour("1", "cup", "flour");
    EXPECT_TRUE(flour.Combine(CIngredient("8", "T", "flour"), 1.0, rules));
    EXPECT_EQ(flour.Amount(), "1\u00BD");
    EXPECT_FALSE(flour.Combine(CIngredient("2", "oz", "flour"), 1.0, rules));
    EXPECT_FALSE(flour.Combine(CIngredient("2", "", "flour"), 1.0, rules));

    CIngredient range("2--3", "cup", "milk");
    range.Scale(0.5, 1.0, rules);
    EXPECT_EQ(range.Amount(), "1--1\u00BD");
    CIngredient odd("3", "handful", "herbs");
    EXPECT_EQ(odd.Display(rules).amount, "3");
    EXPECT_EQ(odd.Display(rules).unit, "handful");
}
