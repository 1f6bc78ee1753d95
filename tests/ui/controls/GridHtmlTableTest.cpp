#include "ui/controls/GridHtmlTable.h"

#include "platform/AtomicFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

TEST(GridHtmlTableTest, WritesCaptionRowThenDataRowsWithEscapedText) {
    GridHtmlStyles styles;
    styles.m_headerText.m_bold = true;
    GridHtmlTable table({"Item", "Qty"}, styles);
    table.AddRow({"<b>Salt</b> & pepper", ""});
    EXPECT_EQ(table.GetHtml(), "<table cellspacing=\"1\" cellpadding=\"1\" border=\"0\">\n"
                               "<tr>\n"
                               "<td width=\"10%\" nowrap>\n<b>Item</b></td>"
                               "<td nowrap>\n<b>Qty</b></td>"
                               "</tr><tr>\n"
                               "<td nowrap>\n&lt;b&gt;Salt&lt;/b&gt; &amp; pepper</td>"
                               "<td nowrap>\n&nbsp;</td>"
                               "</tr></table>");
}

TEST(GridHtmlTableTest, AppliesRowCellAndTextColours) {
    GridHtmlStyles styles;
    styles.m_headerCellColor = Rgb(0xD6, 0xD6, 0xD6);
    styles.m_evenRowColor = Rgb(255, 255, 255);
    styles.m_oddRowColor = Rgb(0xFF, 0xFF, 0x8C);
    styles.m_bodyText.m_color = Rgb(255, 0, 0);
    styles.m_bodyText.m_face = "Arial";
    styles.m_bodyText.m_italic = true;
    GridHtmlTable table({"A"}, styles);
    table.AddRow({"one"});
    table.AddRow({"two"});
    EXPECT_EQ(table.GetHtml(), "<table cellspacing=\"1\" cellpadding=\"1\" border=\"0\">\n"
                               "<tr bgcolor=\"#ffffff\">\n"
                               "<td width=\"10%\" bgcolor=\"#d6d6d6\" nowrap>\nA</td>"
                               "</tr><tr bgcolor=\"#ffff8c\">\n"
                               "<td nowrap>\n<font color=\"#ff0000\" face=\"Arial\"><i>one</i></font></td>"
                               "</tr><tr bgcolor=\"#ffffff\">\n"
                               "<td nowrap>\n<font color=\"#ff0000\" face=\"Arial\"><i>two</i></font></td>"
                               "</tr></table>");
}

TEST(GridHtmlTableTest, WritesAWholeUtf8Page) {
    TempDir dir;
    const auto path = dir.Path() / "grid.html";
    GridHtmlTable table({"Café"}, GridHtmlStyles{});
    table.WriteFile(path);
    const std::string page = AtomicFile::Read(path);
    EXPECT_EQ(page.rfind("<html>\n<head>\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">", 0),
              0u);
    EXPECT_NE(page.find(table.GetHtml() + "\n</body>\n</html>\n"), std::string::npos);
}

} // namespace
