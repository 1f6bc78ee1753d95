#include "model/ArchiveReader.h"

#include "model/ArchiveClass.h"
#include "model/CObject.h"
#include "platform/TextCodec.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

constexpr std::uint16_t kBigTag = 0x7FFF;
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint32_t kClassBit = 0x80000000;
constexpr std::uint16_t kWideStringMark = 0xFFFE;
constexpr std::size_t kMaxClassName = 63;

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
}

} // namespace

ArchiveReader::ArchiveReader(std::istream& in) : ArchiveReader(in, Context()) {}

ArchiveReader::ArchiveReader(std::istream& in, Context context) : m_in(in), m_context(context) {
    m_slots.emplace_back();
}

ArchiveReader::~ArchiveReader() = default;

void ArchiveReader::Register(const ArchiveClass& cls) {
    m_registered.push_back(&cls);
}

void ArchiveReader::Fail(ArchiveError::Kind kind, const std::string& what) {
    m_failed = true;
    throw ArchiveError(kind, what);
}

// Makes at least `needed` (at most the buffer size) unread bytes available.
void ArchiveReader::Fill(std::size_t needed) {
    if (m_failed) {
        throw ArchiveError(ArchiveError::Kind::EndOfFile, "the archive was already found damaged");
    }
    const std::size_t left = m_end - m_pos;
    std::memmove(m_buffer.data(), m_buffer.data() + m_pos, left);
    m_pos = 0;
    m_end = left;
    while (m_end < needed && m_in) {
        m_in.read(m_buffer.data() + m_end, static_cast<std::streamsize>(kBufferSize - m_end));
        m_end += static_cast<std::size_t>(m_in.gcount());
    }
    if (m_end < needed) {
        Fail(ArchiveError::Kind::EndOfFile, "unexpected end of file");
    }
}

std::uint8_t ArchiveReader::ReadByte() {
    if (m_end - m_pos < 1 || m_failed) {
        Fill(1);
    }
    return static_cast<std::uint8_t>(m_buffer[m_pos++]);
}

