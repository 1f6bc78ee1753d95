#pragma once

#include <cstdint>

// Colours are kept as the profile and the book files store them:
// red + 256 * green + 65536 * blue. Two values are markers, not colours.
using ColorRef = std::int32_t;

inline constexpr ColorRef kNoColor = -1;
inline constexpr ColorRef kUnusedColor = -2;

constexpr ColorRef Rgb(int red, int green, int blue) {
    return red + 256 * green + 65536 * blue;
}
constexpr int RedOf(ColorRef c) {
    return c & 0xFF;
}
constexpr int GreenOf(ColorRef c) {
    return (c >> 8) & 0xFF;
}
constexpr int BlueOf(ColorRef c) {
    return (c >> 16) & 0xFF;
}
