#include "astrotexts.h"

#include "timescales.h"
#include "zonefinder.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace Astro {

namespace {

constexpr qint64 kMsecsPerDay = 86400000;

const std::array<const char*, kSignCount> kSignNames = {
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces",
};

qint64 floorDiv(qint64 a, qint64 b) {
    const qint64 q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

qint64 roundedToSecond(qint64 msecs) {
    return floorDiv(msecs + 500, 1000) * 1000;
}

QDateTime utcAt(qint64 msecs) {
    return QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC);
}

// A moment as the zone's clocks showed it: rounded to the second, with its offset.
struct LocalMoment {
    QDateTime clock; // the wall-clock reading, held as a UTC QDateTime with no offset
    int offsetSeconds = 0;
};

LocalMoment localMoment(const QDateTime& utc, const QTimeZone& zone) {
    const qint64 rounded = roundedToSecond(utc.toMSecsSinceEpoch());
    const int offset = zone.offsetFromUtc(utcAt(rounded));
    return LocalMoment{utcAt(rounded + qint64(offset) * 1000), offset};
}

QString dateText(QDate date) {
    return QLocale::c().toString(date, QStringLiteral("d MMMM yyyy"));
}

QString zoneName(const QTimeZone& zone) {
    return QString::fromUtf8(zone.id());
}

QString minuteWithOffset(QTime time, int offsetSeconds) {
    return QStringLiteral("%1 (UTC%2)")
        .arg(time.toString(QStringLiteral("HH:mm")), offsetText(offsetSeconds));
}

// The clock change that skipped a reading: when it happened and the offsets before
// and after it.
struct ClockJump {
    qint64 atMsecs = 0;
    int before = 0;
    int after = 0;
};

std::optional<ClockJump> jumpOver(QDate date, QTime time, const QTimeZone& zone) {
    if (!zone.hasTransitions())
        return std::nullopt;
    const qint64 reading = QDateTime(date, time, Qt::UTC).toMSecsSinceEpoch();
    const auto transitions =
        zone.transitions(utcAt(reading - 2 * kMsecsPerDay), utcAt(reading + 2 * kMsecsPerDay));
    for (const QTimeZone::OffsetData& transition : transitions) {
        const qint64 at = transition.atUtc.toMSecsSinceEpoch();
        const ClockJump jump{at, zone.offsetFromUtc(utcAt(at - 1)), transition.offsetFromUtc};
        if (reading >= at + qint64(jump.before) * 1000 && reading < at + qint64(jump.after) * 1000)
            return jump;
    }
    return std::nullopt;
}

QString dayAndMonth(QDate date) {
    return QLocale::c().toString(date, QStringLiteral("d MMMM"));
}

// Where the Sun was at one reading of a birth time, measured from the sign change: "at
// 10:00 (UTC+02:00) on 21 July it was in Cancer, 1 d 18 h 22 min before the change". A
// change inside the minute given is told to the second, since the minute holds both signs.
QString cuspClause(QDate date, QTime time, const TimeReading& reading, const SignChange& change,
                   const QTimeZone& zone, bool withDate) {
    const QString at = minuteWithOffset(time, reading.offsetSeconds) +
                       (withDate ? QStringLiteral(" on ") + dayAndMonth(date) : QString());
    const qint64 since = reading.utc.toMSecsSinceEpoch() - change.utc.toMSecsSinceEpoch();
    if (since <= 0 && since > -60000) {
        const LocalMoment local = localMoment(change.utc, zone);
        return QStringLiteral("at %1 it was in %2 until %3 and in %4 after, as it changed sign "
                              "within that minute")
            .arg(at, signName(reading.sign), local.clock.toString(QStringLiteral("HH:mm:ss")),
                 signName(change.sign));
    }
    return QStringLiteral("at %1 it was in %2, %3 %4 the change")
        .arg(at, signName(reading.sign), durationText(since),
             since < 0 ? QStringLiteral("before") : QStringLiteral("after"));
}

// A wall-clock reading (held as UTC) as "00:30", then `name` ("00:30 GMT"), then " on
// 30 December 2011" when it is not on `day`.
QString clockOn(const QDateTime& clock, QDate day, const QString& name = QString()) {
    QString text = clock.time().toString(QStringLiteral("HH:mm"));
    if (!name.isEmpty())
        text += QLatin1Char(' ') + name;
    if (clock.date() != day)
        text += QStringLiteral(" on ") + dateText(clock.date());
    return text;
}

// What the zone calls its time at a moment ("GMT", "BST"), or its offset where the
// zone has no letters for it ("UTC+05:00").
QString zoneTimeName(const QTimeZone& zone, qint64 utcMsecs) {
    const QString abbreviation = zone.abbreviation(utcAt(utcMsecs));
    if (!abbreviation.isEmpty() && abbreviation.at(0).isLetter())
        return abbreviation;
    return QStringLiteral("UTC") + offsetText(zone.offsetFromUtc(utcAt(utcMsecs)));
}

// "Clocks in Europe/London went from 01:00 to 02:00 on 31 March 2024, so 01:30 did not
// happen there. Did you mean 00:30 GMT or 02:30 BST?"
QString skippedTimeText(QDate date, QTime time, const QTimeZone& zone, const ClockJump& jump) {
    const QDateTime from = utcAt(jump.atMsecs + qint64(jump.before) * 1000);
    const QDateTime to = utcAt(jump.atMsecs + qint64(jump.after) * 1000);
    const QString went =
        from.date() == to.date()
            ? QStringLiteral("from %1 to %2 on %3")
                  .arg(clockOn(from, from.date()), clockOn(to, to.date()), dateText(from.date()))
            : QStringLiteral("from %1 on %2 to %3 on %4")
                  .arg(clockOn(from, from.date()), dateText(from.date()), clockOn(to, to.date()),
                       dateText(to.date()));
    // The time read with the offset after the jump falls before it, and the other way
    // round: the clocks showed these two readings at those instants.
    const qint64 reading = QDateTime(date, time, Qt::UTC).toMSecsSinceEpoch();
    const qint64 jumped = qint64(jump.after - jump.before) * 1000;
    const qint64 earlier = reading - qint64(jump.after) * 1000;
    const qint64 later = reading - qint64(jump.before) * 1000;
    return QStringLiteral("Clocks in %1 went %2, so %3 did not happen there. Did you mean %4 or "
                          "%5?")
        .arg(zoneName(zone), went, time.toString(QStringLiteral("HH:mm")),
             clockOn(utcAt(reading - jumped), date, zoneTimeName(zone, earlier)),
             clockOn(utcAt(reading + jumped), date, zoneTimeName(zone, later)));
}

// "the Sun was at 29°12′ Pisces, 19 hours and 22 minutes before it entered Aries", or,
// when it entered a sign within the minute given, that change to the second.
QString readingClause(QTime time, const TimeReading& reading) {
    if (reading.changeInMinute) {
        const qint64 into =
            reading.changeInMinute->utc.toMSecsSinceEpoch() - reading.utc.toMSecsSinceEpoch();
        return QStringLiteral("the Sun entered %1 at %2, within the minute you gave: born "
                              "before that, the Sun was in %3; after, in %1")
            .arg(signName(reading.changeInMinute->sign),
                 time.addSecs(int(into / 1000)).toString(QStringLiteral("HH:mm:ss")),
                 signName(reading.sign));
    }
    return QStringLiteral("the Sun was at %1, %2")
        .arg(positionText(reading), distanceText(reading));
}

} // namespace

