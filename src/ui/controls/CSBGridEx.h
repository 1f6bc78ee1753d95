#pragma once

#include "ui/controls/CGridEx.h"

// The program's grid: its placeholder row reads "[Click here to add item]" in
// the placeholder column.
class CSBGridEx : public CGridEx {
    Q_OBJECT
public:
    explicit CSBGridEx(QWidget* parent = nullptr);

    QString GetPlaceholder(int column) const override;

    int PlaceholderColumn() const { return m_placeholderColumn; }
    void SetPlaceholderColumn(int column);

private:
    int m_placeholderColumn = 0;
};
