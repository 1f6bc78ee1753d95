#include "app/CSavorbridgeApp.h"

#include "app/CAboutDlg.h"
#include "app/CSavorbridgeDoc.h"
#include "app/CSettings.h"
#include "app/CSplashWnd.h"
#include "app/PocketPcInstaller.h"
#include "app/UpgradeCheck.h"
#include "nutrition/BasicPortionUnits.h"
#include "nutrition/Database.h"
#include "nutrition/TablePortionUnits.h"
#include "platform/AppFolders.h"
#include "platform/Profile.h"
#include "platform/StringTable.h"
#include "platform/UserPrompts.h"
#include "ui/views/CLeftView.h"
#include "ui/views/CMainFrame.h"

#include <QProcess>

CSavorbridgeApp::CSavorbridgeApp(Services services, std::vector<std::string> arguments,
                                 std::filesystem::path executable)
    : m_services(services), m_commandLine(StartupCommandLine::Parse(arguments)),
      m_executable(executable.empty() ? AppFolders::ExecutablePath() : std::move(executable)) {}

CSavorbridgeApp::~CSavorbridgeApp() {
    ExitInstance();
}

bool CSavorbridgeApp::InitInstance() {
    CSplashWnd::EnableSplash(m_commandLine.splash);
    PrepareFolders();
    CreateNutrientDatabase();
    CreateMainFrame();
    OnFirstUpdate();
    if (!m_commandLine.file.empty()) {
        m_doc->OpenBookFile(m_commandLine.file, false);
    }
    m_frame->setWindowTitle("Savorbridge");
    m_frame->repaint();
    m_doc->LoadMenuFileAtStart();
    FirstRunOrUpgradeCheck();
    return true;
}

void CSavorbridgeApp::ExitInstance() {
    m_upgradeCheck.reset();
    CSplashWnd::HideSplash();
    delete m_frame;
    m_frame = nullptr;
    // The database outlives the document's unit tables it reads portions through.
    if (Nutrient::Database* database = Nutrient::Database::Global()) {
        database->SetPortionUnits(Nutrient::BasicPortionUnits::Instance());
    }
    m_portionUnits.reset();
    // The frame goes first: it writes the settings, which still name the open books.
    m_doc.reset();
    Nutrient::Database::SetGlobal(nullptr);
}

void CSavorbridgeApp::PrepareFolders() {
    auto& settings = m_services.settings;
    m_programFolder = AppFolders::ProgramFolderFor(m_executable);
    settings.m_programDirectory = m_programFolder.string();
    const std::string stored = m_services.profile.GetString(CSettings::kSection, "dataStoragePath", "");
    m_dataFolder = stored.empty() ? AppFolders::DefaultDataFolder() : std::filesystem::path(stored);
    AppFolders::EnsureFolder(m_dataFolder);
    settings.m_dataStoragePath = m_dataFolder.string();
}

// The definitions file is written back at exit, so the database lives in the
// data folder, seeded from the shipped copies on first start.
void CSavorbridgeApp::CreateNutrientDatabase() {
    AppFolders::CopyMissingFiles(m_programFolder, m_dataFolder,
                                 {Nutrient::Database::kDefinitionsFile, Nutrient::Database::kMainTableFile});
    Nutrient::Database::SetGlobal(std::make_unique<Nutrient::Database>(m_services.profile, m_dataFolder));
}

void CSavorbridgeApp::CreateMainFrame() {
    m_services.settings.LoadFramePlacement(m_services.profile);
    m_doc = std::make_unique<CSavorbridgeDoc>(m_services.settings, m_services.prompts, &m_services.profile);
    m_doc->SetProgramFolder(m_programFolder);
    // Portions of food items are measured in the units as the user named them.
    m_portionUnits = std::make_unique<Nutrient::TablePortionUnits>(m_doc->Units());
    Nutrient::Database::Global()->SetPortionUnits(*m_portionUnits);
    m_frame = new CMainFrame(m_services.settings, m_services.profile, *m_doc);
    m_doc->SetDialogParent(m_frame);
    m_frame->setAttribute(Qt::WA_DeleteOnClose, false);
    connect(m_frame, &CMainFrame::aboutRequested, this, &CSavorbridgeApp::ShowAbout);
    connect(m_frame, &CMainFrame::installPocketPcRequested, this, &CSavorbridgeApp::InstallToPocketPc);
}

// The navigation pane's first update: the preferences are read, the splash
// shows while the start-up books open, and the splash's second key turns.
void CSavorbridgeApp::OnFirstUpdate() {
    m_services.settings.Load(m_services.profile);
    CSplashWnd::ShowSplash(m_frame);
    m_frame->ShowInitially();
    m_doc->OpenStartupBooks();
    m_frame->NavigationPane().OnInitialUpdate();
    CSplashWnd::Ready();
}

void CSavorbridgeApp::FirstRunOrUpgradeCheck() {
    auto& settings = m_services.settings;
    if (settings.m_firstRun != 0) {
        settings.m_firstRun = 0;
        m_frame->ShowHelpTopic(kFirstRunHelpTopic);
        return;
    }
    m_upgradeCheck = std::make_unique<UpgradeCheck>(m_services.http, m_services.profile, m_services.prompts,
                                                    [this] { m_frame->ShowWebView(); });
    m_upgradeCheck->Start();
}

void CSavorbridgeApp::ShowAbout() {
    CAboutDlg about(m_frame);
    about.exec();
}

void CSavorbridgeApp::InstallToPocketPc() {
    const auto setup = PocketPcInstaller::FindSetup(m_programFolder);
    if (!setup || !QProcess::startDetached(QString::fromStdString(setup->string()), {},
                                           QString::fromStdString(setup->parent_path().string()))) {
        m_services.prompts.Message(StringTable::Get(PocketPcInstaller::kSetupMissingMessage), PromptIcon::Warning);
    }
}
