#include "fakeplatform.h"
#include "look.h"
#include "sunchangeswindow.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

namespace {

template <typename T> T* child(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qWarning("no child %s", name);
    return found;
}

// A table row as a screen reader finds it: the accessible names of its four cells.
QStringList readRow(QTableWidget* table, int row) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(table);
    QAccessibleTableInterface* cells = face ? face->tableInterface() : nullptr;
    if (!cells)
        return {};
    QStringList texts;
    for (int column = 0; column < cells->columnCount(); ++column) {
        QAccessibleInterface* cell = cells->cellAt(row, column);
        texts << (cell ? cell->text(QAccessible::Name) : QString());
    }
    return texts;
}

} // namespace

class TestSunChangesWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tableShowsLocalMoments_data();
    void tableShowsLocalMoments();
    void tableFollowsYearAndZone();
    void summerTimeShowsBothOffsets();
    void zoneFinder_data();
    void zoneFinder();
    void cityFromTheList();
    void partOfANameWithEnter_data();
    void partOfANameWithEnter();
    void unknownZoneIsRefused();
    void readings_data();
    void readings();
    void enterInADateBoxAsks();
    void timeInAGapIsRefusedOnRequestOnly();
    void unreadableTimesAreRefusedWhenAsked_data();
    void unreadableTimesAreRefusedWhenAsked();
    void leavingTheTimeBoxAsksOnceForEachChange();
    void daysTheMonthLacksAreClamped_data();
    void daysTheMonthLacksAreClamped();
    void startDateFromTheInputWindow_data();
    void startDateFromTheInputWindow();
    void everyControlIsNamedLabelledAndInTabOrder();
    void fitsTheScreenAndNothingMoves();
    void tableIsReadOnly();
    void windowsShareOnePalette();

private:
    void choose(int year, int month, int day, const char* zone);
    QString reading() const;

    FakePlatform* m_platform = nullptr;
    SunChangesWindow* m_window = nullptr;
};

