#include "astrotexts.h"
#include "resolution.h"
#include "signs.h"

#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

#include <cstdlib>

namespace {

QDateTime utc(int y, int mo, int d, int h, int mi, int s, int ms = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), Qt::UTC);
}

Astro::SignChange change(int sign, const QDateTime& at) {
    return Astro::SignChange{sign, at, 0.0};
}

} // namespace

class TestAstroTexts : public QObject {
    Q_OBJECT

    // Loads the layer's translations of a language, as the program does, and makes its
    // locale the default.
    bool useLanguage(const QString& language);
    QTranslator m_translator;

private slots:
    void cleanup();
    void languages_data();
    void languages();
    void commandLineLine_data();
    void commandLineLine();
    void yearListing();
    void offsets_data();
    void offsets();
    void argumentErrors_data();
    void argumentErrors();
    void arcsAndDurations_data();
    void arcsAndDurations();
    void dayTexts();
    void clockReadings_data();
    void clockReadings();
    void readingTexts();
    void timeTexts_data();
    void timeTexts();
    void cuspSentences_data();
    void cuspSentences();
    void calendarCuspIsTheVerdictsCusp();
};

bool TestAstroTexts::useLanguage(const QString& language) {
    QCoreApplication::removeTranslator(&m_translator);
    if (!m_translator.load(QStringLiteral(":/i18n/astro_") + language) ||
        !QCoreApplication::installTranslator(&m_translator))
        return false;
    QLocale::setDefault(QLocale(language));
    return true;
}

// Back to English as the texts give it with no translation installed: the rows after
// these read English plural forms ("1 day") without one, as the command line may.
void TestAstroTexts::cleanup() {
    QCoreApplication::removeTranslator(&m_translator);
    QLocale::setDefault(QLocale::c());
}

