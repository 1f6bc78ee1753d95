#include "quantities/UnitTables.h"

#include "support/MemoryProfile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr std::string_view kSection = "SettingsV4\\Units";

class UnitTablesTest : public ::testing::Test {
protected:
    MemoryProfile m_profile;
};

} // namespace

TEST_F(UnitTablesTest, FindsUnitsByAbbreviationNameAndCookingWord) {
    const UnitTables units(m_profile);
    const struct {
        std::string text;
        std::string name;
    } cases[] = {
        {"T", "Tablespoon"},
        {"t", "Teaspoon"},
        {"TEASPOON", "Teaspoon"},
        {"Tbsp.", "Tablespoon"},
        {"tb", "Tablespoon"},
        {"C", "Cup"},
        {"c.", "Cup"},
        {"cups", "Cup"},
        {"m", "Meter"},
        {"ml", "Milliliter"},
        {"l", "Liter"},
        {"fl oz", "Fluid Ounce"},
        {"fl.oz", "Fluid Ounce"},
        {"oz", "Ounce"},
        {"LBS", "Pound"},
        {"g", "Gram"},
        {"kg", "Kilogram"},
        {"µg", "Microgram"},
        {"micg", "Microgram"},
        {"gal.", "Gallon"},
        {"gal", "Gallon"},
        {"°F", "Fahrenheit"},
        {"celsius", "Celsius"},
        {"mi.", "Mile"},
        {"ft^2", "Square Foot"},
        {"in^3", "Cubic Inch"},
        {"in", "Inch"},
    };
    for (const auto& c : cases) {
        const CUnit* unit = units.FindUnit(c.text);
        ASSERT_NE(unit, nullptr) << c.text;
        EXPECT_EQ(unit->Name(), c.name) << c.text;
    }
}

TEST_F(UnitTablesTest, FindsNothingForUnknownOrEmptyText) {
    const UnitTables units(m_profile);
    for (const char* text : {"", "can", "lg", "handful", "Tb s", "."}) {
        EXPECT_EQ(units.FindUnit(text), nullptr) << text;
    }
}

TEST_F(UnitTablesTest, EveryUnitConvertsToEveryUnitOfItsFamilyAndBack) {
    const UnitTables units(m_profile);
    for (int family = 0; family < UnitTables::kFamilyCount; ++family) {
        for (const auto& from : units.Type(family).Units()) {
            for (const auto& to : units.Type(family).Units()) {
                const double there = ConvertAmount(37.5, *from, *to);
                EXPECT_NEAR(ConvertAmount(there, *to, *from), 37.5, 1e-9 * 37.5)
                    << from->Name() << " -> " << to->Name();
            }
        }
    }
}

TEST_F(UnitTablesTest, ConvertsWithTheProgramsFactors) {
    const UnitTables units(m_profile);
    const auto& find = [&](const char* text) { return *units.FindUnit(text); };
    EXPECT_NEAR(ConvertAmount(212, find("°F"), find("°C")), 100, 1e-9);
    EXPECT_NEAR(ConvertAmount(-40, find("°C"), find("°F")), -40, 1e-9);
    EXPECT_NEAR(ConvertAmount(1, find("C"), find("T")), 16, 1e-6);
    EXPECT_NEAR(ConvertAmount(1, find("lb"), find("g")), 453.5924979, 1e-9);
    EXPECT_NEAR(ConvertAmount(1, find("ft"), find("in")), 12, 1e-9);
    EXPECT_NEAR(ConvertAmount(1, find("gal."), find("l")), 3.785411784, 1e-12);
}

TEST_F(UnitTablesTest, ConvertsAmountTextsAndKeepsTextWithoutQuantity) {
    const UnitTables units(m_profile);
    const CUnit& cup = *units.FindUnit("C");
    const CUnit& tablespoon = *units.FindUnit("T");
    EXPECT_EQ(ConvertAmountText("1/2", cup, tablespoon), "8");
    EXPECT_EQ(ConvertAmountText("1--1-1/2", cup, tablespoon), "16--24");
    EXPECT_EQ(ConvertAmountText("", cup, tablespoon), "");
    EXPECT_EQ(ConvertAmountText("some", cup, tablespoon), "some");
    EXPECT_EQ(ConvertAmountText("32", *units.FindUnit("°F"), *units.FindUnit("°C")), "");
    EXPECT_EQ(ConvertAmountText("0", *units.FindUnit("°C"), *units.FindUnit("°F")), "32");
    EXPECT_EQ(ConvertAmountText("14", *units.FindUnit("°F"), *units.FindUnit("°C")), "-10");
}

