#include "ui/controls/CSheetTab.h"

#include <QFontDatabase>
#include <QStatusBar>

namespace {

constexpr int kPointSize = 8;
constexpr int kTabSpacing = 8;

} // namespace

CSheetTab::CSheetTab(const QStringList& labels, QWidget* parent) : QTabBar(parent) {
    setObjectName("sheetTab");
    setShape(QTabBar::RoundedSouth);
    setFont(TabFont());
    setDrawBase(false);
    setExpanding(false);
    setStyleSheet(QString("QTabBar::tab { padding: 1px %1px; }").arg(kTabSpacing));
    for (const QString& label : labels) {
        addTab(label);
    }
}

QFont CSheetTab::TabFont() {
    const QString family = QFontDatabase::families().contains("Tahoma") ? "Tahoma" : "MS Sans Serif";
    return QFont(family, kPointSize);
}

CSheetTab* CSheetTab::Create(QStatusBar* statusBar, const QStringList& labels, int controlId) {
    auto* strip = new CSheetTab(labels, statusBar);
    strip->setProperty("controlId", controlId);
    statusBar->addPermanentWidget(strip);
    strip->setFixedWidth(strip->sizeHint().width());
    return strip;
}
