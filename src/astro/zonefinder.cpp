#include "zonefinder.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace Astro {
namespace {

const QString kZoneFolder = QStringLiteral("/usr/share/zoneinfo/");
// The database's own list of its zones and older names ("Z name ...", "L target alias").
const QString kZoneList = kZoneFolder + QStringLiteral("tzdata.zi");
constexpr qint64 kLongestList = 4 * 1024 * 1024;
// No zone's name or country's name is nearly this long.
constexpr qsizetype kLongestName = 100;
constexpr int kLargestOffset = 14 * 3600;

// How names are compared: in any case, spaces as underscores.
QString folded(const QString& text) {
    return text.simplified().replace(QLatin1Char(' '), QLatin1Char('_')).toCaseFolded();
}

struct Name {
    QByteArray spelling; // as the database writes it
    QByteArray zone;     // the zone it names (itself, or what an older name stands for)
};

struct Database {
    QHash<QString, Name> zones;                     // current zones, by folded name
    QHash<QString, Name> older;                     // older names, by folded name
    QList<QPair<QString, QByteArray>> searchable;   // folded name (current or older), zone
    QHash<QString, QLocale::Territory> territories; // folded name or code
    QList<QByteArray> offered;
};

// A name that can only be a file of the zone folder, and is one.
bool isZoneFile(const QByteArray& name) {
    if (name.isEmpty() || name.startsWith('/') || name.contains("..") || name.size() > kLongestName)
        return false;
    return QFileInfo(kZoneFolder + QString::fromLatin1(name)).isFile();
}

// A name the toolkit makes a zone of without opening a file: "UTC", "UTC+05:30".
bool isOffsetName(const QByteArray& name) {
    return name == "UTC" || (name.startsWith("UTC") && (name.at(3) == '+' || name.at(3) == '-'));
}

// The country tables the toolkit reads itself are regular files or absent: a FIFO
// or a device there would stop it for good.
bool tablesReadable() {
    for (const char* table : {"zone.tab", "zone1970.tab", "iso3166.tab"}) {
        const QFileInfo file(kZoneFolder + QLatin1String(table));
        if (file.exists() && !file.isFile())
            return false;
    }
    return true;
}

Database loadDatabase() {
    Database db;
    // The toolkit's list: the zones of the database's country table and UTC offsets,
    // each a regular file of the zone folder.
    const bool tables = tablesReadable();
    for (const QByteArray& id : tables ? QTimeZone::availableTimeZoneIds() : QList<QByteArray>()) {
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
        db.territories.insert(folded(QLocale::territoryToString(territory)), territory);
        db.territories.insert(folded(QLocale::territoryToCode(territory)), territory);
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
    const QString key = folded(typed);
    if (key.isEmpty() || key.size() > kLongestName)
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
        for (const QByteArray& id : QTimeZone::availableTimeZoneIds(*territory)) {
            if (db.zones.contains(folded(QString::fromLatin1(id))))
                zones.append(id);
        }
        if (!zones.isEmpty())
            return fromZones(zones);
    }
    if (const auto older = db.older.constFind(key); older != db.older.cend())
        return exact(older->zone);
    QList<QByteArray> zones;
    for (const auto& [name, zone] : db.searchable) {
        if (name.contains(key))
            zones.append(zone);
    }
    return fromZones(zones);
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
