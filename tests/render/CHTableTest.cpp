#include "render/CHTable.h"
#include "render/CHLink.h"
#include "render/CHText.h"

#include "SampleBook.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<CHTable> TableWithCells(int columns, int cells) {
    auto table = std::make_unique<CHTable>(columns);
    for (int i = 0; i < cells; ++i) {
        table->AddCell(std::make_unique<CHText>("c" + std::to_string(i)));
    }
    return table;
}

TEST(CHTableTest, EmptyTableHasOneEmptyRow) {
    EXPECT_EQ(CHTable(1).GetHtml(), "<table cellspacing=\"0\" cellpadding=\"0\" border=\"0\">\n<tr>\n</tr></table>");
}

TEST(CHTableTest, FlowsCellsIntoRowsWithoutATrailingEmptyRow) {
    EXPECT_EQ(TableWithCells(2, 5)->GetHtml(), "<table cellspacing=\"0\" cellpadding=\"0\" border=\"0\">\n<tr>\n"
                                               "<td>\nc0</td><td>\nc1</td></tr><tr>\n"
                                               "<td>\nc2</td><td>\nc3</td></tr><tr>\n"
                                               "<td>\nc4</td></tr></table>");
    const std::string full = TableWithCells(2, 4)->GetHtml();
    EXPECT_EQ(CountOf(full, "<tr"), 2);
    EXPECT_TRUE(full.ends_with("<td>\nc3</td></tr></table>"));
}

TEST(CHTableTest, ColumnSpanCountsTowardsTheRow) {
    CHTable table(3);
    table.AddCell()->m_colSpan = 2;
    table.AddCell();
    table.AddCell();
    const std::string html = table.GetHtml();
    EXPECT_NE(html.find("<td colspan=\"2\">\n&nbsp;</td><td>\n&nbsp;</td></tr><tr>\n<td>"), std::string::npos);
}

TEST(CHTableTest, AlternatesRowColoursStartingWithTheEvenColour) {
    auto table = TableWithCells(1, 3);
    table->m_evenRowColor.SetRgb(255, 255, 190);
    table->m_oddRowColor.SetRgb(1, 2, 3);
    const std::string html = table->GetHtml();
    EXPECT_NE(html.find("<tr bgcolor=\"#ffffbe\">\n<td>\nc0</td></tr><tr bgcolor=\"#010203\">\n<td>\nc1</td>"
                        "</tr><tr bgcolor=\"#ffffbe\">\n<td>\nc2"),
              std::string::npos);
    EXPECT_EQ(CountOf(TableWithCells(1, 3)->GetHtml(), "bgcolor"), 0);
}

TEST(CHTableTest, WritesTableAndRowAttributes) {
    auto table = TableWithCells(1, 2);
    table->m_attrs.SetWidth(100, CHUnit::Percent);
    table->m_attrs.m_vAlign = CHPos::Top;
    table->m_cellPadding = 2;
    table->m_cellSpacing = 3;
    table->m_border = 1;
    table->m_rowTemplate = "id=\"SBIng%r\" ondblclick=\"editItem('SBIng%r')\"";
    EXPECT_EQ(table->GetHtml(),
              "<table width=\"100%\" cellspacing=\"3\" cellpadding=\"2\" border=\"1\">\n"
              "<tr valign=\"top\" id=\"SBIng0\" ondblclick=\"editItem('SBIng0')\">\n<td>\nc0</td>"
              "</tr><tr valign=\"top\" id=\"SBIng1\" ondblclick=\"editItem('SBIng1')\">\n<td>\nc1</td>"
              "</tr></table>");
}

TEST(CHTableTest, TakesOnlyCells) {
    CHTable table(1);
    auto text = std::make_unique<CHText>("x");
    EXPECT_EQ(table.Add(std::move(text)), nullptr);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->m_text, "x");
    auto link = std::make_unique<CHLink>("", "top");
    EXPECT_EQ(table.Add(std::move(link)), nullptr);
    EXPECT_NE(link, nullptr);
    EXPECT_TRUE(table.Children().empty());
    EXPECT_THROW(table.Emplace<CHText>("y"), std::invalid_argument);
}

TEST(CHCellTest, WritesPlaceholderSpansAndWrap) {
    EXPECT_EQ(CHCell().GetHtml(), "<td>\n&nbsp;</td>");
    CHCell cell;
    cell.m_colSpan = 2;
    cell.m_rowSpan = 3;
    cell.m_wrap = false;
    cell.m_attrs.m_hAlign = CHPos::Right;
    cell.m_attrs.SetWidth(60, CHUnit::Pixels);
    EXPECT_EQ(cell.GetHtml(), "<td width=\"60\" align=\"right\" colspan=\"2\" nowrap>\n&nbsp;</td>");
    cell.m_colSpan = 1;
    EXPECT_EQ(cell.GetHtml(), "<td width=\"60\" align=\"right\" rowspan=\"3\" nowrap>\n&nbsp;</td>");
}

TEST(CHCellTest, TrimsEveryTrailingLineFeedOfItsContent) {
    CHCell cell;
    cell.Emplace<CHText>("a\n\n\n");
    EXPECT_EQ(cell.GetHtml(), "<td>\na</td>");
    CHCell blank;
    blank.Emplace<CHText>("");
    EXPECT_EQ(blank.GetHtml(), "<td>\n</td>");
}

} // namespace
