#include "ui/views/CMainFrame.h"

#include "app/CSavorbridgeDoc.h"
#include "app/CSettings.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/FrameGeometry.h"
#include "app/PalmInstaller.h"
#include "app/UpgradeCheck.h"
#include "platform/Profile.h"
#include "platform/StringTable.h"
#include "ui/controls/CProgressBar.h"
#include "ui/controls/CSheetTab.h"
#include "ui/views/CCapsLockIndicator.h"
#include "ui/views/CHackSplitter.h"
#include "ui/views/CLeftSplitter.h"
#include "ui/views/CLeftView.h"
#include "ui/views/CPlaceholderView.h"
#include "ui/views/CSBHtmlViewM.h"
#include "ui/views/CommandActions.h"
#include "ui/views/ReadProgressDisplay.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

namespace {

// Often enough that toolbar buttons follow the selection without a visible lag.
constexpr int kStateIntervalMs = 250;
constexpr int kStatusNoteMs = 5000;
constexpr int kDefaultRightWidth = 600;

constexpr const char* kCommentNote = "Comments are not available yet.";
constexpr const char* kInventoryNote = "The kitchen inventory is not available in this version of Savorbridge.";
constexpr const char* kWebNote = "Browsing Savorbridge on the Web inside this window is not available in this version. "
                                 "The Savorbridge web pages can be opened in your web browser instead.";
constexpr const char* kOpenInBrowser = "Open in Web Browser";
constexpr const char* kCommandNotAvailable = "That command is not available in this version of Savorbridge.";

QString FillPath(const char* text, const std::filesystem::path& path) {
    return QString(text).replace("%s", QString::fromStdString(path.string()));
}

} // namespace

CMainFrame::CMainFrame(CSettings& settings, Profile& profile, CSavorbridgeDoc& doc)
    : m_settings(settings), m_profile(profile), m_doc(doc), m_router([this] { return CommandTargets(); }) {
    setObjectName("mainFrame");
    setWindowTitle("Savorbridge");
    setWindowIcon(QIcon(":/icons/savorbridge.svg"));
    PlaceInitially();
    CreatePanes();
    CreateStatusBar();
    CreateCommands();
    m_left->SetCommandStateSource([this](int id) { return State(id); });
    m_readProgress = std::make_unique<ReadProgressDisplay>(*statusBar());
    m_doc.SetReadProgress([this](std::uint64_t done, std::uint64_t total) { m_readProgress->Report(done, total); });
    connect(&m_doc, &CSavorbridgeDoc::booksChanged, this, &CMainFrame::UpdateCommandStates);
    connect(&m_doc, &CSavorbridgeDoc::displayRequested, this, &CMainFrame::UpdateCommandStates);
    m_stateTimer = new QTimer(this);
    m_stateTimer->setInterval(kStateIntervalMs);
    connect(m_stateTimer, &QTimer::timeout, this, &CMainFrame::UpdateCommandStates);
    m_stateTimer->start();
    UpdateCommandStates();
}

CMainFrame::~CMainFrame() {
    m_doc.SetReadProgress({});
    RememberPlacement();
    m_settings.Save(m_profile);
}

void CMainFrame::PlaceInitially() {
    auto& frame = m_settings.m_frame;
    const auto placement = FrameGeometry::Clamp({frame.x, frame.y, frame.xMax, frame.yMax});
    frame.x = placement.left;
    frame.y = placement.top;
    frame.xMax = placement.right;
    frame.yMax = placement.bottom;
}

// A stored "Frame height" wins and becomes the record's value; without one the
// height follows from the screen or the stored ratio.
int CMainFrame::InitialPaneHeight() {
    const std::string section(CSettings::kSection);
    FrameGeometry::PaneHeightInputs inputs;
    inputs.storedHeight = m_profile.GetInt(section, "Frame height", FrameGeometry::kUnset);
    if (inputs.storedHeight != FrameGeometry::kUnset) {
        m_settings.m_leftPaneHeight = inputs.storedHeight;
    }
    inputs.ratio = m_profile.GetInt(section, "Comment view height ratio", FrameGeometry::kUnset);
    const QScreen* screen = QGuiApplication::primaryScreen();
    inputs.maximizedScreenHeight = screen != nullptr ? screen->availableGeometry().height() : 0;
    const auto& frame = m_settings.m_frame;
    inputs.placement = {frame.x, frame.y, frame.xMax, frame.yMax};
    inputs.recordHeight = m_settings.m_leftPaneHeight;
    return FrameGeometry::InitialPaneHeight(inputs);
}

