#include "app/IngredientNames.h"

#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>

TEST(IngredientNamesTest, ReadsTrimmedNamesAndSkipsEmptyLines) {
    TempDir dir;
    const auto path = dir.Path() / IngredientNames::kFileName;
    std::ofstream(path) << "  flour \r\n\n\t\nbrown sugar\n";
    EXPECT_EQ(IngredientNames::Load(path), (std::vector<std::string>{"flour", "brown sugar"}));
}

TEST(IngredientNamesTest, FallsBackToTheBuiltInNames) {
    TempDir dir;
    const auto empty = dir.Path() / "empty.txt";
    std::ofstream(empty) << "\n  \n";
    for (const auto& path : {dir.Path() / "missing.txt", empty}) {
        const auto names = IngredientNames::Load(path);
        ASSERT_EQ(names.size(), 17U);
        EXPECT_EQ(names.front(), "butter");
        EXPECT_EQ(names.back(), "yeast");
    }
}

TEST(IngredientNamesTest, WritesWhatItReadsBack) {
    TempDir dir;
    const auto path = dir.Path() / IngredientNames::kFileName;
    ASSERT_TRUE(IngredientNames::Save(path, {"leek", "fennel"}));
    EXPECT_EQ(IngredientNames::Load(path), (std::vector<std::string>{"leek", "fennel"}));
    EXPECT_FALSE(IngredientNames::Save(dir.Path() / "no" / "such" / "file.txt", {"leek"}));
}

TEST(IngredientNamesTest, TheShippedListNamesHundredsOfIngredients) {
    const auto names = IngredientNames::Load(std::filesystem::path(SB_SHIPPED_DATA_DIR) / IngredientNames::kFileName);
    EXPECT_GT(names.size(), 200U);
}

TEST(IngredientNamesTest, AddsOnlyTheNewNameOfADescription) {
    struct Case {
        const char* description;
        bool added;
        const char* last;
    };
    const Case cases[] = {
        {"leeks -- sliced thin", true, "leeks"}, {"  Flour ", false, "fennel"},    {"", false, "fennel"},
        {" -- chopped", false, "fennel"},        {"Pine nuts", true, "Pine nuts"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> names = {"flour", "fennel"};
        EXPECT_EQ(IngredientNames::AddName(names, c.description), c.added) << c.description;
        EXPECT_EQ(names.back(), c.last) << c.description;
    }
}

TEST(IngredientNamesTest, TheUsersCopyWinsAndAddedNamesGoToTheDataFolder) {
    TempDir program;
    TempDir data;
    EXPECT_EQ(IngredientNames::FileToRead(program.Path(), data.Path()), program.Path() / IngredientNames::kFileName);
    std::ofstream(data.Path() / IngredientNames::kFileName) << "leek\n";
    EXPECT_EQ(IngredientNames::FileToRead(program.Path(), data.Path()), data.Path() / IngredientNames::kFileName);
    EXPECT_EQ(IngredientNames::FileToWrite(program.Path(), data.Path()), data.Path() / IngredientNames::kFileName);
    EXPECT_EQ(IngredientNames::FileToWrite(program.Path(), {}), program.Path() / IngredientNames::kFileName);
}
