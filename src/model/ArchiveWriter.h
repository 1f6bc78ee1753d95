#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class ArchiveClass;
class CObject;

// Writes the little-endian object stream of book and menu files into memory;
// the caller saves the bytes in one piece, or gives a sink that takes them a
// buffer at a time so a large book never sits in memory twice.
class ArchiveWriter {
public:
    // Choices of the saving operation that reach the classes' own writers.
    struct Context {
        bool storeNutrientCache = false;
    };

    using Sink = std::function<void(std::string_view)>;

    ArchiveWriter();
    explicit ArchiveWriter(Context context);
    ArchiveWriter(Context context, Sink sink);

    const Context& GetContext() const { return m_context; }

    void WriteByte(std::uint8_t value) { m_bytes.push_back(static_cast<char>(value)); }
    void WriteWord(std::uint16_t value);
    void WriteShort(std::int16_t value) { WriteWord(static_cast<std::uint16_t>(value)); }
    void WriteDword(std::uint32_t value);
    void WriteInt(std::int32_t value) { WriteDword(static_cast<std::uint32_t>(value)); }
    void WriteBool(bool value) { WriteInt(value ? 1 : 0); }
    void WriteDouble(double value);
    void WriteRaw(std::string_view bytes) { m_bytes.append(bytes); }

    // UTF-8 text: the 8-bit form when every character has a Windows-1252
    // byte, otherwise the wide form, so nothing the user typed is lost.
    void WriteString(std::string_view utf8);
    void WriteCount(std::uint32_t count);

    void WriteObject(const CObject* object);

    const std::string& Bytes() const { return m_bytes; }
    std::string TakeBytes() { return std::move(m_bytes); }
    // Hands the bytes written so far to the sink.
    void Flush();

private:
    void WriteLength(std::uint64_t length);
    void WriteTag(std::uint32_t index, std::uint32_t classBit);
    void WriteClass(const ArchiveClass& cls);

    Context m_context;
    Sink m_sink;
    std::string m_bytes;
    std::uint32_t m_nextIndex = 1;
    // Tells this writer's indices in the objects apart from older writers'.
    std::uint32_t m_serial;
    // A stream holds a handful of classes; a list is quickest.
    std::vector<std::pair<const ArchiveClass*, std::uint32_t>> m_classes;
};
