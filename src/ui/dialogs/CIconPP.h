#pragma once

#include "ui/controls/IconCatalog.h"
#include "ui/dialogs/CGenericPP.h"

#include <vector>

class QCheckBox;
class QListWidget;
class QListWidgetItem;
class QTabBar;

// The icon page of the sheets: the item's picture chosen from the icon
// catalogue by category, and the default picture of the item's kind, which
// the user may change here with "&Default" and change back by clearing it.
class CIconPP : public CGenericPP {
    Q_OBJECT
public:
    static constexpr int kTemplate = 1009;

    // icon is the item's own choice, -1 for the default of its kind.
    CIconPP(int icon, int defaultIcon);

    int ChosenIcon() const { return m_chosen; }
    int DefaultIcon() const { return m_default; }
    // The icon the item stores: -1 when the choice is the kind's default.
    int StoredIcon() const { return m_chosen == m_default ? -1 : m_chosen; }

    void ShowCategory(IconCatalog::Category category);
    IconCatalog::Category ShownCategory() const;
    void SelectIcon(int id);
    void SetDefaultTicked(bool ticked);

private:
    void FillIcons();
    void OnIconChosen(const QListWidgetItem* item);
    void OnDefaultToggled(bool ticked);
    void UpdateDefaultBox();

    QTabBar* m_categories;
    QListWidget* m_icons;
    QCheckBox* m_defaultBox;
    int m_chosen;
    int m_default;
    std::vector<int> m_earlierDefaults;
};