TEST_F(UnitTablesTest, ReadsDisplayNamesAndTargetsFromTheProfile) {
    m_profile.WriteString(kSection, "disp207", "cup");
    m_profile.WriteString(kSection, "conv207", "ml");
    m_profile.WriteString(kSection, "conv304", "g");
    m_profile.WriteString(kSection, "conv305", "C");
    m_profile.WriteString(kSection, "conv206", "T");
    const UnitTables units(m_profile);
    const CUnit& cup = units.Unit(UnitTables::Volume, 7);
    EXPECT_EQ(cup.DisplayText(), "cup");
    ASSERT_NE(cup.Target(), nullptr);
    EXPECT_EQ(cup.Target()->Name(), "Milliliter");
    ASSERT_NE(units.Unit(UnitTables::Weight, 4).Target(), nullptr);
    EXPECT_EQ(units.Unit(UnitTables::Weight, 4).Target()->Name(), "Gram");
    // A target of another family, or the unit itself, resolves to none.
    EXPECT_EQ(units.Unit(UnitTables::Weight, 5).Target(), nullptr);
    EXPECT_EQ(units.Unit(UnitTables::Volume, 6).Target(), nullptr);
    EXPECT_EQ(units.Unit(UnitTables::Weight, 5).DisplayText(), "lb");
    // The display name is a further name of the unit.
    EXPECT_EQ(units.FindUnit("cup"), &cup);
}

TEST_F(UnitTablesTest, WritesSettingsBackWhenDestroyed) {
    {
        UnitTables units(m_profile);
        CUnit& cup = units.Unit(UnitTables::Volume, 7);
        cup.SetDisplayName("Cup(s)");
        cup.SetTarget(&units.Unit(UnitTables::Volume, 12));
    }
    EXPECT_EQ(m_profile.GetString(kSection, "disp207", "?"), "Cup(s)");
    EXPECT_EQ(m_profile.GetString(kSection, "conv207", "?"), "ml");
    EXPECT_EQ(m_profile.GetString(kSection, "disp000", "?"), "");
    EXPECT_EQ(m_profile.GetString(kSection, "conv401", "?"), "");

    const UnitTables again(m_profile);
    EXPECT_EQ(again.Unit(UnitTables::Volume, 7).Target(), &again.Unit(UnitTables::Volume, 12));
}

TEST_F(UnitTablesTest, SettingATargetToItselfNoneOrAnotherFamilyClearsIt) {
    UnitTables units(m_profile);
    CUnit& cup = units.Unit(UnitTables::Volume, 7);
    const CUnit* others[] = {&cup, nullptr, &units.Unit(UnitTables::Weight, 2)};
    for (const CUnit* other : others) {
        cup.SetTarget(&units.Unit(UnitTables::Volume, 12));
        cup.SetTarget(other);
        EXPECT_EQ(cup.Target(), nullptr);
        EXPECT_EQ(cup.ConvertTo(), "");
    }
}

TEST_F(UnitTablesTest, NamesTheFamilies) {
    const UnitTables units(m_profile);
    EXPECT_EQ(units.Type(UnitTables::Length).Name(), "Length");
    EXPECT_EQ(units.Type(UnitTables::Temperature).Name(), "Temperature");
    EXPECT_EQ(units.Type(UnitTables::Volume).Units().size(), 14u);
}

TEST(UnitTablesWithoutProfile, UseTheBuiltInNamesAndStoreNothing) {
    UnitTables units;
    units.Unit(UnitTables::Volume, 7).SetDisplayName("cup");
    EXPECT_EQ(units.FindUnit("cup"), &units.Unit(UnitTables::Volume, 7));
    EXPECT_EQ(units.Unit(UnitTables::Weight, 5).DisplayText(), "lb");
    units.SaveSettings();
}