void TestSunChangesWindow::init() {
    m_platform = new FakePlatform;
    m_window = new SunChangesWindow(*m_platform);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestSunChangesWindow::cleanup() {
    delete m_window;
    delete m_platform;
}

void TestSunChangesWindow::choose(int year, int month, int day, const char* zone) {
    QVERIFY(m_window->chooseZone(zone));
    m_window->showDate(QDate(year, month, day));
}

QString TestSunChangesWindow::reading() const {
    return child<QPlainTextEdit>(m_window, "txtReading")->toPlainText();
}

void TestSunChangesWindow::tableShowsLocalMoments_data() {
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("cells");
    // Equinoxes and solstices as published (U.S. Naval Observatory, UT to the
    // minute), in the zone's local time; the window shows the clock's minute. A screen
    // reader hears the date in words.
    QTest::newRow("UTC 1966 Aries") << QByteArray("UTC") << 1966 << 3
                                    << QStringList{"Aries", "21 March 1966", "01:53", "UTC+00:00"};
    QTest::newRow("UTC 1966 Capricorn")
        << QByteArray("UTC") << 1966 << 12
        << QStringList{"Capricorn", "22 December 1966", "07:28", "UTC+00:00"};
    // UTC+14: 2016-06-20 22:34 UT is already the 21st there.
    QTest::newRow("Kiritimati 2016 Cancer")
        << QByteArray("Pacific/Kiritimati") << 2016 << 6
        << QStringList{"Cancer", "21 June 2016", "12:34", "UTC+14:00"};
    // The row before the year's first: the December before, in the zone's time.
    QTest::newRow("Kiritimati 2016, Capricorn the December before")
        << QByteArray("Pacific/Kiritimati") << 2016 << 0
        << QStringList{"Capricorn", "22 December 2015", "18:48", "UTC+14:00"};
    QTest::newRow("Kiritimati 2016 Capricorn")
        << QByteArray("Pacific/Kiritimati") << 2016 << 12
        << QStringList{"Capricorn", "22 December 2016", "00:44", "UTC+14:00"};
    // UTC-11: 2010-09-23 03:09 UT is still the 22nd there.
    QTest::newRow("Pago Pago 2010 Libra")
        << QByteArray("Pacific/Pago_Pago") << 2010 << 9
        << QStringList{"Libra", "22 September 2010", "16:09", "UTC-11:00"};
    QTest::newRow("Pago Pago 2000 Aries")
        << QByteArray("Pacific/Pago_Pago") << 2000 << 3
        << QStringList{"Aries", "19 March 2000", "20:35", "UTC-11:00"};
}

void TestSunChangesWindow::tableShowsLocalMoments() {
    QFETCH(QByteArray, zone);
    QFETCH(int, year);
    QFETCH(int, row);
    QFETCH(QStringList, cells);
    choose(year, 1, 1, zone.constData());
    auto* table = child<QTableWidget>(m_window, "tblChanges");
    QCOMPARE(table->rowCount(), 13);
    QCOMPARE(readRow(table, row), cells);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(table);
    QCOMPARE(face->tableInterface()->rowDescription(row), cells.value(0));
    QVERIFY(face->text(QAccessible::Description).contains(QString::fromLatin1(zone)));
}

void TestSunChangesWindow::tableFollowsYearAndZone() {
    auto* table = child<QTableWidget>(m_window, "tblChanges");
    choose(1966, 1, 1, "UTC");
    // Calendar order, Capricorn the December before, then Aquarius in January to
    // Capricorn in December, dates rising.
    const QStringList order{"Capricorn", "Aquarius",    "Pisces",   "Aries", "Taurus",
                            "Gemini",    "Cancer",      "Leo",      "Virgo", "Libra",
                            "Scorpio",   "Sagittarius", "Capricorn"};
    for (int row = 0; row < 13; ++row) {
        const QStringList cells = readRow(table, row);
        QCOMPARE(cells.value(0), order.at(row));
        QVERIFY(cells.value(1).endsWith(row == 0 ? QStringLiteral("December 1965")
                                                 : QLocale::c().monthName(row) + " 1966"));
    }

    // The year box and the zone box redraw the table at once.
    child<QComboBox>(m_window, "cboYear")->setCurrentIndex(2016 - 1900);
    QCOMPARE(readRow(table, 6).value(1), QStringLiteral("20 June 2016"));
    auto* zones = child<QComboBox>(m_window, "cboZone");
    zones->setCurrentIndex(zones->findText("Pacific/Kiritimati"));
    QCOMPARE(readRow(table, 6).value(1), QStringLiteral("21 June 2016"));
    QCOMPARE(child<QLabel>(m_window, "lblPlace")->text(), QStringLiteral("Pacific/Kiritimati"));
    QCOMPARE(m_window->zone().id(), QByteArray("Pacific/Kiritimati"));
    // Opened again, the place kept wins over the zone kept beside it.
    m_window->restore({QDate(1966, 1, 1), "UTC", QString(), "Asia/Tokyo"});
    QCOMPARE(m_window->zone().id(), QByteArray("Asia/Tokyo"));
}

void TestSunChangesWindow::summerTimeShowsBothOffsets() {
    choose(2020, 1, 1, "Europe/Paris");
    auto* table = child<QTableWidget>(m_window, "tblChanges");
    QStringList offsets;
    for (int row = 1; row < 13; ++row)
        offsets << readRow(table, row).value(3);
    // Winter time to March (Aries 2020-03-20 03:50 UT), summer time from Taurus in
    // April to Scorpio in October, winter time again from November.
    QCOMPARE(offsets, QStringList({"UTC+01:00", "UTC+01:00", "UTC+01:00", "UTC+02:00", "UTC+02:00",
                                   "UTC+02:00", "UTC+02:00", "UTC+02:00", "UTC+02:00", "UTC+02:00",
                                   "UTC+01:00", "UTC+01:00"}));
    QCOMPARE(readRow(table, 3).mid(1, 2), QStringList({"20 March 2020", "04:50"}));
    QCOMPARE(readRow(table, 6).mid(1, 2), QStringList({"20 June 2020", "23:44"}));
}

void TestSunChangesWindow::zoneFinder_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("found");
    QTest::newRow("start of a word") << "kiritim"
                                     << "Pacific/Kiritimati";
    QTest::newRow("other case") << "PAGO_P"
                                << "Pacific/Pago_Pago";
    QTest::newRow("city only") << "paris"
                               << "Europe/Paris";
}

