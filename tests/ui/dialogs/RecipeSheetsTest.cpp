#include "ui/dialogs/RecipeSheets.h"

#include "app/BookChecklist.h"
#include "app/CSBDocBase.h"
#include "app/CSavorbridgeDoc.h"
#include "app/CSettings.h"
#include "app/IngredientNames.h"
#include "model/CRecipe.h"
#include "model/CRecipeBook.h"
#include "model/CRecipeChapter.h"
#include "support/MemoryProfile.h"
#include "support/QtTestPicture.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"
#include "support/TickedChecklist.h"
#include "ui/controls/CInPlaceEdit.h"
#include "ui/controls/CSBGridEx.h"
#include "ui/dialogs/CGenericPS.h"
#include "ui/dialogs/CIconPP.h"
#include "ui/dialogs/CRecipeIngredPP.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

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

// The note the title page shows when it is entered again.
int ReadSizeNote(CGenericPS& sheet, QString& note) {
    sheet.SetActivePage(1);
    sheet.show();
    sheet.SetActivePage(0);
    note = sheet.findChild<QLabel*>("sizeNote")->text();
    return PressCancel(sheet);
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
    TickedChecklist m_checklist;
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
        auto* editor = grid->viewport()->findChild<CInPlaceEdit*>();
        EXPECT_EQ(editor->Row(), row);
        QTest::keyClicks(editor, "1 1/2 tbsp butter");
        QTest::keyClick(editor, Qt::Key_Return);
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
    m_sheets.SetRunner([&](CGenericPS& sheet) { return ReadSizeNote(sheet, note); });
    m_sheets.RecipeSheet(&recipe, nullptr, nullptr);
    EXPECT_EQ(note, "This item will use 10503 bytes on a Palm OS device. 10000 bytes is the maximum.");
}

namespace {

constexpr int kRecipeIconPage = 5;
constexpr int kRecipePicturePage = 6;
constexpr int kContainerIconPage = 2;
constexpr int kCookies = 175;

} // namespace

TEST_F(RecipeSheetsTest, TheIconEqualToTheDefaultIsStoredAsNoneAndANewDefaultIsReported) {
    CRecipe& recipe = *m_chapter->Recipes().front();
    recipe.SetIcon(m_settings.m_defaultRecipeIcon);
    m_sheets.SetRunner([](CGenericPS& sheet) { return PressOk(sheet); });
    EXPECT_EQ(m_sheets.RecipeSheet(&recipe, nullptr, nullptr), RecipeSheets::Changed);
    EXPECT_EQ(recipe.Icon(), -1);

    m_sheets.SetRunner([](CGenericPS& sheet) {
        auto* icons = static_cast<CIconPP*>(sheet.Page(kRecipeIconPage));
        icons->SelectIcon(kCookies);
        icons->SetDefaultTicked(true);
        return PressOk(sheet);
    });
    EXPECT_EQ(m_sheets.RecipeSheet(&recipe, nullptr, nullptr), RecipeSheets::DefaultIconChanged);
    EXPECT_EQ(recipe.Icon(), -1);
    EXPECT_EQ(m_settings.m_defaultRecipeIcon, kCookies);
    EXPECT_EQ(m_settings.m_defaultChapterIcon, 2);
}

TEST_F(RecipeSheetsTest, PicturesAreAddedAndRemovedThroughTheSheet) {
    TempDir dir;
    const auto picture = WriteTestPicture(dir, "soup.png");
    CRecipe& recipe = *m_chapter->Recipes().front();
    m_prompts.QueueFiles({picture});
    m_sheets.SetRunner([](CGenericPS& sheet) {
        QTest::mouseClick(sheet.Page(kRecipePicturePage)->findChild<QPushButton*>("new"), Qt::LeftButton);
        return PressOk(sheet);
    });
    m_sheets.RecipeSheet(&recipe, nullptr, nullptr);
    ASSERT_EQ(recipe.Pictures().size(), 1U);
    EXPECT_EQ(recipe.Pictures()[0].Path(), picture.string());
    EXPECT_TRUE(recipe.Pictures()[0].Shown());

    m_sheets.SetRunner([](CGenericPS& sheet) {
        auto* page = sheet.Page(kRecipePicturePage);
        page->findChild<QListWidget*>("pictures")->setCurrentRow(0);
        QTest::mouseClick(page->findChild<QPushButton*>("delete"), Qt::LeftButton);
        return PressOk(sheet);
    });
    m_sheets.RecipeSheet(&recipe, nullptr, nullptr);
    EXPECT_TRUE(recipe.Pictures().empty());
}

