#include "qtplatform.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
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
// Longer than a copy waits on a lock file that looks as if it were being made
// right now (two seconds), shorter than its waiting in vain (five).
constexpr qint64 kYoungWait = 4000;

bool runningAsRoot() {
    return ::geteuid() == 0;
}

bool chown(const QString& path, uid_t user) {
    return ::lchown(QFile::encodeName(path).constData(), user, user) == 0;
}

// As root: hands a folder and all it holds to the ordinary user the probes run as.
bool giveAway(const QString& folder) {
    return !runningAsRoot() ||
           QProcess::execute(QStringLiteral("chown"),
                             {QStringLiteral("-hR"), QStringLiteral("65534:65534"), folder}) == 0;
}

// Writes a lock file as a copy that is gone would have left it: modified `age`
// seconds ago (0: as if it were being made right now; below 0: in the future).
bool writeLockFile(const QString& path, const QByteArray& content, int age) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(content) != content.size() || !file.flush())
        return false;
    return age == 0 || file.setFileTime(QDateTime::currentDateTime().addSecs(-age),
                                        QFileDevice::FileModificationTime);
}

} // namespace

Q_DECLARE_METATYPE(Holder)

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

void TestQtPlatform::settingsFileStates_data() {
    QTest::addColumn<QString>("state");  // "lock" or "file", then what is wrong with it
    QTest::addColumn<QString>("answer"); // what was read, and whether the new date was stored

    const QString kept = QStringLiteral("2026-11-01 stored");
    QTest::newRow("no settings yet") << QStringLiteral("none") << QStringLiteral("none stored");
    QTest::newRow("a stored date") << QStringLiteral("date") << kept;
    // The writing lock as a crash, a full disk or a copy run through sudo left it.
    for (const char* lock : {"lock root 0644", "lock root 0000", "lock 0444", "lock 0000",
                             "lock link", "lock fifo", "lock sparse"})
        QTest::newRow(lock) << QString::fromLatin1(lock) << kept;
    // A settings file that is not a small file of the user's is neither read nor written.
    for (const char* file : {"file fifo", "file link", "file junk", "file root"})
        QTest::newRow(file) << QString::fromLatin1(file) << QStringLiteral("none unstored");
    // Held by another process all along: given up after a second.
    QTest::newRow("lock held") << QStringLiteral("lock held") << QStringLiteral("none unstored");
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
    const QString notes = root.path() + QStringLiteral("/notes.txt");
    const bool onLock = state.startsWith(QLatin1String("lock"));
    const QString target = onLock ? file + QStringLiteral(".lock") : file;
    const QByteArray name = QFile::encodeName(target);
    QVERIFY(QDir().mkpath(QFileInfo(file).path()) && writeLockFile(notes, "my notes\n", 60));
    if (state == QLatin1String("date") || onLock || state == QLatin1String("file root"))
        QVERIFY(writeLockFile(file, "[Settings]\nlastReminderDate=2026-11-01\n", 60));
    if (state.endsWith(QLatin1String("fifo"))) {
        QCOMPARE(::mkfifo(name.constData(), 0644), 0);
    } else if (state.endsWith(QLatin1String("link"))) {
        QVERIFY(QFile::link(notes, target));
    } else if (state == QLatin1String("file junk")) {
        QByteArray junk;
        while (junk.size() < 10 << 20)
            junk += 'k' + QByteArray::number(junk.size()) + "=x\n";
        QVERIFY(writeLockFile(file, junk, 60));
    } else if (state == QLatin1String("lock held")) {
        QVERIFY(writeLockFile(target, "", 60));
    } else if (onLock) {
        QVERIFY(writeLockFile(target, "1\nsolvanta\nelsewhere\n", 3600));
        QCOMPARE(state.endsWith(QLatin1String("sparse"))
                     ? ::truncate(name.constData(), off_t(1) << 30)
                     : ::chmod(name.constData(), mode_t(state.right(4).toUInt(nullptr, 8))),
                 0);
    }
    QVERIFY(giveAway(root.path()));
    if (state.contains(QLatin1String("root")))
        QVERIFY(chown(target, 0)); // as a copy run through sudo leaves it
    if (runningAsRoot() && onLock)
        QVERIFY(chown(notes, 0)); // like the password file: readable, not writable
    struct stat before {};
    ::lstat(QFile::encodeName(file).constData(), &before);

    QProcess holder; // as `flock` from a shell holds it
    const auto release = qScopeGuard([&] {
        holder.kill();
        holder.waitForFinished();
    });
    if (state == QLatin1String("lock held")) {
        holder.start(QStringLiteral("flock"), {QStringLiteral("--no-fork"), target,
                                               QStringLiteral("sleep"), QStringLiteral("60")});
        QVERIFY(QTest::qWaitFor(
            [&] {
                return QProcess::execute("flock", {"-n", target, "true"}) != 0;
            },
            5000));
    }
    QElapsedTimer answered;
    answered.start();
    QProcess* probe =
        startProbe({{QStringLiteral("HOME"), home}, {QStringLiteral("XDG_CONFIG_HOME"), QString()}},
                   true, {QStringLiteral("settings")});
    QCOMPARE(firstLine(probe), answer);
    QVERIFY2(answered.elapsed() < 2500, qPrintable(QString::number(answered.elapsed())));
    QVERIFY(endsNormally(probe));
    QCOMPARE(probe->readAllStandardError(), QByteArray());
    QFile kept(notes);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("my notes\n"));
    struct stat after {};
    ::lstat(QFile::encodeName(file).constData(), &after);
    if (answer.endsWith(QLatin1String(" stored"))) {
        QFile stored(file);
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QVERIFY(stored.readAll().contains("lastReminderDate=2026-12-07"));
    } else {
        QVERIFY(after.st_mode == before.st_mode && after.st_size == before.st_size &&
                after.st_mtim.tv_sec == before.st_mtim.tv_sec);
    }
}

