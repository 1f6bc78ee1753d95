#pragma once

#include <optional>
#include <string>
#include <string_view>

// The sentence that opens every book and menu file, and the file version
// that a known sentence stands for (0 for an unknown one).
class ArchiveReader;

class VersionBanner {
public:
    static constexpr int kCurrentVersion = 400;

    // The banner written by this program.
    static std::string_view Current();
    static std::string_view ForVersion(int version);
    static int FileVersion(std::string_view banner);

    // Reads the banner at the start of a file: the version when the banner is
    // one this program can read, nothing when it is unknown, newer than this
    // program, or cannot even be read (then the file is not one of ours).
    static std::optional<int> ReadKnown(ArchiveReader& reader);
};
