#pragma once

#include <QPointer>
#include <QSplitter>

class QTabBar;

// The splitter above the status bar's tab strip. It keeps a thin strip along
// its bottom edge and draws it white over the selected tab, so that the tab
// reads as joined to the pane it shows.
class CHackSplitter : public QSplitter {
    Q_OBJECT
public:
    static constexpr int kJoinOverhang = 4;

    explicit CHackSplitter(Qt::Orientation orientation, QWidget* parent = nullptr);

    void SetTabStrip(QTabBar* tabs);
    // The stretch of the bottom edge drawn white, in this splitter's
    // coordinates; empty without a tab strip or a selected tab.
    QRect JoinedSpan() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointer<QTabBar> m_tabs;
};
