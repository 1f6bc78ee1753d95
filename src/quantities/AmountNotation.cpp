#include "quantities/AmountNotation.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

constexpr unsigned char kUtf8Lead = 0xC2;
constexpr unsigned char kQuarter = 0xBC;
constexpr unsigned char kThreeQuarters = 0xBE;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsFractionByte(unsigned char c) {
    return c >= kQuarter && c <= kThreeQuarters;
}

double FractionValue(unsigned char c) {
    return 0.25 * (c - kQuarter + 1);
}

// Whether the continuation byte at pos belongs to a multi-byte UTF-8 character
// that starts at most three bytes before it.
bool IsUtf8Tail(std::string_view text, std::size_t pos) {
    for (std::size_t back = 1; back <= 3 && back <= pos; ++back) {
        const auto c = static_cast<unsigned char>(text[pos - back]);
        if ((c & 0xC0) == 0x80) {
            continue;
        }
        const std::size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
        return back < length;
    }
    return false;
}

std::string_view TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// The scanner of the amount notation: two result slots, a pending fraction and
// a decimal position.
class AmountScanner {
public:
    Amount Scan(std::string_view text) {
        m_text = text;
        ReadSign();
        for (m_pos = m_signLength; m_pos < m_text.size(); ++m_pos) {
            Step();
        }
        FlushFraction();
        Amount result;
        result.count = m_slot + 1;
        result.first = m_negative ? -m_values[0] : m_values[0];
        result.second = m_values[1];
        return result;
    }

private:
    enum Mode { Whole, Numerator, Denominator };

    // Only FormatAmount of a converted temperature writes a leading minus;
    // anywhere else a hyphen joins numbers.
    void ReadSign() {
        if (m_text.size() >= 2 && m_text[0] == '-' && (IsDigit(m_text[1]) || m_text[1] == '.')) {
            m_negative = true;
            m_signLength = 1;
        }
    }

    void Step() {
        const char c = m_text[m_pos];
        if (IsDigit(c)) {
            AddDigit(c - '0');
        } else if (c == '.') {
            m_decimal = 1;
        } else if (c == '-') {
            Hyphen();
        } else if (c == '/') {
            Slash();
        } else if (c == ' ' || c == '~') {
            StartSecondAmount();
        } else if (const std::size_t length = FractionCharLength(m_text, m_pos)) {
            m_values[m_slot] += FractionValue(static_cast<unsigned char>(m_text[m_pos + length - 1]));
            m_pos += length - 1;
        }
    }

    double& Target() {
        if (m_mode == Numerator) {
            return m_numerator;
        }
        return m_mode == Denominator ? m_denominator : m_values[m_slot];
    }

    void AddDigit(int digit) {
        double& target = Target();
        if (m_decimal == 0) {
            target = target * 10 + digit;
            return;
        }
        target += digit * std::pow(10.0, -m_decimal);
        ++m_decimal;
    }

    // A double hyphen starts the second amount of a range. The fraction of the
    // first amount (1-1/2--2) is still pending there and belongs to it, and the
    // second amount begins with its whole part, so that 1--2-3/8 reads 2⅜.
    void Hyphen() {
        if (m_mode == Numerator && m_pos > 0 && m_text[m_pos - 1] == '-') {
            StartSecondAmount();
            return;
        }
        m_mode = Numerator;
        m_decimal = 0;
    }

    void Slash() {
        if (m_mode == Whole) {
            m_numerator = m_values[m_slot];
            m_values[m_slot] = 0;
        }
        m_mode = Denominator;
        m_decimal = 0;
    }

    void FlushFraction() {
        if (m_mode != Whole) {
            m_values[m_slot] += m_numerator / (m_denominator == 0 ? 1 : m_denominator);
        }
        m_mode = Whole;
        m_numerator = 0;
        m_denominator = 0;
        m_decimal = 0;
    }

