#include "fakeplatform.h"
#include "namefilter.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QtTest>

#include <memory>

namespace {

const QString kRefusal = QStringLiteral("Please Enter Only Alphabet");

// The key press that types character code c on a common keyboard.
struct KeyStroke {
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

KeyStroke keyStrokeFor(int c) {
    const QString text(QChar(static_cast<char16_t>(c)));
    static const QMap<int, std::pair<int, Qt::KeyboardModifiers>> special{
        {0, {Qt::Key_At, Qt::ControlModifier}},
        {8, {Qt::Key_Backspace, Qt::NoModifier}},
        {13, {Qt::Key_Return, Qt::NoModifier}},
        {27, {Qt::Key_Escape, Qt::NoModifier}},
        {28, {Qt::Key_Backslash, Qt::ControlModifier}},
        {29, {Qt::Key_BracketRight, Qt::ControlModifier}},
        {30, {Qt::Key_AsciiCircum, Qt::ControlModifier}},
        {31, {Qt::Key_Underscore, Qt::ControlModifier}},
        {127, {Qt::Key_Backspace, Qt::ControlModifier}},
    };
    if (special.contains(c))
        return {special[c].first, special[c].second, text};
    if (c >= 1 && c <= 26) // Ctrl+A .. Ctrl+Z
        return {Qt::Key_A + c - 1, Qt::ControlModifier, text};
    if (c >= 'a' && c <= 'z')
        return {c - 32, Qt::NoModifier, text};
    return {c, (c >= 'A' && c <= 'Z') ? Qt::ShiftModifier : Qt::NoModifier, text};
}

enum class Outcome { Inserted, Refused, Edited };

} // namespace

class TestNameFilter : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyCharacterCode_data();
    void everyCharacterCode();
    void typedLettersComeOutUpperCase();
    void copyAndPasteKeysAreRefused();
    void editingKeysStillWork_data();
    void editingKeysStillWork();
    void altWithLetterTypesNothing();
    void textFromEveryOtherRoute_data();
    void textFromEveryOtherRoute();
    void refusedDropLeavesTheSourceItsText();
    void editsThroughTheAccessibilityInterface_data();
    void editsThroughTheAccessibilityInterface();

private:
    void flushQueuedNotices() { QCoreApplication::processEvents(); }

    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<QWidget> m_window;
    QPointer<QLineEdit> m_box;
};

void TestNameFilter::init() {
    m_platform = std::make_unique<FakePlatform>();
    m_window = std::make_unique<QWidget>();
    m_box = new QLineEdit(m_window.get());
    m_box->resize(200, 24);
    auto* filter = new NameFilter(*m_platform, m_window.get());
    filter->attach(m_box);
}

void TestNameFilter::cleanup() {
    m_window.reset();
    m_platform.reset();
}

void TestNameFilter::everyCharacterCode_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("expected");

    for (int c = 0; c <= 255; ++c) {
        const QByteArray name = QByteArray::number(c);
        if (c >= 'A' && c <= 'Z')
            QTest::newRow(name) << c << Outcome::Inserted << QStringLiteral("AB") + QChar(c);
        else if (c >= 'a' && c <= 'z')
            QTest::newRow(name) << c << Outcome::Inserted << QStringLiteral("AB") + QChar(c - 32);
        else if (c == ' ')
            QTest::newRow(name) << c << Outcome::Inserted << QStringLiteral("AB ");
        else if (c == 8)
            QTest::newRow(name) << c << Outcome::Edited << QStringLiteral("A");
        else if (c == 13)
            QTest::newRow(name) << c << Outcome::Edited << QStringLiteral("AB");
        else
            QTest::newRow(name) << c << Outcome::Refused << QStringLiteral("AB");
    }
}

