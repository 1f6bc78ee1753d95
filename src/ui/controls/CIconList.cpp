#include "ui/controls/CIconList.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace {

const QColor kInk(0x30, 0x30, 0x30);
const QColor kPaper(0xFF, 0xFF, 0xFF);
const QColor kHighlight(0xFF, 0xE0, 0x60);

void Page(QPainter& p, const QRect& rect, bool lines) {
    p.setPen(kInk);
    p.setBrush(kPaper);
    p.drawRect(rect);
    if (!lines) {
        return;
    }
    p.setPen(QColor(0x50, 0x70, 0xC0));
    for (int y = rect.top() + 3; y < rect.bottom() - 1; y += 3) {
        p.drawLine(rect.left() + 2, y, rect.right() - 2, y);
    }
}

void Book(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(kPaper);
    p.drawRect(5, 3, 11, 11);
    p.setBrush(QColor(0xA0, 0x28, 0x28));
    p.drawRect(3, 1, 11, 12);
    p.setPen(QColor(0xE0, 0xB0, 0x40));
    p.drawLine(6, 4, 11, 4);
}

void OpenBook(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(kPaper);
    p.drawPolygon(QPolygon({QPoint(1, 3), QPoint(9, 4), QPoint(9, 14), QPoint(1, 13)}));
    p.drawPolygon(QPolygon({QPoint(18, 3), QPoint(10, 4), QPoint(10, 14), QPoint(18, 13)}));
    p.setPen(QColor(0x50, 0x70, 0xC0));
    for (int y = 6; y < 12; y += 2) {
        p.drawLine(3, y, 7, y + 1);
        p.drawLine(12, y + 1, 16, y);
    }
}

void Folder(QPainter& p, bool open) {
    p.setPen(kInk);
    p.setBrush(QColor(0xE8, 0xC0, 0x50));
    p.drawRect(2, 4, 15, 10);
    p.drawRect(2, 2, 6, 2);
    if (open) {
        p.setBrush(QColor(0xF8, 0xE0, 0x90));
        p.drawPolygon(QPolygon({QPoint(5, 7), QPoint(19, 7), QPoint(16, 14), QPoint(2, 14)}));
    }
}

void Calendar(QPainter& p, bool selected) {
    Page(p, QRect(2, 2, 15, 12), false);
    p.setBrush(QColor(0xC0, 0x30, 0x30));
    p.drawRect(2, 2, 15, 3);
    p.setPen(QColor(0x90, 0x90, 0x90));
    for (int x = 6; x < 17; x += 4) {
        p.drawLine(x, 5, x, 14);
    }
    p.drawLine(2, 9, 17, 9);
    if (selected) {
        p.fillRect(7, 6, 3, 3, QColor(0x30, 0x80, 0x30));
    }
}

void Plate(QPainter& p, bool withFood) {
    p.setPen(kInk);
    p.setBrush(kPaper);
    p.drawEllipse(4, 2, 12, 12);
    p.drawEllipse(7, 5, 6, 6);
    p.drawLine(1, 3, 1, 14);
    p.drawLine(18, 3, 18, 14);
    if (withFood) {
        p.setBrush(QColor(0xE0, 0x80, 0x20));
        p.drawEllipse(7, 5, 6, 6);
    }
}

void Jar(QPainter& p, int left, const QColor& fill) {
    p.setPen(kInk);
    p.setBrush(fill);
    p.drawRect(left, 5, 7, 9);
    p.setBrush(QColor(0x80, 0x80, 0x80));
    p.drawRect(left + 1, 2, 5, 3);
}

void Padlock(QPainter& p, bool open) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(open ? 9 : 6, 1, 8, 10, 0, 180 * 16);
    p.setPen(kInk);
    p.setBrush(QColor(0xD0, 0xA0, 0x20));
    p.drawRect(4, 7, 11, 8);
}

