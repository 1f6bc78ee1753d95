#include "render/HtmlText.h"

#include <charconv>

namespace HtmlText {

void AppendInt(std::string& out, long long value) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

void AppendAttribute(std::string& out, std::string_view name, std::string_view value) {
    out += ' ';
    out += name;
    out += "=\"";
    out += value;
    out += '"';
}

void AppendAttribute(std::string& out, std::string_view name, long long value) {
    out += ' ';
    out += name;
    out += "=\"";
    AppendInt(out, value);
    out += '"';
}

void TrimNewlines(std::string& out, std::size_t from) {
    while (out.size() > from && out.back() == '\n') {
        out.pop_back();
    }
}

std::string ReplaceAll(std::string_view text, std::string_view what, std::string_view with) {
    std::string result;
    result.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t found = text.find(what); !what.empty() && found != std::string_view::npos;
         found = text.find(what, start)) {
        result.append(text.substr(start, found - start));
        result.append(with);
        start = found + what.size();
    }
    result.append(text.substr(start));
    return result;
}

} // namespace HtmlText
