#include "app/CommandRouter.h"

bool CommandRouter::Route(int id) const {
    for (CommandTarget* target : m_targets()) {
        if (target != nullptr && target->OnCommand(id)) {
            return true;
        }
    }
    return false;
}

CommandState CommandRouter::State(int id) const {
    for (CommandTarget* target : m_targets()) {
        CommandState state;
        if (target != nullptr && target->OnUpdateCommand(id, state)) {
            return state;
        }
    }
    return {};
}
