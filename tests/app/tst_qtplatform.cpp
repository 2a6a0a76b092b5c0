#include "qtplatform.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Who holds the lock file when a copy starts.
enum class Holder { Nobody, RunningCopy };

// Lock tests run as an ordinary user; as root (where every file is readable)
// the probes run as this user instead.
constexpr uid_t kOtherUser = 65534;

bool runningAsRoot() {
    return ::geteuid() == 0;
}

bool chown(const QString& path, uid_t user) {
    return ::lchown(QFile::encodeName(path).constData(), user, user) == 0;
}

// Writes a lock file as a copy that is gone would have left it: modified an hour
// ago, unless it is to look as if it were being made right now.
bool writeLockFile(const QString& path, const QByteArray& content, bool fresh) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(content) != content.size() || !file.flush())
        return false;
    return fresh || file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                     QFileDevice::FileModificationTime);
}

} // namespace

Q_DECLARE_METATYPE(Holder)

class TestQtPlatform : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void settingsRoundTrip();
    void oneCopyPerUser();
    void aKilledCopyDoesNotLockTheUserOut();
    void twoCopiesStartedTogetherLeaveOneRunning_data();
    void twoCopiesStartedTogetherLeaveOneRunning();
    void lockFileStates_data();
    void lockFileStates();
    void lockPlace_data();
    void lockPlace();
    void lockPlaceOfAnotherUserIsNotUsed();
    void withoutRuntimeFolderTheLockIsTheUsersOwn();
    void randomDraws();

private:
    // A probe with the test's runtime folder, or with the environment changed
    // (an empty value removes a variable); as root, `unprivileged` runs it as
    // another, ordinary user.
    QProcess* startProbe(const QMap<QString, QString>& changes = {}, bool unprivileged = false);
    static QString firstLine(QProcess* probe);
    static bool endsNormally(QProcess* probe);

    QTemporaryDir m_runtime;
    QList<QProcess*> m_probes;
};

