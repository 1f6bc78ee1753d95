#pragma once

#include "platform/Profile.h"

#include <map>
#include <string>
#include <utility>
#include <variant>

// A profile held in memory, for tests. Values keep their kind, so reading an
// integer key that holds text yields the default, as the real store does.
class MemoryProfile : public Profile {
public:
    using Value = std::variant<int, std::string>;
    using Key = std::pair<std::string, std::string>;

    int GetInt(std::string_view section, std::string_view key, int defaultValue) const override;
    std::string GetString(std::string_view section, std::string_view key, std::string_view defaultValue) const override;
    void WriteInt(std::string_view section, std::string_view key, int value) override;
    void WriteString(std::string_view section, std::string_view key, std::string_view value) override;

    bool Has(std::string_view section, std::string_view key) const;
    const std::map<Key, Value>& Values() const { return m_values; }

private:
    std::map<Key, Value> m_values;
};
