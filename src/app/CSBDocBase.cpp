#include "app/CSBDocBase.h"

#include "app/BookChecklist.h"
#include "app/CSettings.h"
#include "menus/MenuFile.h"
#include "platform/AtomicFile.h"
#include "platform/StringTable.h"
#include "quantities/UnitTables.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr const char* kHandheldExtension = ".pdb";
constexpr const char* kBookExtension = ".rcp";
constexpr const char* kHandheldNotReady = "Handheld files (.pdb) cannot be read or written yet:\n'%s'";
constexpr const char* kCannotOpen = "The file '%s' could not be opened.";
constexpr const char* kCannotWrite = "The file '%s' could not be written.\nThe previous copy was kept.";
constexpr const char* kExportNotReady = "Saving a recipe book as '%s' is not available yet.";
constexpr const char* kImportNotReady = "Importing recipes from '%s' is not available yet.";
constexpr const char* kDamagedSuffix = ".damaged";
constexpr const char* kDeleteRecipeQuestion = "Delete the recipe '%s'?";
constexpr const char* kDeleteChapterQuestion = "Delete the chapter '%s' and every recipe in it?";
constexpr const char* kCloseBookQuestion = "Close the recipe book '%s'?\nIts file is kept and can be opened again.";
constexpr const char* kSaveBeforeCloseQuestion =
    "The recipe book '%s' has changes that are not saved.\nDo you want to save them before closing it?";

std::string WithText(const std::string& text, const std::string& value) {
    std::string filled = text;
    const std::size_t place = filled.find("%s");
    if (place != std::string::npos) {
        filled.replace(place, 2, value);
    }
    return filled;
}

std::string WithPath(const std::string& text, const std::filesystem::path& path) {
    return WithText(text, path.string());
}

// What holds a chapter or recipe in its book: a recipe's chapter or book, a chapter's book.
CRecipeObj* Holder(const CRecipeObj& object) {
    if (const auto* recipe = dynamic_cast<const CRecipe*>(&object)) {
        return recipe->Chapter() != nullptr ? static_cast<CRecipeObj*>(recipe->Chapter()) : recipe->Book();
    }
    if (const auto* chapter = dynamic_cast<const CRecipeChapter*>(&object)) {
        return chapter->Book();
    }
    return nullptr;
}

// Whether the object is the container or lies somewhere inside it.
bool Within(const CRecipeObj* object, const CRecipeObj& container) {
    for (const CRecipeObj* node = object; node != nullptr; node = Holder(*node)) {
        if (node == &container) {
            return true;
        }
    }
    return false;
}

bool TitleBefore(const CRecipeObj* a, const CRecipeObj* b) {
    return std::lexicographical_compare(
        a->Title().begin(), a->Title().end(), b->Title().begin(), b->Title().end(),
        [](unsigned char x, unsigned char y) { return std::tolower(x) < std::tolower(y); });
}

template <typename T>
std::vector<T*> SortedByTitle(const std::vector<std::unique_ptr<T>>& items) {
    std::vector<T*> sorted;
    for (const auto& item : items) {
        sorted.push_back(item.get());
    }
    std::stable_sort(sorted.begin(), sorted.end(), TitleBefore);
    return sorted;
}

// A pasted recipe takes what the recipe says, not how it is kept: icon,
// pictures, servings, preparation time and favourite mark stay behind.
std::unique_ptr<CRecipe> PastedRecipe(const CRecipe& source) {
    auto copy = std::make_unique<CRecipe>();
    copy->SetTitle(source.Title());
    copy->SetText(source.Text());
    copy->SetComments(source.Comments());
    copy->SetKeywords(source.Keywords());
    for (const auto& line : source.Ingredients()) {
        copy->AppendIngredient(std::make_unique<CIngredient>(*line));
    }
    return copy;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool HasExtension(const std::filesystem::path& path, const char* extension) {
    return Lower(path.extension().string()) == extension;
}

bool SamePathIgnoringCase(const std::filesystem::path& a, const std::filesystem::path& b) {
    return Lower(a.string()) == Lower(b.string());
}

// "Recipe Book (.rcp)|*.rcp||" as the file dialog's "Recipe Book (.rcp) (*.rcp)".
std::string DialogFilter(const std::string& table) {
    std::string filter;
    std::size_t from = 0;
    while (from < table.size()) {
        const std::size_t bar = table.find('|', from);
        const std::size_t end = bar == std::string::npos ? std::string::npos : table.find('|', bar + 1);
        if (bar == std::string::npos || bar == from) {
            break;
        }
        std::string patterns = table.substr(bar + 1, end == std::string::npos ? std::string::npos : end - bar - 1);
        std::replace(patterns.begin(), patterns.end(), ';', ' ');
        filter += (filter.empty() ? "" : ";;") + table.substr(from, bar - from) + " (" + patterns + ")";
        from = end == std::string::npos ? table.size() : end + 1;
    }
    return filter;
}

// The import filter offers the text formats only: CSV is a list format.
std::string WithoutCsv(std::string filter) {
    for (const std::string part : {", .csv", ";*.csv"}) {
        for (std::size_t at = filter.find(part); at != std::string::npos; at = filter.find(part)) {
            filter.erase(at, part.size());
        }
    }
    return filter;
}

std::filesystem::path SuggestedName(const CRecipeBook& book, bool palm) {
    std::filesystem::path suggested = book.Path();
    if (suggested.empty()) {
        std::string title = book.Title();
        std::replace(title.begin(), title.end(), '/', '_');
        suggested = title + kBookExtension;
    }
    if (palm) {
        suggested.replace_extension(kHandheldExtension);
    }
    return suggested;
}

} // namespace

