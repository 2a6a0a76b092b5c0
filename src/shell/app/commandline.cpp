#include "commandline.h"

#include "astrotexts.h"
#include "solvanta_config.h"
#include "translations.h"
#include "zonefinder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QTimeZone>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// Options of the toolkit itself, which it reads from the same command line.
const char* const kToolkitValueOptions[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "display",       "session", "style",
    "stylesheet",
};
const char* const kToolkitFlags[] = {"reverse", "nograb", "dograb", "sync", "widgetcount"};

// The name messages begin with. The name the program was started by is not echoed:
// it is whatever the starter chose, line breaks and terminal escapes included.
const char* const kProgram = "solvanta";

// The parser writes its help from the running application's arguments; when
// there is none yet, one lives just long enough to write it.
QString helpText(const QCommandLineParser& parser) {
    if (QCoreApplication::instance())
        return parser.helpText();
    static char name[] = "solvanta";
    static char* argv[] = {name, nullptr};
    static int argc = 1;
    const QCoreApplication app(argc, argv);
    return parser.helpText();
}

// A one-line message with arguments quoted in it: control characters (a newline
// among them) are shown as escapes, so that the message stays one line, and so are
// the invisible formatting characters, among them those that turn the direction of
// the text after them (U+202E) and so would turn the rest of the message backwards.
QString oneLine(const QString& text) {
    QString line;
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
            c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            line += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            line += c;
    }
    return line;
}

// Writes all of the text to standard output; false, with errno telling why, when
// any of it could not be written (a full disk, a closed output: `outputOpen` false).
bool writeOutput(const QString& text, bool outputOpen) {
    if (!outputOpen) {
        errno = EBADF;
        return false;
    }
    const QByteArray bytes = text.toLocal8Bit();
    errno = 0;
    const size_t written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    const bool flushed = std::fflush(stdout) == 0;
    return written == size_t(bytes.size()) && flushed && !std::ferror(stdout);
}

// The twelve moments of a year, or why there are none.
template <typename Refuse>
CommandLine sunChangesListing(const QString& year, const std::optional<QString>& zoneName,
                              const Refuse& refuse) {
    if (const std::optional<QString> problem = Astro::yearArgumentError(year))
        return refuse(*problem);
    if (zoneName) {
        if (const std::optional<QString> problem = Astro::zoneArgumentError(*zoneName))
            return refuse(*problem);
    }
    // Without a zone named, the system's (UTC where it is none the finder knows).
    const QTimeZone zone = zoneName ? Astro::findZone(*zoneName).zone : Astro::systemZone();
    const QStringList lines = Astro::commandLineLines(year.trimmed().toInt(), zone);
    if (lines.isEmpty())
        return refuse(
            QCoreApplication::translate("CommandLine", "the moments of %1 could not be worked out.")
                .arg(Astro::quotedArgument(year)));
    return {CommandLine::Action::ShowListing, lines.join(QLatin1Char('\n')) + QLatin1Char('\n')};
}

