#pragma once

#include "quantities/CUnit.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// One family of units (length, area, volume, weight, temperature) whose
// members convert into each other through their factors.
class CUnitType {
public:
    CUnitType(int index, std::string name);
    CUnitType(const CUnitType&) = delete;
    CUnitType& operator=(const CUnitType&) = delete;

    int Index() const { return m_index; }
    const std::string& Name() const { return m_name; }
    const std::vector<std::unique_ptr<CUnit>>& Units() const { return m_units; }

    CUnit& AddUnit(int index, int nameId, double factor, double offset = 0.0);

    // The first unit, in array order, whose abbreviation equals the text, whose
    // name equals it ignoring case, or whose display name equals it.
    const CUnit* Match(std::string_view text) const;

    // The unit with the given number within the family (the number in the
    // profile keys), or null.
    const CUnit* ByIndex(int index) const;

private:
    int m_index;
    std::string m_name;
    std::vector<std::unique_ptr<CUnit>> m_units;
};
