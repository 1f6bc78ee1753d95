#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Hands the Pocket PC installation to the application manager, passing it the
// "setup.ini" beside the launcher, or, when that file's first line mentions
// "MSILoader", starts the installer named on its second line.
class SetupLauncher {
public:
    enum ExitCode {
        kStarted = 0,
        kManagerNotRegistered = 1,
        kManagerPathUnreadable = 2,
        kStartFailed = 3,
        kInstallFileUnusable = 4,
    };

    // Every path and line the launcher handles stays below this many
    // characters; longer input is refused rather than cut.
    static constexpr std::size_t kBufferSize = 260;

    // commandLine is the program path the launcher was started with, quoted
    // or not; nothing when the system gave none.
    int Run(const std::optional<std::string>& commandLine);

private:
    enum class Mode { Manager, Installer };

    std::optional<int> TakeDirectory(const std::optional<std::string>& commandLine);
    std::optional<int> ReadInstallFile();
    std::optional<int> TakeInstaller(std::istream& file);
    std::optional<int> FindManager();
    int ReportStartFailure();
    std::string ParametersText() const;

    static std::optional<int> RefuseLongPath(std::string_view path);
    static std::optional<int> RefuseLongLine(std::string_view line, int number);
    static int Fail(const std::string& message, int exitCode);

    std::string m_directory;
    std::string m_program;
    std::vector<std::string> m_parameters;
    Mode m_mode = Mode::Manager;
};
