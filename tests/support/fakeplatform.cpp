#include "fakeplatform.h"

Platform::Answer FakePlatform::showMessage(const QString& text, const QString& title, Icon icon,
                                           Buttons buttons, QWidget* owner) {
    QWidget* window = owner ? owner->window() : nullptr;
    messages.append(
        {text, title, icon, buttons, window, window ? window->objectName() : QString()});
    if (onMessage)
        onMessage(messages.constLast());
    if (!answers.isEmpty())
        return answers.takeFirst();
    return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
}

bool FakePlatform::openAddress(const QUrl& address) {
    openedAddresses.append(address);
    return true;
}

std::optional<QString> FakePlatform::readSetting(const QString& key) {
    const auto it = settings.constFind(key);
    if (it == settings.constEnd())
        return std::nullopt;
    return *it;
}

bool FakePlatform::writeSetting(const QString& key, const QString& value) {
    if (!settingsWritable)
        return false;
    settings.insert(key, value);
    return true;
}

void FakePlatform::clearClipboard() {
    ++clipboardClears;
    clipboardText.clear();
    clipboardOwn = false;
}

double FakePlatform::randomDraw() {
    return draws.isEmpty() ? 0.0 : draws.takeFirst();
}

std::optional<QString> FakePlatform::askSaveFileName(const QString& title,
                                                     const QString& proposedName,
                                                     const QString& filter, QWidget* owner) {
    saveRequests.append({title, proposedName, filter, owner ? owner->window() : nullptr});
    return saveFileName;
}

QStringList FakePlatform::messageTexts() const {
    QStringList texts;
    for (const Message& m : messages)
        texts.append(m.text);
    return texts;
}
