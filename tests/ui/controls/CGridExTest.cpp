#include "ui/controls/CGridEx.h"

#include "render/CHtmlWriter.h"
#include "support/TempDir.h"
#include "ui/controls/CGridHeader.h"
#include "ui/controls/CInPlaceCombo.h"
#include "ui/controls/CInPlaceEdit.h"
#include "ui/controls/CSBGridEx.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

namespace {

struct Rows {
    std::vector<std::vector<QString>> m_cells;
};

class CGridExTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_window = std::make_unique<QDialog>();
        auto* layout = new QVBoxLayout(m_window.get());
        m_grid = new CSBGridEx(m_window.get());
        m_grid->setObjectName("grid");
        layout->addWidget(m_grid);
        m_grid->InsertColumn(0, "Item");
        m_grid->InsertColumn(1, "Qty", Qt::AlignRight);
        m_grid->InsertColumn(2, "Aisle");
        Fill({{"Flour", "2", "Baking"}, {"milk", "10", "Dairy"}, {"Eggs", "9", "Dairy"}});
        m_grid->SetEditable(true);
        m_grid->SetSortingEnabled(true);
        m_window->resize(500, 300);
        m_window->show();
        m_window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
        m_grid->setFocus();
    }

    void TearDown() override { m_window.reset(); }

    void Fill(const std::vector<std::vector<QString>>& rows) {
        for (const auto& cells : rows) {
            const int row = m_grid->InsertRow(m_grid->GetRowCount(), cells[0]);
            for (int column = 1; column < static_cast<int>(cells.size()); ++column) {
                m_grid->SetCellText(row, column, cells[column]);
            }
            m_grid->SetItemData(row, static_cast<quintptr>(row + 100));
        }
    }

    void AllowEditing() {
        QObject::connect(m_grid, &CGridEx::beginEditQuery, m_grid, [](int, bool*) {});
    }

    QPoint CellCentre(int row, int column) const {
        return m_grid->visualRect(m_grid->model()->index(row, column)).center();
    }

    void ClickCell(int row, int column) {
        QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, CellCentre(row, column));
    }

    void ClickHeader(int column) {
        QHeaderView* header = m_grid->horizontalHeader();
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    }

    template <typename Control>
    Control* Open(const char* name) const {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (Control* control : m_grid->viewport()->findChildren<Control*>(name)) {
            if (control->isVisible()) {
                return control;
            }
        }
        return nullptr;
    }

    CInPlaceEdit* Editor() const { return Open<CInPlaceEdit>("inPlaceEdit"); }
    CInPlaceCombo* Combo() const { return Open<CInPlaceCombo>("inPlaceCombo"); }

    QStringList Column(int column) const {
        QStringList texts;
        for (int row = 0; row < m_grid->GetRowCount(); ++row) {
            texts << m_grid->GetCellText(row, column);
        }
        return texts;
    }

    std::unique_ptr<QDialog> m_window;
    CSBGridEx* m_grid = nullptr;
};

TEST_F(CGridExTest, FirstClickSelectsAndSecondClickOnTheCurrentRowOpensTheEditor) {
    AllowEditing();
    std::vector<int> selected;
    QObject::connect(m_grid, &CGridEx::rowSelected, [&](int row) { selected.push_back(row); });
    ClickCell(1, 2);
    EXPECT_EQ(m_grid->GetCurrentRow(), 1);
    EXPECT_EQ(Editor(), nullptr);
    ClickCell(1, 2);
    CInPlaceEdit* editor = Editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->Row(), 1);
    EXPECT_EQ(editor->Column(), 2);
    EXPECT_EQ(editor->text(), "Dairy");
    EXPECT_EQ(editor->selectedText(), "Dairy");
    EXPECT_EQ(selected, (std::vector<int>{1, 1}));
}

TEST_F(CGridExTest, NoCellOpensWhenNobodyAnswersTheBeginEditQuery) {
    EXPECT_EQ(m_grid->BeginEdit(0, 0), nullptr);
    AllowEditing();
    EXPECT_NE(m_grid->BeginEdit(0, 0), nullptr);
}

