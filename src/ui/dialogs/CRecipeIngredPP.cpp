#include "ui/dialogs/CRecipeIngredPP.h"

#include "app/IngredientNames.h"
#include "platform/ColorRef.h"
#include "platform/StringTable.h"
#include "quantities/IngredientText.h"
#include "ui/controls/CInPlaceEdit.h"
#include "ui/controls/CSBGridEx.h"
#include "ui/controls/GridEditResult.h"
#include "ui/dialogs/IngredientCompleter.h"
#include "ui/dialogs/PasteButton.h"

#include <QApplication>
#include <QChildEvent>
#include <QClipboard>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace {

constexpr int kButtonTips = 551;
constexpr int kColumnCaptions = 552;
constexpr int kCupAbbreviation = 239;
// Lines linked to the nutrient database are drawn in blue.
constexpr ColorRef kLinkedColor = Rgb(0, 0, 255);
// The units menu in its order, by the string id of each abbreviation; the
// unit's name is the string before it.
constexpr std::array kUnitAbbreviations = {239, 237, 235, 241, 243, 245, 247, 249, 257, 259, 251, 253, 255};
constexpr const char* kLinkNote = "Linking ingredients to the nutrient database is not available yet.";

// Amount and unit column widths as the user left them, for the rest of the
// run; none until the page was first shown. The description fills the rest.
std::array<int, 2>& RunWidths() {
    static std::array<int, 2> widths = {0, 0};
    return widths;
}

QString Qt8(const std::string& text) {
    return QString::fromStdString(text);
}

QString ListEntry(int listId, std::size_t index) {
    const auto entries = StringTable::List(listId);
    return index < entries.size() ? Qt8(entries[index]) : QString();
}

} // namespace

