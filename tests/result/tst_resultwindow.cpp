#include "fakeplatform.h"
#include "look.h"
#include "resolution.h"
#include "resultwindow.h"
#include "search.h"
#include "signs.h"
#include "texts.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>

#include <cmath>

namespace {

using F = ProfilePanel::Field;

// One panel's value labels in screen order, with the caption a screen reader says.
struct ValueRow {
    const char* control;
    const char* caption;
    QString SignProfile::*field;
};
const ValueRow kValueRows[] = {
    {"lblSunSign", "Your Sun Sign", &SignProfile::name},
    {"lblSunSignElement", "Element", &SignProfile::element},
    {"lblSunSignBirthStone", "Birthstone", &SignProfile::birthstone},
    {"lblSunSignNumber", "Lucky Number", &SignProfile::luckyNumbers},
    {"lblSunSignDay", "Lucky Day", &SignProfile::luckyDay},
    {"lblSunSignCompatibility", "Compatibility", &SignProfile::compatibility},
};

template <typename T> T* member(QWidget* window, const char* control, int slot) {
    return window->findChild<T*>(QStringLiteral("%1_%2").arg(QLatin1String(control)).arg(slot));
}

template <typename T> T* named(QWidget* window, const char* name) {
    return window->findChild<T*>(QLatin1String(name));
}

QImage asRgb(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage signPicture(int index) {
    return asRgb(QImage(signPicturePath(index)));
}

QString accessibleText(QObject* object, QAccessible::Text which) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(which) : QStringLiteral("<no interface>");
}

// The objects that stand in a relation to an object, as a screen reader sees them.
QList<QObject*> related(QObject* object, QAccessible::Relation relation) {
    QList<QObject*> found;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    for (const auto& [other, kind] : iface->relations(relation))
        found << other->object();
    return found;
}

// The tabs a screen reader finds in the tab list, by name.
QStringList accessibleTabs(QTabWidget* tabs) {
    QStringList names;
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(tabs->tabBar());
    for (int i = 0; i < bar->childCount(); ++i) {
        if (QAccessibleInterface* child = bar->child(i); child->role() == QAccessible::PageTab)
            names << child->text(QAccessible::Name);
    }
    return names;
}

// WCAG contrast ratio of two colours (1 to 21).
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Where an area's text lies: the viewport, the first line shown, the lines.
struct TextPlace {
    QRect viewport;
    int firstShown = 0; // position of the first character shown
    int lines = 0;
    int scrollRange = 0;
    bool operator==(const TextPlace&) const = default;
};

TextPlace textPlace(QPlainTextEdit* area) {
    TextPlace place{area->viewport()->geometry(), area->cursorForPosition(QPoint(0, 0)).position(),
                    0, area->verticalScrollBar()->maximum()};
    for (QTextBlock b = area->document()->begin(); b.isValid(); b = b.next())
        place.lines += b.layout()->lineCount();
    return place;
}

char* toString(const TextPlace& p) {
    return QTest::toString(
        QStringLiteral("viewport %1,%2 %3x%4, first shown %5, %6 lines, range %7")
            .arg(p.viewport.x())
            .arg(p.viewport.y())
            .arg(p.viewport.width())
            .arg(p.viewport.height())
            .arg(p.firstShown)
            .arg(p.lines)
            .arg(p.scrollRange));
}

// The window's own controls where they stood before the band that leads to the exact
// sign was added: client-area position and size. Value labels size themselves to what
// they show (marked with a size of 0), so only where they start is fixed.
const char kPlacedControls[] =
    "Frame2 0 0 560 41;Label61 8 5 544 33;SSTab1 0 48 561 409;fra1 8 75 544 377;"
    "fra2 8 75 544 377;Frame5 0 456 560 56;cmdBack 472 472 81 25;lblCobrand 8 459 452 50;"
    "lblFullBrand 8 459 452 50;picSunSign_% 336 91 200 200;txtTwoSunSignDesc 24 387 513 63;"
    "txtSunSignPositiveTraits_0 24 339 257 87;txtSunSignNegativeTraits_0 288 339 249 87;"
    "txtSunSignPositiveTraits_1 24 307 249 63;txtSunSignNegativeTraits_1 288 307 249 63;"
    "Label13_0 24 315 89 13;Label10_0 288 315 95 13;Label13_1 24 291 89 13;"
    "Label10_1 288 291 95 13;Label10_2 24 371 170 13;Label15_% 24 99 87 13;"
    "Label11_% 24 133 51 13;Label27_% 24 166 66 13;Label23_% 24 200 90 13;"
    "Label21_% 24 233 63 13;Label17_% 24 267 83 13;lblSunSign_% 136 99 0 0;"
    "lblSunSignElement_% 136 135 0 0;lblSunSignBirthStone_% 136 168 0 0;"
    "lblSunSignNumber_% 136 201 0 0;lblSunSignDay_% 136 234 0 0;"
    "lblSunSignCompatibility_% 136 267 0 0";

// A window on the fake platform; closing it deletes it.
struct Fixture {
    FakePlatform platform;
    QPointer<ResultWindow> window = new ResultWindow(platform);
    ~Fixture() { delete window.data(); }

