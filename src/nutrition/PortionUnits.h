#pragma once

#include <optional>
#include <string_view>

namespace Nutrient {

enum class UnitFamily { Length, Area, Volume, Weight, Temperature };

// A unit as portion matching needs it: its family and its size in the
// family's base unit (grams for weights, millilitres for volumes).
struct PortionUnit {
    UnitFamily family;
    double factor;
};

// Looks units up by name for portion matching. The program's unit tables
// provide the real lookup; BasicPortionUnits is the built-in fallback.
class PortionUnits {
public:
    virtual ~PortionUnits() = default;

    virtual std::optional<PortionUnit> Find(std::string_view name) const = 0;

    // How many of `to` make one `from`, both of one family.
    static double Convert(double amount, const PortionUnit& from, const PortionUnit& to) {
        return amount * from.factor / to.factor;
    }
};

} // namespace Nutrient
