#include "ui/dialogs/CRecipeIngredPP.h"

#include "quantities/IngredientText.h"
#include "ui/controls/CSBGridEx.h"
#include "ui/controls/GridEditResult.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString Qt8(const std::string& text) {
    return QString::fromStdString(text);
}

QPushButton* Button(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

CRecipeIngredPP::CRecipeIngredPP(const UnitTables& units) : CGenericPP(kTemplate), m_units(units) {
    auto* layout = new QVBoxLayout(this);
    m_grid = new CSBGridEx(this);
    m_grid->setObjectName("ingredients");
    m_grid->InsertColumn(0, QString(), Qt::AlignLeft, 0);
    m_grid->InsertColumn(kAmountColumn, tr("Amount"), Qt::AlignLeft, 70);
    m_grid->InsertColumn(kUnitColumn, tr("Unit"), Qt::AlignLeft, 50);
    m_grid->InsertColumn(kDescriptionColumn, tr("Description"), Qt::AlignLeft, 250);
    m_grid->setColumnHidden(0, true);
    m_grid->SetFullRowSelect();
    m_grid->SetEditable(true);
    m_grid->SetPlaceholderColumn(kDescriptionColumn);
    m_grid->SetPlaceholderRow(true);
    layout->addWidget(m_grid);

    auto* buttons = new QHBoxLayout;
    auto* add = Button(this, "new", tr("Add ingredient"));
    auto* remove = Button(this, "delete", tr("Delete ingredient"));
    auto* paste = Button(this, "paste", tr("Paste"));
    auto* up = Button(this, "moveUp", tr("Move up"));
    auto* down = Button(this, "moveDown", tr("Move down"));
    buttons->addWidget(up);
    buttons->addWidget(down);
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addWidget(paste);
    buttons->addStretch();
    layout->addLayout(buttons);

    connect(up, &QPushButton::clicked, this, [this] { MoveLine(-1); });
    connect(down, &QPushButton::clicked, this, [this] { MoveLine(1); });
    connect(add, &QPushButton::clicked, this, &CRecipeIngredPP::NewLine);
    connect(remove, &QPushButton::clicked, this, &CRecipeIngredPP::DeleteLine);
    connect(paste, &QPushButton::clicked, this, [this] { PasteText(QGuiApplication::clipboard()->text()); });
    connect(m_grid, &CGridEx::beginEditQuery, this, [](int, bool* refuse) { *refuse = false; });
    connect(m_grid, &CGridEx::insertRequested, this, &CRecipeIngredPP::OnInsertRequested);
    connect(m_grid, &CGridEx::editEnded, this, &CRecipeIngredPP::OnEditEnded);
}

void CRecipeIngredPP::SetLines(const std::vector<Line>& lines) {
    m_grid->DeleteAllRows();
    for (const Line& line : lines) {
        AppendRow(line, m_grid->GetRowCount());
    }
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
}

void CRecipeIngredPP::NewLine() {
    const int current = m_grid->GetCurrentRow();
    const int row = current >= 0 && current < m_grid->GetRowCount() ? current : m_grid->GetRowCount();
    AppendRow({{"1", "C", ""}, 0}, row);
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

// A click on the placeholder line opens an empty line for a whole ingredient
// line to be typed, as it would be written in a recipe.
void CRecipeIngredPP::OnInsertRequested(int row) {
    const int inserted = AppendRow({}, row);
    m_grid->SelectRow(inserted, true);
    m_grid->BeginEdit(inserted, kDescriptionColumn);
}

void CRecipeIngredPP::OnEditEnded(int row, const GridEditResult& result) {
    if (result.m_cancelled || result.m_column != kDescriptionColumn || row < 0 || row >= m_grid->GetRowCount()) {
        return;
    }
    const bool bare =
        m_grid->GetCellText(row, kAmountColumn).isEmpty() && m_grid->GetCellText(row, kUnitColumn).isEmpty();
    if (bare) {
        SplitTypedLine(row);
    }
}

void CRecipeIngredPP::SplitTypedLine(int row) {
    std::vector<IngredientParts> parsed;
    ParseIngredientText(m_grid->GetCellText(row, kDescriptionColumn).toStdString(), m_units, parsed);
    if (parsed.empty()) {
        m_grid->DeleteRow(row);
        return;
    }
    m_grid->DeleteRow(row);
    for (std::size_t i = 0; i < parsed.size(); ++i) {
        AppendRow({parsed[i], 0}, row + static_cast<int>(i));
    }
}
