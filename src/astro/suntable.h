#pragma once

// The layout of the table of the Sun's apparent longitude: Chebyshev series fitted at
// build time (tablegen/) to the full computation (apparentSunDirect), one per segment
// of fixed length. Each series gives the unwrapped longitude in degrees (it keeps
// growing past 360, so that it has no jumps), its derivative the rate.
namespace Astro::SunTable {

// 1899-11-26 12:00 TT, days since J2000.0: some five weeks before 1 January 1900 begins
// in UTC+14, so that the sign change before it (late December 1899) is in the table too.
inline constexpr double kFirstTt = -36560.0;
inline constexpr double kSegmentDays = 16.0;
inline constexpr int kSegments = 3452; // to 2051-02-14 12:00 TT, past the next change
inline constexpr int kDegree = 13;
inline constexpr int kTerms = kDegree + 1; // coefficients a segment
inline constexpr double kEndTt = kFirstTt + kSegments * kSegmentDays;

// The fit's bound, checked when the table is made: between the nodes of every segment
// the table is within this of the full computation.
inline constexpr double kMaxErrorArcsec = 0.0005;

// The series, kTerms coefficients for each segment in turn: made when the program is
// built (tablegen/ writes their definition).
extern const double kCoefficients[kSegments * kTerms];

// The series of one segment, coefficients c[0..kDegree] of T_0..T_kDegree, at
// x in [-1, 1] (the segment's start to its end): value and derivative in x.
struct SeriesValue {
    double value = 0.0;
    double derivative = 0.0;
};

inline SeriesValue evaluateSeries(const double* c, double x) {
    // T_k and T_k' by their recurrences, summed as they come.
    double tPrev = 1.0;
    double t = x;
    double dPrev = 0.0;
    double d = 1.0;
    SeriesValue s{c[0] + c[1] * x, c[1]};
    for (int k = 2; k < kTerms; ++k) {
        const double tNext = 2.0 * x * t - tPrev;
        const double dNext = 2.0 * t + 2.0 * x * d - dPrev;
        s.value += c[k] * tNext;
        s.derivative += c[k] * dNext;
        tPrev = t;
        t = tNext;
        dPrev = d;
        d = dNext;
    }
    return s;
}

} // namespace Astro::SunTable
