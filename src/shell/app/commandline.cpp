#include "commandline.h"

#include "astrotexts.h"
#include "solvanta_config.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTimeZone>

#include <cstdio>
#include <memory>

namespace {

// Options of the toolkit itself, which it reads from the same command line.
const char* const kToolkitValueOptions[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "display",       "session", "style",
    "stylesheet",
};
const char* const kToolkitFlags[] = {"reverse", "nograb", "dograb", "sync", "widgetcount"};

QString programName(const QStringList& arguments) {
    return arguments.isEmpty() ? QStringLiteral("solvanta")
                               : QFileInfo(arguments.first()).fileName();
}

// The parser writes its help from the running application's arguments; when
// there is none yet, one lives just long enough to write it.
QString helpText(const QCommandLineParser& parser, const QStringList& arguments) {
    if (QCoreApplication::instance())
        return parser.helpText();
    static QByteArray name = arguments.value(0, QStringLiteral("solvanta")).toLocal8Bit();
    static char* argv[] = {name.data(), nullptr};
    static int argc = 1;
    const QCoreApplication app(argc, argv);
    return parser.helpText();
}

// An argument quoted back in a one-line message: control characters (a newline
// among them) are shown as escapes, so that the message stays one line.
QString oneLine(const QString& text) {
    QString line;
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            line += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            line += c;
    }
    return line;
}

// The zone the listing is given in when none is named: the system's, or UTC
// where the system's cannot be read.
QTimeZone defaultZone() {
    const QTimeZone zone = QTimeZone::systemTimeZone();
    return zone.isValid() ? zone : QTimeZone::utc();
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
    const QTimeZone zone = zoneName ? QTimeZone(zoneName->toUtf8()) : defaultZone();
    const QStringList lines = Astro::commandLineLines(year.trimmed().toInt(), zone);
    if (lines.isEmpty())
        return refuse(QStringLiteral("the moments of %1 could not be worked out.").arg(year));
    return {CommandLine::Action::ShowListing, lines.join(QLatin1Char('\n')) + QLatin1Char('\n')};
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Solvanta tells you whether you were born on the cusp of two sun signs.\n"
                       "Started without options, it opens its window."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption sunChanges(
        QStringLiteral("sun-changes"),
        QStringLiteral("Print the moments the Sun entered each sign in <year> (%1 to %2), "
                       "one per line: the sign, a tab, the moment to the second with its "
                       "UTC offset (ISO 8601).")
            .arg(Astro::kFirstYear)
            .arg(Astro::kLastYear),
        QStringLiteral("year"));
    const QCommandLineOption timeZone(
        QStringLiteral("time-zone"),
        QStringLiteral("The time zone of the moments --sun-changes prints, such as "
                       "Europe/London or UTC (default: the system's)."),
        QStringLiteral("zone"));
    parser.addOption(sunChanges);
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

    const QString program = programName(arguments);
    const auto refuse = [&program](const QString& why) {
        return CommandLine{CommandLine::Action::Refuse,
                           QStringLiteral("%1: %2 (try '%1 --help')").arg(program, oneLine(why))};
    };
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        return {CommandLine::Action::ShowHelp, helpText(parser, arguments)};
    if (parser.isSet(version))
        return {CommandLine::Action::ShowVersion,
                QStringLiteral("Solvanta %1\n").arg(QStringLiteral(SOLVANTA_VERSION))};
    if (!parser.positionalArguments().isEmpty())
        return refuse(QStringLiteral("unexpected argument '%1'.")
                          .arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(timeZone) && !parser.isSet(sunChanges))
        return refuse(QStringLiteral("--time-zone goes with --sun-changes."));
    if (parser.isSet(sunChanges))
        return sunChangesListing(
            parser.value(sunChanges),
            parser.isSet(timeZone) ? std::optional(parser.value(timeZone)) : std::nullopt, refuse);
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
    return displayGiven || !environment.value(QStringLiteral("DISPLAY")).isEmpty() ||
           !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty();
}

std::optional<int> HandleCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    const CommandLine command = ParseCommandLine(arguments);
    switch (command.action) {
    case CommandLine::Action::ShowHelp:
    case CommandLine::Action::ShowVersion:
    case CommandLine::Action::ShowListing:
        std::fputs(command.output.toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Action::Refuse:
        std::fprintf(stderr, "%s\n", command.output.toLocal8Bit().constData());
        return 2;
    case CommandLine::Action::StartProgram:
        break;
    }

    if (!DisplayAvailable(arguments, QProcessEnvironment::systemEnvironment())) {
        std::fprintf(stderr,
                     "%s: a graphical desktop is needed, and no display was found "
                     "(neither DISPLAY nor WAYLAND_DISPLAY is set).\n",
                     programName(arguments).toLocal8Bit().constData());
        return 1;
    }
    return std::nullopt;
}