CSBDocBase::CSBDocBase(Services services)
    : m_services(services), m_units(services.profile != nullptr ? std::make_unique<UnitTables>(*services.profile)
                                                                : std::make_unique<UnitTables>()) {}

CSBDocBase::~CSBDocBase() {
    m_closing = true;
    m_back.clear();
    m_forward.clear();
    m_menus.clear();
    m_books.clear();
}

RecipeBookFile::Loaded CSBDocBase::LoadBook(const std::filesystem::path& path) {
    if (RefuseHandheldFile(path)) {
        return {};
    }
    try {
        return RecipeBookFile::Open(path, Prompts(), m_readOptions);
    } catch (const FileError&) {
        ReportFileError(kCannotOpen, path);
    }
    return {};
}

std::unique_ptr<CRecipeBook> CSBDocBase::ReadBookFile(const std::filesystem::path& path) {
    return LoadBook(path).book;
}

CRecipeBook* CSBDocBase::ReadBookIntoWorkspace(const std::filesystem::path& path) {
    RecipeBookFile::Loaded loaded = LoadBook(path);
    if (loaded.book == nullptr) {
        return nullptr;
    }
    if (RecipeBookFile::FindIdentical(*loaded.book, loaded.fileVersion, OpenBooks()) != nullptr) {
        Prompts().Message(RecipeBookFile::kIdenticalBookMessage, PromptIcon::Error);
        return nullptr;
    }
    if (RecipeBookFile::NeedsUpgrade(loaded.fileVersion)) {
        loaded.book->SetModified(true);
    }
    CRecipeBook& book = AppendBook(std::move(loaded.book));
    RegisterBook(book);
    return &book;
}

bool CSBDocBase::WriteBookFile(CRecipeBook& book, const std::optional<std::filesystem::path>& path) {
    const std::filesystem::path target = path.value_or(book.Path());
    if (RefuseHandheldFile(target)) {
        return false;
    }
    try {
        RecipeBookFile::Save(book, target, {});
    } catch (const FileError&) {
        ReportFileError(kCannotWrite, target);
        return false;
    }
    if (target == book.Path()) {
        m_observer->BookWritten(book);
    }
    return true;
}

CRecipeBook* CSBDocBase::FindBookByPath(const std::filesystem::path& path) const {
    const auto found =
        std::find_if(m_books.begin(), m_books.end(), [&](const auto& book) { return book->Path() == path; });
    return found != m_books.end() ? found->get() : nullptr;
}

CRecipeBook* CSBDocBase::FindBookByPathIgnoringCase(const std::filesystem::path& path) const {
    const auto found = std::find_if(m_books.begin(), m_books.end(),
                                    [&](const auto& book) { return SamePathIgnoringCase(book->Path(), path); });
    return found != m_books.end() ? found->get() : nullptr;
}

CRecipeBook* CSBDocBase::FindBookById(std::uint32_t id) const {
    const auto found = std::find_if(m_books.begin(), m_books.end(), [&](const auto& book) { return book->Id() == id; });
    return found != m_books.end() ? found->get() : nullptr;
}

CRecipeBook* CSBDocBase::FindBookByTitle(const std::string& title) const {
    const auto found =
        std::find_if(m_books.begin(), m_books.end(), [&](const auto& book) { return book->Title() == title; });
    return found != m_books.end() ? found->get() : nullptr;
}