void TestNameFilter::everyCharacterCode() {
    QFETCH(int, code);
    QFETCH(Outcome, outcome);
    QFETCH(QString, expected);

    m_box->setText(QStringLiteral("AB"));
    const KeyStroke stroke = keyStrokeFor(code);
    QKeyEvent press(QEvent::KeyPress, stroke.key, stroke.modifiers, stroke.text);
    QCoreApplication::sendEvent(m_box, &press);
    flushQueuedNotices();

    QCOMPARE(m_box->text(), expected);
    if (outcome == Outcome::Refused) {
        QCOMPARE(m_platform->messages.size(), 1);
        const FakePlatform::Message& shown = m_platform->messages.constFirst();
        QCOMPARE(shown.text, kRefusal);
        QCOMPARE(shown.title, QStringLiteral("Solvanta"));
        QCOMPARE(shown.icon, Platform::Icon::Information);
        QCOMPARE(shown.buttons, Platform::Buttons::Ok);
    } else {
        QVERIFY2(m_platform->messages.isEmpty(), qPrintable(m_platform->messageTexts().join('|')));
    }
}

void TestNameFilter::typedLettersComeOutUpperCase() {
    QTest::keyClicks(m_box, QStringLiteral("john"));
    QCOMPARE(m_box->text(), QStringLiteral("JOHN"));
    QTest::keyClicks(m_box, QStringLiteral(" Mc Kay"));
    QCOMPARE(m_box->text(), QStringLiteral("JOHN MC KAY"));
    QVERIFY(m_platform->messages.isEmpty());
}

