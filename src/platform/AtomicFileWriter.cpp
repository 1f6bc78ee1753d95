#include "platform/AtomicFileWriter.h"

#include "platform/FileError.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <string>
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

} // namespace

AtomicFileWriter::AtomicFileWriter(const std::filesystem::path& target)
    : m_target(target), m_temporary(TemporaryBeside(target)) {
    m_fd = ::open(m_temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (m_fd < 0) {
        throw FileError(m_target, Describe(m_target, "write"));
    }
}

AtomicFileWriter::~AtomicFileWriter() {
    if (m_fd >= 0) {
        Discard();
    }
}

void AtomicFileWriter::Append(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(m_fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            const FileError error(m_target, Describe(m_target, "write"));
            Discard();
            throw error;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void AtomicFileWriter::Commit() {
    if (::fsync(m_fd) != 0) {
        const FileError error(m_target, Describe(m_target, "write"));
        Discard();
        throw error;
    }
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0 || std::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        const FileError error(m_target, Describe(m_target, "write"));
        ::unlink(m_temporary.c_str());
        throw error;
    }
}

void AtomicFileWriter::Discard() {
    ::close(m_fd);
    m_fd = -1;
    ::unlink(m_temporary.c_str());
}
