#pragma once

#include <filesystem>
#include <optional>
#include <string>

class ArchiveReader;
class ArchiveWriter;

// One picture of a book, chapter or recipe. Pictures stored inside a book
// file are extracted to temporary files that live as long as their entry.
class RecipeImage {
public:
    RecipeImage(std::string path, bool shown, bool temporary = false);
    RecipeImage(RecipeImage&& other) noexcept;
    RecipeImage& operator=(RecipeImage&& other) noexcept;
    RecipeImage(const RecipeImage&) = delete;
    RecipeImage& operator=(const RecipeImage&) = delete;
    ~RecipeImage();

    const std::string& Path() const { return m_path; }
    bool Shown() const { return m_shown; }
    void SetShown(bool shown) { m_shown = shown; }
    bool Temporary() const { return m_temporary; }

    // The "%d %s" header (shown flag, extension) and the file in chunks; a
    // file that cannot be read is stored empty.
    void Store(ArchiveWriter& archive) const;

    // The picture extracted into a new file in the folder, or nothing when
    // the stored data is empty or no file could be made.
    static std::optional<RecipeImage> Load(ArchiveReader& archive, const std::filesystem::path& folder);

    static constexpr std::size_t kChunkSize = 4096;

private:
    void RemoveTemporaryFile() noexcept;

    std::string m_path;
    bool m_shown;
    bool m_temporary;
};
