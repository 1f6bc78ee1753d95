#pragma once

#include <ctime>

// The time of day as the model sees it; menus and identifiers depend on it,
// so tests substitute a fixed clock.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::time_t Now() const = 0;
};

class SystemClock : public Clock {
public:
    std::time_t Now() const override { return std::time(nullptr); }
};
