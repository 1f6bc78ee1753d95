#include "nutrition/NutrientEquation.h"

#include "nutrition/Database.h"
#include "nutrition/ExpressionReader.h"
#include "quantities/AmountNotation.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace Nutrient {

namespace {

// Equations calling equations deeper than this are taken for a runaway.
constexpr std::size_t kMaxReferenceDepth = 64;

// The codes and references of one evaluation for one ingredient. An
// equation met twice is evaluated once; one that refers back to itself,
// directly or through others, cannot be evaluated.
class IngredientOperands : public OperandSource {
public:
    IngredientOperands(const NutrientEquation& equations, const IngredientPortion& portion)
        : m_equations(equations), m_portion(portion) {}

    int ErrorBits() const { return m_bits; }

    std::optional<Operand> Code(std::string_view code) override {
        const NutrientDef* nutrient = m_equations.FindCode(code);
        if (nutrient == nullptr || !nutrient->load) {
            m_bits |= kNutrientNotLoaded;
            return Operand{};
        }
        const auto value = m_portion.item->Value(nutrient->id);
        if (!value) {
            return Operand{};
        }
        return Operand{*value * m_portion.hundredGrams, false};
    }

    std::optional<Operand> Reference(std::string_view name) override {
        const auto known =
            std::find_if(m_known.begin(), m_known.end(), [name](const auto& entry) { return entry.first == name; });
        if (known != m_known.end()) {
            return known->second;
        }
        const EquationDef* equation = m_equations.FindEquation(name);
        if (equation == nullptr) {
            m_bits |= kEquationNotFound;
            return Operand{};
        }
        const bool cycle = std::find(m_open.begin(), m_open.end(), name) != m_open.end();
        if (cycle || m_open.size() >= kMaxReferenceDepth) {
            return std::nullopt;
        }
        m_open.push_back(equation->name);
        const auto result = ExpressionReader::Read(equation->expression, this);
        m_open.pop_back();
        m_known.emplace_back(equation->name, result);
        return result;
    }

private:
    const NutrientEquation& m_equations;
    const IngredientPortion& m_portion;
    int m_bits = 0;
    std::vector<std::string_view> m_open;
    std::vector<std::pair<std::string_view, std::optional<Operand>>> m_known;
};

// A code that evaluates to its nutrient's amount when it is the whole text.
bool IsPlainCode(std::string_view code) {
    return code.size() > 1 && code[0] == '$' && std::all_of(code.begin() + 1, code.end(), [](char c) {
               return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
           });
}

double IngredientAmount(std::string_view quantity) {
    const Amount amount = ParseAmount(quantity);
    const double value = amount.count == 2 ? amount.second : amount.first;
    return value == 0 ? 1.0 : value;
}

} // namespace

NutrientEquation::NutrientEquation(Database& database) : m_database(database) {
    database.LoadTables();
    for (const auto& [id, nutrient] : database.NutrientTable()) {
        m_codes.emplace(nutrient.code, &nutrient);
    }
    for (const EquationDef& equation : database.Equations()) {
        m_equations.emplace(equation.name, &equation);
    }
}

const NutrientDef* NutrientEquation::FindCode(std::string_view code) const {
    const auto found = m_codes.find(code);
    return found == m_codes.end() ? nullptr : found->second;
}

const EquationDef* NutrientEquation::FindEquation(std::string_view name) const {
    const auto found = m_equations.find(name);
    return found == m_equations.end() ? nullptr : found->second;
}

IngredientPortion NutrientEquation::Prepare(std::string_view quantity, std::string_view unit, int itemId) const {
    IngredientPortion portion;
    portion.item = m_database.FindItem(itemId);
    if (portion.item == nullptr) {
        portion.errorBits = kItemNotFound;
        return portion;
    }
    double gramsPerUnit = 1;
    if (m_database.MatchPortion(*portion.item, unit, gramsPerUnit) == -1) {
        portion.errorBits = kUnitNotMatched;
        gramsPerUnit = 100;
    }
    // Dividing by 100 rather than multiplying by 0.01 keeps 100 g of a food
    // at exactly its table values.
    portion.hundredGrams = gramsPerUnit * IngredientAmount(quantity) / 100;
    return portion;
}

int NutrientEquation::Evaluate(const IngredientPortion& portion, std::string_view expression, double& value) const {
    value = 0;
    if (portion.item == nullptr) {
        return portion.errorBits;
    }
    IngredientOperands operands(*this, portion);
    const auto result = ExpressionReader::Read(expression, &operands);
    int bits = portion.errorBits | operands.ErrorBits();
    if (!result) {
        return bits | kNotEvaluated;
    }
    value = result->missing ? 0.0 : result->value;
    return bits;
}

int NutrientEquation::EvaluateNutrient(const IngredientPortion& portion, const NutrientDef& nutrient,
                                       double& value) const {
    if (portion.item == nullptr || !nutrient.load || !IsPlainCode(nutrient.code) ||
        FindCode(nutrient.code) != &nutrient) {
        return Evaluate(portion, nutrient.code, value);
    }
    const auto perHundredGrams = portion.item->Value(nutrient.id);
    value = perHundredGrams ? *perHundredGrams * portion.hundredGrams : 0.0;
    return portion.errorBits;
}

int NutrientEquation::EvaluateForIngredient(std::string_view quantity, std::string_view unit, int itemId,
                                            std::string_view expression, double& value) const {
    return Evaluate(Prepare(quantity, unit, itemId), expression, value);
}

bool NutrientEquation::Reduce(std::string_view text, double& value) {
    value = 0;
    const auto result = ExpressionReader::Read(text, nullptr);
    if (!result) {
        return false;
    }
    value = result->missing ? 0.0 : result->value;
    return true;
}

} // namespace Nutrient
