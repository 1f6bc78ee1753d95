#pragma once

#include "ui/controls/IconCatalog.h"

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <map>

// The pictures of the icon catalogue as 20 x 16 images with transparent
// backgrounds, made once per id and kept for the run.
class CIconList {
public:
    static constexpr int kWidth = 20;
    static constexpr int kHeight = 16;

    static CIconList& Global();

    // The picture of the id; a null pixmap for an id without one.
    QPixmap Image(int id);
    QPixmap SelectedImage(int id) { return Image(IconCatalog::SelectedId(id)); }
    QIcon Icon(int id) { return QIcon(Image(id)); }
    static QString Name(int id) { return QString::fromStdString(IconCatalog::Name(id)); }

private:
    static QPixmap Draw(int id);
    static QPixmap DrawGlyph(const std::string& glyph);
    static QPixmap DrawGeneral(int id);

    std::map<int, QPixmap> m_images;
};
