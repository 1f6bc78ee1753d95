#pragma once

#include "app/CSBDocBase.h"
#include "model/CRecipeBook.h"

#include <memory>
#include <string>

// Two small open books for the tests that edit a workspace's contents:
// "Soups" with the chapters "Hot" (Tomato Soup, bean soup) and "Cold"
// (Gazpacho) and the loose recipe "Stock"; "Bakes" with the chapter "Bread"
// (Rye). Both start unmodified.
struct TwoBooks {
    explicit TwoBooks(CSBDocBase& doc) {
        auto soupBook = std::make_unique<CRecipeBook>(100);
        soupBook->SetTitle("Soups");
        hot = &AddChapter(*soupBook, "Hot");
        tomato = &AddRecipe(*hot, "Tomato Soup");
        bean = &AddRecipe(*hot, "bean soup");
        cold = &AddChapter(*soupBook, "Cold");
        gazpacho = &AddRecipe(*cold, "Gazpacho");
        auto stockRecipe = std::make_unique<CRecipe>();
        stockRecipe->SetTitle("Stock");
        stockRecipe->SetText("Simmer for hours.");
        stockRecipe->AppendIngredient(std::make_unique<CIngredient>("2", "lb", "bones"));
        stockRecipe->SetServings(8);
        stockRecipe->SetIcon(120);
        stock = &soupBook->AddRecipe(std::move(stockRecipe));
        soups = &doc.AppendBook(std::move(soupBook));

        auto bakeBook = std::make_unique<CRecipeBook>(200);
        bakeBook->SetTitle("Bakes");
        bread = &AddChapter(*bakeBook, "Bread");
        rye = &AddRecipe(*bread, "Rye");
        bakes = &doc.AppendBook(std::move(bakeBook));
        soups->SetModified(false);
        bakes->SetModified(false);
    }

    static CRecipe& AddRecipe(CRecipeChapter& chapter, const std::string& title) {
        auto recipe = std::make_unique<CRecipe>();
        recipe->SetTitle(title);
        return chapter.AddRecipe(std::move(recipe));
    }

    static CRecipeChapter& AddChapter(CRecipeBook& book, const std::string& title) {
        auto chapter = std::make_unique<CRecipeChapter>();
        chapter->SetTitle(title);
        return book.AddChapter(std::move(chapter));
    }

    CRecipeBook* soups = nullptr;
    CRecipeBook* bakes = nullptr;
    CRecipeChapter* hot = nullptr;
    CRecipeChapter* cold = nullptr;
    CRecipeChapter* bread = nullptr;
    CRecipe* tomato = nullptr;
    CRecipe* bean = nullptr;
    CRecipe* gazpacho = nullptr;
    CRecipe* stock = nullptr;
    CRecipe* rye = nullptr;
};
