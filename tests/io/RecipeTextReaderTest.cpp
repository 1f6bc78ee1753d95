#include "io/RecipeTextReader.h"
#include "RecipeTextTestSupport.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Parts = std::vector<IngredientParts>;

std::vector<std::string> Titles(const CRecipeBook& book) {
    std::vector<std::string> titles;
    for (const CRecipe* recipe : AllRecipes(book)) {
        titles.push_back(recipe->Title());
    }
    return titles;
}

TEST(RecipeTextReader, ReadsMealMasterWithSectionsTwoColumnsAndMailAroundIt) {
    const auto read = ReadRecipeText(ReadFixture("textformats/mealmaster.mmf"));
    ASSERT_EQ(read.result.recipes, 2u);
    EXPECT_EQ(read.result.unplacedLines, 5u); // mail headers, greeting and signature
    const CRecipe& pie = *read.book->Recipes()[0];
    EXPECT_EQ(pie.Title(), "Apple Pie");
    EXPECT_EQ(pie.Keywords(), "Desserts; Pies");
    EXPECT_EQ(pie.Servings(), 8);
    EXPECT_EQ(IngredientsOf(pie), (Parts{{"2", "C", "Flour"},
                                         {"1", "t", "Salt"},
                                         {"1/2", "C", "Shortening"},
                                         {"5", "T", "Cold water"},
                                         {"", "", "FILLING"},
                                         {"6", "large", "Apples; peeled and sliced"},
                                         {"3/4", "C", "Sugar"},
                                         {"1", "t", "Cinnamon"}}));
    EXPECT_EQ(pie.Text(), "Mix the flour and salt; cut in the shortening until crumbly. Sprinkle\r\n"
                          "with the water and toss.\r\n\r\n"
                          "Fill the crust and bake at 425\xC2\xB0"
                          "F for 45 minutes.");

    const CRecipe& potatoes = *read.book->Recipes()[1];
    EXPECT_EQ(potatoes.Title(), "O'brien Potatoes");
    EXPECT_EQ(potatoes.Servings(), 4);
    EXPECT_EQ(
        IngredientsOf(potatoes),
        (Parts{{"4", "medium", "Potatoes, diced"}, {"1", "small", "Onion, chopped finely"}, {"2", "T", "Butter"}}));
    EXPECT_EQ(potatoes.Text(), "Fry everything until brown.");
}

TEST(RecipeTextReader, ReadsMasterCookHeaderFieldsTableAndNotes) {
    const auto read = ReadRecipeText(ReadFixture("textformats/mastercook.mxp"));
    ASSERT_EQ(read.result.recipes, 1u);
    EXPECT_EQ(read.result.unplacedLines, 0u);
    const CRecipe& cookies = *read.book->Recipes()[0];
    EXPECT_EQ(cookies.Title(), "Chocolate Chip Cookies");
    EXPECT_EQ(cookies.Servings(), 36);
    EXPECT_EQ(cookies.PrepTime(), "0:45");
    EXPECT_EQ(cookies.Keywords(), "Cookies; Desserts; Kids");
    EXPECT_EQ(IngredientsOf(cookies), (Parts{{"2-1/4", "C", "flour"},
                                             {"1", "t", "baking soda"},
                                             {"1", "C", "butter -- softened"},
                                             {"2", "C", "chocolate chips"}}));
    EXPECT_EQ(cookies.Text(), "Heat the oven to 375\xC2\xB0"
                              "F.  Beat the butter with the sugars.\r\n\r\n"
                              "Stir in the flour and the chips; MasterCook users can scale this.\r\n"
                              "Recipe By     : Grandma Rose");
    EXPECT_EQ(cookies.Comments(), "NOTES : Best warm.");
}

TEST(RecipeTextReader, ReadsNowYoureCookingExport) {
    const auto read = ReadRecipeText(ReadFixture("textformats/nowyourecooking.txt"));
    ASSERT_EQ(read.result.recipes, 1u);
    EXPECT_EQ(read.result.unplacedLines, 0u);
    const CRecipe& stew = *read.book->Recipes()[0];
    EXPECT_EQ(stew.Title(), "Beef Stew");
    EXPECT_EQ(stew.Keywords(), "main dish; beef");
    EXPECT_EQ(
        IngredientsOf(stew),
        (Parts{{"2", "lb", "beef chuck, cubed"}, {"3", "", "carrots, sliced"}, {"1", "can", "(14 oz) tomatoes"}}));
    EXPECT_EQ(stew.Text(), "Brown the beef. Add the rest and simmer for two hours.\r\n\r\nYield: 6 servings");
}

