#include "app/CSBDocBase.h"
#include "app/CSettings.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"
#include "support/TickedChecklist.h"
#include "support/TwoBooks.h"

#include <gtest/gtest.h>

namespace {

// Counts what the panes would hear.
class RecordingObserver : public WorkspaceObserver {
public:
    void ObjectAdded(CRecipeObj& object) override { added.push_back(&object); }
    void ObjectAboutToDelete(CRecipeObj& object) override { deleting.push_back(object.Title()); }
    void RecipeAnnounced(CRecipe& recipe) override { announced.push_back(recipe.Title()); }
    void BookAboutToClose(CRecipeBook& book) override { closing.push_back(book.Title()); }

    std::vector<CRecipeObj*> added;
    std::vector<std::string> deleting;
    std::vector<std::string> announced;
    std::vector<std::string> closing;
};

class WorkspaceEditingTest : public ::testing::Test {
protected:
    WorkspaceEditingTest() { m_doc.SetObserver(&m_observer); }

    static std::vector<std::string> Titles(const auto& items) {
        std::vector<std::string> titles;
        for (const auto& item : items) {
            titles.push_back(item->Title());
        }
        return titles;
    }

    TempDir m_dir;
    CSettings m_settings;
    ScriptedPrompts m_prompts;
    TickedChecklist m_checklist;
    RecordingObserver m_observer;
    CSBDocBase m_doc{{m_settings, m_prompts, m_checklist}};
    TwoBooks m_books{m_doc};
};

TEST_F(WorkspaceEditingTest, CurrentObjectSetsTheBookAndChapterNewItemsGoInto) {
    m_doc.SetCurrentObject(m_books.gazpacho);
    EXPECT_EQ(m_doc.CurrentBook(), m_books.soups);
    EXPECT_EQ(m_doc.CurrentChapter(), m_books.cold);
    m_doc.SetCurrentObject(m_books.stock);
    EXPECT_EQ(m_doc.CurrentChapter(), nullptr);
    m_doc.SetCurrentObject(m_books.bread);
    EXPECT_EQ(m_doc.CurrentBook(), m_books.bakes);
    EXPECT_EQ(m_doc.CurrentChapter(), m_books.bread);
    m_doc.SetCurrentObject(m_books.soups);
    EXPECT_EQ(m_doc.CurrentChapter(), m_books.hot);
    // Leaving the tree keeps where new items go.
    m_doc.SetCurrentObject(nullptr);
    EXPECT_EQ(m_doc.CurrentObject(), nullptr);
    EXPECT_EQ(m_doc.CurrentBook(), m_books.soups);
}

TEST_F(WorkspaceEditingTest, DeletingARecipeAsksAndKeepsItOnNo) {
    m_prompts.QueueAnswer(PromptAnswer::No);
    EXPECT_FALSE(m_doc.DeleteObject(*m_books.tomato));
    ASSERT_EQ(m_prompts.Questions().size(), 1U);
    EXPECT_EQ(m_prompts.Questions()[0].text, "Delete the recipe 'Tomato Soup'?");
    EXPECT_EQ(m_books.hot->Recipes().size(), 2U);
    EXPECT_FALSE(m_books.soups->Modified());
}

TEST_F(WorkspaceEditingTest, DeletingAChapterRemovesItsRecipesAndRecordsTheirIds) {
    const std::vector<std::uint32_t> ids = {m_books.hot->Id(), m_books.tomato->Id(), m_books.bean->Id()};
    m_doc.SetCurrentObject(m_books.bean);
    m_doc.PushHistory(m_books.tomato);
    m_doc.PushHistory(m_books.hot);
    m_prompts.QueueAnswer(PromptAnswer::Yes);
    EXPECT_TRUE(m_doc.DeleteObject(*m_books.hot));
    EXPECT_EQ(Titles(m_books.soups->Chapters()), std::vector<std::string>{"Cold"});
    EXPECT_TRUE(m_books.soups->Modified());
    for (const std::uint32_t id : ids) {
        EXPECT_TRUE(m_books.soups->IsDeletedId(id)) << id;
    }
    EXPECT_EQ(m_observer.deleting, std::vector<std::string>{"Hot"});
    EXPECT_TRUE(m_doc.BackHistory().empty());
    EXPECT_EQ(m_doc.CurrentObject(), nullptr);
    EXPECT_EQ(m_doc.CurrentChapter(), nullptr);
}

TEST_F(WorkspaceEditingTest, ClosingAnUnchangedBookAsksAndForgetsItsFile) {
    m_books.soups->SetPath(m_dir / "soups.rcp");
    m_settings.SetBook((m_dir / "soups.rcp").string(), 1);
    m_prompts.QueueAnswer(PromptAnswer::Yes);
    EXPECT_TRUE(m_doc.DeleteObject(*m_books.soups));
    EXPECT_EQ(Titles(m_doc.GetBooks()), std::vector<std::string>{"Bakes"});
    EXPECT_EQ(m_settings.RemoveBook((m_dir / "soups.rcp").string()), 0);
    EXPECT_EQ(m_observer.closing, std::vector<std::string>{"Soups"});
}

// A book with unsaved changes is never closed without the chance to save it.
TEST_F(WorkspaceEditingTest, ClosingAModifiedBookOffersToSaveFirst) {
    m_books.soups->SetModified(true);
    m_books.soups->SetPath(m_dir / "soups.rcp");
    m_prompts.QueueAnswer(PromptAnswer::Cancel);
    EXPECT_FALSE(m_doc.DeleteObject(*m_books.soups));
    EXPECT_EQ(m_doc.GetBooks().size(), 2U);

    m_prompts.QueueAnswer(PromptAnswer::Yes);
    EXPECT_TRUE(m_doc.DeleteObject(*m_books.soups));
    EXPECT_TRUE(std::filesystem::exists(m_dir / "soups.rcp"));
    EXPECT_EQ(m_doc.GetBooks().size(), 1U);
    EXPECT_NE(m_prompts.Questions().back().text.find("not saved"), std::string::npos);
}

TEST_F(WorkspaceEditingTest, ABookThatCannotBeSavedStaysOpen) {
    m_books.bakes->SetModified(true);
    m_books.bakes->SetPath(m_dir / "missing" / "bakes.rcp");
    m_prompts.QueueAnswer(PromptAnswer::Yes);
    EXPECT_FALSE(m_doc.DeleteObject(*m_books.bakes));
    EXPECT_EQ(m_doc.GetBooks().size(), 2U);
}

TEST_F(WorkspaceEditingTest, MoveTargetIsTheNearestObjectAboveThatCanHoldTheDragged) {
    struct Case {
        CRecipeObj* dragged;
        CRecipeObj* over;
        CRecipeObj* target;
    };
    const Case cases[] = {
        {m_books.tomato, m_books.cold, m_books.cold},     // recipe onto chapter
        {m_books.tomato, m_books.bakes, m_books.bakes},   // recipe onto book
        {m_books.tomato, m_books.gazpacho, m_books.cold}, // recipe onto recipe: that recipe's chapter
        {m_books.tomato, m_books.stock, m_books.soups},   // recipe onto top-level recipe: its book
        {m_books.hot, m_books.bakes, m_books.bakes},      // chapter onto book
        {m_books.hot, m_books.bread, m_books.bakes},      // chapter onto chapter: its book
        {m_books.hot, m_books.rye, m_books.bakes},        // chapter onto recipe: the recipe's book
        {m_books.soups, m_books.bakes, nullptr},          // books are not dragged
        {m_books.tomato, nullptr, nullptr},               // over nothing
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CSBDocBase::MoveTarget(*c.dragged, c.over), c.target)
            << c.dragged->Title() << " over " << (c.over != nullptr ? c.over->Title() : "nothing");
    }
}

