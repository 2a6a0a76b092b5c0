#include "zonefinder.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <optional>

namespace Astro {
namespace {

#ifdef Q_OS_WIN
// Windows has no zone folder: the program carries the database's list of its zones and
// older names, and the abbreviations each zone's clocks have shown, both made from the
// building machine's zone files (scripts/make-zone-table.py); the zones themselves come
// from the toolkit's own data.
const QString kZoneList = QStringLiteral(":/zones/tzdata.zi");
const QString kAbbreviationTable = QStringLiteral(":/zones/abbreviations.tsv");
#else
const QString kZoneFolder = QStringLiteral("/usr/share/zoneinfo/");
// The database's own list of its zones and older names ("Z name ...", "L target alias").
const QString kZoneList = kZoneFolder + QStringLiteral("tzdata.zi");
#endif
constexpr qint64 kLongestList = 4 * 1024 * 1024;
// No zone's name or country's name is nearly this long.
constexpr qsizetype kLongestName = 100;
// Nor is a city's offer: its name, region, country and zone.
constexpr qsizetype kLongestText = 200;
// The table of cities, compiled in: city, region, country, code, population, zone.
const QString kCityTable = QStringLiteral(":/places/cities.tsv");
constexpr int kLargestOffset = 14 * 3600;

// How names are compared: in any case, spaces as underscores.
QString folded(const QString& text) {
    return text.simplified().replace(QLatin1Char(' '), QLatin1Char('_')).toCaseFolded();
}

// How typed text and cities are compared: as names are, and with accents dropped
// ("São Paulo" and "sao paulo" alike).
QString searchKey(const QString& text) {
    if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; }))
        return folded(text); // no accents to drop: most names, and what most people type
    QString key;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            key += c;
    }
    return folded(key);
}

// Whether `key` begins one of the words of `name`: at its start, or after '/', '_'
// (a space) or '-'.
bool startsAWord(QStringView name, QStringView key) {
    if (name.startsWith(key))
        return true;
    for (qsizetype at = 0; at + key.size() < name.size(); ++at) {
        const QChar c = name.at(at);
        if ((c == u'/' || c == u'_' || c == u'-') && name.mid(at + 1).startsWith(key))
            return true;
    }
    return false;
}

struct Name {
    QByteArray spelling; // as the database writes it
    QByteArray zone;     // the zone it names (itself, or what an older name stands for)
};

struct Database {
    QHash<QString, Name> zones;                         // current zones, by folded name
    QHash<QString, Name> older;                         // older names, by folded name
    QList<QPair<QString, QByteArray>> searchable;       // folded name (current or older), zone
    QHash<QString, QLocale::Territory> territories;     // folded name or code
    QMultiHash<QLocale::Territory, QString> nativeKeys; // its names in its own languages
    QList<QByteArray> offered;
};

#ifdef Q_OS_WIN
// The carried list: "Z zone", "L target alias" and the country table's "T code zone".
struct CarriedList {
    QSet<QByteArray> names; // every zone, older name and country table zone ICU knows
    QList<QByteArray> tableZones;
    QMultiHash<QLocale::Territory, QByteArray> byTerritory;
};

const CarriedList& carriedList() {
    static const CarriedList carried = [] {
        CarriedList list;
        const QList<QByteArray> known = QTimeZone::availableTimeZoneIds();
        const QSet<QByteArray> icu(known.cbegin(), known.cend());
        QFile file(kZoneList);
        if (!file.open(QIODevice::ReadOnly))
            return list;
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QList<QByteArray> fields = line.split(' ');
            const QByteArray& name = fields.constLast();
            if (fields.size() < 2 || !icu.contains(name))
                continue;
            list.names.insert(name);
            if (fields.at(0) == "T" && fields.size() == 3) {
                list.tableZones.append(name);
                list.byTerritory.insert(QLocale::codeToTerritory(QString::fromLatin1(fields.at(1))),
                                        name);
            }
        }
        std::sort(list.tableZones.begin(), list.tableZones.end());
        return list;
    }();
    return carried;
}

// A zone or older name of the carried list that the toolkit knows: what a file of the
// zone folder is on Linux.
bool isZoneFile(const QByteArray& name) {
    return carriedList().names.contains(name);
}

