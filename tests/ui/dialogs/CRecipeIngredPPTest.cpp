#include "ui/dialogs/CRecipeIngredPP.h"

#include "quantities/UnitTables.h"
#include "ui/controls/CInPlaceEdit.h"
#include "ui/controls/CSBGridEx.h"

#include <QAction>
#include <QBrush>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
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

namespace {

CInPlaceEdit* Editor(const CRecipeIngredPP& page) {
    for (auto* edit : page.Grid()->viewport()->findChildren<CInPlaceEdit*>()) {
        if (!edit->isHidden()) {
            return edit;
        }
    }
    return nullptr;
}

} // namespace

// The hidden first column never opens, so the keys pass over it between rows,
// and a step below the last line opens a new one for typing.
TEST_F(CRecipeIngredPPTest, EditorKeysMoveOverTheHiddenColumnAndOntoANewLine) {
    struct Cell {
        int row;
        int column;
    };
    struct Case {
        const char* name;
        Cell start;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        Cell opened;
    };
    constexpr int amount = CRecipeIngredPP::kAmountColumn;
    constexpr int description = CRecipeIngredPP::kDescriptionColumn;
    const Case cases[] = {
        {"Tab from a description", {0, description}, Qt::Key_Tab, Qt::NoModifier, {1, amount}},
        {"Shift+Tab from an amount", {1, amount}, Qt::Key_Backtab, Qt::ShiftModifier, {0, description}},
        {"Down keeps the column", {0, amount}, Qt::Key_Down, Qt::NoModifier, {1, amount}},
        {"Up keeps the column", {2, description}, Qt::Key_Up, Qt::NoModifier, {1, description}},
        {"Down from the last line opens a new one", {2, amount}, Qt::Key_Down, Qt::NoModifier, {3, description}},
    };
    m_page.resize(500, 300);
    m_page.show();
    for (const Case& c : cases) {
        m_page.Grid()->SelectRow(c.start.row, true);
        ASSERT_NE(m_page.Grid()->BeginEdit(c.start.row, c.start.column), nullptr) << c.name;
        QTest::keyClick(Editor(m_page), c.key, c.modifiers);
        CInPlaceEdit* editor = Editor(m_page);
        ASSERT_NE(editor, nullptr) << c.name;
        EXPECT_EQ(editor->Row(), c.opened.row) << c.name;
        EXPECT_EQ(editor->Column(), c.opened.column) << c.name;
        QTest::keyClick(editor, Qt::Key_Escape);
        // Escape leaves every line as it was and drops a line opened for typing.
        EXPECT_EQ(Descriptions(m_page), (std::vector<std::string>{"flour", "eggs", "salt"})) << c.name;
    }
}

TEST_F(CRecipeIngredPPTest, ALineTypedIntoTheNewLineIsSplitAndItsNameLearned) {
    m_page.SetNames({"flour", "butter"});
    m_page.show();
    emit m_page.Grid()->insertRequested(m_page.Grid()->GetRowCount());
    ASSERT_NE(Editor(m_page), nullptr);
    EXPECT_NE(Editor(m_page)->completer(), nullptr);
    QTest::keyClicks(Editor(m_page), "2 lg eggplants -- diced");
    QTest::keyClick(Editor(m_page), Qt::Key_Return);

    ASSERT_EQ(m_page.Lines().size(), 4U);
    EXPECT_EQ(m_page.Lines()[3].parts, (IngredientParts{"2", "large", "eggplants -- diced"}));
    EXPECT_TRUE(m_page.NamesAdded());
    EXPECT_EQ(m_page.Names(), (std::vector<std::string>{"flour", "butter", "eggplants"}));
}

TEST_F(CRecipeIngredPPTest, AnEditStillOpenIsKeptWhenTheSheetIsConfirmed) {
    m_page.show();
    ASSERT_NE(m_page.Grid()->BeginEdit(0, CRecipeIngredPP::kDescriptionColumn), nullptr);
    QTest::keyClicks(Editor(m_page), "rye flour");
    EXPECT_TRUE(m_page.OnApply());
    EXPECT_EQ(m_page.Lines()[0].parts.description, "rye flour");
}

TEST_F(CRecipeIngredPPTest, TheUnitsMenuListsNamesWithAbbreviationsAndSetsTheSelectedUnit) {
    const auto actions = m_page.UnitsMenu()->actions();
    ASSERT_EQ(actions.size(), 13);
    EXPECT_EQ(actions.front()->text(), "Cup\tC");
    EXPECT_EQ(actions[8]->text(), "Ounce\toz");
    EXPECT_EQ(actions.back()->text(), "Kilogram\tkg");

    auto* units = m_page.findChild<QPushButton*>("units");
    m_page.Grid()->ClearSelection();
    EXPECT_FALSE(units->isEnabled());
    m_page.Grid()->SelectRow(1, true);
    EXPECT_TRUE(units->isEnabled());
    actions[12]->trigger();
    EXPECT_EQ(m_page.Lines()[1].parts.unit, "kg");
}

