#pragma once

#include "platform/ColorRef.h"

#include <QAbstractTableModel>
#include <QList>
#include <QPixmap>

#include <functional>
#include <vector>

// The rows of a grid. The grid owns no other data model: each row holds its
// cell texts, the item data its owner attached, its check state and the image
// of each cell.
class CGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using TextColorSource = std::function<ColorRef(int row)>;

    explicit CGridModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    void InsertColumn(int column, const QString& caption, Qt::Alignment alignment);
    QString ColumnCaption(int column) const;
    void SetColumnCaption(int column, const QString& caption);
    Qt::Alignment ColumnAlignment(int column) const;

    // Inserts an empty row at row (clamped to the rows there are) with text in
    // column 0 and returns its index.
    int InsertRow(int row, const QString& text);
    bool DeleteRow(int row);
    void DeleteAllRows();

    QString CellText(int row, int column) const;
    void SetCellText(int row, int column, const QString& text);
    quintptr ItemData(int row) const;
    void SetItemData(int row, quintptr data);
    int CellImage(int row, int column) const;
    void SetCellImage(int row, int column, int image);
    bool IsRowChecked(int row) const;
    void SetRowChecked(int row, bool checked);

    void SetRowChecksShown(bool shown);
    void SetImages(QList<QPixmap> images);
    // The last row is the placeholder row and takes the placeholder colour.
    void SetPlaceholderRow(bool on) { m_placeholderRow = on; }
    void SetRowColors(ColorRef even, ColorRef odd, ColorRef placeholder);
    // When set, asked for the text colour of every data row that is painted.
    void SetTextColorSource(TextColorSource source) { m_textColorSource = std::move(source); }

    // Puts the rows in the given order (old row indices, new order first to
    // last); selection and other persistent indexes follow their rows.
    void Reorder(const std::vector<std::size_t>& order);

signals:
    // The user clicked the check box of a row.
    void rowCheckClicked(int row);

private:
    struct Row {
        QList<QString> m_cells;
        QList<int> m_images;
        quintptr m_data = 0;
        bool m_checked = false;
    };

    bool IsValidRow(int row) const { return row >= 0 && row < static_cast<int>(m_rows.size()); }
    bool IsPlaceholder(int row) const { return m_placeholderRow && row == static_cast<int>(m_rows.size()) - 1; }
    QVariant Background(int row) const;
    QVariant Foreground(int row) const;
    QVariant Decoration(const QModelIndex& index) const;

    std::vector<Row> m_rows;
    QList<QString> m_captions;
    QList<Qt::Alignment> m_alignments;
    QList<QPixmap> m_images;
    bool m_rowChecksShown = false;
    bool m_placeholderRow = false;
    ColorRef m_evenRowColor = kNoColor;
    ColorRef m_oddRowColor = kNoColor;
    ColorRef m_placeholderColor = kNoColor;
    TextColorSource m_textColorSource;
};
