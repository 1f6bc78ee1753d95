#include "ui/controls/ButtonArt.h"

#include <QFont>
#include <QPainter>
#include <QPolygon>
#include <functional>
#include <map>

namespace {

const QColor kInk(0x20, 0x20, 0x20);
const QColor kBlue(0x20, 0x50, 0xB0);
const QColor kGreen(0x20, 0x90, 0x30);
const QColor kRed(0xC0, 0x20, 0x20);

using Drawing = std::function<void(QPainter&)>;

void Arrow(QPainter& p, int angle) {
    p.translate(8, 8);
    p.rotate(angle);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawPolygon(QPolygon(
        {QPoint(-2, -6), QPoint(2, -6), QPoint(2, 0), QPoint(6, 0), QPoint(0, 7), QPoint(-6, 0), QPoint(-2, 0)}));
}

void Triangle(QPainter& p, int angle) {
    p.translate(8, 8);
    p.rotate(angle);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawPolygon(QPolygon({QPoint(-5, -3), QPoint(5, -3), QPoint(0, 3)}));
}

void Letter(QPainter& p, const QString& text, const QColor& color, bool bold, bool italic) {
    QFont font = p.font();
    font.setPixelSize(text.size() > 1 ? 8 : 13);
    font.setBold(bold);
    font.setItalic(italic);
    p.setFont(font);
    p.setPen(color);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, text);
}

void Page(QPainter& p, const QRect& rect) {
    p.setPen(kInk);
    p.setBrush(Qt::white);
    p.drawRect(rect);
}

void PageWithLetter(QPainter& p, const QString& text, const QColor& color) {
    Page(p, QRect(2, 0, 11, 15));
    Letter(p, text, color, true, false);
}

void Plus(QPainter& p, const QColor& color) {
    p.setPen(QPen(color, 2));
    p.drawLine(12, 8, 12, 14);
    p.drawLine(9, 11, 15, 11);
}

void Minus(QPainter& p) {
    p.setPen(QPen(kRed, 2));
    p.drawLine(9, 11, 15, 11);
}

void Box(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(QColor(0xC8, 0x98, 0x58));
    p.drawRect(1, 4, 10, 9);
    p.drawLine(1, 7, 11, 7);
}

void List(QPainter& p) {
    Page(p, QRect(1, 1, 10, 13));
    p.setPen(kBlue);
    for (int y = 4; y < 13; y += 3) {
        p.drawLine(3, y, 9, y);
    }
}

void Check(QPainter& p) {
    p.setPen(QPen(kGreen, 2.5));
    p.drawPolyline(QPolygon({QPoint(2, 8), QPoint(6, 12), QPoint(14, 3)}));
}

void Cross(QPainter& p) {
    p.setPen(QPen(kRed, 2.5));
    p.drawLine(3, 3, 13, 13);
    p.drawLine(13, 3, 3, 13);
}

void TwoPages(QPainter& p) {
    Page(p, QRect(1, 1, 9, 11));
    Page(p, QRect(6, 4, 9, 11));
}

void Clipboard(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(QColor(0xA0, 0x70, 0x40));
    p.drawRect(2, 2, 11, 13);
    Page(p, QRect(4, 4, 7, 9));
}

void Magnifier(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(0xD0, 0xE8, 0xFF));
    p.drawEllipse(2, 2, 8, 8);
    p.drawLine(9, 9, 14, 14);
}

void Eye(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(Qt::white);
    p.drawEllipse(1, 4, 14, 8);
    p.setBrush(kBlue);
    p.drawEllipse(5, 5, 6, 6);
}

void Info(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawEllipse(1, 1, 14, 14);
    Letter(p, "i", Qt::white, true, false);
}

void Pot(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(QColor(0x90, 0x90, 0x98));
    p.drawRect(2, 6, 12, 8);
    p.drawLine(0, 7, 2, 7);
    p.drawLine(14, 7, 16, 7);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawArc(4, 1, 3, 4, 0, 180 * 16);
    p.drawArc(9, 1, 3, 4, 0, 180 * 16);
}

