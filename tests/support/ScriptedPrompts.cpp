#include "support/ScriptedPrompts.h"

PromptAnswer ScriptedPrompts::Ask(std::string_view text, PromptButtons buttons, PromptIcon icon) {
    m_asked.push_back({std::string(text), buttons, icon});
    if (m_answers.empty()) {
        return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
    }
    const PromptAnswer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

std::vector<std::filesystem::path> ScriptedPrompts::NextFiles() {
    if (m_files.empty()) {
        return {};
    }
    auto files = std::move(m_files.front());
    m_files.pop_front();
    return files;
}

std::vector<std::filesystem::path> ScriptedPrompts::ChooseFilesToOpen(std::string_view, const FileFilter&,
                                                                      const std::filesystem::path&, bool) {
    return NextFiles();
}

std::optional<std::filesystem::path> ScriptedPrompts::ChooseFileToSave(std::string_view, const FileFilter&,
                                                                       const std::filesystem::path&) {
    auto files = NextFiles();
    if (files.empty()) {
        return std::nullopt;
    }
    return files.front();
}

std::optional<std::filesystem::path> ScriptedPrompts::ChooseFolder(std::string_view, const std::filesystem::path&) {
    auto files = NextFiles();
    if (files.empty()) {
        return std::nullopt;
    }
    return files.front();
}

std::vector<std::string> ScriptedPrompts::Texts() const {
    std::vector<std::string> texts;
    for (const auto& asked : m_asked) {
        texts.push_back(asked.text);
    }
    return texts;
}
