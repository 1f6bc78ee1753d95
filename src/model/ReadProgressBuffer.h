#pragma once

#include <cstdint>
#include <functional>
#include <streambuf>
#include <vector>

// A stream buffer in front of another one that tells how far the reading has
// come, once for every block it takes from the source, so a long read can
// show progress without the readers above it knowing.
class ReadProgressBuffer : public std::streambuf {
public:
    using Report = std::function<void(std::uint64_t done, std::uint64_t total)>;

    ReadProgressBuffer(std::streambuf& source, std::uint64_t total, Report report);

protected:
    int_type underflow() override;

private:
    std::streambuf& m_source;
    std::uint64_t m_total;
    std::uint64_t m_done = 0;
    Report m_report;
    std::vector<char> m_block;
};