// Each language's durations (1, 2 and 5 days; 1 and 2 minutes, joined by "|"), a day's
// reading on 20 March 2024, a time's reading and a cusp sentence, whole.
void TestAstroTexts::languages_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("durations");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("cusp");
    const auto row = [](const char* language, const char* durations, const char* day,
                        const char* time, const char* cusp) {
        QTest::newRow(language) << QString::fromLatin1(language) << QString::fromUtf8(durations)
                                << QString::fromUtf8(day) << QString::fromUtf8(time)
                                << QString::fromUtf8(cusp);
    };
    row("de", "1 Tag|2 Tage|5 Tage|1 Minute|2 Minuten",
        "Am 20. März 2024 trat die Sonne um 03:06 (UTC+00:00) ins Zeichen Widder ein: Bei einer "
        "Geburt davor stand sie im Zeichen Fische, danach im Zeichen Widder.",
        "Am 20. März 1966 um 06:31 (UTC+00:00) stand die Sonne auf 29°12′ Fische, 19 Stunden und "
        "22 Minuten vor dem Eintritt ins Zeichen Widder.",
        "Nach der Kalenderregel liegt der 21. September am Übergang von Jungfrau zu Waage. Die "
        "Sonne selbst trat am 23. September 2010 um 06:39 (UTC+03:30) ins Zeichen Waage ein: am "
        "21. September um 23:30 (UTC+04:30) stand sie im Zeichen Jungfrau, 1 Tag, 8 Stunden und 9 "
        "Minuten vor dem Zeichenwechsel; die Uhren zeigten diese Zeit dann ein zweites Mal, und "
        "um 23:30 (UTC+03:30) stand sie im Zeichen Jungfrau, 1 Tag, 7 Stunden und 9 Minuten vor "
        "dem Zeichenwechsel.");
    row("fr", "1 jour|2 jours|5 jours|1 minute|2 minutes",
        "Le 20 mars 2024, le Soleil est entré en Bélier à 03:06 (UTC+00:00)\u00A0: pour une "
        "naissance avant cet instant, il était en Poissons\u00A0; après, en Bélier.",
        "Le 20 mars 1966 à 06:31 (UTC+00:00), le Soleil était à 29°12′ Poissons, 19 heures et 22 "
        "minutes avant son entrée en Bélier.",
        "Selon la règle du calendrier, le 21 septembre est sur la cuspide Vierge-Balance. Le "
        "Soleil lui-même est entré en Balance le 23 septembre 2010 à 06:39 (UTC+03:30)\u00A0: le "
        "21 septembre à 23:30 (UTC+04:30), il était en Vierge, 1 jour, 8 heures et 9 minutes "
        "avant le changement de signe\u00A0; quand les horloges ont affiché cette heure une "
        "seconde fois, à 23:30 (UTC+03:30), il était en Vierge, 1 jour, 7 heures et 9 minutes "
        "avant le changement de signe.");
    row("es", "1 día|2 días|5 días|1 minuto|2 minutos",
        "El 20 de marzo de 2024, el Sol entró en Aries a las 03:06 (UTC+00:00): si naciste antes, "
        "el Sol estaba en Piscis; si naciste después, en Aries.",
        "El 20 de marzo de 1966 a las 06:31 (UTC+00:00), el Sol estaba en 29°12′ de Piscis, 19 "
        "horas y 22 minutos antes de entrar en Aries.",
        "Según la regla del calendario, el 21 de septiembre está en la cúspide de Virgo y Libra. "
        "El Sol entró realmente en Libra el 23 de septiembre de 2010 a las 06:39 (UTC+03:30): el "
        "21 de septiembre a las 23:30 (UTC+04:30) estaba en Virgo, 1 día, 8 horas y 9 minutos "
        "antes del cambio de signo; cuando los relojes volvieron a marcar esa hora, a las 23:30 "
        "(UTC+03:30) estaba en Virgo, 1 día, 7 horas y 9 minutos antes del cambio de signo.");
    row("pt_BR", "1 dia|2 dias|5 dias|1 minuto|2 minutos",
        "Em 20 de março de 2024, o Sol entrou em Áries às 03:06 (UTC+00:00): para quem nasceu "
        "antes, o Sol estava em Peixes; depois, em Áries.",
        "Em 20 de março de 1966, às 06:31 (UTC+00:00), o Sol estava em 29°12′ de Peixes, 19 horas "
        "e 22 minutos antes de entrar em Áries.",
        "Pela regra do calendário, o dia 21 de setembro está na cúspide de Virgem e Libra. Na "
        "verdade, o Sol entrou em Libra em 23 de setembro de 2010 às 06:39 (UTC+03:30): no dia 21 "
        "de setembro, às 23:30 (UTC+04:30), estava em Virgem, 1 dia, 8 horas e 9 minutos antes "
        "da mudança de signo; quando os relógios marcaram esse horário de novo, às 23:30 "
        "(UTC+03:30) estava em Virgem, 1 dia, 7 horas e 9 minutos antes da mudança de signo.");
}

void TestAstroTexts::languages() {
    QFETCH(QString, language);
    QFETCH(QString, durations);
    QFETCH(QString, day);
    QFETCH(QString, time);
    QFETCH(QString, cusp);
    Astro::DayReading changed;
    changed.date = QDate(2024, 3, 20);
    changed.changed = true;
    changed.signLeft = 12;
    changed.signEntered = 1;
    changed.change = change(1, utc(2024, 3, 20, 3, 6, 24));
    // The locale alone, with no translation, leaves a text English, its date too.
    QLocale::setDefault(QLocale(language));
    QVERIFY(Astro::dayText(changed, QTimeZone("Europe/London")).startsWith("On 20 March 2024 "));

    QVERIFY(useLanguage(language));
    const qint64 minute = 60000;
    QStringList shown;
    for (const qint64 msecs : {1440 * minute, 2880 * minute, 7200 * minute, minute, 2 * minute})
        shown << Astro::durationText(msecs);
    QCOMPARE(shown.join(QLatin1Char('|')), durations);
    QCOMPARE(Astro::dayText(changed, QTimeZone("Europe/London")), day);

    Astro::TimeReading reading;
    reading.sign = 12;
    reading.arcMinutesInSign = 1752;
    reading.boundary = change(1, utc(1966, 3, 21, 1, 53, 5));
    reading.msecsToBoundary = (19 * 60 + 22) * minute;
    QCOMPARE(Astro::timeText(QDate(1966, 3, 20), QTime(6, 31), QTimeZone("UTC"), {reading}), time);
    QCOMPARE(Astro::cuspSentence(QDate(2010, 9, 21), QTime(23, 30), QTimeZone("Asia/Tehran")),
             cusp);

    // The listing scripts read stays English in every language.
    QCOMPARE(Astro::commandLineLine(change(1, utc(1966, 3, 21, 1, 53, 5)), QTimeZone("UTC")),
             QStringLiteral("Aries\t1966-03-21T01:53:05+00:00"));
}