// As the toolkit lists them on Linux: the country table's zones and the UTC offsets.
QList<QByteArray> toolkitZones() {
    QList<QByteArray> zones = carriedList().tableZones;
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) {
        if (id.startsWith("UTC"))
            zones.append(id);
    }
    return zones;
}

QList<QByteArray> countryZones(QLocale::Territory territory) {
    QList<QByteArray> zones = carriedList().byTerritory.values(territory);
    std::sort(zones.begin(), zones.end());
    return zones;
}
#else
// A name that can only be a file of the zone folder, and is one.
bool isZoneFile(const QByteArray& name) {
    if (name.isEmpty() || name.startsWith('/') || name.contains("..") || name.size() > kLongestName)
        return false;
    return QFileInfo(kZoneFolder + QString::fromLatin1(name)).isFile();
}

QList<QByteArray> toolkitZones() {
    return QTimeZone::availableTimeZoneIds();
}

QList<QByteArray> countryZones(QLocale::Territory territory) {
    return QTimeZone::availableTimeZoneIds(territory);
}
#endif

// A name the toolkit makes a zone of without opening a file: "UTC", "UTC+05:30".
bool isOffsetName(const QByteArray& name) {
    return name == "UTC" || (name.startsWith("UTC") && (name.at(3) == '+' || name.at(3) == '-'));
}

// The country tables the toolkit reads itself are regular files or absent: a FIFO
// or a device there would stop it for good.
bool tablesReadable() {
#ifdef Q_OS_WIN
    return true; // the toolkit's own data, no files
#else
    for (const char* table : {"zone.tab", "zone1970.tab", "iso3166.tab"}) {
        const QFileInfo file(kZoneFolder + QLatin1String(table));
        if (file.exists() && !file.isFile())
            return false;
    }
    return true;
#endif
}

Database loadDatabase() {
    Database db;
    // The toolkit's list: the zones of the database's country table and UTC offsets,
    // each a regular file of the zone folder.
    const bool tables = tablesReadable();
    for (const QByteArray& id : tables ? toolkitZones() : QList<QByteArray>()) {
        if (!isOffsetName(id) && !isZoneFile(id))
            continue;
        db.zones.insert(folded(QString::fromLatin1(id)), {id, id});
        db.offered.append(id);
    }
    if (!db.zones.contains(QStringLiteral("utc"))) {
        db.zones.insert(QStringLiteral("utc"), {"UTC", "UTC"});
        db.offered.append("UTC");
    }

    // The database's whole list adds zones outside the country table (Etc/GMT+5, EST)
    // and the older names.
    QFile list(kZoneList);
    QList<QPair<QByteArray, QByteArray>> links;
    if (QFileInfo(list).isFile() && list.size() < kLongestList && list.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> lines = list.read(kLongestList).split('\n');
        for (const QByteArray& line : lines) {
            const QList<QByteArray> fields = line.simplified().split(' ');
            // "Factory" is a stand-in of the database's, no place's zone.
            if (fields.size() >= 2 && fields.at(0) == "Z" && fields.at(1) != "Factory" &&
                isZoneFile(fields.at(1))) {
                const QString key = folded(QString::fromLatin1(fields.at(1)));
                if (!db.zones.contains(key)) {
                    db.zones.insert(key, {fields.at(1), fields.at(1)});
                    db.offered.append(fields.at(1));
                }
            } else if (fields.size() >= 3 && fields.at(0) == "L" && isZoneFile(fields.at(2))) {
                links.append({fields.at(1), fields.at(2)});
            }
        }
    }
    for (const auto& [target, alias] : links) {
        const QString key = folded(QString::fromLatin1(alias));
        const auto zone = db.zones.constFind(folded(QString::fromLatin1(target)));
        if (zone != db.zones.cend() && !db.zones.contains(key))
            db.older.insert(key, {alias, zone->zone});
    }
    for (auto it = db.zones.cbegin(); it != db.zones.cend(); ++it)
        db.searchable.append({it.key(), it->zone});
    for (auto it = db.older.cbegin(); it != db.older.cend(); ++it)
        db.searchable.append({it.key(), it->zone});

    for (int t = 1; tables && t <= int(QLocale::LastTerritory); ++t) {
        const auto territory = QLocale::Territory(t);
        db.territories.insert(searchKey(QLocale::territoryToString(territory)), territory);
        db.territories.insert(folded(QLocale::territoryToCode(territory)), territory);
    }
    // A country's names in the languages spoken there ("Deutschland", "Brasil", "España"),
    // so that people find it in their own language. An English name keeps its country.
    for (const QLocale& locale :
         tables ? QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                           QLocale::AnyTerritory)
                : QList<QLocale>()) {
        const QString key = searchKey(locale.nativeTerritoryName());
        if (key.isEmpty() || locale.territory() == QLocale::AnyTerritory)
            continue;
        if (!db.territories.contains(key))
            db.territories.insert(key, locale.territory());
        if (db.territories.value(key) == locale.territory() &&
            !db.nativeKeys.contains(locale.territory(), key))
            db.nativeKeys.insert(locale.territory(), key);
    }
    db.territories.remove(QString());
    std::sort(db.offered.begin(), db.offered.end());
    return db;
}

