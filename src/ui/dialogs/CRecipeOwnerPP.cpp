#include "ui/dialogs/CRecipeOwnerPP.h"

#include "app/PalmSizeNote.h"
#include "model/CRecipeBook.h"
#include "model/CRecipeChapter.h"
#include "platform/StringTable.h"
#include "platform/UserPrompts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kNewBookTip = 554;
constexpr int kNewChapterTip = 555;
constexpr int kBrowseTip = 556;
constexpr int kDefaultExtension = 514;
constexpr int kNoChapter = 513;
constexpr int kNoTitle = 508;
constexpr int kNoFile = 509;
constexpr int kNameTaken = 510;
constexpr int kFileTaken = 519;
// The file dialog's form of string 515.
constexpr const char* kBookFilter = "Recipe Book (.rcp) (*.rcp)";

// A combo or edit with its button at the right.
QHBoxLayout* WithButton(QWidget* field, QPushButton* button) {
    auto* row = new QHBoxLayout;
    row->addWidget(field, 1);
    row->addWidget(button);
    return row;
}

} // namespace

CRecipeOwnerPP::CRecipeOwnerPP(int templateId, const std::vector<CRecipeBook*>& books, UserPrompts& prompts)
    : CGenericPP(templateId), m_books(books), m_prompts(prompts) {
    auto* form = new QFormLayout(this);
    m_title = new QLineEdit(this);
    m_title->setObjectName("title");
    form->addRow(tr("Title:"), m_title);
    m_sizeNote = new QLabel(this);
    m_sizeNote->setObjectName("sizeNote");
    m_sizeNote->setWordWrap(true);
    form->addRow(m_sizeNote);
    if (templateId == kBookTemplate) {
        m_path = new QLineEdit(this);
        m_path->setObjectName("path");
        auto* browse = AddButton("browse", tr("Browse"), kBrowseTip);
        connect(browse, &QPushButton::clicked, this, &CRecipeOwnerPP::BrowseForFile);
        form->addRow(tr("File:"), WithButton(m_path, browse));
        return;
    }
    m_book = new QComboBox(this);
    m_book->setObjectName("book");
    m_newBook = AddButton("newBook", tr("New..."), kNewBookTip);
    SetBooks(m_books);
    form->addRow(tr("Recipe Book:"), WithButton(m_book, m_newBook));
    if (templateId == kRecipeTemplate) {
        m_chapter = new QComboBox(this);
        m_chapter->setObjectName("chapter");
        m_newChapter = AddButton("newChapter", tr("New..."), kNewChapterTip);
        form->addRow(tr("Chapter:"), WithButton(m_chapter, m_newChapter));
        connect(m_book, &QComboBox::currentIndexChanged, this, [this] { FillChapters(); });
        FillChapters();
    }
}

QPushButton* CRecipeOwnerPP::AddButton(const char* name, const QString& text, int tip) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    SetToolTip(button, QString::fromStdString(StringTable::Get(tip)));
    return button;
}

void CRecipeOwnerPP::SetBooks(const std::vector<CRecipeBook*>& books) {
    m_books = books;
    if (m_book == nullptr) {
        return;
    }
    const int selected = m_book->currentIndex();
    m_book->blockSignals(true);
    m_book->clear();
    for (const CRecipeBook* book : m_books) {
        m_book->addItem(QString::fromStdString(book->Title()));
    }
    if (selected >= 0) {
        m_book->setCurrentIndex(selected);
    }
    m_book->blockSignals(false);
}

void CRecipeOwnerPP::SetNewBookAction(std::function<void()> action) {
    if (m_newBook != nullptr) {
        connect(m_newBook, &QPushButton::clicked, this, std::move(action));
    }
}

void CRecipeOwnerPP::SetNewChapterAction(std::function<void()> action) {
    if (m_newChapter != nullptr) {
        connect(m_newChapter, &QPushButton::clicked, this, std::move(action));
    }
}

void CRecipeOwnerPP::BrowseForFile() {
    if (m_path == nullptr) {
        return;
    }
    const auto chosen = m_prompts.ChooseFileToSave("Browse", {kBookFilter}, Path());
    if (!chosen) {
        return;
    }
    std::filesystem::path path = *chosen;
    if (!path.has_extension()) {
        path += StringTable::Get(kDefaultExtension);
    }
    SetPath(path.string());
}

void CRecipeOwnerPP::SetTitle(const std::string& title) {
    m_title->setText(QString::fromStdString(title));
}

