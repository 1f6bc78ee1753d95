#pragma once

#include <QPushButton>

// The "Paste" button of the sheets' pages: enabled only while the clipboard
// holds text, following the clipboard as it changes.
class PasteButton : public QPushButton {
    Q_OBJECT
public:
    explicit PasteButton(QWidget* parent);

private:
    void Update();
};
