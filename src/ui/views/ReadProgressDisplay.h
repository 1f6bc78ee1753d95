#pragma once

#include <cstdint>
#include <memory>

class CProgressBar;
class QStatusBar;

// Shows the reading of a book file in the status bar: the bar appears with
// the first report and goes away with the last one, when all is read.
class ReadProgressDisplay {
public:
    static constexpr int kRange = 1000;

    explicit ReadProgressDisplay(QStatusBar& statusBar);
    ~ReadProgressDisplay();

    void Report(std::uint64_t done, std::uint64_t total);
    bool Showing() const { return m_bar != nullptr; }

private:
    QStatusBar& m_statusBar;
    std::unique_ptr<CProgressBar> m_bar;
};
