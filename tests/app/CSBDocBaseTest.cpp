#include "app/CSBDocBase.h"
#include "app/BookChecklist.h"
#include "app/CSettings.h"
#include "menus/MenuFile.h"
#include "model/ArchiveWriter.h"
#include "model/VersionBanner.h"
#include "platform/AtomicFile.h"
#include "platform/StringTable.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

class ScriptedChecklist : public BookChecklist {
public:
    std::optional<std::vector<bool>> ChooseBooks(std::string_view title, const std::vector<std::string>& titles,
                                                 const std::vector<bool>& ticked) override {
        m_title = title;
        m_titles = titles;
        m_offered = ticked;
        ++m_shown;
        if (m_cancel) {
            return std::nullopt;
        }
        return m_answer ? *m_answer : ticked;
    }

    std::string m_title;
    std::vector<std::string> m_titles;
    std::vector<bool> m_offered;
    std::optional<std::vector<bool>> m_answer;
    bool m_cancel = false;
    int m_shown = 0;
};

std::filesystem::path WriteBook(const TempDir& dir, const std::string& name, std::uint32_t id,
                                const std::string& title = "Book") {
    CRecipeBook book(id);
    book.SetTitle(title);
    auto recipe = std::make_unique<CRecipe>();
    recipe->SetTitle("Apple Pie");
    book.AddRecipe(std::move(recipe));
    const auto path = dir / name;
    RecipeBookFile::Save(book, path, {});
    return path;
}

std::string Message(int id) {
    return StringTable::Get(id);
}

class CSBDocBaseTest : public ::testing::Test {
protected:
    CSBDocBaseTest() { m_settings.m_dataStoragePath = m_dir.Path().string(); }

    std::unique_ptr<CSBDocBase> NewDoc() {
        auto doc = std::make_unique<CSBDocBase>(CSBDocBase::Services{m_settings, m_prompts, m_checklist});
        doc->SetReadOptions({nullptr});
        return doc;
    }

    TempDir m_dir;
    CSettings m_settings;
    ScriptedPrompts m_prompts;
    ScriptedChecklist m_checklist;
};

} // namespace

TEST_F(CSBDocBaseTest, OpenCommandListsTheBookAndAsksAgainForAFileAlreadyOpen) {
    const auto first = WriteBook(m_dir, "first.rcp", 1);
    const auto second = WriteBook(m_dir, "second.rcp", 2);
    const auto doc = NewDoc();
    m_prompts.QueueFiles({first});
    doc->OpenCommand();
    ASSERT_EQ(doc->GetBooks().size(), 1U);
    EXPECT_EQ(m_settings.m_books, (std::vector<CSettings::KnownBook>{{first.string(), 1}}));

    auto shouted = first.parent_path() / "FIRST.RCP";
    m_prompts.QueueFiles({shouted});
    m_prompts.QueueFiles({second});
    doc->OpenCommand();
    EXPECT_EQ(m_prompts.Texts(), std::vector<std::string>{Message(CSBDocBase::kSameFileNameMessage)});
    ASSERT_EQ(doc->GetBooks().size(), 2U);
    EXPECT_EQ(doc->GetBooks()[1]->Path(), second);
}

TEST_F(CSBDocBaseTest, OpenBookFileIgnoresAnOpenFileUnlessReselected) {
    const auto path = WriteBook(m_dir, "book.rcp", 1);
    const auto doc = NewDoc();
    CRecipeBook* book = doc->OpenBookFile(path, false);
    ASSERT_NE(book, nullptr);
    book->SetTitle("Changed in memory");
    EXPECT_EQ(doc->OpenBookFile(path, false), nullptr);
    EXPECT_TRUE(m_prompts.Questions().empty());
    CRecipeBook* again = doc->OpenBookFile(path, true);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->Title(), "Book");
    EXPECT_EQ(doc->GetBooks().size(), 1U);
}

TEST_F(CSBDocBaseTest, ACopyOfAnOpenBookIsRefusedAsIdentical) {
    const auto path = WriteBook(m_dir, "book.rcp", 77);
    const auto copy = m_dir / "copy.rcp";
    std::filesystem::copy_file(path, copy);
    const auto doc = NewDoc();
    ASSERT_NE(doc->OpenBookFile(path, false), nullptr);
    EXPECT_EQ(doc->OpenBookFile(copy, false), nullptr);
    EXPECT_EQ(m_prompts.Texts(), std::vector<std::string>{RecipeBookFile::kIdenticalBookMessage});
    EXPECT_EQ(doc->GetBooks().size(), 1U);
    EXPECT_EQ(m_settings.m_books.size(), 1U);
}

