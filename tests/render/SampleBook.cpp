#include "SampleBook.h"

#include "model/CRecipe.h"
#include "model/CRecipeChapter.h"
#include "platform/AtomicFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

CRecipe& AddRecipe(CRecipeChapter& chapter, const std::string& title) {
    auto recipe = std::make_unique<CRecipe>();
    recipe->SetTitle(title);
    return chapter.AddRecipe(std::move(recipe));
}

void AddIngredient(CRecipe& recipe, const std::string& amount, const std::string& unit,
                   const std::string& description) {
    recipe.AppendIngredient(std::make_unique<CIngredient>(amount, unit, description));
}

} // namespace

SampleBook::SampleBook() : book(std::make_unique<CRecipeBook>(0x5f3e2a10u)) {
    book->SetTitle("Family Favourites");
    book->SetText("Recipes we cook\r\nevery week.");

    auto chapter = std::make_unique<CRecipeChapter>();
    chapter->SetTitle("Soups");
    soups = &book->AddChapter(std::move(chapter));
    soups->SetText("Warm bowls for cold days.");

    tomatoSoup = &AddRecipe(*soups, "Tomato Soup");
    AddIngredient(*tomatoSoup, "1-1/2", "C", "crushed tomatoes");
    AddIngredient(*tomatoSoup, "2--3", "T", "butter");
    AddIngredient(*tomatoSoup, "", "", "salt & pepper");
    tomatoSoup->SetText("Melt the butter.\r\n  Add the tomatoes and simmer.\r\nSeason to taste.");
    tomatoSoup->SetComments("Best with fresh bread.");
    tomatoSoup->SetServings(4);
    tomatoSoup->SetPrepTime("30 min");

    plainBroth = &AddRecipe(*soups, "Plain Broth");
    AddIngredient(*plainBroth, "1", "qt", "water");
    for (const char* title : {"Onion Soup", "Pea Soup", "Leek Soup", "Fish Soup", "Bean Soup"}) {
        AddRecipe(*soups, title);
    }

    auto loose = std::make_unique<CRecipe>();
    loose->SetTitle("Crème Brûlée {baked} \\ chilled");
    AddIngredient(*loose, "4", "", "egg yolks");
    loose->SetText("Bake in a water bath.");
    cremeBrulee = &book->AddRecipe(std::move(loose));
}

int CountOf(const std::string& text, const std::string& what) {
    int count = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++count;
    }
    return count;
}

void ExpectGolden(std::string_view name, const std::string& text) {
    const std::filesystem::path path = FixturePath(std::string("render/") + std::string(name));
    if (std::getenv("SB_UPDATE_GOLDEN") != nullptr) {
        AtomicFile::Write(path, text);
        return;
    }
    EXPECT_EQ(text, AtomicFile::Read(path)) << "golden file " << path;
}
