#include "ui/dialogs/RecipeSheets.h"

#include "app/CSBDocBase.h"
#include "app/CSettings.h"
#include "app/PalmSizeNote.h"
#include "model/CRecipe.h"
#include "model/CRecipeBook.h"
#include "model/CRecipeChapter.h"
#include "platform/Profile.h"
#include "ui/dialogs/CGenericPS.h"
#include "ui/dialogs/CRecipeIngredPP.h"
#include "ui/dialogs/CRecipeOwnerPP.h"
#include "ui/dialogs/CTextInputPP.h"

#include <QDialog>
#include <QDir>

#include <algorithm>
#include <map>
#include <string>

namespace {

constexpr const char* kDialogsSection = "SettingsV4\\Dialogs";
constexpr int kCommentsTemplate = 1020;
constexpr int kKeywordsTemplate = 1021;
constexpr int kChapterIntroTemplate = 1008;

// The page each sheet showed last in this run, by profile key.
std::map<std::string, int>& LastPages() {
    static std::map<std::string, int> pages;
    return pages;
}

std::string NumberedTitle(const std::string& name, std::size_t count) {
    return name + " " + std::to_string(count + 1);
}

std::vector<CRecipeBook*> BookList(const CSBDocBase& doc) {
    std::vector<CRecipeBook*> books;
    for (const auto& book : doc.GetBooks()) {
        books.push_back(book.get());
    }
    return books;
}

int ChapterIndex(const CRecipeBook& book, const CRecipeChapter* chapter) {
    const auto& chapters = book.Chapters();
    for (std::size_t i = 0; i < chapters.size(); ++i) {
        if (chapters[i].get() == chapter) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

std::vector<CRecipeIngredPP::Line> LinesOf(const CRecipe& recipe) {
    std::vector<CRecipeIngredPP::Line> lines;
    for (const auto& ingredient : recipe.Ingredients()) {
        lines.push_back({{ingredient->Amount(), ingredient->Unit(), ingredient->Description()}, ingredient->Link()});
    }
    return lines;
}

void ReplaceIngredients(CRecipe& recipe, const std::vector<CRecipeIngredPP::Line>& lines) {
    while (!recipe.Ingredients().empty()) {
        recipe.RemoveIngredient(recipe.Ingredients().size() - 1);
    }
    for (const auto& line : lines) {
        recipe.AppendIngredient(
            std::make_unique<CIngredient>(line.parts.amount, line.parts.unit, line.parts.description, line.link));
    }
}

} // namespace

RecipeSheets::RecipeSheets(CSBDocBase& doc, CSettings& settings, Profile& profile, UserPrompts& prompts)
    : m_doc(doc), m_settings(settings), m_profile(profile), m_prompts(prompts),
      m_runner([](CGenericPS& sheet) { return sheet.exec(); }) {}

int RecipeSheets::RecipeSheet(CRecipe* recipe, CRecipeBook* book, CRecipeChapter* chapter) {
    const bool modify = recipe != nullptr;
    if (modify) {
        book = recipe->Book();
        chapter = recipe->Chapter();
    }
    if (book == nullptr) {
        return Cancelled;
    }
    CRecipe fresh;
    if (!modify) {
        const std::size_t count = chapter != nullptr ? chapter->Recipes().size() : book->Recipes().size();
        fresh.SetTitle(NumberedTitle(fresh.Title(), count));
    }
    const CRecipe& source = modify ? *recipe : fresh;

    CGenericPS sheet(0, modify ? "Modify Recipe" : "Add Recipe", m_profile, m_parent);
    auto* owner = new CRecipeOwnerPP(CRecipeOwnerPP::kRecipeTemplate, BookList(m_doc), m_prompts);
    auto* ingredients = new CRecipeIngredPP(m_doc.Units());
    auto* instructions = new CTextInputPP(CTextInputPP::kInstructionsTemplate);
    auto* comments = new CTextInputPP(kCommentsTemplate);
    auto* keywords = new CTextInputPP(kKeywordsTemplate);
    sheet.AddPage(owner, "Title");
    sheet.AddPage(ingredients, "Ingredients");
    sheet.AddPage(instructions, "Instructions");
    sheet.AddPage(comments, "Comments");
    sheet.AddPage(keywords, "Search Keywords");

    owner->SetTitle(source.Title());
    owner->SelectBook(BookIndex(book));
    owner->SelectChapter(ChapterIndex(*book, chapter));
    owner->SetSizeCounter([instructions, ingredients](const std::string& title) {
        const std::string text = instructions->Text();
        std::vector<IngredientParts> parts;
        for (const auto& line : ingredients->Lines()) {
            parts.push_back(line.parts);
        }
        return PalmSizeNote::Size(title, &text, &parts);
    });
    ingredients->SetLines(LinesOf(source));
    instructions->SetText(source.Text());
    instructions->SetPrepTime(source.PrepTime());
    instructions->SetServings(source.Servings());
    comments->SetText(source.Comments());
    keywords->SetText(source.Keywords());

    if (Run(sheet, "RecipePage", modify) != QDialog::Accepted) {
        return Cancelled;
    }

    std::unique_ptr<CRecipe> added;
    CRecipe& target = modify ? *recipe : *(added = std::make_unique<CRecipe>());
    ReplaceIngredients(target, ingredients->Lines());
    target.SetText(instructions->Text());
    target.SetPrepTime(instructions->PrepTime());
    target.SetComments(comments->Text());
    target.SetKeywords(keywords->Text());
    target.SetServings(instructions->Servings());
    target.SetTitle(owner->Title());

    CRecipeBook* newBook = m_doc.GetBooks()[static_cast<std::size_t>(owner->SelectedBook())].get();
    const int chapterIndex = owner->SelectedChapter();
    CRecipeChapter* newChapter =
        chapterIndex > 0 ? newBook->Chapters()[static_cast<std::size_t>(chapterIndex - 1)].get() : nullptr;
    if (modify) {
        target.Touch();
        book->SetModified(true);
        if (newBook == book && newChapter == chapter) {
            return Changed;
        }
        added = book->DetachRecipe(target);
    }
    if (newChapter != nullptr) {
        newChapter->AddRecipe(std::move(added));
    } else {
        newBook->AddRecipe(std::move(added));
    }
    newBook->SetModified(true);
    return Added;
}

int RecipeSheets::ChapterSheet(CRecipeChapter* chapter, CRecipeBook* book) {
    const bool modify = chapter != nullptr;
    if (modify) {
        book = chapter->Book();
    }
    if (book == nullptr) {
        return Cancelled;
    }
    CRecipeChapter fresh;
    if (!modify) {
        fresh.SetTitle(NumberedTitle(fresh.Title(), book->Chapters().size()));
    }
    const CRecipeChapter& source = modify ? *chapter : fresh;

    CGenericPS sheet(0, modify ? "Modify Chapter" : "Add Chapter", m_profile, m_parent);
    auto* owner = new CRecipeOwnerPP(CRecipeOwnerPP::kChapterTemplate, BookList(m_doc), m_prompts);
    auto* introduction = new CTextInputPP(kChapterIntroTemplate);
    sheet.AddPage(owner, "Title");
    sheet.AddPage(introduction, "Introduction");
    owner->SetTitle(source.Title());
    owner->SelectBook(BookIndex(book));
    introduction->SetText(source.Text());

    if (Run(sheet, "ChapterPage", modify) != QDialog::Accepted) {
        return Cancelled;
    }
    std::unique_ptr<CRecipeChapter> added;
    CRecipeChapter& target = modify ? *chapter : *(added = std::make_unique<CRecipeChapter>());
    target.SetTitle(owner->Title());
    target.SetText(introduction->Text());
    CRecipeBook* newBook = m_doc.GetBooks()[static_cast<std::size_t>(owner->SelectedBook())].get();
    newBook->SetModified(true);
    if (modify) {
        target.Touch();
        if (newBook == book) {
            return Changed;
        }
        added = book->RemoveChapter(target);
    }
    newBook->AssignId(*added);
    newBook->AddChapter(std::move(added));
    return Added;
}

int RecipeSheets::BookSheet(CRecipeBook* book) {
    const bool modify = book != nullptr;
    CRecipeBook fresh(0);
    if (!modify) {
        fresh.SetTitle(NumberedTitle(fresh.Title(), m_doc.GetBooks().size()));
        fresh.SetPath((std::filesystem::current_path() / "RecipeBook.rcp").string());
    }
    const CRecipeBook& source = modify ? *book : fresh;

    CGenericPS sheet(0, modify ? "Modify Recipe Book" : "Add Recipe Book", m_profile, m_parent);
    auto* owner = new CRecipeOwnerPP(CRecipeOwnerPP::kBookTemplate, BookList(m_doc), m_prompts);
    auto* introduction = new CTextInputPP(CTextInputPP::kIntroductionTemplate);
    sheet.AddPage(owner, "Title");
    sheet.AddPage(introduction, "Introduction");
    owner->SetEditedBook(book);
    owner->SetTitle(source.Title());
    owner->SetPath(source.Path().string());
    introduction->SetText(source.Text());

    if (Run(sheet, "BookPage", modify) != QDialog::Accepted) {
        return Cancelled;
    }
    if (!modify) {
        fresh.SetTitle(owner->Title());
        fresh.SetText(introduction->Text());
        m_doc.NewBook(fresh, owner->Path());
        m_settings.SetBook(owner->Path(), 1);
        return Added;
    }
    book->SetTitle(owner->Title());
    book->SetText(introduction->Text());
    book->SetPath(owner->Path());
    book->Touch();
    book->SetModified(true);
    return Changed;
}

int RecipeSheets::Run(CGenericPS& sheet, const char* pageKey, bool modify) {
    auto& lastPages = LastPages();
    if (!lastPages.contains(pageKey)) {
        lastPages[pageKey] = m_profile.GetInt(kDialogsSection, pageKey, 0);
    }
    if (modify) {
        sheet.SetActivePage(std::clamp(lastPages[pageKey], 0, sheet.PageCount() - 1));
    }
    const int result = m_runner(sheet);
    lastPages[pageKey] = sheet.ActivePageIndex();
    m_profile.WriteInt(kDialogsSection, pageKey, sheet.ActivePageIndex());
    return result;
}

int RecipeSheets::BookIndex(const CRecipeBook* book) const {
    const auto& books = m_doc.GetBooks();
    const auto found = std::find_if(books.begin(), books.end(), [&](const auto& open) { return open.get() == book; });
    return found == books.end() ? -1 : static_cast<int>(found - books.begin());
}
