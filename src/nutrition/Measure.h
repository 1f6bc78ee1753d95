#pragma once

#include <string>

namespace Nutrient {

// One portion of a food item, such as "cup, diced" of 132 g.
struct Measure {
    std::string name;
    double grams = 0.0;

    bool operator==(const Measure&) const = default;
};

} // namespace Nutrient
