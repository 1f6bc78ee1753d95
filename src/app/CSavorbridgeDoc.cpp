#include "app/CSavorbridgeDoc.h"

#include "app/CSettings.h"
#include "app/CommandIds.h"
#include "model/CRecipe.h"
#include "model/CRecipeBook.h"
#include "model/CRecipeChapter.h"
#include "platform/StringTable.h"
#include "ui/dialogs/RecipeSheets.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QTimer>

CSavorbridgeDoc* CSavorbridgeDoc::s_instance = nullptr;

namespace {

constexpr const char* kTimerProgram = "Timer";
constexpr const char* kTimerMissing = "The kitchen timer could not be started.";

} // namespace

CSavorbridgeDoc::CSavorbridgeDoc(CSettings& settings, UserPrompts& prompts, Profile* profile)
    : CSBDocBase({settings, prompts, m_checklist, profile}), m_profile(profile) {
    SetObserver(this);
    s_instance = this;
}

CSavorbridgeDoc::~CSavorbridgeDoc() {
    SetObserver(nullptr);
    if (s_instance == this) {
        s_instance = nullptr;
    }
}

void CSavorbridgeDoc::LoadMenuFileAtStart() {
    std::error_code error;
    if (std::filesystem::exists(MenuFilePath(), error)) {
        LoadMenuFile(MenuFilePath(), false);
    }
}

void CSavorbridgeDoc::OnNewBook() {
    RunSheet([](RecipeSheets& sheets) { return sheets.BookSheet(nullptr); });
}

void CSavorbridgeDoc::OnNewChapter() {
    if (GetBooks().empty()) {
        Prompts().Message(StringTable::Get(kNeedBookForChapter), PromptIcon::Information);
        return;
    }
    CRecipeBook* book = BookForNewItems();
    RunSheet([book](RecipeSheets& sheets) { return sheets.ChapterSheet(nullptr, book); });
}

void CSavorbridgeDoc::OnNewRecipe() {
    if (GetBooks().empty()) {
        Prompts().Message(StringTable::Get(kNeedBookForRecipe), PromptIcon::Information);
        return;
    }
    CRecipeBook* book = BookForNewItems();
    CRecipeChapter* chapter = ChapterForNewItems(*book);
    RunSheet([book, chapter](RecipeSheets& sheets) { return sheets.RecipeSheet(nullptr, book, chapter); });
}

// New items go where the user is: the item selected in the Contents tree,
// else the item on show, else the first book.
CRecipeBook* CSavorbridgeDoc::BookForNewItems() const {
    if (CurrentBook() != nullptr) {
        return CurrentBook();
    }
    const auto* shown = dynamic_cast<const CRecipeObj*>(m_current);
    if (shown != nullptr && shown->OwningBook() != nullptr) {
        return shown->OwningBook();
    }
    return GetBooks().front().get();
}

CRecipeChapter* CSavorbridgeDoc::ChapterForNewItems(const CRecipeBook& book) const {
    CRecipeChapter* chapter = CurrentBook() != nullptr ? CurrentChapter() : ShownChapter();
    return chapter != nullptr && chapter->Book() == &book ? chapter : nullptr;
}

void CSavorbridgeDoc::OnProperties(CRecipeObj& object) {
    if (auto* recipe = dynamic_cast<CRecipe*>(&object)) {
        RunSheet(
            [recipe](RecipeSheets& sheets) { return sheets.RecipeSheet(recipe, recipe->Book(), recipe->Chapter()); });
    } else if (auto* chapter = dynamic_cast<CRecipeChapter*>(&object)) {
        RunSheet([chapter](RecipeSheets& sheets) { return sheets.ChapterSheet(chapter, chapter->Book()); });
    } else if (auto* book = dynamic_cast<CRecipeBook*>(&object)) {
        RunSheet([book](RecipeSheets& sheets) { return sheets.BookSheet(book); });
    }
}

void CSavorbridgeDoc::OnNewMenu() {
    NotAvailableYet("Planning a new menu");
}

void CSavorbridgeDoc::OnImport() {
    NotAvailableYet("Import");
}

void CSavorbridgeDoc::OnExport() {
    NotAvailableYet("Export");
}

void CSavorbridgeDoc::OnTimer() {
    const auto timer = m_programFolder / kTimerProgram;
    if (!QProcess::startDetached(QString::fromStdString(timer.string()), {},
                                 QString::fromStdString(m_programFolder.string()))) {
        Prompts().Message(kTimerMissing, PromptIcon::Warning);
    }
}

