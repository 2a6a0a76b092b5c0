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

// The same with a nutation computed elsewhere.
SunPlace apparentSun(double tt, const Nutation& nutation);

// A rough place for the first step of a search: the same reductions, but the Earth-Moon
// barycentre of eraPlan94 stands in for the Earth (off by up to 15" in longitude; the
// Moon pulls the Earth around it every month) and the light time is left out. With a
// nutation from up to a month away it is within 20" of apparentSun, for a fiftieth of
// the cost.
SunPlace approximateSun(double tt, const Nutation& nutation);

} // namespace Astro
