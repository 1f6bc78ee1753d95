#include "setup/ProfileIni.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>

std::optional<std::string> ProfileIni::Value(const std::filesystem::path& file, std::string_view keyPath) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string section;
    std::string line;
    while (std::getline(in, line)) {
        const auto text = Trimmed(line);
        if (text.empty() || text.front() == ';' || text.front() == '#') {
            continue;
        }
        if (text.front() == '[' && text.back() == ']') {
            section = UnescapedKey(Trimmed(text.substr(1, text.size() - 2)));
            continue;
        }
        const auto equals = text.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        const auto key = UnescapedKey(Trimmed(text.substr(0, equals)));
        const bool topLevel = section.empty() || SameKey(section, "General");
        if (SameKey(topLevel ? key : section + "/" + key, keyPath)) {
            return UnescapedValue(Trimmed(text.substr(equals + 1)));
        }
    }
    return std::nullopt;
}

std::string ProfileIni::UnescapedKey(std::string_view text) {
    std::string key;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') {
            key += '/';
            continue;
        }
        unsigned byte = 0;
        if (c == '%' && i + 2 < text.size() &&
            std::from_chars(text.data() + i + 1, text.data() + i + 3, byte, 16).ptr == text.data() + i + 3) {
            key += static_cast<char>(byte);
            i += 2;
            continue;
        }
        key += c;
    }
    return key;
}

// QSettings quotes values with outer spaces or separators and escapes
// backslashes and quotation marks; a plain path comes out unchanged.
std::string ProfileIni::UnescapedValue(std::string_view text) {
    std::string value;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            continue;
        }
        if (c == '\\' && i + 1 < text.size()) {
            const char escaped = text[++i];
            value += escaped == 'n' ? '\n' : escaped == 't' ? '\t' : escaped == 'r' ? '\r' : escaped;
            continue;
        }
        value += c;
    }
    return value;
}

std::string_view ProfileIni::Trimmed(std::string_view text) {
    const auto isSpace = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && isSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool ProfileIni::SameKey(std::string_view left, std::string_view right) {
    return std::ranges::equal(left, right, [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}