void TestSunChangesWindow::zoneFinder() {
    QFETCH(QString, typed);
    QFETCH(QString, found);
    auto* zones = child<QComboBox>(m_window, "cboZone");
    zones->setFocus();
    zones->lineEdit()->selectAll();
    QTest::keyClicks(zones->lineEdit(), typed);
    QCompleter* completer = zones->completer();
    QVERIFY(completer);
    QVERIFY(completer->popup()->isVisible());
    QStringList offered;
    for (int row = 0; row < completer->completionModel()->rowCount(); ++row)
        offered << completer->completionModel()->index(row, 0).data().toString();
    // A zone's own name, or a city's offer naming the zone.
    QVERIFY2(offered.contains(found) || offered.join('|').endsWith(QString(" ") + found),
             qPrintable(offered.join(' ')));
    for (const QString& zone : offered)
        QVERIFY2(zone.contains(typed, Qt::CaseInsensitive), qPrintable(zone));

    // The whole name, typed in any case, chooses the zone with Enter.
    zones->lineEdit()->selectAll();
    QTest::keyClicks(zones->lineEdit(), found.toUpper());
    QTest::keyClick(zones->lineEdit(), Qt::Key_Return);
    QCOMPARE(m_window->zone().id(), found.toLatin1());
    QCOMPARE(zones->currentText(), found);
    QVERIFY(m_platform->messages.isEmpty());
}

// Several cities of one name: the list offers each with its region, country and zone, and
// the one picked is the place, shown with its zone.
void TestSunChangesWindow::cityFromTheList() {
    choose(1990, 7, 21, "UTC");
    auto* zones = child<QComboBox>(m_window, "cboZone");
    zones->setFocus();
    zones->lineEdit()->selectAll();
    QTest::keyClicks(zones->lineEdit(), "springfield");
    QTest::keyClick(zones->lineEdit(), Qt::Key_Return);
    QWidget* popup = zones->completer()->popup();
    QTRY_VERIFY(popup->isVisible());
    QVERIFY2(reading().startsWith("5 places match"), qPrintable(reading()));
    const QString illinois = "Springfield, Illinois, United States \u2014 America/Chicago";
    const QAbstractItemModel* offered = zones->completer()->completionModel();
    int row = 0;
    while (row < offered->rowCount() && offered->index(row, 0).data() != illinois)
        ++row;
    QVERIFY(row < offered->rowCount());
    QVERIFY(popup->width() > popup->fontMetrics().horizontalAdvance(illinois)); // not cut
    for (int down = 0; down <= row; ++down)
        QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    QCOMPARE(m_window->zone().id(), QByteArray("America/Chicago"));
    QCOMPARE(zones->currentText(), "Springfield, Illinois, United States");
    QCOMPARE(child<QLabel>(m_window, "lblPlace")->text(), illinois);
    QCOMPARE(m_window->choices().place, illinois);
}

// Enter on what the zone finder reads: the one zone it finds; several open the list
// with them and say so (the first is then chosen from the list); none, a message.
void TestSunChangesWindow::partOfANameWithEnter_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("chosen"); // empty: refused, the zone stays
    QTest::addColumn<QString>("said");   // in the message or, for several, the reading
    const auto row = [](const char* name, const QString& typed, const char* chosen,
                        const QString& said = {}) {
        QTest::newRow(name) << typed << QString::fromLatin1(chosen) << said;
    };
    row("one zone has it", "kiritimati", "Pacific/Kiritimati");
    row("a space for an underscore", "america/new york", "America/New_York");
    row("older name", "Asia/Calcutta", "Asia/Kolkata");
    row("country", "Japan", "Asia/Tokyo");
    row("offset the list lacks", "UTC+01:30", "UTC+01:30");
    row("several have it", "bahia", "America/Bahia",
        "2 time zones match \u201cbahia\u201d: choose one from the list.");
    row("none has it", "Atlantis", "", "No place or time zone is called \u201cAtlantis\u201d.");
    row("a rule", "ABC+1DEF,M13.5.0,M1.1.0", "", "No place or time zone is called");
    row("direction override, isolated", "ab\u202Ecd", "",
        "No place or time zone is called \u201c\u2068abcd\u2069\u201d.");
}

