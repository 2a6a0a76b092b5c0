#include "qtplatform.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

// Who holds the lock file when a copy starts.
enum class Holder { Nobody, RunningCopy };
// What lies at the lock's path, beyond a file with the given content.
enum class Shape { File, Fifo, LinkToZero, Sparse, Future, RootOwned };

// Lock tests run as an ordinary user; as root (where every file is readable)
// the probes run as this user instead.
constexpr uid_t kOtherUser = 65534;
// How long a copy waits at most on a lock file that looks as if it were being
// made right now (two seconds) and beyond.
constexpr qint64 kYoungWait = 4000;

bool runningAsRoot() {
    return ::geteuid() == 0;
}

bool chown(const QString& path, uid_t user) {
    return ::lchown(QFile::encodeName(path).constData(), user, user) == 0;
}

// As root: hands a folder and all it holds to the ordinary user the probes run as.
bool giveAway(const QString& folder) {
    if (!runningAsRoot())
        return true;
    bool all = chown(folder, kOtherUser);
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        all = chown(it.next(), kOtherUser) && all;
    return all;
}

bool makeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(content) == content.size();
}

// What a path is, without following it: enough to tell that nothing changed.
QString describe(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0)
        return QStringLiteral("absent");
    if (S_ISLNK(info.st_mode))
        return QStringLiteral("link to ") + QFile::symLinkTarget(path);
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("type %1").arg(info.st_mode & S_IFMT, 0, 8);
    QFile file(path);
    QByteArray hash;
    if (info.st_size < 64 * 1024 * 1024 && file.open(QIODevice::ReadOnly))
        hash = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex();
    return QStringLiteral("file of %1 bytes %2").arg(info.st_size).arg(QString::fromLatin1(hash));
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

// Dates a file's last change `seconds` from now.
bool setModified(const QString& path, int seconds) {
    QFile file(path);
    return file.open(QIODevice::ReadWrite) &&
           file.setFileTime(QDateTime::currentDateTime().addSecs(seconds),
                            QFileDevice::FileModificationTime);
}

} // namespace

Q_DECLARE_METATYPE(Holder)
Q_DECLARE_METATYPE(Shape)

class TestQtPlatform : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void settingsFileStates_data();
    void settingsFileStates();
    void oneCopyPerUser();
    void aKilledCopyDoesNotLockTheUserOut();
    void twoCopiesStartedTogetherLeaveOneRunning_data();
    void twoCopiesStartedTogetherLeaveOneRunning();
    void lockFileStates_data();
    void lockFileStates();
    void lockPlace_data();
    void lockPlace();
    void lockPlaceOfAnotherUserIsNotUsed();
    void oneCopyWhereverTheLockLives_data();
    void oneCopyWhereverTheLockLives();
    void withoutRuntimeFolderTheLockIsTheUsersOwn();
    void randomDraws();

private:
    // A probe with the test's runtime folder, or with the environment changed
    // (an empty value removes a variable); as root, `unprivileged` runs it as
    // another, ordinary user.
    QProcess* startProbe(const QMap<QString, QString>& changes = {}, bool unprivileged = false,
                         const QStringList& arguments = {}, const QString& folder = {});
    static QString firstLine(QProcess* probe);
    static bool endsNormally(QProcess* probe);

    QTemporaryDir m_runtime;
    QList<QProcess*> m_probes;
};