    QTabWidget* tabs() const { return named<QTabWidget>(window, "SSTab1"); }
    bool showActive() {
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    }
};

} // namespace

class TestResultWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Look::installApplicationLook(); }

    void freshWindowShowsInitialContent();
    void profileReachesItsPanelOnly_data();
    void profileReachesItsPanelOnly();
    void secondProfileReplacesTheFirst();
    void everyValueFitsItsLabel();
    void captionsAndCuspText();
    void switchedOffTabCannotBeChosen();
    void switchingTabOffMovesToTabZero();
    void focusFrameShowsWithoutMovingTheText();
    void linksAndCommands_data();
    void linksAndCommands();
    void menuBarOrderAndMakeMoneyIsUnusable();
    void accessKeys_data();
    void accessKeys();
    void exitAndCloseUnloadTheWindow();
    void backHoldsFocusAndLeadsTabOrder();
    void fixedClientArea();
    void wayToTheExactSign_data();
    void wayToTheExactSign();
    void promotionalTextsAreNotCutOff();
};

void TestResultWindow::freshWindowShowsInitialContent() {
    Fixture f;
    for (int slot = 0; slot < 2; ++slot) {
        for (const ValueRow& row : kValueRows)
            QCOMPARE(member<QLabel>(f.window, row.control, slot)->text(), "lblSunSign");
        QLabel* picture = member<QLabel>(f.window, "picSunSign", slot);
        QCOMPARE(asRgb(picture->pixmap().toImage()), signPicture(11));
        QCOMPARE(picture->accessibleName(), "Aquarius");
        for (const char* area : {"txtSunSignPositiveTraits", "txtSunSignNegativeTraits"})
            QVERIFY(member<QPlainTextEdit>(f.window, area, slot)->toPlainText().isEmpty());
    }
    QVERIFY(named<QPlainTextEdit>(f.window, "txtTwoSunSignDesc")->toPlainText().isEmpty());
    QVERIFY(named<QGroupBox>(f.window, "fra1")->title().isEmpty());
    QVERIFY(named<QGroupBox>(f.window, "fra2")->title().isEmpty());
    QCOMPARE(f.tabs()->currentIndex(), 0);
    QVERIFY(f.tabs()->isTabEnabled(0) && f.tabs()->isTabEnabled(1));
    QCOMPARE(f.tabs()->tabText(0), "First Sun Sign Profile");
    QCOMPARE(f.tabs()->tabText(1), "Second Sun Sign Profile");
    QCOMPARE(f.window->windowTitle(), "Solvanta v1.0");
    QCOMPARE(named<QLabel>(f.window, "Label61")->text(), Texts::forumBanner());
    QCOMPARE(named<QLabel>(f.window, "lblCobrand")->text(), Texts::coBrandOffer());
    QCOMPARE(named<QLabel>(f.window, "lblFullBrand")->text(), Texts::fullBrandOffer());
}