TEST_F(CSBDocBaseTest, UnreadableFilesAreReportedAndNothingOpens) {
    const auto doc = NewDoc();
    const auto text = m_dir.Write("notes.rcp", "just some text");
    EXPECT_EQ(doc->OpenBookFile(text, false), nullptr);
    EXPECT_EQ(doc->OpenBookFile(m_dir / "missing.rcp", false), nullptr);
    EXPECT_EQ(doc->OpenBookFile(m_dir / "palm.pdb", false), nullptr);
    ASSERT_EQ(m_prompts.Texts().size(), 3U);
    EXPECT_NE(m_prompts.Texts()[0].find("It is not a valid Savorbridge file."), std::string::npos);
    EXPECT_NE(m_prompts.Texts()[1].find("missing.rcp"), std::string::npos);
    EXPECT_NE(m_prompts.Texts()[2].find("palm.pdb"), std::string::npos);
    EXPECT_TRUE(doc->GetBooks().empty());
    EXPECT_TRUE(m_settings.m_books.empty());
}

TEST_F(CSBDocBaseTest, StartupOpensOnlyFlaggedBooksWhenAllowed) {
    const auto a = WriteBook(m_dir, "a.rcp", 1);
    const auto b = WriteBook(m_dir, "b.rcp", 2);
    m_settings.SetBook(a.string(), 1);
    m_settings.SetBook(b.string(), 0);
    m_settings.SetBook((m_dir / "gone.rcp").string(), 1);
    {
        const auto doc = NewDoc();
        doc->OpenStartupBooks();
        ASSERT_EQ(doc->GetBooks().size(), 1U);
        EXPECT_EQ(doc->GetBooks()[0]->Path(), a);
        EXPECT_EQ(m_prompts.Texts().size(), 1U);
    }
    m_settings.m_openBooksOnStartUp = 0;
    const auto doc = NewDoc();
    doc->OpenStartupBooks();
    EXPECT_TRUE(doc->GetBooks().empty());
}

TEST_F(CSBDocBaseTest, SaveOffersTheCheckListWithOnlyModifiedBooksTicked) {
    const auto doc = NewDoc();
    CRecipeBook* clean = doc->OpenBookFile(WriteBook(m_dir, "clean.rcp", 1, "Clean"), false);
    CRecipeBook* changed = doc->OpenBookFile(WriteBook(m_dir, "changed.rcp", 2, "Changed"), false);
    changed->SetTitle("Changed More");
    changed->SetModified(true);
    const auto cleanTime = std::filesystem::last_write_time(clean->Path());
    EXPECT_TRUE(doc->SaveBooks(false));
    EXPECT_EQ(m_checklist.m_title, Message(CSBDocBase::kCheckBooksTitle));
    EXPECT_EQ(m_checklist.m_titles, (std::vector<std::string>{"Clean", "Changed More"}));
    EXPECT_EQ(m_checklist.m_offered, (std::vector<bool>{false, true}));
    EXPECT_FALSE(changed->Modified());
    EXPECT_EQ(std::filesystem::last_write_time(clean->Path()), cleanTime);
    EXPECT_EQ(RecipeBookFile::Load(changed->Path(), {nullptr}).book->Title(), "Changed More");

    changed->SetModified(true);
    m_checklist.m_cancel = true;
    EXPECT_FALSE(doc->SaveBooks(false));
    EXPECT_TRUE(changed->Modified());
}

TEST_F(CSBDocBaseTest, SaveOfASingleBookAsksNothing) {
    const auto doc = NewDoc();
    CRecipeBook* book = doc->OpenBookFile(WriteBook(m_dir, "one.rcp", 1), false);
    book->SetModified(true);
    EXPECT_TRUE(doc->SaveBooks(false));
    EXPECT_EQ(m_checklist.m_shown, 0);
    EXPECT_TRUE(m_prompts.Questions().empty());
    EXPECT_FALSE(book->Modified());
}

TEST_F(CSBDocBaseTest, SaveAsToANewNameMovesTheStartupEntry) {
    const auto doc = NewDoc();
    const auto oldPath = WriteBook(m_dir, "old.rcp", 1);
    CRecipeBook* book = doc->OpenBookFile(oldPath, false);
    m_settings.SetBook(oldPath.string(), 0);
    const auto newPath = m_dir / "new";
    m_prompts.QueueFiles({newPath});
    EXPECT_TRUE(doc->SaveBooks(true));
    EXPECT_EQ(book->Path(), m_dir / "new.rcp");
    EXPECT_EQ(m_settings.m_books, (std::vector<CSettings::KnownBook>{{(m_dir / "new.rcp").string(), 0}}));
    EXPECT_TRUE(std::filesystem::exists(m_dir / "new.rcp"));
}

