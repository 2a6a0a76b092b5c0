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

// The first step is taken from approximateSun: within 20" of the true place with a
// nutation from up to a month away, within 35" with none at all, that is under 0.01 day
// of the Sun's motion; its bracket is widened by three times that.
constexpr double kRoughSlack = 0.03;

// Stop once a step is below 0.01 day: with the longitude's curvature (under 0.0006
// degree a day per day) and what the rate leaves out (nutation's own motion, under
// 4e-5 of it) the step that would follow is below 5e-7 day, 0.04 s.
constexpr double kStopStep = 0.01;

constexpr int kMaxSteps = 60;

} // namespace

Crossing findCrossing(double targetDegrees, double guessTt,
                      const std::optional<Nutation>& nearbyNutation) {
    double lo = -std::numeric_limits<double>::infinity();
    double hi = std::numeric_limits<double>::infinity();
    double t = guessTt;
    Crossing result;
    for (int step = 0; step < kMaxSteps; ++step) {
        const bool rough = step == 0;
        SunPlace place;
        if (rough) {
            place = approximateSun(t, nearbyNutation.value_or(Nutation{}));
        } else {
            result.nutation = nutationAt(t);
            place = apparentSun(t, result.nutation);
            ++result.evaluations;
        }
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