QProcess* TestQtPlatform::startProbe(const QMap<QString, QString>& changes, bool unprivileged,
                                     const QStringList& arguments, const QString& folder) {
    auto* probe = new QProcess(this);
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
            QVERIFY(writeLockFile(lock, leftBehind, 3600));
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
    QTest::addColumn<int>("age");       // seconds since the file was last changed
    QTest::addColumn<QString>("shape"); // at the lock's path, or what is wrong with its folder
    QTest::addColumn<Holder>("holder");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("place"); // where the lock is then, in the test's folder

    const QByteArray here = QSysInfo::machineHostName().toUtf8();
    const QByteArray live = QByteArray::number(QCoreApplication::applicationPid());
    QProcess ended;
    ended.start(QStringLiteral("true"), QStringList());
    ended.waitForFinished(5000);
    const QByteArray gone = QByteArray::number(ended.processId());

    // Left behind: nobody holds the file, whatever it says or is.
    const auto left = [&](const char* name, const QByteArray& content, int mode, int age,
                          const char* shape = "file", const char* place = "runtime",
                          Holder holder = Holder::Nobody) {
        QTest::newRow(name) << content << mode << age << QString::fromLatin1(shape) << holder
                            << (holder == Holder::Nobody ? "locked" : "refused")
                            << QString::fromLatin1(place);
    };
    left("empty", {}, 0644, 3600);
    left("just made, empty", {}, 0644, 0);
    left("garbage", QByteArray("\0\xff not a lock\n\n\n\n"), 0644, 3600);
    left("unreadable", live + "\nsolvanta\n" + here + "\n", 0000, 3600);
    left("another machine, live process", live + "\nsolvanta\nelsewhere.example\n", 0644, 3600);
    left("this machine, ended process", gone + "\ninstance_probe\n" + here + "\n", 0644, 3600);
    left("this machine, live process not holding it", live + "\ninstance_probe\n" + here + "\n",
         0644, 3600);
    left("dated an hour ahead", live + "\nsolvanta\n" + here + "\n", 0644, -3600);
    left("another user's (root's), 0600", live + "\nsolvanta\n" + here + "\n", 0600, 3600,
         "root's");
    // Not a lock at all: never opened, never read.
    left("a FIFO", {}, -1, 3600, "fifo");
    left("a link to /dev/zero", {}, -1, 3600, "zero link");
    left("8 GB without a line break", "1234", 0644, 3600, "sparse");
    // A place that cannot hold a lock is passed over for the next one: the cache.
    const char* cache = "home/.cache/solvanta";
    left("a folder with a file in the lock's place", {}, -1, 0, "folder", cache);
    left("a private runtime folder that cannot be written", {}, -1, 0, "read-only runtime", cache);
    left("no runtime folder, the cache's folder 0755", {}, 0755, 0, "cache mode", cache);
    left("no runtime folder, the cache's folder 0711", {}, 0711, 0, "cache mode", cache);
    left("no runtime folder, the cache's folder a link", {}, -1, 0, "cache link",
         "home/.config/Solvanta");
    left("no runtime folder, a relative XDG_CACHE_HOME", {}, -1, 0, "relative cache", cache);
    // Held by a copy that runs, whatever the file says now.
    for (const auto& [name, content, mode] : {std::tuple{"running copy", "", -1},
                                              {"running copy, file emptied", "", 0644},
                                              {"running copy, file made unreadable", "x", 0000}})
        left(name, content, mode, 3600, "file", "runtime", Holder::RunningCopy);
}

