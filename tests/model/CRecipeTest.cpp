#include "model/CRecipe.h"

#include "model/ArchiveReader.h"
#include "model/ArchiveWriter.h"
#include "model/CRecipeBook.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string StoreRecipes(const std::vector<const CRecipe*>& recipes, bool storeCache) {
    ArchiveWriter writer({storeCache});
    for (const CRecipe* recipe : recipes) {
        writer.WriteObject(recipe);
    }
    return writer.TakeBytes();
}

std::vector<std::unique_ptr<CRecipe>> LoadRecipes(const std::string& bytes, std::size_t count) {
    std::istringstream in(bytes);
    ArchiveReader reader(in);
    reader.Register(CRecipe::s_class);
    reader.Register(CIngredient::s_class);
    std::vector<std::unique_ptr<CRecipe>> recipes;
    for (std::size_t i = 0; i < count; ++i) {
        recipes.push_back(reader.ReadNew<CRecipe>(CRecipe::s_class));
    }
    return recipes;
}

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace

TEST(CRecipe, TouchesTheCountersOnlyForRealChanges) {
    CRecipe recipe;
    recipe.SetTitle("Recipe");
    EXPECT_EQ(recipe.Sync().current, 0u);
    recipe.SetTitle("Bread");
    recipe.SetTitle("Rye bread");
    recipe.SetComments("Good toasted");
    EXPECT_EQ(recipe.Sync().current, 1u);
    recipe.SetFavourite(true, true);
    recipe.Sync().MarkSynchronised();
    recipe.SetFavourite(false, false);
    EXPECT_TRUE(recipe.Sync().Changed());
}

TEST(CRecipe, NamesItselfByBookAndRecipeId) {
    CRecipeBook book(0x0012D687);
    auto chapter = std::make_unique<CRecipeChapter>();
    chapter->AddRecipe(std::make_unique<CRecipe>());
    CRecipeChapter& added = book.AddChapter(std::move(chapter));
    for (int i = 0; i < 5; ++i) {
        book.AddRecipe(std::make_unique<CRecipe>());
    }
    EXPECT_EQ(book.ObjectId(), "Bok0012d687_0");
    EXPECT_EQ(added.ObjectId(), "Chp0012d687_00000001");
    EXPECT_EQ(book.Recipes()[4]->ObjectId(), "Rec0012d687_00000007");
    EXPECT_EQ(added.Title(), "Chapter");
    EXPECT_EQ(book.Recipes()[0]->Title(), "Recipe");
}

TEST(CRecipe, StoresServingsAndPreparationTimeInOneText) {
    struct Case {
        int servings;
        std::string prepTime;
        std::string stored;
    };
    const Case cases[] = {{0, "", "0 "}, {4, "1 hour 20 minutes", "4 1 hour 20 minutes"}};
    for (const Case& c : cases) {
        CRecipe recipe;
        recipe.SetServings(c.servings);
        recipe.SetPrepTime(c.prepTime);
        const std::string bytes = StoreRecipes({&recipe}, false);
        EXPECT_NE(bytes.find(static_cast<char>(c.stored.size()) + c.stored), std::string::npos) << c.stored;
        const auto read = LoadRecipes(bytes, 1);
        EXPECT_EQ(read[0]->Servings(), c.servings);
        EXPECT_EQ(read[0]->PrepTime(), c.prepTime);
    }
}

TEST(CRecipe, StoresTheNutrientCacheOnlyWhenAsked) {
    CRecipe cached;
    cached.Nutrients().Set({3, 120.5, ""});
    cached.Nutrients().Set({104, 2.0, "Points"});
    CRecipe next;
    next.SetTitle("Next");
    for (const bool storeCache : {false, true}) {
        const auto read = LoadRecipes(StoreRecipes({&cached, &next}, storeCache), 2);
        ASSERT_NE(read[1], nullptr);
        EXPECT_EQ(read[1]->Title(), "Next");
        EXPECT_FALSE(read[1]->LoadError());
        ASSERT_EQ(read[0]->Nutrients().Entries().size(), storeCache ? 2u : 0u);
        if (storeCache) {
            EXPECT_EQ(read[0]->Nutrients().Entries()[1].equationName, "Points");
        }
    }
}

