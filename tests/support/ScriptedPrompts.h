#pragma once

#include "platform/UserPrompts.h"

#include <deque>
#include <string>
#include <vector>

// Answers the core's questions from a script and records what was asked.
// A question with no scripted answer gets Cancel (or Ok for a plain message)
// and is recorded, so a test sees unexpected questions.
class ScriptedPrompts : public UserPrompts {
public:
    struct Asked {
        std::string text;
        PromptButtons buttons;
        PromptIcon icon;
    };

    void QueueAnswer(PromptAnswer answer) { m_answers.push_back(answer); }
    void QueueFiles(std::vector<std::filesystem::path> files) { m_files.push_back(std::move(files)); }

    PromptAnswer Ask(std::string_view text, PromptButtons buttons, PromptIcon icon) override;
    std::vector<std::filesystem::path> ChooseFilesToOpen(std::string_view title, const FileFilter& filter,
                                                         const std::filesystem::path& folder, bool allowMany) override;
    std::optional<std::filesystem::path> ChooseFileToSave(std::string_view title, const FileFilter& filter,
                                                          const std::filesystem::path& suggested) override;
    std::optional<std::filesystem::path> ChooseFolder(std::string_view title,
                                                      const std::filesystem::path& start) override;

    const std::vector<Asked>& Questions() const { return m_asked; }
    std::vector<std::string> Texts() const;

private:
    std::vector<std::filesystem::path> NextFiles();

    std::deque<PromptAnswer> m_answers;
    std::deque<std::vector<std::filesystem::path>> m_files;
    std::vector<Asked> m_asked;
};
