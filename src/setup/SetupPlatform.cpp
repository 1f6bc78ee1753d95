#include "setup/SetupPlatform.h"

#include "setup/LauncherCommandLine.h"

#include <cstdlib>
#include <iostream>
#include <spawn.h>

extern char** environ;

std::optional<std::string> SetupPlatform::ExecutableDirectory() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return std::nullopt;
    }
    return executable.parent_path().string();
}

std::string SetupPlatform::AbsoluteDirectory(const std::string& directory) {
    const std::filesystem::path path(directory);
    if (path.is_absolute()) {
        return directory;
    }
    std::error_code error;
    auto absolute = std::filesystem::absolute(path, error).lexically_normal().string();
    if (absolute.size() > 1 && absolute.ends_with('/')) {
        absolute.pop_back();
    }
    return error ? directory : absolute;
}

std::optional<std::filesystem::path> SetupPlatform::ProfilePath() {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path folder;
    if (configHome != nullptr && configHome[0] == '/') {
        folder = configHome;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
        folder = std::filesystem::path(home) / ".config";
    } else {
        return std::nullopt;
    }
    return folder / "Savorbridge" / "Savorbridge.conf";
}

std::string SetupPlatform::SearchPath() {
    const char* path = std::getenv("PATH");
    return path != nullptr ? path : "";
}

bool SetupPlatform::Start(const std::string& program, const std::vector<std::string>& arguments) {
    if (program.empty()) {
        return false;
    }
    std::vector<std::string> texts{program};
    texts.insert(texts.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& text : texts) {
        argv.push_back(text.data());
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    return ::posix_spawnp(&child, program.c_str(), nullptr, nullptr, argv.data(), environ) == 0;
}

bool SetupPlatform::OpenWithDesktop(const std::string& path) {
    return Start("xdg-open", {path});
}

void SetupPlatform::Trace(std::string_view text) {
    std::cerr << text << std::flush;
}
