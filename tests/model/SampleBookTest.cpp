#include "model/RecipeBookFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

// The sample book that ships in data/samples is written from here, so its
// bytes always match what this program writes. Run the test with
// SB_WRITE_SAMPLES=1 to write it after changing the recipes.
namespace {

struct SampleLine {
    const char* amount;
    const char* unit;
    const char* description;
};

struct SampleRecipe {
    const char* title;
    int servings;
    const char* prepTime;
    const char* keywords;
    std::vector<SampleLine> lines;
    const char* instructions;
    const char* comments;
};

void AddRecipe(CRecipeChapter& chapter, const SampleRecipe& sample) {
    auto recipe = std::make_unique<CRecipe>();
    recipe->SetTitle(sample.title);
    recipe->SetServings(sample.servings);
    recipe->SetPrepTime(sample.prepTime);
    recipe->SetKeywords(sample.keywords);
    recipe->SetText(sample.instructions);
    recipe->SetComments(sample.comments);
    for (const SampleLine& line : sample.lines) {
        recipe->AppendIngredient(std::make_unique<CIngredient>(line.amount, line.unit, line.description));
    }
    chapter.AddRecipe(std::move(recipe));
}

std::unique_ptr<CRecipeBook> SampleBook() {
    auto book = std::make_unique<CRecipeBook>(1700000000);
    book->SetTitle("Savorbridge Sample Recipes");
    book->SetText("A few everyday recipes to explore the program with. Open a recipe to see its page, or add "
                  "it to the shopping list.");

    auto breakfast = std::make_unique<CRecipeChapter>();
    breakfast->SetTitle("Breakfast");
    breakfast->SetText("Quick things for slow mornings.");
    AddRecipe(*breakfast, {"Buttermilk Pancakes", 4, "25 minutes", "pancakes breakfast griddle",
                           {{"2", "cup", "flour"},
                            {"2", "T", "sugar"},
                            {"2", "t", "baking powder"},
                            {"\u00BD", "t", "salt"},
                            {"2", "cup", "buttermilk"},
                            {"2", "", "eggs"},
                            {"3", "T", "butter -- melted"}},
                           "Whisk the dry ingredients together. Beat the buttermilk, eggs and butter, pour into "
                           "the flour and stir just until combined; a few lumps are fine.\r\n\r\nCook "
                           "\u00BC-cup portions on a hot greased griddle until bubbles form, turn once.",
                           "Rest the batter for five minutes for lighter pancakes."});
    AddRecipe(*breakfast, {"Overnight Oats", 2, "5 minutes plus overnight", "oats make-ahead",
                           {{"1", "cup", "rolled oats"},
                            {"1", "cup", "milk"},
                            {"\u00BD", "cup", "plain yogurt"},
                            {"1", "T", "honey"},
                            {"1", "cup", "berries -- fresh or frozen"}},
                           "Stir oats, milk, yogurt and honey in a jar. Cover and chill overnight. Top with "
                           "the berries before serving.",
                           ""});
    book->AddChapter(std::move(breakfast));

    auto suppers = std::make_unique<CRecipeChapter>();
    suppers->SetTitle("Suppers");
    suppers->SetText("Weeknight dinners in under an hour.");
    AddRecipe(*suppers, {"Tomato Lentil Soup", 6, "45 minutes", "soup lentils vegetarian",
                         {{"2", "T", "olive oil"},
                          {"1", "", "onion -- chopped"},
                          {"2", "", "carrots -- diced"},
                          {"2", "", "garlic cloves -- minced"},
                          {"1", "cup", "red lentils -- rinsed"},
                          {"28", "oz", "crushed tomatoes"},
                          {"5", "cup", "vegetable stock"},
                          {"1", "t", "ground cumin"}},
                         "Soften the onion and carrots in the oil, add the garlic and cumin for a minute, then "
                         "the lentils, tomatoes and stock. Simmer 25 minutes until the lentils fall apart. "
                         "Season and blend partly if you like it thicker.",
                         "Freezes well for up to three months."});
    AddRecipe(*suppers, {"Lemon Herb Chicken", 4, "1 hour", "chicken roast",
                         {{"4", "", "chicken thighs"},
                          {"1", "", "lemon -- zest and juice"},
                          {"2", "T", "olive oil"},
                          {"1", "T", "fresh thyme -- chopped"},
                          {"1-1/2", "lb", "small potatoes -- halved"}},
                         "Toss everything in a roasting pan with salt and pepper. Roast at 425\u00B0F for 45 "
                         "minutes, turning the potatoes once, until the chicken is golden.",
                         ""});
    AddRecipe(*suppers, {"Garlic Green Beans", 4, "15 minutes", "vegetables side",
                         {{"1", "lb", "green beans -- trimmed"},
                          {"1", "T", "butter"},
                          {"2", "", "garlic cloves -- sliced"}},
                         "Blanch the beans for three minutes, drain, then toss in the butter with the garlic "
                         "until fragrant.",
                         "A side for the chicken."});
    book->AddChapter(std::move(suppers));
    book->Chapters()[1]->Recipes()[0]->SetFavourite(true, true);
    return book;
}

std::filesystem::path SamplePath() {
    return std::filesystem::path(__FILE__).parent_path() / "../../data/samples/sample.rcp";
}

} // namespace

TEST(SampleBook, ShippedSampleMatchesTheBookWrittenHere) {
    const auto book = SampleBook();
    const std::string bytes = RecipeBookFile::ToBytes(*book, {});
    if (std::getenv("SB_WRITE_SAMPLES") != nullptr) {
        std::ofstream(SamplePath(), std::ios::binary) << bytes;
    }
    std::ifstream in(SamplePath(), std::ios::binary);
    const std::string shipped{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(shipped, bytes);
    const auto loaded = RecipeBookFile::Load(SamplePath(), {});
    EXPECT_EQ(loaded.book->Chapters().size(), 2u);
    EXPECT_FALSE(loaded.book->LoadError());
}