TEST_F(WorkspaceEditingTest, DroppingARecipeOnARecipeOfAnotherChapterMovesItThere) {
    const std::uint32_t id = m_books.tomato->Id();
    CRecipeObj* target = CSBDocBase::MoveTarget(*m_books.tomato, m_books.gazpacho);
    ASSERT_TRUE(m_doc.MoveObject(*m_books.tomato, *target));
    EXPECT_EQ(Titles(m_books.cold->Recipes()), (std::vector<std::string>{"Gazpacho", "Tomato Soup"}));
    EXPECT_EQ(Titles(m_books.hot->Recipes()), std::vector<std::string>{"bean soup"});
    EXPECT_EQ(m_books.tomato->Chapter(), m_books.cold);
    EXPECT_EQ(m_books.tomato->Id(), id);
    EXPECT_FALSE(m_books.soups->IsDeletedId(id));
    EXPECT_TRUE(m_books.soups->Modified());
}

TEST_F(WorkspaceEditingTest, MovingIntoAnotherBookMarksBothAndGivesNewIds) {
    m_books.tomato->SetFavourite(true, true);
    const std::uint32_t oldId = m_books.tomato->Id();
    ASSERT_TRUE(m_doc.MoveObject(*m_books.tomato, *m_books.bakes));
    EXPECT_EQ(m_books.tomato->Book(), m_books.bakes);
    EXPECT_EQ(m_books.tomato->Chapter(), nullptr);
    EXPECT_EQ(m_books.bakes->FindRecipe(m_books.tomato->Id()), m_books.tomato);
    EXPECT_TRUE(m_books.soups->IsDeletedId(oldId));
    EXPECT_TRUE(m_books.soups->Favourites().empty());
    EXPECT_EQ(m_books.bakes->Favourites(), std::vector<CRecipe*>{m_books.tomato});
    EXPECT_TRUE(m_books.soups->Modified());
    EXPECT_TRUE(m_books.bakes->Modified());

    ASSERT_TRUE(m_doc.MoveObject(*m_books.cold, *m_books.bakes));
    EXPECT_EQ(Titles(m_books.bakes->Chapters()), (std::vector<std::string>{"Bread", "Cold"}));
    EXPECT_EQ(m_books.gazpacho->Book(), m_books.bakes);
}

