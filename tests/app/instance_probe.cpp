// Asks the platform whether another copy runs, prints "locked" (this copy now holds
// the per-user lock) or "refused", and holds the lock until its input closes.
#include "qtplatform.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QtPlatform platform;
    const bool other = platform.anotherInstanceRunning();
    std::puts(other ? "refused" : "locked");
    std::fflush(stdout);
    if (!other) {
        std::string line;
        std::getline(std::cin, line);
    }
    return 0;
}
