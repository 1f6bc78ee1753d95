#pragma once

#include "nutrition/PortionUnits.h"

namespace Nutrient {

// The common kitchen weights and volumes with the words USDA uses in its
// measure descriptions ("cup", "tbsp", "fl oz"). One-letter names are case
// sensitive (t is a teaspoon, T a tablespoon); longer ones are not.
class BasicPortionUnits : public PortionUnits {
public:
    std::optional<PortionUnit> Find(std::string_view name) const override;

    static const BasicPortionUnits& Instance();
};

} // namespace Nutrient