void TestSunChangesWindow::partOfANameWithEnter() {
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    QFETCH(QString, said);
    choose(1966, 3, 21, "UTC");
    auto* zones = child<QComboBox>(m_window, "cboZone");
    zones->setFocus();
    zones->lineEdit()->selectAll();
    if (typed.toLatin1() == typed.toUtf8())
        QTest::keyClicks(zones->lineEdit(), typed);
    else
        zones->lineEdit()->insert(typed); // as pasted
    // Enter goes to the list of offers when it is open (nothing in it chosen).
    QWidget* popup = zones->completer()->popup();
    QTest::keyClick(popup->isVisible() ? popup : static_cast<QWidget*>(zones->lineEdit()),
                    Qt::Key_Return);
    const bool several = said.contains(QStringLiteral("match"));
    if (several) {
        QCOMPARE(zones->currentText(), typed); // the text stays, the zone too
        QCOMPARE(m_window->zone().id(), QByteArray("UTC"));
        QTRY_VERIFY(popup->isVisible());
        QCOMPARE(zones->completer()->completionModel()->rowCount(), 2);
        QCOMPARE(reading(), said);
        // Escape puts the list away, not the window; Enter opens it again.
        QTest::keyClick(popup, Qt::Key_Escape);
        QVERIFY(!popup->isVisible());
        QVERIFY(m_window->isVisible());
        QTest::keyClick(zones->lineEdit(), Qt::Key_Return);
        QTRY_VERIFY(popup->isVisible());
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
    }
    QCOMPARE(m_window->zone().id(), chosen.isEmpty() ? QByteArray("UTC") : chosen.toLatin1());
    QCOMPARE(zones->currentText(), chosen.isEmpty() ? QStringLiteral("UTC") : chosen);
    QCOMPARE(m_platform->messages.size(), chosen.isEmpty() ? 1 : 0);
    // The zone in plain view under the box, and kept for the next opening; the new
    // reading has the keyboard, so that a screen reader reads it out.
    QCOMPARE(child<QLabel>(m_window, "lblPlace")->text(), zones->currentText());
    QCOMPARE(m_window->choices().place, zones->currentText());
    QCOMPARE(m_window->focusWidget(),
             chosen.isEmpty() ? zones : child<QWidget>(m_window, "txtReading"));
    if (chosen.isEmpty())
        QVERIFY2(m_platform->messages[0].text.startsWith(said),
                 qPrintable(m_platform->messages[0].text));
}

void TestSunChangesWindow::unknownZoneIsRefused() {
    choose(1966, 3, 21, "UTC");
    auto* zones = child<QComboBox>(m_window, "cboZone");
    const QStringList before = readRow(child<QTableWidget>(m_window, "tblChanges"), 2);
    zones->setFocus();
    zones->lineEdit()->selectAll();
    QTest::keyClicks(zones->lineEdit(), "Mars/Olympus");
    QVERIFY(m_platform->messages.isEmpty()); // nothing while typing
    QTest::keyClick(zones->lineEdit(), Qt::Key_Return);
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY(m_platform->messages[0].text.contains("Mars/Olympus"));
    QCOMPARE(m_platform->messages[0].owner.data(), m_window);
    QCOMPARE(m_window->zone().id(), QByteArray("UTC"));
    QCOMPARE(zones->currentText(), QStringLiteral("UTC"));
    QCOMPARE(readRow(child<QTableWidget>(m_window, "tblChanges"), 2), before);
}

void TestSunChangesWindow::readings_data() {
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("lit"); // the highlighted row's sign and date
    QTest::newRow("day of a change")
        << QByteArray("UTC") << QDate(1966, 3, 21) << ""
        << QStringList{"entered Aries at 01:53", "Pisces"} << "Aries 1966-03-21";
    QTest::newRow("day inside a sign, blanks for a time")
        << QByteArray("UTC") << QDate(1966, 3, 15) << "   "
        << QStringList{"in Pisces all day", "It entered Aries on 21 March 1966"}
        << "Pisces 1966-02-19";
    QTest::newRow("time before the change")
        << QByteArray("UTC") << QDate(1966, 3, 21) << "01:30" << QStringList{"Pisces", "before"}
        << "Pisces 1966-02-19";
    QTest::newRow("time after the change, one digit hour")
        << QByteArray("UTC") << QDate(1966, 3, 21) << " 2:30 " << QStringList{"Aries", "after"}
        << "Aries 1966-03-21";
    // The table says 03:06: that minute holds the change, to the second.
    QTest::newRow("the table's minute")
        << QByteArray("Europe/London") << QDate(2024, 3, 20) << "03:06"
        << QStringList{"The Sun entered Aries at 03:06:24, within the minute you gave"}
        << "Aries 2024-03-20";
    QTest::newRow("repeated hour")
        << QByteArray("Europe/Paris") << QDate(2020, 10, 25) << "02:30"
        << QStringList{"happened twice", "02:30 (UTC+02:00)", "02:30 (UTC+01:00)"}
        << "Scorpio 2020-10-23";
    // Early January: the change the reading names is the table's first row, not the
    // Capricorn of the year's end.
    QTest::newRow("1 January, Capricorn the December before")
        << QByteArray("Asia/Kolkata") << QDate(1950, 1, 1) << "" << QStringList{"22 December 1949"}
        << "Capricorn 1949-12-22";
    QTest::newRow("late December, the year's own Capricorn")
        << QByteArray("UTC") << QDate(1966, 12, 30) << "" << QStringList{"in Capricorn all day"}
        << "Capricorn 1966-12-22";
    QTest::newRow("day the zone skipped") << QByteArray("Pacific/Apia") << QDate(2011, 12, 30) << ""
                                          << QStringList{"did not exist", "skipped"} << "";
}

