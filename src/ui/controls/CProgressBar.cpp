#include "ui/controls/CProgressBar.h"

#include "ui/controls/ProgressBarPlacement.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QStatusBar>

namespace {

// Often enough that the window feels alive, seldom enough to cost nothing.
constexpr int kPaintIntervalMs = 50;

QPointer<CProgressBar>& CurrentBar() {
    static QPointer<CProgressBar> current;
    return current;
}

} // namespace

CProgressBar::CProgressBar(QStatusBar* statusBar, const QString& label, int range, int width, bool smooth)
    : QWidget(statusBar), m_statusBar(statusBar), m_label(new QLabel(label, this)), m_bar(new QProgressBar(this)),
      m_width(width) {
    setObjectName("progress");
    m_label->setObjectName("progressLabel");
    m_bar->setObjectName("progressBar");
    m_bar->setRange(0, range);
    // A fresh bar holds no value at all, from which the first step would
    // land one short.
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    if (!smooth) {
        m_bar->setStyleSheet("QProgressBar::chunk { width: 8px; margin: 1px; }");
    }
    m_bar->hide();
    statusBar->clearMessage();
    statusBar->insertWidget(0, this, 1);
    // A message in the status bar hides the widgets under it. A passing
    // status tip while the work runs must not take the bar away with it.
    connect(statusBar, &QStatusBar::messageChanged, this, [statusBar](const QString& message) {
        if (!message.isEmpty()) {
            statusBar->clearMessage();
        }
    });
    show();
    CurrentBar() = this;
    m_sincePaint.start();
}

CProgressBar::~CProgressBar() {
    disconnect(m_statusBar, nullptr, this, nullptr);
    m_statusBar->removeWidget(this);
    if (CurrentBar() != this) {
        // A message would hide the bar that is current now.
        return;
    }
    CurrentBar() = nullptr;
    m_statusBar->showMessage(kIdleText);
}

CProgressBar* CProgressBar::Current() {
    return CurrentBar();
}

int CProgressBar::Position() const {
    return m_bar->value();
}

void CProgressBar::SetPos(int position) {
    m_bar->setValue(position);
    m_bar->show();
    KeepPainting();
}

void CProgressBar::SetRange(int range) {
    m_bar->setRange(0, range);
}

void CProgressBar::SetText(const QString& label) {
    m_label->setText(label);
    Place();
    KeepPainting();
}

void CProgressBar::KeepPainting() {
    if (m_sincePaint.elapsed() < kPaintIntervalMs) {
        return;
    }
    m_sincePaint.restart();
    // Input waits until the work is done; only painting and timers run now.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void CProgressBar::resizeEvent(QResizeEvent*) {
    Place();
}

void CProgressBar::Place() {
    const int labelWidth = m_label->fontMetrics().horizontalAdvance(m_label->text() + "    ");
    m_label->setGeometry(0, 0, labelWidth, height());
    const auto bar = ProgressBarPlacement::Compute({0, 0, width(), height()}, labelWidth, m_width);
    m_bar->setGeometry(bar.left, bar.top, bar.width, bar.height);
}
