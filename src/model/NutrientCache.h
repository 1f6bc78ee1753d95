#pragma once

#include <cstdint>
#include <string>
#include <vector>

class ArchiveReader;
class ArchiveWriter;

// The nutrient values a recipe keeps between runs, in the stored form of the
// nutrition totals: error bits, then per entry the key (nutrient id below
// 100, equation id from 100), the value and, for equations, their name.
class NutrientCache {
public:
    struct Entry {
        std::int16_t key = 0;
        double value = 0.0;
        std::string equationName;
    };

    bool Empty() const { return m_entries.empty(); }
    const std::vector<Entry>& Entries() const { return m_entries; }
    std::int32_t ErrorBits() const { return m_errorBits; }
    void SetErrorBits(std::int32_t bits) { m_errorBits = bits; }
    // Replaces the entry of the same key.
    void Set(Entry entry);
    void Clear();

    void Store(ArchiveWriter& archive) const;
    void Load(ArchiveReader& archive);

    static constexpr std::int16_t kFirstEquation = 100;

private:
    std::int32_t m_errorBits = 0;
    std::vector<Entry> m_entries;
};