void TestResultWindow::profileReachesItsPanelOnly_data() {
    QTest::addColumn<ZodiacSign>("sign");
    QTest::addColumn<int>("slot");
    QTest::newRow("Leo first") << ZodiacSign::Leo << 0;
    QTest::newRow("Capricorn first") << ZodiacSign::Capricorn << 0;
    QTest::newRow("Aries second") << ZodiacSign::Aries << 1;
    QTest::newRow("Pisces second") << ZodiacSign::Pisces << 1;
    QTest::newRow("Sagittarius second") << ZodiacSign::Sagittarius << 1;
}

// What the window shows, and what a screen reader reads, for a profile written
// into one slot of the model; the other panel keeps its initial content.
void TestResultWindow::profileReachesItsPanelOnly() {
    QFETCH(ZodiacSign, sign);
    QFETCH(int, slot);
    Fixture f;
    ShowSignProfile(f.window->model(), sign, static_cast<ProfileSlot>(slot));

    const SignProfile& row = signProfile(sign);
    const int other = 1 - slot;
    for (const ValueRow& value : kValueRows) {
        QLabel* label = member<QLabel>(f.window, value.control, slot);
        QCOMPARE(label->text(), row.*value.field);
        // Read out as its value, labelled by its caption; the caption is not
        // said twice, nor the value hidden in the description.
        QCOMPARE(accessibleText(label, QAccessible::Name), row.*value.field);
        QVERIFY(accessibleText(label, QAccessible::Description).isEmpty());
        const QList<QObject*> captions = related(label, QAccessible::Label);
        QCOMPARE(captions.size(), 1);
        QCOMPARE(accessibleText(captions[0], QAccessible::Name), QLatin1String(value.caption));
        QCOMPARE(related(captions[0], QAccessible::Labelled), QList<QObject*>{label});
        QLabel* unfilled = member<QLabel>(f.window, value.control, other);
        QCOMPARE(unfilled->text(), "lblSunSign");
        QCOMPARE(accessibleText(unfilled, QAccessible::Name), "lblSunSign");
    }
    QCOMPARE(member<QPlainTextEdit>(f.window, "txtSunSignPositiveTraits", slot)->toPlainText(),
             row.positiveTraits);
    QCOMPARE(member<QPlainTextEdit>(f.window, "txtSunSignNegativeTraits", slot)->toPlainText(),
             row.negativeTraits);
    QVERIFY(member<QPlainTextEdit>(f.window, "txtSunSignPositiveTraits", other)
                ->toPlainText()
                .isEmpty());
    QLabel* picture = member<QLabel>(f.window, "picSunSign", slot);
    QCOMPARE(asRgb(picture->pixmap().toImage()), signPicture(static_cast<int>(sign)));
    QCOMPARE(accessibleText(picture, QAccessible::Name), row.name);
    QCOMPARE(member<QLabel>(f.window, "picSunSign", other)->accessibleName(), "Aquarius");
}

void TestResultWindow::secondProfileReplacesTheFirst() {
    Fixture f;
    ShowSignProfile(f.window->model(), ZodiacSign::Gemini, ProfileSlot::Second);
    ShowSignProfile(f.window->model(), ZodiacSign::Cancer, ProfileSlot::Second);
    const SignProfile& cancer = signProfile(ZodiacSign::Cancer);
    for (const ValueRow& value : kValueRows)
        QCOMPARE(member<QLabel>(f.window, value.control, 1)->text(), cancer.*value.field);
    QCOMPARE(member<QPlainTextEdit>(f.window, "txtSunSignPositiveTraits", 1)->toPlainText(),
             cancer.positiveTraits);
    QCOMPARE(member<QPlainTextEdit>(f.window, "txtSunSignNegativeTraits", 1)->toPlainText(),
             cancer.negativeTraits);
    QCOMPARE(asRgb(member<QLabel>(f.window, "picSunSign", 1)->pixmap().toImage()), signPicture(4));
}

