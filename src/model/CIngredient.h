#pragma once

#include "model/CObject.h"
#include "model/CSBState.h"

#include <cstdint>
#include <string>
#include <string_view>

class ArchiveClass;
class CRecipe;
class QuantityRules;

// One ingredient line: amount and unit as typed, the description, and the
// link to a food item of the nutrient database (0 = none).
class CIngredient : public CObject, public CSBState {
public:
    struct Displayed {
        std::string amount;
        std::string unit;
    };

    static const ArchiveClass s_class;

    // Bits of Compare.
    static constexpr int kAmountDiffers = 1;
    static constexpr int kUnitDiffers = 2;
    static constexpr int kNameDiffers = 4;

    CIngredient() = default;
    CIngredient(std::string amount, std::string unit, std::string description, std::int32_t link = 0);
    // Copies the line, not its place in a recipe.
    CIngredient(const CIngredient& other);
    CIngredient& operator=(const CIngredient&) = delete;

    const ArchiveClass& RuntimeClass() const override;
    void Store(ArchiveWriter& archive) const override;
    void Load(ArchiveReader& archive) override;

    CRecipe* Owner() const { return m_owner; }
    void SetOwner(CRecipe* owner) { m_owner = owner; }

    const std::string& Amount() const { return m_amount; }
    void SetAmount(std::string amount);
    const std::string& Unit() const { return m_unit; }
    void SetUnit(std::string unit);
    const std::string& Description() const { return m_description; }
    void SetDescription(std::string description);
    // The description up to " -- " (keeping the space before it), by which
    // lines of the same ingredient are matched.
    std::string_view NameKey() const { return std::string_view(m_description).substr(0, m_nameKeyLength); }
    std::int32_t Link() const { return m_link; }
    void SetLink(std::int32_t link);

    // 0 when both are the same line, else the kAmountDiffers, kUnitDiffers
    // and kNameDiffers bits.
    int Compare(const CIngredient& other) const;

    // Adds factor times the other line's quantity to this one; false when the
    // lines are of different ingredients or units of different families.
    bool Combine(const CIngredient& other, double factor, const QuantityRules& rules);

    // Scales the amount by factor; a factor of 1 means the portion factor of
    // the display instead.
    void Scale(double factor, double portionFactor, const QuantityRules& rules);

    // Amount and unit as pages and exports show them: in the user's display
    // unit, converted when the user asked for another unit.
    Displayed Display(const QuantityRules& rules) const;

private:
    // Whatever changes the amount, unit, description or link makes the
    // owning recipe's nutrient totals stale.
    void NutrientsChanged();

    // The two 32-bit fields sit in the gaps the bases leave: a large book
    // holds a million lines.
    std::int32_t m_link = 0;
    std::uint32_t m_nameKeyLength = 0;
    CRecipe* m_owner = nullptr;
    std::string m_amount;
    std::string m_unit;
    std::string m_description;
};
