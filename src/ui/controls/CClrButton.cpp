#include "ui/controls/CClrButton.h"

#include <QColorDialog>
#include <QPainter>

namespace {

constexpr QSize kSwatchSize(32, 12);

QColor ToQColor(ColorRef color) {
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

} // namespace

CClrButton::CClrButton(QWidget* parent) : QPushButton(parent) {
    setIconSize(kSwatchSize);
    SetColor(kNoColor);
    connect(this, &QPushButton::clicked, this, &CClrButton::Choose);
}

void CClrButton::SetColor(ColorRef color) {
    m_color = color;
    setEnabled(color != kUnusedColor);
    setIcon(QIcon(Swatch(color, kSwatchSize)));
    setToolTip(color < 0 ? QString() : ToQColor(color).name(QColor::HexRgb).toUpper());
}

QPixmap CClrButton::Swatch(ColorRef color, QSize size) {
    QPixmap swatch(size);
    swatch.fill(Qt::transparent);
    if (color == kUnusedColor) {
        return swatch;
    }
    QPainter painter(&swatch);
    const QRect frame(0, 0, size.width() - 1, size.height() - 1);
    painter.setPen(Qt::black);
    painter.setBrush(color == kNoColor ? QBrush(Qt::white) : QBrush(ToQColor(color)));
    painter.drawRect(frame);
    if (color == kNoColor) {
        // No colour is shown the way a cleared field is: struck through.
        painter.setPen(Qt::red);
        painter.drawLine(frame.bottomLeft(), frame.topRight());
    }
    return swatch;
}

std::optional<ColorRef> CClrButton::AskColor() {
    const QColor start = m_color < 0 ? QColor(Qt::white) : ToQColor(m_color);
    const QColor chosen = QColorDialog::getColor(start, this);
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return Rgb(chosen.red(), chosen.green(), chosen.blue());
}

void CClrButton::Choose() {
    const std::optional<ColorRef> chosen = AskColor();
    if (!chosen || *chosen == m_color) {
        return;
    }
    SetColor(*chosen);
    emit colorChanged(*chosen);
}