CRecipeIngredPP::CRecipeIngredPP(const UnitTables& units)
    : CGenericPP(kTemplate), m_units(units), m_grid(new CSBGridEx(this)), m_unitsMenu(new QMenu(this)) {
    auto* layout = new QVBoxLayout(this);
    m_grid->setObjectName("ingredients");
    m_grid->InsertColumn(0, QString(), Qt::AlignLeft, 0);
    m_grid->InsertColumn(kAmountColumn, ListEntry(kColumnCaptions, 0), Qt::AlignLeft, 70);
    m_grid->InsertColumn(kUnitColumn, ListEntry(kColumnCaptions, 1), Qt::AlignLeft, 50);
    m_grid->InsertColumn(kDescriptionColumn, ListEntry(kColumnCaptions, 2), Qt::AlignLeft, 250);
    m_grid->setColumnHidden(0, true);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->SetFullRowSelect();
    m_grid->SetEditable(true);
    m_grid->SetPlaceholderColumn(kDescriptionColumn);
    m_grid->SetPlaceholderRow(true);
    m_grid->SetRowColors(kNoColor, kNoColor, Rgb(255, 255, 0));
    m_grid->SetAskTextColor(true);
    m_grid->viewport()->installEventFilter(this);
    layout->addWidget(m_grid);

    auto* buttons = new QHBoxLayout;
    m_up = AddButton("moveUp", tr("Move up"), ListEntry(kButtonTips, 0));
    m_down = AddButton("moveDown", tr("Move down"), ListEntry(kButtonTips, 1));
    auto* add = AddButton("new", tr("New"), ListEntry(kButtonTips, 2));
    m_delete = AddButton("delete", tr("Delete"), ListEntry(kButtonTips, 3));
    auto* link = AddButton("link", tr("Link..."), ListEntry(kButtonTips, 4) + " - " + kLinkNote);
    m_unitsButton = AddButton("units", tr("Units"), ListEntry(kButtonTips, 5));
    m_paste = new PasteButton(this);
    link->setEnabled(false);
    for (QPushButton* button : {m_up, m_down, add, m_delete, link, m_unitsButton, m_paste}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    auto* note = new QLabel(tr(kLinkNote), this);
    note->setObjectName("linkNote");
    layout->addWidget(note);
    BuildUnitsMenu();

    connect(m_up, &QPushButton::clicked, this, [this] { MoveLine(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { MoveLine(1); });
    connect(add, &QPushButton::clicked, this, &CRecipeIngredPP::NewLine);
    connect(m_delete, &QPushButton::clicked, this, &CRecipeIngredPP::DeleteLine);
    connect(m_unitsButton, &QPushButton::clicked, this,
            [this] { m_unitsMenu->exec(m_unitsButton->mapToGlobal(QPoint(0, m_unitsButton->height()))); });
    connect(m_paste, &QPushButton::clicked, this, [this] { PasteText(QGuiApplication::clipboard()->text()); });
    connect(m_grid, &CGridEx::beginEditQuery, this, [](int, bool* refuse) { *refuse = false; });
    connect(m_grid, &CGridEx::insertRequested, this, &CRecipeIngredPP::OnInsertRequested);
    connect(m_grid, &CGridEx::deleteRequested, this, &CRecipeIngredPP::DeleteLine);
    connect(m_grid, &CGridEx::editEnded, this, &CRecipeIngredPP::OnEditEnded);
    connect(m_grid, &CGridEx::rowTextColorQuery, this, [this](int row) {
        if (RowLine(row).link != 0) {
            m_grid->SetTextColorReply(kLinkedColor);
        }
    });
    connect(m_grid->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CRecipeIngredPP::UpdateButtons);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this, &CRecipeIngredPP::UpdateButtons);
    UpdateButtons();
}

CRecipeIngredPP::~CRecipeIngredPP() {
    if (m_widthsSet) {
        RunWidths() = {m_grid->columnWidth(kAmountColumn), m_grid->columnWidth(kUnitColumn)};
    }
}

void CRecipeIngredPP::ForgetColumnWidths() {
    RunWidths() = {0, 0};
}

QPushButton* CRecipeIngredPP::AddButton(const char* name, const QString& text, const QString& tip) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    SetToolTip(button, tip);
    return button;
}

void CRecipeIngredPP::BuildUnitsMenu() {
    m_unitsMenu->setObjectName("unitsMenu");
    for (const int abbreviation : kUnitAbbreviations) {
        const QString unit = Qt8(StringTable::Get(abbreviation));
        QAction* action = m_unitsMenu->addAction(Qt8(StringTable::Get(abbreviation - 1)) + "\t" + unit);
        action->setData(abbreviation);
        connect(action, &QAction::triggered, this, [this, unit] { SetSelectedUnit(unit); });
    }
}

void CRecipeIngredPP::SetNames(const std::vector<std::string>& names) {
    m_names = names;
    QStringList list;
    for (const std::string& name : names) {
        list << Qt8(name);
    }
    if (m_completer == nullptr) {
        m_completer = new IngredientCompleter(list, m_units, this);
        return;
    }
    m_completer->SetNames(list);
}

void CRecipeIngredPP::showEvent(QShowEvent* event) {
    CGenericPP::showEvent(event);
    if (!m_widthsSet) {
        SetStartingWidths();
    }
}

// The first time in a run the columns share the list 25, 15 and 60 percent;
// afterwards they open as the user left them.
void CRecipeIngredPP::SetStartingWidths() {
    m_widthsSet = true;
    const auto& remembered = RunWidths();
    if (remembered[0] > 0) {
        m_grid->setColumnWidth(kAmountColumn, remembered[0]);
        m_grid->setColumnWidth(kUnitColumn, remembered[1]);
        return;
    }
    const int room = m_grid->viewport()->width() - 4;
    m_grid->setColumnWidth(kAmountColumn, room * 25 / 100);
    m_grid->setColumnWidth(kUnitColumn, room * 15 / 100);
}

// The grid's in-place text box is a child of its viewport and is polished
// just before it shows: the moment to hand it the name completion.
bool CRecipeIngredPP::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_grid->viewport() && event->type() == QEvent::ChildPolished && m_completer != nullptr) {
        auto* edit = qobject_cast<CInPlaceEdit*>(static_cast<QChildEvent*>(event)->child());
        if (edit != nullptr && edit->Column() == kDescriptionColumn && edit->completer() != m_completer) {
            edit->setCompleter(m_completer);
        }
    }
    return CGenericPP::eventFilter(watched, event);
}

void CRecipeIngredPP::SetLines(const std::vector<Line>& lines) {
    m_grid->DeleteAllRows();
    for (const Line& line : lines) {
        AppendRow(line, m_grid->GetRowCount());
    }
    UpdateButtons();
}

std::vector<CRecipeIngredPP::Line> CRecipeIngredPP::Lines() const {
    std::vector<Line> lines;
    for (int row = 0; row < m_grid->GetRowCount(); ++row) {
        lines.push_back(RowLine(row));
    }
    return lines;
}

void CRecipeIngredPP::PasteText(const QString& text) {
    std::vector<IngredientParts> parsed;
    ParseIngredientText(text.toStdString(), m_units, parsed);
    for (const IngredientParts& parts : parsed) {
        AppendRow({parts, 0}, m_grid->GetRowCount());
    }
    UpdateButtons();
}

void CRecipeIngredPP::NewLine() {
    const int current = m_grid->GetCurrentRow();
    const int row = current >= 0 && current < m_grid->GetRowCount() ? current : m_grid->GetRowCount();
    AppendRow({{"1", StringTable::Get(kCupAbbreviation), ""}, 0}, row);
    m_grid->SelectRow(row, true);
    m_grid->BeginEdit(row, kDescriptionColumn);
}

