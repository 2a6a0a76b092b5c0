#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include <optional>

// Finding a time zone from what a person types, for the window and the command line
// alike. Text from outside never reaches QTimeZone: only a name from the system's zone
// database (read once, from its list files) or an offset this code reads itself
// ("UTC+05:30") makes a zone. Text such as "ABC+1DEF,M13.5.0,M1.1.0", which the toolkit
// would read as a rule of its own, or a path, is simply a name nobody has.
namespace Astro {

// A place people were born in: a city, with its region and country, and its zone.
struct Place {
    QString city;    // "Springfield"
    QString region;  // "Illinois"; may be empty
    QString country; // "United States"
    QByteArray zone; // "America/Chicago"

    // "Springfield, Illinois, United States"
    QString name() const;
    // "Springfield, Illinois, United States — America/Chicago": how a list offers the
    // place; findZone() reads it back as exactly this place.
    QString offer() const;
    bool operator==(const Place&) const = default;
};

struct ZoneMatch {
    enum class Kind { Exact, Several, None };
    Kind kind = Kind::None;
    QTimeZone zone;               // Exact: the zone found
    std::optional<Place> place;   // Exact: the city found, when the text named a city
    QList<QByteArray> candidates; // Several: the zones that match, sorted
    QList<Place> places;          // Several: the cities that match, most populous first
    qsizetype placeCount = 0;     // Several: how many cities matched; places holds the
                                  // first kPlaceLimit of them
};

// The most cities a match of several lists.
inline constexpr qsizetype kPlaceLimit = 20;

// What a list offers for a match of several, each text one that findZone() reads back
// as exactly one zone: the cities' offers when cities matched, else the zones' names.
QStringList offers(const ZoneMatch& match);

// Resolves, in this order and in any case, with spaces read as underscores and accents
// ignored ("sao paulo" is "São Paulo"):
// - a city's offer ("Springfield, Illinois, United States — America/Chicago"): that city;
// - a zone's name in the system's database, or a plain offset from UTC: "UTC", "UTC+5",
//   "GMT-03:30", "+05:45" (up to 14 hours either way);
// - a country's name or two-letter code ("Japan", "india", "NZ"): its zones;
// - an older name of a zone ("Asia/Calcutta", "US/Eastern", "GMT"): the zone it names now;
// - an abbreviation the zones' clocks have shown since 1970 ("IST", "PST", "CEST"): the
//   zones that showed it;
// - the start of a word of a zone's name or older name ("york", "new york"; words begin
//   after '/', '_' or '-'): the zones that have it;
// - where those find no zone, or several and the text is a city's whole name: a city,
//   by its whole name or the start of a word of it ("Dallas", "Spring"), optionally
//   followed by its region or country after commas ("London, Ontario", "Frankfurt,
//   Germany"). The table of cities is read when a city is first looked for.
// One zone found is Exact (with the city, when the text named one); more than one, or
// more than one city, is Several; nothing is None.
ZoneMatch findZone(const QString& typed);

// The zones a list offers, sorted: the database's current zones (Etc/GMT+5 and EST
// among them) and common UTC offsets. Read once per run (reading them is the slow part).
const QList<QByteArray>& offeredZoneIds();

// The system's zone when it is one the finder knows (from TZ or the system's setting),
// otherwise UTC.
QTimeZone systemZone();

// Whether the table of cities has been read in this run (it is read when first needed,
// never at start-up).
bool cityTableRead();

// Makes the environment safe for QTimeZone, whose first use reads TZ (a rule in it may
// never end, a path in it is read as a zone file): a TZ that does not name a zone of the
// database exactly becomes UTC, and TZDIR is dropped. Runs once; every function above
// calls it before the toolkit reads anything. Returns the TZ that was set aside, if any.
QString guardZoneEnvironment();

} // namespace Astro
