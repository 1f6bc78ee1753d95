#include "search/CContentsPP.h"

#include "app/CSavorbridgeDoc.h"
#include "app/CSettings.h"
#include "app/CommandIds.h"
#include "model/CRecipeBook.h"
#include "support/ScriptedPrompts.h"
#include "support/TwoBooks.h"
#include "ui/controls/CIconList.h"
#include "ui/controls/CProgressBar.h"

#include <QApplication>
#include <QChildEvent>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QProgressBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

QImage ImageOf(const QIcon& icon, QIcon::Mode mode) {
    return icon.pixmap(QSize(CIconList::kWidth, CIconList::kHeight), mode).toImage();
}

// Notes the label and range of every progress bar that comes into the status bar.
class ProgressWatcher : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ChildPolished) {
            if (auto* bar = dynamic_cast<CProgressBar*>(static_cast<QChildEvent*>(event)->child())) {
                seen.emplace_back(bar->findChild<QLabel*>("progressLabel")->text(), bar->Bar()->maximum());
            }
        }
        return false;
    }

    std::vector<std::pair<QString, int>> seen;
};

class CContentsPPTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_page = new CContentsPP(m_doc);
        m_window.setCentralWidget(m_page);
        m_window.resize(300, 500);
        m_window.show();
        m_page->SetActive(true);
    }

    QTreeWidget& Tree() { return *m_page->Tree(); }
    QTreeWidgetItem* Item(const CRecipeObj* object) { return m_page->FindItem(object); }

    void Select(const CRecipeObj* object) { Tree().setCurrentItem(Item(object)); }

    void SendMouse(QEvent::Type type, QTreeWidgetItem* item, Qt::MouseButtons buttons) {
        const QPoint position = Tree().visualItemRect(item).center();
        QMouseEvent event(type, position, Tree().viewport()->mapToGlobal(position), Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(Tree().viewport(), &event);
    }

    void DragWithTheMouse(const CRecipeObj* from, const CRecipeObj* to) {
        SendMouse(QEvent::MouseButtonPress, Item(from), Qt::LeftButton);
        SendMouse(QEvent::MouseMove, Item(to), Qt::LeftButton);
        SendMouse(QEvent::MouseButtonRelease, Item(to), Qt::NoButton);
    }

    static std::vector<std::string> Labels(const QTreeWidgetItem* item) {
        std::vector<std::string> labels;
        for (int i = 0; i < item->childCount(); ++i) {
            labels.push_back(item->child(i)->text(0).toStdString());
        }
        return labels;
    }

    CSettings m_settings;
    ScriptedPrompts m_prompts;
    CSavorbridgeDoc m_doc{m_settings, m_prompts, nullptr};
    QMainWindow m_window;
    CContentsPP* m_page = nullptr;
    TwoBooks m_books{m_doc};
};

TEST_F(CContentsPPTest, TreeShowsBooksChaptersThenLooseRecipes) {
    ASSERT_EQ(Tree().topLevelItemCount(), 2);
    EXPECT_EQ(Tree().topLevelItem(0)->text(0), "Soups");
    EXPECT_EQ(Labels(Tree().topLevelItem(0)), (std::vector<std::string>{"Hot", "Cold", "Stock"}));
    EXPECT_EQ(Labels(Item(m_books.hot)), (std::vector<std::string>{"Tomato Soup", "bean soup"}));
    EXPECT_EQ(Labels(Tree().topLevelItem(1)), std::vector<std::string>{"Bread"});
    EXPECT_EQ(Labels(Item(m_books.bread)), std::vector<std::string>{"Rye"});
    EXPECT_EQ(CContentsPP::ObjectOf(Item(m_books.gazpacho)), m_books.gazpacho);
}

TEST_F(CContentsPPTest, BuildingShowsItsProgressInTheStatusBar) {
    ProgressWatcher watcher;
    m_window.statusBar()->installEventFilter(&watcher);
    m_page->BuildTree();
    const std::vector<std::pair<QString, int>> expected = {{"Building contents", 10}};
    EXPECT_EQ(watcher.seen, expected);
    EXPECT_EQ(m_window.statusBar()->currentMessage(), CProgressBar::kIdleText);
}