TEST(CRecipe, EmbedsPicturesAndDropsEmptyOnes) {
    TempDir dir;
    const std::string big(4096 * 2 + 10, 'p');
    CRecipe recipe;
    recipe.SetPictures({dir.Write("big.jpg", big).string(), dir.Write("empty.png", "").string(),
                        dir.Write("plain", "xyz").string(), (dir / "missing.gif").string()},
                       {true, true, true, false});
    const std::string bytes = StoreRecipes({&recipe}, false);
    EXPECT_NE(bytes.find(std::string("\x06"
                                     "1 .jpg\x00\x10",
                                     9)),
              std::string::npos);
    std::string readPath;
    {
        const auto read = LoadRecipes(bytes, 1);
        const auto& pictures = read[0]->Pictures();
        ASSERT_EQ(pictures.size(), 2u);
        readPath = pictures[0].Path();
        EXPECT_TRUE(pictures[0].Temporary());
        EXPECT_TRUE(readPath.ends_with(".jpg"));
        EXPECT_EQ(ReadWholeFile(readPath), big);
        EXPECT_EQ(std::filesystem::path(pictures[1].Path()).extension(), "");
        EXPECT_EQ(ReadWholeFile(pictures[1].Path()), "xyz");
    }
    EXPECT_FALSE(std::filesystem::exists(readPath));
}

TEST(CRecipe, KeepsAStoredExtensionFromNamingAnotherFolder) {
    ArchiveWriter writer;
    writer.WriteString("1 /../../evil");
    writer.WriteShort(1);
    writer.WriteRaw("x");
    writer.WriteShort(0);
    TempDir dir;
    std::istringstream in(writer.Bytes());
    ArchiveReader reader(in);
    const auto picture = RecipeImage::Load(reader, dir.Path());
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(std::filesystem::path(picture->Path()).parent_path(), dir.Path());
    EXPECT_EQ(std::filesystem::path(picture->Path()).extension(), "");
}

TEST(CRecipe, ReplacesThePictureListKeepingKnownEntries) {
    CRecipe recipe;
    recipe.SetPictures({"/a.jpg", "/b.jpg"}, {true, true});
    recipe.SetPictures({"/b.jpg", "/c.jpg"}, {false, true});
    const std::vector<std::pair<std::string, bool>> expected{{"/b.jpg", false}, {"/c.jpg", true}};
    EXPECT_EQ(recipe.PictureList(), expected);
    EXPECT_EQ(recipe.ShownPicturePaths(), std::vector<std::string>{"/c.jpg"});
}

TEST(CRecipe, MergesKeepingBothWithOneSeparator) {
    CRecipeBook book(1);
    CRecipe& own = book.AddRecipe(std::make_unique<CRecipe>());
    own.SetTitle("Chili");
    own.SetComments("Hot");
    own.AppendIngredient(std::make_unique<CIngredient>("1", "lb", "beef -- ground"));
    for (int round = 0; round < 2; ++round) {
        CRecipeBook other(2);
        CRecipe& partner = other.AddRecipe(std::make_unique<CRecipe>());
        partner.SetTitle("CHILI");
        partner.SetComments(round == 0 ? "Mild" : "Smoky");
        partner.AppendIngredient(std::make_unique<CIngredient>("1", "LB", "Beef -- lean"));
        partner.AppendIngredient(std::make_unique<CIngredient>("2", "", round == 0 ? "onions" : "peppers"));
        partner.SetFavourite(true, true);
        own.LinkPartner(partner);
        own.MergeFromPartner(MergeMode::KeepBoth);
        EXPECT_EQ(own.MergePartner(), nullptr);
        EXPECT_EQ(partner.MergePartner(), nullptr);
    }
    std::vector<std::string> descriptions;
    for (const auto& line : own.Ingredients()) {
        descriptions.push_back(line->Description());
    }
    EXPECT_EQ(descriptions, (std::vector<std::string>{"beef -- ground", "=== MERGED INFO ===", "onions", "peppers"}));
    EXPECT_EQ(own.Title(), "Chili");
    EXPECT_EQ(own.Comments(), "Hot\r\n\r\n=== MERGED INFO ===\r\n\r\nMild\r\n\r\n=== MERGED INFO ===\r\n\r\nSmoky");
    EXPECT_TRUE(own.Favourite());
    EXPECT_EQ(book.Favourites().size(), 1u);
    EXPECT_FALSE(own.Sync().Changed());
}

