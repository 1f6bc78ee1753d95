#include "ui/dialogs/LayoutList.h"

namespace {

struct Span {
    int start;
    int end;
};

// One axis of a control: the whole, move and half flags of that axis.
Span AdjustSpan(Span span, unsigned flags, int delta, unsigned grow, unsigned move, unsigned growHalf,
                unsigned moveHalf) {
    const int half = delta / 2;
    int shift = 0;
    if ((flags & move) != 0) {
        shift += delta;
    }
    if ((flags & moveHalf) != 0) {
        shift += half;
    }
    int growth = 0;
    if ((flags & grow) != 0) {
        growth += delta;
    }
    if ((flags & growHalf) != 0) {
        // The second of two half-sized neighbours takes what the first one left.
        growth += (flags & moveHalf) != 0 ? delta - half : half;
    }
    return {span.start + shift, span.end + shift + growth};
}

} // namespace

LayoutList::Rect LayoutList::Adjust(const Rect& rect, unsigned flags, int dx, int dy) {
    const Span x = AdjustSpan({rect.left, rect.right}, flags, dx, GrowWidth, MoveRight, GrowHalfWidth, MoveHalfRight);
    const Span y = AdjustSpan({rect.top, rect.bottom}, flags, dy, GrowHeight, MoveDown, GrowHalfHeight, MoveHalfDown);
    return {x.start, y.start, x.end, y.end};
}

void LayoutList::SetBaseSize(int width, int height) {
    m_baseWidth = width;
    m_baseHeight = height;
}

void LayoutList::Add(int key, const Rect& rect, unsigned flags) {
    m_entries.push_back({key, rect, flags});
}

std::vector<LayoutList::Placement> LayoutList::Arrange(int width, int height) const {
    std::vector<Placement> placements;
    placements.reserve(m_entries.size());
    for (const Entry& entry : m_entries) {
        placements.push_back({entry.key, Adjust(entry.rect, entry.flags, width - m_baseWidth, height - m_baseHeight)});
    }
    return placements;
}
