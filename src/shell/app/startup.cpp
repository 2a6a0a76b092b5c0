#include "startup.h"

#include "inputwindow.h"
#include "platform.h"
#include "updatereminder.h"
#include "windowregistry.h"

#include <cmath>

int CoBrand_Randomize(Platform& platform, InputWindow& window) {
    const float r = static_cast<float>(platform.randomDraw());
    // nearbyint rounds to nearest with ties to even, the default rounding mode.
    const int number = static_cast<int>(std::nearbyint(r * 6.0f + 1.0f));

    if (number == 1 || number == 3 || number == 5)
        window.bringPromotionToFront(InputWindow::Promotion::CoBrand);
    else if (number == 2 || number == 4 || number == 6)
        window.bringPromotionToFront(InputWindow::Promotion::FullBrand);
    return number;
}

bool StartApplication(Platform& platform, WindowRegistry& windows) {
    if (platform.anotherInstanceRunning()) {
        platform.notify(QStringLiteral("Application is already running"));
        windows.EndApplication();
        return false;
    }
    platform.seedRandom();
    UpdateReminder(platform);
    InputWindow& input = windows.inputWindow();
    input.show();
    CoBrand_Randomize(platform, input);
    return true;
}