void TestNameFilter::copyAndPasteKeysAreRefused() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    m_box->setText(QStringLiteral("ANNA"));
    m_box->selectAll();

    clipboard->setText(QStringLiteral("UNTOUCHED"));
    QTest::keyClick(m_box, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), QStringLiteral("UNTOUCHED"));

    clipboard->setText(QStringLiteral("PASTE"));
    QTest::keyClick(m_box, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(m_box, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(m_box, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(m_box, Qt::Key_Escape);
    flushQueuedNotices();

    QCOMPARE(m_box->text(), QStringLiteral("ANNA"));
    QCOMPARE(clipboard->text(), QStringLiteral("PASTE"));
    QCOMPARE(m_platform->messageTexts(), QStringList(5, kRefusal));
}

void TestNameFilter::editingKeysStillWork_data() {
    QTest::addColumn<QList<int>>("keys"); // key, modifiers, key, modifiers, ...
    QTest::addColumn<QString>("expected");

    const int none = Qt::NoModifier;
    const int shift = Qt::ShiftModifier;
    QTest::newRow("left left backspace")
        << QList<int>{Qt::Key_Left, none, Qt::Key_Left, none, Qt::Key_Backspace, none}
        << QStringLiteral("ACD");
    QTest::newRow("home delete") << QList<int>{Qt::Key_Home, none, Qt::Key_Delete, none}
                                 << QStringLiteral("BCD");
    QTest::newRow("home right letter")
        << QList<int>{Qt::Key_Home, none, Qt::Key_Right, none, Qt::Key_X, none}
        << QStringLiteral("AXBCD");
    QTest::newRow("home end backspace")
        << QList<int>{Qt::Key_Home, none, Qt::Key_End, none, Qt::Key_Backspace, none}
        << QStringLiteral("ABC");
    QTest::newRow("shift home replaces selection")
        << QList<int>{Qt::Key_Shift, none, Qt::Key_Home, shift, Qt::Key_Z, none}
        << QStringLiteral("Z");
    QTest::newRow("select to end and delete")
        << QList<int>{Qt::Key_Home, none,  Qt::Key_Right,  none,
                      Qt::Key_End,  shift, Qt::Key_Delete, none}
        << QStringLiteral("A");
    QTest::newRow("word left") << QList<int>{Qt::Key_Left, Qt::ControlModifier, Qt::Key_Q, none}
                               << QStringLiteral("QABCD");
}

void TestNameFilter::editingKeysStillWork() {
    QFETCH(QList<int>, keys);
    QFETCH(QString, expected);

    m_box->setText(QStringLiteral("ABCD"));
    for (qsizetype i = 0; i + 1 < keys.size(); i += 2)
        QTest::keyClick(m_box, static_cast<Qt::Key>(keys[i]),
                        Qt::KeyboardModifiers::fromInt(keys[i + 1]));
    flushQueuedNotices();

    QCOMPARE(m_box->text(), expected);
    QVERIFY(m_platform->messages.isEmpty());
}

void TestNameFilter::altWithLetterTypesNothing() {
    // Alt with a letter is a menu access key; in a name box it types nothing.
    m_box->setText(QStringLiteral("AB"));
    QTest::keyClick(m_box, Qt::Key_Q, Qt::AltModifier);
    flushQueuedNotices();
    QCOMPARE(m_box->text(), QStringLiteral("AB"));
    QVERIFY(m_platform->messages.isEmpty());
}

void TestNameFilter::textFromEveryOtherRoute_data() {
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("incoming");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("notices");

    const QList<std::tuple<const char*, QString, QString, int>> texts{
        {"letters", QStringLiteral("smith"), QStringLiteral("ABSMITH"), 0},
        {"letters and blanks", QStringLiteral(" van Der"), QStringLiteral("AB VAN DER"), 0},
        {"apostrophe", QStringLiteral("o'brien"), QStringLiteral("AB"), 1},
        {"digit", QStringLiteral("anna2"), QStringLiteral("AB"), 1},
        {"accented letter", QStringLiteral("zo\u00eb"), QStringLiteral("AB"), 1},
        {"non-latin", QStringLiteral("\u0416\u0435\u043d\u044f"), QStringLiteral("AB"), 1},
        {"tab", QStringLiteral("a\tb"), QStringLiteral("AB"), 1},
        {"line break", QStringLiteral("ann\nbob"), QStringLiteral("AB"), 1},
    };
    const QStringList routes{QStringLiteral("paste"),        QStringLiteral("shift insert"),
                             QStringLiteral("context menu"), QStringLiteral("drop"),
                             QStringLiteral("input method"), QStringLiteral("insert")};
    for (const QString& route : routes) {
        for (const auto& [name, incoming, expected, notices] : texts) {
            QTest::addRow("%s: %s", qPrintable(route), name)
                << route << incoming << expected << notices;
        }
    }
}

void TestNameFilter::textFromEveryOtherRoute() {
    QFETCH(QString, route);
    QFETCH(QString, incoming);
    QFETCH(QString, expected);
    QFETCH(int, notices);

    m_box->setText(QStringLiteral("AB"));
    QGuiApplication::clipboard()->setText(incoming);

    if (route == QLatin1String("paste")) {
        m_box->paste();
    } else if (route == QLatin1String("shift insert")) {
        QTest::keyClick(m_box, Qt::Key_Insert, Qt::ShiftModifier);
    } else if (route == QLatin1String("context menu")) {
        std::unique_ptr<QMenu> menu(m_box->createStandardContextMenu());
        QAction* paste = nullptr;
        for (QAction* action : menu->actions()) {
            if (action->text().startsWith(QLatin1String("&Paste")))
                paste = action;
        }
        QVERIFY(paste);
        QVERIFY(paste->isEnabled());
        paste->trigger();
    } else if (route == QLatin1String("drop")) {
        // A drag of refused text is turned away while it enters: nothing is
        // dropped, so there is nothing to tell.
        QMimeData data;
        data.setText(incoming);
        const QPoint end(m_box->width() - 2, m_box->height() / 2);
        QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_box, &enter);
        QCOMPARE(enter.isAccepted(), notices == 0);
        if (!enter.isAccepted())
            notices = 0;
        QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_box, &drop);
    } else if (route == QLatin1String("input method")) {
        QInputMethodEvent commit(QString(), {});
        commit.setCommitString(incoming);
        QCoreApplication::sendEvent(m_box, &commit);
    } else {
        m_box->insert(incoming);
    }
    flushQueuedNotices();

    QCOMPARE(m_box->text(), expected);
    QCOMPARE(m_platform->messageTexts(), QStringList(notices, kRefusal));
}