QString signName(int sign) {
    if (sign < 1 || sign > kSignCount)
        return QString();
    return QString::fromLatin1(kSignNames[sign - 1]);
}

QString offsetText(int offsetSeconds) {
    const QChar sign = offsetSeconds < 0 ? QLatin1Char('-') : QLatin1Char('+');
    const int total = std::abs(offsetSeconds);
    QString text = QStringLiteral("%1%2:%3")
                       .arg(sign)
                       .arg(total / 3600, 2, 10, QLatin1Char('0'))
                       .arg(total / 60 % 60, 2, 10, QLatin1Char('0'));
    if (total % 60 != 0)
        text += QStringLiteral(":%1").arg(total % 60, 2, 10, QLatin1Char('0'));
    return text;
}

QString isoMoment(const QDateTime& utc, const QTimeZone& zone) {
    const LocalMoment local = localMoment(utc, zone);
    // ISO 8601 offsets have no seconds: where the zone's had (local mean time), the
    // moment is given in UTC instead.
    if (local.offsetSeconds % 60 != 0)
        return utcAt(roundedToSecond(utc.toMSecsSinceEpoch()))
                   .toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) +
               QLatin1Char('Z');
    return local.clock.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) +
           offsetText(local.offsetSeconds);
}

ClockReading clockReading(const QDateTime& utc, const QTimeZone& zone) {
    ClockReading reading;
    reading.offsetSeconds = zone.offsetFromUtc(utc);
    const qint64 local = utc.toMSecsSinceEpoch() + qint64(reading.offsetSeconds) * 1000;
    const qint64 minute = floorDiv(local + 30000, 60000) * 60000;
    const bool sameDay = floorDiv(minute, kMsecsPerDay) == floorDiv(local, kMsecsPerDay);
    const QDateTime clock = utcAt(sameDay ? minute : floorDiv(local, 1000) * 1000);
    reading.date = clock.date();
    reading.time =
        clock.time().toString(sameDay ? QStringLiteral("HH:mm") : QStringLiteral("HH:mm:ss"));
    return reading;
}