CRecipeBook& CSBDocBase::NewBook(const CRecipeObj& pattern, const std::filesystem::path& path) {
    auto book = std::make_unique<CRecipeBook>();
    book->SetTitle(pattern.Title());
    book->SetText(pattern.Text());
    book->SetPath(path);
    book->SetModified(true);
    return AppendBook(std::move(book));
}

CRecipeBook& CSBDocBase::AppendBook(std::unique_ptr<CRecipeBook> book) {
    m_books.push_back(std::move(book));
    return *m_books.back();
}

std::unique_ptr<CRecipeBook> CSBDocBase::RemoveBook(const CRecipeBook& book) {
    const auto found =
        std::find_if(m_books.begin(), m_books.end(), [&](const auto& open) { return open.get() == &book; });
    if (found == m_books.end()) {
        return nullptr;
    }
    auto removed = std::move(*found);
    m_books.erase(found);
    return removed;
}

void CSBDocBase::DeleteBook(const CRecipeBook& book) {
    const bool open = std::any_of(m_books.begin(), m_books.end(), [&](const auto& own) { return own.get() == &book; });
    if (!open) {
        return;
    }
    m_observer->BookAboutToClose(const_cast<CRecipeBook&>(book));
    ForgetSelection(book);
    const bool menusChanged = UnlinkRecipesOf(book);
    ForgetBookObjects(book);
    RemoveBook(book);
    if (menusChanged) {
        m_observer->MenusChanged();
    }
}

void CSBDocBase::RegisterBook(CRecipeBook& book) {
    std::size_t count = book.Recipes().size();
    for (const auto& chapter : book.Chapters()) {
        count += chapter->Recipes().size();
    }
    m_observer->RecipeCountAnnounced(count);
    for (const auto& recipe : book.Recipes()) {
        m_observer->RecipeAnnounced(*recipe);
    }
    for (const auto& chapter : book.Chapters()) {
        for (const auto& recipe : chapter->Recipes()) {
            m_observer->RecipeAnnounced(*recipe);
        }
    }
    for (CRecipe* favourite : book.Favourites()) {
        m_observer->FavouriteAnnounced(*favourite);
    }
    m_observer->BookOpened(book);
    ResolveAllMenus();
}

bool CSBDocBase::AnyBookModified() const {
    return std::any_of(m_books.begin(), m_books.end(), [](const auto& book) { return book->Modified(); });
}

CRecipeBook* CSBDocBase::OpenBookFile(const std::filesystem::path& path, bool reselect) {
    if (const CRecipeBook* open = FindBookByPathIgnoringCase(path)) {
        if (!reselect) {
            return nullptr;
        }
        DeleteBook(*open);
    }
    CRecipeBook* book = ReadBookIntoWorkspace(path);
    if (book != nullptr) {
        Settings().SetBook(path.string(), 1);
    }
    return book;
}

void CSBDocBase::OpenStartupBooks() {
    if (Settings().m_openBooksOnStartUp == 0) {
        return;
    }
    // Reading may not change the list, but a copy keeps the loop safe if it does.
    const std::vector<CSettings::KnownBook> known = Settings().m_books;
    for (const CSettings::KnownBook& entry : known) {
        if (entry.flag == 1) {
            ReadBookIntoWorkspace(entry.path);
        }
    }
}

void CSBDocBase::OpenCommand() {
    const std::string filter =
        DialogFilter(StringTable::Get(kBookFilter)) + ";;" + DialogFilter(WithoutCsv(StringTable::Get(kImportFilter)));
    for (;;) {
        const auto chosen = Prompts().ChooseFilesToOpen("Open", {filter}, {}, false);
        if (chosen.empty()) {
            return;
        }
        const std::filesystem::path& path = chosen.front();
        if (!HasExtension(path, kBookExtension)) {
            Prompts().Message(WithPath(kImportNotReady, path), PromptIcon::Information);
            return;
        }
        if (FindBookByPathIgnoringCase(path) == nullptr) {
            OpenBookFile(path, false);
            return;
        }
        Prompts().Message(StringTable::Get(kSameFileNameMessage), PromptIcon::Warning);
    }
}

