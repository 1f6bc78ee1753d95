#include "setup/ErrorBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include <cstdlib>
#include <iostream>

// The message always reaches standard error too: a display variable may name
// a server that no longer answers, and then the dialog cannot appear.
void ErrorBox::Show(const std::string& message) {
    std::cerr << "Error: " << message << '\n' << std::flush;
    if (HasDisplay()) {
        ShowDialog(message);
    }
}

bool ErrorBox::HasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && value[0] != '\0') {
            return true;
        }
    }
    return false;
}

void ErrorBox::ShowDialog(const std::string& message) {
    int argc = 1;
    char name[] = "setup";
    char* argv[] = {name, nullptr};
    // Fall back to the display-less platform instead of aborting when the
    // display cannot be reached; there is then nobody to show the box to.
    const char* fallbacks = std::getenv("WAYLAND_DISPLAY") != nullptr ? "wayland;xcb;offscreen" : "xcb;offscreen";
    ::setenv("QT_QPA_PLATFORM", fallbacks, 0);
    const QApplication application(argc, argv);
    if (QGuiApplication::platformName() == QStringLiteral("offscreen")) {
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Error"), QString::fromStdString(message), QMessageBox::Ok);
    box.exec();
}