TEST_F(CSBDocBaseTest, SaveAsToAnotherKindOfFileKeepsTheBookPath) {
    const auto doc = NewDoc();
    const auto path = WriteBook(m_dir, "book.rcp", 1);
    CRecipeBook* book = doc->OpenBookFile(path, false);
    m_prompts.QueueFiles({m_dir / "book.pdb"});
    EXPECT_FALSE(doc->SaveBooks(true, true));
    EXPECT_EQ(book->Path(), path);
    EXPECT_FALSE(std::filesystem::exists(m_dir / "book.pdb"));
    EXPECT_EQ(m_prompts.Texts().size(), 1U);
    EXPECT_EQ(m_settings.m_books, (std::vector<CSettings::KnownBook>{{path.string(), 1}}));
}

TEST_F(CSBDocBaseTest, ANewBookIsSavedUnderAChosenName) {
    const auto doc = NewDoc();
    CRecipeBook pattern(9);
    pattern.SetTitle("Fresh");
    CRecipeBook& book = doc->NewBook(pattern, {});
    EXPECT_FALSE(doc->SaveBooks(false));
    EXPECT_TRUE(book.Modified());
    m_prompts.QueueFiles({m_dir / "fresh.rcp"});
    EXPECT_TRUE(doc->SaveBooks(false));
    EXPECT_EQ(book.Path(), m_dir / "fresh.rcp");
    EXPECT_FALSE(book.Modified());
}

TEST_F(CSBDocBaseTest, CloseCheckAsksOnlyAboutModifiedBooks) {
    const struct {
        PromptAnswer answer;
        bool closes;
        bool saved;
    } cases[] = {
        {PromptAnswer::Yes, true, true},
        {PromptAnswer::No, true, false},
        {PromptAnswer::Cancel, false, false},
    };
    for (const auto& c : cases) {
        ScriptedPrompts prompts;
        CSBDocBase doc({m_settings, prompts, m_checklist});
        EXPECT_TRUE(doc.CanCloseFrame());
        CRecipeBook* book = doc.ReadBookIntoWorkspace(WriteBook(m_dir, "book.rcp", 1, "Saved"));
        EXPECT_TRUE(doc.CanCloseFrame());
        EXPECT_TRUE(prompts.Questions().empty());
        book->SetTitle("Edited");
        book->SetModified(true);
        prompts.QueueAnswer(c.answer);
        EXPECT_EQ(doc.CanCloseFrame(), c.closes);
        ASSERT_EQ(prompts.Questions().size(), 1U);
        EXPECT_EQ(prompts.Questions()[0].text, Message(CSBDocBase::kSaveBeforeExitMessage));
        EXPECT_EQ(prompts.Questions()[0].buttons, PromptButtons::YesNoCancel);
        EXPECT_EQ(RecipeBookFile::Load(book->Path(), {nullptr}).book->Title(), c.saved ? "Edited" : "Saved");
    }
}

TEST_F(CSBDocBaseTest, CloseIsRefusedWhenAChosenBookCouldNotBeSaved) {
    const auto doc = NewDoc();
    CRecipeBook* book = doc->OpenBookFile(WriteBook(m_dir, "book.rcp", 1), false);
    book->SetModified(true);
    book->SetPath(m_dir / "no such folder" / "book.rcp");
    m_prompts.QueueAnswer(PromptAnswer::Yes);
    EXPECT_FALSE(doc->CanCloseFrame());
    EXPECT_TRUE(book->Modified());
}

