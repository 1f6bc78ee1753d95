#include "nutrition/Database.h"
#include "nutrition/DefinitionsFile.h"
#include "nutrition/FoodTableFile.h"
#include "support/MemoryProfile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

using Nutrient::Database;
using Nutrient::SearchScope;

namespace {

const std::string kDefinitions =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n"
    "<!-- NOTE: Edit this file at your own risk. Any changes may not be compatible with future versions. -->\n"
    "<Savorbridge_Nutrient_Tables version=\"4.0\">\n"
    "\t<FoodGroups>\n"
    "\t\t<Group id=\"1000\">Dairy and Egg Products</Group>\n"
    "\t\t<Group id=\"11000\">Vegetables</Group>\n"
    "\t</FoodGroups>\n"
    "\t<FoodSubGroups>\n"
    "\t\t<SubGroup id=\"1001\">Cheese</SubGroup>\n"
    "\t\t<SubGroup id=\"1601\" user=\"true\">Mine</SubGroup>\n"
    "\t\t<SubGroup id=\"11001\">Eggplant</SubGroup>\n"
    "\t</FoodSubGroups>\n"
    "\t<Nutrients>\n"
    "\t\t<Nutrient id=\"1\" unit=\"kcal\" code=\"KCAL\" group=\"1\" load=\"1\">Calories</Nutrient>\n"
    "\t\t<Nutrient id=\"13\" unit=\"%\" code=\"DV\" group=\"3\" load=\"1\">Daily Value</Nutrient>\n"
    "\t\t<Nutrient id=\"49\" unit=\"\" code=\"USERA\" group=\"\" load=\"1\">User Field 1</Nutrient>\n"
    "\t</Nutrients>\n"
    "\t<Equations>\n"
    "\t\t<Equation name=\"Double\" load=\"1\">2*$KCAL</Equation>\n"
    "\t</Equations>\n"
    "</Savorbridge_Nutrient_Tables>\n";

// Item 43001 sits in the dairy group though its number lies in another
// thousand, as a fifth of the USDA numbers do.
const std::string kMainTable = "NDB_No,FdSubGrp_Cd,Long_Desc,ComName,1,Measure,Gm_Wt,Measure,Gm_Wt\n"
                               "1009,1001,\"Cheese, cheddar\",,403,\"cup, diced\",132,oz,28.35\n"
                               "43001,1001,\"Cheese, egg-free spread\",,300,tbsp,14,,\n"
                               "11209,11001,\"Eggplant, raw\",,25,\"cup, cubes\",82,,\n";

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::filesystem::path ShippedFolder() {
    return std::filesystem::path(SB_TEST_DATA_DIR).parent_path().parent_path() / "data";
}

struct Folder : ::testing::Test {
    TempDir dir;
    MemoryProfile profile;

    void SetUp() override {
        dir.Write("SBNutrient.xml", kDefinitions);
        dir.Write("SBNutrient.csv", kMainTable);
        profile.WriteString("SettingsV4", "NutrientPath", dir.Path().string());
    }
};

struct Loaded : ::testing::Test {
    TempDir dir;
    std::unique_ptr<Database> database;

    void SetUp() override {
        dir.Write("SBNutrient.xml", kDefinitions);
        dir.Write("SBNutrient.csv", kMainTable);
        database = std::make_unique<Database>(dir.Path());
        database->LoadTables();
    }

    std::vector<int> Ids(const std::vector<Nutrient::FoodItem*>& items) {
        std::vector<int> ids;
        for (const auto* item : items) {
            ids.push_back(item->Id());
        }
        return ids;
    }
};

class CountingProgress : public Nutrient::ProgressSink {
public:
    void Begin(std::string_view caption, int range) override {
        captions.emplace_back(caption), ranges.push_back(range);
    }
    void Step() override { ++steps; }
    void End() override { ++ends; }

    std::vector<std::string> captions;
    std::vector<int> ranges;
    int steps = 0;
    int ends = 0;
};

} // namespace

