#pragma once

#include "sundirect.h"

// The Sun's apparent geocentric ecliptic longitude (sundirect.h says what it is and how
// it is computed), as the program reads it: from a table of Chebyshev series fitted to
// the full computation when the program was built (suntable.h), which stays within
// 0.0005" of it. Sign boundaries lie every 30 degrees of this longitude, 0 degrees being
// Aries.
namespace Astro {

// The apparent longitude at a TT instant (days since J2000.0): from the table inside
// its years (late November 1899 to February 2051), the rate being the exact derivative
// of the table's longitude; computed in full (apparentSunDirect) outside them.
SunPlace apparentSun(double tt);

// Whether apparentSun reads the table at a TT instant.
bool inSunTable(double tt);

} // namespace Astro
