#include "CliRun.h"
#include "model/CRecipe.h"
#include "model/CRecipeBook.h"
#include "model/RecipeBookFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>

namespace {

const std::filesystem::path kShipped = std::filesystem::path(SB_TEST_DATA_DIR).parent_path().parent_path() / "data";

// A cheese sauce of 4 servings (one line linked to a food that does not
// exist) and an unlinked salad.
std::filesystem::path WriteBook(const TempDir& dir) {
    CRecipeBook book(0x1234);
    auto sauce = std::make_unique<CRecipe>();
    sauce->SetTitle("Cheese Sauce");
    sauce->SetServings(4);
    sauce->AppendIngredient(std::make_unique<CIngredient>("1", "cup", "cheddar, diced", 1009));
    sauce->AppendIngredient(std::make_unique<CIngredient>("1", "pinch", "stardust", 999999));
    book.AddRecipe(std::move(sauce));
    auto salad = std::make_unique<CRecipe>();
    salad->SetTitle("Salad");
    salad->AppendIngredient(std::make_unique<CIngredient>("1", "head", "lettuce"));
    book.AddRecipe(std::move(salad));
    return dir.Write("book.rcp", RecipeBookFile::ToBytes(book, {}));
}

std::string Nutrition(const std::filesystem::path& book, const std::string& rest) {
    return "nutrition --folder '" + kShipped.string() + "' '" + book.string() + "' " + rest;
}

} // namespace

TEST(NutritionCommand, PrintsTotalsPerRecipeAndPerServing) {
    const TempDir dir;
    const auto book = WriteBook(dir);
    const CliResult run = RunCli(Nutrition(book, "'Cheese Sauce'") + " 2>/dev/null");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const auto answer = nlohmann::json::parse(run.output);
    ASSERT_EQ(answer.size(), 1u);
    const auto& sauce = answer[0];
    EXPECT_EQ(sauce["title"], "Cheese Sauce");
    EXPECT_EQ(sauce["errorBits"], 2);
    const auto& calories = sauce["nutrients"][0];
    EXPECT_EQ(calories["id"], 1);
    EXPECT_EQ(calories["name"], "Calories");
    EXPECT_EQ(calories["unit"], "kcal");
    EXPECT_DOUBLE_EQ(calories["perRecipe"].get<double>(), 403 * 1.32);
    EXPECT_DOUBLE_EQ(calories["perServing"].get<double>(), 403 * 1.32 / 4);

    const auto byId = nlohmann::json::parse(RunCli(Nutrition(book, sauce["id"].get<std::string>())).output);
    EXPECT_EQ(byId[0]["title"], "Cheese Sauce");
}

TEST(NutritionCommand, CoversEveryRecipeWithoutAReference) {
    const TempDir dir;
    const auto answer = nlohmann::json::parse(RunCli(Nutrition(WriteBook(dir), "")).output);
    ASSERT_EQ(answer.size(), 2u);
    EXPECT_EQ(answer[1]["title"], "Salad");
    EXPECT_TRUE(answer[1]["nutrients"].empty());
    EXPECT_EQ(answer[1]["errorBits"], 0);
}

TEST(NutritionCommand, RefusesBadUse) {
    const TempDir dir;
    const auto book = WriteBook(dir);
    EXPECT_EQ(RunCli("nutrition").exitCode, 2);
    EXPECT_EQ(RunCli(Nutrition(book, "--bogus")).exitCode, 2);
    EXPECT_EQ(RunCli(Nutrition(book, "'No Such Recipe'")).exitCode, 1);
    EXPECT_EQ(RunCli(Nutrition(dir / "missing.rcp", "")).exitCode, 1);
    EXPECT_EQ(RunCli("nutrition --folder /nonexistent '" + book.string() + "'").exitCode, 1);
}
