#pragma once

#include "platform.h"

#include <QLockFile>
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

    // Where the per-user instance lock lives: the user's runtime folder when it
    // is private to the user, else a private folder in the user's cache (a file
    // per machine). Empty when neither can be had; the program then runs without
    // a lock rather than lock the user out.
    static QString instanceLockPath();

private:
    QSettings& settings();

    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<QLockFile> m_instanceLock;
    std::mt19937 m_random;
};