void CRecipeIngredPP::DeleteLine() {
    const int row = m_grid->GetCurrentRow();
    if (row < 0 || row >= m_grid->GetRowCount()) {
        return;
    }
    m_grid->DeleteRow(row);
    if (m_grid->GetRowCount() > 0) {
        m_grid->SelectRow(std::min(row, m_grid->GetRowCount() - 1), true);
    }
    UpdateButtons();
}

void CRecipeIngredPP::MoveLine(int step) {
    const int row = m_grid->GetCurrentRow();
    const int other = row + step;
    if (row < 0 || row >= m_grid->GetRowCount() || other < 0 || other >= m_grid->GetRowCount()) {
        return;
    }
    const Line moved = RowLine(row);
    SetRowLine(row, RowLine(other));
    SetRowLine(other, moved);
    m_grid->SelectRow(other, true);
    UpdateButtons();
}

void CRecipeIngredPP::SetSelectedUnit(const QString& unit) {
    const int row = m_grid->GetCurrentRow();
    if (row >= 0 && row < m_grid->GetRowCount()) {
        m_grid->SetCellText(row, kUnitColumn, unit);
    }
}

// Sending the box the focus loss it would get from a click on OK ends the
// edit the way the user expects: what was typed is kept.
void CRecipeIngredPP::CommitEdit() {
    for (auto* edit : m_grid->viewport()->findChildren<CInPlaceEdit*>()) {
        if (!edit->isHidden()) {
            QFocusEvent focusOut(QEvent::FocusOut, Qt::OtherFocusReason);
            QApplication::sendEvent(edit, &focusOut);
        }
    }
}

bool CRecipeIngredPP::OnApply() {
    CommitEdit();
    return true;
}

int CRecipeIngredPP::AppendRow(const Line& line, int row) {
    const int inserted = m_grid->InsertRow(row, QString());
    SetRowLine(inserted, line);
    return inserted;
}

CRecipeIngredPP::Line CRecipeIngredPP::RowLine(int row) const {
    Line line;
    line.parts.amount = m_grid->GetCellText(row, kAmountColumn).toStdString();
    line.parts.unit = m_grid->GetCellText(row, kUnitColumn).toStdString();
    line.parts.description = m_grid->GetCellText(row, kDescriptionColumn).toStdString();
    line.link = static_cast<std::int32_t>(m_grid->GetItemData(row));
    return line;
}

void CRecipeIngredPP::SetRowLine(int row, const Line& line) {
    m_grid->SetCellText(row, kAmountColumn, Qt8(line.parts.amount));
    m_grid->SetCellText(row, kUnitColumn, Qt8(line.parts.unit));
    m_grid->SetCellText(row, kDescriptionColumn, Qt8(line.parts.description));
    m_grid->SetItemData(row, static_cast<quintptr>(static_cast<std::uint32_t>(line.link)));
}

void CRecipeIngredPP::UpdateButtons() {
    const int row = m_grid->GetCurrentRow();
    const int count = m_grid->GetRowCount();
    const bool selected = row >= 0 && row < count;
    m_delete->setEnabled(selected);
    m_unitsButton->setEnabled(selected);
    m_up->setEnabled(selected && row > 0);
    m_down->setEnabled(selected && row < count - 1);
}

// A click on the placeholder line opens an empty line for a whole ingredient
// line to be typed, as it would be written in a recipe.
void CRecipeIngredPP::OnInsertRequested(int row) {
    const int inserted = AppendRow({}, row);
    m_grid->SelectRow(inserted, true);
    m_grid->BeginEdit(inserted, kDescriptionColumn);
}

void CRecipeIngredPP::OnEditEnded(int row, const GridEditResult& result) {
    if (row < 0 || row >= m_grid->GetRowCount()) {
        return;
    }
    // A line opened for typing and left with Escape is no ingredient.
    if (result.m_cancelled && RowLine(row).parts == IngredientParts{}) {
        m_grid->DeleteRow(row);
        UpdateButtons();
        return;
    }
    if (result.m_cancelled || result.m_column != kDescriptionColumn) {
        return;
    }
    const bool bare =
        m_grid->GetCellText(row, kAmountColumn).isEmpty() && m_grid->GetCellText(row, kUnitColumn).isEmpty();
    if (bare) {
        SplitTypedLine(row);
    } else {
        LearnName(row);
    }
    UpdateButtons();
}

void CRecipeIngredPP::SplitTypedLine(int row) {
    std::vector<IngredientParts> parsed;
    ParseIngredientText(m_grid->GetCellText(row, kDescriptionColumn).toStdString(), m_units, parsed);
    m_grid->DeleteRow(row);
    for (std::size_t i = 0; i < parsed.size(); ++i) {
        LearnName(AppendRow({parsed[i], 0}, row + static_cast<int>(i)));
    }
}

void CRecipeIngredPP::LearnName(int row) {
    if (m_completer == nullptr) {
        return;
    }
    if (IngredientNames::AddName(m_names, RowLine(row).parts.description)) {
        m_namesAdded = true;
        SetNames(m_names);
    }
}
