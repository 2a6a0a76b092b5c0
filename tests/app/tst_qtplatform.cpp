#include "qtplatform.h"

#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestQtPlatform : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void settingsRoundTrip();
    void oneCopyPerUser();
    void aKilledCopyDoesNotLockTheUserOut();
    void twoCopiesStartedTogetherLeaveOneRunning();
    void randomDraws();

private:
    QProcess* startProbe();
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

QProcess* TestQtPlatform::startProbe() {
    auto* probe = new QProcess(this);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    probe->setProcessEnvironment(env);
    probe->start(QCoreApplication::applicationDirPath() + QStringLiteral("/instance_probe"),
                 QStringList());
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

void TestQtPlatform::twoCopiesStartedTogetherLeaveOneRunning() {
    for (int round = 0; round < 5; ++round) {
        QProcess* a = startProbe();
        QProcess* b = startProbe();
        const QStringList answers{firstLine(a), firstLine(b)};
        QCOMPARE(answers.count(QStringLiteral("locked")), 1);
        QCOMPARE(answers.count(QStringLiteral("refused")), 1);
        for (QProcess* p : {a, b})
            QVERIFY(endsNormally(p));
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
