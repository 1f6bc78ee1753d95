#include "ui/views/ToolbarArt.h"

#include "app/CommandIds.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>
#include <map>

namespace {

using Draw = std::function<void(QPainter&)>;

const QColor kInk(40, 40, 60);
const QColor kPaper(255, 255, 250);
const QColor kBlue(40, 90, 200);
const QColor kGreen(40, 150, 70);
const QColor kRed(200, 40, 40);
const QColor kAmber(235, 180, 40);
const QColor kBrown(150, 90, 40);

void Box(QPainter& p, QRectF r, const QColor& fill) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(fill);
    p.drawRect(r);
}

void Page(QPainter& p, QRectF r) {
    Box(p, r, kPaper);
    p.setPen(QPen(QColor(150, 150, 170), 1));
    for (qreal y = r.top() + 4; y < r.bottom() - 2; y += 3) {
        p.drawLine(QPointF(r.left() + 2.5, y), QPointF(r.right() - 2.5, y));
    }
}

void Letter(QPainter& p, QRectF r, const QString& text, const QColor& color) {
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(static_cast<int>(r.height()));
    p.setFont(font);
    p.setPen(color);
    p.drawText(r, Qt::AlignCenter, text);
}

// The small green plus of the "new item" buttons.
void Plus(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawRect(QRectF(15, 12, 3, 9));
    p.drawRect(QRectF(12, 15, 9, 3));
}

void Arrow(QPainter& p, bool right, const QColor& color) {
    QPainterPath path;
    const qreal tip = right ? 19 : 3;
    const qreal tail = right ? 3 : 19;
    const qreal base = 11;
    path.moveTo(tip, 11);
    path.lineTo(base, 3);
    path.lineTo(base, 7.5);
    path.lineTo(tail, 7.5);
    path.lineTo(tail, 14.5);
    path.lineTo(base, 14.5);
    path.lineTo(base, 19);
    path.closeSubpath();
    p.setPen(QPen(kInk, 1));
    p.setBrush(color);
    p.drawPath(path);
}

void Cart(QPainter& p) {
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({{1, 9}, {4, 9}, {6, 17}, {16, 17}, {18, 11}, {5, 11}}));
    p.setBrush(kInk);
    p.drawEllipse(QPointF(7.5, 19.5), 1.3, 1.3);
    p.drawEllipse(QPointF(14.5, 19.5), 1.3, 1.3);
}

void Calendar(QPainter& p, QRectF r) {
    Box(p, r, kPaper);
    Box(p, QRectF(r.left(), r.top(), r.width(), 4), kRed);
    for (qreal x = r.left() + 3; x < r.right() - 1; x += 4) {
        for (qreal y = r.top() + 7; y < r.bottom() - 1; y += 4) {
            p.drawPoint(QPointF(x, y));
        }
    }
}

void Open(QPainter& p) {
    Box(p, QRectF(2.5, 5.5, 15, 13), kAmber.darker(115));
    p.setBrush(kAmber);
    p.drawPolygon(QPolygonF({{2.5, 18.5}, {6.5, 9.5}, {20.5, 9.5}, {16.5, 18.5}}));
}

void Save(QPainter& p) {
    Box(p, QRectF(2.5, 2.5, 17, 17), kBlue);
    Box(p, QRectF(5.5, 2.5, 11, 7), kPaper);
    Box(p, QRectF(6.5, 13.5, 9, 6), QColor(200, 200, 210));
}

void PrintPreview(QPainter& p) {
    Page(p, QRectF(2.5, 1.5, 13, 17));
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(200, 230, 255, 200));
    p.drawEllipse(QPointF(13, 12), 4.5, 4.5);
    p.drawLine(QPointF(16.5, 15.5), QPointF(20.5, 19.5));
}

void Copy(QPainter& p) {
    Page(p, QRectF(2.5, 2.5, 10, 13));
    Page(p, QRectF(9.5, 7.5, 10, 13));
}

void Delete(QPainter& p) {
    p.setPen(QPen(kRed, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 5), QPointF(17, 17));
    p.drawLine(QPointF(17, 5), QPointF(5, 17));
}

void Properties(QPainter& p) {
    Page(p, QRectF(3.5, 2.5, 14, 17));
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    for (qreal y = 5.5; y < 17; y += 4) {
        p.drawRect(QRectF(5.5, y, 2, 2));
    }
}

void ViewItem(QPainter& p) {
    QPainterPath eye;
    eye.moveTo(1.5, 11);
    eye.quadTo(11, 1, 20.5, 11);
    eye.quadTo(11, 21, 1.5, 11);
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawPath(eye);
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(11, 11), 4, 4);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(11, 11), 1.6, 1.6);
}

void NutrientInformation(QPainter& p) {
    Page(p, QRectF(3.5, 1.5, 15, 19));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawRect(QRectF(5, 3, 12, 3));
    p.drawRect(QRectF(5, 10, 12, 1.5));
}

void NutrientDatabase(QPainter& p) {
    Box(p, QRectF(4.5, 5, 13, 13), kGreen);
    p.drawEllipse(QRectF(4.5, 15, 13, 5));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(5, 15, 12, 3));
    p.setPen(QPen(kInk, 1));
    p.setBrush(kGreen.lighter(140));
    p.drawEllipse(QRectF(4.5, 2.5, 13, 5));
}

void NewRecipe(QPainter& p) {
    Page(p, QRectF(2.5, 1.5, 13, 16));
    Letter(p, QRectF(3, 2, 12, 12), "R", kBlue);
    Plus(p);
}