const Database& database() {
    static const Database db = loadDatabase();
    return db;
}

// The database, read only once the environment is safe.
const Database& guardedDatabase() {
    guardZoneEnvironment();
    return database();
}

// "UTC+5", "gmt-03:30", "+0545", "UTC": the offset in seconds.
std::optional<int> plainOffset(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^(?:UTC|GMT)?(?:([+-])(\\d{1,2})(?::?(\\d{2}))?)?$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    if (match.captured(1).isEmpty())
        return 0;
    const int minutes = match.captured(3).isEmpty() ? 0 : match.captured(3).toInt();
    const int seconds = match.captured(2).toInt() * 3600 + minutes * 60;
    if (minutes >= 60 || seconds > kLargestOffset)
        return std::nullopt;
    return match.captured(1) == QLatin1String("-") ? -seconds : seconds;
}

ZoneMatch exact(const QByteArray& id) {
    ZoneMatch match;
    match.zone = QTimeZone(id);
    if (match.zone.isValid())
        match.kind = ZoneMatch::Kind::Exact;
    return match;
}

// "IST", "cest": two to five letters, as the clocks' abbreviations are ("+0530" is not).
bool isAbbreviation(const QString& text) {
    static const QRegularExpression letters(QStringLiteral("^[A-Za-z]{2,5}$"));
    return letters.match(text).hasMatch();
}

// The abbreviations the zones' clocks have shown since 1970 ("IST", "CEST"), each with
// the zones that showed it. Only regular files of the zone folder are read.
QHash<QString, QList<QByteArray>> loadAbbreviations(const Database& db) {
    QHash<QString, QList<QByteArray>> zonesBy;
#ifdef Q_OS_WIN
    // Made when the program was built, as below.
    QHash<QByteArray, QSet<QString>> table;
    QFile file(kAbbreviationTable);
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QList<QByteArray> fields = line.split('\t');
            if (fields.size() == 2) {
                for (const QByteArray& abbreviation : fields.at(1).split(' '))
                    table[fields.at(0)].insert(QString::fromLatin1(abbreviation));
            }
        }
    }
#else
    const QDateTime from(QDate(1970, 1, 1), QTime(0, 0), Qt::UTC);
    // The rules in force now repeat: a year ahead shows all they will show.
    const QDateTime to = QDateTime::currentDateTimeUtc().addYears(1);
#endif
    for (auto it = db.zones.cbegin(); it != db.zones.cend(); ++it) {
        if (!isZoneFile(it->spelling))
            continue;
#ifdef Q_OS_WIN
        const QSet<QString> shown = table.value(it->spelling);
#else
        const QTimeZone zone(it->spelling);
        if (!zone.isValid())
            continue;
        QSet<QString> shown{zone.abbreviation(from)};
        for (const QTimeZone::OffsetData& change : zone.transitions(from, to))
            shown.insert(change.abbreviation);
#endif
        for (const QString& abbreviation : shown) {
            if (isAbbreviation(abbreviation))
                zonesBy[folded(abbreviation)].append(it->zone);
        }
    }
    return zonesBy;
}

const QHash<QString, QList<QByteArray>>& abbreviations(const Database& db) {
    static const QHash<QString, QList<QByteArray>> zonesBy = loadAbbreviations(db);
    return zonesBy;
}

struct City {
    Place place;
    QString cityKey, regionKey, nameKey; // nameKey: the whole name(), as offered
    QStringList countryKeys;             // the country's names and its code
};

struct CityTable {
    QList<City> cities;                    // most populous first
    QHash<QString, QList<int>> byName;     // rows by the city's whole name, most populous first
    QHash<QString, QList<int>> byFullName; // rows by the name with region and country
};

