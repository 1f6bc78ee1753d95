#include "ui/dialogs/RecipeSheets.h"

#include "app/CSBDocBase.h"
#include "app/CSettings.h"
#include "app/IngredientNames.h"
#include "app/PalmSizeNote.h"
#include "model/CRecipe.h"
#include "model/CRecipeBook.h"
#include "model/CRecipeChapter.h"
#include "platform/Profile.h"
#include "platform/StringTable.h"
#include "platform/UserPrompts.h"
#include "ui/dialogs/CGenericPS.h"
#include "ui/dialogs/CIconPP.h"
#include "ui/dialogs/CPicturePP.h"
#include "ui/dialogs/CRecipeIngredPP.h"
#include "ui/dialogs/CRecipeOwnerPP.h"
#include "ui/dialogs/CTextInputPP.h"

#include <QDialog>
#include <QTabWidget>

#include <algorithm>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr const char* kDialogsSection = "SettingsV4\\Dialogs";
constexpr int kAddBookCaption = 501;
constexpr int kAddChapterCaption = 503;
constexpr int kAddRecipeCaption = 505;
constexpr int kRecipeTabs = 538;
constexpr int kNeedBookForChapter = 511;
constexpr QSize kTabImageSize(20, 16);
// The tabs of the chapter and book sheets; the recipe sheet's come from the string table.
const std::vector<std::string> kContainerTabs = {"Title", "Introduction", "Custom Icon", "Add Pictures"};

// The page each sheet showed last in this run, by profile key.
std::map<std::string, int>& LastPages() {
    static std::map<std::string, int> pages;
    return pages;
}

// Modify captions follow their add captions in the string table.
QString Caption(int addCaption, bool modify) {
    return QString::fromStdString(StringTable::Get(modify ? addCaption + 1 : addCaption));
}