// Whatever the pages did, Cancel leaves the item, its book and the settings
// as they were.
TEST_F(RecipeSheetsTest, CancelLeavesPicturesIngredientsAndTheDefaultIconAlone) {
    TempDir dir;
    CRecipe& recipe = *m_chapter->Recipes().front();
    recipe.AddPicture(RecipeImage(WriteTestPicture(dir, "old.png").string(), true));
    recipe.AppendIngredient(std::make_unique<CIngredient>("2", "C", "stock", 0));
    recipe.Sync().MarkSynchronised();
    const SyncPair before = recipe.Sync();
    m_prompts.QueueFiles({WriteTestPicture(dir, "new.png")});
    m_sheets.SetRunner([](CGenericPS& sheet) {
        auto* ingredients = static_cast<CRecipeIngredPP*>(sheet.Page(1));
        ingredients->Grid()->SelectRow(0, true);
        ingredients->UnitsMenu()->actions().back()->trigger();
        ingredients->PasteText("1 onion\n");
        auto* icons = static_cast<CIconPP*>(sheet.Page(kRecipeIconPage));
        icons->SelectIcon(kCookies);
        icons->SetDefaultTicked(true);
        QTest::mouseClick(sheet.Page(kRecipePicturePage)->findChild<QPushButton*>("new"), Qt::LeftButton);
        return PressCancel(sheet);
    });
    EXPECT_EQ(m_sheets.RecipeSheet(&recipe, nullptr, nullptr), RecipeSheets::Cancelled);
    EXPECT_EQ(PartsOf(recipe), (std::vector<IngredientParts>{{"2", "C", "stock"}}));
    ASSERT_EQ(recipe.Pictures().size(), 1U);
    EXPECT_TRUE(recipe.Pictures()[0].Path().ends_with("old.png"));
    EXPECT_EQ(recipe.Icon(), -1);
    EXPECT_EQ(m_settings.m_defaultRecipeIcon, 4);
    EXPECT_EQ(recipe.Sync().current, before.current);
    EXPECT_EQ(recipe.Sync().synchronised, before.synchronised);
    EXPECT_FALSE(m_book->Modified());
}

TEST_F(RecipeSheetsTest, NewBesideTheBookAddsABookAndSelectsIt) {
    m_sheets.SetRunner([this](CGenericPS& sheet) {
        if (sheet.windowTitle() == "Add Recipe Book") {
            Child<QLineEdit>(sheet, "path", 0)->setText("/tmp/new.rcp");
            SetTitle(sheet, "Weekday Dinners");
            return PressOk(sheet);
        }
        QTest::mouseClick(Child<QPushButton>(sheet, "newBook", 0), Qt::LeftButton);
        EXPECT_EQ(Child<QComboBox>(sheet, "book", 0)->currentText(), "Weekday Dinners");
        EXPECT_EQ(Child<QComboBox>(sheet, "chapter", 0)->count(), 1);
        EXPECT_EQ(m_doc.GetBooks().size(), 2U);
        return PressOk(sheet);
    });
    EXPECT_EQ(m_sheets.RecipeSheet(nullptr, m_book, m_chapter), RecipeSheets::Added);
    ASSERT_EQ(m_doc.GetBooks().size(), 2U);
    const CRecipeBook& added = *m_doc.GetBooks()[1];
    ASSERT_EQ(added.Recipes().size(), 1U);
    EXPECT_EQ(m_sheets.AddedItem(), added.Recipes()[0].get());
}

TEST_F(RecipeSheetsTest, NewBesideTheChapterAddsAChapterAndSelectsIt) {
    m_sheets.SetRunner([](CGenericPS& sheet) {
        if (sheet.windowTitle() == "Add Chapter") {
            SetTitle(sheet, "Stews");
            return PressOk(sheet);
        }
        QTest::mouseClick(Child<QPushButton>(sheet, "newChapter", 0), Qt::LeftButton);
        EXPECT_EQ(Child<QComboBox>(sheet, "chapter", 0)->currentText(), "Stews");
        return PressOk(sheet);
    });
    EXPECT_EQ(m_sheets.RecipeSheet(nullptr, m_book, nullptr), RecipeSheets::Added);
    ASSERT_EQ(m_book->Chapters().size(), 2U);
    EXPECT_EQ(m_book->Chapters()[1]->Recipes().size(), 1U);
}

