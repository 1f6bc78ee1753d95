#pragma once

#include "app/CCheckBooksDlg.h"
#include "app/CSBDocBase.h"
#include "app/WorkspaceObserver.h"

#include <QObject>

#include <filesystem>
#include <functional>

class RecipeSheets;

// The one document of the running program: the workspace model with the
// file commands, telling the windows about its changes through signals.
class CSavorbridgeDoc : public QObject, public CSBDocBase, private WorkspaceObserver {
    Q_OBJECT
public:
    static constexpr int kNeedBookForChapter = 511;
    static constexpr int kNeedBookForRecipe = 512;

    CSavorbridgeDoc(CSettings& settings, UserPrompts& prompts, Profile* profile);
    ~CSavorbridgeDoc() override;

    // The document while it lives, for the parts that reach it from afar.
    static CSavorbridgeDoc* Instance() { return s_instance; }

    void SetProgramFolder(const std::filesystem::path& folder) { m_programFolder = folder; }
    void SetDialogParent(QWidget* parent) {
        m_checklist.SetParent(parent);
        m_dialogParent = parent;
    }

    // The menu file is read at start when there is one; its absence is no error.
    void LoadMenuFileAtStart();

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
    void OnHome() { emit homeRequested(); }

signals:
    void booksChanged();
    void menusChanged();
    void homeRequested();

private:
    void BookOpened(CRecipeBook&) override { emit booksChanged(); }
    void BookWritten(CRecipeBook&) override { emit booksChanged(); }
    void MenusChanged() override { emit menusChanged(); }
    void NotAvailableYet(const char* what);
    void RunSheet(const std::function<int(RecipeSheets&)>& open);

    static CSavorbridgeDoc* s_instance;
    CCheckBooksDlg m_checklist;
    std::filesystem::path m_programFolder;
    Profile* m_profile;
    QWidget* m_dialogParent = nullptr;
};
