#include "app/PocketPcInstaller.h"

std::optional<std::filesystem::path> PocketPcInstaller::FindSetup(const std::filesystem::path& programFolder) {
    const auto setup = programFolder / "PocketPC" / "setup";
    std::error_code error;
    if (!std::filesystem::is_regular_file(setup, error)) {
        return std::nullopt;
    }
    return setup;
}
