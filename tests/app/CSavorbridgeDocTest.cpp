#include "app/CSavorbridgeDoc.h"
#include "app/CSavorbridgeApp.h"
#include "app/CSettings.h"
#include "app/CSplashWnd.h"
#include "app/CommandIds.h"
#include "menus/MenuFile.h"
#include "platform/AtomicFile.h"
#include "platform/QtHttpClient.h"
#include "platform/QtProfile.h"
#include "platform/StringTable.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"
#include "ui/views/CMainFrame.h"

#include <QAction>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

namespace {

std::filesystem::path WriteBook(const TempDir& dir, const std::string& name, std::uint32_t id) {
    CRecipeBook book(id);
    book.SetTitle(name);
    const auto path = dir / name;
    RecipeBookFile::Save(book, path, {});
    return path;
}

class DocStart {
public:
    DocStart(const TempDir& dir, const std::vector<std::string>& arguments)
        : m_profile(QString::fromStdString((dir / "Savorbridge.conf").string())),
          m_app({m_settings, m_profile, m_prompts, m_http}, arguments, dir / "bin" / "Savorbridge") {}

    CSettings m_settings;
    QtProfile m_profile;
    ScriptedPrompts m_prompts;
    QtHttpClient m_http;
    CSavorbridgeApp m_app;
};

void Trigger(CMainFrame& frame, const char* name) {
    auto* action = frame.findChild<QAction*>(name);
    ASSERT_NE(action, nullptr) << name;
    action->trigger();
}

} // namespace

class CSavorbridgeDocTest : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString((m_dir / "xdg").string()));
        CSplashWnd::EnableSplash(false);
        QSettings ini(QString::fromStdString((m_dir / "Savorbridge.conf").string()), QSettings::IniFormat);
        ini.setValue("SettingsV4/First Run Full", 0);
        ini.setValue("SettingsV4/Web Host", "http://127.0.0.1:9");
        ini.setValue("SettingsV4/Books/Number of books", 2);
        ini.setValue("SettingsV4/Books/BookName1", QString::fromStdString(WriteBook(m_dir, "listed.rcp", 1).string()));
        ini.setValue("SettingsV4/Books/BookFlag1", 1);
        ini.setValue("SettingsV4/Books/BookName2", QString::fromStdString(WriteBook(m_dir, "resting.rcp", 2).string()));
        ini.setValue("SettingsV4/Books/BookFlag2", 0);
    }

    TempDir m_dir;
};

TEST_F(CSavorbridgeDocTest, StartOpensListedAndCommandLineBooksAndTheMenuFile) {
    const auto dataFolder = m_dir / "xdg" / "Savorbridge";
    std::filesystem::create_directories(dataFolder);
    std::vector<std::unique_ptr<CSBMenu>> menus;
    menus.push_back(std::make_unique<CSBMenu>());
    menus.back()->SetId(4);
    AtomicFile::Write(dataFolder / MenuFile::kFileName, MenuFile::ToBytes({}, 4, menus));
    const auto extra = WriteBook(m_dir, "extra.rcp", 3);

    DocStart start(m_dir, {extra.string()});
    ASSERT_TRUE(start.m_app.InitInstance());
    CSavorbridgeDoc* doc = start.m_app.Document();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(CSavorbridgeDoc::Instance(), doc);
    ASSERT_EQ(doc->GetBooks().size(), 2U);
    EXPECT_EQ(doc->GetBooks()[0]->Path(), m_dir / "listed.rcp");
    EXPECT_EQ(doc->GetBooks()[1]->Path(), extra);
    ASSERT_EQ(doc->GetMenus().size(), 1U);
    EXPECT_EQ(doc->GetMenus()[0]->Id(), 4);
    EXPECT_TRUE(start.m_prompts.Questions().empty());
    start.m_app.ExitInstance();
    EXPECT_EQ(CSavorbridgeDoc::Instance(), nullptr);
    EXPECT_EQ(start.m_settings.m_books.back().path, extra.string());
}