void TestQtPlatform::initTestCase() {
    QVERIFY(m_runtime.isValid());
    QFile::setPermissions(m_runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QProcess* TestQtPlatform::startProbe(const QMap<QString, QString>& changes, bool unprivileged,
                                     const QStringList& arguments, const QString& folder) {
    auto* probe = new QProcess(this);
    if (!folder.isEmpty())
        probe->setWorkingDirectory(folder);
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
                     QStringList{QStringLiteral("--reuid=") + id, QStringLiteral("--regid=") + id,
                                 QStringLiteral("--clear-groups"), program} +
                         arguments);
    } else {
        probe->start(program, arguments);
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
    QTest::addColumn<Shape>("shape");
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

    // Left behind: nobody holds the file, whatever it says or is.
    const auto left = [&](const char* name, const QByteArray& content, int mode, bool fresh,
                          Shape shape = Shape::File) {
        QTest::newRow(name) << content << mode << fresh << shape << Holder::Nobody << locked;
    };
    left("empty", {}, 0644, false);
    left("just made, empty", {}, 0644, true);
    left("garbage", QByteArray("\0\xff not a lock\n\n\n\n"), 0644, false);
    left("unreadable", live + "\nsolvanta\n" + here + "\n", 0000, false);
    left("another machine, live process", live + "\nsolvanta\nelsewhere.example\n", 0644, false);
    left("this machine, ended process", gone + "\ninstance_probe\n" + here + "\n", 0644, false);
    left("this machine, live process not holding it", live + "\ninstance_probe\n" + here + "\n",
         0644, false);
    // Not a lock at all: never opened, never read.
    left("a FIFO", {}, 0644, false, Shape::Fifo);
    left("a link to /dev/zero", {}, 0644, false, Shape::LinkToZero);
    left("8 GB without a line break", "1234", 0644, false, Shape::Sparse);
    left("dated an hour ahead", live + "\nsolvanta\n" + here + "\n", 0644, false, Shape::Future);
    left("another user's (root's), 0600", live + "\nsolvanta\n" + here + "\n", 0600, false,
         Shape::RootOwned);
    // Held by a copy that runs, whatever the file says now.
    QTest::newRow("running copy") << QByteArray() << -1 << false << Shape::File
                                  << Holder::RunningCopy << refused;
    QTest::newRow("running copy, file emptied")
        << QByteArray("") << 0644 << false << Shape::File << Holder::RunningCopy << refused;
    QTest::newRow("running copy, file made unreadable")
        << QByteArray("x") << 0000 << false << Shape::File << Holder::RunningCopy << refused;
}

// Each state of the lock file met by a starting copy, with real processes: only
// a running copy turns the next one away.
void TestQtPlatform::lockFileStates() {
    QFETCH(QByteArray, content);
    QFETCH(int, mode);
    QFETCH(bool, fresh);
    QFETCH(Shape, shape);
    QFETCH(Holder, holder);
    QFETCH(QString, answer);
    if (shape == Shape::RootOwned && !runningAsRoot())
        QSKIP("another user's file can be made only as root");

    // As root every file can be read; the probes then run as an ordinary user
    // in a runtime folder and home of that user's.
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString runtime = root.path() + QStringLiteral("/runtime");
    QVERIFY(QDir().mkpath(runtime) && QDir().mkpath(root.path() + QStringLiteral("/home")));
    QCOMPARE(::chmod(QFile::encodeName(runtime).constData(), 0700), 0);
    QVERIFY(giveAway(root.path()));
    const bool unprivileged = runningAsRoot();
    const QMap<QString, QString> env{
        {QStringLiteral("XDG_RUNTIME_DIR"), runtime},
        {QStringLiteral("HOME"), root.path() + QStringLiteral("/home")},
        {QStringLiteral("XDG_CACHE_HOME"), QString()},
        {QStringLiteral("XDG_CONFIG_HOME"), QString()}};
    const QString lock = runtime + QStringLiteral("/solvanta.lock");
    const QByteArray lockName = QFile::encodeName(lock);

    QProcess* holding = nullptr;
    if (holder == Holder::RunningCopy) {
        holding = startProbe(env, unprivileged);
        QCOMPARE(firstLine(holding), QStringLiteral("locked"));
    }
    if (shape == Shape::Fifo) {
        QCOMPARE(::mkfifo(lockName.constData(), 0644), 0);
    } else if (shape == Shape::LinkToZero) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), lock));
    } else if (mode >= 0) {
        QVERIFY(writeLockFile(lock, content, fresh));
        if (shape == Shape::Sparse)
            QCOMPARE(::truncate(lockName.constData(), off_t(8) << 30), 0);
        if (shape == Shape::Future)
            QVERIFY(setModified(lock, 3600));
        QCOMPARE(::chmod(lockName.constData(), mode_t(mode)), 0);
    }
    if (shape != Shape::RootOwned)
        QVERIFY(giveAway(runtime));

    QElapsedTimer took;
    took.start();
    QProcess* next = startProbe(env, unprivileged);
    QCOMPARE(firstLine(next), answer);
    // Taking over a file left long ago does not wait as for one being made now.
    if (!fresh)
        QVERIFY2(took.elapsed() < kYoungWait, qPrintable(QString::number(took.elapsed())));
    if (answer == QLatin1String("locked")) {
        // The lock is really held: the next copy is turned away.
        QProcess* another = startProbe(env, unprivileged);
        QCOMPARE(firstLine(another), QStringLiteral("refused"));
        QVERIFY(endsNormally(another));
    }
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
    qunsetenv("XDG_CACHE_HOME");
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

    if (used) {
        QCOMPARE(QtPlatform::instanceLockPath(0), folder + QStringLiteral("/solvanta.lock"));
        return;
    }
    QCOMPARE(QtPlatform::instanceLockPath(0), QString());
    const QString path = QtPlatform::instanceLockPath(1);
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
    QCOMPARE(QtPlatform::instanceLockPath(1), path);
}

