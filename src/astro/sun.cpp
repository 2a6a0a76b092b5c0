#include "sun.h"

#include "suntable.h"

#include <algorithm>
#include <cmath>

namespace Astro {

bool inSunTable(double tt) {
    return tt >= SunTable::kFirstTt && tt < SunTable::kEndTt;
}

SunPlace apparentSun(double tt) {
    using namespace SunTable;
    if (!inSunTable(tt))
        return apparentSunDirect(tt);
    const double days = tt - kFirstTt;
    const int segment = std::min(int(days / kSegmentDays), kSegments - 1);
    const double x = 2.0 * (days - segment * kSegmentDays) / kSegmentDays - 1.0;
    const SeriesValue s = evaluateSeries(kCoefficients + segment * kTerms, x);
    SunPlace place;
    // Unwrapped, the longitude is negative before 2000: into [0, 360).
    place.longitude = std::fmod(s.value, 360.0);
    if (place.longitude < 0.0)
        place.longitude += 360.0;
    if (place.longitude >= 360.0) // -1e-14 + 360
        place.longitude = 0.0;
    place.rate = s.derivative * 2.0 / kSegmentDays;
    return place;
}

} // namespace Astro
