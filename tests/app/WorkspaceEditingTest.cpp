#include "app/BookChecklist.h"
#include "app/CSBDocBase.h"
#include "app/CSettings.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

class NoChecklist : public BookChecklist {
public:
    std::optional<std::vector<bool>> ChooseBooks(std::string_view, const std::vector<std::string>&,
                                                 const std::vector<bool>& ticked) override {
        return ticked;
    }
};

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

CRecipe& AddRecipe(CRecipeChapter& chapter, const std::string& title) {
    auto recipe = std::make_unique<CRecipe>();
    recipe->SetTitle(title);
    return chapter.AddRecipe(std::move(recipe));
}

CRecipeChapter& AddChapter(CRecipeBook& book, const std::string& title) {
    auto chapter = std::make_unique<CRecipeChapter>();
    chapter->SetTitle(title);
    return book.AddChapter(std::move(chapter));
}

class WorkspaceEditingTest : public ::testing::Test {
protected:
    WorkspaceEditingTest() {
        m_doc.SetObserver(&m_observer);
        auto soups = std::make_unique<CRecipeBook>(100);
        soups->SetTitle("Soups");
        m_hot = &AddChapter(*soups, "Hot");
        m_tomato = &AddRecipe(*m_hot, "Tomato Soup");
        m_bean = &AddRecipe(*m_hot, "bean soup");
        m_cold = &AddChapter(*soups, "Cold");
        m_gazpacho = &AddRecipe(*m_cold, "Gazpacho");
        auto stock = std::make_unique<CRecipe>();
        stock->SetTitle("Stock");
        stock->SetText("Simmer for hours.");
        stock->AppendIngredient(std::make_unique<CIngredient>("2", "lb", "bones"));
        stock->SetServings(8);
        m_stock = &soups->AddRecipe(std::move(stock));
        m_soups = &m_doc.AppendBook(std::move(soups));

        auto bakes = std::make_unique<CRecipeBook>(200);
        bakes->SetTitle("Bakes");
        m_bread = &AddChapter(*bakes, "Bread");
        m_rye = &AddRecipe(*m_bread, "Rye");
        m_bakes = &m_doc.AppendBook(std::move(bakes));
        m_soups->SetModified(false);
        m_bakes->SetModified(false);
    }

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
    NoChecklist m_checklist;
    RecordingObserver m_observer;
    CSBDocBase m_doc{{m_settings, m_prompts, m_checklist}};
    CRecipeBook* m_soups = nullptr;
    CRecipeBook* m_bakes = nullptr;
    CRecipeChapter* m_hot = nullptr;
    CRecipeChapter* m_cold = nullptr;
    CRecipeChapter* m_bread = nullptr;
    CRecipe* m_tomato = nullptr;
    CRecipe* m_bean = nullptr;
    CRecipe* m_gazpacho = nullptr;
    CRecipe* m_stock = nullptr;
    CRecipe* m_rye = nullptr;
};

TEST_F(WorkspaceEditingTest, CurrentObjectSetsTheBookAndChapterNewItemsGoInto) {
    m_doc.SetCurrentObject(m_gazpacho);
    EXPECT_EQ(m_doc.CurrentBook(), m_soups);
    EXPECT_EQ(m_doc.CurrentChapter(), m_cold);
    m_doc.SetCurrentObject(m_stock);
    EXPECT_EQ(m_doc.CurrentChapter(), nullptr);
    m_doc.SetCurrentObject(m_bread);
    EXPECT_EQ(m_doc.CurrentBook(), m_bakes);
    EXPECT_EQ(m_doc.CurrentChapter(), m_bread);
    m_doc.SetCurrentObject(m_soups);
    EXPECT_EQ(m_doc.CurrentChapter(), m_hot);
    // Leaving the tree keeps where new items go.
    m_doc.SetCurrentObject(nullptr);
    EXPECT_EQ(m_doc.CurrentObject(), nullptr);
    EXPECT_EQ(m_doc.CurrentBook(), m_soups);
}

