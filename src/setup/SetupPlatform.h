#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The few services of the system that the launcher uses.
class SetupPlatform {
public:
    // The folder of the running executable, for a launcher started by a bare
    // name found on the PATH.
    static std::optional<std::string> ExecutableDirectory();

    // A relative folder made absolute against the current directory, so that
    // the programs started get a path that does not depend on where they run.
    static std::string AbsoluteDirectory(const std::string& directory);

    // The program's INI profile: $XDG_CONFIG_HOME, else ~/.config, then
    // "Savorbridge/Savorbridge.conf"; nothing when neither variable is set.
    static std::optional<std::filesystem::path> ProfilePath();

    static std::string SearchPath();

    // Starts the program with the arguments and does not wait for it; false
    // when it could not be started. A program without "/" is looked up on the
    // PATH.
    static bool Start(const std::string& program, const std::vector<std::string>& arguments);

    // Opens a document with the desktop's default application (xdg-open).
    static bool OpenWithDesktop(const std::string& path);

    // The launcher's one line of diagnostics, on standard error.
    static void Trace(std::string_view text);
};
