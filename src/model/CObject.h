#pragma once

class ArchiveClass;
class ArchiveReader;
class ArchiveWriter;

// Base of every class that is stored in an object archive. Each class writes
// and reads its own fields; the archive writes the class and object tags.
class CObject {
public:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
    virtual ~CObject() = default;

    virtual const ArchiveClass& RuntimeClass() const = 0;
    virtual void Store(ArchiveWriter& archive) const = 0;
    virtual void Load(ArchiveReader& archive) = 0;
};
