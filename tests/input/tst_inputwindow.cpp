#include "fakeplatform.h"
#include "inputwindow.h"
#include "linklabel.h"
#include "look.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(Link)
Q_DECLARE_METATYPE(InputField)

namespace {
const QString kRefusal = QStringLiteral("Please Enter Only Alphabet");
}

class TestInputWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowFrame();
    void loadFillsTheLists_data();
    void loadFillsTheLists();
    void nothingIsClipped();
    void tabOrderAndFirstFocus();
    void screenReaderNames_data();
    void screenReaderNames();
    void linkCommands_data();
    void linkCommands();
    void aboutEntryAsksForTheAboutBox();
    void donateIsAMenuBarEntryReachedWithAltD();
    void makeMoneyCannotBeUsed();
    void searchFromButtonAndMenuOnly();
    void exitRoutesUnloadTheWindow_data();
    void exitRoutesUnloadTheWindow();
    void everyNameBoxIsFiltered_data();
    void everyNameBoxIsFiltered();
    void birthInputReflectsTheControls();
    void focusFieldMovesTheFocus_data();
    void focusFieldMovesTheFocus();
    void promotionStacking();

private:
    template <typename T> T* child(const char* name) const {
        T* found = m_window->findChild<T*>(QLatin1String(name));
        if (!found)
            qWarning("no %s", name);
        return found;
    }
    [[nodiscard]] bool showActive() {
        m_window->show();
        return QTest::qWaitForWindowActive(m_window);
    }

    std::unique_ptr<FakePlatform> m_platform;
    QPointer<InputWindow> m_window;
};

void TestInputWindow::initTestCase() {
    Look::installApplicationLook();
}

void TestInputWindow::init() {
    m_platform = std::make_unique<FakePlatform>();
    m_window = new InputWindow(*m_platform);
}

void TestInputWindow::cleanup() {
    delete m_window.data();
    m_platform.reset();
}

void TestInputWindow::windowFrame() {
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));

    QCOMPARE(m_window->centralWidget()->size(), QSize(497, 281));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(m_window->testAttribute(Qt::WA_DeleteOnClose));

    // The menu bar keeps readable desktop colours instead of the indigo of the window.
    const QPalette bar = m_window->menuBar()->palette();
    QVERIFY(bar.color(QPalette::ButtonText) != bar.color(QPalette::Window));
    QVERIFY(bar.color(QPalette::WindowText) != bar.color(QPalette::Window));
    QVERIFY(bar.color(QPalette::Window) != Look::kIndigo);

    // The exit button lies below the client area: present, but never seen.
    auto* exit = child<QPushButton>("cmdExit");
    QVERIFY(exit && exit->isVisible());
    QVERIFY(!m_window->centralWidget()->rect().intersects(exit->geometry()));
}

void TestInputWindow::loadFillsTheLists_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("items");

    QStringList days;
    for (int d = 1; d <= 31; ++d)
        days << QString::number(d);
    QStringList years;
    for (int y = 1900; y <= 2050; ++y)
        years << QString::number(y);
    const QStringList months{"January", "February", "March",     "April",   "May",      "June",
                             "July",    "August",   "September", "October", "November", "December"};

    QTest::newRow("days") << "cboDate" << days;
    QTest::newRow("months") << "cboMonth" << months;
    QTest::newRow("years") << "cboYear" << years;
}

void TestInputWindow::loadFillsTheLists() {
    QFETCH(QString, list);
    QFETCH(QStringList, items);

    auto* combo = child<QComboBox>(qPrintable(list));
    QVERIFY(combo);
    QVERIFY(!combo->isEditable());
    QStringList actual;
    for (int i = 0; i < combo->count(); ++i)
        actual << combo->itemText(i);
    QCOMPARE(actual, items);
    QCOMPARE(combo->currentIndex(), 0);
}

