// bench_astro: how long the exact Sun takes. Times, one at a time and in turns:
//   year_ms      the twelve sign changes of a local calendar year (signChangesInYear),
//                going through the years 1900 to 2050 in a fixed zone
//   position_us  one apparent longitude of the Sun as the program reads it (apparentSun,
//                from the table) at an instant moved on by 37.3 days each time, so
//                that no two are alike
//
//   bench_astro [--reps N] [--warmup N]
//
// Prints a line of medians ("year_ms=... position_us=..."), then the medians against
// their targets. Also given, to explain them: the median of one position computed in
// full (apparentSunDirect, what the table is made from and what it replaces) and of the
// two ERFA routines that make up nearly all of it, eraEpv00 (the Earth) and eraNut06a
// (nutation), and how many positions a year's search reads.

#include "crossing.h"
#include "signchanges.h"
#include "sun.h"
#include "timescales.h"

#include <QCoreApplication>
#include <QStringList>

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr double kYearTargetMs = 2.0;
constexpr double kPositionTargetUs = 20.0;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : 0.5 * (values[n / 2 - 1] + values[n / 2]);
}

// Runs `work(i)` warmup + reps times and returns the median duration of the timed
// runs in microseconds.
template <typename Work> double medianMicroseconds(int reps, int warmup, Work work) {
    std::vector<double> samples;
    samples.reserve(size_t(reps));
    for (int i = 0; i < warmup + reps; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work(i);
        const auto end = std::chrono::steady_clock::now();
        if (i >= warmup)
            samples.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    return median(samples);
}

volatile double g_sink = 0.0; // keeps the results alive

int argument(const QStringList& args, const QString& name, int fallback) {
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1).toInt() : fallback;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int reps = std::max(1, argument(args, QStringLiteral("--reps"), 301));
    const int warmup = std::max(0, argument(args, QStringLiteral("--warmup"), 20));
    const int positionReps = reps * 10;

    const QTimeZone zone("Europe/London");
    const int years = Astro::kLastYear - Astro::kFirstYear + 1;
    const double yearUs = medianMicroseconds(reps, warmup, [&](int i) {
        const auto changes = Astro::signChangesInYear(Astro::kFirstYear + i % years, zone);
        g_sink = g_sink + changes.last().tt;
    });

    const double start = Astro::utcToTt(0);
    const double positionUs = medianMicroseconds(positionReps, warmup, [&](int i) {
        g_sink = g_sink + Astro::apparentSun(start + 37.3 * (i % 1500) - 20000.0).longitude;
    });
    const double directUs = medianMicroseconds(positionReps, warmup, [&](int i) {
        g_sink = g_sink + Astro::apparentSunDirect(start + 37.3 * (i % 1500) - 20000.0).longitude;
    });
    const double earthUs = medianMicroseconds(positionReps, warmup, [&](int i) {
        double pvh[2][3];
        double pvb[2][3];
        eraEpv00(ERFA_DJ00, start + 37.3 * (i % 1500) - 20000.0, pvh, pvb);
        g_sink = g_sink + pvh[0][0];
    });
    const double nutationUs = medianMicroseconds(positionReps, warmup, [&](int i) {
        g_sink = g_sink + Astro::nutationAt(start + 37.3 * (i % 1500) - 20000.0).dpsi;
    });

    // Positions a year's search reads: one for the year's start and those of each
    // change's search.
    int positions = 1;
    {
        const double yearStart =
            Astro::utcToTt(QDateTime(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch());
        const Astro::SunPlace place = Astro::apparentSun(yearStart);
        double guess = yearStart + (300.0 - place.longitude) / place.rate;
        for (int i = 0; i < 12; ++i) {
            const Astro::Crossing c = Astro::findCrossing(std::fmod(300.0 + 30 * i, 360.0), guess);
            positions += c.evaluations;
            guess = c.tt + 30.0 / c.rate;
        }
    }

    std::printf("year_ms=%.3f position_us=%.2f direct_us=%.2f epv00_us=%.2f nut06a_us=%.2f "
                "positions_per_year=%d\n",
                yearUs / 1000.0, positionUs, directUs, earthUs, nutationUs, positions);
    std::printf("\n| measure | median | target | met? |\n| --- | ---: | --- | --- |\n");
    std::printf("| a year's twelve sign changes, ms (median of %d) | %.4f | <= %.1f | %s |\n", reps,
                yearUs / 1000.0, kYearTargetMs, yearUs / 1000.0 <= kYearTargetMs ? "yes" : "no");
    std::printf("| one Sun position, us (median of %d) | %.2f | <= %.1f | %s |\n", positionReps,
                positionUs, kPositionTargetUs, positionUs <= kPositionTargetUs ? "yes" : "no");
    std::printf("| one position computed in full (not used in the table's years), us | %.1f | - "
                "| - |\n",
                directUs);
    std::printf("| of which eraEpv00 (the Earth), us | %.1f | - | - |\n", earthUs);
    std::printf("| of which eraNut06a (nutation), us | %.1f | - | - |\n", nutationUs);
    std::printf("| positions read for a year's changes | %d | - | - |\n", positions);
    return 0;
}
