#include "exitscreen.h"
#include "fakeplatform.h"
#include "inputwindow.h"
#include "resultwindow.h"
#include "startup.h"
#include "sunchangeswindow.h"
#include "windowregistry.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {

template <typename T> T* child(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qWarning("no child %s", name);
    return found;
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestSunChangesRegistry : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void menuSitsBetweenFileAndHelp_data();
    void menuSitsBetweenFileAndHelp();
    void opensOnTheDateChosenInTheInputWindow();
    void opensOnTheSearchedDateFromTheResultWindow();
    void oneWindowMovesToTheNewDate();
    void closingItChangesNothingElse();
    void openedAgainItKeepsItsChoices();
    void resultLeadsToWhereToTypeNext_data();
    void resultLeadsToWhereToTypeNext();
    void everyWayOutClosesIt_data();
    void everyWayOutClosesIt();

private:
    void fillIn(int day, int month, int year);
    QWidget* searchToResult(int day, int month, int year);
    SunChangesWindow* openFrom(QWidget* window);

    FakePlatform* m_platform = nullptr;
    WindowRegistry* m_windows = nullptr;
    QList<int> m_ends;
};

void TestSunChangesRegistry::init() {
    m_platform = new FakePlatform;
    m_ends.clear();
    m_windows = new WindowRegistry(*m_platform, [this](int status) { m_ends << status; });
    QVERIFY(StartApplication(*m_platform, *m_windows));
}

void TestSunChangesRegistry::cleanup() {
    delete m_windows;
    delete m_platform;
    settle();
}

void TestSunChangesRegistry::fillIn(int day, int month, int year) {
    InputWindow& input = m_windows->inputWindow();
    child<QLineEdit>(&input, "txtFirstName")->setText("A");
    child<QLineEdit>(&input, "txtLastName")->setText("B");
    child<QComboBox>(&input, "cboDate")->setCurrentIndex(day - 1);
    child<QComboBox>(&input, "cboMonth")->setCurrentIndex(month - 1);
    child<QComboBox>(&input, "cboYear")->setCurrentIndex(year - 1900);
}

QWidget* TestSunChangesRegistry::searchToResult(int day, int month, int year) {
    fillIn(day, month, year);
    child<QAbstractButton>(&m_windows->inputWindow(), "cmdNext")->click();
    return m_windows->loadedResultWindow();
}

SunChangesWindow* TestSunChangesRegistry::openFrom(QWidget* window) {
    QAction* entry = child<QAction>(window, "mnuSunChanges");
    if (!entry)
        return nullptr;
    entry->trigger();
    return m_windows->loadedSunChangesWindow();
}

void TestSunChangesRegistry::menuSitsBetweenFileAndHelp_data() {
    QTest::addColumn<bool>("result");
    QTest::newRow("input window") << false;
    QTest::newRow("result window") << true;
}

void TestSunChangesRegistry::menuSitsBetweenFileAndHelp() {
    QFETCH(bool, result);
    QWidget* window = result ? searchToResult(5, 5, 1990) : &m_windows->inputWindow();
    QVERIFY(window);
    QStringList bar;
    for (QAction* action : static_cast<QMainWindow*>(window)->menuBar()->actions())
        bar << action->text();
    QCOMPARE(bar.mid(0, 3), QStringList({"&File", "&Sun", "&Help"}));
    QAction* sun = static_cast<QMainWindow*>(window)->menuBar()->actions().at(1);
    QVERIFY(sun->menu());
    const QList<QAction*> entries = sun->menu()->actions();
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries[0]->text(), QStringLiteral("&Exact Sign Changes..."));
    // Ctrl with a letter belongs to the name boxes.
    QVERIFY(entries[0]->shortcut().isEmpty());
    QVERIFY(entries[0]->isEnabled());
}

void TestSunChangesRegistry::opensOnTheDateChosenInTheInputWindow() {
    fillIn(21, 3, 1966);
    SunChangesWindow* sun = openFrom(&m_windows->inputWindow());
    QVERIFY(sun);
    QVERIFY(sun->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), sun);
    QCOMPARE(sun->chosenDate(), QDate(1966, 3, 21));
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(sun, "cboYear"));
    // The input window stays as it was, and nothing was asked.
    QVERIFY(m_windows->inputWindow().isVisible());
    QVERIFY(m_platform->messages.isEmpty());

    // A day that February lacks becomes its last.
    fillIn(31, 2, 1990);
    QCOMPARE(openFrom(&m_windows->inputWindow())->chosenDate(), QDate(1990, 2, 28));
}

