#include "ui/views/CMainFrame.h"

#include "app/CSettings.h"
#include "app/UpgradeCheck.h"
#include "platform/Profile.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMenuBar>
#include <QUrl>

CMainFrame::CMainFrame(CSettings& settings, Profile& profile) : m_settings(settings), m_profile(profile) {
    setObjectName("mainFrame");
    setWindowTitle("Savorbridge");
    setWindowIcon(QIcon(":/icons/savorbridge.svg"));
    auto* welcome = new QLabel("No recipe book is open.", this);
    welcome->setObjectName("welcome");
    welcome->setAlignment(Qt::AlignCenter);
    setCentralWidget(welcome);
    CreateMenus();
}

CMainFrame::~CMainFrame() {
    RememberPlacement();
    m_settings.Save(m_profile);
}

void CMainFrame::CreateMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    QAction* exit = file->addAction("E&xit");
    exit->setObjectName("actionExit");
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* tools = menuBar()->addMenu("&Tools");
    QAction* pocketPc = tools->addAction("Install Savorbridge to Poc&ketPC");
    pocketPc->setObjectName("actionInstallPocketPc");
    connect(pocketPc, &QAction::triggered, this, &CMainFrame::installPocketPcRequested);

    QMenu* help = menuBar()->addMenu("&Help");
    QAction* about = help->addAction("&About Savorbridge...");
    about->setObjectName("actionAbout");
    connect(about, &QAction::triggered, this, &CMainFrame::aboutRequested);
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
