#pragma once

#include <QPixmap>
#include <QWidget>

// A picture on a dialog: a whole bitmap, or one square image of a strip of
// them. Light grey (0xC0C0C0) is the background colour of the artwork; with
// colour mapping on it takes the colour of the window around the picture.
// The cursor of the control (QWidget::setCursor) shows while the mouse is
// over it.
class CBitmapCtrl : public QWidget {
    Q_OBJECT
public:
    explicit CBitmapCtrl(QWidget* parent = nullptr);

    void SetBitmap(const QPixmap& bitmap);
    // -1 shows the whole bitmap. Setting an index turns colour mapping on.
    void SetImageIndex(int index);
    int ImageIndex() const { return m_index; }
    void SetColorMapping(bool mapping);
    // Centred in the control instead of at its top-left corner.
    void SetCentred(bool centred);

    // What the control draws: the bitmap, or image index of a strip of images
    // as high as the bitmap and as wide as the smaller of its width and height
    // (a null image when the strip has no such image); with mapping, light
    // grey becomes face.
    static QImage Picture(const QPixmap& bitmap, int index, bool mapping, const QColor& face);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_bitmap;
    int m_index = -1;
    bool m_mapping = false;
    bool m_centred = false;
};
