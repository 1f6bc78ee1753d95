#pragma once

#include "model/CRecipeObj.h"

#include <functional>
#include <string>
#include <vector>

class CGenericPS;
class CIconPP;
class CPicturePP;
class CRecipe;
class CRecipeBook;
class CRecipeChapter;
class CRecipeOwnerPP;
class CSBDocBase;
class CSettings;
class Profile;
class QWidget;
class UserPrompts;

// Opens the property sheets that add and modify recipes, chapters and books.
// The pages work on copies; the model changes only when the user confirms.
class RecipeSheets {
public:
    enum Result { Cancelled = 0, Changed = 1, Added = 2, DefaultIconChanged = 3 };

    // Runs an open sheet and returns its dialog result; tests answer here.
    using Runner = std::function<int(CGenericPS&)>;

    RecipeSheets(CSBDocBase& doc, CSettings& settings, Profile& profile, UserPrompts& prompts);

    void SetParent(QWidget* parent) { m_parent = parent; }
    void SetRunner(Runner runner) { m_runner = std::move(runner); }

    // Without a recipe a new one is added to the book (and chapter).
    int RecipeSheet(CRecipe* recipe, CRecipeBook* book, CRecipeChapter* chapter);
    int ChapterSheet(CRecipeChapter* chapter, CRecipeBook* book);
    int BookSheet(CRecipeBook* book);

    // The item the last confirmed sheet added or moved, for the caller to show.
    CRecipeObj* AddedItem() const { return m_added; }

private:
    struct SharedPages {
        CIconPP* icon;
        CPicturePP* pictures;
    };

    int Run(CGenericPS& sheet, const char* pageKey, bool modify);
    int BookIndex(const CRecipeBook* book) const;
    // The book chosen on the title page, which validated the choice.
    CRecipeBook* ChosenBook(const CRecipeOwnerPP& owner) const;
    SharedPages AddSharedPages(CGenericPS& sheet, const CRecipeObj& source, NodeKind kind,
                               const std::vector<std::string>& captions);
    // Stores icon and pictures; true when the kind's default icon changed.
    bool ApplySharedPages(CRecipeObj& target, const SharedPages& pages, NodeKind kind);
    void OfferNewItems(CRecipeOwnerPP& owner);
    void NewBookFor(CRecipeOwnerPP& owner);
    void NewChapterFor(CRecipeOwnerPP& owner);
    std::vector<std::string> LoadNames() const;
    void SaveNames(const std::vector<std::string>& names) const;

    CSBDocBase& m_doc;
    CSettings& m_settings;
    Profile& m_profile;
    UserPrompts& m_prompts;
    QWidget* m_parent = nullptr;
    Runner m_runner;
    CRecipeObj* m_added = nullptr;
};
