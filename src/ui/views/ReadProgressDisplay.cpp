#include "ui/views/ReadProgressDisplay.h"

#include "platform/StringTable.h"
#include "ui/controls/CProgressBar.h"

namespace {

constexpr int kProgressTitles = 284;
constexpr std::size_t kReadingRecipes = 5;

QString ReadingLabel() {
    const auto titles = StringTable::List(kProgressTitles);
    return kReadingRecipes < titles.size() ? QString::fromStdString(titles[kReadingRecipes]) : QString();
}

} // namespace

ReadProgressDisplay::ReadProgressDisplay(QStatusBar& statusBar) : m_statusBar(statusBar) {}

ReadProgressDisplay::~ReadProgressDisplay() = default;

void ReadProgressDisplay::Report(std::uint64_t done, std::uint64_t total) {
    if (done >= total) {
        m_bar.reset();
        return;
    }
    if (m_bar == nullptr) {
        m_bar = std::make_unique<CProgressBar>(&m_statusBar, ReadingLabel(), kRange);
    }
    m_bar->SetPos(static_cast<int>(done * kRange / total));
}
