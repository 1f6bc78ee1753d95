#include "nutrition/FoodItem.h"

#include <algorithm>

namespace Nutrient {

namespace {

auto FindValue(auto& values, int nutrientId) {
    return std::lower_bound(values.begin(), values.end(), nutrientId,
                            [](const auto& entry, int id) { return entry.first < id; });
}

} // namespace

std::optional<double> FoodItem::Value(int nutrientId) const {
    const auto found = FindValue(m_values, nutrientId);
    if (found == m_values.end() || found->first != nutrientId) {
        return std::nullopt;
    }
    return found->second;
}

void FoodItem::SetValue(int nutrientId, double value) {
    const auto found = FindValue(m_values, nutrientId);
    if (found != m_values.end() && found->first == nutrientId) {
        found->second = value;
        return;
    }
    m_values.emplace(found, nutrientId, value);
}

void FoodItem::RemoveValue(int nutrientId) {
    const auto found = FindValue(m_values, nutrientId);
    if (found != m_values.end() && found->first == nutrientId) {
        m_values.erase(found);
    }
}

void FoodItem::AddMeasure(Measure measure) {
    m_measures.push_back(std::move(measure));
}

void FoodItem::SetMeasures(std::vector<Measure> measures) {
    m_measures = std::move(measures);
    m_currentMeasure = 0;
}

const Measure* FoodItem::CurrentMeasure() const {
    return m_currentMeasure < m_measures.size() ? &m_measures[m_currentMeasure] : nullptr;
}

void FoodItem::SetCurrentMeasure(std::size_t index) {
    if (index < m_measures.size()) {
        m_currentMeasure = index;
    }
}

} // namespace Nutrient
