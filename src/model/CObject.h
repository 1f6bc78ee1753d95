#pragma once

#include <cstdint>

class ArchiveClass;
class ArchiveReader;
class ArchiveWriter;

// Base of every class that is stored in an object archive. Each class writes
// and reads its own fields; the archive writes the class and object tags.
class CObject {
public:
    CObject() = default;
    // A copy is a new object to every writer.
    CObject(const CObject&) {}
    CObject& operator=(const CObject&) { return *this; }
    virtual ~CObject() = default;

    virtual const ArchiveClass& RuntimeClass() const = 0;
    virtual void Store(ArchiveWriter& archive) const = 0;
    virtual void Load(ArchiveReader& archive) = 0;

private:
    friend class ArchiveWriter;

    // The index this object took in the writer with the given serial number.
    // Kept here because a map from addresses cost most of the time of
    // writing a large book; eight bytes fit in the padding of most objects.
    mutable std::uint32_t m_writerSerial = 0;
    mutable std::uint32_t m_writerIndex = 0;
};
