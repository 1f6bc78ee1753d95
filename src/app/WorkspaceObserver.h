#pragma once

#include <cstddef>

class CObject;
class CRecipe;
class CRecipeBook;
class CRecipeObj;

// How the panes follow the workspace. Every call has an empty default so a
// pane listens only to what it shows.
class WorkspaceObserver {
public:
    virtual ~WorkspaceObserver() = default;

    virtual void BookOpened(CRecipeBook&) {}
    virtual void BookAboutToClose(CRecipeBook&) {}
    virtual void BookWritten(CRecipeBook&) {}
    virtual void RecipeCountAnnounced(std::size_t) {}
    virtual void RecipeAnnounced(CRecipe&) {}
    virtual void FavouriteAnnounced(CRecipe&) {}
    // The menu list or a menu's items changed.
    virtual void MenusChanged() {}
    // A chapter or recipe was put into an open book (pasted, moved or added).
    virtual void ObjectAdded(CRecipeObj&) {}
    // A chapter or recipe is about to be destroyed; it is still whole.
    virtual void ObjectAboutToDelete(CRecipeObj&) {}
};
