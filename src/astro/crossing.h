#pragma once

#include "sun.h"

namespace Astro {

// The instant the Sun's apparent longitude reaches a given angle.
struct Crossing {
    double tt = 0.0;     // TT, days since J2000.0
    double rate = 0.0;   // degrees per day at the crossing
    int evaluations = 0; // positions computed on the way (for the benchmark)
};

// Finds the crossing of targetDegrees (any angle; 360 and 0 are the same) nearest to
// guessTt, which must lie within 150 days of it. The longitude always grows, between
// 0.95 and 1.02 degrees a day, so one position brackets the root; Newton steps with
// apparentSun are kept inside the bracket (bisecting when a step would leave it), and
// the search stops once a step is under 0.01 day: the longitude's curvature then
// bounds the remaining error to 0.004 s inside the table's years (whose rate is the
// exact derivative of its longitude), 0.04 s outside them.
Crossing findCrossing(double targetDegrees, double guessTt);

} // namespace Astro
