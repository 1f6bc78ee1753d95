#include "app/PalmInstaller.h"

std::optional<std::filesystem::path> PalmInstaller::FindPrc(const std::filesystem::path& programFolder) {
    for (const auto& candidate : {programFolder / "Palm" / "Savorbridge.prc", programFolder / "Savorbridge.prc"}) {
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error)) {
            return candidate;
        }
    }
    return std::nullopt;
}
