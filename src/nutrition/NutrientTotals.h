#pragma once

#include "nutrition/LabelHtml.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class ArchiveReader;
class ArchiveWriter;
class NutrientCache;

namespace Nutrient {

class Database;
class NutrientEquation;

// Nutrient amounts (ids 1 to 99, in the nutrient's unit) and equation values
// (ids from 100) summed over ingredients, recipes or days, with the error
// bits met on the way.
class NutrientTotals {
public:
    using Table = std::map<std::int16_t, double>;

    void Clear();
    bool Empty() const { return m_values.empty(); }
    const Table& Values() const { return m_values; }
    std::optional<double> Value(int key) const;
    std::int32_t ErrorBits() const { return m_errorBits; }

    // Adds every loaded nutrient and every loaded equation of one ingredient;
    // an ingredient without a link (item id 0) adds nothing. Returns the bits
    // gathered so far.
    std::int32_t AddIngredient(const NutrientEquation& equations, std::string_view quantity, std::string_view unit,
                               int itemId);
    // Adds other's amounts divided by divisor (1 when it is 0) and its bits.
    void AddScaled(const NutrientTotals& other, int divisor);

    // The stored form keeps each equation's name beside its id, since ids
    // are handed out afresh at every start.
    NutrientCache ToCache(const Database& database) const;
    // Takes the stored form, giving each equation the id its name has now.
    void LoadCache(const NutrientCache& cache, const Database& database);
    void Store(ArchiveWriter& archive, const Database& database) const;
    void Load(ArchiveReader& archive, const Database& database);

    // The lines "%03d%010.3lf\n" of the label's nutrients, for handhelds.
    std::string NutrientText(const Database& database) const;

    // The "Nutrition Facts" label, or none when the table is empty. links
    // adds the "#SWAP_" and "#ERR" anchors of the interactive display.
    std::unique_ptr<LabelHtml> BuildLabel(const Database& database, bool perServing, int servings, bool links,
                                          double scale) const;

private:
    void Add(std::int16_t key, double value) { m_values[key] += value; }

    Table m_values;
    std::int32_t m_errorBits = 0;
};

} // namespace Nutrient
