#include "timescales.h"

#include <QDateTime>
#include <QTest>

#include <cmath>

namespace {

qint64 utcMsecs(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), Qt::UTC).toMSecsSinceEpoch();
}

} // namespace

class TestTimeScales : public QObject {
    Q_OBJECT

private slots:
    void deltaTAtPublishedEpochs_data();
    void deltaTAtPublishedEpochs();
    void ttMinusUtc_data();
    void ttMinusUtc();
    void noStepAtTheJoins();
    void roundTrip();
    void insideALeapSecond();
};

// Delta T at the start of each decade as tabulated by J. Meeus, Astronomical Algorithms
// (table 10.A), as quoted by F. Reed on NavList (29 July 2004). The expressions are
// fitted to such values; the tolerance is what they are expected to agree within.
void TestTimeScales::deltaTAtPublishedEpochs_data() {
    QTest::addColumn<double>("year");
    QTest::addColumn<double>("published");
    QTest::addColumn<double>("tolerance");
    const struct {
        double year;
        double seconds;
    } table[] = {{1900, -2.8}, {1910, 10.4}, {1920, 21.1}, {1930, 24.0},
                 {1940, 24.3}, {1950, 29.1}, {1960, 33.1}, {1970, 40.2}};
    for (const auto& row : table)
        QTest::addRow("%d", int(row.year)) << row.year << row.seconds << 0.2;
}

void TestTimeScales::deltaTAtPublishedEpochs() {
    QFETCH(double, year);
    QFETCH(double, published);
    QFETCH(double, tolerance);
    const double value = Astro::deltaTExpression(year);
    QVERIFY2(std::abs(value - published) <= tolerance, qPrintable(QString::number(value)));
}

void TestTimeScales::ttMinusUtc_data() {
    QTest::addColumn<qint64>("utc");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("tolerance");
    // From the leap-second table: TAI - UTC plus 32.184 s.
    QTest::newRow("leap seconds begin") << utcMsecs(1972, 1, 1) << 42.184 << 1e-9;
    QTest::newRow("1990") << utcMsecs(1990, 1, 1) << 57.184 << 1e-9;
    QTest::newRow("last second of 2016") << utcMsecs(2016, 12, 31, 23, 59, 59) << 68.184 << 1e-9;
    QTest::newRow("first second of 2017") << utcMsecs(2017, 1, 1) << 69.184 << 1e-9;
    // After the table: no further leap seconds.
    QTest::newRow("2030") << utcMsecs(2030, 6, 1) << 69.184 << 1e-9;
    QTest::newRow("2050") << utcMsecs(2050, 12, 31, 23, 59) << 69.184 << 1e-9;
    // Before 1972: Delta T from the expressions, eased into the table over 1971.
    QTest::newRow("1930") << utcMsecs(1930, 1, 1) << Astro::deltaTExpression(1930.0) << 1e-9;
    QTest::newRow("ease starts") << utcMsecs(1971, 1, 1) << Astro::deltaTExpression(1971.0) << 1e-9;
}

void TestTimeScales::ttMinusUtc() {
    QFETCH(qint64, utc);
    QFETCH(double, expected);
    QFETCH(double, tolerance);
    const double value = Astro::ttMinusUtc(utc);
    QVERIFY2(std::abs(value - expected) <= tolerance, qPrintable(QString::number(value, 'f', 6)));
}

void TestTimeScales::noStepAtTheJoins() {
    // One millisecond either side of where one expression hands over to the next, and
    // of 1972-01-01 where the leap-second table takes over: no step.
    for (const int year : {1900, 1920, 1941, 1961, 1972}) {
        const qint64 join = utcMsecs(year, 1, 1);
        const double step = Astro::ttMinusUtc(join) - Astro::ttMinusUtc(join - 1);
        QVERIFY2(std::abs(step) < 1e-6, qPrintable(QStringLiteral("%1: %2").arg(year).arg(step)));
    }
    // The raw expressions do step there, by up to 0.09 s (and 0.068 s from the table).
    QVERIFY(std::abs(Astro::deltaTExpression(1900.0) - Astro::deltaTExpression(1899.9999999)) >
            0.05);
    QVERIFY(std::abs(Astro::deltaTExpression(1972.0) - 42.184) > 0.05);
}

void TestTimeScales::roundTrip() {
    const qint64 samples[] = {
        utcMsecs(1899, 12, 31, 10),           utcMsecs(1900, 1, 1),
        utcMsecs(1941, 6, 15, 3, 4, 5, 6),    utcMsecs(1969, 12, 31, 23, 59, 59, 999),
        utcMsecs(1971, 12, 31, 23, 59, 59),   utcMsecs(1972, 1, 1),
        utcMsecs(2016, 12, 31, 23, 59, 59),   utcMsecs(2017, 1, 1),
        utcMsecs(2024, 3, 20, 3, 6, 21, 500), utcMsecs(2051, 1, 1, 10, 59, 59, 999),
    };
    for (const qint64 utc : samples) {
        const double tt = Astro::utcToTt(utc);
        QCOMPARE(Astro::ttToUtc(tt), utc);
    }
}

void TestTimeScales::insideALeapSecond() {
    // 2016-12-31T23:59:60.5 UTC has no QDateTime; it comes back as the 00:00:00 after.
    const double lastOrdinary = Astro::utcToTt(utcMsecs(2016, 12, 31, 23, 59, 59));
    const double inside = lastOrdinary + 1.5 / 86400.0;
    QCOMPARE(Astro::ttToUtc(inside), utcMsecs(2017, 1, 1));
    // The seconds either side are a leap second apart in TT.
    const double next = Astro::utcToTt(utcMsecs(2017, 1, 1));
    QVERIFY(std::abs((next - lastOrdinary) * 86400.0 - 2.0) < 1e-4);
}

QTEST_GUILESS_MAIN(TestTimeScales)
#include "tst_timescales.moc"
