#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr const char* kManagerKeySection = "[software]\nMicrosoft\\Windows\\CurrentVersion\\App%20Paths\\"
                                           "CEAppMgr.exe\\Default=";

struct RunResult {
    int exitCode = -1;
    std::string errors;
};

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return std::move(text).str();
}

// Runs the real launcher in a folder layout of its own: the launcher's folder
// "PocketPC", a PATH of "bin" only, a profile below "config", no display (so
// errors go to standard error).
class SetupLauncherRun : public testing::Test {
protected:
    fs::path LauncherFolder() const { return m_temp / "PocketPC"; }
    std::string LauncherPath() const { return (LauncherFolder() / "setup").string(); }
    std::string IniPath() const { return (LauncherFolder() / "setup.ini").string(); }
    fs::path BinFolder() const { return m_temp / "bin"; }

    void WriteIni(const std::string& text) const { m_temp.Write("PocketPC/setup.ini", text); }

    void WriteProfile(const std::string& text) const { m_temp.Write("config/Savorbridge/Savorbridge.conf", text); }

    // A stand-in program that writes its arguments, one a line, to its own
    // path + ".args" once it has them all.
    fs::path AddRecorder(const fs::path& path) const {
        const auto record = path.string() + ".args";
        m_temp.Write(fs::relative(path, m_temp.Path()).string(),
                     "#!/bin/sh\n: > '" + record + ".tmp'\nfor a in \"$@\"; do printf '%s\\n' \"$a\" >> '" + record +
                         ".tmp'; done\n/bin/mv '" + record + ".tmp' '" + record + "'\n");
        fs::permissions(path, fs::perms::owner_all);
        return path;
    }

    // The arguments a recorder was started with; nothing when it did not run
    // within a few seconds (the launcher does not wait for what it starts).
    static std::optional<std::vector<std::string>> RecordedArguments(const fs::path& recorder) {
        const auto record = recorder.string() + ".args";
        for (int attempt = 0; attempt < 200 && !fs::exists(record); ++attempt) {
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
        }
        if (!fs::exists(record)) {
            return std::nullopt;
        }
        std::vector<std::string> arguments;
        std::istringstream lines(ReadAll(record));
        for (std::string line; std::getline(lines, line);) {
            arguments.push_back(line);
        }
        return arguments;
    }

    RunResult Run(const std::string& commandLine, const std::optional<fs::path>& workingFolder = std::nullopt) const {
        const auto errorsPath = (m_temp / "stderr.txt").string();
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, errorsPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (workingFolder) {
            posix_spawn_file_actions_addchdir_np(&actions, workingFolder->c_str());
        }
        std::vector<std::string> environment{"PATH=" + BinFolder().string(), "HOME=" + (m_temp / "home").string(),
                                             "XDG_CONFIG_HOME=" + (m_temp / "config").string()};
        environment.insert(environment.end(), m_extraEnvironment.begin(), m_extraEnvironment.end());
        for (const char* passed : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"}) {
            if (const char* value = std::getenv(passed)) {
                environment.push_back(std::string(passed) + "=" + value);
            }
        }
        std::vector<char*> envp;
        for (auto& entry : environment) {
            envp.push_back(entry.data());
        }
        envp.push_back(nullptr);
        std::string argument0 = commandLine;
        char* argv[] = {argument0.data(), nullptr};
        pid_t child = 0;
        const int spawned = ::posix_spawn(&child, SB_SETUP_PATH, &actions, nullptr, argv, envp.data());
        posix_spawn_file_actions_destroy(&actions);
        RunResult result;
        int status = 0;
        if (spawned != 0 || ::waitpid(child, &status, 0) != child) {
            ADD_FAILURE() << "could not run " << SB_SETUP_PATH;
            return result;
        }
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.errors = ReadAll(errorsPath);
        return result;
    }

    void SetUp() override { fs::create_directories(BinFolder()); }

