#pragma once

#include <QIcon>
#include <QPixmap>

// The toolbar pictures, drawn by the program at 22 x 22: a normal image for
// each button and a greyed one for when its command is disabled.
class ToolbarArt {
public:
    static constexpr int kSize = 22;

    static bool Has(int id);
    // Both images of the command's button; an empty icon for an id without art.
    static QIcon Icon(int id);
    static QPixmap Picture(int id);
    static QPixmap Disabled(const QPixmap& picture);
};
