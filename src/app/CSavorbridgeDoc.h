#pragma once

#include "app/CCheckBooksDlg.h"
#include "app/CSBDocBase.h"
#include "app/CommandTarget.h"
#include "app/WorkspaceObserver.h"

#include "ui/dialogs/RecipeSheets.h"

#include <QObject>

#include <filesystem>
#include <functional>

// The one document of the running program: the workspace model with the
// file commands, telling the windows about its changes through signals.
class CSavorbridgeDoc : public QObject, public CSBDocBase, public CommandTarget, private WorkspaceObserver {
    Q_OBJECT
public:
    static constexpr int kNeedBookForChapter = 511;
    static constexpr int kNeedBookForRecipe = 512;

    CSavorbridgeDoc(CSettings& settings, UserPrompts& prompts, Profile* profile);
    ~CSavorbridgeDoc() override;

    // The document while it lives, for the parts that reach it from afar.
    static CSavorbridgeDoc* Instance() { return s_instance; }

    // The preferences the windows display with.
    using CSBDocBase::Settings;
    // How the windows ask and tell the user things.
    using CSBDocBase::Prompts;

    void SetProgramFolder(const std::filesystem::path& folder) { m_programFolder = folder; }
    const std::filesystem::path& ProgramFolder() const { return m_programFolder; }
    void SetDialogParent(QWidget* parent) {
        m_checklist.SetParent(parent);
        m_dialogParent = parent;
    }

    // The menu file is read at start when there is one; its absence is no error.
    void LoadMenuFileAtStart();

    // How the recipe, chapter and book sheets run; tests answer them here.
    void SetSheetRunner(RecipeSheets::Runner runner) { m_sheetRunner = std::move(runner); }

    void OnNewBook();
    void OnNewChapter();
    void OnNewRecipe();
    void OnNewMenu();
    void OnOpen() { OpenCommand(); }
    void OnSave() { SaveBooks(false); }
    void OnSaveAs() { SaveBooks(true); }
    void OnImport();
    void OnExport();
    void OnTimer();
    void OnHome() { Display(nullptr); }
    void OnBack();
    void OnForward();
    // Opens the property sheet of a recipe, chapter or book in modify mode.
    void OnProperties(CRecipeObj& object);

    // Shows an item (none: the home page) in the display view and keeps it in
    // the display history.
    void Display(CObject* item);
    // Shows the current item again after it or the display options changed.
    void Redisplay() { emit displayRequested(m_current); }
    CObject* CurrentItem() const { return m_current; }
    // The object's book gets unsaved changes; the panes mark it.
    void MarkChanged(CRecipeObj& object);
    // The file, new-item, timer, home and nutrition-display commands; the
    // commands of parts not built yet are left unclaimed, so they are disabled.
    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

    // The one place that says a part is not built yet, so nothing fakes a result.
    void NotAvailableYet(const char* what);

    // A chapter or recipe the user just made: the Contents tree shows and selects it.
    void AnnounceAdded(CRecipeObj& object) { emit objectAdded(&object); }

    // Cut, copy and paste of the Contents tree's items; the text goes to the clipboard.
    void OnCutItem() { CopyItemToClipboard(true); }
    void OnCopyItem() { CopyItemToClipboard(false); }
    void OnPasteItem();

    // The portion the display scales recipes by, numerator : denominator.
    void SetPortion(int numerator, int denominator);
    int PortionNumerator() const { return m_portionNumerator; }
    int PortionDenominator() const { return m_portionDenominator; }

signals:
    void booksChanged();
    void menusChanged();
    void displayRequested(CObject* item);
    void objectChanged(CRecipeObj* object);
    // Sent before the book and its objects are deleted.
    void bookClosing(CRecipeBook* book);
    // A chapter or recipe was put into a book.
    void objectAdded(CRecipeObj* object);
    // Sent before a chapter or recipe is destroyed.
    void objectDeleting(CRecipeObj* object);
    void portionChanged(int numerator, int denominator);

private:
    void BookOpened(CRecipeBook&) override { emit booksChanged(); }
    void BookAboutToClose(CRecipeBook& book) override;
    void BookWritten(CRecipeBook&) override { emit booksChanged(); }
    void MenusChanged() override { emit menusChanged(); }
    void ObjectAdded(CRecipeObj& object) override { emit objectAdded(&object); }
    void ObjectAboutToDelete(CRecipeObj& object) override;
    void CopyItemToClipboard(bool cut);
    CRecipeBook* BookForNewItems() const;
    CRecipeChapter* ChapterForNewItems(const CRecipeBook& book) const;
    void RunSheet(const std::function<int(RecipeSheets&)>& open);
    CRecipeChapter* ShownChapter() const;
    void ToggleNutrientInformation();

    static CSavorbridgeDoc* s_instance;
    CCheckBooksDlg m_checklist;
    std::filesystem::path m_programFolder;
    Profile* m_profile;
    QWidget* m_dialogParent = nullptr;
    RecipeSheets::Runner m_sheetRunner;
    CObject* m_current = nullptr;
    int m_portionNumerator = 1;
    int m_portionDenominator = 1;
};
