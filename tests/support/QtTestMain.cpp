// Entry point of the window tests: one QApplication for the whole run, always
// headless, whoever starts the program (CTest's discovery step included).
#include <QApplication>
#include <gtest/gtest.h>

// Qt's and the web engine's one-time allocations at exit are not ours to chase, nor the
// engine's own sized deletes, which its allocator pairs differently from ours.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=0:new_delete_type_mismatch=0";
}

int main(int argc, char** argv) {
    Q_INIT_RESOURCE(savorbridge);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
    QApplication app(argc, argv);
    QApplication::setApplicationName("SavorbridgeTests");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