// A folder in the user's cache that someone else made (or a link) is not used
// for the lock, which then goes elsewhere rather than under another user's control.
void TestQtPlatform::lockPlaceOfAnotherUserIsNotUsed() {
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("HOME", QFile::encodeName(root.path()));
    qunsetenv("XDG_RUNTIME_DIR");
    qunsetenv("XDG_CACHE_HOME");
    auto restore = qScopeGuard([&] {
        qputenv("HOME", savedHome);
        qputenv("XDG_RUNTIME_DIR", savedRuntime);
    });
    const QString cache = root.path() + QStringLiteral("/.cache");
    QVERIFY(QDir().mkpath(cache));
    const QString folder = cache + QStringLiteral("/solvanta");

    const QString elsewhere = root.path() + QStringLiteral("/elsewhere");
    QVERIFY(QDir().mkpath(elsewhere));
    QCOMPARE(::chmod(QFile::encodeName(elsewhere).constData(), 0700), 0);
    QVERIFY(QFile::link(elsewhere, folder));
    QCOMPARE(QtPlatform::instanceLockPath(1), QString());
    QVERIFY(QFile::remove(folder));

    if (runningAsRoot()) {
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(chown(folder, kOtherUser));
        QCOMPARE(QtPlatform::instanceLockPath(1), QString());
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

void TestQtPlatform::oneCopyWhereverTheLockLives_data() {
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("place"); // the folder the lock ends up in, under the test's folder

    const QString cache = QStringLiteral("home/.cache/solvanta");
    QTest::newRow("a folder with a file in place of the lock") << QStringLiteral("folder") << cache;
    QTest::newRow("a private runtime folder that cannot be written")
        << QStringLiteral("0500") << cache;
    QTest::newRow("the cache's folder open to all (0755)") << QStringLiteral("cache 0755") << cache;
    QTest::newRow("the cache's folder open to enter (0711)")
        << QStringLiteral("cache 0711") << cache;
    QTest::newRow("the cache's folder a link")
        << QStringLiteral("cache link") << QStringLiteral("home/.config/Solvanta");
    QTest::newRow("a relative XDG_CACHE_HOME") << QStringLiteral("relative cache") << cache;
}

// Wherever the lock has to go, two copies find each other: one runs, the next is
// turned away. A place that cannot hold a lock is passed over for the next one,
// the same for every copy.
void TestQtPlatform::oneCopyWhereverTheLockLives() {
    QFETCH(QString, state);
    QFETCH(QString, place);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString runtime = root.path() + QStringLiteral("/runtime");
    const QString home = root.path() + QStringLiteral("/home");
    const QString work = root.path() + QStringLiteral("/work");
    for (const QString& folder : {runtime, home, work})
        QVERIFY(QDir().mkpath(folder));
    QCOMPARE(::chmod(QFile::encodeName(runtime).constData(), 0700), 0);
    QMap<QString, QString> env{{QStringLiteral("XDG_RUNTIME_DIR"), runtime},
                               {QStringLiteral("HOME"), home},
                               {QStringLiteral("XDG_CACHE_HOME"), QString()},
                               {QStringLiteral("XDG_CONFIG_HOME"), QString()}};
    const QString cacheFolder = home + QStringLiteral("/.cache/solvanta");
    if (state == QLatin1String("folder")) {
        QVERIFY(makeFile(runtime + QStringLiteral("/solvanta.lock/kept"), "x"));
    } else if (state == QLatin1String("0500")) {
        QCOMPARE(::chmod(QFile::encodeName(runtime).constData(), 0500), 0);
    } else if (state.startsWith(QLatin1String("cache "))) {
        env[QStringLiteral("XDG_RUNTIME_DIR")] = QString();
        if (state == QLatin1String("cache link")) {
            QVERIFY(QDir().mkpath(home + QStringLiteral("/.cache")));
            QVERIFY(QDir().mkpath(root.path() + QStringLiteral("/elsewhere")));
            QVERIFY(QFile::link(root.path() + QStringLiteral("/elsewhere"), cacheFolder));
        } else {
            QVERIFY(QDir().mkpath(cacheFolder));
            QCOMPARE(::chmod(QFile::encodeName(cacheFolder).constData(),
                             state.mid(6).toUInt(nullptr, 8)),
                     0);
        }
    } else if (state == QLatin1String("relative cache")) {
        env[QStringLiteral("XDG_RUNTIME_DIR")] = QString();
        env[QStringLiteral("XDG_CACHE_HOME")] = QStringLiteral("relcache");
    }
    QVERIFY(giveAway(root.path()));

    QProcess* first = startProbe(env, true, {}, work);
    QCOMPARE(firstLine(first), QStringLiteral("locked"));
    QProcess* second = startProbe(env, true, {}, work);
    QCOMPARE(firstLine(second), QStringLiteral("refused"));
    QVERIFY(endsNormally(second));

    const QString lockFolder = root.path() + QLatin1Char('/') + place;
    const QStringList locks = QDir(lockFolder).entryList({QStringLiteral("*.lock")}, QDir::Files);
    QCOMPARE(locks.size(), 1);
    struct stat info {};
    QCOMPARE(::lstat(QFile::encodeName(lockFolder).constData(), &info), 0);
    QVERIFY(S_ISDIR(info.st_mode));
    QCOMPARE(info.st_mode & 077, mode_t(0));
    // Nothing is made relative to wherever the program was started, or behind a link.
    QCOMPARE(QDir(work).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    QCOMPARE(QDir(root.path() + QStringLiteral("/elsewhere"))
                 .entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList());
    QVERIFY(endsNormally(first));
}

void TestQtPlatform::settingsFileStates_data() {
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("answer"); // what was read, and whether the new date was stored

    const QString stored = QStringLiteral("2026-11-01 stored");
    const QString firstStart = QStringLiteral("none unstored");
    QTest::newRow("no settings yet") << QString() << QStringLiteral("none stored");
    QTest::newRow("a stored date") << QStringLiteral("date") << stored;
    // What the toolkit's writing lock is left as, by a crash, a full disk or a
    // copy run as root: taken over, the setting read and stored.
    QTest::newRow("lock left by root, 0644") << QStringLiteral("lock root 0644") << stored;
    QTest::newRow("lock left by root, 0000") << QStringLiteral("lock root 0000") << stored;
    QTest::newRow("lock 0444") << QStringLiteral("lock 0444") << stored;
    QTest::newRow("lock 0000") << QStringLiteral("lock 0000") << stored;
    QTest::newRow("lock a link to a password file") << QStringLiteral("lock link") << stored;
    QTest::newRow("lock a FIFO") << QStringLiteral("lock fifo") << stored;
    QTest::newRow("lock 1 GB, sparse") << QStringLiteral("lock sparse") << stored;
    // A settings file that is not a small file of the user's is left alone.
    QTest::newRow("settings a FIFO") << QStringLiteral("file fifo") << firstStart;
    QTest::newRow("settings a link to notes") << QStringLiteral("file link") << firstStart;
    QTest::newRow("settings 10 MB of junk") << QStringLiteral("file junk") << firstStart;
    QTest::newRow("settings of root's") << QStringLiteral("file root") << firstStart;
}

// Whatever state the settings' files are in, a copy reads and stores its one
// setting without blocking, never through a link or from what is not its own,
// and says nothing about it.
void TestQtPlatform::settingsFileStates() {
    QFETCH(QString, state);
    QFETCH(QString, answer);
    if (state.contains(QLatin1String("root")) && !runningAsRoot())
        QSKIP("another user's file can be made only as root");

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString home = root.path() + QStringLiteral("/home");
    const QString file = home + QStringLiteral("/.config/Solvanta/Solvanta.conf");
    const QString lock = file + QStringLiteral(".lock");
    const QString other = root.path() + QStringLiteral("/notes.txt");
    QVERIFY(makeFile(other, "root:x:0:0:root:/root:/bin/bash\n"));
    if (state.isEmpty())
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
    else if (!state.startsWith(QLatin1String("file ")) || state == QLatin1String("file root"))
        QVERIFY(makeFile(file, "[Settings]\nlastReminderDate=2026-11-01\n"));
    const QString target = state.startsWith(QLatin1String("lock")) ? lock : file;
    const QByteArray name = QFile::encodeName(target);
    if (state.endsWith(QLatin1String("fifo"))) {
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        QCOMPARE(::mkfifo(name.constData(), 0644), 0);
    } else if (state.endsWith(QLatin1String("link"))) {
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        QVERIFY(QFile::link(other, target));
    } else if (state == QLatin1String("file junk")) {
        QByteArray junk(10 << 20, 'j');
        for (qsizetype i = 0; i < junk.size(); i += 61)
            junk[i] = (i / 61) % 3 ? '=' : '\n';
        QVERIFY(makeFile(file, junk));
    } else if (state.startsWith(QLatin1String("lock"))) {
        // Left an hour ago.
        QVERIFY(makeFile(lock, "1\nsolvanta\nelsewhere\n") && setModified(lock, -3600));
        if (state == QLatin1String("lock sparse"))
            QCOMPARE(::truncate(name.constData(), off_t(1) << 30), 0);
        else
            QCOMPARE(::chmod(name.constData(), mode_t(state.right(4).toUInt(nullptr, 8))), 0);
    }
    QVERIFY(giveAway(root.path()));
    if (state.contains(QLatin1String("root")))
        QVERIFY(chown(target, 0)); // as it was left by a copy run through sudo
    const QString fileBefore = describe(file);
    const QString otherBefore = describe(other);

    QProcess* probe =
        startProbe({{QStringLiteral("HOME"), home}, {QStringLiteral("XDG_CONFIG_HOME"), QString()}},
                   true, {QStringLiteral("settings")});
    QCOMPARE(firstLine(probe), answer);
    QVERIFY(endsNormally(probe));
    QCOMPARE(probe->readAllStandardError(), QByteArray());
    QCOMPARE(describe(other), otherBefore);
    if (answer.endsWith(QLatin1String(" stored"))) {
        QFile stored(file);
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QVERIFY(stored.readAll().contains("lastReminderDate=2026-12-07"));
    } else {
        QCOMPARE(describe(file), fileBefore);
    }
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
