#include "birthmoment.h"
#include "signchanges.h"
#include "sun.h"
#include "timescales.h"

#include <QTest>

#include <cmath>

namespace {

const char* const kZones[] = {"UTC",           "Pacific/Kiritimati", "Pacific/Pago_Pago",
                              "Europe/London", "America/New_York",   "Asia/Kolkata"};

QDateTime local(const QDateTime& utc, const QTimeZone& zone) {
    return utc.toTimeZone(zone);
}

// Two searches for the same change, started from different guesses, agree to the
// solver's precision: each is within 0.04 s of the true moment.
bool sameMoment(const QDateTime& a, const QDateTime& b) {
    return std::abs(a.msecsTo(b)) <= 80;
}

} // namespace

class TestSignChanges : public QObject {
    Q_OBJECT

private slots:
    void twelveInCalendarOrder_data();
    void twelveInCalendarOrder();
    void longitudeAtEachMoment();
    void longitudeKeepsGrowing();
    void localDateDiffersFromUtcDate();
    void nearLocalMidnight();
    void onADayOfTwentyThreeOrTwentyFiveHours_data();
    void onADayOfTwentyThreeOrTwentyFiveHours();
    void outsideTheYearsOrZones();
};

void TestSignChanges::twelveInCalendarOrder_data() {
    QTest::addColumn<QByteArray>("zoneId");
    for (const char* id : kZones)
        QTest::newRow(id) << QByteArray(id);
}

// Every local calendar year 1900-2050 has exactly one change into each sign, Aquarius
// in January to Capricorn in December, each inside the local year and a month apart.
void TestSignChanges::twelveInCalendarOrder() {
    QFETCH(QByteArray, zoneId);
    const QTimeZone zone(zoneId);
    QVERIFY(zone.isValid());
    for (int year = Astro::kFirstYear; year <= Astro::kLastYear; ++year) {
        const QList<Astro::SignChange> changes = Astro::signChangesInYear(year, zone);
        QCOMPARE(changes.size(), 12);
        const QDateTime start = QDate(year, 1, 1).startOfDay(zone);
        const QDateTime end = QDate(year + 1, 1, 1).startOfDay(zone);
        QVERIFY(changes.first().utc >= start);
        QVERIFY(changes.last().utc < end);
        QCOMPARE(local(changes.first().utc, zone).date().month(), 1);
        QCOMPARE(local(changes.last().utc, zone).date().month(), 12);
        for (int i = 0; i < 12; ++i) {
            QCOMPARE(changes.at(i).sign, (10 + i) % 12 + 1);
            if (i > 0) {
                const double days = (changes.at(i).tt - changes.at(i - 1).tt);
                QVERIFY2(days > 28.0 && days < 32.5, qPrintable(QString::number(days)));
            }
        }
    }
}

// At each moment found the apparent longitude computed in full (not read from the table
// the search uses) is the sign's boundary, to within 5e-7 degree (0.04 s of the Sun's
// motion), and the UTC instant is the TT one.
void TestSignChanges::longitudeAtEachMoment() {
    for (const int year : {1900, 1936, 1971, 1972, 2016, 2017, 2049, 2050}) {
        for (const Astro::SignChange& change : Astro::signChangesInYear(year, QTimeZone("UTC"))) {
            const double longitude = Astro::apparentSunDirect(change.tt).longitude;
            const double off = std::remainder(longitude - (change.sign - 1) * 30.0, 360.0);
            QVERIFY2(
                std::abs(off) < 5e-7,
                qPrintable(
                    QStringLiteral("%1 sign %2: %3 degrees").arg(year).arg(change.sign).arg(off)));
            const double backToTt = Astro::utcToTt(change.utc.toMSecsSinceEpoch());
            QVERIFY(std::abs(backToTt - change.tt) * 86400.0 < 0.001);
        }
    }
}

