// The platform's parts that differ between systems, on Linux and other POSIX
// systems: the settings file, the per-user instance lock.
#include "qtplatform.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QThread>

#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString kOrganisation = QStringLiteral("Solvanta");
const QString kApplication = QStringLiteral("Solvanta");
const QString kSettingsGroup = QStringLiteral("Settings");
} // namespace

QtPlatform::~QtPlatform() {
    if (m_instanceLock < 0)
        return;
    const int fd = int(m_instanceLock);
    // Removed only while it is still this copy's file.
    struct stat held {};
    struct stat now {};
    if (::fstat(fd, &held) == 0 && ::lstat(m_instanceLockName.constData(), &now) == 0 &&
        held.st_dev == now.st_dev && held.st_ino == now.st_ino)
        ::unlink(m_instanceLockName.constData());
    ::close(fd);
}

namespace {

// Modified less than this long ago, a lock file nobody holds may be one that
// another copy is creating at this very moment.
constexpr qint64 kLockFileYoungMs = 2000;
// A lock file says who made it (process, program, machine) in a few bytes.
constexpr off_t kLockFileMostBytes = 4096;
// The settings file holds one date; anything much larger is not ours.
constexpr off_t kSettingsMostBytes = 64 * 1024;
// How long a read or write of the settings waits for another process to let go of
// their lock.
constexpr qint64 kSettingsLockWaitMs = 1000;

// A folder of this user's only: a real folder (no link), owned by the user,
// that nobody else may read, write or enter.
bool isPrivateFolder(const QString& path) {
    struct stat info {};
    if (path.isEmpty() || !QDir::isAbsolutePath(path) ||
        ::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

// One of the user's base folders: the XDG variable when it names an absolute
// path (a relative one is ignored, as the XDG base directory rules say), else
// `fallback` in the home folder. Empty without an absolute home folder.
QString userFolder(const char* variable, const QString& fallback) {
    const QString named = qEnvironmentVariable(variable);
    if (QDir::isAbsolutePath(named))
        return QDir::cleanPath(named);
    const QString home = QDir::homePath();
    if (!QDir::isAbsolutePath(home) || home == QDir::rootPath())
        return {};
    return QDir::cleanPath(home + fallback);
}

// `folder` made (its parent too) and made private to the user when it is the
// user's own real folder; empty when it is not the user's or is a link.
QString privateFolder(const QString& folder) {
    if (folder.isEmpty() || !QDir().mkpath(QFileInfo(folder).path()))
        return {};
    const QByteArray name = QFile::encodeName(folder);
    ::mkdir(name.constData(), 0700);
    const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return {};
    struct stat info {};
    if (::fstat(fd, &info) == 0 && info.st_uid == ::geteuid() && (info.st_mode & 077) != 0)
        ::fchmod(fd, 0700);
    ::close(fd);
    return isPrivateFolder(folder) ? folder : QString();
}

// This machine's name as part of a file name.
QString hostTag() {
    QString host = QSysInfo::machineHostName();
    for (QChar& c : host) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('-') && c != QLatin1Char('.'))
            c = QLatin1Char('_');
    }
    return host.isEmpty() ? QStringLiteral("localhost") : host;
}

enum class LeftLock {
    Held,    // a running process holds it
    Young,   // nobody holds it, but it may be being made right now
    Removed, // it was left behind and is gone now (or it changed): try again
    Stuck,   // it cannot be checked or removed
};

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A lock file counts as held only while a process holds its file lock: a
// running copy takes it when it creates the file and keeps it until it ends, on
// this machine. Anything else (empty, damaged, unreadable, written by a copy on
// another machine or by one that has ended, dated in the future) was left
// behind and is removed. What no copy of this user's makes (a FIFO, a link, a
// folder, a device, a large file, another user's file) is removed unopened:
// the path is looked at without following links, and its content never read.
LeftLock takeOverLeftLock(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat seen {};
    if (::lstat(name.constData(), &seen) != 0)
        return errno == ENOENT ? LeftLock::Removed : LeftLock::Stuck;
    if (!S_ISREG(seen.st_mode) || seen.st_uid != ::geteuid() || seen.st_size > kLockFileMostBytes) {
        const int removed =
            S_ISDIR(seen.st_mode) ? ::rmdir(name.constData()) : ::unlink(name.constData());
        return removed == 0 || errno == ENOENT ? LeftLock::Removed : LeftLock::Stuck;
    }
    constexpr int kOpenFlags = O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    int fd = ::open(name.constData(), kOpenFlags);
    if (fd < 0 && errno == EACCES) {
        ::chmod(name.constData(), 0600);
        fd = ::open(name.constData(), kOpenFlags);
    }
    if (fd < 0)
        return errno == ENOENT ? LeftLock::Removed : LeftLock::Stuck;

    LeftLock state = LeftLock::Stuck;
    struct stat opened {};
    struct stat now {};
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        state = errno == EWOULDBLOCK ? LeftLock::Held : LeftLock::Stuck;
    } else if (::fstat(fd, &opened) != 0) {
        state = LeftLock::Stuck;
    } else if (::lstat(name.constData(), &now) != 0 || !sameFile(opened, now) ||
               !S_ISREG(opened.st_mode)) {
        state = LeftLock::Removed; // another copy got there first
    } else {
        const qint64 age = QDateTime::currentSecsSinceEpoch() * 1000 -
                           qint64(opened.st_mtim.tv_sec) * 1000 - opened.st_mtim.tv_nsec / 1000000;
        // A file dated in the future is not being made now, however far ahead.
        if (std::abs(age) < kLockFileYoungMs)
            state = LeftLock::Young;
        else
            // Removed while this file lock is held: no other copy can be taking
            // the same file over at the same time.
            state = ::unlink(name.constData()) == 0 ? LeftLock::Removed : LeftLock::Stuck;
    }
    ::close(fd);
    return state;
}

