// solvanta_suntablegen: fits the table of the Sun's apparent longitude (suntable.h) to
// the full computation (apparentSunDirect) and writes it as C++ source. Run by the
// build; the program reads the table instead of computing each position in full.
//
//   solvanta_suntablegen OUTPUT.cpp
//
// Each segment's series interpolates the unwrapped longitude at the Chebyshev nodes of
// its degree. The table is then checked against the full computation at eight points of
// every segment that are not nodes, its two ends among them: if any is off by
// kMaxErrorArcsec or more, nothing is written and the exit status is 1. Prints the
// largest error found and how long it took.

#include "sundirect.h"
#include "suntable.h"

#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace Astro::SunTable;

constexpr double kPi = 3.14159265358979323846;
constexpr int kChecksPerSegment = 8;

// The Sun's mean longitude (degrees, mean equinox of date), which the apparent one stays
// within about 2.5 degrees of: it tells which turn an apparent longitude belongs to.
double meanLongitude(double tt) {
    const double centuries = tt / 36525.0;
    return 280.46646 + 36000.76983 * centuries + 0.0003032 * centuries * centuries;
}

// The apparent longitude counted on from the turn that J2000's mean longitude is in:
// negative before 2000, growing without a jump.
double unwrappedLongitude(double tt) {
    const double longitude = Astro::apparentSunDirect(tt).longitude;
    return longitude + 360.0 * std::round((meanLongitude(tt) - longitude) / 360.0);
}

double segmentStart(int segment) {
    return kFirstTt + segment * kSegmentDays;
}

double instantAt(int segment, double x) {
    return segmentStart(segment) + (x + 1.0) * 0.5 * kSegmentDays;
}

// Interpolates one segment at the kTerms Chebyshev nodes.
std::array<double, kTerms> fitSegment(int segment) {
    std::array<double, kTerms> values{};
    for (int j = 0; j < kTerms; ++j)
        values[size_t(j)] =
            unwrappedLongitude(instantAt(segment, std::cos(kPi * (j + 0.5) / kTerms)));
    std::array<double, kTerms> c{};
    for (int k = 0; k < kTerms; ++k) {
        double sum = 0.0;
        for (int j = 0; j < kTerms; ++j)
            sum += values[size_t(j)] * std::cos(kPi * k * (j + 0.5) / kTerms);
        c[size_t(k)] = 2.0 * sum / kTerms;
    }
    c[0] *= 0.5;
    return c;
}

// The largest difference, arcseconds, between a segment's series and the full
// computation at its check points (both ends and six points between, none a node).
struct Check {
    double errorArcsec = 0.0;
    double tt = 0.0;
};

Check checkSegment(int segment, const double* c) {
    Check worst;
    for (int i = 0; i < kChecksPerSegment; ++i) {
        const double x = -1.0 + 2.0 * i / (kChecksPerSegment - 1);
        const double tt = instantAt(segment, x);
        const double table = evaluateSeries(c, x).value;
        const double direct = Astro::apparentSunDirect(tt).longitude;
        const double error = std::abs(std::remainder(table - direct, 360.0)) * 3600.0;
        if (!(error <= worst.errorArcsec)) { // a NaN counts as the worst
            worst.errorArcsec = error;
            worst.tt = tt;
        }
    }
    return worst;
}

// Fits and checks segments first, first + step, ... (the work is shared by threads).
void fitSegments(int first, int step, std::vector<double>& coefficients, Check& worst) {
    for (int s = first; s < kSegments; s += step) {
        const std::array<double, kTerms> c = fitSegment(s);
        std::copy(c.begin(), c.end(), coefficients.begin() + ptrdiff_t(s) * kTerms);
        const Check check = checkSegment(s, c.data());
        if (!(check.errorArcsec <= worst.errorArcsec))
            worst = check;
    }
}

bool writeTable(const std::string& path, const std::vector<double>& coefficients, double maxError) {
    const std::string partial = path + ".part";
    FILE* out = std::fopen(partial.c_str(), "w");
    if (!out)
        return false;
    std::fprintf(out,
                 "// Made by solvanta_suntablegen when the program was built; not to be "
                 "edited.\n// Largest difference from the full computation at the check "
                 "points: %.6f arcsec.\n#include \"suntable.h\"\n\n"
                 "namespace Astro::SunTable {\n\n"
                 "const double kCoefficients[kSegments * kTerms] = {\n",
                 maxError);
    for (int s = 0; s < kSegments; ++s) {
        for (int k = 0; k < kTerms; ++k)
            std::fprintf(out, "%s%.17g,", k == 0 ? "    " : " ",
                         coefficients[size_t(s) * kTerms + size_t(k)]);
        std::fputc('\n', out);
    }
    std::fprintf(out, "};\n\n} // namespace Astro::SunTable\n");
    const bool written = std::fclose(out) == 0;
    return written && std::rename(partial.c_str(), path.c_str()) == 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: solvanta_suntablegen OUTPUT.cpp\n");
        return 2;
    }
    const auto started = std::chrono::steady_clock::now();

    // Two threads: the build machines have two cores or more, and the work is nearly
    // all in ERFA's series.
    constexpr int kThreads = 2;
    std::vector<double> coefficients(size_t(kSegments) * kTerms);
    std::array<Check, kThreads> worst{};
    std::vector<std::thread> threads;
    for (int t = 1; t < kThreads; ++t)
        threads.emplace_back(fitSegments, t, kThreads, std::ref(coefficients),
                             std::ref(worst[size_t(t)]));
    fitSegments(0, kThreads, coefficients, worst[0]);
    for (std::thread& thread : threads)
        thread.join();
    Check largest;
    for (const Check& check : worst)
        if (!(check.errorArcsec <= largest.errorArcsec))
            largest = check;

    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("Sun table: %d segments of %g days, degree %d, TT %g to %g; largest "
                "difference from the full computation at %d points a segment: %.6f arcsec "
                "(TT %.3f), bound %g; %.1f s\n",
                kSegments, kSegmentDays, kDegree, kFirstTt, kEndTt, kChecksPerSegment,
                largest.errorArcsec, largest.tt, kMaxErrorArcsec, seconds);
    if (!(largest.errorArcsec < kMaxErrorArcsec)) {
        std::fprintf(stderr, "solvanta_suntablegen: the table misses its bound of %g arcsec\n",
                     kMaxErrorArcsec);
        return 1;
    }
    if (!writeTable(argv[1], coefficients, largest.errorArcsec)) {
        std::fprintf(stderr, "solvanta_suntablegen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
