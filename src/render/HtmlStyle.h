#pragma once

#include "app/CTextStyle.h"

class CHText;

// Gives a text element the look of one of the settings' text styles.
namespace HtmlStyle {

void Apply(CHText& text, const CTextStyle& style, bool paragraph);

} // namespace HtmlStyle