void TestInputWindow::nothingIsClipped() {
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));

    for (QLabel* label : m_window->findChildren<QLabel*>()) {
        const QRect box = label->contentsRect();
        const QFontMetrics fm = label->fontMetrics();
        if (label->wordWrap()) {
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                     qPrintable(label->objectName()));
        } else {
            QVERIFY2(fm.horizontalAdvance(label->text()) <= box.width(),
                     qPrintable(label->objectName()));
            QVERIFY2(fm.height() <= box.height(), qPrintable(label->objectName()));
        }
    }
    for (QGroupBox* frame : m_window->findChildren<QGroupBox*>()) {
        QVERIFY2(frame->fontMetrics().horizontalAdvance(frame->title()) + 16 <= frame->width(),
                 qPrintable(frame->objectName()));
    }
    for (QComboBox* list : m_window->findChildren<QComboBox*>())
        QVERIFY2(list->sizeHint().width() <= list->width(), qPrintable(list->objectName()));
    for (QPushButton* button : m_window->findChildren<QPushButton*>()) {
        QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->objectName()));
        QVERIFY2(button->sizeHint().height() <= button->height(), qPrintable(button->objectName()));
    }
    for (QLineEdit* box : m_window->findChildren<QLineEdit*>())
        QVERIFY2(box->fontMetrics().height() + 4 <= box->height(), qPrintable(box->objectName()));

    // All four menu bar entries fit on the bar.
    QMenuBar* bar = m_window->menuBar();
    for (QAction* action : bar->actions()) {
        const QRect place = bar->actionGeometry(action);
        QVERIFY2(!place.isEmpty() && place.right() < bar->width(), qPrintable(action->text()));
    }
}

void TestInputWindow::tabOrderAndFirstFocus() {
    QVERIFY(showActive());
    const QStringList order{"txtFirstName", "txtMiddleName", "txtLastName",
                            "cboMonth",     "cboDate",       "cboYear",
                            "cmdNext",      "cmdExit",       "txtFirstName"};
    QCOMPARE(QApplication::focusWidget()->objectName(), order.first());
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdExit"));
}

void TestInputWindow::screenReaderNames_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("first name") << "txtFirstName"
                                << "First Name";
    QTest::newRow("middle name") << "txtMiddleName"
                                 << "Middle Name";
    QTest::newRow("last name") << "txtLastName"
                               << "Last Name";
    QTest::newRow("search") << "cmdNext"
                            << "Find If I am Born in a Cusp";
    QTest::newRow("exit") << "cmdExit"
                          << "Exit";
    // Inner frames are named by their own captions, not by the outer frame's.
    QTest::newRow("name frame") << "Frame1"
                                << "Name";
    QTest::newRow("date frame") << "fraBirthDay"
                                << "Date Of Birth";
}

void TestInputWindow::screenReaderNames() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    QWidget* widget = m_window->findChild<QWidget*>(control);
    QVERIFY(widget);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(iface);
    QCOMPARE(iface->text(QAccessible::Name), name);
}

void TestInputWindow::linkCommands_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<Link>("link");

    QTest::newRow("Online Help") << "mnuOnline" << Link::HelpPage;
    QTest::newRow("Visit Us Online") << "mnuVisit" << Link::ForumHomePage;
    QTest::newRow("Check for Software Update") << "mnuUpdate" << Link::DownloadPage;
    QTest::newRow("Donate") << "mnuDonate" << Link::DonatePage;
    QTest::newRow("banner") << "Label61" << Link::ForumHomePage;
    QTest::newRow("slogan") << "Label2" << Link::FullBrandingPage;
    QTest::newRow("full brand offer") << "lblFullBrand" << Link::FullBrandingPage;
    QTest::newRow("co-brand offer") << "lblCobrand" << Link::CoBrandingPage;
}

void TestInputWindow::linkCommands() {
    QFETCH(QString, control);
    QFETCH(Link, link);

    QSignalSpy links(m_window.data(), &InputWindow::linkRequested);
    QSignalSpy searches(m_window.data(), &InputWindow::searchRequested);
    QSignalSpy abouts(m_window.data(), &InputWindow::aboutRequested);
    QSignalSpy unloads(m_window.data(), &InputWindow::unloading);

    if (auto* action = m_window->findChild<QAction*>(control)) {
        QVERIFY(action->isEnabled());
        action->trigger();
    } else {
        auto* label = m_window->findChild<ClickableLabel*>(control);
        QVERIFY(label);
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    }

    QCOMPARE(links.size(), 1);
    QCOMPARE(links.first().first().value<Link>(), link);
    QCOMPARE(searches.size() + abouts.size() + unloads.size(), 0);
    QVERIFY(m_platform->openedAddresses.isEmpty());
}

