#pragma once

#include <QPixmap>
#include <QString>

// The pictures of the named buttons, drawn by the program at 16 x 16 on a
// transparent background.
class ButtonArt {
public:
    static constexpr int kSize = 16;

    // The picture of the keyword; a null pixmap for a keyword without one.
    static QPixmap Picture(const QString& keyword);
};
