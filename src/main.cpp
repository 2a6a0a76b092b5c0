#include "look.h"
#include "qtplatform.h"
#include "startup.h"
#include "windowregistry.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Solvanta"));
    QApplication::setApplicationName(QStringLiteral("Solvanta"));
    QApplication::setQuitOnLastWindowClosed(false); // only the exit screen ends the program
    Look::installApplicationLook();

    QtPlatform platform;
    WindowRegistry windows(platform, [](int status) { QCoreApplication::exit(status); });
    if (!StartApplication(platform, windows))
        return 0;
    return QApplication::exec();
}
