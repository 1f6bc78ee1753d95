#include "ui/dialogs/RecipeSheets.h"

#include "app/BookChecklist.h"
#include "app/CSBDocBase.h"
#include "app/CSettings.h"
#include "model/CRecipe.h"
#include "model/CRecipeBook.h"
#include "model/CRecipeChapter.h"
#include "support/MemoryProfile.h"
#include "support/ScriptedPrompts.h"
#include "ui/controls/CSBGridEx.h"
#include "ui/controls/GridEditResult.h"
#include "ui/dialogs/CGenericPS.h"
#include "ui/dialogs/CRecipeIngredPP.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

class NoChecklist : public BookChecklist {
public:
    std::optional<std::vector<bool>> ChooseBooks(std::string_view, const std::vector<std::string>&,
                                                 const std::vector<bool>& ticked) override {
        return ticked;
    }
};

template <typename T>
T* Child(CGenericPS& sheet, const char* name, int page) {
    return sheet.Page(page)->findChild<T*>(name);
}

void SetTitle(CGenericPS& sheet, const QString& title) {
    Child<QLineEdit>(sheet, "title", 0)->setText(title);
}

int PressOk(CGenericPS& sheet) {
    QTest::mouseClick(sheet.findChild<QPushButton*>("ok"), Qt::LeftButton);
    return sheet.result();
}

int PressCancel(CGenericPS& sheet) {
    QTest::mouseClick(sheet.findChild<QPushButton*>("cancel"), Qt::LeftButton);
    return sheet.result();
}

std::vector<IngredientParts> PartsOf(const CRecipe& recipe) {
    std::vector<IngredientParts> parts;
    for (const auto& line : recipe.Ingredients()) {
        parts.push_back({line->Amount(), line->Unit(), line->Description()});
    }
    return parts;
}

} // namespace

class RecipeSheetsTest : public ::testing::Test {
protected:
    RecipeSheetsTest()
        : m_doc({m_settings, m_prompts, m_checklist}), m_sheets(m_doc, m_settings, m_profile, m_prompts) {
        CRecipeBook& book = m_doc.AppendBook(std::make_unique<CRecipeBook>(7));
        book.SetTitle("Family");
        book.SetIdAssignment(true);
        CRecipeChapter& chapter = book.AddChapter(std::make_unique<CRecipeChapter>());
        chapter.SetTitle("Soups");
        for (int i = 0; i < 3; ++i) {
            chapter.AddRecipe(std::make_unique<CRecipe>());
        }
        book.SetModified(false);
        m_book = &book;
        m_chapter = &chapter;
    }

    CSettings m_settings;
    ScriptedPrompts m_prompts;
    NoChecklist m_checklist;
    MemoryProfile m_profile;
    CSBDocBase m_doc;
    RecipeSheets m_sheets;
    CRecipeBook* m_book;
    CRecipeChapter* m_chapter;
};

TEST_F(RecipeSheetsTest, AddsARecipeWithTypedAndPastedIngredientsToTheChosenChapter) {
    QString proposed;
    m_sheets.SetRunner([&](CGenericPS& sheet) {
        proposed = Child<QLineEdit>(sheet, "title", 0)->text();
        SetTitle(sheet, "Onion Soup");
        auto* page = static_cast<CRecipeIngredPP*>(sheet.Page(1));
        page->PasteText("2 c water\n1 tsp salt\n3 onions, sliced\n");
        CSBGridEx* grid = page->Grid();
        const int row = grid->GetRowCount();
        emit grid->insertRequested(row);
        GridEditResult typed;
        typed.m_row = row;
        typed.m_column = CRecipeIngredPP::kDescriptionColumn;
        typed.m_text = "1 1/2 tbsp butter";
        grid->EndEdit(typed);
        Child<QTextEdit>(sheet, "text", 2)->setPlainText("Stir.");
        Child<QSpinBox>(sheet, "servings", 2)->setValue(4);
        Child<QLineEdit>(sheet, "prepTime", 2)->setText("1 hour");
        Child<QTextEdit>(sheet, "text", 4)->setPlainText("soup onion");
        return PressOk(sheet);
    });

    EXPECT_EQ(m_sheets.RecipeSheet(nullptr, m_book, m_chapter), RecipeSheets::Added);

    EXPECT_EQ(proposed, "Recipe 4");
    ASSERT_EQ(m_chapter->Recipes().size(), 4U);
    const CRecipe& recipe = *m_chapter->Recipes().back();
    EXPECT_EQ(recipe.Title(), "Onion Soup");
    EXPECT_EQ(recipe.Book(), m_book);
    EXPECT_NE(recipe.Id(), 0U);
    EXPECT_EQ(PartsOf(recipe),
              (std::vector<IngredientParts>{
                  {"2", "C", "water"}, {"1", "t", "salt"}, {"3", "", "onions, sliced"}, {"1-1/2", "T", "butter"}}));
    EXPECT_EQ(recipe.Text(), "Stir.");
    EXPECT_EQ(recipe.Servings(), 4);
    EXPECT_EQ(recipe.PrepTime(), "1 hour");
    EXPECT_EQ(recipe.Keywords(), "soup onion");
    EXPECT_TRUE(m_book->Modified());
}

