#pragma once

#include <QPushButton>

class ButtonImageTable;

// A push button whose caption names a registered picture shows the picture
// instead of the caption; any other caption stays text.
class CMappedBitmapButton : public QPushButton {
    Q_OBJECT
public:
    explicit CMappedBitmapButton(const QString& caption, QWidget* parent = nullptr);
    CMappedBitmapButton(const QString& caption, const ButtonImageTable& table, QWidget* parent = nullptr);

    QString Keyword() const { return m_keyword; }
    bool HasPicture() const { return !m_keyword.isEmpty(); }

private:
    QString m_keyword;
};
