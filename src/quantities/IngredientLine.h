#pragma once

#include "quantities/IngredientParts.h"

#include <string>

// The plain-text forms of an ingredient line; 0 to 2 are the values of the
// "Ingredient Format" setting, 3 and 4 are used by exports.
enum IngredientForm {
    kPaddedForm = 0,
    kTabbedForm = 1,
    kColumnsForm = 2,
    kCommaForm = 3,
    kIndentedForm = 4,
};

// Flags of IngredientLine.
constexpr int kCutLongUnit = 1;
constexpr int kScaleToPortion = 2;

// One ingredient as a line of text ending in "\n". shown holds the amount and
// unit as displayed (already converted to the user's display units). With
// kScaleToPortion the amount is multiplied by portionFactor. A width above 0
// with the padded form aligns amount and unit in columns of that many
// characters.
std::string IngredientLine(const IngredientParts& shown, int width, int form, int flags, double portionFactor = 1.0);