void TestNameFilter::refusedDropLeavesTheSourceItsText() {
    // A source that offers a move removes its text when told the drop was taken
    // as a move; it is told so while the drag enters and moves over the box.
    const struct {
        QString text;
        bool taken;
        QString expected;
    } drags[] = {
        {QStringLiteral("Smith-Jones"), false, QString()},
        {QStringLiteral("R2D2"), false, QString()},
        {QStringLiteral("Smith Jones"), true, QStringLiteral("SMITH JONES")},
    };
    for (const auto& d : drags) {
        m_box->clear();
        QMimeData data;
        data.setText(d.text);
        const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
        const QPoint at(5, 5);
        QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
        QCoreApplication::sendEvent(m_box, &enter);
        QDragMoveEvent move(at, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
        QCoreApplication::sendEvent(m_box, &move);
        // Refused at once: the toolkit then sends no more of that drag to the box.
        QCOMPARE(enter.isAccepted(), d.taken);
        QCOMPARE(enter.dropAction(), d.taken ? Qt::CopyAction : Qt::IgnoreAction);
        QCOMPARE(move.isAccepted(), d.taken);
        if (d.taken)
            QCOMPARE(move.dropAction(), Qt::CopyAction);
        QDropEvent drop(at, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
        QCoreApplication::sendEvent(m_box, &drop);
        flushQueuedNotices();

        QCOMPARE(drop.isAccepted(), d.taken);
        if (d.taken)
            QCOMPARE(drop.dropAction(), Qt::CopyAction);
        QCOMPARE(m_box->text(), d.expected);
        QVERIFY(m_platform->messages.isEmpty());
    }
}

// What a screen reader or another assistive program can do to a box's text: each
// edit is filtered like typing, with one notice for a refused edit.
void TestNameFilter::editsThroughTheAccessibilityInterface_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    const QString refused = QStringLiteral("refused");
    const QList<std::tuple<const char*, QString, QString>> texts{
        {"letters", QStringLiteral("ann lee"), QString()},
        {"digit", QStringLiteral("abc1"), refused},
        {"hyphen", QStringLiteral("-"), refused},
        {"accented letter", QStringLiteral("\u00e9"), refused},
        {"line break", QStringLiteral("a\nb"), refused},
    };
    const QList<std::pair<const char*, QString>> edits{
        {"set text", QStringLiteral("ANN LEE")},
        {"insert", QStringLiteral("ABANN LEE")},
        {"replace", QStringLiteral("AANN LEE")},
    };
    for (const auto& [edit, accepted] : edits) {
        for (const auto& [name, text, outcome] : texts) {
            QTest::addRow("%s: %s", edit, name)
                << QString::fromLatin1(edit) << text << (outcome.isEmpty() ? accepted : outcome);
        }
    }
}

void TestNameFilter::editsThroughTheAccessibilityInterface() {
    QFETCH(QString, edit);
    QFETCH(QString, text);
    QFETCH(QString, expected);

    m_box->setText(QStringLiteral("AB"));
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(m_box);
    QVERIFY(iface && iface->editableTextInterface());
    if (edit == QLatin1String("set text"))
        iface->setText(QAccessible::Value, text);
    else if (edit == QLatin1String("insert"))
        iface->editableTextInterface()->insertText(2, text);
    else
        iface->editableTextInterface()->replaceText(1, 2, text);
    flushQueuedNotices();

    const bool refused = expected == QLatin1String("refused");
    QCOMPARE(m_box->text(), refused ? QStringLiteral("AB") : expected);
    QCOMPARE(m_platform->messageTexts(), QStringList(refused ? 1 : 0, kRefusal));

    // Deleting never brings in a refused character.
    iface->editableTextInterface()->deleteText(0, 1);
    flushQueuedNotices();
    QCOMPARE(m_box->text(), (refused ? QStringLiteral("AB") : expected).mid(1));
    QCOMPARE(m_platform->messageTexts(), QStringList(refused ? 1 : 0, kRefusal));
}

QTEST_MAIN(TestNameFilter)
#include "tst_namefilter.moc"
