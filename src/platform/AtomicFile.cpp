#include "platform/AtomicFile.h"

#include "platform/FileError.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <random>
#include <sstream>
#include <unistd.h>

namespace {

std::string Describe(const std::filesystem::path& path, const char* action) {
    return std::string("Cannot ") + action + " \"" + path.string() + "\": " + std::strerror(errno);
}

std::filesystem::path TemporaryBeside(const std::filesystem::path& target) {
    std::random_device random;
    std::string name = ".";
    name.append(target.filename().string()).append(".").append(std::to_string(random() % 1000000)).append(".tmp");
    return target.parent_path() / name;
}

void WriteAll(int fd, std::string_view bytes, const std::filesystem::path& path) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            throw FileError(path, Describe(path, "write"));
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

} // namespace

void AtomicFile::Write(const std::filesystem::path& target, std::string_view bytes) {
    const auto temporary = TemporaryBeside(target);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        throw FileError(target, Describe(target, "write"));
    }
    try {
        WriteAll(fd, bytes, target);
        if (::fsync(fd) != 0) {
            throw FileError(target, Describe(target, "write"));
        }
    } catch (...) {
        ::close(fd);
        ::unlink(temporary.c_str());
        throw;
    }
    if (::close(fd) != 0 || std::rename(temporary.c_str(), target.c_str()) != 0) {
        const FileError error(target, Describe(target, "write"));
        ::unlink(temporary.c_str());
        throw error;
    }
}

std::string AtomicFile::Read(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw FileError(path, Describe(path, "open"));
    }
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) {
        throw FileError(path, Describe(path, "read"));
    }
    return std::move(content).str();
}
