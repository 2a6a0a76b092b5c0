#include "aboutbox.h"
#include "exitscreen.h"
#include "fakeplatform.h"
#include "inputwindow.h"
#include "linklabel.h"
#include "resultwindow.h"
#include "startup.h"
#include "weblinks.h"
#include "windowregistry.h"
#include "zonefinder.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

// Counts how often a widget was shown.
class ShowCounter : public QObject {
public:
    int shows = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show)
            ++shows;
        return false;
    }
};

template <typename T> T* child(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qWarning("no child %s", name);
    return found;
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startShowsTheInputWindowOnly();
    void aSecondCopyEndsWithoutAWindow();
    void coBrandDraws_data();
    void coBrandDraws();
    void cuspRunAndBack();
    void refusedInputKeepsTheInputWindow();
    void backThenNewRunShowsFreshPanels();
    void exitPaths_data();
    void exitPaths();
    void endApplicationFromTheExitScreenWithTheInputWindowHidden();
    void linksFromBothWindows();
    void everyHandOverActivatesTheNextWindow_data();
    void everyHandOverActivatesTheNextWindow();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void enterInANameBoxDoesNothing();
    void aboutBoxBelongsToTheWindowThatAsks_data();
    void aboutBoxBelongsToTheWindowThatAsks();
    void everyLinkLabelIsALinkAScreenReaderCanPress();

private:
    void fillIn(const QString& first, const QString& last, int day, int month, int year);
    // A search for 5 May 1990 (no cusp) from the input window: the result window.
    QWidget* searchToResult();
    InputWindow& input() { return m_windows->inputWindow(); }

    FakePlatform* m_platform = nullptr;
    WindowRegistry* m_windows = nullptr;
    QList<int> m_ends;
};

void TestWindows::init() {
    m_platform = new FakePlatform;
    m_ends.clear();
    m_windows = new WindowRegistry(*m_platform, [this](int status) { m_ends << status; });
}

void TestWindows::cleanup() {
    delete m_windows;
    delete m_platform;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestWindows::fillIn(const QString& first, const QString& last, int day, int month, int year) {
    child<QLineEdit>(&input(), "txtFirstName")->setText(first);
    child<QLineEdit>(&input(), "txtLastName")->setText(last);
    child<QComboBox>(&input(), "cboDate")->setCurrentIndex(day - 1);
    child<QComboBox>(&input(), "cboMonth")->setCurrentIndex(month - 1);
    child<QComboBox>(&input(), "cboYear")->setCurrentIndex(year - 1900);
}

QWidget* TestWindows::searchToResult() {
    fillIn("A", "B", 5, 5, 1990);
    child<QAbstractButton>(&input(), "cmdNext")->click();
    return m_windows->loadedResultWindow();
}

void TestWindows::startShowsTheInputWindowOnly() {
    QVERIFY(StartApplication(*m_platform, *m_windows));
    QVERIFY(m_windows->loadedInputWindow());
    QVERIFY(m_windows->loadedInputWindow()->isVisible());
    QVERIFY(!Astro::cityTableRead()); // read when a place is first looked for, not at start
    QVERIFY(!m_windows->loadedResultWindow());
    QVERIFY(!m_windows->loadedExitScreen());
    QCOMPARE(m_platform->seedCount, 1);
    // First start: the reminder only remembers the day.
    QVERIFY(m_platform->messages.isEmpty());
    QCOMPARE(m_platform->settings.value("lastReminderDate"), QStringLiteral("2026-12-07"));
    QVERIFY(m_ends.isEmpty());
}

void TestWindows::aSecondCopyEndsWithoutAWindow() {
    m_platform->otherInstance = true;
    QVERIFY(!StartApplication(*m_platform, *m_windows));
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].text, QStringLiteral("Application is already running"));
    QCOMPARE(m_platform->messages[0].title, QStringLiteral("Solvanta"));
    QCOMPARE(m_platform->messages[0].icon, Platform::Icon::Information);
    QCOMPARE(m_platform->messages[0].owner, nullptr); // no window of this copy exists
    QCOMPARE(m_ends, QList<int>{0});
    QVERIFY(!m_windows->loadedInputWindow());
    QCOMPARE(m_platform->seedCount, 0);
    QVERIFY(m_platform->settings.isEmpty()); // the reminder never ran
}