QString localMinuteText(const QDateTime& utc, const QTimeZone& zone) {
    const ClockReading reading = clockReading(utc, zone);
    return QStringLiteral("%1 (UTC%2)").arg(reading.time, offsetText(reading.offsetSeconds));
}

QString commandLineLine(const SignChange& change, const QTimeZone& zone) {
    return signName(change.sign) + QLatin1Char('\t') + isoMoment(change.utc, zone);
}

QStringList commandLineLines(int year, const QTimeZone& zone) {
    QStringList lines;
    for (const SignChange& change : signChangesInYear(year, zone))
        lines.append(commandLineLine(change, zone));
    return lines;
}

QString quotedArgument(const QString& argument) {
    constexpr qsizetype kLongest = 60;
    if (argument.size() <= kLongest)
        return QLatin1Char('"') + argument + QLatin1Char('"');
    return QLatin1Char('"') + argument.left(kLongest) + QStringLiteral("\"...");
}

std::optional<QString> yearArgumentError(const QString& argument) {
    // Built by joining, never by substituting into text that holds the argument: an
    // argument such as "%2" is quoted as given.
    const QString range =
        QString::number(kFirstYear) + QStringLiteral(" to ") + QString::number(kLastYear);
    bool ok = false;
    const int year = argument.trimmed().toInt(&ok);
    if (!ok)
        return QStringLiteral("Not a year: ") + quotedArgument(argument) +
               QStringLiteral(" (give a year from ") + range + QStringLiteral(").");
    if (!isSupportedYear(year))
        return QStringLiteral("Year ") + QString::number(year) +
               QStringLiteral(" is outside the years covered, ") + range + QLatin1Char('.');
    return std::nullopt;
}

