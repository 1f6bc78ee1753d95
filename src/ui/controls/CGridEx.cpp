#include "ui/controls/CGridEx.h"

#include "platform/AtomicFile.h"
#include "platform/FileError.h"
#include "platform/TextCodec.h"
#include "render/CHtmlWriter.h"
#include "ui/controls/CGridHeader.h"
#include "ui/controls/CGridModel.h"
#include "ui/controls/CInPlaceCombo.h"
#include "ui/controls/CInPlaceEdit.h"
#include "ui/controls/GridSorter.h"
#include "ui/controls/GridTextFormat.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <optional>
#include <sstream>

namespace {

CGridEx* s_notifyingGrid = nullptr;

constexpr int kMaxCaptionLength = 48;
constexpr int kCheckImageSize = 16;
constexpr int kNarrowestEditableColumn = 5;

QPixmap CheckImage(QWidget& widget, bool checked, bool enabled) {
    const qreal ratio = widget.devicePixelRatioF();
    QPixmap image(QSize(kCheckImageSize, kCheckImageSize) * ratio);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QStyleOptionButton option;
    option.rect = QRect(0, 0, kCheckImageSize, kCheckImageSize);
    option.state =
        (checked ? QStyle::State_On : QStyle::State_Off) | (enabled ? QStyle::State_Enabled : QStyle::State_None);
    QPainter painter(&image);
    widget.style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, &widget);
    return image;
}

QString ToQString(const std::string& text) {
    return QString::fromStdString(text);
}

bool AppendOrReplace(const std::filesystem::path& path, const std::string& text, bool append) {
    try {
        std::string bytes;
        std::error_code error;
        if (append && std::filesystem::exists(path, error)) {
            bytes = AtomicFile::Read(path);
        }
        AtomicFile::Write(path, bytes + text);
        return true;
    } catch (const FileError&) {
        return false;
    }
}

// The text of a list file as UTF-8. Lists written by older versions and by
// other programs are Windows-1252; a file that is valid UTF-8 is taken as
// such (a Windows-1252 text with accents practically never is).
std::optional<std::string> ReadTextFile(const std::filesystem::path& path) {
    std::string bytes;
    try {
        bytes = AtomicFile::Read(path);
    } catch (const FileError&) {
        return std::nullopt;
    }
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.erase(0, kByteOrderMark.size());
    }
    return TextCodec::IsValidUtf8(bytes) ? bytes : TextCodec::Windows1252ToUtf8(bytes);
}

} // namespace

CGridEx::CGridEx(QWidget* parent) : QTableView(parent), m_model(new CGridModel(this)), m_header(new CGridHeader(this)) {
    setHorizontalHeader(m_header);
    setModel(m_model);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setShowGrid(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTabKeyNavigation(false);
    m_header->setStretchLastSection(false);
    // Owners hide columns by giving them no width.
    m_header->setMinimumSectionSize(0);
    connect(m_header, &CGridHeader::leftClicked, this, &CGridEx::OnHeaderClicked);
    connect(m_header, &CGridHeader::resizeEnded, this, &CGridEx::OnColumnWidthChanged);
    connect(m_model, &CGridModel::rowCheckClicked, this, [this](int row) { OnCellCheckClicked(row, 0); });
    // Scrolling with the bars first takes the focus, which ends an open edit.
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        connect(bar, &QAbstractSlider::sliderPressed, this, [this] { setFocus(Qt::MouseFocusReason); });
    }
}

CGridEx::~CGridEx() {
    if (s_notifyingGrid == this) {
        s_notifyingGrid = nullptr;
    }
}

CGridEx* CGridEx::NotifyingGrid() {
    return s_notifyingGrid;
}

void CGridEx::Notify() {
    s_notifyingGrid = this;
}

// Columns.

int CGridEx::InsertColumn(int column, const QString& caption, Qt::Alignment alignment, int width) {
    column = std::clamp(column, 0, GetColumnCount());
    m_model->InsertColumn(column, caption, alignment);
    setColumnWidth(column, width);
    if (m_placeholderRow) {
        m_model->SetCellText(m_model->rowCount() - 1, column, GetPlaceholder(column));
    }
    return column;
}

int CGridEx::GetColumnCount() const {
    return m_model->columnCount();
}

QString CGridEx::GetColumnCaption(int column) const {
    return m_model->ColumnCaption(column).left(kMaxCaptionLength);
}

