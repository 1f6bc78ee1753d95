#include "model/NutrientCache.h"

#include "model/ArchiveReader.h"
#include "model/ArchiveWriter.h"

#include <algorithm>

void NutrientCache::Set(Entry entry) {
    const auto same = std::find_if(m_entries.begin(), m_entries.end(),
                                   [&entry](const Entry& existing) { return existing.key == entry.key; });
    if (same != m_entries.end()) {
        *same = std::move(entry);
        return;
    }
    m_entries.push_back(std::move(entry));
}

void NutrientCache::Clear() {
    m_errorBits = 0;
    m_entries.clear();
}

void NutrientCache::Store(ArchiveWriter& archive) const {
    archive.WriteInt(m_errorBits);
    archive.WriteInt(static_cast<std::int32_t>(m_entries.size()));
    for (const Entry& entry : m_entries) {
        archive.WriteShort(entry.key);
        archive.WriteDouble(entry.value);
        if (entry.key >= kFirstEquation) {
            archive.WriteString(entry.equationName);
        }
    }
}

void NutrientCache::Load(ArchiveReader& archive) {
    m_errorBits = archive.ReadInt();
    const std::int32_t count = archive.ReadInt();
    for (std::int32_t i = 0; i < count; ++i) {
        Entry entry;
        entry.key = archive.ReadShort();
        entry.value = archive.ReadDouble();
        if (entry.key >= kFirstEquation) {
            entry.equationName = archive.ReadString();
        }
        Set(std::move(entry));
    }
}