std::atomic<bool> g_cityTableRead{false};

CityTable loadCities(const Database& db) {
    g_cityTableRead = true;
    CityTable table;
    QFile file(kCityTable);
    if (!file.open(QIODevice::ReadOnly))
        return table;
    // Zones, regions and countries repeat from row to row: each is looked at once.
    QHash<QByteArray, bool> known;
    QHash<QByteArray, QString> regionKeys;
    struct Country {
        QString name;
        QStringList keys; // the toolkit's name, the table's, the code
    };
    QHash<QByteArray, Country> countries;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() != 6 || line.startsWith('#'))
            continue;
        City city;
        city.place.zone = fields.at(5);
        // A zone the system's database lacks is no use: the row is left out.
        auto zoneKnown = known.find(city.place.zone);
        if (zoneKnown == known.end())
            zoneKnown = known.insert(
                city.place.zone, db.zones.contains(folded(QString::fromLatin1(city.place.zone))));
        if (!*zoneKnown)
            continue;
        auto country = countries.find(fields.at(3) + '\t' + fields.at(2));
        if (country == countries.end()) {
            const QString code = QString::fromLatin1(fields.at(3));
            const QString given = QString::fromUtf8(fields.at(2));
            const QLocale::Territory territory = QLocale::codeToTerritory(code);
            const QString name =
                territory == QLocale::AnyTerritory ? given : QLocale::territoryToString(territory);
            QStringList keys{searchKey(name), searchKey(given), folded(code)};
            keys += db.nativeKeys.values(territory);
            country = countries.insert(fields.at(3) + '\t' + fields.at(2), {name, keys});
        }
        auto region = regionKeys.find(fields.at(1));
        if (region == regionKeys.end())
            region = regionKeys.insert(fields.at(1), searchKey(QString::fromUtf8(fields.at(1))));
        city.place.city = QString::fromUtf8(fields.at(0));
        city.place.region = QString::fromUtf8(fields.at(1));
        city.place.country = country->name;
        city.cityKey = searchKey(city.place.city);
        city.regionKey = *region;
        city.countryKeys = country->keys;
        // The key of name(), made of the keys of its parts.
        city.nameKey = city.cityKey;
        if (!city.place.region.isEmpty() && city.place.region != city.place.city)
            city.nameKey += QStringLiteral(",_") + city.regionKey;
        if (!city.place.country.isEmpty())
            city.nameKey += QStringLiteral(",_") + city.countryKeys.constFirst();
        table.byName[city.cityKey].append(int(table.cities.size()));
        table.byFullName[city.nameKey].append(int(table.cities.size()));
        table.cities.append(city);
    }
    return table;
}

const CityTable& cityTable(const Database& db) {
    static const CityTable table = loadCities(db);
    return table;
}

// The cities a text names: "springfield", "spring", "springfield,_illinois", each part
// after a comma the start of a word of the city's region or country (or its code).
// `whole`: the cities of that whole name; `starting`: the
// others with a word that starts so (only when asked for, or when there is no city of
// that whole name). Each most populous first.
struct CitiesNamed {
    QList<int> whole, starting;
};
CitiesNamed citiesNamed(const Database& db, const QString& key, bool alwaysStarting = false) {
    const CityTable& table = cityTable(db);
    QStringList parts = key.split(QLatin1Char(','));
    for (QString& part : parts) {
        while (part.startsWith(QLatin1Char('_')))
            part.remove(0, 1);
        while (part.endsWith(QLatin1Char('_')))
            part.chop(1);
    }
    // A name with a comma of its own ("Washington, D.C.") is the name, when it is one.
    qsizetype nameParts = parts.size();
    while (nameParts > 1 && !table.byName.contains(parts.first(nameParts).join(u",_")))
        --nameParts;
    const QString name = parts.first(nameParts).join(u",_");
    parts.remove(0, nameParts);
    parts.removeAll(QString()); // "London, " while the region is still to come
    if (name.isEmpty())
        return {};
    const auto fits = [&](const City& city) {
        for (const QString& part : parts) {
            if (!startsAWord(city.regionKey, part) &&
                std::none_of(city.countryKeys.cbegin(), city.countryKeys.cend(),
                             [&](const QString& country) { return startsAWord(country, part); }))
                return false;
        }
        return true;
    };
    CitiesNamed found;
    for (const int row : table.byName.value(name)) {
        if (fits(table.cities.at(row)))
            found.whole.append(row);
    }
    if (!found.whole.isEmpty() && !alwaysStarting)
        return found;
    for (int row = 0; row < table.cities.size(); ++row) {
        const City& city = table.cities.at(row);
        if (city.cityKey != name && startsAWord(city.cityKey, name) && fits(city))
            found.starting.append(row);
    }
    return found;
}