void CGridEx::SetColumnCaption(int column, const QString& text) {
    m_model->SetColumnCaption(column, text);
}

Qt::Alignment CGridEx::ColumnAlignment(int column) const {
    return m_model->ColumnAlignment(column);
}

void CGridEx::AutoSizeColumns() {
    const QFontMetrics metrics(font());
    for (int column = 0; column < GetColumnCount(); ++column) {
        int widest = metrics.horizontalAdvance(m_model->ColumnCaption(column));
        for (int row = 0; row < m_model->rowCount(); ++row) {
            widest = std::max(widest, metrics.horizontalAdvance(m_model->CellText(row, column)));
        }
        setColumnWidth(column, widest + 25);
    }
}

void CGridEx::EqualColumns() {
    const int columns = GetColumnCount();
    if (columns == 0) {
        return;
    }
    const int scrollBarWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int width = (this->width() - scrollBarWidth - 4) / columns;
    for (int column = 0; column < columns; ++column) {
        setColumnWidth(column, width);
    }
}

// Rows.

int CGridEx::InsertRow(int row, const QString& text) {
    return m_model->InsertRow(std::clamp(row, 0, GetRowCount()), text);
}

bool CGridEx::DeleteRow(int row) {
    if (row < 0 || row >= GetRowCount() || !m_model->DeleteRow(row)) {
        return false;
    }
    CloseEditOfDeletedRow();
    return true;
}

void CGridEx::DeleteAllRows() {
    m_model->DeleteAllRows();
    CloseEditOfDeletedRow();
    if (m_placeholderRow) {
        InsertPlaceholderRow();
    }
}

// An editor left over a deleted row would show text that no longer belongs
// anywhere; it goes without a word, as there is no row to tell about.
void CGridEx::CloseEditOfDeletedRow() {
    if (m_editor == nullptr || m_editCell.isValid()) {
        return;
    }
    const QPointer<QWidget> editor = std::exchange(m_editor, nullptr);
    editor->hide();
    if (editor != nullptr) {
        editor->deleteLater();
    }
}

int CGridEx::GetRowCount() const {
    return m_model->rowCount() - (m_placeholderRow ? 1 : 0);
}

bool CGridEx::IsPlaceholderRow(int row) const {
    return m_placeholderRow && row == m_model->rowCount() - 1;
}

QString CGridEx::GetCellText(int row, int column) const {
    return m_model->CellText(row, column);
}

void CGridEx::SetCellText(int row, int column, const QString& text) {
    m_model->SetCellText(row, column, text);
}

quintptr CGridEx::GetItemData(int row) const {
    return m_model->ItemData(row);
}

void CGridEx::SetItemData(int row, quintptr data) {
    m_model->SetItemData(row, data);
}

void CGridEx::SetPlaceholderRow(bool on) {
    if (on == m_placeholderRow) {
        return;
    }
    if (!on) {
        m_model->DeleteRow(m_model->rowCount() - 1);
    }
    m_placeholderRow = on;
    m_model->SetPlaceholderRow(on);
    if (on) {
        InsertPlaceholderRow();
    }
}

void CGridEx::InsertPlaceholderRow() {
    m_model->InsertRow(m_model->rowCount(), QString());
    RefreshPlaceholderRow();
}

void CGridEx::RefreshPlaceholderRow() {
    if (!m_placeholderRow) {
        return;
    }
    for (int column = 0; column < GetColumnCount(); ++column) {
        m_model->SetCellText(m_model->rowCount() - 1, column, GetPlaceholder(column));
    }
}

QString CGridEx::GetPlaceholder(int column) const {
    return column == 0 ? QStringLiteral("*") : QString();
}

// Looks.

void CGridEx::SetGridLines() {
    setShowGrid(true);
}

void CGridEx::SetFullRowSelect() {
    setSelectionBehavior(QAbstractItemView::SelectRows);
}

void CGridEx::SetCheckBoxes() {
    m_model->SetRowChecksShown(true);
}

bool CGridEx::GetCheck(int row) const {
    return m_model->IsRowChecked(row);
}

void CGridEx::SetCheck(int row, bool checked) {
    m_model->SetRowChecked(row, checked);
}

void CGridEx::SetImageList(QList<QPixmap> images) {
    m_images = std::move(images);
    m_model->SetImages(m_images);
}

