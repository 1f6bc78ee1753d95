#pragma once

#include "app/CSBDocBase.h"

#include <optional>
#include <string>

class CRecipeObj;

// The small command language of the display view's links: object references
// behind tags such as "#VIEW#" or "#FAV", the in-place editing requests the
// page's script makes, the error notes and the status-bar tips.
class PageLink {
public:
    struct Reference {
        // The tag was in the link, whether or not its object is still open.
        bool found = false;
        CRecipeObj* object = nullptr;
    };

    enum class EditKind { Title = 0, Ingredient = 1, Introduction = 2 };

    struct EditRequest {
        EditKind kind = EditKind::Title;
        int ingredient = -1;
        // The editor's rectangle in view coordinates.
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
    };

    static constexpr const char* kViewTag = "#VIEW#";

    static Reference FindReference(const std::string& url, const std::string& tag, const CSBDocBase::Books& books);
    static std::optional<EditRequest> ParseEdit(const std::string& url);
    // The text of an "#ERR" link's note; empty when the link names no note.
    static std::string ErrorText(const std::string& url);
    // The status-bar text for the address under the mouse. A recipe download
    // names where it will be saved: the web target book (and chapter) when the
    // workspace has one, a new book otherwise.
    static std::string StatusTip(const std::string& proposed, const std::string& targetBook = {},
                                 const std::string& targetChapter = {});

private:
    static CRecipeObj* FindObject(const std::string& kind, const std::string& rest, const CSBDocBase::Books& books);
    static void SizeEditor(EditRequest& edit);
    static std::string DownloadTip(const std::string& targetBook, const std::string& targetChapter);
};