void TestWindows::coBrandDraws_data() {
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("fullBrandInFront");
    QTest::newRow("0 -> 1") << 0.0 << 1 << false;
    QTest::newRow("1.5 -> 2") << 0.5 / 6 << 2 << true;
    QTest::newRow("2.5 -> 2") << 1.5 / 6 << 2 << true;
    QTest::newRow("3.4 -> 3") << 2.4 / 6 << 3 << false;
    QTest::newRow("4.5 -> 4") << 3.5 / 6 << 4 << true;
    QTest::newRow("5.5 -> 6") << 4.5 / 6 << 6 << true;
    QTest::newRow("just under 6.5 -> 6") << 0.9166665 << 6 << true;
    QTest::newRow("6.5 -> 7") << 0.9166667 << 7 << false;
    QTest::newRow("6.99 -> 7") << 0.999 << 7 << false;
}

void TestWindows::coBrandDraws() {
    QFETCH(double, r);
    QFETCH(int, number);
    QFETCH(bool, fullBrandInFront);
    m_platform->draws << r;
    QCOMPARE(CoBrand_Randomize(*m_platform, input()), number);
    // Seven keeps the window's own order: the co-branding offer in front.
    QCOMPARE(input().promotionInFront(), fullBrandInFront ? InputWindow::Promotion::FullBrand
                                                          : InputWindow::Promotion::CoBrand);
}

void TestWindows::cuspRunAndBack() {
    QVERIFY(StartApplication(*m_platform, *m_windows));
    fillIn("JOHN", "SMITH", 20, 1, 1990);
    child<QAbstractButton>(&input(), "cmdNext")->click();

    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY(m_platform->messages[0].text.startsWith("Yes! You were born in the Cusp of Capricorn"));
    ResultWindow* result = m_windows->loadedResultWindow();
    QVERIFY(result && result->isVisible());
    QVERIFY(!input().isVisible());
    ExitScreen* exit = m_windows->loadedExitScreen();
    QVERIFY(exit); // loaded by the hand-over, hidden
    QVERIFY(!exit->isVisible());
    auto* tabs = child<QTabWidget>(result, "SSTab1");
    QVERIFY(tabs->isTabEnabled(1));
    QCOMPARE(tabs->currentIndex(), 0);

    ShowCounter counter;
    exit->installEventFilter(&counter);
    child<QAbstractButton>(result, "cmdBack")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m_windows->loadedResultWindow());
    QVERIFY(input().isVisible());
    QCOMPARE(counter.shows, 0); // never shown, not even for a moment
    QVERIFY(!exit->isVisible());
    QCOMPARE(child<QLineEdit>(&input(), "txtFirstName")->text(), QStringLiteral("JOHN"));
    QVERIFY(m_ends.isEmpty());
}

void TestWindows::refusedInputKeepsTheInputWindow() {
    QVERIFY(StartApplication(*m_platform, *m_windows));
    fillIn("JOHN", "", 1, 1, 1990);
    QAction* menuSearch = child<QAction>(&input(), "mnuNext");
    menuSearch->trigger();
    QCOMPARE(m_platform->messageTexts(), QStringList{"Please Enter Your Last Name"});
    QVERIFY(!m_windows->loadedResultWindow());
    QVERIFY(!m_windows->loadedExitScreen());
    QVERIFY(input().isVisible());
}