bool CSBDocBase::SaveBooks(bool saveAs, bool palm) {
    if (m_books.empty()) {
        return true;
    }
    std::vector<std::string> titles;
    std::vector<bool> ticked;
    for (const auto& book : m_books) {
        titles.push_back(book->Title());
        ticked.push_back(saveAs || book->Modified());
    }
    if (m_books.size() >= 2) {
        const auto chosen = m_services.checklist.ChooseBooks(StringTable::Get(kCheckBooksTitle), titles, ticked);
        if (!chosen) {
            return false;
        }
        ticked = *chosen;
        ticked.resize(m_books.size(), false);
    }
    // The list is copied: saving may hand a book to a pane that changes the list.
    const std::vector<CRecipeBook*> books = OpenBooks();
    bool asMode = saveAs;
    bool allSaved = true;
    for (std::size_t i = 0; i < books.size(); ++i) {
        if (!ticked[i]) {
            continue;
        }
        // A new book has no file yet; from it on every book is saved under a chosen name.
        asMode = asMode || books[i]->Path().empty();
        const bool saved = asMode ? SaveBookAs(*books[i], palm) : WriteBookFile(*books[i]);
        allSaved = allSaved && saved;
    }
    return allSaved;
}

bool CSBDocBase::SaveBookAs(CRecipeBook& book, bool palm) {
    const std::string filter = DialogFilter(StringTable::Get(kBookFilter));
    const auto chosen = Prompts().ChooseFileToSave("Save As", {filter}, SuggestedName(book, palm));
    if (!chosen) {
        return false;
    }
    std::filesystem::path path = *chosen;
    if (!path.has_extension()) {
        path += StringTable::Get(kDefaultExtension);
    }
    if (!HasExtension(path, kBookExtension)) {
        Prompts().Message(WithPath(kExportNotReady, path), PromptIcon::Information);
        return false;
    }
    // The book takes the new name only once the file is written, so a failed
    // save leaves it pointing at its intact old file.
    const std::filesystem::path oldPath = book.Path();
    if (!WriteBookFile(book, path)) {
        return false;
    }
    book.SetPath(path);
    const int listed = Settings().RemoveBook(oldPath.string());
    if (listed > 0) {
        Settings().SetBook(path.string(), static_cast<unsigned>(listed - 1));
    }
    m_observer->BookWritten(book);
    return true;
}

bool CSBDocBase::CanCloseFrame() {
    if (AnyBookModified()) {
        const PromptAnswer answer =
            Prompts().Ask(StringTable::Get(kSaveBeforeExitMessage), PromptButtons::YesNoCancel, PromptIcon::Question);
        if (answer == PromptAnswer::Cancel) {
            return false;
        }
        // A book the user chose to save but that was not saved keeps the program open.
        if (answer == PromptAnswer::Yes && !SaveBooks(false)) {
            return false;
        }
    }
    SaveMenuFile(MenuFilePath(), false);
    return true;
}

std::vector<CRecipeBook*> CSBDocBase::OpenBooks() const {
    std::vector<CRecipeBook*> books;
    for (const auto& book : m_books) {
        books.push_back(book.get());
    }
    return books;
}

void CSBDocBase::ForgetBookObjects(const CRecipeBook& book) {
    for (const auto& recipe : book.Recipes()) {
        ForgetObject(recipe.get());
    }
    for (const auto& chapter : book.Chapters()) {
        for (const auto& recipe : chapter->Recipes()) {
            ForgetObject(recipe.get());
        }
        ForgetObject(chapter.get());
    }
    ForgetObject(&book);
}

bool CSBDocBase::UnlinkRecipesOf(const CRecipeBook& book) {
    bool changed = false;
    for (const auto& recipe : book.Recipes()) {
        changed = UnlinkRecipe(*recipe) || changed;
    }
    for (const auto& chapter : book.Chapters()) {
        for (const auto& recipe : chapter->Recipes()) {
            changed = UnlinkRecipe(*recipe) || changed;
        }
    }
    return changed;
}

void CSBDocBase::PushHistory(CObject* object) {
    if (object == nullptr || (!m_back.empty() && m_back.front() == object) ||
        (!m_forward.empty() && m_forward.front() == object)) {
        return;
    }
    m_back.push_front(object);
}

CObject* CSBDocBase::Back() {
    if (m_back.empty()) {
        return nullptr;
    }
    m_forward.push_front(m_back.front());
    m_back.pop_front();
    return m_back.empty() ? nullptr : m_back.front();
}

CObject* CSBDocBase::Forward() {
    if (m_forward.empty()) {
        return nullptr;
    }
    CObject* next = m_forward.front();
    m_forward.pop_front();
    return next;
}

void CSBDocBase::ForgetObject(const CObject* object) {
    if (m_closing) {
        return;
    }
    std::erase(m_back, object);
    std::erase(m_forward, object);
}

CSBMenu& CSBDocBase::AddMenu(std::unique_ptr<CSBMenu> menu) {
    m_menuCounters.Touch();
    m_menusModified = true;
    menu->SetId(++m_lastMenuId);
    m_menus.push_back(std::move(menu));
    return *m_menus.back();
}

