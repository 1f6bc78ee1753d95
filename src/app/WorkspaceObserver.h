#pragma once

#include <cstddef>

class CObject;
class CRecipe;
class CRecipeBook;

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
};