TEST_F(CContentsPPTest, TheSampleBookAppearsWhole) {
    CRecipeBook* book =
        m_doc.ReadBookIntoWorkspace(std::filesystem::path(SB_SHIPPED_DATA_DIR) / "samples" / "sample.rcp");
    ASSERT_NE(book, nullptr);
    QTreeWidgetItem* item = Item(book);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->childCount(), static_cast<int>(book->Chapters().size() + book->Recipes().size()));
    for (const auto& chapter : book->Chapters()) {
        EXPECT_EQ(Item(chapter.get())->childCount(), static_cast<int>(chapter->Recipes().size()));
    }
}

TEST_F(CContentsPPTest, IconsComeFromTheIconListWithTheOpenPictureWhenSelected) {
    struct Case {
        const CRecipeObj* object;
        int normal;
        int selected;
    };
    const Case cases[] = {
        {m_books.soups, IconCatalog::Book, IconCatalog::OpenBook},
        {m_books.hot, IconCatalog::Chapter, IconCatalog::SelectedChapter},
        {m_books.tomato, IconCatalog::Recipe, IconCatalog::SelectedRecipe},
        {m_books.stock, 120, 120},
    };
    for (const Case& c : cases) {
        const QIcon icon = Item(c.object)->icon(0);
        EXPECT_EQ(ImageOf(icon, QIcon::Normal), CIconList::Global().Image(c.normal).toImage()) << c.object->Title();
        EXPECT_EQ(ImageOf(icon, QIcon::Selected), CIconList::Global().Image(c.selected).toImage()) << c.object->Title();
    }
}

TEST_F(CContentsPPTest, ModifiedBooksCarryTheMark) {
    m_doc.MarkChanged(*m_books.tomato);
    EXPECT_EQ(Item(m_books.soups)->text(0), "Soups *");
    EXPECT_EQ(Item(m_books.bakes)->text(0), "Bakes");
}

TEST_F(CContentsPPTest, BuildingAgainKeepsExpandedAndCurrentItems) {
    m_books.cold->SetState(CSBState::kExpanded, true);
    Select(m_books.gazpacho);
    m_page->BuildTree();
    EXPECT_TRUE(Item(m_books.cold)->isExpanded());
    EXPECT_FALSE(Item(m_books.hot)->isExpanded());
    EXPECT_EQ(Tree().currentItem(), Item(m_books.gazpacho));
    EXPECT_EQ(m_page->CurrentObject(), m_books.gazpacho);

    Item(m_books.cold)->setExpanded(false);
    EXPECT_FALSE(m_books.cold->HasState(CSBState::kExpanded));
}

TEST_F(CContentsPPTest, SelectingTellsTheDocumentAndDisplaysWhenSingleClickIsOn) {
    for (const int singleClick : {1, 0}) {
        m_settings.m_singleClickDisplay = singleClick;
        QSignalSpy displayed(&m_doc, &CSavorbridgeDoc::displayRequested);
        Select(m_books.bakes);
        Select(m_books.gazpacho);
        EXPECT_EQ(m_doc.CurrentBook(), m_books.soups);
        EXPECT_EQ(m_doc.CurrentChapter(), m_books.cold);
        EXPECT_TRUE(m_books.gazpacho->HasState(CSBState::kCurrent));
        EXPECT_FALSE(m_books.bakes->HasState(CSBState::kCurrent));
        EXPECT_EQ(displayed.count(), singleClick == 1 ? 2 : 0) << "single click " << singleClick;
    }
}

TEST_F(CContentsPPTest, LeavingThePageClearsTheCurrentItemAndComingBackRestoresIt) {
    Select(m_books.tomato);
    m_page->SetActive(false);
    EXPECT_EQ(m_doc.CurrentObject(), nullptr);
    EXPECT_FALSE(m_page->OnCommand(CommandId::kDelete));
    QSignalSpy displayed(&m_doc, &CSavorbridgeDoc::displayRequested);
    m_page->SetActive(true);
    EXPECT_EQ(m_doc.CurrentObject(), m_books.tomato);
    EXPECT_EQ(displayed.count(), 0);
}