enum class LockAttempt { Taken, Held, Unusable };

// Makes the lock file at `name` and holds its file lock, taking over what was
// left behind there. Never blocks: the file is made only where nothing is, and
// what is found there is judged by takeOverLeftLock.
LockAttempt takeLockFile(const QByteArray& name, int& held) {
    QElapsedTimer trying;
    trying.start();
    while (trying.elapsed() < 2 * kLockFileYoungMs + 1000) {
        const int fd =
            ::open(name.constData(),
                   O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
        if (fd >= 0) {
            struct stat made {};
            struct stat now {};
            // Another copy looking at the new file holds its file lock for a moment.
            bool locked = false;
            for (int tries = 0; !locked && tries < 20; ++tries) {
                locked = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
                if (!locked)
                    QThread::msleep(5);
            }
            if (locked && ::fstat(fd, &made) == 0 && ::lstat(name.constData(), &now) == 0 &&
                sameFile(made, now)) {
                const QByteArray who = QByteArray::number(qint64(::getpid())) + "\nsolvanta\n" +
                                       hostTag().toUtf8() + '\n';
                // Only the file lock counts: a lock left empty (a full disk) works as well.
                [[maybe_unused]] const ssize_t written =
                    ::write(fd, who.constData(), size_t(who.size()));
                held = fd;
                return LockAttempt::Taken;
            }
            ::close(fd); // taken over under our hands: look again
            continue;
        }
        if (errno != EEXIST)
            return LockAttempt::Unusable; // a folder that cannot be written, a full disk
        switch (takeOverLeftLock(QFile::decodeName(name))) {
        case LeftLock::Held:
            return LockAttempt::Held;
        case LeftLock::Young:
            QThread::msleep(50);
            break;
        case LeftLock::Removed:
            break;
        case LeftLock::Stuck:
            return LockAttempt::Unusable;
        }
    }
    return LockAttempt::Unusable;
}

// True when the settings can be read and written without the toolkit blocking
// on or reading what is not a settings file: the program's folder and its file
// are the user's own (a folder, a small regular file that is not a link), and the
// lock the toolkit takes while writing is absent or let go within a second. A
// lock left behind by a copy that ended (or anything else in its place) is
// taken over as the instance lock is.
bool settingsUsable(const QString& file, bool& waitedInVain) {
    struct stat info {};
    const QByteArray folder = QFile::encodeName(QFileInfo(file).path());
    if (::stat(folder.constData(), &info) == 0) { // the folder may be linked elsewhere
        if (!S_ISDIR(info.st_mode) || info.st_uid != ::geteuid())
            return false;
    } else if (errno != ENOENT) {
        return false;
    }
    if (::lstat(QFile::encodeName(file).constData(), &info) == 0) {
        if (!S_ISREG(info.st_mode) || info.st_uid != ::geteuid() ||
            info.st_size > kSettingsMostBytes)
            return false;
    } else if (errno != ENOENT) {
        return false;
    }
    // A lock held by a running copy while it writes is let go within moments; one
    // held longer (another program, a stopped copy) is not waited for: this read or
    // write is left out, as with a lock that cannot be taken over.
    QElapsedTimer waiting;
    waiting.start();
    for (;;) {
        const LeftLock lock = takeOverLeftLock(file + QStringLiteral(".lock"));
        if (lock != LeftLock::Held)
            return lock == LeftLock::Removed;
        if (waitedInVain || waiting.elapsed() >= kSettingsLockWaitMs) {
            waitedInVain = true;
            return false;
        }
        QThread::msleep(50);
    }
}

} // namespace

