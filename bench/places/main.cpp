// bench_places: how long the place box takes to answer a keystroke. Each prefix of a
// few places people type ("D", "Da", ... "Dallas"; "Springfield, I" ...) is looked up
// with findZone, in turns, over the whole table of cities:
//   first_ms      the first pass over them, whose lookups read the zone list, the table
//                 of cities and the clocks' abbreviations (each once per run): its largest
//   keystroke_ms  every lookup of the later passes: median, 99th percentile and largest
//                 (with what was typed then: other load on the machine shows there)
//
//   bench_places [--reps N]
//
// Prints a line of figures ("first_ms=... median_ms=... max_ms=..."), then the table
// against the target (5 ms a keystroke). Also checks that nothing read the table of
// cities before the first lookup.

#include "zonefinder.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr double kKeystrokeTargetMs = 5.0;

double msSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--reps"));
    const int reps = std::max(1, at >= 0 && at + 1 < args.size() ? args.at(at + 1).toInt() : 21);

    const QStringList typed{
        QStringLiteral("Springfield, Illinois"), QStringLiteral("Dallas"),
        QStringLiteral("S\u00E3o Paulo"),        QStringLiteral("Frankfurt, Germany"),
        QStringLiteral("London, Ontario"),       QStringLiteral("Kolkata"),
        QStringLiteral("San Francisco"),         QStringLiteral("Munich"),
    };
    const bool readBefore = Astro::cityTableRead();
    volatile int sink = 0;
    std::vector<double> samples;
    double firstMs = 0;
    QString slowest; // what was typed when the largest was measured
    for (int rep = 0; rep <= reps; ++rep) {
        for (const QString& text : typed) {
            for (qsizetype length = 1; length <= text.size(); ++length) {
                const auto start = std::chrono::steady_clock::now();
                sink = sink + int(Astro::findZone(text.left(length)).kind);
                const double ms = msSince(start);
                if (rep == 0) {
                    firstMs = std::max(firstMs, ms);
                } else {
                    if (samples.empty() || ms > *std::max_element(samples.begin(), samples.end()))
                        slowest = text.left(length);
                    samples.push_back(ms);
                }
            }
        }
    }
    std::sort(samples.begin(), samples.end());
    const double median = samples[samples.size() / 2];
    const double largest = samples.back();
    const double p99 = samples[samples.size() * 99 / 100];

    std::printf("first_ms=%.2f median_ms=%.3f p99_ms=%.3f max_ms=%.3f slowest=\"%s\" lookups=%zu "
                "table_read_before=%s\n",
                firstMs, median, p99, largest, qPrintable(slowest), samples.size(),
                readBefore ? "yes" : "no");
    std::printf("\n| measure | measured | target | met? |\n| --- | ---: | --- | --- |\n");
    std::printf("| first pass, largest (reads the zone list, cities, abbreviations), ms | %.1f "
                "| - | - |\n",
                firstMs);
    std::printf("| one keystroke in the place box, ms (median of %zu) | %.3f | <= %.0f | %s |\n",
                samples.size(), median, kKeystrokeTargetMs,
                median <= kKeystrokeTargetMs ? "yes" : "no");
    std::printf("| one keystroke in the place box, 99th percentile, ms | %.3f | - | - |\n", p99);
    std::printf("| one keystroke in the place box, largest, ms | %.3f | <= %.0f | %s |\n", largest,
                kKeystrokeTargetMs, largest <= kKeystrokeTargetMs ? "yes" : "no");
    std::printf("| table of cities read before the first lookup | %s | no | %s |\n",
                readBefore ? "yes" : "no", readBefore ? "no" : "yes");
    return 0;
}
