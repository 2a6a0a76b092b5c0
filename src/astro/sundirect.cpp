#include "sundirect.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace Astro {

namespace {

// The equinox itself moves back along the ecliptic (general precession in longitude,
// IAU 2006: 5028.796195" a century), which adds to the longitude's rate.
constexpr double kPrecessionRate = 5028.796195 / 3600.0 / ERFA_DJC; // degrees a day

// Rotation about the x axis by angle a: from the true equator to the true ecliptic of
// date when a is the true obliquity.
void toEcliptic(const double equatorial[3], double cosEps, double sinEps, double out[3]) {
    out[0] = equatorial[0];
    out[1] = cosEps * equatorial[1] + sinEps * equatorial[2];
    out[2] = -sinEps * equatorial[1] + cosEps * equatorial[2];
}

// The apparent place from the Sun's direction seen from the Earth (au, ICRS axes), the
// Earth's heliocentric and barycentric velocities (au/day) and the nutation.
SunPlace placeOfDate(double tt, const Nutation& nutation, const double sunFromEarth[3],
                     const double earthHeliocentricVelocity[3],
                     const double earthBarycentricVelocity[3]) {
    // Annual aberration: the Earth's barycentric velocity in units of c.
    double toSun[3] = {sunFromEarth[0], sunFromEarth[1], sunFromEarth[2]};
    double natural[3];
    double distance = 0.0;
    eraPn(toSun, &distance, natural);
    double v[3];
    for (int i = 0; i < 3; ++i)
        v[i] = earthBarycentricVelocity[i] * ERFA_AULT / ERFA_DAYSEC;
    const double bm1 = std::sqrt(1.0 - eraPdp(v, v));
    double apparent[3];
    eraAb(natural, v, distance, bm1, apparent);

    // Precession-nutation (with frame bias) to the true equator and equinox of date.
    double epsa = 0.0;
    double rb[3][3];
    double rp[3][3];
    double rbp[3][3];
    double rn[3][3];
    double rbpn[3][3];
    eraPn06(ERFA_DJ00, tt, nutation.dpsi, nutation.deps, &epsa, rb, rp, rbp, rn, rbpn);
    double ofDate[3];
    eraRxp(rbpn, apparent, ofDate);

    // To the true ecliptic of date.
    const double eps = epsa + nutation.deps;
    const double cosEps = std::cos(eps);
    const double sinEps = std::sin(eps);
    double ecliptic[3];
    toEcliptic(ofDate, cosEps, sinEps, ecliptic);

    SunPlace place;
    place.longitude = eraAnp(std::atan2(ecliptic[1], ecliptic[0])) * ERFA_DR2D;

    // The rate from the geometric motion (the Earth's heliocentric velocity seen in the
    // same frame) plus precession; aberration and nutation change it by under 4e-5 of it.
    double velocityFromEarth[3];
    for (int i = 0; i < 3; ++i)
        velocityFromEarth[i] = -earthHeliocentricVelocity[i];
    double tmp[3];
    double position[3];
    double velocity[3];
    eraRxp(rbpn, toSun, tmp);
    toEcliptic(tmp, cosEps, sinEps, position);
    eraRxp(rbpn, velocityFromEarth, tmp);
    toEcliptic(tmp, cosEps, sinEps, velocity);
    const double rho2 = position[0] * position[0] + position[1] * position[1];
    place.rate = (position[0] * velocity[1] - position[1] * velocity[0]) / rho2 * ERFA_DR2D +
                 kPrecessionRate;
    return place;
}

} // namespace

Nutation nutationAt(double tt) {
    Nutation n;
    eraNut06a(ERFA_DJ00, tt, &n.dpsi, &n.deps);
    return n;
}

SunPlace apparentSunDirect(double tt) {
    // Earth: heliocentric (pvh) and barycentric (pvb) position (au) and velocity (au/day).
    double pvh[2][3];
    double pvb[2][3];
    eraEpv00(ERFA_DJ00, tt, pvh, pvb); // status 1 only outside 1900-2100

    // The Sun seen from the Earth, where it was when its light set out: the Sun's own
    // barycentric velocity (pvb - pvh) times the light time.
    double sunFromEarth[3];
    double sunVelocity[3];
    for (int i = 0; i < 3; ++i) {
        sunFromEarth[i] = -pvh[0][i];
        sunVelocity[i] = pvb[1][i] - pvh[1][i];
    }
    const double lightTime = eraPm(sunFromEarth) * ERFA_AULT / ERFA_DAYSEC; // days
    for (int i = 0; i < 3; ++i)
        sunFromEarth[i] -= sunVelocity[i] * lightTime;
    return placeOfDate(tt, nutationAt(tt), sunFromEarth, pvh[1], pvb[1]);
}

} // namespace Astro