ZoneMatch fromZones(QList<QByteArray> zones) {
    std::sort(zones.begin(), zones.end());
    zones.erase(std::unique(zones.begin(), zones.end()), zones.end());
    if (zones.size() == 1)
        return exact(zones.constFirst());
    ZoneMatch match;
    if (zones.size() > 1) {
        match.kind = ZoneMatch::Kind::Several;
        match.candidates = zones;
    }
    return match;
}

// One city is its zone, with the city; several are the person's to choose from.
ZoneMatch fromCities(const Database& db, const QList<int>& rows) {
    const CityTable& table = cityTable(db);
    if (rows.size() == 1) {
        ZoneMatch match = exact(table.cities.at(rows.constFirst()).place.zone);
        if (match.kind == ZoneMatch::Kind::Exact)
            match.place = table.cities.at(rows.constFirst()).place;
        return match;
    }
    ZoneMatch match;
    if (rows.isEmpty())
        return match;
    match.kind = ZoneMatch::Kind::Several;
    match.placeCount = rows.size();
    for (const int row : rows) {
        const Place& place = table.cities.at(row).place;
        if (match.places.size() < kPlaceLimit)
            match.places.append(place);
        if (!match.candidates.contains(place.zone))
            match.candidates.append(place.zone);
    }
    std::sort(match.candidates.begin(), match.candidates.end());
    return match;
}

// A zone found by a name that is also a city's whole name ("London", "Singapore"): the
// city of that name in that zone, when there is exactly one.
ZoneMatch withCity(const Database& db, ZoneMatch match, const QString& key) {
    if (match.kind != ZoneMatch::Kind::Exact || key.contains(QLatin1Char('/')))
        return match;
    const CityTable& table = cityTable(db);
    std::optional<Place> found;
    for (const int row : table.byName.value(key)) {
        if (table.cities.at(row).place.zone != match.zone.id())
            continue;
        if (found)
            return match;
        found = table.cities.at(row).place;
    }
    match.place = found;
    return match;
}

} // namespace

QString guardZoneEnvironment() {
    static const QString setAside = [] {
        qunsetenv("TZDIR"); // zone files come from the system's folder only
        // Without TZ the toolkit reads the system's setting; the list is read when first
        // needed (a few milliseconds, which a start of the program need not wait for).
        if (!qEnvironmentVariableIsSet("TZ"))
            return QString();
        const QByteArray given = qgetenv("TZ");
        qputenv("TZ", "UTC");
        const Database& db = database();
        QByteArray name = given.startsWith(':') ? given.mid(1) : given;
        if (name == "/etc/localtime") {
            qunsetenv("TZ"); // the system's setting, which the toolkit reads itself
            return QString();
        }
        const QString key = folded(QString::fromLocal8Bit(name));
        const auto zone = db.zones.constFind(key);
        const auto older = db.older.constFind(key);
        if ((zone != db.zones.cend() && zone->spelling == name) ||
            (older != db.older.cend() && older->spelling == name)) {
            qputenv("TZ", given);
            return QString();
        }
        return QString::fromLocal8Bit(given);
    }();
    return setAside;
}