int CGridEx::GetCellImage(int row, int column) const {
    return m_model->CellImage(row, column);
}

void CGridEx::SetCellImage(int row, int column, int image) {
    m_model->SetCellImage(row, column, image);
}

void CGridEx::EnableCellChecks() {
    if (m_firstCheckImage >= 0) {
        return;
    }
    m_firstCheckImage = static_cast<int>(m_images.size());
    // Enabled unchecked, enabled checked, disabled unchecked, disabled checked.
    for (const bool enabled : {true, false}) {
        for (const bool checked : {false, true}) {
            m_images.append(CheckImage(*this, checked, enabled));
        }
    }
    m_model->SetImages(m_images);
    setIconSize(QSize(kCheckImageSize, kCheckImageSize));
}

void CGridEx::SetCellCheck(int row, int column, bool checked, bool enabled, bool shown) {
    if (m_firstCheckImage < 0) {
        return;
    }
    const int image = m_firstCheckImage + (enabled ? 0 : 2) + (checked ? 1 : 0);
    SetCellImage(row, column, shown ? image : -1);
}

bool CGridEx::IsCellChecked(int row, int column) const {
    const int image = GetCellImage(row, column);
    return m_firstCheckImage >= 0 && (image == m_firstCheckImage + 1 || image == m_firstCheckImage + 3);
}

void CGridEx::SetRowColors(ColorRef even, ColorRef odd, ColorRef placeholder) {
    m_model->SetRowColors(even, odd, placeholder);
}

void CGridEx::SetAskTextColor(bool ask) {
    if (!ask) {
        m_model->SetTextColorSource({});
        return;
    }
    m_model->SetTextColorSource([this](int row) { return AskTextColor(row); });
}

ColorRef CGridEx::AskTextColor(int row) {
    m_textColorReply = 0;
    OnRowTextColour(row);
    return m_textColorReply;
}

// Selection.

int CGridEx::GetCurrentRow() const {
    const QModelIndexList selected = selectionModel()->selectedRows();
    if (!selected.isEmpty()) {
        return std::min_element(selected.begin(), selected.end(),
                                [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); })
            ->row();
    }
    const QModelIndex current = selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

