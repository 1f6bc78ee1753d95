#pragma once

#include "nutrition/LabelHtml.h"

#include <memory>
#include <string>
#include <vector>

namespace Nutrient {

class Database;
class NutrientTotals;

// Lays out the "Nutrition Facts" label of a totals table, as on a food
// package: a heading, the nutrients block by block with the fats, fibre and
// sugars indented under their totals, and a line per error met.
class NutritionLabel {
public:
    // One entry of the table that the label shows.
    struct Row {
        int key = 0;
        std::string name;
        std::string unit;
        double amount = 0.0;
    };

    // Label blocks "1" to "4" in turn; within a block the nutrients 1 to 50,
    // then the equations 100 to 119 (which all stand in block "4").
    static std::vector<Row> Rows(const Database& database, const NutrientTotals& totals);

    NutritionLabel(const Database& database, const NutrientTotals& totals);

    std::unique_ptr<LabelHtml> Build(bool perServing, int servings, bool links, double scale) const;

private:
    struct Heading {
        std::string text;
        double multiplier = 1.0;
    };

    static Heading MakeHeading(bool perServing, int servings, bool links, double scale);
    void AddNutrientRows(LabelHtml& body, double multiplier) const;
    std::string ErrorText(bool links) const;

    const Database& m_database;
    const NutrientTotals& m_totals;
};

} // namespace Nutrient
