#include "menus/OldMenuWriter.h"

#include "model/ArchiveWriter.h"
#include "model/VersionBanner.h"

namespace {

void WriteStrings(ArchiveWriter& out, const std::vector<std::string>& strings) {
    out.WriteCount(static_cast<std::uint32_t>(strings.size()));
    for (const std::string& text : strings) {
        out.WriteString(text);
    }
}

void WriteThreeMeals(ArchiveWriter& out, const OldMenu& menu) {
    for (const auto& items : menu.items) {
        out.WriteInt(static_cast<std::int32_t>(items.size()));
        for (const OldMenuItem& item : items) {
            out.WriteInt(item.kind);
            out.WriteInt(item.count);
            out.WriteDword(item.recipeId);
            out.WriteDword(item.bookId);
            out.WriteString(item.text);
        }
    }
}

void WritePairs(ArchiveWriter& out, const OldMenu& menu) {
    for (const auto& pairs : menu.pairs) {
        out.WriteInt(static_cast<std::int32_t>(pairs.size()));
        for (const auto& [book, recipe] : pairs) {
            out.WriteString(book);
            out.WriteString(recipe);
        }
    }
}

void WriteBody(ArchiveWriter& out, const OldMenu& menu, int schema) {
    for (const std::int32_t value : menu.rule) {
        out.WriteInt(value);
    }
    if (schema >= 300) {
        WriteStrings(out, menu.missingBooks);
        WriteThreeMeals(out, menu);
        out.WriteInt(menu.id);
        out.WriteInt(0);
        return;
    }
    if (schema >= 250) {
        for (const auto& texts : menu.unlinked) {
            WriteStrings(out, texts);
        }
        WriteStrings(out, menu.missingBooks);
        WritePairs(out, menu);
        for (const auto& texts : menu.simple) {
            WriteStrings(out, texts);
        }
    } else {
        WritePairs(out, menu);
        for (const auto& texts : menu.unlinked) {
            WriteStrings(out, texts);
        }
        WriteStrings(out, menu.missingBooks);
    }
    out.WriteInt(0);
}

} // namespace

std::string WriteOldMenuFile(const OldMenuFile& file, int fileVersion) {
    ArchiveWriter out;
    out.WriteString(VersionBanner::ForVersion(fileVersion));
    if (fileVersion >= 300) {
        out.WriteDword(file.current);
        out.WriteDword(file.synchronised);
        out.WriteInt(file.lastMenuId);
    }
    out.WriteInt(static_cast<std::int32_t>(file.menus.size()));
    bool classWritten = false;
    for (const OldMenu& menu : file.menus) {
        if (classWritten) {
            out.WriteWord(0x8001);
        } else {
            out.WriteWord(0xFFFF);
            out.WriteWord(static_cast<std::uint16_t>(fileVersion));
            out.WriteWord(7);
            out.WriteRaw("CSBMenu");
            classWritten = true;
        }
        WriteBody(out, menu, fileVersion);
    }
    return out.TakeBytes();
}