TEST_F(CGridExTest, SelectingThePlaceholderRowRequestsAnInsertAndOpensNoEditor) {
    AllowEditing();
    m_grid->SetPlaceholderColumn(1);
    m_grid->SetPlaceholderRow(true);
    EXPECT_EQ(m_grid->GetRowCount(), 3);
    EXPECT_EQ(m_grid->GetCellText(3, 1), "[Click here to add item]");
    EXPECT_EQ(m_grid->GetCellText(3, 0), "");
    std::vector<int> inserts;
    QObject::connect(m_grid, &CGridEx::insertRequested, [&](int row) { inserts.push_back(row); });

    ClickCell(3, 0);
    EXPECT_EQ(inserts, (std::vector<int>{3}));
    EXPECT_EQ(m_grid->GetSelectedRows(), (std::vector<int>{3}));

    ClickCell(2, 0);
    QTest::keyClick(m_grid, Qt::Key_Down);
    EXPECT_EQ(inserts, (std::vector<int>{3, 3}));

    m_grid->SelectRow(2, true);
    ASSERT_NE(m_grid->BeginEdit(2, 0), nullptr);
    QTest::keyClick(Editor(), Qt::Key_Down);
    EXPECT_EQ(inserts, (std::vector<int>{3, 3, 3}));
    EXPECT_EQ(Editor(), nullptr);
}

TEST_F(CGridExTest, RowsAreInsertedBeforeThePlaceholderRowWhichSurvivesDeleteAll) {
    m_grid->SetPlaceholderRow(true);
    EXPECT_EQ(m_grid->InsertRow(99, "Butter"), 3);
    EXPECT_EQ(m_grid->GetCellText(4, 0), "[Click here to add item]");
    EXPECT_FALSE(m_grid->DeleteRow(4));
    m_grid->DeleteAllRows();
    EXPECT_EQ(m_grid->GetRowCount(), 0);
    EXPECT_TRUE(m_grid->IsPlaceholderRow(0));
    EXPECT_EQ(m_grid->GetCellText(0, 0), "[Click here to add item]");
    EXPECT_EQ(m_grid->SelectRow(0, true), -1);
}

TEST_F(CGridExTest, HeaderClicksSortAscendingThenDescendingWithThePreviousColumnAsTieBreaker) {
    std::vector<QString> events;
    QObject::connect(m_grid, &CGridEx::sortColumnChosen, [&](int column) {
        events.push_back("chosen " + QString::number(column));
        m_grid->SetNumericSort(column == 1);
    });
    QObject::connect(m_grid, &CGridEx::columnSorted,
                     [&](int column) { events.push_back("sorted " + QString::number(column)); });

    ClickHeader(1);
    EXPECT_EQ(Column(1), (QStringList{"2", "9", "10"}));
    EXPECT_TRUE(m_grid->GridHeader()->IsAscending());
    ClickHeader(1);
    EXPECT_EQ(Column(1), (QStringList{"10", "9", "2"}));
    EXPECT_FALSE(m_grid->GridHeader()->IsAscending());
    EXPECT_EQ(m_grid->GridHeader()->SortColumn(), 1);

    ClickHeader(2);
    // Both dairy rows tie; the quantity column sorted last breaks the tie, numerically.
    EXPECT_EQ(Column(0), (QStringList{"Flour", "Eggs", "milk"}));
    EXPECT_TRUE(m_grid->IsAscending());
    EXPECT_EQ(events, (std::vector<QString>{"chosen 1", "sorted 1", "chosen 1", "sorted 1", "chosen 2", "sorted 2"}));
}

TEST_F(CGridExTest, HeaderClicksDoNothingWithSortingDisabled) {
    m_grid->SetSortingEnabled(false);
    ClickHeader(0);
    EXPECT_EQ(Column(0), (QStringList{"Flour", "milk", "Eggs"}));
}

TEST_F(CGridExTest, SelectionAndItemDataFollowTheirRowsThroughASort) {
    m_grid->SetPlaceholderRow(true);
    m_grid->SelectRow(1, true);
    ASSERT_TRUE(m_grid->Sort(0, true, false));
    EXPECT_EQ(Column(0), (QStringList{"Eggs", "Flour", "milk"}));
    EXPECT_EQ(m_grid->GetSelectedRows(), (std::vector<int>{2}));
    EXPECT_EQ(m_grid->FindRowByData(101), 2);
    EXPECT_EQ(m_grid->GetItemData(0), 102u);
    EXPECT_TRUE(m_grid->IsPlaceholderRow(3));
    EXPECT_FALSE(m_grid->Sort(7, true, false));
}

