#include "astrotexts.h"

#include "timescales.h"
#include "zonefinder.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace Astro {

namespace {

constexpr qint64 kMsecsPerDay = 86400000;

// English, as the command line's listing gives them; signName() gives them in the
// user's language.
const std::array<const char*, kSignCount> kSignNames = {
    QT_TRANSLATE_NOOP("SunSigns", "Aries"),       QT_TRANSLATE_NOOP("SunSigns", "Taurus"),
    QT_TRANSLATE_NOOP("SunSigns", "Gemini"),      QT_TRANSLATE_NOOP("SunSigns", "Cancer"),
    QT_TRANSLATE_NOOP("SunSigns", "Leo"),         QT_TRANSLATE_NOOP("SunSigns", "Virgo"),
    QT_TRANSLATE_NOOP("SunSigns", "Libra"),       QT_TRANSLATE_NOOP("SunSigns", "Scorpio"),
    QT_TRANSLATE_NOOP("SunSigns", "Sagittarius"), QT_TRANSLATE_NOOP("SunSigns", "Capricorn"),
    QT_TRANSLATE_NOOP("SunSigns", "Aquarius"),    QT_TRANSLATE_NOOP("SunSigns", "Pisces"),
};

QString englishSignName(int sign) {
    if (sign < 1 || sign > kSignCount)
        return QString();
    return QString::fromLatin1(kSignNames[sign - 1]);
}

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

// The locale dates are written in: the language of the translations in use, so that a
// date always reads in the sentence's language, or the C locale's English month names
// when none is (English, or no application yet).
QLocale textLocale() {
    //: The language of these texts as a locale name: "de", "fr", "es", "pt_BR". Dates in
    //: the texts take its month names.
    const QString language = QCoreApplication::translate("SunTexts", "en");
    return language == QLatin1String("en") ? QLocale::c() : QLocale(language);
}

// A count as a translation gives it ("%n day(s)": "1 Tag", "2 Tage"), or in English where
// none did (the source comes back as it is, "(s)" and all, when no translation is
// installed): "1 day", "2 days".
QString counted(const QString& translated, qint64 n, const char* one, const char* many) {
    if (!translated.endsWith(QLatin1String("(s)")))
        return translated;
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

// "20 March 2024", "20. März 2024": the language's long date without the weekday.
QString dateText(QDate date) {
    //: The date format (QDate's letters) of a date in a sentence, without the weekday:
    //: "20 March 2024".
    return textLocale().toString(date, QCoreApplication::translate("SunTexts", "d MMMM yyyy"));
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
    //: The date format (QDate's letters) of a day of the month without a year: "21 July".
    return textLocale().toString(date, QCoreApplication::translate("SunTexts", "d MMMM"));
}

// Where the Sun was at one reading of a birth time, measured from the sign change: "at
// 10:00 (UTC+02:00) on 21 July it was in Cancer, 1 day, 18 hours and 22 minutes before
// the change" (the date only with the first reading). A change inside the minute given is
// told to the second, since the minute holds both signs.
QString cuspClause(QDate date, QTime time, const TimeReading& reading, const SignChange& change,
                   const QTimeZone& zone, bool withDate) {
    const QString at = minuteWithOffset(time, reading.offsetSeconds);
    const QString day = dayAndMonth(date);
    const qint64 since = reading.utc.toMSecsSinceEpoch() - change.utc.toMSecsSinceEpoch();
    if (since <= 0 && since > -60000) {
        const LocalMoment local = localMoment(change.utc, zone);
        const QString until = local.clock.toString(QStringLiteral("HH:mm:ss"));
        if (withDate)
            //: After the cusp sentence's colon; "it" is the Sun, %1 a clock reading such as
            //: "03:06 (UTC+00:00)", %2 a day such as "20 March", %4 a time to the second.
            return QCoreApplication::translate(
                       "SunTexts", "at %1 on %2 it was in %3 until %4 and in %5 after, as it "
                                   "changed sign within that minute")
                .arg(at, day, signName(reading.sign), until, signName(change.sign));
        return QCoreApplication::translate("SunTexts",
                                           "at %1 it was in %2 until %3 and in %4 after, as it "
                                           "changed sign within that minute")
            .arg(at, signName(reading.sign), until, signName(change.sign));
    }
    const QString duration = durationText(since);
    if (withDate)
        return (since < 0 ? QCoreApplication::translate(
                                "SunTexts", "at %1 on %2 it was in %3, %4 before the change")
                          : QCoreApplication::translate(
                                "SunTexts", "at %1 on %2 it was in %3, %4 after the change"))
            .arg(at, day, signName(reading.sign), duration);
    return (since < 0 ? QCoreApplication::translate("SunTexts",
                                                    "at %1 it was in %2, %3 before the change")
                      : QCoreApplication::translate("SunTexts",
                                                    "at %1 it was in %2, %3 after the change"))
        .arg(at, signName(reading.sign), duration);
}

// A wall-clock reading (held as UTC) as "00:30", then `name` ("00:30 GMT"), then " on
// 30 December 2011" when it is not on `day`.
QString clockOn(const QDateTime& clock, QDate day, const QString& name = QString()) {
    QString text = clock.time().toString(QStringLiteral("HH:mm"));
    if (!name.isEmpty())
        text += QLatin1Char(' ') + name;
    if (clock.date() != day)
        //: A time on another day than the one asked about: "00:00 on 30 December 2011".
        return QCoreApplication::translate("SunTexts", "%1 on %2")
            .arg(text, dateText(clock.date()));
    return text;
}

// What the zone calls its time at a moment ("GMT", "BST"), or its offset where the
// zone has no letters for it ("UTC+05:00"). On Windows the toolkit's names are those
// the zone uses today, whatever the moment (Samoa's "GMT+13" for December 2011, when
// its clocks were ten hours behind UTC): there the offset is always given.
QString zoneTimeName(const QTimeZone& zone, qint64 utcMsecs) {
#ifndef Q_OS_WIN
    const QString abbreviation = zone.abbreviation(utcAt(utcMsecs));
    if (!abbreviation.isEmpty() && abbreviation.at(0).isLetter())
        return abbreviation;
#endif
    return QStringLiteral("UTC") + offsetText(zone.offsetFromUtc(utcAt(utcMsecs)));
}

// "Clocks in Europe/London went from 01:00 to 02:00 on 31 March 2024, so 01:30 did not
// happen there. Did you mean 00:30 GMT or 02:30 BST?"
QString skippedTimeText(QDate date, QTime time, const QTimeZone& zone, const ClockJump& jump) {
    const QDateTime from = utcAt(jump.atMsecs + qint64(jump.before) * 1000);
    const QDateTime to = utcAt(jump.atMsecs + qint64(jump.after) * 1000);
    // The time read with the offset after the jump falls before it, and the other way
    // round: the clocks showed these two readings at those instants.
    const qint64 reading = QDateTime(date, time, Qt::UTC).toMSecsSinceEpoch();
    const qint64 jumped = qint64(jump.after - jump.before) * 1000;
    const qint64 earlier = reading - qint64(jump.after) * 1000;
    const qint64 later = reading - qint64(jump.before) * 1000;
    const QString skipped = time.toString(QStringLiteral("HH:mm"));
    const QString meantEarlier =
        clockOn(utcAt(reading - jumped), date, zoneTimeName(zone, earlier));
    const QString meantLater = clockOn(utcAt(reading + jumped), date, zoneTimeName(zone, later));
    if (from.date() == to.date())
        return QCoreApplication::translate("SunTexts",
                                           "Clocks in %1 went from %2 to %3 on %4, so %5 did not "
                                           "happen there. Did you mean %6 or %7?")
            .arg(zoneName(zone), clockOn(from, from.date()), clockOn(to, to.date()),
                 dateText(from.date()), skipped, meantEarlier, meantLater);
    return QCoreApplication::translate("SunTexts",
                                       "Clocks in %1 went from %2 on %3 to %4 on %5, so %6 did "
                                       "not happen there. Did you mean %7 or %8?")
        .arg(zoneName(zone), clockOn(from, from.date()), dateText(from.date()),
             clockOn(to, to.date()), dateText(to.date()), skipped, meantEarlier, meantLater);
}

// One reading of a repeated time, after "at" and the clock reading: "the Sun was at
// 29°12′ Pisces, 19 hours and 22 minutes before it entered Aries" ("it was" for the
// second), or, when it entered a sign within the minute given, that change to the second.
QString repeatedClause(const QString& at, QTime time, const TimeReading& reading, bool first) {
    if (reading.changeInMinute) {
        const qint64 into =
            reading.changeInMinute->utc.toMSecsSinceEpoch() - reading.utc.toMSecsSinceEpoch();
        return QCoreApplication::translate(
                   "SunTexts", "at %1 the Sun entered %2 at %3, within the minute you gave: born "
                               "before that, the Sun was in %4; after, in %2")
            .arg(at, signName(reading.changeInMinute->sign),
                 time.addSecs(int(into / 1000)).toString(QStringLiteral("HH:mm:ss")),
                 signName(reading.sign));
    }
    QString text;
    if (first)
        //: One reading of a time the clocks showed twice, after a colon or a semicolon: %1
        //: a clock reading such as "01:30 (UTC+01:00)", %2 a place such as "4°04′ Scorpio".
        text = reading.boundaryBefore
                   ? QCoreApplication::translate("SunTexts",
                                                 "at %1 the Sun was at %2, %3 after it entered %4")
                   : QCoreApplication::translate(
                         "SunTexts", "at %1 the Sun was at %2, %3 before it entered %4");
    else
        //: The second reading of a time the clocks showed twice: "it" is the Sun.
        text = reading.boundaryBefore
                   ? QCoreApplication::translate("SunTexts",
                                                 "at %1 it was at %2, %3 after it entered %4")
                   : QCoreApplication::translate("SunTexts",
                                                 "at %1 it was at %2, %3 before it entered %4");
    return text.arg(at, positionText(reading), durationText(reading.msecsToBoundary),
                    signName(reading.boundary.sign));
}

} // namespace

QString signName(int sign) {
    if (sign < 1 || sign > kSignCount)
        return QString();
    return QCoreApplication::translate("SunSigns", kSignNames[sign - 1]);
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
    // For scripts: English sign names in every language.
    return englishSignName(change.sign) + QLatin1Char('\t') + isoMoment(change.utc, zone);
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
    // The arguments go in in one pass: an argument such as "%2" is quoted as given.
    const QString first = QString::number(kFirstYear);
    const QString last = QString::number(kLastYear);
    bool ok = false;
    const int year = argument.trimmed().toInt(&ok);
    if (!ok)
        return QCoreApplication::translate("SunTexts",
                                           "Not a year: %1 (give a year from %2 to %3).")
            .arg(quotedArgument(argument), first, last);
    if (!isSupportedYear(year))
        return QCoreApplication::translate("SunTexts",
                                           "Year %1 is outside the years covered, %2 to %3.")
            .arg(QString::number(year), first, last);
    return std::nullopt;
}

std::optional<QString> zoneArgumentError(const QString& argument) {
    constexpr qsizetype kNamed = 5;
    const ZoneMatch match = findZone(argument);
    if (match.kind == ZoneMatch::Kind::Exact)
        return std::nullopt;
    if (match.kind == ZoneMatch::Kind::None)
        return QCoreApplication::translate(
                   "SunTexts", "Unknown time zone: %1 (give a zone's name such as Europe/London, a "
                               "city, a country, or an offset such as UTC+05:30).")
            .arg(quotedArgument(argument));
    // The texts a list would offer, any of which the finder reads back as one zone.
    const QStringList offered = offers(match);
    const qsizetype count = match.places.isEmpty() ? offered.size() : match.placeCount;
    QString list = offered.first(std::min(kNamed, offered.size())).join(QStringLiteral(", "));
    if (count > kNamed)
        //: The end of a list cut short: "Europe/London, Europe/Paris and 3 more".
        list =
            QCoreApplication::translate("SunTexts", "%1 and %n more", nullptr, int(count - kNamed))
                .arg(list);
    return (match.places.isEmpty()
                ? QCoreApplication::translate("SunTexts",
                                              "%n time zones match %1: %2 (give one of them).",
                                              nullptr, int(count))
                : QCoreApplication::translate("SunTexts",
                                              "%n places match %1: %2 (give one of them).", nullptr,
                                              int(count)))
        .arg(quotedArgument(argument), list);
}

QString arcText(int arcMinutes) {
    //: Degrees and arc-minutes of a place in a sign: "29°12′".
    return QCoreApplication::translate("SunTexts", "%1\u00B0%2\u2032")
        .arg(QString::number(arcMinutes / 60),
             QStringLiteral("%1").arg(arcMinutes % 60, 2, 10, QLatin1Char('0')));
}

QString durationText(qint64 msecs) {
    const qint64 minutes = (std::abs(msecs) + 30000) / 60000;
    if (minutes == 0)
        return QCoreApplication::translate("SunTexts", "less than a minute");
    QStringList parts;
    if (const qint64 days = minutes / 1440)
        parts << counted(QCoreApplication::translate("SunTexts", "%n day(s)", nullptr, int(days)),
                         days, "day", "days");
    if (const qint64 hours = minutes / 60 % 24)
        parts << counted(QCoreApplication::translate("SunTexts", "%n hour(s)", nullptr, int(hours)),
                         hours, "hour", "hours");
    if (const qint64 rest = minutes % 60)
        parts << counted(
            QCoreApplication::translate("SunTexts", "%n minute(s)", nullptr, int(rest)), rest,
            "minute", "minutes");
    if (parts.size() == 3)
        //: Three parts of a duration: "4 days, 2 hours and 15 minutes".
        return QCoreApplication::translate("SunTexts", "%1, %2 and %3")
            .arg(parts.at(0), parts.at(1), parts.at(2));
    if (parts.size() == 2)
        //: Two parts of a duration: "19 hours and 22 minutes".
        return QCoreApplication::translate("SunTexts", "%1 and %2").arg(parts.at(0), parts.at(1));
    return parts.first();
}

QString dayText(const DayReading& day, const QTimeZone& zone) {
    const QString date = dateText(day.date);
    if (!day.exists)
        return QCoreApplication::translate("SunTexts",
                                           "%1 did not exist in %2: its clocks skipped that whole "
                                           "day.")
            .arg(date, zoneName(zone));
    if (day.changed)
        return QCoreApplication::translate("SunTexts",
                                           "On %1 the Sun entered %2 at %3: born before then, the "
                                           "Sun was in %4; after, in %2.")
            .arg(date, signName(day.signEntered), localMinuteText(day.change.utc, zone),
                 signName(day.signLeft));
    const ClockReading boundary = clockReading(day.boundary.utc, zone);
    //: A moment: "20 April 1990 at 14:27 (UTC+00:00)".
    const QString when =
        QCoreApplication::translate("SunTexts", "%1 at %2 (UTC%3)")
            .arg(dateText(boundary.date), boundary.time, offsetText(boundary.offsetSeconds));
    if (day.boundaryBefore)
        return QCoreApplication::translate("SunTexts",
                                           "The Sun was in %1 all day on %2, whatever the time of "
                                           "birth. It had entered %1 on %3, %4 before that day "
                                           "began.")
            .arg(signName(day.sign), date, when, durationText(day.msecs));
    return QCoreApplication::translate("SunTexts",
                                       "The Sun was in %1 all day on %2, whatever the time of "
                                       "birth. It entered %3 on %4, %5 after that day ended.")
        .arg(signName(day.sign), date, signName(day.boundary.sign), when, durationText(day.msecs));
}

QString positionText(const TimeReading& reading) {
    //: A place in a sign: "29°12′ Pisces".
    return QCoreApplication::translate("SunTexts", "%1 %2")
        .arg(arcText(reading.arcMinutesInSign), signName(reading.sign));
}

QString distanceText(const TimeReading& reading) {
    return (reading.boundaryBefore
                ? QCoreApplication::translate("SunTexts", "%1 after it entered %2")
                : QCoreApplication::translate("SunTexts", "%1 before it entered %2"))
        .arg(durationText(reading.msecsToBoundary), signName(reading.boundary.sign));
}

QString timeText(QDate date, QTime time, const QTimeZone& zone,
                 const QList<TimeReading>& readings) {
    const QString clock = time.toString(QStringLiteral("HH:mm"));
    if (readings.isEmpty()) {
        if (const std::optional<ClockJump> jump = jumpOver(date, time, zone))
            return skippedTimeText(date, time, zone, *jump);
        return QCoreApplication::translate("SunTexts",
                                           "No clock in %1 showed %2 on %3: that time did not "
                                           "exist there.")
            .arg(zoneName(zone), clock, dateText(date));
    }
    if (readings.size() == 1) {
        const TimeReading& only = readings.first();
        const QString at = minuteWithOffset(time, only.offsetSeconds);
        if (only.changeInMinute) {
            const qint64 into =
                only.changeInMinute->utc.toMSecsSinceEpoch() - only.utc.toMSecsSinceEpoch();
            return QCoreApplication::translate(
                       "SunTexts", "The Sun entered %1 at %2, within the minute you gave: born "
                                   "before that, the Sun was in %3; after, in %1.")
                .arg(signName(only.changeInMinute->sign),
                     time.addSecs(int(into / 1000)).toString(QStringLiteral("HH:mm:ss")),
                     signName(only.sign));
        }
        return (only.boundaryBefore
                    ? QCoreApplication::translate("SunTexts",
                                                  "At %1 on %2 the Sun was at %3, %4 after it "
                                                  "entered %5.")
                    : QCoreApplication::translate("SunTexts",
                                                  "At %1 on %2 the Sun was at %3, %4 before it "
                                                  "entered %5."))
            .arg(at, dateText(date), positionText(only), durationText(only.msecsToBoundary),
                 signName(only.boundary.sign));
    }
    const TimeReading& first = readings.first();
    const TimeReading& second = readings.at(1);
    const bool summerTimeEnded = zone.isDaylightTime(first.utc) && !zone.isDaylightTime(second.utc);
    const QString firstClause =
        repeatedClause(minuteWithOffset(time, first.offsetSeconds), time, first, true);
    const QString secondClause =
        repeatedClause(minuteWithOffset(time, second.offsetSeconds), time, second, false);
    return (summerTimeEnded
                ? QCoreApplication::translate("SunTexts",
                                              "%1 on %2 happened twice in %3, as the clocks went "
                                              "back at the end of summer time: %4; %5.")
                : QCoreApplication::translate("SunTexts",
                                              "%1 on %2 happened twice in %3, as the clocks went "
                                              "back: %4; %5."))
        .arg(clock, dateText(date), zoneName(zone), firstClause, secondClause);
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
    // The first sentence and the start of the second; the rest tells the day or time asked
    // about, as a clause after the colon.
    const auto sentence = [&](const QString& rest) {
        //: %1 a day such as "21 July", %4 a date, %5 a clock reading such as "04:22
        //: (UTC+02:00)", %6 what the Sun did on the day or at the time asked about.
        return QCoreApplication::translate("SunTexts",
                                           "By the calendar rule, %1 is on the cusp of %2 and %3. "
                                           "The Sun itself entered %3 on %4 at %5: %6.")
            .arg(dayAndMonth(date), signName(cusp->leaving), signName(cusp->entering),
                 dateText(clock.date), localMinuteText(change.utc, zone), rest);
    };

    if (!time) {
        const std::optional<DayReading> day = readDay(date, zone);
        if (!day)
            return std::nullopt;
        if (!day->exists)
            return sentence(QCoreApplication::translate("SunTexts", "%1 did not exist in %2")
                                .arg(dateText(date), zoneName(zone)));
        if (day->changed)
            return sentence(
                QCoreApplication::translate("SunTexts",
                                            "on %1 it was in %2 until then and in %3 after")
                    .arg(dayAndMonth(date), signName(day->signLeft), signName(day->signEntered)));
        return sentence(QCoreApplication::translate("SunTexts", "on %1 it was in %2 all day")
                            .arg(dayAndMonth(date), signName(day->sign)));
    }

    const std::optional<QList<TimeReading>> readings = readTime(date, *time, zone);
    if (!readings)
        return std::nullopt;
    if (readings->isEmpty())
        return sentence(
            QCoreApplication::translate("SunTexts", "no clock in %1 showed %2 on %3")
                .arg(zoneName(zone), time->toString(QStringLiteral("HH:mm")), dayAndMonth(date)));
    const QString first = cuspClause(date, *time, readings->first(), change, zone, true);
    if (readings->size() == 1)
        return sentence(first);
    //: Two readings of a time the clocks showed twice, each "at 23:30 (UTC+04:30) it was in …".
    return sentence(
        QCoreApplication::translate("SunTexts", "%1; when the clocks showed it again, %2")
            .arg(first, cuspClause(date, *time, readings->at(1), change, zone, false)));
}

} // namespace Astro
