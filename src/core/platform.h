#pragma once

#include <QDate>
#include <QString>
#include <QUrl>

#include <optional>

class QWidget;

// Everything the program asks of the desktop it runs on. The program speaks to
// the desktop only through this interface: the Qt implementation lives in the
// shell, and tests use a recording fake.
class Platform {
public:
    enum class Icon { Information, Critical };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    virtual ~Platform() = default;

    // A modal message box owned by `owner`, the window that asks (none: the
    // active window, if any), so that it opens above that window, also above one
    // that stays on top. Returns the button the user pressed.
    virtual Answer showMessage(const QString& text, const QString& title, Icon icon,
                               Buttons buttons, QWidget* owner) = 0;

    // Hands an address to the desktop's default handler. Callers ignore failure.
    virtual bool openAddress(const QUrl& address) = 0;

    // The per-user settings store, group "Settings".
    virtual std::optional<QString> readSetting(const QString& key) = 0;
    // True when the value reached the store.
    virtual bool writeSetting(const QString& key, const QString& value) = 0;
    virtual void flushSettings() = 0;

    // The system clipboard.
    virtual void clearClipboard() = 0;
    // True while the clipboard holds something this program put there.
    virtual bool clipboardHoldsOwnData() = 0;

    // True when another copy of the program already runs for this user.
    virtual bool anotherInstanceRunning() = 0;

    // A uniform draw 0 <= r < 1 from a generator seeded from the clock.
    virtual void seedRandom() = 0;
    virtual double randomDraw() = 0;

    virtual QDate today() = 0;

    // The desktop's dialog for saving a file, modal and owned by `owner`, opened on
    // `proposedName` in the user's pictures folder (the home folder without one);
    // `filter` as "PNG pictures (*.png)", whose suffix a name typed without one gets.
    // The path chosen, or nothing when the user cancels.
    virtual std::optional<QString> askSaveFileName(const QString& title,
                                                   const QString& proposedName,
                                                   const QString& filter, QWidget* owner) = 0;

    // Shorthand for the common notice: information icon, OK, the program's title.
    void notify(const QString& text, QWidget* owner, Icon icon = Icon::Information);
};

// Title of every message box that does not name its own.
inline const QString kApplicationTitle = QStringLiteral("Solvanta");
// Caption of every window.
inline const QString kWindowCaption = QStringLiteral("Solvanta v1.0");