std::optional<QString> zoneArgumentError(const QString& argument) {
    constexpr qsizetype kNamed = 5;
    const ZoneMatch match = findZone(argument);
    if (match.kind == ZoneMatch::Kind::Exact)
        return std::nullopt;
    if (match.kind == ZoneMatch::Kind::None)
        return QStringLiteral("Unknown time zone: ") + quotedArgument(argument) +
               QStringLiteral(" (give a zone's name such as Europe/London, a "
                              "city, a country, or an offset such as UTC+05:30).");
    // The texts a list would offer, any of which the finder reads back as one zone.
    const QStringList offered = offers(match);
    const qsizetype count = match.places.isEmpty() ? offered.size() : match.placeCount;
    QString list = offered.first(std::min(kNamed, offered.size())).join(QStringLiteral(", "));
    if (count > kNamed)
        list += QStringLiteral(" and ") + QString::number(count - kNamed) + QStringLiteral(" more");
    return QString::number(count) +
           (match.places.isEmpty() ? QStringLiteral(" time zones match ")
                                   : QStringLiteral(" places match ")) +
           quotedArgument(argument) + QStringLiteral(": ") + list +
           QStringLiteral(" (give one of them).");
}

QString arcText(int arcMinutes) {
    return QStringLiteral("%1\u00B0%2\u2032")
        .arg(arcMinutes / 60)
        .arg(arcMinutes % 60, 2, 10, QLatin1Char('0'));
}

