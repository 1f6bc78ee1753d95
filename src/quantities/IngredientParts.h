#pragma once

#include <string>

// The three texts of one ingredient line as the quantity code reads and writes
// them: amount in amount notation, unit text and description. The recipe's
// ingredient record takes these over.
struct IngredientParts {
    std::string amount;
    std::string unit;
    std::string description;

    bool operator==(const IngredientParts&) const = default;
};
