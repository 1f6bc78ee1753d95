#pragma once

#include <memory>
#include <string_view>

class CObject;

// The run-time description of a stored class: its name in the stream, its
// schema, and how to make an empty object of it when reading.
class ArchiveClass {
public:
    using Factory = std::unique_ptr<CObject> (*)();

    // Every model class is stored with this schema and loads older ones
    // through its own version branches.
    static constexpr int kCurrentSchema = 400;

    constexpr ArchiveClass(std::string_view name, const ArchiveClass* base, Factory factory,
                           int schema = kCurrentSchema, bool versionable = true)
        : m_name(name), m_base(base), m_factory(factory), m_schema(schema), m_versionable(versionable) {}

    std::string_view Name() const { return m_name; }
    int Schema() const { return m_schema; }
    bool Versionable() const { return m_versionable; }
    std::unique_ptr<CObject> Create() const { return m_factory != nullptr ? m_factory() : nullptr; }

    bool IsDerivedFrom(const ArchiveClass& other) const {
        for (const ArchiveClass* cls = this; cls != nullptr; cls = cls->m_base) {
            if (cls == &other) {
                return true;
            }
        }
        return false;
    }

private:
    std::string_view m_name;
    const ArchiveClass* m_base;
    Factory m_factory;
    int m_schema;
    bool m_versionable;
};
