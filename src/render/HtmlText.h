#pragma once

#include <string>
#include <string_view>

// Small string helpers shared by the HTML and RTF writers, which build their
// output by appending to one buffer.
namespace HtmlText {

void AppendInt(std::string& out, long long value);

// Appends ` name="value"`.
void AppendAttribute(std::string& out, std::string_view name, std::string_view value);
void AppendAttribute(std::string& out, std::string_view name, long long value);

// Removes every line feed at the end of out, but none before position from.
void TrimNewlines(std::string& out, std::size_t from);

// text with every occurrence of what replaced by with.
std::string ReplaceAll(std::string_view text, std::string_view what, std::string_view with);

} // namespace HtmlText