// The reading the Sun Sign Changes window gives for a day ("1990-07-21") or a moment
// ("1990-07-21T23:30"), as one line, or why there is none.
template <typename Refuse>
CommandLine sunSignReading(const QString& moment, const std::optional<QString>& zoneName,
                           const Refuse& refuse) {
    static const QRegularExpression form(
        QStringLiteral("^(\\d{4})-(\\d\\d)-(\\d\\d)(?:T(\\d\\d):(\\d\\d))?$"));
    const QRegularExpressionMatch parts = form.match(moment.trimmed());
    const QDate date =
        parts.hasMatch()
            ? QDate(parts.captured(1).toInt(), parts.captured(2).toInt(), parts.captured(3).toInt())
            : QDate();
    const bool timed = parts.hasMatch() && !parts.captured(4).isEmpty();
    const QTime time =
        timed ? QTime(parts.captured(4).toInt(), parts.captured(5).toInt()) : QTime(0, 0);
    if (!date.isValid() || !time.isValid())
        return refuse(QCoreApplication::translate(
                          "CommandLine", "Not a day or a moment: %1 (give a day such as "
                                         "1990-07-21, or a day and time such as 1990-07-21T23:30).")
                          .arg(Astro::quotedArgument(moment)));
    if (const std::optional<QString> problem =
            Astro::yearArgumentError(QString::number(date.year())))
        return refuse(*problem);
    if (zoneName) {
        if (const std::optional<QString> problem = Astro::zoneArgumentError(*zoneName))
            return refuse(*problem);
    }
    const QTimeZone zone = zoneName ? Astro::findZone(*zoneName).zone : Astro::systemZone();
    QString reading;
    if (!timed) {
        if (const std::optional<Astro::DayReading> day = Astro::readDay(date, zone))
            reading = Astro::dayText(*day, zone);
    } else if (const auto readings = Astro::readTime(date, time, zone)) {
        reading = Astro::timeText(date, time, zone, *readings);
    }
    if (reading.isEmpty())
        return refuse(QCoreApplication::translate("CommandLine",
                                                  "the Sun's sign on %1 could not be worked out.")
                          .arg(Astro::quotedArgument(moment)));
    // The window may set the reading over several lines; here it is one.
    return {CommandLine::Action::ShowListing,
            reading.split(QLatin1Char('\n'), Qt::SkipEmptyParts).join(QLatin1Char(' ')) +
                QLatin1Char('\n')};
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Solvanta tells you whether you were born on the cusp of two sun signs.\n"
                       "Started without options, it opens its window."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption sunChanges(
        QStringLiteral("sun-changes"),
        //: <year> is the value name of the option (the text "year" below): translate both alike.
        QCoreApplication::translate(
            "CommandLine",
            "Print the moments the Sun entered each sign in <year> (%1 to %2), one per line: "
            "the sign, a tab, the moment to the second in ISO 8601 with the zone's UTC offset "
            "then (1966-03-21T02:52:53+01:00), or in UTC (1900-01-20T11:32:25Z) where that "
            "offset had seconds. The listing is the same in every language (the signs' English "
            "names), for scripts to read.")
            .arg(Astro::kFirstYear)
            .arg(Astro::kLastYear),
        //: The value of --sun-changes, shown as <year> in the help.
        QCoreApplication::translate("CommandLine", "year"));
    const QCommandLineOption sunSign(
        QStringLiteral("sun-sign"),
        QCoreApplication::translate(
            "CommandLine",
            "Print, in one line, the sign the Sun was in on a day (1990-07-21) or at a moment to "
            "the minute (1990-07-21T23:30), as the Sun Sign Changes window reads it: the change "
            "within that day or minute, or how far the Sun was from the nearer change."),
        //: The value of --sun-sign, shown as <moment> in the help.
        QCoreApplication::translate("CommandLine", "moment"));
    const QCommandLineOption timeZone(
        QStringLiteral("time-zone"),
        QCoreApplication::translate(
            "CommandLine",
            "The time zone of --sun-changes and --sun-sign: a place (Dallas, \"Springfield, "
            "Illinois\"), a zone's name (Europe/London, new york), a country (Japan), an "
            "abbreviation (IST), or an offset from UTC (UTC+05:30). Default: the system's zone."),
        //: The value of --time-zone, shown as <zone> in the help.
        QCoreApplication::translate("CommandLine", "zone"));
    parser.addOption(sunChanges);
    parser.addOption(sunSign);
    parser.addOption(timeZone);
    for (const char* name : kToolkitValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kToolkitFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const auto refuse = [](const QString& why) {
        const QString program = QString::fromLatin1(kProgram);
        //: %1 is the program's name (solvanta), %2 why the command line was refused.
        return CommandLine{CommandLine::Action::Refuse,
                           QCoreApplication::translate("CommandLine", "%1: %2 (try '%1 --help')")
                               .arg(program, oneLine(why))};
    };
    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().isEmpty())
            return refuse(
                QCoreApplication::translate("CommandLine", "Unknown option %1.")
                    .arg(Astro::quotedArgument(parser.unknownOptionNames().constFirst())));
        return refuse(parser.errorText());
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        return {CommandLine::Action::ShowHelp, helpText(parser)};
    if (parser.isSet(version))
        return {CommandLine::Action::ShowVersion,
                QStringLiteral("Solvanta %1\n").arg(QStringLiteral(SOLVANTA_VERSION))};
    if (!parser.positionalArguments().isEmpty())
        return refuse(QCoreApplication::translate("CommandLine", "unexpected argument %1.")
                          .arg(Astro::quotedArgument(parser.positionalArguments().constFirst())));
    // Given twice, which one was meant cannot be told.
    for (const QCommandLineOption& option : {sunChanges, sunSign, timeZone}) {
        if (parser.values(option).size() > 1)
            return refuse(QCoreApplication::translate("CommandLine",
                                                      "--%1 is given more than once; give it once.")
                              .arg(option.names().constFirst()));
    }
    if (parser.isSet(timeZone) && !parser.isSet(sunChanges) && !parser.isSet(sunSign))
        return refuse(QCoreApplication::translate(
            "CommandLine", "--time-zone goes with --sun-changes or --sun-sign."));
    if (parser.isSet(sunChanges) && parser.isSet(sunSign))
        return refuse(QCoreApplication::translate("CommandLine",
                                                  "give --sun-changes or --sun-sign, not both."));
    const std::optional<QString> zoneName =
        parser.isSet(timeZone) ? std::optional(parser.value(timeZone)) : std::nullopt;
    if (parser.isSet(sunChanges))
        return sunChangesListing(parser.value(sunChanges), zoneName, refuse);
    if (parser.isSet(sunSign))
        return sunSignReading(parser.value(sunSign), zoneName, refuse);
    return {};
}