std::unique_ptr<CSBMenu> CSBDocBase::RemoveMenu(const CSBMenu& menu) {
    const auto found =
        std::find_if(m_menus.begin(), m_menus.end(), [&](const auto& own) { return own.get() == &menu; });
    if (found == m_menus.end()) {
        return nullptr;
    }
    m_menuCounters.Touch();
    m_menusModified = true;
    ForgetObject(&menu);
    auto removed = std::move(*found);
    m_menus.erase(found);
    return removed;
}

void CSBDocBase::DeleteAllMenus() {
    for (const auto& menu : m_menus) {
        ForgetObject(menu.get());
    }
    m_menus.clear();
}

CSBMenu* CSBDocBase::FindMenu(std::int32_t id) const {
    const auto found = std::find_if(m_menus.begin(), m_menus.end(), [&](const auto& menu) { return menu->Id() == id; });
    return found != m_menus.end() ? found->get() : nullptr;
}

std::vector<CSBMenu*> CSBDocBase::MenusForDate(const std::chrono::year_month_day& date) const {
    std::vector<CSBMenu*> matching;
    for (const auto& menu : m_menus) {
        if (menu->MatchesDate(date)) {
            matching.push_back(menu.get());
        }
    }
    return matching;
}

bool CSBDocBase::LoadMenuFile(const std::filesystem::path& path, bool checkDuplicates) {
    if (RefuseHandheldFile(path)) {
        return false;
    }
    MenuFile::Contents contents;
    try {
        contents = MenuFile::Load(path);
    } catch (const NotAMenuFileError&) {
        m_damagedMenuFile = path;
        ReportFileError(StringTable::Get(kNotValidMessage), path);
        return false;
    } catch (const FileError&) {
        m_damagedMenuFile = path;
        ReportFileError(kCannotOpen, path);
        return false;
    }
    if (contents.fileVersion >= MenuFile::kFirstVersionWithCounters) {
        m_menuCounters = contents.counters;
        RaiseLastMenuId(contents.lastMenuId);
    }
    for (auto& menu : contents.menus) {
        if (contents.fileVersion < MenuFile::kFirstVersionWithCounters) {
            menu->SetId(m_lastMenuId + 1);
        }
        AddLoadedMenu(std::move(menu), checkDuplicates);
    }
    ResolveAllMenus();
    if (contents.damaged) {
        m_damagedMenuFile = path;
        ReportFileError(StringTable::Get(kNotValidMessage), path);
    }
    return !contents.damaged;
}

void CSBDocBase::AddLoadedMenu(std::unique_ptr<CSBMenu> menu, bool checkDuplicates) {
    if (checkDuplicates) {
        if (CSBMenu* existing = FindMenu(menu->Id())) {
            // The merged items live only in memory until the file is written again.
            m_menusModified = true;
            if (existing->MergeFrom(*menu, m_books)) {
                return;
            }
            menu->SetId(m_lastMenuId + 1);
        }
    }
    RaiseLastMenuId(menu->Id());
    m_menus.push_back(std::move(menu));
}

void CSBDocBase::RaiseLastMenuId(std::int32_t id) {
    const std::int32_t desktopId = id > kHandheldMenuId ? id - kHandheldMenuId : id;
    m_lastMenuId = std::max(m_lastMenuId, desktopId);
}

bool CSBDocBase::SaveMenuFile(const std::filesystem::path& path, bool force) {
    if (!m_menusModified && !force) {
        return true;
    }
    if (RefuseHandheldFile(path)) {
        return false;
    }
    try {
        if (m_damagedMenuFile && *m_damagedMenuFile == path) {
            SetAsideDamagedMenuFile(path);
        }
        AtomicFile::Write(path, MenuFile::ToBytes(m_menuCounters, m_lastMenuId, m_menus));
    } catch (const FileError&) {
        ReportFileError(kCannotWrite, path);
        return false;
    }
    if (!force) {
        m_menusModified = false;
    }
    return true;
}

// What could not be read is still the user's: it moves beside the new file
// under a name of its own instead of being replaced by the part we understood.
void CSBDocBase::SetAsideDamagedMenuFile(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::exists(path, error)) {
        std::filesystem::path aside = path;
        aside += kDamagedSuffix;
        for (int n = 1; std::filesystem::exists(aside, error); ++n) {
            aside = path;
            aside += kDamagedSuffix + std::to_string(n);
        }
        std::filesystem::rename(path, aside, error);
        if (error) {
            throw FileError(path, "cannot keep the unreadable menu file aside");
        }
    }
    m_damagedMenuFile.reset();
}