TEST_F(CGridExTest, EnterCommitsAndEscapeCancelsTheTextBox) {
    AllowEditing();
    std::vector<GridEditResult> ended;
    QObject::connect(m_grid, &CGridEx::editEnded, [&](int, const GridEditResult& result) { ended.push_back(result); });

    ASSERT_NE(m_grid->BeginEdit(0, 0), nullptr);
    QTest::keyClicks(Editor(), "Rye flour");
    QTest::keyClick(Editor(), Qt::Key_Return);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(m_grid->GetCellText(0, 0), "Rye flour");

    ASSERT_NE(m_grid->BeginEdit(0, 0), nullptr);
    QTest::keyClicks(Editor(), "oops");
    QTest::keyClick(Editor(), Qt::Key_Escape);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(m_grid->GetCellText(0, 0), "Rye flour");
    EXPECT_TRUE(m_window->isVisible());

    ASSERT_EQ(ended.size(), 2u);
    EXPECT_FALSE(ended[0].m_cancelled);
    EXPECT_EQ(ended[0].m_text, "Rye flour");
    EXPECT_EQ(ended[0].m_listIndex, -1);
    EXPECT_TRUE(ended[1].m_cancelled);
    EXPECT_TRUE(ended[1].m_text.isNull());
    EXPECT_EQ(ended[1].m_row, 0);
}

TEST_F(CGridExTest, EnterOrF2OnTheGridOpensTheFirstEditableCellInsteadOfTheDefaultButton) {
    auto* ok = new QPushButton("OK", m_window.get());
    ok->setDefault(true);
    bool accepted = false;
    QObject::connect(m_window.get(), &QDialog::accepted, [&] { accepted = true; });
    QObject::connect(m_grid, &CGridEx::beginEditQuery, [&](int, bool* refuse) { *refuse = m_grid->EditColumn() == 0; });
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_F2}) {
        m_grid->SelectRow(1, true);
        m_grid->setFocus();
        QTest::keyClick(m_grid, key);
        EXPECT_FALSE(accepted) << key;
        ASSERT_NE(Editor(), nullptr) << key;
        EXPECT_EQ(Editor()->Column(), 1) << key;
        QTest::keyClick(Editor(), Qt::Key_Escape);
    }
}

TEST_F(CGridExTest, KeysMoveTheEditorAsTheUserExpects) {
    struct Case {
        const char* name;
        int startRow;
        int startColumn;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int row;
        int column;
    };
    const Case cases[] = {
        {"Tab moves right", 0, 0, Qt::Key_Tab, Qt::NoModifier, 0, 1},
        {"Tab wraps to the next row", 0, 2, Qt::Key_Tab, Qt::NoModifier, 1, 0},
        {"Shift+Tab moves left", 1, 1, Qt::Key_Backtab, Qt::ShiftModifier, 1, 0},
        {"Shift+Tab wraps to the previous row", 1, 0, Qt::Key_Backtab, Qt::ShiftModifier, 0, 2},
        {"Down keeps the column", 0, 2, Qt::Key_Down, Qt::NoModifier, 1, 2},
        {"Up keeps the column", 2, 1, Qt::Key_Up, Qt::NoModifier, 1, 1},
        {"Ctrl+Home opens row 0", 2, 1, Qt::Key_Home, Qt::ControlModifier, 0, 1},
        {"Ctrl+End opens the last row", 0, 1, Qt::Key_End, Qt::ControlModifier, 2, 1},
        {"Page Down stops at the last row", 0, 0, Qt::Key_PageDown, Qt::NoModifier, 2, 0},
        {"Page Up stops at the first row", 2, 0, Qt::Key_PageUp, Qt::NoModifier, 0, 0},
    };
    AllowEditing();
    for (const Case& c : cases) {
        m_grid->SelectRow(c.startRow, true);
        ASSERT_NE(m_grid->BeginEdit(c.startRow, c.startColumn), nullptr) << c.name;
        QTest::keyClicks(Editor(), "x");
        QTest::keyClick(Editor(), c.key, c.modifiers);
        EXPECT_TRUE(m_grid->GetCellText(c.startRow, c.startColumn).endsWith("x")) << c.name;
        CInPlaceEdit* editor = Editor();
        ASSERT_NE(editor, nullptr) << c.name;
        EXPECT_EQ(editor->Row(), c.row) << c.name;
        EXPECT_EQ(editor->Column(), c.column) << c.name;
        EXPECT_EQ(m_grid->GetSelectedRows(), std::vector<int>{c.row}) << c.name;
        QTest::keyClick(editor, Qt::Key_Escape);
    }
}

