#pragma once

#include "platform/ColorRef.h"

#include <string>

// One display style of the fourteen the pages, the RTF writer and the
// Appearance options share. Size is in tenths of a point; <= 0 means none.
struct CTextStyle {
    ColorRef Color = 0;
    ColorRef Color1 = kUnusedColor;
    ColorRef Color2 = kUnusedColor;
    ColorRef Color3 = kUnusedColor;
    std::string Name = "Arial";
    int Bold = 0;
    int Italic = 0;
    int Underline = 0;
    int Size = 120;

    // The HTML font size 1-7 the style's point size maps to.
    int HtmlSize() const;

    bool operator==(const CTextStyle&) const = default;
};
