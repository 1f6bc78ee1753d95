#include "render/CHColor.h"

#include <charconv>

void CHColor::SetRgb(int red, int green, int blue) {
    m_red = static_cast<std::int16_t>(red);
    m_green = static_cast<std::int16_t>(green);
    m_blue = static_cast<std::int16_t>(blue);
}

void CHColor::SetPacked(std::uint32_t rgb) {
    SetRgb(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>(rgb & 0xFF));
}

void CHColor::SetColorRef(ColorRef color) {
    if (color == kNoColor || color == kUnusedColor) {
        Unset();
        return;
    }
    SetRgb(RedOf(color), GreenOf(color), BlueOf(color));
}

void CHColor::SetText(std::string_view text) {
    if (!text.empty() && text.front() == '#') {
        text.remove_prefix(1);
    }
    // Text that is not a number reads as 0, black, as the page colours always have.
    std::uint32_t rgb = 0;
    std::from_chars(text.data(), text.data() + text.size(), rgb, 16);
    SetPacked(rgb);
}

void CHColor::AppendAttribute(std::string& out, std::string_view name) const {
    if (!IsSet()) {
        return;
    }
    static constexpr char kHex[] = "0123456789abcdef";
    out += ' ';
    out += name;
    out += "=\"#";
    for (const int component : {m_red, m_green, m_blue}) {
        out += kHex[(component >> 4) & 0xF];
        out += kHex[component & 0xF];
    }
    out += '"';
}
