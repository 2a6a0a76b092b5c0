#include "commandline.h"

#include <QDir>
#include <QProcess>
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
        QTest::newRow("unknown short") << args("-q") << int(A::Refuse) << "'q'";
        QTest::newRow("stray argument") << args("hello") << int(A::Refuse) << "'hello'";
        QTest::newRow("toolkit platform")
            << args("-platform offscreen") << int(A::StartProgram) << "";
        QTest::newRow("session restart") << args("-session 1234_5") << int(A::StartProgram) << "";
        QTest::newRow("toolkit flag") << args("-reverse") << int(A::StartProgram) << "";
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
                                        << "solvanta: Unknown option 'nonsense'.";
    }
    void programWithoutADisplay() {
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run run = runProgram(arguments.isEmpty() ? QStringList() : arguments.split(' '));
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
    Run runProgram(const QStringList& arguments) {
        QProcess program;
        QProcessEnvironment env;
        env.insert(QStringLiteral("HOME"), m_home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.path() + QStringLiteral("/config"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.path() + QStringLiteral("/runtime"));
        env.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
        env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(SOLVANTA_PROGRAM), arguments);
        Run run;
        if (!program.waitForStarted(10000))
            return run;
        if (program.state() != QProcess::NotRunning && !program.waitForFinished(30000))
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
