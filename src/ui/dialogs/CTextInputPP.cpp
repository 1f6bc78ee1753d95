#include "ui/dialogs/CTextInputPP.h"

#include "platform/StringTable.h"
#include "ui/dialogs/PasteButton.h"

#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

constexpr int kBoldTip = 609;
constexpr int kItalicTip = 610;
// Characters a recipe needs that most keyboards lack.
constexpr const char* kSpecialCharacters[] = {"°", "½", "¼"};

QPushButton* Button(QWidget* parent, const char* name, const QString& text, int tip) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setToolTip(QString::fromStdString(StringTable::Get(tip)));
    return button;
}

} // namespace

CTextInputPP::CTextInputPP(int templateId) : CGenericPP(templateId) {
    auto* layout = new QVBoxLayout(this);
    auto* tools = new QHBoxLayout;
    auto* bold = Button(this, "bold", tr("B"), kBoldTip);
    auto* italic = Button(this, "italic", tr("I"), kItalicTip);
    auto* paste = new PasteButton(this);
    QFont boldFont = bold->font();
    boldFont.setBold(true);
    bold->setFont(boldFont);
    QFont italicFont = italic->font();
    italicFont.setItalic(true);
    italic->setFont(italicFont);
    tools->addWidget(bold);
    tools->addWidget(italic);
    tools->addWidget(paste);
    layout->addLayout(tools);

    m_text = new QTextEdit(this);
    m_text->setObjectName("text");
    m_text->setAcceptRichText(false);
    m_text->installEventFilter(this);
    layout->addWidget(m_text);

    connect(bold, &QPushButton::clicked, this, [this] { WrapSelection("b"); });
    connect(italic, &QPushButton::clicked, this, [this] { WrapSelection("i"); });
    connect(paste, &QPushButton::clicked, this, [this] { InsertAtCaret(QGuiApplication::clipboard()->text()); });

    if (templateId != kInstructionsTemplate) {
        tools->addStretch();
        return;
    }
    auto* special = new QComboBox(this);
    special->setObjectName("special");
    AddSpecialCharacters(special);
    tools->addWidget(special);
    tools->addStretch();

    auto* form = new QFormLayout;
    m_prepTime = new QLineEdit(this);
    m_prepTime->setObjectName("prepTime");
    m_servings = new QSpinBox(this);
    m_servings->setObjectName("servings");
    m_servings->setRange(0, 9999);
    form->addRow(tr("Preparation time:"), m_prepTime);
    form->addRow(tr("Servings:"), m_servings);
    layout->addLayout(form);
}

void CTextInputPP::AddSpecialCharacters(QComboBox* combo) {
    combo->setToolTip(tr("Insert a special character"));
    combo->addItem(tr("Insert"));
    for (const char* character : kSpecialCharacters) {
        combo->addItem(QString::fromUtf8(character));
    }
    connect(combo, &QComboBox::activated, this, [this, combo](int index) {
        if (index > 0) {
            InsertAtCaret(combo->itemText(index));
        }
        combo->setCurrentIndex(0);
    });
}

void CTextInputPP::SetText(const std::string& text) {
    m_text->setPlainText(QString::fromStdString(text));
}

std::string CTextInputPP::Text() const {
    return m_text->toPlainText().toStdString();
}

void CTextInputPP::SetPrepTime(const std::string& prepTime) {
    if (m_prepTime != nullptr) {
        m_prepTime->setText(QString::fromStdString(prepTime));
    }
}

std::string CTextInputPP::PrepTime() const {
    return m_prepTime != nullptr ? m_prepTime->text().toStdString() : std::string();
}

void CTextInputPP::SetServings(int servings) {
    if (m_servings != nullptr) {
        m_servings->setValue(servings);
    }
}

int CTextInputPP::Servings() const {
    return m_servings != nullptr ? m_servings->value() : 0;
}

void CTextInputPP::WrapSelection(const QString& tag) {
    QTextCursor cursor = m_text->textCursor();
    const QString selected = cursor.selectedText();
    const QString open = "<" + tag + ">";
    cursor.insertText(open + selected + "</" + tag + ">");
    const int end = cursor.position() - static_cast<int>(tag.size()) - 3;
    cursor.setPosition(end - static_cast<int>(selected.size()));
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    m_text->setTextCursor(cursor);
}

void CTextInputPP::InsertAtCaret(const QString& text) {
    m_text->textCursor().insertText(text);
}

// Whenever the text is entered the caret starts at the top, so the user reads
// the text from its beginning rather than from where a tab key left it.
bool CTextInputPP::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_text && event->type() == QEvent::FocusIn) {
        m_text->moveCursor(QTextCursor::Start);
    }
    return CGenericPP::eventFilter(watched, event);
}