TEST_F(CGridExTest, MovingOffTheDataEndsEditing) {
    AllowEditing();
    m_grid->SelectRow(2, true);
    ASSERT_NE(m_grid->BeginEdit(2, 2), nullptr);
    QTest::keyClick(Editor(), Qt::Key_Tab);
    EXPECT_EQ(Editor(), nullptr);

    ASSERT_NE(m_grid->BeginEdit(0, 1), nullptr);
    QTest::keyClick(Editor(), Qt::Key_Up);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(m_grid->GetCurrentRow(), -1);

    ASSERT_NE(m_grid->BeginEdit(2, 1), nullptr);
    QTest::keyClick(Editor(), Qt::Key_Down);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(m_grid->GetCurrentRow(), -1);
}

TEST_F(CGridExTest, TabPassesOverCellsThatDoNotOpen) {
    QObject::connect(m_grid, &CGridEx::beginEditQuery, [&](int, bool* refuse) { *refuse = m_grid->EditColumn() == 1; });
    m_grid->setColumnWidth(2, 3);
    ASSERT_NE(m_grid->BeginEdit(0, 0), nullptr);
    QTest::keyClick(Editor(), Qt::Key_Tab);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(Editor()->Row(), 1);
    EXPECT_EQ(Editor()->Column(), 0);
}

TEST_F(CGridExTest, LosingTheFocusCommitsTheTextBox) {
    AllowEditing();
    auto* other = new QPushButton("Other", m_window.get());
    other->show();
    ASSERT_NE(m_grid->BeginEdit(1, 0), nullptr);
    QTest::keyClicks(Editor(), "Oat milk");
    other->setFocus();
    EXPECT_EQ(m_grid->GetCellText(1, 0), "Oat milk");
    EXPECT_EQ(Editor(), nullptr);
}

TEST_F(CGridExTest, RequestedListOpensOnTheCellsEntryAndCommitsTheChosenEntry) {
    QObject::connect(m_grid, &CGridEx::beginEditQuery, [&](int, bool*) {
        m_grid->RequestComboEdit({"Baking", "Dairy", "Produce"}, -1, true, false);
    });
    std::vector<GridEditResult> ended;
    QObject::connect(m_grid, &CGridEx::editEnded, [&](int, const GridEditResult& result) { ended.push_back(result); });

    ASSERT_NE(m_grid->BeginEdit(1, 2), nullptr);
    CInPlaceCombo* combo = Combo();
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->currentText(), "Dairy");
    EXPECT_TRUE(combo->view()->isVisible());
    QTest::keyClick(combo->view(), Qt::Key_Down);
    QTest::keyClick(combo->view(), Qt::Key_Return);
    EXPECT_EQ(Combo(), nullptr);
    EXPECT_EQ(m_grid->GetCellText(1, 2), "Produce");
    ASSERT_EQ(ended.size(), 1u);
    EXPECT_EQ(ended[0].m_listIndex, 2);

    ASSERT_NE(m_grid->BeginEdit(0, 2), nullptr);
    ASSERT_NE(Combo(), nullptr);
    QTest::keyClick(Combo()->view(), Qt::Key_Down);
    QTest::keyClick(Combo()->view(), Qt::Key_Escape);
    EXPECT_EQ(Combo(), nullptr);
    EXPECT_EQ(m_grid->GetCellText(0, 2), "Baking");
    EXPECT_EQ(ended.size(), 1u);
}

TEST_F(CGridExTest, TypedListTakesTheCellTextWhenNoEntryMatches) {
    QObject::connect(m_grid, &CGridEx::beginEditQuery, [&](int, bool*) {
        m_grid->RequestComboEdit({"Zeta", "Alpha"}, -1, false, true);
    });
    ASSERT_NE(m_grid->BeginEdit(0, 0), nullptr);
    CInPlaceCombo* combo = Combo();
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->itemText(0), "Alpha");
    EXPECT_EQ(combo->currentText(), "Flour");
    QTest::keyClick(combo, Qt::Key_Escape);
    EXPECT_EQ(Combo(), nullptr);
    EXPECT_EQ(m_grid->GetCellText(0, 0), "Flour");
}

