#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// A fresh folder for one test, removed with everything in it afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(std::string_view name) const { return m_path / name; }

    // Writes bytes to a file in the folder and returns its path.
    std::filesystem::path Write(std::string_view name, std::string_view bytes) const;

private:
    std::filesystem::path m_path;
};

// The bytes of a fixture below tests/data.
std::string ReadFixture(std::string_view relativePath);
std::filesystem::path FixturePath(std::string_view relativePath);
