#pragma once

#include "platform/UserPrompts.h"

class QWidget;

// The user's answers through message boxes and file dialogs, parented to the
// program's active window.
class QtUserPrompts : public UserPrompts {
public:
    PromptAnswer Ask(std::string_view text, PromptButtons buttons, PromptIcon icon) override;
    std::vector<std::filesystem::path> ChooseFilesToOpen(std::string_view title, const FileFilter& filter,
                                                         const std::filesystem::path& folder, bool allowMany) override;
    std::optional<std::filesystem::path> ChooseFileToSave(std::string_view title, const FileFilter& filter,
                                                          const std::filesystem::path& suggested) override;
    std::optional<std::filesystem::path> ChooseFolder(std::string_view title,
                                                      const std::filesystem::path& start) override;
};
