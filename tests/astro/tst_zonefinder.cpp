#include "zonefinder.h"

#include <QTest>

using Kind = Astro::ZoneMatch::Kind;

class TestZoneFinder : public QObject {
    Q_OBJECT

private slots:
    // What a person may type, and what it finds: "zone" is the zone found, or for
    // several, the ones that must be among them.
    void finds_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArrayList>("zones");
        const auto row = [](const char* name, const QString& typed, Kind kind,
                            QByteArrayList zones = {}) {
            QTest::newRow(name) << typed << int(kind) << zones;
        };
        row("name", "Europe/London", Kind::Exact, {"Europe/London"});
        row("any case", "europe/LONDON", Kind::Exact, {"Europe/London"});
        row("space for underscore", "  America/New york ", Kind::Exact, {"America/New_York"});
        row("older name", "Asia/Calcutta", Kind::Exact, {"Asia/Kolkata"});
        row("older name, US", "us/eastern", Kind::Exact, {"America/New_York"});
        row("outside the country table", "Etc/GMT+5", Kind::Exact, {"Etc/GMT+5"});
        row("EST", "EST", Kind::Exact, {"EST"});
        row("GMT", "GMT", Kind::Exact, {"UTC"});
        row("UTC", "utc", Kind::Exact, {"UTC"});
        row("offset, hours", "UTC+5", Kind::Exact, {"UTC+05:00"});
        row("offset, minutes", "GMT-03:30", Kind::Exact, {"UTC-03:30"});
        row("offset alone", "+0545", Kind::Exact, {"UTC+05:45"});
        row("offset too far", "UTC+15", Kind::None);
        row("country", "Japan", Kind::Exact, {"Asia/Tokyo"});
        row("country, small letters", "india", Kind::Exact, {"Asia/Kolkata"});
        row("country code, two zones", "NZ", Kind::Several,
            {"Pacific/Auckland", "Pacific/Chatham"});
        row("country, spaces", "united states", Kind::Several,
            {"America/Chicago", "Pacific/Honolulu"});
        row("part of one name", "kiritimati", Kind::Exact, {"Pacific/Kiritimati"});
        row("part, city with a space", "new york", Kind::Exact, {"America/New_York"});
        row("part, a zone and its older name", "buenos aires", Kind::Exact,
            {"America/Argentina/Buenos_Aires"});
        row("part of several", "pago", Kind::Several, {"Pacific/Galapagos", "Pacific/Pago_Pago"});
        row("nowhere", "Mars/Olympus", Kind::None);
        row("empty", "  ", Kind::None);
        row("rule that never ends", "ABC+1DEF,M13.5.0,M1.1.0", Kind::None);
        row("rule with an offset", "XYZ+10:30", Kind::None);
        row("path to a device", "../../../dev/stdin", Kind::None);
        row("absolute path", "/usr/share/zoneinfo/Europe/London", Kind::None);
        row("very long", QString(10000, QLatin1Char('A')), Kind::None);
    }
    void finds() {
        QFETCH(QString, typed);
        QFETCH(int, kind);
        QFETCH(QByteArrayList, zones);
        const Astro::ZoneMatch match = Astro::findZone(typed);
        QCOMPARE(int(match.kind), kind);
        if (match.kind == Kind::Exact) {
            QVERIFY(match.zone.isValid());
            QCOMPARE(match.zone.id(), zones.constFirst());
            QVERIFY(match.candidates.isEmpty());
        } else if (match.kind == Kind::Several) {
            for (const QByteArray& zone : zones)
                QVERIFY2(match.candidates.contains(zone), zone.constData());
            QVERIFY(std::is_sorted(match.candidates.cbegin(), match.candidates.cend()));
        } else {
            QVERIFY(!match.zone.isValid());
        }
    }

    // Every zone offered in a list is found by its own name.
    void everyOfferedZoneIsFound() {
        const QList<QByteArray>& offered = Astro::offeredZoneIds();
        QVERIFY(offered.size() > 300);
        for (const QByteArray& id : offered) {
            const Astro::ZoneMatch match = Astro::findZone(QString::fromLatin1(id));
            QVERIFY2(match.kind == Kind::Exact, id.constData());
        }
    }
};

QTEST_GUILESS_MAIN(TestZoneFinder)
#include "tst_zonefinder.moc"
