#include "app/Portion.h"

#include <algorithm>
#include <cctype>

namespace {

std::optional<int> ParseCount(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())) != 0) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())) != 0) {
        text.remove_suffix(1);
    }
    if (text.empty() || text.size() > 2) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c)) == 0) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    if (value < 1 || value > Portion::kLargest) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::string Portion::Text() const {
    return std::to_string(numerator) + ":" + std::to_string(denominator);
}

std::optional<Portion> Portion::Parse(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    const auto numerator = ParseCount(text.substr(0, colon));
    const auto denominator = ParseCount(text.substr(colon + 1));
    if (!numerator || !denominator) {
        return std::nullopt;
    }
    return Portion{*numerator, *denominator};
}

Portion Portion::Larger() const {
    if (denominator == 1) {
        return {std::min(numerator + 1, kLargest), 1};
    }
    return {numerator, denominator - 1};
}

Portion Portion::Smaller() const {
    if (numerator == 1) {
        return {1, std::min(denominator + 1, kLargest)};
    }
    return {numerator - 1, denominator};
}
