#include "nutrition/ExpressionReader.h"

#include <charconv>
#include <cmath>

namespace Nutrient {

namespace {

// Nesting of parentheses and signs deeper than any equation a person writes;
// it keeps a hostile text from exhausting the stack.
constexpr int kMaxDepth = 200;

// Ends a reference whose name was followed by a space in the original text,
// so that "@Fat Cal" stays the reference Fat followed by a stray word.
constexpr char kNameEnd = '\x01';

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsNameChar(char c) {
    return IsLetter(c) || IsDigit(c) || c == '_';
}

// References are taken from the text before its spaces go; everything else
// is read with the spaces removed.
std::string WithoutSpaces(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '@') {
            std::size_t end = i + 1;
            while (end < text.size() && IsNameChar(text[end])) {
                ++end;
            }
            out.append(text.substr(i, end - i));
            out += kNameEnd;
            i = end - 1;
        } else if (text[i] != ' ') {
            out += text[i];
        }
    }
    return out;
}

double OrIdentity(const Operand& operand, double identity) {
    return operand.missing ? identity : operand.value;
}

Operand Apply(char op, const Operand& left, const Operand& right) {
    switch (op) {
    case '*':
        return {OrIdentity(left, 1) * OrIdentity(right, 1), false};
    case '/': {
        const double divisor = OrIdentity(right, 1);
        return {divisor == 0 ? 0.0 : OrIdentity(left, 1) / divisor, false};
    }
    case '+':
        return {OrIdentity(left, 0) + OrIdentity(right, 0), false};
    default:
        return {OrIdentity(left, 0) - OrIdentity(right, 0), false};
    }
}

} // namespace

ExpressionReader::ExpressionReader(std::string text, OperandSource* source)
    : m_text(std::move(text)), m_source(source) {}

std::optional<Operand> ExpressionReader::Read(std::string_view text, OperandSource* source) {
    ExpressionReader reader(WithoutSpaces(text), source);
    const auto result = reader.Sum();
    if (!result || reader.m_pos != reader.m_text.size() || !std::isfinite(result->value)) {
        return std::nullopt;
    }
    return result;
}

std::optional<Operand> ExpressionReader::Sum() {
    auto left = Product();
    while (left && (Peek() == '+' || Peek() == '-')) {
        const char op = m_text[m_pos++];
        const auto right = Product();
        if (!right) {
            return std::nullopt;
        }
        left = Apply(op, *left, *right);
    }
    return left;
}

std::optional<Operand> ExpressionReader::Product() {
    auto left = Factor();
    while (left && (Peek() == '*' || Peek() == '/')) {
        const char op = m_text[m_pos++];
        const auto right = Factor();
        if (!right) {
            return std::nullopt;
        }
        left = Apply(op, *left, *right);
    }
    return left;
}

std::optional<Operand> ExpressionReader::Factor() {
    if (m_depth >= kMaxDepth) {
        return std::nullopt;
    }
    ++m_depth;
    std::optional<Operand> result;
    const char c = Peek();
    if (c == '-') {
        ++m_pos;
        result = Factor();
        if (result && !result->missing) {
            result->value = -result->value;
        }
    } else if (c == '(') {
        result = Group();
    } else if (c == '?') {
        ++m_pos;
        result = Operand{};
    } else if (IsDigit(c) || c == '.') {
        result = Number();
    } else if (c == '$') {
        result = Code();
    } else if (c == '@') {
        result = Reference();
    } else {
        // An empty operand (before an operator, a ")" or the end) counts like
        // "?"; anything else is left for the caller to reject.
        result = Operand{};
    }
    --m_depth;
    return result;
}

std::optional<Operand> ExpressionReader::Group() {
    ++m_pos;
    const auto inner = Sum();
    if (!inner || Peek() != ')') {
        return std::nullopt;
    }
    ++m_pos;
    return inner;
}

std::optional<Operand> ExpressionReader::Number() {
    const std::size_t start = m_pos;
    int dots = 0;
    bool digits = false;
    while (IsDigit(Peek()) || Peek() == '.') {
        dots += Peek() == '.' ? 1 : 0;
        digits = digits || IsDigit(Peek());
        ++m_pos;
    }
    if (dots > 1 || !digits) {
        return std::nullopt;
    }
    double value = 0;
    const char* first = m_text.data() + start;
    const char* last = m_text.data() + m_pos;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (error != std::errc() || end != last) {
        return std::nullopt;
    }
    return Operand{value, false};
}

std::optional<Operand> ExpressionReader::Code() {
    const std::size_t start = m_pos++;
    while (IsLetter(Peek())) {
        ++m_pos;
    }
    if (m_source == nullptr) {
        return std::nullopt;
    }
    return m_source->Code(std::string_view(m_text).substr(start, m_pos - start));
}

std::optional<Operand> ExpressionReader::Reference() {
    const std::size_t start = ++m_pos;
    while (IsNameChar(Peek())) {
        ++m_pos;
    }
    const std::string_view name = std::string_view(m_text).substr(start, m_pos - start);
    if (Peek() == kNameEnd) {
        ++m_pos;
    }
    if (m_source == nullptr) {
        return std::nullopt;
    }
    return m_source->Reference(name);
}

} // namespace Nutrient
