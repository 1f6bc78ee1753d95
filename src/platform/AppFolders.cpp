#include "platform/AppFolders.h"

#include <cstdlib>
#include <system_error>

namespace fs = std::filesystem;

fs::path AppFolders::ProgramFolderFor(const fs::path& exePath) {
    const fs::path prefix = exePath.parent_path().parent_path();
    const fs::path installed = prefix / "share" / "savorbridge";
    std::error_code error;
    if (fs::is_directory(installed, error)) {
        return installed;
    }
    return prefix / "data";
}

fs::path AppFolders::ExecutablePath() {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : self;
}

fs::path AppFolders::DefaultDataFolder() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg == '/') {
        return fs::path(xdg) / "Savorbridge";
    }
    const char* home = std::getenv("HOME");
    const fs::path base = home != nullptr && *home != '\0' ? fs::path(home) : fs::temp_directory_path();
    return base / ".local" / "share" / "Savorbridge";
}

bool AppFolders::EnsureFolder(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    return fs::is_directory(folder, error);
}

void AppFolders::CopyMissingFiles(const fs::path& from, const fs::path& to,
                                  std::initializer_list<std::string_view> names) {
    for (const auto name : names) {
        std::error_code error;
        const fs::path target = to / name;
        if (!fs::exists(target, error)) {
            fs::copy_file(from / name, target, error);
        }
    }
}
