#pragma once

#include "ui/dialogs/LayoutList.h"

#include <QString>
#include <QWidget>

class DialogSupport;

// The base of every property page: a page of a CGenericPS whose controls
// follow the sheet's size, with tooltips and quick help under F1.
class CGenericPP : public QWidget {
    Q_OBJECT
public:
    explicit CGenericPP(int templateId, QWidget* parent = nullptr);

    int TemplateId() const;
    void RegisterControl(QWidget* control, unsigned flags);
    void SetToolTip(QWidget* control, const QString& text);
    void SetToolTip(QWidget* control, int stringId);
    void ShowQuickHelp(const QString& text, QPoint screenPoint, int width);

    // Called when the user presses OK or Apply; false keeps the sheet open.
    virtual bool OnApply() { return true; }

private:
    DialogSupport* m_support;
};