std::string CRecipeOwnerPP::Title() const {
    return m_title->text().toStdString();
}

void CRecipeOwnerPP::SetPath(const std::string& path) {
    if (m_path != nullptr) {
        m_path->setText(QString::fromStdString(path));
    }
}

std::string CRecipeOwnerPP::Path() const {
    return m_path != nullptr ? m_path->text().toStdString() : std::string();
}

void CRecipeOwnerPP::SelectBook(int book) {
    if (m_book != nullptr) {
        m_book->setCurrentIndex(book);
        FillChapters();
    }
}

int CRecipeOwnerPP::SelectedBook() const {
    return m_book != nullptr ? m_book->currentIndex() : -1;
}

void CRecipeOwnerPP::SelectChapter(int chapter) {
    if (m_chapter != nullptr) {
        m_chapter->setCurrentIndex(chapter);
    }
}

int CRecipeOwnerPP::SelectedChapter() const {
    return m_chapter != nullptr ? std::max(m_chapter->currentIndex(), 0) : 0;
}

QString CRecipeOwnerPP::SizeNote() const {
    return m_sizeNote->text();
}

void CRecipeOwnerPP::showEvent(QShowEvent* event) {
    CGenericPP::showEvent(event);
    const std::size_t size = m_sizeCounter ? m_sizeCounter(Title()) : PalmSizeNote::Size(Title(), nullptr, nullptr);
    m_sizeNote->setText(QString::fromStdString(PalmSizeNote::Note(size)));
}

bool CRecipeOwnerPP::OnApply() {
    const std::string problems = Problems();
    if (!problems.empty()) {
        m_prompts.Message(problems, PromptIcon::Warning);
        return false;
    }
    return MayReplaceFile();
}

// The book is written to its file on the next save without another question,
// so a file that exists already, and is not the book's own, is the user's to
// give up here.
bool CRecipeOwnerPP::MayReplaceFile() {
    if (m_path == nullptr || Path() == m_confirmedPath) {
        return true;
    }
    const std::filesystem::path path = Path();
    std::error_code error;
    const bool own = m_editedBook != nullptr && m_editedBook->Path() == path;
    if (own || !std::filesystem::exists(path, error)) {
        return true;
    }
    const std::string question = "The file '" + Path() + "' already exists.\nThe recipe book will replace it when " +
                                 "it is saved. Do you want to use this file?";
    if (m_prompts.Ask(question, PromptButtons::YesNo, PromptIcon::Warning) != PromptAnswer::Yes) {
        return false;
    }
    m_confirmedPath = Path();
    return true;
}

std::string CRecipeOwnerPP::Problems() const {
    std::string problems;
    if (m_title->text().trimmed().isEmpty()) {
        problems += StringTable::Get(kNoTitle);
    }
    if (TemplateId() == kBookTemplate) {
        if (m_path->text().trimmed().isEmpty()) {
            problems += StringTable::Get(kNoFile);
        }
        if (BookNameTaken()) {
            problems += StringTable::Get(kNameTaken);
        }
        if (BookFileTaken()) {
            problems += StringTable::Get(kFileTaken) + "\n";
        }
        return problems;
    }
    if (SelectedBook() < 0) {
        problems += TemplateId() == kChapterTemplate ? "Please select a book to put the chapter in.\n"
                                                     : "Please select a book to put the recipe in.\n";
    }
    return problems;
}

bool CRecipeOwnerPP::BookNameTaken() const {
    const std::string title = Title();
    return std::any_of(m_books.begin(), m_books.end(),
                       [&](const CRecipeBook* book) { return book != m_editedBook && book->Title() == title; });
}

// Two open books in one file would overwrite each other on saving.
bool CRecipeOwnerPP::BookFileTaken() const {
    const std::filesystem::path path = Path();
    return std::any_of(m_books.begin(), m_books.end(), [&](const CRecipeBook* book) {
        return book != m_editedBook && !book->Path().empty() && book->Path() == path;
    });
}

void CRecipeOwnerPP::FillChapters() {
    if (m_chapter == nullptr) {
        return;
    }
    m_chapter->clear();
    m_chapter->addItem(QString::fromStdString(StringTable::Get(kNoChapter)));
    const int book = SelectedBook();
    if (book < 0 || book >= static_cast<int>(m_books.size())) {
        return;
    }
    for (const auto& chapter : m_books[static_cast<std::size_t>(book)]->Chapters()) {
        m_chapter->addItem(QString::fromStdString(chapter->Title()));
    }
}