ZoneMatch findZone(const QString& typed) {
    const Database& db = guardedDatabase();
    if (typed.size() > kLongestText)
        return {};
    const QString key = searchKey(typed);
    if (key.isEmpty())
        return {};
    // A city as a list offers it: "Springfield, Illinois, United States — America/Chicago".
    if (const qsizetype dash = key.lastIndexOf(QChar(0x2014)); dash > 0) {
        QString zoneKey = key.mid(dash + 1);
        while (zoneKey.startsWith(QLatin1Char('_')))
            zoneKey.remove(0, 1);
        const auto zone = db.zones.constFind(zoneKey);
        if (zone == db.zones.cend())
            return {};
        QString name = key.left(dash);
        while (name.endsWith(QLatin1Char('_')))
            name.chop(1);
        QList<int> rows;
        for (const int row : cityTable(db).byFullName.value(name)) {
            if (cityTable(db).cities.at(row).place.zone == zone->zone)
                rows.append(row);
        }
        return fromCities(db, rows);
    }
    if (key.size() > kLongestName)
        return {};
    if (const auto zone = db.zones.constFind(key); zone != db.zones.cend())
        return exact(zone->zone);
    if (const std::optional<int> offset = plainOffset(key)) {
        // The list's own name for it where it has one ("UTC+05:00"), else made here.
        const int minutes = std::abs(*offset) / 60;
        const QString name = QStringLiteral("utc%1%2:%3")
                                 .arg(*offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                                 .arg(minutes / 60, 2, 10, QLatin1Char('0'))
                                 .arg(minutes % 60, 2, 10, QLatin1Char('0'));
        if (*offset == 0)
            return exact("UTC");
        if (const auto listed = db.zones.constFind(name); listed != db.zones.cend())
            return exact(listed->zone);
        ZoneMatch match;
        match.kind = ZoneMatch::Kind::Exact;
        match.zone = QTimeZone(*offset);
        return match;
    }
    if (const auto territory = db.territories.constFind(key); territory != db.territories.cend()) {
        QList<QByteArray> zones;
        for (const QByteArray& id : countryZones(*territory)) {
            if (db.zones.contains(folded(QString::fromLatin1(id))))
                zones.append(id);
        }
        if (!zones.isEmpty())
            return withCity(db, fromZones(zones), key);
    }
    if (const auto older = db.older.constFind(key); older != db.older.cend())
        return exact(older->zone);
    if (isAbbreviation(key)) {
        if (const auto shown = abbreviations(db).constFind(key); shown != abbreviations(db).cend())
            return fromZones(*shown);
    }
    QList<QByteArray> zones;
    for (const auto& [name, zone] : db.searchable) {
        if (startsAWord(name, key))
            zones.append(zone);
    }
    const ZoneMatch byName = fromZones(zones);
    if (byName.kind == ZoneMatch::Kind::Exact)
        return withCity(db, byName, key);
    // Cities where the zones' names find none: those of the whole name typed, else those
    // it starts. Where the names find several and the text is a city's whole name: those
    // cities, then the ones it starts.
    if (byName.kind == ZoneMatch::Kind::None) {
        const CitiesNamed cities = citiesNamed(db, key);
        return fromCities(db, cities.whole.isEmpty() ? cities.starting : cities.whole);
    }
    const CitiesNamed cities = citiesNamed(db, key, true);
    if (cities.whole.isEmpty())
        return byName;
    return fromCities(db, cities.whole + cities.starting);
}

QString Place::name() const {
    QStringList parts{city};
    if (!region.isEmpty() && region != city)
        parts.append(region);
    if (!country.isEmpty())
        parts.append(country);
    return parts.join(QStringLiteral(", "));
}

QString Place::offer() const {
    return name() + QStringLiteral(" \u2014 ") + QString::fromLatin1(zone);
}

QStringList offers(const ZoneMatch& match) {
    QStringList texts;
    if (!match.places.isEmpty()) {
        for (const Place& place : match.places)
            texts.append(place.offer());
        return texts;
    }
    for (const QByteArray& id : match.candidates)
        texts.append(QString::fromLatin1(id));
    return texts;
}

const QList<QByteArray>& offeredZoneIds() {
    static const QList<QByteArray> ids = [] {
        QList<QByteArray> all = guardedDatabase().offered;
        const QByteArray system = systemZone().id();
        if (!all.contains(system)) {
            all.append(system);
            std::sort(all.begin(), all.end());
        }
        return all;
    }();
    return ids;
}

bool cityTableRead() {
    return g_cityTableRead;
}

QTimeZone systemZone() {
    const Database& db = guardedDatabase();
    const QByteArray id = QTimeZone::systemTimeZoneId();
    const QString key = folded(QString::fromLatin1(id));
    for (const QHash<QString, Name>* names : {&db.zones, &db.older}) {
        const auto name = names->constFind(key);
        if (name != names->cend() && name->spelling == id) {
            const QTimeZone zone(id);
            if (zone.isValid())
                return zone;
        }
    }
    return QTimeZone::utc();
}

} // namespace Astro
