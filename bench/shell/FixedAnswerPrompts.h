#pragma once

#include "platform/UserPrompts.h"

#include <iostream>

// The benchmarks' user: it names any question on stderr, since a question
// would spoil the timing, and gives the one answer it was made with.
class FixedAnswerPrompts : public UserPrompts {
public:
    explicit FixedAnswerPrompts(PromptAnswer answer) : m_answer(answer) {}

    PromptAnswer Ask(std::string_view text, PromptButtons, PromptIcon) override {
        std::cerr << "asked: " << text << '\n';
        return m_answer;
    }
    std::vector<std::filesystem::path> ChooseFilesToOpen(std::string_view, const FileFilter&,
                                                         const std::filesystem::path&, bool) override {
        return {};
    }
    std::optional<std::filesystem::path> ChooseFileToSave(std::string_view, const FileFilter&,
                                                          const std::filesystem::path&) override {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> ChooseFolder(std::string_view, const std::filesystem::path&) override {
        return std::nullopt;
    }

private:
    PromptAnswer m_answer;
};