void TestInputWindow::aboutEntryAsksForTheAboutBox() {
    QSignalSpy links(m_window.data(), &InputWindow::linkRequested);
    QSignalSpy abouts(m_window.data(), &InputWindow::aboutRequested);
    child<QAction>("mnuAbout")->trigger();
    QCOMPARE(abouts.size(), 1);
    QCOMPARE(links.size(), 0);
}

void TestInputWindow::donateIsAMenuBarEntryReachedWithAltD() {
    auto* donate = child<QAction>("mnuDonate");
    QVERIFY(!donate->menu());
    QVERIFY(m_window->menuBar()->actions().contains(donate));

    QVERIFY(showActive());
    QSignalSpy links(m_window.data(), &InputWindow::linkRequested);
    QTest::keyClick(child<QLineEdit>("txtFirstName"), Qt::Key_D, Qt::AltModifier);
    QTRY_COMPARE(links.size(), 1);
    QCOMPARE(links.first().first().value<Link>(), Link::DonatePage);
    QCOMPARE(child<QLineEdit>("txtFirstName")->text(), QString());
    QVERIFY(m_platform->messages.isEmpty());
}

void TestInputWindow::makeMoneyCannotBeUsed() {
    auto* makeMoney = child<QAction>("mnumakemoney");
    QVERIFY(makeMoney);
    QVERIFY(!makeMoney->isEnabled());

    QVERIFY(showActive());
    QSignalSpy links(m_window.data(), &InputWindow::linkRequested);
    makeMoney->trigger();
    QMenuBar* bar = m_window->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(makeMoney).center());
    QTest::keyClick(child<QLineEdit>("txtFirstName"), Qt::Key_O, Qt::AltModifier);
    QCoreApplication::processEvents();
    QCOMPARE(links.size(), 0);
}

void TestInputWindow::searchFromButtonAndMenuOnly() {
    QVERIFY(showActive());
    QSignalSpy searches(m_window.data(), &InputWindow::searchRequested);

    // Enter in a name box types nothing and starts nothing.
    for (const char* name : {"txtFirstName", "txtMiddleName", "txtLastName"}) {
        QTest::keyClick(child<QLineEdit>(name), Qt::Key_Return);
        QTest::keyClick(child<QLineEdit>(name), Qt::Key_Enter);
    }
    QCOMPARE(searches.size(), 0);

    QTest::mouseClick(child<QPushButton>("cmdNext"), Qt::LeftButton);
    QCOMPARE(searches.size(), 1);
    child<QAction>("mnuNext")->trigger();
    QCOMPARE(searches.size(), 2);
    child<QPushButton>("cmdNext")->setFocus();
    QTest::keyClick(child<QPushButton>("cmdNext"), Qt::Key_Space);
    QCOMPARE(searches.size(), 3);
    QVERIFY(m_platform->messages.isEmpty());
}

void TestInputWindow::exitRoutesUnloadTheWindow_data() {
    QTest::addColumn<QString>("route");
    QTest::newRow("cmdExit clicked") << "click";
    QTest::newRow("Space on cmdExit") << "space";
    QTest::newRow("Alt+X") << "alt-x";
    QTest::newRow("File > Exit") << "menu";
    QTest::newRow("close box") << "close";
}

void TestInputWindow::exitRoutesUnloadTheWindow() {
    QFETCH(QString, route);

    QVERIFY(showActive());
    QSignalSpy unloads(m_window.data(), &InputWindow::unloading);
    QSignalSpy searches(m_window.data(), &InputWindow::searchRequested);
    auto* exit = child<QPushButton>("cmdExit");

    if (route == QLatin1String("click")) {
        exit->click();
    } else if (route == QLatin1String("space")) {
        exit->setFocus();
        QTest::keyClick(exit, Qt::Key_Space);
    } else if (route == QLatin1String("alt-x")) {
        QTest::keyClick(child<QLineEdit>("txtFirstName"), Qt::Key_X, Qt::AltModifier);
    } else if (route == QLatin1String("menu")) {
        child<QAction>("mnuExit")->trigger();
    } else {
        QVERIFY(m_window->close());
    }

    // A button's access key presses it with a short visible delay.
    QTRY_COMPARE(unloads.size(), 1);
    QCOMPARE(searches.size(), 0);
    QTRY_VERIFY(m_window.isNull());
}

