#include "ui/controls/GridTextFormat.h"

#include "platform/TextCodec.h"

#include <algorithm>

namespace {

// A line without its line break; files written on Windows end lines in "\r\n".
bool ReadLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line)) {
        return false;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

std::u32string Decode(std::string_view text) {
    std::u32string decoded;
    std::size_t pos = 0;
    while (pos < text.size()) {
        decoded.push_back(TextCodec::NextCodePoint(text, pos));
    }
    return decoded;
}

std::string Encode(std::u32string_view text) {
    std::string encoded;
    for (char32_t c : text) {
        TextCodec::AppendUtf8(encoded, c);
    }
    return encoded;
}

std::u32string TrimTrailingSpaces(std::u32string text) {
    while (!text.empty() && text.back() == U' ') {
        text.pop_back();
    }
    return text;
}

void ReplaceAll(std::string& text, char from, char to) {
    std::replace(text.begin(), text.end(), from, to);
}

} // namespace

int GridTextFormat::TextLength(std::string_view text) {
    int length = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        TextCodec::NextCodePoint(text, pos);
        ++length;
    }
    return length;
}

std::string GridTextFormat::FormatLine(const std::vector<int>& widths, const std::vector<std::string>& cells, int line,
                                       char separator) {
    if (separator == kNoSeparator) {
        return FormatFixedLine(widths, cells, line);
    }
    return FormatDelimitedLine(cells, line, separator);
}

std::string GridTextFormat::FormatFixedLine(const std::vector<int>& widths, const std::vector<std::string>& cells,
                                            int line) {
    std::string out = "   ";
    for (std::size_t column = 0; column < widths.size(); ++column) {
        const int width = widths[column];
        std::string cell = line == kDashLine ? std::string(static_cast<std::size_t>(std::max(width - 1, 0)), '-')
                                             : (column < cells.size() ? cells[column] : std::string());
        const int padding = width - TextLength(cell);
        out += cell;
        out.append(static_cast<std::size_t>(std::max(padding, 0)), ' ');
    }
    out += '\n';
    return out;
}

std::string GridTextFormat::FormatDelimitedLine(const std::vector<std::string>& cells, int line, char separator) {
    std::string out;
    for (std::size_t column = 0; column < cells.size(); ++column) {
        if (column > 0) {
            out += separator;
        }
        out += line == kCaptionLine ? cells[column] : DelimitedCell(cells[column], separator);
    }
    out += '\n';
    return out;
}

std::string GridTextFormat::DelimitedCell(const std::string& text, char separator) {
    if (text.empty() && separator == '\t') {
        return " ";
    }
    // A cell that starts with a double quote is quoted too: unquoted, the
    // reader would take it for a quoted field and cut it at its next quote.
    const bool quoted = text.find(separator) != std::string::npos || (!text.empty() && text.front() == '"');
    if (!quoted) {
        return text;
    }
    std::string cell = text;
    ReplaceAll(cell, '"', '\'');
    return '"' + cell + '"';
}

std::vector<std::size_t> GridTextFormat::ColumnStarts(const std::u32string& dashLine) {
    std::vector<std::size_t> starts;
    const std::size_t first = dashLine.find(U'-');
    // A dash line must be indented by at least two characters to give columns;
    // the export indents it by three.
    if (first == std::u32string::npos || first < 2) {
        return starts;
    }
    starts.push_back(first);
    for (std::size_t pos = first; pos < dashLine.size(); ++pos) {
        if (dashLine[pos] == U' ') {
            starts.push_back(pos + 1);
        }
    }
    return starts;
}

std::vector<std::string> GridTextFormat::FixedFields(const std::u32string& line,
                                                     const std::vector<std::size_t>& starts) {
    std::vector<std::string> fields;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const std::size_t start = starts[i];
        if (start >= line.size()) {
            break;
        }
        const std::size_t end = i + 1 < starts.size() ? starts[i + 1] - 1 : line.size();
        const std::size_t length = end > start ? end - start : 0;
        fields.push_back(Encode(TrimTrailingSpaces(line.substr(start, length))));
    }
    return fields;
}

std::vector<std::vector<std::string>> GridTextFormat::ParseFixedText(std::istream& in) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::size_t> starts;
    std::string line;
    while (ReadLine(in, line) && !line.empty()) {
        if (!starts.empty()) {
            rows.push_back(FixedFields(Decode(line), starts));
            continue;
        }
        if (line.find("---") == std::string::npos) {
            continue;
        }
        starts = ColumnStarts(Decode(line));
        // The caption line and the second dash line follow the first dash line.
        std::string skipped;
        if (!ReadLine(in, skipped) || skipped.empty() || !ReadLine(in, skipped) || skipped.empty()) {
            break;
        }
    }
    return rows;
}

std::vector<std::string> GridTextFormat::DelimitedFields(std::string_view line, char separator) {
    std::vector<std::string> fields;
    std::size_t pos = 0;
    while (true) {
        if (pos < line.size() && line[pos] == '"') {
            const std::size_t close = line.find('"', pos + 1);
            std::string field(
                line.substr(pos + 1, close == std::string_view::npos ? std::string_view::npos : close - pos - 1));
            ReplaceAll(field, '\'', '"');
            fields.push_back(std::move(field));
            const std::size_t next = close == std::string_view::npos ? close : line.find(separator, close);
            if (next == std::string_view::npos) {
                break;
            }
            pos = next + 1;
            continue;
        }
        const std::size_t next = line.find(separator, pos);
        fields.emplace_back(line.substr(pos, next == std::string_view::npos ? std::string_view::npos : next - pos));
        if (next == std::string_view::npos) {
            break;
        }
        pos = next + 1;
    }
    return fields;
}

std::vector<std::vector<std::string>> GridTextFormat::ParseDelimitedText(std::istream& in, char separator) {
    std::vector<std::vector<std::string>> rows;
    std::string line;
    if (!ReadLine(in, line)) {
        return rows;
    }
    while (ReadLine(in, line) && !line.empty()) {
        rows.push_back(DelimitedFields(line, separator));
    }
    return rows;
}