TEST_F(Folder, ReadsTheFolderFromThePreferenceAndTheTablesOnlyWhenAsked) {
    Database database(profile, "/nonexistent/default");
    EXPECT_EQ(database.Folder(), dir.Path());
    EXPECT_TRUE(database.IsAvailable());
    EXPECT_EQ(database.FindItem(1009), nullptr);
    CountingProgress progress;
    database.LoadTables(&progress);
    ASSERT_NE(database.FindItem(1009), nullptr);
    EXPECT_EQ(progress.captions.front(), "Loading Nutrient Data...");
    EXPECT_EQ(progress.steps, 1);
    database.LoadTables(&progress);
    EXPECT_EQ(progress.captions.size(), 1u);
}

TEST_F(Folder, MissingDefinitionsLeaveTheDatabaseUnavailableAndUntouched) {
    TempDir empty;
    profile.WriteString("SettingsV4", "NutrientPath", empty.Path().string());
    {
        Database database(profile, "/nonexistent");
        EXPECT_FALSE(database.IsAvailable());
        database.LoadTables();
        EXPECT_FALSE(database.TablesRead());
    }
    EXPECT_FALSE(std::filesystem::exists(empty / "SBNutrient.xml"));
    EXPECT_FALSE(std::filesystem::exists(empty / "UserNutrient.csv"));
}

TEST_F(Folder, SavingWithoutReadingTheTablesKeepsTheUserTable) {
    const std::string userTable = "NDB_No,FdSubGrp_Cd,Long_Desc,ComName,1\n100001,1601,Mine,,5\n";
    dir.Write("UserNutrient.csv", userTable);
    { Database database(profile, "/nonexistent"); }
    EXPECT_EQ(ReadFile(dir / "UserNutrient.csv"), userTable);
    EXPECT_EQ(ReadFile(dir / "SBNutrient.xml"), kDefinitions);
}

TEST_F(Folder, UserItemsSurviveARestart) {
    {
        Database database(profile, "/nonexistent");
        database.LoadTables();
        auto item = std::make_unique<Nutrient::FoodItem>(database.TakeNextItemId(), "Soup, mine", 1601, false);
        item->SetValue(1, 42);
        item->AddMeasure({"bowl", 300});
        database.AddUserItem(std::move(item));
        database.FindItem(1009)->SetShipped(false);
        database.FindItem(1009)->SetValue(1, 410);
    }
    Database database(profile, "/nonexistent");
    database.LoadTables();
    const auto* soup = database.FindItem(100001);
    ASSERT_NE(soup, nullptr);
    EXPECT_EQ(soup->Name(), "Soup, mine");
    EXPECT_EQ(soup->Value(1), 42);
    EXPECT_EQ(database.FindItem(1009)->Value(1), 410);
    EXPECT_FALSE(database.FindItem(1009)->IsShipped());
    EXPECT_EQ(database.FindGroup(1000)->FindSubGroup(1601)->Items().size(), 1u);
}

TEST_F(Folder, ChangeFolderSavesTheOldAndReadsTheNew) {
    TempDir other;
    other.Write("SBNutrient.xml", kDefinitions);
    Database::SetGlobal(std::make_unique<Database>(profile, "/nonexistent"));
    Database::Global()->LoadTables();
    Database::Global()->AddUserItem(std::make_unique<Nutrient::FoodItem>(100001, "Mine", 1601, false));
    Database::ChangeFolder(other.Path());
    ASSERT_NE(Database::Global(), nullptr);
    EXPECT_EQ(Database::Global()->Folder(), other.Path());
    EXPECT_EQ(profile.GetString("SettingsV4", "NutrientPath", ""), other.Path().string());
    EXPECT_NE(ReadFile(dir / "UserNutrient.csv").find("100001,1601,Mine,"), std::string::npos);
    Database::SetGlobal(nullptr);
}

TEST(DatabaseIds, NewSubGroupsPassOverIdsInUse) {
    Database database;
    auto& group = database.AddGroup(std::make_unique<Nutrient::FoodGroup>(1000, "Dairy", true));
    group.AddSubGroup(std::make_unique<Nutrient::SubGroup>(1601, "Made earlier", 1000, false));
    EXPECT_EQ(database.TakeNextSubGroupId(group), 1602);
    EXPECT_EQ(database.TakeNextSubGroupId(group), 1603);
    for (int id = 1604; id <= 1999; ++id) {
        group.AddSubGroup(std::make_unique<Nutrient::SubGroup>(id, "", 1000, false));
    }
    EXPECT_EQ(database.TakeNextSubGroupId(group), std::nullopt);
    Database fresh;
    const auto& edge = fresh.AddGroup(std::make_unique<Nutrient::FoodGroup>(2147483000, "Damaged", false));
    EXPECT_EQ(fresh.TakeNextSubGroupId(edge), std::nullopt);
    EXPECT_EQ(database.TakeNextItemId(), 100001);
    EXPECT_EQ(database.NextGroupId(), 50000);
}

