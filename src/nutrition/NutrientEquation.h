#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

namespace Nutrient {

class Database;
class FoodItem;
struct EquationDef;
struct NutrientDef;

// The error bits of an evaluation; the nutrition label shows a line for each.
enum EquationError : int {
    kNutrientNotLoaded = 1,
    kItemNotFound = 2,
    kEquationNotFound = 4,
    kNotEvaluated = 8,
    kUnitNotMatched = 16,
};

// What one ingredient brings to every expression evaluated for it: its food
// item and how many hundreds of grams of it the ingredient holds (the item's
// values are per 100 g).
struct IngredientPortion {
    const FoodItem* item = nullptr;
    double hundredGrams = 0.0;
    int errorBits = 0;
};

// Evaluates nutrient codes ("$FAT") and the user's equations ("@Name") for
// ingredients. It indexes the database's definitions when made, so make one
// per calculation and do not change the definitions while it lives.
class NutrientEquation {
public:
    // Reads the food tables if they have not been read.
    explicit NutrientEquation(Database& database);

    const Database& GetDatabase() const { return m_database; }

    // The food item and the portion of an ingredient: the quantity (the
    // second number of a range; 0 or nothing counting as 1) times the grams
    // of one unit, 100 g when the unit matches no portion of the item.
    IngredientPortion Prepare(std::string_view quantity, std::string_view unit, int itemId) const;

    // The expression's value for the portion into value (0 first), and the
    // error bits. The value is set also when bits are.
    int Evaluate(const IngredientPortion& portion, std::string_view expression, double& value) const;
    // The same as evaluating the nutrient's code alone, without reading text.
    int EvaluateNutrient(const IngredientPortion& portion, const NutrientDef& nutrient, double& value) const;

    int EvaluateForIngredient(std::string_view quantity, std::string_view unit, int itemId, std::string_view expression,
                              double& value) const;

    // Evaluates a text of numbers, "?", operators and parentheses only.
    static bool Reduce(std::string_view text, double& value);

    // The first definition with that code ("$" included), in id order.
    const NutrientDef* FindCode(std::string_view code) const;
    // The first equation of that name, in list order.
    const EquationDef* FindEquation(std::string_view name) const;

private:
    Database& m_database;
    std::unordered_map<std::string_view, const NutrientDef*> m_codes;
    std::unordered_map<std::string_view, const EquationDef*> m_equations;
};

} // namespace Nutrient
