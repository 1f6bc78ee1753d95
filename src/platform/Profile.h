#pragma once

#include <string>
#include <string_view>

// The per-user preference store. Sections are backslash-separated paths below
// the application root ("SettingsV4\\Font21"). A missing key, or a key whose
// stored value is not of the asked kind, yields the default.
class Profile {
public:
    virtual ~Profile() = default;

    virtual int GetInt(std::string_view section, std::string_view key, int defaultValue) const = 0;
    virtual std::string GetString(std::string_view section, std::string_view key,
                                  std::string_view defaultValue) const = 0;
    virtual void WriteInt(std::string_view section, std::string_view key, int value) = 0;
    virtual void WriteString(std::string_view section, std::string_view key, std::string_view value) = 0;
};
