#include "ui/controls/CBitmapCtrl.h"

#include <QPainter>

namespace {

const QRgb kArtworkGrey = qRgb(0xC0, 0xC0, 0xC0);

} // namespace

CBitmapCtrl::CBitmapCtrl(QWidget* parent) : QWidget(parent) {}

void CBitmapCtrl::SetBitmap(const QPixmap& bitmap) {
    m_bitmap = bitmap;
    updateGeometry();
    update();
}

void CBitmapCtrl::SetImageIndex(int index) {
    m_index = index;
    m_mapping = true;
    updateGeometry();
    update();
}

void CBitmapCtrl::SetColorMapping(bool mapping) {
    m_mapping = mapping;
    update();
}

void CBitmapCtrl::SetCentred(bool centred) {
    m_centred = centred;
    update();
}

QImage CBitmapCtrl::Picture(const QPixmap& bitmap, int index, bool mapping, const QColor& face) {
    if (bitmap.isNull()) {
        return {};
    }
    QImage image = bitmap.toImage().convertToFormat(QImage::Format_ARGB32);
    if (index >= 0) {
        const int side = std::min(image.width(), image.height());
        if (side <= 0 || static_cast<qint64>(index + 1) * side > image.width()) {
            return {};
        }
        image = image.copy(index * side, 0, side, image.height());
    }
    if (!mapping) {
        return image;
    }
    const QRgb replacement = index >= 0 ? qRgba(0, 0, 0, 0) : face.rgba();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & RGB_MASK) == (kArtworkGrey & RGB_MASK) && qAlpha(line[x]) == 255) {
                line[x] = replacement;
            }
        }
    }
    return image;
}

QSize CBitmapCtrl::sizeHint() const {
    const QImage picture = Picture(m_bitmap, m_index, false, QColor());
    return picture.isNull() ? QSize(16, 16) : picture.size() / picture.devicePixelRatio();
}

void CBitmapCtrl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor face = palette().color(QPalette::Button);
    painter.fillRect(rect(), face);
    const QImage picture = Picture(m_bitmap, m_index, m_mapping, face);
    if (picture.isNull()) {
        return;
    }
    const QSize size = picture.size() / picture.devicePixelRatio();
    const QPoint topLeft =
        m_centred ? QPoint((width() - size.width()) / 2, (height() - size.height()) / 2) : QPoint(0, 0);
    painter.drawImage(QRect(topLeft, size), picture);
}
