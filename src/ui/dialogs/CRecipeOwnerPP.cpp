#include "ui/dialogs/CRecipeOwnerPP.h"

#include "app/PalmSizeNote.h"
#include "model/CRecipeBook.h"
#include "model/CRecipeChapter.h"
#include "platform/UserPrompts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

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
        form->addRow(tr("File:"), m_path);
        return;
    }
    m_book = new QComboBox(this);
    m_book->setObjectName("book");
    for (const CRecipeBook* book : m_books) {
        m_book->addItem(QString::fromStdString(book->Title()));
    }
    form->addRow(tr("Recipe Book:"), m_book);
    if (templateId == kRecipeTemplate) {
        m_chapter = new QComboBox(this);
        m_chapter->setObjectName("chapter");
        form->addRow(tr("Chapter:"), m_chapter);
        connect(m_book, &QComboBox::currentIndexChanged, this, [this] { FillChapters(); });
        FillChapters();
    }
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
    if (problems.empty()) {
        return true;
    }
    m_prompts.Message(problems, PromptIcon::Warning);
    return false;
}

std::string CRecipeOwnerPP::Problems() const {
    std::string problems;
    if (m_title->text().trimmed().isEmpty()) {
        problems += "Please enter a title.\n";
    }
    if (TemplateId() == kBookTemplate) {
        if (m_path->text().trimmed().isEmpty()) {
            problems += "Please enter a filename to store the recipe book.\n";
        }
        if (BookNameTaken()) {
            problems += "The name of the recipe book is not unique.\n";
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

void CRecipeOwnerPP::FillChapters() {
    if (m_chapter == nullptr) {
        return;
    }
    m_chapter->clear();
    m_chapter->addItem(QStringLiteral("<none>"));
    const int book = SelectedBook();
    if (book < 0 || book >= static_cast<int>(m_books.size())) {
        return;
    }
    for (const auto& chapter : m_books[static_cast<std::size_t>(book)]->Chapters()) {
        m_chapter->addItem(QString::fromStdString(chapter->Title()));
    }
}
