#pragma once

#include <QMainWindow>

class CSettings;
class Profile;

// The main window. It keeps its placement in the preferences record and
// writes the whole record to the profile when it is destroyed.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(CSettings& settings, Profile& profile);
    ~CMainFrame() override;

    // Shows the window restored at its last placement, or maximized.
    void ShowInitially();

    // Opens a help topic by its context id; false when there is no help to show.
    bool ShowHelpTopic(int contextId);

    // Switches to the maker's web pages.
    void ShowWebView();

signals:
    void aboutRequested();
    void installPocketPcRequested();

private:
    void CreateMenus();
    void RememberPlacement();

    CSettings& m_settings;
    Profile& m_profile;
};
