#pragma once

#include <string_view>

// Case-insensitive comparison of the model's texts, as titles, keys and
// units are compared when lines and objects are matched.
bool EqualsNoCase(std::string_view a, std::string_view b);

// The text without surrounding spaces, tabs and line breaks.
std::string_view TrimSpace(std::string_view text);
