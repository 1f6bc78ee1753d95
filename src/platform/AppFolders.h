#pragma once

#include <filesystem>
#include <initializer_list>
#include <string_view>

// Where the program's files live. The program folder holds what ships
// (read-only); the data folder holds what the user makes (menus, lists,
// nutrient tables written back at exit).
class AppFolders {
public:
    // The shipped files for an executable at exePath: "<prefix>/share/savorbridge"
    // when installed, "<build>/data" when started from the build tree.
    static std::filesystem::path ProgramFolderFor(const std::filesystem::path& exePath);

    // The running executable's own path (from /proc/self/exe).
    static std::filesystem::path ExecutablePath();

    // $XDG_DATA_HOME/Savorbridge, or ~/.local/share/Savorbridge.
    static std::filesystem::path DefaultDataFolder();

    // Copies each named file from one folder to another unless the target
    // already has it (the user's copy always wins). Files that cannot be
    // copied are left out silently: the caller works without them.
    static void CopyMissingFiles(const std::filesystem::path& from, const std::filesystem::path& to,
                                 std::initializer_list<std::string_view> names);

    // Creates the folder (and its parents) when missing; false when that fails.
    static bool EnsureFolder(const std::filesystem::path& folder);
};