QSettings* QtPlatform::settings() {
    const QString config = userFolder("XDG_CONFIG_HOME", QStringLiteral("/.config"));
    if (config.isEmpty())
        return nullptr;
    const QString file = config + QLatin1Char('/') + kOrganisation + QLatin1Char('/') +
                         kApplication + QStringLiteral(".conf");
    if (!settingsUsable(file, m_settingsLockWaitedInVain))
        return nullptr;
    if (!m_settings) {
        m_settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
        m_settings->beginGroup(kSettingsGroup);
    }
    return m_settings.get();
}

QString QtPlatform::instanceLockPath(int place) {
    // A home folder may be shared between machines; each machine has its own
    // lock in the user's cache and configuration.
    const QString perMachine = QStringLiteral("/solvanta-") + hostTag() + QStringLiteral(".lock");
    switch (place) {
    case 0: {
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        return isPrivateFolder(runtime) ? runtime + QStringLiteral("/solvanta.lock") : QString();
    }
    case 1: {
        const QString cache = userFolder("XDG_CACHE_HOME", QStringLiteral("/.cache"));
        const QString own =
            privateFolder(cache.isEmpty() ? cache : cache + QStringLiteral("/solvanta"));
        return own.isEmpty() ? own : own + perMachine;
    }
    case 2: {
        const QString config = userFolder("XDG_CONFIG_HOME", QStringLiteral("/.config"));
        const QString own =
            privateFolder(config.isEmpty() ? config : config + QStringLiteral("/Solvanta"));
        return own.isEmpty() ? own : own + perMachine;
    }
    default:
        return {};
    }
}

bool QtPlatform::anotherInstanceRunning() {
    if (m_instanceLock >= 0)
        return false;
    // Every copy tries the places in the same order and meets the same states,
    // so copies that cannot use one place all meet at the next.
    for (int place = 0; place < kLockPlaces; ++place) {
        const QString path = instanceLockPath(place);
        if (path.isEmpty())
            continue;
        const QByteArray name = QFile::encodeName(path);
        int fd = -1;
        switch (takeLockFile(name, fd)) {
        case LockAttempt::Taken:
            m_instanceLock = fd;
            m_instanceLockName = name;
            return false;
        case LockAttempt::Held:
            return true;
        case LockAttempt::Unusable:
            break;
        }
    }
    return false; // nowhere of the user's own to keep a lock: never lock the user out
}
