#include "ui/dialogs/CIconPP.h"

#include "platform/StringTable.h"
#include "ui/controls/CIconList.h"

#include <QCheckBox>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

constexpr int kCategoryNames = 560;
constexpr int kIdRole = Qt::UserRole;

// The category shown last, kept for the run.
IconCatalog::Category& LastCategory() {
    static IconCatalog::Category category = IconCatalog::General;
    return category;
}

} // namespace

CIconPP::CIconPP(int icon, int defaultIcon)
    : CGenericPP(kTemplate), m_categories(new QTabBar(this)), m_icons(new QListWidget(this)),
      m_defaultBox(new QCheckBox(tr("&Default"), this)), m_chosen(icon == -1 ? defaultIcon : icon),
      m_default(defaultIcon) {
    m_categories->setObjectName("categories");
    m_icons->setObjectName("icons");
    m_defaultBox->setObjectName("default");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_categories);
    layout->addWidget(m_icons, 1);
    layout->addWidget(m_defaultBox);

    const std::vector<std::string> names = StringTable::List(kCategoryNames);
    m_categories->setIconSize(QSize(CIconList::kWidth, CIconList::kHeight));
    m_categories->setExpanding(false);
    for (int category = 0; category < IconCatalog::CategoryCount; ++category) {
        const auto which = static_cast<IconCatalog::Category>(category);
        const QString name = static_cast<std::size_t>(category) < names.size()
                                 ? QString::fromStdString(names[static_cast<std::size_t>(category)])
                                 : QString();
        const int tab = m_categories->addTab(CIconList::Global().Icon(IconCatalog::IdAt(which, 0)), QString());
        m_categories->setTabToolTip(tab, name);
    }
    m_icons->setViewMode(QListView::ListMode);
    m_icons->setIconSize(QSize(CIconList::kWidth, CIconList::kHeight));
    SetToolTip(m_defaultBox, tr("Use this icon for every item of this kind that has no icon of its own"));

    connect(m_categories, &QTabBar::currentChanged, this, [this](int index) {
        LastCategory() = static_cast<IconCatalog::Category>(index);
        FillIcons();
    });
    connect(m_icons, &QListWidget::currentItemChanged, this,
            [this](const QListWidgetItem* item) { OnIconChosen(item); });
    connect(m_defaultBox, &QCheckBox::toggled, this, &CIconPP::OnDefaultToggled);

    ShowCategory(LastCategory());
    FillIcons();
    UpdateDefaultBox();
}

void CIconPP::ShowCategory(IconCatalog::Category category) {
    m_categories->setCurrentIndex(static_cast<int>(category));
}

IconCatalog::Category CIconPP::ShownCategory() const {
    return static_cast<IconCatalog::Category>(m_categories->currentIndex());
}

void CIconPP::SelectIcon(int id) {
    if (!IconCatalog::Exists(id)) {
        return;
    }
    ShowCategory(IconCatalog::CategoryOf(id));
    for (int row = 0; row < m_icons->count(); ++row) {
        if (m_icons->item(row)->data(kIdRole).toInt() == id) {
            m_icons->setCurrentRow(row);
            return;
        }
    }
}

void CIconPP::SetDefaultTicked(bool ticked) {
    m_defaultBox->setChecked(ticked);
}

void CIconPP::FillIcons() {
    const QSignalBlocker blocker(m_icons);
    m_icons->clear();
    const IconCatalog::Category category = ShownCategory();
    for (int i = 0; i < IconCatalog::Count(category); ++i) {
        const int id = IconCatalog::IdAt(category, i);
        auto* item = new QListWidgetItem(CIconList::Global().Icon(id), CIconList::Name(id), m_icons);
        item->setData(kIdRole, id);
        if (id == m_chosen) {
            m_icons->setCurrentItem(item);
        }
    }
}

void CIconPP::OnIconChosen(const QListWidgetItem* item) {
    if (item == nullptr) {
        return;
    }
    m_chosen = item->data(kIdRole).toInt();
    UpdateDefaultBox();
}

// Ticking makes the chosen icon the default and remembers the one it
// replaced; clearing goes back to that one, so trying a default costs nothing.
void CIconPP::OnDefaultToggled(bool ticked) {
    if (ticked) {
        m_earlierDefaults.push_back(m_default);
        m_default = m_chosen;
        return;
    }
    if (!m_earlierDefaults.empty()) {
        m_default = m_earlierDefaults.back();
        m_earlierDefaults.pop_back();
    }
    UpdateDefaultBox();
}

void CIconPP::UpdateDefaultBox() {
    const QSignalBlocker blocker(m_defaultBox);
    m_defaultBox->setChecked(m_chosen == m_default);
}