void TestAstroTexts::commandLineLine_data() {
    QTest::addColumn<QByteArray>("zoneId");
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QString>("line");
    QTest::newRow("UTC") << QByteArray("UTC") << utc(1966, 3, 21, 1, 53, 5)
                         << QStringLiteral("Aries\t1966-03-21T01:53:05+00:00");
    QTest::newRow("rounds up at half a second")
        << QByteArray("UTC") << utc(1966, 3, 21, 1, 53, 59, 500)
        << QStringLiteral("Aries\t1966-03-21T01:54:00+00:00");
    QTest::newRow("rounds down below half") << QByteArray("UTC") << utc(1966, 3, 21, 1, 53, 59, 499)
                                            << QStringLiteral("Aries\t1966-03-21T01:53:59+00:00");
    QTest::newRow("summer time offset")
        << QByteArray("Europe/London") << utc(2024, 6, 20, 20, 50, 59, 690)
        << QStringLiteral("Aries\t2024-06-20T21:51:00+01:00");
    QTest::newRow("next local day, UTC+14")
        << QByteArray("Pacific/Kiritimati") << utc(2024, 6, 20, 20, 50, 59, 690)
        << QStringLiteral("Aries\t2024-06-21T10:51:00+14:00");
    QTest::newRow("previous local day, UTC-11")
        << QByteArray("Pacific/Pago_Pago") << utc(2024, 3, 20, 3, 6, 24, 100)
        << QStringLiteral("Aries\t2024-03-19T16:06:24-11:00");
    QTest::newRow("half-hour zone, before 1970")
        << QByteArray("Asia/Kolkata") << utc(1966, 3, 21, 1, 53, 5, 600)
        << QStringLiteral("Aries\t1966-03-21T07:23:06+05:30");
}

void TestAstroTexts::commandLineLine() {
    QFETCH(QByteArray, zoneId);
    QFETCH(QDateTime, moment);
    QFETCH(QString, line);
    QCOMPARE(Astro::commandLineLine(change(1, moment), QTimeZone(zoneId)), line);
}

// A year's listing: twelve lines in calendar order, each naming its sign and a moment
// that reads back to the computed one (to the rounding), in the zone's offset then.
void TestAstroTexts::yearListing() {
    const QTimeZone zone("Europe/London");
    const QStringList lines = Astro::commandLineLines(2024, zone);
    const QList<Astro::SignChange> changes = Astro::signChangesInYear(2024, zone);
    QCOMPARE(lines.size(), 12);
    const QRegularExpression form(QStringLiteral(
        "^([A-Za-z]+)\\t(\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d)([+-]\\d\\d:\\d\\d)$"));
    for (int i = 0; i < 12; ++i) {
        const QRegularExpressionMatch m = form.match(lines.at(i));
        QVERIFY2(m.hasMatch(), qPrintable(lines.at(i)));
        QCOMPARE(m.captured(1), Astro::signName(changes.at(i).sign));
        const QDateTime shown = QDateTime::fromString(m.captured(2) + m.captured(3), Qt::ISODate);
        QVERIFY(std::abs(shown.msecsTo(changes.at(i).utc)) <= 500);
        QCOMPARE(m.captured(3), Astro::offsetText(zone.offsetFromUtc(changes.at(i).utc)));
    }
    QCOMPARE(lines.first().section(QLatin1Char('\t'), 0, 0), QStringLiteral("Aquarius"));
    QCOMPARE(lines.last().section(QLatin1Char('\t'), 0, 0), QStringLiteral("Capricorn"));
    QVERIFY(Astro::commandLineLines(1899, zone).isEmpty());
}

void TestAstroTexts::offsets_data() {
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0 << QStringLiteral("+00:00");
    QTest::newRow("India") << 19800 << QStringLiteral("+05:30");
    QTest::newRow("Marquesas") << -34200 << QStringLiteral("-09:30");
    QTest::newRow("Kiritimati") << 50400 << QStringLiteral("+14:00");
    QTest::newRow("Amsterdam 1930") << 1172 << QStringLiteral("+00:19:32");
}

