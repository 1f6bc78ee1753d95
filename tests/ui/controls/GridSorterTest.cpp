#include "ui/controls/GridSorter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Table = std::vector<std::vector<std::string>>;

std::vector<std::string> SortedColumn(const Table& rows, const GridSortKey& key, int shownColumn) {
    const auto order = GridSorter::SortedOrder(
        rows.size(), key, [&](std::size_t row, int column) { return rows[row][static_cast<std::size_t>(column)]; });
    std::vector<std::string> shown;
    for (std::size_t row : order) {
        shown.push_back(rows[row][static_cast<std::size_t>(shownColumn)]);
    }
    return shown;
}

GridSortKey Key(int column, bool numeric, bool ascending, int secondary = -1, bool secondaryNumeric = false) {
    GridSortKey key;
    key.m_column = column;
    key.m_numeric = numeric;
    key.m_ascending = ascending;
    key.m_secondaryColumn = secondary;
    key.m_secondaryNumeric = secondaryNumeric;
    return key;
}

TEST(GridSorterTest, NumericDescendingPutsTenBeforeNineAndTextLast) {
    const Table rows{{"9"}, {"abc"}, {"10"}, {"2.5"}};
    EXPECT_EQ(SortedColumn(rows, Key(0, true, false), 0), (std::vector<std::string>{"10", "9", "2.5", "abc"}));
}

TEST(GridSorterTest, TextSortIsCaseFoldedAndByteWise) {
    const Table rows{{"banana"}, {"Apple"}, {"10"}, {"9"}, {"apricot"}};
    EXPECT_EQ(SortedColumn(rows, Key(0, false, true), 0),
              (std::vector<std::string>{"10", "9", "Apple", "apricot", "banana"}));
}

TEST(GridSorterTest, FoldsAccentedCapitalsButLeavesOtherCharactersAlone) {
    const std::pair<const char*, const char*> cases[] = {
        {"Éclair", "éclair"}, {"À la carte", "à la carte"}, {"ÞORN", "þorn"},
        {"2 × 3", "2 × 3"},                                                   // the multiplication sign is no letter
        {"ß", "ß"},           {"Crème", "crème"},           {"\xC3", "\xC3"}, // a cut-off sequence stays as it is
    };
    for (const auto& [text, folded] : cases) {
        EXPECT_EQ(GridSorter::Fold(text), folded) << text;
    }
}

TEST(GridSorterTest, EqualPrimaryTextsFollowTheSecondaryColumnInTheSameDirection) {
    const Table rows{{"b", "1"}, {"a", "3"}, {"b", "10"}, {"a", "2"}};
    EXPECT_EQ(SortedColumn(rows, Key(0, false, true, 1, true), 1), (std::vector<std::string>{"2", "3", "1", "10"}));
    EXPECT_EQ(SortedColumn(rows, Key(0, false, false, 1, true), 1), (std::vector<std::string>{"10", "1", "3", "2"}));
}

TEST(GridSorterTest, SecondaryEqualToPrimaryIsIgnored) {
    const Table rows{{"b", "x"}, {"a", "y"}, {"b", "w"}};
    EXPECT_EQ(SortedColumn(rows, Key(0, false, true, 0), 1), (std::vector<std::string>{"y", "x", "w"}));
}

TEST(GridSorterTest, ReadsTheLeadingNumberOfATextAndCountsNonNumbersAsZero) {
    struct Case {
        const char* text;
        double number;
    };
    const Case cases[] = {{"12abc", 12.0}, {"  3.5", 3.5}, {"-2", -2.0}, {"abc", 0.0}, {"", 0.0}, {"nan", 0.0}};
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(GridSorter::ReadNumber(c.text), c.number) << c.text;
    }
}

TEST(GridSorterTest, NotANumberTextsStillGiveAStrictOrder) {
    Table rows;
    for (int i = 0; i < 100; ++i) {
        rows.push_back({i % 3 == 0 ? "nan" : std::to_string(i % 7)});
    }
    const auto sorted = SortedColumn(rows, Key(0, true, true), 0);
    for (std::size_t i = 1; i < sorted.size(); ++i) {
        EXPECT_LE(GridSorter::ReadNumber(sorted[i - 1]), GridSorter::ReadNumber(sorted[i]));
    }
}

} // namespace
