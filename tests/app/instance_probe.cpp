// Asks the platform whether another copy runs, prints "locked" (this copy now holds
// the per-user lock) or "refused", and holds the lock until its input closes.
// With "settings": reads the stored reminder date, stores 2026-12-07 and prints
// what it read ("none" for nothing) and whether the store took the new date.
#include "qtplatform.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QtPlatform platform;
    if (argc > 1 && std::strcmp(argv[1], "settings") == 0) {
        const QString key = QStringLiteral("lastReminderDate");
        const std::optional<QString> read = platform.readSetting(key);
        const bool wrote = platform.writeSetting(key, QStringLiteral("2026-12-07"));
        platform.flushSettings();
        std::printf("%s %s\n", read ? qPrintable(*read) : "none", wrote ? "stored" : "unstored");
        return 0;
    }
    const bool other = platform.anotherInstanceRunning();
    std::puts(other ? "refused" : "locked");
    std::fflush(stdout);
    if (!other) {
        std::string line;
        std::getline(std::cin, line);
    }
    return 0;
}
