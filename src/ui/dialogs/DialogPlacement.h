#pragma once

#include "ui/dialogs/LayoutList.h"

#include <optional>
#include <string>

class Profile;

// The remembered screen rectangle of a dialog, kept per template id as
// "Dlg<id>" = "left top right bottom" in the profile's dialog section.
class DialogPlacement {
public:
    static constexpr const char* kSection = "SettingsV4\\Dialogs";

    static std::string Key(int templateId);
    // The stored rectangle; none when absent, unreadable or empty.
    static std::optional<LayoutList::Rect> Read(const Profile& profile, int templateId);
    static void Write(Profile& profile, int templateId, const LayoutList::Rect& rect);

    static std::optional<LayoutList::Rect> Parse(const std::string& text);
    static std::string Format(const LayoutList::Rect& rect);
};