void TestSunChangesWindow::readings() {
    QFETCH(QByteArray, zone);
    QFETCH(QDate, date);
    QFETCH(QString, time);
    QFETCH(QStringList, expected);
    QFETCH(QString, lit);
    choose(date.year(), date.month(), date.day(), zone.constData());
    QCOMPARE(m_window->chosenDate(), date);
    child<QLineEdit>(m_window, "txtTime")->setText(time);
    child<QPushButton>(m_window, "cmdShow")->click();
    for (const QString& part : expected)
        QVERIFY2(reading().contains(part), qPrintable(reading()));
    QVERIFY(m_platform->messages.isEmpty());
    // The highlighted row is the one a screen reader is told of, and the row the
    // keyboard lands on in the table.
    auto* table = child<QTableWidget>(m_window, "tblChanges");
    QAccessibleTableInterface* cells =
        QAccessible::queryAccessibleInterface(table)->tableInterface();
    QStringList highlighted;
    QStringList described;
    for (int row = 0; row < 13; ++row) {
        const QString name = table->item(row, 0)->text() + ' ' + table->item(row, 1)->text();
        if (table->item(row, 0)->font().bold() && table->item(row, 3)->background() != QBrush())
            highlighted << name;
        if (cells->cellAt(row, 0)->text(QAccessible::Description) ==
            QStringLiteral("The Sun's sign at the birth"))
            described << name;
    }
    QCOMPARE(highlighted, lit.isEmpty() ? QStringList() : QStringList{lit});
    QCOMPARE(described, highlighted);
    if (!lit.isEmpty()) {
        QCOMPARE(m_window->focusWidget(), child<QWidget>(m_window, "txtReading"));
        table->setFocus(Qt::TabFocusReason);
        const QTableWidgetItem* litDate =
            table->findItems(lit.section(' ', 1), Qt::MatchExactly).value(0);
        QVERIFY(litDate);
        QCOMPARE(table->currentRow(), litDate->row());
    }
    // The reading area scrolls only when its text does not fit (also run at twice the
    // scale): even the double reading of a repeated hour fits.
    auto* box = child<QPlainTextEdit>(m_window, "txtReading");
    QCoreApplication::processEvents();
    QCOMPARE(box->verticalScrollBar()->maximum(), 0);
    QVERIFY(!box->verticalScrollBar()->isVisible());
    box->setPlainText(QString(reading() + "\n").repeated(8));
    QCoreApplication::processEvents();
    QVERIFY(box->verticalScrollBar()->isVisible());
}

// Enter in the year, day or month box asks for the reading, as in the time box.
void TestSunChangesWindow::enterInADateBoxAsks() {
    child<QLineEdit>(m_window, "txtTime")->setText("noon");
    for (const char* box : {"cboYear", "cboDay", "cboMonth"}) {
        m_platform->messages.clear();
        auto* dateBox = child<QComboBox>(m_window, box);
        dateBox->setFocus();
        QTest::keyClick(dateBox, Qt::Key_Return);
        QVERIFY2(m_platform->messages.size() == 1, box);
        QVERIFY(m_window->isVisible());
    }
}

