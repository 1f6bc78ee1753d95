#include "model/VersionBanner.h"

#include "model/ArchiveError.h"
#include "model/ArchiveReader.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Compared as a whole. Two releases of 2002 are out of order: the one
// labelled V3.0 wrote version 250 and the later V2.51 wrote 251.
const std::array kBanners = std::to_array<std::pair<std::string_view, int>>({
    {"Savorbridge Copyright (c) 1999 Savorbridge Kitchen Software", 100},
    {"Savorbridge V1.0 Copyright (c) 1999 Savorbridge Kitchen Software", 100},
    {"Savorbridge V2.0 Copyright (c) 2000 Savorbridge Kitchen Software", 200},
    {"Savorbridge V3.0 Copyright (c) 2002 Savorbridge Kitchen Software", 250},
    {"Savorbridge V2.51 Copyright (c) 2002 Savorbridge Kitchen Software", 251},
    {"Savorbridge Version 3.0 Copyright (c) 2004 Savorbridge Kitchen Software", 300},
    {"Savorbridge Version 3.9 Copyright (c) 2005 Savorbridge Kitchen Software", 390},
    {"Savorbridge Version 4.0 Copyright (c) 2005 Savorbridge Kitchen Software", 400},
});

} // namespace

std::string_view VersionBanner::Current() {
    return ForVersion(kCurrentVersion);
}

// The last banner of the version, so that 100 gives the V1.0 sentence.
std::string_view VersionBanner::ForVersion(int version) {
    const auto found = std::find_if(kBanners.rbegin(), kBanners.rend(),
                                    [version](const auto& banner) { return banner.second == version; });
    return found != kBanners.rend() ? found->first : std::string_view();
}

int VersionBanner::FileVersion(std::string_view banner) {
    const auto found =
        std::find_if(kBanners.begin(), kBanners.end(), [banner](const auto& known) { return known.first == banner; });
    return found != kBanners.end() ? found->second : 0;
}

std::optional<int> VersionBanner::ReadKnown(ArchiveReader& reader) {
    try {
        const int version = FileVersion(reader.ReadString());
        if (version != 0 && version <= kCurrentVersion) {
            return version;
        }
    } catch (const ArchiveError&) {
    }
    return std::nullopt;
}
