#include "zonefinder.h"

#include <QFile>
#include <QTest>

using Kind = Astro::ZoneMatch::Kind;

class TestZoneFinder : public QObject {
    Q_OBJECT

private slots:
    // What a person may type, and what it finds: "zones" is the zone found, or for
    // several, the ones that must be among them ("!" before one that must not be);
    // "place" is the city found, or for several the most populous.
    void finds_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArrayList>("zones");
        QTest::addColumn<QString>("place");
        const auto row = [](const char* name, const QString& typed, Kind kind,
                            QByteArrayList zones = {}, const QString& place = {}) {
            QTest::newRow(name) << typed << int(kind) << zones << place;
        };
        row("name", "Europe/London", Kind::Exact, {"Europe/London"});
        row("any case", "europe/LONDON", Kind::Exact, {"Europe/London"});
        row("space for underscore", "  America/New york ", Kind::Exact, {"America/New_York"});
        row("older name", "Asia/Calcutta", Kind::Exact, {"Asia/Kolkata"});
        row("older name, US", "us/eastern", Kind::Exact, {"America/New_York"});
        row("older name without a slash", "Eire", Kind::Exact, {"Europe/Dublin"});
        // "Eire" is also Ireland's own name; "Navajo" is an older name and nothing else.
        row("older name, no country's", "Navajo", Kind::Exact, {"America/Denver"});
        row("outside the country table", "Etc/GMT+5", Kind::Exact, {"Etc/GMT+5"});
        row("EST", "EST", Kind::Exact, {"EST"});
        row("CET", "CET", Kind::Exact, {"CET"});
        row("MST", "mst", Kind::Exact, {"MST"});
        row("GMT", "GMT", Kind::Exact, {"UTC"});
        row("UTC", "utc", Kind::Exact, {"UTC"});
        row("offset, hours", "UTC+5", Kind::Exact, {"UTC+05:00"});
        row("offset, minutes", "GMT-03:30", Kind::Exact, {"UTC-03:30"});
        row("offset alone", "+0545", Kind::Exact, {"UTC+05:45"});
        row("offset, the largest", "GMT+14", Kind::Exact, {"UTC+14:00"});
        row("offset too far", "UTC+15", Kind::None);
        row("offset, 60 minutes", "UTC+5:60", Kind::None);
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
        // Parts of names count only from the start of a word: after '/', '_' or '-'.
        row("word start, not Galapagos", "pago", Kind::Exact, {"Pacific/Pago_Pago"});
        row("word after a hyphen", "au-prince", Kind::Exact, {"America/Port-au-Prince"});
        row("inside a word only", "alapagos", Kind::None);
        row("part of several", "indian", Kind::Several, {"Indian/Christmas", "Indian/Reunion"});
        // Abbreviations the clocks show, where no zone has that name.
        row("IST", "IST", Kind::Several,
            {"Asia/Kolkata", "Europe/Dublin", "Asia/Jerusalem", "!Europe/Istanbul"});
        row("ist, small letters", "ist", Kind::Several, {"Asia/Kolkata", "!Indian/Christmas"});
        row("PST", "PST", Kind::Several, {"America/Los_Angeles", "!America/Chicago"});
        row("BST", "BST", Kind::Several, {"Europe/London", "!Europe/Paris"});
        row("CEST", "CEST", Kind::Several, {"Europe/Berlin", "Europe/Paris", "!Europe/London"});
        row("AEST", "AEST", Kind::Several, {"Australia/Sydney", "Australia/Brisbane"});
        // Cities, where zones' names find none.
        row("city", "Dallas", Kind::Exact, {"America/Chicago"}, "Dallas, Texas, United States");
        row("city, capitals", "MUNICH", Kind::Exact, {"Europe/Berlin"}, "Munich, Bayern, Germany");
        row("city, accents left out", "dusseldorf", Kind::Exact, {"Europe/Berlin"},
            "D\u00FCsseldorf, Nordrhein-Westfalen, Germany");
        row("city, accents and capitals", "MALM\u00D6", Kind::Exact, {"Europe/Stockholm"},
            "Malm\u00F6, Sk\u00E5ne, Sweden");
        row("city and zone, accents", "S\u00E3o Paulo", Kind::Exact, {"America/Sao_Paulo"});
        row("city and zone, no accents", "sao paulo", Kind::Exact, {"America/Sao_Paulo"},
            "Sao Paulo, S\u00E3o Paulo, Brazil");
        row("several cities", "Springfield", Kind::Several,
            {"America/Chicago", "America/New_York", "America/Los_Angeles"},
            "Springfield, Massachusetts, United States");
        row("city and region", "Springfield, Illinois", Kind::Exact, {"America/Chicago"},
            "Springfield, Illinois, United States");
        row("city and country", "frankfurt, germany", Kind::Exact, {"Europe/Berlin"});
        // Countries by their own languages' names, as a German or Brazilian user types them.
        row("country in its language", "Deutschland", Kind::Several,
            {"Europe/Berlin", "Europe/Busingen", "!Europe/Vienna"});
        row("country in its language, accents", "Espa\u00F1a", Kind::Several,
            {"Europe/Madrid", "Atlantic/Canary"});
        row("country in its language, several zones", "brasil", Kind::Several,
            {"America/Sao_Paulo", "America/Manaus"});
        row("city and country in its language", "Frankfurt, Deutschland", Kind::Exact,
            {"Europe/Berlin"});
        row("city and country code", "Springfield,US", Kind::Several, {"America/Chicago"});
        row("a zone's city stays", "London", Kind::Exact, {"Europe/London"},
            "London, Westminster, United Kingdom");
        row("the other London", "London, Ontario", Kind::Exact, {"America/Toronto"},
            "London, Ontario, Canada");
        row("a comma in the city's name", "washington, d.c.", Kind::Exact, {"America/New_York"},
            "Washington, D.C., District of Columbia, United States");
        row("region not the city's", "Springfield, Texas", Kind::None);
        row("region still to come", "London, ", Kind::Several,
            {"Europe/London", "America/Toronto"});
        row("start of a city's name", "Springf", Kind::Several, {"America/Chicago"});
        row("offer", "Springfield, Missouri, United States \u2014 America/Chicago", Kind::Exact,
            {"America/Chicago"}, "Springfield, Missouri, United States");
        row("offer, wrong zone", "Springfield, Missouri, United States \u2014 Europe/Paris",
            Kind::None);
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
        QFETCH(QString, place);
        const Astro::ZoneMatch match = Astro::findZone(typed);
        QCOMPARE(int(match.kind), kind);
        if (match.kind == Kind::Exact) {
            QVERIFY(match.zone.isValid());
            QCOMPARE(match.zone.id(), zones.constFirst());
            QVERIFY(match.candidates.isEmpty());
            if (!place.isEmpty())
                QCOMPARE(match.place.value_or(Astro::Place{}).name(), place);
        } else if (match.kind == Kind::Several) {
            for (const QByteArray& zone : zones) {
                if (zone.startsWith('!'))
                    QVERIFY2(!match.candidates.contains(zone.mid(1)), zone.constData());
                else
                    QVERIFY2(match.candidates.contains(zone), zone.constData());
            }
            QVERIFY(std::is_sorted(match.candidates.cbegin(), match.candidates.cend()));
            if (!place.isEmpty())
                QCOMPARE(match.places.value(0).name(), place);
        } else {
            QVERIFY(!match.zone.isValid());
        }
    }

    // What a list offers for several is read back as exactly that place or zone; a long
    // list is cut, and says how many there were.
    void offersReadBack_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("cut");
        QTest::newRow("Springfields") << "Springfield" << false;
        QTest::newRow("cities starting San") << "san" << true;
        QTest::newRow("zones") << "indian" << false;
    }
    void offersReadBack() {
        QFETCH(QString, typed);
        QFETCH(bool, cut);
        const Astro::ZoneMatch match = Astro::findZone(typed);
        const QStringList offered = Astro::offers(match);
        QCOMPARE(match.kind, Kind::Several);
        QVERIFY(offered.size() > 1 && offered.size() <= Astro::kPlaceLimit);
        QCOMPARE(match.placeCount > offered.size(), cut);
        for (qsizetype i = 0; i < offered.size(); ++i) {
            const Astro::ZoneMatch back = Astro::findZone(offered.at(i));
            QVERIFY2(back.kind == Kind::Exact, qPrintable(offered.at(i)));
            if (match.places.isEmpty()) {
                QCOMPARE(back.zone.id(), match.candidates.at(i));
            } else {
                QCOMPARE(back.place, std::optional(match.places.at(i)));
                QCOMPARE(back.zone.id(), match.places.at(i).zone);
            }
        }
    }

    // Every city of the table can be found by its name and region, and what a list
    // offers for it is read back as exactly that city.
    void everyCityIsFoundAndReadBack() {
        QFile file(QStringLiteral(":/places/cities.tsv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        int rows = 0;
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QList<QByteArray> fields = line.split('\t');
            if (line.startsWith('#') || fields.size() != 6)
                continue;
            ++rows;
            const QString city = QString::fromUtf8(fields.at(0));
            const QString typed = city + QStringLiteral(", ") + QString::fromUtf8(fields.at(1));
            const Astro::ZoneMatch match = Astro::findZone(typed);
            QList<Astro::Place> found = match.places;
            if (match.place)
                found.append(*match.place);
            const auto place = std::find_if(found.cbegin(), found.cend(), [&](const auto& p) {
                return p.city == city && p.zone == fields.at(5);
            });
            QVERIFY2(place != found.cend(), qPrintable(typed));
            const Astro::ZoneMatch back = Astro::findZone(place->offer());
            QVERIFY2(back.kind == Kind::Exact && back.place == *place, qPrintable(place->offer()));
        }
        QVERIFY(rows > 7000);
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