void TestQtPlatform::initTestCase() {
    QVERIFY(m_runtime.isValid());
    QFile::setPermissions(m_runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QStandardPaths::setTestModeEnabled(true);
}

void TestQtPlatform::settingsRoundTrip() {
    QSettings("Solvanta", "Solvanta").clear();
    {
        QtPlatform platform;
        QCOMPARE(platform.readSetting(QStringLiteral("lastReminderDate")), std::nullopt);
        QVERIFY(platform.writeSetting(QStringLiteral("lastReminderDate"),
                                      QStringLiteral("2026-12-07")));
    }
    QSettings raw("Solvanta", "Solvanta");
    QVERIFY(raw.fileName().contains(QStringLiteral(".qttest")));
    QCOMPARE(raw.value("Settings/lastReminderDate").toString(), QStringLiteral("2026-12-07"));
    QtPlatform again;
    QCOMPARE(again.readSetting(QStringLiteral("lastReminderDate")),
             std::optional<QString>(QStringLiteral("2026-12-07")));
    raw.clear();
}

QProcess* TestQtPlatform::startProbe(const QMap<QString, QString>& changes, bool unprivileged) {
    auto* probe = new QProcess(this);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    for (auto change = changes.begin(); change != changes.end(); ++change) {
        if (change.value().isEmpty())
            env.remove(change.key());
        else
            env.insert(change.key(), change.value());
    }
    probe->setProcessEnvironment(env);
    const QString program =
        QCoreApplication::applicationDirPath() + QStringLiteral("/instance_probe");
    if (unprivileged && runningAsRoot()) {
        const QString id = QString::number(kOtherUser);
        probe->start(QStringLiteral("setpriv"),
                     {QStringLiteral("--reuid=") + id, QStringLiteral("--regid=") + id,
                      QStringLiteral("--clear-groups"), program});
    } else {
        probe->start(program, QStringList());
    }
    m_probes << probe;
    return probe;
}

QString TestQtPlatform::firstLine(QProcess* probe) {
    if (!probe->canReadLine() && !QTest::qWaitFor(
                                     [&] {
                                         probe->waitForReadyRead(50);
                                         return probe->canReadLine();
                                     },
                                     10000))
        return QStringLiteral("(no answer)");
    return QString::fromUtf8(probe->readLine()).trimmed();
}

// True once the probe has ended with status 0. A probe may already have ended
// while its answer was read, and waiting for a process that has ended fails.
bool TestQtPlatform::endsNormally(QProcess* probe) {
    probe->closeWriteChannel();
    if (probe->state() != QProcess::NotRunning && !probe->waitForFinished(5000))
        return false;
    return probe->exitStatus() == QProcess::NormalExit && probe->exitCode() == 0;
}

void TestQtPlatform::oneCopyPerUser() {
    QProcess* first = startProbe();
    QCOMPARE(firstLine(first), QStringLiteral("locked"));
    QProcess* second = startProbe();
    QCOMPARE(firstLine(second), QStringLiteral("refused"));
    QVERIFY(endsNormally(second));
    QCOMPARE(first->state(), QProcess::Running); // the running copy is left alone
    QVERIFY(endsNormally(first));
    // The first copy ended normally: the next one runs.
    QProcess* third = startProbe();
    QCOMPARE(firstLine(third), QStringLiteral("locked"));
    QVERIFY(endsNormally(third));
}

void TestQtPlatform::aKilledCopyDoesNotLockTheUserOut() {
    QProcess* first = startProbe();
    QCOMPARE(firstLine(first), QStringLiteral("locked"));
    first->kill(); // SIGKILL: its lock file stays behind
    QVERIFY(first->state() == QProcess::NotRunning || first->waitForFinished(5000));
    QVERIFY(QFile::exists(m_runtime.path() + QStringLiteral("/solvanta.lock")));
    QProcess* next = startProbe();
    QCOMPARE(firstLine(next), QStringLiteral("locked"));
    QVERIFY(endsNormally(next));
}

void TestQtPlatform::twoCopiesStartedTogetherLeaveOneRunning_data() {
    QTest::addColumn<QByteArray>("leftBehind"); // a null array: no lock file at all
    QTest::newRow("no lock file") << QByteArray();
    // Both find a file left behind: one takes it over and runs.
    QTest::newRow("an empty file left behind") << QByteArray("");
    QTest::newRow("garbage left behind") << QByteArray("garbage");
}

void TestQtPlatform::twoCopiesStartedTogetherLeaveOneRunning() {
    QFETCH(QByteArray, leftBehind);
    const QString lock = m_runtime.path() + QStringLiteral("/solvanta.lock");
    for (int round = 0; round < 6; ++round) {
        if (!leftBehind.isNull())
            QVERIFY(writeLockFile(lock, leftBehind, false));
        QProcess* a = startProbe();
        QProcess* b = startProbe();
        const QStringList answers{firstLine(a), firstLine(b)};
        QCOMPARE(answers.count(QStringLiteral("locked")), 1);
        QCOMPARE(answers.count(QStringLiteral("refused")), 1);
        for (QProcess* p : {a, b})
            QVERIFY(endsNormally(p));
    }
}

void TestQtPlatform::lockFileStates_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("fresh");
    QTest::addColumn<Holder>("holder");
    QTest::addColumn<QString>("answer");

    const QByteArray here = QSysInfo::machineHostName().toUtf8();
    const QByteArray live = QByteArray::number(QCoreApplication::applicationPid());
    QProcess ended;
    ended.start(QStringLiteral("true"), QStringList());
    ended.waitForFinished(5000);
    const QByteArray gone = QByteArray::number(ended.processId());
    const QString locked = QStringLiteral("locked");
    const QString refused = QStringLiteral("refused");

    // Left behind: nobody holds the file, whatever it says.
    QTest::newRow("empty") << QByteArray() << 0644 << false << Holder::Nobody << locked;
    QTest::newRow("just made, empty") << QByteArray() << 0644 << true << Holder::Nobody << locked;
    QTest::newRow("garbage") << QByteArray("\0\xff not a lock\n\n\n\n") << 0644 << false
                             << Holder::Nobody << locked;
    QTest::newRow("unreadable") << live + "\nsolvanta\n" + here + "\n"
                                << 0000 << false << Holder::Nobody << locked;
    QTest::newRow("another machine, live process") << live + "\nsolvanta\nelsewhere.example\n"
                                                   << 0644 << false << Holder::Nobody << locked;
    QTest::newRow("this machine, ended process") << gone + "\ninstance_probe\n" + here + "\n"
                                                 << 0644 << false << Holder::Nobody << locked;
    QTest::newRow("this machine, live process not holding it")
        << live + "\ninstance_probe\n" + here + "\n"
        << 0644 << false << Holder::Nobody << locked;
    // Held by a copy that runs, whatever the file says now.
    QTest::newRow("running copy") << QByteArray() << -1 << false << Holder::RunningCopy << refused;
    QTest::newRow("running copy, file emptied")
        << QByteArray("") << 0644 << false << Holder::RunningCopy << refused;
    QTest::newRow("running copy, file made unreadable")
        << QByteArray("x") << 0000 << false << Holder::RunningCopy << refused;
}

