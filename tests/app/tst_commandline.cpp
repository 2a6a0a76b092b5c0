#include "commandline.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList args(const char* line) {
    QStringList list{QStringLiteral("/usr/bin/solvanta")};
    const QString text = QString::fromUtf8(line);
    if (!text.isEmpty())
        list += text.split(QLatin1Char(' '));
    return list;
}

QProcessEnvironment environment(std::initializer_list<std::pair<const char*, const char*>> vars) {
    QProcessEnvironment env;
    for (const auto& [name, value] : vars)
        env.insert(QString::fromLatin1(name), QString::fromLatin1(value));
    return env;
}

struct Run {
    int status = -1;
    QString out;
    QString err;
};

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_home.isValid()); }

    void parses_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("contains");
        using A = CommandLine::Action;
        QTest::newRow("nothing") << args("") << int(A::StartProgram) << "";
        QTest::newRow("--help") << args("--help") << int(A::ShowHelp) << "--version";
        QTest::newRow("-h") << args("-h") << int(A::ShowHelp) << "--help";
        QTest::newRow("--version") << args("--version") << int(A::ShowVersion) << "Solvanta 1.0\n";
        QTest::newRow("-v") << args("-v") << int(A::ShowVersion) << "Solvanta 1.0\n";
        QTest::newRow("help wins") << args("--version --help") << int(A::ShowHelp) << "Usage:";
        QTest::newRow("unknown option") << args("--frobnicate") << int(A::Refuse) << "frobnicate";
        QTest::newRow("unknown short") << args("-q") << int(A::Refuse) << "\"q\"";
        QTest::newRow("stray argument") << args("hello") << int(A::Refuse) << "\"hello\"";
        QTest::newRow("toolkit platform")
            << args("-platform offscreen") << int(A::StartProgram) << "";
        QTest::newRow("session restart") << args("-session 1234_5") << int(A::StartProgram) << "";
        QTest::newRow("toolkit flag") << args("-reverse") << int(A::StartProgram) << "";
        QTest::newRow("sun changes") << args("--sun-changes 1966 --time-zone UTC")
                                     << int(A::ShowListing) << "Aries\t1966-03-21T01:52:53+00:00\n";
        QTest::newRow("zone first") << args("--time-zone Pacific/Kiritimati --sun-changes 2050")
                                    << int(A::ShowListing) << "+14:00\n";
        QTest::newRow("help wins over a listing")
            << args("--sun-changes 2000 --help") << int(A::ShowHelp) << "--time-zone <zone>";
        QTest::newRow("year before 1900") << args("--sun-changes 1899") << int(A::Refuse) << "1899";
        QTest::newRow("year after 2050") << args("--sun-changes 2051") << int(A::Refuse) << "2051";
        QTest::newRow("not a year") << args("--sun-changes 19x6") << int(A::Refuse) << "19x6";
        QTest::newRow("no year") << args("--sun-changes") << int(A::Refuse) << "sun-changes";
        QTest::newRow("unknown zone") << args("--sun-changes 2000 --time-zone Mars/Olympus")
                                      << int(A::Refuse) << "Mars/Olympus";
        QTest::newRow("empty zone")
            << QStringList{"solvanta", "--sun-changes", "2000", "--time-zone", ""} << int(A::Refuse)
            << "time zone";
        QTest::newRow("zone alone") << args("--time-zone UTC") << int(A::Refuse) << "--sun-changes";
        QTest::newRow("a year with a line break")
            << QStringList{"solvanta", "--sun-changes", "19\n66"} << int(A::Refuse)
            << "19\\u000a66";
        QTest::newRow("a year with line and paragraph separators")
            << QStringList{"solvanta", "--sun-changes", "19\u202866\u2029"} << int(A::Refuse)
            << "\"19\\u202866\\u2029\"";
        // Arguments are quoted as given, never read as places to fill in.
        for (const char* year : {"%2", "%1x"})
            QTest::addRow("year %s", year)
                << QStringList{"solvanta", "--sun-changes", year} << int(A::Refuse)
                << QStringLiteral("Not a year: \"%1\" (give a year from 1900 to 2050).").arg(year);
        QTest::newRow("zone twice")
            << args("--sun-changes 2000 --time-zone Mars/Olympus --time-zone UTC") << int(A::Refuse)
            << "--time-zone is given more than once";
        QTest::newRow("year twice") << args("--sun-changes 2000 --sun-changes 2001")
                                    << int(A::Refuse) << "--sun-changes is given more than once";
        // Zones through the zone finder; nothing read as a rule or a path.
        const auto zone = [](const QString& name, const QString& zone, A action,
                             const QString& said) {
            QTest::newRow(qPrintable(name))
                << QStringList{"solvanta", "--sun-changes", "2024", "--time-zone", zone}
                << int(action) << said;
        };
        zone("zone by city", "Tokyo", A::ShowListing, "+09:00\n");
        zone("zone by country", "india", A::ShowListing, "+05:30\n");
        zone("zone, older name", "US/Eastern", A::ShowListing, "-05:00\n");
        zone("offset", "UTC+5", A::ShowListing, "+05:00\n");
        zone("zone by a word's start", "pago", A::ShowListing, "-11:00\n");
        zone("zone by a place", "Dallas", A::ShowListing, "Aquarius\t2024-01-20T08:07:21-06:00\n");
        zone("two zones match", "indian/ch", A::Refuse,
             "2 time zones match \"indian/ch\": Indian/Chagos, Indian/Christmas (give one");
        zone("many zones match", "america", A::Refuse, "America/Araguaina and 139 more");
        zone("five zones, none more", "IST", A::Refuse,
             "5 time zones match \"IST\": Asia/Gaza, Asia/Hebron, Asia/Jerusalem, Asia/Kolkata, "
             "Europe/Dublin (give one of them).");
        for (const char* name : {"Xanadu", "foo", "XYZ+10:30", "ABC+1DEF,M13.5.0,M1.1.0",
                                 "../../../dev/stdin", "../../../tmp/x.tzif"})
            zone(QStringLiteral("no zone ") + name, name, A::Refuse,
                 QStringLiteral("Unknown time zone: \"%1\"").arg(name));
        zone("a long name cut short", QString(10000, 'A'), A::Refuse, QString(60, 'A') + "\"...");
        zone("60 characters shown whole", QString(60, 'A'), A::Refuse, QString(60, 'A') + "\" (");
        zone("five zones match", "europe/v", A::Refuse,
             "5 time zones match \"europe/v\": Europe/Vaduz, Europe/Vatican, Europe/Vienna, "
             "Europe/Vilnius, Europe/Volgograd (give one");
        zone("direction override shown as an escape", "ab\u202Ecd", A::Refuse, "\"ab\\u202ecd\"");
        // The Sun's sign on a day or at a moment, in one line.
        const auto sign = [](const char* name, const char* moment, const char* zone, A action,
                             const QString& said) {
            QTest::newRow(name) << QStringList{"solvanta", "--sun-sign", moment, "--time-zone",
                                               zone}
                                << int(action) << said;
        };
        sign("sign on a day", "1990-07-21", "Berlin", A::ShowListing,
             "The Sun was in Cancer all day on 21 July 1990, whatever the time of birth. It "
             "entered Leo on 23 July 1990 at 04:22 (UTC+02:00), 1 day, 4 hours and 22 minutes "
             "after that day ended.\n");
        sign("sign at a moment", "1990-07-21T23:30", "Europe/Berlin", A::ShowListing,
             "At 23:30 (UTC+02:00) on 21 July 1990 the Sun was at 28\u00B051\u2032 Cancer, 1 day, "
             "4 hours and 52 minutes before it entered Leo.\n");
        sign("sign, a change late in the minute", "2024-04-19T13:59", "UTC", A::ShowListing,
             "The Sun entered Taurus at 13:59:45, within the minute you gave");
        sign("sign, a repeated hour in one line", "2024-10-27T01:30", "London", A::ShowListing,
             "summer time: at 01:30 (UTC+01:00)");
        sign("sign, a place", "1990-07-21", "Springfield, Illinois", A::ShowListing,
             "on 22 July 1990 at 21:22 (UTC-05:00)");
        sign("sign, no such day", "1990-02-30", "UTC", A::Refuse,
             "Not a day or a moment: \"1990-02-30\"");
        sign("sign, seconds", "1990-07-21T23:30:10", "UTC", A::Refuse, "Not a day or a moment");
        sign("sign, year out of range", "1850-07-21", "UTC", A::Refuse, "1850");
        sign("sign, unknown place", "1990-07-21", "Atlantis", A::Refuse, "\"Atlantis\"");
        QTest::newRow("sign and changes")
            << args("--sun-sign 1990-07-21 --sun-changes 1990") << int(A::Refuse) << "not both";
        QTest::newRow("program's own name not echoed")
            << QStringList{"/tmp/x\n\x1b[31mevil", "--frobnicate"} << int(A::Refuse)
            << "(try 'solvanta --help')";
    }
    void parses() {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(QString, contains);
        const CommandLine command = ParseCommandLine(arguments);
        QCOMPARE(int(command.action), action);
        QVERIFY2(command.output.contains(contains), qPrintable(command.output));
        if (command.action == CommandLine::Action::Refuse) {
            QVERIFY(command.output.startsWith(QStringLiteral("solvanta: ")));
            QVERIFY(!command.output.contains(QLatin1Char('\n')));
            QVERIFY(!command.output.contains(QChar(0x1b)));
            QVERIFY2(command.output.size() < 300, qPrintable(command.output));
        }
    }

    // The listing: twelve lines in calendar order, each one moment of the year in
    // the zone asked for; the same instants whatever the zone.
    void sunChangesListing_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("offset"); // the offset of the Aquarius line
        QTest::newRow("1900 UTC") << 1900 << "UTC"
                                  << "+00:00";
        QTest::newRow("1966 London") << 1966 << "Europe/London"
                                     << "+00:00";
        QTest::newRow("2024 Kiritimati, UTC+14") << 2024 << "Pacific/Kiritimati"
                                                 << "+14:00";
        QTest::newRow("2024 Pago Pago, UTC-11") << 2024 << "Pacific/Pago_Pago"
                                                << "-11:00";
        QTest::newRow("2050 New York") << 2050 << "America/New_York"
                                       << "-05:00";
        // Local mean time, +05:41:16, which ISO 8601 cannot write: given in UTC.
        QTest::newRow("1900 Kathmandu") << 1900 << "Asia/Kathmandu"
                                        << "Z";
    }
    void sunChangesListing() {
        QFETCH(int, year);
        QFETCH(QString, zone);
        QFETCH(QString, offset);
        const QStringList arguments{"solvanta", "--sun-changes", QString::number(year),
                                    "--time-zone", zone};
        const CommandLine local = ParseCommandLine(arguments);
        const CommandLine utc = ParseCommandLine(
            {"solvanta", "--sun-changes", QString::number(year), "--time-zone", "UTC"});
        QCOMPARE(local.action, CommandLine::Action::ShowListing);
        QVERIFY(local.output.endsWith(QLatin1Char('\n')));
        const QStringList lines = local.output.chopped(1).split(QLatin1Char('\n'));
        const QStringList utcLines = utc.output.chopped(1).split(QLatin1Char('\n'));
        const QStringList signs{"Aquarius", "Pisces",  "Aries",       "Taurus",
                                "Gemini",   "Cancer",  "Leo",         "Virgo",
                                "Libra",    "Scorpio", "Sagittarius", "Capricorn"};
        QCOMPARE(lines.size(), 12);
        QVERIFY2(lines.first().endsWith(offset), qPrintable(lines.first()));
        const QRegularExpression line(
            QStringLiteral(R"(^([A-Za-z]+)\t(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d([+-]\d\d:\d\d|Z))$)"));
        QDateTime previous;
        for (int i = 0; i < 12; ++i) {
            const QRegularExpressionMatch match = line.match(lines.at(i));
            QVERIFY2(match.hasMatch(), qPrintable(lines.at(i)));
            QCOMPARE(match.captured(1), signs.at(i));
            const QDateTime moment = QDateTime::fromString(match.captured(2), Qt::ISODate);
            QVERIFY(moment.isValid());
            QCOMPARE(moment.date().year(), year); // the zone's calendar year
            if (previous.isValid())
                QVERIFY(previous < moment);
            previous = moment;
            // The same instant as the UTC listing's line for that sign.
            const QDateTime inUtc =
                QDateTime::fromString(utcLines.at(i).section(QLatin1Char('\t'), 1), Qt::ISODate);
            QVERIFY(utcLines.at(i).startsWith(signs.at(i) + QLatin1Char('\t')));
            QCOMPARE(inUtc.toMSecsSinceEpoch(), moment.toMSecsSinceEpoch());
        }
    }

    void helpListsOnlyOurOptions() {
        const QString help = ParseCommandLine(args("--help")).output;
        for (const char* hidden : {"platform", "session", "stylesheet", "reverse"})
            QVERIFY2(!help.contains(QLatin1String(hidden)), hidden);
    }

    void display_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QProcessEnvironment>("env");
        QTest::addColumn<bool>("available");
        QTest::newRow("nothing") << args("") << environment({}) << false;
        QTest::newRow("empty DISPLAY") << args("") << environment({{"DISPLAY", ""}}) << false;
        QTest::newRow("X") << args("") << environment({{"DISPLAY", ":0"}}) << true;
        QTest::newRow("Wayland") << args("") << environment({{"WAYLAND_DISPLAY", "wayland-0"}})
                                 << true;
        QTest::newRow("xcb without X")
            << args("") << environment({{"QT_QPA_PLATFORM", "xcb"}, {"WAYLAND_DISPLAY", ""}})
            << false;
        QTest::newRow("wayland list without either")
            << args("") << environment({{"QT_QPA_PLATFORM", "wayland;xcb"}}) << false;
        QTest::newRow("offscreen needs none")
            << args("") << environment({{"QT_QPA_PLATFORM", "offscreen"}}) << true;
        QTest::newRow("-platform offscreen")
            << args("-platform offscreen") << environment({}) << true;
        QTest::newRow("-platform xcb over offscreen")
            << args("-platform xcb") << environment({{"QT_QPA_PLATFORM", "offscreen"}}) << false;
        QTest::newRow("-display") << args("-display :3") << environment({}) << true;
    }
    void display() {
        QFETCH(QStringList, arguments);
        QFETCH(QProcessEnvironment, env);
        QFETCH(bool, available);
        QCOMPARE(DisplayAvailable(arguments, env), available);
    }

    // The built program, without any display: what it prints, how it ends, and
    // that it leaves the settings alone.
    // The command line in the environment's language: help, errors and --sun-sign
    // translated (Qt's own parts of the help too), --sun-changes as it is for scripts;
    // a C locale is English whatever LANGUAGE says.
    void speaksTheLanguage_data() {
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("said"); // all on standard output, or error when failed
        QTest::newRow("help in German")
            << "LANG=de_DE.UTF-8" << "--help" << 0
            << QStringList{"Aufruf: solvanta [Optionen]\n", "Ohne Optionen gestartet",
                           "--sun-changes <Jahr>", "englischen Namen"};
        QTest::newRow("French by LANGUAGE")
            << "LANG=en_US.UTF-8 LANGUAGE=fr" << "--nonsense" << 2
            << QStringList{"solvanta\u00A0: Option inconnue \"nonsense\". (voir \"solvanta "
                           "--help\")\n"};
        QTest::newRow("Spanish by LC_ALL over LANG=C")
            << "LANG=C LC_ALL=es_ES.UTF-8" << "" << 1
            << QStringList{"solvanta: se necesita un escritorio gráfico"};
        QTest::newRow("C locale over LANGUAGE")
            << "LANG=C.UTF-8 LANGUAGE=de" << "--nonsense" << 2
            << QStringList{"solvanta: Unknown option \"nonsense\". (try 'solvanta --help')\n"};
        QTest::newRow("sun changes the same in Portuguese")
            << "LANG=pt_BR.UTF-8" << "--sun-changes 2050 --time-zone UTC" << 0
            << QStringList{"Aquarius\t2050-01-19T21:33:58+00:00\nPisces\t"};
        QTest::newRow("sun sign in German")
            << "LANG=de_DE.UTF-8" << "--sun-sign 1990-07-21 --time-zone Berlin" << 0
            << QStringList{"Krebs", "21. Juli 1990", "1 Tag"};
    }
    void speaksTheLanguage() {
        QFETCH(QString, environment);
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QFETCH(QStringList, said);
        QProcessEnvironment language;
        for (const QString& setting : environment.split(' '))
            language.insert(setting.section('=', 0, 0), setting.section('=', 1));
        const Run run = runProgram(arguments.split(' ', Qt::SkipEmptyParts), "UTC", "", "",
                                   language);
        QCOMPARE(run.status, status);
        const QString text = status == 0 ? run.out : run.err;
        for (const QString& part : said)
            QVERIFY2(text.contains(part), qPrintable(text));
    }

    void programWithoutADisplay_data() {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("no display") << "" << 1 << ""
                                    << "solvanta: a graphical desktop is needed";
        QTest::newRow("--help") << "--help" << 0 << "Usage:"
                                << "";
        QTest::newRow("--version") << "--version" << 0 << "Solvanta 1.0\n"
                                   << "";
        QTest::newRow("unknown option") << "--nonsense" << 2 << ""
                                        << "solvanta: Unknown option \"nonsense\".";
        QTest::newRow("sun changes in the system's zone")
            << "--sun-changes 1966" << 0 << "Aquarius\t1966-01-20T21:19:39+09:00\nPisces\t"
            << "";
        QTest::newRow("sun changes, UTC")
            << "--sun-changes 2050 --time-zone UTC" << 0 << "Aquarius\t2050-01-19T21:33:58+00:00\n"
            << "";
        QTest::newRow("sun changes, year out of range") << "--sun-changes 1850" << 2 << ""
                                                        << "solvanta: Year 1850 is outside";
        QTest::newRow("sun sign in the system's zone")
            << "--sun-sign 1990-07-21" << 0 << "The Sun was in Cancer all day on 21 July 1990"
            << "";
        QTest::newRow("several places, five named")
            << "--sun-sign 1990-07-21 --time-zone Springfield" << 2 << ""
            << "solvanta: 5 places match \"Springfield\": Springfield, Massachusetts, United "
               "States \u2014 America/New_York, Springfield, Missouri";
        QTest::newRow("many places, counted")
            << "--sun-changes 2024 --time-zone san" << 2 << ""
            << "solvanta: 158 places match \"san\": San, S\u00E9gou, Mali \u2014 Africa/Bamako, ";
        QTest::newRow("sun changes, unknown zone")
            << "--sun-changes 2000 --time-zone Nowhere/Land" << 2 << ""
            << "solvanta: Unknown time zone: \"Nowhere/Land\"";
        const auto run = [](const char* name, const char* arguments, int status, const char* out,
                            const char* err) {
            QTest::newRow(name) << arguments << status << out << err;
        };
        // A TZ that names no zone of the system's list is never read: UTC instead.
        const char* utc = "Aquarius\t2024-01-20T14:07:21+00:00\n";
        run("TZ a rule that never ends", "TZ=ABC+1DEF,M13.5.0,M1.1.0 --sun-changes 2024", 0, utc,
            "");
        run("TZ a path", "TZ=../../../dev/stdin --sun-changes 2024", 0, utc, "");
        run("TZ with a colon", "TZ=:Asia/Tokyo --sun-changes 2024", 0,
            "Aquarius\t2024-01-20T23:07:21+09:00\n", "");
        // Output that cannot be written is a failure, said on standard error.
        run("listing to a full disk", ">/dev/full --sun-changes 2024", 1, "",
            "solvanta: the output could not be written (No space left on device).");
        run("help to a full disk", ">/dev/full --help", 1, "",
            "solvanta: the output could not be written");
        run("listing to a closed output", ">&- --sun-changes 2024", 1, "",
            "solvanta: the output could not be written (Bad file descriptor).");
        // A file of the zone folder that the toolkit would open is a FIFO: never opened.
        const char* london = "--sun-changes 2024 --time-zone Europe/London";
        run("zone table a FIFO", qPrintable(QStringLiteral("FIFO=zone.tab ") + london), 0, utc, "");
        run("newer zone table a FIFO", qPrintable(QStringLiteral("FIFO=zone1970.tab ") + london), 0,
            utc, "");
        run("zone's own file a FIFO", qPrintable(QStringLiteral("FIFO=Europe/London ") + london), 2,
            "", "solvanta: Unknown time zone: \"Europe/London\"");
        run("TZ's file a FIFO", "TZ=Europe/Paris FIFO=Europe/Paris --sun-changes 2024", 0, utc, "");
    }
    void programWithoutADisplay() {
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        // Leading "TZ=..." sets the system's zone, a leading ">..." redirects standard output.
        QStringList words = arguments.isEmpty() ? QStringList() : arguments.split(' ');
        const QString zone =
            words.value(0).startsWith("TZ=") ? words.takeFirst().mid(3) : "Asia/Tokyo";
        // "FIFO=name": that file of the zone folder is a FIFO, in a mount namespace of its own.
        const QString fifo = words.value(0).startsWith("FIFO=") ? words.takeFirst().mid(5) : "";
        if (!fifo.isEmpty() && QProcess::execute(QStringLiteral("unshare"), {"-m", "true"}) != 0)
            QSKIP("a private mount namespace (unshare -m) is not permitted here; run as root");
        const QString redirect = words.value(0).startsWith('>') ? words.takeFirst() : QString();
        const Run run = runProgram(words, zone, redirect, fifo);
        QCOMPARE(run.status, status);
        QVERIFY2(out.isEmpty() ? run.out.isEmpty() : run.out.startsWith(out), qPrintable(run.out));
        QVERIFY2(err.isEmpty() ? run.err.isEmpty() : run.err.startsWith(err), qPrintable(run.err));
        if (!err.isEmpty())
            QCOMPARE(run.err.count(QLatin1Char('\n')), 1); // one line
        QVERIFY(!run.err.contains(QLatin1String("qt.qpa")));
        // Nothing was written for this user.
        QDir home(m_home.path());
        QCOMPARE(home.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
    }

private:
    Run runProgram(const QStringList& arguments, const QString& zone, const QString& redirect,
                   const QString& fifo, const QProcessEnvironment& language = {}) {
        QProcess program;
        QProcessEnvironment env;
        env.insert(QStringLiteral("HOME"), m_home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.path() + QStringLiteral("/config"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.path() + QStringLiteral("/runtime"));
        env.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
        env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        env.insert(QStringLiteral("TZ"), zone);
        env.insert(language);
        program.setProcessEnvironment(env);
        const QString bind = "f=$(mktemp -u) && mkfifo $f && mount --bind $f /usr/share/zoneinfo/" +
                             fifo + " && rm $f && ";
        const QStringList shell{"-m", "/bin/sh", "-c",
                                (fifo.isEmpty() ? "" : bind) + "exec \"$0\" \"$@\" " + redirect,
                                SOLVANTA_PROGRAM};
        program.start(fifo.isEmpty() ? "/bin/sh" : "unshare",
                      (fifo.isEmpty() ? shell.mid(2) : shell) + arguments);
        Run run;
        if (!program.waitForStarted(10000))
            return run;
        if (program.state() != QProcess::NotRunning && !program.waitForFinished(15000))
            return run;
        run.status = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -2;
        run.out = QString::fromLocal8Bit(program.readAllStandardOutput());
        run.err = QString::fromLocal8Bit(program.readAllStandardError());
        return run;
    }

    QTemporaryDir m_home;
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
