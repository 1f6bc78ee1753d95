#pragma once

#include "quantities/IngredientParts.h"

#include <string_view>
#include <vector>

class UnitTables;

// Splits free ingredient text (typed, imported from other recipe programs or
// received from a handheld) into ingredient lines and appends them to lines.
// Understands the two-column layout of Meal-Master, "-" continuation lines
// (added to the ingredient before, which may be the last one already in
// lines), section lines, sizes in parentheses and the usual unit words.
void ParseIngredientText(std::string_view text, const UnitTables& units, std::vector<IngredientParts>& lines);