std::filesystem::path CSBDocBase::MenuFilePath() const {
    return std::filesystem::path(m_services.settings.m_dataStoragePath) / MenuFile::kFileName;
}

std::optional<SyncPair> CSBDocBase::ReadFileCounters(const std::filesystem::path& path) const {
    if (HasExtension(path, kHandheldExtension)) {
        return std::nullopt;
    }
    try {
        const MenuFile::Header header = MenuFile::ReadHeader(path);
        if (header.hasCounters) {
            return header.counters;
        }
        // Older files carry no counters: they count as changed since the last synchronisation.
        return SyncPair{0, m_menuCounters.synchronised + 1};
    } catch (const FileError&) {
        return std::nullopt;
    }
}

void CSBDocBase::ResolveAllMenus() {
    for (const auto& menu : m_menus) {
        menu->Resolve(m_books);
    }
    m_observer->MenusChanged();
}

bool CSBDocBase::UnlinkRecipe(const CRecipe& recipe) {
    bool changed = false;
    for (const auto& menu : m_menus) {
        changed = menu->Unlink(recipe) || changed;
    }
    return changed;
}

int CSBDocBase::RefreshRecipe(CRecipe& recipe) {
    int changedMeals = 0;
    for (const auto& menu : m_menus) {
        changedMeals += menu->Refresh(recipe);
    }
    return changedMeals;
}

bool CSBDocBase::RefuseHandheldFile(const std::filesystem::path& path) {
    if (!HasExtension(path, kHandheldExtension)) {
        return false;
    }
    Prompts().Message(WithPath(kHandheldNotReady, path), PromptIcon::Error);
    return true;
}

void CSBDocBase::ReportFileError(const std::string& what, const std::filesystem::path& path) {
    Prompts().Message(WithPath(what, path), PromptIcon::Error);
}

void CSBDocBase::SetCurrentObject(CRecipeObj* object) {
    m_currentObject = object;
    if (auto* book = dynamic_cast<CRecipeBook*>(object)) {
        m_currentBook = book;
        m_currentChapter = book->Chapters().empty() ? nullptr : book->Chapters().front().get();
    } else if (auto* chapter = dynamic_cast<CRecipeChapter*>(object)) {
        m_currentBook = chapter->Book();
        m_currentChapter = chapter;
    } else if (auto* recipe = dynamic_cast<CRecipe*>(object)) {
        m_currentBook = recipe->Book();
        m_currentChapter = recipe->Chapter();
    }
}

// Pointers to a deleted object or anything inside it must not outlive it.
void CSBDocBase::ForgetSelection(const CRecipeObj& object) {
    if (Within(m_currentObject, object)) {
        m_currentObject = nullptr;
    }
    if (Within(m_remembered, object)) {
        m_remembered = nullptr;
        m_cut = false;
    }
    if (Within(m_currentChapter, object)) {
        m_currentChapter = nullptr;
    }
    if (Within(m_currentBook, object)) {
        m_currentBook = nullptr;
        m_currentChapter = nullptr;
    }
}

bool CSBDocBase::IsInWorkspace(const CRecipeObj& object) const {
    const CRecipeBook* book = object.OwningBook();
    return std::any_of(m_books.begin(), m_books.end(), [&](const auto& open) { return open.get() == book; });
}

bool CSBDocBase::DeleteObject(CRecipeObj& object) {
    if (!IsInWorkspace(object)) {
        return false;
    }
    if (auto* book = dynamic_cast<CRecipeBook*>(&object)) {
        return CloseBookForUser(*book);
    }
    if (!ConfirmDelete(object)) {
        return false;
    }
    if (auto* chapter = dynamic_cast<CRecipeChapter*>(&object)) {
        DestroyChapter(*chapter);
    } else if (auto* recipe = dynamic_cast<CRecipe*>(&object)) {
        DestroyRecipe(*recipe);
    }
    return true;
}

bool CSBDocBase::ConfirmDelete(const CRecipeObj& object) {
    const char* question = object.Kind() == NodeKind::Chapter ? kDeleteChapterQuestion : kDeleteRecipeQuestion;
    return Prompts().Ask(WithText(question, object.Title()), PromptButtons::YesNo, PromptIcon::Question) ==
           PromptAnswer::Yes;
}

