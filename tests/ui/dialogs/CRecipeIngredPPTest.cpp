#include "ui/dialogs/CRecipeIngredPP.h"

#include "quantities/UnitTables.h"
#include "ui/controls/CSBGridEx.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

std::vector<std::string> Descriptions(const CRecipeIngredPP& page) {
    std::vector<std::string> descriptions;
    for (const auto& line : page.Lines()) {
        descriptions.push_back(line.parts.description);
    }
    return descriptions;
}

void Click(CRecipeIngredPP& page, const char* name) {
    QTest::mouseClick(page.findChild<QPushButton*>(name), Qt::LeftButton);
}

} // namespace

class CRecipeIngredPPTest : public ::testing::Test {
protected:
    CRecipeIngredPPTest() : m_page(m_units) {
        m_page.SetLines({{{"1", "C", "flour"}, 0}, {{"2", "", "eggs"}, 31}, {{"1", "t", "salt"}, 0}});
    }

    UnitTables m_units;
    CRecipeIngredPP m_page;
};

TEST_F(CRecipeIngredPPTest, MovesTheSelectedLineWithItsLinkAndKeepsItSelected) {
    m_page.Grid()->SelectRow(1, true);
    Click(m_page, "moveUp");
    EXPECT_EQ(Descriptions(m_page), (std::vector<std::string>{"eggs", "flour", "salt"}));
    EXPECT_EQ(m_page.Lines()[0].link, 31);
    EXPECT_EQ(m_page.Grid()->GetCurrentRow(), 0);
    Click(m_page, "moveUp");
    EXPECT_EQ(Descriptions(m_page), (std::vector<std::string>{"eggs", "flour", "salt"}));

    m_page.Grid()->SelectRow(2, true);
    Click(m_page, "moveDown");
    EXPECT_EQ(Descriptions(m_page), (std::vector<std::string>{"eggs", "flour", "salt"}));
}

TEST_F(CRecipeIngredPPTest, NewAddsACupLineAtTheSelectionAndDeleteSelectsTheNext) {
    m_page.Grid()->SelectRow(1, true);
    Click(m_page, "new");
    ASSERT_EQ(m_page.Lines().size(), 4U);
    EXPECT_EQ(m_page.Lines()[1].parts, (IngredientParts{"1", "C", ""}));

    m_page.Grid()->SelectRow(1, true);
    Click(m_page, "delete");
    EXPECT_EQ(Descriptions(m_page), (std::vector<std::string>{"flour", "eggs", "salt"}));
    EXPECT_EQ(m_page.Grid()->GetCurrentRow(), 1);
}

TEST_F(CRecipeIngredPPTest, PastingThreeLinesAppendsThreeRows) {
    m_page.PasteText("1 lb carrots\n2 T honey\n1/2 c orange juice\n");
    ASSERT_EQ(m_page.Lines().size(), 6U);
    EXPECT_EQ(m_page.Lines()[5].parts, (IngredientParts{"1/2", "C", "orange juice"}));
}
