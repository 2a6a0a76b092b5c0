#include "exitscreen.h"
#include "fakeplatform.h"
#include "linklabel.h"
#include "look.h"
#include "referral.h"
#include "texts.h"
#include "weblinks.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrlQuery>

namespace {

// The form's boxes as a screen reader finds them.
QWidget* box(QWidget& window, const QString& accessibleName) {
    const auto widgets = window.findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if ((qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w)) &&
            w->accessibleName() == accessibleName)
            return w;
    }
    return nullptr;
}

QString textOf(QWidget* w) {
    if (auto* line = qobject_cast<QLineEdit*>(w))
        return line->text();
    return static_cast<QPlainTextEdit*>(w)->toPlainText();
}

void setTextOf(QWidget* w, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(w))
        line->setText(text);
    else
        static_cast<QPlainTextEdit*>(w)->setPlainText(text);
}

// Types text key by key, also characters that have no key of their own on a
// common keyboard (they arrive as a key press that carries only its text).
void typeText(QWidget* w, const QString& text) {
    for (const QChar c : text) {
        if (c == QLatin1Char('\n')) {
            QTest::keyClick(w, Qt::Key_Return);
        } else if (c.unicode() < 0x80) {
            QTest::keyClick(w, c.toLatin1());
        } else {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(w, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(w, &release);
        }
    }
}

template <typename T> T* child(QWidget& window, const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
}

} // namespace