TEST_F(Loaded, DescribesNutrientsAndEquations) {
    EXPECT_EQ(database->Info(1)->name, "Calories");
    EXPECT_EQ(database->Info(1)->labelBlock, '1');
    EXPECT_FALSE(database->Info(2));
    const auto equation = database->Info(100);
    ASSERT_TRUE(equation);
    EXPECT_EQ(equation->name, "Double");
    EXPECT_EQ(equation->labelBlock, '4');
    EXPECT_EQ(equation->unit, "");
    EXPECT_FALSE(database->Info(101));
    EXPECT_TRUE(database->HasRealUnit(1));
    EXPECT_FALSE(database->HasRealUnit(13));
    EXPECT_FALSE(database->HasRealUnit(49));
    EXPECT_FALSE(database->HasRealUnit(7));
}

TEST(DatabaseFormat, ShowsValuesWithTheirPrecision) {
    const struct {
        double value;
        int id;
        std::string text;
    } cases[] = {{0, 1, "0"}, {0.5, 1, "0.50"}, {12.345, 1, "12.3"}, {12.345, 49, "12.35"}, {-3, 1, "-3.00"}};
    for (const auto& c : cases) {
        EXPECT_EQ(Database::FormatValue(c.value, c.id), c.text) << c.value << " " << c.id;
    }
}

TEST(DatabasePortions, MatchesUnitsToMeasures) {
    Database database;
    const Nutrient::FoodItem bare(1, "bare", 1001, true);
    Nutrient::FoodItem cheese(2, "cheese", 1001, true);
    cheese.SetMeasures({{"cup, chopped", 240}, {"1 large", 50}, {"oz", 28}, {"1 serving", 30}});
    Nutrient::FoodItem spoon(3, "spoon", 1001, true);
    spoon.SetMeasures({{"cup", 240}, {"tbsp", 15}});
    Nutrient::FoodItem eggs(4, "eggs", 1001, true);
    eggs.SetMeasures({{"1 large", 50}});

    const struct {
        const Nutrient::FoodItem* item;
        std::string unit;
        int result;
        double grams;
    } cases[] = {
        {&bare, "g", -1, -7},
        {&bare, "cup", -1, -7},
        {&cheese, "", 4, 30},
        {&spoon, "", -1, -7},
        {&cheese, " Cup ", 1, 240},
        {&cheese, "c", 1, 240},
        {&cheese, "T", 1, 15},
        {&cheese, "t", 1, 5},
        {&cheese, "g", 0, 1},
        {&cheese, "oz", 3, 28},
        {&spoon, "oz", 0, 28.349523125},
        {&spoon, "lb", 0, 453.59237},
        {&eggs, "cup", -1, -7},
        {&cheese, "pinch", -1, -7},
        {&cheese, "tablespoons", 1, 15},
    };
    for (const auto& c : cases) {
        double grams = -7;
        EXPECT_EQ(database.MatchPortion(*c.item, c.unit, grams), c.result) << c.item->Name() << " " << c.unit;
        EXPECT_NEAR(grams, c.grams, 1e-9) << c.item->Name() << " " << c.unit;
    }
}

TEST_F(Loaded, SearchesInEveryScope) {
    std::vector<Nutrient::FoodItem*> results;
    const Nutrient::FoodGroup* dairy = database->FindGroup(1000);
    const Nutrient::SubGroup* eggplants = database->FindGroup(11000)->FindSubGroup(11001);

    database->SearchInScope("egg", false, SearchScope::Database, results, {dairy}, {eggplants});
    EXPECT_EQ(Ids(results), (std::vector<int>{43001, 11209}));
    database->SearchInScope("egg", false, SearchScope::Category, results, {dairy}, {});
    EXPECT_EQ(Ids(results), std::vector<int>{43001});
    database->SearchInScope("egg", false, SearchScope::SubCategory, results, {}, {eggplants});
    EXPECT_EQ(Ids(results), std::vector<int>{11209});
    database->SearchInScope("cheese", false, SearchScope::Results, results, {}, {});
    EXPECT_TRUE(results.empty()); // nothing of the previous results holds "cheese"

    database->SearchInScope("cheese", false, SearchScope::Results, results, {}, {});
    EXPECT_EQ(Ids(results), (std::vector<int>{1009, 43001})); // an empty list means the whole database
    database->SearchInScope("", false, SearchScope::Results, results, {}, {});
    EXPECT_EQ(results.size(), 2u);
    database->SearchInScope("", false, SearchScope::Database, results, {}, {});
    EXPECT_TRUE(results.empty());
    database->SearchInScope("cheese cheddar", true, SearchScope::Database, results, {}, {});
    EXPECT_EQ(Ids(results), std::vector<int>{1009});
}