bool CSavorbridgeDoc::OnCommand(int id) {
    using namespace CommandId;
    switch (id) {
    case kNew:
    case kNewBook:
        OnNewBook();
        return true;
    case kNewChapter:
        OnNewChapter();
        return true;
    case kNewRecipe:
        OnNewRecipe();
        return true;
    case kOpen:
        OnOpen();
        return true;
    case kSave:
        OnSave();
        return true;
    case kSaveAs:
        OnSaveAs();
        return true;
    case kTimer:
        OnTimer();
        return true;
    case kHome:
        OnHome();
        return true;
    case kNutrientInformation:
        ToggleNutrientInformation();
        return true;
    default:
        return false;
    }
}

bool CSavorbridgeDoc::OnUpdateCommand(int id, CommandState& state) {
    using namespace CommandId;
    switch (id) {
    case kNew:
    case kNewBook:
    case kNewChapter:
    case kNewRecipe:
    case kOpen:
    case kTimer:
    case kHome:
        state.enabled = true;
        return true;
    case kSave:
    case kSaveAs:
        state.enabled = !GetBooks().empty();
        return true;
    case kNutrientInformation:
        state.enabled = true;
        state.checked = Settings().m_showNutrientInfo != 0;
        return true;
    default:
        return false;
    }
}

void CSavorbridgeDoc::ToggleNutrientInformation() {
    Settings().m_showNutrientInfo = Settings().m_showNutrientInfo != 0 ? 0 : 1;
    Redisplay();
}

// Without a profile (some tests) there is nowhere to keep the sheets' places.
void CSavorbridgeDoc::RunSheet(const std::function<int(RecipeSheets&)>& open) {
    if (m_profile == nullptr) {
        return;
    }
    RecipeSheets sheets(*this, Settings(), *m_profile, Prompts());
    sheets.SetParent(m_dialogParent);
    if (m_sheetRunner) {
        sheets.SetRunner(m_sheetRunner);
    }
    const int result = open(sheets);
    if (result == RecipeSheets::Cancelled) {
        return;
    }
    emit booksChanged();
    if (result == RecipeSheets::Added && sheets.AddedItem() != nullptr) {
        AnnounceAdded(*sheets.AddedItem());
        Display(sheets.AddedItem());
        return;
    }
    Redisplay();
}

CRecipeChapter* CSavorbridgeDoc::ShownChapter() const {
    if (auto* chapter = dynamic_cast<CRecipeChapter*>(m_current)) {
        return chapter;
    }
    const auto* recipe = dynamic_cast<const CRecipe*>(m_current);
    return recipe != nullptr ? recipe->Chapter() : nullptr;
}

void CSavorbridgeDoc::NotAvailableYet(const char* what) {
    Prompts().Message(std::string(what) + " is not available yet.", PromptIcon::Information);
}

void CSavorbridgeDoc::Display(CObject* item) {
    PushHistory(item);
    m_current = item;
    emit displayRequested(item);
}

void CSavorbridgeDoc::OnBack() {
    m_current = Back();
    emit displayRequested(m_current);
}

void CSavorbridgeDoc::OnForward() {
    if (CObject* next = Forward()) {
        PushHistory(next);
        m_current = next;
        emit displayRequested(next);
    }
}

void CSavorbridgeDoc::MarkChanged(CRecipeObj& object) {
    if (CRecipeBook* book = object.OwningBook()) {
        book->SetModified(true);
    }
    emit objectChanged(&object);
}

void CSavorbridgeDoc::BookAboutToClose(CRecipeBook& book) {
    const auto* object = dynamic_cast<const CRecipeObj*>(m_current);
    if (object != nullptr && object->OwningBook() == &book) {
        m_current = nullptr;
    }
    emit bookClosing(&book);
}

void CSavorbridgeDoc::ObjectAboutToDelete(CRecipeObj& object) {
    const auto* shown = dynamic_cast<const CRecipe*>(m_current);
    if (m_current == &object || (shown != nullptr && shown->Chapter() == &object)) {
        m_current = nullptr;
        // The page goes home once the object is gone.
        QTimer::singleShot(0, this, [this] {
            if (m_current == nullptr) {
                emit displayRequested(nullptr);
            }
        });
    }
    emit objectDeleting(&object);
}

void CSavorbridgeDoc::CopyItemToClipboard(bool cut) {
    const std::string text = CopyCurrent(cut);
    if (!text.empty()) {
        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    }
}

void CSavorbridgeDoc::OnPasteItem() {
    CRecipeBook* source = Remembered() != nullptr ? Remembered()->OwningBook() : nullptr;
    CRecipeObj* copy = Paste();
    if (copy == nullptr) {
        return;
    }
    emit objectChanged(copy->OwningBook());
    if (source != nullptr && source != copy->OwningBook()) {
        emit objectChanged(source);
    }
}

void CSavorbridgeDoc::SetPortion(int numerator, int denominator) {
    if (numerator <= 0 || denominator <= 0) {
        return;
    }
    m_portionNumerator = numerator;
    m_portionDenominator = denominator;
    emit portionChanged(numerator, denominator);
}
