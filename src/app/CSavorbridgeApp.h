#pragma once

#include "app/StartupCommandLine.h"

#include <QObject>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class CMainFrame;
class CSavorbridgeDoc;
class CSettings;
class HttpClient;
class Profile;
class UpgradeCheck;
class UserPrompts;
namespace Nutrient {
class PortionUnits;
}

// The application object: prepares the process, creates the main window,
// opens what start-up asks for and makes the first-run or upgrade step.
class CSavorbridgeApp : public QObject {
    Q_OBJECT
public:
    struct Services {
        CSettings& settings;
        Profile& profile;
        UserPrompts& prompts;
        HttpClient& http;
    };

    static constexpr int kFirstRunHelpTopic = 4102;

    CSavorbridgeApp(Services services, std::vector<std::string> arguments, std::filesystem::path executable = {});
    ~CSavorbridgeApp() override;

    bool InitInstance();
    void ExitInstance();

    // Starts the handheld companion's setup launcher, or says it is missing.
    void InstallToPocketPc();

    CMainFrame* MainFrame() const { return m_frame; }
    CSavorbridgeDoc* Document() const { return m_doc.get(); }
    const std::filesystem::path& ProgramFolder() const { return m_programFolder; }
    const std::filesystem::path& DataFolder() const { return m_dataFolder; }
    const StartupCommandLine& CommandLine() const { return m_commandLine; }

private:
    void PrepareFolders();
    void CreateNutrientDatabase();
    void CreateMainFrame();
    void OnFirstUpdate();
    void FirstRunOrUpgradeCheck();
    void ShowAbout();

    Services m_services;
    StartupCommandLine m_commandLine;
    std::filesystem::path m_executable;
    std::filesystem::path m_programFolder;
    std::filesystem::path m_dataFolder;
    std::unique_ptr<CSavorbridgeDoc> m_doc;
    std::unique_ptr<Nutrient::PortionUnits> m_portionUnits;
    CMainFrame* m_frame = nullptr;
    std::unique_ptr<UpgradeCheck> m_upgradeCheck;
};
