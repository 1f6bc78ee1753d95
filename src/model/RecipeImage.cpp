#include "model/RecipeImage.h"

#include "model/ArchiveReader.h"
#include "model/ArchiveWriter.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <memory>
#include <random>
#include <system_error>

namespace {

using FileHandle = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

constexpr std::size_t kMaxExtension = 16;
constexpr int kCreateAttempts = 100;

std::string ExtensionOf(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    return dot == std::string::npos ? std::string() : path.substr(dot);
}

// The extension comes from the file, so it must not be able to name another
// folder or a hidden file: only a dot and letters or digits are taken.
std::string SafeExtension(std::string_view header) {
    const std::string_view extension = header.size() > 2 ? header.substr(2) : std::string_view();
    const bool safe = extension.size() >= 2 && extension.size() <= kMaxExtension && extension.front() == '.' &&
                      std::all_of(extension.begin() + 1, extension.end(),
                                  [](char ch) { return std::isalnum(static_cast<unsigned char>(ch)) != 0; });
    return safe ? std::string(extension) : std::string();
}

bool LeadingNumberIsNonZero(std::string_view header) {
    int value = 0;
    std::from_chars(header.data(), header.data() + header.size(), value);
    return value != 0;
}

// A new file named "img…<extension>" that did not exist before.
std::pair<FileHandle, std::filesystem::path> CreateUniqueFile(const std::filesystem::path& folder,
                                                              const std::string& extension) {
    static std::mt19937 random{std::random_device{}()};
    for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, "img%08x", static_cast<unsigned>(random()));
        const std::filesystem::path path = folder / (name + extension);
        FileHandle file(std::fopen(path.c_str(), "wbx"), &std::fclose);
        if (file != nullptr) {
            return {std::move(file), path};
        }
    }
    return {FileHandle(nullptr, &std::fclose), std::filesystem::path()};
}

void WriteChunks(ArchiveWriter& archive, std::FILE* file) {
    char chunk[RecipeImage::kChunkSize];
    std::size_t got = 0;
    while (file != nullptr && (got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        archive.WriteShort(static_cast<std::int16_t>(got));
        archive.WriteRaw(std::string_view(chunk, got));
    }
    archive.WriteShort(0);
}

} // namespace

RecipeImage::RecipeImage(std::string path, bool shown, bool temporary)
    : m_path(std::move(path)), m_shown(shown), m_temporary(temporary) {}

RecipeImage::RecipeImage(RecipeImage&& other) noexcept
    : m_path(std::move(other.m_path)), m_shown(other.m_shown), m_temporary(other.m_temporary) {
    other.m_temporary = false;
}

RecipeImage& RecipeImage::operator=(RecipeImage&& other) noexcept {
    if (this != &other) {
        RemoveTemporaryFile();
        m_path = std::move(other.m_path);
        m_shown = other.m_shown;
        m_temporary = other.m_temporary;
        other.m_temporary = false;
    }
    return *this;
}

RecipeImage::~RecipeImage() {
    RemoveTemporaryFile();
}

// A file that is already gone is fine: the user or the system cleaned up.
void RecipeImage::RemoveTemporaryFile() noexcept {
    if (m_temporary) {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }
}

void RecipeImage::Store(ArchiveWriter& archive) const {
    archive.WriteString((m_shown ? "1 " : "0 ") + ExtensionOf(m_path));
    FileHandle file(std::fopen(m_path.c_str(), "rb"), &std::fclose);
    WriteChunks(archive, file.get());
}

std::optional<RecipeImage> RecipeImage::Load(ArchiveReader& archive, const std::filesystem::path& folder) {
    const std::string header = archive.ReadString();
    std::int16_t length = archive.ReadShort();
    if (length <= 0) {
        return std::nullopt;
    }
    auto [file, path] = CreateUniqueFile(folder, SafeExtension(header));
    std::optional<RecipeImage> image;
    if (file != nullptr) {
        image.emplace(path.string(), LeadingNumberIsNonZero(header), true);
    }
    std::string chunk;
    while (length > 0) {
        chunk.clear();
        archive.ReadRaw(static_cast<std::uint64_t>(length), chunk);
        if (file != nullptr) {
            std::fwrite(chunk.data(), 1, chunk.size(), file.get());
        }
        length = archive.ReadShort();
    }
    return image;
}
