#include "quantities/CUnit.h"

#include "quantities/AmountNotation.h"

CUnit::CUnit(const CUnitType& type, int index, std::string name, std::string abbreviation, double factor, double offset)
    : m_type(&type), m_index(index), m_name(std::move(name)), m_abbreviation(std::move(abbreviation)), m_factor(factor),
      m_offset(offset) {}

const std::string& CUnit::DisplayText() const {
    return m_displayName.empty() ? m_abbreviation : m_displayName;
}

void CUnit::SetTarget(const CUnit* target) {
    if (target == nullptr || target == this || !SameFamily(*target)) {
        m_target = nullptr;
        m_convertTo.clear();
        return;
    }
    m_target = target;
    m_convertTo = target->Abbreviation();
}

void CUnit::RestoreTarget(std::string convertTo, const CUnit* target) {
    m_convertTo = std::move(convertTo);
    m_target = target != nullptr && target != this && SameFamily(*target) ? target : nullptr;
}

double ConvertAmount(double value, const CUnit& from, const CUnit& to) {
    return (value + from.Offset()) * from.Factor() / to.Factor() - to.Offset();
}

std::string ConvertAmountText(std::string_view amount, const CUnit& from, const CUnit& to) {
    if (!HasQuantity(amount)) {
        return std::string(amount);
    }
    Amount parsed = ParseAmount(amount);
    parsed.first = ConvertAmount(parsed.first, from, to);
    if (parsed.count == 2) {
        parsed.second = ConvertAmount(parsed.second, from, to);
    }
    return FormatAmountRange(parsed, true);
}
