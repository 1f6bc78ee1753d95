#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace Nutrient {

// One value of an equation: a number, or missing ("?"). A missing operand
// stands for the identity of its operation (1 for "*" and "/", 0 for "+" and
// "-"), so one unknown amount does not wipe out a whole sum.
struct Operand {
    double value = 0.0;
    bool missing = true;
};

// Gives the values of the names an expression refers to; nullopt means the
// expression cannot be evaluated at all.
class OperandSource {
public:
    virtual ~OperandSource() = default;

    // code carries its leading "$".
    virtual std::optional<Operand> Code(std::string_view code) = 0;
    // name comes without its "@".
    virtual std::optional<Operand> Reference(std::string_view name) = 0;
};

// Evaluates the arithmetic of nutrient equations: decimal numbers, "?", the
// four operations with the usual precedence, grouping from the left,
// parentheses, a leading minus, "$" codes and "@" references.
//
// Stored equations were once evaluated by rewriting their text; this reader
// keeps what that gave for every well-formed text (spaces ignored, an empty
// operand counting like "?", division by zero giving 0, a parenthesised "?"
// staying missing) but reads signed operands properly, so a negative
// difference on the right of "*" or "/" no longer turns into a subtraction.
class ExpressionReader {
public:
    // nullopt when the text is not a well-formed expression or its value is
    // not finite. Without a source, any code or reference is an error.
    static std::optional<Operand> Read(std::string_view text, OperandSource* source);

private:
    ExpressionReader(std::string text, OperandSource* source);

    std::optional<Operand> Sum();
    std::optional<Operand> Product();
    std::optional<Operand> Factor();
    std::optional<Operand> Group();
    std::optional<Operand> Number();
    std::optional<Operand> Code();
    std::optional<Operand> Reference();

    char Peek() const { return m_pos < m_text.size() ? m_text[m_pos] : '\0'; }

    std::string m_text;
    std::size_t m_pos = 0;
    int m_depth = 0;
    OperandSource* m_source;
};

} // namespace Nutrient