TEST_F(Loaded, SearchNeverFindsUserOnlyItemsAndForgetsRemovedOnes) {
    database->AddUserItem(std::make_unique<Nutrient::FoodItem>(100001, "Cheese, mine", 1001, false));
    std::vector<Nutrient::FoodItem*> results;
    database->Search("cheese", false, results, {}, {});
    EXPECT_EQ(Ids(results), (std::vector<int>{1009, 43001}));
    database->RemoveItem(*database->FindItem(1009));
    EXPECT_FALSE(database->HasIndex());
    EXPECT_EQ(database->FindItem(1009), nullptr);
    results.clear();
    database->Search("cheese", false, results, {}, {});
    EXPECT_EQ(Ids(results), (std::vector<int>{1009, 43001})); // the record stays in the index's rows
}

TEST(ShippedData, CarriesTheUsdaValues) {
    Database database(ShippedFolder());
    ASSERT_TRUE(database.IsAvailable());
    database.LoadTables();
    EXPECT_EQ(database.Items().size(), 7413u);
    const auto* cheddar = database.FindItem(1009);
    ASSERT_NE(cheddar, nullptr);
    EXPECT_EQ(cheddar->Name(), "Cheese, cheddar");
    EXPECT_EQ(database.GroupOf(*cheddar)->Name(), "Dairy and Egg Products");
    EXPECT_EQ(database.SubGroupOf(*cheddar)->Name(), "Cheese");
    EXPECT_EQ(cheddar->Value(1), 403);
    EXPECT_EQ(cheddar->Value(12), 24.90);
    EXPECT_EQ(cheddar->Value(3), 33.14);
    EXPECT_EQ(cheddar->Value(8), 621);
    ASSERT_FALSE(cheddar->Measures().empty());
    EXPECT_EQ(cheddar->Measures().front(), (Nutrient::Measure{"cup, diced", 132}));
    double grams = 0;
    EXPECT_EQ(database.MatchPortion(*cheddar, "cup", grams), 1);
    EXPECT_EQ(grams, 132);
    EXPECT_EQ(database.MatchPortion(*cheddar, "T", grams), 1);
    EXPECT_NEAR(grams, 132.0 / 16, 1e-9);
    EXPECT_EQ(database.Equations().front().name, "CaloriesFromFat");
    EXPECT_EQ(database.Info(4)->labelBlock, '2');
}

TEST(ShippedData, StoresPortionsPerOneMeasure) {
    // USDA gives 01001 butter as 1 "cup" of 227 g and 01012 cottage cheese as 4 "oz" of 113 g.
    Database database(ShippedFolder());
    database.LoadTables();
    ASSERT_NE(database.FindItem(1001), nullptr);
    EXPECT_EQ(database.FindItem(1001)->Measures().front(), (Nutrient::Measure{"cup", 227}));
    ASSERT_NE(database.FindItem(1012), nullptr);
    EXPECT_EQ(database.FindItem(1012)->Measures().front(), (Nutrient::Measure{"oz", 28.25}));
    ASSERT_GE(database.FindItem(9003)->Measures().size(), 3u);
    EXPECT_EQ(database.FindItem(9003)->Measures()[2].name, "large (3-1/4\" dia)");
    std::vector<Nutrient::FoodItem*> results;
    database.Search("cheddar", true, results, {database.FindGroup(1000)}, {});
    EXPECT_FALSE(results.empty());
    for (const auto* item : results) {
        EXPECT_EQ(database.GroupOf(*item)->Id(), 1000);
    }
}
