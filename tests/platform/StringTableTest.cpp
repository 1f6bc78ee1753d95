#include "platform/StringTable.h"

#include <gtest/gtest.h>

TEST(StringTable, GivesTextsAndListsById) {
    EXPECT_EQ(StringTable::Get(285), "Chapter");
    EXPECT_EQ(StringTable::Get(1), "");
    EXPECT_EQ(StringTable::List(569), (std::vector<std::string>{"#", "Item", "Aisle", "Cost", "Store"}));
    EXPECT_TRUE(StringTable::List(1).empty());
}
