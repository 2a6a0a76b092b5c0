#pragma once

#include "platform.h"

#include <QSettings>

#include <memory>
#include <random>

// The platform as Qt provides it on the desktop.
class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    Answer showMessage(const QString& text, const QString& title, Icon icon, Buttons buttons,
                       QWidget* owner) override;
    bool openAddress(const QUrl& address) override;
    std::optional<QString> readSetting(const QString& key) override;
    bool writeSetting(const QString& key, const QString& value) override;
    void flushSettings() override;
    void clearClipboard() override;
    bool clipboardHoldsOwnData() override;
    bool anotherInstanceRunning() override;
    void seedRandom() override;
    double randomDraw() override;
    QDate today() override;
    std::optional<QString> askSaveFileName(const QString& title, const QString& proposedName,
                                           const QString& filter, QWidget* owner) override;

    // The places where the per-user instance lock may live, in the order every
    // copy tries them. On Linux: the user's runtime folder when it is private to
    // the user, a private folder in the user's cache, the program's folder in the
    // user's configuration (a file per machine in both). On Windows: the
    // program's folder in the user's local application data. A copy moves on to
    // the next place when one cannot hold a lock; with none, it runs without a
    // lock rather than lock the user out.
#ifdef Q_OS_WIN
    static constexpr int kLockPlaces = 1;
#else
    static constexpr int kLockPlaces = 3;
#endif
    // The lock file of place `place` (0 to kLockPlaces - 1), making its folder
    // private to the user; empty when that place cannot be had.
    static QString instanceLockPath(int place);

private:
    // The settings store, or none while its files cannot be used safely.
    QSettings* settings();

    std::unique_ptr<QSettings> m_settings;
    // Once a settings lock was held by another process for the whole wait, later
    // reads and writes do not wait again.
    bool m_settingsLockWaitedInVain = false;
    // The open, locked lock file (a descriptor on Linux, a handle on Windows), -1 for none.
    qintptr m_instanceLock = -1;
    QByteArray m_instanceLockName;
    std::mt19937 m_random;
};
