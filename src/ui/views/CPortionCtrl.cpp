#include "ui/views/CPortionCtrl.h"

#include <QLineEdit>

CPortionCtrl::CPortionCtrl(QWidget* parent) : QAbstractSpinBox(parent) {
    setObjectName("portionEdit");
    setAccelerated(false);
    lineEdit()->setText(QString::fromStdString(m_portion.Text()));
    connect(lineEdit(), &QLineEdit::textEdited, this, &CPortionCtrl::OnTextEdited);
    // While typing the text stays as typed; once done it shows the portion in force.
    connect(this, &QAbstractSpinBox::editingFinished, this,
            [this] { lineEdit()->setText(QString::fromStdString(m_portion.Text())); });
}

void CPortionCtrl::SetValue(Portion portion) {
    lineEdit()->setText(QString::fromStdString(portion.Text()));
    if (portion == m_portion) {
        return;
    }
    m_portion = portion;
    emit portionChanged(portion.numerator, portion.denominator);
}

void CPortionCtrl::stepBy(int steps) {
    Portion portion = m_portion;
    for (int i = 0; i < steps; ++i) {
        portion = portion.Larger();
    }
    for (int i = 0; i > steps; --i) {
        portion = portion.Smaller();
    }
    SetValue(portion);
}

void CPortionCtrl::OnTextEdited(const QString& text) {
    const auto portion = Portion::Parse(text.toStdString());
    if (portion && *portion != m_portion) {
        m_portion = *portion;
        emit portionChanged(portion->numerator, portion->denominator);
    }
}
