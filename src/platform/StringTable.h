#pragma once

#include <string>
#include <vector>

// The program's texts by string id (messages, labels, lists). A text whose
// lines are separated by "\n" is also used as a list of labels.
class StringTable {
public:
    // The text of the id; an empty string for an unknown id.
    static const std::string& Get(int id);

    // The text split at "\n" into its labels.
    static std::vector<std::string> List(int id);
};
