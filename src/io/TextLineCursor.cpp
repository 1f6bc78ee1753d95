#include "io/TextLineCursor.h"

std::size_t TextLineCursor::LineEnd() const {
    if (m_lineEnd == std::string_view::npos) {
        const auto end = m_text.find('\n', m_pos);
        m_lineEnd = end == std::string_view::npos ? m_text.size() : end;
    }
    return m_lineEnd;
}

std::string_view TextLineCursor::Peek() const {
    if (AtEnd()) {
        return {};
    }
    return m_text.substr(m_pos, LineEnd() - m_pos);
}

std::string_view TextLineCursor::Next() {
    if (AtEnd()) {
        return {};
    }
    const std::size_t end = LineEnd();
    const std::string_view line = m_text.substr(m_pos, end - m_pos);
    m_pos = end < m_text.size() ? end + 1 : end;
    m_lineEnd = std::string_view::npos;
    return line;
}
