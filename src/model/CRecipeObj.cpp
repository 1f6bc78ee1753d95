#include "model/CRecipeObj.h"

#include "model/ArchiveClass.h"
#include "model/ArchiveReader.h"
#include "model/ArchiveWriter.h"
#include "model/TextCompare.h"

#include <algorithm>
#include <system_error>

namespace {

constexpr const char* kMergedSeparator = "\r\n\r\n=== MERGED INFO ===\r\n\r\n";

// Where pictures stored in a book are extracted; empty when the system has
// no usable temporary folder, and then the pictures are skipped.
std::filesystem::path PictureFolder() {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    return error ? std::filesystem::path() : folder;
}

} // namespace

const ArchiveClass CRecipeObj::s_class("CRecipeObj", nullptr, nullptr);

CRecipeObj::CRecipeObj(std::string title) : m_title(std::move(title)) {}

CRecipeObj::~CRecipeObj() {
    if (m_mergePartner != nullptr && m_mergePartner->m_mergePartner == this) {
        m_mergePartner->m_mergePartner = nullptr;
    }
}

void CRecipeObj::SetTouching(std::string& field, const std::string& value) {
    if (field == value) {
        return;
    }
    Touch();
    field = value;
}

std::vector<std::string> CRecipeObj::ShownPicturePaths() const {
    std::vector<std::string> paths;
    for (const RecipeImage& picture : m_pictures) {
        if (picture.Shown()) {
            paths.push_back(picture.Path());
        }
    }
    return paths;
}

std::vector<std::pair<std::string, bool>> CRecipeObj::PictureList() const {
    std::vector<std::pair<std::string, bool>> list;
    for (const RecipeImage& picture : m_pictures) {
        list.emplace_back(picture.Path(), picture.Shown());
    }
    return list;
}

void CRecipeObj::SetPictures(const std::vector<std::string>& paths, const std::vector<bool>& shown) {
    std::vector<RecipeImage> kept;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const bool isShown = i < shown.size() && shown[i];
        const auto existing = std::find_if(m_pictures.begin(), m_pictures.end(),
                                           [&](const RecipeImage& picture) { return picture.Path() == paths[i]; });
        if (existing != m_pictures.end()) {
            existing->SetShown(isShown);
            kept.push_back(std::move(*existing));
            m_pictures.erase(existing);
        } else {
            kept.emplace_back(paths[i], isShown);
        }
    }
    m_pictures = std::move(kept);
}

void CRecipeObj::LinkPartner(CRecipeObj& partner) {
    if (m_mergePartner != nullptr) {
        return;
    }
    m_mergePartner = &partner;
    partner.m_mergePartner = this;
}

void CRecipeObj::MergeText(std::string& own, const std::string& partner) {
    if (EqualsNoCase(own, partner)) {
        return;
    }
    if (own.empty()) {
        own = partner;
        return;
    }
    own += kMergedSeparator + partner;
    m_merged = true;
}

void CRecipeObj::MergeFromPartner(MergeMode mode) {
    CRecipeObj* partner = m_mergePartner;
    if (partner == nullptr) {
        return;
    }
    if (mode == MergeMode::Replace) {
        m_title = partner->m_title;
        m_text = partner->m_text;
    } else {
        if (!EqualsNoCase(m_title, partner->m_title)) {
            m_title += " \\ " + partner->m_title;
            m_merged = true;
        }
        MergeText(m_text, partner->m_text);
    }
    if (partner->m_mergePartner == this) {
        partner->m_mergePartner = nullptr;
    }
    m_mergePartner = nullptr;
    Sync().Settle();
}

void CRecipeObj::StoreShared(ArchiveWriter& archive) const {
    archive.WriteString(m_title);
    archive.WriteString(m_text);
    archive.WriteInt(m_icon);
    archive.WriteInt(static_cast<std::int32_t>(m_pictures.size()));
    for (const RecipeImage& picture : m_pictures) {
        picture.Store(archive);
    }
    archive.WriteInt(static_cast<std::int32_t>(m_id));
    archive.WriteInt(static_cast<std::int32_t>(Sync().current));
    archive.WriteInt(static_cast<std::int32_t>(Sync().synchronised));
}

int CRecipeObj::LoadShared(ArchiveReader& archive) {
    const int schema = archive.GetObjectSchema();
    m_loadedSchema = schema;
    m_title = archive.ReadString();
    m_text = archive.ReadString();
    if (schema < 200) {
        return schema;
    }
    m_icon = archive.ReadInt();
    LoadPictures(archive, schema);
    if (schema >= 250) {
        const auto id = static_cast<std::uint32_t>(archive.ReadInt());
        if (schema > 250) {
            m_id = id;
        }
    }
    if (schema >= 300) {
        Sync().current = archive.ReadDword();
        Sync().synchronised = archive.ReadDword();
    }
    return schema;
}

void CRecipeObj::LoadPictures(ArchiveReader& archive, int schema) {
    if (schema < 400) {
        LoadPictureFiles(archive);
        return;
    }
    const std::int32_t count = archive.ReadInt();
    const std::filesystem::path folder = PictureFolder();
    for (std::int32_t i = 0; i < count; ++i) {
        if (auto picture = RecipeImage::Load(archive, folder)) {
            m_pictures.push_back(std::move(*picture));
        }
    }
}

// Older books only named picture files: the paths, then their shown flags.
// A path without a flag is shown, as those versions showed every picture.
void CRecipeObj::LoadPictureFiles(ArchiveReader& archive) {
    const std::vector<std::string> paths = archive.ReadStringArray();
    const std::int32_t count = archive.ReadInt();
    std::vector<bool> shown;
    for (std::int32_t i = 0; i < count; ++i) {
        shown.push_back(archive.ReadInt() != 0);
    }
    for (std::size_t i = 0; i < paths.size(); ++i) {
        m_pictures.emplace_back(paths[i], i >= shown.size() || shown[i]);
    }
}
