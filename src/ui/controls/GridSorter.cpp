#include "ui/controls/GridSorter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>

namespace {

// One column of one row, prepared once so that the comparisons of a large
// sort neither fold nor parse the same text again.
struct PreparedCell {
    std::string m_folded;
    double m_number = 0.0;
};

PreparedCell Prepare(const std::string& text, bool numeric) {
    PreparedCell cell;
    cell.m_folded = GridSorter::Fold(text);
    if (numeric) {
        cell.m_number = GridSorter::ReadNumber(cell.m_folded);
    }
    return cell;
}

int CompareNumbers(double a, double b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

int ComparePrepared(const PreparedCell& a, const PreparedCell& b, bool numeric) {
    if (numeric) {
        return CompareNumbers(a.m_number, b.m_number);
    }
    const int result = a.m_folded.compare(b.m_folded);
    return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

std::vector<PreparedCell> PrepareColumn(std::size_t rowCount, int column, bool numeric,
                                        const GridSorter::CellText& text) {
    std::vector<PreparedCell> cells;
    cells.reserve(rowCount);
    for (std::size_t row = 0; row < rowCount; ++row) {
        cells.push_back(Prepare(text(row, column), numeric));
    }
    return cells;
}

} // namespace

std::string GridSorter::Fold(std::string_view text) {
    std::string folded(text);
    for (std::size_t i = 0; i < folded.size(); ++i) {
        char& c = folded[i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
            continue;
        }
        // The accented capitals of Western languages, U+00C0 to U+00DE (but
        // not the multiplication sign U+00D7), are C3 80 to C3 9E in UTF-8;
        // their small letters are 0x20 further on. Folding them keeps
        // "Éclair" beside "éclair".
        if (static_cast<unsigned char>(c) == 0xC3 && i + 1 < folded.size()) {
            const auto next = static_cast<unsigned char>(folded[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97) {
                folded[i + 1] = static_cast<char>(next + 0x20);
            }
            ++i;
        }
    }
    return folded;
}

double GridSorter::ReadNumber(std::string_view text) {
    const std::string terminated(text);
    const double value = std::strtod(terminated.c_str(), nullptr);
    // "nan" reads as a number that compares neither less nor greater than
    // anything, which would leave the sort order undefined; it counts as 0
    // like any other text that is not a number.
    return std::isnan(value) ? 0.0 : value;
}

int GridSorter::Compare(std::string_view a, std::string_view b, bool numeric) {
    return ComparePrepared(Prepare(std::string(a), numeric), Prepare(std::string(b), numeric), numeric);
}

std::vector<std::size_t> GridSorter::SortedOrder(std::size_t rowCount, const GridSortKey& key, const CellText& text) {
    std::vector<std::size_t> order(rowCount);
    std::iota(order.begin(), order.end(), std::size_t{0});
    const bool hasSecondary = key.m_secondaryColumn >= 0 && key.m_secondaryColumn != key.m_column;
    const auto primary = PrepareColumn(rowCount, key.m_column, key.m_numeric, text);
    const auto secondary = hasSecondary ? PrepareColumn(rowCount, key.m_secondaryColumn, key.m_secondaryNumeric, text)
                                        : std::vector<PreparedCell>{};
    const int direction = key.m_ascending ? 1 : -1;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        int result = ComparePrepared(primary[a], primary[b], key.m_numeric);
        if (result == 0 && hasSecondary) {
            result = ComparePrepared(secondary[a], secondary[b], key.m_secondaryNumeric);
        }
        return result * direction < 0;
    });
    return order;
}
