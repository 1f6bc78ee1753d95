#include "app/StartupCommandLine.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// "-x" and "--x" are switches; "/x" only when it is a bare word, since on this
// system a leading slash usually starts a path.
bool IsSwitch(const std::string& argument) {
    if (argument.size() < 2) {
        return false;
    }
    if (argument.front() == '-') {
        return true;
    }
    return argument.front() == '/' &&
           std::all_of(argument.begin() + 1, argument.end(), [](unsigned char c) { return std::isalpha(c); });
}

} // namespace

StartupCommandLine StartupCommandLine::Parse(const std::vector<std::string>& arguments) {
    StartupCommandLine result;
    for (const auto& argument : arguments) {
        if (!IsSwitch(argument)) {
            if (result.file.empty()) {
                result.file = argument;
            }
            continue;
        }
        const std::string name = Lower(argument.substr(argument.find_first_not_of("-/")));
        if (name == "embedding" || name == "automation") {
            result.splash = false;
        }
    }
    return result;
}