TEST_F(WorkspaceEditingTest, MovesThatTheRulesForbidChangeNothing) {
    EXPECT_FALSE(m_doc.MoveObject(*m_books.hot, *m_books.gazpacho));
    EXPECT_FALSE(m_doc.MoveObject(*m_books.soups, *m_books.bakes));
    EXPECT_FALSE(m_doc.MoveObject(*m_books.tomato, *m_books.bean));
    EXPECT_EQ(m_books.hot->Recipes().size(), 2U);
    EXPECT_FALSE(m_books.soups->Modified());
}

TEST_F(WorkspaceEditingTest, SortOrdersChaptersAndRecipesByTitleIgnoringCaseAndKeepsIds) {
    const std::uint32_t beanId = m_books.bean->Id();
    EXPECT_FALSE(CSBDocBase::CanSort(m_books.tomato));
    ASSERT_TRUE(m_doc.SortItems(*m_books.hot));
    EXPECT_EQ(Titles(m_books.hot->Recipes()), (std::vector<std::string>{"bean soup", "Tomato Soup"}));
    EXPECT_EQ(m_books.bean->Id(), beanId);
    ASSERT_TRUE(m_doc.SortItems(*m_books.soups));
    EXPECT_EQ(Titles(m_books.soups->Chapters()), (std::vector<std::string>{"Cold", "Hot"}));
    EXPECT_TRUE(m_books.soups->Modified());
}

TEST_F(WorkspaceEditingTest, CopyPutsTheRecipeAsPlainTextOnTheClipboard) {
    EXPECT_TRUE(m_doc.CopyCurrent(false).empty());
    m_doc.SetCurrentObject(m_books.stock);
    EXPECT_EQ(m_doc.CopyCurrent(false), "Stock\n\n\t2\tlb\tbones\n\nSimmer for hours.\n");
    EXPECT_EQ(CSBDocBase::ClipboardText(*m_books.cold), "Cold\n\n");
    m_doc.SetCurrentObject(m_books.soups);
    EXPECT_FALSE(m_doc.CanCopy());
}

