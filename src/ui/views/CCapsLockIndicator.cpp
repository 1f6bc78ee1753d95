#include "ui/views/CCapsLockIndicator.h"

#include <QApplication>
#include <QKeyEvent>

CCapsLockIndicator::CCapsLockIndicator(QWidget* parent) : QLabel(parent) {
    setObjectName("capsLockIndicator");
    setMinimumWidth(fontMetrics().horizontalAdvance(" CAP "));
    setAlignment(Qt::AlignCenter);
    qApp->installEventFilter(this);
}

bool CCapsLockIndicator::eventFilter(QObject* watched, QEvent* event) {
    // The application's filter sees a press again at every parent it rises
    // to; only the focus widget's copy is counted.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched) == QApplication::focusWidget()) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const QString text = key.text();
        if (key.key() == Qt::Key_CapsLock) {
            SetOn(!m_on);
        } else if (text.size() == 1 && text[0].isLetter() && text[0].isUpper() != text[0].isLower()) {
            const bool shift = key.modifiers().testFlag(Qt::ShiftModifier);
            SetOn(text[0].isUpper() != shift);
        }
    }
    return QLabel::eventFilter(watched, event);
}

void CCapsLockIndicator::SetOn(bool on) {
    m_on = on;
    setText(on ? "CAP" : QString());
}