void TestSunChangesWindow::timeInAGapIsRefusedOnRequestOnly() {
    choose(2020, 3, 29, "Europe/Paris");
    auto* time = child<QLineEdit>(m_window, "txtTime");
    time->setFocus();
    QTest::keyClicks(time, "02:30");
    QVERIFY(m_platform->messages.isEmpty());
    QTest::keyClick(time, Qt::Key_Return);
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].owner.data(), m_window);
    QVERIFY2(m_platform->messages[0].text.contains("did not happen"),
             qPrintable(m_platform->messages[0].text));
    QVERIFY(reading().contains("did not happen"));
    QCOMPARE(m_window->focusWidget(), time); // to be mended there

    // Changing another field redraws the reading without a message: the 28th had
    // a 02:30.
    child<QComboBox>(m_window, "cboDay")->setCurrentIndex(27);
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY2(reading().startsWith("At 02:30 (UTC+01:00)"), qPrintable(reading()));
}

void TestSunChangesWindow::unreadableTimesAreRefusedWhenAsked_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("quoted"); // how the message quotes it, when not as typed
    QTest::newRow("hour 24") << "24:00"
                             << "";
    QTest::newRow("minute 60") << "12:60"
                               << "";
    QTest::newRow("letters") << "noon"
                             << "";
    QTest::newRow("half typed") << "12:"
                                << "";
    QTest::newRow("seconds") << "12:30:15"
                             << "";
    QTest::newRow("a long paste, quoted short")
        << QString(5000, QLatin1Char('9')) << QString(23, QLatin1Char('9')) + QChar(0x2026);
}

void TestSunChangesWindow::unreadableTimesAreRefusedWhenAsked() {
    QFETCH(QString, typed);
    QFETCH(QString, quoted);
    choose(1990, 5, 5, "UTC");
    auto* time = child<QLineEdit>(m_window, "txtTime");
    time->setFocus();
    time->insert(typed);
    QCOMPARE(time->text(), typed); // nothing cut
    QVERIFY(m_platform->messages.isEmpty());
    child<QPushButton>(m_window, "cmdShow")->click();
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].owner.data(), m_window);
    const QString expected = QChar(0x201c) + (quoted.isEmpty() ? typed : quoted) + QChar(0x201d);
    QVERIFY2(m_platform->messages[0].text.startsWith(expected),
             qPrintable(m_platform->messages[0].text));
    QCOMPARE(reading(), m_platform->messages[0].text);

    // Clearing the box goes back to the whole day.
    time->clear();
    child<QPushButton>(m_window, "cmdShow")->click();
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY2(reading().contains("all day"), qPrintable(reading()));
}

void TestSunChangesWindow::leavingTheTimeBoxAsksOnceForEachChange() {
    choose(1990, 5, 5, "UTC");
    auto* time = child<QLineEdit>(m_window, "txtTime");
    time->setFocus();
    QTest::keyClicks(time, "9:7");
    QVERIFY(m_platform->messages.isEmpty());
    QTest::keyClick(time, Qt::Key_Tab);
    QCOMPARE(m_platform->messages.size(), 1);
    // Back and out again without a change: no second message.
    time->setFocus(Qt::BacktabFocusReason);
    QTest::keyClick(time, Qt::Key_Tab);
    QCOMPARE(m_platform->messages.size(), 1);
    // A good time, then out: the reading, no message.
    time->setFocus(Qt::BacktabFocusReason);
    time->selectAll();
    QTest::keyClicks(time, "09:07");
    QTest::keyClick(time, Qt::Key_Tab);
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY2(reading().startsWith("At 09:07 (UTC+00:00) on"), qPrintable(reading()));
}

void TestSunChangesWindow::daysTheMonthLacksAreClamped_data() {
    QTest::addColumn<QDate>("start");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<QDate>("shown");
    QTest::newRow("31 March to April") << QDate(1990, 3, 31) << 1990 << 4 << QDate(1990, 4, 30);
    QTest::newRow("31 January to February")
        << QDate(1990, 1, 31) << 1990 << 2 << QDate(1990, 2, 28);
    QTest::newRow("29 February to a common year")
        << QDate(2000, 2, 29) << 2001 << 2 << QDate(2001, 2, 28);
    QTest::newRow("30 April to May keeps the day")
        << QDate(1990, 4, 30) << 1990 << 5 << QDate(1990, 5, 30);
}

