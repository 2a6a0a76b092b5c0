#include "resolution.h"

#include <QTest>

Q_DECLARE_METATYPE(ZodiacSign)

class TestResolution : public QObject {
    Q_OBJECT

private slots:
    void everyDayOfEveryMonth_data();
    void everyDayOfEveryMonth();
    void namedDates_data();
    void namedDates();
    void outOfRangeResolvesToNothing_data();
    void outOfRangeResolvesToNothing();
};

// Each month: the sign of its start, of its end, and the last day of the first sign
// outside the cusp window (days 19..23 are always the cusp).
void TestResolution::everyDayOfEveryMonth_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<ZodiacSign>("first");
    QTest::addColumn<ZodiacSign>("second");
    using Z = ZodiacSign;
    const Z firsts[12] = {Z::Capricorn, Z::Aquarius, Z::Pisces,  Z::Aries,
                          Z::Taurus,    Z::Gemini,   Z::Cancer,  Z::Leo,
                          Z::Virgo,     Z::Libra,    Z::Scorpio, Z::Sagittarius};
    const Z seconds[12] = {Z::Aquarius, Z::Pisces,  Z::Aries,       Z::Taurus,
                           Z::Gemini,   Z::Cancer,  Z::Leo,         Z::Virgo,
                           Z::Libra,    Z::Scorpio, Z::Sagittarius, Z::Capricorn};
    for (int m = 0; m < 12; ++m)
        QTest::addRow("month %d", m) << m << firsts[m] << seconds[m];
}

void TestResolution::everyDayOfEveryMonth() {
    QFETCH(int, month);
    QFETCH(ZodiacSign, first);
    QFETCH(ZodiacSign, second);
    for (int day = 1; day <= 31; ++day) {
        const CuspResolution r = ResolveCusp(month, day - 1);
        QCOMPARE(r.monthIndex, month);
        if (day <= 18) {
            QVERIFY(!r.isCusp);
            QCOMPARE(r.firstSign, first);
            QVERIFY(!r.secondSign);
        } else if (day <= 23) {
            QVERIFY2(r.isCusp, qPrintable(QString::number(day)));
            QCOMPARE(r.firstSign, first);
            QCOMPARE(r.secondSign, second);
        } else {
            QVERIFY(!r.isCusp);
            QCOMPARE(r.firstSign, second);
            QVERIFY(!r.secondSign);
        }
    }
}

void TestResolution::namedDates_data() {
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<bool>("cusp");
    QTest::addColumn<ZodiacSign>("first");
    using Z = ZodiacSign;
    QTest::newRow("18 January") << 18 << 1 << false << Z::Capricorn;
    QTest::newRow("19 January") << 19 << 1 << true << Z::Capricorn;
    QTest::newRow("24 January") << 24 << 1 << false << Z::Aquarius;
    QTest::newRow("29 February") << 29 << 2 << false << Z::Pisces;
    QTest::newRow("20 March") << 20 << 3 << true << Z::Pisces;
    QTest::newRow("21 March") << 21 << 3 << true << Z::Pisces;
    QTest::newRow("1 December") << 1 << 12 << false << Z::Sagittarius;
    QTest::newRow("23 December") << 23 << 12 << true << Z::Sagittarius;
    QTest::newRow("25 December") << 25 << 12 << false << Z::Capricorn;
}

void TestResolution::namedDates() {
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(bool, cusp);
    QFETCH(ZodiacSign, first);
    const CuspResolution r = ResolveCusp(month - 1, day - 1);
    QCOMPARE(r.isCusp, cusp);
    QCOMPARE(r.firstSign, first);
    QCOMPARE(r.secondSign.has_value(), cusp);
}

void TestResolution::outOfRangeResolvesToNothing_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::newRow("no month") << -1 << 19;
    QTest::newRow("no day") << 0 << -1;
    QTest::newRow("neither") << -1 << -1;
    QTest::newRow("month 12") << 12 << 5;
    QTest::newRow("day 32") << 3 << 31;
    QTest::newRow("huge") << 32767 << -32768;
}

void TestResolution::outOfRangeResolvesToNothing() {
    QFETCH(int, month);
    QFETCH(int, day);
    const CuspResolution r = ResolveCusp(month, day);
    QVERIFY(!r.isCusp);
    QVERIFY(!r.firstSign);
    QVERIFY(!r.secondSign);
}

QTEST_GUILESS_MAIN(TestResolution)
#include "tst_resolution.moc"
