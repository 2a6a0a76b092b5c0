// The platform on Windows: the per-user instance lock in the local application data,
// and the settings in the user's part of the registry.
#include "qtplatform.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <windows.h>

namespace {

// What is at the lock file's place when the first copy starts.
enum class Before { Nothing, LeftFile, LeftReadOnly, EmptyFolder, OpenElsewhere, FullFolder };

const QString kSettingsKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\Solvanta");

} // namespace

Q_DECLARE_METATYPE(Before)

class TestQtPlatformWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(m_local.isValid());
        qputenv("LOCALAPPDATA", QDir::toNativeSeparators(m_local.path()).toLocal8Bit());
        m_lock = m_local.filePath(QStringLiteral("Solvanta/solvanta.lock"));
        QCOMPARE(QtPlatform::instanceLockPath(0), m_lock);
    }

    void lock_data() {
        QTest::addColumn<Before>("before");
        QTest::addColumn<bool>("firstRuns");  // the first copy starts
        QTest::addColumn<bool>("secondRuns"); // a second copy started beside it runs too
        QTest::newRow("nothing there") << Before::Nothing << true << false;
        QTest::newRow("left by a copy that ended") << Before::LeftFile << true << false;
        QTest::newRow("left read-only") << Before::LeftReadOnly << true << false;
        QTest::newRow("an empty folder in its place") << Before::EmptyFolder << true << false;
        QTest::newRow("open in another program") << Before::OpenElsewhere << false << false;
        // Nowhere to keep a lock: every copy runs rather than lock the user out.
        QTest::newRow("a folder with files in its place") << Before::FullFolder << true << true;
    }

    void lock() {
        QFETCH(Before, before);
        QFETCH(bool, firstRuns);
        QFETCH(bool, secondRuns);
        const std::wstring name = QDir::toNativeSeparators(m_lock).toStdWString();
        HANDLE elsewhere = INVALID_HANDLE_VALUE;
        switch (before) {
        case Before::Nothing:
            break;
        case Before::LeftFile:
        case Before::LeftReadOnly: {
            QFile file(m_lock);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("4242\nsolvanta\nanother-machine\n");
            file.close();
            if (before == Before::LeftReadOnly)
                QVERIFY(::SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_READONLY));
            break;
        }
        case Before::EmptyFolder:
            QVERIFY(QDir().mkpath(m_lock));
            break;
        case Before::FullFolder:
            QVERIFY(QDir().mkpath(m_lock + QStringLiteral("/inside")));
            break;
        case Before::OpenElsewhere:
            elsewhere = ::CreateFileW(name.c_str(), GENERIC_READ, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
            QVERIFY(elsewhere != INVALID_HANDLE_VALUE);
            break;
        }
        {
            auto first = std::make_unique<QtPlatform>();
            QCOMPARE(!first->anotherInstanceRunning(), firstRuns);
            QtPlatform second;
            QCOMPARE(!second.anotherInstanceRunning(), secondRuns);
            if (before != Before::FullFolder && before != Before::OpenElsewhere) {
                // The first copy ends: its file goes, and the next copy starts.
                first.reset();
                QVERIFY(!QFileInfo::exists(m_lock));
                QtPlatform third;
                QVERIFY(!third.anotherInstanceRunning());
            }
        }
        if (elsewhere != INVALID_HANDLE_VALUE)
            ::CloseHandle(elsewhere);
        QDir(m_lock).removeRecursively();
        QFile::remove(m_lock);
    }

    // A second program turned away while the first runs; once the first is killed,
    // the lock it left is taken over.
    void anotherProcess() {
        QProcess probe;
        probe.setProgram(QCoreApplication::applicationDirPath() +
                         QStringLiteral("/instance_probe.exe"));
        probe.start();
        QVERIFY(probe.waitForReadyRead(20000));
        QCOMPARE(probe.readLine().trimmed(), QByteArray("locked"));
        {
            QtPlatform second;
            QVERIFY(second.anotherInstanceRunning());
        }
        probe.kill();
        QVERIFY(probe.waitForFinished(20000));
        QtPlatform after;
        QVERIFY(!after.anotherInstanceRunning());
    }

    void settingsRoundTrip() {
        const QString key = QStringLiteral("lastReminderDate");
        QSettings registry(kSettingsKey, QSettings::NativeFormat);
        const QVariant kept = registry.value(QStringLiteral("Settings/") + key);
        {
            QtPlatform platform;
            QVERIFY(platform.writeSetting(key, QStringLiteral("2026-12-07")));
            platform.flushSettings();
        }
        registry.sync();
        QCOMPARE(registry.value(QStringLiteral("Settings/") + key).toString(),
                 QStringLiteral("2026-12-07"));
        QtPlatform later;
        QCOMPARE(later.readSetting(key), std::optional<QString>(QStringLiteral("2026-12-07")));
        if (kept.isValid())
            registry.setValue(QStringLiteral("Settings/") + key, kept);
        else
            registry.remove(QStringLiteral("Settings/") + key);
    }

private:
    QTemporaryDir m_local;
    QString m_lock;
};

QTEST_GUILESS_MAIN(TestQtPlatformWindows)
#include "tst_qtplatform_windows.moc"
