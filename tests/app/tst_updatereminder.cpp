#include "fakeplatform.h"
#include "updatereminder.h"
#include "weblinks.h"

#include <QTest>

Q_DECLARE_METATYPE(Platform::Answer)

namespace {
const QString kKey = QStringLiteral("lastReminderDate");
const QString kQuestion = QStringLiteral(
    "There maybe an update to this software available\rDo you want to check for an update?");
} // namespace

class TestUpdateReminder : public QObject {
    Q_OBJECT

private slots:
    void storedDate_data();
    void storedDate();
    void firstStartAndDamagedValues_data();
    void firstStartAndDamagedValues();
    void theQuestion();
    void yesOpensTheDownloadPageEvenWhenTheDateCannotBeStored();
};

// d = stored date - today, in days.
void TestUpdateReminder::storedDate_data() {
    QTest::addColumn<int>("days");
    QTest::addColumn<Platform::Answer>("answer");
    QTest::addColumn<bool>("asked");
    using A = Platform::Answer;
    QTest::newRow("-15, no") << -15 << A::No << true;
    QTest::newRow("-15, yes") << -15 << A::Yes << true;
    QTest::newRow("-14") << -14 << A::Yes << false;
    QTest::newRow("0") << 0 << A::Yes << false;
    QTest::newRow("14") << 14 << A::Yes << false;
    QTest::newRow("15, yes") << 15 << A::Yes << true;
    QTest::newRow("400 days ago, no") << -400 << A::No << true;
}

void TestUpdateReminder::storedDate() {
    QFETCH(int, days);
    QFETCH(Platform::Answer, answer);
    QFETCH(bool, asked);
    FakePlatform platform;
    const QString stored = platform.todayDate.addDays(days).toString(Qt::ISODate);
    platform.settings.insert(kKey, stored);
    platform.answers << answer;

    UpdateReminder(platform);

    QCOMPARE(platform.messages.size(), asked ? 1 : 0);
    // Asked: today is remembered whatever the answer. Not asked: nothing is stored.
    QCOMPARE(platform.settings.value(kKey),
             asked ? platform.todayDate.toString(Qt::ISODate) : stored);
    const bool opened = asked && answer == Platform::Answer::Yes;
    QCOMPARE(platform.openedAddresses,
             opened ? QList<QUrl>{linkAddress(Link::DownloadPage)} : QList<QUrl>{});
}

void TestUpdateReminder::firstStartAndDamagedValues_data() {
    QTest::addColumn<QString>("stored"); // null: nothing stored
    QTest::newRow("first start") << QString();
    QTest::newRow("not a date") << QStringLiteral("soon");
    QTest::newRow("empty") << QStringLiteral("");
    QTest::newRow("impossible date") << QStringLiteral("2026-02-30");
    QTest::newRow("other date order") << QStringLiteral("12/07/2026");
}

// A value that is no date starts the count afresh, like a first start; the
// reminder is never switched off for good by one damaged value.
void TestUpdateReminder::firstStartAndDamagedValues() {
    QFETCH(QString, stored);
    FakePlatform platform;
    if (!stored.isNull())
        platform.settings.insert(kKey, stored);
    UpdateReminder(platform);
    QVERIFY(platform.messages.isEmpty());
    QVERIFY(platform.openedAddresses.isEmpty());
    QCOMPARE(platform.settings.value(kKey), QStringLiteral("2026-12-07"));

    // Fifteen days later the question comes.
    platform.todayDate = platform.todayDate.addDays(15);
    UpdateReminder(platform);
    QCOMPARE(platform.messages.size(), 1);
}

void TestUpdateReminder::theQuestion() {
    FakePlatform platform;
    platform.settings.insert(kKey, QStringLiteral("2026-11-01"));
    UpdateReminder(platform);
    QCOMPARE(platform.messages.size(), 1);
    const FakePlatform::Message& m = platform.messages.first();
    QCOMPARE(m.text, kQuestion);
    QCOMPARE(m.title, QStringLiteral("Solvanta"));
    QCOMPARE(m.icon, Platform::Icon::Information);
    QCOMPARE(m.buttons, Platform::Buttons::YesNo);
}

void TestUpdateReminder::yesOpensTheDownloadPageEvenWhenTheDateCannotBeStored() {
    FakePlatform platform;
    platform.settings.insert(kKey, QStringLiteral("2026-01-01"));
    platform.settingsWritable = false;
    platform.answers << Platform::Answer::Yes;
    UpdateReminder(platform);
    QCOMPARE(platform.openedAddresses, QList<QUrl>{linkAddress(Link::DownloadPage)});
    QCOMPARE(platform.settings.value(kKey), QStringLiteral("2026-01-01"));
}

QTEST_GUILESS_MAIN(TestUpdateReminder)
#include "tst_updatereminder.moc"