// Closing a book from the Contents tree must not throw away unsaved work.
bool CSBDocBase::CloseBookForUser(CRecipeBook& book) {
    if (book.Modified()) {
        const PromptAnswer answer = Prompts().Ask(WithText(kSaveBeforeCloseQuestion, book.Title()),
                                                  PromptButtons::YesNoCancel, PromptIcon::Question);
        if (answer == PromptAnswer::Cancel) {
            return false;
        }
        const bool saved =
            answer != PromptAnswer::Yes || (book.Path().empty() ? SaveBookAs(book, false) : WriteBookFile(book));
        if (!saved) {
            return false;
        }
    } else if (Prompts().Ask(WithText(kCloseBookQuestion, book.Title()), PromptButtons::YesNo, PromptIcon::Question) !=
               PromptAnswer::Yes) {
        return false;
    }
    const std::string path = book.Path().string();
    DeleteBook(book);
    if (!path.empty()) {
        Settings().RemoveBook(path);
    }
    return true;
}

// The handheld copy learns of what left the book through its deleted ids.
void CSBDocBase::RecordDeletedIds(const CRecipeObj& object, CRecipeBook& book) {
    book.AddDeletedId(object.Id());
    if (const auto* chapter = dynamic_cast<const CRecipeChapter*>(&object)) {
        for (const auto& recipe : chapter->Recipes()) {
            book.AddDeletedId(recipe->Id());
        }
    }
}

void CSBDocBase::DestroyRecipe(CRecipe& recipe) {
    CRecipeBook* book = recipe.Book();
    m_observer->ObjectAboutToDelete(recipe);
    ForgetSelection(recipe);
    ForgetObject(&recipe);
    const bool menusChanged = UnlinkRecipe(recipe);
    RecordDeletedIds(recipe, *book);
    book->DetachRecipe(recipe);
    book->SetModified(true);
    if (menusChanged) {
        m_observer->MenusChanged();
    }
}

void CSBDocBase::DestroyChapter(CRecipeChapter& chapter) {
    CRecipeBook* book = chapter.Book();
    m_observer->ObjectAboutToDelete(chapter);
    ForgetSelection(chapter);
    bool menusChanged = false;
    for (const auto& recipe : chapter.Recipes()) {
        ForgetObject(recipe.get());
        menusChanged = UnlinkRecipe(*recipe) || menusChanged;
    }
    ForgetObject(&chapter);
    RecordDeletedIds(chapter, *book);
    book->RemoveChapter(chapter);
    book->SetModified(true);
    if (menusChanged) {
        m_observer->MenusChanged();
    }
}

CRecipeObj* CSBDocBase::MoveTarget(const CRecipeObj& dragged, CRecipeObj* over) {
    const NodeKind kind = dragged.Kind();
    if (kind != NodeKind::Chapter && kind != NodeKind::Recipe) {
        return nullptr;
    }
    for (CRecipeObj* node = over; node != nullptr; node = Holder(*node)) {
        if (node->Kind() != NodeKind::Other && node->Kind() < kind) {
            return node;
        }
    }
    return nullptr;
}

bool CSBDocBase::MoveObject(CRecipeObj& dragged, CRecipeObj& target) {
    if (MoveTarget(dragged, &target) != &target || !IsInWorkspace(dragged) || !IsInWorkspace(target)) {
        return false;
    }
    if (auto* recipe = dynamic_cast<CRecipe*>(&dragged)) {
        return MoveRecipe(*recipe, target);
    }
    return MoveChapter(dynamic_cast<CRecipeChapter&>(dragged), target);
}

bool CSBDocBase::MoveRecipe(CRecipe& recipe, CRecipeObj& target) {
    CRecipeBook* source = recipe.Book();
    CRecipeBook* book = target.OwningBook();
    const std::uint32_t oldId = recipe.Id();
    std::unique_ptr<CRecipe> owned = source->DetachRecipe(recipe);
    if (owned == nullptr) {
        return false;
    }
    if (auto* chapter = dynamic_cast<CRecipeChapter*>(&target)) {
        chapter->AddRecipe(std::move(owned));
    } else {
        book->AddRecipe(std::move(owned));
    }
    if (source != book) {
        source->AddDeletedId(oldId);
    }
    source->SetModified(true);
    book->SetModified(true);
    if (RefreshRecipe(recipe) > 0) {
        m_observer->MenusChanged();
    }
    return true;
}