TEST_F(CSavorbridgeDocTest, ClosingTheWindowOffersToSaveModifiedBooks) {
    DocStart start(m_dir, {});
    ASSERT_TRUE(start.m_app.InitInstance());
    CMainFrame* frame = start.m_app.MainFrame();
    CSavorbridgeDoc* doc = start.m_app.Document();
    ASSERT_EQ(doc->GetBooks().size(), 1U);
    doc->GetBooks()[0]->SetModified(true);
    start.m_prompts.QueueAnswer(PromptAnswer::Cancel);
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    start.m_prompts.QueueAnswer(PromptAnswer::No);
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(start.m_prompts.Texts(), std::vector<std::string>(2, StringTable::Get(522)));
    start.m_app.ExitInstance();
}

TEST_F(CSavorbridgeDocTest, CommandsOfPartsStillMissingAreDisabled) {
    DocStart start(m_dir, {});
    ASSERT_TRUE(start.m_app.InitInstance());
    CMainFrame& frame = *start.m_app.MainFrame();
    CSavorbridgeDoc& doc = *start.m_app.Document();
    for (const char* name : {"actionNewMenu", "actionImport", "actionExport", "actionOptions"}) {
        auto* action = frame.findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name;
        EXPECT_FALSE(action->isEnabled()) << name;
        action->trigger();
    }
    EXPECT_TRUE(start.m_prompts.Texts().empty());
    auto* save = frame.findChild<QAction*>("actionSave");
    ASSERT_NE(save, nullptr);
    EXPECT_TRUE(save->isEnabled());
    doc.DeleteBook(*doc.GetBooks()[0]);
    // The toolbar buttons follow the state on the window's next update.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !save->isEnabled(); }, 2000));
    EXPECT_FALSE(frame.findChild<QAction*>("actionSaveAs")->isEnabled());
    Trigger(frame, "actionNewRecipe");
    EXPECT_EQ(start.m_prompts.Texts().back(), StringTable::Get(CSavorbridgeDoc::kNeedBookForRecipe));
    Trigger(frame, "actionNewChapter");
    EXPECT_EQ(start.m_prompts.Texts().back(), StringTable::Get(CSavorbridgeDoc::kNeedBookForChapter));
    start.m_app.ExitInstance();
}

TEST_F(CSavorbridgeDocTest, ClaimsOnlyTheCommandsItCarriesOut) {
    DocStart start(m_dir, {});
    ASSERT_TRUE(start.m_app.InitInstance());
    CSavorbridgeDoc& doc = *start.m_app.Document();
    const struct {
        int id;
        bool claimed;
        bool enabled;
    } cases[] = {
        {CommandId::kNew, true, true},
        {CommandId::kNewBook, true, true},
        {CommandId::kNewChapter, true, true},
        {CommandId::kNewRecipe, true, true},
        {CommandId::kOpen, true, true},
        {CommandId::kSave, true, true},
        {CommandId::kSaveAs, true, true},
        {CommandId::kTimer, true, true},
        {CommandId::kHome, true, true},
        {CommandId::kNutrientInformation, true, true},
        {CommandId::kImport, false, false},
        {CommandId::kExport, false, false},
        {CommandId::kNewMenu, false, false},
        {CommandId::kOptions, false, false},
        {CommandId::kPalmExportBook, false, false},
    };
    for (const auto& c : cases) {
        CommandState state;
        EXPECT_EQ(doc.OnUpdateCommand(c.id, state), c.claimed) << c.id;
        EXPECT_EQ(state.enabled, c.enabled) << c.id;
    }

    CommandState nutrition;
    const int shown = start.m_settings.m_showNutrientInfo;
    EXPECT_TRUE(doc.OnCommand(CommandId::kNutrientInformation));
    doc.OnUpdateCommand(CommandId::kNutrientInformation, nutrition);
    EXPECT_EQ(nutrition.checked, shown == 0);
    EXPECT_FALSE(doc.OnCommand(CommandId::kImport));
    start.m_app.ExitInstance();
}