TEST_F(CGridExTest, TabInAListCommitsAndMovesOnLikeTheTextBox) {
    struct Case {
        const char* name;
        bool dropListOnly;
        Qt::Key key;
        int column;
    };
    const Case cases[] = {
        {"typed list, Tab", false, Qt::Key_Tab, 2},
        {"typed list, Shift+Tab", false, Qt::Key_Backtab, 0},
        {"dropped list, Tab", true, Qt::Key_Tab, 2},
    };
    for (const Case& c : cases) {
        QObject::disconnect(m_grid, &CGridEx::beginEditQuery, nullptr, nullptr);
        QObject::connect(m_grid, &CGridEx::beginEditQuery, [&](int, bool*) {
            m_grid->RequestComboEdit({"1", "2", "3"}, 2, c.dropListOnly, false);
        });
        m_grid->SelectRow(0, true);
        ASSERT_NE(m_grid->BeginEdit(0, 1), nullptr) << c.name;
        CInPlaceCombo* combo = Combo();
        ASSERT_NE(combo, nullptr) << c.name;
        QWidget* target = combo->view()->isVisible() ? static_cast<QWidget*>(combo->view()) : combo;
        QTest::keyClick(target, c.key, c.key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_EQ(m_grid->GetCellText(0, 1), "3") << c.name;
        CInPlaceCombo* next = Combo();
        ASSERT_NE(next, nullptr) << c.name;
        EXPECT_EQ(next->Row(), 0) << c.name;
        EXPECT_EQ(next->Column(), c.column) << c.name;
        QTest::keyClick(next->view()->isVisible() ? static_cast<QWidget*>(next->view()) : next, Qt::Key_Escape);
        m_grid->SetCellText(0, 1, "2");
    }
}

TEST_F(CGridExTest, ClickingAnEnabledCheckImageTogglesItAndReportsTheCell) {
    m_grid->EnableCellChecks();
    m_grid->SetCellCheck(0, 1, false, true, true);
    m_grid->SetCellCheck(1, 1, true, false, true);
    std::vector<std::pair<int, int>> clicks;
    QObject::connect(m_grid, &CGridEx::cellCheckClicked,
                     [&](int row, int column) { clicks.emplace_back(row, column); });
    const auto imagePoint = [&](int row) {
        const QRect cell = m_grid->visualRect(m_grid->model()->index(row, 1));
        return QPoint(cell.left() + 10, cell.center().y());
    };
    QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, imagePoint(0));
    EXPECT_TRUE(m_grid->IsCellChecked(0, 1));
    QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, imagePoint(1));
    EXPECT_TRUE(m_grid->IsCellChecked(1, 1));
    EXPECT_EQ(m_grid->GetCellImage(1, 1), 3);
    EXPECT_EQ(clicks, (std::vector<std::pair<int, int>>{{0, 1}}));
    m_grid->SetCellCheck(0, 1, true, true, false);
    EXPECT_FALSE(m_grid->IsCellChecked(0, 1));
}

TEST_F(CGridExTest, RowCheckBoxClickOrSpaceIsReportedForColumnZero) {
    m_grid->SetCheckBoxes();
    std::vector<std::pair<int, int>> clicks;
    QObject::connect(m_grid, &CGridEx::cellCheckClicked,
                     [&](int row, int column) { clicks.emplace_back(row, column); });
    QStyleOptionViewItem option;
    option.initFrom(m_grid);
    option.rect = m_grid->visualRect(m_grid->model()->index(2, 0));
    option.features = QStyleOptionViewItem::HasCheckIndicator;
    const QRect box = m_grid->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, m_grid);
    QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, box.center());
    EXPECT_TRUE(m_grid->GetCheck(2));
    ClickCell(1, 2);
    QTest::keyClick(m_grid, Qt::Key_Space);
    EXPECT_TRUE(m_grid->GetCheck(1));
    EXPECT_EQ(clicks, (std::vector<std::pair<int, int>>{{2, 0}, {1, 0}}));
}

TEST_F(CGridExTest, RowColoursAndAskedTextColours) {
    m_grid->SetPlaceholderRow(true);
    m_grid->SetRowColors(Rgb(255, 255, 255), Rgb(240, 240, 240), Rgb(255, 255, 0));
    m_grid->SetAskTextColor(true);
    QObject::connect(m_grid, &CGridEx::rowTextColorQuery, [&](int row) {
        if (row == 1) {
            m_grid->SetTextColorReply(Rgb(255, 0, 0));
        }
    });
    const auto colour = [&](int row, int role) {
        return m_grid->model()->index(row, 0).data(role).value<QBrush>().color();
    };
    EXPECT_EQ(colour(0, Qt::BackgroundRole), QColor(255, 255, 255));
    EXPECT_EQ(colour(1, Qt::BackgroundRole), QColor(240, 240, 240));
    EXPECT_EQ(colour(3, Qt::BackgroundRole), QColor(255, 255, 0));
    EXPECT_EQ(colour(0, Qt::ForegroundRole), QColor(0, 0, 0));
    EXPECT_EQ(colour(1, Qt::ForegroundRole), QColor(255, 0, 0));
    EXPECT_EQ(colour(2, Qt::ForegroundRole), QColor(0, 0, 0));
}

