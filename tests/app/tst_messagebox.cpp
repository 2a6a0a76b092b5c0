#include "qtplatform.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace {

// What a box looked like while it was up.
struct SeenBox {
    QPointer<QWidget> parent;
    QWindow* transientFor = nullptr; // what the window system is told it belongs to
    bool staysOnTop = false;
    bool modal = false;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
};

// Shows a box through the real platform and answers it with OK (or No) from
// inside its own event loop, once it is on screen.
SeenBox showAndAnswer(QtPlatform& platform, QWidget* owner,
                      Platform::Buttons buttons = Platform::Buttons::Ok,
                      const QString& text = QStringLiteral("Please Enter Proper Email Address")) {
    SeenBox seen;
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen.parent = box->parentWidget();
        seen.transientFor = box->windowHandle() ? box->windowHandle()->transientParent() : nullptr;
        seen.staysOnTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        seen.modal = box->isModal();
        seen.text = box->text();
        seen.format = box->textFormat();
        QAbstractButton* answer = box->button(QMessageBox::Ok);
        if (!answer)
            answer = box->button(QMessageBox::No);
        answer->click();
    });
    platform.showMessage(text, QStringLiteral("Solvanta"), Platform::Icon::Critical, buttons,
                         owner);
    return seen;
}

// A window with a box inside, shown and active.
struct Window {
    QWidget window;
    QLineEdit* box = new QLineEdit(&window);

    explicit Window(Qt::WindowFlags flags = {}) : window(nullptr, flags) {
        (new QVBoxLayout(&window))->addWidget(box);
        window.resize(300, 100);
    }
    bool showActive() {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }
};

} // namespace

class TestMessageBox : public QObject {
    Q_OBJECT

private slots:
    void belongsToTheOwnersWindow_data();
    void belongsToTheOwnersWindow();
    void withoutAnOwnerBelongsToTheActiveWindow();
    void theOwnerHasTheKeyboardAgainAfterwards();
    void typedMarkupStaysText();
};

void TestMessageBox::belongsToTheOwnersWindow_data() {
    QTest::addColumn<bool>("onTop");
    QTest::addColumn<bool>("fromAControl");
    QTest::newRow("ordinary window") << false << false;
    QTest::newRow("control of an ordinary window") << false << true;
    QTest::newRow("window that stays on top") << true << false;
    QTest::newRow("control of a window that stays on top") << true << true;
}

// The box is a modal child of the window that asks, so the window manager keeps
// it above that window; a window that stays above others passes that on.
void TestMessageBox::belongsToTheOwnersWindow() {
    QFETCH(bool, onTop);
    QFETCH(bool, fromAControl);
    QtPlatform platform;
    Window owner(onTop ? Qt::Window | Qt::WindowStaysOnTopHint : Qt::Window);
    QVERIFY(owner.showActive());
    const SeenBox seen =
        showAndAnswer(platform, fromAControl ? static_cast<QWidget*>(owner.box) : &owner.window);
    QCOMPARE(seen.text, QStringLiteral("Please Enter Proper Email Address"));
    QCOMPARE(seen.parent, &owner.window);
    QCOMPARE(seen.transientFor, owner.window.windowHandle());
    QVERIFY(seen.modal);
    QCOMPARE(seen.staysOnTop, onTop);
}

void TestMessageBox::withoutAnOwnerBelongsToTheActiveWindow() {
    QtPlatform platform;
    Window active;
    QVERIFY(active.showActive());
    QCOMPARE(showAndAnswer(platform, nullptr).parent, &active.window);
    QTRY_COMPARE(QApplication::activeWindow(), &active.window);
    // An owner that is not on screen cannot hold a box: the active window takes it.
    QWidget hidden;
    QCOMPARE(showAndAnswer(platform, &hidden).parent, &active.window);
}

// Closing the box gives the keyboard back to the window it belonged to, with the
// focus where it was; without a window manager nothing else would.
void TestMessageBox::theOwnerHasTheKeyboardAgainAfterwards() {
    QtPlatform platform;
    Window owner(Qt::Window | Qt::WindowStaysOnTopHint);
    QVERIFY(owner.showActive());
    owner.box->setFocus();
    for (Platform::Buttons buttons : {Platform::Buttons::Ok, Platform::Buttons::YesNo}) {
        const SeenBox seen = showAndAnswer(platform, owner.box, buttons);
        QCOMPARE(seen.parent, &owner.window);
        QTRY_COMPARE(QApplication::activeWindow(), &owner.window);
        QCOMPARE(QApplication::focusWidget(), owner.box);
    }
}

// A message that quotes what the user typed shows it as typed, never as markup.
void TestMessageBox::typedMarkupStaysText() {
    QtPlatform platform;
    Window owner;
    QVERIFY(owner.showActive());
    const QString text =
        QStringLiteral("\u201c<b>12</b><img src=\"/etc/x\">\u201d is not a time of day.");
    const SeenBox seen = showAndAnswer(platform, &owner.window, Platform::Buttons::Ok, text);
    QCOMPARE(seen.text, text);
    QCOMPARE(seen.format, Qt::PlainText);
}

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