TEST_F(RecipeSheetsTest, CancelLeavesTheRecipeUntouchedAndOkTouchesItOnce) {
    CRecipe& recipe = *m_chapter->Recipes().front();
    recipe.SetTitle("Broth");
    recipe.AppendIngredient(std::make_unique<CIngredient>("1", "qt", "stock", 12));
    recipe.Sync().MarkSynchronised();
    const SyncPair before = recipe.Sync();

    m_sheets.SetRunner([](CGenericPS& sheet) {
        SetTitle(sheet, "Changed");
        static_cast<CRecipeIngredPP*>(sheet.Page(1))->PasteText("1 egg\n");
        return PressCancel(sheet);
    });
    EXPECT_EQ(m_sheets.RecipeSheet(&recipe, nullptr, nullptr), RecipeSheets::Cancelled);
    EXPECT_EQ(recipe.Title(), "Broth");
    EXPECT_EQ(recipe.Ingredients().size(), 1U);
    EXPECT_EQ(recipe.Sync().current, before.current);
    EXPECT_FALSE(m_book->Modified());

    m_sheets.SetRunner([](CGenericPS& sheet) {
        SetTitle(sheet, "Clear Broth");
        Child<QTextEdit>(sheet, "text", 3)->setPlainText("Keeps a week.");
        return PressOk(sheet);
    });
    EXPECT_EQ(m_sheets.RecipeSheet(&recipe, nullptr, nullptr), RecipeSheets::Changed);
    EXPECT_EQ(recipe.Title(), "Clear Broth");
    EXPECT_EQ(recipe.Comments(), "Keeps a week.");
    EXPECT_EQ(recipe.Sync().current, before.current + 1);
    ASSERT_EQ(recipe.Ingredients().size(), 1U);
    EXPECT_EQ(recipe.Ingredients()[0]->Link(), 12);
    EXPECT_TRUE(m_book->Modified());
}

TEST_F(RecipeSheetsTest, MovesARecipeToTheTopOfItsBook) {
    CRecipe* recipe = m_chapter->Recipes().front().get();
    m_sheets.SetRunner([](CGenericPS& sheet) {
        Child<QComboBox>(sheet, "chapter", 0)->setCurrentIndex(0);
        return PressOk(sheet);
    });
    EXPECT_EQ(m_sheets.RecipeSheet(recipe, nullptr, nullptr), RecipeSheets::Added);
    EXPECT_EQ(m_chapter->Recipes().size(), 2U);
    ASSERT_EQ(m_book->Recipes().size(), 1U);
    EXPECT_EQ(m_book->Recipes()[0].get(), recipe);
    EXPECT_EQ(recipe->Chapter(), nullptr);
}

TEST_F(RecipeSheetsTest, AnEmptyTitleKeepsTheSheetOpenWithTheMessage) {
    m_sheets.SetRunner([](CGenericPS& sheet) {
        SetTitle(sheet, "");
        EXPECT_NE(PressOk(sheet), QDialog::Accepted);
        return PressCancel(sheet);
    });
    EXPECT_EQ(m_sheets.RecipeSheet(nullptr, m_book, nullptr), RecipeSheets::Cancelled);
    EXPECT_EQ(m_prompts.Texts(), (std::vector<std::string>{"Please enter a title.\n"}));
    EXPECT_TRUE(m_book->Recipes().empty());
}

