#include "ui/views/CPlaceholderView.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CPlaceholderView::CPlaceholderView(const QString& note, QWidget* parent)
    : QWidget(parent), m_note(new QLabel(note, this)) {
    setObjectName("placeholderView");
    m_note->setObjectName("placeholderNote");
    m_note->setWordWrap(true);
    m_note->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(m_note);
    layout->addStretch();
}

void CPlaceholderView::AddAction(const QString& label, const std::function<void()>& action) {
    auto* button = new QPushButton(label, this);
    button->setObjectName("placeholderAction");
    connect(button, &QPushButton::clicked, this, action);
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->insertWidget(layout->count() - 1, button, 0, Qt::AlignHCenter);
}
