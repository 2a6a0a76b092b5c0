#include "birthmoment.h"

#include <QTest>

#include <cmath>

class TestBirthMoment : public QObject {
    Q_OBJECT

private slots:
    void clockReadings_data();
    void clockReadings();
    void repeatedHourGivesTwoReadings();
    void readingDistances_data();
    void readingDistances();
    void stayedDayNearestBoundary_data();
    void stayedDayNearestBoundary();
    void skippedDay();
};

void TestBirthMoment::clockReadings_data() {
    QTest::addColumn<QByteArray>("zoneId");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QList<int>>("offsets"); // the UTC offsets of the readings, in order
    const QList<int> none;
    QTest::newRow("London, in the spring gap")
        << QByteArray("Europe/London") << QDate(2024, 3, 31) << QTime(1, 30) << none;
    QTest::newRow("London, repeated in autumn")
        << QByteArray("Europe/London") << QDate(2024, 10, 27) << QTime(1, 30)
        << QList<int>{3600, 0};
    QTest::newRow("London, just before the gap")
        << QByteArray("Europe/London") << QDate(2024, 3, 31) << QTime(0, 59) << QList<int>{0};
    QTest::newRow("London, first minute after the gap")
        << QByteArray("Europe/London") << QDate(2024, 3, 31) << QTime(2, 0) << QList<int>{3600};
    QTest::newRow("New York, in the spring gap")
        << QByteArray("America/New_York") << QDate(2024, 3, 10) << QTime(2, 30) << none;
    QTest::newRow("New York, repeated in autumn")
        << QByteArray("America/New_York") << QDate(2024, 11, 3) << QTime(1, 0)
        << QList<int>{-4 * 3600, -5 * 3600};
    QTest::newRow("New York, an ordinary evening")
        << QByteArray("America/New_York") << QDate(1966, 3, 20) << QTime(20, 53)
        << QList<int>{-5 * 3600};
    QTest::newRow("Kiritimati, the day skipped in 1994")
        << QByteArray("Pacific/Kiritimati") << QDate(1994, 12, 31) << QTime(12, 0) << none;
}

// Which UTC instants show a clock reading; Qt's own constructor does not say when a
// reading falls in a gap, so the test does not lean on it.
void TestBirthMoment::clockReadings() {
    QFETCH(QByteArray, zoneId);
    QFETCH(QDate, date);
    QFETCH(QTime, time);
    QFETCH(QList<int>, offsets);
    const QTimeZone zone(zoneId);
    const QList<qint64> instants = Astro::localInstants(date, time, zone);
    QCOMPARE(instants.size(), offsets.size());
    for (int i = 0; i < instants.size(); ++i) {
        const QDateTime utc = QDateTime::fromMSecsSinceEpoch(instants.at(i), Qt::UTC);
        QCOMPARE(zone.offsetFromUtc(utc), offsets.at(i));
        const QDateTime shown = utc.toTimeZone(zone);
        QCOMPARE(shown.date(), date);
        QCOMPARE(shown.time(), time);
    }
}

void TestBirthMoment::repeatedHourGivesTwoReadings() {
    const QTimeZone zone("Europe/London");
    const auto readings = Astro::readTime(QDate(2024, 10, 27), QTime(1, 30), zone);
    QVERIFY(readings && readings->size() == 2);
    const Astro::TimeReading& first = readings->at(0);
    const Astro::TimeReading& second = readings->at(1);
    QCOMPARE(first.utc.secsTo(second.utc), 3600);
    QCOMPARE(first.offsetSeconds, 3600);
    QCOMPARE(second.offsetSeconds, 0);
    // An hour apart, the Sun has moved on by about 2.5 arc-minutes.
    const double moved = std::remainder(second.longitude - first.longitude, 360.0) * 60.0;
    QVERIFY2(moved > 2.3 && moved < 2.7, qPrintable(QString::number(moved)));
}

void TestBirthMoment::readingDistances_data() {
    QTest::addColumn<QByteArray>("zoneId");
    QTest::addColumn<QDateTime>("clock"); // local
    QTest::addColumn<bool>("boundaryBefore");
    QTest::addColumn<int>("arcInSign"); // -1: any
    QTest::newRow("a day before Aries")
        << QByteArray("UTC") << QDateTime(QDate(1966, 3, 20), QTime(6, 30), Qt::UTC) << false << -1;
    QTest::newRow("early in Cancer, summer time")
        << QByteArray("Europe/London") << QDateTime(QDate(2024, 6, 25), QTime(9, 15), Qt::UTC)
        << true << -1;
    QTest::newRow("mid-Sagittarius, late side")
        << QByteArray("Asia/Kolkata") << QDateTime(QDate(1999, 12, 7), QTime(23, 5), Qt::UTC)
        << false << -1;
    QTest::newRow("minutes after Capricorn, 2050")
        << QByteArray("UTC") << QDateTime(QDate(2050, 12, 21), QTime(17, 0), Qt::UTC) << true << -1;
    // Halfway through a sign the boundary named is the one ahead.
    QTest::newRow("14\u00B059' Aries, the one behind")
        << QByteArray("UTC") << QDateTime(QDate(2024, 4, 4), QTime(6, 38), Qt::UTC) << true << 899;
    QTest::newRow("15\u00B000' Aries, the one ahead")
        << QByteArray("UTC") << QDateTime(QDate(2024, 4, 4), QTime(7, 3), Qt::UTC) << false << 900;
}