void Star(QPainter& p) {
    QPainterPath star;
    star.moveTo(10, 1);
    star.lineTo(12, 6);
    star.lineTo(18, 6);
    star.lineTo(13, 10);
    star.lineTo(15, 15);
    star.lineTo(10, 12);
    star.lineTo(5, 15);
    star.lineTo(7, 10);
    star.lineTo(2, 6);
    star.lineTo(8, 6);
    star.closeSubpath();
    p.setPen(kInk);
    p.setBrush(QColor(0xF8, 0xD0, 0x20));
    p.drawPath(star);
}

void Question(QPainter& p) {
    Page(p, QRect(3, 1, 13, 14), false);
    QFont font = p.font();
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0xC0, 0x20, 0x20));
    p.drawText(QRect(3, 1, 14, 15), Qt::AlignCenter, "?");
}

void Clipboard(QPainter& p, bool selected) {
    p.setPen(kInk);
    p.setBrush(QColor(0xA0, 0x70, 0x40));
    p.drawRect(3, 2, 13, 13);
    Page(p, QRect(5, 4, 9, 10), true);
    if (selected) {
        p.setPen(QPen(QColor(0x20, 0x90, 0x20), 2));
        p.drawPolyline(QPolygon({QPoint(7, 9), QPoint(9, 12), QPoint(15, 4)}));
    }
}

} // namespace

CIconList& CIconList::Global() {
    static CIconList list;
    return list;
}

QPixmap CIconList::Image(int id) {
    if (!IconCatalog::Exists(id)) {
        return {};
    }
    auto found = m_images.find(id);
    if (found == m_images.end()) {
        found = m_images.emplace(id, Draw(id)).first;
    }
    return found->second;
}

QPixmap CIconList::Draw(int id) {
    return IconCatalog::CategoryOf(id) == IconCatalog::General ? DrawGeneral(id) : DrawGlyph(IconCatalog::Glyph(id));
}

QPixmap CIconList::DrawGlyph(const std::string& glyph) {
    QPixmap pixmap(kWidth, kHeight);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QFont font("Noto Color Emoji");
    font.setPixelSize(kHeight - 1);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, kWidth, kHeight), Qt::AlignCenter, QString::fromStdString(glyph));
    return pixmap;
}

QPixmap CIconList::DrawGeneral(int id) {
    QPixmap pixmap(kWidth, kHeight);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    switch (id) {
    case IconCatalog::Book:
        Book(p);
        break;
    case IconCatalog::OpenBook:
        OpenBook(p);
        break;
    case IconCatalog::Chapter:
    case IconCatalog::SelectedChapter:
        Folder(p, id == IconCatalog::SelectedChapter);
        break;
    case IconCatalog::Recipe:
        Page(p, QRect(4, 1, 11, 14), true);
        break;
    case IconCatalog::SelectedRecipe:
        p.fillRect(2, 0, 15, 16, kHighlight);
        Page(p, QRect(4, 1, 11, 14), true);
        break;
    case IconCatalog::Menu:
    case IconCatalog::SelectedMenu:
        Clipboard(p, id == IconCatalog::SelectedMenu);
        break;
    case IconCatalog::Calendar:
    case IconCatalog::SelectedCalendar:
        Calendar(p, id == IconCatalog::SelectedCalendar);
        break;
    case IconCatalog::Meal:
    case IconCatalog::SelectedMeal:
        Plate(p, id == IconCatalog::SelectedMeal);
        break;
    case IconCatalog::Ingredient:
        Jar(p, 6, QColor(0xC0, 0xE0, 0xF0));
        break;
    case IconCatalog::Ingredients:
        Jar(p, 2, QColor(0xC0, 0xE0, 0xF0));
        Jar(p, 11, QColor(0xF0, 0xD0, 0xA0));
        break;
    case IconCatalog::Closed:
    case IconCatalog::Open:
        Padlock(p, id == IconCatalog::Open);
        break;
    case IconCatalog::NotFound:
        Question(p);
        break;
    default:
        Star(p);
        break;
    }
    return pixmap;
}
