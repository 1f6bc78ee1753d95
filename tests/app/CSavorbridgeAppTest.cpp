#include "app/CSavorbridgeApp.h"
#include "app/CAboutDlg.h"
#include "app/CSettings.h"
#include "app/CSplashWnd.h"
#include "nutrition/Database.h"
#include "nutrition/TablePortionUnits.h"
#include "platform/QtHttpClient.h"
#include "platform/QtProfile.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"
#include "support/TestHttpServer.h"
#include "ui/views/CMainFrame.h"

#include <QLineEdit>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// One start of the program against its own profile file and data folder.
class AppStart {
public:
    AppStart(const TempDir& dir, const std::vector<std::string>& arguments = {})
        : m_profile(QString::fromStdString((dir / "Savorbridge.conf").string())),
          m_app({m_settings, m_profile, m_prompts, m_http}, arguments, dir / "bin" / "Savorbridge") {}

    void Run() { ASSERT_TRUE(m_app.InitInstance()); }
    void Exit() {
        m_app.ExitInstance();
        m_profile.Sync();
    }

    CSettings m_settings;
    QtProfile m_profile;
    ScriptedPrompts m_prompts;
    QtHttpClient m_http;
    CSavorbridgeApp m_app;
};

QSettings Ini(const TempDir& dir) {
    return QSettings(QString::fromStdString((dir / "Savorbridge.conf").string()), QSettings::IniFormat);
}

void Preset(const TempDir& dir, const QString& key, const QVariant& value) {
    auto ini = Ini(dir);
    ini.setValue(key, value);
}

} // namespace

class CSavorbridgeAppTest : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString((m_dir / "xdg").string()));
        CSplashWnd::EnableSplash(false);
    }

    TempDir m_dir;
    TestHttpServer m_server;
};

TEST_F(CSavorbridgeAppTest, FirstStartShowsTheWindowAsksNothingAndRemembersItRan) {
    Preset(m_dir, "SettingsV4/Web Host", QString::fromStdString(m_server.BaseUrl()));
    m_dir.Write("data/SBNutrient.csv", "NDB_No,Shrt_Desc\n");
    {
        AppStart start(m_dir);
        start.Run();
        EXPECT_TRUE(std::filesystem::exists(start.m_app.DataFolder() / "SBNutrient.csv"));
        ASSERT_NE(Nutrient::Database::Global(), nullptr);
        EXPECT_NE(dynamic_cast<const Nutrient::TablePortionUnits*>(&Nutrient::Database::Global()->GetPortionUnits()),
                  nullptr);
        CMainFrame* frame = start.m_app.MainFrame();
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(frame->isVisible());
        EXPECT_EQ(frame->windowTitle(), "Savorbridge");
        EXPECT_EQ(start.m_app.DataFolder(), m_dir / "xdg" / "Savorbridge");
        EXPECT_TRUE(std::filesystem::is_directory(start.m_app.DataFolder()));
        QTest::qWait(200);
        EXPECT_EQ(m_server.Requests(), 0);
        start.Exit();
    }
    auto ini = Ini(m_dir);
    EXPECT_EQ(ini.value("SettingsV4/First Run Full").toInt(), 0);
    EXPECT_EQ(ini.value("SettingsV4/Tabs").toString(), "0.500000 0.750000 1.250000");
    EXPECT_EQ(ini.value("SettingsV4/Font21/Size").toInt(), 300);
}

TEST_F(CSavorbridgeAppTest, UpgradeQuestionAppearsOncePerNewerReleaseOverHttp) {
    Preset(m_dir, "SettingsV4/First Run Full", 0);
    Preset(m_dir, "SettingsV4/Web Host", QString::fromStdString(m_server.BaseUrl()));
    const struct {
        int status;
        std::string body;
        bool asks;
        int informed;
    } starts[] = {
        {200, "401\n", false, 0}, {200, "402\r\n", true, 402},  {200, "402", false, 402},
        {404, "403", false, 402}, {200, "garbage", false, 402}, {200, "403", true, 403},
    };
    int expectedRequests = 0;
    for (const auto& s : starts) {
        m_server.Respond(s.status, s.body);
        AppStart start(m_dir);
        start.m_prompts.QueueAnswer(PromptAnswer::No);
        start.Run();
        ++expectedRequests;
        EXPECT_TRUE(QTest::qWaitFor([&] { return m_server.Requests() == expectedRequests; }, 5000));
        QTest::qWait(100);
        EXPECT_EQ(start.m_prompts.Questions().size(), s.asks ? 1U : 0U) << s.body;
        start.Exit();
        EXPECT_EQ(Ini(m_dir).value("SettingsV4/UpgradeInformed", 0).toInt(), s.informed) << s.body;
    }
    EXPECT_EQ(m_server.LastPath(), "/SB/version.txt");
}

