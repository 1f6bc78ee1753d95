#include "quantities/CUnitType.h"

#include "platform/StringTable.h"

#include <algorithm>

namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace

CUnitType::CUnitType(int index, std::string name) : m_index(index), m_name(std::move(name)) {}

// The abbreviation's string id always follows the name's.
CUnit& CUnitType::AddUnit(int index, int nameId, double factor, double offset) {
    m_units.push_back(
        std::make_unique<CUnit>(*this, index, StringTable::Get(nameId), StringTable::Get(nameId + 1), factor, offset));
    return *m_units.back();
}

const CUnit* CUnitType::Match(std::string_view text) const {
    if (text.empty()) {
        return nullptr;
    }
    for (const auto& unit : m_units) {
        if (unit->Abbreviation() == text || EqualsIgnoringCase(unit->Name(), text) ||
            (!unit->DisplayName().empty() && unit->DisplayName() == text)) {
            return unit.get();
        }
    }
    return nullptr;
}

const CUnit* CUnitType::ByIndex(int index) const {
    for (const auto& unit : m_units) {
        if (unit->Index() == index) {
            return unit.get();
        }
    }
    return nullptr;
}
