#include "app/CSplashWnd.h"

#include "app/Version.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimerEvent>

namespace {

bool splashEnabled = true;
bool splashReady = false;
QPointer<CSplashWnd> splash;

bool IsUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
        return true;
    default:
        return false;
    }
}

} // namespace

void CSplashWnd::EnableSplash(bool enabled) {
    splashEnabled = enabled;
}

CSplashWnd* CSplashWnd::Current() {
    return splash.data();
}

void CSplashWnd::ShowSplash(QWidget* parent) {
    if (!splashEnabled || splash) {
        return;
    }
    splashReady = false;
    splash = new CSplashWnd(parent);
    splash->show();
}

void CSplashWnd::HideSplash() {
    if (!splash) {
        return;
    }
    QWidget* owner = splash->parentWidget();
    delete splash.data();
    if (owner != nullptr) {
        owner->update();
    }
}

void CSplashWnd::Ready() {
    if (splashReady) {
        HideSplash();
    }
    splashReady = true;
}

QPixmap CSplashWnd::Picture() {
    QPixmap picture(480, 280);
    QPainter painter(&picture);
    QLinearGradient background(0, 0, 0, picture.height());
    background.setColorAt(0, QColor(250, 240, 210));
    background.setColorAt(1, QColor(214, 120, 70));
    painter.fillRect(picture.rect(), background);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(120, 50, 30), 4));
    painter.setBrush(QColor(255, 250, 235));
    painter.drawEllipse(QPoint(90, 140), 52, 52);
    painter.drawArc(QRect(58, 108, 64, 64), 200 * 16, 140 * 16);
    QFont title = painter.font();
    title.setPointSize(30);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRect(160, 90, 310, 60), Qt::AlignLeft | Qt::AlignVCenter, "Savorbridge");
    QFont caption = painter.font();
    caption.setPointSize(12);
    caption.setBold(false);
    painter.setFont(caption);
    painter.drawText(QRect(162, 150, 310, 30), Qt::AlignLeft | Qt::AlignVCenter,
                     QString("Recipe manager, version %1").arg(kVersionText));
    return picture;
}

CSplashWnd::CSplashWnd(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_picture(Picture()) {
    setObjectName("splash");
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(m_picture.size());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
    m_timer = startTimer(1000);
    qApp->installEventFilter(this);
}

CSplashWnd::~CSplashWnd() {
    qApp->removeEventFilter(this);
}

void CSplashWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

void CSplashWnd::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_timer) {
        return;
    }
    killTimer(m_timer);
    m_timer = 0;
    Ready();
}

bool CSplashWnd::eventFilter(QObject*, QEvent* event) {
    return IsUserInput(event->type());
}
