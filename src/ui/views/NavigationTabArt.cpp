#include "ui/views/NavigationTabArt.h"

#include "ui/controls/ButtonArt.h"

#include <QPainter>
#include <QPolygon>

#include <array>
#include <functional>

namespace {

const QColor kInk(0x30, 0x30, 0x30);
const QColor kCover(0x2E, 0x6B, 0xB8);
const QColor kRed(0xC8, 0x30, 0x30);
const QColor kGold(0xE8, 0xB0, 0x20);

void Book(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(kCover);
    p.drawRect(3, 1, 10, 14);
    p.setBrush(Qt::white);
    p.drawRect(11, 2, 2, 12);
}

void Index(QPainter& p) {
    QFont font = p.font();
    font.setPixelSize(9);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kCover);
    p.drawText(QRect(0, 0, 16, 8), Qt::AlignCenter, "A");
    p.setPen(kRed);
    p.drawText(QRect(0, 8, 16, 8), Qt::AlignCenter, "Z");
}

void Plate(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(Qt::white);
    p.drawEllipse(1, 2, 12, 12);
    p.drawEllipse(4, 5, 6, 6);
    p.drawLine(15, 2, 15, 14);
}

void Star(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(kGold);
    p.drawPolygon(QPolygon({QPoint(8, 1), QPoint(10, 6), QPoint(15, 6), QPoint(11, 9), QPoint(13, 15), QPoint(8, 11),
                            QPoint(3, 15), QPoint(5, 9), QPoint(1, 6), QPoint(6, 6)}));
}

void List(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(Qt::white);
    p.drawRect(2, 1, 11, 14);
    p.setPen(kRed);
    for (int y = 4; y < 14; y += 3) {
        p.drawLine(4, y, 11, y);
    }
}

// The search page shares the magnifier of the Locate buttons.
void Magnifier(QPainter& p) {
    p.drawPixmap(0, 0, ButtonArt::Picture("LOCATE"));
}

} // namespace

QPixmap NavigationTabArt::Picture(int page) {
    static const std::array<std::function<void(QPainter&)>, 6> drawings = {Book, Index, Plate, Star, Magnifier, List};
    if (page < 0 || page >= static_cast<int>(drawings.size())) {
        return {};
    }
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawings[static_cast<std::size_t>(page)](painter);
    return pixmap;
}