TEST_F(WorkspaceEditingTest, DeletingARecipeAsksAndKeepsItOnNo) {
    m_prompts.QueueAnswer(PromptAnswer::No);
    EXPECT_FALSE(m_doc.DeleteObject(*m_tomato));
    ASSERT_EQ(m_prompts.Questions().size(), 1U);
    EXPECT_EQ(m_prompts.Questions()[0].text, "Delete the recipe 'Tomato Soup'?");
    EXPECT_EQ(m_hot->Recipes().size(), 2U);
    EXPECT_FALSE(m_soups->Modified());
}

TEST_F(WorkspaceEditingTest, DeletingAChapterRemovesItsRecipesAndRecordsTheirIds) {
    const std::vector<std::uint32_t> ids = {m_hot->Id(), m_tomato->Id(), m_bean->Id()};
    m_doc.SetCurrentObject(m_bean);
    m_doc.PushHistory(m_tomato);
    m_doc.PushHistory(m_hot);
    m_prompts.QueueAnswer(PromptAnswer::Yes);
    EXPECT_TRUE(m_doc.DeleteObject(*m_hot));
    EXPECT_EQ(Titles(m_soups->Chapters()), std::vector<std::string>{"Cold"});
    EXPECT_TRUE(m_soups->Modified());
    for (const std::uint32_t id : ids) {
        EXPECT_TRUE(m_soups->IsDeletedId(id)) << id;
    }
    EXPECT_EQ(m_observer.deleting, std::vector<std::string>{"Hot"});
    EXPECT_TRUE(m_doc.BackHistory().empty());
    EXPECT_EQ(m_doc.CurrentObject(), nullptr);
    EXPECT_EQ(m_doc.CurrentChapter(), nullptr);
}

TEST_F(WorkspaceEditingTest, ClosingAnUnchangedBookAsksAndForgetsItsFile) {
    m_soups->SetPath(m_dir / "soups.rcp");
    m_settings.SetBook((m_dir / "soups.rcp").string(), 1);
    m_prompts.QueueAnswer(PromptAnswer::Yes);
    EXPECT_TRUE(m_doc.DeleteObject(*m_soups));
    EXPECT_EQ(Titles(m_doc.GetBooks()), std::vector<std::string>{"Bakes"});
    EXPECT_EQ(m_settings.RemoveBook((m_dir / "soups.rcp").string()), 0);
    EXPECT_EQ(m_observer.closing, std::vector<std::string>{"Soups"});
}

// A book with unsaved changes is never closed without the chance to save it.
TEST_F(WorkspaceEditingTest, ClosingAModifiedBookOffersToSaveFirst) {
    m_soups->SetModified(true);
    m_soups->SetPath(m_dir / "soups.rcp");
    m_prompts.QueueAnswer(PromptAnswer::Cancel);
    EXPECT_FALSE(m_doc.DeleteObject(*m_soups));
    EXPECT_EQ(m_doc.GetBooks().size(), 2U);

    m_prompts.QueueAnswer(PromptAnswer::Yes);
    EXPECT_TRUE(m_doc.DeleteObject(*m_soups));
    EXPECT_TRUE(std::filesystem::exists(m_dir / "soups.rcp"));
    EXPECT_EQ(m_doc.GetBooks().size(), 1U);
    EXPECT_NE(m_prompts.Questions().back().text.find("not saved"), std::string::npos);
}

TEST_F(WorkspaceEditingTest, ABookThatCannotBeSavedStaysOpen) {
    m_bakes->SetModified(true);
    m_bakes->SetPath(m_dir / "missing" / "bakes.rcp");
    m_prompts.QueueAnswer(PromptAnswer::Yes);
    EXPECT_FALSE(m_doc.DeleteObject(*m_bakes));
    EXPECT_EQ(m_doc.GetBooks().size(), 2U);
}

