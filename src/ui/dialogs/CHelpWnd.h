#pragma once

#include <QString>
#include <QWidget>

// A short note shown over a window (quick help, an explanation behind a page
// link). It is sized to its text, hangs centred below the point it is shown
// at, and goes away at the first key press or click.
class CHelpWnd : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDefaultWidth = 350;

    // Shows the note owned by owner; it deletes itself when closed.
    static CHelpWnd* Show(QWidget* owner, const QString& text, QPoint screenPoint, int width = kDefaultWidth);

    QString Text() const { return m_text; }

    // The note's screen rectangle for a text of the given wrapped size.
    static QRect Placement(QSize textSize, QPoint screenPoint);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    CHelpWnd(QWidget* owner, const QString& text, int width);

    QString m_text;
    int m_wrapWidth;
    bool m_pressedInside = false;
};