TEST_F(RecipeSheetsTest, AddsAChapterToTheChosenBook) {
    m_sheets.SetRunner([](CGenericPS& sheet) {
        EXPECT_EQ(Child<QLineEdit>(sheet, "title", 0)->text(), "Chapter 2");
        SetTitle(sheet, "Desserts");
        Child<QTextEdit>(sheet, "text", 1)->setPlainText("Sweet things.");
        return PressOk(sheet);
    });
    EXPECT_EQ(m_sheets.ChapterSheet(nullptr, m_book), RecipeSheets::Added);
    ASSERT_EQ(m_book->Chapters().size(), 2U);
    EXPECT_EQ(m_book->Chapters()[1]->Title(), "Desserts");
    EXPECT_EQ(m_book->Chapters()[1]->Text(), "Sweet things.");
    EXPECT_NE(m_book->Chapters()[1]->Id(), 0U);
    EXPECT_TRUE(m_book->Modified());
}

TEST_F(RecipeSheetsTest, AddsABookToTheWorkspaceAndListsItForTheNextStart) {
    m_sheets.SetRunner([](CGenericPS& sheet) {
        EXPECT_EQ(Child<QLineEdit>(sheet, "title", 0)->text(), "Recipe Book 2");
        Child<QLineEdit>(sheet, "path", 0)->setText("/tmp/party.rcp");
        SetTitle(sheet, "Party");
        return PressOk(sheet);
    });
    EXPECT_EQ(m_sheets.BookSheet(nullptr), RecipeSheets::Added);
    ASSERT_EQ(m_doc.GetBooks().size(), 2U);
    EXPECT_EQ(m_doc.GetBooks()[1]->Title(), "Party");
    EXPECT_EQ(m_doc.GetBooks()[1]->Path(), "/tmp/party.rcp");
    EXPECT_EQ(m_settings.m_books.back().path, "/tmp/party.rcp");
    EXPECT_EQ(m_settings.m_books.back().flag, 1U);
}

TEST_F(RecipeSheetsTest, ABookNeedsAFileAndAUniqueName) {
    m_sheets.SetRunner([](CGenericPS& sheet) {
        Child<QLineEdit>(sheet, "path", 0)->setText("");
        SetTitle(sheet, "Family");
        EXPECT_NE(PressOk(sheet), QDialog::Accepted);
        return PressCancel(sheet);
    });
    EXPECT_EQ(m_sheets.BookSheet(nullptr), RecipeSheets::Cancelled);
    EXPECT_EQ(m_prompts.Texts(), (std::vector<std::string>{"Please enter a filename to store the recipe book.\n"
                                                           "The name of the recipe book is not unique.\n"}));
    EXPECT_EQ(m_doc.GetBooks().size(), 1U);
}

TEST_F(RecipeSheetsTest, ModifyingShowsThePageLastLeftOpen) {
    CRecipe* recipe = m_chapter->Recipes().front().get();
    m_sheets.SetRunner([](CGenericPS& sheet) {
        sheet.SetActivePage(2);
        return PressCancel(sheet);
    });
    m_sheets.RecipeSheet(recipe, nullptr, nullptr);
    EXPECT_EQ(m_profile.GetInt("SettingsV4\\Dialogs", "RecipePage", -1), 2);

    int shown = -1;
    m_sheets.SetRunner([&](CGenericPS& sheet) {
        shown = sheet.ActivePageIndex();
        return PressCancel(sheet);
    });
    m_sheets.RecipeSheet(recipe, nullptr, nullptr);
    EXPECT_EQ(shown, 2);
}

TEST_F(RecipeSheetsTest, TheTitlePageWarnsOfARecipeTooLargeForAHandheld) {
    CRecipe& recipe = *m_chapter->Recipes().front();
    recipe.SetTitle(std::string(9000, 't'));
    recipe.SetText(std::string(1500, 'x'));
    QString note;
    m_sheets.SetRunner([&](CGenericPS& sheet) {
        sheet.SetActivePage(1);
        sheet.show();
        sheet.SetActivePage(0);
        note = sheet.findChild<QLabel*>("sizeNote")->text();
        return PressCancel(sheet);
    });
    m_sheets.RecipeSheet(&recipe, nullptr, nullptr);
    EXPECT_EQ(note, "This item will use 10503 bytes on a Palm OS device. 10000 bytes is the maximum.");
}