void TestWindows::backThenNewRunShowsFreshPanels() {
    QVERIFY(StartApplication(*m_platform, *m_windows));
    fillIn("A", "B", 21, 6, 1990); // cusp of Gemini and Cancer
    child<QAction>(&input(), "mnuNext")->trigger();
    ResultWindow* first = m_windows->loadedResultWindow();
    QCOMPARE(first->model().panel(ProfileSlot::Second).text(ProfilePanel::Field::SignName),
             QStringLiteral("Cancer"));
    child<QAbstractButton>(first, "cmdBack")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    fillIn("A", "B", 2, 7, 1990); // Cancer, no cusp
    child<QAbstractButton>(&input(), "cmdNext")->click();
    ResultWindow* second = m_windows->loadedResultWindow();
    QVERIFY(second);
    const ResultModel& m = second->model();
    QCOMPARE(m.panel(ProfileSlot::First).text(ProfilePanel::Field::SignName),
             QStringLiteral("Cancer"));
    QCOMPARE(m.panel(ProfileSlot::Second).text(ProfilePanel::Field::SignName),
             ProfilePanel::kUnfilledLabel);
    QVERIFY(m.cuspDescription().isEmpty());
    QVERIFY(!child<QTabWidget>(second, "SSTab1")->isTabEnabled(1));
    QCOMPARE(m_platform->messages.last().text, QStringLiteral("No! You were not born in a Cusp"));
}

void TestWindows::exitPaths_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("input close box") << "input close";
    QTest::newRow("input cmdExit") << "input cmdExit";
    QTest::newRow("input File > Exit") << "input mnuExit";
    QTest::newRow("result close box") << "result close";
    QTest::newRow("result File > Exit") << "result mnuExit";
}

// Every way out of a main window leads to the exit screen, and only the exit screen
// ends the program: once, with status 0, with every window gone.
void TestWindows::exitPaths() {
    QFETCH(QString, path);
    QVERIFY(StartApplication(*m_platform, *m_windows));
    QWidget* window = &input();
    if (path.startsWith("result")) {
        window = searchToResult();
    }
    if (path.endsWith("close"))
        window->close();
    else if (path.endsWith("cmdExit"))
        child<QAbstractButton>(window, "cmdExit")->click();
    else
        child<QAction>(window, "mnuExit")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    ExitScreen* exit = m_windows->loadedExitScreen();
    QVERIFY(exit && exit->isVisible());
    if (path.startsWith("result")) {
        QVERIFY(!m_windows->loadedResultWindow());
        QVERIFY(m_windows->loadedInputWindow()); // still loaded, still hidden
        QVERIFY(!m_windows->loadedInputWindow()->isVisible());
    } else {
        QVERIFY(!m_windows->loadedInputWindow());
    }
    QVERIFY(m_ends.isEmpty());

    child<QAbstractButton>(exit, "cmdClose")->click();
    QCOMPARE(m_ends, QList<int>{0});
    QVERIFY(m_windows->hasEnded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m_windows->loadedExitScreen());
    QVERIFY(!m_windows->loadedInputWindow());
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
}

void TestWindows::endApplicationFromTheExitScreenWithTheInputWindowHidden() {
    QVERIFY(StartApplication(*m_platform, *m_windows));
    searchToResult()->close(); // exit screen up, input window hidden
    ExitScreen* exit = m_windows->loadedExitScreen();
    QVERIFY(exit->isVisible());
    exit->close(); // its close box
    QCOMPARE(m_ends, QList<int>{0});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    // Nothing comes back once the program has ended.
    m_windows->runSearch();
    m_windows->goBack();
    QVERIFY(!m_windows->loadedResultWindow());
    QCOMPARE(m_ends.size(), 1);
}