// Each state of the lock file met by a starting copy, with real processes: only
// a running copy turns the next one away.
void TestQtPlatform::lockFileStates() {
    QFETCH(QByteArray, content);
    QFETCH(int, mode);
    QFETCH(bool, fresh);
    QFETCH(Holder, holder);
    QFETCH(QString, answer);

    // As root every file can be read; the probes then run as an ordinary user
    // in a runtime folder of that user's.
    QTemporaryDir runtime;
    QVERIFY(runtime.isValid());
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const bool unprivileged = runningAsRoot();
    if (unprivileged)
        QVERIFY(chown(runtime.path(), kOtherUser));
    const QMap<QString, QString> env{{QStringLiteral("XDG_RUNTIME_DIR"), runtime.path()}};
    const QString lock = runtime.path() + QStringLiteral("/solvanta.lock");

    QProcess* holding = nullptr;
    if (holder == Holder::RunningCopy) {
        holding = startProbe(env, unprivileged);
        QCOMPARE(firstLine(holding), QStringLiteral("locked"));
    }
    if (mode >= 0) {
        QVERIFY(writeLockFile(lock, content, fresh));
        if (unprivileged)
            QVERIFY(chown(lock, kOtherUser));
        QCOMPARE(::chmod(QFile::encodeName(lock).constData(), mode_t(mode)), 0);
    }

    QElapsedTimer took;
    took.start();
    QProcess* next = startProbe(env, unprivileged);
    QCOMPARE(firstLine(next), answer);
    QVERIFY(endsNormally(next));
    if (holding) {
        QCOMPARE(holding->state(), QProcess::Running);
        QVERIFY(endsNormally(holding));
        // Once the running copy has ended, the next one runs.
        QProcess* after = startProbe(env, unprivileged);
        QCOMPARE(firstLine(after), QStringLiteral("locked"));
        QVERIFY(endsNormally(after));
    }
    QVERIFY2(took.elapsed() < 8000, qPrintable(QString::number(took.elapsed())));
}

void TestQtPlatform::lockPlace_data() {
    QTest::addColumn<QString>("runtime"); // "private" is a folder made for the test
    QTest::addColumn<bool>("used");

    QTest::newRow("private runtime folder") << QStringLiteral("private") << true;
    QTest::newRow("unset") << QString() << false;
    QTest::newRow("relative") << QStringLiteral("run/user") << false;
    QTest::newRow("not the user's") << QStringLiteral("other user's") << false;
    QTest::newRow("open to the group") << QStringLiteral("0750") << false;
    QTest::newRow("open to everyone") << QStringLiteral("0777") << false;
    QTest::newRow("a link to a private folder") << QStringLiteral("link") << false;
    QTest::newRow("a file") << QStringLiteral("file") << false;
}

// Where the lock lives: the runtime folder only when it is the user's alone;
// else a private folder in the user's own cache, never a shared name in the
// temporary folder.
void TestQtPlatform::lockPlace() {
    QFETCH(QString, runtime);
    QFETCH(bool, used);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString home = root.path() + QStringLiteral("/home");
    QVERIFY(QDir().mkpath(home));
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("HOME", QFile::encodeName(home));
    auto restore = qScopeGuard([&] {
        qputenv("HOME", savedHome);
        qputenv("XDG_RUNTIME_DIR", savedRuntime);
    });

    const QString made = root.path() + QStringLiteral("/runtime");
    QVERIFY(QDir().mkpath(made));
    QCOMPARE(::chmod(QFile::encodeName(made).constData(), 0700), 0);
    QString folder = runtime;
    if (runtime == QLatin1String("private")) {
        folder = made;
    } else if (runtime == QLatin1String("other user's")) {
        if (runningAsRoot())
            QVERIFY(chown(made, kOtherUser));
        folder = runningAsRoot() ? made : QStringLiteral("/");
    } else if (runtime.startsWith(QLatin1Char('0'))) {
        QCOMPARE(::chmod(QFile::encodeName(made).constData(), runtime.toUInt(nullptr, 8)), 0);
        folder = made;
    } else if (runtime == QLatin1String("link")) {
        folder = root.path() + QStringLiteral("/link");
        QVERIFY(QFile::link(made, folder));
    } else if (runtime == QLatin1String("file")) {
        folder = root.path() + QStringLiteral("/file");
        QFile file(folder);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    if (folder.isEmpty())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));

    const QString path = QtPlatform::instanceLockPath();
    if (used) {
        QCOMPARE(path, folder + QStringLiteral("/solvanta.lock"));
        return;
    }
    const QFileInfo lock(path);
    QVERIFY2(path.startsWith(home + QLatin1Char('/')), qPrintable(path));
    QVERIFY(lock.fileName().startsWith(QStringLiteral("solvanta-")));
    QVERIFY(lock.fileName().endsWith(QStringLiteral(".lock")));
    struct stat info {};
    QCOMPARE(::lstat(QFile::encodeName(lock.path()).constData(), &info), 0);
    QVERIFY(S_ISDIR(info.st_mode));
    QCOMPARE(info.st_uid, ::geteuid());
    QCOMPARE(info.st_mode & 0777, mode_t(0700));
    // The same place every time: a second copy looks where the first one locked.
    QCOMPARE(QtPlatform::instanceLockPath(), path);
}