// No value of any sign is cut off, and none runs into the picture.
void TestResultWindow::everyValueFitsItsLabel() {
    Fixture f;
    f.window->show();
    for (int slot = 0; slot < 2; ++slot) {
        const int pictureLeft = member<QLabel>(f.window, "picSunSign", slot)->x();
        for (int sign = 1; sign <= kSignCount; ++sign) {
            ShowSignProfile(f.window->model(), static_cast<ZodiacSign>(sign),
                            static_cast<ProfileSlot>(slot));
            for (const ValueRow& value : kValueRows) {
                QLabel* label = member<QLabel>(f.window, value.control, slot);
                const QSize needed = label->fontMetrics().size(0, label->text());
                QVERIFY2(label->contentsRect().width() >= needed.width() &&
                             label->contentsRect().height() >= needed.height(),
                         qPrintable(label->text()));
                QVERIFY2(label->geometry().right() < pictureLeft, qPrintable(label->text()));
            }
        }
    }
}

void TestResultWindow::captionsAndCuspText() {
    Fixture f;
    ResultModel& model = f.window->model();
    auto* fra1 = named<QGroupBox>(f.window, "fra1");
    auto* fra2 = named<QGroupBox>(f.window, "fra2");
    model.setFrameCaption(ProfileSlot::First, "Characteristics of Capricorn");
    model.setFrameCaption(ProfileSlot::Second, "Characteristics of  Aquarius");
    model.setCuspDescription(Texts::cuspDescription(0));
    QCOMPARE(fra1->title(), "Characteristics of Capricorn");
    QCOMPARE(fra2->title(), "Characteristics of  Aquarius");
    QCOMPARE(accessibleText(fra2, QAccessible::Name), "Characteristics of  Aquarius");
    QCOMPARE(named<QPlainTextEdit>(f.window, "txtTwoSunSignDesc")->toPlainText(),
             Texts::cuspDescription(0));

    model.setFrameCaption(ProfileSlot::First, QString());
    QVERIFY(fra1->title().isEmpty());
    QCOMPARE(fra2->title(), "Characteristics of  Aquarius");
}

// A switched-off tab is hidden: no one is offered it, by mouse, keyboard or screen
// reader, and choosing it anyway is undone. Switched on again, it is back.
void TestResultWindow::switchedOffTabCannotBeChosen() {
    Fixture f;
    QVERIFY(f.showActive());
    QTabWidget* tabs = f.tabs();
    const QStringList both{"First Sun Sign Profile", "Second Sun Sign Profile"};
    QCOMPARE(accessibleTabs(tabs), both);
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(tabs->tabBar());
    QAccessibleInterface* second = bar->child(1);

    f.window->model().setTabEnabled(1, false);
    QVERIFY(!tabs->isTabVisible(1));
    QVERIFY(tabs->tabBar()->tabRect(1).isEmpty());
    QCOMPARE(accessibleTabs(tabs), QStringList{both[0]});
    QCOMPARE(bar->childCount(), 1);
    QCOMPARE(bar->indexOfChild(second), -1);
    for (int key : {int(Qt::Key_Tab), int(Qt::Key_Backtab)}) {
        QTest::keyClick(tabs, static_cast<Qt::Key>(key), Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), 0);
    }
    QTest::keyClick(tabs->tabBar(), Qt::Key_Right);
    QCOMPARE(tabs->currentIndex(), 0);
    // An old reference to the tab, or a program that insists, still gets nowhere.
    second->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    tabs->setCurrentIndex(1);
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(f.window->model().currentTab(), 0);

    // Switched on again: offered, reachable by keyboard, and the choice reaches
    // the model.
    f.window->model().setTabEnabled(1, true);
    QCOMPARE(accessibleTabs(tabs), both);
    QTest::keyClick(tabs, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(tabs->currentIndex(), 1);
    QCOMPARE(f.window->model().currentTab(), 1);
    bar->child(0)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(f.window->model().currentTab(), 0);
}

void TestResultWindow::switchingTabOffMovesToTabZero() {
    Fixture f;
    f.window->model().setCurrentTab(1);
    QCOMPARE(f.tabs()->currentIndex(), 1);
    f.window->model().setTabEnabled(1, false);
    QCOMPARE(f.tabs()->currentIndex(), 0);
    f.window->model().setCurrentTab(0);
    QCOMPARE(f.tabs()->currentIndex(), 0);
    QVERIFY(!f.tabs()->isTabVisible(1));
}