void TestAstroTexts::offsets() {
    QFETCH(int, seconds);
    QFETCH(QString, text);
    QCOMPARE(Astro::offsetText(seconds), text);
}

void TestAstroTexts::argumentErrors_data() {
    QTest::addColumn<bool>("isYear");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<bool>("refused");
    QTest::newRow("first year") << true << QStringLiteral("1900") << false;
    QTest::newRow("year after") << true << QStringLiteral("2051") << true;
    QTest::newRow("not a number") << true << QStringLiteral("19x6") << true;
    QTest::newRow("zone") << false << QStringLiteral("America/New_York") << false;
    QTest::newRow("unknown zone") << false << QStringLiteral("Mars/Olympus") << true;
    QTest::newRow("empty zone") << false << QString() << true;
}

void TestAstroTexts::argumentErrors() {
    QFETCH(bool, isYear);
    QFETCH(QString, argument);
    QFETCH(bool, refused);
    const std::optional<QString> error =
        isYear ? Astro::yearArgumentError(argument) : Astro::zoneArgumentError(argument);
    QCOMPARE(error.has_value(), refused);
    if (error) {
        QVERIFY(!error->contains(QLatin1Char('\n')));
        QVERIFY(error->contains(argument));
    }
}

void TestAstroTexts::arcsAndDurations_data() {
    QTest::addColumn<qint64>("msecs");
    QTest::addColumn<QString>("text");
    const qint64 minute = 60000;
    QTest::newRow("under half a minute") << qint64(29999) << "less than a minute";
    QTest::newRow("half a minute") << qint64(30000) << "1 minute";
    QTest::newRow("hours and minutes") << (19 * 60 + 22) * minute << "19 hours and 22 minutes";
    QTest::newRow("one of each") << (1501 * minute - 20000) << "1 day, 1 hour and 1 minute";
    QTest::newRow("no hours") << (4 * 1440 + 15) * minute << "4 days and 15 minutes";
    QTest::newRow("whole hours") << 120 * minute << "2 hours";
}

void TestAstroTexts::arcsAndDurations() {
    QFETCH(qint64, msecs);
    QFETCH(QString, text);
    QCOMPARE(Astro::durationText(msecs), text);
    QCOMPARE(Astro::durationText(-msecs), text);
    QCOMPARE(Astro::arcText(1752), QStringLiteral("29\u00B012\u2032"));
    QCOMPARE(Astro::arcText(48), QStringLiteral("0\u00B048\u2032"));
}

void TestAstroTexts::dayTexts() {
    const QTimeZone zone("UTC");
    Astro::DayReading changed;
    changed.date = QDate(1966, 3, 21);
    changed.changed = true;
    changed.signLeft = 12;
    changed.signEntered = 1;
    changed.change = change(1, utc(1966, 3, 21, 1, 53, 5));
    QCOMPARE(Astro::dayText(changed, zone),
             QStringLiteral("On 21 March 1966 the Sun entered Aries at 01:53 (UTC+00:00): born "
                            "before then, the Sun was in Pisces; after, in Aries."));

    Astro::DayReading early;
    early.date = QDate(1990, 4, 24);
    early.sign = 2;
    early.boundaryBefore = true;
    early.boundary = change(2, utc(1990, 4, 20, 14, 27, 0));
    early.arcMinutes = 212;
    early.msecs = ((3 * 24 + 9) * 60 + 33) * 60000LL;
    QCOMPARE(Astro::dayText(early, zone),
             QStringLiteral("The Sun was in Taurus all day on 24 April 1990, whatever the time of "
                            "birth. It had entered Taurus on 20 April 1990 at 14:27 (UTC+00:00), "
                            "3 days, 9 hours and 33 minutes before that day began."));

    Astro::DayReading late = early;
    late.boundaryBefore = false;
    late.boundary = change(3, utc(1990, 5, 21, 13, 37, 0));
    QVERIFY(Astro::dayText(late, QTimeZone("Europe/London"))
                .endsWith(QStringLiteral("It entered Gemini on 21 May 1990 at 14:37 (UTC+01:00), "
                                         "3 days, 9 hours and 33 minutes after that day ended.")));

    Astro::DayReading skipped;
    skipped.date = QDate(2011, 12, 30);
    skipped.exists = false;
    QCOMPARE(Astro::dayText(skipped, QTimeZone("Pacific/Apia")),
             QStringLiteral("30 December 2011 did not exist in Pacific/Apia: its clocks "
                            "skipped that whole day."));
}

