#pragma once

#include <QHeaderView>

// The column header of a grid. It draws an arrow in the sort column's item,
// pointing up for an ascending sort, and reports left-button clicks only. A
// column the user resizes is reported once, when the resize ends, not for
// every step of the drag nor when the program sets a width.
class CGridHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit CGridHeader(QWidget* parent = nullptr);

    void SetSortColumn(int column, bool ascending);
    int SortColumn() const { return m_sortColumn; }
    bool IsAscending() const { return m_ascending; }

signals:
    void leftClicked(int column);
    void resizeEnded(int column, int width);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    void PaintSortSection(QPainter* painter, const QRect& rect, int logicalIndex) const;
    void PaintArrow(QPainter* painter, const QRect& rect) const;
    int SpaceWidth() const;

    int m_sortColumn = -1;
    bool m_ascending = true;
    bool m_leftPressed = false;
    bool m_mouseDown = false;
    int m_resizedColumn = -1;
};
