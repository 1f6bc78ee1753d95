#include "support/TempDir.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "sbtest-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code error;
    std::filesystem::remove_all(m_path, error);
}

std::filesystem::path TempDir::Write(std::string_view name, std::string_view bytes) const {
    const auto path = m_path / name;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::filesystem::path FixturePath(std::string_view relativePath) {
    return std::filesystem::path(SB_TEST_DATA_DIR) / relativePath;
}

std::string ReadFixture(std::string_view relativePath) {
    std::ifstream in(FixturePath(relativePath), std::ios::binary);
    if (!in) {
        throw std::runtime_error("missing fixture " + std::string(relativePath));
    }
    std::ostringstream content;
    content << in.rdbuf();
    return std::move(content).str();
}
