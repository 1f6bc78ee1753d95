#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>

namespace {

struct FoodsRun {
    int exitCode = -1;
    std::string stdoutText;
};

// Runs savorbridge-cli with the shipped data of the source tree; stderr is dropped.
FoodsRun Foods(const std::string& arguments) {
    const auto shipped = std::filesystem::path(SB_TEST_DATA_DIR).parent_path().parent_path() / "data";
    const std::string command =
        std::string(SB_CLI_PATH) + " foods --folder '" + shipped.string() + "' " + arguments + " 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    FoodsRun run;
    char chunk[4096];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) {
        run.stdoutText.append(chunk, n);
    }
    run.exitCode = WEXITSTATUS(::pclose(pipe));
    return run;
}

} // namespace

TEST(FoodsCommand, PrintsMatchingItemsWithTheirLoadedNutrients) {
    const FoodsRun run = Foods("--all cheddar cheese");
    ASSERT_EQ(run.exitCode, 0);
    const auto answer = nlohmann::json::parse(run.stdoutText);
    EXPECT_EQ(answer["allWords"], true);
    ASSERT_GT(answer["count"].get<int>(), 0);
    const auto& first = answer["items"][0];
    EXPECT_EQ(first["id"], 1009);
    EXPECT_EQ(first["description"], "Cheese, cheddar");
    EXPECT_EQ(first["subGroup"], "Cheese");
    EXPECT_EQ(first["nutrients"][0]["name"], "Calories");
    EXPECT_EQ(first["nutrients"][0]["value"], 403.0);
    for (const auto& nutrient : first["nutrients"]) {
        EXPECT_NE(nutrient["name"], "Water"); // not loaded
    }
}

TEST(FoodsCommand, AnyWordFindsMoreThanAllWords) {
    const auto any = nlohmann::json::parse(Foods("cheddar zucchini").stdoutText);
    const auto all = nlohmann::json::parse(Foods("--all cheddar zucchini").stdoutText);
    EXPECT_GT(any["count"].get<int>(), 0);
    EXPECT_EQ(all["count"], 0);
}

TEST(FoodsCommand, RefusesBadUseAndAMissingDatabase) {
    EXPECT_EQ(Foods("").exitCode, 2);
    EXPECT_EQ(Foods("--bogus cheese").exitCode, 2);
    const std::string command = std::string(SB_CLI_PATH) + " foods --folder /nonexistent cheese >/dev/null 2>&1";
    EXPECT_EQ(WEXITSTATUS(std::system(command.c_str())), 1);
}
