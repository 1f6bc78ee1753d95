#include "ui/dialogs/CMiniEditor.h"

#include "app/CTextStyle.h"
#include "model/CIngredient.h"
#include "model/CRecipeObj.h"
#include "ui/controls/CMappedBitmapButton.h"
#include "ui/dialogs/DialogSupport.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

constexpr int kTemplateId = 677;
constexpr int kTextId = 2238;
constexpr int kAmountId = 2239;
constexpr int kUnitId = 2240;
constexpr int kMultiLineId = 2241;
constexpr int kShortEditWidth = 50;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

CMiniEditor::CMiniEditor(const QRect& screenRect, Kind kind, const CTextStyle& style, QWidget* parent)
    // A popup closes when the user clicks anywhere outside it.
    : QDialog(parent, Qt::Popup | Qt::FramelessWindowHint), m_kind(kind) {
    setObjectName("miniEditor");
    setProperty("templateId", kTemplateId);
    setFont(StyleFont(style));
    m_rect = screenRect;
}

CMiniEditor::CMiniEditor(const QRect& screenRect, Kind kind, CRecipeObj& object, const CTextStyle& style,
                         QWidget* parent)
    : CMiniEditor(screenRect, kind, style, parent) {
    m_object = &object;
    Build();
}

CMiniEditor::CMiniEditor(const QRect& screenRect, CIngredient& ingredient, const CTextStyle& style, QWidget* parent)
    : CMiniEditor(screenRect, IngredientLine, style, parent) {
    m_ingredient = &ingredient;
    Build();
}

QFont CMiniEditor::StyleFont(const CTextStyle& style) {
    QFont font(Q(style.Name));
    font.setPointSizeF(style.Size > 0 ? style.Size / 10.0 : font.pointSizeF());
    font.setBold(style.Bold != 0);
    font.setItalic(style.Italic != 0);
    font.setUnderline(style.Underline != 0);
    return font;
}

QLineEdit* CMiniEditor::AddLine(const char* name, int controlId) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    DialogSupport::SetControlId(edit, controlId);
    return edit;
}

void CMiniEditor::Build() {
    auto* row = new QHBoxLayout(this);
    // The editor covers the page element exactly, even where the font would
    // like more room.
    row->setSizeConstraint(QLayout::SetNoConstraint);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    if (m_kind == IngredientLine) {
        m_amount = AddLine("amount", kAmountId);
        m_unit = AddLine("unit", kUnitId);
        m_amount->setFixedWidth(kShortEditWidth);
        m_unit->setFixedWidth(kShortEditWidth);
        m_amount->setText(Q(m_ingredient->Amount()));
        m_unit->setText(Q(m_ingredient->Unit()));
        row->addWidget(m_amount);
        row->addWidget(m_unit);
    }
    m_text = AddLine("text", kTextId);
    m_multiLine = new QPlainTextEdit(this);
    m_multiLine->setObjectName("multiLine");
    DialogSupport::SetControlId(m_multiLine, kMultiLineId);
    row->addWidget(m_text, 1);
    row->addWidget(m_multiLine, 1);
    if (m_kind == Introduction) {
        m_text->hide();
        m_multiLine->setPlainText(Q(m_object->Text()));
    } else {
        m_multiLine->hide();
        m_text->setText(Q(m_kind == Title ? m_object->Title() : m_ingredient->Description()));
    }

    auto* ok = new CMappedBitmapButton("OK", this);
    auto* cancel = new CMappedBitmapButton("DELETE", this);
    ok->setObjectName("ok");
    cancel->setObjectName("cancel");
    ok->setDefault(true);
    row->addWidget(ok, 0, Qt::AlignTop);
    row->addWidget(cancel, 0, Qt::AlignTop);
    connect(ok, &QPushButton::clicked, this, &CMiniEditor::Store);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    setGeometry(m_rect);
}

void CMiniEditor::closeEvent(QCloseEvent* event) {
    // Closed from outside (a click away from the popup): keep what was typed.
    // Escape and cancel reject without closing, so they never come here. An
    // empty title is refused by Store and then dropped by the dialog's close.
    if (isVisible()) {
        Store();
    }
    QDialog::closeEvent(event);
}

void CMiniEditor::Store() {
    if (m_kind == IngredientLine) {
        StoreIngredient();
    } else {
        StoreObject();
    }
}

void CMiniEditor::StoreObject() {
    const std::string title = m_kind == Title ? m_text->text().toStdString() : m_object->Title();
    if (title.empty()) {
        QApplication::beep();
        return;
    }
    m_object->SetTitle(title);
    if (m_kind == Introduction) {
        m_object->SetText(m_multiLine->toPlainText().toStdString());
    }
    accept();
}

void CMiniEditor::StoreIngredient() {
    m_ingredient->SetAmount(m_amount->text().toStdString());
    m_ingredient->SetUnit(m_unit->text().toStdString());
    m_ingredient->SetDescription(m_text->text().toStdString());
    accept();
}
