#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>

// The picture shown while the program starts. It goes away when the later of
// two things happens: one second has passed, and the books of the start-up
// list are open. While it is up, key presses and clicks are swallowed so that
// nothing acts on a half-built window.
class CSplashWnd : public QWidget {
    Q_OBJECT
public:
    static void EnableSplash(bool enabled);
    static void ShowSplash(QWidget* parent);
    static void HideSplash();
    // One of the two keys that hide the splash: the timer and the end of
    // start-up's book loading both call it.
    static void Ready();
    static CSplashWnd* Current();

    static QPixmap Picture();

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit CSplashWnd(QWidget* parent);
    ~CSplashWnd() override;

    QPixmap m_picture;
    int m_timer = 0;
};
