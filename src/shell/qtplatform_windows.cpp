// The platform's parts that differ between systems, on Windows: the settings in the
// user's part of the registry, the per-user instance lock.
#include "qtplatform.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QSysInfo>

#include <string>

#include <windows.h>

namespace {
// The same group and keys as the settings file on Linux, under the program's own key.
const QString kSettingsKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\Solvanta");
const QString kSettingsGroup = QStringLiteral("Settings");
// How long a copy keeps trying a lock file that cannot be opened for now: the file of a
// copy that has just ended is still being removed for a moment.
constexpr qint64 kLockTryMs = 1000;

std::wstring nativeName(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

enum class LockAttempt { Taken, Held, Unusable };

// Opens the lock file at `path` for this copy alone, making it where nothing is. A
// running copy keeps its file open, unshared, until it ends, when Windows closes and
// removes it, however the copy ended: another copy's open fails while it runs. A file
// that opens was left behind (written by something else, or kept by a backup) and is
// taken over; a read-only file or an empty folder in its place is cleared first. A
// link is opened as itself, never followed. Never blocks.
LockAttempt takeLockFile(const QString& path, HANDLE& held) {
    const std::wstring name = nativeName(path);
    QElapsedTimer trying;
    trying.start();
    for (;;) {
        const HANDLE file = ::CreateFileW(
            name.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr, OPEN_ALWAYS,
            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_OPEN_REPARSE_POINT,
            nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            const QByteArray who = QByteArray::number(qint64(::GetCurrentProcessId())) +
                                   "\nsolvanta\n" + QSysInfo::machineHostName().toUtf8() + '\n';
            DWORD written = 0;
            // Only the open file counts: a lock left empty (a full disk) works as well.
            if (::SetEndOfFile(file))
                ::WriteFile(file, who.constData(), DWORD(who.size()), &written, nullptr);
            held = file;
            return LockAttempt::Taken;
        }
        const DWORD error = ::GetLastError();
        if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION)
            return LockAttempt::Held;
        if (error != ERROR_ACCESS_DENIED || trying.elapsed() >= kLockTryMs)
            return LockAttempt::Unusable; // a folder that cannot be written, a full disk
        const DWORD attributes = ::GetFileAttributesW(name.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            ::RemoveDirectoryW(name.c_str()); // only when empty, or a link to a folder
        else if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
            ::SetFileAttributesW(name.c_str(), attributes & ~DWORD(FILE_ATTRIBUTE_READONLY));
        ::Sleep(50);
    }
}

} // namespace

QtPlatform::~QtPlatform() {
    // Windows removes the file as it closes it.
    if (m_instanceLock != -1)
        ::CloseHandle(reinterpret_cast<HANDLE>(m_instanceLock));
}

QSettings* QtPlatform::settings() {
    // The registry has no files to check and no lock to wait for.
    if (!m_settings) {
        m_settings = std::make_unique<QSettings>(kSettingsKey, QSettings::NativeFormat);
        m_settings->beginGroup(kSettingsGroup);
    }
    return m_settings.get();
}

QString QtPlatform::instanceLockPath(int place) {
    if (place != 0)
        return {};
    QString local = qEnvironmentVariable("LOCALAPPDATA");
    if (!QDir::isAbsolutePath(local))
        local = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!QDir::isAbsolutePath(local))
        return {};
    const QString folder = QDir::cleanPath(local) + QStringLiteral("/Solvanta");
    if (!QDir().mkpath(folder))
        return {};
    return folder + QStringLiteral("/solvanta.lock");
}

bool QtPlatform::anotherInstanceRunning() {
    if (m_instanceLock != -1)
        return false;
    for (int place = 0; place < kLockPlaces; ++place) {
        const QString path = instanceLockPath(place);
        if (path.isEmpty())
            continue;
        HANDLE file = INVALID_HANDLE_VALUE;
        switch (takeLockFile(path, file)) {
        case LockAttempt::Taken:
            m_instanceLock = reinterpret_cast<qintptr>(file);
            m_instanceLockName = QFile::encodeName(path);
            return false;
        case LockAttempt::Held:
            return true;
        case LockAttempt::Unusable:
            break;
        }
    }
    return false; // nowhere of the user's own to keep a lock: never lock the user out
}