TEST_F(CSBDocBaseTest, MenuFileRoundTripsIdsAndCountersThroughTheWorkspace) {
    {
        const auto doc = NewDoc();
        EXPECT_EQ(doc->AddMenu(std::make_unique<CSBMenu>()).Id(), 1);
        CSBMenu& second = doc->AddMenu(std::make_unique<CSBMenu>());
        second.SetRule({25, 0, 12, 0});
        second.SetMeal("Dinner");
        EXPECT_EQ(second.Id(), 2);
        EXPECT_TRUE(doc->MenusModified());
        EXPECT_TRUE(doc->CanCloseFrame());
        EXPECT_FALSE(doc->MenusModified());
    }
    const auto doc = NewDoc();
    ASSERT_TRUE(doc->LoadMenuFile(doc->MenuFilePath(), false));
    ASSERT_EQ(doc->GetMenus().size(), 2U);
    EXPECT_EQ(doc->GetMenus()[1]->Id(), 2);
    EXPECT_EQ(doc->LastMenuId(), 2);
    EXPECT_EQ(doc->MenuCounters().current, 1U);
    EXPECT_EQ(doc->MenuCounters().synchronised, 0U);
    EXPECT_FALSE(doc->MenusModified());
    EXPECT_EQ(doc->AddMenu(std::make_unique<CSBMenu>()).Id(), 3);
    using namespace std::chrono;
    EXPECT_EQ(doc->MenusForDate(2030y / December / 25d).size(), 3U);
    EXPECT_EQ(doc->MenusForDate(2030y / December / 24d).size(), 2U);
}

TEST_F(CSBDocBaseTest, ReadingMenusAgainMergesEqualRulesAndRenumbersOthers) {
    const auto doc = NewDoc();
    CSBMenu& kept = doc->AddMenu(std::make_unique<CSBMenu>());
    kept.SetRule({1, 2, 0, 0});
    kept.SetMeal("Lunch");
    CSBMenu& changed = doc->AddMenu(std::make_unique<CSBMenu>());
    changed.SetRule({0, 0, 0, 2024});
    ASSERT_TRUE(doc->SaveMenuFile(m_dir / "other.sbm", true));
    CSBMeal::Item item;
    item.kind = CSBMeal::Item::SimpleItem;
    item.text = "Tea";
    kept.AddItem("Lunch", item);
    changed.SetRule({0, 0, 0, 2025});
    ASSERT_TRUE(doc->SaveMenuFile(doc->MenuFilePath(), false));

    ASSERT_TRUE(doc->LoadMenuFile(m_dir / "other.sbm", true));
    ASSERT_EQ(doc->GetMenus().size(), 3U);
    EXPECT_EQ(kept.FindMeal("Lunch")->Items().size(), 1U);
    EXPECT_EQ(doc->GetMenus()[2]->Id(), 3);
    EXPECT_EQ(doc->GetMenus()[2]->Rule().Year(), 2024);
    EXPECT_EQ(doc->LastMenuId(), 3);
    EXPECT_TRUE(doc->MenusModified());
}

TEST_F(CSBDocBaseTest, MenusOfOldFilesGetFreshIds) {
    const auto doc = NewDoc();
    doc->AddMenu(std::make_unique<CSBMenu>());
    // A 2.0 file: no counters, no last id, and menus without ids.
    ArchiveWriter writer;
    writer.WriteString(VersionBanner::ForVersion(200));
    writer.WriteInt(2);
    for (int i = 0; i < 2; ++i) {
        if (i == 0) {
            writer.WriteWord(0xFFFF);
            writer.WriteWord(200);
            writer.WriteWord(7);
            writer.WriteRaw("CSBMenu");
        } else {
            writer.WriteWord(0x8001);
        }
        for (int field = 0; field < 4 + 3; ++field) {
            writer.WriteInt(0);
        }
        for (int list = 0; list < 4; ++list) {
            writer.WriteCount(0);
        }
        writer.WriteInt(0);
    }
    AtomicFile::Write(m_dir / "old.sbm", writer.Bytes());
    ASSERT_TRUE(doc->LoadMenuFile(m_dir / "old.sbm", true));
    ASSERT_EQ(doc->GetMenus().size(), 3U);
    EXPECT_EQ(doc->GetMenus()[1]->Id(), 2);
    EXPECT_EQ(doc->GetMenus()[2]->Id(), 3);
    EXPECT_EQ(doc->GetMenus()[2]->Meals().size(), 3U);
    EXPECT_EQ(doc->LastMenuId(), 3);
}

