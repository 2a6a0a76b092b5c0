#include "signchanges.h"

#include "crossing.h"
#include "timescales.h"

#include <cmath>

namespace Astro {

namespace {

constexpr double kSignDegrees = 30.0;
constexpr int kAquarius = 11;

double signStart(int sign) {
    return (sign - 1) * kSignDegrees;
}

SignChange changeAt(int sign, double tt) {
    return SignChange{sign, QDateTime::fromMSecsSinceEpoch(ttToUtc(tt), Qt::UTC), tt};
}

} // namespace

bool isSupportedYear(int year) {
    return year >= kFirstYear && year <= kLastYear;
}

QList<SignChange> signChangesInYear(int year, const QTimeZone& zone) {
    QList<SignChange> changes;
    if (!isSupportedYear(year) || !zone.isValid())
        return changes;

    // On 1 January the Sun is near 280 degrees, some twenty days short of Aquarius;
    // the first guess comes from there, each later one from the crossing before it.
    const double startTt = utcToTt(QDate(year, 1, 1).startOfDay(zone).toMSecsSinceEpoch());
    const SunPlace start = apparentSun(startTt);
    double guess =
        startTt + std::fmod(signStart(kAquarius) - start.longitude + 360.0, 360.0) / start.rate;

    changes.reserve(kSignCount);
    for (int i = 0; i < kSignCount; ++i) {
        const int sign = (kAquarius - 1 + i) % kSignCount + 1;
        const Crossing crossing = findCrossing(signStart(sign), guess);
        changes.append(changeAt(sign, crossing.tt));
        guess = crossing.tt + kSignDegrees / crossing.rate;
    }
    return changes;
}

SignChange signChangeNear(int sign, double tt) {
    return changeAt(sign, findCrossing(signStart(sign), tt).tt);
}

} // namespace Astro
