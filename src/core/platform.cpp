#include "platform.h"

void Platform::notify(const QString& text, QWidget* owner, Icon icon) {
    showMessage(text, kApplicationTitle, icon, Buttons::Ok, owner);
}
