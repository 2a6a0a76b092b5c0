#pragma once

// The Sun's apparent geocentric ecliptic longitude, referred to the true ecliptic and
// equinox of date, at an instant of Terrestrial Time (days since J2000.0), computed in
// full from ERFA's IAU routines:
//  - eraEpv00: the Earth's heliocentric and barycentric position and velocity
//    (BCRS; TT stands in for TDB, which differs by under 2 ms);
//  - light time: the Sun is placed where it was when the light left it;
//  - eraAb: annual aberration from the Earth's barycentric velocity;
//  - eraPn06 (IAU 2006 precession, with frame bias) and eraNut06a (IAU 2000A
//    nutation as adjusted for IAU 2006): to the true equator and equinox of date;
//  - the true obliquity (mean obliquity of IAU 2006 plus nutation in obliquity):
//    to the true ecliptic of date.
// Some 100 us a position, nearly all of it in eraEpv00 and eraNut06a. The program
// reads the same longitude from a table fitted to this computation (sun.h); the table
// is made from it at build time (tablegen/), and this stays the reference and the
// fallback outside the table's years.
namespace Astro {

// Nutation in longitude and obliquity, radians.
struct Nutation {
    double dpsi = 0.0;
    double deps = 0.0;
};

struct SunPlace {
    double longitude = 0.0; // degrees, 0 <= longitude < 360
    double rate = 0.0;      // degrees per day, how fast the longitude grows
};

// IAU 2000A nutation (eraNut06a) at a TT instant.
Nutation nutationAt(double tt);

// The apparent longitude at a TT instant, computed in full. The rate is the geometric
// motion plus precession; it leaves out how aberration and nutation change (under
// 4e-5 of it).
SunPlace apparentSunDirect(double tt);

} // namespace Astro
