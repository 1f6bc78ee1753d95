#include "ui/controls/GridTextFormat.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using Rows = std::vector<std::vector<std::string>>;

std::string FixedText(const std::vector<std::string>& captions, const Rows& rows) {
    std::vector<int> widths;
    for (std::size_t column = 0; column < captions.size(); ++column) {
        int width = GridTextFormat::TextLength(captions[column]);
        for (const auto& row : rows) {
            width = std::max(width, GridTextFormat::TextLength(row[column]));
        }
        widths.push_back(width + 1);
    }
    const auto none = GridTextFormat::kNoSeparator;
    const std::string dashes = GridTextFormat::FormatLine(widths, {}, GridTextFormat::kDashLine, none);
    std::string text =
        dashes + GridTextFormat::FormatLine(widths, captions, GridTextFormat::kCaptionLine, none) + dashes;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        text += GridTextFormat::FormatLine(widths, rows[row], static_cast<int>(row), none);
    }
    return text;
}

Rows ParseFixed(const std::string& text) {
    std::istringstream in(text);
    return GridTextFormat::ParseFixedText(in);
}

Rows ParseDelimited(const std::string& text, char separator) {
    std::istringstream in(text);
    return GridTextFormat::ParseDelimitedText(in, separator);
}

TEST(GridTextFormatTest, FixedWidthLinesAreIndentedAndPadded) {
    EXPECT_EQ(FixedText({"Item", "Qty"}, {{"Flour", "2"}, {"Egg", ""}}), "   ----- --- \n"
                                                                         "   Item  Qty \n"
                                                                         "   ----- --- \n"
                                                                         "   Flour 2   \n"
                                                                         "   Egg       \n");
}

TEST(GridTextFormatTest, FixedWidthExportReadsBackWithTrailingSpacesRemoved) {
    const Rows rows{{"Crème fraîche", "1 cup", "dairy "}, {"Salt", "", "spice"}, {"", "2", ""}};
    EXPECT_EQ(ParseFixed(FixedText({"Item", "Amount", "Aisle"}, rows)),
              (Rows{{"Crème fraîche", "1 cup", "dairy"}, {"Salt", "", "spice"}, {"", "2", ""}}));
}

TEST(GridTextFormatTest, FixedWidthReadingSkipsLinesBeforeTheDashLineAndStopsAtAnEmptyLine) {
    const std::string text = "Shopping list\r\n"
                             "   ---- --\r\n"
                             "   Item #\r\n"
                             "   ---- --\r\n"
                             "   Milk 1\r\n"
                             "\r\n"
                             "   Eggs 2\r\n";
    EXPECT_EQ(ParseFixed(text), (Rows{{"Milk", "1"}}));
}

TEST(GridTextFormatTest, DashLineStartingAtPositionZeroOrOneGivesNoColumns) {
    for (const std::string indent : {"", " "}) {
        const std::string text = indent + "---- --\nItem #\n---- --\nnot a row\n   ---- --\n   Item #\n"
                                          "   ---- --\n   Milk 1\n";
        EXPECT_EQ(ParseFixed(text), (Rows{{"Milk", "1"}})) << "indent " << indent.size();
    }
}

TEST(GridTextFormatTest, DelimitedCellsAreQuotedWhenTheyHoldTheSeparator) {
    struct Case {
        char separator;
        std::vector<std::string> cells;
        std::string line;
    };
    const Case cases[] = {
        {',', {"salt, \"fine\"", "1"}, "\"salt, 'fine'\",1\n"},
        {',', {"plain", "two words"}, "plain,two words\n"},
        {'\t', {"", "x", ""}, " \tx\t \n"},
        {',', {"", "x"}, ",x\n"},
        {',', {"\"quoted\" start", "x"}, "\"'quoted' start\",x\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GridTextFormat::FormatLine({}, c.cells, 0, c.separator), c.line) << c.line;
    }
    EXPECT_EQ(GridTextFormat::FormatLine({}, {"a,b", ""}, GridTextFormat::kCaptionLine, '\t'), "a,b\t\n");
    EXPECT_EQ(GridTextFormat::FormatLine({}, {"a,b", "c"}, GridTextFormat::kCaptionLine, ','), "a,b,c\n");
}

TEST(GridTextFormatTest, DelimitedReadingRestoresQuotedCells) {
    const std::string text = "Item,Qty\n\"salt, 'fine'\",1\nplain,2,surplus\n\"'quoted' start\",x\nlast\n\nafter";
    EXPECT_EQ(ParseDelimited(text, ','),
              (Rows{{"salt, \"fine\"", "1"}, {"plain", "2", "surplus"}, {"\"quoted\" start", "x"}, {"last"}}));
}

TEST(GridTextFormatTest, DelimitedExportReadsBack) {
    const Rows rows{{"a, \"b\"", "c"}, {"\"d\"", ""}, {"e\tf", "g"}};
    for (const char separator : {',', '\t', ';'}) {
        std::string text = "Caption A" + std::string(1, separator) + "Caption B\n";
        for (std::size_t row = 0; row < rows.size(); ++row) {
            text += GridTextFormat::FormatLine({}, rows[row], static_cast<int>(row), separator);
        }
        const Rows read = ParseDelimited(text, separator);
        ASSERT_EQ(read.size(), rows.size());
        for (std::size_t row = 0; row < rows.size(); ++row) {
            const std::string second = separator == '\t' && rows[row][1].empty() ? " " : rows[row][1];
            EXPECT_EQ(read[row], (std::vector<std::string>{rows[row][0], second})) << separator << row;
        }
    }
}

TEST(GridTextFormatTest, UnclosedQuoteRunsToTheEndOfTheLine) {
    EXPECT_EQ(ParseDelimited("h\n\"open, field\n", ','), (Rows{{"open, field"}}));
}

} // namespace