    TempDir m_temp;
    std::vector<std::string> m_extraEnvironment;
};

TEST_F(SetupLauncherRun, StartsTheManagerOnThePathWithTheQuotedInstallFile) {
    WriteIni("[CEAppManager]\nVersion = 1.0\n");
    const auto manager = AddRecorder(BinFolder() / "CEAppMgr");
    const auto result = Run(LauncherPath());
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.errors, "Launching " + manager.string() + " \"" + IniPath() + "\"\n");
    EXPECT_EQ(RecordedArguments(manager), std::vector<std::string>{IniPath()});
}

TEST_F(SetupLauncherRun, ManagerNamedInTheProfileWinsOverThePath) {
    WriteIni("[CEAppManager]\n");
    const auto onPath = AddRecorder(BinFolder() / "CEAppMgr");
    const auto registered = AddRecorder(m_temp / "Program Files" / "CEAppMgr");
    WriteProfile(std::string(kManagerKeySection) + registered.string() + "\n");
    const auto result = Run(LauncherPath());
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(RecordedArguments(registered), std::vector<std::string>{IniPath()});
    EXPECT_FALSE(fs::exists(onPath.string() + ".args"));
}

class SetupLauncherCommandLine : public SetupLauncherRun, public testing::WithParamInterface<const char*> {};

// The folder is the same whether the caller quoted the program path or not,
// and a relative path is resolved where the launcher was started.
TEST_P(SetupLauncherCommandLine, GivesTheSameFolder) {
    WriteIni("[CEAppManager]\n");
    const auto manager = AddRecorder(BinFolder() / "CEAppMgr");
    std::string commandLine = GetParam();
    const auto start = commandLine.find("DIR");
    if (start != std::string::npos) {
        commandLine.replace(start, 3, m_temp.Path().string());
    }
    const auto result = Run(commandLine, m_temp.Path());
    EXPECT_EQ(result.exitCode, 0) << result.errors;
    EXPECT_EQ(RecordedArguments(manager), std::vector<std::string>{IniPath()});
}

INSTANTIATE_TEST_SUITE_P(QuotedAndUnquoted, SetupLauncherCommandLine,
                         testing::Values("DIR/PocketPC/setup", "\"DIR/PocketPC/setup\"", "PocketPC/setup",
                                         "\"PocketPC/setup\"", "./PocketPC/setup"));

TEST_F(SetupLauncherRun, BareProgramNameUsesTheExecutablesOwnFolder) {
    const auto manager = AddRecorder(BinFolder() / "CEAppMgr");
    const auto result = Run("setup");
    EXPECT_EQ(result.exitCode, 0) << result.errors;
    const auto shippedIni = (fs::path(SB_SETUP_PATH).parent_path() / "setup.ini").string();
    EXPECT_EQ(RecordedArguments(manager), std::vector<std::string>{shippedIni});
}

struct InstallerCase {
    const char* name;
    const char* ini;
};

std::ostream& operator<<(std::ostream& out, const InstallerCase& installerCase) {
    return out << installerCase.name;
}

class SetupLauncherInstaller : public SetupLauncherRun, public testing::WithParamInterface<InstallerCase> {};

