#include "setup/LauncherCommandLine.h"

std::optional<std::string> LauncherCommandLine::Directory(std::string_view commandLine) {
    if (commandLine.starts_with('"')) {
        commandLine.remove_prefix(1);
    }
    const auto lastSlash = commandLine.rfind('/');
    if (lastSlash == std::string_view::npos) {
        return std::nullopt;
    }
    if (lastSlash == 0) {
        return std::string("/");
    }
    return std::string(commandLine.substr(0, lastSlash));
}

std::string LauncherCommandLine::Join(std::string_view directory, std::string_view name) {
    std::string joined(directory);
    if (!joined.ends_with('/')) {
        joined += '/';
    }
    joined += name;
    return joined;
}
