#pragma once

#include <functional>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

// One subcommand of savorbridge-cli. Each lives in its own file and registers
// itself with a static CliRegistrar, so adding one touches nothing else.
struct CliCommand {
    std::string name;
    std::string usage;   // arguments after the name, e.g. "BOOK.rcp"
    std::string summary; // one line for --help
    std::function<int(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)> run;
};

// Exit codes shared by all subcommands.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

class CliRegistry {
public:
    static CliRegistry& Instance();

    void Add(CliCommand command);
    const CliCommand* Find(const std::string& name) const;
    const std::map<std::string, CliCommand>& Commands() const { return m_commands; }

private:
    std::map<std::string, CliCommand> m_commands;
};

struct CliRegistrar {
    explicit CliRegistrar(CliCommand command) { CliRegistry::Instance().Add(std::move(command)); }
};
