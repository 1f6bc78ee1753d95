#include "menus/MenuFile.h"

#include "model/ArchiveReader.h"
#include "model/ArchiveWriter.h"
#include "model/VersionBanner.h"

#include <fstream>

namespace {

int ReadFileVersion(ArchiveReader& reader, const std::filesystem::path& path) {
    if (const auto version = VersionBanner::ReadKnown(reader)) {
        return *version;
    }
    throw NotAMenuFileError(path, "not a Savorbridge menu file");
}

std::ifstream OpenForReading(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw FileError(path, "cannot open the file");
    }
    return in;
}

void ReadMenus(ArchiveReader& reader, MenuFile::Contents& contents) {
    const std::int32_t count = reader.ReadInt();
    if (count < 0) {
        throw ArchiveError(ArchiveError::Kind::BadIndex, "negative menu count");
    }
    for (std::int32_t i = 0; i < count; ++i) {
        auto menu = reader.ReadNew<CSBMenu>(CSBMenu::s_class);
        if (menu == nullptr) {
            throw ArchiveError(ArchiveError::Kind::BadIndex, "a menu is missing from the list");
        }
        contents.menus.push_back(std::move(menu));
    }
}

} // namespace

MenuFile::Contents MenuFile::Load(const std::filesystem::path& path) {
    std::ifstream in = OpenForReading(path);
    return Load(in, path);
}

MenuFile::Contents MenuFile::Load(std::istream& in, const std::filesystem::path& path) {
    ArchiveReader reader(in);
    Contents contents;
    contents.fileVersion = ReadFileVersion(reader, path);
    reader.SetContext({contents.fileVersion});
    reader.Register(CSBMenu::s_class);
    try {
        if (contents.fileVersion >= kFirstVersionWithCounters) {
            contents.counters.current = reader.ReadDword();
            contents.counters.synchronised = reader.ReadDword();
            contents.lastMenuId = reader.ReadInt();
        }
        ReadMenus(reader, contents);
    } catch (const ArchiveError&) {
        contents.damaged = true;
    }
    return contents;
}

std::string MenuFile::ToBytes(const SyncPair& counters, std::int32_t lastMenuId,
                              std::span<const std::unique_ptr<CSBMenu>> menus) {
    ArchiveWriter writer;
    writer.WriteString(VersionBanner::Current());
    writer.WriteDword(counters.current);
    writer.WriteDword(counters.synchronised);
    writer.WriteInt(lastMenuId);
    writer.WriteInt(static_cast<std::int32_t>(menus.size()));
    for (const auto& menu : menus) {
        writer.WriteObject(menu.get());
    }
    return writer.TakeBytes();
}

MenuFile::Header MenuFile::ReadHeader(const std::filesystem::path& path) {
    std::ifstream in = OpenForReading(path);
    ArchiveReader reader(in);
    Header header;
    header.fileVersion = ReadFileVersion(reader, path);
    if (header.fileVersion < kFirstVersionWithCounters) {
        return header;
    }
    try {
        header.counters.current = reader.ReadDword();
        header.counters.synchronised = reader.ReadDword();
        header.hasCounters = true;
    } catch (const ArchiveError&) {
    }
    return header;
}
