#include "model/ReadProgressBuffer.h"

#include <algorithm>

namespace {

// Large enough that reporting costs nothing, small enough for a smooth bar.
constexpr std::size_t kBlockSize = 256 * 1024;

} // namespace

ReadProgressBuffer::ReadProgressBuffer(std::streambuf& source, std::uint64_t total, Report report)
    : m_source(source), m_total(total), m_report(std::move(report)), m_block(kBlockSize) {}

ReadProgressBuffer::int_type ReadProgressBuffer::underflow() {
    if (gptr() < egptr()) {
        return traits_type::to_int_type(*gptr());
    }
    const std::streamsize got = m_source.sgetn(m_block.data(), static_cast<std::streamsize>(m_block.size()));
    if (got <= 0) {
        return traits_type::eof();
    }
    m_done += static_cast<std::uint64_t>(got);
    // The file may have grown since its size was taken; the report never runs past the end.
    m_report(std::min(m_done, m_total), m_total);
    setg(m_block.data(), m_block.data(), m_block.data() + got);
    return traits_type::to_int_type(*gptr());
}
