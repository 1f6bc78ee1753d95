#include "ui/views/CLeftView.h"

#include "app/CSavorbridgeDoc.h"
#include "app/CommandIds.h"
#include "model/CRecipeObj.h"
#include "platform/StringTable.h"
#include "search/CContentsPP.h"
#include "ui/controls/CMappedBitmapButton.h"
#include "ui/views/CPlaceholderPP.h"
#include "ui/views/CPortionCtrl.h"
#include "ui/views/NavigationTabArt.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The dialog templates of the pages after Contents: Index, Menu, Favorites, Search, Shopping List.
constexpr std::array kLaterPageTemplates = {1014, 1002, 1015, 1016, 1017};
constexpr const char* kPageNames[] = {"contentsPage",  "indexPage",  "menuPage",
                                      "favoritesPage", "searchPage", "shoppingPage"};

} // namespace

CLeftView::CLeftView(CSavorbridgeDoc& doc, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_portion(new CPortionCtrl(this)), m_back(new CMappedBitmapButton("PREV", this)),
      m_forward(new CMappedBitmapButton("NEXT", this)), m_pages(new QTabWidget(this)) {
    setObjectName("leftView");
    m_back->setObjectName("backButton");
    m_back->setToolTip("Back");
    m_forward->setObjectName("forwardButton");
    m_forward->setToolTip("Forward");
    m_pages->setObjectName("navigationPages");
    m_pages->setIconSize(QSize(NavigationTabArt::kSize, NavigationTabArt::kSize));
    AddPages();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(CreateTopRow());
    layout->addWidget(m_pages);

    connect(m_back, &QPushButton::clicked, &m_doc, &CSavorbridgeDoc::OnBack);
    connect(m_forward, &QPushButton::clicked, &m_doc, &CSavorbridgeDoc::OnForward);
    connect(&m_doc, &CSavorbridgeDoc::displayRequested, this, &CLeftView::UpdateHistoryButtons);
    // The history forgets what is deleted only after these signals, so the buttons look once it has.
    const auto updateLater = [this] { QTimer::singleShot(0, this, &CLeftView::UpdateHistoryButtons); };
    connect(&m_doc, &CSavorbridgeDoc::objectDeleting, this, updateLater);
    connect(&m_doc, &CSavorbridgeDoc::bookClosing, this, updateLater);
    connect(m_portion, &CPortionCtrl::portionChanged, &m_doc, &CSavorbridgeDoc::SetPortion);
    connect(m_pages, &QTabWidget::currentChanged, this, &CLeftView::OnPageChanged);
    m_portion->SetValue({m_doc.PortionNumerator(), m_doc.PortionDenominator()});
    // Alone (as in its own tests) the pane answers for the commands it knows; the main window puts its router here.
    SetCommandStateSource([this](int id) {
        CommandState state;
        OnUpdateCommand(id, state);
        return state;
    });
    UpdateHistoryButtons();
    OnPageChanged(m_pages->currentIndex());
}

void CLeftView::AddPages() {
    const std::vector<std::string> captions = StringTable::List(kPageCaptions);
    m_contents = new CContentsPP(m_doc, m_pages);
    m_pageList[ContentsPage] = m_contents;
    for (int page = IndexPage; page < PageCount; ++page) {
        const QString caption = QString::fromStdString(captions.at(static_cast<std::size_t>(page)));
        m_pageList[page] = new CPlaceholderPP(kLaterPageTemplates.at(static_cast<std::size_t>(page - 1)), caption);
    }
    for (int page = ContentsPage; page < PageCount; ++page) {
        CCmdPP* widget = m_pageList[page];
        widget->setObjectName(kPageNames[page]);
        m_pages->addTab(widget, QIcon(NavigationTabArt::Picture(page)),
                        QString::fromStdString(captions.at(static_cast<std::size_t>(page))));
        connect(widget, &CCmdPP::commandRequested, this, &CLeftView::commandRequested);
    }
}

QLayout* CLeftView::CreateTopRow() {
    auto* label = new QLabel("&Recipe portioning:", this);
    label->setBuddy(m_portion);
    m_portion->setMinimumWidth(m_portion->fontMetrics().horizontalAdvance("99:99") + 30);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_portion);
    row->addSpacing(7);
    row->addWidget(m_back);
    row->addWidget(m_forward);
    row->addStretch();
    return row;
}

CCmdPP* CLeftView::ActivePage() const {
    return m_activeIndex >= 0 ? m_pageList[static_cast<std::size_t>(m_activeIndex)] : nullptr;
}

void CLeftView::SetActivePage(Page page) {
    m_pages->setCurrentIndex(page);
}

void CLeftView::OnPageChanged(int index) {
    if (CCmdPP* old = ActivePage()) {
        old->SetActive(false);
    }
    m_activeIndex = index;
    if (CCmdPP* page = ActivePage()) {
        page->SetActive(true);
    }
}

void CLeftView::OnInitialUpdate() {
    if (m_contents->CurrentObject() == nullptr) {
        m_contents->SelectFirstItem(true);
    }
}

void CLeftView::SetCommandStateSource(const std::function<CommandState(int)>& source) {
    m_contents->SetCommandStateSource(source);
}

void CLeftView::UpdateHistoryButtons() {
    m_back->setEnabled(m_doc.BackHistory().size() > 1);
    m_forward->setEnabled(!m_doc.ForwardHistory().empty());
}

CObject* CLeftView::SelectedItem() const {
    const CCmdPP* page = ActivePage();
    return page != nullptr ? page->SelectedItem() : nullptr;
}

bool CLeftView::OnCommand(int id) {
    if (CCmdPP* page = ActivePage(); page != nullptr && page->OnCommand(id)) {
        return true;
    }
    CObject* item = SelectedItem();
    switch (id) {
    case CommandId::kProperties:
        if (auto* object = dynamic_cast<CRecipeObj*>(item)) {
            m_doc.OnProperties(*object);
        }
        return true;
    case CommandId::kViewItem:
        if (item != nullptr) {
            m_doc.Display(item);
        }
        return true;
    default:
        return false;
    }
}

bool CLeftView::OnUpdateCommand(int id, CommandState& state) {
    if (CCmdPP* page = ActivePage(); page != nullptr && page->OnUpdateCommand(id, state)) {
        return true;
    }
    switch (id) {
    case CommandId::kProperties:
        state.enabled = dynamic_cast<CRecipeObj*>(SelectedItem()) != nullptr;
        return true;
    case CommandId::kViewItem:
        state.enabled = SelectedItem() != nullptr;
        return true;
    default:
        return false;
    }
}