void TestWindows::linksFromBothWindows() {
    QVERIFY(StartApplication(*m_platform, *m_windows));
    child<QAction>(&input(), "mnuUpdate")->trigger();
    child<QAction>(searchToResult(), "mnuDonate")->trigger();
    // The update entry opens the page at once, without the reminder's question;
    // the one box is the verdict, above the input window that asked.
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].owner, m_windows->loadedInputWindow());

    // The exit screen's links and a complete referral go through the same shell.
    m_windows->loadedResultWindow()->close();
    ExitScreen* exit = m_windows->loadedExitScreen();
    QVERIFY(exit && exit->isVisible());
    QTest::mouseClick(child<QLabel>(exit, "lblGoToHome"), Qt::LeftButton);
    const ReferralValues values{"Ann", "ann@mail.example", "Hi", "Bob", "bob@mail.example"};
    child<QLineEdit>(exit, "txtName")->setText(values.senderName);
    child<QLineEdit>(exit, "txtEmail")->setText(values.senderEmail);
    child<QPlainTextEdit>(exit, "txtMessage")->setPlainText(values.message);
    child<QLineEdit>(exit, "txtFriendName")->setText(values.friendName);
    child<QLineEdit>(exit, "txtFriendEmail")->setText(values.friendEmail);
    child<QAbstractButton>(exit, "cmdSubmit")->click();
    QCOMPARE(m_platform->openedAddresses,
             QList<QUrl>({linkAddress(Link::DownloadPage), linkAddress(Link::DonatePage),
                          linkAddress(Link::SoftwareCatalogPage), ReferralAddress(values)}));
}

void TestWindows::everyHandOverActivatesTheNextWindow_data() {
    QTest::addColumn<bool>("fromResult");
    QTest::newRow("start, exit from the input window") << false;
    QTest::newRow("start, result, Back, result, exit from the result window") << true;
}

// The window the user works in next is the active one, with the keyboard focus on
// its first control, after every hand-over; nothing is left for the user to click.
void TestWindows::everyHandOverActivatesTheNextWindow() {
    QFETCH(bool, fromResult);
    const auto activeWithFocus = [](QWidget* window, const char* control) {
        QTRY_COMPARE(QApplication::activeWindow(), window);
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(window, control));
    };

    QVERIFY(StartApplication(*m_platform, *m_windows));
    activeWithFocus(&input(), "txtFirstName");
    QWidget* leaving = &input();
    if (fromResult) {
        for (int run = 0; run < 2; ++run) {
            fillIn("A", "B", 20, 1, 1990);
            child<QAbstractButton>(&input(), "cmdNext")->click();
            activeWithFocus(m_windows->loadedResultWindow(), "cmdBack");
            if (run == 0) {
                child<QAbstractButton>(m_windows->loadedResultWindow(), "cmdBack")->click();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                activeWithFocus(&input(), "txtFirstName"); // where the user left it
            }
        }
        leaving = m_windows->loadedResultWindow();
    }
    leaving->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    activeWithFocus(m_windows->loadedExitScreen(), "cmdClose");
}

void TestWindows::enterPressesTheFocusedButton_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("effect");
    const struct {
        const char* window;
        const char* button;
        const char* effect;
    } buttons[] = {
        {"input", "cmdNext", "Please Enter Your First Name"},
        {"input", "cmdExit", "exit screen"},
        {"result", "cmdBack", "input window"},
        {"exit", "cmdSubmit", "Please Enter Proper Email Address"},
        {"exit", "cmdClose", "end"},
    };
    for (const auto& b : buttons) {
        for (const auto& [key, keyName] :
             {std::pair{Qt::Key_Return, "Return"}, std::pair{Qt::Key_Enter, "Enter"}}) {
            QTest::addRow("%s %s", b.button, keyName)
                << b.window << b.button << int(key) << QString::fromLatin1(b.effect);
        }
    }
}

