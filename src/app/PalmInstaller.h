#pragma once

#include <filesystem>
#include <optional>

// The Palm install command: the handheld application ships in the "Palm"
// folder of the program folder, or beside the program in older layouts.
class PalmInstaller {
public:
    // The message shown when the handheld application is not there.
    static constexpr int kPrcMissingMessage = 583;
    static constexpr const char* kInstallNotBuilt =
        "The Palm application was found at\n%s\nbut handing it to the Palm install tool is not available in this "
        "version of Savorbridge. Please install it with your handheld's own tools.";

    // "Palm/Savorbridge.prc" below the program folder, else "Savorbridge.prc"
    // in it; nothing when neither is a file.
    static std::optional<std::filesystem::path> FindPrc(const std::filesystem::path& programFolder);
};