bool DisplayAvailable(const QStringList& arguments, const QProcessEnvironment& environment) {
    // A platform chosen on the command line wins over the environment's.
    QString platform = environment.value(QStringLiteral("QT_QPA_PLATFORM"));
    bool displayGiven = false;
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        const QString option = arguments.at(i);
        if (option == QLatin1String("-platform") || option == QLatin1String("--platform"))
            platform = arguments.at(i + 1);
        if (option == QLatin1String("-display") || option == QLatin1String("--display"))
            displayGiven = !arguments.at(i + 1).isEmpty();
    }
    // "xcb", "wayland", "wayland-egl;xcb" and the like need a display server; any
    // other platform (offscreen, vnc, eglfs, ...) brings its own screen.
    const QString first = platform.section(QLatin1Char(';'), 0, 0).section(QLatin1Char(':'), 0, 0);
    if (!first.isEmpty() && first != QLatin1String("xcb") &&
        !first.startsWith(QLatin1String("wayland")))
        return true;
#ifdef Q_OS_WIN
    if (first.isEmpty())
        return true; // the Windows desktop is always there
#endif
    return displayGiven || !environment.value(QStringLiteral("DISPLAY")).isEmpty() ||
           !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty();
}

#ifdef Q_OS_WIN
namespace {

// The zone rules that come with the program (icu-tz beside solvanta.exe, from the same
// release of the zone database as on Linux) replace the older ones built into ICU. ICU
// reads the variable once, with the first zone, and opens the folder by its name in the
// code page: the short name keeps a folder with other letters reachable.
void useCarriedZoneRules() {
    if (qEnvironmentVariableIsSet("ICU_TIMEZONE_FILES_DIR"))
        return; // the user's own choice
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    std::wstring folder(path, length);
    folder.resize(folder.find_last_of(L"\\/") + 1);
    folder += L"icu-tz";
    wchar_t shortPath[MAX_PATH];
    const DWORD shortLength = ::GetShortPathNameW(folder.c_str(), shortPath, MAX_PATH);
    if (shortLength == 0 || shortLength >= MAX_PATH)
        return; // not there: ICU's own rules
    qputenv("ICU_TIMEZONE_FILES_DIR",
            QString::fromWCharArray(shortPath, int(shortLength)).toLocal8Bit());
}

} // namespace
#endif

