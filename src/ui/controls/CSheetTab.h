#pragma once

#include <QStringList>
#include <QTabBar>

class QStatusBar;

// The row of tabs in the status bar that switches the right-hand pane
// ("Display", "Inventory", "Web"). It hangs from the bottom edge like sheet
// tabs and takes exactly the width of its tabs.
class CSheetTab : public QTabBar {
    Q_OBJECT
public:
    explicit CSheetTab(const QStringList& labels, QWidget* parent = nullptr);

    // Creates the strip with its labels in the status bar.
    static CSheetTab* Create(QStatusBar* statusBar, const QStringList& labels, int controlId);

    static QFont TabFont();
};