TEST_F(WorkspaceEditingTest, MoveTargetIsTheNearestObjectAboveThatCanHoldTheDragged) {
    struct Case {
        CRecipeObj* dragged;
        CRecipeObj* over;
        CRecipeObj* target;
    };
    const Case cases[] = {
        {m_tomato, m_cold, m_cold},     // recipe onto chapter
        {m_tomato, m_bakes, m_bakes},   // recipe onto book
        {m_tomato, m_gazpacho, m_cold}, // recipe onto recipe: that recipe's chapter
        {m_tomato, m_stock, m_soups},   // recipe onto top-level recipe: its book
        {m_hot, m_bakes, m_bakes},      // chapter onto book
        {m_hot, m_bread, m_bakes},      // chapter onto chapter: its book
        {m_hot, m_rye, m_bakes},        // chapter onto recipe: the recipe's book
        {m_soups, m_bakes, nullptr},    // books are not dragged
        {m_tomato, nullptr, nullptr},   // over nothing
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CSBDocBase::MoveTarget(*c.dragged, c.over), c.target)
            << c.dragged->Title() << " over " << (c.over != nullptr ? c.over->Title() : "nothing");
    }
}

TEST_F(WorkspaceEditingTest, DroppingARecipeOnARecipeOfAnotherChapterMovesItThere) {
    const std::uint32_t id = m_tomato->Id();
    CRecipeObj* target = CSBDocBase::MoveTarget(*m_tomato, m_gazpacho);
    ASSERT_TRUE(m_doc.MoveObject(*m_tomato, *target));
    EXPECT_EQ(Titles(m_cold->Recipes()), (std::vector<std::string>{"Gazpacho", "Tomato Soup"}));
    EXPECT_EQ(Titles(m_hot->Recipes()), std::vector<std::string>{"bean soup"});
    EXPECT_EQ(m_tomato->Chapter(), m_cold);
    EXPECT_EQ(m_tomato->Id(), id);
    EXPECT_FALSE(m_soups->IsDeletedId(id));
    EXPECT_TRUE(m_soups->Modified());
}

TEST_F(WorkspaceEditingTest, MovingIntoAnotherBookMarksBothAndGivesNewIds) {
    m_tomato->SetFavourite(true, true);
    const std::uint32_t oldId = m_tomato->Id();
    ASSERT_TRUE(m_doc.MoveObject(*m_tomato, *m_bakes));
    EXPECT_EQ(m_tomato->Book(), m_bakes);
    EXPECT_EQ(m_tomato->Chapter(), nullptr);
    EXPECT_EQ(m_bakes->FindRecipe(m_tomato->Id()), m_tomato);
    EXPECT_TRUE(m_soups->IsDeletedId(oldId));
    EXPECT_TRUE(m_soups->Favourites().empty());
    EXPECT_EQ(m_bakes->Favourites(), std::vector<CRecipe*>{m_tomato});
    EXPECT_TRUE(m_soups->Modified());
    EXPECT_TRUE(m_bakes->Modified());

    ASSERT_TRUE(m_doc.MoveObject(*m_cold, *m_bakes));
    EXPECT_EQ(Titles(m_bakes->Chapters()), (std::vector<std::string>{"Bread", "Cold"}));
    EXPECT_EQ(m_gazpacho->Book(), m_bakes);
}

TEST_F(WorkspaceEditingTest, MovesThatTheRulesForbidChangeNothing) {
    EXPECT_FALSE(m_doc.MoveObject(*m_hot, *m_gazpacho));
    EXPECT_FALSE(m_doc.MoveObject(*m_soups, *m_bakes));
    EXPECT_FALSE(m_doc.MoveObject(*m_tomato, *m_bean));
    EXPECT_EQ(m_hot->Recipes().size(), 2U);
    EXPECT_FALSE(m_soups->Modified());
}

TEST_F(WorkspaceEditingTest, SortOrdersChaptersAndRecipesByTitleIgnoringCaseAndKeepsIds) {
    const std::uint32_t beanId = m_bean->Id();
    EXPECT_FALSE(CSBDocBase::CanSort(m_tomato));
    ASSERT_TRUE(m_doc.SortItems(*m_hot));
    EXPECT_EQ(Titles(m_hot->Recipes()), (std::vector<std::string>{"bean soup", "Tomato Soup"}));
    EXPECT_EQ(m_bean->Id(), beanId);
    ASSERT_TRUE(m_doc.SortItems(*m_soups));
    EXPECT_EQ(Titles(m_soups->Chapters()), (std::vector<std::string>{"Cold", "Hot"}));
    EXPECT_TRUE(m_soups->Modified());
}

