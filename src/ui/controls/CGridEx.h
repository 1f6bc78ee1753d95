#pragma once

#include "platform/ColorRef.h"
#include "ui/controls/CInPlaceCombo.h"
#include "ui/controls/GridEditResult.h"
#include "ui/controls/GridHtmlTable.h"

#include <QPersistentModelIndex>
#include <QPixmap>
#include <QPointer>
#include <QTableView>

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

class CGridHeader;
class CGridModel;

// The table control of every list that is edited in place or sorted by its
// column headers. Its rows are the data: whatever the rows stand for, and
// whether a cell may be edited, is decided by the owner, which the grid asks
// and tells through its signals, or by a derived class through the virtual
// notification operations.
class CGridEx : public QTableView {
    Q_OBJECT
public:
    explicit CGridEx(QWidget* parent = nullptr);
    ~CGridEx() override;

    // The grid that sent the most recent notification, for owners of several
    // grids; none once that grid is gone.
    static CGridEx* NotifyingGrid();

    // Columns.
    int InsertColumn(int column, const QString& caption, Qt::Alignment alignment = Qt::AlignLeft, int width = 100);
    virtual int GetColumnCount() const;
    // At most 48 characters.
    virtual QString GetColumnCaption(int column) const;
    void SetColumnCaption(int column, const QString& text);
    Qt::Alignment ColumnAlignment(int column) const;
    void AutoSizeColumns();
    void EqualColumns();

    // Rows. Data rows are inserted before the placeholder row.
    int InsertRow(int row, const QString& text);
    bool DeleteRow(int row);
    void DeleteAllRows();
    // The data rows, the placeholder row not counted.
    int GetRowCount() const;
    virtual QString GetCellText(int row, int column) const;
    void SetCellText(int row, int column, const QString& text);
    quintptr GetItemData(int row) const;
    void SetItemData(int row, quintptr data);
    bool IsPlaceholderRow(int row) const;

    // Looks.
    void SetGridLines();
    void SetFullRowSelect();
    // A check box in column 0 of every data row.
    void SetCheckBoxes();
    bool GetCheck(int row) const;
    void SetCheck(int row, bool checked);
    void SetImageList(QList<QPixmap> images);
    int GetCellImage(int row, int column) const;
    void SetCellImage(int row, int column, int image);
    // Check-box images in cells, set with SetCellCheck.
    void EnableCellChecks();
    void SetCellCheck(int row, int column, bool checked, bool enabled, bool shown);
    bool IsCellChecked(int row, int column) const;
    // kNoColor keeps the control's own colour.
    void SetRowColors(ColorRef even, ColorRef odd, ColorRef placeholder);
    // Ask rowTextColorQuery for the text colour of each data row.
    void SetAskTextColor(bool ask);
    // The answer to rowTextColorQuery, given while it is being asked.
    void SetTextColorReply(ColorRef color) { m_textColorReply = color; }

    // Behaviour.
    void SetSortingEnabled(bool enabled) { m_sortingEnabled = enabled; }
    void SetEditable(bool editable) { m_editable = editable; }
    // The last row stands for a new item; its texts come from GetPlaceholder.
    void SetPlaceholderRow(bool on);
    bool HasPlaceholderRow() const { return m_placeholderRow; }

    // Selection.
    int GetCurrentRow() const;
    // Returns -1 when row is not a data row, else 0.
    int SelectRow(int row, bool clearFirst);
    void ClearSelection();
    int FindRowByData(quintptr data) const;
    int SelectRowByData(quintptr data, bool clearFirst);
    std::vector<int> GetSelectedRows() const;
    void ActivateRow(int row);
    // Puts the selected data rows on the clipboard as tab-separated lines
    // (Ctrl+C), ready to paste into a spreadsheet or a text.
    void CopySelectedRows() const;

    // In-place editing (a second click on the current row, Enter or F2).
    // BeginEdit returns the control that opened, or none.
    QWidget* BeginEdit(int row, int column);
    // While answering beginEditQuery: edit the cell with a list instead.
    void RequestComboEdit(const QStringList& entries, int selection, bool dropListOnly, bool sorted);
    // The column of the edit being asked for in beginEditQuery.
    int EditColumn() const { return m_editColumn; }
    // Ends an open in-place edit as leaving it would, keeping its text.
    void CommitOpenEdit();
    // Called by the in-place controls.
    void EndEdit(const GridEditResult& result);
    void MoveEdit(int row, int column, GridEditMove move);

    // Sorting.
    bool Sort(int column, bool ascending, bool numeric);
    // While answering sortColumnChosen: sort the column as numbers.
    void SetNumericSort(bool numeric) { m_numericSort = numeric; }
    int SortColumn() const { return m_sortColumn; }
    bool IsAscending() const { return m_ascending; }
    CGridHeader* GridHeader() const { return m_header; }

