#pragma once

#include "model/ArchiveError.h"

#include <array>
#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class ArchiveClass;
class CObject;

// Reads the object stream of book and menu files through a 4096-byte buffer
// in one pass. Every read of a damaged stream ends in an ArchiveError; once
// one has been raised the reader refuses to go on, so nobody reads on from
// a half-built object.
class ArchiveReader {
public:
    // What the file loader knows about the stream that the classes' own
    // readers need.
    struct Context {
        int fileVersion = 400;
    };

    // An object from the stream: a new one comes with its ownership, a
    // reference to one read before only with its address.
    struct Object {
        std::unique_ptr<CObject> owned;
        CObject* object = nullptr;
    };

    explicit ArchiveReader(std::istream& in);
    ArchiveReader(std::istream& in, Context context);
    ArchiveReader(const ArchiveReader&) = delete;
    ArchiveReader& operator=(const ArchiveReader&) = delete;
    ~ArchiveReader();

    const Context& GetContext() const { return m_context; }
    // The loader learns the file version from the banner, the first string.
    void SetContext(Context context) { m_context = context; }

    // The classes whose objects this stream may hold, found by stream name.
    void Register(const ArchiveClass& cls);

    std::uint8_t ReadByte();
    std::uint16_t ReadWord();
    std::int16_t ReadShort() { return static_cast<std::int16_t>(ReadWord()); }
    std::uint32_t ReadDword();
    std::int32_t ReadInt() { return static_cast<std::int32_t>(ReadDword()); }
    bool ReadBool() { return ReadInt() != 0; }
    double ReadDouble();

    // Appends count bytes to out; the text grows only as bytes arrive, so a
    // damaged length cannot make us allocate more than the file holds.
    void ReadRaw(std::uint64_t count, std::string& out);
    void Skip(std::uint64_t count);

    // The text in UTF-8, from the 8-bit (Windows-1252) or the wide form.
    std::string ReadString();
    std::uint32_t ReadCount();
    std::vector<std::string> ReadStringArray();

    // Reads an object tag and, for a new object, the object itself. With a
    // required class the object must be of it or derived from it.
    Object ReadObject(const ArchiveClass* required = nullptr);

    // A new object of T, or null when the stream holds a null or a reference
    // to an object read before (which stays with its owner).
    template <typename T>
    std::unique_ptr<T> ReadNew(const ArchiveClass& required) {
        Object read = ReadObject(&required);
        if (read.owned == nullptr) {
            return nullptr;
        }
        if (auto* typed = dynamic_cast<T*>(read.owned.get())) {
            read.owned.release();
            return std::unique_ptr<T>(typed);
        }
        Park(std::move(read.owned));
        return nullptr;
    }

    // A counted list of new objects of T, each handed to add. Reading stops
    // after the first object that was itself damaged (it is still added, with
    // what it held): the stream behind it cannot be trusted. False then.
    template <typename T, typename Add>
    bool ReadNewList(const ArchiveClass& required, Add add) {
        const std::int32_t count = ReadInt();
        for (std::int32_t i = 0; i < count; ++i) {
            auto object = ReadNew<T>(required);
            if (object == nullptr) {
                continue;
            }
            const bool damaged = object->LoadError();
            add(std::move(object));
            if (damaged) {
                return false;
            }
        }
        return true;
    }

    // An object read before that its reader took ownership of; a new object
    // in this place has no owner and is kept aside until the reader ends.
    template <typename T>
    T* ReadReference(const ArchiveClass& required) {
        Object read = ReadObject(&required);
        if (read.owned != nullptr) {
            Park(std::move(read.owned));
            return nullptr;
        }
        return IsParked(read.object) ? nullptr : dynamic_cast<T*>(read.object);
    }

    // Inside a class's Load: the schema stored for its class, once; -1 after.
    int GetObjectSchema();

private:
    struct Slot {
        const ArchiveClass* cls = nullptr;
        CObject* object = nullptr;
    };

    [[noreturn]] void Fail(ArchiveError::Kind kind, const std::string& what);
    void Fill(std::size_t needed);
    std::uint64_t ReadLength();
    std::string ReadWide(std::uint64_t units);
    std::uint32_t ReadTag(std::uint16_t& word);
    std::uint32_t ReadClass(std::uint32_t tag, std::uint16_t word);
    std::uint32_t ReadClassDescriptor();
    int StoredSchema(std::uint32_t classSlot) const;
    void Park(std::unique_ptr<CObject> object);
    bool IsParked(const CObject* object) const;

    static constexpr std::size_t kBufferSize = 4096;

    std::istream& m_in;
    Context m_context;
    std::array<char, kBufferSize> m_buffer{};
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    bool m_failed = false;
    std::vector<const ArchiveClass*> m_registered;
    // One slot per index: a class (object null) or an object. Kept small,
    // as a large book has over a million of them.
    std::vector<Slot> m_slots;
    // The schema stored for each class slot.
    std::vector<std::pair<std::uint32_t, int>> m_classSchemas;
    int m_pendingSchema = -1;
    std::vector<std::unique_ptr<CObject>> m_parked;
};
