#pragma once

#include <QPixmap>

// The 16 x 16 pictures on the tabs of the navigation pane's pages, drawn by
// the program: contents, index, menu, favourites, search and shopping list.
class NavigationTabArt {
public:
    static constexpr int kSize = 16;

    // The picture of the page by its position; a null pixmap past the last page.
    static QPixmap Picture(int page);
};
