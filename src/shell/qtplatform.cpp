#include "qtplatform.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStandardPaths>
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

QtPlatform::QtPlatform() : m_random(std::random_device{}()) {}

QtPlatform::~QtPlatform() = default;

Platform::Answer QtPlatform::showMessage(const QString& text, const QString& title, Icon icon,
                                         Buttons buttons, QWidget* owner) {
    // The box is transient for its owner, so the window manager keeps it above
    // it; an owner that stays above other windows passes that on to its box.
    QWidget* parent = owner ? owner->window() : QApplication::activeWindow();
    if (parent && !parent->isVisible())
        parent = QApplication::activeWindow();
    QMessageBox box(
        icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::Information, title, text,
        buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    if (parent && parent->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    // Every message is plain text, some quote what the user typed: never markup.
    box.setTextFormat(Qt::PlainText);
    box.setAccessibleName(title);
    box.setAccessibleDescription(text);
    const int result = box.exec();
    // The keyboard goes back to the window the box belongs to; without a window
    // manager nothing else would give it back.
    if (parent && parent->isVisible())
        parent->activateWindow();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

namespace {

void dropMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

// While an address is handed to the browser, nothing that happens may write it
// anywhere: it can carry what the user typed into a form (names and e-mail
// addresses). The toolkit names the whole address in its warnings when no
// browser starts, so its messages are dropped; a browser launcher started now
// writes its errors to nowhere instead of the program's error output.
class QuietHandOver {
public:
    QuietHandOver() : m_previous(qInstallMessageHandler(dropMessage)) {
        m_savedError = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
        const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (m_savedError >= 0 && nowhere >= 0)
            ::dup2(nowhere, STDERR_FILENO);
        if (nowhere >= 0)
            ::close(nowhere);
    }
    ~QuietHandOver() {
        if (m_savedError >= 0) {
            ::dup2(m_savedError, STDERR_FILENO);
            ::close(m_savedError);
        }
        qInstallMessageHandler(m_previous);
    }
    QuietHandOver(const QuietHandOver&) = delete;
    QuietHandOver& operator=(const QuietHandOver&) = delete;

private:
    QtMessageHandler m_previous;
    int m_savedError = -1;
};

} // namespace

bool QtPlatform::openAddress(const QUrl& address) {
    bool opened = false;
    {
        const QuietHandOver quiet;
        opened = QDesktopServices::openUrl(address);
    }
    if (!opened)
        qWarning("Solvanta: could not open a web page: no browser could be started");
    return opened;
}

QSettings& QtPlatform::settings() {
    if (!m_settings) {
        m_settings = std::make_unique<QSettings>(kOrganisation, kApplication);
        m_settings->beginGroup(kSettingsGroup);
    }
    return *m_settings;
}

std::optional<QString> QtPlatform::readSetting(const QString& key) {
    const QVariant value = settings().value(key);
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
}

bool QtPlatform::writeSetting(const QString& key, const QString& value) {
    QSettings& store = settings();
    if (!store.isWritable())
        return false;
    store.setValue(key, value);
    store.sync();
    return store.status() == QSettings::NoError;
}

void QtPlatform::flushSettings() {
    if (m_settings)
        m_settings->sync();
}

void QtPlatform::clearClipboard() {
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->clear();
}

bool QtPlatform::clipboardHoldsOwnData() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard && clipboard->ownsClipboard();
}

namespace {

// Modified less than this long ago, a lock file nobody holds may be one that
// another copy is creating at this very moment.
constexpr qint64 kLockFileYoungMs = 2000;

// A folder of this user's only: a real folder (no link), owned by the user,
// that nobody else may read, write or enter.
bool isPrivateFolder(const QString& path) {
    struct stat info {};
    if (path.isEmpty() || !QDir::isAbsolutePath(path) ||
        ::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

// The user's own folder for the lock when there is no private runtime folder:
// "solvanta" in the user's cache, made private to the user. Empty when it
// cannot be made or is not the user's alone.
QString privateCacheFolder() {
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty() || !QDir().mkpath(cache))
        return {};
    const QString folder = cache + QStringLiteral("/solvanta");
    ::mkdir(QFile::encodeName(folder).constData(), 0700);
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
// another machine or by one that has ended) was left behind and is removed.
LeftLock takeOverLeftLock(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat seen {};
    if (::lstat(name.constData(), &seen) != 0)
        return errno == ENOENT ? LeftLock::Removed : LeftLock::Stuck;
    if (!S_ISREG(seen.st_mode)) {
        // No copy makes anything but a file there.
        if (::unlink(name.constData()) == 0 || ::rmdir(name.constData()) == 0)
            return LeftLock::Removed;
        return LeftLock::Stuck;
    }
    int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0 && errno == EACCES && seen.st_uid == ::geteuid()) {
        ::chmod(name.constData(), 0600);
        fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
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
    } else if (::lstat(name.constData(), &now) != 0 || !sameFile(opened, now)) {
        state = LeftLock::Removed; // another copy got there first
    } else {
        const qint64 age = QDateTime::currentSecsSinceEpoch() * 1000 -
                           qint64(opened.st_mtim.tv_sec) * 1000 - opened.st_mtim.tv_nsec / 1000000;
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

} // namespace

QString QtPlatform::instanceLockPath() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (isPrivateFolder(runtime))
        return runtime + QStringLiteral("/solvanta.lock");
    // A home folder may be shared between machines; each machine has its own lock.
    const QString own = privateCacheFolder();
    if (own.isEmpty())
        return {};
    return own + QStringLiteral("/solvanta-") + hostTag() + QStringLiteral(".lock");
}

bool QtPlatform::anotherInstanceRunning() {
    if (m_instanceLock && m_instanceLock->isLocked())
        return false;
    const QString path = instanceLockPath();
    if (path.isEmpty())
        return false; // nowhere of the user's own to keep a lock: never lock the user out
    m_instanceLock = std::make_unique<QLockFile>(path);
    // No lock counts as left behind for its age alone; what is left behind is
    // found out below, by whether anyone holds it. (The toolkit's own check
    // reads the file and cannot tell for one it cannot read or one written on
    // another machine.)
    m_instanceLock->setStaleLockTime(0);
    QElapsedTimer trying;
    trying.start();
    while (trying.elapsed() < 2 * kLockFileYoungMs + 1000) {
        if (m_instanceLock->tryLock(0))
            return false;
        if (m_instanceLock->error() != QLockFile::LockFailedError)
            return false;
        switch (takeOverLeftLock(path)) {
        case LeftLock::Held:
            return true;
        case LeftLock::Young:
            QThread::msleep(50);
            break;
        case LeftLock::Removed:
            break;
        case LeftLock::Stuck:
            return false;
        }
    }
    return false;
}

void QtPlatform::seedRandom() {
    m_random.seed(static_cast<std::mt19937::result_type>(QDateTime::currentMSecsSinceEpoch()));
}

double QtPlatform::randomDraw() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_random);
}

QDate QtPlatform::today() {
    return QDate::currentDate();
}

std::optional<QString> QtPlatform::askSaveFileName(const QString& title,
                                                   const QString& proposedName,
                                                   const QString& filter, QWidget* owner) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    QFileDialog dialog(owner ? owner->window() : QApplication::activeWindow(), title,
                       QDir(folder).filePath(proposedName), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // "sun-1990-07-21" typed without ".png" still saves a PNG picture.
    static const QRegularExpression suffix(QStringLiteral("\\*\\.(\\w+)"));
    if (const QRegularExpressionMatch match = suffix.match(filter); match.hasMatch())
        dialog.setDefaultSuffix(match.captured(1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
