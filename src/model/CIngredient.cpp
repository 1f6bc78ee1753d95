#include "model/CIngredient.h"

#include "model/ArchiveClass.h"
#include "model/ArchiveReader.h"
#include "model/ArchiveWriter.h"
#include "model/CRecipe.h"
#include "model/QuantityRules.h"
#include "model/TextCompare.h"

namespace {

std::unique_ptr<CObject> CreateIngredient() {
    return std::make_unique<CIngredient>();
}

std::string FormatRange(const ParsedAmount& amount, const QuantityRules& rules) {
    std::string text = rules.FormatAmount(amount.first);
    if (amount.count == 2) {
        text += "--" + rules.FormatAmount(amount.second);
    }
    return text;
}

} // namespace

const ArchiveClass CIngredient::s_class("CIngredient", nullptr, &CreateIngredient);

CIngredient::CIngredient(std::string amount, std::string unit, std::string description, std::int32_t link)
    : m_link(link), m_amount(std::move(amount)), m_unit(std::move(unit)) {
    SetDescription(std::move(description));
}

CIngredient::CIngredient(const CIngredient& other)
    : CObject(other), CSBState(other), m_link(other.m_link), m_nameKeyLength(other.m_nameKeyLength),
      m_amount(other.m_amount), m_unit(other.m_unit), m_description(other.m_description) {}

const ArchiveClass& CIngredient::RuntimeClass() const {
    return s_class;
}

void CIngredient::SetAmount(std::string amount) {
    m_amount = std::move(amount);
    NutrientsChanged();
}

void CIngredient::SetUnit(std::string unit) {
    m_unit = std::move(unit);
    NutrientsChanged();
}

void CIngredient::SetDescription(std::string description) {
    m_description = std::move(description);
    const std::size_t separator = m_description.find(" -- ");
    m_nameKeyLength = static_cast<std::uint32_t>(separator == std::string::npos ? m_description.size() : separator + 1);
    NutrientsChanged();
}

void CIngredient::SetLink(std::int32_t link) {
    m_link = link;
    NutrientsChanged();
}

void CIngredient::NutrientsChanged() {
    if (m_owner != nullptr) {
        m_owner->Nutrients().Clear();
    }
}

void CIngredient::Store(ArchiveWriter& archive) const {
    archive.WriteString(m_amount);
    archive.WriteString(m_unit);
    archive.WriteString(m_description);
    archive.WriteInt(m_link);
}

void CIngredient::Load(ArchiveReader& archive) {
    archive.GetObjectSchema();
    m_amount = archive.ReadString();
    m_unit = archive.ReadString();
    SetDescription(archive.ReadString());
    m_link = archive.ReadInt();
}

int CIngredient::Compare(const CIngredient& other) const {
    int differences = 0;
    if (!EqualsNoCase(m_amount, other.m_amount)) {
        differences |= kAmountDiffers;
    }
    if (!EqualsNoCase(m_unit, other.m_unit) && !EqualsNoCase(TrimSpace(m_unit), TrimSpace(other.m_unit))) {
        differences |= kUnitDiffers;
    }
    if (!EqualsNoCase(NameKey(), other.NameKey())) {
        differences |= kNameDiffers;
    }
    return differences;
}

bool CIngredient::Combine(const CIngredient& other, double factor, const QuantityRules& rules) {
    if (NameKey() != other.NameKey()) {
        return false;
    }
    const auto ownFamily = rules.UnitFamily(m_unit);
    const auto otherFamily = rules.UnitFamily(other.m_unit);
    if (ownFamily.has_value() != otherFamily.has_value() || ownFamily != otherFamily) {
        return false;
    }
    ParsedAmount own = rules.ParseAmount(m_amount);
    ParsedAmount added = rules.ParseAmount(other.m_amount);
    added.first *= factor;
    added.second *= factor;
    if (ownFamily.has_value()) {
        added.first = rules.ConvertUnit(added.first, other.m_unit, m_unit);
        added.second = rules.ConvertUnit(added.second, other.m_unit, m_unit);
    }
    // A line without an amount takes the other's; a single amount counts as
    // the range from itself to itself.
    if (added.count == 1) {
        added.second = added.first;
    }
    if (own.count == 0) {
        own = added;
    } else if (own.count < added.count) {
        own.first += added.second;
    } else if (added.count < own.count) {
        own.second += added.first;
    } else {
        own.first += added.first;
        own.second += added.second;
    }
    m_amount = FormatRange(own, rules);
    NutrientsChanged();
    return true;
}

void CIngredient::Scale(double factor, double portionFactor, const QuantityRules& rules) {
    if (factor == 1.0) {
        factor = portionFactor;
    }
    if (factor == 1.0 || m_amount.empty()) {
        return;
    }
    ParsedAmount amount = rules.ParseAmount(m_amount);
    amount.first *= factor;
    amount.second *= factor;
    m_amount = FormatRange(amount, rules);
    NutrientsChanged();
}

// Converted amounts are shown with the unit they were converted to: naming
// the original unit beside them would misstate the quantity.
CIngredient::Displayed CIngredient::Display(const QuantityRules& rules) const {
    const auto unitText = rules.UnitDisplayText(m_unit);
    if (!unitText.has_value()) {
        return {m_amount, m_unit};
    }
    const auto target = rules.ConversionTarget(m_unit);
    if (!target.has_value() || m_amount.empty()) {
        return {m_amount, *unitText};
    }
    ParsedAmount amount = rules.ParseAmount(m_amount);
    amount.first = rules.ConvertUnit(amount.first, m_unit, *target);
    amount.second = rules.ConvertUnit(amount.second, m_unit, *target);
    return {FormatRange(amount, rules), rules.UnitDisplayText(*target).value_or(*target)};
}
