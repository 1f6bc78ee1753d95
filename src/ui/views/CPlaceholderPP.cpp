#include "ui/views/CPlaceholderPP.h"

#include <QLabel>
#include <QVBoxLayout>

CPlaceholderPP::CPlaceholderPP(int templateId, const QString& caption, QWidget* parent) : CCmdPP(templateId, parent) {
    auto* note = new QLabel(QString("The %1 page is not available yet.").arg(caption), this);
    note->setObjectName("placeholderNote");
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignCenter);
    note->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
}
