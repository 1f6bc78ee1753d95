#pragma once

#include "app/WorkspaceObserver.h"
#include "menus/CSBMenu.h"
#include "model/CRecipeBook.h"
#include "model/RecipeBookFile.h"
#include "model/SyncPair.h"
#include "platform/UserPrompts.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class BookChecklist;
class CObject;
class CSettings;
class Profile;
class UnitTables;

// The workspace of the running program: the open books, the menus with their
// file, the display history, and the file operations on books. Everything the
// shell's document does that needs no window lives here.
class CSBDocBase {
public:
    struct Services {
        CSettings& settings;
        UserPrompts& prompts;
        BookChecklist& checklist;
        // Where the unit tables keep the user's unit choices; none in most tests.
        Profile* profile = nullptr;
    };

    using Books = std::vector<std::unique_ptr<CRecipeBook>>;
    using Menus = std::vector<std::unique_ptr<CSBMenu>>;

    static constexpr int kNotValidMessage = 273;
    static constexpr int kDefaultExtension = 514;
    static constexpr int kBookFilter = 515;
    static constexpr int kImportFilter = 517;
    static constexpr int kSameFileNameMessage = 519;
    static constexpr int kCheckBooksTitle = 520;
    static constexpr int kSaveBeforeExitMessage = 522;
    // Menus made on a handheld carry this bit above the desktop's ids.
    static constexpr std::int32_t kHandheldMenuId = 0x10000;

    explicit CSBDocBase(Services services);
    virtual ~CSBDocBase();
    CSBDocBase(const CSBDocBase&) = delete;
    CSBDocBase& operator=(const CSBDocBase&) = delete;

    void SetObserver(WorkspaceObserver* observer) { m_observer = observer != nullptr ? observer : &m_quiet; }
    // Tests read pre-2.51 books without the pause that keeps clock ids apart.
    void SetReadOptions(RecipeBookFile::ReadOptions options) { m_readOptions = std::move(options); }
    // Where the reading of a book file reports how far it has come.
    void SetReadProgress(std::function<void(std::uint64_t done, std::uint64_t total)> progress) {
        m_readOptions.progress = std::move(progress);
    }
    const UnitTables& Units() const { return *m_units; }

    // Books.
    const Books& GetBooks() const { return m_books; }
    // A book read for the caller, not added; the user is told what went wrong.
    std::unique_ptr<CRecipeBook> ReadBookFile(const std::filesystem::path& path);
    // A book read and added to the workspace, unless the same book is open already.
    CRecipeBook* ReadBookIntoWorkspace(const std::filesystem::path& path);
    // Writes to the book's own path when none is given; tells the user of a failure.
    bool WriteBookFile(CRecipeBook& book, const std::optional<std::filesystem::path>& path = std::nullopt);
    CRecipeBook* FindBookByPath(const std::filesystem::path& path) const;
    CRecipeBook* FindBookByPathIgnoringCase(const std::filesystem::path& path) const;
    CRecipeBook* FindBookById(std::uint32_t id) const;
    CRecipeBook* FindBookByTitle(const std::string& title) const;
    CRecipeBook& NewBook(const CRecipeObj& pattern, const std::filesystem::path& path);
    CRecipeBook& AppendBook(std::unique_ptr<CRecipeBook> book);
    std::unique_ptr<CRecipeBook> RemoveBook(const CRecipeBook& book);
    // Closes the book: its menu items unlink, the history forgets it, and it is destroyed.
    void DeleteBook(const CRecipeBook& book);
    void RegisterBook(CRecipeBook& book);
    bool AnyBookModified() const;

    // Opens a book for the user and lists it for the next start. With
    // reselect, an open book of the same file is closed and read again.
    CRecipeBook* OpenBookFile(const std::filesystem::path& path, bool reselect);
    void OpenStartupBooks();
    // The Open command: asks for a file until it is not one of the open books.
    void OpenCommand();
    // Save and Save As; false when the user cancelled or a chosen book was not saved.
    bool SaveBooks(bool saveAs, bool palm = false);
    // Asked before the program closes; false keeps it open.
    bool CanCloseFrame();

    // Display history.
    void PushHistory(CObject* object);
    CObject* Back();
    CObject* Forward();
    void ForgetObject(const CObject* object);
    const std::deque<CObject*>& BackHistory() const { return m_back; }
    const std::deque<CObject*>& ForwardHistory() const { return m_forward; }

    // Menus.
    const Menus& GetMenus() const { return m_menus; }
    CSBMenu& AddMenu(std::unique_ptr<CSBMenu> menu);
    std::unique_ptr<CSBMenu> RemoveMenu(const CSBMenu& menu);
    void DeleteMenu(const CSBMenu& menu) { RemoveMenu(menu); }
    void DeleteAllMenus();
    CSBMenu* FindMenu(std::int32_t id) const;
    std::vector<CSBMenu*> MenusForDate(const std::chrono::year_month_day& date) const;
    const SyncPair& MenuCounters() const { return m_menuCounters; }
    bool MenusModified() const { return m_menusModified; }
    void SetMenusModified() { m_menusModified = true; }
    std::int32_t LastMenuId() const { return m_lastMenuId; }
    bool LoadMenuFile(const std::filesystem::path& path, bool checkDuplicates);
    bool SaveMenuFile(const std::filesystem::path& path, bool force);
    std::filesystem::path MenuFilePath() const;
    // The change counters stored in a side-data file, for synchronisation.
    std::optional<SyncPair> ReadFileCounters(const std::filesystem::path& path) const;

