#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Reads one value from the program's INI profile without the program's own
// profile classes, which the launcher must not link. The file is the one
// QSettings writes: a key path "a/b/c" is stored either as "c" in section
// "[a\b]" or as "b\c" in section "[a]", with "%XX" escapes for characters
// outside letters, digits, "-", "_" and "."; keys of section "[General]" sit at
// the top level.
class ProfileIni {
public:
    // The value of keyPath ("/"-separated, compared ignoring case like the
    // registry does); nothing when the file cannot be read or lacks the key.
    static std::optional<std::string> Value(const std::filesystem::path& file, std::string_view keyPath);

private:
    static std::string UnescapedKey(std::string_view text);
    static std::string UnescapedValue(std::string_view text);
    static std::string_view Trimmed(std::string_view text);
    static bool SameKey(std::string_view left, std::string_view right);
};
