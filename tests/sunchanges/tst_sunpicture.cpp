#include "fakeplatform.h"
#include "sunchangeswindow.h"
#include "sunpicture.h"

#include <QAccessible>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// The picture of the days around a sign change, as the window feeds it, and saving it.
class TestSunPicture : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsWhatItIsGiven_data();
    void showsWhatItIsGiven();
    void saving_data();
    void saving();
    void ctrlSSaves();

private:
    void choose(QDate date, const char* zone, const QString& time);
    SunPicture* picture() const { return m_window->findChild<SunPicture*>("picSun"); }

    FakePlatform* m_platform = nullptr;
    SunChangesWindow* m_window = nullptr;
};

void TestSunPicture::init() {
    m_platform = new FakePlatform;
    m_window = new SunChangesWindow(*m_platform);
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
}

void TestSunPicture::cleanup() {
    delete m_window;
    delete m_platform;
}

void TestSunPicture::choose(QDate date, const char* zone, const QString& time) {
    QVERIFY(m_window->chooseZone(zone));
    m_window->showDate(date);
    auto* box = m_window->findChild<QLineEdit*>("txtTime");
    box->setText(time);
    QTest::keyClick(box, Qt::Key_Return);
}

void TestSunPicture::showsWhatItIsGiven_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QDate>("changeDay");
    QTest::addColumn<QStringList>("labels"); // besides the day numbers
    // Where each birth mark stands in its day, as a share of the day's hours (23 or
    // 25 on the days the clocks change); -1: the whole day is marked.
    QTest::addColumn<QList<double>>("marks");
    QTest::addColumn<bool>("sentence");

    QTest::newRow("cusp day, no time")
        << QDate(1990, 7, 21) << QByteArray("Europe/Berlin") << QString() << QDate(1990, 7, 23)
        << QStringList{"Cancer", "Leo", "04:22 (UTC+02:00)", "cusp days", "birth", "July 1990"}
        << QList<double>{-1} << true;
    QTest::newRow("noon") << QDate(1990, 7, 21) << QByteArray("Europe/Berlin") << "12:00"
                          << QDate(1990, 7, 23) << QStringList{"Cancer", "Leo", "birth 12:00"}
                          << QList<double>{0.5} << true;
    QTest::newRow("minute of the change")
        << QDate(2024, 3, 20) << QByteArray("Europe/London") << "03:06" << QDate(2024, 3, 20)
        << QStringList{"Pisces", "Aries", "03:06 (UTC+00:00)", "birth 03:06", "March 2024"}
        << QList<double>{(3 * 60 + 6) / 1440.0} << true;
    // 27 October 2024 had 25 hours in London: 01:30 BST is 1.5 h into it, 01:30 GMT 2.5 h.
    QTest::newRow("repeated hour")
        << QDate(2024, 10, 27) << QByteArray("Europe/London") << "01:30" << QDate(2024, 10, 22)
        << QStringList{"Libra", "Scorpio", "23:15 (UTC+01:00)", "cusp days", "birth 01:30, twice"}
        << QList<double>{1.5 / 25, 2.5 / 25} << false;
    QTest::newRow("skipped time: no mark")
        << QDate(2024, 3, 31) << QByteArray("Europe/London") << "01:30" << QDate(2024, 3, 20)
        << QStringList{"Pisces", "Aries", "March 2024"} << QList<double>{} << false;
    // Far from the change: the days shown reach the birth; the next month is named.
    QTest::newRow("far from the change")
        << QDate(1990, 8, 6) << QByteArray("Europe/Berlin") << QString() << QDate(1990, 7, 23)
        << QStringList{"Cancer", "Leo", "birth", "July 1990", "August 1990"} << QList<double>{-1}
        << false;
    QTest::newRow("west of Greenwich, change on the day before in local time")
        << QDate(2024, 3, 19) << QByteArray("Pacific/Pago_Pago") << "18:00" << QDate(2024, 3, 19)
        << QStringList{"Pisces", "Aries", "16:06 (UTC-11:00)", "birth 18:00"} << QList<double>{0.75}
        << true;
}

