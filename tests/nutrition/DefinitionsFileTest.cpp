#include "nutrition/DefinitionsFile.h"
#include "nutrition/Database.h"

#include <gtest/gtest.h>

#include <string>

using Nutrient::Database;
using Nutrient::DefinitionsFile;

namespace {

const std::string kHead = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n"
                          "<!-- NOTE: Edit this file at your own risk. -->\n"
                          "<Savorbridge_Nutrient_Tables version=\"whatever\">\n";
const std::string kTail = "</Savorbridge_Nutrient_Tables>\n";

} // namespace

TEST(DefinitionsFile, ReadsGroupsSubGroupsNutrientsAndEquations) {
    Database database;
    const std::string text =
        kHead +
        "\t<FoodGroups>\n"
        "\t\t<Group id=\"18000\">Baked Products</Group>\n"
        "\t\t<Group id=\"50000\" user=\"false\">Mine</Group>\n"
        "\t</FoodGroups>\n"
        "\t<FoodSubGroups>\n"
        "\t\t<SubGroup id=\"18601\" user=\"true\">Breads</SubGroup>\n"
        "\t\t<SubGroup id=\"19001\">Orphan</SubGroup>\n"
        "\t</FoodSubGroups>\n"
        "\t<Nutrients>\n"
        "\t\t<Nutrient id=\"23\" unit=\"micg\" code=\"SE\" group=\"3\" load=\"1\">Selenium</Nutrient>\n"
        "\t\t<Nutrient id=\"24\" unit=\"micg/kcal\" code=\"X\" group=\"\" load=\"0\">Ratio</Nutrient>\n"
        "\t\t<Nutrient id=\"25\" unit=\"g\" code=\"Y\" group=\"x\">No load</Nutrient>\n"
        "\t</Nutrients>\n"
        "\t<Equations>\n"
        "\t\t<Equation name=\"A\" load=\"1\">9*$FAT</Equation>\n"
        "\t\t<Equation load=\"1\">nameless</Equation>\n"
        "\t\t<Equation name=\"B\" load=\"0\">$CHO</Equation>\n"
        "\t</Equations>\n" +
        kTail;
    ASSERT_TRUE(DefinitionsFile::Read(text, database));

    ASSERT_NE(database.FindGroup(18000), nullptr);
    EXPECT_TRUE(database.FindGroup(18000)->IsShipped());
    EXPECT_FALSE(database.FindGroup(50000)->IsShipped()); // the attribute's presence counts, not its value
    const auto* breads = database.FindGroup(18000)->FindSubGroup(18601);
    ASSERT_NE(breads, nullptr);
    EXPECT_EQ(breads->Name(), "Breads");
    EXPECT_EQ(breads->GroupId(), 18000);
    EXPECT_EQ(database.FindGroup(19000), nullptr);

    const auto* selenium = database.FindNutrient(23);
    ASSERT_NE(selenium, nullptr);
    EXPECT_EQ(*selenium, (Nutrient::NutrientDef{23, true, "Selenium", "µg", "$SE", '3'}));
    EXPECT_EQ(database.FindNutrient(24)->unit, "µg/kcal");
    EXPECT_EQ(database.FindNutrient(24)->labelBlock, 0);
    EXPECT_FALSE(database.FindNutrient(25)->load);

    ASSERT_EQ(database.Equations().size(), 2u);
    EXPECT_EQ(database.Equations()[0], (Nutrient::EquationDef{"A", "9*$FAT", true, 100}));
    EXPECT_EQ(database.Equations()[1], (Nutrient::EquationDef{"B", "$CHO", false, 101}));
}

TEST(DefinitionsFile, RefusesAnotherRoot) {
    Database database;
    const std::string text = "<?xml?>\n<Other_Tables version=\"4.0\">\n\t<FoodGroups>\n"
                             "\t\t<Group id=\"1000\">Dairy</Group>\n\t</FoodGroups>\n</Other_Tables>\n";
    EXPECT_FALSE(DefinitionsFile::Read(text, database));
    EXPECT_FALSE(database.IsAvailable());
    EXPECT_FALSE(DefinitionsFile::Read("", database));
}

TEST(DefinitionsFile, LaterNutrientRecordReplacesAnEarlierOne) {
    Database database;
    const std::string text =
        kHead + "\t<Nutrients>\n" +
        "\t\t<Nutrient id=\"3\" unit=\"g\" code=\"FAT\" group=\"2\" load=\"1\">Fat</Nutrient>\n" +
        "\t\t<Nutrient id=\"3\" unit=\"mg\" code=\"F\" group=\"3\" load=\"0\">Fat 2</Nutrient>\n" +
        "\t\t<Nutrient id=\"100\" unit=\"g\" code=\"Z\" group=\"3\" load=\"1\">Clash</Nutrient>\n" +
        "\t</Nutrients>\n" + kTail;
    ASSERT_TRUE(DefinitionsFile::Read(text, database));
    EXPECT_EQ(database.NutrientTable().size(), 1u);
    EXPECT_EQ(database.FindNutrient(3)->name, "Fat 2");
}

TEST(DefinitionsFile, WritesWhatItReads) {
    Database database;
    auto& group = database.AddGroup(std::make_unique<Nutrient::FoodGroup>(1000, "Dairy and Egg Products", true));
    group.AddSubGroup(std::make_unique<Nutrient::SubGroup>(1004, "Cheese", 1000, true));
    auto& mine = database.AddGroup(std::make_unique<Nutrient::FoodGroup>(50000, "Mine, etc.", false));
    mine.AddSubGroup(std::make_unique<Nutrient::SubGroup>(50601, "Crème fraîche", 50000, false));
    database.SetNutrient({23, true, "Selenium", "µg", "$SE", '3'});
    database.SetNutrient({49, false, "User Field 1", "", "$USERA", 0});
    database.AddEquation("CaloriesFromFat", "9*$FAT", true);

    const std::string bytes = DefinitionsFile::Write(database);
    EXPECT_NE(bytes.find("\t\t<Group id=\"50000\" user=\"true\">Mine, etc.</Group>\n"), std::string::npos);
    EXPECT_NE(
        bytes.find("\t\t<Nutrient id=\"23\" unit=\"micg\" code=\"SE\" group=\"3\" load=\"1\">Selenium</Nutrient>\n"),
        std::string::npos);
    EXPECT_NE(bytes.find("\t\t<Equation name=\"CaloriesFromFat\" load=\"1\">9*$FAT</Equation>\n"), std::string::npos);
    EXPECT_NE(bytes.find("Cr\xE8me fra\xEE"
                         "che"),
              std::string::npos); // Windows-1252 on disk

    Database back;
    ASSERT_TRUE(DefinitionsFile::Read(bytes, back));
    EXPECT_EQ(DefinitionsFile::Write(back), bytes);
    EXPECT_EQ(back.FindGroup(50000)->FindSubGroup(50601)->Name(), "Crème fraîche");
    EXPECT_EQ(*back.FindNutrient(49), *database.FindNutrient(49));
}

TEST(DefinitionsFile, KeepsTextWithoutAWindows1252ByteAsUtf8) {
    Database database;
    database.AddGroup(std::make_unique<Nutrient::FoodGroup>(50000, "Ñam 🍜", false));
    const std::string bytes = DefinitionsFile::Write(database);
    Database back;
    ASSERT_TRUE(DefinitionsFile::Read(bytes, back));
    EXPECT_EQ(back.FindGroup(50000)->Name(), "Ñam 🍜");
}