TEST_P(SetupLauncherInstaller, StartsTheInstallerBelowTheLauncherWithNoParameters) {
    WriteIni(GetParam().ini);
    AddRecorder(BinFolder() / "CEAppMgr");
    const auto installer = AddRecorder(LauncherFolder() / "Installer" / "inst.sh");
    const auto result = Run(LauncherPath());
    EXPECT_EQ(result.exitCode, 0) << result.errors;
    EXPECT_EQ(result.errors, "Launching " + installer.string() + " \n");
    EXPECT_EQ(RecordedArguments(installer), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Lines, SetupLauncherInstaller,
                         testing::Values(InstallerCase{"Backslashes", "[MSILoader]\nRun=Installer\\inst.sh\n"},
                                         InstallerCase{"Slashes", "; uses MSILoader\nRun=Installer/inst.sh\nmore\n"},
                                         InstallerCase{"CarriageReturns", "MSILoader\r\nRun=Installer\\inst.sh\r\n"},
                                         InstallerCase{"NoFinalLineFeed", "MSILoader\nRun=Installer\\inst.sh"},
                                         InstallerCase{"MarkerAnywhereInTheFirstLine",
                                                       "x86-MSILoader-2\nRun=Installer\\inst.sh\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SetupLauncherRun, MissingInstallFileExitsWithFour) {
    AddRecorder(BinFolder() / "CEAppMgr");
    fs::create_directories(LauncherFolder());
    const auto result = Run(LauncherPath());
    EXPECT_EQ(result.exitCode, 4);
    EXPECT_EQ(result.errors, "Error: Unable to find the 'setup.ini' install file. \nRe-install and try again.\n");
}

TEST_F(SetupLauncherRun, UnreachableDisplayStillReportsAndExits) {
    fs::create_directories(LauncherFolder());
    m_extraEnvironment = {"DISPLAY=:87", "XDG_RUNTIME_DIR=" + m_temp.Path().string()};
    const auto result = Run(LauncherPath());
    EXPECT_EQ(result.exitCode, 4);
    EXPECT_EQ(result.errors.rfind("Error: Unable to find the 'setup.ini' install file.", 0), 0U);
}

TEST_F(SetupLauncherRun, InstallFileThatIsAFolderExitsWithFour) {
    fs::create_directories(LauncherFolder() / "setup.ini");
    EXPECT_EQ(Run(LauncherPath()).exitCode, 4);
}

TEST_F(SetupLauncherRun, MissingManagerExitsWithOne) {
    WriteIni("[CEAppManager]\n");
    const auto result = Run(LauncherPath());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.errors, "Error: Unable to find Application Manager for PocketPC Applications\n");
}

TEST_F(SetupLauncherRun, UnusableManagerPathInTheProfileExitsWithTwo) {
    WriteIni("[CEAppManager]\n");
    AddRecorder(BinFolder() / "CEAppMgr");
    for (const auto& value : {std::string(), "/" + std::string(259, 'm')}) {
        WriteProfile(kManagerKeySection + value + "\n");
        const auto result = Run(LauncherPath());
        EXPECT_EQ(result.exitCode, 2) << value;
        EXPECT_EQ(result.errors, "Error: Unable to find Application Manager for PocketPC Applications\n");
    }
}

TEST_F(SetupLauncherRun, ManagerThatCannotStartExitsWithThree) {
    WriteIni("[CEAppManager]\n");
    const auto notExecutable = m_temp.Write("tools/CEAppMgr", "#!/bin/sh\n");
    for (const auto& manager : {(m_temp / "missing" / "CEAppMgr").string(), notExecutable.string()}) {
        WriteProfile(kManagerKeySection + manager + "\n");
        const auto result = Run(LauncherPath());
        EXPECT_EQ(result.exitCode, 3) << manager;
        EXPECT_EQ(result.errors, "Launching " + manager + " \"" + IniPath() +
                                     "\"\nError: Unable to Launch Application Manager for PocketPC Applications\n");
    }
}

TEST_F(SetupLauncherRun, InstallerThatCannotStartExitsWithThreeAndOpensTheReadMe) {
    WriteIni("MSILoader\nRun=Installer\\missing.sh\n");
    const auto opener = AddRecorder(BinFolder() / "xdg-open");
    const auto result = Run(LauncherPath());
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_NE(result.errors.find("Error: Unable to launch the Windows Installer. \nPlease see the ReadMe.txt file for "
                                 "instructions on downloading the Windows Installer Redistributable.\n"),
              std::string::npos);
    EXPECT_EQ(RecordedArguments(opener), std::vector<std::string>{(LauncherFolder() / "ReadMe.txt").string()});
}

TEST_F(SetupLauncherRun, InstallerThatCannotStartExitsWithThreeWithoutADesktopOpener) {
    WriteIni("MSILoader\nRun=Installer\\missing.sh\n");
    EXPECT_EQ(Run(LauncherPath()).exitCode, 3);
}

struct BadInputCase {
    const char* name;
    std::string ini;
    const char* message;
};

std::ostream& operator<<(std::ostream& out, const BadInputCase& badInput) {
    return out << badInput.name;
}

class SetupLauncherBadInput : public SetupLauncherRun, public testing::WithParamInterface<BadInputCase> {};

// Input the launcher cannot use whole is refused before anything starts.
TEST_P(SetupLauncherBadInput, ExitsWithFourAndSaysWhy) {
    WriteIni(GetParam().ini);
    AddRecorder(BinFolder() / "CEAppMgr");
    AddRecorder(LauncherFolder() / std::string(250, 'i'));
    const auto result = Run(LauncherPath());
    EXPECT_EQ(result.exitCode, 4);
    EXPECT_NE(result.errors.find(GetParam().message), std::string::npos) << result.errors;
    EXPECT_EQ(result.errors.find("Launching"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, SetupLauncherBadInput,
    testing::Values(
        BadInputCase{"LongFirstLine", std::string(260, 'x') + "\n", "Line 1 of the 'setup.ini' install file is longer"},
        BadInputCase{"MarkerAfterTheBufferIsStillTooLong", std::string(300, 'x') + "MSILoader\nRun=i\n",
                     "Line 1 of the 'setup.ini' install file is longer"},
        BadInputCase{"LongSecondLine", "MSILoader\nRun=" + std::string(256, 'i') + "\n",
                     "Line 2 of the 'setup.ini' install file is longer"},
        BadInputCase{"InstallerLineWithoutEquals", "MSILoader\nInstaller\\inst.exe\n",
                     "does not name an installer (key=path)"},
        BadInputCase{"NoInstallerLine", "MSILoader\n", "does not name an installer (key=path)"},
        BadInputCase{"LongInstallerPath", "MSILoader\nRun=" + std::string(250, 'i') + "\n", "is longer than 259"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SetupLauncherRun, OverlongCommandLineExitsWithFour) {
    const auto result = Run("/" + std::string(300, 'd') + "/setup");
    EXPECT_EQ(result.exitCode, 4);
    EXPECT_NE(result.errors.find("is longer than 259 characters"), std::string::npos);
}

TEST_F(SetupLauncherRun, LongestFirstLineIsAccepted) {
    WriteIni(std::string(259, 'x') + "\n");
    const auto manager = AddRecorder(BinFolder() / "CEAppMgr");
    EXPECT_EQ(Run(LauncherPath()).exitCode, 0);
    EXPECT_EQ(RecordedArguments(manager), std::vector<std::string>{IniPath()});
}

// The quoted path of "setup.ini" is the longest text the launcher composes in
// manager mode: 259 characters fit, 260 do not.
TEST_F(SetupLauncherRun, LauncherFolderIsAcceptedUpToTheBufferSize) {
    const auto manager = AddRecorder(BinFolder() / "CEAppMgr");
    const std::size_t fixed = m_temp.Path().string().size() + std::string("/\"/setup.ini\"").size();
    for (const std::size_t total : {259U, 260U}) {
        const auto folder = m_temp / std::string(total - fixed, static_cast<char>('a' + total % 2));
        m_temp.Write((folder / "setup.ini").lexically_relative(m_temp.Path()).string(), "[CEAppManager]\n");
        const auto result = Run((folder / "setup").string());
        EXPECT_EQ(result.exitCode, total < 260 ? 0 : 4) << total << result.errors;
    }
    EXPECT_EQ(RecordedArguments(manager).value_or(std::vector<std::string>{}).size(), 1U);
}

} // namespace