QString durationText(qint64 msecs) {
    const qint64 minutes = (std::abs(msecs) + 30000) / 60000;
    if (minutes == 0)
        return QStringLiteral("less than a minute");
    const auto count = [](qint64 n, const char* one, const char* many) {
        return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
    };
    QStringList parts;
    if (const qint64 days = minutes / 1440)
        parts << count(days, "day", "days");
    if (const qint64 hours = minutes / 60 % 24)
        parts << count(hours, "hour", "hours");
    if (const qint64 rest = minutes % 60)
        parts << count(rest, "minute", "minutes");
    const QString last = parts.takeLast();
    return parts.isEmpty() ? last
                           : parts.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

QString dayText(const DayReading& day, const QTimeZone& zone) {
    const QString date = dateText(day.date);
    if (!day.exists)
        return QStringLiteral("%1 did not exist in %2: its clocks skipped that whole day.")
            .arg(date, zoneName(zone));
    if (day.changed)
        return QStringLiteral("On %1 the Sun entered %2 at %3: born before then, the Sun was in "
                              "%4; after, in %2.")
            .arg(date, signName(day.signEntered), localMinuteText(day.change.utc, zone),
                 signName(day.signLeft));
    const ClockReading boundary = clockReading(day.boundary.utc, zone);
    const QString when =
        QStringLiteral("%1 at %2 (UTC%3)")
            .arg(dateText(boundary.date), boundary.time, offsetText(boundary.offsetSeconds));
    if (day.boundaryBefore)
        return QStringLiteral("The Sun was in %1 all day on %2, whatever the time of birth. It "
                              "had entered %1 on %3, %4 before that day began.")
            .arg(signName(day.sign), date, when, durationText(day.msecs));
    return QStringLiteral("The Sun was in %1 all day on %2, whatever the time of birth. It "
                          "entered %3 on %4, %5 after that day ended.")
        .arg(signName(day.sign), date, signName(day.boundary.sign), when, durationText(day.msecs));
}

QString positionText(const TimeReading& reading) {
    return arcText(reading.arcMinutesInSign) + QLatin1Char(' ') + signName(reading.sign);
}

QString distanceText(const TimeReading& reading) {
    return QStringLiteral("%1 %2 it entered %3")
        .arg(durationText(reading.msecsToBoundary),
             reading.boundaryBefore ? QStringLiteral("after") : QStringLiteral("before"),
             signName(reading.boundary.sign));
}

QString timeText(QDate date, QTime time, const QTimeZone& zone,
                 const QList<TimeReading>& readings) {
    const QString clock = time.toString(QStringLiteral("HH:mm"));
    const QString when = QStringLiteral("%1 on %2").arg(clock, dateText(date));
    if (readings.isEmpty()) {
        if (const std::optional<ClockJump> jump = jumpOver(date, time, zone))
            return skippedTimeText(date, time, zone, *jump);
        return QStringLiteral("No clock in %1 showed %2: that time did not exist there.")
            .arg(zoneName(zone), when);
    }
    if (readings.size() == 1) {
        const TimeReading& only = readings.first();
        if (only.changeInMinute) {
            QString text = readingClause(time, only) + QLatin1Char('.');
            text[0] = text[0].toUpper();
            return text;
        }
        return QStringLiteral("At %1 on %2 %3.")
            .arg(minuteWithOffset(time, only.offsetSeconds), dateText(date),
                 readingClause(time, only));
    }
    const TimeReading& first = readings.first();
    const TimeReading& second = readings.at(1);
    const bool summerTimeEnded = zone.isDaylightTime(first.utc) && !zone.isDaylightTime(second.utc);
    QString later = readingClause(time, second);
    if (!second.changeInMinute)
        later.replace(QStringLiteral("the Sun was"), QStringLiteral("it was"));
    return QStringLiteral("%1 happened twice in %2, as the clocks went back%3: at %4 %5; at %6 "
                          "%7.")
        .arg(when, zoneName(zone),
             summerTimeEnded ? QStringLiteral(" at the end of summer time") : QString(),
             minuteWithOffset(time, first.offsetSeconds), readingClause(time, first),
             minuteWithOffset(time, second.offsetSeconds), later);
}

std::optional<CalendarCusp> calendarCusp(QDate date) {
    if (!date.isValid() || date.day() < 19 || date.day() > 23)
        return std::nullopt;
    // January lies between Capricorn (10) and Aquarius (11); each month one sign on.
    const int leaving = (date.month() + 8) % kSignCount + 1;
    return CalendarCusp{leaving, leaving % kSignCount + 1};
}

std::optional<QString> cuspSentence(QDate date, std::optional<QTime> time, const QTimeZone& zone) {
    const std::optional<CalendarCusp> cusp = calendarCusp(date);
    if (!cusp || !isSupportedYear(date.year()) || !zone.isValid())
        return std::nullopt;
    // The change into the later sign that month: the cusp days lie around it.
    const SignChange change = signChangeNear(
        cusp->entering, utcToTt(QDateTime(date, QTime(12, 0), Qt::UTC).toMSecsSinceEpoch()));
    const ClockReading clock = clockReading(change.utc, zone);
    const QString head =
        QStringLiteral("By the calendar rule, %1 is on the cusp of %2 and %3. The Sun itself "
                       "entered %3 on %4 at %5: ")
            .arg(dayAndMonth(date), signName(cusp->leaving), signName(cusp->entering),
                 dateText(clock.date), localMinuteText(change.utc, zone));

    if (!time) {
        const std::optional<DayReading> day = readDay(date, zone);
        if (!day)
            return std::nullopt;
        if (!day->exists)
            return head +
                   QStringLiteral("%1 did not exist in %2.").arg(dateText(date), zoneName(zone));
        if (day->changed)
            return head +
                   QStringLiteral("on %1 it was in %2 until then and in %3 after.")
                       .arg(dayAndMonth(date), signName(day->signLeft), signName(day->signEntered));
        return head + QStringLiteral("on %1 it was in %2 all day.")
                          .arg(dayAndMonth(date), signName(day->sign));
    }

    const std::optional<QList<TimeReading>> readings = readTime(date, *time, zone);
    if (!readings)
        return std::nullopt;
    if (readings->isEmpty())
        return head +
               QStringLiteral("no clock in %1 showed %2 on %3.")
                   .arg(zoneName(zone), time->toString(QStringLiteral("HH:mm")), dayAndMonth(date));
    QString text = head + cuspClause(date, *time, readings->first(), change, zone, true);
    if (readings->size() > 1)
        text += QStringLiteral("; when the clocks showed it again, ") +
                cuspClause(date, *time, readings->at(1), change, zone, false);
    return text + QLatin1Char('.');
}

} // namespace Astro
