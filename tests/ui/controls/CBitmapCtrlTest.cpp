#include "ui/controls/CBitmapCtrl.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

const QColor kGrey(0xC0, 0xC0, 0xC0);
const QColor kFace(0xEE, 0xEE, 0xEE);

// A strip of three 4 x 4 images: red, green and blue squares whose top-left
// pixel is the artwork grey.
QPixmap Strip() {
    QImage image(12, 4, QImage::Format_ARGB32);
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue};
    for (int i = 0; i < 3; ++i) {
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 4; ++x) {
                image.setPixelColor(i * 4 + x, y, x == 0 && y == 0 ? kGrey : colours[i]);
            }
        }
    }
    return QPixmap::fromImage(image);
}

TEST(CBitmapCtrl, CutsTheStripAndMapsTheArtworkGrey) {
    struct Case {
        const char* name;
        int index;
        bool mapping;
        QSize size;
        QRgb corner;
        QRgb inside;
    };
    const Case cases[] = {
        {"whole bitmap as loaded", -1, false, {12, 4}, kGrey.rgb(), QColor(Qt::red).rgb()},
        {"whole bitmap, grey turned into the face", -1, true, {12, 4}, kFace.rgb(), QColor(Qt::red).rgb()},
        {"one image, grey transparent", 2, true, {4, 4}, qRgba(0, 0, 0, 0), QColor(Qt::blue).rgb()},
    };
    for (const Case& c : cases) {
        const QImage picture = CBitmapCtrl::Picture(Strip(), c.index, c.mapping, kFace);
        EXPECT_EQ(picture.size(), c.size) << c.name;
        EXPECT_EQ(picture.pixel(0, 0), c.corner) << c.name;
        EXPECT_EQ(picture.pixel(1, 1), c.inside) << c.name;
    }
    EXPECT_TRUE(CBitmapCtrl::Picture(Strip(), 3, true, kFace).isNull());
    EXPECT_TRUE(CBitmapCtrl::Picture(QPixmap(), -1, false, kFace).isNull());
}

TEST(CBitmapCtrl, SettingAnImageIndexTurnsMappingOnAndPaintsTheImageCentred) {
    CBitmapCtrl control;
    control.SetBitmap(Strip());
    control.SetImageIndex(1);
    control.SetCentred(true);
    control.resize(10, 10);
    QPalette palette = control.palette();
    palette.setColor(QPalette::Button, kFace);
    control.setPalette(palette);
    const QImage shown = control.grab().toImage();
    EXPECT_EQ(shown.pixelColor(0, 0), kFace);
    EXPECT_EQ(shown.pixelColor(3, 3), kFace) << "the grey corner of the image is transparent";
    EXPECT_EQ(shown.pixelColor(4, 4), QColor(Qt::green));
    EXPECT_EQ(shown.pixelColor(7, 7), kFace);
    EXPECT_EQ(control.sizeHint(), QSize(4, 4));
}

} // namespace
