#include "ui/dialogs/CGenericPS.h"

#include "ui/dialogs/CGenericPP.h"
#include "ui/dialogs/DialogSupport.h"

#include <QIcon>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

namespace {

constexpr int kMargin = 7;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
constexpr int kStartWidth = 360;
constexpr int kStartHeight = 280;
constexpr int kTabFrame = 2;
constexpr int kOkId = 1;
constexpr int kCancelId = 2;

constexpr unsigned kFillFlags = LayoutList::GrowWidth | LayoutList::GrowHeight;
constexpr unsigned kCornerFlags = LayoutList::MoveRight | LayoutList::MoveDown;

} // namespace

CGenericPS::CGenericPS(int templateId, const QString& caption, Profile& profile, QWidget* parent)
    : QDialog(parent), m_support(new DialogSupport(this, templateId, &profile)), m_tabs(new QTabWidget(this)) {
    setWindowTitle(caption);
    setWindowIcon(QIcon(":/icons/savorbridge.svg"));
    setSizeGripEnabled(true);
    resize(kStartWidth, kStartHeight);
    connect(m_support, &DialogSupport::helpRequested, this, &CGenericPS::helpRequested);
    m_support->SetHelpTopicSource([this] { return ActivePageTemplate(); });

    m_tabs->setObjectName("tabs");
    const int buttonTop = kStartHeight - kMargin - kButtonHeight;
    m_tabs->setGeometry(kMargin, kMargin, kStartWidth - 2 * kMargin, buttonTop - 2 * kMargin);
    m_support->RegisterControl(m_tabs, kFillFlags);

    auto* ok = new QPushButton("OK", this);
    auto* cancel = new QPushButton("Cancel", this);
    auto* help = new QPushButton(this);
    ok->setObjectName("ok");
    cancel->setObjectName("cancel");
    ok->setDefault(true);
    DialogSupport::SetControlId(ok, kOkId);
    DialogSupport::SetControlId(cancel, kCancelId);
    int left = kStartWidth - kMargin - kButtonWidth;
    for (QPushButton* button : {help, cancel, ok}) {
        button->setGeometry(left, buttonTop, kButtonWidth, kButtonHeight);
        m_support->RegisterControl(button, kCornerFlags);
        left -= kButtonWidth + kButtonGap;
    }
    m_support->SetHelpButton(help, true);
    connect(ok, &QPushButton::clicked, this, &CGenericPS::AcceptPages);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CGenericPS::AddPage(CGenericPP* page, const QString& caption, const QIcon& image) {
    m_pages.push_back(page);
    m_tabs->addTab(page, image, caption);
    // The tab row above the page and the frame around it, then the margins and
    // the button row around the tabs. Measured from the fixed layout rather than
    // the tabs' current size: a hidden sheet lays its controls out only once
    // shown, so every page would otherwise grow the sheet again.
    const QSize tabsOverhead(2 * kTabFrame, m_tabs->tabBar()->sizeHint().height() + 2 * kTabFrame);
    const QSize around(2 * kMargin, 3 * kMargin + kButtonHeight);
    const QSize wanted = page->size() + tabsOverhead + around;
    resize(std::max(width(), wanted.width()), std::max(height(), wanted.height()));
}

void CGenericPS::SetTabImageSize(QSize size) {
    m_tabs->setIconSize(size);
}

void CGenericPS::SetActivePage(int index) {
    m_tabs->setCurrentIndex(index);
}

int CGenericPS::ActivePageIndex() const {
    return m_tabs->currentIndex();
}

CGenericPP* CGenericPS::Page(int index) const {
    return m_pages.at(static_cast<std::size_t>(index));
}

int CGenericPS::TemplateId() const {
    return m_support->TemplateId();
}

bool CGenericPS::RectangleRestored() const {
    return m_support->RectangleRestored();
}

bool CGenericPS::HelpShown() const {
    return m_support->HelpShown();
}

int CGenericPS::ActivePageTemplate() const {
    const int index = ActivePageIndex();
    return index < 0 ? TemplateId() : Page(index)->TemplateId();
}

void CGenericPS::AcceptPages() {
    for (int i = 0; i < PageCount(); ++i) {
        if (!Page(i)->OnApply()) {
            SetActivePage(i);
            return;
        }
    }
    accept();
}
