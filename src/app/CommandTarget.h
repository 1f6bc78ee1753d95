#pragma once

// What a command looks like in menus and on toolbars at the moment.
struct CommandState {
    bool enabled = false;
    bool checked = false;
};

// A part of the program that may handle commands. The main window offers each
// command to its targets in a fixed order; the first that claims it handles it.
class CommandTarget {
public:
    virtual ~CommandTarget() = default;

    // Carries out the command; false when this target does not handle it.
    virtual bool OnCommand(int id) = 0;
    // Sets the command's state; false when this target does not handle it.
    virtual bool OnUpdateCommand(int id, CommandState& state) = 0;
};
