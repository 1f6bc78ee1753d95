#pragma once

#include <optional>
#include <string>
#include <string_view>

// Conversions between the UTF-8 kept in memory and the 8-bit code pages that
// book files and other programs' text files use.
class TextCodec {
public:
    // Every Windows-1252 byte has a character: the five bytes the code page
    // leaves undefined map to the C1 controls of the same value, so any byte
    // string survives a round trip.
    static std::string Windows1252ToUtf8(std::string_view bytes);

    // The Windows-1252 bytes of the text, or nothing when a character has no
    // byte in that code page (or the text is not valid UTF-8).
    static std::optional<std::string> Utf8ToWindows1252(std::string_view utf8);

    static std::string Cp437ToUtf8(std::string_view bytes);

    static bool IsValidUtf8(std::string_view text);

    // UTF-16 code units (as the wide archive form stores them) to UTF-8;
    // unpaired surrogates become U+FFFD.
    static std::string Utf16ToUtf8(std::u16string_view text);
    static std::u16string Utf8ToUtf16(std::string_view utf8);

    static void AppendUtf8(std::string& out, char32_t codePoint);

    // Decodes one code point at pos and advances pos; invalid bytes yield
    // U+FFFD and advance by one.
    static char32_t NextCodePoint(std::string_view text, std::size_t& pos);
};