TEST_F(RecipeSheetsTest, BrowseChoosesTheBooksFileAndAddsTheExtension) {
    m_prompts.QueueFiles({"/books/summer"});
    m_sheets.SetRunner([](CGenericPS& sheet) {
        QTest::mouseClick(Child<QPushButton>(sheet, "browse", 0), Qt::LeftButton);
        return PressOk(sheet);
    });
    EXPECT_EQ(m_sheets.BookSheet(m_book), RecipeSheets::Changed);
    EXPECT_EQ(m_book->Path(), "/books/summer.rcp");
}

TEST_F(RecipeSheetsTest, AFavouriteMovedToAnotherBookTakesItsFavouritesEntryAlong) {
    CRecipeBook& other = m_doc.AppendBook(std::make_unique<CRecipeBook>(8));
    other.SetTitle("Other");
    CRecipe* recipe = m_chapter->Recipes().front().get();
    recipe->SetFavourite(true, true);
    m_sheets.SetRunner([](CGenericPS& sheet) {
        Child<QComboBox>(sheet, "book", 0)->setCurrentIndex(1);
        return PressOk(sheet);
    });
    EXPECT_EQ(m_sheets.RecipeSheet(recipe, nullptr, nullptr), RecipeSheets::Added);
    EXPECT_EQ(recipe->Book(), &other);
    EXPECT_TRUE(m_book->Favourites().empty());
    EXPECT_EQ(other.Favourites(), std::vector<CRecipe*>{recipe});
    EXPECT_TRUE(other.Modified());
}

TEST_F(RecipeSheetsTest, NamesTypedAnewAreWrittenToTheUsersListOnOkOnly) {
    TempDir program;
    TempDir data;
    program.Write(IngredientNames::kFileName, "flour\nsalt\n");
    m_settings.m_programDirectory = program.Path().string();
    m_settings.m_dataStoragePath = data.Path().string();
    const auto typeLine = [](CGenericPS& sheet) {
        auto* page = static_cast<CRecipeIngredPP*>(sheet.Page(1));
        emit page->Grid()->insertRequested(0);
        auto* editor = page->Grid()->viewport()->findChild<CInPlaceEdit*>();
        QTest::keyClicks(editor, "3 c kohlrabi");
        QTest::keyClick(editor, Qt::Key_Return);
    };
    m_sheets.SetRunner([&](CGenericPS& sheet) {
        typeLine(sheet);
        return PressCancel(sheet);
    });
    m_sheets.RecipeSheet(nullptr, m_book, nullptr);
    EXPECT_FALSE(std::filesystem::exists(data / IngredientNames::kFileName));

    m_sheets.SetRunner([&](CGenericPS& sheet) {
        typeLine(sheet);
        return PressOk(sheet);
    });
    m_sheets.RecipeSheet(nullptr, m_book, nullptr);
    EXPECT_EQ(IngredientNames::Load(data / IngredientNames::kFileName),
              (std::vector<std::string>{"flour", "salt", "kohlrabi"}));
    EXPECT_EQ(IngredientNames::Load(program / IngredientNames::kFileName), (std::vector<std::string>{"flour", "salt"}));
}

TEST_F(RecipeSheetsTest, AChapterAndABookKeepTheirIconsAndPictures) {
    TempDir dir;
    const auto picture = WriteTestPicture(dir, "cover.png");
    m_prompts.QueueFiles({picture});
    m_sheets.SetRunner([](CGenericPS& sheet) {
        static_cast<CIconPP*>(sheet.Page(kContainerIconPage))->SelectIcon(kCookies);
        QTest::mouseClick(sheet.Page(kContainerIconPage + 1)->findChild<QPushButton*>("new"), Qt::LeftButton);
        Child<QLineEdit>(sheet, "path", 0)->setText("/tmp/cakes.rcp");
        SetTitle(sheet, "Cakes");
        return PressOk(sheet);
    });
    EXPECT_EQ(m_sheets.BookSheet(nullptr), RecipeSheets::Added);
    const CRecipeBook& book = *m_doc.GetBooks().back();
    EXPECT_EQ(book.Icon(), kCookies);
    ASSERT_EQ(book.Pictures().size(), 1U);
    EXPECT_EQ(book.Pictures()[0].Path(), picture.string());
    EXPECT_TRUE(book.Modified());

    m_sheets.SetRunner([](CGenericPS& sheet) {
        static_cast<CIconPP*>(sheet.Page(kContainerIconPage))->SelectIcon(kCookies);
        return PressOk(sheet);
    });
    EXPECT_EQ(m_sheets.ChapterSheet(m_chapter, nullptr), RecipeSheets::Changed);
    EXPECT_EQ(m_chapter->Icon(), kCookies);
}

