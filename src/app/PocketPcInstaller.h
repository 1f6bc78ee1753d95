#pragma once

#include <filesystem>
#include <optional>

// The Pocket PC install command: the setup launcher ships in the "PocketPC"
// folder of the program folder, beside the "setup.ini" it hands on.
class PocketPcInstaller {
public:
    // The message shown when the launcher is not there.
    static constexpr int kSetupMissingMessage = 584;

    // "PocketPC/setup" below the program folder when that is a file (or a link
    // to one); nothing otherwise.
    static std::optional<std::filesystem::path> FindSetup(const std::filesystem::path& programFolder);
};