bool CSBDocBase::MoveChapter(CRecipeChapter& chapter, CRecipeObj& target) {
    CRecipeBook* source = chapter.Book();
    auto& book = dynamic_cast<CRecipeBook&>(target);
    if (source != &book) {
        RecordDeletedIds(chapter, *source);
    }
    std::unique_ptr<CRecipeChapter> owned = source->RemoveChapter(chapter);
    if (owned == nullptr) {
        return false;
    }
    book.AddChapter(std::move(owned));
    source->SetModified(true);
    book.SetModified(true);
    int changedMeals = 0;
    for (const auto& recipe : chapter.Recipes()) {
        changedMeals += RefreshRecipe(*recipe);
    }
    if (changedMeals > 0) {
        m_observer->MenusChanged();
    }
    return true;
}

bool CSBDocBase::CanSort(const CRecipeObj* object) {
    return object != nullptr && (object->Kind() == NodeKind::Book || object->Kind() == NodeKind::Chapter);
}

// Items are taken out and put back in title order; taking them out of their
// own container keeps their ids.
bool CSBDocBase::SortItems(CRecipeObj& object) {
    if (!CanSort(&object) || !IsInWorkspace(object)) {
        return false;
    }
    if (auto* chapter = dynamic_cast<CRecipeChapter*>(&object)) {
        for (CRecipe* recipe : SortedByTitle(chapter->Recipes())) {
            chapter->AddRecipe(chapter->RemoveRecipe(*recipe));
        }
    } else {
        auto& book = dynamic_cast<CRecipeBook&>(object);
        for (CRecipeChapter* chapter : SortedByTitle(book.Chapters())) {
            book.AddChapter(book.RemoveChapter(*chapter));
        }
        for (CRecipe* recipe : SortedByTitle(book.Recipes())) {
            book.AddRecipe(book.RemoveRecipe(*recipe));
        }
    }
    object.OwningBook()->SetModified(true);
    return true;
}

bool CSBDocBase::CanCopy() const {
    return m_currentObject != nullptr &&
           (m_currentObject->Kind() == NodeKind::Chapter || m_currentObject->Kind() == NodeKind::Recipe);
}

std::string CSBDocBase::CopyCurrent(bool cut) {
    if (!CanCopy()) {
        return {};
    }
    m_remembered = m_currentObject;
    m_cut = cut;
    return ClipboardText(*m_remembered);
}

std::string CSBDocBase::ClipboardText(const CRecipeObj& object) {
    std::string text = object.Title() + "\n";
    if (const auto* recipe = dynamic_cast<const CRecipe*>(&object)) {
        text += "\n";
        for (const auto& line : recipe->Ingredients()) {
            text += "\t" + line->Amount() + "\t" + line->Unit() + "\t" + line->Description() + "\n";
        }
        text += "\n";
    }
    return text + object.Text() + "\n";
}

bool CSBDocBase::CanPaste() const {
    if (m_remembered == nullptr || m_currentObject == nullptr) {
        return false;
    }
    return m_currentObject->Kind() == NodeKind::Book ||
           (m_currentObject->Kind() == NodeKind::Chapter && m_remembered->Kind() == NodeKind::Recipe);
}

CRecipeObj* CSBDocBase::Paste() {
    if (!CanPaste()) {
        return nullptr;
    }
    CRecipeObj* copy = PasteCopy(*m_currentObject);
    m_observer->ObjectAdded(*copy);
    AnnounceRecipes(*copy);
    if (m_cut) {
        if (auto* chapter = dynamic_cast<CRecipeChapter*>(m_remembered)) {
            DestroyChapter(*chapter);
        } else {
            DestroyRecipe(dynamic_cast<CRecipe&>(*m_remembered));
        }
    }
    m_remembered = copy;
    m_cut = false;
    SetCurrentObject(copy);
    return copy;
}

// The copy takes fresh ids from its new book, so that no two items of a book
// share an id even when the original stays beside it.
CRecipeObj* CSBDocBase::PasteCopy(CRecipeObj& target) {
    CRecipeBook* book = target.OwningBook();
    if (const auto* chapter = dynamic_cast<const CRecipeChapter*>(m_remembered)) {
        return &book->AddChapter(chapter->Copy(true));
    }
    auto recipe = PastedRecipe(dynamic_cast<const CRecipe&>(*m_remembered));
    if (auto* targetChapter = dynamic_cast<CRecipeChapter*>(&target)) {
        return &targetChapter->AddRecipe(std::move(recipe));
    }
    return &book->AddRecipe(std::move(recipe));
}

void CSBDocBase::AnnounceRecipes(CRecipeObj& object) {
    if (auto* recipe = dynamic_cast<CRecipe*>(&object)) {
        m_observer->RecipeAnnounced(*recipe);
        return;
    }
    for (const auto& recipe : dynamic_cast<CRecipeChapter&>(object).Recipes()) {
        m_observer->RecipeAnnounced(*recipe);
    }
}
