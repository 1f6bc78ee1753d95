#include "ui/dialogs/CGenericPP.h"

#include "ui/dialogs/DialogSupport.h"

CGenericPP::CGenericPP(int templateId, QWidget* parent)
    : QWidget(parent), m_support(new DialogSupport(this, templateId, nullptr)) {}

int CGenericPP::TemplateId() const {
    return m_support->TemplateId();
}

void CGenericPP::RegisterControl(QWidget* control, unsigned flags) {
    m_support->RegisterControl(control, flags);
}

void CGenericPP::SetToolTip(QWidget* control, const QString& text) {
    m_support->SetToolTip(control, text);
}

void CGenericPP::SetToolTip(QWidget* control, int stringId) {
    m_support->SetToolTip(control, stringId);
}

void CGenericPP::ShowQuickHelp(const QString& text, QPoint screenPoint, int width) {
    m_support->ShowQuickHelp(text, screenPoint, width);
}
