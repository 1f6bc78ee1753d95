#pragma once

#include <string>

// The catalogue of pictures a book, chapter or recipe can carry: five
// categories, each a run of icon ids from its base. The general pictures are
// drawn by the program; the others are glyphs of the colour emoji font. Every
// id has a name taken from its category's string-table list, several ids may
// share one.
class IconCatalog {
public:
    enum Category { General, Food, Drinks, Holidays, Plants, CategoryCount };

    static int Count(Category category);
    static int Base(Category category);
    // The id of the i-th icon of the category.
    static int IdAt(Category category, int index) { return Base(category) + index; }
    // The category of the id, or CategoryCount when the id has no picture.
    static Category CategoryOf(int id);
    static bool Exists(int id) { return CategoryOf(id) != CategoryCount; }
    // The position of the id in the one list of every picture; -1 when none.
    static int ImageIndex(int id);
    static std::string Name(int id);
    // The emoji (UTF-8) the picture shows; empty for the general pictures.
    static std::string Glyph(int id);
    // The picture of the id shown while its item is selected or open.
    static int SelectedId(int id);
    static int NameListId(Category category);

    // The general pictures by id.
    enum GeneralId {
        Book,
        OpenBook,
        Chapter,
        SelectedChapter,
        Recipe,
        SelectedRecipe,
        Menu,
        SelectedMenu,
        Calendar,
        SelectedCalendar,
        Meal,
        SelectedMeal,
        Ingredient,
        Ingredients,
        Closed,
        Open,
        NotFound,
        Favorites,
    };
};
