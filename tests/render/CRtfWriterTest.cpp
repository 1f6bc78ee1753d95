#include "render/CRtfWriter.h"

#include "SampleBook.h"

#include <gtest/gtest.h>

namespace {

bool BracesBalance(const std::string& rtf) {
    int depth = 0;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;
            continue;
        }
        depth += rtf[i] == '{' ? 1 : rtf[i] == '}' ? -1 : 0;
        if (depth < 0) {
            return false;
        }
    }
    return depth == 0;
}

TEST(CRtfWriterTest, StyleTableHeaderHoldsEveryStyleAndTheTabStops) {
    CSettings settings;
    settings.TextStyle(CSettings::RecipeIngredients).Name = "Times New Roman";
    CRtfWriter writer(settings);
    writer.WriteHeader();
    const std::string& rtf = writer.Text();
    EXPECT_TRUE(
        rtf.starts_with("{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS Sans Serif;}"
                        "{\\f1 Arial;}{\\f2 Arial;}{\\f3 Arial;}{\\f4 Arial;}{\\f5 Arial;}{\\f6 Times New Roman;}"
                        "{\\f7 Arial;}{\\f8 Arial;}{\\f9 Arial;}{\\f10 Arial Narrow;}{\\f11 Arial Narrow;}"
                        "{\\f12 Arial;}{\\f13 Arial;}{\\f14 Arial;}}\n"
                        "{\\colortbl\\red0\\green0\\blue0;\\red0\\green0\\blue220;\\red0\\green0\\blue0;"))
        << rtf;
    EXPECT_TRUE(
        rtf.ends_with("\\red0\\green0\\blue0;}\n\\deflang1033\\pard\\tx0\\tx720\\tx1080\\tx1800\\plain\\fs20\n "));
    EXPECT_EQ(CountOf(rtf, "\\red"), 15);
}

TEST(CRtfWriterTest, SingleStyleHeaderUsesFontAndColourOne) {
    CSettings settings;
    settings.TextStyle(CSettings::MenuDayTitle).Color = Rgb(255, 128, 0);
    CRtfWriter writer(settings);
    writer.WriteHeader(CSettings::MenuDayTitle);
    writer.Paragraph("Day", CSettings::MenuDayTitle);
    EXPECT_EQ(writer.Text(), "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS Sans Serif;}{\\f1 Arial;}}\n"
                             "{\\colortbl\\red0\\green0\\blue0;\\red255\\green128\\blue0;}\n"
                             "\\deflang1033\\pard\\tx0\\tx720\\tx1080\\tx1800\\plain\\fs20\n "
                             "\\plain\\f1\\cf1\\fs10\\b Day\\f0\\cf0\\fs20\\b0");
}

TEST(CRtfWriterTest, TabStopsFollowTheSettings) {
    CSettings settings;
    settings.m_tabs = {1.0, 1.5, 2.0001};
    CRtfWriter writer(settings);
    writer.WriteHeader();
    EXPECT_NE(writer.Text().find("\\tx0\\tx1440\\tx2160\\tx2880\\plain"), std::string::npos);
}

TEST(CRtfWriterTest, StyleCodesCarryFontColourSizeAndEmphasis) {
    CSettings settings;
    auto& style = settings.TextStyle(CSettings::RecipeTitle);
    style.Underline = 1;
    CRtfWriter writer(settings);
    writer.WriteHeader();
    const std::size_t start = writer.Text().size();
    writer.Paragraph("Soup", CSettings::RecipeTitle);
    EXPECT_EQ(writer.Text().substr(start), "\\plain\\f5\\cf5\\fs28\\b\\ul\\i Soup\\f0\\cf0\\fs20\\b0\\ul0\\i0");
}

TEST(CRtfWriterTest, FontSizeIsTenthsOfAPointOverTenPlusTen) {
    EXPECT_EQ(CRtfWriter::FontSize(100), 20);
    EXPECT_EQ(CRtfWriter::FontSize(180), 28);
    EXPECT_EQ(CRtfWriter::FontSize(300), 40);
}

