#pragma once

#include "signchanges.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QTime>
#include <QTimeZone>

#include <optional>

// Where the Sun was at a birth known to the day, or to the minute, in a time zone.
namespace Astro {

// A local calendar day: from its first instant to the next day's first instant in the
// zone, so 23 or 25 hours long on the days summer time starts or ends.
struct DayReading {
    QDate date;
    bool exists = true; // false for a day the zone skipped (Pacific/Apia, 30 Dec 2011)
    QDateTime start;    // UTC, the day's first instant
    QDateTime end;      // UTC, the next day's first instant

    // The Sun changed sign during the day: it left signLeft and entered signEntered
    // at change.
    bool changed = false;
    int signLeft = 0;
    int signEntered = 0;
    SignChange change;

    // Otherwise it stayed in `sign` all day. The nearer of its two boundaries (nearer
    // in time) is `boundary`: the change into `sign` before the day began
    // (boundaryBefore) or the change into the next sign after the day ended. The day is
    // arcMinutes of longitude and msecs of time away from it.
    int sign = 0;
    bool boundaryBefore = false;
    SignChange boundary;
    int arcMinutes = 0;
    qint64 msecs = 0;
};

// Nothing for a year outside kFirstYear..kLastYear or an invalid zone.
std::optional<DayReading> readDay(QDate date, const QTimeZone& zone);

// Where the Sun was at one instant.
struct TimeReading {
    QDateTime utc;            // the instant, UTC
    int offsetSeconds = 0;    // the zone's UTC offset in force then
    double longitude = 0.0;   // apparent ecliptic longitude, degrees
    int sign = 0;             // 1..12
    int arcMinutesInSign = 0; // how far into the sign, whole arc-minutes (0..1799)

    // The nearer boundary by longitude: where it entered `sign` (boundaryBefore) or
    // where it would enter the next sign. arcMinutesToBoundary is counted from the
    // whole arc-minutes shown, so that position and distance add up to 30°00′.
    bool boundaryBefore = false;
    SignChange boundary;
    int arcMinutesToBoundary = 0;
    qint64 msecsToBoundary = 0; // >= 0

    // A birth time given to the minute covers the whole minute from this instant: when
    // the Sun entered a sign within it, the change (the sign above is the one it left).
    std::optional<SignChange> changeInMinute;
};

// The UTC instants (milliseconds since 1970) at which clocks in the zone showed the
// date and time: none in a gap (clocks went forward past it), two in a repeated hour
// (clocks went back), otherwise one. Worked out from the zone's offsets and
// transitions, not from QDateTime(date, time, zone), which moves a time in a gap
// forward without saying so.
QList<qint64> localInstants(QDate date, QTime time, const QTimeZone& zone);

// One reading per instant of localInstants, earliest first, each covering its minute. Nothing for a
// year outside kFirstYear..kLastYear or an invalid zone; an empty list for a time in a gap.
std::optional<QList<TimeReading>> readTime(QDate date, QTime time, const QTimeZone& zone);

// The reading at a UTC instant, given in milliseconds since 1970.
TimeReading readInstant(qint64 utcMsecs, const QTimeZone& zone);

} // namespace Astro
