#include "ui/views/CMainFrame.h"

#include "app/CSavorbridgeDoc.h"
#include "app/CSettings.h"
#include "app/CommandIds.h"
#include "model/CRecipeBook.h"
#include "search/CContentsPP.h"
#include "support/MemoryProfile.h"
#include "support/ScriptedPrompts.h"
#include "ui/views/CLeftView.h"
#include "ui/views/CSBHtmlViewM.h"

#include "support/QtViewBody.h"
#include <QAction>
#include <QPushButton>
#include <QSignalSpy>
#include <QSplitter>

#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

constexpr int kWait = 20000;

class CMainFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_frame.resize(1000, 700);
        QSignalSpy complete(m_frame.DisplayView(), &CHtmlView::documentComplete);
        m_frame.show();
        m_frame.DisplayView()->OnInitialUpdate();
        ASSERT_TRUE(QTest::qWaitFor([&] { return complete.count() > 0; }, kWait));
        m_book = m_doc.ReadBookIntoWorkspace(std::filesystem::path(SB_SHIPPED_DATA_DIR) / "samples" / "sample.rcp");
        ASSERT_NE(m_book, nullptr);
    }

    QTreeWidget& Tree() { return *m_frame.findChild<QTreeWidget*>("contentsTree"); }

    CRecipe* FirstChapterRecipe() const {
        for (const auto& chapter : m_book->Chapters()) {
            if (!chapter->Recipes().empty()) {
                return chapter->Recipes().front().get();
            }
        }
        return m_book->Recipes().empty() ? nullptr : m_book->Recipes().front().get();
    }

    bool PageShows(const std::string& text) {
        return QTest::qWaitFor(
            [&] { return WaitForBodyHtml(*m_frame.DisplayView(), kWait).contains(QString::fromStdString(text)); },
            kWait);
    }

    CSettings m_settings;
    MemoryProfile m_profile;
    ScriptedPrompts m_prompts;
    CSavorbridgeDoc m_doc{m_settings, m_prompts, nullptr};
    CMainFrame m_frame{m_settings, m_profile, m_doc};
    CRecipeBook* m_book = nullptr;
};

TEST_F(CMainFrameTest, ShowsTheOpenBookInTheTreeBesideTheDisplay) {
    auto* splitter = m_frame.findChild<QSplitter*>("mainSplitter");
    ASSERT_NE(splitter, nullptr);
    auto* left = m_frame.findChild<QSplitter*>("leftSplitter");
    ASSERT_NE(left, nullptr);
    EXPECT_EQ(splitter->widget(0), left);
    EXPECT_EQ(left->widget(0), &m_frame.NavigationPane());
    EXPECT_EQ(left->widget(1)->objectName(), "commentSlot");
    EXPECT_EQ(splitter->widget(1), m_frame.DisplayView());
    ASSERT_EQ(Tree().topLevelItemCount(), 1);
    EXPECT_EQ(Tree().topLevelItem(0)->text(0).toStdString(), m_book->Title());
    EXPECT_TRUE(PageShows(m_book->Title()));
}

TEST_F(CMainFrameTest, SelectingARecipeDisplaysIt) {
    CRecipe* recipe = FirstChapterRecipe();
    ASSERT_NE(recipe, nullptr);
    QTreeWidgetItem* item = m_frame.NavigationPane().Contents().FindItem(recipe);
    ASSERT_NE(item, nullptr);
    Tree().setCurrentItem(item);
    EXPECT_EQ(m_doc.CurrentItem(), recipe);
    EXPECT_TRUE(PageShows(recipe->Title()));
    m_frame.grab().save("/tmp/mainwin.png");

    Tree().setCurrentItem(Tree().topLevelItem(0));
    EXPECT_EQ(m_doc.CurrentItem(), m_book);
    m_frame.findChild<QPushButton*>("backButton")->click();
    EXPECT_EQ(m_doc.CurrentItem(), recipe);
    m_frame.findChild<QPushButton*>("forwardButton")->click();
    EXPECT_EQ(m_doc.CurrentItem(), m_book);
    EXPECT_TRUE(m_frame.Route(CommandId::kHome));
    EXPECT_EQ(m_doc.CurrentItem(), nullptr);
}

TEST_F(CMainFrameTest, SingleClickDisplayOffOnlySelects) {
    m_settings.m_singleClickDisplay = 0;
    Tree().setCurrentItem(m_frame.NavigationPane().Contents().FindItem(FirstChapterRecipe()));
    EXPECT_EQ(m_doc.CurrentItem(), nullptr);
}

TEST_F(CMainFrameTest, RenamingInTheTreeRenamesTheObjectAndMarksTheBook) {
    m_book->SetModified(false);
    QTreeWidgetItem* bookItem = Tree().topLevelItem(0);
    const std::string title = m_book->Title();
    bookItem->setText(0, QString::fromStdString(title + CContentsPP::kModifiedMark));
    EXPECT_EQ(m_book->Title(), title);
    EXPECT_FALSE(m_book->Modified());

    CRecipe* recipe = FirstChapterRecipe();
    m_frame.NavigationPane().Contents().FindItem(recipe)->setText(0, "Tree Renamed");
    EXPECT_EQ(recipe->Title(), "Tree Renamed");
    EXPECT_TRUE(m_book->Modified());
    EXPECT_EQ(bookItem->text(0).toStdString(), title + CContentsPP::kModifiedMark);
}

TEST_F(CMainFrameTest, FavouriteLinkMarksTheBookInTheTree) {
    CRecipe* recipe = FirstChapterRecipe();
    recipe->SetFavourite(false, true);
    m_book->SetModified(false);
    m_frame.DisplayView()->OnBeforeNavigate("#FAV" + recipe->ObjectId());
    EXPECT_TRUE(Tree().topLevelItem(0)->text(0).endsWith(CContentsPP::kModifiedMark));
}

TEST_F(CMainFrameTest, ClosingTheShownBookLeavesTreeAndPage) {
    CRecipe* recipe = FirstChapterRecipe();
    Tree().setCurrentItem(m_frame.NavigationPane().Contents().FindItem(recipe));
    ASSERT_TRUE(PageShows(recipe->Title()));
    m_doc.DeleteBook(*m_book);
    EXPECT_EQ(Tree().topLevelItemCount(), 0);
    EXPECT_EQ(m_doc.CurrentItem(), nullptr);
    EXPECT_TRUE(PageShows("Complete Cookbook Keeping"));
}

} // namespace
