#include "platform.h"

void Platform::notify(const QString& text, Icon icon) {
    showMessage(text, kApplicationTitle, icon, Buttons::Ok);
}
