#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// What a grid sort compares: a primary column and, for rows whose primary
// texts are equal, the column of the previous sort as a tie-breaker.
struct GridSortKey {
    int m_column = 0;
    bool m_numeric = false;
    int m_secondaryColumn = -1;
    bool m_secondaryNumeric = false;
    bool m_ascending = true;
};

// The grid's row ordering, kept free of any window so that it can be tested
// and measured on its own.
class GridSorter {
public:
    using CellText = std::function<std::string(std::size_t row, int column)>;

    // The old row indices in their sorted order. Rows that compare equal keep
    // their relative order.
    static std::vector<std::size_t> SortedOrder(std::size_t rowCount, const GridSortKey& key, const CellText& text);

    // Negative, zero or positive as a sorts before, with or after b in
    // ascending order. Texts are compared case-folded; numeric texts by the
    // number they start with (0 when they start with none).
    static int Compare(std::string_view a, std::string_view b, bool numeric);

    static std::string Fold(std::string_view text);
    static double ReadNumber(std::string_view text);
};
