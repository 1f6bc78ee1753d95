#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class PromptIcon { None, Information, Warning, Error, Question };
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No };

// A file-dialog filter in the classic "Recipe Files (*.rcp)" form, several
// joined with ";;".
struct FileFilter {
    std::string text;
};

// Everything the core needs to ask the user. The program answers through real
// dialogs; tests answer through a script.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    virtual PromptAnswer Ask(std::string_view text, PromptButtons buttons, PromptIcon icon) = 0;
    virtual std::vector<std::filesystem::path> ChooseFilesToOpen(std::string_view title, const FileFilter& filter,
                                                                 const std::filesystem::path& folder,
                                                                 bool allowMany) = 0;
    virtual std::optional<std::filesystem::path> ChooseFileToSave(std::string_view title, const FileFilter& filter,
                                                                  const std::filesystem::path& suggested) = 0;
    virtual std::optional<std::filesystem::path> ChooseFolder(std::string_view title,
                                                              const std::filesystem::path& start) = 0;

    void Message(std::string_view text, PromptIcon icon = PromptIcon::Information) {
        Ask(text, PromptButtons::Ok, icon);
    }
};