int CGridEx::SelectRow(int row, bool clearFirst) {
    QItemSelectionModel* selection = selectionModel();
    if (clearFirst) {
        const int current = GetCurrentRow();
        if (current >= 0) {
            selection->select(m_model->index(current, 0), QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
            selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        }
    }
    if (row < 0 || row >= GetRowCount()) {
        return -1;
    }
    selection->setCurrentIndex(m_model->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    return 0;
}

void CGridEx::SelectRowAlone(int row) {
    selectionModel()->setCurrentIndex(m_model->index(row, 0),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void CGridEx::ClearSelection() {
    selectionModel()->clear();
}

int CGridEx::FindRowByData(quintptr data) const {
    for (int row = 0; row < GetRowCount(); ++row) {
        if (m_model->ItemData(row) == data) {
            return row;
        }
    }
    return -1;
}

int CGridEx::SelectRowByData(quintptr data, bool clearFirst) {
    const int row = FindRowByData(data);
    SelectRow(row, clearFirst);
    return row;
}

std::vector<int> CGridEx::GetSelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CGridEx::ActivateRow(int row) {
    ClearSelection();
    SelectRow(row, false);
    scrollTo(m_model->index(row, 0));
    OnSelectRow(row);
}

// Notifications.

void CGridEx::OnInsertRequest(int row) {
    Notify();
    emit insertRequested(row);
}

void CGridEx::OnDeleteRequest(int row) {
    Notify();
    emit deleteRequested(row);
}

void CGridEx::OnSelectRow(int row) {
    if (IsPlaceholderRow(row)) {
        SelectRowAlone(row);
        OnInsertRequest(row);
        return;
    }
    Notify();
    emit rowSelected(row);
}

void CGridEx::OnDoubleClickRow(int row) {
    Notify();
    emit rowDoubleClicked(row);
}

void CGridEx::OnSortColumn(int column) {
    Notify();
    emit sortColumnChosen(column);
}

void CGridEx::OnSortedColumn(int column) {
    Notify();
    emit columnSorted(column);
}

bool CGridEx::OnBeginEdit(int row) {
    Notify();
    if (!isSignalConnected(QMetaMethod::fromSignal(&CGridEx::beginEditQuery))) {
        return true;
    }
    bool refuse = false;
    emit beginEditQuery(row, &refuse);
    return refuse;
}

void CGridEx::OnRowTextColour(int row) {
    Notify();
    emit rowTextColorQuery(row);
}

void CGridEx::OnColumnWidthChanged(int column, int width) {
    Notify();
    emit columnWidthChanged(column, width);
}

void CGridEx::OnCellCheckClicked(int row, int column) {
    Notify();
    emit cellCheckClicked(row, column);
}

// Mouse and keys.

bool CGridEx::IsOnCheckIndicator(const QModelIndex& index, const QPoint& pos) const {
    if (!(m_model->flags(index) & Qt::ItemIsUserCheckable)) {
        return false;
    }
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    return style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this).contains(pos);
}

bool CGridEx::IsOnCellImage(const QModelIndex& index, const QPoint& pos) const {
    if (GetCellImage(index.row(), index.column()) < 0) {
        return false;
    }
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    option.features |= QStyleOptionViewItem::HasDecoration | QStyleOptionViewItem::HasDisplay;
    option.decorationSize = iconSize().isValid() ? iconSize() : QSize(kCheckImageSize, kCheckImageSize);
    option.text = GetCellText(index.row(), index.column());
    if (m_model->flags(index) & Qt::ItemIsUserCheckable) {
        option.features |= QStyleOptionViewItem::HasCheckIndicator;
    }
    return style()->subElementRect(QStyle::SE_ItemViewItemDecoration, &option, this).contains(pos);
}

bool CGridEx::ClickCellImage(int row, int column) {
    const int image = GetCellImage(row, column) - m_firstCheckImage;
    if (m_firstCheckImage < 0 || image < 0 || image > 3) {
        return false;
    }
    // Disabled check images take the click and do nothing.
    if (image <= 1) {
        SetCellImage(row, column, m_firstCheckImage + (image == 0 ? 1 : 0));
        OnCellCheckClicked(row, column);
    }
    return true;
}

void CGridEx::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QTableView::mousePressEvent(event);
        return;
    }
    const QPoint pos = event->position().toPoint();
    const QModelIndex hit = indexAt(pos);
    const bool wasCurrent = hit.isValid() && hit.row() == GetCurrentRow();
    const bool onPlaceholder = hit.isValid() && IsPlaceholderRow(hit.row());
    const bool onCheck = hit.isValid() && IsOnCheckIndicator(hit, pos);
    const bool onImage = hit.isValid() && IsOnCellImage(hit, pos);
    QTableView::mousePressEvent(event);
    if (!hit.isValid()) {
        return;
    }
    OnSelectRow(GetCurrentRow());
    // A click on the placeholder row is answered by the insert request alone;
    // what was under the mouse may be the newly inserted row by now.
    // The row's own check box is toggled by the list, which then reports it.
    if (onPlaceholder || onCheck) {
        return;
    }
    if (onImage && ClickCellImage(hit.row(), hit.column())) {
        return;
    }
    if (m_editable && wasCurrent) {
        scrollTo(hit);
        BeginEdit(hit.row(), hit.column());
    }
}

void CGridEx::scrollContentsBy(int dx, int dy) {
    // An editor would stay where it is while its cell moves away under it
    // (the mouse wheel scrolls without taking the focus from it).
    CommitOpenEdit();
    QTableView::scrollContentsBy(dx, dy);
}

void CGridEx::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid()) {
        OnDoubleClickRow(GetCurrentRow());
    }
}

void CGridEx::keyPressEvent(QKeyEvent* event) {
    // An editable grid keeps Enter from the dialog's default button.
    if (m_editable && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        event->accept();
        return;
    }
    if (m_editable && event->key() == Qt::Key_F2 && event->modifiers() == Qt::NoModifier) {
        EditCurrentRow();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        CopySelectedRows();
        return;
    }
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier && ToggleCurrentRowCheck()) {
        return;
    }
    QTableView::keyPressEvent(event);
}