    // Menu links.
    void ResolveAllMenus();
    bool UnlinkRecipe(const CRecipe& recipe);
    int RefreshRecipe(CRecipe& recipe);

    // The Contents tree's current item. A book, chapter or recipe also becomes
    // the place new items go into: its book, and its chapter (a book's first).
    void SetCurrentObject(CRecipeObj* object);
    CRecipeObj* CurrentObject() const { return m_currentObject; }
    CRecipeBook* CurrentBook() const { return m_currentBook; }
    CRecipeChapter* CurrentChapter() const { return m_currentChapter; }

    // Deletes a chapter or recipe, or closes a book (its file stays), after
    // asking the user; false when nothing was deleted.
    bool DeleteObject(CRecipeObj& object);
    // Where a dragged chapter or recipe lands when dropped over an object:
    // the nearest object above it that can hold it; none for a book.
    static CRecipeObj* MoveTarget(const CRecipeObj& dragged, CRecipeObj* over);
    // Moves a chapter into a book, or a recipe into a book or chapter; both
    // books are marked modified. False when the target cannot hold it.
    bool MoveObject(CRecipeObj& dragged, CRecipeObj& target);
    // Books and chapters can be sorted.
    static bool CanSort(const CRecipeObj* object);
    // Sorts a book's chapters and recipes, or a chapter's recipes, by title.
    bool SortItems(CRecipeObj& object);

    // Cut, copy and paste of the Contents tree's chapters and recipes.
    bool CanCopy() const;
    // Remembers the current item and returns its plain-text form for the clipboard.
    std::string CopyCurrent(bool cut);
    bool CanPaste() const;
    // A copy of the remembered item in the current book or chapter; with cut,
    // the original goes. None when nothing can be pasted there.
    CRecipeObj* Paste();
    CRecipeObj* Remembered() const { return m_remembered; }
    bool RememberedIsCut() const { return m_cut; }
    static std::string ClipboardText(const CRecipeObj& object);

protected:
    UserPrompts& Prompts() { return m_services.prompts; }
    CSettings& Settings() { return m_services.settings; }

private:
    RecipeBookFile::Loaded LoadBook(const std::filesystem::path& path);
    bool SaveBookAs(CRecipeBook& book, bool palm);
    std::vector<CRecipeBook*> OpenBooks() const;
    void ForgetBookObjects(const CRecipeBook& book);
    bool UnlinkRecipesOf(const CRecipeBook& book);
    void AddLoadedMenu(std::unique_ptr<CSBMenu> menu, bool checkDuplicates);
    void RaiseLastMenuId(std::int32_t id);
    bool RefuseHandheldFile(const std::filesystem::path& path);
    void SetAsideDamagedMenuFile(const std::filesystem::path& path);
    void ReportFileError(const std::string& what, const std::filesystem::path& path);
    bool ConfirmDelete(const CRecipeObj& object);
    bool CloseBookForUser(CRecipeBook& book);
    void DestroyChapter(CRecipeChapter& chapter);
    void DestroyRecipe(CRecipe& recipe);
    static void RecordDeletedIds(const CRecipeObj& object, CRecipeBook& book);
    bool IsInWorkspace(const CRecipeObj& object) const;
    void AnnounceRecipes(CRecipeObj& object);
    void ForgetSelection(const CRecipeObj& object);
    bool MoveRecipe(CRecipe& recipe, CRecipeObj& target);
    bool MoveChapter(CRecipeChapter& chapter, CRecipeObj& target);
    CRecipeObj* PasteCopy(CRecipeObj& target);

    Services m_services;
    std::unique_ptr<UnitTables> m_units;
    WorkspaceObserver m_quiet;
    WorkspaceObserver* m_observer = &m_quiet;
    RecipeBookFile::ReadOptions m_readOptions;
    Books m_books;
    Menus m_menus;
    std::deque<CObject*> m_forward;
    std::deque<CObject*> m_back;
    SyncPair m_menuCounters;
    bool m_menusModified = false;
    std::int32_t m_lastMenuId = 0;
    bool m_closing = false;
    CRecipeObj* m_currentObject = nullptr;
    CRecipeBook* m_currentBook = nullptr;
    CRecipeChapter* m_currentChapter = nullptr;
    CRecipeObj* m_remembered = nullptr;
    bool m_cut = false;
    // A menu file that could not be read whole: it is kept aside before it is written.
    std::optional<std::filesystem::path> m_damagedMenuFile;
};
