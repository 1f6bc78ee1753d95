#pragma once

#include "app/CommandTarget.h"

#include <functional>
#include <vector>

// Offers a command to the targets in their order, the first claim ending the
// search. The targets are asked for afresh on each command because the views
// on the right and the active page change while the program runs.
class CommandRouter {
public:
    using Targets = std::function<std::vector<CommandTarget*>()>;

    explicit CommandRouter(Targets targets) : m_targets(std::move(targets)) {}

    // False when no target handles the command.
    bool Route(int id) const;
    // A command no target claims is disabled.
    CommandState State(int id) const;

private:
    Targets m_targets;
};
