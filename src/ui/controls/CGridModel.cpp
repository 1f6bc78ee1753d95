#include "ui/controls/CGridModel.h"

#include <QBrush>
#include <QColor>

#include <algorithm>

namespace {

QColor ToQColor(ColorRef color) {
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

} // namespace

CGridModel::CGridModel(QObject* parent) : QAbstractTableModel(parent) {}

int CGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_captions.size());
}

QVariant CGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !IsValidRow(index.row())) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return CellText(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(ColumnAlignment(index.column()) | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return Background(index.row());
    case Qt::ForegroundRole:
        return Foreground(index.row());
    case Qt::DecorationRole:
        return Decoration(index);
    case Qt::CheckStateRole:
        if (m_rowChecksShown && index.column() == 0 && !IsPlaceholder(index.row())) {
            return IsRowChecked(index.row()) ? Qt::Checked : Qt::Unchecked;
        }
        return {};
    default:
        return {};
    }
}

QVariant CGridModel::Background(int row) const {
    const ColorRef color = IsPlaceholder(row) ? m_placeholderColor : (row % 2 == 0 ? m_evenRowColor : m_oddRowColor);
    return color < 0 ? QVariant() : QVariant(QBrush(ToQColor(color)));
}

QVariant CGridModel::Foreground(int row) const {
    if (!m_textColorSource || IsPlaceholder(row)) {
        return {};
    }
    return QBrush(ToQColor(m_textColorSource(row)));
}

QVariant CGridModel::Decoration(const QModelIndex& index) const {
    const int image = CellImage(index.row(), index.column());
    if (image < 0 || image >= m_images.size()) {
        return {};
    }
    return m_images[image];
}

QVariant CGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= m_captions.size()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return m_captions[section];
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(m_alignments[section] | Qt::AlignVCenter);
    }
    return {};
}

Qt::ItemFlags CGridModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (m_rowChecksShown && index.column() == 0 && !IsPlaceholder(index.row())) {
        flags |= Qt::ItemIsUserCheckable;
    }
    return flags;
}

bool CGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || !index.isValid() || !IsValidRow(index.row())) {
        return false;
    }
    SetRowChecked(index.row(), value.toInt() == Qt::Checked);
    emit rowCheckClicked(index.row());
    return true;
}

void CGridModel::InsertColumn(int column, const QString& caption, Qt::Alignment alignment) {
    column = std::clamp(column, 0, static_cast<int>(m_captions.size()));
    beginInsertColumns({}, column, column);
    m_captions.insert(column, caption);
    m_alignments.insert(column, alignment);
    for (Row& row : m_rows) {
        if (column < row.m_cells.size()) {
            row.m_cells.insert(column, QString());
        }
        if (column < row.m_images.size()) {
            row.m_images.insert(column, -1);
        }
    }
    endInsertColumns();
}

QString CGridModel::ColumnCaption(int column) const {
    return column >= 0 && column < m_captions.size() ? m_captions[column] : QString();
}

void CGridModel::SetColumnCaption(int column, const QString& caption) {
    if (column < 0 || column >= m_captions.size()) {
        return;
    }
    m_captions[column] = caption;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

Qt::Alignment CGridModel::ColumnAlignment(int column) const {
    return column >= 0 && column < m_alignments.size() ? m_alignments[column] : Qt::AlignLeft;
}

int CGridModel::InsertRow(int row, const QString& text) {
    row = std::clamp(row, 0, rowCount());
    beginInsertRows({}, row, row);
    Row inserted;
    inserted.m_cells.append(text);
    m_rows.insert(m_rows.begin() + row, std::move(inserted));
    endInsertRows();
    return row;
}

bool CGridModel::DeleteRow(int row) {
    if (!IsValidRow(row)) {
        return false;
    }
    beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
    return true;
}

void CGridModel::DeleteAllRows() {
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

QString CGridModel::CellText(int row, int column) const {
    if (!IsValidRow(row) || column < 0 || column >= m_rows[row].m_cells.size()) {
        return {};
    }
    return m_rows[row].m_cells[column];
}

void CGridModel::SetCellText(int row, int column, const QString& text) {
    if (!IsValidRow(row) || column < 0 || column >= columnCount()) {
        return;
    }
    QList<QString>& cells = m_rows[row].m_cells;
    if (column >= cells.size()) {
        cells.resize(column + 1);
    }
    cells[column] = text;
    const QModelIndex changed = index(row, column);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
}

quintptr CGridModel::ItemData(int row) const {
    return IsValidRow(row) ? m_rows[row].m_data : 0;
}

void CGridModel::SetItemData(int row, quintptr data) {
    if (IsValidRow(row)) {
        m_rows[row].m_data = data;
    }
}

int CGridModel::CellImage(int row, int column) const {
    if (!IsValidRow(row) || column < 0 || column >= m_rows[row].m_images.size()) {
        return -1;
    }
    return m_rows[row].m_images[column];
}

void CGridModel::SetCellImage(int row, int column, int image) {
    if (!IsValidRow(row) || column < 0 || column >= columnCount()) {
        return;
    }
    QList<int>& images = m_rows[row].m_images;
    if (column >= images.size()) {
        images.resize(column + 1, -1);
    }
    images[column] = image;
    const QModelIndex changed = index(row, column);
    emit dataChanged(changed, changed, {Qt::DecorationRole});
}

bool CGridModel::IsRowChecked(int row) const {
    return IsValidRow(row) && m_rows[row].m_checked;
}

void CGridModel::SetRowChecked(int row, bool checked) {
    if (!IsValidRow(row)) {
        return;
    }
    m_rows[row].m_checked = checked;
    const QModelIndex changed = index(row, 0);
    emit dataChanged(changed, changed, {Qt::CheckStateRole});
}

void CGridModel::SetRowChecksShown(bool shown) {
    m_rowChecksShown = shown;
    if (!m_rows.empty()) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::CheckStateRole});
    }
}

void CGridModel::SetImages(QList<QPixmap> images) {
    m_images = std::move(images);
}

void CGridModel::SetRowColors(ColorRef even, ColorRef odd, ColorRef placeholder) {
    m_evenRowColor = even;
    m_oddRowColor = odd;
    m_placeholderColor = placeholder;
    if (!m_rows.empty()) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::BackgroundRole});
    }
}

void CGridModel::Reorder(const std::vector<std::size_t>& order) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newRowOf(m_rows.size());
    std::vector<Row> sorted;
    sorted.reserve(m_rows.size());
    for (std::size_t newRow = 0; newRow < order.size(); ++newRow) {
        newRowOf[order[newRow]] = static_cast<int>(newRow);
        sorted.push_back(std::move(m_rows[order[newRow]]));
    }
    for (std::size_t rest = order.size(); rest < m_rows.size(); ++rest) {
        newRowOf[rest] = static_cast<int>(rest);
        sorted.push_back(std::move(m_rows[rest]));
    }
    m_rows = std::move(sorted);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before) {
        after.append(index(newRowOf[old.row()], old.column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
