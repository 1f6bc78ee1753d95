#pragma once

#include <QDialog>

// The about box: the program's picture, the legal notice, where to look for
// updates, and a Close button.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
