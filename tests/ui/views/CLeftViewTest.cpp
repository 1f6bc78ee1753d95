#include "ui/views/CLeftView.h"

#include "app/CSavorbridgeDoc.h"
#include "app/CSettings.h"
#include "app/CommandIds.h"
#include "model/CRecipeBook.h"
#include "search/CContentsPP.h"
#include "support/QtViewBody.h"
#include "support/ScriptedPrompts.h"
#include "ui/views/CPortionCtrl.h"
#include "ui/views/CSBHtmlViewM.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

class CLeftViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto book = std::make_unique<CRecipeBook>(100);
        book->SetTitle("Soups");
        auto recipe = std::make_unique<CRecipe>();
        recipe->SetTitle("Stock");
        m_recipe = &book->AddRecipe(std::move(recipe));
        m_book = &m_doc.AppendBook(std::move(book));
        m_view = std::make_unique<CLeftView>(m_doc);
        m_view->show();
    }

    QTabWidget& Pages() { return *m_view->findChild<QTabWidget*>("navigationPages"); }
    CPortionCtrl& PortionEdit() { return *m_view->findChild<CPortionCtrl*>("portionEdit"); }
    QPushButton& Button(const char* name) { return *m_view->findChild<QPushButton*>(name); }
    QString PortionText() { return PortionEdit().findChild<QLineEdit*>()->text(); }

    void Type(const QString& text) {
        QLineEdit* edit = PortionEdit().findChild<QLineEdit*>();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    CSettings m_settings;
    ScriptedPrompts m_prompts;
    CSavorbridgeDoc m_doc{m_settings, m_prompts, nullptr};
    std::unique_ptr<CLeftView> m_view;
    CRecipeBook* m_book = nullptr;
    CRecipe* m_recipe = nullptr;
};

TEST_F(CLeftViewTest, ShowsTheSixPagesInOrderWithTheirCaptionsAsWritten) {
    const QStringList captions = {"Contents", "Index", "Menu", "Favorties", "Search", "Shopping List"};
    ASSERT_EQ(Pages().count(), captions.size());
    for (int i = 0; i < captions.size(); ++i) {
        EXPECT_EQ(Pages().tabText(i), captions[i]);
        EXPECT_FALSE(Pages().tabIcon(i).isNull()) << i;
    }
    EXPECT_EQ(Pages().widget(0), &m_view->Contents());
    for (int i = 1; i < captions.size(); ++i) {
        auto* note = Pages().widget(i)->findChild<QLabel*>("placeholderNote");
        ASSERT_NE(note, nullptr) << i;
        EXPECT_TRUE(note->text().contains("not available yet"));
    }
}

TEST_F(CLeftViewTest, PortionStepsFollowTheTable) {
    struct Case {
        int steps;
        const char* shown;
    };
    // Each row steps on from the row before, starting at 1:1.
    const Case cases[] = {{1, "2:1"}, {1, "3:1"}, {-1, "2:1"}, {-1, "1:1"}, {-1, "1:2"}, {-1, "1:3"}, {1, "1:2"}};
    QSignalSpy changed(&m_doc, &CSavorbridgeDoc::portionChanged);
    EXPECT_EQ(PortionText(), "1:1");
    for (const Case& c : cases) {
        PortionEdit().stepBy(c.steps);
        EXPECT_EQ(PortionText(), c.shown);
        EXPECT_EQ(QString("%1:%2").arg(m_doc.PortionNumerator()).arg(m_doc.PortionDenominator()), c.shown);
    }
    EXPECT_EQ(changed.count(), static_cast<int>(std::size(cases)));
}

TEST_F(CLeftViewTest, TypedPortionsTakeEffectOnlyWhenSound) {
    struct Case {
        const char* typed;
        int numerator;
        int denominator;
    };
    const Case cases[] = {{"3:2", 3, 2}, {"3", 3, 2}, {"1:0", 3, 2}, {"0:4", 3, 2}, {"5000:1", 3, 2}, {"1:4", 1, 4}};
    for (const Case& c : cases) {
        Type(c.typed);
        EXPECT_EQ(m_doc.PortionNumerator(), c.numerator) << c.typed;
        EXPECT_EQ(m_doc.PortionDenominator(), c.denominator) << c.typed;
    }
    emit PortionEdit().editingFinished();
    EXPECT_EQ(PortionText(), "1:4");
}

TEST_F(CLeftViewTest, HistoryButtonsFollowTheDisplayHistory) {
    EXPECT_FALSE(Button("backButton").isEnabled());
    EXPECT_FALSE(Button("forwardButton").isEnabled());
    m_doc.Display(m_book);
    EXPECT_FALSE(Button("backButton").isEnabled());
    m_doc.Display(m_recipe);
    EXPECT_TRUE(Button("backButton").isEnabled());
    Button("backButton").click();
    EXPECT_EQ(m_doc.CurrentItem(), m_book);
    EXPECT_FALSE(Button("backButton").isEnabled());
    EXPECT_TRUE(Button("forwardButton").isEnabled());
    Button("forwardButton").click();
    EXPECT_EQ(m_doc.CurrentItem(), m_recipe);
    EXPECT_FALSE(Button("forwardButton").isEnabled());
}

