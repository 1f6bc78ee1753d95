#pragma once

#include "ui/dialogs/CGenericPP.h"

#include <filesystem>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class UserPrompts;

// The pictures page of the sheets: the picture files of the item, each
// ticked when it is shown on the item's page. The files are stored inside
// the book when it is saved.
class CPicturePP : public CGenericPP {
    Q_OBJECT
public:
    static constexpr int kTemplate = 1027;

    struct Picture {
        std::string path;
        bool shown = true;
        bool operator==(const Picture&) const = default;
    };

    explicit CPicturePP(UserPrompts& prompts);

    void SetPictures(const std::vector<Picture>& pictures);
    std::vector<Picture> Pictures() const;

    // Asks for a picture file and adds it.
    void NewPicture();
    // Adds the file unless it is listed; a file that is no readable picture
    // is refused with a message. False when nothing was added.
    bool AddPicture(const std::filesystem::path& path);
    void DeletePicture();
    void EditPicture();
    QLabel* Preview() const { return m_preview; }

private:
    void AddItem(const Picture& picture);
    void ShowSelected();
    void UpdateButtons();

    UserPrompts& m_prompts;
    QListWidget* m_list;
    QLabel* m_preview;
    QPushButton* m_delete;
    QPushButton* m_edit;
};
