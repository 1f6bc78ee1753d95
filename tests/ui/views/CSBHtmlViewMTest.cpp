#include "ui/views/CSBHtmlViewM.h"

#include "app/CSavorbridgeDoc.h"
#include "app/CSettings.h"
#include "model/CRecipeBook.h"
#include "support/ScriptedPrompts.h"

#include "support/QtViewBody.h"
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr int kWait = 20000;

class CSBHtmlViewMTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_book = m_doc.ReadBookIntoWorkspace(std::filesystem::path(SB_SHIPPED_DATA_DIR) / "samples" / "sample.rcp");
        ASSERT_NE(m_book, nullptr);
        m_recipe = FirstRecipe();
        ASSERT_NE(m_recipe, nullptr);
        m_view.resize(800, 600);
        m_view.show();
        QSignalSpy complete(&m_view, &CHtmlView::documentComplete);
        m_view.OnInitialUpdate();
        ASSERT_TRUE(QTest::qWaitFor([&] { return complete.count() > 0; }, kWait));
    }

    CRecipe* FirstRecipe() const {
        if (!m_book->Recipes().empty()) {
            return m_book->Recipes().front().get();
        }
        for (const auto& chapter : m_book->Chapters()) {
            if (!chapter->Recipes().empty()) {
                return chapter->Recipes().front().get();
            }
        }
        return nullptr;
    }

    QString Body() { return WaitForBodyHtml(m_view, kWait); }

    bool BodyShows(const std::string& text) {
        return QTest::qWaitFor([&] { return Body().contains(QString::fromStdString(text)); }, kWait);
    }

    void Follow(const std::string& link) { EXPECT_TRUE(m_view.OnBeforeNavigate("file:///sb/" + link)) << link; }

    CSettings m_settings;
    ScriptedPrompts m_prompts;
    CSavorbridgeDoc m_doc{m_settings, m_prompts, nullptr};
    CSBHtmlViewM m_view{m_doc};
    CRecipeBook* m_book = nullptr;
    CRecipe* m_recipe = nullptr;
};

TEST_F(CSBHtmlViewMTest, HomePageOffersTheOpenBook) {
    EXPECT_TRUE(BodyShows(m_book->Title()));
    EXPECT_TRUE(Body().contains(QString::fromStdString("#VIEW#" + m_book->ObjectId())));
}

TEST_F(CSBHtmlViewMTest, ClickedViewLinkDisplaysTheBook) {
    ASSERT_TRUE(BodyShows(m_book->Title()));
    m_view.RunScript("document.querySelector('a[href^=\"#VIEW#Bok\"]').click()");
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_doc.CurrentItem() == m_book; }, kWait));
    ASSERT_FALSE(m_doc.BackHistory().empty());
    EXPECT_EQ(m_doc.BackHistory().front(), m_book);
}

TEST_F(CSBHtmlViewMTest, ViewLinkDisplaysTheRecipeAndAClosedBookTheHomePage) {
    Follow("#VIEW#" + m_recipe->ObjectId());
    EXPECT_EQ(m_doc.CurrentItem(), m_recipe);
    EXPECT_TRUE(BodyShows(m_recipe->Title()));

    Follow("#VIEW#Bok7fffffff_0");
    EXPECT_EQ(m_doc.CurrentItem(), nullptr);
    EXPECT_TRUE(BodyShows("Complete Cookbook Keeping"));
}

TEST_F(CSBHtmlViewMTest, FavouriteLinkAddsTheRecipeOnce) {
    m_recipe->SetFavourite(false, true);
    m_book->SetModified(false);
    QSignalSpy changed(&m_doc, &CSavorbridgeDoc::objectChanged);
    Follow("#FAV" + m_recipe->ObjectId());
    EXPECT_TRUE(m_recipe->Favourite());
    EXPECT_TRUE(m_book->Modified());
    EXPECT_EQ(std::count(m_book->Favourites().begin(), m_book->Favourites().end(), m_recipe), 1);
    Follow("#FAV" + m_recipe->ObjectId());
    EXPECT_EQ(std::count(m_book->Favourites().begin(), m_book->Favourites().end(), m_recipe), 1);
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(CSBHtmlViewMTest, BothSwapLinksFlipPerServing) {
    const int before = m_settings.m_showPerServing;
    Follow("#SWAP_SERVING");
    EXPECT_NE(m_settings.m_showPerServing, before);
    Follow("#SWAP_RECIPE");
    EXPECT_EQ(m_settings.m_showPerServing, before);
}

TEST_F(CSBHtmlViewMTest, ErrorLinksShowOnlyKnownNotes) {
    QSignalSpy notes(&m_view, &CSBHtmlViewM::noteShown);
    Follow("#ERR7");
    EXPECT_EQ(notes.count(), 0);
    Follow("#ERR2");
    ASSERT_EQ(notes.count(), 1);
    EXPECT_TRUE(notes.front().front().toString().startsWith("A food item was not found."));
}

TEST_F(CSBHtmlViewMTest, CommandLinksReachTheMainWindowAfterTheEvent) {
    QSignalSpy commands(&m_view, &CSBHtmlViewM::commandRequested);
    Follow("#FILE_OPEN");
    EXPECT_EQ(commands.count(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return commands.count() == 1; }, kWait));
    EXPECT_EQ(commands.front().front().toInt(), CSBHtmlViewM::kOpenBook);
}

TEST_F(CSBHtmlViewMTest, UnbuiltPartsSayNotAvailable) {
    Follow("#ASL" + m_recipe->ObjectId());
    ASSERT_EQ(m_prompts.Texts().size(), 1u);
    EXPECT_NE(m_prompts.Texts().front().find("not available yet"), std::string::npos);
}

TEST_F(CSBHtmlViewMTest, TitleEditIsStoredAndShown) {
    Follow("#VIEW#" + m_recipe->ObjectId());
    m_book->SetModified(false);
    m_recipe->Sync().synchronised = m_recipe->Sync().current;
    QTimer::singleShot(0, [] {
        QWidget* editor = QApplication::activeModalWidget();
        ASSERT_NE(editor, nullptr);
        editor->findChild<QLineEdit*>("text")->setText("Renamed Stew");
        editor->findChild<QPushButton*>("ok")->click();
    });
    Follow("#modify_SBTitle(10,10,150,10)");
    EXPECT_EQ(m_recipe->Title(), "Renamed Stew");
    EXPECT_TRUE(m_book->Modified());
    EXPECT_TRUE(m_recipe->Sync().Changed());
    EXPECT_TRUE(BodyShows("Renamed Stew"));
}

TEST_F(CSBHtmlViewMTest, EditWithoutCurrentItemOrRectangleDoesNothing) {
    Follow("#modify_SBTitle(10,10,150,10)");
    Follow("#VIEW#" + m_recipe->ObjectId());
    Follow("#modify_SBTitle");
    Follow("#modify_SBIng999(1,1,10,10)");
    EXPECT_FALSE(m_book->Modified());
}

TEST_F(CSBHtmlViewMTest, LeavesOtherLinksToTheBrowser) {
    EXPECT_FALSE(m_view.OnBeforeNavigate("http://example.org/"));
}

} // namespace