// The frame of the focused text area stands out against the indigo area and the
// cream panel around it; focus changes only its colour, never where the text lies.
void TestResultWindow::focusFrameShowsWithoutMovingTheText() {
    Fixture f;
    QVERIFY(f.showActive());
    ShowSignProfile(f.window->model(), ZodiacSign::Sagittarius, ProfileSlot::First);
    ShowSignProfile(f.window->model(), ZodiacSign::Capricorn, ProfileSlot::Second);
    f.window->model().setCuspDescription(Texts::cuspDescription(11));
    auto* back = named<QPushButton>(f.window, "cmdBack");
    for (const char* name :
         {"txtSunSignPositiveTraits_0", "txtSunSignNegativeTraits_0", "txtSunSignPositiveTraits_1",
          "txtSunSignNegativeTraits_1", "txtTwoSunSignDesc"}) {
        auto* area = named<QPlainTextEdit>(f.window, name);
        f.tabs()->setCurrentWidget(
            f.tabs()->widget(QString::fromLatin1(name).endsWith("_0") ? 0 : 1));
        back->setFocus(Qt::TabFocusReason);
        const QImage before = area->grab().toImage();
        const TextPlace place = textPlace(area);

        area->setFocus(Qt::TabFocusReason);
        QVERIFY(area->hasFocus());
        const QImage focused = area->grab().toImage();
        QVERIFY2(focused != before, name);
        QCOMPARE(textPlace(area), place);
        const QColor frame = focused.pixelColor(0, focused.height() / 2);
        const QColor inside = area->palette().color(QPalette::Base);
        const QColor around = area->parentWidget()->palette().color(QPalette::Window);
        QVERIFY2(contrast(frame, inside) >= 3.0, qPrintable(frame.name()));
        QVERIFY2(contrast(frame, around) >= 3.0, qPrintable(frame.name()));

        back->setFocus(Qt::TabFocusReason);
        QCOMPARE(area->grab().toImage(), before);
        QCOMPARE(textPlace(area), place);
    }
}

void TestResultWindow::linksAndCommands_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("signal");
    QTest::addColumn<int>("link");
    const auto link = [](const char* control, Link l) {
        QTest::newRow(control) << QString::fromLatin1(control) << "link" << static_cast<int>(l);
    };
    link("mnuOnline", Link::HelpPage);
    link("mnuVisit", Link::ForumHomePage);
    link("mnuUpdate", Link::DownloadPage);
    link("mnuDonate", Link::DonatePage);
    link("Label61", Link::ForumHomePage);
    link("lblCobrand", Link::CoBrandingPage);
    link("lblFullBrand", Link::FullBrandingPage);
    QTest::newRow("cmdBack") << "cmdBack"
                             << "back" << -1;
    QTest::newRow("mnuBack") << "mnuBack"
                             << "back" << -1;
    QTest::newRow("mnuAbout") << "mnuAbout"
                              << "about" << -1;
}

// Each menu entry, link label and button asks for exactly one thing.
void TestResultWindow::linksAndCommands() {
    QFETCH(QString, control);
    QFETCH(QString, signal);
    QFETCH(int, link);
    Fixture f;
    f.window->show();
    QSignalSpy links(f.window.data(), &ResultWindow::linkRequested);
    QSignalSpy backs(f.window.data(), &ResultWindow::backRequested);
    QSignalSpy abouts(f.window.data(), &ResultWindow::aboutRequested);

    if (auto* action = f.window->findChild<QAction*>(control))
        action->trigger();
    else if (auto* button = f.window->findChild<QPushButton*>(control))
        QTest::mouseClick(button, Qt::LeftButton);
    else if (auto* label = f.window->findChild<QLabel*>(control))
        QTest::mouseClick(label, Qt::LeftButton);
    else
        QFAIL("no such control");

    QCOMPARE(links.size(), signal == "link" ? 1 : 0);
    QCOMPARE(backs.size(), signal == "back" ? 1 : 0);
    QCOMPARE(abouts.size(), signal == "about" ? 1 : 0);
    if (signal == "link")
        QCOMPARE(static_cast<int>(links.at(0).at(0).value<Link>()), link);
    QVERIFY(f.window);
    QVERIFY(f.window->isVisible());
    QVERIFY(f.platform.openedAddresses.isEmpty());
}

