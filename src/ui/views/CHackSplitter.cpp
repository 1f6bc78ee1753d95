#include "ui/views/CHackSplitter.h"

#include <QPainter>
#include <QTabBar>

namespace {

// Two lines of white above the tab strip.
constexpr int kJoinLines = 2;

} // namespace

CHackSplitter::CHackSplitter(Qt::Orientation orientation, QWidget* parent) : QSplitter(orientation, parent) {
    setContentsMargins(0, 0, 0, kJoinLines);
}

void CHackSplitter::SetTabStrip(QTabBar* tabs) {
    m_tabs = tabs;
    connect(tabs, &QTabBar::currentChanged, this, qOverload<>(&QWidget::update));
    update();
}

// The selected tab is measured in the status bar and carried over, reaching a
// little past its edges except at the ends of the strip.
QRect CHackSplitter::JoinedSpan() const {
    if (m_tabs == nullptr || m_tabs->currentIndex() < 0) {
        return {};
    }
    const int current = m_tabs->currentIndex();
    const QRect tab = m_tabs->tabRect(current);
    int left = mapFromGlobal(m_tabs->mapToGlobal(tab.topLeft())).x();
    int right = mapFromGlobal(m_tabs->mapToGlobal(tab.topRight())).x();
    if (current > 0) {
        left -= kJoinOverhang;
    }
    if (current < m_tabs->count() - 1) {
        right += kJoinOverhang;
    }
    return QRect(QPoint(left, height() - kJoinLines), QPoint(right, height() - 1));
}

void CHackSplitter::paintEvent(QPaintEvent* event) {
    QSplitter::paintEvent(event);
    const QRect span = JoinedSpan();
    if (span.isEmpty()) {
        return;
    }
    QPainter painter(this);
    painter.fillRect(span, Qt::white);
}
