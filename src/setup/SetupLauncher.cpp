#include "setup/SetupLauncher.h"

#include "setup/AppManagerLocator.h"
#include "setup/ErrorBox.h"
#include "setup/LauncherCommandLine.h"
#include "setup/SetupPlatform.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

constexpr const char* kInstallFileMissing = "Unable to find the 'setup.ini' install file. \nRe-install and try again.";
constexpr const char* kManagerMissing = "Unable to find Application Manager for PocketPC Applications";
constexpr const char* kManagerFailed = "Unable to Launch Application Manager for PocketPC Applications";
constexpr const char* kInstallerFailed =
    "Unable to launch the Windows Installer. \nPlease see the ReadMe.txt file for instructions on downloading the "
    "Windows Installer Redistributable.";
constexpr const char* kNoInstaller = "The second line of the 'setup.ini' install file does not name an installer "
                                     "(key=path). \nRe-install and try again.";
constexpr std::string_view kInstallerMarker = "MSILoader";

} // namespace

int SetupLauncher::Run(const std::optional<std::string>& commandLine) {
    if (const auto failed = TakeDirectory(commandLine)) {
        return *failed;
    }
    if (const auto failed = ReadInstallFile()) {
        return *failed;
    }
    if (m_program.empty()) {
        if (const auto failed = FindManager()) {
            return *failed;
        }
    }
    SetupPlatform::Trace("Launching " + m_program + " " + ParametersText() + "\n");
    if (SetupPlatform::Start(m_program, m_parameters)) {
        return kStarted;
    }
    return ReportStartFailure();
}

std::optional<int> SetupLauncher::TakeDirectory(const std::optional<std::string>& commandLine) {
    if (commandLine) {
        if (const auto failed = RefuseLongPath(*commandLine)) {
            return failed;
        }
    }
    auto directory = commandLine ? LauncherCommandLine::Directory(*commandLine) : std::nullopt;
    if (!directory) {
        directory = SetupPlatform::ExecutableDirectory();
    }
    if (!directory) {
        return Fail(kInstallFileMissing, kInstallFileUnusable);
    }
    m_directory = SetupPlatform::AbsoluteDirectory(*directory);
    return std::nullopt;
}

std::optional<int> SetupLauncher::ReadInstallFile() {
    const auto path = LauncherCommandLine::Join(m_directory, "setup.ini");
    // The quoted form is what the trace shows, so that is what has to fit.
    if (const auto failed = RefuseLongPath("\"" + path + "\"")) {
        return failed;
    }
    std::error_code error;
    std::ifstream file;
    if (!std::filesystem::is_directory(path, error)) {
        file.open(path, std::ios::binary);
    }
    if (!file.is_open()) {
        return Fail(kInstallFileMissing, kInstallFileUnusable);
    }
    m_parameters = {path};
    std::string firstLine;
    std::getline(file, firstLine);
    if (const auto failed = RefuseLongLine(firstLine, 1)) {
        return failed;
    }
    if (firstLine.find(kInstallerMarker) == std::string::npos) {
        return std::nullopt;
    }
    return TakeInstaller(file);
}

// The installer line is "key=path", the path relative to the launcher's
// folder and possibly written with backslashes by a Windows tool.
std::optional<int> SetupLauncher::TakeInstaller(std::istream& file) {
    std::string line;
    if (!std::getline(file, line)) {
        return Fail(kNoInstaller, kInstallFileUnusable);
    }
    if (line.ends_with('\r')) {
        line.pop_back();
    }
    if (const auto failed = RefuseLongLine(line, 2)) {
        return failed;
    }
    const auto equals = line.find('=');
    if (equals == std::string::npos) {
        return Fail(kNoInstaller, kInstallFileUnusable);
    }
    auto relative = line.substr(equals + 1);
    std::ranges::replace(relative, '\\', '/');
    const auto program = LauncherCommandLine::Join(m_directory, relative);
    if (const auto failed = RefuseLongPath(program)) {
        return failed;
    }
    m_program = program;
    m_parameters.clear();
    m_mode = Mode::Installer;
    return std::nullopt;
}

std::optional<int> SetupLauncher::FindManager() {
    const auto lookup = AppManagerLocator::Locate(SetupPlatform::ProfilePath(), SetupPlatform::SearchPath());
    switch (lookup.status) {
    case ManagerLookup::Status::NotRegistered:
        return Fail(kManagerMissing, kManagerNotRegistered);
    case ManagerLookup::Status::Unreadable:
        return Fail(kManagerMissing, kManagerPathUnreadable);
    case ManagerLookup::Status::Found:
        break;
    }
    if (lookup.path.size() >= kBufferSize) {
        return Fail(kManagerMissing, kManagerPathUnreadable);
    }
    m_program = lookup.path;
    return std::nullopt;
}

int SetupLauncher::ReportStartFailure() {
    if (m_mode == Mode::Manager) {
        return Fail(kManagerFailed, kStartFailed);
    }
    ErrorBox::Show(kInstallerFailed);
    // The read-me only helps; the launcher has failed either way.
    SetupPlatform::OpenWithDesktop(LauncherCommandLine::Join(m_directory, "ReadMe.txt"));
    return kStartFailed;
}

std::string SetupLauncher::ParametersText() const {
    std::string text;
    for (const auto& parameter : m_parameters) {
        text += (text.empty() ? "\"" : " \"") + parameter + "\"";
    }
    return text;
}

std::optional<int> SetupLauncher::RefuseLongPath(std::string_view path) {
    if (path.size() < kBufferSize) {
        return std::nullopt;
    }
    return Fail("The path '" + std::string(path) + "' is longer than " + std::to_string(kBufferSize - 1) +
                    " characters.\nMove the PocketPC folder to a shorter path and try again.",
                kInstallFileUnusable);
}

std::optional<int> SetupLauncher::RefuseLongLine(std::string_view line, int number) {
    if (line.size() < kBufferSize) {
        return std::nullopt;
    }
    return Fail("Line " + std::to_string(number) + " of the 'setup.ini' install file is longer than " +
                    std::to_string(kBufferSize - 1) + " characters. \nRe-install and try again.",
                kInstallFileUnusable);
}

int SetupLauncher::Fail(const std::string& message, int exitCode) {
    ErrorBox::Show(message);
    return exitCode;
}
