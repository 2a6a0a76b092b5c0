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

// A nutation borrowed from up to a month away is off by under 2", which puts the
// rough position under 0.001 day off: widen its bracket by ten times that.
constexpr double kRoughSlack = 0.01;

// Stop once a step is below this (86 s): with the longitude's curvature (under
// 0.0006 degree a day per day) and the rate's small approximations (under 1e-4 of
// it), the step that would follow is below 3e-8 day, about 3 ms.
constexpr double kStopStep = 1e-3;

constexpr int kMaxSteps = 60;

} // namespace

Crossing findCrossing(double targetDegrees, double guessTt,
                      const std::optional<Nutation>& nearbyNutation) {
    double lo = -std::numeric_limits<double>::infinity();
    double hi = std::numeric_limits<double>::infinity();
    double t = guessTt;
    Crossing result;
    for (int step = 0; step < kMaxSteps; ++step) {
        const bool rough = step == 0 && nearbyNutation.has_value();
        if (!rough)
            result.nutation = nutationAt(t);
        const SunPlace place = apparentSun(t, rough ? *nearbyNutation : result.nutation);
        ++result.evaluations;
        result.rate = place.rate;

        // How far past the target the Sun is, in (-180, 180] degrees.
        const double f = std::remainder(place.longitude - targetDegrees, 360.0);
        const double slack = rough ? kRoughSlack : 0.0;
        if (f <= 0.0) {
            lo = std::max(lo, t + -f / kMaxRate - slack);
            hi = std::min(hi, t + -f / kMinRate + slack);
        } else {
            lo = std::max(lo, t - f / kMinRate - slack);
            hi = std::min(hi, t - f / kMaxRate + slack);
        }

        double next = t - f / place.rate;
        if (!(next >= lo && next <= hi))
            next = 0.5 * (lo + hi);
        if (!rough && std::abs(next - t) < kStopStep) {
            result.tt = next;
            return result;
        }
        t = next;
    }
    result.tt = t; // not reached: the bracket halves at least every other step
    return result;
}

} // namespace Astro
