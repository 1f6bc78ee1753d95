#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

// A file could not be opened, read or written. Thrown by the file layers and
// caught by the operation that started the work, which tells the user.
class FileError : public std::runtime_error {
public:
    FileError(std::filesystem::path path, const std::string& what)
        : std::runtime_error(what), m_path(std::move(path)) {}

    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};