QString Tab(const std::vector<std::string>& captions, std::size_t index) {
    return index < captions.size() ? QString::fromStdString(captions[index]) : QString();
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

std::vector<CPicturePP::Picture> PicturesOf(const CRecipeObj& object) {
    std::vector<CPicturePP::Picture> pictures;
    for (const auto& [path, shown] : object.PictureList()) {
        pictures.push_back({path, shown});
    }
    return pictures;
}

// The chapter chosen on the title page; none for the top of the book.
CRecipeChapter* ChosenChapter(const CRecipeBook& book, const CRecipeOwnerPP& owner) {
    const int index = owner.SelectedChapter();
    return index > 0 ? book.Chapters()[static_cast<std::size_t>(index - 1)].get() : nullptr;
}

// A chapter or book takes its title and introduction to the handheld.
void CountIntroduction(CRecipeOwnerPP& owner, const CTextInputPP& introduction) {
    owner.SetSizeCounter([&introduction](const std::string& title) {
        const std::string text = introduction.Text();
        return PalmSizeNote::Size(title, &text, nullptr);
    });
}

// The title page keeps the user while it has problems, as on OK.
void GuardTitlePage(CGenericPS& sheet) {
    auto* tabs = sheet.findChild<QTabWidget*>("tabs");
    auto* owner = qobject_cast<CRecipeOwnerPP*>(sheet.Page(0));
    if (tabs == nullptr || owner == nullptr) {
        return;
    }
    auto previous = std::make_shared<int>(tabs->currentIndex());
    QObject::connect(tabs, &QTabWidget::currentChanged, &sheet, [tabs, owner, previous](int index) {
        const int left = std::exchange(*previous, index);
        if (left == 0 && index != 0 && !owner->OnApply()) {
            tabs->setCurrentIndex(0);
        }
    });
}

// The pages of the recipe sheet, filled from the recipe and read back on OK.
struct RecipePages {
    CRecipeOwnerPP* owner;
    CRecipeIngredPP* ingredients;
    CTextInputPP* instructions;
    CTextInputPP* comments;
    CTextInputPP* keywords;

    void Fill(const CRecipe& source) const {
        owner->SetTitle(source.Title());
        ingredients->SetLines(LinesOf(source));
        instructions->SetText(source.Text());
        instructions->SetPrepTime(source.PrepTime());
        instructions->SetServings(source.Servings());
        comments->SetText(source.Comments());
        keywords->SetText(source.Keywords());
        owner->SetSizeCounter([this](const std::string& title) {
            const std::string text = instructions->Text();
            std::vector<IngredientParts> parts;
            for (const auto& line : ingredients->Lines()) {
                parts.push_back(line.parts);
            }
            return PalmSizeNote::Size(title, &text, &parts);
        });
    }

    void Apply(CRecipe& target) const {
        ReplaceIngredients(target, ingredients->Lines());
        target.SetText(instructions->Text());
        target.SetPrepTime(instructions->PrepTime());
        target.SetComments(comments->Text());
        target.SetKeywords(keywords->Text());
        target.SetServings(instructions->Servings());
        target.SetTitle(owner->Title());
    }
};

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

    // The pages go to the sheet, which is gone before this holder of them.
    const RecipePages pages{
        new CRecipeOwnerPP(CRecipeOwnerPP::kRecipeTemplate, BookList(m_doc), m_prompts),
        new CRecipeIngredPP(m_doc.Units()),
        new CTextInputPP(CTextInputPP::kInstructionsTemplate),
        new CTextInputPP(CTextInputPP::kCommentsTemplate),
        new CTextInputPP(CTextInputPP::kKeywordsTemplate),
    };
    CGenericPS sheet(0, Caption(kAddRecipeCaption, modify), m_profile, m_parent);
    const auto tabs = StringTable::List(kRecipeTabs);
    sheet.AddPage(pages.owner, Tab(tabs, 0));
    sheet.AddPage(pages.ingredients, Tab(tabs, 1));
    sheet.AddPage(pages.instructions, Tab(tabs, 2));
    sheet.AddPage(pages.comments, Tab(tabs, 3));
    sheet.AddPage(pages.keywords, Tab(tabs, 4));
    const SharedPages shared =
        AddSharedPages(sheet, source, NodeKind::Recipe, {Tab(tabs, 5).toStdString(), Tab(tabs, 6).toStdString()});
    pages.Fill(source);
    pages.owner->SelectBook(BookIndex(book));
    pages.owner->SelectChapter(ChapterIndex(*book, chapter));
    pages.ingredients->SetNames(LoadNames());
    OfferNewItems(*pages.owner);

    if (Run(sheet, "RecipePage", modify) != QDialog::Accepted) {
        return Cancelled;
    }

    std::unique_ptr<CRecipe> added;
    CRecipe& target = modify ? *recipe : *(added = std::make_unique<CRecipe>());
    pages.Apply(target);
    if (pages.ingredients->NamesAdded()) {
        SaveNames(pages.ingredients->Names());
    }
    const bool defaultChanged = ApplySharedPages(target, shared, NodeKind::Recipe);

    CRecipeBook* newBook = ChosenBook(*pages.owner);
    CRecipeChapter* newChapter = ChosenChapter(*newBook, *pages.owner);
    m_added = &target;
    if (modify) {
        target.Touch();
        book->SetModified(true);
        if (newBook == book && newChapter == chapter) {
            return defaultChanged ? DefaultIconChanged : Changed;
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

    CGenericPS sheet(0, Caption(kAddChapterCaption, modify), m_profile, m_parent);
    auto* owner = new CRecipeOwnerPP(CRecipeOwnerPP::kChapterTemplate, BookList(m_doc), m_prompts);
    auto* introduction = new CTextInputPP(CTextInputPP::kChapterIntroductionTemplate);
    sheet.AddPage(owner, Tab(kContainerTabs, 0));
    sheet.AddPage(introduction, Tab(kContainerTabs, 1));
    const SharedPages shared = AddSharedPages(sheet, source, NodeKind::Chapter, {kContainerTabs[2], kContainerTabs[3]});
    owner->SetTitle(source.Title());
    owner->SelectBook(BookIndex(book));
    introduction->SetText(source.Text());
    CountIntroduction(*owner, *introduction);
    OfferNewItems(*owner);

    if (Run(sheet, "ChapterPage", modify) != QDialog::Accepted) {
        return Cancelled;
    }
    std::unique_ptr<CRecipeChapter> added;
    CRecipeChapter& target = modify ? *chapter : *(added = std::make_unique<CRecipeChapter>());
    target.SetTitle(owner->Title());
    target.SetText(introduction->Text());
    const bool defaultChanged = ApplySharedPages(target, shared, NodeKind::Chapter);
    CRecipeBook* newBook = ChosenBook(*owner);
    newBook->SetModified(true);
    m_added = &target;
    if (modify) {
        target.Touch();
        book->SetModified(true);
        if (newBook == book) {
            return defaultChanged ? DefaultIconChanged : Changed;
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

    CGenericPS sheet(0, Caption(kAddBookCaption, modify), m_profile, m_parent);
    auto* owner = new CRecipeOwnerPP(CRecipeOwnerPP::kBookTemplate, BookList(m_doc), m_prompts);
    auto* introduction = new CTextInputPP(CTextInputPP::kIntroductionTemplate);
    sheet.AddPage(owner, Tab(kContainerTabs, 0));
    sheet.AddPage(introduction, Tab(kContainerTabs, 1));
    const SharedPages shared = AddSharedPages(sheet, source, NodeKind::Book, {kContainerTabs[2], kContainerTabs[3]});
    owner->SetEditedBook(book);
    owner->SetTitle(source.Title());
    owner->SetPath(source.Path().string());
    introduction->SetText(source.Text());
    CountIntroduction(*owner, *introduction);

    if (Run(sheet, "BookPage", modify) != QDialog::Accepted) {
        return Cancelled;
    }
    if (!modify) {
        fresh.SetTitle(owner->Title());
        fresh.SetText(introduction->Text());
        CRecipeBook& added = m_doc.NewBook(fresh, owner->Path());
        ApplySharedPages(added, shared, NodeKind::Book);
        m_doc.RegisterBook(added);
        m_settings.SetBook(owner->Path(), 1);
        m_added = &added;
        return Added;
    }
    book->SetTitle(owner->Title());
    book->SetText(introduction->Text());
    book->SetPath(owner->Path());
    const bool defaultChanged = ApplySharedPages(*book, shared, NodeKind::Book);
    book->Touch();
    book->SetModified(true);
    return defaultChanged ? DefaultIconChanged : Changed;
}

RecipeSheets::SharedPages RecipeSheets::AddSharedPages(CGenericPS& sheet, const CRecipeObj& source, NodeKind kind,
                                                       const std::vector<std::string>& captions) {
    auto* icon = new CIconPP(source.Icon(), m_settings.DefaultIcon(static_cast<int>(kind)));
    auto* pictures = new CPicturePP(m_prompts);
    pictures->SetPictures(PicturesOf(source));
    sheet.AddPage(icon, Tab(captions, 0));
    sheet.AddPage(pictures, Tab(captions, 1));
    sheet.SetTabImageSize(kTabImageSize);
    return {icon, pictures};
}

bool RecipeSheets::ApplySharedPages(CRecipeObj& target, const SharedPages& pages, NodeKind kind) {
    target.SetIcon(pages.icon->StoredIcon());
    std::vector<std::string> paths;
    std::vector<bool> shown;
    for (const auto& picture : pages.pictures->Pictures()) {
        paths.push_back(picture.path);
        shown.push_back(picture.shown);
    }
    target.SetPictures(paths, shown);
    const bool changed = m_settings.DefaultIcon(static_cast<int>(kind)) != pages.icon->DefaultIcon();
    m_settings.SetDefaultIcon(static_cast<int>(kind), pages.icon->DefaultIcon());
    return changed;
}

void RecipeSheets::OfferNewItems(CRecipeOwnerPP& owner) {
    owner.SetNewBookAction([this, &owner] { NewBookFor(owner); });
    owner.SetNewChapterAction([this, &owner] { NewChapterFor(owner); });
}

void RecipeSheets::NewBookFor(CRecipeOwnerPP& owner) {
    QWidget* parent = std::exchange(m_parent, owner.window());
    const int result = BookSheet(nullptr);
    m_parent = parent;
    if (result != Added) {
        return;
    }
    owner.SetBooks(BookList(m_doc));
    owner.SelectBook(static_cast<int>(m_doc.GetBooks().size()) - 1);
}

void RecipeSheets::NewChapterFor(CRecipeOwnerPP& owner) {
    const int selected = owner.SelectedBook();
    if (selected < 0) {
        m_prompts.Message(StringTable::Get(kNeedBookForChapter), PromptIcon::Information);
        return;
    }
    QWidget* parent = std::exchange(m_parent, owner.window());
    const int result = ChapterSheet(nullptr, m_doc.GetBooks()[static_cast<std::size_t>(selected)].get());
    m_parent = parent;
    if (result != Added) {
        return;
    }
    const auto* chapter = static_cast<const CRecipeChapter*>(m_added);
    owner.SelectBook(BookIndex(chapter->Book()));
    owner.SelectChapter(ChapterIndex(*chapter->Book(), chapter));
}

// Without a program or data folder (tests, a broken start) the built-in names
// serve and nothing is written.
std::vector<std::string> RecipeSheets::LoadNames() const {
    if (m_settings.m_programDirectory.empty() && m_settings.m_dataStoragePath.empty()) {
        return IngredientNames::BuiltIn();
    }
    return IngredientNames::Load(
        IngredientNames::FileToRead(m_settings.m_programDirectory, m_settings.m_dataStoragePath));
}

// A names file that cannot be written costs only the suggestions; the
// recipe itself is stored regardless, so the failure is not reported.
void RecipeSheets::SaveNames(const std::vector<std::string>& names) const {
    if (m_settings.m_programDirectory.empty() && m_settings.m_dataStoragePath.empty()) {
        return;
    }
    IngredientNames::Save(IngredientNames::FileToWrite(m_settings.m_programDirectory, m_settings.m_dataStoragePath),
                          names);
}

int RecipeSheets::Run(CGenericPS& sheet, const char* pageKey, bool modify) {
    auto& lastPages = LastPages();
    if (!lastPages.contains(pageKey)) {
        lastPages[pageKey] = m_profile.GetInt(kDialogsSection, pageKey, 0);
    }
    if (modify) {
        sheet.SetActivePage(std::clamp(lastPages[pageKey], 0, sheet.PageCount() - 1));
    }
    GuardTitlePage(sheet);
    const int result = m_runner(sheet);
    lastPages[pageKey] = sheet.ActivePageIndex();
    m_profile.WriteInt(kDialogsSection, pageKey, sheet.ActivePageIndex());
    return result;
}

CRecipeBook* RecipeSheets::ChosenBook(const CRecipeOwnerPP& owner) const {
    return m_doc.GetBooks()[static_cast<std::size_t>(owner.SelectedBook())].get();
}

int RecipeSheets::BookIndex(const CRecipeBook* book) const {
    const auto& books = m_doc.GetBooks();
    const auto found = std::find_if(books.begin(), books.end(), [&](const auto& open) { return open.get() == book; });
    return found == books.end() ? -1 : static_cast<int>(found - books.begin());
}
