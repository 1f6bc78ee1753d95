#include <QApplication>

#include <benchmark/benchmark.h>

// The main of every window benchmark: a headless application with the
// program's resources, then the registered benchmarks.
int main(int argc, char** argv) {
    Q_INIT_RESOURCE(savorbridge);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The browser's sandbox cannot start as root on the build machines.
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