TEST_F(CLeftViewTest, HistoryButtonsForgetDeletedItems) {
    m_doc.Display(m_recipe);
    m_doc.Display(m_book);
    ASSERT_TRUE(Button("backButton").isEnabled());
    m_prompts.QueueAnswer(PromptAnswer::Yes);
    ASSERT_TRUE(m_doc.DeleteObject(*m_recipe));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Button("backButton").isEnabled(); }, 1000));
}

TEST_F(CLeftViewTest, TheActivePageIsOfferedCommandsFirst) {
    m_view->Contents().Tree()->setCurrentItem(m_view->Contents().FindItem(m_recipe));
    CommandState state;
    ASSERT_TRUE(m_view->OnUpdateCommand(CommandId::kDelete, state));
    EXPECT_TRUE(state.enabled);
    ASSERT_TRUE(m_view->OnUpdateCommand(CommandId::kProperties, state));
    EXPECT_TRUE(state.enabled);

    m_view->SetActivePage(CLeftView::IndexPage);
    EXPECT_FALSE(m_view->OnUpdateCommand(CommandId::kDelete, state));
    EXPECT_FALSE(m_view->OnCommand(CommandId::kDelete));
    ASSERT_TRUE(m_view->OnUpdateCommand(CommandId::kViewItem, state));
    EXPECT_FALSE(state.enabled);
    EXPECT_EQ(m_doc.CurrentObject(), nullptr);

    m_view->SetActivePage(CLeftView::ContentsPage);
    m_doc.Display(nullptr);
    ASSERT_TRUE(m_view->OnCommand(CommandId::kViewItem));
    EXPECT_EQ(m_doc.CurrentItem(), m_recipe);
}

TEST_F(CLeftViewTest, StartSelectsAndShowsTheFirstItem) {
    m_view->OnInitialUpdate();
    EXPECT_EQ(m_view->Contents().CurrentObject(), m_book);
    EXPECT_EQ(m_doc.CurrentItem(), m_book);
}

TEST_F(CLeftViewTest, ContextMenuShowsWhatThePaneCanDo) {
    m_view->Contents().Tree()->setCurrentItem(m_view->Contents().FindItem(m_recipe));
    const auto menu = m_view->Contents().BuildContextMenu(m_recipe);
    std::map<int, bool> enabled;
    for (const QAction* action : menu->actions()) {
        enabled[action->data().toInt()] = action->isEnabled();
    }
    EXPECT_TRUE(enabled[CommandId::kViewItem]);
    EXPECT_TRUE(enabled[CommandId::kProperties]);
    EXPECT_TRUE(enabled[CommandId::kDelete]);
    EXPECT_FALSE(enabled[CommandId::kAddToFavorites]);
    EXPECT_FALSE(enabled[CommandId::kSortItems]);
}

TEST_F(CLeftViewTest, ContextMenuCommandsLeaveThroughThePane) {
    QSignalSpy requested(m_view.get(), &CLeftView::commandRequested);
    emit m_view->Contents().commandRequested(CommandId::kSortItems);
    ASSERT_EQ(requested.count(), 1);
    EXPECT_EQ(requested.front().front().toInt(), CommandId::kSortItems);
}

} // namespace

namespace {

constexpr int kWait = 20000;

TEST(PortionDisplayTest, StepsScaleTheRecipeOnDisplay) {
    CSettings settings;
    ScriptedPrompts prompts;
    CSavorbridgeDoc doc(settings, prompts, nullptr);
    auto book = std::make_unique<CRecipeBook>(100);
    auto recipe = std::make_unique<CRecipe>();
    recipe->SetTitle("Dough");
    recipe->AppendIngredient(std::make_unique<CIngredient>("37", "g", "yeast"));
    CRecipe& dough = book->AddRecipe(std::move(recipe));
    doc.AppendBook(std::move(book));
    CLeftView pane(doc);
    CSBHtmlViewM display(doc);
    display.resize(600, 400);
    display.show();
    QSignalSpy complete(&display, &CHtmlView::documentComplete);
    display.OnInitialUpdate();
    ASSERT_TRUE(QTest::qWaitFor([&] { return complete.count() > 0; }, kWait));
    doc.Display(&dough);
    ASSERT_TRUE(QTest::qWaitFor([&] { return WaitForBodyHtml(display, kWait).contains("yeast"); }, kWait));
    EXPECT_FALSE(WaitForBodyHtml(display, kWait).contains("74"));

    pane.findChild<CPortionCtrl*>("portionEdit")->stepBy(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return WaitForBodyHtml(display, kWait).contains("74"); }, kWait));
    EXPECT_EQ(doc.CurrentItem(), &dough);
}

} // namespace
