#pragma once

#include "app/CommandRouter.h"
#include "app/CommandTarget.h"
#include "ui/views/HtmlViewTarget.h"

#include <QMainWindow>

#include <array>
#include <memory>

class CHackSplitter;
class CLeftSplitter;
class CLeftView;
class CSBHtmlViewM;
class CSavorbridgeDoc;
class CSettings;
class CSheetTab;
class CommandActions;
class Profile;
class QAction;
class QCloseEvent;
class QSplitter;
class QTimer;
class QToolBar;
class ReadProgressDisplay;

// The main window: the navigation pane above the comment window on the left,
// the view of the selected tab on the right, three toolbars and a status bar
// with the tabs. It routes every command to the part that handles it, keeps
// its placement in the preferences record and writes the whole record to the
// profile when it is destroyed.
class CMainFrame : public QMainWindow, public CommandTarget {
    Q_OBJECT
public:
    enum Tab { DisplayTab = 0, InventoryTab = 1, WebTab = 2 };
    static constexpr int kTabStripId = 5000;

    CMainFrame(CSettings& settings, Profile& profile, CSavorbridgeDoc& doc);
    ~CMainFrame() override;

    // Shows the window restored at its last placement, or maximized.
    void ShowInitially();

    // Opens a help topic by its context id; false when there is no help to show.
    bool ShowHelpTopic(int contextId);

    // Switches to the maker's web pages.
    void ShowWebView();

    // Shows view t on the right; nothing when it is already there.
    void SelectTab(int tab);
    int CurrentTab() const { return m_tab; }

    // Offers the command to every part in routing order; false when none took it.
    bool Route(int id);
    CommandState State(int id) const { return m_router.State(id); }
    // Who is offered a command, in order: this window, the document, the
    // navigation pane, the comment window, the view on the right.
    std::vector<CommandTarget*> CommandTargets();
    // The comment window, once there is one, takes its place in the routing.
    void SetCommentTarget(CommandTarget* target) { m_commentTarget = target; }
    void UpdateCommandStates();

    CLeftView& NavigationPane() const { return *m_left; }
    // The display view; nullptr while another tab shows.
    CSBHtmlViewM* DisplayView() const { return m_display; }
    QWidget* RightView() const;
    QAction* Action(int id) const;

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

signals:
    void aboutRequested();
    void installPocketPcRequested();

protected:
    // The workspace decides: unsaved books are offered for saving first.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreatePanes();
    void CreateStatusBar();
    void CreateCommands();
    QWidget* CreateRightView(int tab);
    CSBHtmlViewM* CreateDisplayView();
    QWidget* CreatePlaceholder(int tab);
    void PlaceInitially();
    int InitialPaneHeight();
    void PreselectTab(int id);
    bool OnFrameCommand(int id);
    QToolBar* ToolbarOf(int toggleId) const;
    void InstallToPalm();
    void FocusNextPane(int step);
    void OnPartCommand(int id);
    void RememberPlacement();

    CSettings& m_settings;
    Profile& m_profile;
    CSavorbridgeDoc& m_doc;
    CommandRouter m_router;
    HtmlViewTarget m_viewTarget;
    CommandTarget* m_commentTarget = nullptr;
    CommandActions* m_actions = nullptr;
    std::array<QToolBar*, 3> m_toolbars{};
    CHackSplitter* m_splitter = nullptr;
    CLeftSplitter* m_leftSplitter = nullptr;
    CLeftView* m_left = nullptr;
    QWidget* m_commentSlot = nullptr;
    CSBHtmlViewM* m_display = nullptr;
    CSheetTab* m_tabs = nullptr;
    QTimer* m_stateTimer = nullptr;
    std::unique_ptr<ReadProgressDisplay> m_readProgress;
    int m_tab = DisplayTab;
};
