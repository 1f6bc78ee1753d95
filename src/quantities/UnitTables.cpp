#include "quantities/UnitTables.h"

#include "platform/Profile.h"
#include "platform/StringTable.h"

#include <string>
#include <vector>

namespace {

constexpr std::string_view kSection = "SettingsV4\\Units";
constexpr int kFamilyNamesId = 286;

// "disp207" is the display name of unit 7 (Cup) of family 2 (Volume).
std::string SettingKey(std::string_view prefix, const CUnit& unit) {
    std::string key(prefix);
    key += std::to_string(unit.Type().Index());
    if (unit.Index() < 10) {
        key += '0';
    }
    key += std::to_string(unit.Index());
    return key;
}

struct CookingWord {
    std::string_view word;
    UnitTables::Family family;
    int index;
};

constexpr CookingWord kCookingWords[] = {
    {"cup", UnitTables::Volume, 7},      {"cups", UnitTables::Volume, 7},       {"c", UnitTables::Volume, 7},
    {"tbsp", UnitTables::Volume, 6},     {"tablespoon", UnitTables::Volume, 6}, {"tablespoons", UnitTables::Volume, 6},
    {"tb", UnitTables::Volume, 6},       {"tsp", UnitTables::Volume, 5},        {"ts", UnitTables::Volume, 5},
    {"teaspoon", UnitTables::Volume, 5}, {"teaspoons", UnitTables::Volume, 5},  {"fl oz", UnitTables::Volume, 11},
    {"floz", UnitTables::Volume, 11},    {"pint", UnitTables::Volume, 8},       {"quart", UnitTables::Volume, 9},
    {"gal", UnitTables::Volume, 10},     {"l", UnitTables::Volume, 13},         {"oz", UnitTables::Weight, 4},
    {"ounce", UnitTables::Weight, 4},    {"ounces", UnitTables::Weight, 4},     {"lb", UnitTables::Weight, 5},
    {"lbs", UnitTables::Weight, 5},      {"pound", UnitTables::Weight, 5},      {"pounds", UnitTables::Weight, 5},
    {"g", UnitTables::Weight, 2},        {"kg", UnitTables::Weight, 3},         {"µg", UnitTables::Weight, 0},
    {"micg", UnitTables::Weight, 0},
};

// The units in array order within each family (the lookup takes the first
// match). The pound and tablespoon factors are the program's historic values,
// not the exact definitions; stored conversions and nutrient portions depend
// on them.
struct UnitSpec {
    UnitTables::Family family;
    int index;
    int nameId;
    double factor;
    double offset = 0.0;
};

constexpr UnitSpec kUnits[] = {
    {UnitTables::Length, 0, 200, 1.0},           {UnitTables::Length, 1, 202, 10.0},
    {UnitTables::Length, 2, 204, 1000.0},        {UnitTables::Length, 4, 208, 25.4},
    {UnitTables::Length, 5, 210, 304.8},         {UnitTables::Length, 3, 206, 1000000.0},
    {UnitTables::Length, 6, 212, 1609344.0},     {UnitTables::Area, 0, 214, 1.0},
    {UnitTables::Area, 1, 216, 100.0},           {UnitTables::Area, 2, 218, 1000000.0},
    {UnitTables::Area, 3, 220, 645.16},          {UnitTables::Area, 4, 222, 92903.04},
    {UnitTables::Volume, 7, 238, 236588.2365},   {UnitTables::Volume, 5, 234, 4928.92159375},
    {UnitTables::Volume, 6, 236, 14786.7647812}, {UnitTables::Volume, 8, 240, 473176.473},
    {UnitTables::Volume, 9, 242, 946352.946},    {UnitTables::Volume, 10, 244, 3785411.784},
    {UnitTables::Volume, 11, 291, 29573.52956},  {UnitTables::Volume, 0, 224, 1.0},
    {UnitTables::Volume, 1, 226, 1000.0},        {UnitTables::Volume, 2, 228, 1000000000.0},
    {UnitTables::Volume, 12, 246, 1000.0},       {UnitTables::Volume, 13, 248, 1000000.0},
    {UnitTables::Volume, 3, 230, 16387.064},     {UnitTables::Volume, 4, 232, 28316846.592},
    {UnitTables::Weight, 4, 256, 28349.53112},   {UnitTables::Weight, 5, 258, 453592.4979},
    {UnitTables::Weight, 1, 250, 1.0},           {UnitTables::Weight, 2, 252, 1000.0},
    {UnitTables::Weight, 3, 254, 1000000.0},     {UnitTables::Weight, 0, 293, 0.001},
    {UnitTables::Temperature, 0, 260, 1.0},      {UnitTables::Temperature, 1, 262, 0.5555555555555556, -32.0},
};

} // namespace

UnitTables::UnitTables() {
    Build();
}

UnitTables::UnitTables(Profile& profile) : m_profile(&profile) {
    Build();
    LoadSettings();
}

UnitTables::~UnitTables() {
    SaveSettings();
}

void UnitTables::Build() {
    const std::vector<std::string> names = StringTable::List(kFamilyNamesId);
    for (int i = 0; i < kFamilyCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        m_types[at] = std::make_unique<CUnitType>(i, at < names.size() ? names[at] : std::string());
    }
    for (const auto& unit : kUnits) {
        Type(unit.family).AddUnit(unit.index, unit.nameId, unit.factor, unit.offset);
    }
}

// Display names first: a conversion target may be named by a display name.
void UnitTables::LoadSettings() {
    for (auto& type : m_types) {
        for (auto& unit : type->Units()) {
            unit->SetDisplayName(m_profile->GetString(kSection, SettingKey("disp", *unit), ""));
        }
    }
    for (auto& type : m_types) {
        for (auto& unit : type->Units()) {
            std::string convertTo = m_profile->GetString(kSection, SettingKey("conv", *unit), "");
            const CUnit* target = convertTo.empty() ? nullptr : MatchInFamily(*type, convertTo);
            unit->RestoreTarget(std::move(convertTo), target);
        }
    }
}

void UnitTables::SaveSettings() const {
    if (m_profile == nullptr) {
        return;
    }
    for (const auto& type : m_types) {
        for (const auto& unit : type->Units()) {
            m_profile->WriteString(kSection, SettingKey("disp", *unit), unit->DisplayName());
            m_profile->WriteString(kSection, SettingKey("conv", *unit), unit->ConvertTo());
        }
    }
}

const CUnit* UnitTables::MatchInFamily(const CUnitType& type, std::string_view text) const {
    const CUnit* unit = type.Match(text);
    return unit != nullptr ? unit : FindWord(text);
}

const CUnit* UnitTables::FindUnit(std::string_view text) const {
    for (const auto& type : m_types) {
        if (const CUnit* unit = MatchInFamily(*type, text)) {
            return unit;
        }
    }
    return nullptr;
}

const CUnit* UnitTables::FindWord(std::string_view text) const {
    if (text.empty()) {
        return nullptr;
    }
    std::string word;
    for (const char c : text) {
        if (c != '.') {
            word += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        }
    }
    for (const auto& entry : kCookingWords) {
        if (entry.word == word) {
            return &Unit(entry.family, entry.index);
        }
    }
    return nullptr;
}

const CUnit& UnitTables::Unit(Family family, int index) const {
    return *Type(family).ByIndex(index);
}
