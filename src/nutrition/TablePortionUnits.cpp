#include "nutrition/TablePortionUnits.h"

#include "nutrition/BasicPortionUnits.h"
#include "quantities/UnitTables.h"

namespace Nutrient {

namespace {

constexpr int kGram = 2;
constexpr int kMilliliter = 12;

} // namespace

TablePortionUnits::TablePortionUnits(const UnitTables& tables) : m_tables(tables) {}

// The tables measure weights in milligrams and volumes in cubic millimetres;
// portions want grams and millilitres.
std::optional<PortionUnit> TablePortionUnits::Find(std::string_view name) const {
    const CUnit* unit = m_tables.FindUnit(name);
    if (unit == nullptr) {
        return BasicPortionUnits::Instance().Find(name);
    }
    const auto family = static_cast<UnitFamily>(unit->Type().Index());
    double base = 1.0;
    if (family == UnitFamily::Weight) {
        base = m_tables.Unit(UnitTables::Weight, kGram).Factor();
    } else if (family == UnitFamily::Volume) {
        base = m_tables.Unit(UnitTables::Volume, kMilliliter).Factor();
    }
    return PortionUnit{family, unit->Factor() / base};
}

} // namespace Nutrient