void TestResultWindow::menuBarOrderAndMakeMoneyIsUnusable() {
    Fixture f;
    QVERIFY(f.showActive());
    QMenuBar* bar = f.window->menuBar();
    QStringList top;
    for (QAction* action : bar->actions())
        top << action->text();
    QCOMPARE(top, QStringList({"&File", "&Sun", "&Help", "&Donate", "Make Money &Online"}));
    auto* makeMoney = named<QAction>(f.window, "mnumakemoney");
    QVERIFY(!makeMoney->isEnabled());
    QVERIFY(!makeMoney->menu());
    QSignalSpy links(f.window.data(), &ResultWindow::linkRequested);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(makeMoney).center());
    QTest::keyClick(f.window, Qt::Key_O, Qt::AltModifier);
    QCOMPARE(links.size(), 0);
}

void TestResultWindow::accessKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("effect");
    QTest::newRow("Alt+D donates") << int(Qt::Key_D) << "donate";
    QTest::newRow("Alt+B goes back") << int(Qt::Key_B) << "back";
    QTest::newRow("Alt+F opens File") << int(Qt::Key_F) << "mnuFile";
    QTest::newRow("Alt+H opens Help") << int(Qt::Key_H) << "mnuHelp";
}

void TestResultWindow::accessKeys() {
    QFETCH(int, key);
    QFETCH(QString, effect);
    Fixture f;
    QVERIFY(f.showActive());
    QSignalSpy links(f.window.data(), &ResultWindow::linkRequested);
    QSignalSpy backs(f.window.data(), &ResultWindow::backRequested);
    QTest::keyClick(f.window, static_cast<Qt::Key>(key), Qt::AltModifier);

    QCOMPARE(links.size(), effect == "donate" ? 1 : 0);
    if (effect == "donate")
        QCOMPARE(static_cast<int>(links.at(0).at(0).value<Link>()),
                 static_cast<int>(Link::DonatePage));
    // The button's access key clicks it visibly, which takes a moment.
    QTRY_COMPARE(backs.size(), effect == "back" ? 1 : 0);
    for (const char* menu : {"mnuFile", "mnuHelp"})
        QCOMPARE(named<QMenu>(f.window, menu)->isVisible(), effect == menu);
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
}

void TestResultWindow::exitAndCloseUnloadTheWindow() {
    for (bool byMenu : {true, false}) {
        Fixture f;
        f.window->show();
        QSignalSpy unloading(f.window.data(), &ResultWindow::unloading);
        if (byMenu)
            named<QAction>(f.window, "mnuExit")->trigger();
        else
            f.window->close();
        QCOMPARE(unloading.size(), 1);
        QTRY_VERIFY(f.window.isNull());
    }
}

void TestResultWindow::backHoldsFocusAndLeadsTabOrder() {
    Fixture f;
    QVERIFY(f.showActive());
    auto* back = named<QPushButton>(f.window, "cmdBack");
    QTRY_COMPARE(QApplication::focusWidget(), back);
    QTest::keyClick(back, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), named<QWidget>(f.window, "lnkExactSun"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(f.tabs()->isAncestorOf(QApplication::focusWidget()));
    // The trait areas can be reached by keyboard, so they can be scrolled.
    auto* positive = member<QPlainTextEdit>(f.window, "txtSunSignPositiveTraits", 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), positive);
    QTest::keyClick(positive, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(),
             member<QPlainTextEdit>(f.window, "txtSunSignNegativeTraits", 0));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), back);
}

void TestResultWindow::fixedClientArea() {
    Fixture f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window));
    QCOMPARE(f.window->centralWidget()->size(), QSize(561, 560));
    QCOMPARE(f.window->minimumSize(), f.window->maximumSize());
    const Qt::WindowFlags flags = f.window->windowFlags();
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(f.window->testAttribute(Qt::WA_DeleteOnClose));
}