// The window gives the nearest minute, as published tables do; a moment in a day's last
// half-minute keeps its day and is given to the second.
void TestAstroTexts::clockReadings_data() {
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("minuteText");
    QTest::newRow("rounds up") << utc(1966, 3, 21, 1, 52, 53) << QByteArray("UTC")
                               << QDate(1966, 3, 21) << "01:53 (UTC+00:00)";
    QTest::newRow("rounds down") << utc(1966, 3, 21, 1, 52, 29, 999) << QByteArray("UTC")
                                 << QDate(1966, 3, 21) << "01:52 (UTC+00:00)";
    QTest::newRow("half a minute rounds up")
        << utc(2022, 12, 21, 21, 48, 30) << QByteArray("Europe/Paris") << QDate(2022, 12, 21)
        << "22:49 (UTC+01:00)";
    QTest::newRow("into the next hour") << utc(2000, 6, 21, 1, 59, 45) << QByteArray("UTC")
                                        << QDate(2000, 6, 21) << "02:00 (UTC+00:00)";
    QTest::newRow("last half-minute of a day, to the second")
        << utc(2024, 12, 21, 9, 59, 41, 700) << QByteArray("Pacific/Kiritimati")
        << QDate(2024, 12, 21) << "23:59:41 (UTC+14:00)";
    QTest::newRow("a day's first seconds")
        << utc(2024, 12, 21, 11, 0, 20) << QByteArray("Pacific/Pago_Pago") << QDate(2024, 12, 21)
        << "00:00 (UTC-11:00)";
    QTest::newRow("just before the last half-minute")
        << utc(2024, 12, 21, 23, 59, 29, 999) << QByteArray("UTC") << QDate(2024, 12, 21)
        << "23:59 (UTC+00:00)";
    // Before 1970 the day and minute are counted down from a negative number.
    QTest::newRow("last half-minute of a day before 1970")
        << utc(1953, 6, 21, 16, 59, 54, 200) << QByteArray("Asia/Bangkok") << QDate(1953, 6, 21)
        << "23:59:54 (UTC+07:00)";
    QTest::newRow("summer time") << utc(1966, 3, 21, 1, 52, 53) << QByteArray("Europe/London")
                                 << QDate(1966, 3, 21) << "02:53 (UTC+01:00)";
}

void TestAstroTexts::clockReadings() {
    QFETCH(QDateTime, moment);
    QFETCH(QByteArray, zone);
    QFETCH(QDate, date);
    QFETCH(QString, minuteText);
    const QTimeZone timeZone(zone);
    QCOMPARE(Astro::clockReading(moment, timeZone).date, date);
    QCOMPARE(Astro::localMinuteText(moment, timeZone), minuteText);
}

void TestAstroTexts::readingTexts() {
    Astro::TimeReading reading;
    reading.sign = 12;
    reading.arcMinutesInSign = 1752;
    reading.boundaryBefore = false;
    reading.boundary = change(1, utc(1966, 3, 21, 1, 53, 5));
    reading.arcMinutesToBoundary = 48;
    reading.msecsToBoundary = (19 * 60 + 22) * 60000LL;
    reading.offsetSeconds = 0;
    QCOMPARE(Astro::positionText(reading), QStringLiteral("29\u00B012\u2032 Pisces"));
    QCOMPARE(Astro::timeText(QDate(1966, 3, 20), QTime(6, 31), QTimeZone("UTC"), {reading}),
             QStringLiteral("At 06:31 (UTC+00:00) on 20 March 1966 the Sun was at 29\u00B012\u2032 "
                            "Pisces, 19 hours and 22 minutes before it entered Aries."));
    reading.sign = 8;
    reading.boundaryBefore = true;
    reading.boundary = change(8, utc(2024, 10, 22, 22, 14, 44));
    QCOMPARE(Astro::distanceText(reading),
             QStringLiteral("19 hours and 22 minutes after it entered Scorpio"));
}