void TestSunChangesRegistry::opensOnTheSearchedDateFromTheResultWindow() {
    QWidget* result = searchToResult(20, 1, 1990);
    QVERIFY(result && result->isVisible());
    const int verdicts = m_platform->messages.size();
    SunChangesWindow* sun = openFrom(result);
    QVERIFY(sun && sun->isVisible());
    QCOMPARE(sun->chosenDate(), QDate(1990, 1, 20));
    QCOMPARE(m_platform->messages.size(), verdicts);
    QVERIFY(result->isVisible());

    // Back, another search: the result window's entry follows the new search.
    child<QAbstractButton>(result, "cmdBack")->click();
    settle();
    result = searchToResult(2, 7, 2001);
    QCOMPARE(openFrom(result)->chosenDate(), QDate(2001, 7, 2));
}

void TestSunChangesRegistry::oneWindowMovesToTheNewDate() {
    fillIn(1, 1, 1950);
    SunChangesWindow* first = openFrom(&m_windows->inputWindow());
    QVERIFY(first);
    child<QLineEdit>(first, "txtTime")->setText("12:00");
    first->chooseZone("Europe/Paris");
    m_windows->inputWindow().activateWindow();
    fillIn(15, 8, 1975);
    SunChangesWindow* second = openFrom(&m_windows->inputWindow());
    QCOMPARE(second, first);
    int shown = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        shown += qobject_cast<SunChangesWindow*>(w) && w->isVisible();
    QCOMPARE(shown, 1);
    QCOMPARE(second->chosenDate(), QDate(1975, 8, 15));
    QTRY_COMPARE(QApplication::activeWindow(), second);
    // What the user set in it stays.
    QCOMPARE(second->zone().id(), QByteArray("Europe/Paris"));
    QCOMPARE(child<QLineEdit>(second, "txtTime")->text(), QStringLiteral("12:00"));
}

void TestSunChangesRegistry::closingItChangesNothingElse() {
    SunChangesWindow* sun = openFrom(&m_windows->inputWindow());
    QVERIFY(sun);
    QTRY_COMPARE(QApplication::activeWindow(), sun);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    settle();
    QVERIFY(!m_windows->loadedSunChangesWindow());
    QVERIFY(m_windows->inputWindow().isVisible());
    QVERIFY(!m_windows->loadedExitScreen());
    QVERIFY(m_ends.isEmpty());
    // It opens again.
    QVERIFY(openFrom(&m_windows->inputWindow()));
    child<QAbstractButton>(m_windows->loadedSunChangesWindow(), "cmdClose")->click();
    settle();
    QVERIFY(!m_windows->loadedSunChangesWindow());
    QVERIFY(m_ends.isEmpty());
}

// Closed and opened again while the program runs, the window has the zone, date and
// time it had; a date chosen anew in the input window wins. Nothing is stored.
void TestSunChangesRegistry::openedAgainItKeepsItsChoices() {
    fillIn(21, 3, 1966);
    SunChangesWindow* sun = openFrom(&m_windows->inputWindow());
    QVERIFY(sun);
    const QMap<QString, QString> settings = m_platform->settings;
    QVERIFY(sun->chooseZone("Asia/Tokyo"));
    sun->showDate(QDate(1966, 7, 4));
    child<QLineEdit>(sun, "txtTime")->setText("25:15");
    QTest::keyClick(child<QLineEdit>(sun, "txtTime"), Qt::Key_Return); // refused once
    const qsizetype told = m_platform->messages.size();
    QTest::keyClick(child<QLineEdit>(sun, "txtTime"), Qt::Key_Escape);
    settle();
    sun = openFrom(&m_windows->inputWindow());
    QVERIFY(sun);
    QCOMPARE(sun->zone().id(), QByteArray("Asia/Tokyo"));
    QCOMPARE(sun->chosenDate(), QDate(1966, 7, 4));
    QCOMPARE(child<QLineEdit>(sun, "txtTime")->text(), QStringLiteral("25:15"));
    // Leaving the box with the time it was given back is not asking again.
    QVERIFY(QTest::qWaitForWindowActive(sun));
    child<QLineEdit>(sun, "txtTime")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(child<QLineEdit>(sun, "txtTime"), Qt::Key_Tab);
    QCOMPARE(m_platform->messages.size(), told);

    child<QAbstractButton>(sun, "cmdClose")->click();
    settle();
    fillIn(2, 2, 1980);
    sun = openFrom(&m_windows->inputWindow());
    QCOMPARE(sun->chosenDate(), QDate(1980, 2, 2));
    QCOMPARE(sun->zone().id(), QByteArray("Asia/Tokyo"));
    QCOMPARE(m_platform->settings, settings);
    QCOMPARE(m_platform->flushCount, 0);
}