TEST_F(CSavorbridgeAppTest, RefusedConnectionIsSilent) {
    Preset(m_dir, "SettingsV4/First Run Full", 0);
    Preset(m_dir, "SettingsV4/Web Host", QString("http://127.0.0.1:%1").arg(TestHttpServer::UnusedPort()));
    AppStart start(m_dir);
    start.Run();
    QTest::qWait(500);
    EXPECT_TRUE(start.m_prompts.Questions().empty());
    start.Exit();
    EXPECT_FALSE(Ini(m_dir).contains("SettingsV4/UpgradeInformed"));
}

TEST_F(CSavorbridgeAppTest, RestoredPlacementAndStoredDataFolderAreHonoured) {
    Preset(m_dir, "SettingsV4/Frame/Maximized", 0);
    Preset(m_dir, "SettingsV4/dataStoragePath", QString::fromStdString((m_dir / "kitchen").string()));
    AppStart start(m_dir, {"-Embedding"});
    start.Run();
    EXPECT_FALSE(start.m_app.MainFrame()->isMaximized());
    EXPECT_EQ(start.m_app.DataFolder(), m_dir / "kitchen");
    EXPECT_FALSE(start.m_app.CommandLine().splash);
    start.Exit();
    EXPECT_EQ(Ini(m_dir).value("SettingsV4/dataStoragePath").toString().toStdString(), (m_dir / "kitchen").string());
}

TEST_F(CSavorbridgeAppTest, PocketPcCommandStartsTheLauncherOrSaysItIsMissing) {
    AppStart start(m_dir);
    start.Run();
    start.m_app.InstallToPocketPc();
    ASSERT_EQ(start.m_prompts.Questions().size(), 1U);
    EXPECT_NE(start.m_prompts.Questions()[0].text.find("'setup.exe' PocketPC install program could not be found"),
              std::string::npos);

    const auto marker = m_dir / "started";
    const auto launcher = m_dir.Write("data/PocketPC/setup", "#!/bin/sh\ntouch '" + marker.string() + "'\n");
    std::filesystem::permissions(launcher, std::filesystem::perms::owner_all);
    start.m_app.InstallToPocketPc();
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(marker); }, 5000));
    EXPECT_EQ(start.m_prompts.Questions().size(), 1U);
    start.Exit();
}

TEST(CSplashWnd, HidesOnTheSecondKeyAndSwallowsInputMeanwhile) {
    QWidget window;
    auto* edit = new QLineEdit(&window);
    window.show();
    edit->setFocus();
    CSplashWnd::EnableSplash(true);
    CSplashWnd::ShowSplash(&window);
    ASSERT_NE(CSplashWnd::Current(), nullptr);

    QTest::keyClicks(edit, "abc");
    EXPECT_EQ(edit->text(), "");

    CSplashWnd::Ready();
    EXPECT_NE(CSplashWnd::Current(), nullptr);
    CSplashWnd::Ready();
    EXPECT_EQ(CSplashWnd::Current(), nullptr);

    QTest::keyClicks(edit, "abc");
    EXPECT_EQ(edit->text(), "abc");
    CSplashWnd::EnableSplash(false);
}

TEST(CSplashWnd, TimerIsOneOfTheTwoKeys) {
    QWidget window;
    CSplashWnd::EnableSplash(true);
    CSplashWnd::ShowSplash(&window);
    CSplashWnd::Ready();
    EXPECT_NE(CSplashWnd::Current(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([] { return CSplashWnd::Current() == nullptr; }, 3000));
    CSplashWnd::EnableSplash(false);
}

TEST(CAboutDlg, ShowsVersionAndWhereToFindUpdates) {
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), "About Savorbridge version 4.0a");
    auto* updates = about.findChild<QLineEdit*>("updates");
    ASSERT_NE(updates, nullptr);
    EXPECT_TRUE(updates->isReadOnly());
    EXPECT_FALSE(updates->text().isEmpty());
}
