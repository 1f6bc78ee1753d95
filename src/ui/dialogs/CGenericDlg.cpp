#include "ui/dialogs/CGenericDlg.h"

#include "ui/dialogs/DialogSupport.h"

#include <QIcon>

CGenericDlg::CGenericDlg(int templateId, Profile& profile, QWidget* parent)
    : QDialog(parent), m_support(new DialogSupport(this, templateId, &profile)) {
    setWindowIcon(QIcon(":/icons/savorbridge.svg"));
    connect(m_support, &DialogSupport::helpRequested, this, &CGenericDlg::helpRequested);
}

int CGenericDlg::TemplateId() const {
    return m_support->TemplateId();
}

bool CGenericDlg::RectangleRestored() const {
    return m_support->RectangleRestored();
}

bool CGenericDlg::HelpShown() const {
    return m_support->HelpShown();
}

void CGenericDlg::RegisterControl(QWidget* control, unsigned flags) {
    m_support->RegisterControl(control, flags);
}

void CGenericDlg::SetToolTip(QWidget* control, const QString& text) {
    m_support->SetToolTip(control, text);
}

void CGenericDlg::SetToolTip(QWidget* control, int stringId) {
    m_support->SetToolTip(control, stringId);
}

void CGenericDlg::ShowQuickHelp(const QString& text, QPoint screenPoint, int width) {
    m_support->ShowQuickHelp(text, screenPoint, width);
}

void CGenericDlg::SetHelpButton(QPushButton* button) {
    m_support->SetHelpButton(button, m_helpExpansion);
}
