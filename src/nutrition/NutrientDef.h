#pragma once

#include <string>

namespace Nutrient {

// One nutrient of the database. Ids run from 1 to 99; 49 and 50 are the two
// user fields.
struct NutrientDef {
    int id = 0;
    bool load = false;
    std::string name;
    std::string unit;    // micrograms are held as "µg"
    std::string code;    // with its leading "$", as equations use it
    char labelBlock = 0; // '1' to '4' on the nutrition label, anything else keeps it off

    bool operator==(const NutrientDef&) const = default;
};

} // namespace Nutrient
