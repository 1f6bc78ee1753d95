#include "nutrition/NutrientTotals.h"

#include "model/NutrientCache.h"
#include "nutrition/Database.h"
#include "nutrition/NutrientEquation.h"
#include "nutrition/NutritionLabel.h"

#include <algorithm>
#include <cstdio>

namespace Nutrient {

namespace {

constexpr std::int16_t kFirstEquation = NutrientCache::kFirstEquation;

const EquationDef* EquationById(const Database& database, int id) {
    const auto& equations = database.Equations();
    const auto found =
        std::find_if(equations.begin(), equations.end(), [id](const EquationDef& e) { return e.id == id; });
    return found == equations.end() ? nullptr : &*found;
}

const EquationDef* EquationByName(const Database& database, const std::string& name) {
    const auto& equations = database.Equations();
    const auto found =
        std::find_if(equations.begin(), equations.end(), [&name](const EquationDef& e) { return e.name == name; });
    return found == equations.end() ? nullptr : &*found;
}

} // namespace

void NutrientTotals::Clear() {
    m_values.clear();
    m_errorBits = 0;
}

std::optional<double> NutrientTotals::Value(int key) const {
    const auto found = m_values.find(static_cast<std::int16_t>(key));
    if (found == m_values.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::int32_t NutrientTotals::AddIngredient(const NutrientEquation& equations, std::string_view quantity,
                                           std::string_view unit, int itemId) {
    if (itemId == 0) {
        return m_errorBits;
    }
    const Database& database = equations.GetDatabase();
    const IngredientPortion portion = equations.Prepare(quantity, unit, itemId);
    double value = 0;
    for (const auto& [id, nutrient] : database.NutrientTable()) {
        if (nutrient.load) {
            m_errorBits |= equations.EvaluateNutrient(portion, nutrient, value);
            Add(static_cast<std::int16_t>(id), value);
        }
    }
    for (const EquationDef& equation : database.Equations()) {
        if (equation.load) {
            m_errorBits |= equations.Evaluate(portion, "@" + equation.name, value);
            Add(static_cast<std::int16_t>(equation.id), value);
        }
    }
    return m_errorBits;
}

void NutrientTotals::AddScaled(const NutrientTotals& other, int divisor) {
    const double by = divisor == 0 ? 1.0 : divisor;
    for (const auto& [key, value] : other.m_values) {
        Add(key, value / by);
    }
    m_errorBits |= other.m_errorBits;
}

NutrientCache NutrientTotals::ToCache(const Database& database) const {
    NutrientCache cache;
    cache.SetErrorBits(m_errorBits);
    for (const auto& [key, value] : m_values) {
        NutrientCache::Entry entry{key, value, {}};
        if (key >= kFirstEquation) {
            const EquationDef* equation = EquationById(database, key);
            entry.equationName = equation == nullptr ? std::string() : equation->name;
        }
        cache.Set(std::move(entry));
    }
    return cache;
}

void NutrientTotals::LoadCache(const NutrientCache& cache, const Database& database) {
    m_errorBits = cache.ErrorBits();
    for (const NutrientCache::Entry& entry : cache.Entries()) {
        std::int16_t key = entry.key;
        if (key >= kFirstEquation) {
            if (const EquationDef* equation = EquationByName(database, entry.equationName)) {
                key = static_cast<std::int16_t>(equation->id);
            }
        }
        m_values[key] = entry.value;
    }
}

void NutrientTotals::Store(ArchiveWriter& archive, const Database& database) const {
    ToCache(database).Store(archive);
}

void NutrientTotals::Load(ArchiveReader& archive, const Database& database) {
    NutrientCache cache;
    cache.Load(archive);
    LoadCache(cache, database);
}

std::string NutrientTotals::NutrientText(const Database& database) const {
    std::string text;
    for (const NutritionLabel::Row& row : NutritionLabel::Rows(database, *this)) {
        char line[64];
        std::snprintf(line, sizeof line, "%03d%010.3lf\n", row.key, row.amount);
        text += line;
    }
    return text;
}

std::unique_ptr<LabelHtml> NutrientTotals::BuildLabel(const Database& database, bool perServing, int servings,
                                                      bool links, double scale) const {
    if (Empty()) {
        return nullptr;
    }
    return NutritionLabel(database, *this).Build(perServing, servings, links, scale);
}

} // namespace Nutrient
