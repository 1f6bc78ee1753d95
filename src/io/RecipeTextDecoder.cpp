#include "io/RecipeTextDecoder.h"

#include "platform/TextCodec.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// Recipe files are nearly all ASCII: eight bytes are tested at a time.
std::size_t AsciiRun(std::string_view text, std::size_t pos) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    while (pos + sizeof(std::uint64_t) <= text.size()) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + pos, sizeof word);
        if ((word & kHighBits) != 0) {
            break;
        }
        pos += sizeof word;
    }
    while (pos < text.size() && static_cast<unsigned char>(text[pos]) < 0x80) {
        ++pos;
    }
    return pos;
}

bool IsUtf8(std::string_view text) {
    for (std::size_t pos = AsciiRun(text, 0); pos < text.size(); pos = AsciiRun(text, pos)) {
        const std::size_t start = pos;
        if (TextCodec::NextCodePoint(text, pos) == 0xFFFD && text.substr(start, 3) != kReplacementCharacter) {
            return false;
        }
    }
    return true;
}

// Characters a recipe plausibly holds: Latin letters with accents and the
// signs of cooking and typesetting. Box drawing and Greek letters, which the
// other code page makes of the same bytes, are not among them.
bool IsPlausible(char32_t c) {
    if (c >= 0xC0 && c <= 0xFF) {
        return c != 0xD7 && c != 0xF7;
    }
    static constexpr std::array<char32_t, 30> kSigns = {
        0xA0, 0xA1, 0xA2, 0xA3, 0xA7, 0xA9, 0xAA,   0xAB,   0xAE,   0xB0,   0xB1,   0xB2,   0xB3,   0xB5,   0xB7,
        0xBA, 0xBB, 0xBC, 0xBD, 0xBE, 0xBF, 0x2013, 0x2014, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2026, 0x2122,
    };
    return std::find(kSigns.begin(), kSigns.end(), c) != kSigns.end();
}

char32_t HighByteCharacter(unsigned char byte, RecipeTextDecoder::CodePage codePage) {
    const std::string one(1, static_cast<char>(byte));
    const std::string utf8 = codePage == RecipeTextDecoder::CodePage::Cp437 ? TextCodec::Cp437ToUtf8(one)
                                                                            : TextCodec::Windows1252ToUtf8(one);
    std::size_t pos = 0;
    return TextCodec::NextCodePoint(utf8, pos);
}

// For each byte from 0x80 on, whether it reads as a plausible character in
// Windows-1252 (bit 0) and in code page 437 (bit 1).
const std::array<unsigned char, 128>& PlausibleBytes() {
    static const std::array<unsigned char, 128> table = [] {
        std::array<unsigned char, 128> bits{};
        for (std::size_t i = 0; i < bits.size(); ++i) {
            const auto byte = static_cast<unsigned char>(0x80 + i);
            bits[i] = static_cast<unsigned char>(
                (IsPlausible(HighByteCharacter(byte, RecipeTextDecoder::CodePage::Windows1252)) ? 1 : 0) |
                (IsPlausible(HighByteCharacter(byte, RecipeTextDecoder::CodePage::Cp437)) ? 2 : 0));
        }
        return bits;
    }();
    return table;
}

template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            visit(text.substr(start), std::string_view());
            return;
        }
        const std::size_t endLength = text.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        visit(text.substr(start, end - start), text.substr(end, endLength));
        start = end + endLength;
    }
}

} // namespace

std::string RecipeTextDecoder::Decode(std::string_view bytes) {
    std::string storage;
    const std::string_view text = Decode(bytes, storage);
    return text.data() == storage.data() ? std::move(storage) : std::string(text);
}

std::string_view RecipeTextDecoder::Decode(std::string_view bytes, std::string& storage) {
    if (bytes.starts_with(kUtf8Bom)) {
        bytes.remove_prefix(kUtf8Bom.size());
    }
    if (IsUtf8(bytes)) {
        if (bytes.find('\r') == std::string_view::npos) {
            return bytes;
        }
        storage = NormaliseLineEnds(bytes);
        return storage;
    }
    storage = DecodeLines(bytes);
    return storage;
}

std::string RecipeTextDecoder::DecodeLines(std::string_view bytes) {
    const CodePage codePage = GuessCodePage(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    ForEachLine(bytes, [&](std::string_view line, std::string_view lineEnd) {
        AppendDecodedLine(out, line, codePage);
        if (!lineEnd.empty()) {
            out += '\n';
        }
    });
    return out;
}

RecipeTextDecoder::CodePage RecipeTextDecoder::GuessCodePage(std::string_view bytes) {
    const auto& plausible = PlausibleBytes();
    long windows1252 = 0;
    long cp437 = 0;
    ForEachLine(bytes, [&](std::string_view line, std::string_view) {
        if (IsUtf8(line)) {
            return;
        }
        for (const char c : line) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte >= 0x80) {
                windows1252 += plausible[byte - 0x80] & 1;
                cp437 += (plausible[byte - 0x80] >> 1) & 1;
            }
        }
    });
    return cp437 > windows1252 ? CodePage::Cp437 : CodePage::Windows1252;
}

std::string RecipeTextDecoder::NormaliseLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    ForEachLine(text, [&](std::string_view line, std::string_view lineEnd) {
        out += line;
        if (!lineEnd.empty()) {
            out += '\n';
        }
    });
    return out;
}

void RecipeTextDecoder::AppendDecodedLine(std::string& out, std::string_view line, CodePage codePage) {
    if (IsUtf8(line)) {
        out += line;
        return;
    }
    out += codePage == CodePage::Cp437 ? TextCodec::Cp437ToUtf8(line) : TextCodec::Windows1252ToUtf8(line);
}
