#pragma once

#include "model/CRecipeBook.h"

#include <array>
#include <cstdint>
#include <memory>
#include <random>
#include <string>

// A large book with plausible content that is the same on every run: the
// generator draws from a fixed-seed engine and uses its raw output only, so
// no library's distribution can change the result.
class SyntheticBook {
public:
    static std::unique_ptr<CRecipeBook> Make(std::size_t recipeCount, std::size_t recipesPerChapter = 1000) {
        SyntheticBook generator;
        auto book = std::make_unique<CRecipeBook>(1700000000);
        book->SetTitle("Synthetic Book");
        book->SetText(generator.Sentence(40));
        std::size_t made = 0;
        while (made < recipeCount) {
            auto chapter = std::make_unique<CRecipeChapter>();
            chapter->SetTitle("Chapter " + std::to_string(book->Chapters().size() + 1));
            chapter->SetText(generator.Sentence(20));
            for (std::size_t i = 0; i < recipesPerChapter && made < recipeCount; ++i, ++made) {
                chapter->AddRecipe(generator.Recipe(made));
            }
            book->AddChapter(std::move(chapter));
        }
        return book;
    }

private:
    std::uint32_t Next(std::uint32_t range) { return static_cast<std::uint32_t>(m_engine() % range); }

    template <std::size_t N>
    const char* Pick(const std::array<const char*, N>& words) {
        return words[Next(N)];
    }

    std::string Sentence(int words) {
        static constexpr std::array<const char*, 16> kWords{"stir",     "the",  "butter", "until", "golden", "and",
                                                            "fragrant", "then", "add",    "flour", "slowly", "while",
                                                            "whisking", "over", "medium", "heat"};
        std::string text;
        for (int i = 0; i < words; ++i) {
            text += Pick(kWords);
            text += i % 12 == 11 ? ". " : " ";
        }
        return text;
    }

    std::unique_ptr<CRecipe> Recipe(std::size_t number) {
        static constexpr std::array<const char*, 8> kAmounts{"1", "2", "\u00BD", "1-1/2", "3", "\u00BC", "2--3", "4"};
        static constexpr std::array<const char*, 8> kUnits{"cup", "T", "t", "oz", "lb", "", "g", "clove"};
        static constexpr std::array<const char*, 12> kFoods{"flour",
                                                            "sugar",
                                                            "butter -- softened",
                                                            "eggs",
                                                            "milk",
                                                            "onion -- chopped",
                                                            "garlic -- minced",
                                                            "salt",
                                                            "olive oil",
                                                            "carrots",
                                                            "chicken stock",
                                                            "black pepper"};
        auto recipe = std::make_unique<CRecipe>();
        recipe->SetTitle("Recipe number " + std::to_string(number));
        recipe->SetText(Sentence(60 + static_cast<int>(Next(40))));
        recipe->SetComments(Sentence(10));
        recipe->SetKeywords("synthetic test");
        recipe->SetServings(static_cast<int>(1 + Next(8)));
        recipe->SetPrepTime(std::to_string(10 + Next(80)) + " minutes");
        const int lines = 8 + static_cast<int>(Next(5));
        for (int i = 0; i < lines; ++i) {
            recipe->AppendIngredient(std::make_unique<CIngredient>(
                Pick(kAmounts), Pick(kUnits), Pick(kFoods), static_cast<std::int32_t>(Next(3) == 0 ? Next(9000) : 0)));
        }
        return recipe;
    }

    std::mt19937 m_engine{20240611};
};