TEST_F(CContentsPPTest, DoubleClickDisplaysWhenSetSo) {
    m_settings.m_singleClickDisplay = 0;
    m_settings.m_doubleClickDisplay = 1;
    Select(m_books.tomato);
    emit Tree().itemDoubleClicked(Item(m_books.tomato), 0);
    EXPECT_EQ(m_doc.CurrentItem(), m_books.tomato);
}

TEST_F(CContentsPPTest, RenamingComparesWithoutTheModifiedMark) {
    struct Case {
        const char* typed;
        const char* title;
        bool modified;
    };
    const Case cases[] = {
        {"Soups *", "Soups", false},
        {"   ", "Soups", false},
        {"Broths *", "Broths", true},
    };
    for (const Case& c : cases) {
        Item(m_books.soups)->setText(0, c.typed);
        EXPECT_EQ(m_books.soups->Title(), c.title) << c.typed;
        EXPECT_EQ(m_books.soups->Modified(), c.modified) << c.typed;
    }
    EXPECT_EQ(Item(m_books.soups)->text(0), "Broths *");
}

TEST_F(CContentsPPTest, RenameAndDeleteFollowTheEditingRules) {
    CommandState state;
    ASSERT_TRUE(m_page->OnUpdateCommand(CommandId::kRename, state));
    EXPECT_FALSE(state.enabled);
    Select(m_books.tomato);
    ASSERT_TRUE(m_page->OnUpdateCommand(CommandId::kDelete, state));
    EXPECT_TRUE(state.enabled);
    EXPECT_TRUE(m_page->OnCommand(CommandId::kRename));
    EXPECT_NE(Tree().viewport()->findChild<QLineEdit*>(), nullptr);
}

TEST_F(CContentsPPTest, TheLabelEditorHoldsTheNameWithoutTheMark) {
    m_doc.MarkChanged(*m_books.soups);
    Select(m_books.soups);
    m_page->Rename();
    auto* editor = Tree().viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "Soups");
}

TEST_F(CContentsPPTest, DeleteAsksAndRemovesTheNode) {
    Select(m_books.hot);
    m_prompts.QueueAnswer(PromptAnswer::No);
    ASSERT_TRUE(m_page->OnCommand(CommandId::kDelete));
    EXPECT_NE(Item(m_books.hot), nullptr);

    m_prompts.QueueAnswer(PromptAnswer::Yes);
    ASSERT_TRUE(m_page->OnCommand(CommandId::kDelete));
    EXPECT_EQ(Labels(Tree().topLevelItem(0)), (std::vector<std::string>{"Cold", "Stock"}));
    EXPECT_EQ(Tree().topLevelItem(0)->text(0), "Soups *");
    EXPECT_EQ(m_page->CurrentObject(), CContentsPP::ObjectOf(Tree().currentItem()));
}

TEST_F(CContentsPPTest, DeletingTheShownRecipeSendsTheDisplayHome) {
    Select(m_books.gazpacho);
    ASSERT_EQ(m_doc.CurrentItem(), m_books.gazpacho);
    QSignalSpy displayed(&m_doc, &CSavorbridgeDoc::displayRequested);
    m_prompts.QueueAnswer(PromptAnswer::Yes);
    ASSERT_TRUE(m_page->OnCommand(CommandId::kDelete));
    EXPECT_EQ(m_doc.CurrentItem(), nullptr);
    ASSERT_TRUE(displayed.wait(1000));
    EXPECT_EQ(displayed.back().front().value<CObject*>(), nullptr);
}

TEST_F(CContentsPPTest, SortItemsOrdersTheCurrentChapter) {
    CommandState state;
    Select(m_books.tomato);
    m_page->OnUpdateCommand(CommandId::kSortItems, state);
    EXPECT_FALSE(state.enabled);
    Select(m_books.hot);
    m_page->OnUpdateCommand(CommandId::kSortItems, state);
    EXPECT_TRUE(state.enabled);
    ASSERT_TRUE(m_page->OnCommand(CommandId::kSortItems));
    EXPECT_EQ(Labels(Item(m_books.hot)), (std::vector<std::string>{"bean soup", "Tomato Soup"}));
    EXPECT_EQ(Item(m_books.soups)->text(0), "Soups *");
    EXPECT_EQ(Tree().currentItem(), Item(m_books.hot));
}

