#include "setup/AppManagerLocator.h"

#include "setup/LauncherCommandLine.h"
#include "setup/ProfileIni.h"

#include <unistd.h>

ManagerLookup AppManagerLocator::Locate(const std::optional<std::filesystem::path>& profile,
                                        std::string_view searchPath) {
    const auto registered = profile ? ProfileIni::Value(*profile, kProfileKey) : std::nullopt;
    if (registered) {
        if (registered->empty()) {
            return {ManagerLookup::Status::Unreadable, {}};
        }
        return {ManagerLookup::Status::Found, *registered};
    }
    if (auto found = FindOnPath(searchPath)) {
        return {ManagerLookup::Status::Found, std::move(*found)};
    }
    return {ManagerLookup::Status::NotRegistered, {}};
}

// Only absolute PATH entries are searched: an empty or relative entry would
// start whatever "CEAppMgr" happens to lie in the current directory.
std::optional<std::string> AppManagerLocator::FindOnPath(std::string_view searchPath) {
    while (!searchPath.empty()) {
        const auto colon = searchPath.find(':');
        const auto entry = searchPath.substr(0, colon);
        searchPath = colon == std::string_view::npos ? std::string_view() : searchPath.substr(colon + 1);
        if (!entry.starts_with('/')) {
            continue;
        }
        const auto candidate = LauncherCommandLine::Join(entry, kExecutableName);
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error) && ::access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return std::nullopt;
}
