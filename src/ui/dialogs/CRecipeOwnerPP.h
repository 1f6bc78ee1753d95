#pragma once

#include "ui/dialogs/CGenericPP.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class CRecipeBook;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class UserPrompts;

// The title page of the recipe, chapter and book sheets: the title, and
// where the item lives (book and chapter, or the book's file).
class CRecipeOwnerPP : public CGenericPP {
    Q_OBJECT
public:
    static constexpr int kBookTemplate = 1005;
    static constexpr int kChapterTemplate = 1006;
    static constexpr int kRecipeTemplate = 1017;

    CRecipeOwnerPP(int templateId, const std::vector<CRecipeBook*>& books, UserPrompts& prompts);

    // The open books again, after one was added while the page was open.
    void SetBooks(const std::vector<CRecipeBook*>& books);

    void SetTitle(const std::string& title);
    std::string Title() const;
    void SetPath(const std::string& path);
    std::string Path() const;
    // Selects the book and refills the chapters; -1 selects none.
    void SelectBook(int book);
    int SelectedBook() const;
    // 0 stands for "<none>", chapters count from 1.
    void SelectChapter(int chapter);
    int SelectedChapter() const;
    // The book being edited, which may share its own name.
    void SetEditedBook(const CRecipeBook* book) { m_editedBook = book; }

    // Counts what the rest of the item adds to its handheld size.
    void SetSizeCounter(std::function<std::size_t(const std::string& title)> counter) {
        m_sizeCounter = std::move(counter);
    }
    QString SizeNote() const;

    // What "New..." beside the book and the chapter do; without one the
    // button is not shown.
    void SetNewBookAction(std::function<void()> action);
    void SetNewChapterAction(std::function<void()> action);
    // The save-file dialog of "Browse".
    void BrowseForFile();

    bool OnApply() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::string Problems() const;
    bool BookNameTaken() const;
    bool BookFileTaken() const;
    bool MayReplaceFile();
    void FillChapters();
    QPushButton* AddButton(const char* name, const QString& text, int tip);

    std::vector<CRecipeBook*> m_books;
    UserPrompts& m_prompts;
    const CRecipeBook* m_editedBook = nullptr;
    QLineEdit* m_title;
    QLineEdit* m_path = nullptr;
    QComboBox* m_book = nullptr;
    QComboBox* m_chapter = nullptr;
    QPushButton* m_newBook = nullptr;
    QPushButton* m_newChapter = nullptr;
    QLabel* m_sizeNote;
    std::function<std::size_t(const std::string& title)> m_sizeCounter;
    // A file the user agreed to replace; not asked about again.
    std::string m_confirmedPath;
};