TEST_F(CSBDocBaseTest, DamagedMenuFilesAreReportedAndKeptAsideBeforeTheyAreReplaced) {
    std::vector<std::unique_ptr<CSBMenu>> menus;
    menus.push_back(std::make_unique<CSBMenu>());
    menus.push_back(std::make_unique<CSBMenu>());
    menus[0]->SetId(1);
    menus[1]->SetId(2);
    const std::string whole = MenuFile::ToBytes({}, 2, menus);
    const struct {
        const char* name;
        std::string bytes;
        std::size_t menusRead;
    } cases[] = {
        {"empty", "", 0},
        {"garbage", "\x13garbage garbage garbage", 0},
        {"truncated", whole.substr(0, whole.size() - 3), 1},
    };
    for (const auto& c : cases) {
        TempDir dir;
        m_settings.m_dataStoragePath = dir.Path().string();
        ScriptedPrompts prompts;
        CSBDocBase doc({m_settings, prompts, m_checklist});
        const auto path = dir.Write(MenuFile::kFileName, c.bytes);
        EXPECT_FALSE(doc.LoadMenuFile(path, false)) << c.name;
        EXPECT_EQ(doc.GetMenus().size(), c.menusRead) << c.name;
        ASSERT_EQ(prompts.Texts().size(), 1U) << c.name;
        EXPECT_NE(prompts.Texts()[0].find("It is not a valid Savorbridge file."), std::string::npos);
        EXPECT_TRUE(doc.CanCloseFrame());
        EXPECT_EQ(AtomicFile::Read(path), c.bytes) << c.name;
        doc.AddMenu(std::make_unique<CSBMenu>());
        EXPECT_TRUE(doc.CanCloseFrame());
        EXPECT_EQ(AtomicFile::Read(path.string() + ".damaged"), c.bytes) << c.name;
        ScriptedPrompts quiet;
        CSBDocBase next({m_settings, quiet, m_checklist});
        EXPECT_TRUE(next.LoadMenuFile(path, false)) << c.name;
        EXPECT_EQ(next.GetMenus().size(), c.menusRead + 1) << c.name;
    }
}

TEST_F(CSBDocBaseTest, HandheldMenuFilesAreRefusedPlainly) {
    const auto doc = NewDoc();
    doc->AddMenu(std::make_unique<CSBMenu>());
    EXPECT_FALSE(doc->LoadMenuFile(m_dir / "menus.pdb", false));
    EXPECT_FALSE(doc->SaveMenuFile(m_dir / "menus.pdb", true));
    EXPECT_EQ(m_prompts.Texts().size(), 2U);
    EXPECT_FALSE(std::filesystem::exists(m_dir / "menus.pdb"));
}

TEST_F(CSBDocBaseTest, MenuItemsFollowTheirBookOpeningAndClosing) {
    const auto path = WriteBook(m_dir, "desserts.rcp", 0x51, "Desserts");
    const auto doc = NewDoc();
    auto menu = std::make_unique<CSBMenu>();
    menu->SetMeal("Dinner");
    menu->AddItemText("Dinner", "Apple Pie", "Desserts");
    menu->AddItemText("Dinner", "Apple Pie", "Desserts");
    CSBMenu& added = doc->AddMenu(std::move(menu));
    const auto& items = added.FindMeal("Dinner")->Items();

    CRecipeBook* book = doc->OpenBookFile(path, false);
    ASSERT_NE(book, nullptr);
    const CRecipe* pie = book->Recipes()[0].get();
    EXPECT_EQ(items[0].recipe, pie);
    EXPECT_EQ(items[1].recipe, pie);
    EXPECT_TRUE(added.MissingBooks().empty());
    doc->PushHistory(book->Recipes()[0].get());

    doc->DeleteBook(*book);
    for (const CSBMeal::Item& item : items) {
        EXPECT_EQ(item.recipe, nullptr);
        EXPECT_EQ(item.kind, CSBMeal::Item::UnlinkedRecipe);
        EXPECT_EQ(item.bookId, 0x51U);
    }
    EXPECT_TRUE(doc->BackHistory().empty());
    book = doc->OpenBookFile(path, false);
    EXPECT_EQ(items[1].recipe, book->Recipes()[0].get());
}

TEST_F(CSBDocBaseTest, HistoryMovesBackAndForward) {
    const auto doc = NewDoc();
    CSBMenu a;
    CSBMenu b;
    CSBMenu c;
    doc->PushHistory(&a);
    doc->PushHistory(&b);
    doc->PushHistory(&b);
    doc->PushHistory(nullptr);
    doc->PushHistory(&c);
    EXPECT_EQ(doc->BackHistory().size(), 3U);
    EXPECT_EQ(doc->Back(), &b);
    EXPECT_EQ(doc->Back(), &a);
    doc->PushHistory(&b);
    EXPECT_EQ(doc->BackHistory().front(), &a);
    EXPECT_EQ(doc->Forward(), &b);
    doc->ForgetObject(&c);
    EXPECT_TRUE(doc->ForwardHistory().empty());
    EXPECT_EQ(doc->Back(), nullptr);
    EXPECT_EQ(doc->Forward(), &a);
}
