#include "crossing.h"

#include <cmath>
#include <limits>

namespace Astro {

namespace {

// Bounds on how fast the apparent longitude grows (0.953 to 1.019 degrees a day over
// the year), with room to spare: the root lies within |f| / 1.1 and |f| / 0.9 days of
// an instant where the longitude is f degrees short of (or past) the target.
constexpr double kMinRate = 0.9;
constexpr double kMaxRate = 1.1;

// Stop once a step is below 0.01 day. The longitude's curvature is under 0.0007 degree
// a day per day (the yearly change of the rate, the Moon's monthly pull on the Earth,
// nutation), so with the table's exact rate the step that would follow is below
// 0.0007 / (2 * 0.95) * 0.01^2 = 4e-8 day, 0.004 s. Outside the table the full
// computation's rate leaves out how nutation and aberration change (under 4e-5 of it):
// below 5e-7 day, 0.04 s.
constexpr double kStopStep = 0.01;

constexpr int kMaxSteps = 60;

} // namespace

Crossing findCrossing(double targetDegrees, double guessTt) {
    double lo = -std::numeric_limits<double>::infinity();
    double hi = std::numeric_limits<double>::infinity();
    double t = guessTt;
    Crossing result;
    for (int step = 0; step < kMaxSteps; ++step) {
        const SunPlace place = apparentSun(t);
        ++result.evaluations;
        result.rate = place.rate;

        // How far past the target the Sun is, in (-180, 180] degrees.
        const double f = std::remainder(place.longitude - targetDegrees, 360.0);
        if (f <= 0.0) {
            lo = std::max(lo, t + -f / kMaxRate);
            hi = std::min(hi, t + -f / kMinRate);
        } else {
            lo = std::max(lo, t - f / kMinRate);
            hi = std::min(hi, t - f / kMaxRate);
        }

        double next = t - f / place.rate;
        if (!(next >= lo && next <= hi))
            next = 0.5 * (lo + hi);
        if (std::abs(next - t) < kStopStep) {
            result.tt = next;
            return result;
        }
        t = next;
    }
    result.tt = t; // not reached: the bracket halves at least every other step
    return result;
}

} // namespace Astro
