#pragma once

#include "quantities/IngredientParts.h"

class CIngredient;
class UnitTables;

// The amount and unit a page or an export shows for an ingredient: the unit
// under the user's display name, and the amount converted to the unit's
// conversion target when the user chose one.
namespace IngredientDisplay {

// Without unit tables the stored texts are shown as they are.
IngredientParts Shown(const CIngredient& ingredient, const UnitTables* units);

} // namespace IngredientDisplay
