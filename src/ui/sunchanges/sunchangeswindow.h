#pragma once

#include "validation.h"
#include "zonefinder.h"

#include <QByteArray>
#include <QDate>
#include <QDialog>
#include <QString>
#include <QTimeZone>

#include <memory>
#include <optional>

class Platform;
class QStringListModel;
class QTime;

namespace Ui {
class SunChangesWindow;
}

// "Sun Sign Changes" (object name "frmSunChanges"): the twelve moments of a calendar
// year at which the Sun entered a sign, with the change into Capricorn the December
// before, in the time zone of a birth place, and where the Sun was at a birth on a day
// of that year, with or without the time of day.
//
// - The year (1900 to 2050) and the birth place (a city, a country, a zone's name, an
//   offset or part of a name, found by the zone finder; the system's zone at first, or
//   UTC) fill the table at once; the place and its zone are shown under the box.
//   Several places found keep the list open with them; none found is refused with a
//   message.
// - The table (year and place) sits beside the birth; the window may be resized and
//   fits a 1280 x 720 screen.
// - Day and month name the birth day in the chosen year; the day list holds the
//   days of the chosen month only, so a day the month lacks (31 April) becomes the
//   month's last day, in sight. A day the zone skipped says so in the reading.
// - The time of birth is optional. An empty box reads the whole day. A time is
//   taken when the user asks for it ("Show", Enter in the box) or leaves the box
//   after changing it; only then is a time that cannot be read, or one that the
//   clocks skipped, answered with a message. Changing year, zone, day or month
//   redraws the reading without messages; Enter in the year, day or month box asks
//   for it as "Show" does. The table's row of the sign the Sun was in is highlighted
//   and is the table's current row, where the keyboard lands.
// - A reading the user asked for (Enter, "Show", Enter on a place found) takes the
//   keyboard, so that a screen reader reads it out; a refused time leaves the keyboard
//   in the time box. On a cusp day the sentence under the picture comes next in the
//   tab order, read out as its own text.
// - A non-modal dialog: Escape closes an open list first, the window only when no
//   list is open.
// - Under the reading, a picture of the days around the sign change nearest the birth
//   day, with the birth on it; on the calendar rule's cusp days (19 to 23) a sentence
//   under it sets the rule beside the Sun's real change. "Save Picture..." (Ctrl+S)
//   writes the picture with the reading under it to a PNG file the user chooses.
// - Messages go through the platform and belong to this window.
class SunChangesWindow : public QDialog {
    Q_OBJECT

public:
    explicit SunChangesWindow(Platform& platform, QWidget* parent = nullptr);
    ~SunChangesWindow() override;

    // Chooses the year, month and day (the time of birth and the zone stay). A date
    // outside the years the window offers is clamped to the nearest of them.
    void showDate(QDate date);

    // The birth day chosen (in the chosen year) and the zone in force.
    QDate chosenDate() const;
    QTimeZone zone() const { return m_zone; }
    // Chooses the zone the zone finder finds for the text (a name in any case, a
    // country, an offset, part of a name that only one zone has); false (nothing
    // changes) when it finds none or several.
    bool chooseZone(const QByteArray& id);

    // The date the window starts on when opened from the input window: the day,
    // month and year chosen there. A day the month lacks becomes its last day; where
    // the input has no usable year or month, `today` stands in (clamped to the years
    // offered).
    static QDate startDate(const BirthInput& input, QDate today);

    // What the user chose, to be given back to the window when it is opened again.
    struct Choices {
        QDate date;
        QByteArray zoneId;
        QString time;
        // The place as the window read it ("Springfield, Illinois, United States —
        // America/Chicago"), or the zone's name when a zone was typed.
        QString place;
    };
    Choices choices() const;
    // Puts the choices back, the time of birth read without messages.
    void restore(const Choices& choices);

    // Gives the keyboard to the box the person fills in next: the birth place, or the
    // time of birth once the place is known.
    void focusNextEntry(bool placeKnown);

signals:
    // The window is being closed (its close box, "Close", Escape or any close()).
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Asked { No, Yes };

    void applyLook();
    void fillLists();
    void connectCommands();

    void yearOrMonthChosen();
    void zoneChosen(int index);
    // Takes the zone (and the city, if any) the finder found: the box, the line under
    // it, the table and the reading follow.
    void applyZone(const Astro::ZoneMatch& match);
    // The place in force as the window shows it: the city with its zone, or the zone.
    QString placeText() const;
    // Reads the zone box's text with the zone finder: chooses the zone found, offers
    // several, or refuses none (with a message when asked).
    Astro::ZoneMatch::Kind zoneTyped(Asked asked);
    // The entry of a zone in the zone box, added to it if it lacks it.
    int zoneIndex(const QByteArray& id);
    // What the list under the zone box offers: the places or zones found.
    void offerZones(const Astro::ZoneMatch& match);
    void fillTable();
    // Redraws the reading; false when it refuses the time in the box.
    bool showReading(Asked asked);
    // The reading on the user's request; a reading shown takes the keyboard, so that a
    // screen reader reads it out at once (a refused time keeps it in the time box).
    void readingAsked();
    // Highlights the row of the change into `sign` that the birth day came after (or
    // fell on), and makes it the table's current row.
    void highlightSign(int sign, QDate birthDay);
    void showPicture(QDate date, std::optional<QTime> time, const QList<QDateTime>& moments);
    void savePicture();

    std::unique_ptr<Ui::SunChangesWindow> m_ui;
    Platform& m_platform;
    QTimeZone m_zone;
    // The city the zone was found from, and the text the box shows for it.
    std::optional<Astro::Place> m_place;
    QString m_placeShown;
    QStringListModel* m_zoneOffers = nullptr;
    // The time box's text when it was last read on the user's request.
    QString m_timeAsked;
    bool m_settingDate = false;
};
