#include "timescales.h"

#include <QDate>

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <cmath>

namespace Astro {

namespace {

constexpr qint64 kMsecsPerDay = 86400000;
constexpr qint64 kUnixEpochJulianDay = 2440588; // QDate::toJulianDay() of 1970-01-01
constexpr double kUnixEpochJd = 2440587.5;      // 1970-01-01T00:00Z as a Julian date

// 1971-01-01 and 1972-01-01, 00:00 UTC.
constexpr qint64 kEaseStart = 365 * kMsecsPerDay;
constexpr qint64 kLeapSecondsStart = 730 * kMsecsPerDay;
// TT - UTC when leap seconds began: TAI - UTC was 10 s.
constexpr double kTtMinusUtcAt1972 = 10.0 + kTtMinusTai;

qint64 floorDiv(qint64 a, qint64 b) {
    const qint64 q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

QDate utcDate(qint64 utcMsecs) {
    return QDate::fromJulianDay(floorDiv(utcMsecs, kMsecsPerDay) + kUnixEpochJulianDay);
}

// TAI - UTC from ERFA's table for a UTC day from 1972 on. Past the table's last
// entry eraDat keeps returning that entry's value and warns (status 1) that the year
// is beyond what its release can know: that constant is the extrapolation we want.
double taiMinusUtc(qint64 utcMsecs) {
    const QDate day = utcDate(utcMsecs);
    double delta = 0.0;
    const int status = eraDat(day.year(), day.month(), day.day(), 0.0, &delta);
    Q_ASSERT(status == 0 || status == 1);
    Q_UNUSED(status);
    return delta;
}

// Where one of Espenak and Meeus' expressions hands over to the next they differ a
// little: 0.09 s at 1900, under 0.04 s at 1920, 1941 and 1961. A step in TT - UTC would
// give some TT instants two UTC readings, so each step is spread over the year after
// its join.
double continuousDeltaT(double y) {
    constexpr double kJoins[] = {1900.0, 1920.0, 1941.0, 1961.0};
    double value = deltaTExpression(y);
    for (const double join : kJoins) {
        if (y >= join && y < join + 1.0) {
            const double step =
                deltaTExpression(std::nextafter(join, 0.0)) - deltaTExpression(join);
            value += step * (join + 1.0 - y);
        }
    }
    return value;
}

} // namespace

double deltaTExpression(double y) {
    // Espenak & Meeus, "Polynomial Expressions for Delta T (ΔT)" (see the header).
    if (y < 1900.0) {
        const double t = y - 1860.0;
        return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * t * t * t -
               0.0004473624 * std::pow(t, 4) + std::pow(t, 5) / 233174.0;
    }
    if (y < 1920.0) {
        const double t = y - 1900.0;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t -
               0.000197 * std::pow(t, 4);
    }
    if (y < 1941.0) {
        const double t = y - 1920.0;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
    }
    if (y < 1961.0) {
        const double t = y - 1950.0;
        return 29.07 + 0.407 * t - t * t / 233.0 + t * t * t / 2547.0;
    }
    if (y < 1986.0) {
        const double t = y - 1975.0;
        return 45.45 + 1.067 * t - t * t / 260.0 - t * t * t / 718.0;
    }
    if (y < 2005.0) {
        const double t = y - 2000.0;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t +
               0.000651814 * std::pow(t, 4) + 0.00002373599 * std::pow(t, 5);
    }
    const double t = y - 2000.0;
    return 62.92 + 0.32217 * t + 0.005589 * t * t;
}

double decimalYear(qint64 utcMsecs) {
    const int year = utcDate(utcMsecs).year();
    const qint64 start = (QDate(year, 1, 1).toJulianDay() - kUnixEpochJulianDay) * kMsecsPerDay;
    const qint64 end = (QDate(year + 1, 1, 1).toJulianDay() - kUnixEpochJulianDay) * kMsecsPerDay;
    return year + double(utcMsecs - start) / double(end - start);
}

double ttMinusUtc(qint64 utcMsecs) {
    if (utcMsecs >= kLeapSecondsStart)
        return taiMinusUtc(utcMsecs) + kTtMinusTai;

    const double deltaT = continuousDeltaT(decimalYear(utcMsecs));
    if (utcMsecs < kEaseStart)
        return deltaT;
    // The expression gives 42.25 s at 1972.0 where the table starts at 42.184 s: the
    // difference (well inside the expression's own uncertainty) is taken out
    // linearly over 1971, so that TT - UTC has no step at the join.
    const double mismatch = kTtMinusUtcAt1972 - deltaTExpression(1972.0);
    const double share = double(utcMsecs - kEaseStart) / double(kLeapSecondsStart - kEaseStart);
    return deltaT + mismatch * share;
}

double utcToTt(qint64 utcMsecs) {
    const double utcDays = double(utcMsecs) / kMsecsPerDay + (kUnixEpochJd - ERFA_DJ00);
    return utcDays + ttMinusUtc(utcMsecs) / ERFA_DAYSEC;
}

qint64 ttToUtc(double ttDays) {
    // The TT instant on the same millisecond count as UTC; UTC trails it by TT - UTC.
    const double ttMsecs = (ttDays + (ERFA_DJ00 - kUnixEpochJd)) * kMsecsPerDay;
    qint64 utc = std::llround(ttMsecs - 1000.0 * ttMinusUtc(std::llround(ttMsecs)));
    for (int i = 0; i < 3; ++i)
        utc = std::llround(ttMsecs - 1000.0 * ttMinusUtc(utc));
    if (std::abs(double(utc) + 1000.0 * ttMinusUtc(utc) - ttMsecs) <= 1.0)
        return utc;
    // No UTC reading has this TT: it falls in an inserted leap second, and the
    // iteration swings between the readings either side of it. The next whole UTC
    // second after the earlier one is the 00:00:00 that ends the leap second.
    const qint64 other = std::llround(ttMsecs - 1000.0 * ttMinusUtc(utc));
    return (floorDiv(std::min(utc, other), 1000) + 1) * 1000;
}

} // namespace Astro