std::uint16_t ArchiveReader::ReadWord() {
    if (m_end - m_pos < 2 || m_failed) {
        Fill(2);
    }
    const auto* bytes = reinterpret_cast<const unsigned char*>(m_buffer.data() + m_pos);
    m_pos += 2;
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

std::uint32_t ArchiveReader::ReadDword() {
    if (m_end - m_pos < 4 || m_failed) {
        Fill(4);
    }
    const auto* bytes = reinterpret_cast<const unsigned char*>(m_buffer.data() + m_pos);
    m_pos += 4;
    return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
           (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
}

double ArchiveReader::ReadDouble() {
    const std::uint64_t low = ReadDword();
    const std::uint64_t high = ReadDword();
    return std::bit_cast<double>(low | (high << 32));
}

void ArchiveReader::ReadRaw(std::uint64_t count, std::string& out) {
    while (count > 0) {
        if (m_end == m_pos || m_failed) {
            Fill(1);
        }
        const std::size_t take = static_cast<std::size_t>(std::min<std::uint64_t>(count, m_end - m_pos));
        out.append(m_buffer.data() + m_pos, take);
        m_pos += take;
        count -= take;
    }
}

void ArchiveReader::Skip(std::uint64_t count) {
    while (count > 0) {
        if (m_end == m_pos || m_failed) {
            Fill(1);
        }
        const std::size_t take = static_cast<std::size_t>(std::min<std::uint64_t>(count, m_end - m_pos));
        m_pos += take;
        count -= take;
    }
}

std::uint64_t ArchiveReader::ReadLength() {
    const std::uint8_t byte = ReadByte();
    if (byte < 0xFF) {
        return byte;
    }
    const std::uint16_t word = ReadWord();
    if (word < 0xFFFF) {
        return word;
    }
    return ReadDword();
}

std::string ArchiveReader::ReadWide(std::uint64_t units) {
    std::u16string wide;
    for (std::uint64_t i = 0; i < units; ++i) {
        wide.push_back(static_cast<char16_t>(ReadWord()));
    }
    return TextCodec::Utf16ToUtf8(wide);
}

std::string ArchiveReader::ReadString() {
    std::uint64_t length = ReadByte();
    if (length == 0xFF) {
        length = ReadWord();
        if (length == kWideStringMark) {
            return ReadWide(ReadLength());
        }
        if (length == 0xFFFF) {
            length = ReadDword();
        }
    }
    std::string bytes;
    ReadRaw(length, bytes);
    if (IsAscii(bytes)) {
        return bytes;
    }
    return TextCodec::Windows1252ToUtf8(bytes);
}

std::uint32_t ArchiveReader::ReadCount() {
    const std::uint16_t word = ReadWord();
    return word < 0xFFFF ? word : ReadDword();
}

std::vector<std::string> ArchiveReader::ReadStringArray() {
    std::vector<std::string> strings;
    const std::uint32_t count = ReadCount();
    for (std::uint32_t i = 0; i < count; ++i) {
        strings.push_back(ReadString());
    }
    return strings;
}

std::uint32_t ArchiveReader::ReadTag(std::uint16_t& word) {
    word = ReadWord();
    if (word == kBigTag) {
        return ReadDword();
    }
    return (word & 0x7FFFu) | ((word & 0x8000u) != 0 ? kClassBit : 0u);
}

std::uint32_t ArchiveReader::ReadClassDescriptor() {
    const std::uint16_t schema = ReadWord();
    const std::uint16_t nameLength = ReadWord();
    if (nameLength > kMaxClassName) {
        Fail(ArchiveError::Kind::BadClass, "class name too long");
    }
    std::string name;
    ReadRaw(nameLength, name);
    const auto found = std::find_if(m_registered.begin(), m_registered.end(),
                                    [&name](const ArchiveClass* cls) { return cls->Name() == name; });
    if (found == m_registered.end()) {
        Fail(ArchiveError::Kind::BadClass, "unknown class \"" + name + "\"");
    }
    const ArchiveClass& cls = **found;
    if (schema != cls.Schema() && !cls.Versionable()) {
        Fail(ArchiveError::Kind::BadSchema, "unsupported schema of class \"" + name + "\"");
    }
    m_slots.push_back({&cls, nullptr, schema});
    return static_cast<std::uint32_t>(m_slots.size() - 1);
}

// The slot of the tag's class: a new descriptor or a class read before.
std::uint32_t ArchiveReader::ReadClass(std::uint32_t tag, std::uint16_t word) {
    if (word == kNewClassTag) {
        return ReadClassDescriptor();
    }
    const std::uint32_t index = tag & ~kClassBit;
    if (index == 0 || index >= m_slots.size() || m_slots[index].object != nullptr || m_slots[index].cls == nullptr) {
        Fail(ArchiveError::Kind::BadIndex, "class index out of range");
    }
    return index;
}

ArchiveReader::Object ArchiveReader::ReadObject(const ArchiveClass* required) {
    std::uint16_t word = 0;
    const std::uint32_t tag = ReadTag(word);
    if ((tag & kClassBit) == 0) {
        if (tag == 0) {
            return {};
        }
        if (tag >= m_slots.size() || m_slots[tag].object == nullptr) {
            Fail(ArchiveError::Kind::BadIndex, "object index out of range");
        }
        const Slot& slot = m_slots[tag];
        if (required != nullptr && !slot.cls->IsDerivedFrom(*required)) {
            Fail(ArchiveError::Kind::BadClass, "object of the wrong class");
        }
        return {nullptr, slot.object};
    }
    const Slot classSlot = m_slots[ReadClass(tag, word)];
    if (required != nullptr && !classSlot.cls->IsDerivedFrom(*required)) {
        Fail(ArchiveError::Kind::BadClass, "object of the wrong class");
    }
    std::unique_ptr<CObject> object = classSlot.cls->Create();
    if (object == nullptr) {
        Fail(ArchiveError::Kind::BadClass, "abstract class in the stream");
    }
    const std::size_t index = m_slots.size();
    m_slots.push_back({classSlot.cls, object.get(), classSlot.storedSchema});
    m_pendingSchema = classSlot.storedSchema;
    try {
        object->Load(*this);
    } catch (...) {
        // The object dies here; its slot must never be handed out again.
        m_slots[index].object = nullptr;
        m_failed = true;
        throw;
    }
    m_pendingSchema = -1;
    CObject* address = object.get();
    return {std::move(object), address};
}

int ArchiveReader::GetObjectSchema() {
    const int schema = m_pendingSchema;
    m_pendingSchema = -1;
    return schema;
}

void ArchiveReader::Park(std::unique_ptr<CObject> object) {
    m_parked.push_back(std::move(object));
}

bool ArchiveReader::IsParked(const CObject* object) const {
    return std::any_of(m_parked.begin(), m_parked.end(),
                       [object](const auto& parked) { return parked.get() == object; });
}
