#pragma once

#include "ui/dialogs/LayoutList.h"

#include <QDialog>

class DialogSupport;
class Profile;
class QPushButton;

// The base of every dialog: it remembers where the user left it, lets its
// controls follow a resize, and offers tooltips, quick help under F1 and the
// "Help >>" expansion (button 9).
class CGenericDlg : public QDialog {
    Q_OBJECT
public:
    CGenericDlg(int templateId, Profile& profile, QWidget* parent = nullptr);

    int TemplateId() const;
    bool RectangleRestored() const;
    bool HelpShown() const;

    // Adds a control, already at its place for the dialog's present size, to
    // the controls that follow a resize (LayoutList::Flags).
    void RegisterControl(QWidget* control, unsigned flags);
    void SetToolTip(QWidget* control, const QString& text);
    void SetToolTip(QWidget* control, int stringId);
    void ShowQuickHelp(const QString& text, QPoint screenPoint, int width);
    void SetHelpButton(QPushButton* button);
    void SetHelpExpansion(bool expansion) { m_helpExpansion = expansion; }

signals:
    void helpRequested(int contextId);

private:
    DialogSupport* m_support;
    bool m_helpExpansion = true;
};
