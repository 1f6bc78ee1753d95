#pragma once

#include <filesystem>
#include <vector>

// Which local files a displayed page may load: the pictures of the item on
// show and whatever lies in the folders of the program's own images. Paths are
// compared after normalisation, so "folder/../secret" does not pass as inside
// the folder.
class LocalFilePolicy {
public:
    void AllowFolder(const std::filesystem::path& folder);
    void SetAllowedFiles(std::vector<std::filesystem::path> files);
    bool Allows(const std::filesystem::path& file) const;

private:
    static std::filesystem::path Normal(const std::filesystem::path& path);

    std::vector<std::filesystem::path> m_folders;
    std::vector<std::filesystem::path> m_files;
};
