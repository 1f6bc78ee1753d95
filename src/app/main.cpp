#include "app/CSavorbridgeApp.h"
#include "app/CSettings.h"
#include "platform/QtHttpClient.h"
#include "platform/QtProfile.h"
#include "platform/QtUserPrompts.h"

#include <QApplication>

int main(int argc, char** argv) {
    Q_INIT_RESOURCE(savorbridge);
    QApplication application(argc, argv);
    QApplication::setApplicationName("Savorbridge");
    QApplication::setApplicationDisplayName("Savorbridge");
    QApplication::setOrganizationName("Savorbridge");

    QtProfile profile;
    QtUserPrompts prompts;
    QtHttpClient http;
    std::vector<std::string> arguments;
    for (const QString& argument : QApplication::arguments().mid(1)) {
        arguments.push_back(argument.toStdString());
    }
    CSavorbridgeApp app({CSettings::Global(), profile, prompts, http}, arguments);
    if (!app.InitInstance()) {
        return 1;
    }
    QObject::connect(&application, &QApplication::lastWindowClosed, &application, &QApplication::quit);
    const int result = QApplication::exec();
    app.ExitInstance();
    profile.Sync();
    return result;
}
