#pragma once

#include <QtGlobal>

// Civil time (UTC, counted in milliseconds since 1970-01-01T00:00:00Z as QDateTime
// does) and Terrestrial Time (TT, the uniform time of the ephemerides), counted in
// days since J2000.0 (2000-01-01T12:00:00 TT).
//
// TT - UTC comes from three places:
//  - from 1972-01-01 until the last leap second in ERFA's table: TAI - UTC from the
//    table (eraDat) plus the fixed TT - TAI = 32.184 s;
//  - after the table: TAI - UTC held at its last value (37 s since 2017-01-01), that
//    is no further leap seconds;
//  - before 1972: civil time followed Universal Time, so TT - UTC is taken as
//    Delta T = TT - UT from Espenak and Meeus' polynomial expressions, eased over
//    1971 so that it meets the table's 42.184 s exactly at 1972-01-01.
namespace Astro {

inline constexpr double kTtMinusTai = 32.184; // seconds, by definition

// Delta T = TT - UT in seconds at a decimal year (e.g. 1950.5), from F. Espenak and
// J. Meeus, "Polynomial Expressions for Delta T (ΔT)", Five Millennium Canon of
// Lunar Eclipses, NASA, eclipse.gsfc.nasa.gov/LEcat5/deltatpoly.html: their
// expressions for 1860 to 2050; outside that span the nearest one is used.
double deltaTExpression(double decimalYear);

// The year with its fraction at a UTC instant: 1972-01-01T00:00Z is 1972.0.
double decimalYear(qint64 utcMsecs);

// TT - UTC in seconds at a UTC instant, as described above.
double ttMinusUtc(qint64 utcMsecs);

// TT in days since J2000.0 for a UTC instant, and back. ttToUtc is rounded to the
// millisecond; a TT instant inside an inserted leap second (23:59:60, which
// QDateTime cannot show) comes back as the 00:00:00 that follows it.
double utcToTt(qint64 utcMsecs);
qint64 ttToUtc(double ttDays);

} // namespace Astro
