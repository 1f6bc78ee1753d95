#include "ui/dialogs/CTextInputPP.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <QTextEdit>
#include <QVBoxLayout>

CTextInputPP::CTextInputPP(int templateId) : CGenericPP(templateId) {
    auto* layout = new QVBoxLayout(this);
    m_text = new QTextEdit(this);
    m_text->setObjectName("text");
    m_text->setAcceptRichText(false);
    layout->addWidget(m_text);
    if (templateId != kInstructionsTemplate) {
        return;
    }
    auto* form = new QFormLayout;
    m_prepTime = new QLineEdit(this);
    m_prepTime->setObjectName("prepTime");
    m_servings = new QSpinBox(this);
    m_servings->setObjectName("servings");
    m_servings->setRange(0, 9999);
    form->addRow(tr("Preparation time:"), m_prepTime);
    form->addRow(tr("Servings:"), m_servings);
    layout->addLayout(form);
}

void CTextInputPP::SetText(const std::string& text) {
    m_text->setPlainText(QString::fromStdString(text));
}

std::string CTextInputPP::Text() const {
    return m_text->toPlainText().toStdString();
}

void CTextInputPP::SetPrepTime(const std::string& prepTime) {
    if (m_prepTime != nullptr) {
        m_prepTime->setText(QString::fromStdString(prepTime));
    }
}

std::string CTextInputPP::PrepTime() const {
    return m_prepTime != nullptr ? m_prepTime->text().toStdString() : std::string();
}

void CTextInputPP::SetServings(int servings) {
    if (m_servings != nullptr) {
        m_servings->setValue(servings);
    }
}

int CTextInputPP::Servings() const {
    return m_servings != nullptr ? m_servings->value() : 0;
}
