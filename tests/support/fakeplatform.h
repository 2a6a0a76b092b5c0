#pragma once

#include "platform.h"

#include <QList>
#include <QMap>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>

// A platform that records what the program asks of it and answers from what a
// test has set. It never shows a window, opens a browser or touches real settings.
class FakePlatform : public Platform {
public:
    struct Message {
        QString text;
        QString title;
        Icon icon;
        Buttons buttons;
        // The window the box belongs to, and its object name when it was shown
        // (empty for a box without an owner).
        QPointer<QWidget> owner;
        QString ownerName;
    };

    Answer showMessage(const QString& text, const QString& title, Icon icon, Buttons buttons,
                       QWidget* owner) override;
    bool openAddress(const QUrl& address) override;
    std::optional<QString> readSetting(const QString& key) override;
    bool writeSetting(const QString& key, const QString& value) override;
    void flushSettings() override { ++flushCount; }
    void clearClipboard() override;
    bool clipboardHoldsOwnData() override { return clipboardOwn; }
    bool anotherInstanceRunning() override { return otherInstance; }
    void seedRandom() override { ++seedCount; }
    double randomDraw() override;
    QDate today() override { return todayDate; }
    std::optional<QString> askSaveFileName(const QString& title, const QString& proposedName,
                                           const QString& filter, QWidget* owner) override;

    // Texts of the messages shown so far, in order.
    QStringList messageTexts() const;

    // What the program did.
    QList<Message> messages;
    QList<QUrl> openedAddresses;
    int clipboardClears = 0;
    int flushCount = 0;
    int seedCount = 0;
    // Each save dialog asked for: its title, the name proposed, the filter, the owner.
    struct SaveRequest {
        QString title;
        QString proposedName;
        QString filter;
        QPointer<QWidget> owner;
    };
    QList<SaveRequest> saveRequests;
    // Called while a message is "on screen", before it is answered.
    std::function<void(const Message&)> onMessage;

    // What the platform answers.
    QList<Answer> answers; // queued answers; an empty queue answers Ok (or No)
    QMap<QString, QString> settings;
    bool settingsWritable = true;
    bool clipboardOwn = false;
    QString clipboardText;
    bool otherInstance = false;
    QList<double> draws; // queued random draws; an empty queue draws 0.0
    QDate todayDate = QDate(2026, 12, 7);
    // What the save dialog answers: the path "chosen", or nothing (the user cancels).
    std::optional<QString> saveFileName;
};
