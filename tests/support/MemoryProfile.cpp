#include "support/MemoryProfile.h"

int MemoryProfile::GetInt(std::string_view section, std::string_view key, int defaultValue) const {
    const auto found = m_values.find({std::string(section), std::string(key)});
    if (found == m_values.end() || !std::holds_alternative<int>(found->second)) {
        return defaultValue;
    }
    return std::get<int>(found->second);
}

std::string MemoryProfile::GetString(std::string_view section, std::string_view key,
                                     std::string_view defaultValue) const {
    const auto found = m_values.find({std::string(section), std::string(key)});
    if (found == m_values.end() || !std::holds_alternative<std::string>(found->second)) {
        return std::string(defaultValue);
    }
    return std::get<std::string>(found->second);
}

void MemoryProfile::WriteInt(std::string_view section, std::string_view key, int value) {
    m_values[{std::string(section), std::string(key)}] = value;
}

void MemoryProfile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    m_values[{std::string(section), std::string(key)}] = std::string(value);
}

bool MemoryProfile::Has(std::string_view section, std::string_view key) const {
    return m_values.contains({std::string(section), std::string(key)});
}
