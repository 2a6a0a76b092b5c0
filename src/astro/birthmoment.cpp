#include "birthmoment.h"

#include "sun.h"
#include "timescales.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace Astro {

namespace {

constexpr double kSignDegrees = 30.0;
constexpr int kArcMinutesPerSign = 30 * 60;
constexpr qint64 kMsecsPerDay = 86400000;
constexpr qint64 kMsecsPerMinute = 60000;

int signAt(double longitude) {
    return std::min(int(longitude / kSignDegrees), kSignCount - 1) + 1;
}

double degreesIntoSign(double longitude) {
    return longitude - (signAt(longitude) - 1) * kSignDegrees;
}

int wholeArcMinutesIntoSign(double longitude) {
    return std::min(int(std::floor(degreesIntoSign(longitude) * 60.0)), kArcMinutesPerSign - 1);
}

int nextSign(int sign) {
    return sign % kSignCount + 1;
}

QDateTime utcAt(qint64 msecs) {
    return QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC);
}

// The change into `sign` before tt and the change into the next sign after it, first
// guessed from the rate.
SignChange entryBefore(int sign, double tt, const SunPlace& place) {
    return signChangeNear(sign, tt - degreesIntoSign(place.longitude) / place.rate);
}

SignChange entryAfter(int sign, double tt, const SunPlace& place) {
    return signChangeNear(nextSign(sign),
                          tt + (kSignDegrees - degreesIntoSign(place.longitude)) / place.rate);
}

} // namespace

std::optional<DayReading> readDay(QDate date, const QTimeZone& zone) {
    if (!date.isValid() || !isSupportedYear(date.year()) || !zone.isValid())
        return std::nullopt;

    DayReading day;
    day.date = date;
    const QDateTime start = date.startOfDay(zone);
    // The day ends where the next day that exists in the zone begins (Pacific/Apia went
    // from 29 to 31 December 2011).
    QDateTime end;
    for (int days = 1; days <= 3 && !end.isValid(); ++days)
        end = date.addDays(days).startOfDay(zone);
    if (!start.isValid() || !end.isValid() || start.date() != date || end <= start) {
        day.exists = false;
        return day;
    }
    day.start = start.toUTC();
    day.end = end.toUTC();

    const double startTt = utcToTt(day.start.toMSecsSinceEpoch());
    const double endTt = utcToTt(day.end.toMSecsSinceEpoch());
    const SunPlace first = apparentSun(startTt);
    const SunPlace last = apparentSun(endTt);
    const int signFirst = signAt(first.longitude);
    const int signLast = signAt(last.longitude);

    // A day is at most 25 hours, the Sun moves about a degree a day: at most one change.
    if (signFirst != signLast) {
        day.changed = true;
        day.signLeft = signFirst;
        day.signEntered = nextSign(signFirst);
        day.change = entryAfter(signFirst, startTt, first);
        return day;
    }

    day.sign = signFirst;
    const SignChange before = entryBefore(signFirst, startTt, first);
    const SignChange after = entryAfter(signFirst, endTt, last);
    const qint64 sinceBefore = day.start.toMSecsSinceEpoch() - before.utc.toMSecsSinceEpoch();
    const qint64 untilAfter = after.utc.toMSecsSinceEpoch() - day.end.toMSecsSinceEpoch();
    day.boundaryBefore = sinceBefore <= untilAfter;
    if (day.boundaryBefore) {
        day.boundary = before;
        day.msecs = sinceBefore;
        day.arcMinutes = wholeArcMinutesIntoSign(first.longitude);
    } else {
        day.boundary = after;
        day.msecs = untilAfter;
        day.arcMinutes = kArcMinutesPerSign - wholeArcMinutesIntoSign(last.longitude);
    }
    return day;
}

QList<qint64> localInstants(QDate date, QTime time, const QTimeZone& zone) {
    QList<qint64> instants;
    if (!date.isValid() || !time.isValid() || !zone.isValid())
        return instants;

    // The clock reading counted as if it were UTC; an instant that shows it in the
    // zone is that minus the offset in force at the instant. Every offset the zone
    // used within two days either side is a candidate (offsets stay within a day).
    const qint64 reading = QDateTime(date, time, Qt::UTC).toMSecsSinceEpoch();
    const QDateTime from = utcAt(reading - 2 * kMsecsPerDay);
    const QDateTime to = utcAt(reading + 2 * kMsecsPerDay);
    std::set<int> offsets{zone.offsetFromUtc(from), zone.offsetFromUtc(to)};
    if (zone.hasTransitions()) {
        for (const QTimeZone::OffsetData& transition : zone.transitions(from, to))
            offsets.insert(transition.offsetFromUtc);
    }
    for (const int offset : offsets) {
        const qint64 instant = reading - qint64(offset) * 1000;
        if (zone.offsetFromUtc(utcAt(instant)) == offset)
            instants.append(instant);
    }
    std::sort(instants.begin(), instants.end());
    instants.erase(std::unique(instants.begin(), instants.end()), instants.end());
    return instants;
}

TimeReading readInstant(qint64 utcMsecs, const QTimeZone& zone) {
    TimeReading reading;
    reading.utc = utcAt(utcMsecs);
    reading.offsetSeconds = zone.offsetFromUtc(reading.utc);

    const double tt = utcToTt(utcMsecs);
    const SunPlace place = apparentSun(tt);
    reading.longitude = place.longitude;
    reading.sign = signAt(place.longitude);
    reading.arcMinutesInSign = wholeArcMinutesIntoSign(place.longitude);

    reading.boundaryBefore = reading.arcMinutesInSign < kArcMinutesPerSign / 2;
    if (reading.boundaryBefore) {
        reading.boundary = entryBefore(reading.sign, tt, place);
        reading.arcMinutesToBoundary = reading.arcMinutesInSign;
        reading.msecsToBoundary = utcMsecs - reading.boundary.utc.toMSecsSinceEpoch();
    } else {
        reading.boundary = entryAfter(reading.sign, tt, place);
        reading.arcMinutesToBoundary = kArcMinutesPerSign - reading.arcMinutesInSign;
        reading.msecsToBoundary = reading.boundary.utc.toMSecsSinceEpoch() - utcMsecs;
    }
    reading.msecsToBoundary = std::max<qint64>(reading.msecsToBoundary, 0);
    return reading;
}

std::optional<QList<TimeReading>> readTime(QDate date, QTime time, const QTimeZone& zone) {
    if (!date.isValid() || !isSupportedYear(date.year()) || !zone.isValid())
        return std::nullopt;
    QList<TimeReading> readings;
    for (const qint64 instant : localInstants(date, time, zone)) {
        TimeReading reading = readInstant(instant, zone);
        // The Sun is at most a few seconds of arc from the next sign when it enters it
        // within the minute: that boundary is the one ahead.
        const qint64 change = reading.boundary.utc.toMSecsSinceEpoch();
        if (!reading.boundaryBefore && change >= instant && change < instant + kMsecsPerMinute)
            reading.changeInMinute = reading.boundary;
        readings.append(reading);
    }
    return readings;
}

} // namespace Astro