TEST(RecipeTextReader, ReadsOwnTextIntoBookChaptersAndRecipes) {
    const auto read = ReadRecipeText(ReadFixture("textformats/own.txt"));
    EXPECT_EQ(read.result.recipes, 2u);
    EXPECT_EQ(read.result.unplacedLines, 0u);
    EXPECT_EQ(read.book->Title(), "Family Favourites");
    EXPECT_EQ(read.book->Text(), "Recipes we cook every week.");
    ASSERT_EQ(read.book->Recipes().size(), 1u);
    const CRecipe& pancakes = *read.book->Recipes()[0];
    EXPECT_EQ(pancakes.Title(), "Pancakes");
    EXPECT_EQ(IngredientsOf(pancakes), (Parts{{"1-1/2", "C", "flour"}, {"2", "large", "eggs"}, {"", "", "salt"}}));
    EXPECT_EQ(pancakes.Text(), "Whisk everything together.\r\nFry in a hot pan.");
    ASSERT_EQ(read.book->Chapters().size(), 1u);
    const CRecipeChapter& soups = *read.book->Chapters()[0];
    EXPECT_EQ(soups.Title(), "Soups");
    EXPECT_EQ(soups.Text(), "Warm bowls.");
    ASSERT_EQ(soups.Recipes().size(), 1u);
    EXPECT_EQ(soups.Recipes()[0]->Title(), "Tomato Soup");
}

TEST(RecipeTextReader, ReadsMixedFormatsInFileOrder) {
    const auto read = ReadRecipeText(ReadFixture("textformats/mixed.txt"));
    EXPECT_EQ(Titles(*read.book), (std::vector<std::string>{"Lemon Bars", "Iced Tea", "Garlic Bread", "Plain Rice"}));
    EXPECT_EQ(read.result.recipes, 4u);
    EXPECT_EQ(read.result.unplacedLines, 3u); // greeting and signature
    const auto recipes = AllRecipes(*read.book);
    EXPECT_EQ(IngredientsOf(*recipes[1]), (Parts{{"4", "C", "water"}, {"2", "", "tea bags"}}));
    EXPECT_EQ(recipes[1]->Text(), "Steep and chill.");
    EXPECT_EQ(IngredientsOf(*recipes[2]), (Parts{{"1", "", "baguette"}, {"3", "cloves", "garlic"}}));
    EXPECT_EQ(recipes[3]->Text(), "Simmer covered for 18 minutes.");
}

TEST(RecipeTextReader, DecodesCodePagesAndCrLfOfOlderFiles) {
    for (const char* fixture : {"textformats/cp437-crlf.mmf", "textformats/windows1252-crlf.mxp"}) {
        const auto read = ReadRecipeText(ReadFixture(fixture));
        ASSERT_EQ(read.result.recipes, 1u) << fixture;
        const CRecipe& recipe = *read.book->Recipes()[0];
        EXPECT_EQ(recipe.Title(), "Cr\xC3\xA8me Br\xC3\xBBl\xC3\xA9"
                                  "e")
            << fixture;
        EXPECT_EQ(IngredientsOf(recipe), (Parts{{"1\xC2\xBD", "C", fixture[12] == 'c' ? "Cream" : "cream"}}))
            << fixture;
        EXPECT_EQ(recipe.Text(), "Bake at 300\xC2\xB0"
                                 "F.")
            << fixture;
        EXPECT_EQ(recipe.Servings(), 6) << fixture;
    }
}

struct BoundaryCase {
    const char* name;
    std::string text;
    std::vector<std::string> titles;
    std::string firstInstructions;
};

TEST(RecipeTextReader, StopsAtTheNextRecipesHeaderEvenWithoutBlankLines) {
    const std::string mealMaster = "MMMMM----- Recipe via Meal-Master (tm) v8.06\n"
                                   "      Title: One\n"
                                   "      1 c  Milk\n"
                                   "\n"
                                   "  Stir.\n";
    const std::vector<BoundaryCase> cases = {
        {"meal-master without closing line", mealMaster + mealMaster, {"One", "One"}, "Stir."},
        {"own text without blank lines", "RECIPE\nA\n\n  1 C milk\n\n\tStir.\nRECIPE\nB\n\n", {"A", "B"}, "Stir."},
        {"now you're cooking without footer",
         "@@@@@ Now You're Cooking!\n\nA\n\nx\n\n  1 c milk\n\nStir.\n@@@@@\n\nB\n",
         {"A", "B"},
         "Stir."},
        {"mastercook without hyphens",
         "* Exported from MasterCook *\n\nA\n\n  1 cup milk\n\nStir.\n* Exported from MasterCook *\n\nB\n",
         {"A", "B"},
         "Stir."},
        {"ingredients end at a header",
         "MMMMM----- Recipe via Meal-Master (tm) v8.06\n      Title: One\n      1 c  Milk\nRECIPE\nB\n",
         {"One", "B"},
         ""},
        {"closing line ends a recipe without instructions",
         "---------- Recipe via Meal-Master (tm) v8.02\n      Title: One\n      1 c  Milk\n-----\n",
         {"One"},
         ""},
    };
    for (const auto& c : cases) {
        const auto read = ReadRecipeText(c.text);
        EXPECT_EQ(Titles(*read.book), c.titles) << c.name;
        if (!read.book->Recipes().empty()) {
            EXPECT_EQ(read.book->Recipes()[0]->Text(), c.firstInstructions) << c.name;
        }
    }
}