// Return, and Enter on the keypad, press the button that has the keyboard focus,
// as Space does.
void TestWindows::enterPressesTheFocusedButton() {
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(QString, effect);
    QVERIFY(StartApplication(*m_platform, *m_windows));
    QWidget* target = &input();
    if (window == "result") {
        target = searchToResult();
    } else if (window == "exit") {
        input().close();
        target = m_windows->loadedExitScreen();
    }
    m_platform->messages.clear();
    QTRY_COMPARE(QApplication::activeWindow(), target);
    auto* pressed = child<QPushButton>(target, qPrintable(button));
    pressed->setFocus(Qt::TabFocusReason);
    QTest::keyClick(pressed, static_cast<Qt::Key>(key),
                    key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    if (effect == "exit screen") {
        QVERIFY(m_windows->loadedExitScreen() && m_windows->loadedExitScreen()->isVisible());
    } else if (effect == "input window") {
        QVERIFY(!m_windows->loadedResultWindow());
        QVERIFY(input().isVisible());
    } else if (effect == "end") {
        QCOMPARE(m_ends, QList<int>{0});
    } else {
        QCOMPARE(m_platform->messageTexts(), QStringList{effect});
        QCOMPARE(m_platform->messages[0].owner, target);
    }
}

// A name box has no Enter of its own and no default button takes it over, not
// even the button that had the focus just before: Enter and Return there start
// nothing and say nothing.
void TestWindows::enterInANameBoxDoesNothing() {
    QVERIFY(StartApplication(*m_platform, *m_windows));
    QTRY_COMPARE(QApplication::activeWindow(), &input());
    fillIn("JOHN", "SMITH", 20, 1, 1990);
    for (const char* name : {"txtFirstName", "txtMiddleName", "txtLastName"}) {
        child<QWidget>(&input(), "cmdNext")->setFocus(Qt::TabFocusReason);
        auto* box = child<QLineEdit>(&input(), name);
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(m_platform->messages.isEmpty());
        QVERIFY(!m_windows->loadedResultWindow());
        QVERIFY(input().isVisible());
        QCOMPARE(QApplication::focusWidget(), box);
    }
    QCOMPARE(child<QLineEdit>(&input(), "txtFirstName")->text(), QStringLiteral("JOHN"));
}

void TestWindows::aboutBoxBelongsToTheWindowThatAsks_data() {
    QTest::addColumn<bool>("fromResult");
    QTest::newRow("input window") << false;
    QTest::newRow("result window") << true;
}

// The About box opens above the window whose Help menu asked for it, and that
// window has the keyboard again once the box is closed.
void TestWindows::aboutBoxBelongsToTheWindowThatAsks() {
    QFETCH(bool, fromResult);
    QVERIFY(StartApplication(*m_platform, *m_windows));
    QWidget* window = &input();
    if (fromResult) {
        window = searchToResult();
    }
    QTRY_COMPARE(QApplication::activeWindow(), window);
    QWidget* focused = QApplication::focusWidget();
    QPointer<QWidget> parent;
    QString name;
    QTimer::singleShot(0, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            parent = box->parentWidget();
            name = box->objectName();
            box->close();
        }
    });
    child<QAction>(window, "mnuAbout")->trigger();
    QCOMPARE(name, QStringLiteral("frmAbout"));
    QCOMPARE(parent, window);
    QTRY_COMPARE(QApplication::activeWindow(), window);
    QCOMPARE(QApplication::focusWidget(), focused);
}

// In every window, each link label on show is a link with a press action that does
// what a click does, and takes no keyboard focus.
void TestWindows::everyLinkLabelIsALinkAScreenReaderCanPress() {
    QVERIFY(StartApplication(*m_platform, *m_windows));
    fillIn("A", "B", 20, 1, 1990);
    child<QAbstractButton>(&input(), "cmdNext")->click();
    QList<QWidget*> windows{&input(), m_windows->loadedResultWindow(), &m_windows->exitScreen()};
    AboutBox about;
    windows << &about;
    for (QWidget* window : windows) {
        int shown = 0;
        for (ClickableLabel* label : window->findChildren<ClickableLabel*>()) {
            if (label->isHidden())
                continue;
            ++shown;
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(label);
            const QByteArray where = (window->objectName() + ' ' + label->objectName()).toUtf8();
            QVERIFY2(iface->role() == QAccessible::Link, where);
            QVERIFY2(!iface->state().focusable && label->focusPolicy() == Qt::NoFocus, where);
            QSignalSpy clicked(label, &ClickableLabel::clicked);
            iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QVERIFY2(clicked.size() == 1, where);
        }
        QVERIFY2(shown >= 1, qPrintable(window->objectName()));
    }
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
