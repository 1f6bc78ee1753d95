#pragma once

#include <cstddef>
#include <string_view>

// Walks the lines of a text whose line ends are single line feeds. Lines come
// without their line feed and have no length limit: the paragraphs of real
// recipe files run to thousands of characters on one line.
class TextLineCursor {
public:
    explicit TextLineCursor(std::string_view text) : m_text(text) {}

    bool AtEnd() const { return m_pos >= m_text.size(); }
    // The current line, empty at the end of the text.
    std::string_view Peek() const;
    // The current line; the cursor moves to the next one.
    std::string_view Next();
    // Where the current line starts, for spans of several lines.
    std::size_t Offset() const { return m_pos; }
    std::string_view Text() const { return m_text; }

private:
    // Readers peek at most lines before they take them: the end of the
    // current line is found once.
    std::size_t LineEnd() const;

    std::string_view m_text;
    std::size_t m_pos = 0;
    mutable std::size_t m_lineEnd = std::string_view::npos;
};
