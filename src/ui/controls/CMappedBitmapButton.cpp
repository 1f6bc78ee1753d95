#include "ui/controls/CMappedBitmapButton.h"

#include "ui/controls/ButtonArt.h"
#include "ui/controls/ButtonImageTable.h"

CMappedBitmapButton::CMappedBitmapButton(const QString& caption, QWidget* parent)
    : CMappedBitmapButton(caption, ButtonImageTable::Global(), parent) {}

CMappedBitmapButton::CMappedBitmapButton(const QString& caption, const ButtonImageTable& table, QWidget* parent)
    : QPushButton(caption, parent) {
    if (!table.Find(caption.toStdString())) {
        return;
    }
    const QPixmap picture = ButtonArt::Picture(caption);
    if (picture.isNull()) {
        return;
    }
    m_keyword = caption;
    setText({});
    setIcon(QIcon(picture));
    setIconSize(picture.size());
    setAccessibleName(caption);
}
