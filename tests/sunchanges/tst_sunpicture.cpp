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

#include <memory>

namespace {
// One row of showsWhatItIsGiven: a birth and what the picture shows for it.
void row(const char* name, QDate date, const char* zone, const char* time, QDate changeDay,
         const QStringList& labels, const QList<double>& marks, bool sentence,
         const QString& told = {}) {
    QTest::newRow(name) << date << QByteArray(zone) << QString::fromLatin1(time) << changeDay
                        << labels << marks << sentence << told;
}
} // namespace

// The picture of the days around a sign change, as the window feeds it, and saving it.
class TestSunPicture : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<SunChangesWindow> m_window;

    // The window shown, and a birth day, zone and time entered as a person does.
    void choose(QDate date, const char* zone, const QString& time) {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QVERIFY(m_window->chooseZone(zone));
        m_window->showDate(date);
        auto* box = m_window->findChild<QLineEdit*>("txtTime");
        box->setText(time);
        QTest::keyClick(box, Qt::Key_Return);
    }

private slots:
    void init() {
        m_platform = std::make_unique<FakePlatform>();
        m_window = std::make_unique<SunChangesWindow>(*m_platform);
        m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    void cleanup() {
        m_window.reset();
        m_platform.reset();
    }

    void showsWhatItIsGiven_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QDate>("changeDay");
        QTest::addColumn<QStringList>("labels"); // besides the day numbers
        // Each birth mark's place in its day, as a share of the day's hours; -1: the whole day.
        QTest::addColumn<QList<double>>("marks");
        QTest::addColumn<bool>("sentence"); // the note on cusp days
        QTest::addColumn<QString>("told");  // part of what a screen reader hears
        row("cusp day, no time", QDate(1990, 7, 21), "Europe/Berlin", "", QDate(1990, 7, 23),
            {"Cancer", "Leo", "04:22 (UTC+02:00)", "cusp days", "birth", "July 1990"}, {-1}, true,
            "the cusp days of the calendar rule: 19 to 23 July. A line marks the change: the Sun "
            "was in Cancer before 04:22 (UTC+02:00) on 23 July and in Leo after. Birth: marked "
            "on 21 July, in Cancer all day.");
        row("noon", QDate(1990, 7, 21), "Europe/Berlin", "12:00", QDate(1990, 7, 23),
            {"Cancer", "Leo", "birth 12:00"}, {0.5}, true,
            "Birth: marked at its moment on 21 July: 12:00 (UTC+02:00), in Cancer, 1 day, 16 "
            "hours and 22 minutes before the change.");
        // Weeks before the change: the days shown reach back to the birth.
        row("weeks before the change", QDate(1990, 7, 8), "Europe/Berlin", "", QDate(1990, 7, 23),
            {"Cancer", "Leo", "birth"}, {-1}, false, "Birth: marked on 8 July, in Cancer all day.");
        row("minute of the change", QDate(2024, 3, 20), "Europe/London", "03:06",
            QDate(2024, 3, 20),
            {"Pisces", "Aries", "03:06 (UTC+00:00)", "birth 03:06", "March 2024"},
            {(3 * 60 + 6) / 1440.0}, true);
        // A 25-hour day: 01:30 BST is 1.5 h into it, 01:30 GMT 2.5 h.
        row("repeated hour", QDate(2024, 10, 27), "Europe/London", "01:30", QDate(2024, 10, 22),
            {"Libra", "Scorpio", "23:15 (UTC+01:00)", "cusp days", "birth 01:30, twice"},
            {1.5 / 25, 2.5 / 25}, false,
            "01:30 (UTC+01:00), in Scorpio, 4 days, 2 hours and 15 minutes after the change");
        row("skipped time: no mark", QDate(2024, 3, 31), "Europe/London", "01:30",
            QDate(2024, 3, 20), {"Pisces", "Aries", "March 2024"}, {}, false);
        row("day the zone skipped: no mark", QDate(2011, 12, 30), "Pacific/Apia", "",
            QDate(2011, 12, 21), {"Sagittarius", "Capricorn"}, {}, false);
        row("far from the change: the days reach the birth, in the next month", QDate(1990, 8, 6),
            "Europe/Berlin", "", QDate(1990, 7, 23),
            {"Cancer", "Leo", "birth", "July 1990", "August 1990"}, {-1}, false,
            "Birth: marked on 6 August, in Leo all day.");
        row("west of Greenwich, change on the day before in local time", QDate(2024, 3, 19),
            "Pacific/Pago_Pago", "18:00", QDate(2024, 3, 19),
            {"Pisces", "Aries", "16:06 (UTC-11:00)", "birth 18:00"}, {0.75}, true);
    }

    void showsWhatItIsGiven() {
        QFETCH(QDate, date);
        QFETCH(QByteArray, zone);
        QFETCH(QString, time);
        QFETCH(QDate, changeDay);
        QFETCH(QStringList, labels);
        QFETCH(QList<double>, marks);
        QFETCH(bool, sentence);
        QFETCH(QString, told);
        choose(date, zone.constData(), time);
        SunPicture* shown = m_window->findChild<SunPicture*>("picSun");

        // The change: its line within its local day; at least five days either side.
        const QDateTime change = shown->scene().change.utc;
        QCOMPARE(change.toTimeZone(QTimeZone(zone)).date(), changeDay);
        const QRectF changeColumn = shown->dayRect(changeDay);
        QVERIFY(changeColumn.left() <= shown->xAt(change) &&
                shown->xAt(change) < changeColumn.right());
        QVERIFY(shown->firstDay() <= changeDay.addDays(-5) &&
                shown->lastDay() >= changeDay.addDays(5));
        // The calendar rule's cusp days, 19 to 23 of the change's month, as far as shown.
        const QDate cuspFrom = std::max(shown->firstDay(), changeDay.addDays(19 - changeDay.day()));
        const QDate cuspTo = std::min(shown->lastDay(), changeDay.addDays(23 - changeDay.day()));
        QCOMPARE(shown->cuspRect(), cuspFrom <= cuspTo
                                        ? shown->dayRect(cuspFrom).united(shown->dayRect(cuspTo))
                                        : QRectF());

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

        QStringList expected = labels;
        for (QDate d = shown->firstDay(); d <= shown->lastDay(); d = d.addDays(1))
            expected << QString::number(d.day());
        for (const QString& label : expected)
            QVERIFY2(shown->labels().contains(label), qPrintable(label));
        if (!labels.contains("cusp days"))
            QCOMPARE(shown->labels().contains("cusp days"), !shown->cuspRect().isNull());
        if (marks.isEmpty())
            QVERIFY(!shown->labels().join(' ').contains("birth"));

        // A screen reader hears the signs, the change's time and the birth.
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(shown);
        QCOMPARE(face->role(), QAccessible::Graphic);
        const QString heard =
            face->text(QAccessible::Name) + ' ' + face->text(QAccessible::Description);
        for (const QString& label : labels.mid(0, 3))
            QVERIFY2(heard.contains(label.section(',', 0, 0).remove("birth "), Qt::CaseInsensitive),
                     qPrintable(heard));
        QCOMPARE(heard.contains("No birth mark"), marks.isEmpty() && !time.isEmpty());
        QVERIFY2(heard.contains(told), qPrintable(heard));

        auto* note = m_window->findChild<QLabel*>("lblCuspNote");
        QCOMPARE(note->isVisible(), sentence);
        QCOMPARE(note->text().startsWith("By the calendar rule"), sentence);
    }

    void saving_data() {
        QTest::addColumn<QString>("answer"); // the file chosen; empty: cancelled
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("byKey"); // Ctrl+S in the day list rather than the button
        QTest::newRow("saved") << "picture.png" << true << false;
        QTest::newRow("Ctrl+S") << "picture.png" << true << true;
        QTest::newRow("cancelled") << QString() << false << false;
        QTest::newRow("folder that does not exist") << "missing/picture.png" << false << false;
    }

    void saving() {
        QFETCH(QString, answer);
        QFETCH(bool, saved);
        QFETCH(bool, byKey);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        if (!answer.isEmpty())
            m_platform->saveFileName = folder.filePath(answer);
        choose(QDate(1990, 7, 21), "Europe/Berlin", QString());
        const auto* reading = m_window->findChild<QPlainTextEdit*>("txtReading");
        const QString before = reading->toPlainText();
        if (byKey)
            QTest::keyClick(m_window->findChild<QComboBox*>("cboDay"), Qt::Key_S,
                            Qt::ControlModifier);
        else
            QTest::mouseClick(m_window->findChild<QPushButton*>("cmdSave"), Qt::LeftButton);
        QCOMPARE(m_platform->saveRequests.size(), 1);
        QCOMPARE(m_platform->saveRequests[0].proposedName, QStringLiteral("sun-1990-07-21.png"));
        QCOMPARE(m_platform->saveRequests[0].owner.data(), m_window.get());

        // The picture, twice as sharp, with the reading under it.
        const QImage image(folder.filePath(answer));
        const SunPicture* picture = m_window->findChild<SunPicture*>("picSun");
        QCOMPARE(!image.isNull(), saved);
        QVERIFY(!saved || image.width() == picture->width() * 2);
        QVERIFY(!saved || image.height() > picture->height() * 2 + 40);
        // It says where: the offsets alone do not.
        QVERIFY2(!saved ||
                     image.text("Description").startsWith("Time zone: Europe/Berlin\n\n" + before),
                 qPrintable(image.text("Description")));
        const bool failed = !saved && !answer.isEmpty();
        QCOMPARE(m_platform->messages.size(), failed ? 1 : 0);
        if (failed) {
            QCOMPARE(m_platform->messages[0].icon, Platform::Icon::Critical);
            QVERIFY(m_platform->messages[0].text.contains(folder.filePath(answer)));
            QCOMPARE(m_platform->messages[0].owner.data(), m_window.get());
        }
        // Nothing else is written, and the window keeps what it showed.
        QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 saved ? QStringList{answer} : QStringList{});
        QCOMPARE(reading->toPlainText(), before);
    }
};

QTEST_MAIN(TestSunPicture)
#include "tst_sunpicture.moc"