std::optional<int> HandleCommandLine(int argc, char* argv[]) {
#ifdef Q_OS_WIN
    useCarriedZoneRules();
#endif
    // Before anything reads a time zone: TZ and TZDIR made safe for the toolkit.
    Astro::guardZoneEnvironment();
    QStringList arguments;
#ifdef Q_OS_WIN
    // The arguments as typed, in any script: the 8-bit ones hold only the code page's.
    int count = 0;
    if (LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i)
            arguments << QString::fromWCharArray(wide[i]);
        ::LocalFree(wide);
    }
    if (arguments.isEmpty())
#endif
        for (int i = 0; i < argc; ++i)
            arguments << QString::fromLocal8Bit(argv[i]);

    // What the command line says, it says in the desktop's language: the translations
    // need an application, made here only when something is to be said, so that a
    // plain start (no arguments, a display) goes on to the windows without one.
    // The application opens descriptors of its own, which must not take the number of
    // a closed standard stream (its messages would go into them): a closed one is
    // opened on /dev/null, and a closed output is still reported as closed.
    bool outputOpen = true;
#ifdef Q_OS_WIN
    // A windowed program started from a console has no output of its own: what it
    // answers goes to the console it was started from, unless it was redirected.
    if (arguments.size() > 1 &&
        ::GetFileType(::GetStdHandle(STD_OUTPUT_HANDLE)) == FILE_TYPE_UNKNOWN &&
        ::AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
    }
#else
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            outputOpen = outputOpen && fd != STDOUT_FILENO;
            const int nowhere = ::open("/dev/null", O_RDWR);
            if (nowhere >= 0 && nowhere != fd) {
                ::dup2(nowhere, fd);
                ::close(nowhere);
            }
        }
    }
#endif
    std::optional<QCoreApplication> speaker;
    const auto speak = [&speaker] {
        static char name[] = "solvanta";
        static char* speakerArgv[] = {name, nullptr};
        static int speakerArgc = 1;
        if (!speaker && !QCoreApplication::instance()) {
            speaker.emplace(speakerArgc, speakerArgv);
            Translations::install();
        }
    };
    if (arguments.size() > 1)
        speak();

    const CommandLine command = ParseCommandLine(arguments);
    switch (command.action) {
    case CommandLine::Action::ShowHelp:
    case CommandLine::Action::ShowVersion:
    case CommandLine::Action::ShowListing:
        if (!writeOutput(command.output, outputOpen)) {
            const int error = errno;
            const QString why = error != 0
                                    ? QString::fromLocal8Bit(std::strerror(error))
                                    : QCoreApplication::translate("CommandLine", "write error");
            std::fprintf(stderr, "%s\n",
                         QCoreApplication::translate("CommandLine",
                                                     "%1: the output could not be written (%2).")
                             .arg(QString::fromLatin1(kProgram), why)
                             .toLocal8Bit()
                             .constData());
            return 1;
        }
        return 0;
    case CommandLine::Action::Refuse:
        std::fprintf(stderr, "%s\n", command.output.toLocal8Bit().constData());
        return 2;
    case CommandLine::Action::StartProgram:
        break;
    }

    if (!DisplayAvailable(arguments, QProcessEnvironment::systemEnvironment())) {
        speak();
        std::fprintf(stderr, "%s\n",
                     QCoreApplication::translate(
                         "CommandLine", "%1: a graphical desktop is needed, and no display was "
                                        "found (neither DISPLAY nor WAYLAND_DISPLAY is set).")
                         .arg(QString::fromLatin1(kProgram))
                         .toLocal8Bit()
                         .constData());
        return 1;
    }
    return std::nullopt;
}
