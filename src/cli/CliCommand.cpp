#include "cli/CliCommand.h"

CliRegistry& CliRegistry::Instance() {
    static CliRegistry registry;
    return registry;
}

void CliRegistry::Add(CliCommand command) {
    auto name = command.name;
    m_commands.insert_or_assign(std::move(name), std::move(command));
}

const CliCommand* CliRegistry::Find(const std::string& name) const {
    const auto found = m_commands.find(name);
    return found == m_commands.end() ? nullptr : &found->second;
}
