#pragma once

#include <string>
#include <string_view>

// The sentence that opens every book and menu file, and the file version
// that a known sentence stands for (0 for an unknown one).
class VersionBanner {
public:
    static constexpr int kCurrentVersion = 400;

    // The banner written by this program.
    static std::string_view Current();
    static std::string_view ForVersion(int version);
    static int FileVersion(std::string_view banner);
};
