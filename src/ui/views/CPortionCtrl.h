#pragma once

#include "app/Portion.h"

#include <QAbstractSpinBox>

// The portion edit with its up-down arrows: "numerator:denominator", typed or
// stepped. Typed text that is not a sound portion leaves the portion alone.
class CPortionCtrl : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit CPortionCtrl(QWidget* parent = nullptr);

    Portion Value() const { return m_portion; }
    // Shows the portion; announces it when it differs.
    void SetValue(Portion portion);

    // Up makes the portion larger, down smaller.
    void stepBy(int steps) override;

signals:
    void portionChanged(int numerator, int denominator);

protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }

private:
    void OnTextEdited(const QString& text);

    Portion m_portion;
};