class TestExitScreen : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<ExitScreen> m_window;

    // Shows the window and gives it the focus, as the user's click would.
    void showActive() {
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    // Moves the focus into a box with Tab-like focus, and out of it to "E&xit".
    static void focusIn(QWidget* w) { w->setFocus(Qt::TabFocusReason); }
    void focusOut() { child<QPushButton>(*m_window, "cmdClose")->setFocus(Qt::TabFocusReason); }

    void submit() { QTest::mouseClick(child<QPushButton>(*m_window, "cmdSubmit"), Qt::LeftButton); }

private slots:
    void initTestCase() { Look::installApplicationLook(); }

    void init() {
        m_platform = std::make_unique<FakePlatform>();
        m_window = std::make_unique<ExitScreen>(*m_platform);
    }
    void cleanup() {
        m_window.reset();
        m_platform.reset();
    }

    void loadsHiddenAndOnTop() {
        QCOMPARE(m_window->objectName(), QStringLiteral("frmNagScreen2"));
        QVERIFY(!m_window->isVisible());
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Solvanta v1.0"));
        QCOMPARE(m_window->size(), QSize(741, 315));
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        QVERIFY(m_window->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(m_window->windowFlags() &
                  (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        // Shown as an ordinary window that takes the keyboard.
        QVERIFY(!m_window->testAttribute(Qt::WA_ShowWithoutActivating));
        QCOMPARE(m_platform->seedCount, 1);
        QVERIFY(m_platform->messages.isEmpty());
        QVERIFY(m_platform->openedAddresses.isEmpty());
        // A screen reader announces it as a window, like the other windows.
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(m_window.get());
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::Window);
    }

    void supportTextFollowsTheDraw_data() {
        QTest::addColumn<double>("draw");
        QTest::addColumn<int>("k");
        QTest::newRow("0.0") << 0.0 << 0;
        QTest::newRow("0.2499") << 0.2499 << 0;
        QTest::newRow("0.25") << 0.25 << 1;
        QTest::newRow("0.5") << 0.5 << 2;
        QTest::newRow("0.99") << 0.99 << 3;
        QTest::newRow("out of range high") << 1.0 << 3;
    }
    void supportTextFollowsTheDraw() {
        QFETCH(double, draw);
        QFETCH(int, k);
        FakePlatform platform;
        platform.draws = {draw};
        ExitScreen window(platform);
        QCOMPARE(window.supportTextIndex(), k);
        QCOMPARE(child<QLabel>(window, "Label2")->text(), Texts::supportText(k));
        QVERIFY(platform.draws.isEmpty());
        // Every support text fits its place.
        const QLabel* label2 = child<QLabel>(window, "Label2");
        QVERIFY(label2->heightForWidth(label2->width()) <= label2->height());
    }

    void controlsHaveTheirTextsAndNames() {
        QWidget& w = *m_window;
        const QString visit =
            QStringLiteral("Click Here To Visit ") + Texts::forumDisplayAddress() + " Now";
        QCOMPARE(child<QCheckBox>(w, "Check1")->text(), visit);
        QCOMPARE(child<QCheckBox>(w, "Check1")->accessibleName(), visit);
        QCOMPARE(child<QPushButton>(w, "cmdClose")->accessibleName(), QStringLiteral("Exit"));
        QCOMPARE(child<QPushButton>(w, "cmdSubmit")->accessibleName(),
                 QStringLiteral("Refer A Friend Now"));
        QCOMPARE(child<QLabel>(w, "Label3")->text(), Texts::softwarePromotion());
        QCOMPARE(child<LinkLabel>(w, "lblGoToHome")->accessibleName(),
                 QStringLiteral("Click Here To Visit Quillory"));

        const struct {
            const char* name;
            const char* accessible;
            QString initial;
        } boxes[] = {
            {"txtName", "Your Name", "Your Name"},
            {"txtEmail", "Your Email Address", "Your Email Address"},
            {"txtFriendName", "Friend's Name", "Friend's Name"},
            {"txtFriendEmail", "Friend's Email Address", "Friend's Email Address"},
            {"txtMessage", "Your Message", "Your Message\n"},
        };
        for (const auto& b : boxes) {
            QWidget* found = box(w, QString::fromUtf8(b.accessible));
            QVERIFY2(found, b.accessible);
            QCOMPARE(found->objectName(), QString::fromLatin1(b.name));
            QCOMPARE(textOf(found), b.initial);
        }
        // The message box lies outside its frame, so it is never seen.
        const QWidget* message = box(w, QStringLiteral("Your Message"));
        QVERIFY(!message->parentWidget()->rect().intersects(message->geometry()));
    }

    void textsAreNotClipped() {
        for (const QLabel* label : m_window->findChildren<QLabel*>()) {
            if (label->text().isEmpty())
                continue;
            const bool fits = label->wordWrap()
                                  ? label->heightForWidth(label->width()) <= label->height()
                                  : label->sizeHint().width() <= label->width();
            QVERIFY2(fits, qPrintable(label->objectName()));
        }
        const QCheckBox* check = child<QCheckBox>(*m_window, "Check1");
        QVERIFY(check->sizeHint().width() <= check->width());
    }

    void focusOrder() {
        showActive();
        QWidget* w = QApplication::focusWidget();
        QCOMPARE(w, child<QWidget>(*m_window, "cmdClose"));
        QStringList order;
        for (int i = 0; i < 8; ++i) {
            order << w->objectName();
            w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled())
                w = w->nextInFocusChain();
        }
        QCOMPARE(order, (QStringList{"cmdClose", "Check1", "txtName", "cmdSubmit", "txtEmail",
                                     "txtFriendEmail", "txtFriendName", "txtMessage"}));
        QCOMPARE(w->objectName(), QStringLiteral("cmdClose"));
    }

    void placeholdersFollowTheFocus_data() {
        QTest::addColumn<QString>("accessible");
        QTest::addColumn<QString>("placeholder");
        QTest::newRow("name") << "Your Name"
                              << "Your Name";
        QTest::newRow("e-mail") << "Your Email Address"
                                << "Your Email Address";
        QTest::newRow("friend's name") << "Friend's Name"
                                       << "Friend's Name";
        QTest::newRow("friend's e-mail") << "Friend's Email Address"
                                         << "Friend's Email Address";
        QTest::newRow("message") << "Your Message"
                                 << "Your Message";
    }
    void placeholdersFollowTheFocus() {
        QFETCH(QString, accessible);
        QFETCH(QString, placeholder);
        showActive();
        QWidget* b = box(*m_window, accessible);
        QVERIFY(b);

        setTextOf(b, "  " + placeholder + " ");
        focusIn(b);
        QCOMPARE(textOf(b), QString());
        setTextOf(b, "   ");
        focusOut();
        QCOMPARE(textOf(b), placeholder);

        setTextOf(b, placeholder.toUpper());
        focusIn(b);
        QCOMPARE(textOf(b), placeholder.toUpper());
        focusOut();
        QCOMPARE(textOf(b), placeholder.toUpper());

        setTextOf(b, "\t");
        focusIn(b);
        focusOut();
        QCOMPARE(textOf(b), QStringLiteral("\t"));
    }

    void firstFocusKeepsTheMessageLineBreak() {
        showActive();
        QWidget* message = box(*m_window, QStringLiteral("Your Message"));
        focusIn(message);
        QCOMPARE(textOf(message), QStringLiteral("Your Message\n"));
        static_cast<QPlainTextEdit*>(message)->clear();
        focusOut();
        QCOMPARE(textOf(message), QStringLiteral("Your Message"));
        focusIn(message);
        QCOMPARE(textOf(message), QString());
    }

    void leavingTheWindowKeepsAnEmptiedBox() {
        showActive();
        QWidget* name = box(*m_window, QStringLiteral("Your Name"));
        focusIn(name);
        QCOMPARE(textOf(name), QString());
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(textOf(name), QString());
    }

    void spacesAreRefusedInAddresses_data() {
        QTest::addColumn<QString>("accessible");
        QTest::newRow("own address") << "Your Email Address";
        QTest::newRow("friend's address") << "Friend's Email Address";
    }
    void spacesAreRefusedInAddresses() {
        QFETCH(QString, accessible);
        showActive();
        QWidget* b = box(*m_window, accessible);
        focusIn(b);
        QTest::keyClicks(b, QStringLiteral("a b@c.d "));
        QCOMPARE(textOf(b), QStringLiteral("ab@c.d"));
        QCOMPARE(m_platform->messageTexts(), (QStringList{"Email Address Cannot Contain Space",
                                                          "Email Address Cannot Contain Space"}));
        QCOMPARE(m_platform->messages.first().icon, Platform::Icon::Critical);
        QCOMPARE(m_platform->messages.first().title, QStringLiteral("Solvanta"));
        QCOMPARE(QApplication::focusWidget(), b);
    }

    void spacesAreKeptInNames() {
        showActive();
        QWidget* name = box(*m_window, QStringLiteral("Your Name"));
        focusIn(name);
        QTest::keyClicks(name, QStringLiteral("Ann Lee"));
        QCOMPARE(textOf(name), QStringLiteral("Ann Lee"));
        QVERIFY(m_platform->messages.isEmpty());
    }

    void untouchedFormAsksForProperAddresses() {
        showActive();
        submit();
        QCOMPARE(m_platform->messageTexts(), QStringList{"Please Enter Proper Email Address"});
        QCOMPARE(m_platform->messages.first().icon, Platform::Icon::Critical);
        QCOMPARE(m_platform->messages.first().owner, m_window.get());
        QCOMPARE(textOf(box(*m_window, "Your Name")), QStringLiteral("Your Name"));
    }

    void placeholderNameIsReportedAfterTheAddresses() {
        setTextOf(box(*m_window, "Your Email Address"), "ann@mail.example");
        setTextOf(box(*m_window, "Friend's Email Address"), "bob@mail.example");
        submit();
        QCOMPARE(m_platform->messageTexts(), QStringList{"Please Enter Your Name"});
    }

    void completeFormOpensTheReferral() {
        setTextOf(box(*m_window, "Your Name"), "  \tAnn & Co ");
        setTextOf(box(*m_window, "Your Email Address"), " ann@mail.example");
        setTextOf(box(*m_window, "Friend's Name"), "Bob=1 ");
        setTextOf(box(*m_window, "Friend's Email Address"), "bob+x@mail.example  ");
        QSignalSpy sent(m_window.get(), &ExitScreen::referralSubmitted);
        submit();
        QVERIFY2(m_platform->messages.isEmpty(), qPrintable(m_platform->messageTexts().join('|')));
        QCOMPARE(sent.count(), 1);
        const QUrl url = ReferralAddress(sent.first().first().value<ReferralValues>());
        QCOMPARE(url.adjusted(QUrl::RemoveQuery), referralEndpoint());
        const QUrlQuery query(url);
        auto value = [&query](const char* key) {
            return query.queryItemValue(QString::fromLatin1(key), QUrl::FullyDecoded);
        };
        QCOMPARE(value("taf1"), QStringLiteral("\tAnn & Co"));
        QCOMPARE(value("taf2"), QStringLiteral("ann@mail.example"));
        QCOMPARE(value("taf3"), QStringLiteral("Your Message\r\n"));
        QCOMPARE(value("taf4"), QStringLiteral("Bob=1"));
        QCOMPARE(value("taf5"), QStringLiteral("bob+x@mail.example"));
        QCOMPARE(value("taf6"), productHomePage().toString());

        // Nothing changes afterwards, and the form can be sent again.
        QCOMPARE(textOf(box(*m_window, "Your Name")), QStringLiteral("  \tAnn & Co "));
        submit();
        QCOMPARE(sent.count(), 2);
    }

    // A clipboard whose owner went away offers no format at all; pasting it, or
    // text, into the message box must neither crash nor lose what is there.
    void pasteIntoTheMessage_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("offersText");
        for (const char* way : {"ctrl+v", "shift+insert", "context menu"}) {
            QTest::addRow("%s, nothing offered", way) << QString::fromLatin1(way) << false;
            QTest::addRow("%s, text offered", way) << QString::fromLatin1(way) << true;
        }
    }
    void pasteIntoTheMessage() {
        QFETCH(QString, way);
        QFETCH(bool, offersText);
        showActive();
        auto* message = static_cast<QPlainTextEdit*>(box(*m_window, "Your Message"));
        focusIn(message);
        message->setPlainText(QStringLiteral("Kept"));
        message->moveCursor(QTextCursor::End);
        auto* offered = new QMimeData;
        if (offersText)
            offered->setText(QStringLiteral(" and pasted"));
        QGuiApplication::clipboard()->setMimeData(offered);

        if (way == QLatin1String("ctrl+v")) {
            QTest::keyClick(message, Qt::Key_V, Qt::ControlModifier);
        } else if (way == QLatin1String("shift+insert")) {
            QTest::keyClick(message, Qt::Key_Insert, Qt::ShiftModifier);
        } else {
            std::unique_ptr<QMenu> menu(message->createStandardContextMenu());
            QAction* paste = nullptr;
            for (QAction* action : menu->actions()) {
                if (action->text().startsWith(QLatin1String("&Paste")))
                    paste = action;
            }
            QVERIFY(paste);
            QCOMPARE(paste->isEnabled(), offersText);
            paste->trigger();
        }
        QCOMPARE(message->toPlainText(),
                 offersText ? QStringLiteral("Kept and pasted") : QStringLiteral("Kept"));
        QVERIFY(m_platform->messages.isEmpty());
    }

    // Every kind of blank the user types reaches the referral as typed, in every box.
    void blanksReachTheReferralAsTyped() {
        const QString blanks = QStringLiteral("a\u00a0b\u2007c\u202fd e");
        const struct {
            const char* box;
            const char* key;
            QString typed;
        } values[] = {
            {"Your Name", "taf1", blanks},
            {"Your Email Address", "taf2", "ann\u00a0@mail.example"},
            {"Your Message", "taf3", blanks + "\n" + blanks},
            {"Friend's Name", "taf4", blanks},
            {"Friend's Email Address", "taf5", "bob\u202f@mail.example"},
        };
        showActive();
        for (const auto& v : values) {
            QWidget* b = box(*m_window, QString::fromUtf8(v.box));
            focusIn(b);
            setTextOf(b, QString());
            typeText(b, v.typed);
        }
        QSignalSpy sent(m_window.get(), &ExitScreen::referralSubmitted);
        submit();
        QVERIFY2(m_platform->messages.isEmpty(), qPrintable(m_platform->messageTexts().join('|')));
        QCOMPARE(sent.count(), 1);
        const QUrlQuery query(ReferralAddress(sent.first().first().value<ReferralValues>()));
        for (const auto& v : values) {
            QString expected = v.typed;
            expected.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
            QCOMPARE(query.queryItemValue(QString::fromLatin1(v.key), QUrl::FullyDecoded),
                     expected);
        }
    }

    void checkBoxOpensTheForumAndNeverStaysTicked() {
        showActive();
        auto* check = child<QCheckBox>(*m_window, "Check1");
        QCOMPARE(check->cursor().shape(), Qt::PointingHandCursor);
        QSignalSpy requested(m_window.get(), &ExitScreen::linkRequested);
        QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY(!check->isChecked());
        check->setFocus(Qt::TabFocusReason);
        QTest::keyClick(check, Qt::Key_Space);
        QVERIFY(!check->isChecked());
        QCOMPARE(requested.count(), 2);
        for (const QList<QVariant>& arguments : requested)
            QCOMPARE(arguments.first().value<Link>(), Link::ForumHomePage);
    }

    void softwareLinkOpensTheCatalogue() {
        showActive();
        QSignalSpy requested(m_window.get(), &ExitScreen::linkRequested);
        QTest::mouseClick(child<LinkLabel>(*m_window, "lblGoToHome"), Qt::LeftButton);
        QCOMPARE(requested.count(), 1);
        QCOMPARE(requested.first().first().value<Link>(), Link::SoftwareCatalogPage);
    }

    void exitAndCloseBoxEndOnce_data() {
        QTest::addColumn<bool>("button");
        QTest::newRow("Exit, then close") << true;
        QTest::newRow("close box") << false;
    }
    void exitAndCloseBoxEndOnce() {
        QFETCH(bool, button);
        showActive();
        QSignalSpy ended(m_window.get(), &ExitScreen::endRequested);
        if (button) {
            QTest::mouseClick(child<QPushButton>(*m_window, "cmdClose"), Qt::LeftButton);
            QCOMPARE(ended.count(), 1);
        }
        QVERIFY(m_window->close());
        QVERIFY(!m_window->isVisible());
        QCOMPARE(ended.count(), 1);
        m_window->show();
        QVERIFY(m_window->close());
        QCOMPARE(ended.count(), 1);
    }
};

QTEST_MAIN(TestExitScreen)
#include "tst_exitscreen.moc"
