#pragma once

#include "model/CRecipeBook.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

// A small book covering the page layouts: a chapter of seven recipes, a
// recipe with indented instructions, servings and a preparation time, one
// with no instructions, and a recipe outside any chapter.
struct SampleBook {
    SampleBook();

    std::unique_ptr<CRecipeBook> book;
    CRecipeChapter* soups = nullptr;
    CRecipe* tomatoSoup = nullptr;
    CRecipe* plainBroth = nullptr;
    CRecipe* cremeBrulee = nullptr;
};

// How often what occurs in text.
int CountOf(const std::string& text, const std::string& what);

// Compares text with the golden file tests/data/render/<name>; with
// SB_UPDATE_GOLDEN set in the environment it rewrites the file instead.
void ExpectGolden(std::string_view name, const std::string& text);
