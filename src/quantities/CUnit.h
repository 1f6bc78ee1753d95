#pragma once

#include <string>
#include <string_view>

class CUnitType;

// One unit of measure: its size in the base unit of its family, and the user's
// display name and conversion target.
class CUnit {
public:
    CUnit(const CUnitType& type, int index, std::string name, std::string abbreviation, double factor,
          double offset = 0.0);

    const std::string& Name() const { return m_name; }
    const std::string& Abbreviation() const { return m_abbreviation; }
    const CUnitType& Type() const { return *m_type; }
    int Index() const { return m_index; }
    double Factor() const { return m_factor; }
    double Offset() const { return m_offset; }

    const std::string& DisplayName() const { return m_displayName; }
    void SetDisplayName(std::string displayName) { m_displayName = std::move(displayName); }

    // The display name when the user gave one, else the abbreviation.
    const std::string& DisplayText() const;

    // The abbreviation of the conversion target as stored in the profile.
    const std::string& ConvertTo() const { return m_convertTo; }
    const CUnit* Target() const { return m_target; }

    // Itself, none, or a unit of another family clears the target.
    void SetTarget(const CUnit* target);

    // Restores the stored target text and the unit it names (already resolved
    // within the family, or null).
    void RestoreTarget(std::string convertTo, const CUnit* target);

    bool SameFamily(const CUnit& other) const { return m_type == other.m_type; }

private:
    const CUnitType* m_type;
    int m_index;
    std::string m_name;
    std::string m_abbreviation;
    double m_factor;
    double m_offset;
    std::string m_displayName;
    std::string m_convertTo;
    const CUnit* m_target = nullptr;
};

// value in unit from, expressed in unit to. Both must be of one family.
double ConvertAmount(double value, const CUnit& from, const CUnit& to);

// The amount text (single amount or range) converted between two units of one
// family and formatted with fractions; text without a quantity is kept.
std::string ConvertAmountText(std::string_view amount, const CUnit& from, const CUnit& to);