// The document opens the sheets for its commands and the "#MOD" link, and
// tells the panes what changed.
class RecipeSheetsDocTest : public ::testing::Test {
protected:
    RecipeSheetsDocTest() : m_doc(m_settings, m_prompts, &m_profile) {
        CRecipeBook& book = m_doc.AppendBook(std::make_unique<CRecipeBook>(9));
        book.SetTitle("Family");
        book.SetIdAssignment(true);
        m_chapter = &book.AddChapter(std::make_unique<CRecipeChapter>());
        m_chapter->SetTitle("Soups");
        book.SetPath("/books/family.rcp");
        book.Sync().MarkSynchronised();
        m_chapter->Sync().MarkSynchronised();
        book.SetModified(false);
        m_book = &book;
    }

    CSettings m_settings;
    ScriptedPrompts m_prompts;
    MemoryProfile m_profile;
    CSavorbridgeDoc m_doc;
    CRecipeBook* m_book;
    CRecipeChapter* m_chapter;
};

TEST_F(RecipeSheetsDocTest, PropertiesOfABookAndAChapterOpenTheirModifySheets) {
    struct Case {
        CRecipeObj* object;
        const char* caption;
    };
    const Case cases[] = {{m_book, "Modify Recipe Book"}, {m_chapter, "Modify Chapter"}};
    for (const Case& c : cases) {
        QSignalSpy changed(&m_doc, &CSavorbridgeDoc::booksChanged);
        QString caption;
        QString title;
        m_doc.SetSheetRunner([&](CGenericPS& sheet) {
            caption = sheet.windowTitle();
            title = Child<QLineEdit>(sheet, "title", 0)->text();
            SetTitle(sheet, title + " (edited)");
            return PressOk(sheet);
        });
        const std::string before = c.object->Title();
        const std::uint32_t counter = c.object->Sync().current;
        m_doc.OnProperties(*c.object);
        EXPECT_EQ(caption, c.caption);
        EXPECT_EQ(title.toStdString(), before);
        EXPECT_EQ(c.object->Title(), before + " (edited)");
        EXPECT_EQ(c.object->Sync().current, counter + 1);
        EXPECT_TRUE(m_book->Modified());
        EXPECT_EQ(changed.count(), 1);

        m_doc.SetSheetRunner([](CGenericPS& sheet) {
            SetTitle(sheet, "Never");
            return PressCancel(sheet);
        });
        m_doc.OnProperties(*c.object);
        EXPECT_EQ(c.object->Title(), before + " (edited)");
        EXPECT_EQ(changed.count(), 1);
    }
}

TEST_F(RecipeSheetsDocTest, ANewRecipeGoesIntoTheChapterOnShowAndIsShown) {
    m_doc.Display(m_chapter);
    QSignalSpy shown(&m_doc, &CSavorbridgeDoc::displayRequested);
    m_doc.SetSheetRunner([](CGenericPS& sheet) {
        EXPECT_EQ(Child<QComboBox>(sheet, "chapter", 0)->currentText(), "Soups");
        return PressOk(sheet);
    });
    m_doc.OnNewRecipe();
    ASSERT_EQ(m_chapter->Recipes().size(), 1U);
    EXPECT_EQ(m_doc.CurrentItem(), m_chapter->Recipes()[0].get());
    EXPECT_EQ(shown.count(), 1);
}

TEST_F(RecipeSheetsTest, LeavingTheTitlePageWithProblemsShowsThemAndStays) {
    m_sheets.SetRunner([](CGenericPS& sheet) {
        SetTitle(sheet, "");
        sheet.SetActivePage(2);
        EXPECT_EQ(sheet.ActivePageIndex(), 0);
        SetTitle(sheet, "Stews");
        sheet.SetActivePage(2);
        EXPECT_EQ(sheet.ActivePageIndex(), 2);
        return PressCancel(sheet);
    });
    m_sheets.ChapterSheet(nullptr, m_book);
    EXPECT_EQ(m_prompts.Texts(), (std::vector<std::string>{"Please enter a title.\n"}));
}

