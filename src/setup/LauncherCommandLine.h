#pragma once

#include <optional>
#include <string>
#include <string_view>

// The launcher's own directory as the text of the command that started it.
class LauncherCommandLine {
public:
    // The text before the last "/" without the opening quotation mark of a
    // quoted program path, so "/a/b/setup" and "\"/a/b/setup\"" both give
    // "/a/b"; "/" for a program in the root folder; nothing when the text
    // names no folder at all (a program found on the PATH).
    static std::optional<std::string> Directory(std::string_view commandLine);

    // The directory joined with a file name by one "/".
    static std::string Join(std::string_view directory, std::string_view name);
};
