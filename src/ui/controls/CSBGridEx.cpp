#include "ui/controls/CSBGridEx.h"

#include "platform/StringTable.h"

namespace {

constexpr int kAddItemText = 553;

} // namespace

CSBGridEx::CSBGridEx(QWidget* parent) : CGridEx(parent) {}

QString CSBGridEx::GetPlaceholder(int column) const {
    return column == m_placeholderColumn ? QString::fromStdString(StringTable::Get(kAddItemText)) : QString();
}

void CSBGridEx::SetPlaceholderColumn(int column) {
    m_placeholderColumn = column;
    RefreshPlaceholderRow();
}
