#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// What the look-up of the Pocket PC application manager found.
struct ManagerLookup {
    enum class Status { Found, NotRegistered, Unreadable };
    Status status = Status::NotRegistered;
    std::string path;
};

// Finds the Pocket PC application manager. Its installer registers it under
// an "App Paths" key; on this platform the same key lives in the program's INI
// profile (~/.config/Savorbridge/Savorbridge.conf), as the key path
// "software/Microsoft/Windows/CurrentVersion/App Paths/CEAppMgr.exe/Default",
// e.g.
//     [software]
//     Microsoft\Windows\CurrentVersion\App%20Paths\CEAppMgr.exe\Default=/opt/ceappmgr/CEAppMgr
// Without that key an executable named "CEAppMgr" on the PATH is used.
class AppManagerLocator {
public:
    static constexpr std::string_view kProfileKey =
        "software/Microsoft/Windows/CurrentVersion/App Paths/CEAppMgr.exe/Default";
    static constexpr std::string_view kExecutableName = "CEAppMgr";

    // An empty profile value counts as unreadable: the key is there but names
    // nothing that could be started.
    static ManagerLookup Locate(const std::optional<std::filesystem::path>& profile, std::string_view searchPath);

private:
    static std::optional<std::string> FindOnPath(std::string_view searchPath);
};
