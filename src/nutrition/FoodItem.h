#pragma once

#include "nutrition/FoodBase.h"
#include "nutrition/Measure.h"

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

namespace Nutrient {

// A food with its nutrient values per 100 g of the edible portion and its
// portions. Shipped items carry their USDA food number as id.
class FoodItem : public FoodBase {
public:
    using Values = std::vector<std::pair<int, double>>; // ordered by nutrient id

    FoodItem(int id, std::string description, int subGroupCode, bool shipped)
        : FoodBase(id, std::move(description), shipped), m_subGroupCode(subGroupCode) {}
    FoodItem(const FoodItem&) = default;
    FoodItem& operator=(const FoodItem&) = default;

    int SubGroupCode() const { return m_subGroupCode; }
    void SetSubGroupCode(int code) { m_subGroupCode = code; }

    const Values& AllValues() const { return m_values; }
    std::optional<double> Value(int nutrientId) const;
    void SetValue(int nutrientId, double value);
    void RemoveValue(int nutrientId);

    const std::vector<Measure>& Measures() const { return m_measures; }
    void AddMeasure(Measure measure);
    void SetMeasures(std::vector<Measure> measures);

    // The portion last chosen for the item; the first one after reading.
    const Measure* CurrentMeasure() const;
    std::size_t CurrentMeasureIndex() const { return m_currentMeasure; }
    void SetCurrentMeasure(std::size_t index);

private:
    int m_subGroupCode;
    Values m_values;
    std::vector<Measure> m_measures;
    std::size_t m_currentMeasure = 0;
};

} // namespace Nutrient