TEST_F(CGridExTest, InsertDeleteAndMoveKeysAreReported) {
    std::vector<QString> events;
    QObject::connect(m_grid, &CGridEx::insertRequested,
                     [&](int row) { events.push_back("insert " + QString::number(row)); });
    QObject::connect(m_grid, &CGridEx::deleteRequested,
                     [&](int row) { events.push_back("delete " + QString::number(row)); });
    QObject::connect(m_grid, &CGridEx::rowSelected,
                     [&](int row) { events.push_back("select " + QString::number(row)); });
    m_grid->SelectRow(1, true);
    QTest::keyClick(m_grid, Qt::Key_Delete);
    QTest::keyClick(m_grid, Qt::Key_Insert);
    QTest::keyClick(m_grid, Qt::Key_Down);
    EXPECT_EQ(events, (std::vector<QString>{"delete 1", "select 1", "insert 1", "select 1", "select 2"}));
    EXPECT_EQ(CGridEx::NotifyingGrid(), m_grid);
    m_window.reset();
    EXPECT_EQ(CGridEx::NotifyingGrid(), nullptr);
}

TEST_F(CGridExTest, ColumnHelpers) {
    m_grid->SetPlaceholderRow(true);
    m_grid->AutoSizeColumns();
    const QFontMetrics metrics(m_grid->font());
    // The placeholder row counts: it is the widest text of column 0.
    EXPECT_EQ(m_grid->columnWidth(0), metrics.horizontalAdvance("[Click here to add item]") + 25);
    EXPECT_EQ(m_grid->columnWidth(2), metrics.horizontalAdvance("Baking") + 25);
    m_grid->SetColumnCaption(1, QString(60, 'c'));
    EXPECT_EQ(m_grid->GetColumnCaption(1).size(), 48);
    m_grid->EqualColumns();
    EXPECT_EQ(m_grid->columnWidth(0), m_grid->columnWidth(2));
}

TEST_F(CGridExTest, TextExportsSkipThePlaceholderAndReadBackBeforeIt) {
    m_grid->SetPlaceholderRow(true);
    m_grid->SetCellText(0, 2, "Baking, \"dry\"");
    std::ostringstream fixed;
    m_grid->WriteFixedText(fixed);
    EXPECT_EQ(fixed.str(), "   ----- --- ------------- \n"
                           "   Item  Qty Aisle         \n"
                           "   ----- --- ------------- \n"
                           "   Flour 2   Baking, \"dry\" \n"
                           "   milk  10  Dairy         \n"
                           "   Eggs  9   Dairy         \n");
    std::ostringstream delimited;
    m_grid->WriteDelimitedText(delimited, ',');
    EXPECT_EQ(delimited.str(), "Item,Qty,Aisle\nFlour,2,\"Baking, 'dry'\"\nmilk,10,Dairy\nEggs,9,Dairy\n");

    TempDir dir;
    ASSERT_TRUE(m_grid->WriteFixedTextFile(dir / "list.txt", false));
    ASSERT_TRUE(m_grid->WriteDelimitedTextFile(dir / "list.csv", ',', false));
    m_grid->DeleteAllRows();
    ASSERT_TRUE(m_grid->ReadFixedTextFile(dir / "list.txt"));
    ASSERT_TRUE(m_grid->ReadDelimitedTextFile(dir / "list.csv", ','));
    EXPECT_EQ(Column(2), (QStringList{"Baking, \"dry\"", "Dairy", "Dairy", "Baking, \"dry\"", "Dairy", "Dairy"}));
    EXPECT_TRUE(m_grid->IsPlaceholderRow(6));
    EXPECT_FALSE(m_grid->ReadFixedTextFile(dir / "missing.txt"));
}

TEST_F(CGridExTest, AppendingAddsToTheFileAndAFailedWriteKeepsTheOldOne) {
    TempDir dir;
    const auto path = dir.Write("list.txt", "before\n");
    ASSERT_TRUE(m_grid->WriteDelimitedTextFile(path, '\t', true));
    std::ifstream in(path);
    std::string first;
    std::getline(in, first);
    EXPECT_EQ(first, "before");
    EXPECT_FALSE(m_grid->WriteFixedTextFile(dir / "no-such-folder" / "list.txt", false));
    EXPECT_FALSE(m_grid->WriteHtmlFile(dir / "no-such-folder" / "list.html"));
}

