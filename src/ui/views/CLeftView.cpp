#include "ui/views/CLeftView.h"

#include "app/CSavorbridgeDoc.h"
#include "search/CContentsPP.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

CLeftView::CLeftView(CSavorbridgeDoc& doc, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_back(new QPushButton("Back", this)), m_forward(new QPushButton("Forward", this)),
      m_pages(new QTabWidget(this)), m_contents(new CContentsPP(doc, m_pages)) {
    setObjectName("leftView");
    m_back->setObjectName("backButton");
    m_forward->setObjectName("forwardButton");
    m_pages->setObjectName("navigationPages");
    m_pages->addTab(m_contents, "Contents");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_pages);

    connect(m_back, &QPushButton::clicked, &m_doc, &CSavorbridgeDoc::OnBack);
    connect(m_forward, &QPushButton::clicked, &m_doc, &CSavorbridgeDoc::OnForward);
    connect(&m_doc, &CSavorbridgeDoc::displayRequested, this, &CLeftView::UpdateHistoryButtons);
    UpdateHistoryButtons();
}

void CLeftView::UpdateHistoryButtons() {
    m_back->setEnabled(m_doc.BackHistory().size() > 1);
    m_forward->setEnabled(!m_doc.ForwardHistory().empty());
}

bool CLeftView::OnCommand(int) {
    return false;
}

bool CLeftView::OnUpdateCommand(int, CommandState&) {
    return false;
}
