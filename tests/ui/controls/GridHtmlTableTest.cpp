#include "ui/controls/GridHtmlTable.h"

#include "render/CHtmlWriter.h"

#include <gtest/gtest.h>

namespace {

std::string TableHtml(GridHtmlTable& table) {
    return table.Take()->GetHtml();
}

TEST(GridHtmlTableTest, WritesCaptionRowThenDataRowsWithEscapedText) {
    GridHtmlStyles styles;
    styles.m_headerText.m_bold = true;
    GridHtmlTable table({"Item", "Qty"}, styles);
    table.AddRow({"<b>Salt</b> & pepper", ""});
    EXPECT_EQ(TableHtml(table), "<table cellspacing=\"1\" cellpadding=\"1\" border=\"0\">\n"
                                "<tr>\n"
                                "<td width=\"10%\" nowrap>\n<b>Item</b></td>"
                                "<td nowrap>\n<b>Qty</b></td>"
                                "</tr><tr>\n"
                                "<td nowrap>\n&lt;b&gt;Salt&lt;/b&gt; &amp; pepper</td>"
                                "<td nowrap>\n&nbsp;</td>"
                                "</tr></table>");
}

TEST(GridHtmlTableTest, AppliesRowCellAndTextColoursAndDropsSurplusCells) {
    GridHtmlStyles styles;
    styles.m_headerCellColor = Rgb(0xD6, 0xD6, 0xD6);
    styles.m_evenRowColor = Rgb(255, 255, 255);
    styles.m_oddRowColor = Rgb(0xFF, 0xFF, 0x8C);
    styles.m_bodyText.m_attrs.m_color.SetRgb(255, 0, 0);
    styles.m_bodyText.m_face = "Arial";
    styles.m_bodyText.m_italic = true;
    GridHtmlTable table({"A"}, styles);
    table.AddRow({"one", "surplus"});
    table.AddRow({"two"});
    const std::string html = TableHtml(table);
    EXPECT_EQ(html, "<table cellspacing=\"1\" cellpadding=\"1\" border=\"0\">\n"
                    "<tr bgcolor=\"#ffffff\">\n"
                    "<td width=\"10%\" bgcolor=\"#d6d6d6\" nowrap>\nA</td>"
                    "</tr><tr bgcolor=\"#ffff8c\">\n"
                    "<td nowrap>\n<font color=\"#ff0000\" face=\"Arial\"><i>one</i></font></td>"
                    "</tr><tr bgcolor=\"#ffffff\">\n"
                    "<td nowrap>\n<font color=\"#ff0000\" face=\"Arial\"><i>two</i></font></td>"
                    "</tr></table>");
}

TEST(GridHtmlTableTest, GoesIntoAPageBesideWhatElseThePageHolds) {
    CHtmlWriter page;
    page.Emplace<CHText>("Shopping list", true, false);
    GridHtmlTable table({"Café"}, GridHtmlStyles{});
    page.Add(table.Take());
    const std::string document = page.GetDocument();
    EXPECT_NE(document.find("charset=utf-8"), std::string::npos);
    EXPECT_NE(document.find("<b>Shopping list</b>\n<table"), std::string::npos);
    EXPECT_NE(document.find(">\nCafé</td></tr></table>"), std::string::npos);
}

} // namespace