TEST_F(CGridExTest, HtmlFileHoldsTheBoldCaptionsAndTheDataRows) {
    m_grid->SetPlaceholderRow(true);
    TempDir dir;
    ASSERT_TRUE(m_grid->WriteHtmlFile(dir / "list.html"));
    std::ifstream in(dir / "list.html");
    const std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(page.find("<td width=\"10%\" nowrap>\n<b>Item</b></td><td nowrap>\n<b>Qty</b></td>"), std::string::npos);
    EXPECT_NE(page.find("<td nowrap>\nEggs</td><td nowrap>\n9</td><td nowrap>\nDairy</td></tr></table>"),
              std::string::npos);
    EXPECT_EQ(page.find("*"), std::string::npos);
}

TEST_F(CGridExTest, ClickingThePlaceholderRowAgainAsksForOneInsertOnly) {
    AllowEditing();
    m_grid->SetPlaceholderRow(true);
    std::vector<int> inserts;
    // The owner answers as the ingredient page does: a new row, edited at once.
    QObject::connect(m_grid, &CGridEx::insertRequested, [&](int row) {
        inserts.push_back(row);
        const int inserted = m_grid->InsertRow(row, QString());
        m_grid->SelectRow(inserted, true);
        m_grid->BeginEdit(inserted, 2);
    });
    ClickCell(3, 0);
    ASSERT_NE(Editor(), nullptr);
    QTest::keyClick(Editor(), Qt::Key_Escape);
    m_grid->SelectRow(4, true);
    ClickCell(4, 0);
    EXPECT_EQ(inserts, (std::vector<int>{3, 4}));
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(Editor()->Row(), 4);
    EXPECT_EQ(Editor()->Column(), 2);
}

TEST_F(CGridExTest, SortingWhileEditingCommitsTheTextToTheRowBeingEdited) {
    AllowEditing();
    ASSERT_NE(m_grid->BeginEdit(0, 0), nullptr);
    QTest::keyClicks(Editor(), "Rye");
    ClickHeader(0);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(Column(0), (QStringList{"Eggs", "milk", "Rye"}));
    EXPECT_EQ(m_grid->GetItemData(2), 100u);
}

TEST_F(CGridExTest, AnEditFollowsItsRowWhenTheOwnerMovesRows) {
    AllowEditing();
    std::vector<int> endedRows;
    QObject::connect(m_grid, &CGridEx::editEnded, [&](int row, const GridEditResult& result) {
        endedRows.push_back(row);
        EXPECT_EQ(result.m_row, row);
        // The owner splits the typed line: a new row goes in above it.
        if (endedRows.size() == 1) {
            m_grid->InsertRow(0, "Salt");
        }
    });
    ASSERT_NE(m_grid->BeginEdit(1, 0), nullptr);
    m_grid->InsertRow(0, "Butter");
    QTest::keyClicks(Editor(), "Oat milk");
    QTest::keyClick(Editor(), Qt::Key_Tab);
    EXPECT_EQ(Column(0), (QStringList{"Salt", "Butter", "Flour", "Oat milk", "Eggs"}));
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(Editor()->Row(), 3);
    EXPECT_EQ(Editor()->Column(), 1);

    QTest::keyClicks(Editor(), "5");
    m_grid->DeleteRow(3);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(Column(1), (QStringList{"", "", "2", "9"}));
    EXPECT_EQ(endedRows, (std::vector<int>{2}));
}

TEST_F(CGridExTest, UserResizeOfAColumnIsReportedOnceWhenItEnds) {
    std::vector<std::pair<int, int>> reported;
    QObject::connect(m_grid, &CGridEx::columnWidthChanged,
                     [&](int column, int width) { reported.emplace_back(column, width); });
    m_grid->setColumnWidth(0, 120);
    EXPECT_TRUE(reported.empty());

    QHeaderView* header = m_grid->horizontalHeader();
    const int edge = header->sectionViewportPosition(0) + header->sectionSize(0) - 1;
    const int y = header->height() / 2;
    auto send = [&](QEvent::Type type, int x, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(x, y), header->viewport()->mapToGlobal(QPointF(x, y)), Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(header->viewport(), &event);
    };
    send(QEvent::MouseButtonPress, edge, Qt::LeftButton);
    send(QEvent::MouseMove, edge + 10, Qt::LeftButton);
    send(QEvent::MouseMove, edge + 30, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, edge + 30, Qt::NoButton);
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0].first, 0);
    EXPECT_EQ(reported[0].second, header->sectionSize(0));
    EXPECT_GT(reported[0].second, 140);
    EXPECT_EQ(Column(0), (QStringList{"Flour", "milk", "Eggs"}));
}

