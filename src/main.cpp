#include "commandline.h"
#include "look.h"
#include "qtplatform.h"
#include "startup.h"
#include "translations.h"
#include "windowregistry.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // Questions the command line answers, and a start without a display, end here.
    if (const std::optional<int> status = HandleCommandLine(argc, argv))
        return *status;

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Solvanta"));
    QApplication::setApplicationName(QStringLiteral("Solvanta"));
    QApplication::setQuitOnLastWindowClosed(false); // only the exit screen ends the program
    Look::installApplicationLook();
    Translations::install();

    QtPlatform platform;
    WindowRegistry windows(platform, [](int status) { QCoreApplication::exit(status); });
    if (!StartApplication(platform, windows))
        return 0;
    return QApplication::exec();
}
