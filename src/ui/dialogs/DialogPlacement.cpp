#include "ui/dialogs/DialogPlacement.h"

#include "platform/Profile.h"

#include <sstream>

std::string DialogPlacement::Key(int templateId) {
    return "Dlg" + std::to_string(templateId);
}

std::optional<LayoutList::Rect> DialogPlacement::Read(const Profile& profile, int templateId) {
    return Parse(profile.GetString(kSection, Key(templateId), ""));
}

void DialogPlacement::Write(Profile& profile, int templateId, const LayoutList::Rect& rect) {
    profile.WriteString(kSection, Key(templateId), Format(rect));
}

std::optional<LayoutList::Rect> DialogPlacement::Parse(const std::string& text) {
    std::istringstream in(text);
    LayoutList::Rect rect;
    if (!(in >> rect.left >> rect.top >> rect.right >> rect.bottom)) {
        return std::nullopt;
    }
    // A damaged entry would open the dialog with no size at all; the dialog's
    // own size serves better.
    if (rect.right <= rect.left || rect.bottom <= rect.top) {
        return std::nullopt;
    }
    return rect;
}

std::string DialogPlacement::Format(const LayoutList::Rect& rect) {
    return std::to_string(rect.left) + " " + std::to_string(rect.top) + " " + std::to_string(rect.right) + " " +
           std::to_string(rect.bottom);
}
