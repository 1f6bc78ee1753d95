#include "ui/dialogs/CHelpWnd.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace {

constexpr int kPadX = 28;
constexpr int kPadY = 18;
constexpr int kShadow = 6;

// A note asked for near a screen edge is pushed back onto the screen instead
// of being cut off there.
QRect KeptOnScreen(QRect note, QPoint screenPoint) {
    const QScreen* screen = QGuiApplication::screenAt(screenPoint);
    if (screen == nullptr) {
        return note;
    }
    const QRect area = screen->availableGeometry();
    note.moveLeft(std::max(area.left(), std::min(note.left(), area.right() + 1 - note.width())));
    note.moveTop(std::max(area.top(), std::min(note.top(), area.bottom() + 1 - note.height())));
    return note;
}

} // namespace

CHelpWnd::CHelpWnd(QWidget* owner, const QString& text, int width)
    : QWidget(owner, Qt::Popup | Qt::FramelessWindowHint), m_text(text), m_wrapWidth(width) {
    setObjectName("helpNote");
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    if (owner != nullptr) {
        setFont(owner->font());
    }
}

CHelpWnd* CHelpWnd::Show(QWidget* owner, const QString& text, QPoint screenPoint, int width) {
    auto* note = new CHelpWnd(owner, text, width);
    const QRect textRect = QFontMetrics(note->font()).boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, text);
    note->setGeometry(KeptOnScreen(Placement(textRect.size(), screenPoint), screenPoint));
    note->show();
    note->setFocus();
    return note;
}

QRect CHelpWnd::Placement(QSize textSize, QPoint screenPoint) {
    const int width = textSize.width() + kPadX;
    const int height = textSize.height() + kPadY;
    return {screenPoint.x() - width / 2, screenPoint.y(), width, height};
}

void CHelpWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect note = rect().adjusted(0, 0, -kShadow, -kShadow);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(Qt::black, Qt::Dense4Pattern));
    painter.drawRect(note.translated(kShadow, kShadow));
    painter.setBrush(QColor(0xFF, 0xFF, 0xE0));
    painter.setPen(Qt::black);
    painter.drawRect(note.adjusted(0, 0, -1, -1));
    const int marginX = (kPadX - kShadow) / 2;
    const int marginY = (kPadY - kShadow) / 2;
    painter.drawText(note.adjusted(marginX, marginY, -marginX, -marginY), Qt::TextWordWrap, m_text);
}

void CHelpWnd::keyPressEvent(QKeyEvent*) {
    close();
}

void CHelpWnd::mousePressEvent(QMouseEvent* event) {
    if (!rect().contains(event->position().toPoint())) {
        close();
        return;
    }
    m_pressedInside = true;
}

void CHelpWnd::mouseReleaseEvent(QMouseEvent*) {
    if (m_pressedInside) {
        close();
    }
}

void CHelpWnd::focusOutEvent(QFocusEvent*) {
    close();
}