TEST(CRecipe, MergingAnIdenticalPartnerChangesOnlyTheCounters) {
    CRecipe own;
    own.SetTitle("Soup");
    own.SetText("Simmer.");
    own.AppendIngredient(std::make_unique<CIngredient>("2", "cup", "stock"));
    CRecipe partner;
    partner.SetTitle("SOUP");
    partner.SetText("simmer.");
    partner.AppendIngredient(std::make_unique<CIngredient>("2", "Cup", "Stock"));
    partner.Sync() = {6, 2};
    own.LinkPartner(partner);
    own.MergeFromPartner(MergeMode::KeepBoth);
    EXPECT_EQ(own.Title(), "Soup");
    EXPECT_EQ(own.Text(), "Simmer.");
    EXPECT_EQ(own.Ingredients().size(), 1u);
    EXPECT_FALSE(own.Merged());
}

TEST(CRecipe, MergeInReplaceModeTakesThePartnersLinesAndPlace) {
    CRecipeBook book(1);
    auto soups = std::make_unique<CRecipeChapter>();
    CRecipeChapter& chapter = book.AddChapter(std::move(soups));
    CRecipe& own = book.AddRecipe(std::make_unique<CRecipe>());
    own.AppendIngredient(std::make_unique<CIngredient>("1", "", "old"));

    CRecipeBook other(2);
    auto partnerChapter = std::make_unique<CRecipeChapter>();
    partnerChapter->SetId(chapter.Id());
    CRecipeChapter& theirs = other.AddChapter(std::move(partnerChapter));
    theirs.SetId(chapter.Id());
    CRecipe& partner = theirs.AddRecipe(std::make_unique<CRecipe>());
    partner.SetTitle("New title");
    partner.AppendIngredient(std::make_unique<CIngredient>("3", "", "new"));
    own.LinkPartner(partner);
    own.MergeFromPartner(MergeMode::Replace);

    EXPECT_EQ(own.Title(), "New title");
    ASSERT_EQ(own.Ingredients().size(), 1u);
    EXPECT_EQ(own.Ingredients()[0]->Description(), "new");
    EXPECT_EQ(own.Ingredients()[0]->Owner(), &own);
    EXPECT_TRUE(book.Recipes().empty());
    ASSERT_EQ(chapter.Recipes().size(), 1u);
    EXPECT_EQ(chapter.Recipes()[0].get(), &own);
}

TEST(CRecipe, MovingAFavouriteToAnotherBookMovesItsEntry) {
    CRecipeBook first(1);
    CRecipeBook second(2);
    CRecipe& recipe = first.AddRecipe(std::make_unique<CRecipe>());
    recipe.SetFavourite(true, false);
    CRecipe& moved = second.AddRecipe(first.RemoveRecipe(recipe));
    EXPECT_TRUE(first.Favourites().empty());
    ASSERT_EQ(second.Favourites().size(), 1u);
    EXPECT_EQ(second.Favourites()[0], &moved);
    second.RemoveRecipe(moved).reset();
    EXPECT_TRUE(second.Favourites().empty());
}

TEST(CRecipeBook, MergesTitlesDifferingOnlyInCaseIntoOne) {
    CRecipeBook own(1);
    own.SetTitle("Holiday Baking");
    CRecipeBook partner(2);
    partner.SetTitle("holiday baking");
    partner.SetText("Cookies");
    own.LinkPartner(partner);
    own.MergeFromPartner(MergeMode::KeepBoth);
    EXPECT_EQ(own.Title(), "Holiday Baking");
    EXPECT_EQ(own.Text(), "Cookies");
    own.SetTitle("Other");
    own.MergeFromPartner(MergeMode::Replace);
    EXPECT_EQ(own.Title(), "Other");
}
