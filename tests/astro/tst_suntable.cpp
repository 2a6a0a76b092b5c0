#include "sun.h"
#include "suntable.h"
#include "timescales.h"

#include <QDateTime>
#include <QTest>

#include <cmath>
#include <random>
#include <vector>

namespace {

using namespace Astro::SunTable;

double ttAt(int y, int mo, int d) {
    return Astro::utcToTt(QDateTime(QDate(y, mo, d), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch());
}

double arcsec(double degrees) {
    return std::abs(std::remainder(degrees, 360.0)) * 3600.0;
}

// The rate of the full computation's longitude, by a central difference: its own rate
// leaves out how nutation and aberration change, up to 4e-5 degree a day. Over +-0.01 day
// the difference is good to 1e-9 degree a day.
double directRate(double tt) {
    constexpr double h = 0.01;
    return std::remainder(Astro::apparentSunDirect(tt + h).longitude -
                              Astro::apparentSunDirect(tt - h).longitude,
                          360.0) /
           (2.0 * h);
}

} // namespace

class TestSunTable : public QObject {
    Q_OBJECT

private slots:
    void agreesWithTheFullComputation();
    void continuousAcrossSegments();
    void coversEveryYearAndTheChangesAroundIt();
    void fullComputationOutsideTheTable();
};

// At random instants over the table's years (a fixed seed), at segment edges and at both
// ends: the longitude within 0.0005" of the full computation and in [0, 360), the rate
// within 1e-6 degree a day of the full longitude's own rate of change.
void TestSunTable::agreesWithTheFullComputation() {
    std::vector<double> instants = {kFirstTt, kFirstTt + 1e-6, kEndTt - 1e-6,
                                    std::nextafter(kEndTt, kFirstTt)};
    for (int s = 1; s < kSegments; s += 97) {
        const double edge = kFirstTt + s * kSegmentDays;
        instants.insert(instants.end(), {edge, std::nextafter(edge, kFirstTt), edge + 0.5});
    }
    std::mt19937_64 random(20260101);
    std::uniform_real_distribution<double> anywhere(kFirstTt, kEndTt);
    for (int i = 0; i < 3000; ++i)
        instants.push_back(anywhere(random));

    double worstError = 0.0;
    double worstRate = 0.0;
    for (const double tt : instants) {
        QVERIFY(Astro::inSunTable(tt));
        const Astro::SunPlace table = Astro::apparentSun(tt);
        const Astro::SunPlace direct = Astro::apparentSunDirect(tt);
        QVERIFY2(table.longitude >= 0.0 && table.longitude < 360.0,
                 qPrintable(QString::number(table.longitude, 'g', 17)));
        const double error = arcsec(table.longitude - direct.longitude);
        const double rateError = std::abs(table.rate - directRate(tt));
        QVERIFY2(error < kMaxErrorArcsec,
                 qPrintable(QStringLiteral("TT %1: %2 arcsec").arg(tt, 0, 'f', 6).arg(error)));
        QVERIFY2(rateError < 1e-6, qPrintable(QStringLiteral("TT %1: rate off by %2 degree/day")
                                                  .arg(tt, 0, 'f', 6)
                                                  .arg(rateError)));
        worstError = std::max(worstError, error);
        worstRate = std::max(worstRate, rateError);
    }
    qInfo("%zu instants: longitude within %.6f arcsec, rate within %.2e degree/day",
          instants.size(), worstError, worstRate);
}

// Where one segment hands over to the next, the longitude and the rate do not jump (by
// more than the two series' bounds allow): the right segment is read on each side.
void TestSunTable::continuousAcrossSegments() {
    double worstJump = 0.0;
    for (int s = 1; s < kSegments; ++s) {
        const double edge = kFirstTt + s * kSegmentDays;
        const Astro::SunPlace before = Astro::apparentSun(std::nextafter(edge, kFirstTt));
        const Astro::SunPlace after = Astro::apparentSun(edge);
        const double jump = arcsec(after.longitude - before.longitude);
        QVERIFY2(jump < 2 * kMaxErrorArcsec,
                 qPrintable(QStringLiteral("segment %1: %2 arcsec").arg(s).arg(jump)));
        QVERIFY2(std::abs(after.rate - before.rate) < 2e-6, qPrintable(QString::number(s)));
        worstJump = std::max(worstJump, jump);
    }
    qInfo("largest step at a segment's edge: %.6f arcsec", worstJump);
}

// Every year the program computes, in every zone (UTC+14 to UTC-12), with the sign
// change before its first day and after its last, is read from the table.
void TestSunTable::coversEveryYearAndTheChangesAroundIt() {
    QVERIFY(Astro::inSunTable(ttAt(1899, 12, 21))); // Capricorn began 1899-12-22
    QVERIFY(Astro::inSunTable(ttAt(2051, 1, 22)));  // Aquarius begins 2051-01-20
    QVERIFY(!Astro::inSunTable(ttAt(1899, 11, 1)));
    QVERIFY(!Astro::inSunTable(ttAt(2051, 3, 1)));
}

// Outside the table the position is the full computation's, to the last bit.
void TestSunTable::fullComputationOutsideTheTable() {
    for (const double tt : {kFirstTt - 1e-6, kFirstTt - 40.0, kEndTt, kEndTt + 0.5,
                            ttAt(1850, 6, 1), ttAt(2100, 6, 1)}) {
        QVERIFY(!Astro::inSunTable(tt));
        const Astro::SunPlace place = Astro::apparentSun(tt);
        const Astro::SunPlace direct = Astro::apparentSunDirect(tt);
        QCOMPARE(place.longitude, direct.longitude);
        QCOMPARE(place.rate, direct.rate);
    }
}

QTEST_GUILESS_MAIN(TestSunTable)
#include "tst_suntable.moc"
