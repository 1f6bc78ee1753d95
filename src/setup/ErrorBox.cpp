#include "setup/ErrorBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include <cstdlib>
#include <iostream>

void ErrorBox::Show(const std::string& message) {
    if (!HasDisplay()) {
        std::cerr << "Error: " << message << '\n' << std::flush;
        return;
    }
    ShowDialog(message);
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
    const QApplication application(argc, argv);
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Error"), QString::fromStdString(message), QMessageBox::Ok);
    box.exec();
}
