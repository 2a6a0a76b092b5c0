#include "startup.h"

#include "inputwindow.h"
#include "platform.h"
#include "updatereminder.h"
#include "windowregistry.h"

#include <QCoreApplication>

#include <cmath>

int CoBrand_Randomize(Platform& platform, InputWindow& window) {
    const float r = static_cast<float>(platform.randomDraw());
    // Nearest integer, ties to even (nearbyint in the default rounding mode); from
    // 6.5 on the draw is 7, the one tie that goes up.
    const float x = r * 6.0f + 1.0f;
    const int number = x >= 6.5f ? 7 : static_cast<int>(std::nearbyint(x));

    if (number == 1 || number == 3 || number == 5)
        window.bringPromotionToFront(InputWindow::Promotion::CoBrand);
    else if (number == 2 || number == 4 || number == 6)
        window.bringPromotionToFront(InputWindow::Promotion::FullBrand);
    return number;
}

bool StartApplication(Platform& platform, WindowRegistry& windows) {
    if (platform.anotherInstanceRunning()) {
        platform.notify(
            QCoreApplication::translate("Startup", "Application is already running"), nullptr);
        windows.EndApplication();
        return false;
    }
    platform.seedRandom();
    UpdateReminder(platform);
    windows.showInputWindow();
    CoBrand_Randomize(platform, windows.inputWindow());
    return true;
}