TEST_F(CRecipeIngredPPTest, ButtonsFollowTheSelectionAndLinkingIsShownAsNotYetAvailable) {
    struct Case {
        int row;
        bool up;
        bool down;
        bool remove;
    };
    const Case cases[] = {
        {-1, false, false, false}, {0, false, true, true}, {1, true, true, true}, {2, true, false, true}};
    for (const Case& c : cases) {
        m_page.Grid()->ClearSelection();
        if (c.row >= 0) {
            m_page.Grid()->SelectRow(c.row, true);
        }
        EXPECT_EQ(m_page.findChild<QPushButton*>("moveUp")->isEnabled(), c.up) << c.row;
        EXPECT_EQ(m_page.findChild<QPushButton*>("moveDown")->isEnabled(), c.down) << c.row;
        EXPECT_EQ(m_page.findChild<QPushButton*>("delete")->isEnabled(), c.remove) << c.row;
    }
    EXPECT_FALSE(m_page.findChild<QPushButton*>("link")->isEnabled());
    EXPECT_FALSE(m_page.findChild<QLabel*>("linkNote")->text().isEmpty());
}

TEST_F(CRecipeIngredPPTest, LinkedLinesAreBlue) {
    const auto colour = [&](int row) {
        return m_page.Grid()
            ->model()
            ->index(row, CRecipeIngredPP::kDescriptionColumn)
            .data(Qt::ForegroundRole)
            .value<QBrush>()
            .color();
    };
    EXPECT_EQ(colour(0), QColor(0, 0, 0));
    EXPECT_EQ(colour(1), QColor(0, 0, 255));
}

TEST_F(CRecipeIngredPPTest, ThePasteButtonFollowsTheClipboardAndAppendsItsLines) {
    auto* paste = m_page.findChild<QPushButton*>("paste");
    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(paste->isEnabled());
    QGuiApplication::clipboard()->setText("1 lb carrots\n2 T honey\n");
    EXPECT_TRUE(paste->isEnabled());
    QTest::mouseClick(paste, Qt::LeftButton);
    EXPECT_EQ(Descriptions(m_page), (std::vector<std::string>{"flour", "eggs", "salt", "carrots", "honey"}));
}

TEST(CRecipeIngredPPWidthsTest, ColumnsStartAtAQuarterAndASixthAndThenKeepTheUsersWidths) {
    CRecipeIngredPP::ForgetColumnWidths();
    UnitTables units;
    {
        CRecipeIngredPP page(units);
        page.resize(600, 300);
        page.show();
        const int room = page.Grid()->viewport()->width() - 4;
        EXPECT_EQ(page.Grid()->columnWidth(CRecipeIngredPP::kAmountColumn), room * 25 / 100);
        EXPECT_EQ(page.Grid()->columnWidth(CRecipeIngredPP::kUnitColumn), room * 15 / 100);
        EXPECT_GE(page.Grid()->columnWidth(CRecipeIngredPP::kDescriptionColumn), room * 60 / 100 - 1);
        page.Grid()->setColumnWidth(CRecipeIngredPP::kAmountColumn, 33);
    }
    CRecipeIngredPP again(units);
    again.resize(800, 300);
    again.show();
    EXPECT_EQ(again.Grid()->columnWidth(CRecipeIngredPP::kAmountColumn), 33);
}

TEST_F(CRecipeIngredPPTest, TheDeleteAndInsertKeysRemoveAndOpenLines) {
    m_page.show();
    m_page.Grid()->SelectRow(1, true);
    QTest::keyClick(m_page.Grid(), Qt::Key_Delete);
    EXPECT_EQ(Descriptions(m_page), (std::vector<std::string>{"flour", "salt"}));

    m_page.Grid()->SelectRow(1, true);
    QTest::keyClick(m_page.Grid(), Qt::Key_Insert);
    ASSERT_NE(Editor(m_page), nullptr);
    QTest::keyClicks(Editor(m_page), "1 t cinnamon");
    QTest::keyClick(Editor(m_page), Qt::Key_Return);
    EXPECT_EQ(Descriptions(m_page), (std::vector<std::string>{"flour", "cinnamon", "salt"}));
}
