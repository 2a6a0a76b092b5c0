#include "qtplatform.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QStandardPaths>

namespace {
const QString kOrganisation = QStringLiteral("Solvanta");
const QString kApplication = QStringLiteral("Solvanta");
const QString kSettingsGroup = QStringLiteral("Settings");
} // namespace

QtPlatform::QtPlatform() : m_random(std::random_device{}()) {}

QtPlatform::~QtPlatform() = default;

Platform::Answer QtPlatform::showMessage(const QString& text, const QString& title, Icon icon,
                                         Buttons buttons, QWidget* owner) {
    // The box is transient for its owner, so the window manager keeps it above
    // it; an owner that stays above other windows passes that on to its box.
    QWidget* parent = owner ? owner->window() : QApplication::activeWindow();
    if (parent && !parent->isVisible())
        parent = QApplication::activeWindow();
    QMessageBox box(
        icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::Information, title, text,
        buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    if (parent && parent->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.setAccessibleName(title);
    box.setAccessibleDescription(text);
    const int result = box.exec();
    // The keyboard goes back to the window the box belongs to; without a window
    // manager nothing else would give it back.
    if (parent && parent->isVisible())
        parent->activateWindow();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

bool QtPlatform::openAddress(const QUrl& address) {
    return QDesktopServices::openUrl(address);
}

QSettings& QtPlatform::settings() {
    if (!m_settings) {
        m_settings = std::make_unique<QSettings>(kOrganisation, kApplication);
        m_settings->beginGroup(kSettingsGroup);
    }
    return *m_settings;
}

std::optional<QString> QtPlatform::readSetting(const QString& key) {
    const QVariant value = settings().value(key);
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
}

bool QtPlatform::writeSetting(const QString& key, const QString& value) {
    QSettings& store = settings();
    if (!store.isWritable())
        return false;
    store.setValue(key, value);
    store.sync();
    return store.status() == QSettings::NoError;
}

void QtPlatform::flushSettings() {
    if (m_settings)
        m_settings->sync();
}

void QtPlatform::clearClipboard() {
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->clear();
}

bool QtPlatform::clipboardHoldsOwnData() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard && clipboard->ownsClipboard();
}

QString QtPlatform::instanceLockPath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + QStringLiteral("/solvanta.lock");
}

bool QtPlatform::anotherInstanceRunning() {
    if (m_instanceLock && m_instanceLock->isLocked())
        return false;
    m_instanceLock = std::make_unique<QLockFile>(instanceLockPath());
    // A lock left by a copy that crashed or was killed is stale at once and taken over.
    m_instanceLock->setStaleLockTime(0);
    if (m_instanceLock->tryLock(0))
        return false;
    return m_instanceLock->error() == QLockFile::LockFailedError;
}

void QtPlatform::seedRandom() {
    m_random.seed(static_cast<std::mt19937::result_type>(QDateTime::currentMSecsSinceEpoch()));
}

double QtPlatform::randomDraw() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_random);
}

QDate QtPlatform::today() {
    return QDate::currentDate();
}
