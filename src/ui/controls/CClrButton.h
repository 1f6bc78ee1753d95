#pragma once

#include "platform/ColorRef.h"

#include <QPushButton>

#include <optional>

// A button that shows a colour and lets the user choose another. kNoColor
// shows that no colour is set; kUnusedColor disables the button (a style that
// has no use for the colour).
class CClrButton : public QPushButton {
    Q_OBJECT
public:
    explicit CClrButton(QWidget* parent = nullptr);

    ColorRef Color() const { return m_color; }
    void SetColor(ColorRef color);

    // The swatch the button shows for a colour.
    static QPixmap Swatch(ColorRef color, QSize size);

signals:
    // The user chose a different colour.
    void colorChanged(ColorRef color);

protected:
    // The colour the user chooses starting from the current one; none when
    // the choice was cancelled.
    virtual std::optional<ColorRef> AskColor();

private:
    void Choose();

    ColorRef m_color = kNoColor;
};
