#include "app/CSavorbridgeDoc.h"

#include "app/CSettings.h"
#include "app/CommandIds.h"
#include "model/CRecipe.h"
#include "model/CRecipeBook.h"
#include "model/CRecipeChapter.h"
#include "platform/StringTable.h"
#include "ui/dialogs/RecipeSheets.h"

#include <QProcess>

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
    RunSheet([this](RecipeSheets& sheets) { return sheets.ChapterSheet(nullptr, GetBooks().front().get()); });
}

void CSavorbridgeDoc::OnNewRecipe() {
    if (GetBooks().empty()) {
        Prompts().Message(StringTable::Get(kNeedBookForRecipe), PromptIcon::Information);
        return;
    }
    RunSheet([this](RecipeSheets& sheets) { return sheets.RecipeSheet(nullptr, GetBooks().front().get(), nullptr); });
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
    if (open(sheets) != RecipeSheets::Cancelled) {
        emit booksChanged();
    }
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
