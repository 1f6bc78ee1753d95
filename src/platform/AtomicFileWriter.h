#pragma once

#include <filesystem>
#include <string_view>

// A file written piece by piece into a temporary file beside the target and
// renamed over it by Commit once every byte is on disk. Destroying the writer
// without a commit removes the temporary file and leaves the target alone.
class AtomicFileWriter {
public:
    // Throws FileError.
    explicit AtomicFileWriter(const std::filesystem::path& target);
    ~AtomicFileWriter();

    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Throws FileError.
    void Append(std::string_view bytes);
    // Throws FileError.
    void Commit();

private:
    void Discard();

    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    int m_fd = -1;
};