TEST_F(CGridExTest, CtrlCCopiesTheSelectedDataRowsAsTabSeparatedLines) {
    m_grid->SetPlaceholderRow(true);
    m_grid->SetCellText(2, 2, "");
    m_grid->selectAll();
    QTest::keyClick(m_grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Flour\t2\tBaking\nmilk\t10\tDairy\nEggs\t9\t \n");
}

TEST_F(CGridExTest, ReadsListFilesInUtf8OrWindows1252) {
    TempDir dir;
    const auto latin = dir.Write("latin.txt", "Item,Qty\nCr\xE8me fra\xEE\x63he,1\n");
    const auto utf8 = dir.Write("utf8.txt", "\xEF\xBB\xBFItem,Qty\nCr\xC3\xA8me,2\n");
    m_grid->DeleteAllRows();
    ASSERT_TRUE(m_grid->ReadDelimitedTextFile(latin, ','));
    ASSERT_TRUE(m_grid->ReadDelimitedTextFile(utf8, ','));
    EXPECT_EQ(Column(0), (QStringList{QString::fromUtf8("Crème fraîche"), QString::fromUtf8("Crème")}));
    EXPECT_EQ(Column(1), (QStringList{"1", "2"}));
}

TEST_F(CGridExTest, HtmlTableGoesIntoTheOwnersPageWithItsStyles) {
    m_grid->SetPlaceholderRow(true);
    m_grid->SetCellText(0, 0, "Salt & <pepper>");
    CHtmlWriter page;
    GridHtmlStyles styles;
    styles.m_headerCellColor = Rgb(0xD6, 0xD6, 0xD6);
    styles.m_bodyText.m_italic = true;
    m_grid->AddHtmlTable(page, styles);
    const std::string html = page.GetHtml();
    EXPECT_NE(html.find("<td width=\"10%\" bgcolor=\"#d6d6d6\" nowrap>\nItem</td>"), std::string::npos);
    EXPECT_NE(html.find("<i>Salt &amp; &lt;pepper&gt;</i>"), std::string::npos);
    EXPECT_EQ(html.find("[Click here"), std::string::npos);
}

TEST_F(CGridExTest, TheSortColumnsCaptionStopsShortOfTheArrow) {
    m_grid->setColumnWidth(0, 120);
    m_grid->Sort(0, true, false);
    m_grid->GridHeader()->SetSortColumn(0, true);
    QHeaderView* header = m_grid->horizontalHeader();
    const int space = header->fontMetrics().horizontalAdvance(QLatin1Char(' '));
    const int right = header->sectionViewportPosition(0) + header->sectionSize(0) - 1;
    const QRect captionArea(2 * space, 0, right - 10 * space, header->height());
    const QRect gapBeforeArrow(right - 8 * space + 1, 0, 3 * space - 1, header->height());
    auto look = [&](const QString& caption) {
        m_grid->SetColumnCaption(0, caption);
        return header->viewport()->grab().toImage();
    };
    const QImage captioned = look("Description of every ingredient");
    const QImage empty = look("");
    EXPECT_NE(captioned.copy(captionArea), empty.copy(captionArea)) << "the caption is drawn";
    EXPECT_EQ(captioned.copy(gapBeforeArrow), empty.copy(gapBeforeArrow)) << "and ends before the arrow";
}

TEST_F(CGridExTest, ScrollingCommitsAnOpenEditInsteadOfLeavingItOverAnotherRow) {
    AllowEditing();
    for (int i = 0; i < 60; ++i) {
        m_grid->InsertRow(m_grid->GetRowCount(), QString("Row %1").arg(i));
    }
    ASSERT_NE(m_grid->BeginEdit(0, 0), nullptr);
    QTest::keyClicks(Editor(), "Spelt");
    QWheelEvent wheel(QPointF(50, 50), m_grid->viewport()->mapToGlobal(QPointF(50, 50)), {}, QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(m_grid->viewport(), &wheel);
    EXPECT_GT(m_grid->verticalScrollBar()->value(), 0);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(m_grid->GetCellText(0, 0), "Spelt");
}

} // namespace