// Space toggles the row's check box wherever in the row the focus is, not
// only when it is on the first cell.
bool CGridEx::ToggleCurrentRowCheck() {
    const QModelIndex first = m_model->index(GetCurrentRow(), 0);
    if (!first.isValid() || !(m_model->flags(first) & Qt::ItemIsUserCheckable)) {
        return false;
    }
    const bool checked = m_model->IsRowChecked(first.row());
    return m_model->setData(first, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}

void CGridEx::EditCurrentRow() {
    for (int column = 0, row = GetCurrentRow(); column < GetColumnCount(); ++column) {
        if (BeginEdit(row, column)) {
            return;
        }
    }
}

void CGridEx::CopySelectedRows() const {
    const std::vector<int> rows = GetSelectedRows();
    const auto widths = GetTextColumnWidths();
    std::string text;
    for (const int row : rows) {
        if (!IsPlaceholderRow(row)) {
            text += FormatTextLine(widths, row, '\t');
        }
    }
    if (!text.empty()) {
        QGuiApplication::clipboard()->setText(ToQString(text));
    }
}

void CGridEx::keyReleaseEvent(QKeyEvent* event) {
    QTableView::keyReleaseEvent(event);
    if (event->isAutoRepeat()) {
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_editable) {
            EditCurrentRow();
        }
        return;
    case Qt::Key_Insert:
        OnInsertRequest(GetCurrentRow());
        break;
    case Qt::Key_Delete:
        OnDeleteRequest(GetCurrentRow());
        break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        break;
    default:
        return;
    }
    OnSelectRow(GetCurrentRow());
}

// Editing.

void CGridEx::RequestComboEdit(const QStringList& entries, int selection, bool dropListOnly, bool sorted) {
    m_comboRequested = true;
    m_comboRequest = GridComboRequest{entries, selection, dropListOnly, sorted};
}

int CGridEx::FirstEditableColumn(int column) const {
    for (; column >= 0 && column < GetColumnCount(); ++column) {
        if (!isColumnHidden(column) && columnWidth(column) >= kNarrowestEditableColumn) {
            return column;
        }
    }
    return -1;
}

QWidget* CGridEx::BeginEdit(int row, int column) {
    if (row < 0 || row >= m_model->rowCount() || column < 0) {
        return nullptr;
    }
    CommitOpenEdit();
    scrollTo(m_model->index(row, 0));
    if (IsPlaceholderRow(row)) {
        OnSelectRow(row);
        return nullptr;
    }
    m_editColumn = column;
    m_comboRequested = false;
    const bool refused = OnBeginEdit(row);
    const bool combo = std::exchange(m_comboRequested, false);
    if (refused) {
        return nullptr;
    }
    column = FirstEditableColumn(column);
    if (column < 0) {
        return nullptr;
    }
    scrollTo(m_model->index(row, column));
    m_editor = combo ? OpenCombo(row, column) : OpenTextBox(row, column);
    m_editCell = QPersistentModelIndex(m_model->index(row, column));
    return m_editor;
}

QRect CGridEx::EditorRect(int row, int column) const {
    return visualRect(m_model->index(row, column)).intersected(viewport()->rect());
}

QWidget* CGridEx::OpenCombo(int row, int column) {
    auto* combo = new CInPlaceCombo(*this, row, column, m_comboRequest, GetCellText(row, column));
    const QRect cell = EditorRect(row, column).adjusted(-1, -1, 0, 0);
    combo->setGeometry(cell.x(), cell.y(), cell.width(), std::max(cell.height(), combo->sizeHint().height()));
    combo->show();
    combo->Start();
    return combo;
}

QWidget* CGridEx::OpenTextBox(int row, int column) {
    auto* edit = new CInPlaceEdit(*this, row, column, GetCellText(row, column));
    edit->setGeometry(EditorRect(row, column).adjusted(2, 0, -1, 0));
    edit->show();
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
    return edit;
}

void CGridEx::CommitOpenEdit() {
    if (auto* edit = qobject_cast<CInPlaceEdit*>(m_editor)) {
        edit->Commit();
    } else if (auto* combo = qobject_cast<CInPlaceCombo*>(m_editor)) {
        combo->Commit();
    }
    m_editor = nullptr;
}

void CGridEx::EndEdit(const GridEditResult& result) {
    m_editor = nullptr;
    const QPersistentModelIndex cell = std::exchange(m_editCell, QPersistentModelIndex());
    m_endedEditRow = result.m_row;
    m_endedEditNewRow = -1;
    // The row was deleted while it was being edited: there is nothing left to
    // write the text into, nor anyone to tell about it.
    if (!cell.isValid()) {
        return;
    }
    GridEditResult ended = result;
    ended.m_row = cell.row();
    if (!ended.m_cancelled) {
        SetCellText(ended.m_row, ended.m_column, ended.m_text);
    }
    Notify();
    emit editEnded(ended.m_row, ended);
    m_endedEditNewRow = cell.isValid() ? cell.row() : -1;
}