TEST_F(WorkspaceEditingTest, CopyPutsTheRecipeAsPlainTextOnTheClipboard) {
    EXPECT_TRUE(m_doc.CopyCurrent(false).empty());
    m_doc.SetCurrentObject(m_stock);
    EXPECT_EQ(m_doc.CopyCurrent(false), "Stock\n\n\t2\tlb\tbones\n\nSimmer for hours.\n");
    EXPECT_EQ(CSBDocBase::ClipboardText(*m_cold), "Cold\n\n");
    m_doc.SetCurrentObject(m_soups);
    EXPECT_FALSE(m_doc.CanCopy());
}

TEST_F(WorkspaceEditingTest, PasteRulesFollowTheCurrentItemAndWhatIsRemembered) {
    EXPECT_FALSE(m_doc.CanPaste());
    m_doc.SetCurrentObject(m_cold);
    m_doc.CopyCurrent(false);
    EXPECT_FALSE(m_doc.CanPaste()); // a chapter goes into a book only
    m_doc.SetCurrentObject(m_bakes);
    EXPECT_TRUE(m_doc.CanPaste());
    m_doc.SetCurrentObject(m_gazpacho);
    m_doc.CopyCurrent(false);
    EXPECT_FALSE(m_doc.CanPaste());
    m_doc.SetCurrentObject(m_bread);
    EXPECT_TRUE(m_doc.CanPaste());
}

TEST_F(WorkspaceEditingTest, PastedRecipeKeepsItsTextButNotHowItIsKept) {
    m_stock->SetFavourite(true, true);
    m_stock->SetIcon(120);
    m_doc.SetCurrentObject(m_stock);
    m_doc.CopyCurrent(false);
    m_doc.SetCurrentObject(m_bread);
    auto* copy = dynamic_cast<CRecipe*>(m_doc.Paste());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Chapter(), m_bread);
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
    EXPECT_EQ(m_soups->Recipes().size(), 1U);
}

// Two chapters of one book never share an id, even when the copy sits beside its original.
TEST_F(WorkspaceEditingTest, ChapterPastedIntoItsOwnBookGetsFreshIds) {
    m_doc.SetCurrentObject(m_hot);
    m_doc.CopyCurrent(false);
    m_doc.SetCurrentObject(m_soups);
    auto* copy = dynamic_cast<CRecipeChapter*>(m_doc.Paste());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(Titles(copy->Recipes()), (std::vector<std::string>{"Tomato Soup", "bean soup"}));
    EXPECT_NE(copy->Id(), m_hot->Id());
    EXPECT_NE(copy->Recipes()[0]->Id(), m_tomato->Id());
    EXPECT_EQ(m_observer.announced, (std::vector<std::string>{"Tomato Soup", "bean soup"}));
}

TEST_F(WorkspaceEditingTest, CutAndPasteMovesTheItemAndRemembersTheCopy) {
    m_doc.SetCurrentObject(m_gazpacho);
    m_doc.CopyCurrent(true);
    EXPECT_TRUE(m_doc.RememberedIsCut());
    m_doc.SetCurrentObject(m_bakes);
    CRecipeObj* copy = m_doc.Paste();
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(m_cold->Recipes().empty());
    EXPECT_EQ(m_observer.deleting, std::vector<std::string>{"Gazpacho"});
    EXPECT_EQ(Titles(m_bakes->Recipes()), std::vector<std::string>{"Gazpacho"});
    EXPECT_FALSE(m_doc.RememberedIsCut());
    EXPECT_EQ(m_doc.Remembered(), copy);
}

TEST_F(WorkspaceEditingTest, DeletingTheRememberedItemLeavesNothingToPaste) {
    m_doc.SetCurrentObject(m_rye);
    m_doc.CopyCurrent(true);
    m_prompts.QueueAnswer(PromptAnswer::Yes);
    ASSERT_TRUE(m_doc.DeleteObject(*m_bread));
    EXPECT_EQ(m_doc.Remembered(), nullptr);
    m_doc.SetCurrentObject(m_soups);
    EXPECT_FALSE(m_doc.CanPaste());
    EXPECT_EQ(m_doc.Paste(), nullptr);
}

} // namespace