void TestSignChanges::longitudeKeepsGrowing() {
    // Every six hours through 2024 and 1903: always forward, 0.95 to 1.02 degrees a day.
    for (const double start :
         {Astro::utcToTt(QDateTime(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch()),
          Astro::utcToTt(QDateTime(QDate(1903, 1, 1), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch())}) {
        double previous = Astro::apparentSun(start).longitude;
        for (int step = 1; step <= 4 * 366; ++step) {
            const double longitude = Astro::apparentSun(start + step * 0.25).longitude;
            const double perDay = std::fmod(longitude - previous + 360.0, 360.0) * 4.0;
            QVERIFY2(perDay > 0.95 && perDay < 1.02, qPrintable(QString::number(perDay)));
            previous = longitude;
        }
    }
}

// Kiritimati (UTC+14) and Pago Pago (UTC-11) are 25 hours apart: a change after
// 10:00 UTC falls on the next day in Kiritimati, one before 11:00 UTC on the day
// before in Pago Pago. The local day, not the UTC one, must report it.
void TestSignChanges::localDateDiffersFromUtcDate() {
    int seen = 0;
    for (const char* id : {"Pacific/Kiritimati", "Pacific/Pago_Pago"}) {
        const QTimeZone zone(id);
        for (const Astro::SignChange& change : Astro::signChangesInYear(2024, zone)) {
            const QDate utcDate = change.utc.date();
            const QDate localDate = local(change.utc, zone).date();
            if (utcDate == localDate)
                continue;
            ++seen;
            const auto there = Astro::readDay(localDate, zone);
            QVERIFY(there && there->changed);
            QVERIFY(sameMoment(there->change.utc, change.utc));
            QCOMPARE(there->signEntered, change.sign);
            const auto onUtcDate = Astro::readDay(utcDate, zone);
            QVERIFY(onUtcDate && !onUtcDate->changed);
        }
    }
    QVERIFY(seen >= 6);
}

// Changes within a minute of local midnight, found by going through every year in a
// few zones: each belongs to the day its local time shows, and only to that day.
void TestSignChanges::nearLocalMidnight() {
    int found = 0;
    for (const char* id : {"Asia/Kolkata", "Europe/London", "America/New_York"}) {
        const QTimeZone zone(id);
        for (int year = Astro::kFirstYear; year <= Astro::kLastYear; ++year) {
            for (const Astro::SignChange& change : Astro::signChangesInYear(year, zone)) {
                const QDateTime at = local(change.utc, zone);
                const int secondsIntoDay = at.time().msecsSinceStartOfDay() / 1000;
                if (secondsIntoDay >= 60 && secondsIntoDay < 86400 - 60)
                    continue;
                ++found;
                const auto day = Astro::readDay(at.date(), zone);
                QVERIFY(day && day->changed);
                QVERIFY(sameMoment(day->change.utc, change.utc));
                const QDate neighbour = at.date().addDays(secondsIntoDay < 60 ? -1 : 1);
                const auto other = Astro::readDay(neighbour, zone);
                QVERIFY(other && !other->changed);
            }
        }
    }
    qInfo("%d changes within a minute of local midnight", found);
    QVERIFY(found >= 1);
}

void TestSignChanges::onADayOfTwentyThreeOrTwentyFiveHours_data() {
    QTest::addColumn<QByteArray>("zoneId");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("sign");
    QTest::addColumn<int>("offsetAtChange"); // seconds
    // Days found by going through the years: summer time began, or ended, that day.
    QTest::newRow("London, summer time begins, Taurus")
        << QByteArray("Europe/London") << QDate(1952, 4, 20) << 23 << 2 << 3600;
    QTest::newRow("Sao Paulo, summer time ends, Pisces")
        << QByteArray("America/Sao_Paulo") << QDate(2017, 2, 18) << 25 << 12 << -7200;
    // The change falls in the repeated hour, on its second pass (standard time).
    QTest::newRow("Auckland, in the repeated hour, Aries")
        << QByteArray("Pacific/Auckland") << QDate(1993, 3, 21) << 25 << 1 << 12 * 3600;
}

void TestSignChanges::onADayOfTwentyThreeOrTwentyFiveHours() {
    QFETCH(QByteArray, zoneId);
    QFETCH(QDate, date);
    QFETCH(int, hours);
    QFETCH(int, sign);
    QFETCH(int, offsetAtChange);
    const QTimeZone zone(zoneId);
    const auto day = Astro::readDay(date, zone);
    QVERIFY(day && day->exists && day->changed);
    QCOMPARE(day->start.secsTo(day->end), hours * 3600);
    QCOMPARE(day->signEntered, sign);
    QCOMPARE(zone.offsetFromUtc(day->change.utc), offsetAtChange);
    QVERIFY(day->change.utc >= day->start && day->change.utc < day->end);
    // The same moment as the year's list has, to the solver's precision.
    bool listed = false;
    for (const Astro::SignChange& change : Astro::signChangesInYear(date.year(), zone))
        listed |= change.sign == sign && sameMoment(change.utc, day->change.utc);
    QVERIFY(listed);
}

void TestSignChanges::outsideTheYearsOrZones() {
    QVERIFY(Astro::signChangesInYear(1899, QTimeZone("UTC")).isEmpty());
    QVERIFY(Astro::signChangesInYear(2051, QTimeZone("UTC")).isEmpty());
    QVERIFY(Astro::signChangesInYear(2000, QTimeZone("Mars/Olympus")).isEmpty());
    QVERIFY(!Astro::readDay(QDate(1899, 12, 31), QTimeZone("UTC")));
    QVERIFY(!Astro::readTime(QDate(2051, 1, 1), QTime(0, 0), QTimeZone("UTC")));
}

QTEST_GUILESS_MAIN(TestSignChanges)
#include "tst_signchanges.moc"