void TestSunPicture::showsWhatItIsGiven() {
    QFETCH(QDate, date);
    QFETCH(QByteArray, zone);
    QFETCH(QString, time);
    QFETCH(QDate, changeDay);
    QFETCH(QStringList, labels);
    QFETCH(QList<double>, marks);
    QFETCH(bool, sentence);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    choose(date, zone.constData(), time);
    SunPicture* shown = picture();
    QVERIFY(shown->hasScene());

    // The change: its line within its local day; at least five days either side.
    const QDateTime change = shown->scene().change.utc;
    QCOMPARE(change.toTimeZone(QTimeZone(zone)).date(), changeDay);
    const QRectF changeColumn = shown->dayRect(changeDay);
    QVERIFY(changeColumn.left() <= shown->xAt(change) && shown->xAt(change) < changeColumn.right());
    QVERIFY(shown->firstDay() <= changeDay.addDays(-5) && shown->lastDay() >= changeDay.addDays(5));

    // The birth marks, each where its moment is within the birth day's column.
    const QList<QRectF> drawn = shown->birthMarks();
    QCOMPARE(drawn.size(), marks.size());
    const QRectF day = shown->dayRect(date);
    for (qsizetype i = 0; i < marks.size(); ++i) {
        if (marks[i] < 0) {
            QVERIFY(day.left() <= drawn[i].left() && drawn[i].right() <= day.right());
            QVERIFY(drawn[i].width() > day.width() / 2);
        } else {
            QVERIFY2(qAbs(drawn[i].left() - (day.left() + marks[i] * day.width())) < 0.01,
                     qPrintable(QString::number(drawn[i].left())));
        }
    }

    // Every label, and the day numbers of the days shown.
    QStringList expected = labels;
    for (QDate d = shown->firstDay(); d <= shown->lastDay(); d = d.addDays(1))
        expected << QString::number(d.day());
    for (const QString& label : expected)
        QVERIFY2(shown->labels().contains(label), qPrintable(label));
    if (!labels.contains("cusp days"))
        QCOMPARE(shown->labels().contains("cusp days"), !shown->cuspRect().isNull());
    if (marks.isEmpty())
        QVERIFY(!shown->labels().join(' ').contains("birth"));

    // A screen reader finds a graphic telling the same: the signs, the change's time,
    // the birth.
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(shown);
    QCOMPARE(face->role(), QAccessible::Graphic);
    const QString told = face->text(QAccessible::Name) + ' ' + face->text(QAccessible::Description);
    for (const QString& label : labels.mid(0, 3))
        QVERIFY2(told.contains(label.section(QLatin1Char(','), 0, 0).remove("birth "),
                               Qt::CaseInsensitive),
                 qPrintable(told));
    QCOMPARE(told.contains("No birth mark"), marks.isEmpty());

    // The sentence that reconciles the rule with the Sun, on cusp days only.
    auto* note = m_window->findChild<QLabel*>("lblCuspNote");
    QCOMPARE(note->isVisible(), sentence);
    QCOMPARE(note->text().startsWith("By the calendar rule"), sentence);
}

void TestSunPicture::saving_data() {
    QTest::addColumn<QString>("answer"); // the file chosen; empty: cancelled
    QTest::addColumn<bool>("saved");
    QTest::newRow("saved") << "picture.png" << true;
    QTest::newRow("cancelled") << QString() << false;
    QTest::newRow("folder that does not exist") << "missing/picture.png" << false;
}

void TestSunPicture::saving() {
    QFETCH(QString, answer);
    QFETCH(bool, saved);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    if (!answer.isEmpty())
        m_platform->saveFileName = folder.filePath(answer);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    choose(QDate(1990, 7, 21), "Europe/Berlin", QString());
    const QString reading = m_window->findChild<QPlainTextEdit*>("txtReading")->toPlainText();

    QTest::mouseClick(m_window->findChild<QPushButton*>("cmdSave"), Qt::LeftButton);
    QCOMPARE(m_platform->saveRequests.size(), 1);
    QCOMPARE(m_platform->saveRequests[0].proposedName, QStringLiteral("sun-1990-07-21.png"));
    QCOMPARE(m_platform->saveRequests[0].owner.data(), m_window);

    const QImage image(folder.filePath(answer));
    QCOMPARE(!image.isNull(), saved);
    if (saved) {
        // The picture, twice as sharp, with the reading under it.
        QCOMPARE(image.width(), picture()->width() * 2);
        QVERIFY(image.height() > picture()->height() * 2 + 40);
    }
    const bool failed = !saved && !answer.isEmpty();
    QCOMPARE(m_platform->messages.size(), failed ? 1 : 0);
    if (failed) {
        QCOMPARE(m_platform->messages[0].icon, Platform::Icon::Critical);
        QVERIFY(m_platform->messages[0].text.contains(folder.filePath(answer)));
        QCOMPARE(m_platform->messages[0].owner.data(), m_window);
    }
    // Nothing else is written, and the window keeps what it showed.
    QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             saved ? QStringList{answer} : QStringList{});
    QCOMPARE(m_window->findChild<QPlainTextEdit*>("txtReading")->toPlainText(), reading);
}

void TestSunPicture::ctrlSSaves() {
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QTest::keyClick(m_window->findChild<QComboBox*>("cboDay"), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_platform->saveRequests.size(), 1);
}

QTEST_MAIN(TestSunPicture)
#include "tst_sunpicture.moc"
