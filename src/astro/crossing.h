#pragma once

#include "sun.h"

#include <optional>

namespace Astro {

// The instant the Sun's apparent longitude reaches a given angle.
struct Crossing {
    double tt = 0.0;     // TT, days since J2000.0
    double rate = 0.0;   // degrees per day at the crossing
    Nutation nutation;   // as computed at the last step, for a nearby next search
    int evaluations = 0; // full positions computed on the way (for the benchmark)
};

// Finds the crossing of targetDegrees (any angle; 360 and 0 are the same) nearest to
// guessTt, which must lie within 150 days of it. The longitude always grows, between
// 0.95 and 1.02 degrees a day, so one position brackets the root; Newton steps are
// kept inside the bracket (bisecting when a step would leave it). The first step uses
// approximateSun, the later ones the full apparentSun, and the search stops once a
// step is under 0.01 day: the longitude's curvature and the rate's small omissions
// then bound the remaining error to 0.04 s.
//
// A nutation from an instant near guessTt (e.g. the previous crossing's, a month
// away) makes the first step better; without one it takes none.
Crossing findCrossing(double targetDegrees, double guessTt,
                      const std::optional<Nutation>& nearbyNutation = std::nullopt);

} // namespace Astro
