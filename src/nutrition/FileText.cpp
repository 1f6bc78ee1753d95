#include "nutrition/FileText.h"

#include "platform/FileError.h"
#include "platform/TextCodec.h"

#include <array>
#include <charconv>
#include <cmath>
#include <fstream>

namespace Nutrient {

namespace {

bool IsAscii(std::string_view bytes) {
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

std::string_view SkipBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

} // namespace

std::string_view FileText::Decode(std::string_view bytes, std::string& storage) {
    if (IsAscii(bytes) || TextCodec::IsValidUtf8(bytes)) {
        return bytes;
    }
    storage = TextCodec::Windows1252ToUtf8(bytes);
    return storage;
}

std::string FileText::ReadFile(const std::filesystem::path& path) {
    // One read into a buffer of the file's size: the main table is 2 MB and
    // is read while the user waits.
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        throw FileError(path, "cannot open " + path.string());
    }
    const std::streamoff size = in.tellg();
    if (size < 0) {
        throw FileError(path, "cannot read " + path.string());
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.seekg(0);
    if (!in.read(bytes.data(), size)) {
        throw FileError(path, "cannot read " + path.string());
    }
    return bytes;
}

std::string FileText::Encode(std::string_view utf8) {
    if (IsAscii(utf8)) {
        return std::string(utf8);
    }
    if (auto ansi = TextCodec::Utf8ToWindows1252(utf8)) {
        return std::move(*ansi);
    }
    return std::string(utf8);
}

int FileText::ParseInt(std::string_view text) {
    text = SkipBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() ? value : 0;
}

std::optional<double> FileText::ParseDouble(std::string_view text) {
    text = SkipBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string FileText::Fixed(double value, int decimals) {
    std::array<char, 400> buffer{};
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
    if (error != std::errc()) {
        return "0";
    }
    return std::string(buffer.data(), end);
}

} // namespace Nutrient