void TestSunChangesRegistry::resultLeadsToWhereToTypeNext_data() {
    QTest::addColumn<bool>("closed");
    QTest::newRow("closed between searches") << true;
    QTest::newRow("left open") << false;
}

// The result window's way on opens the window on the birth date with the keyboard in
// the place box; once a place is chosen, in the time box. A new search forgets the
// time of birth and keeps the place.
void TestSunChangesRegistry::resultLeadsToWhereToTypeNext() {
    QFETCH(bool, closed);
    QWidget* result = searchToResult(21, 7, 1990);
    child<QAbstractButton>(result, "cmdExactSun")->click();
    SunChangesWindow* sun = m_windows->loadedSunChangesWindow();
    QVERIFY(sun && sun->isVisible());
    QCOMPARE(sun->chosenDate(), QDate(1990, 7, 21));
    QTRY_COMPARE(QApplication::activeWindow(), sun);
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(sun, "cboZone"));
    // Typed over what the box held.
    QTest::keyClicks(QApplication::focusWidget(), "Asia/Kolkata");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    child<QLineEdit>(sun, "txtTime")->setText("23:30");
    if (closed) {
        child<QAbstractButton>(sun, "cmdClose")->click();
        settle();
    }

    child<QAbstractButton>(result, "cmdBack")->click();
    settle();
    result = searchToResult(1, 1, 1950);
    QTest::mouseClick(child<QWidget>(result, "lnkExactSun"), Qt::LeftButton);
    sun = m_windows->loadedSunChangesWindow();
    QVERIFY(sun && sun->isVisible());
    QCOMPARE(sun->chosenDate(), QDate(1950, 1, 1));
    QCOMPARE(sun->zone().id(), QByteArray("Asia/Kolkata"));
    QCOMPARE(child<QLineEdit>(sun, "txtTime")->text(), QString());
    QTRY_COMPARE(QApplication::activeWindow(), sun);
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(sun, "txtTime"));
}

void TestSunChangesRegistry::everyWayOutClosesIt_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("input close box") << "input close";
    QTest::newRow("input File > Exit") << "input mnuExit";
    QTest::newRow("result File > Exit") << "result mnuExit";
    QTest::newRow("program ended") << "end";
}

// Leaving the main windows closes it with them: the exit screen shows alone, and
// ending the program leaves nothing on screen.
void TestSunChangesRegistry::everyWayOutClosesIt() {
    QFETCH(QString, path);
    QWidget* window = &m_windows->inputWindow();
    if (path.startsWith("result"))
        window = searchToResult(5, 5, 1990);
    QPointer<SunChangesWindow> sun = openFrom(window);
    QVERIFY(sun && sun->isVisible());

    if (path == "end") {
        m_windows->EndApplication();
    } else {
        if (path.endsWith("close"))
            window->close();
        else
            child<QAction>(window, "mnuExit")->trigger();
        settle();
        QVERIFY(!sun);
        ExitScreen* exit = m_windows->loadedExitScreen();
        QVERIFY(exit && exit->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), exit);
        QVERIFY(m_ends.isEmpty());
        child<QAbstractButton>(exit, "cmdClose")->click();
    }
    QCOMPARE(m_ends, QList<int>{0});
    settle();
    QVERIFY(!sun);
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
}

QTEST_MAIN(TestSunChangesRegistry)
#include "tst_sunchangesregistry.moc"
