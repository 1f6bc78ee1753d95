#include "ui/views/CMainFrame.h"

#include "app/CSavorbridgeDoc.h"
#include "app/CSettings.h"
#include "app/UpgradeCheck.h"
#include "platform/Profile.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QLabel>
#include <QMenuBar>
#include <QUrl>

CMainFrame::CMainFrame(CSettings& settings, Profile& profile, CSavorbridgeDoc& doc)
    : m_settings(settings), m_profile(profile), m_doc(doc) {
    setObjectName("mainFrame");
    setWindowTitle("Savorbridge");
    setWindowIcon(QIcon(":/icons/savorbridge.svg"));
    auto* welcome = new QLabel("No recipe book is open.", this);
    welcome->setObjectName("welcome");
    welcome->setAlignment(Qt::AlignCenter);
    setCentralWidget(welcome);
    CreateMenus();
    connect(&m_doc, &CSavorbridgeDoc::booksChanged, this, &CMainFrame::UpdateCommands);
    UpdateCommands();
}

CMainFrame::~CMainFrame() {
    RememberPlacement();
    m_settings.Save(m_profile);
}

void CMainFrame::CreateMenus() {
    CreateFileMenu();

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
    if (auto* welcome = findChild<QLabel*>("welcome")) {
        welcome->setText(anyBook ? QString("%1 recipe book(s) open.").arg(m_doc.GetBooks().size())
                                 : QString("No recipe book is open."));
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!m_doc.CanCloseFrame()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void CMainFrame::ShowInitially() {
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