TEST(RecipeTextReader, MealMasterSectionAfterBlankLineStaysInTheIngredientList) {
    const auto read = ReadRecipeText("---------- Recipe via Meal-Master (tm) v8.05\n\n"
                                     "      Title: Cake\n\n"
                                     "      2 c  Flour\n\n"
                                     "-----------------------------------FROSTING-----------------------\n"
                                     "      1 c  Sugar\n\n"
                                     "  Bake, then frost.\n\n-----\n");
    ASSERT_EQ(read.book->Recipes().size(), 1u);
    EXPECT_EQ(IngredientsOf(*read.book->Recipes()[0]),
              (Parts{{"2", "C", "Flour"}, {"", "", "FROSTING"}, {"1", "C", "Sugar"}}));
    EXPECT_EQ(read.book->Recipes()[0]->Text(), "Bake, then frost.");
}

TEST(RecipeTextReader, ReadsLinesOfAnyLengthWhole) {
    const std::string paragraph(5000, 'x');
    const auto read = ReadRecipeText("RECIPE\nLong\n\n  1 C milk\n\n\t" + paragraph + "\n\n\n");
    ASSERT_EQ(read.book->Recipes().size(), 1u);
    EXPECT_EQ(read.book->Recipes()[0]->Text(), paragraph);
}

TEST(RecipeTextReader, NamesAnUntitledRecipeAfterItsHeader) {
    const auto read = ReadRecipeText("MMMMM----- Recipe via Meal-Master (tm) v8.06\n\n      1 c  Milk\n\nMMMMM\n");
    ASSERT_EQ(read.book->Recipes().size(), 1u);
    EXPECT_EQ(read.book->Recipes()[0]->Title(), "MMMMM----- Recipe via Meal-Master (tm) v8.06");
}

TEST(RecipeTextReader, MealMasterExportOfNowYoureCookingIsReadAsMealMaster) {
    const auto read = ReadRecipeText("MMMMM----- Now You're Cooking! v4.22 [Meal-Master Export Format]\n\n"
                                     "      Title: TOAST\n Categories: breakfast\n      Yield: 2 servings\n\n"
                                     "      2    slices bread\n\n  Toast.\n\nMMMMM\n");
    ASSERT_EQ(read.book->Recipes().size(), 1u);
    EXPECT_EQ(read.book->Recipes()[0]->Title(), "Toast");
    EXPECT_EQ(read.book->Recipes()[0]->Servings(), 2);
    EXPECT_EQ(read.book->Recipes()[0]->Text(), "Toast.");
}

TEST(RecipeTextReader, TitleCaseRaisesEveryWordAndLowersTheRest) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"CHOCOLATE CHIP COOKIES", "Chocolate Chip Cookies"},
        {"o'brien potatoes", "O'brien Potatoes"},
        {"  mIXed CASE  ", "Mixed Case"},
        {"", ""},
        {"cr\xC3\xA8me BR\xC3\xBBL\xC3\xA9"
         "E",
         "Cr\xC3\xA8me Br\xC3\xBBl\xC3\xA9"
         "e"},
    };
    for (const auto& [title, cased] : cases) {
        EXPECT_EQ(RecipeTextReader::TitleCase(title), cased) << title;
    }
}

TEST(RecipeTextReader, MasterCookCategoryColumnsBecomeKeywords) {
    const auto read = ReadRecipeText("* Exported from MasterCook *\n\nX\n\n"
                                     "Categories    : Main Dish        Beef      Slow Cooker\n"
                                     "                Winter\n\n"
                                     "       1  pound         beef\n");
    ASSERT_EQ(read.book->Recipes().size(), 1u);
    EXPECT_EQ(read.book->Recipes()[0]->Keywords(), "Main Dish; Beef; Slow Cooker; Winter");
    EXPECT_EQ(IngredientsOf(*read.book->Recipes()[0]), (Parts{{"1", "lb", "beef"}}));
}

} // namespace
