#include "ui/views/CMainFrame.h"

#include "app/CSavorbridgeDoc.h"
#include "app/CSettings.h"
#include "app/UpgradeCheck.h"
#include "platform/Profile.h"
#include "ui/controls/CProgressBar.h"
#include "ui/views/CLeftView.h"
#include "ui/views/CSBHtmlViewM.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QUrl>

namespace {

constexpr int kMinimumLeftWidth = 200;

} // namespace

CMainFrame::CMainFrame(CSettings& settings, Profile& profile, CSavorbridgeDoc& doc)
    : m_settings(settings), m_profile(profile), m_doc(doc) {
    setObjectName("mainFrame");
    setWindowTitle("Savorbridge");
    setWindowIcon(QIcon(":/icons/savorbridge.svg"));
    CreatePanes();
    CreateMenus();
    connect(&m_doc, &CSavorbridgeDoc::booksChanged, this, &CMainFrame::UpdateCommands);
    UpdateCommands();
}

CMainFrame::~CMainFrame() {
    RememberPlacement();
    m_settings.Save(m_profile);
}

void CMainFrame::CreatePanes() {
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName("mainSplitter");
    m_left = new CLeftView(m_doc, m_splitter);
    m_left->setMinimumWidth(kMinimumLeftWidth);
    m_display = new CSBHtmlViewM(m_doc, m_splitter);
    m_display->SetProgramFolder(m_doc.ProgramFolder());
    m_splitter->addWidget(m_left);
    m_splitter->addWidget(m_display);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({std::max(kMinimumLeftWidth, m_settings.m_leftPaneWidth), 600});
    setCentralWidget(m_splitter);
    statusBar()->showMessage(CProgressBar::kIdleText);
    connect(m_display, &CSBHtmlView::statusTip, this, [this](const QString& tip) { statusBar()->showMessage(tip); });
    connect(m_display, &CSBHtmlViewM::commandRequested, this, &CMainFrame::OnPageCommand);
    connect(m_splitter, &QSplitter::splitterMoved, this, [this] { m_settings.m_leftPaneWidth = m_left->width(); });
}

void CMainFrame::OnPageCommand(int id) {
    switch (id) {
    case CSBHtmlViewM::kOpenBook:
        m_doc.OnOpen();
        break;
    case CSBHtmlViewM::kNewBook:
        m_doc.OnNewBook();
        break;
    case CSBHtmlViewM::kWebTab:
        ShowWebView();
        break;
    default:
        m_doc.NotAvailableYet("The nutrient database");
        break;
    }
    UpdateCommands();
}

void CMainFrame::CreateMenus() {
    CreateFileMenu();
    CreateViewMenu();

    QMenu* tools = menuBar()->addMenu("&Tools");
    AddCommand(tools, "Kitchen &Timer", "actionTimer", [](CSavorbridgeDoc& doc) { doc.OnTimer(); });
    QAction* pocketPc = tools->addAction("Install Savorbridge to Poc&ketPC");
    pocketPc->setObjectName("actionInstallPocketPc");
    connect(pocketPc, &QAction::triggered, this, &CMainFrame::installPocketPcRequested);

    QMenu* help = menuBar()->addMenu("&Help");
    QAction* about = help->addAction("&About Savorbridge...");
    about->setObjectName("actionAbout");
    connect(about, &QAction::triggered, this, &CMainFrame::aboutRequested);
}

void CMainFrame::CreateFileMenu() {
    QMenu* file = menuBar()->addMenu("&File");
    AddCommand(file, "&New Recipe Book...", "actionNewBook", [](CSavorbridgeDoc& doc) { doc.OnNewBook(); });
    AddCommand(file, "New &Chapter...", "actionNewChapter", [](CSavorbridgeDoc& doc) { doc.OnNewChapter(); });
    AddCommand(file, "New &Recipe...", "actionNewRecipe", [](CSavorbridgeDoc& doc) { doc.OnNewRecipe(); });
    AddCommand(file, "New &Menu...", "actionNewMenu", [](CSavorbridgeDoc& doc) { doc.OnNewMenu(); });
    file->addSeparator();
    AddCommand(file, "&Open...", "actionOpen", [](CSavorbridgeDoc& doc) {
        doc.OnOpen();
    })->setShortcut(QKeySequence::Open);
    m_save = AddCommand(file, "&Save", "actionSave", [](CSavorbridgeDoc& doc) { doc.OnSave(); });
    m_save->setShortcut(QKeySequence::Save);
    m_saveAs = AddCommand(file, "Save &As...", "actionSaveAs", [](CSavorbridgeDoc& doc) { doc.OnSaveAs(); });
    file->addSeparator();
    AddCommand(file, "&Import...", "actionImport", [](CSavorbridgeDoc& doc) { doc.OnImport(); });
    AddCommand(file, "&Export...", "actionExport", [](CSavorbridgeDoc& doc) { doc.OnExport(); });
    file->addSeparator();
    QAction* exit = file->addAction("E&xit");
    exit->setObjectName("actionExit");
    connect(exit, &QAction::triggered, this, &QWidget::close);
}

void CMainFrame::CreateViewMenu() {
    QMenu* view = menuBar()->addMenu("&View");
    AddCommand(view, "&Home", "actionHome", [](CSavorbridgeDoc& doc) { doc.OnHome(); });
    AddCommand(view, "&Back", "actionBack", [](CSavorbridgeDoc& doc) {
        doc.OnBack();
    })->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    AddCommand(view, "&Forward", "actionForward", [](CSavorbridgeDoc& doc) {
        doc.OnForward();
    })->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
}

QAction* CMainFrame::AddCommand(QMenu* menu, const QString& text, const char* name,
                                std::function<void(CSavorbridgeDoc&)> command) {
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    connect(action, &QAction::triggered, &m_doc, [this, command = std::move(command)] {
        command(m_doc);
        UpdateCommands();
    });
    return action;
}

void CMainFrame::UpdateCommands() {
    const bool anyBook = !m_doc.GetBooks().empty();
    m_save->setEnabled(anyBook);
    m_saveAs->setEnabled(anyBook);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!m_doc.CanCloseFrame()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void CMainFrame::ShowInitially() {
    m_splitter->setSizes({std::max(kMinimumLeftWidth, m_settings.m_leftPaneWidth), 600});
    m_display->OnInitialUpdate();
    const auto& frame = m_settings.m_frame;
    setGeometry(frame.x, frame.y, std::max(200, frame.xMax - frame.x), std::max(150, frame.yMax - frame.y));
    if (frame.maximized != 0) {
        showMaximized();
    } else {
        showNormal();
    }
}

void CMainFrame::RememberPlacement() {
    auto& frame = m_settings.m_frame;
    frame.maximized = isMaximized() ? 1 : 0;
    const QRect normal = normalGeometry();
    if (normal.isValid()) {
        frame.x = normal.left();
        frame.y = normal.top();
        frame.xMax = normal.right() + 1;
        frame.yMax = normal.bottom() + 1;
    }
}

bool CMainFrame::ShowHelpTopic(int) {
    return false;
}

void CMainFrame::ShowWebView() {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(UpgradeCheck::WebHost(m_profile))));
}
