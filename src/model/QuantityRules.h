#pragma once

#include <optional>
#include <string>
#include <string_view>

// An amount parsed from its text: one value (count 1), a range (count 2) or
// nothing (count 0).
struct ParsedAmount {
    double first = 0.0;
    double second = 0.0;
    int count = 0;
};

// The amount notation and unit tables that the ingredient arithmetic needs.
// The quantities module provides the real rules; the model only calls them.
class QuantityRules {
public:
    virtual ~QuantityRules() = default;

    virtual ParsedAmount ParseAmount(std::string_view amount) const = 0;
    // The value in amount notation with fractions.
    virtual std::string FormatAmount(double value) const = 0;
    // The unit family of the unit text, or nothing when no unit is known by it.
    virtual std::optional<int> UnitFamily(std::string_view unit) const = 0;
    // The value converted between two units of one family.
    virtual double ConvertUnit(double value, std::string_view fromUnit, std::string_view toUnit) const = 0;
};
