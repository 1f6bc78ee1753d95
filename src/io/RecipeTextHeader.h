#pragma once

#include <optional>
#include <string_view>

// The recipe formats by the codes the readers are called with.
enum class RecipeTextFormat { Own = 0, MealMaster = 1, MasterCook = 2, NowYoureCooking = 3 };

// What a line of a recipe text file announces. Files that were edited,
// mailed and concatenated mention the other programs in free text too, so a
// recipe starts only at a real header line of its format.
class RecipeTextHeader {
public:
    // The format of the recipe whose header this line is: "RECIPE" alone
    // (the program's own text), a Meal-Master banner ("Meal-Master (tm)" or
    // "Meal-Master Export"), MasterCook's "Exported from MasterCook" banner,
    // or the line of "@" characters that starts a Now You're Cooking! export.
    static std::optional<RecipeTextFormat> Detect(std::string_view line);

    static bool IsBookBlock(std::string_view line) { return Trimmed(line) == "BOOK"; }
    static bool IsChapterBlock(std::string_view line) { return Trimmed(line) == "CHAPTER"; }

    // "MMMMM" or "-----" alone closes a Meal-Master recipe.
    static bool IsMealMasterEnd(std::string_view line);
    // "MMMMM-----FILLING-----" or "-----FILLING-----" names a section of the
    // ingredient list.
    static bool IsMealMasterSection(std::string_view line);
    // The row of spaced hyphens after a MasterCook recipe's directions.
    static bool IsMasterCookEnd(std::string_view line);
    // The "Exported from Now You're Cooking!" line that closes such a recipe.
    static bool IsNowYoureCookingEnd(std::string_view line);

    static bool IsBlank(std::string_view line);
    static std::string_view Trimmed(std::string_view line);
};
