#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Whole-file reads and writes. Writing goes to a temporary file beside the
// target that is renamed over it only once every byte is on disk, so a failed
// save never costs the user the previous copy.
class AtomicFile {
public:
    // Throws FileError.
    static void Write(const std::filesystem::path& target, std::string_view bytes);

    // Throws FileError when the file cannot be opened or read.
    static std::string Read(const std::filesystem::path& path);
};