void TestInputWindow::everyNameBoxIsFiltered_data() {
    QTest::addColumn<QString>("box");
    QTest::newRow("first") << "txtFirstName";
    QTest::newRow("middle") << "txtMiddleName";
    QTest::newRow("last") << "txtLastName";
}

void TestInputWindow::everyNameBoxIsFiltered() {
    QFETCH(QString, box);
    QVERIFY(showActive());
    auto* edit = child<QLineEdit>(qPrintable(box));
    edit->setFocus();

    QTest::keyClicks(edit, QStringLiteral("john"));
    QCOMPARE(edit->text(), QStringLiteral("JOHN"));
    QVERIFY(m_platform->messages.isEmpty());

    m_platform->onMessage = [edit](const FakePlatform::Message&) {
        QCOMPARE(QApplication::focusWidget(), edit);
    };
    QTest::keyClicks(edit, QStringLiteral("-3"));
    QCOMPARE(edit->text(), QStringLiteral("JOHN"));
    QCOMPARE(m_platform->messageTexts(), QStringList(2, kRefusal));
    QCOMPARE(QApplication::focusWidget(), edit);
}

void TestInputWindow::birthInputReflectsTheControls() {
    QTest::keyClicks(child<QLineEdit>("txtFirstName"), QStringLiteral("ada"));
    QTest::keyClicks(child<QLineEdit>("txtMiddleName"), QStringLiteral("k"));
    QTest::keyClicks(child<QLineEdit>("txtLastName"), QStringLiteral("love lace"));
    child<QComboBox>("cboDate")->setCurrentIndex(30);
    child<QComboBox>("cboMonth")->setCurrentIndex(1);
    child<QComboBox>("cboYear")->setCurrentIndex(150);

    const BirthInput input = m_window->birthInput();
    QCOMPARE(input.firstName, QStringLiteral("ADA"));
    QCOMPARE(input.middleName, QStringLiteral("K"));
    QCOMPARE(input.lastName, QStringLiteral("LOVE LACE"));
    QCOMPARE(input.dayText, QStringLiteral("31"));
    QCOMPARE(input.dayIndex, 30);
    QCOMPARE(input.monthText, QStringLiteral("February"));
    QCOMPARE(input.monthIndex, 1);
    QCOMPARE(input.yearText, QStringLiteral("2050"));
}

void TestInputWindow::focusFieldMovesTheFocus_data() {
    QTest::addColumn<InputField>("field");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first name") << InputField::FirstName << "txtFirstName";
    QTest::newRow("last name") << InputField::LastName << "txtLastName";
    QTest::newRow("day") << InputField::Day << "cboDate";
    QTest::newRow("month") << InputField::Month << "cboMonth";
    QTest::newRow("year") << InputField::Year << "cboYear";
    QTest::newRow("none stays") << InputField::None << "cmdNext";
}

void TestInputWindow::focusFieldMovesTheFocus() {
    QFETCH(InputField, field);
    QFETCH(QString, expected);
    QVERIFY(showActive());
    child<QPushButton>("cmdNext")->setFocus();
    m_window->focusField(field);
    QCOMPARE(QApplication::focusWidget()->objectName(), expected);
}

void TestInputWindow::promotionStacking() {
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    auto* strip = child<QGroupBox>("Frame5");
    auto* cobrand = child<QLabel>("lblCobrand");
    auto* fullBrand = child<QLabel>("lblFullBrand");
    QCOMPARE(cobrand->geometry(), fullBrand->geometry());
    const QPoint middle = cobrand->geometry().center();

    // As designed, the co-brand offer is in front.
    QCOMPARE(m_window->promotionInFront(), InputWindow::Promotion::CoBrand);
    QCOMPARE(strip->childAt(middle), cobrand);

    m_window->bringPromotionToFront(InputWindow::Promotion::FullBrand);
    QCOMPARE(m_window->promotionInFront(), InputWindow::Promotion::FullBrand);
    QCOMPARE(strip->childAt(middle), fullBrand);

    m_window->bringPromotionToFront(InputWindow::Promotion::CoBrand);
    QCOMPARE(m_window->promotionInFront(), InputWindow::Promotion::CoBrand);
    QCOMPARE(strip->childAt(middle), cobrand);
}

QTEST_MAIN(TestInputWindow)
#include "tst_inputwindow.moc"
