#include "ui/dialogs/CGenericPS.h"

#include "support/MemoryProfile.h"
#include "ui/dialogs/CGenericPP.h"
#include "ui/dialogs/CHelpWnd.h"
#include "ui/dialogs/DialogHelpPane.h"
#include "ui/dialogs/DialogSupport.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ListPage : public CGenericPP {
public:
    ListPage(int templateId, bool acceptsApply) : CGenericPP(templateId), m_acceptsApply(acceptsApply) {
        resize(300, 200);
        m_list = new QListWidget(this);
        m_list->setGeometry(5, 5, 290, 190);
        RegisterControl(m_list, LayoutList::GrowWidth | LayoutList::GrowHeight);
    }
    bool OnApply() override {
        ++m_applied;
        return m_acceptsApply;
    }

    QListWidget* m_list;
    bool m_acceptsApply;
    int m_applied = 0;
};

class TopicPane : public QLabel, public DialogHelpPane {
public:
    explicit TopicPane(QWidget* parent) : QLabel(parent) {}
    void ShowTopic(int contextId) override { setText(QString::number(contextId)); }
};

} // namespace

class CGenericPSTest : public ::testing::Test {
protected:
    void TearDown() override { DialogHelpPane::SetMaker(nullptr); }
    MemoryProfile m_profile;
};

TEST_F(CGenericPSTest, GrowsToTheLargestPageAndThePagesFollowAResize) {
    CGenericPS sheet(800, "Recipe Properties", m_profile);
    auto* page = new ListPage(801, true);
    sheet.AddPage(page, "Ingredients");
    sheet.AddPage(new ListPage(802, true), "Instructions");
    sheet.show();
    EXPECT_GE(page->width(), 300);
    EXPECT_GE(page->height(), 200);

    const QSize before = page->m_list->size();
    sheet.resize(sheet.width() + 60, sheet.height() + 40);
    EXPECT_EQ(page->m_list->size(), before + QSize(60, 40));
    EXPECT_EQ(sheet.findChild<QPushButton*>("help")->geometry().right(), sheet.width() - 8);
}

TEST_F(CGenericPSTest, ManyLargePagesGrowTheSheetOnceForTheLargest) {
    const auto largePage = [](int templateId, QSize size) {
        auto* page = new ListPage(templateId, true);
        page->resize(size);
        return page;
    };
    CGenericPS one(800, "Recipe Properties", m_profile);
    one.AddPage(largePage(801, {500, 400}), "Title");
    CGenericPS seven(800, "Recipe Properties", m_profile);
    for (int id = 801; id <= 807; ++id) {
        seven.AddPage(largePage(id, {id == 804 ? 520 : 500, 400}), "Page");
    }
    EXPECT_EQ(seven.size(), one.size() + QSize(20, 0));
    seven.show();
    const QWidget* tabs = seven.findChild<QWidget*>("tabs");
    EXPECT_LT(tabs->width(), 600);
}

TEST_F(CGenericPSTest, OkAppliesEveryPageAndStaysOnThePageThatRefuses) {
    CGenericPS sheet(800, "Recipe Properties", m_profile);
    auto* first = new ListPage(801, true);
    auto* second = new ListPage(802, false);
    sheet.AddPage(first, "Ingredients");
    sheet.AddPage(second, "Instructions");
    sheet.show();
    QTest::mouseClick(sheet.findChild<QPushButton*>("ok"), Qt::LeftButton);
    EXPECT_EQ(first->m_applied, 1);
    EXPECT_EQ(second->m_applied, 1);
    EXPECT_EQ(sheet.ActivePageIndex(), 1);
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_EQ(sheet.result(), 0);
}

TEST_F(CGenericPSTest, HelpShowsTheTopicOfThePageOnTop) {
    DialogHelpPane::SetMaker([](QWidget* parent) { return new TopicPane(parent); });
    CGenericPS sheet(800, "Recipe Properties", m_profile);
    sheet.AddPage(new ListPage(801, true), "Ingredients");
    sheet.AddPage(new ListPage(802, true), "Instructions");
    sheet.SetActivePage(1);
    sheet.show();
    QTest::mouseClick(sheet.findChild<QPushButton*>("help"), Qt::LeftButton);
    auto* pane = sheet.findChild<TopicPane*>("helpPane");
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(pane->text(), QString::number(131072 + 802));
}

TEST_F(CGenericPSTest, F1OnAControlOfAPageShowsItsQuickHelp) {
    CGenericPS sheet(800, "Recipe Properties", m_profile);
    auto* page = new ListPage(801, true);
    DialogSupport::SetControlId(page->m_list, 2);
    sheet.AddPage(page, "Ingredients");
    sheet.show();
    sheet.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&sheet));
    page->m_list->setFocus();
    QTest::keyClick(page->m_list, Qt::Key_F1);
    CHelpWnd* note = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* candidate = qobject_cast<CHelpWnd*>(widget); candidate != nullptr && candidate->isVisible()) {
            note = candidate;
        }
    }
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->Text(), "Click to cancel the changes and close the dialog.");
    note->close();
}
