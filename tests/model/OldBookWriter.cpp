#include "model/OldBookWriter.h"

#include "model/ArchiveWriter.h"
#include "model/VersionBanner.h"

namespace {

class OldWriter {
public:
    explicit OldWriter(int schema) : m_schema(schema) {}

    void BeginObject(const std::string& cls) {
        const auto known = m_classes.find(cls);
        if (known != m_classes.end()) {
            m_out.WriteWord(static_cast<std::uint16_t>(0x8000 | known->second));
        } else {
            m_out.WriteWord(0xFFFF);
            m_out.WriteWord(static_cast<std::uint16_t>(m_schema));
            m_out.WriteWord(static_cast<std::uint16_t>(cls.size()));
            m_out.WriteRaw(cls);
            m_classes[cls] = m_next++;
        }
        ++m_next;
    }

    std::uint32_t LastIndex() const { return m_next - 1; }

    void Shared(const std::string& title, std::uint32_t id) {
        m_out.WriteString(title);
        m_out.WriteString("");
        if (m_schema < 200) {
            return;
        }
        m_out.WriteInt(-1);
        m_out.WriteCount(0);
        m_out.WriteInt(0);
        if (m_schema >= 250) {
            m_out.WriteInt(static_cast<std::int32_t>(id));
        }
        if (m_schema >= 300) {
            m_out.WriteInt(2);
            m_out.WriteInt(1);
        }
    }

    // Returns the object index the recipe takes.
    std::uint32_t Recipe(const OldRecipe& recipe) {
        BeginObject("CRecipe");
        const std::uint32_t index = LastIndex();
        Shared(recipe.title, recipe.id);
        m_out.WriteInt(static_cast<std::int32_t>(recipe.descriptions.size()));
        for (const std::string& description : recipe.descriptions) {
            BeginObject("CIngredient");
            m_out.WriteString("1");
            m_out.WriteString("cup");
            m_out.WriteString(description);
            m_out.WriteInt(0);
        }
        m_out.WriteInt(m_schema >= 200 ? 1 : 0);
        if (m_schema < 200) {
            return index;
        }
        m_out.WriteString("old comments");
        m_out.WriteString("old keywords");
        m_out.WriteInt(1);
        m_out.WriteInt(0);
        m_out.WriteString("4 30 minutes");
        m_out.WriteInt(0);
        return index;
    }

    ArchiveWriter& Out() { return m_out; }
    int Schema() const { return m_schema; }

private:
    int m_schema;
    ArchiveWriter m_out;
    std::map<std::string, std::uint32_t> m_classes;
    std::uint32_t m_next = 1;
};

} // namespace

std::string WriteOldBook(const OldBook& book, int fileVersion) {
    OldWriter writer(fileVersion);
    ArchiveWriter& out = writer.Out();
    out.WriteString(VersionBanner::ForVersion(fileVersion));
    writer.BeginObject("CRecipeBook");
    writer.Shared(book.title, book.id);
    out.WriteInt(static_cast<std::int32_t>(book.recipes.size()));
    std::vector<std::uint32_t> topLevelIndices;
    for (const OldRecipe& recipe : book.recipes) {
        topLevelIndices.push_back(writer.Recipe(recipe));
    }
    out.WriteInt(static_cast<std::int32_t>(book.chapters.size()));
    for (const OldChapter& chapter : book.chapters) {
        writer.BeginObject("CRecipeChapter");
        writer.Shared(chapter.title, chapter.id);
        out.WriteInt(static_cast<std::int32_t>(chapter.recipes.size()));
        for (const OldRecipe& recipe : chapter.recipes) {
            writer.Recipe(recipe);
        }
        out.WriteInt(0);
    }
    out.WriteInt(static_cast<std::int32_t>(book.favouriteRecipes.size()));
    for (const std::size_t position : book.favouriteRecipes) {
        out.WriteWord(static_cast<std::uint16_t>(topLevelIndices.at(position)));
    }
    if (writer.Schema() > 250) {
        out.WriteInt(static_cast<std::int32_t>(book.idCounter));
    }
    out.WriteInt(0);
    return out.TakeBytes();
}
