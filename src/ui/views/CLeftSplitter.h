#pragma once

#include <QSplitter>

// The left column of the main window: the navigation pane above the comment
// window. When the window is resized the comment window keeps its height and
// the navigation pane takes the difference, never getting shorter than 175.
class CLeftSplitter : public QSplitter {
    Q_OBJECT
public:
    explicit CLeftSplitter(QWidget* parent = nullptr);

    // The navigation pane's height, applied as soon as the column has its size.
    void SetTopHeight(int height);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ApplyTopHeight(int height);

    int m_pendingTopHeight = -1;
};
