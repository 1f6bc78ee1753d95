#pragma once

#include "model/CObject.h"
#include "model/CSBState.h"
#include "model/CSBSync.h"
#include "model/RecipeImage.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class ArchiveClass;
class CRecipeBook;

// Kind codes of the model nodes, used wherever a node's kind is stored.
enum class NodeKind { Other = 0, Book = 1, Chapter = 2, Recipe = 3 };

enum class MergeMode { KeepBoth, Replace };

// What every node of a recipe book shares: title, text, icon, pictures, id,
// change counters, and the transient view, load and merge state.
class CRecipeObj : public CObject, public CSBState, public CSBSync {
public:
    static const ArchiveClass s_class;

    // Appended between own and merged-in texts.
    static constexpr const char* kMergedMark = "=== MERGED INFO ===";

    explicit CRecipeObj(std::string title);
    ~CRecipeObj() override;

    virtual NodeKind Kind() const { return NodeKind::Other; }
    virtual CRecipeBook* OwningBook() const { return nullptr; }
    virtual std::size_t ChildCount() const { return 0; }
    virtual std::string ObjectId() const { return {}; }
    virtual int TitleStyle() const { return -1; }
    virtual int TextStyle() const { return -1; }
    virtual void LinkPartner(CRecipeObj& partner);
    virtual void MergeFromPartner(MergeMode mode);

    const std::string& Title() const { return m_title; }
    void SetTitle(const std::string& title) { SetTouching(m_title, title); }
    const std::string& Text() const { return m_text; }
    void SetText(const std::string& text) { SetTouching(m_text, text); }

    int Icon() const { return m_icon; }
    void SetIcon(int icon) { m_icon = icon; }
    // The icon, or the given default of the node's kind when none is chosen.
    int EffectiveIcon(int kindDefault) const { return m_icon == -1 ? kindDefault : m_icon; }

    std::uint32_t Id() const { return m_id; }
    void SetId(std::uint32_t id) { m_id = id; }

    bool LoadError() const { return m_loadError; }
    void SetLoadError(bool loadError) { m_loadError = loadError; }
    int LoadedSchema() const { return m_loadedSchema; }
    bool Merged() const { return m_merged; }
    CRecipeObj* MergePartner() const { return m_mergePartner; }

    const std::vector<RecipeImage>& Pictures() const { return m_pictures; }
    void AddPicture(RecipeImage picture) { m_pictures.push_back(std::move(picture)); }
    std::vector<std::string> ShownPicturePaths() const;
    std::vector<std::pair<std::string, bool>> PictureList() const;
    // Keeps the entries of paths still listed (with their new flag), drops
    // the others and appends new paths as files of the user's own.
    void SetPictures(const std::vector<std::string>& paths, const std::vector<bool>& shown);

protected:
    void SetTouching(std::string& field, const std::string& value);
    void SetMerged() { m_merged = true; }
    void StoreShared(ArchiveWriter& archive) const;
    // Reads the shared part and returns the class schema stored in the file.
    int LoadShared(ArchiveReader& archive);
    // Appends the partner's text to own text under the merge mark.
    void MergeText(std::string& own, const std::string& partner);

private:
    void LoadPictures(ArchiveReader& archive, int schema);
    void LoadPictureFiles(ArchiveReader& archive);

    bool m_loadError = false;
    CRecipeObj* m_mergePartner = nullptr;
    bool m_merged = false;
    int m_loadedSchema = 0;
    int m_icon = -1;
    std::uint32_t m_id = 0;
    std::string m_title;
    std::string m_text;
    std::vector<RecipeImage> m_pictures;
};
