#pragma once

#include <stdexcept>
#include <string>

// A damaged or foreign object stream. Aborts the read of the current object
// graph; the file loaders catch it and keep what was read before the damage.
class ArchiveError : public std::runtime_error {
public:
    enum class Kind { EndOfFile, BadClass, BadIndex, BadSchema };

    ArchiveError(Kind kind, const std::string& what) : std::runtime_error(what), m_kind(kind) {}

    Kind GetKind() const { return m_kind; }

private:
    Kind m_kind;
};