void CMainFrame::CreatePanes() {
    m_splitter = new CHackSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName("mainSplitter");
    m_splitter->setChildrenCollapsible(false);
    m_leftSplitter = new CLeftSplitter(m_splitter);
    m_leftSplitter->setMinimumWidth(FrameGeometry::kMinimumPaneWidth);
    m_left = new CLeftView(m_doc, m_leftSplitter);
    m_left->setMinimumHeight(FrameGeometry::kMinimumPaneHeight);
    auto* comment = new QLabel(kCommentNote, m_leftSplitter);
    comment->setObjectName("commentSlot");
    comment->setWordWrap(true);
    comment->setAlignment(Qt::AlignCenter);
    comment->setMinimumHeight(comment->sizeHint().height());
    m_commentSlot = comment;
    m_leftSplitter->addWidget(m_left);
    m_leftSplitter->addWidget(m_commentSlot);
    // The comment row takes up a resize first; the splitter then gives its height back.
    m_leftSplitter->setStretchFactor(0, 0);
    m_leftSplitter->setStretchFactor(1, 1);
    m_leftSplitter->SetTopHeight(InitialPaneHeight());

    m_splitter->addWidget(m_leftSplitter);
    m_splitter->addWidget(CreateDisplayView());
    m_viewTarget.SetView(m_display);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({std::max(FrameGeometry::kMinimumPaneWidth, m_settings.m_leftPaneWidth), kDefaultRightWidth});
    setCentralWidget(m_splitter);
    m_left->installEventFilter(this);
    connect(m_left, &CLeftView::commandRequested, this, &CMainFrame::OnPartCommand);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("statusBar");
    bar->showMessage(CProgressBar::kIdleText);
    m_tabs = CSheetTab::Create(bar, {"Display", "Inventory", "Web"}, kTabStripId);
    // Lines the status bar's end up with a help pane once there is one.
    auto* spacer = new QWidget(bar);
    spacer->setObjectName("statusSpacer");
    spacer->setFixedWidth(0);
    bar->addPermanentWidget(spacer);
    bar->addPermanentWidget(new CCapsLockIndicator(bar));
    connect(m_tabs, &QTabBar::currentChanged, this, &CMainFrame::SelectTab);
    m_splitter->SetTabStrip(m_tabs);
}

void CMainFrame::CreateCommands() {
    m_actions = new CommandActions(*this, [this](int id) { Route(id); });
    m_actions->BuildMenuBar(*menuBar());
    m_toolbars = m_actions->BuildToolbars();
    m_actions->BindKeys(*m_left);
    connect(m_actions, &CommandActions::menuAboutToShow, this, &CMainFrame::UpdateCommandStates);
}

CSBHtmlViewM* CMainFrame::CreateDisplayView() {
    auto* view = new CSBHtmlViewM(m_doc);
    view->SetProgramFolder(m_doc.ProgramFolder());
    // Leaving a link gives an empty tip; the pane then shows its idle text again.
    connect(view, &CSBHtmlView::statusTip, this, [this](const QString& tip) {
        statusBar()->showMessage(tip.isEmpty() ? QString(CProgressBar::kIdleText) : tip);
    });
    connect(view, &CSBHtmlViewM::commandRequested, this, &CMainFrame::OnPartCommand);
    m_display = view;
    return view;
}

QWidget* CMainFrame::CreatePlaceholder(int tab) {
    if (tab == InventoryTab) {
        return new CPlaceholderView(kInventoryNote);
    }
    auto* web = new CPlaceholderView(kWebNote);
    web->AddAction(kOpenInBrowser, [this] {
        QDesktopServices::openUrl(QUrl(QString::fromStdString(UpgradeCheck::WebHost(m_profile))));
    });
    return web;
}

QWidget* CMainFrame::CreateRightView(int tab) {
    if (tab == DisplayTab) {
        return CreateDisplayView();
    }
    return CreatePlaceholder(tab);
}

QWidget* CMainFrame::RightView() const {
    return m_splitter->widget(1);
}

QAction* CMainFrame::Action(int id) const {
    return m_actions->Action(id);
}

void CMainFrame::SelectTab(int tab) {
    if (tab == m_tab || tab < DisplayTab || tab > WebTab) {
        return;
    }
    QWidget* old = RightView();
    // The old view may be the one whose link asked for the switch, so it goes once its event is over.
    disconnect(&m_doc, nullptr, old, nullptr);
    m_display = nullptr;
    QWidget* next = CreateRightView(tab);
    // The new view takes the old one's place at its size; the splitter would otherwise share out the width anew.
    const QList<int> sizes = m_splitter->sizes();
    m_splitter->replaceWidget(1, next);
    m_splitter->setSizes(sizes);
    old->hide();
    old->deleteLater();
    m_viewTarget.SetView(m_display);
    m_tab = tab;
    {
        const QSignalBlocker quiet(m_tabs);
        m_tabs->setCurrentIndex(tab);
    }
    m_splitter->update();
    if (m_display != nullptr) {
        m_display->OnInitialUpdate();
        m_doc.Redisplay();
    }
    UpdateCommandStates();
}

std::vector<CommandTarget*> CMainFrame::CommandTargets() {
    return {this, &m_doc, m_left, m_commentTarget, &m_viewTarget};
}

bool CMainFrame::Route(int id) {
    PreselectTab(id);
    const bool handled = m_router.Route(id);
    UpdateCommandStates();
    return handled;
}

