#pragma once

#include <QMainWindow>

#include <functional>

class CLeftView;
class CSBHtmlViewM;
class CSavorbridgeDoc;
class CSettings;
class QSplitter;
class Profile;
class QAction;
class QCloseEvent;
class QMenu;

// The main window. It keeps its placement in the preferences record and
// writes the whole record to the profile when it is destroyed.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(CSettings& settings, Profile& profile, CSavorbridgeDoc& doc);
    ~CMainFrame() override;

    // Shows the window restored at its last placement, or maximized.
    void ShowInitially();

    // Opens a help topic by its context id; false when there is no help to show.
    bool ShowHelpTopic(int contextId);

    // Switches to the maker's web pages.
    void ShowWebView();

    CLeftView& NavigationPane() const { return *m_left; }
    CSBHtmlViewM& DisplayView() const { return *m_display; }

signals:
    void aboutRequested();
    void installPocketPcRequested();

protected:
    // The workspace decides: unsaved books are offered for saving first.
    void closeEvent(QCloseEvent* event) override;

private:
    void CreatePanes();
    void CreateMenus();
    void CreateFileMenu();
    void CreateViewMenu();
    void OnPageCommand(int id);
    QAction* AddCommand(QMenu* menu, const QString& text, const char* name,
                        std::function<void(CSavorbridgeDoc&)> command);
    void UpdateCommands();
    void RememberPlacement();

    CSettings& m_settings;
    Profile& m_profile;
    CSavorbridgeDoc& m_doc;
    QAction* m_save = nullptr;
    QAction* m_saveAs = nullptr;
    QSplitter* m_splitter = nullptr;
    CLeftView* m_left = nullptr;
    CSBHtmlViewM* m_display = nullptr;
};