    void StartSecondAmount() {
        FlushFraction();
        m_slot = 1;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    std::size_t m_signLength = 0;
    bool m_negative = false;
    std::array<double, 2> m_values{};
    int m_slot = 0;
    Mode m_mode = Whole;
    double m_numerator = 0;
    double m_denominator = 0;
    int m_decimal = 0;
};

std::string ToChars(double value, std::chars_format format, int precision) {
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    return std::string(buffer.data(), result.ptr);
}

// Six decimals with trailing zeros and a trailing dot removed, or one decimal
// in exponent form above a million. std::to_chars, unlike printf, ignores the
// locale, which the program shell sets from the environment.
std::string PlainNumber(double value, bool exponent) {
    if (exponent) {
        return ToChars(value, std::chars_format::scientific, 1);
    }
    std::string text = ToChars(value, std::chars_format::fixed, 6);
    text.erase(text.find_last_not_of('0') + 1);
    if (!text.empty() && text.back() == '.') {
        text.pop_back();
    }
    return text == "0" || text == "-0" ? std::string() : text;
}

struct FractionRow {
    double value;
    double tolerance;
    const char* suffix;
};

constexpr double kExact = 0.00001;
constexpr double kThirds = 0.01;

constexpr std::array kFractions = {
    FractionRow{0.25, kExact, "¼"},          FractionRow{0.5, kExact, "½"},
    FractionRow{0.75, kExact, "¾"},          FractionRow{0.125, kExact, "-1/8"},
    FractionRow{0.375, kExact, "-3/8"},      FractionRow{0.625, kExact, "-5/8"},
    FractionRow{0.875, kExact, "-7/8"},      FractionRow{1.0 / 3.0, kThirds, "-1/3"},
    FractionRow{2.0 / 3.0, kThirds, "-2/3"}, FractionRow{0.2, kExact, "-1/5"},
    FractionRow{0.4, kExact, "-2/5"},        FractionRow{0.6, kExact, "-3/5"},
    FractionRow{0.8, kExact, "-4/5"},        FractionRow{1.0 / 6.0, kThirds, "-1/6"},
    FractionRow{5.0 / 6.0, kThirds, "-5/6"},
};

const char* FractionSuffix(double remainder) {
    for (const auto& row : kFractions) {
        if (std::abs(remainder - row.value) < row.tolerance) {
            return row.suffix;
        }
    }
    return nullptr;
}

std::string FormatPositive(double value, bool fractions) {
    // The whole part is taken from the six-decimal text, so 0.9999999 counts
    // as 1 with a small negative remainder and prints as 1.
    const std::string sixDecimals = ToChars(value, std::chars_format::fixed, 6);
    const double whole = std::strtod(sixDecimals.substr(0, sixDecimals.find('.')).c_str(), nullptr);
    const double remainder = value - whole;
    const bool exponent = value > 1000000.0;
    std::string text = PlainNumber(whole, exponent);
    if (remainder <= 0) {
        return text;
    }
    const char* suffix = fractions ? FractionSuffix(remainder) : nullptr;
    text = suffix ? text + suffix : PlainNumber(value, exponent);
    const auto firstKept = text.find_first_not_of('-');
    return firstKept == std::string::npos ? std::string() : text.substr(firstKept);
}

} // namespace

Amount ParseAmount(std::string_view text) {
    // Surrounding blanks are not part of the amount: "2 " is the single
    // amount 2, not the range 2 to nothing.
    const std::string_view trimmed = TrimSpaces(text);
    if (trimmed.empty()) {
        return {};
    }
    return AmountScanner().Scan(trimmed);
}

std::string FormatAmount(double value, bool fractions) {
    if (!std::isfinite(value) || value == 0) {
        return {};
    }
    // Only conversions of temperatures give negative values; the sign is kept
    // so that 0 °F shows as -17.78 °C and not as 17.
    if (value < 0) {
        const std::string magnitude = FormatPositive(-value, fractions);
        return magnitude.empty() ? magnitude : "-" + magnitude;
    }
    return FormatPositive(value, fractions);
}

std::string FormatAmountRange(const Amount& amount, bool fractions) {
    std::string text = FormatAmount(amount.first, fractions);
    if (amount.count == 2) {
        text += "--" + FormatAmount(amount.second, fractions);
    }
    return text;
}

std::string ScaleAmount(std::string_view text, double factor) {
    if (!HasQuantity(text)) {
        return std::string(text);
    }
    Amount amount = ParseAmount(text);
    amount.first *= factor;
    amount.second *= factor;
    return FormatAmountRange(amount, true);
}

bool HasQuantity(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if (IsDigit(text[pos]) || FractionCharLength(text, pos) != 0) {
            return true;
        }
    }
    return false;
}

std::size_t FractionCharLength(std::string_view text, std::size_t pos) {
    const auto c = static_cast<unsigned char>(text[pos]);
    if (c == kUtf8Lead && pos + 1 < text.size() && IsFractionByte(static_cast<unsigned char>(text[pos + 1]))) {
        return 2;
    }
    if (!IsFractionByte(c)) {
        return 0;
    }
    return IsUtf8Tail(text, pos) ? 0 : 1;
}