TEST_F(WorkspaceEditingTest, PasteRulesFollowTheCurrentItemAndWhatIsRemembered) {
    EXPECT_FALSE(m_doc.CanPaste());
    m_doc.SetCurrentObject(m_books.cold);
    m_doc.CopyCurrent(false);
    EXPECT_FALSE(m_doc.CanPaste()); // a chapter goes into a book only
    m_doc.SetCurrentObject(m_books.bakes);
    EXPECT_TRUE(m_doc.CanPaste());
    m_doc.SetCurrentObject(m_books.gazpacho);
    m_doc.CopyCurrent(false);
    EXPECT_FALSE(m_doc.CanPaste());
    m_doc.SetCurrentObject(m_books.bread);
    EXPECT_TRUE(m_doc.CanPaste());
}

TEST_F(WorkspaceEditingTest, PastedRecipeKeepsItsTextButNotHowItIsKept) {
    m_books.stock->SetFavourite(true, true);
    m_doc.SetCurrentObject(m_books.stock);
    m_doc.CopyCurrent(false);
    m_doc.SetCurrentObject(m_books.bread);
    auto* copy = dynamic_cast<CRecipe*>(m_doc.Paste());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Chapter(), m_books.bread);
    EXPECT_EQ(copy->Title(), "Stock");
    EXPECT_EQ(copy->Text(), "Simmer for hours.");
    ASSERT_EQ(copy->Ingredients().size(), 1U);
    EXPECT_EQ(copy->Ingredients()[0]->Description(), "bones");
    EXPECT_EQ(copy->Servings(), 0);
    EXPECT_EQ(copy->Icon(), -1);
    EXPECT_FALSE(copy->Favourite());
    EXPECT_EQ(m_observer.added, std::vector<CRecipeObj*>{copy});
    EXPECT_EQ(m_observer.announced, std::vector<std::string>{"Stock"});
    EXPECT_EQ(m_doc.CurrentObject(), copy);
    EXPECT_EQ(m_doc.Remembered(), copy);
    EXPECT_EQ(m_books.soups->Recipes().size(), 1U);
}

// Two chapters of one book never share an id, even when the copy sits beside its original.
TEST_F(WorkspaceEditingTest, ChapterPastedIntoItsOwnBookGetsFreshIds) {
    m_doc.SetCurrentObject(m_books.hot);
    m_doc.CopyCurrent(false);
    m_doc.SetCurrentObject(m_books.soups);
    auto* copy = dynamic_cast<CRecipeChapter*>(m_doc.Paste());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(Titles(copy->Recipes()), (std::vector<std::string>{"Tomato Soup", "bean soup"}));
    EXPECT_NE(copy->Id(), m_books.hot->Id());
    EXPECT_NE(copy->Recipes()[0]->Id(), m_books.tomato->Id());
    EXPECT_EQ(m_observer.announced, (std::vector<std::string>{"Tomato Soup", "bean soup"}));
}

TEST_F(WorkspaceEditingTest, CutAndPasteMovesTheItemAndRemembersTheCopy) {
    m_doc.SetCurrentObject(m_books.gazpacho);
    m_doc.CopyCurrent(true);
    EXPECT_TRUE(m_doc.RememberedIsCut());
    m_doc.SetCurrentObject(m_books.bakes);
    CRecipeObj* copy = m_doc.Paste();
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(m_books.cold->Recipes().empty());
    EXPECT_EQ(m_observer.deleting, std::vector<std::string>{"Gazpacho"});
    EXPECT_EQ(Titles(m_books.bakes->Recipes()), std::vector<std::string>{"Gazpacho"});
    EXPECT_FALSE(m_doc.RememberedIsCut());
    EXPECT_EQ(m_doc.Remembered(), copy);
}

TEST_F(WorkspaceEditingTest, DeletingTheRememberedItemLeavesNothingToPaste) {
    m_doc.SetCurrentObject(m_books.rye);
    m_doc.CopyCurrent(true);
    m_prompts.QueueAnswer(PromptAnswer::Yes);
    ASSERT_TRUE(m_doc.DeleteObject(*m_books.bread));
    EXPECT_EQ(m_doc.Remembered(), nullptr);
    m_doc.SetCurrentObject(m_books.soups);
    EXPECT_FALSE(m_doc.CanPaste());
    EXPECT_EQ(m_doc.Paste(), nullptr);
}

} // namespace