// Readings of a time to the minute, worked out in full: a change within the minute is
// given to the second, a skipped time says what the clocks did.
void TestAstroTexts::timeTexts_data() {
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDateTime>("clock"); // local
    QTest::addColumn<QString>("start");
    const auto row = [](const char* name, const char* zone, const QDateTime& clock,
                        const char* start) {
        QTest::newRow(name) << QByteArray(zone) << clock << QString::fromUtf8(start);
    };
    row("within the minute", "Europe/London", utc(2024, 3, 20, 3, 6, 0),
        "The Sun entered Aries at 03:06:24, within the minute you gave: born before that, the "
        "Sun was in Pisces; after, in Aries.");
    row("the minute before", "Europe/London", utc(2024, 3, 20, 3, 5, 0),
        "At 03:05 (UTC+00:00) on 20 March 2024 the Sun was at 29\u00B059\u2032 Pisces, 1 minute "
        "before it entered Aries.");
    row("within a day's last minute, before 1970", "Asia/Bangkok", utc(1953, 6, 21, 23, 59, 0),
        "The Sun entered Cancer at 23:59:53, within the minute you gave: born before that, the "
        "Sun was in Gemini; after, in Cancer.");
    row("skipped", "Europe/London", utc(2024, 3, 31, 1, 30, 0),
        "Clocks in Europe/London went from 01:00 to 02:00 on 31 March 2024, so 01:30 did not "
#ifdef Q_OS_WIN
        "happen there. Did you mean 00:30 UTC+00:00 or 02:30 UTC+01:00?");
#else
        "happen there. Did you mean 00:30 GMT or 02:30 BST?");
#endif
    row("skipped with a whole day", "Pacific/Apia", utc(2011, 12, 30, 12, 0, 0),
        "Clocks in Pacific/Apia went from 00:00 on 30 December 2011 to 00:00 on 31 December "
        "2011, so 12:00 did not happen there. Did you mean 12:00 UTC-10:00 on 29 December 2011 "
        "or 12:00 UTC+14:00 on 31 December 2011?");
    row("twice", "Europe/London", utc(2024, 10, 27, 1, 30, 0),
        "01:30 on 27 October 2024 happened twice in Europe/London, as the clocks went back at "
        "the end of summer time: at 01:30 (UTC+01:00) the Sun was at 4\u00B004\u2032 Scorpio, 4 "
        "days, 2 hours and 15 minutes after it entered Scorpio; at 01:30 (UTC+00:00) it was at "
        "4\u00B007\u2032 Scorpio, 4 days, 3 hours and 15 minutes after it entered Scorpio.");
}

void TestAstroTexts::timeTexts() {
    QFETCH(QByteArray, zone);
    QFETCH(QDateTime, clock);
    QFETCH(QString, start);
    const QTimeZone timeZone(zone);
    const auto readings = Astro::readTime(clock.date(), clock.time(), timeZone);
    QVERIFY(readings);
    const QString text = Astro::timeText(clock.date(), clock.time(), timeZone, *readings);
    QVERIFY2(text.startsWith(start), qPrintable(text));
    // No angle twice: the place in the sign is the only one given.
    QVERIFY2(text.count(QChar(0x2032)) <= readings->size(), qPrintable(text));
}