void TestSunChangesWindow::daysTheMonthLacksAreClamped() {
    QFETCH(QDate, start);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(QDate, shown);
    choose(start.year(), start.month(), start.day(), "UTC");
    child<QComboBox>(m_window, "cboYear")->setCurrentIndex(year - 1900);
    child<QComboBox>(m_window, "cboMonth")->setCurrentIndex(month - 1);
    auto* days = child<QComboBox>(m_window, "cboDay");
    QCOMPARE(days->count(), shown.daysInMonth());
    QCOMPARE(days->currentText(), QString::number(shown.day()));
    QCOMPARE(m_window->chosenDate(), shown);
    QVERIFY2(reading().contains(shown.toString("d MMMM yyyy")), qPrintable(reading()));
}

void TestSunChangesWindow::startDateFromTheInputWindow_data() {
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("expected");
    const QDate today(2026, 12, 7);
    QTest::newRow("chosen date") << 21 << 3 << "1966" << today << QDate(1966, 3, 21);
    QTest::newRow("31 February") << 31 << 2 << "1990" << today << QDate(1990, 2, 28);
    QTest::newRow("no day chosen") << 0 << 7 << "1990" << today << QDate(1990, 7, 1);
    QTest::newRow("no month chosen")
        << 5 << 0 << "1990" << QDate(2077, 12, 7) << QDate(2050, 12, 7);
    QTest::newRow("no year chosen") << 5 << 5 << "" << QDate(1999, 6, 15) << QDate(1999, 6, 15);
    QTest::newRow("today before 1900") << 5 << 5 << "x" << QDate(1899, 2, 3) << QDate(1900, 2, 3);
    QTest::newRow("29 February of a later leap year")
        << 5 << 5 << "abc" << QDate(2052, 2, 29) << QDate(2050, 2, 28);
}

void TestSunChangesWindow::startDateFromTheInputWindow() {
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(QString, year);
    QFETCH(QDate, today);
    QFETCH(QDate, expected);
    BirthInput input;
    input.dayIndex = static_cast<qint16>(day - 1);
    input.monthIndex = static_cast<qint16>(month - 1);
    input.yearText = year;
    QCOMPARE(SunChangesWindow::startDate(input, today), expected);
}

void TestSunChangesWindow::everyControlIsNamedLabelledAndInTabOrder() {
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Sun Sign Changes"));
    QCOMPARE(m_window->zone().id(), QTimeZone::systemTimeZoneId());
    // On a cusp day the sentence under the picture is read out where it stands.
    choose(1990, 7, 21, "Europe/Berlin");

    const QList<QLabel*> labels = m_window->findChildren<QLabel*>();
    QStringList chain;
    QWidget* first = child<QWidget>(m_window, "cboYear");
    QWidget* widget = first;
    do {
        if (widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus)) {
            // A box inside an editable combo is the combo's own.
            QWidget* control =
                qobject_cast<QComboBox*>(widget->parentWidget()) ? widget->parentWidget() : widget;
            if (chain.isEmpty() || chain.last() != control->objectName()) {
                chain << control->objectName();
                QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
                QVERIFY(face);
                QVERIFY2(!face->text(QAccessible::Name).isEmpty(),
                         qPrintable(control->objectName()));
                if (auto* label = qobject_cast<QLabel*>(control)) {
                    QCOMPARE(face->text(QAccessible::Name), label->text());
                } else if (!qobject_cast<QPushButton*>(control)) {
                    const bool labelled = std::any_of(labels.begin(), labels.end(), [&](QLabel* l) {
                        return l->buddy() == control;
                    });
                    QVERIFY2(labelled, qPrintable(control->objectName()));
                }
            }
        }
        widget = widget->nextInFocusChain();
    } while (widget != first);
    QCOMPARE(chain,
             QStringList({"cboYear", "cboZone", "tblChanges", "cboDay", "cboMonth", "txtTime",
                          "cmdShow", "txtReading", "lblCuspNote", "cmdSave", "cmdClose"}));
    QVERIFY(child<QLabel>(m_window, "lblCuspNote")->text().startsWith("By the calendar rule"));
}

