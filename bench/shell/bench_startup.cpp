// Start-up to a painted main window with a 10,000-recipe book open: the
// toolkit's start, the application's start with the book named on the command
// line (reading it, the Contents tree, the display view's first page), up to
// the first picture of the window that shows the book. Each start is a fresh
// process in real use, so the program measures one start per run.
#include "../SyntheticBook.h"
#include "FixedAnswerPrompts.h"
#include "app/CSavorbridgeApp.h"
#include "app/CSavorbridgeDoc.h"
#include "app/CSettings.h"
#include "model/RecipeBookFile.h"
#include "platform/QtHttpClient.h"
#include "platform/QtProfile.h"
#include "platform/UserPrompts.h"
#include "ui/views/CMainFrame.h"
#include "ui/views/CSBHtmlViewM.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kRecipes = 10000;
constexpr int kGiveUpMs = 60000;

struct Setting {
    Clock::time_point processStart;
    Clock::duration beforeMain{};
    Clock::duration toolkitStart{};
    std::filesystem::path book;
    std::filesystem::path profile;
};

// How long the process ran before main: loading the program and its
// libraries. The kernel counts in clock ticks since boot.
Clock::duration TimeBeforeMain() {
    std::ifstream stat("/proc/self/stat");
    std::ifstream uptime("/proc/uptime");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    double up = 0;
    uptime >> up;
    // The command name in parentheses may hold spaces; fields count from after it.
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    constexpr int kFieldsBeforeStartTime = 19;
    std::string field;
    for (int i = 0; i < kFieldsBeforeStartTime; ++i) {
        fields >> field;
    }
    unsigned long long started = 0;
    fields >> started;
    const double seconds = up - static_cast<double>(started) / static_cast<double>(sysconf(_SC_CLK_TCK));
    return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(std::max(0.0, seconds)));
}

Setting& TheSetting() {
    static Setting setting;
    return setting;
}

std::size_t RecipeCount(const CRecipeBook& book) {
    std::size_t count = book.Recipes().size();
    for (const auto& chapter : book.Chapters()) {
        count += chapter->Recipes().size();
    }
    return count;
}

// Waits, letting the window work, until the display view's page holds the text.
bool WaitForPage(CSBHtmlViewM& view, const QString& text) {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < kGiveUpMs) {
        QString body;
        bool answered = false;
        view.GetBodyHtml([&](const QString& html) {
            body = html;
            answered = true;
        });
        while (!answered && waited.elapsed() < kGiveUpMs) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        if (body.contains(text)) {
            return true;
        }
    }
    return false;
}

void StartupToPaintedBook(benchmark::State& state) {
    Setting& setting = TheSetting();
    for (auto _ : state) {
        const auto appStart = Clock::now();
        QtProfile profile(QString::fromStdString(setting.profile.string()));
        FixedAnswerPrompts prompts(PromptAnswer::No);
        QtHttpClient http;
        CSavorbridgeApp app({CSettings::Global(), profile, prompts, http}, {setting.book.string()});
        if (!app.InitInstance() || app.MainFrame()->DisplayView() == nullptr) {
            state.SkipWithError("the program did not start");
            return;
        }
        const auto opened = Clock::now();
        if (app.Document()->GetBooks().size() != 1 || RecipeCount(*app.Document()->GetBooks().front()) != kRecipes) {
            state.SkipWithError("the book was not opened whole");
            return;
        }
        // The navigation pane shows the first item of the Contents at start; until
        // it does on its own, the book is shown as it would be.
        CSavorbridgeDoc& doc = *app.Document();
        if (doc.CurrentItem() == nullptr) {
            doc.Display(doc.GetBooks().front().get());
        }
        // Only the book's own page lists its chapters.
        if (!WaitForPage(*app.MainFrame()->DisplayView(), "Chapter 10")) {
            state.SkipWithError("the book's page never showed");
            return;
        }
        benchmark::DoNotOptimize(app.MainFrame()->grab());
        const auto painted = Clock::now();
        const auto total = setting.beforeMain + setting.toolkitStart + (painted - appStart);
        state.SetIterationTime(std::chrono::duration<double>(total).count());
        using Ms = std::chrono::duration<double, std::milli>;
        state.counters["book_mb"] = static_cast<double>(std::filesystem::file_size(setting.book)) / (1 << 20);
        state.counters["before_main_ms"] = Ms(setting.beforeMain).count();
        state.counters["toolkit_ms"] = Ms(setting.toolkitStart).count();
        state.counters["init_instance_ms"] = Ms(opened - appStart).count();
        state.counters["page_and_paint_ms"] = Ms(painted - opened).count();
        app.ExitInstance();
    }
}
BENCHMARK(StartupToPaintedBook)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    TheSetting().processStart = Clock::now();
    TheSetting().beforeMain = TimeBeforeMain();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
    QApplication application(argc, argv);
    TheSetting().toolkitStart = Clock::now() - TheSetting().processStart;

    // The book and a fresh profile are made before the clock runs for the start.
    QTemporaryDir folder;
    const std::filesystem::path root = folder.path().toStdString();
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((root / "xdg").string()));
    TheSetting().book = root / "synthetic.rcp";
    TheSetting().profile = root / "Savorbridge.conf";
    auto book = SyntheticBook::Make(kRecipes);
    RecipeBookFile::Save(*book, TheSetting().book, {});

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
