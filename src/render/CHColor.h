#pragma once

#include "platform/ColorRef.h"

#include <cstdint>
#include <string>
#include <string_view>

// A colour of a generated page. A component of -1 means unset, and the colour
// counts as set only when all three components are set.
class CHColor {
public:
    CHColor() = default;
    CHColor(int red, int green, int blue) { SetRgb(red, green, blue); }

    void SetRgb(int red, int green, int blue);
    // 0xRRGGBB.
    void SetPacked(std::uint32_t rgb);
    // The settings' colour reference (0x00BBGGRR); the markers for no colour
    // and for an unused colour leave the colour unset.
    void SetColorRef(ColorRef color);
    // "#D6D6D6" or "FFFF8C".
    void SetText(std::string_view text);
    void Unset() { SetRgb(-1, -1, -1); }

    bool IsSet() const { return m_red >= 0 && m_green >= 0 && m_blue >= 0; }
    int Red() const { return m_red; }
    int Green() const { return m_green; }
    int Blue() const { return m_blue; }

    // Appends ` name="#rrggbb"`, or nothing when the colour is unset.
    void AppendAttribute(std::string& out, std::string_view name) const;

private:
    std::int16_t m_red = -1;
    std::int16_t m_green = -1;
    std::int16_t m_blue = -1;
};