    // Text and HTML exchange.
    virtual std::vector<int> GetTextColumnWidths() const;
    // line is a data row, or -2 for the captions and -1 for the dash line.
    virtual std::string FormatTextLine(const std::vector<int>& widths, int line, char separator) const;
    virtual void WriteFixedText(std::ostream& out) const;
    virtual void WriteDelimitedText(std::ostream& out, char separator) const;
    // The file variants return false when the file could not be written; the
    // previous file is then left as it was.
    virtual bool WriteFixedTextFile(const std::filesystem::path& path, bool append) const;
    virtual bool WriteDelimitedTextFile(const std::filesystem::path& path, char separator, bool append) const;
    // A page holding the table, bold captions; false when it could not be
    // written (the previous file is then left as it was).
    virtual bool WriteHtmlFile(const std::filesystem::path& path) const;
    // Adds the captions and the data rows as a table to a generated page.
    virtual void AddHtmlTable(CHObj& document, const GridHtmlStyles& styles) const;
    virtual bool ReadFixedTextFile(const std::filesystem::path& path);
    virtual void ReadFixedText(std::istream& in);
    virtual bool ReadDelimitedTextFile(const std::filesystem::path& path, char separator);
    virtual void ReadDelimitedText(std::istream& in, char separator);

    virtual QString GetPlaceholder(int column) const;

signals:
    void insertRequested(int row);
    void deleteRequested(int row);
    void rowSelected(int row);
    void rowDoubleClicked(int row);
    // Before sorting: the place to call SetNumericSort.
    void sortColumnChosen(int column);
    void columnSorted(int column);
    // Set *refuse to keep the cell from being edited. With nobody listening
    // no cell is edited.
    void beginEditQuery(int row, bool* refuse);
    void editEnded(int row, const GridEditResult& result);
    void columnWidthChanged(int column, int width);
    void cellCheckClicked(int row, int column);
    // Answer with SetTextColorReply; black when not answered.
    void rowTextColorQuery(int row);

protected:
    // Rewrites the placeholder row's texts after GetPlaceholder changed.
    void RefreshPlaceholderRow();

    virtual void OnInsertRequest(int row);
    virtual void OnDeleteRequest(int row);
    virtual void OnSelectRow(int row);
    virtual void OnDoubleClickRow(int row);
    virtual void OnSortColumn(int column);
    virtual void OnSortedColumn(int column);
    // True refuses the edit.
    virtual bool OnBeginEdit(int row);
    virtual void OnRowTextColour(int row);
    virtual void OnColumnWidthChanged(int column, int width);
    virtual void OnCellCheckClicked(int row, int column);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void Notify();
    void InsertPlaceholderRow();
    void CloseEditOfDeletedRow();
    void SelectRowAlone(int row);
    void OnHeaderClicked(int column);
    int FirstEditableColumn(int column) const;
    void EditCurrentRow();
    bool ToggleCurrentRowCheck();
    QRect EditorRect(int row, int column) const;
    QWidget* OpenCombo(int row, int column);
    QWidget* OpenTextBox(int row, int column);
    void MoveToCell(int row, int column, int step);
    void MoveToRow(int row, int column);
    int RowsPerPage() const;
    bool IsOnCheckIndicator(const QModelIndex& index, const QPoint& pos) const;
    bool IsOnCellImage(const QModelIndex& index, const QPoint& pos) const;
    bool ClickCellImage(int row, int column);
    std::vector<std::string> RowCells(int row) const;
    std::vector<std::string> CaptionCells() const;
    void AddRows(const std::vector<std::vector<std::string>>& rows);
    ColorRef AskTextColor(int row);

    CGridModel* m_model;
    CGridHeader* m_header;
    bool m_comboRequested = false;
    GridComboRequest m_comboRequest;
    int m_firstCheckImage = -1;
    int m_secondarySortColumn = -1;
    bool m_secondaryNumeric = false;
    bool m_sortingEnabled = false;
    bool m_editable = false;
    int m_sortColumn = -1;
    bool m_ascending = true;
    int m_editColumn = -1;
    bool m_numericSort = false;
    bool m_placeholderRow = false;
    ColorRef m_textColorReply = 0;
    QList<QPixmap> m_images;
    // The open in-place control and the cell it edits. The cell is followed
    // through inserts, deletes and sorts, so that the text goes to the row the
    // user was editing even when the rows moved meanwhile.
    QPointer<QWidget> m_editor;
    QPersistentModelIndex m_editCell;
    // Where the last ended edit's row went while its owner answered editEnded
    // (-1: the row is gone), so that Tab and the row keys move on from there.
    int m_endedEditRow = -1;
    int m_endedEditNewRow = -1;
};
