#pragma once

#include <string_view>

namespace Nutrient {

// Where the long steps of the database (reading the tables, building the
// index) report their progress; the program shell shows it in the status bar.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;

    virtual void Begin(std::string_view caption, int range) = 0;
    virtual void Step() = 0;
    virtual void End() = 0;
};

} // namespace Nutrient
