#include "render/IngredientDisplay.h"

#include "model/CIngredient.h"
#include "quantities/CUnit.h"
#include "quantities/UnitTables.h"

namespace IngredientDisplay {

IngredientParts Shown(const CIngredient& ingredient, const UnitTables* units) {
    IngredientParts shown{ingredient.Amount(), ingredient.Unit(), ingredient.Description()};
    const CUnit* unit = units != nullptr ? units->FindUnit(ingredient.Unit()) : nullptr;
    if (unit == nullptr) {
        return shown;
    }
    shown.unit = unit->DisplayText();
    // A converted amount is labelled with the unit it was converted to; the
    // source unit's name would misstate the quantity.
    if (unit->Target() != nullptr && !shown.amount.empty()) {
        shown.amount = ConvertAmountText(shown.amount, *unit, *unit->Target());
        shown.unit = unit->Target()->DisplayText();
    }
    return shown;
}

} // namespace IngredientDisplay