int CGridEx::RowsPerPage() const {
    const int rowHeight = std::max(verticalHeader()->defaultSectionSize(), 1);
    return std::max(viewport()->height() / rowHeight, 1);
}

void CGridEx::MoveEdit(int row, int column, GridEditMove move) {
    if (row == m_endedEditRow) {
        row = m_endedEditNewRow;
    }
    if (row < 0) {
        return;
    }
    const int last = GetRowCount() - 1;
    switch (move) {
    case GridEditMove::NextCell:
        MoveToCell(row, column, 1);
        return;
    case GridEditMove::PreviousCell:
        MoveToCell(row, column, -1);
        return;
    case GridEditMove::RowUp:
        MoveToRow(row - 1, column);
        return;
    case GridEditMove::RowDown:
        MoveToRow(row + 1, column);
        return;
    case GridEditMove::FirstRow:
        MoveToRow(last >= 0 ? 0 : -1, column);
        return;
    case GridEditMove::LastRow:
        MoveToRow(last, column);
        return;
    case GridEditMove::PageUp:
        MoveToRow(last >= 0 ? std::max(row - RowsPerPage(), 0) : -1, column);
        return;
    case GridEditMove::PageDown:
        MoveToRow(std::min(row + RowsPerPage(), last), column);
        return;
    }
}

void CGridEx::MoveToCell(int row, int column, int step) {
    const int columns = GetColumnCount();
    const int startRow = row;
    while (true) {
        column += step;
        if (column >= columns) {
            ++row;
            column = 0;
        } else if (column < 0) {
            --row;
            column = columns - 1;
        }
        if (row < 0 || row >= GetRowCount() || columns == 0) {
            return;
        }
        // BeginEdit passes a narrow or hidden cell on to its right; moving
        // left that would open the cell just left, so such a cell is skipped.
        if (step < 0 && FirstEditableColumn(column) != column) {
            continue;
        }
        if (row != startRow) {
            SelectRowAlone(row);
        }
        if (BeginEdit(row, column)) {
            return;
        }
    }
}

void CGridEx::MoveToRow(int row, int column) {
    if (row < 0 || row >= m_model->rowCount()) {
        ClearSelection();
        return;
    }
    if (!IsPlaceholderRow(row)) {
        SelectRowAlone(row);
    }
    BeginEdit(row, column);
}

// Sorting.

void CGridEx::OnHeaderClicked(int column) {
    if (!m_sortingEnabled) {
        return;
    }
    m_ascending = column != m_sortColumn ? true : !m_ascending;
    m_sortColumn = column;
    m_numericSort = false;
    OnSortColumn(column);
    Sort(column, m_ascending, m_numericSort);
    OnSortedColumn(column);
    m_header->SetSortColumn(m_sortColumn, m_ascending);
}

bool CGridEx::Sort(int column, bool ascending, bool numeric) {
    // The open edit belongs to the row under it now, not to the row that will
    // be there after the sort.
    CommitOpenEdit();
    GridSortKey key;
    key.m_column = column;
    key.m_numeric = numeric;
    key.m_secondaryColumn = m_secondarySortColumn;
    key.m_secondaryNumeric = m_secondaryNumeric;
    key.m_ascending = ascending;
    m_secondarySortColumn = column;
    m_secondaryNumeric = numeric;
    if (column < 0 || column >= GetColumnCount()) {
        return false;
    }
    const auto order =
        GridSorter::SortedOrder(static_cast<std::size_t>(GetRowCount()), key, [this](std::size_t row, int cell) {
            return GetCellText(static_cast<int>(row), cell).toStdString();
        });
    m_model->Reorder(order);
    return true;
}

// Text and HTML exchange.

std::vector<std::string> CGridEx::CaptionCells() const {
    std::vector<std::string> cells;
    for (int column = 0; column < GetColumnCount(); ++column) {
        cells.push_back(GetColumnCaption(column).toStdString());
    }
    return cells;
}

