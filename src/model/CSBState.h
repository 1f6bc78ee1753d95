#pragma once

#include <cstdint>

// View state of a model object in the panes' trees; never stored in files.
class CSBState {
public:
    static constexpr std::uint32_t kExpanded = 0x2;
    static constexpr std::uint32_t kCurrent = 0x8;
    static constexpr std::uint32_t kTicked = 0x10;

    bool HasState(std::uint32_t flag) const { return (m_stateFlags & flag) != 0; }
    void SetState(std::uint32_t flag, bool on) { m_stateFlags = on ? (m_stateFlags | flag) : (m_stateFlags & ~flag); }
    std::uint32_t StateFlags() const { return m_stateFlags; }

private:
    std::uint32_t m_stateFlags = 0;
};
