#include "ui/dialogs/PasteButton.h"

#include "platform/StringTable.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

constexpr int kPasteTip = 585;

} // namespace

PasteButton::PasteButton(QWidget* parent) : QPushButton(tr("Paste"), parent) {
    setObjectName("paste");
    setToolTip(QString::fromStdString(StringTable::Get(kPasteTip)));
    // The clipboard says when it changes, so the button needs no polling.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &PasteButton::Update);
    Update();
}

void PasteButton::Update() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    setEnabled(data != nullptr && data->hasText());
}