// A folder in the user's cache that someone else made (or a link) is not used:
// the program runs without a lock rather than under another user's control.
void TestQtPlatform::lockPlaceOfAnotherUserIsNotUsed() {
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("HOME", QFile::encodeName(root.path()));
    qunsetenv("XDG_RUNTIME_DIR");
    auto restore = qScopeGuard([&] {
        qputenv("HOME", savedHome);
        qputenv("XDG_RUNTIME_DIR", savedRuntime);
    });
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    QVERIFY(cache.startsWith(root.path()));
    QVERIFY(QDir().mkpath(cache));
    const QString folder = cache + QStringLiteral("/solvanta");

    const QString elsewhere = root.path() + QStringLiteral("/elsewhere");
    QVERIFY(QDir().mkpath(elsewhere));
    QCOMPARE(::chmod(QFile::encodeName(elsewhere).constData(), 0700), 0);
    QVERIFY(QFile::link(elsewhere, folder));
    QCOMPARE(QtPlatform::instanceLockPath(), QString());
    QVERIFY(QFile::remove(folder));

    if (runningAsRoot()) {
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(chown(folder, kOtherUser));
        QCOMPARE(QtPlatform::instanceLockPath(), QString());
    }
}

// With no usable runtime folder, copies still find each other through the lock
// in the user's cache, and nothing is made in the shared temporary folder.
void TestQtPlatform::withoutRuntimeFolderTheLockIsTheUsersOwn() {
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QString cache = home.path() + QStringLiteral("/cache");
    const QString temp = home.path() + QStringLiteral("/tmp");
    QVERIFY(QDir().mkpath(temp));
    const QMap<QString, QString> env{{QStringLiteral("XDG_RUNTIME_DIR"), QString()},
                                     {QStringLiteral("HOME"), home.path()},
                                     {QStringLiteral("XDG_CACHE_HOME"), cache},
                                     {QStringLiteral("TMPDIR"), temp}};
    QProcess* first = startProbe(env);
    QCOMPARE(firstLine(first), QStringLiteral("locked"));
    QProcess* second = startProbe(env);
    QCOMPARE(firstLine(second), QStringLiteral("refused"));
    QVERIFY(endsNormally(second));
    const QStringList locks = QDir(cache + QStringLiteral("/solvanta")).entryList(QDir::Files);
    QCOMPARE(locks.size(), 1);
    QVERIFY(locks.first().startsWith(QStringLiteral("solvanta-")));
    QCOMPARE(QDir(temp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    QVERIFY(endsNormally(first));
}

void TestQtPlatform::randomDraws() {
    QtPlatform platform;
    platform.seedRandom();
    double low = 1.0, high = 0.0, sum = 0.0;
    const int n = 20000;
    for (int i = 0; i < n; ++i) {
        const double r = platform.randomDraw();
        QVERIFY(r >= 0.0 && r < 1.0);
        low = std::min(low, r);
        high = std::max(high, r);
        sum += r;
    }
    QVERIFY(low < 0.01 && high > 0.99);
    QVERIFY(std::abs(sum / n - 0.5) < 0.02);
}

QTEST_GUILESS_MAIN(TestQtPlatform)
#include "tst_qtplatform.moc"
