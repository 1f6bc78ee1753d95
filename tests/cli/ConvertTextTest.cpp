#include "cli/CliRun.h"
#include "model/RecipeBookFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

std::string Quote(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::string> TopLevelTitles(const std::filesystem::path& path) {
    const auto loaded = RecipeBookFile::Load(path, {});
    std::vector<std::string> titles;
    for (const auto& recipe : loaded.book->Recipes()) {
        titles.push_back(recipe->Title());
    }
    return titles;
}

TEST(ConvertText, ReadsEveryRecipeOfATextFileIntoANewBookInFileOrder) {
    TempDir dir;
    const auto result =
        RunCli("convert " + Quote(FixturePath("textformats/mixed.txt")) + " " + Quote(dir / "mixed.rcp"));
    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_NE(result.output.find("Read 4 recipes"), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("3 lines not placed"), std::string::npos) << result.output;
    EXPECT_EQ(TopLevelTitles(dir / "mixed.rcp"),
              (std::vector<std::string>{"Lemon Bars", "Iced Tea", "Garlic Bread", "Plain Rice"}));
}

TEST(ConvertText, BookWrittenAsTextConvertsBackToTheSameRecipes) {
    TempDir dir;
    ASSERT_EQ(
        RunCli("convert " + Quote(FixturePath("textformats/mealmaster.mmf")) + " " + Quote(dir / "pies.rcp")).exitCode,
        0);
    const auto written = RunCli("convert " + Quote(dir / "pies.rcp") + " " + Quote(dir / "pies.txt"));
    ASSERT_EQ(written.exitCode, 0) << written.output;
    EXPECT_TRUE(ReadAll(dir / "pies.txt").starts_with("BOOK\nmealmaster\n\n"));
    ASSERT_EQ(RunCli("convert " + Quote(dir / "pies.txt") + " " + Quote(dir / "again.rcp")).exitCode, 0);

    const auto first = RecipeBookFile::Load(dir / "pies.rcp", {});
    const auto again = RecipeBookFile::Load(dir / "again.rcp", {});
    ASSERT_EQ(again.book->Recipes().size(), first.book->Recipes().size());
    for (std::size_t i = 0; i < first.book->Recipes().size(); ++i) {
        const CRecipe& a = *first.book->Recipes()[i];
        const CRecipe& b = *again.book->Recipes()[i];
        EXPECT_EQ(b.Title(), a.Title());
        EXPECT_EQ(b.Text(), a.Text());
        ASSERT_EQ(b.Ingredients().size(), a.Ingredients().size());
        for (std::size_t k = 0; k < a.Ingredients().size(); ++k) {
            EXPECT_EQ(b.Ingredients()[k]->Amount(), a.Ingredients()[k]->Amount());
            EXPECT_EQ(b.Ingredients()[k]->Unit(), a.Ingredients()[k]->Unit());
            EXPECT_EQ(b.Ingredients()[k]->Description(), a.Ingredients()[k]->Description());
        }
    }
}

TEST(ConvertText, MissingTextFileFailsWithOneLine) {
    TempDir dir;
    const auto result = RunCli("convert " + Quote(dir / "missing.mmf") + " " + Quote(dir / "out.rcp"));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(std::count(result.output.begin(), result.output.end(), '\n'), 1) << result.output;
    EXPECT_FALSE(std::filesystem::exists(dir / "out.rcp"));
}

} // namespace
