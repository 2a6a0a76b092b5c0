#pragma once

#include <QDateTime>
#include <QList>
#include <QTimeZone>

namespace Astro {

// The years whose sign changes are computed: ERFA's Earth ephemeris and the time
// scales used here are meant for them.
inline constexpr int kFirstYear = 1900;
inline constexpr int kLastYear = 2050;

bool isSupportedYear(int year);

// Signs are numbered 1 (Aries) to 12 (Pisces), as the program's ZodiacSign; sign n
// begins at (n - 1) * 30 degrees of the Sun's apparent longitude.
inline constexpr int kSignCount = 12;

// The moment the Sun entered a sign.
struct SignChange {
    int sign = 0;   // the sign entered, 1..12
    QDateTime utc;  // the instant, in UTC, to the millisecond
    double tt = 0.; // the same instant in TT, days since J2000.0
};

// The twelve moments the Sun entered a sign during the local calendar year (from
// 1 January 00:00 to the next 1 January 00:00 in the zone), in calendar order:
// Aquarius in January first, Capricorn in December last. Empty for a year outside
// kFirstYear..kLastYear or an invalid zone.
QList<SignChange> signChangesInYear(int year, const QTimeZone& zone);

// The sign change into `sign` nearest to a TT instant (within half a year of it).
SignChange signChangeNear(int sign, double tt);

} // namespace Astro
