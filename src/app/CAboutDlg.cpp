#include "app/CAboutDlg.h"

#include "app/CSplashWnd.h"
#include "app/Version.h"
#include "platform/StringTable.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kUpdateTextId = 571;
constexpr int kMargin = 11;

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("aboutDialog");
    setWindowTitle(QString("About Savorbridge version %1").arg(kVersionText));

    auto* picture = new QLabel(this);
    picture->setObjectName("picture");
    const QPixmap pixmap = CSplashWnd::Picture();
    picture->setPixmap(pixmap);

    auto* notice = new QLabel(this);
    notice->setObjectName("notice");
    notice->setWordWrap(true);
    notice->setFixedWidth(pixmap.width());
    notice->setText("Savorbridge is free software: you may use, copy and share it. It comes with no warranty of "
                    "any kind. The food composition data is from the USDA National Nutrient Database for Standard "
                    "Reference, which is in the public domain.");

    auto* updates = new QLineEdit(QString::fromStdString(StringTable::Get(kUpdateTextId)), this);
    updates->setObjectName("updates");
    updates->setReadOnly(true);

    auto* close = new QPushButton("Close", this);
    close->setObjectName("close");
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(updates, 1, Qt::AlignVCenter);
    bottom->addWidget(close, 0, Qt::AlignRight | Qt::AlignVCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->addWidget(picture);
    layout->addWidget(notice);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
