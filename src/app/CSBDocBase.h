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
    // A menu file that could not be read whole: it is kept aside before it is written.
    std::optional<std::filesystem::path> m_damagedMenuFile;
};