void NewChapter(QPainter& p) {
    Page(p, QRectF(2.5, 3.5, 13, 14));
    Box(p, QRectF(4.5, 1.5, 6, 3), kAmber);
    Plus(p);
}

void NewBook(QPainter& p) {
    Box(p, QRectF(3.5, 2.5, 12, 16), kBlue);
    Box(p, QRectF(3.5, 16.5, 12, 2), kPaper);
    p.setPen(QPen(kPaper, 1));
    p.drawLine(QPointF(6, 6.5), QPointF(13, 6.5));
    Plus(p);
}

void NewMenu(QPainter& p) {
    Calendar(p, QRectF(1.5, 2.5, 15, 14));
    Plus(p);
}

void NewShoppingListItem(QPainter& p) {
    Cart(p);
    Plus(p);
}

void WhatCanIMake(QPainter& p) {
    Box(p, QRectF(3.5, 10.5, 15, 8), QColor(120, 120, 130));
    p.drawLine(QPointF(1, 11.5), QPointF(21, 11.5));
    Letter(p, QRectF(5, 0, 12, 11), "?", kBlue);
}

void UnitConversions(QPainter& p) {
    p.setPen(QPen(kInk, 1.5));
    p.drawLine(QPointF(11, 3), QPointF(11, 19));
    p.drawLine(QPointF(3, 6), QPointF(19, 6));
    p.setBrush(kAmber);
    p.drawChord(QRectF(1, 7, 8, 7), 0, -180 * 16);
    p.drawChord(QRectF(13, 7, 8, 7), 0, -180 * 16);
    p.drawLine(QPointF(6, 19.5), QPointF(16, 19.5));
}

void Timer(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(11, 12), 8.5, 8.5);
    p.setPen(QPen(kRed, 1.5));
    p.drawLine(QPointF(11, 12), QPointF(11, 6));
    p.drawLine(QPointF(11, 12), QPointF(15, 14));
    p.setPen(QPen(kInk, 1));
    p.setBrush(kInk);
    p.drawRect(QRectF(9.5, 1, 3, 2));
}

void AddRecipeToShoppingList(QPainter& p) {
    Cart(p);
    Letter(p, QRectF(9, 0, 12, 10), "R", kBlue);
}

void AddMenuToShoppingList(QPainter& p) {
    Cart(p);
    Calendar(p, QRectF(10.5, 0.5, 10, 9));
}

void AddInventoryToShoppingList(QPainter& p) {
    Cart(p);
    Box(p, QRectF(11.5, 1.5, 9, 8), kBrown);
}

void HelpTopics(QPainter& p) {
    Box(p, QRectF(3.5, 2.5, 15, 17), kBlue);
    Letter(p, QRectF(4, 3, 14, 15), "?", kPaper);
}

void HelpFile(QPainter& p) {
    Page(p, QRectF(3.5, 1.5, 15, 19));
    Letter(p, QRectF(4, 4, 14, 14), "?", kBlue);
}

void ContextHelp(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawPolygon(QPolygonF({{2, 2}, {2, 16}, {5.5, 12.5}, {8, 18}, {10, 17}, {7.5, 11.5}, {12, 11.5}}));
    Letter(p, QRectF(10, 2, 12, 16), "?", kBlue);
}

const std::map<int, Draw>& Drawings() {
    using namespace CommandId;
    static const std::map<int, Draw> drawings = {
        {kOpen, Open},
        {kSave, Save},
        {kPrintPreview, PrintPreview},
        {kCopy, Copy},
        {kDelete, Delete},
        {kProperties, Properties},
        {kViewItem, ViewItem},
        {kNutrientInformation, NutrientInformation},
        {kNutrientDatabase, NutrientDatabase},
        {kNewRecipe, NewRecipe},
        {kNewChapter, NewChapter},
        {kNewBook, NewBook},
        {kNewMenu, NewMenu},
        {kNewShoppingListItem, NewShoppingListItem},
        {kWhatCanIMake, WhatCanIMake},
        {kUnitConversions, UnitConversions},
        {kTimer, Timer},
        {kAddRecipeToShoppingList, AddRecipeToShoppingList},
        {kAddMenuToShoppingList, AddMenuToShoppingList},
        {kAddInventoryToShoppingList, AddInventoryToShoppingList},
        {kHelpBack, [](QPainter& p) { Arrow(p, false, kGreen); }},
        {kHelpForward, [](QPainter& p) { Arrow(p, true, kGreen); }},
        {kHelpTopics, HelpTopics},
        {kHelpFile, HelpFile},
        {kContextHelp, ContextHelp},
    };
    return drawings;
}

} // namespace

bool ToolbarArt::Has(int id) {
    return Drawings().contains(id);
}

QPixmap ToolbarArt::Picture(int id) {
    const auto found = Drawings().find(id);
    if (found == Drawings().end()) {
        return {};
    }
    QPixmap picture(kSize, kSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    found->second(painter);
    return picture;
}

QPixmap ToolbarArt::Disabled(const QPixmap& picture) {
    QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = 128 + qGray(line[x]) / 2;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) / 2);
        }
    }
    return QPixmap::fromImage(image);
}

QIcon ToolbarArt::Icon(int id) {
    const QPixmap picture = Picture(id);
    if (picture.isNull()) {
        return {};
    }
    QIcon icon;
    icon.addPixmap(picture, QIcon::Normal);
    icon.addPixmap(Disabled(picture), QIcon::Disabled);
    return icon;
}