void Plate(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(Qt::white);
    p.drawEllipse(1, 2, 11, 11);
    p.drawEllipse(4, 5, 5, 5);
}

void Wand(QPainter& p, const QString& mark) {
    p.setPen(QPen(kInk, 2));
    p.drawLine(1, 15, 7, 9);
    p.setPen(QColor(0xE0, 0xA0, 0x00));
    p.drawLine(8, 5, 8, 8);
    p.drawLine(6, 7, 10, 7);
    QFont font = p.font();
    font.setPixelSize(mark.size() > 1 ? 6 : 9);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kBlue);
    p.drawText(QRect(8, 0, 8, 16), Qt::AlignCenter, mark);
}

const std::map<QString, Drawing>& Drawings() {
    static const std::map<QString, Drawing> drawings = {
        {"MOVEDOWN", [](QPainter& p) { Arrow(p, 0); }},
        {"MOVEUP", [](QPainter& p) { Arrow(p, 180); }},
        {"MOVELEFT", [](QPainter& p) { Arrow(p, 90); }},
        {"MOVERIGHT", [](QPainter& p) { Arrow(p, 270); }},
        {"PREV", [](QPainter& p) { Triangle(p, 90); }},
        {"NEXT", [](QPainter& p) { Triangle(p, 270); }},
        {"NEW",
         [](QPainter& p) {
             Page(p, QRect(2, 1, 10, 14));
             Plus(p, kGreen);
         }},
        {"DELETE", Cross},
        {"COPY", TwoPages},
        {"PASTE", Clipboard},
        {"POPUP", [](QPainter& p) { Triangle(p, 0); }},
        {"BROWSE", [](QPainter& p) { Letter(p, "...", kInk, true, false); }},
        {"OK", Check},
        {"BOLD", [](QPainter& p) { Letter(p, "B", kInk, true, false); }},
        {"ITALIC", [](QPainter& p) { Letter(p, "I", kInk, false, true); }},
        {"PROPERTIES", List},
        {"WHATMAKE", Pot},
        {"SHOWHIDE", Eye},
        {"LOCATE", Magnifier},
        {"INFO", Info},
        {"INV_ADD",
         [](QPainter& p) {
             Box(p);
             Plus(p, kGreen);
         }},
        {"INV_USE",
         [](QPainter& p) {
             Box(p);
             Minus(p);
         }},
        {"INV_ADD_SL",
         [](QPainter& p) {
             List(p);
             Plus(p, kGreen);
         }},
        {"NEW_MEAL",
         [](QPainter& p) {
             Plate(p);
             Plus(p, kGreen);
         }},
        {"WIZ_RECIPE", [](QPainter& p) { Wand(p, "R"); }},
        {"WIZ_SHOP", [](QPainter& p) { Wand(p, "S"); }},
        {"WIZ_MENU", [](QPainter& p) { Wand(p, "M"); }},
        {"WIZ_INV", [](QPainter& p) { Wand(p, "I"); }},
        {"WIZ_TEXT", [](QPainter& p) { Wand(p, "T"); }},
        {"WIZ_WEB", [](QPainter& p) { Wand(p, "W"); }},
        {"WIZ_PALM", [](QPainter& p) { Wand(p, "P"); }},
        {"WIZ_PPC", [](QPainter& p) { Wand(p, "PC"); }},
        {"FMT_WORD", [](QPainter& p) { PageWithLetter(p, "W", kBlue); }},
        {"FMT_RTF", [](QPainter& p) { PageWithLetter(p, "R", kRed); }},
        {"FMT_TEXT", [](QPainter& p) { PageWithLetter(p, "T", kInk); }},
    };
    return drawings;
}

} // namespace

QPixmap ButtonArt::Picture(const QString& keyword) {
    const auto found = Drawings().find(keyword);
    if (found == Drawings().end()) {
        return {};
    }
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    found->second(painter);
    return pixmap;
}
