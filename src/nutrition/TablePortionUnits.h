#pragma once

#include "nutrition/PortionUnits.h"

class UnitTables;

namespace Nutrient {

// Portion matching through the program's unit tables, so a unit the user
// renamed or a cooking word the tables know matches a food's measures too.
// Words the tables do not know (USDA's "fl" of "fl oz") fall back to the
// built-in list.
class TablePortionUnits : public PortionUnits {
public:
    explicit TablePortionUnits(const UnitTables& tables);

    std::optional<PortionUnit> Find(std::string_view name) const override;

private:
    const UnitTables& m_tables;
};

} // namespace Nutrient
