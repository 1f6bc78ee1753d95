#include "support/QtTestPicture.h"

#include "support/TempDir.h"

#include <QImage>

std::filesystem::path WriteTestPicture(const TempDir& dir, const char* name) {
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::red);
    const auto path = dir / name;
    image.save(QString::fromStdString(path.string()), "PNG");
    return path;
}