std::vector<std::string> CGridEx::RowCells(int row) const {
    std::vector<std::string> cells;
    for (int column = 0; column < GetColumnCount(); ++column) {
        cells.push_back(GetCellText(row, column).toStdString());
    }
    return cells;
}

std::vector<int> CGridEx::GetTextColumnWidths() const {
    std::vector<int> widths;
    for (const std::string& caption : CaptionCells()) {
        widths.push_back(GridTextFormat::TextLength(caption));
    }
    for (int row = 0; row < GetRowCount(); ++row) {
        const auto cells = RowCells(row);
        for (std::size_t column = 0; column < cells.size(); ++column) {
            widths[column] = std::max(widths[column], GridTextFormat::TextLength(cells[column]));
        }
    }
    for (int& width : widths) {
        ++width;
    }
    return widths;
}

std::string CGridEx::FormatTextLine(const std::vector<int>& widths, int line, char separator) const {
    if (line == GridTextFormat::kDashLine) {
        return GridTextFormat::FormatLine(widths, {}, line, separator);
    }
    const auto cells = line == GridTextFormat::kCaptionLine ? CaptionCells() : RowCells(line);
    return GridTextFormat::FormatLine(widths, cells, line, separator);
}

void CGridEx::WriteFixedText(std::ostream& out) const {
    const auto widths = GetTextColumnWidths();
    const std::string dashes = FormatTextLine(widths, GridTextFormat::kDashLine, GridTextFormat::kNoSeparator);
    out << dashes << FormatTextLine(widths, GridTextFormat::kCaptionLine, GridTextFormat::kNoSeparator) << dashes;
    for (int row = 0; row < GetRowCount(); ++row) {
        out << FormatTextLine(widths, row, GridTextFormat::kNoSeparator);
    }
}

void CGridEx::WriteDelimitedText(std::ostream& out, char separator) const {
    const auto widths = GetTextColumnWidths();
    out << FormatTextLine(widths, GridTextFormat::kCaptionLine, separator);
    for (int row = 0; row < GetRowCount(); ++row) {
        out << FormatTextLine(widths, row, separator);
    }
}

bool CGridEx::WriteFixedTextFile(const std::filesystem::path& path, bool append) const {
    std::ostringstream text;
    WriteFixedText(text);
    return AppendOrReplace(path, text.str(), append);
}

bool CGridEx::WriteDelimitedTextFile(const std::filesystem::path& path, char separator, bool append) const {
    std::ostringstream text;
    WriteDelimitedText(text, separator);
    return AppendOrReplace(path, text.str(), append);
}

void CGridEx::AddHtmlTable(CHObj& document, const GridHtmlStyles& styles) const {
    GridHtmlTable table(CaptionCells(), styles);
    for (int row = 0; row < GetRowCount(); ++row) {
        table.AddRow(RowCells(row));
    }
    document.Add(table.Take());
}

bool CGridEx::WriteHtmlFile(const std::filesystem::path& path) const {
    CHtmlWriter document(path);
    GridHtmlStyles styles;
    styles.m_headerText.m_bold = true;
    AddHtmlTable(document, styles);
    try {
        document.WriteFile();
        return true;
    } catch (const FileError&) {
        return false;
    }
}

void CGridEx::AddRows(const std::vector<std::vector<std::string>>& rows) {
    for (const auto& fields : rows) {
        const int row = InsertRow(GetRowCount(), fields.empty() ? QString() : ToQString(fields[0]));
        const int columns = std::min(static_cast<int>(fields.size()), GetColumnCount());
        for (int column = 1; column < columns; ++column) {
            SetCellText(row, column, ToQString(fields[column]));
        }
    }
}

void CGridEx::ReadFixedText(std::istream& in) {
    AddRows(GridTextFormat::ParseFixedText(in));
}

void CGridEx::ReadDelimitedText(std::istream& in, char separator) {
    AddRows(GridTextFormat::ParseDelimitedText(in, separator));
}

bool CGridEx::ReadFixedTextFile(const std::filesystem::path& path) {
    const auto text = ReadTextFile(path);
    if (!text) {
        return false;
    }
    std::istringstream in(*text);
    ReadFixedText(in);
    return true;
}

bool CGridEx::ReadDelimitedTextFile(const std::filesystem::path& path, char separator) {
    const auto text = ReadTextFile(path);
    if (!text) {
        return false;
    }
    std::istringstream in(*text);
    ReadDelimitedText(in, separator);
    return true;
}