TEST(CRtfWriterTest, EscapesSpecialsAndEveryCharacterBeyondAscii) {
    const struct {
        const char* text;
        const char* rtf;
    } cases[] = {
        {"a\\b", "a\\\\b"},
        {"{x}", "\\{x\\}"},
        {"one\ntwo", "one\r\n\\par two"},
        {"a\tb", "a\\tab b"},
        {"Cr\xC3\xA8me br\xC3\xBBl\xC3\xA9"
         "e",
         "Cr\\'e8me br\\'fbl\\'e9e"},
        {"1\xC2\xBD cups \xE2\x80\x94 50\xE2\x82\xAC", "1\\'bd cups \\'97 50\\'80"},
        {"\xCE\xB1\xE5\x91\xB3", "\\u945?\\u21619?"},
        {"\xF0\x9F\x8D\xB0", "\\u-10180?\\u-8336?"},
        {"\xEF\xBF\xBF", "\\u-1?"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CRtfWriter::Escape(c.text), c.rtf) << c.text;
    }
}

class RtfTableTest : public ::testing::Test {
protected:
    std::string Table(std::string_view text, int rightAnchor = -1) {
        CRtfWriter writer(m_settings);
        writer.TableParagraph(text, CSettings::RecipeIngredients, rightAnchor);
        return writer.Text();
    }

    CSettings m_settings;
};

TEST_F(RtfTableTest, IngredientLinesBecomeThreeCellRows) {
    const std::string rtf = Table("\n\n\t1\tC\tflour\n\t2\ttsp\tsalt\n\t\t\tpepper\n");
    const std::string prefix =
        "\\trowd \\trql\\trgaph108 \\cellx1080 \\cellx1800 \\cellx8640 \\pard \\intbl \\qr {\\qr ";
    EXPECT_EQ(
        rtf, "\\plain\\f6\\cf6\\fs20 \r\n\\par \r\n\\par " + prefix +
                 "1}\\cell \\pard \\intbl \\qj {C}\\cell \\pard \\intbl \\qj {flour}\\cell \\pard \\intbl \\row \r\n" +
                 prefix +
                 "2}\\cell \\pard \\intbl \\qj {tsp}\\cell \\pard \\intbl \\qj {salt}\\cell \\pard \\intbl \\row \r\n" +
                 prefix +
                 "}\\cell \\pard \\intbl \\qj {}\\cell \\pard \\intbl \\qj {pepper}\\cell \\pard \\intbl \\row \r\n"
                 "\\pard\\f0\\cf0\\fs20");
    EXPECT_EQ(CountOf(rtf, "\\row"), 3);
    EXPECT_EQ(CountOf(rtf, "\\pard\\f0"), 1);
}

TEST_F(RtfTableTest, EmptyListIsTwoParagraphBreaks) {
    EXPECT_EQ(Table("\n\n"), "\\plain\\f6\\cf6\\fs20 \r\n\\par \r\n\\par \\pard\\f0\\cf0\\fs20");
}

TEST_F(RtfTableTest, LinesWithoutLeadingTabOpenTheRowAtOnce) {
    const std::string rtf = Table("a\tb\nc\td\n");
    EXPECT_EQ(CountOf(rtf, "\\trowd"), 2);
    EXPECT_NE(rtf.find("\\cellx1080 \\cellx8640 \\pard \\intbl \\qr {\\qr a}\\cell"), std::string::npos);
    EXPECT_NE(rtf.find("\\row \r\n\\trowd"), std::string::npos);
}

TEST_F(RtfTableTest, CellBoundariesByColumnAndRightAnchor) {
    EXPECT_NE(Table("a\tb\tc\td\te\n").find("\\cellx1080 \\cellx1800 \\cellx2520 \\cellx3240 \\cellx8640 "),
              std::string::npos);
    EXPECT_NE(Table("a\tb\tc\td\te\n", 2).find("\\cellx1080 \\cellx1800 \\cellx7200 \\cellx7920 \\cellx8640 "),
              std::string::npos);
}

TEST_F(RtfTableTest, PilcrowBreaksTheParagraphAndJustifiesTheRows) {
    const std::string rtf = Table("a\xC2\xB6"
                                  "b\tc\n");
    EXPECT_NE(rtf.find("\\pard \\intbl \\qj {\\qj a\r\n\\par b}\\cell"), std::string::npos);
    EXPECT_EQ(rtf.find("\\qr"), std::string::npos);
}

TEST_F(RtfTableTest, CellTextIsEscapedAndRowsAlwaysClose) {
    const std::string rtf = Table("\t1\tC\t{brace} \\ cr\xC3\xA8me");
    EXPECT_NE(rtf.find("{\\{brace\\} \\\\ cr\\'e8me}\\cell \\pard \\intbl \\row \r\n\\pard"), std::string::npos);
    EXPECT_TRUE(BracesBalance("{" + rtf + "}"));
}

} // namespace
