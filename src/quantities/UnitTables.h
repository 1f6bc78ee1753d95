#pragma once

#include "quantities/CUnitType.h"

#include <array>
#include <memory>
#include <string_view>
#include <utility>

class Profile;

// The five unit families of the running program. The user's display names and
// conversion targets are read from the profile when the tables are built and
// written back when they are destroyed.
class UnitTables {
public:
    enum Family { Length, Area, Volume, Weight, Temperature };
    static constexpr int kFamilyCount = 5;

    // The units with their built-in names only, tied to no profile.
    UnitTables();
    explicit UnitTables(Profile& profile);
    ~UnitTables();
    UnitTables(const UnitTables&) = delete;
    UnitTables& operator=(const UnitTables&) = delete;

    const CUnitType& Type(int index) const { return *m_types.at(static_cast<std::size_t>(index)); }
    CUnitType& Type(int index) { return *m_types.at(static_cast<std::size_t>(index)); }

    // The unit a free unit text names, or null: each family in turn by
    // abbreviation, name or display name, with the table of common cooking
    // words tried after the first family.
    const CUnit* FindUnit(std::string_view text) const;

    // The unit of the common cooking word (dots removed, any case), or null.
    const CUnit* FindWord(std::string_view text) const;

    // A unit by family and number within the family; the unit must exist.
    const CUnit& Unit(Family family, int index) const;
    CUnit& Unit(Family family, int index) { return const_cast<CUnit&>(std::as_const(*this).Unit(family, index)); }

    void SaveSettings() const;

private:
    void Build();
    void LoadSettings();
    const CUnit* MatchInFamily(const CUnitType& type, std::string_view text) const;

    Profile* m_profile = nullptr;
    std::array<std::unique_ptr<CUnitType>, kFamilyCount> m_types;
};