// Position and distance agree with each other and with the boundary's own moment.
void TestBirthMoment::readingDistances() {
    QFETCH(QByteArray, zoneId);
    QFETCH(QDateTime, clock);
    QFETCH(bool, boundaryBefore);
    QFETCH(int, arcInSign);
    const QTimeZone zone(zoneId);
    const auto readings = Astro::readTime(clock.date(), clock.time(), zone);
    QVERIFY(readings && readings->size() == 1);
    const Astro::TimeReading& r = readings->first();
    QVERIFY(arcInSign < 0 || r.arcMinutesInSign == arcInSign);
    QCOMPARE(r.boundaryBefore, boundaryBefore);
    QCOMPARE(r.sign, int(r.longitude / 30.0) + 1);
    QCOMPARE(r.arcMinutesInSign, int(std::floor((r.longitude - (r.sign - 1) * 30.0) * 60.0)));
    const int expectedArc = boundaryBefore ? r.arcMinutesInSign : 1800 - r.arcMinutesInSign;
    QCOMPARE(r.arcMinutesToBoundary, expectedArc);
    QCOMPARE(r.boundary.sign, boundaryBefore ? r.sign : r.sign % 12 + 1);
    QCOMPARE(r.msecsToBoundary, std::abs(r.utc.msecsTo(r.boundary.utc)));
    QVERIFY(boundaryBefore ? r.boundary.utc <= r.utc : r.boundary.utc > r.utc);
    // About a degree a day: the time and the arc tell the same story.
    const double arcPerDay = r.arcMinutesToBoundary / 60.0 / (r.msecsToBoundary / 86400000.0);
    QVERIFY2(r.arcMinutesToBoundary < 2 || (arcPerDay > 0.9 && arcPerDay < 1.1),
             qPrintable(QString::number(arcPerDay)));
}

void TestBirthMoment::stayedDayNearestBoundary_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("boundaryBefore");
    QTest::addColumn<int>("boundarySign");
    QTest::newRow("early in Taurus") << QDate(1990, 4, 24) << true << 2;
    QTest::newRow("late in Taurus") << QDate(1990, 5, 18) << false << 3;
}

void TestBirthMoment::stayedDayNearestBoundary() {
    QFETCH(QDate, date);
    QFETCH(bool, boundaryBefore);
    QFETCH(int, boundarySign);
    const QTimeZone zone("Europe/Paris");
    const auto day = Astro::readDay(date, zone);
    QVERIFY(day && day->exists && !day->changed);
    QCOMPARE(day->sign, 2);
    QCOMPARE(day->boundaryBefore, boundaryBefore);
    QCOMPARE(day->boundary.sign, boundarySign);
    const qint64 gap = boundaryBefore ? day->boundary.utc.msecsTo(day->start)
                                      : day->end.msecsTo(day->boundary.utc);
    QCOMPARE(day->msecs, gap);
    QVERIFY(day->msecs > 0);
    // Roughly a degree a day between the day and its nearest boundary.
    const double arcPerDay = day->arcMinutes / 60.0 / (day->msecs / 86400000.0);
    QVERIFY2(arcPerDay > 0.9 && arcPerDay < 1.1, qPrintable(QString::number(arcPerDay)));
}

// Pacific/Apia went from 29 to 31 December 2011: the 30th does not exist, and the 29th
// still ends 24 hours after it began, where the 31st begins.
void TestBirthMoment::skippedDay() {
    const QTimeZone zone("Pacific/Apia");
    const auto skipped = Astro::readDay(QDate(2011, 12, 30), zone);
    QVERIFY(skipped && !skipped->exists && !skipped->changed);
    const auto before = Astro::readDay(QDate(2011, 12, 29), zone);
    QVERIFY(before && before->exists);
    QCOMPARE(before->start.secsTo(before->end), 24 * 3600);
    QCOMPARE(before->end, QDate(2011, 12, 31).startOfDay(zone));
}

QTEST_GUILESS_MAIN(TestBirthMoment)
#include "tst_birthmoment.moc"
