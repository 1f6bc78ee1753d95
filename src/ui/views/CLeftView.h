#pragma once

#include "app/CommandTarget.h"

#include <QWidget>

#include <array>
#include <functional>

class CCmdPP;
class CContentsPP;
class CMappedBitmapButton;
class CObject;
class CPortionCtrl;
class CSavorbridgeDoc;
class QTabWidget;

// The navigation pane: the portion control and the history buttons above the
// six pages of books and lists.
class CLeftView : public QWidget, public CommandTarget {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 1012;
    static constexpr int kPageCaptions = 570;
    enum Page { ContentsPage, IndexPage, MenuPage, FavoritesPage, SearchPage, ShoppingPage, PageCount };

    explicit CLeftView(CSavorbridgeDoc& doc, QWidget* parent = nullptr);

    CContentsPP& Contents() const { return *m_contents; }
    CCmdPP* ActivePage() const;
    void SetActivePage(Page page);

    // At start, once the books are open: the first item of the Contents is shown.
    void OnInitialUpdate();
    // Where the pages' context menus learn which commands are enabled.
    void SetCommandStateSource(const std::function<CommandState(int)>& source);

    // The active page is offered a command first, then the pane itself.
    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

signals:
    // A command chosen in one of the pages' context menus, for the main window to route.
    void commandRequested(int id);

private:
    void AddPages();
    QLayout* CreateTopRow();
    void OnPageChanged(int index);
    void UpdateHistoryButtons();
    CObject* SelectedItem() const;

    CSavorbridgeDoc& m_doc;
    CPortionCtrl* m_portion;
    CMappedBitmapButton* m_back;
    CMappedBitmapButton* m_forward;
    QTabWidget* m_pages;
    CContentsPP* m_contents = nullptr;
    std::array<CCmdPP*, PageCount> m_pageList{};
    int m_activeIndex = -1;
};
