#include "model/TableQuantityRules.h"

#include "quantities/AmountNotation.h"
#include "quantities/CUnit.h"
#include "quantities/UnitTables.h"

ParsedAmount TableQuantityRules::ParseAmount(std::string_view amount) const {
    const Amount parsed = ::ParseAmount(amount);
    return {parsed.first, parsed.second, parsed.count};
}

std::string TableQuantityRules::FormatAmount(double value) const {
    return ::FormatAmount(value, true);
}

std::optional<int> TableQuantityRules::UnitFamily(std::string_view unit) const {
    const CUnit* found = m_tables.FindUnit(unit);
    return found != nullptr ? std::optional(found->Type().Index()) : std::nullopt;
}

double TableQuantityRules::ConvertUnit(double value, std::string_view fromUnit, std::string_view toUnit) const {
    const CUnit* from = m_tables.FindUnit(fromUnit);
    const CUnit* to = m_tables.FindUnit(toUnit);
    if (from == nullptr || to == nullptr || !from->SameFamily(*to)) {
        return value;
    }
    return ConvertAmount(value, *from, *to);
}

std::optional<std::string> TableQuantityRules::UnitDisplayText(std::string_view unit) const {
    const CUnit* found = m_tables.FindUnit(unit);
    return found != nullptr ? std::optional(found->DisplayText()) : std::nullopt;
}

std::optional<std::string> TableQuantityRules::ConversionTarget(std::string_view unit) const {
    const CUnit* found = m_tables.FindUnit(unit);
    if (found == nullptr || found->Target() == nullptr) {
        return std::nullopt;
    }
    return found->Target()->Abbreviation();
}
