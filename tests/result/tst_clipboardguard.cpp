#include "fakeplatform.h"
#include "resultwindow.h"
#include "texts.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

namespace {

// The five text areas: object name, tab they are on, and how the model changes
// their text.
struct Area {
    const char* name;
    int tab;
    std::function<void(ResultModel&)> changeText;
};

const QList<Area>& areas() {
    static const QList<Area> list{
        {"txtSunSignPositiveTraits_0", 0,
         [](ResultModel& m) {
             m.panel(ProfileSlot::First).setText(ProfilePanel::Field::PositiveTraits, "new");
         }},
        {"txtSunSignNegativeTraits_0", 0,
         [](ResultModel& m) {
             m.panel(ProfileSlot::First).setText(ProfilePanel::Field::NegativeTraits, "new");
         }},
        {"txtSunSignPositiveTraits_1", 1,
         [](ResultModel& m) {
             m.panel(ProfileSlot::Second).setText(ProfilePanel::Field::PositiveTraits, "new");
         }},
        {"txtSunSignNegativeTraits_1", 1,
         [](ResultModel& m) {
             m.panel(ProfileSlot::Second).setText(ProfilePanel::Field::NegativeTraits, "new");
         }},
        {"txtTwoSunSignDesc", 1, [](ResultModel& m) { m.setCuspDescription("new"); }},
    };
    return list;
}

// A shown window with a cusp result in both panels.
struct Fixture {
    FakePlatform platform;
    QPointer<ResultWindow> window = new ResultWindow(platform);

    explicit Fixture(int tab = 0) {
        ShowSignProfile(window->model(), ZodiacSign::Leo, ProfileSlot::First);
        ShowSignProfile(window->model(), ZodiacSign::Virgo, ProfileSlot::Second);
        window->model().setCuspDescription(Texts::cuspDescription(7));
        window->model().setCurrentTab(tab);
        window->show();
    }
    ~Fixture() { delete window.data(); }

    QPlainTextEdit* area(const char* name) const {
        return window->findChild<QPlainTextEdit*>(QLatin1String(name));
    }
};

void sendMouse(QWidget* target, QEvent::Type type, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    const QPointF at(20, 10);
    QMouseEvent event(type, at, target->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

class TestClipboardGuard : public QObject {
    Q_OBJECT

private slots:
    void clearsOnlyOwnClipboard_data();
    void clearsOnlyOwnClipboard();
    void noWayToCopy_data();
    void noWayToCopy();
    void areasStillScroll_data();
    void areasStillScroll();
};

void TestClipboardGuard::clearsOnlyOwnClipboard_data() {
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("what");
    QTest::addColumn<bool>("ownData");
    const char* events[] = {"text change", "press", "release", "double click",
                            "click",       "drag",  "hover"};
    for (const Area& area : areas())
        for (const char* what : events)
            for (bool own : {true, false})
                QTest::addRow("%s %s %s", area.name, what, own ? "own" : "foreign")
                    << QString::fromLatin1(area.name) << QString::fromLatin1(what) << own;
}

// Every event of a text area empties the clipboard while it holds this program's
// data, and leaves alone what another program put there.
void TestClipboardGuard::clearsOnlyOwnClipboard() {
    QFETCH(QString, area);
    QFETCH(QString, what);
    QFETCH(bool, ownData);
    const Area& target = *std::find_if(areas().begin(), areas().end(),
                                       [&](const Area& a) { return area == a.name; });
    Fixture f(target.tab);
    QPlainTextEdit* edit = f.area(target.name);
    QVERIFY(edit && edit->isVisible());
    QWidget* viewport = edit->viewport();

    f.platform.clipboardOwn = ownData;
    f.platform.clipboardClears = 0;
    if (what == "text change")
        target.changeText(f.window->model());
    else if (what == "press")
        sendMouse(viewport, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    else if (what == "release")
        sendMouse(viewport, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
    else if (what == "double click")
        sendMouse(viewport, QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton);
    else if (what == "click")
        QTest::mouseClick(viewport, Qt::LeftButton);
    else if (what == "drag")
        sendMouse(viewport, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton);
    else if (what == "hover")
        sendMouse(viewport, QEvent::MouseMove, Qt::NoButton, Qt::NoButton);

    if (ownData) {
        QVERIFY(f.platform.clipboardClears >= 1);
        QVERIFY(!f.platform.clipboardOwn);
    } else {
        QCOMPARE(f.platform.clipboardClears, 0);
    }
}

void TestClipboardGuard::noWayToCopy_data() {
    QTest::addColumn<QString>("area");
    QTest::addColumn<int>("tab");
    for (const Area& area : areas())
        QTest::newRow(area.name) << QString::fromLatin1(area.name) << area.tab;
}

// Neither keyboard nor mouse selects or copies text, and there is no context menu.
void TestClipboardGuard::noWayToCopy() {
    QFETCH(QString, area);
    QFETCH(int, tab);
    Fixture f(tab);
    QVERIFY(QTest::qWaitForWindowActive(f.window));
    QPlainTextEdit* edit = f.area(qPrintable(area));
    QVERIFY(!edit->toPlainText().isEmpty());
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("copied elsewhere"));
    QSignalSpy copyAvailable(edit, &QPlainTextEdit::copyAvailable);

    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClick(edit, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Insert, Qt::ControlModifier);
    QTest::mouseDClick(edit->viewport(), Qt::LeftButton, {}, QPoint(30, 8));
    QTest::mousePress(edit->viewport(), Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseMove(edit->viewport(), QPoint(120, 30));
    QTest::mouseRelease(edit->viewport(), Qt::LeftButton, {}, QPoint(120, 30));

    QVERIFY(!edit->textCursor().hasSelection());
    QCOMPARE(copyAvailable.size(), 0);
    QCOMPARE(clipboard->text(), "copied elsewhere");

    const QPoint at(10, 10);
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, edit->viewport()->mapToGlobal(at));
    QApplication::sendEvent(edit->viewport(), &menu);
    QVERIFY(QApplication::activePopupWidget() == nullptr);
    // Nor would the area's own menu offer to copy.
    std::unique_ptr<QMenu> standard(edit->createStandardContextMenu());
    if (standard) {
        for (QAction* action : standard->actions())
            QVERIFY(action->shortcut() != QKeySequence::Copy);
    }
}

void TestClipboardGuard::areasStillScroll_data() {
    noWayToCopy_data();
}

// The long texts stay readable: keyboard and wheel scroll them.
void TestClipboardGuard::areasStillScroll() {
    QFETCH(QString, area);
    QFETCH(int, tab);
    Fixture f(tab);
    QVERIFY(QTest::qWaitForWindowActive(f.window));
    QPlainTextEdit* edit = f.area(qPrintable(area));
    QScrollBar* bar = edit->verticalScrollBar();
    QVERIFY(bar->isVisible());
    QVERIFY(bar->maximum() > 0);
    QVERIFY(edit->focusPolicy() & Qt::TabFocus);

    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_PageDown);
    QVERIFY(bar->value() > 0);
    QTest::keyClick(edit, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_PageUp);
    QCOMPARE(bar->value(), 0);

    const QPointF at(20, 20);
    QWheelEvent wheel(at, edit->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(edit->viewport(), &wheel);
    QVERIFY(bar->value() > 0);
}

QTEST_MAIN(TestClipboardGuard)
#include "tst_clipboardguard.moc"