TEST_F(RecipeSheetsTest, AChaptersHandheldSizeCountsItsIntroduction) {
    m_chapter->SetTitle(std::string(5000, 't'));
    m_chapter->SetText(std::string(5200, 'x'));
    QString note;
    m_sheets.SetRunner([&](CGenericPS& sheet) { return ReadSizeNote(sheet, note); });
    m_sheets.ChapterSheet(m_chapter, nullptr);
    EXPECT_EQ(note, "This item will use 10202 bytes on a Palm OS device. 10000 bytes is the maximum.");
}

TEST_F(RecipeSheetsTest, ABookIsNotPutIntoAFileThatHoldsSomethingElse) {
    TempDir dir;
    const auto existing = dir.Write("kept.rcp", "another book");
    m_prompts.QueueAnswer(PromptAnswer::No);
    m_prompts.QueueAnswer(PromptAnswer::Yes);
    m_sheets.SetRunner([&](CGenericPS& sheet) {
        Child<QLineEdit>(sheet, "path", 0)->setText(QString::fromStdString(existing.string()));
        EXPECT_NE(PressOk(sheet), QDialog::Accepted);
        return PressOk(sheet);
    });
    EXPECT_EQ(m_sheets.BookSheet(nullptr), RecipeSheets::Added);
    ASSERT_EQ(m_prompts.Questions().size(), 2U);
    EXPECT_EQ(m_prompts.Questions()[0].buttons, PromptButtons::YesNo);
    EXPECT_EQ(m_doc.GetBooks().back()->Path(), existing);

    CRecipeBook& first = *m_doc.GetBooks().front();
    first.SetPath(dir / "family.rcp");
    m_sheets.SetRunner([&](CGenericPS& sheet) {
        Child<QLineEdit>(sheet, "path", 0)->setText(QString::fromStdString(existing.string()));
        EXPECT_NE(PressOk(sheet), QDialog::Accepted);
        return PressCancel(sheet);
    });
    EXPECT_EQ(m_sheets.BookSheet(&first), RecipeSheets::Cancelled);
    EXPECT_EQ(m_prompts.Texts().back(),
              "A recipe book with that filename already exists. \nPlease select a different file.\n");
    EXPECT_EQ(first.Path(), dir / "family.rcp");
}

// Enter and Escape belong to the ingredient grid and its editor while the
// user types, not to the sheet's OK and Cancel.
TEST_F(RecipeSheetsTest, EnterAndEscapeInTheIngredientGridLeaveTheSheetOpen) {
    CRecipe& recipe = *m_chapter->Recipes().front();
    recipe.AppendIngredient(std::make_unique<CIngredient>("2", "C", "stock", 0));
    m_sheets.SetRunner([](CGenericPS& sheet) {
        sheet.show();
        sheet.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&sheet));
        sheet.SetActivePage(1);
        auto* page = static_cast<CRecipeIngredPP*>(sheet.Page(1));
        CSBGridEx* grid = page->Grid();
        grid->SelectRow(0, true);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Return);
        auto* editor = grid->viewport()->findChild<CInPlaceEdit*>();
        EXPECT_NE(editor, nullptr);
        if (editor == nullptr) {
            return PressCancel(sheet);
        }
        QTest::keyClicks(editor, "3");
        QTest::keyClick(editor, Qt::Key_Return);
        EXPECT_TRUE(sheet.isVisible());
        EXPECT_EQ(grid->GetCellText(0, CRecipeIngredPP::kAmountColumn), "3");

        grid->BeginEdit(0, CRecipeIngredPP::kDescriptionColumn);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_TRUE(sheet.isVisible());
        EXPECT_EQ(grid->GetCellText(0, CRecipeIngredPP::kDescriptionColumn), "stock");
        return PressOk(sheet);
    });
    EXPECT_EQ(m_sheets.RecipeSheet(&recipe, nullptr, nullptr), RecipeSheets::Changed);
    EXPECT_EQ(PartsOf(recipe), (std::vector<IngredientParts>{{"3", "C", "stock"}}));
}