TEST_F(CContentsPPTest, DropTargetsFollowTheRules) {
    struct Case {
        const CRecipeObj* dragged;
        const CRecipeObj* over;
        const CRecipeObj* target;
    };
    const Case cases[] = {
        {m_books.tomato, m_books.cold, m_books.cold},   {m_books.tomato, m_books.gazpacho, m_books.cold},
        {m_books.tomato, m_books.bakes, m_books.bakes}, {m_books.hot, m_books.bakes, m_books.bakes},
        {m_books.hot, m_books.stock, m_books.soups},    {m_books.hot, m_books.bread, m_books.bakes},
        {m_books.soups, m_books.bakes, nullptr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(m_page->DropTarget(Item(c.dragged), Item(c.over)), Item(c.target))
            << c.dragged->Title() << " over " << c.over->Title();
    }
    EXPECT_FALSE(CContentsPP::CanDrag(Item(m_books.soups)));
}

TEST_F(CContentsPPTest, DraggingARecipeOntoARecipeOfAnotherChapterMovesIt) {
    m_books.cold->SetState(CSBState::kExpanded, true);
    m_books.hot->SetState(CSBState::kExpanded, true);
    m_page->BuildTree();
    DragWithTheMouse(m_books.tomato, m_books.gazpacho);
    EXPECT_EQ(m_books.tomato->Chapter(), m_books.cold);
    EXPECT_EQ(Labels(Item(m_books.cold)), (std::vector<std::string>{"Gazpacho", "Tomato Soup"}));
    EXPECT_EQ(Labels(Item(m_books.hot)), std::vector<std::string>{"bean soup"});
    EXPECT_EQ(Item(m_books.soups)->text(0), "Soups *");
    EXPECT_EQ(Item(m_books.cold)->background(0), QBrush());
    EXPECT_EQ(Tree().findChild<QWidget*>("dragImage"), nullptr);
}

TEST_F(CContentsPPTest, DraggingNearTheBottomScrollsTheTree) {
    for (int i = 0; i < 60; ++i) {
        TwoBooks::AddRecipe(*m_books.bread, "Loaf " + std::to_string(i));
    }
    m_books.bread->SetState(CSBState::kExpanded, true);
    m_page->BuildTree();
    Tree().doItemsLayout();
    QScrollBar* bar = Tree().verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    SendMouse(QEvent::MouseButtonPress, Item(m_books.tomato), Qt::LeftButton);
    const QPoint bottom(10, Tree().viewport()->height() - 2);
    QMouseEvent move(QEvent::MouseMove, bottom, Tree().viewport()->mapToGlobal(bottom), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(Tree().viewport(), &move);
    EXPECT_GT(bar->value(), 0);
    QTest::keyClick(&Tree(), Qt::Key_Escape);
}

TEST_F(CContentsPPTest, EscapeGivesUpADrag) {
    SendMouse(QEvent::MouseButtonPress, Item(m_books.cold), Qt::LeftButton);
    SendMouse(QEvent::MouseMove, Item(m_books.bakes), Qt::LeftButton);
    EXPECT_NE(Item(m_books.bakes)->background(0), QBrush());
    QTest::keyClick(&Tree(), Qt::Key_Escape);
    SendMouse(QEvent::MouseButtonRelease, Item(m_books.bakes), Qt::NoButton);
    EXPECT_EQ(m_books.cold->Book(), m_books.soups);
    EXPECT_EQ(Item(m_books.bakes)->background(0), QBrush());
}

TEST_F(CContentsPPTest, AChapterDroppedOnARecipeLandsInThatRecipesBook) {
    ASSERT_TRUE(m_page->Drop(Item(m_books.cold), m_page->DropTarget(Item(m_books.cold), Item(m_books.stock))));
    EXPECT_EQ(Labels(Item(m_books.soups)), (std::vector<std::string>{"Hot", "Cold", "Stock"}));
    ASSERT_TRUE(m_page->Drop(Item(m_books.cold), Item(m_books.bakes)));
    EXPECT_EQ(Labels(Item(m_books.bakes)), (std::vector<std::string>{"Bread", "Cold"}));
    EXPECT_EQ(Labels(Item(m_books.cold)), std::vector<std::string>{"Gazpacho"});
    EXPECT_EQ(Item(m_books.bakes)->text(0), "Bakes *");
    EXPECT_FALSE(m_page->Drop(Item(m_books.soups), Item(m_books.bakes)));
}

TEST_F(CContentsPPTest, CopyAndPasteAddTheNodeAndSelectIt) {
    Select(m_books.gazpacho);
    ASSERT_TRUE(m_page->OnCommand(CContentsPP::kCopyItem));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Gazpacho\n\n\n\n");
    Select(m_books.bread);
    CommandState state;
    m_page->OnUpdateCommand(CContentsPP::kPasteItem, state);
    EXPECT_TRUE(state.enabled);
    ASSERT_TRUE(m_page->OnCommand(CContentsPP::kPasteItem));
    EXPECT_EQ(Labels(Item(m_books.bread)), (std::vector<std::string>{"Rye", "Gazpacho"}));
    EXPECT_EQ(Tree().currentItem()->parent(), Item(m_books.bread));
    EXPECT_EQ(Item(m_books.bakes)->text(0), "Bakes *");
}

TEST_F(CContentsPPTest, CutAndPasteTakesTheOriginalNodeAway) {
    Select(m_books.gazpacho);
    ASSERT_TRUE(m_page->OnCommand(CContentsPP::kCutItem));
    Select(m_books.bakes);
    ASSERT_TRUE(m_page->OnCommand(CContentsPP::kPasteItem));
    EXPECT_EQ(Item(m_books.cold)->childCount(), 0);
    EXPECT_EQ(Labels(Item(m_books.bakes)), (std::vector<std::string>{"Bread", "Gazpacho"}));
}

TEST_F(CContentsPPTest, ContextMenuOffersTheEntriesOfTheItemsKind) {
    const auto texts = [](const QMenu& menu) {
        std::vector<std::string> entries;
        for (const QAction* action : menu.actions()) {
            if (!action->isSeparator()) {
                entries.push_back(action->text().toStdString());
            }
        }
        return entries;
    };
    const std::vector<std::string> common = {"&View  Enter", "&Properties...  Alt+Enter", "Add to &Favorites"};
    const std::vector<std::string> rest = {"Sort Items",        "Cut",         "Copy", "Paste",
                                           "&Delete  Ctrl+Del", "&Rename  F2", "&New", "&Options..."};
    std::vector<std::string> forRecipe = common;
    forRecipe.push_back("Add to &Shopping List");
    forRecipe.insert(forRecipe.end(), rest.begin(), rest.end());
    std::vector<std::string> forBook = common;
    forBook.insert(forBook.end(), rest.begin(), rest.end());

    m_page->SetCommandStateSource([](int id) { return CommandState{id == CommandId::kViewItem, false}; });
    const auto recipeMenu = m_page->BuildContextMenu(m_books.tomato);
    EXPECT_EQ(texts(*recipeMenu), forRecipe);
    EXPECT_EQ(recipeMenu->actions()[3]->data().toInt(), CommandId::kAddRecipeToShoppingList);
    EXPECT_TRUE(recipeMenu->actions()[0]->isEnabled());
    EXPECT_FALSE(recipeMenu->actions()[1]->isEnabled());
    EXPECT_EQ(texts(*m_page->BuildContextMenu(m_books.soups)), forBook);

    QSignalSpy requested(m_page, &CCmdPP::commandRequested);
    recipeMenu->actions()[1]->trigger();
    recipeMenu->actions()[0]->trigger();
    ASSERT_EQ(requested.count(), 1);
    EXPECT_EQ(requested.front().front().toInt(), CommandId::kViewItem);
}

TEST_F(CContentsPPTest, ANewChapterGetsItsNodeAndIsSelected) {
    m_doc.SetCurrentObject(m_books.hot);
    m_doc.CopyCurrent(false);
    m_doc.SetCurrentObject(m_books.bakes);
    CRecipeObj* copy = m_doc.Paste();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(Labels(Item(m_books.bakes)), (std::vector<std::string>{"Bread", "Hot"}));
    EXPECT_EQ(Labels(Item(copy)), (std::vector<std::string>{"Tomato Soup", "bean soup"}));
    EXPECT_EQ(Tree().currentItem(), Item(copy));
}

} // namespace
