#pragma once

#include "birthmoment.h"
#include "signchanges.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QTimeZone>

#include <optional>

// The texts of the exact Sun, for the command line and the window, in the language whose
// translations are loaded (dates in the default locale's long form; English, and the C
// locale's month names, when none are). The command line's listing of sign changes is
// English whatever the language, for scripts. The command
// line gives moments to the nearest second, the window to the nearest minute (see
// clockReading). Local times carry the UTC offset in force at the moment (summer time
// included).
namespace Astro {

// "Aries" .. "Pisces" for 1..12, in the user's language ("Widder" .. "Fische").
QString signName(int sign);

// "+01:00", "-09:30", "+00:00"; "+00:19:32" for the odd historical offset with seconds.
QString offsetText(int offsetSeconds);

// The moment in the zone's offset at that moment, to the second:
// "1966-03-21T01:53:05+00:00".
QString isoMoment(const QDateTime& utc, const QTimeZone& zone);

// A moment as a person reads it off the zone's clocks, to the nearest minute, as the
// published tables give it: the local date, "01:53" and the UTC offset in force then.
// A moment in the last half-minute of a day would round into the next day; it keeps
// its day and is given to the second instead ("23:59:41"), so that the date agrees with
// the day it happened on.
struct ClockReading {
    QDate date;
    QString time;
    int offsetSeconds = 0;
};
ClockReading clockReading(const QDateTime& utc, const QTimeZone& zone);

// "01:53 (UTC+00:00)": the clock reading's time and the offset in force.
QString localMinuteText(const QDateTime& utc, const QTimeZone& zone);

// One line of the command line's listing, in every language: "Aries<TAB>
// 1966-03-21T01:53:05+00:00" (English sign names, never translated); in UTC
// ("1900-01-20T11:32:25Z") where the zone's offset then had seconds, which ISO 8601 lacks.
QString commandLineLine(const SignChange& change, const QTimeZone& zone);

// The twelve lines for a year in a zone (nothing for an unsupported year or zone).
QStringList commandLineLines(int year, const QTimeZone& zone);

// An argument quoted back as given, between double quotes, cut after 60 characters.
QString quotedArgument(const QString& argument);

// One-line complaints about command-line arguments; nothing when they are fine. A zone
// is refused when the zone finder finds none or several (up to five of them named).
std::optional<QString> yearArgumentError(const QString& argument);
std::optional<QString> zoneArgumentError(const QString& argument);

// "29°12′" (degree sign, prime) from whole arc-minutes.
QString arcText(int arcMinutes);

// "19 hours and 22 minutes", "3 days, 5 hours and 2 minutes", "1 minute", "less than a
// minute" (rounded to the minute; parts that are nought are left out).
QString durationText(qint64 msecs);

// A birth day without a time: when the Sun changed sign during it and what that means,
// or the sign it stayed in all day and when it entered that sign or the next (the
// nearer change, as the zone's clocks showed it, and how long before or after the day).
QString dayText(const DayReading& day, const QTimeZone& zone);

// "29°12′ Pisces".
QString positionText(const TimeReading& reading);

// "19 hours and 22 minutes before it entered Aries" or "3 days, 14 hours and 2 minutes
// after it entered Scorpio".
QString distanceText(const TimeReading& reading);

// A birth time: where the Sun was, or, when it entered a sign within the minute given,
// that moment to the second and the signs either side of it. Two readings for a time
// the clocks showed twice; none for a time they skipped, which says what the clocks did
// and the two times the person may have meant.
QString timeText(QDate date, QTime time, const QTimeZone& zone, const QList<TimeReading>& readings);

// The calendar rule's cusp: days 19 to 23 of every month lie between the sign the Sun
// leaves that month and the one it enters (January: Capricorn and Aquarius).
struct CalendarCusp {
    int leaving = 0;  // 1..12
    int entering = 0; // 1..12
};
// Nothing for a day outside the 19th to the 23rd.
std::optional<CalendarCusp> calendarCusp(QDate date);

// On a cusp day, the sentence that sets the calendar rule beside the Sun's real place:
// "By the calendar rule, 21 July is on the cusp of Cancer and Leo. The Sun itself
// entered Leo on 23 July 1990 at 04:22 (UTC+02:00): on 21 July it was in Cancer all
// day." With a time of birth, the sign at that moment (each, for a repeated hour) and
// how long before or after the change it was. Nothing on other days, for a year outside
// kFirstYear..kLastYear or an invalid zone.
std::optional<QString> cuspSentence(QDate date, std::optional<QTime> time, const QTimeZone& zone);

} // namespace Astro
