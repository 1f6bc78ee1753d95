#include "nutrition/BasicPortionUnits.h"

#include <algorithm>
#include <array>
#include <string>

namespace Nutrient {

namespace {

struct NamedUnit {
    std::string_view name;
    UnitFamily family;
    double factor;
};

constexpr double kTeaspoon = 4.92892159375;
constexpr double kCup = 48 * kTeaspoon;

constexpr auto kUnits = std::to_array<NamedUnit>({
    {"g", UnitFamily::Weight, 1.0},
    {"gm", UnitFamily::Weight, 1.0},
    {"gram", UnitFamily::Weight, 1.0},
    {"grams", UnitFamily::Weight, 1.0},
    {"mg", UnitFamily::Weight, 0.001},
    {"kg", UnitFamily::Weight, 1000.0},
    {"kilogram", UnitFamily::Weight, 1000.0},
    {"kilograms", UnitFamily::Weight, 1000.0},
    {"oz", UnitFamily::Weight, 28.349523125},
    {"ounce", UnitFamily::Weight, 28.349523125},
    {"ounces", UnitFamily::Weight, 28.349523125},
    {"lb", UnitFamily::Weight, 453.59237},
    {"lbs", UnitFamily::Weight, 453.59237},
    {"pound", UnitFamily::Weight, 453.59237},
    {"pounds", UnitFamily::Weight, 453.59237},
    {"t", UnitFamily::Volume, kTeaspoon},
    {"tsp", UnitFamily::Volume, kTeaspoon},
    {"teaspoon", UnitFamily::Volume, kTeaspoon},
    {"teaspoons", UnitFamily::Volume, kTeaspoon},
    {"T", UnitFamily::Volume, 3 * kTeaspoon},
    {"tbsp", UnitFamily::Volume, 3 * kTeaspoon},
    {"tbs", UnitFamily::Volume, 3 * kTeaspoon},
    {"tablespoon", UnitFamily::Volume, 3 * kTeaspoon},
    {"tablespoons", UnitFamily::Volume, 3 * kTeaspoon},
    {"c", UnitFamily::Volume, kCup},
    {"cup", UnitFamily::Volume, kCup},
    {"cups", UnitFamily::Volume, kCup},
    // USDA writes the fluid ounce as "fl oz"; its first word stands for it.
    {"fl", UnitFamily::Volume, 6 * kTeaspoon},
    {"pt", UnitFamily::Volume, 2 * kCup},
    {"pint", UnitFamily::Volume, 2 * kCup},
    {"pints", UnitFamily::Volume, 2 * kCup},
    {"qt", UnitFamily::Volume, 4 * kCup},
    {"quart", UnitFamily::Volume, 4 * kCup},
    {"quarts", UnitFamily::Volume, 4 * kCup},
    {"gal", UnitFamily::Volume, 16 * kCup},
    {"gallon", UnitFamily::Volume, 16 * kCup},
    {"gallons", UnitFamily::Volume, 16 * kCup},
    {"ml", UnitFamily::Volume, 1.0},
    {"milliliter", UnitFamily::Volume, 1.0},
    {"milliliters", UnitFamily::Volume, 1.0},
    {"dl", UnitFamily::Volume, 100.0},
    {"l", UnitFamily::Volume, 1000.0},
    {"liter", UnitFamily::Volume, 1000.0},
    {"liters", UnitFamily::Volume, 1000.0},
    {"litre", UnitFamily::Volume, 1000.0},
});

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return lower;
}

std::optional<PortionUnit> FindExact(std::string_view name) {
    const auto found =
        std::find_if(kUnits.begin(), kUnits.end(), [name](const auto& unit) { return unit.name == name; });
    if (found == kUnits.end()) {
        return std::nullopt;
    }
    return PortionUnit{found->family, found->factor};
}

} // namespace

std::optional<PortionUnit> BasicPortionUnits::Find(std::string_view name) const {
    if (auto exact = FindExact(name)) {
        return exact;
    }
    if (name.size() < 2) {
        return std::nullopt;
    }
    return FindExact(Lower(name));
}

const BasicPortionUnits& BasicPortionUnits::Instance() {
    static const BasicPortionUnits units;
    return units;
}

} // namespace Nutrient