// The window fits a 1280 x 720 screen with a panel (a title bar of about 21 pixels
// above it), in the middle of the screen; it may be resized, and at its smallest no
// control overlaps another or leaves the window. Typing moves nothing.
void TestSunChangesWindow::fitsTheScreenAndNothingMoves() {
    const QPoint centre = m_window->frameGeometry().center();
    const QPoint screenCentre = m_window->screen()->availableGeometry().center();
    QVERIFY2((centre - screenCentre).manhattanLength() <= 4,
             qPrintable(QStringLiteral("%1,%2").arg(centre.x()).arg(centre.y())));
    QVERIFY2(m_window->height() <= 680 - 21, qPrintable(QString::number(m_window->height())));
    QVERIFY(m_window->width() <= 1280);
    QVERIFY(m_window->maximumSize() != m_window->minimumSize());

    // Every control (the boxes inside a combo box and the table's parts aside), in
    // the window's coordinates.
    const auto controls = [this] {
        QMap<QString, QRect> places;
        for (QWidget* w : m_window->findChildren<QWidget*>()) {
            if (!w->isVisible() || w->objectName().isEmpty() || w->inherits("QGroupBox") ||
                !w->parentWidget() || qobject_cast<QComboBox*>(w->parentWidget()) ||
                qobject_cast<QAbstractScrollArea*>(w->parentWidget()) ||
                qobject_cast<QAbstractScrollArea*>(w->parentWidget()->parentWidget()))
                continue;
            places.insert(w->objectName(), QRect(w->mapTo(m_window, QPoint()), w->size()));
        }
        return places;
    };
    const QMap<QString, QRect> shown = controls();
    auto* time = child<QLineEdit>(m_window, "txtTime");
    time->setFocus();
    QTest::keyClicks(time, "23:59");
    QCoreApplication::processEvents();
    QCOMPARE(controls(), shown);
    QTest::keyClick(time, Qt::Key_Return);
    choose(1966, 9, 30, "Pacific/Kiritimati");
    QCoreApplication::processEvents();
    QCOMPARE(controls(), shown);

    m_window->resize(m_window->minimumSize());
    QCoreApplication::processEvents();
    const QMap<QString, QRect> smallest = controls();
    QVERIFY(smallest.size() >= 16);
    for (auto one = smallest.cbegin(); one != smallest.cend(); ++one) {
        QVERIFY2(m_window->rect().contains(one.value()), qPrintable(one.key()));
        for (auto other = std::next(one); other != smallest.cend(); ++other)
            QVERIFY2(!one.value().intersects(other.value()),
                     qPrintable(one.key() + " and " + other.key()));
    }
}

void TestSunChangesWindow::tableIsReadOnly() {
    choose(1966, 1, 1, "UTC");
    auto* table = child<QTableWidget>(m_window, "tblChanges");
    table->setFocus();
    table->setCurrentCell(2, 1);
    QTest::keyClick(table->viewport(), Qt::Key_F2);
    QTest::keyClicks(table->viewport(), "x");
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {},
                       table->visualItemRect(table->item(2, 1)).center());
    QVERIFY(!table->findChild<QLineEdit*>());
    QCOMPARE(table->item(2, 1)->text(), QStringLiteral("1966-02-19"));
    // All thirteen rows are in sight without scrolling.
    QVERIFY(table->rowViewportPosition(12) + table->rowHeight(12) <= table->viewport()->height());
}

// The style keeps pictures of controls keyed by their palette: a window opened again
// draws with the same palette, or every opening would add pictures that are never used.
void TestSunChangesWindow::windowsShareOnePalette() {
    const auto keys = [](QWidget* window) {
        QList<qint64> found;
        for (const char* name :
             {"cboYear", "cboZone", "cmdShow", "cmdClose", "tblChanges", "txtReading"})
            found << child<QWidget>(window, name)->palette().cacheKey();
        return found;
    };
    const QList<qint64> first = keys(m_window);
    delete m_window;
    m_window = new SunChangesWindow(*m_platform);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QCOMPARE(keys(m_window), first);
    QCOMPARE(m_window->palette().color(QPalette::Window), Look::kIndigo);
    // The frames are indigo, and blue while they have the keyboard.
    auto* table = child<QWidget>(m_window, "tblChanges");
    QCOMPARE(table->palette().color(table->foregroundRole()), Look::kIndigo);
    table->setFocus();
    QCOMPARE(table->palette().color(table->foregroundRole()), Look::kFocusBlue);
}

QTEST_MAIN(TestSunChangesWindow)
#include "tst_sunchangeswindow.moc"
