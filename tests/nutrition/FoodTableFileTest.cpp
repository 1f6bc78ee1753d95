#include "nutrition/FoodTableFile.h"
#include "nutrition/Database.h"

#include <gtest/gtest.h>

#include <string>

using Nutrient::Database;
using Nutrient::FoodTableFile;
using Nutrient::TableKind;

namespace {

void Define(Database& database) {
    auto& dairy = database.AddGroup(std::make_unique<Nutrient::FoodGroup>(1000, "Dairy", true));
    dairy.AddSubGroup(std::make_unique<Nutrient::SubGroup>(1004, "Cheese", 1000, true));
    database.SetNutrient({1, true, "Calories", "kcal", "$KCAL", '1'});
    database.SetNutrient({2, false, "Water", "g", "$WATER", 0});
    database.SetNutrient({12, true, "Protein", "g", "$PROT", '2'});
}

struct Tables : ::testing::Test {
    Database database;

    void SetUp() override { Define(database); }
};

const std::string kMainTable = "NDB_No,FdSubGrp_Cd,Long_Desc,ComName,1,2,12,77,Measure,Gm_Wt,Measure,Gm_Wt\n"
                               "1009,1004,\"Cheese, cheddar\",,403,36.75,24.90,5,\"cup, diced\",132,oz,28.35\n"
                               "1010,1004,Cheese cheshire,,387,,23.37,,,,,\n";

} // namespace

TEST(FoodTableLine, SplitsQuotedAndPlainFields) {
    const struct {
        std::string line;
        std::vector<std::string> fields;
    } cases[] = {
        {"a,b,,c", {"a", "b", "", "c"}},
        {"1,\"x, y\",2", {"1", "x, y", "2"}},
        {"1,\"say \"\"hi\"\", ok\",2", {"1", "say \"\"hi\"\", ok", "2"}},
        {"1,\"open", {"1", "open"}},
        {"1,\"a\"junk,2", {"1", "a", "2"}},
        {"", {""}},
    };
    for (const auto& c : cases) {
        const auto fields = FoodTableFile::SplitLine(c.line);
        EXPECT_EQ(std::vector<std::string>(fields.begin(), fields.end()), c.fields) << c.line;
    }
}

TEST(FoodTableLine, QuotesTextSoThatItReadsBack) {
    for (const std::string text : {"plain", "a, b", "12\" pizza", "say \"hi\", then", "\"\""}) {
        const std::string line = "1," + FoodTableFile::QuoteField(text) + ",2";
        const auto fields = FoodTableFile::SplitLine(line);
        ASSERT_EQ(fields.size(), 3u) << line;
        EXPECT_EQ(FoodTableFile::Undouble(fields[1]), text) << line;
    }
}

TEST_F(Tables, MainTableKeepsLoadedValuesAndMeasures) {
    FoodTableFile::Read(kMainTable, database, TableKind::Main);
    const auto* cheddar = database.FindItem(1009);
    ASSERT_NE(cheddar, nullptr);
    EXPECT_EQ(cheddar->Name(), "Cheese, cheddar");
    EXPECT_TRUE(cheddar->IsShipped());
    EXPECT_EQ(cheddar->Value(1), 403);
    EXPECT_EQ(cheddar->Value(12), 24.90);
    EXPECT_FALSE(cheddar->Value(2));  // not loaded
    EXPECT_FALSE(cheddar->Value(77)); // no definition
    EXPECT_EQ(cheddar->Measures(), (std::vector<Nutrient::Measure>{{"cup, diced", 132}, {"oz", 28.35}}));
    EXPECT_EQ(database.SubGroupOf(*cheddar)->Items().size(), 2u);
    EXPECT_TRUE(database.FindItem(1010)->Measures().empty());
}

TEST_F(Tables, UserRowTakesOverAShippedItem) {
    FoodTableFile::Read(kMainTable, database, TableKind::Main);
    FoodTableFile::Read("NDB_No,FdSubGrp_Cd,Long_Desc,ComName,1,2,12,Measure,Gm_Wt\n"
                        "1009,1004,ignored,,410,37,,slice,20\n"
                        "100001,1004,My cheese,,300,,,\n",
                        database, TableKind::User);
    const auto* cheddar = database.FindItem(1009);
    EXPECT_FALSE(cheddar->IsShipped());
    EXPECT_EQ(cheddar->Name(), "Cheese, cheddar");
    EXPECT_EQ(cheddar->Value(1), 410);
    EXPECT_EQ(cheddar->Value(2), 37); // the user table keeps every value
    EXPECT_EQ(cheddar->Value(12), 24.90);
    EXPECT_EQ(cheddar->Measures(), (std::vector<Nutrient::Measure>{{"slice", 20}}));
    EXPECT_EQ(database.SubGroupOf(*cheddar)->Items().size(), 3u);
    ASSERT_EQ(database.UserItems().size(), 1u);
    EXPECT_EQ(database.TakeNextItemId(), 100002);
}

TEST_F(Tables, UserTableRoundTrips) {
    auto item = std::make_unique<Nutrient::FoodItem>(100001, "Aunt's \"best\", ever", 1004, false);
    item->SetValue(1, 123.456);
    item->SetValue(12, 0.5);
    for (int i = 0; i < 15; ++i) {
        item->AddMeasure({"piece, " + std::to_string(i), 10.0 + i});
    }
    database.AddUserItem(std::move(item));
    const std::string bytes = FoodTableFile::WriteUserTable(database);
    EXPECT_EQ(bytes.substr(0, bytes.find('\n')).find("NDB_No,FdSubGrp_Cd,Long_Desc,ComName,1,2,12,Measure,Gm_Wt"), 0u);

    Database other;
    Define(other);
    FoodTableFile::Read(bytes, other, TableKind::User);
    const auto* back = other.FindItem(100001);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->Name(), "Aunt's \"best\", ever");
    EXPECT_EQ(back->AllValues(), database.FindItem(100001)->AllValues());
    EXPECT_EQ(back->Measures(), database.FindItem(100001)->Measures());
    EXPECT_EQ(FoodTableFile::WriteUserTable(other), bytes);
}

TEST_F(Tables, UserTableHeaderListsEveryNutrientAndThirteenMeasures) {
    std::string expected = "NDB_No,FdSubGrp_Cd,Long_Desc,ComName,1,2,12";
    for (int i = 0; i < 13; ++i) {
        expected += ",Measure,Gm_Wt";
    }
    EXPECT_EQ(FoodTableFile::WriteUserTable(database), expected + "\n");
}

TEST_F(Tables, ReadsMoreRowsThanTheOldFixedBlock) {
    std::string table = "NDB_No,FdSubGrp_Cd,Long_Desc,ComName,1\n";
    for (int id = 1; id <= 8000; ++id) {
        table += std::to_string(id) + ",1004,Item " + std::to_string(id) + ",,1\n";
    }
    FoodTableFile::Read(table, database, TableKind::Main);
    EXPECT_EQ(database.Items().size(), 8000u);
    EXPECT_EQ(database.FindItem(8000)->Name(), "Item 8000");
}

TEST_F(Tables, DuplicateMainRowKeepsTheFirst) {
    FoodTableFile::Read("NDB_No,FdSubGrp_Cd,Long_Desc,ComName,1\n1009,1004,First,,1\n1009,1004,Second,,2\n", database,
                        TableKind::Main);
    EXPECT_EQ(database.FindItem(1009)->Name(), "First");
    EXPECT_EQ(database.FindGroup(1000)->FindSubGroup(1004)->Items().size(), 1u);
}
