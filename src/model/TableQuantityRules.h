#pragma once

#include "model/QuantityRules.h"

class CUnit;
class UnitTables;

// The ingredient arithmetic on the program's own amount notation and unit
// tables.
class TableQuantityRules : public QuantityRules {
public:
    explicit TableQuantityRules(const UnitTables& tables) : m_tables(tables) {}

    ParsedAmount ParseAmount(std::string_view amount) const override;
    std::string FormatAmount(double value) const override;
    std::optional<int> UnitFamily(std::string_view unit) const override;
    double ConvertUnit(double value, std::string_view fromUnit, std::string_view toUnit) const override;
    std::optional<std::string> UnitDisplayText(std::string_view unit) const override;
    std::optional<std::string> ConversionTarget(std::string_view unit) const override;

private:
    const UnitTables& m_tables;
};
