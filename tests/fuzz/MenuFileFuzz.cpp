// Reads arbitrary bytes as a menu file. Whatever comes back, damaged or not,
// must write and read again whole, and from then on to the very same bytes.
#include "menus/MenuFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>

namespace {

std::optional<MenuFile::Contents> Read(const std::string& bytes) {
    std::istringstream in(bytes);
    try {
        return MenuFile::Load(in, "fuzz.sbm");
    } catch (const NotAMenuFileError&) {
        return std::nullopt;
    }
}

std::string Write(const MenuFile::Contents& contents) {
    return MenuFile::ToBytes(contents.counters, contents.lastMenuId, contents.menus);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto contents = Read(std::string(reinterpret_cast<const char*>(data), size));
    if (!contents) {
        return 0;
    }
    const std::string written = Write(*contents);
    const auto again = Read(written);
    if (!again || again->damaged || again->menus.size() != contents->menus.size() || Write(*again) != written) {
        std::abort();
    }
    return 0;
}
