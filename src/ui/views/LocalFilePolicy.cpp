#include "ui/views/LocalFilePolicy.h"

#include <algorithm>

std::filesystem::path LocalFilePolicy::Normal(const std::filesystem::path& path) {
    return path.lexically_normal();
}

void LocalFilePolicy::AllowFolder(const std::filesystem::path& folder) {
    m_folders.push_back(Normal(folder / ""));
}

void LocalFilePolicy::SetAllowedFiles(std::vector<std::filesystem::path> files) {
    m_files.clear();
    for (const auto& file : files) {
        m_files.push_back(Normal(file));
    }
}

bool LocalFilePolicy::Allows(const std::filesystem::path& file) const {
    if (!file.is_absolute()) {
        return false;
    }
    const std::filesystem::path normal = Normal(file);
    if (std::find(m_files.begin(), m_files.end(), normal) != m_files.end()) {
        return true;
    }
    const std::string text = normal.string();
    return std::any_of(m_folders.begin(), m_folders.end(),
                       [&](const std::filesystem::path& folder) { return text.starts_with(folder.string()); });
}