void TestQtPlatform::lockFileStates() {
    QFETCH(QByteArray, content);
    QFETCH(int, mode);
    QFETCH(int, age);
    QFETCH(QString, shape);
    QFETCH(Holder, holder);
    QFETCH(QString, answer);
    QFETCH(QString, place);
    if (shape == QLatin1String("root's") && !runningAsRoot())
        QSKIP("another user's file can be made only as root");

    // As root every file can be read; the probes then run as an ordinary user
    // in a runtime folder and home of that user's.
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString runtime = root.path() + QStringLiteral("/runtime");
    const QString home = root.path() + QStringLiteral("/home");
    const QString work = root.path() + QStringLiteral("/work");
    QVERIFY(QDir().mkpath(runtime) && QDir().mkpath(home) && QDir().mkpath(work));
    QCOMPARE(::chmod(QFile::encodeName(runtime).constData(),
                     shape == QLatin1String("read-only runtime") ? 0500 : 0700),
             0);
    const bool unprivileged = runningAsRoot();
    const bool noRuntime = shape.contains(QLatin1String("cache"));
    QMap<QString, QString> env{{QStringLiteral("XDG_RUNTIME_DIR"), noRuntime ? QString() : runtime},
                               {QStringLiteral("HOME"), home},
                               {QStringLiteral("XDG_CACHE_HOME"), QString()},
                               {QStringLiteral("XDG_CONFIG_HOME"), QString()}};
    const QString lock = runtime + QStringLiteral("/solvanta.lock");
    const QByteArray lockName = QFile::encodeName(lock);
    const QString cache = home + QStringLiteral("/.cache/solvanta");
    const QString linked = root.path() + QStringLiteral("/linked");

    QVERIFY(giveAway(root.path()));
    QProcess* holding = nullptr;
    if (holder == Holder::RunningCopy) {
        holding = startProbe(env, unprivileged);
        QCOMPARE(firstLine(holding), QStringLiteral("locked"));
    }
    if (shape == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(lockName.constData(), 0644), 0);
    } else if (shape == QLatin1String("zero link")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), lock));
    } else if (shape == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(lock) && writeLockFile(lock + QStringLiteral("/kept"), "x", 0));
    } else if (shape == QLatin1String("cache mode")) {
        QVERIFY(QDir().mkpath(cache));
        QCOMPARE(::chmod(QFile::encodeName(cache).constData(), mode_t(mode)), 0);
    } else if (shape == QLatin1String("cache link")) {
        QVERIFY(QDir().mkpath(home + QStringLiteral("/.cache")) && QDir().mkpath(linked));
        QVERIFY(QFile::link(linked, cache));
        QCOMPARE(::chmod(QFile::encodeName(linked).constData(), 0755), 0);
    } else if (shape == QLatin1String("relative cache")) {
        env[QStringLiteral("XDG_CACHE_HOME")] = QStringLiteral("relcache");
    } else if (mode >= 0) {
        QVERIFY(writeLockFile(lock, content, age));
        if (shape == QLatin1String("sparse"))
            QCOMPARE(::truncate(lockName.constData(), off_t(8) << 30), 0);
        QCOMPARE(::chmod(lockName.constData(), mode_t(mode)), 0);
    }
    if (shape != QLatin1String("root's"))
        QVERIFY(giveAway(root.path()));

    QElapsedTimer took;
    took.start();
    QProcess* next = startProbe(env, unprivileged, {}, work);
    QCOMPARE(firstLine(next), answer);
    // Taking over a file left long ago does not wait as for one being made now.
    if (age != 0)
        QVERIFY2(took.elapsed() < kYoungWait, qPrintable(QString::number(took.elapsed())));
    if (answer == QLatin1String("locked")) {
        QProcess* another = startProbe(env, unprivileged, {}, work);
        QCOMPARE(firstLine(another), QStringLiteral("refused"));
        QVERIFY(endsNormally(another));
    }
    // The lock is where it belongs, in a private folder; nothing is made where
    // the copy was started or behind a link.
    const QString folder = root.path() + QLatin1Char('/') + place;
    QCOMPARE(QDir(folder).entryList({QStringLiteral("*.lock")}, QDir::Files).size(), 1);
    struct stat info {};
    QCOMPARE(::lstat(QFile::encodeName(folder).constData(), &info), 0);
    QVERIFY(S_ISDIR(info.st_mode) && (info.st_mode & 077) == 0);
    for (const QString& none : {work, linked})
        QCOMPARE(QDir(none).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    if (shape == QLatin1String("cache link")) { // what the link leads to keeps its mode
        QCOMPARE(::stat(QFile::encodeName(linked).constData(), &info), 0);
        QCOMPARE(info.st_mode & 0777, mode_t(0755));
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
// for the lock, which goes elsewhere rather than under another user's control.
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
