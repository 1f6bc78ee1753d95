#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace Nutrient {

// Text helpers shared by the readers and writers of the database files.
//
// The files are 8-bit Windows-1252, as the shipped data and older copies are.
// Text a user typed that has no Windows-1252 byte would be lost that way, so
// such a file is written in UTF-8 instead; a reader takes a file that is
// valid UTF-8 as UTF-8 and any other as Windows-1252 (a real Windows-1252
// text with accents is practically never valid UTF-8).
class FileText {
public:
    // The bytes as UTF-8: themselves when they are, else converted into storage.
    static std::string_view Decode(std::string_view bytes, std::string& storage);
    // The whole file; throws FileError when it cannot be opened or read.
    static std::string ReadFile(const std::filesystem::path& path);
    static std::string Encode(std::string_view utf8);

    // The integer at the start of text, as C's atoi reads it; 0 when there is none.
    static int ParseInt(std::string_view text);
    // The decimal number at the start of text; none when there is none or it is not finite.
    static std::optional<double> ParseDouble(std::string_view text);
    // The value with exactly `decimals` digits after the point, independent of the locale.
    static std::string Fixed(double value, int decimals);
};

} // namespace Nutrient