void TestAstroTexts::cuspSentences_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("time"); // empty: the whole day
    QTest::addColumn<QByteArray>("zoneId");
    QTest::addColumn<QString>("sentence"); // empty: none
    const auto row = [](const QString& name, const QDate& date, const char* time, const char* zone,
                        const QString& sentence) {
        QTest::newRow(qPrintable(name))
            << date << QString::fromLatin1(time) << QByteArray(zone) << sentence;
    };
    // July 1990 in Berlin: the Sun entered Leo on the 23rd.
    const auto july = [&](const char* name, int day, const char* time, const QString& end) {
        row(name, QDate(1990, 7, day), time, "Europe/Berlin",
            end.isEmpty() ? end
                          : QStringLiteral("By the calendar rule, %1 July is on the cusp of "
                                           "Cancer and Leo. The Sun itself entered Leo on 23 "
                                           "July 1990 at 04:22 (UTC+02:00): ")
                                    .arg(day) +
                                end);
    };
    july("cusp day, whole day", 21, "", "on 21 July it was in Cancer all day.");
    july("change on the day", 23, "", "on 23 July it was in Cancer until then and in Leo after.");
    july("time before the change", 21, "10:00",
         "at 10:00 (UTC+02:00) on 21 July it was in Cancer, 1 day, 18 hours and 22 minutes "
         "before the change.");
    july("time after the change", 23, "12:00",
         "at 12:00 (UTC+02:00) on 23 July it was in Leo, 7 hours and 38 minutes after the "
         "change.");
    for (int day : {1, 18, 24, 31})
        july(qPrintable(QStringLiteral("not a cusp day: %1 July").arg(day)), day, "", {});
    july("not a cusp day, with a time", 24, "04:00", {});
    row("change within the minute", QDate(2024, 3, 20), "03:06", "Europe/London",
        "By the calendar rule, 20 March is on the cusp of Pisces and Aries. The Sun itself "
        "entered Aries on 20 March 2024 at 03:06 (UTC+00:00): at 03:06 (UTC+00:00) on 20 March "
        "it was in Pisces until 03:06:24 and in Aries after, as it changed sign within that "
        "minute.");
    // In the minute's last half: the change rounds to the next minute, the birth does not.
    row("change late in the minute", QDate(2024, 4, 19), "13:59", "UTC",
        "By the calendar rule, 19 April is on the cusp of Aries and Taurus. The Sun itself "
        "entered Taurus on 19 April 2024 at 14:00 (UTC+00:00): at 13:59 (UTC+00:00) on 19 April "
        "it was in Aries until 13:59:45 and in Taurus after, as it changed sign within that "
        "minute.");
    row("repeated hour", QDate(2010, 9, 21), "23:30", "Asia/Tehran",
        "By the calendar rule, 21 September is on the cusp of Virgo and Libra. The Sun itself "
        "entered Libra on 23 September 2010 at 06:39 (UTC+03:30): at 23:30 (UTC+04:30) on 21 "
        "September it was in Virgo, 1 day, 8 hours and 9 minutes before the change; when the "
        "clocks showed it again, at 23:30 (UTC+03:30) it was in Virgo, 1 day, 7 hours and 9 "
        "minutes before the change.");
    row("skipped time", QDate(2010, 3, 22), "00:30", "Asia/Tehran",
        "By the calendar rule, 22 March is on the cusp of Pisces and Aries. The Sun itself "
        "entered Aries on 20 March 2010 at 21:02 (UTC+03:30): no clock in Asia/Tehran showed "
        "00:30 on 22 March.");
    row("year not covered", QDate(1899, 7, 21), "", "UTC", {});
}

void TestAstroTexts::cuspSentences() {
    QFETCH(QDate, date);
    QFETCH(QString, time);
    QFETCH(QByteArray, zoneId);
    QFETCH(QString, sentence);
    const std::optional<QTime> at =
        time.isEmpty() ? std::nullopt : std::optional(QTime::fromString(time, "HH:mm"));
    const std::optional<QString> got = Astro::cuspSentence(date, at, QTimeZone(zoneId));
    QCOMPARE(got.value_or(QString()), sentence);
    QCOMPARE(got.has_value(), !sentence.isEmpty());
}

// The sentence names the cusp the verdict names: for every month, the same pair.
void TestAstroTexts::calendarCuspIsTheVerdictsCusp() {
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 28; ++day) {
            const std::optional<Astro::CalendarCusp> cusp =
                Astro::calendarCusp(QDate(2001, month, day));
            const CuspResolution verdict = ResolveCusp(month - 1, day - 1);
            QCOMPARE(cusp.has_value(), verdict.isCusp);
            if (!cusp)
                continue;
            QCOMPARE(Astro::signName(cusp->leaving), signProfile(*verdict.firstSign).name);
            QCOMPARE(Astro::signName(cusp->entering), signProfile(*verdict.secondSign).name);
        }
    }
}

QTEST_GUILESS_MAIN(TestAstroTexts)
#include "tst_astrotexts.moc"