void TestResultWindow::wayToTheExactSign_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("way");
    QTest::newRow("cusp, 21 July") << 6 << 21 << "cmdExactSun";
    QTest::newRow("no cusp, 24 October") << 9 << 24 << "lnkExactSun";
}

// A cusp result leads on with a sentence and a button, any other with a link; either is
// next after "Back" and says where it leads, and the window's own controls stay put.
void TestResultWindow::wayToTheExactSign() {
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, way);
    Fixture f;
    AssembleResult(f.window->model(), ResolveCusp(month, day), f.platform, f.window);
    QVERIFY(f.showActive());
    const bool cusp = way == "cmdExactSun";
    QWidget* client = f.window->centralWidget();
    for (const QString& entry : QString::fromLatin1(kPlacedControls).split(';')) {
        const QStringList v = entry.split(' ');
        for (int slot = 0; slot < (v[0].endsWith('%') ? 2 : 1); ++slot) {
            const QString name = QString(v[0]).replace('%', QString::number(slot));
            auto* control = client->findChild<QWidget*>(name);
            QVERIFY2(control, qPrintable(name));
            const QRect at(control->mapTo(client, QPoint(0, 0)), control->size());
            const QRect was(v[1].toInt(), v[2].toInt(), v[3].toInt(), v[4].toInt());
            QCOMPARE(v[3] == "0" ? QRect(at.topLeft(), QSize(0, 0)) : at, was);
        }
    }

    auto* sentence = named<QLabel>(f.window, "lblExactSun");
    QCOMPARE(sentence->isVisible(), cusp);
    QCOMPARE(named<QWidget>(f.window, "cmdExactSun")->isVisible(), cusp);
    QCOMPARE(named<QWidget>(f.window, "lnkExactSun")->isVisible(), !cusp);
    QWidget* control = named<QWidget>(f.window, qPrintable(way));
    for (QWidget* shown : {control, static_cast<QWidget*>(sentence)}) {
        const QRect at(shown->mapTo(client, QPoint(0, 0)), shown->size());
        QVERIFY(at.top() >= 512 && client->rect().contains(at));
    }
    QVERIFY(sentence->heightForWidth(sentence->width()) <= sentence->height());
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
    QCOMPARE(iface->role(), cusp ? QAccessible::Button : QAccessible::Link);
    QCOMPARE(iface->text(QAccessible::Name), control->property("text").toString().remove('&'));
    QVERIFY(iface->text(QAccessible::Description).contains("Sun Sign Changes"));

    QSignalSpy asked(f.window.data(), &ResultWindow::exactSunRequested);
    QTRY_COMPARE(QApplication::focusWidget(), named<QWidget>(f.window, "cmdBack"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), control);
    QTest::keyClick(control, Qt::Key_Return);
    QCOMPARE(asked.size(), 1);
}

void TestResultWindow::promotionalTextsAreNotCutOff() {
    Fixture f;
    f.window->show();
    for (const char* name : {"Label61", "lblCobrand", "lblFullBrand"}) {
        auto* label = named<QLabel>(f.window, name);
        QVERIFY2(label->heightForWidth(label->contentsRect().width()) <= label->height(), name);
        QVERIFY2(label->parentWidget()->rect().contains(label->geometry()), name);
    }
    // The full-branding offer covers the co-branding offer, which is hidden, so
    // that a screen reader does not read it out.
    auto* cobrand = named<QLabel>(f.window, "lblCobrand");
    auto* fullBrand = named<QLabel>(f.window, "lblFullBrand");
    QCOMPARE(cobrand->parentWidget()->childAt(cobrand->geometry().center()), fullBrand);
    QVERIFY(fullBrand->isVisible());
    QVERIFY(cobrand->isHidden());
    QVERIFY(QAccessible::queryAccessibleInterface(cobrand)->state().invisible);
}

QTEST_MAIN(TestResultWindow)
#include "tst_resultwindow.moc"