// Showing an item, a menu or the shopping list needs the display; a new
// inventory item needs the inventory.
void CMainFrame::PreselectTab(int id) {
    using namespace CommandId;
    if (id == kViewItem || id == kViewMenu || id == kViewShoppingList) {
        SelectTab(DisplayTab);
    } else if (id == kNewInventoryItem) {
        SelectTab(InventoryTab);
    }
}

// A command from a link or a pane's context menu arrives whatever its state,
// so one that nothing can carry out is only noted in the status bar.
void CMainFrame::OnPartCommand(int id) {
    if (!State(id).enabled) {
        statusBar()->showMessage(kCommandNotAvailable, kStatusNoteMs);
        return;
    }
    Route(id);
}

void CMainFrame::UpdateCommandStates() {
    m_actions->Update([this](int id) { return m_router.State(id); });
}

bool CMainFrame::OnCommand(int id) {
    using namespace CommandId;
    switch (id) {
    case kToolbarMain:
    case kToolbarTools:
    case kToolbarHelp:
        ToolbarOf(id)->setVisible(ToolbarOf(id)->isHidden());
        return true;
    case kStatusBar:
        statusBar()->setVisible(statusBar()->isHidden());
        return true;
    case kTabDisplay:
        SelectTab(DisplayTab);
        return true;
    case kTabInventory:
        SelectTab(InventoryTab);
        return true;
    case kTabWeb:
        SelectTab(WebTab);
        return true;
    case kInstallPalm:
        InstallToPalm();
        return true;
    case kInstallPocketPc:
        emit installPocketPcRequested();
        return true;
    case kAbout:
        emit aboutRequested();
        return true;
    case kExit:
        close();
        return true;
    case kNextPane:
        FocusNextPane(1);
        return true;
    case kPreviousPane:
        FocusNextPane(-1);
        return true;
    default:
        return false;
    }
}

bool CMainFrame::OnUpdateCommand(int id, CommandState& state) {
    using namespace CommandId;
    switch (id) {
    case kToolbarMain:
    case kToolbarTools:
    case kToolbarHelp:
        state.checked = !ToolbarOf(id)->isHidden();
        break;
    case kStatusBar:
        state.checked = !statusBar()->isHidden();
        break;
    case kTabDisplay:
        state.checked = m_tab == DisplayTab;
        break;
    case kTabInventory:
        state.checked = m_tab == InventoryTab;
        break;
    case kTabWeb:
        state.checked = m_tab == WebTab;
        break;
    case kInstallPalm:
    case kInstallPocketPc:
    case kAbout:
    case kExit:
    case kNextPane:
    case kPreviousPane:
        break;
    default:
        return false;
    }
    state.enabled = true;
    return true;
}

QToolBar* CMainFrame::ToolbarOf(int toggleId) const {
    const auto& layouts = CommandTable::Toolbars();
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        if (layouts[i].toggleId == toggleId) {
            return m_toolbars[i];
        }
    }
    return nullptr;
}

void CMainFrame::InstallToPalm() {
    const auto prc = PalmInstaller::FindPrc(m_doc.ProgramFolder());
    if (!prc) {
        m_doc.Prompts().Message(StringTable::Get(PalmInstaller::kPrcMissingMessage), PromptIcon::Warning);
        return;
    }
    m_doc.Prompts().Message(FillPath(PalmInstaller::kInstallNotBuilt, *prc).toStdString(), PromptIcon::Information);
}

// F6 and Shift+F6 walk the focus through the panes that can take it.
void CMainFrame::FocusNextPane(int step) {
    const std::vector<QWidget*> panes = {m_left, m_commentSlot, RightView()};
    const int count = static_cast<int>(panes.size());
    int current = 0;
    for (int i = 0; i < count; ++i) {
        if (panes[static_cast<std::size_t>(i)]->isAncestorOf(QApplication::focusWidget())) {
            current = i;
        }
    }
    for (int i = 1; i <= count; ++i) {
        QWidget* pane = panes[static_cast<std::size_t>((current + step * i + count * count) % count)];
        QWidget* target = pane->focusPolicy() != Qt::NoFocus ? pane : pane->nextInFocusChain();
        if (pane->isAncestorOf(target) || target == pane) {
            target->setFocus(Qt::ShortcutFocusReason);
            return;
        }
    }
}

bool CMainFrame::ShowHelpTopic(int) {
    return false;
}

void CMainFrame::ShowWebView() {
    SelectTab(WebTab);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!m_doc.CanCloseFrame()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

// The column's size is kept in the record as the navigation pane is resized,
// once the record holds the stored preferences.
bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_left && event->type() == QEvent::Resize && m_settings.m_frameSettingsLoaded) {
        m_settings.m_leftPaneWidth = m_left->width();
        m_settings.m_leftPaneHeight = m_left->height();
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::ShowInitially() {
    m_splitter->setSizes({std::max(FrameGeometry::kMinimumPaneWidth, m_settings.m_leftPaneWidth), kDefaultRightWidth});
    if (m_display != nullptr) {
        m_display->OnInitialUpdate();
    }
    const auto& frame = m_settings.m_frame;
    setGeometry(frame.x, frame.y, frame.xMax - frame.x, frame.yMax - frame.y);
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
