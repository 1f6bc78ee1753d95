#pragma once

#include <string>
#include <string_view>

// Amounts are kept as text: 1-1/2 (whole number and fraction), 3/4, 1½,
// 0.75, and ranges 2--3 or 1-1/2--2. These functions turn that text into
// numbers at the moment of calculation and back.

// count is 0 for empty text, 1 for a single amount and 2 for a range; second
// is 0 for a single amount.
struct Amount {
    int count = 0;
    double first = 0.0;
    double second = 0.0;
};

Amount ParseAmount(std::string_view text);

// The amount text of one number, with "¼", "½", "¾" and -n/8, -n/3, -n/5, -n/6
// fractions when fractions is on. Zero gives the empty text.
std::string FormatAmount(double value, bool fractions);

// first, or first--second for a range (count 2).
std::string FormatAmountRange(const Amount& amount, bool fractions);

// The amount text multiplied by factor; a range scales both ends. Text that
// holds no number at all ("a few", "to taste") is kept as it is.
std::string ScaleAmount(std::string_view text, double factor);

// True when the text holds a digit or one of the fraction characters, i.e.
// when ParseAmount reads a quantity from it rather than an empty zero.
bool HasQuantity(std::string_view text);

// The length in bytes of "¼", "½" or "¾" at pos, 0 when there is none. Besides
// UTF-8 the lone Windows-1252 byte (0xBC to 0xBE) counts, for text that was
// never converted, unless it is the tail of another UTF-8 character ("ü").
// The last byte of the character tells which fraction it is in either form.
std::size_t FractionCharLength(std::string_view text, std::size_t pos);
