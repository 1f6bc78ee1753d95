#include "platform/AtomicFile.h"

#include "platform/AtomicFileWriter.h"
#include "platform/FileError.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

std::string Describe(const std::filesystem::path& path, const char* action) {
    return std::string("Cannot ") + action + " \"" + path.string() + "\": " + std::strerror(errno);
}

} // namespace

void AtomicFile::Write(const std::filesystem::path& target, std::string_view bytes) {
    AtomicFileWriter file(target);
    file.Append(bytes);
    file.Commit();
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
