#include "ui/controls/CGridHeader.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QStyleOptionHeader>

#include <utility>

CGridHeader::CGridHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(true);
    setHighlightSections(false);
    setSortIndicatorShown(false);
    // The header itself tells a click from the end of a resize or a drag.
    connect(this, &QHeaderView::sectionClicked, this, [this](int column) {
        if (m_leftPressed) {
            emit leftClicked(column);
        }
    });
    connect(this, &QHeaderView::sectionResized, this, [this](int column) {
        if (m_mouseDown) {
            m_resizedColumn = column;
        }
    });
}

void CGridHeader::SetSortColumn(int column, bool ascending) {
    m_sortColumn = column;
    m_ascending = ascending;
    viewport()->update();
}

void CGridHeader::mousePressEvent(QMouseEvent* event) {
    m_leftPressed = event->button() == Qt::LeftButton;
    m_mouseDown = true;
    QHeaderView::mousePressEvent(event);
}

void CGridHeader::mouseDoubleClickEvent(QMouseEvent* event) {
    // A double click on a divider fits the column to its contents.
    m_mouseDown = true;
    QHeaderView::mouseDoubleClickEvent(event);
}

void CGridHeader::mouseReleaseEvent(QMouseEvent* event) {
    QHeaderView::mouseReleaseEvent(event);
    m_mouseDown = false;
    const int column = std::exchange(m_resizedColumn, -1);
    if (column >= 0) {
        emit resizeEnded(column, sectionSize(column));
    }
}

void CGridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (logicalIndex != m_sortColumn) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    PaintSortSection(painter, rect, logicalIndex);
    PaintArrow(painter, rect);
}

// The sort column's caption keeps clear of the arrow: it is cut short with an
// ellipsis before it rather than drawn under it.
void CGridHeader::PaintSortSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    QStyleOptionHeader option;
    initStyleOption(&option);
    initStyleOptionForIndex(&option, logicalIndex);
    option.rect = rect;
    option.text.clear();
    painter->save();
    style()->drawControl(QStyle::CE_Header, &option, painter, this);
    painter->restore();
    painter->save();
    const int space = SpaceWidth();
    const QRect captionArea = rect.adjusted(2 * space, 0, -8 * space, 0);
    const QString caption = model()->headerData(logicalIndex, orientation()).toString();
    const QVariant alignment = model()->headerData(logicalIndex, orientation(), Qt::TextAlignmentRole);
    const auto flags = alignment.isValid() ? alignment.value<Qt::Alignment>() : Qt::AlignLeft | Qt::AlignVCenter;
    painter->setPen(palette().color(QPalette::ButtonText));
    painter->drawText(captionArea, flags | Qt::TextSingleLine,
                      fontMetrics().elidedText(caption, Qt::ElideRight, std::max(captionArea.width(), 0)));
    painter->restore();
}

int CGridHeader::SpaceWidth() const {
    return std::max(fontMetrics().horizontalAdvance(QLatin1Char(' ')), 2);
}

void CGridHeader::PaintArrow(QPainter* painter, const QRect& rect) const {
    const int space = SpaceWidth();
    const int left = rect.right() - 5 * space;
    const int right = rect.right() - 3 * space;
    const int top = rect.center().y() - space / 2 - 1;
    const int bottom = top + space;
    QPolygon arrow;
    if (m_ascending) {
        arrow << QPoint((left + right) / 2, top) << QPoint(right, bottom) << QPoint(left, bottom);
    } else {
        arrow << QPoint(left, top) << QPoint(right, top) << QPoint((left + right) / 2, bottom);
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(palette().color(QPalette::Dark));
    painter->setBrush(palette().color(QPalette::Mid));
    painter->drawPolygon(arrow);
    painter->restore();
}
