#pragma once

#include <vector>

// Where a control of a resizable dialog goes when the dialog's client area
// changes size. Every control keeps the rectangle it had when the dialog was
// laid out first, and each new size is applied to that original, so that many
// small resizes never add up rounding errors.
class LayoutList {
public:
    enum Flags : unsigned {
        GrowWidth = 1,
        GrowHeight = 2,
        MoveRight = 4,
        MoveDown = 8,
        GrowHalfWidth = 16,
        GrowHalfHeight = 32,
        MoveHalfRight = 64,
        MoveHalfDown = 128,
    };

    struct Rect {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
        bool operator==(const Rect&) const = default;
    };

    // The rectangle of a control laid out at rect for a client area that has
    // grown by (dx, dy). Two neighbours sharing a change (the left one with
    // GrowHalfWidth, the right one with MoveHalfRight | GrowHalfWidth) keep
    // their gap and together reach the whole change, even when it is odd.
    static Rect Adjust(const Rect& rect, unsigned flags, int dx, int dy);

    // Sets the client size the registered rectangles belong to.
    void SetBaseSize(int width, int height);
    void Add(int key, const Rect& rect, unsigned flags);
    bool Empty() const { return m_entries.empty(); }

    struct Placement {
        int key;
        Rect rect;
    };
    // Every registered control's rectangle for a client area of the size.
    std::vector<Placement> Arrange(int width, int height) const;

private:
    struct Entry {
        int key;
        Rect rect;
        unsigned flags;
    };

    int m_baseWidth = 0;
    int m_baseHeight = 0;
    std::vector<Entry> m_entries;
};
