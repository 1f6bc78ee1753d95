#include "ui/views/CLeftSplitter.h"

#include "app/FrameGeometry.h"

#include <algorithm>
#include <utility>

CLeftSplitter::CLeftSplitter(QWidget* parent) : QSplitter(Qt::Vertical, parent) {
    setObjectName("leftSplitter");
    setChildrenCollapsible(false);
}

void CLeftSplitter::SetTopHeight(int height) {
    if (count() < 2 || this->height() <= FrameGeometry::kMinimumPaneHeight) {
        m_pendingTopHeight = height;
        return;
    }
    ApplyTopHeight(height);
}

void CLeftSplitter::ApplyTopHeight(int height) {
    const int total = sizes().value(0) + sizes().value(1);
    const int top = std::max(FrameGeometry::kMinimumPaneHeight, height);
    setSizes({top, std::max(0, total - top)});
}

// The splitter lets the lower row take up the change first, as the column did
// before; the navigation pane is then resized so the comment window gets its
// old height back.
void CLeftSplitter::resizeEvent(QResizeEvent* event) {
    const QList<int> before = sizes();
    QSplitter::resizeEvent(event);
    if (count() < 2) {
        return;
    }
    if (m_pendingTopHeight >= 0 && height() > FrameGeometry::kMinimumPaneHeight) {
        ApplyTopHeight(std::exchange(m_pendingTopHeight, -1));
        return;
    }
    // Before the first layout there is no old height to keep.
    if (before.value(0) + before.value(1) == 0) {
        return;
    }
    const QList<int> after = sizes();
    const auto top =
        FrameGeometry::KeepCommentHeight({before.value(0), before.value(1)}, {after.value(0), after.value(1)});
    if (top && *top != after.value(0)) {
        ApplyTopHeight(*top);
    }
}
