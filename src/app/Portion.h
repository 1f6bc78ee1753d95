#pragma once

#include <optional>
#include <string>
#include <string_view>

// The portion recipes are scaled by, as numerator : denominator ("3:2" makes
// one and a half of every recipe).
class Portion {
public:
    // A portion beyond this would scale a recipe into nonsense.
    static constexpr int kLargest = 99;

    int numerator = 1;
    int denominator = 1;

    bool operator==(const Portion&) const = default;

    // "%d:%d".
    std::string Text() const;
    double Factor() const { return static_cast<double>(numerator) / denominator; }

    // Typed text with a ":" between two whole numbers from 1 to kLargest;
    // anything else gives none and the portion stays as it was.
    static std::optional<Portion> Parse(std::string_view text);

    // One step larger: another whole when the denominator is 1, else one part less to divide by.
    Portion Larger() const;
    // One step smaller: one more part to divide by when the numerator is 1, else one whole less.
    Portion Smaller() const;
};
