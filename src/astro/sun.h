#pragma once

// The Sun's apparent geocentric ecliptic longitude, referred to the true ecliptic and
// equinox of date, at an instant of Terrestrial Time (days since J2000.0), from
// ERFA's IAU routines:
//  - eraEpv00: the Earth's heliocentric and barycentric position and velocity
//    (BCRS; TT stands in for TDB, which differs by under 2 ms);
//  - light time: the Sun is placed where it was when the light left it;
//  - eraAb: annual aberration from the Earth's barycentric velocity;
//  - eraPn06 (IAU 2006 precession, with frame bias) and eraNut06a (IAU 2000A
//    nutation as adjusted for IAU 2006): to the true equator and equinox of date;
//  - the true obliquity (mean obliquity of IAU 2006 plus nutation in obliquity):
//    to the true ecliptic of date.
// Sign boundaries lie every 30 degrees of this longitude, 0 degrees being Aries.
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

// The apparent longitude at a TT instant.
SunPlace apparentSun(double tt);

// The same with a nutation computed elsewhere: the solver takes the nutation of a
// nearby instant for its first, rough step (nutation moves by less than 0.1" a day).
SunPlace apparentSun(double tt, const Nutation& nutation);

} // namespace Astro
