#pragma once

#include <istream>
#include <string>
#include <string_view>
#include <vector>

// The grid's plain-text exchange formats: fixed-width columns under a dash
// line, and lines of delimited fields. Widths and positions count characters,
// not bytes, so that accented text lines up.
class GridTextFormat {
public:
    static constexpr int kCaptionLine = -2;
    static constexpr int kDashLine = -1;
    // The separator of the fixed-width form.
    static constexpr char kNoSeparator = '\0';

    static int TextLength(std::string_view text);

    // One line of the export, ending with a line break. line is kCaptionLine,
    // kDashLine (cells are then ignored) or a data row index.
    static std::string FormatLine(const std::vector<int>& widths, const std::vector<std::string>& cells, int line,
                                  char separator);

    // The rows of a fixed-width text; the caption and dash lines are skipped.
    static std::vector<std::vector<std::string>> ParseFixedText(std::istream& in);

    // The rows of a delimited text; the first line (the captions) is skipped.
    static std::vector<std::vector<std::string>> ParseDelimitedText(std::istream& in, char separator);

private:
    static std::string FormatFixedLine(const std::vector<int>& widths, const std::vector<std::string>& cells, int line);
    static std::string FormatDelimitedLine(const std::vector<std::string>& cells, int line, char separator);
    static std::string DelimitedCell(const std::string& text, char separator);
    static std::vector<std::size_t> ColumnStarts(const std::u32string& dashLine);
    static std::vector<std::string> FixedFields(const std::u32string& line, const std::vector<std::size_t>& starts);
    static std::vector<std::string> DelimitedFields(std::string_view line, char separator);
};
