#pragma once

#include "app/CTextStyle.h"

#include <string>

class CHText;

// Gives a text element the look of one of the settings' text styles.
namespace HtmlStyle {

void Apply(CHText& text, const CTextStyle& style, bool paragraph);

// Sets the font face and HTML size. Kept out of line: GCC 12 reports a false
// overlap when these assignments are inlined into the page code at -O3.
void SetFont(CHText& text, std::string face, std::string size);

} // namespace HtmlStyle
