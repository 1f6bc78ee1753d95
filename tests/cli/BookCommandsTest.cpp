#include "cli/CliRun.h"
#include "model/RecipeBookFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

namespace {

std::filesystem::path WriteBook(const TempDir& dir) {
    CRecipeBook book(0x1234);
    book.SetTitle("Test \u00C9dition");
    auto chapter = std::make_unique<CRecipeChapter>();
    chapter->SetTitle("Cakes");
    auto recipe = std::make_unique<CRecipe>();
    recipe->SetTitle("Sponge");
    recipe->SetServings(8);
    recipe->AppendIngredient(std::make_unique<CIngredient>("\u00BE", "cup", "sugar", 19335));
    chapter->AddRecipe(std::move(recipe));
    book.AddChapter(std::move(chapter));
    book.AddRecipe(std::make_unique<CRecipe>());
    const auto path = dir / "test.rcp";
    RecipeBookFile::Save(book, path, {});
    return path;
}

std::string Quote(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace

TEST(BookCommands, InfoCountsTheBook) {
    TempDir dir;
    const auto result = RunCli("info " + Quote(WriteBook(dir)));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.output.find("version: 400\nchapters: 1\nrecipes: 2\ningredients: 1\nmodified: no\nload error: no"),
              std::string::npos)
        << result.output;
}

TEST(BookCommands, DumpPrintsEveryNodeAsJson) {
    TempDir dir;
    const auto result = RunCli("dump " + Quote(WriteBook(dir)));
    ASSERT_EQ(result.exitCode, 0);
    const auto json = nlohmann::json::parse(result.output);
    EXPECT_EQ(json["file_version"], 400);
    EXPECT_EQ(json["load_error"], false);
    const auto& book = json["book"];
    EXPECT_EQ(book["kind"], "book");
    EXPECT_EQ(book["id"], 0x1234);
    EXPECT_EQ(book["title"], "Test \u00C9dition");
    EXPECT_EQ(book["id_counter"], 3);
    const auto& recipe = book["chapters"][0]["recipes"][0];
    EXPECT_EQ(recipe["kind"], "recipe");
    EXPECT_EQ(recipe["servings"], 8);
    EXPECT_EQ(recipe["sync"], nlohmann::json::array({1, 0}));
    EXPECT_EQ(recipe["ingredients"][0],
              nlohmann::json({{"amount", "\u00BE"}, {"unit", "cup"}, {"description", "sugar"}, {"link", 19335}}));
}

TEST(BookCommands, ConvertedBookDumpsTheSameAndRewritesToTheSameBytes) {
    TempDir dir;
    const auto original = WriteBook(dir);
    ASSERT_EQ(RunCli("convert " + Quote(original) + " " + Quote(dir / "once.rcp")).exitCode, 0);
    ASSERT_EQ(RunCli("convert " + Quote(dir / "once.rcp") + " " + Quote(dir / "twice.rcp")).exitCode, 0);
    EXPECT_EQ(RunCli("dump " + Quote(original)).output, RunCli("dump " + Quote(dir / "once.rcp")).output);
    EXPECT_EQ(ReadAll(dir / "once.rcp"), ReadAll(original));
    EXPECT_EQ(ReadAll(dir / "twice.rcp"), ReadAll(original));
}

TEST(BookCommands, UnreadableFilesExitNonZeroWithOneLine) {
    TempDir dir;
    const auto text = dir.Write("plain.rcp", "not a book");
    for (const std::string& command : {"info " + Quote(text), "dump " + Quote(dir / "missing.rcp"),
                                       "convert " + Quote(text) + " " + Quote(dir / "out.rcp")}) {
        const auto result = RunCli(command);
        EXPECT_EQ(result.exitCode, 1) << command;
        EXPECT_EQ(std::count(result.output.begin(), result.output.end(), '\n'), 1) << result.output;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "out.rcp"));
    EXPECT_EQ(RunCli("dump").exitCode, 2);
}
