#pragma once

#include "app/CommandTarget.h"
#include "ui/dialogs/CGenericPP.h"

class CObject;

// A page of the navigation pane that takes part in command routing. The pane
// offers every routed command to its active page first; a page handles
// nothing unless it says so.
class CCmdPP : public CGenericPP, public CommandTarget {
    Q_OBJECT
public:
    explicit CCmdPP(int templateId, QWidget* parent = nullptr) : CGenericPP(templateId, parent) {}

    bool IsActive() const { return m_active; }
    // The pane calls these when the page comes to the front or leaves it.
    void SetActive(bool active);

    bool OnCommand(int) override { return false; }
    bool OnUpdateCommand(int, CommandState&) override { return false; }

    // The item the pane's Properties and View commands act on; none by default.
    virtual CObject* SelectedItem() const { return nullptr; }

signals:
    // A command chosen in the page's context menu, for the main window to route.
    void commandRequested(int id);

protected:
    virtual void OnSetActive() {}
    virtual void OnKillActive() {}

private:
    bool m_active = false;
};
