#include "aboutbox.h"
#include "exitscreen.h"
#include "fakeplatform.h"
#include "inputwindow.h"
#include "look.h"
#include "qtplatform.h"
#include "resolution.h"
#include "resultwindow.h"
#include "search.h"
#include "sunchangeswindow.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <map>

// Every window as a person sees it, whatever the desktop: each is drawn, and what was
// drawn is measured. Text against what lies behind it at least 4.5 : 1; the edge of a
// control against the window around it, and the focus frame against what it covers,
// at least 3 : 1 (disabled controls aside). The desktop's look comes from the
// environment: CTest runs this under Qt's default look, the Adwaita-Dark and
// Adwaita-HighContrast styles and a dark GTK theme.
namespace {

double luminance(QRgb c) {
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double contrast(QRgb a, QRgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QString nameOf(const QWidget* w) {
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(w->metaObject()->className()),
                                       w->objectName());
}

bool isViewport(const QWidget* w) {
    const auto* area = qobject_cast<const QAbstractScrollArea*>(w->parentWidget());
    return area && area->viewport() == w;
}

bool drawsText(const QWidget* w) {
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return !label->text().isEmpty();
    if (const auto* box = qobject_cast<const QLineEdit*>(w))
        return !box->text().isEmpty() || !box->placeholderText().isEmpty();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return !button->text().isEmpty();
    if (const auto* group = qobject_cast<const QGroupBox*>(w))
        return !group->title().isEmpty();
    if (const auto* list = qobject_cast<const QComboBox*>(w))
        return !list->isEditable(); // an editable one's text is in its line edit
    return qobject_cast<const QTabBar*>(w) || qobject_cast<const QHeaderView*>(w) ||
           qobject_cast<const QMenuBar*>(w) || isViewport(w);
}

bool hasEdge(const QWidget* w) {
    if (const auto* box = qobject_cast<const QLineEdit*>(w))
        return box->hasFrame();
    return qobject_cast<const QPushButton*>(w) || qobject_cast<const QComboBox*>(w) ||
           (qobject_cast<const QAbstractScrollArea*>(w) &&
            static_cast<const QFrame*>(w)->frameWidth() > 0);
}

// Controls whose focus frame goes around their text rather than their edge.
bool framesText(const QWidget* w) {
    return qobject_cast<const QCheckBox*>(w) || qobject_cast<const QTabBar*>(w);
}

// A colour for every role that draws text, in every group: the text vanishes.
void hideText(QWidget* w) {
    QPalette palette = w->palette();
    for (auto role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::PlaceholderText,
          QPalette::BrightText, QPalette::HighlightedText, QPalette::Link, QPalette::LinkVisited})
        palette.setBrush(role, Qt::transparent);
    w->setPalette(palette);
}

class Measure {
public:
    explicit Measure(QWidget* window) : m_window(window) {}

    QStringList faults() {
        m_window->activateWindow();
        if (!QTest::qWaitForWindowActive(m_window))
            m_faults << QStringLiteral("%1 never became active").arg(nameOf(m_window));
        if (QWidget* focus = QApplication::focusWidget())
            focus->clearFocus();
        QTest::qWait(20);
        const QImage shown = grab();
        for (QWidget* w : m_window->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(m_window) || w->visibleRegion().isEmpty() || !w->isEnabled())
                continue;
            if (drawsText(w))
                text(w, shown);
            if (hasEdge(w))
                edge(w, shown);
            if (w->focusPolicy() & Qt::TabFocus && !w->focusProxy() && !isViewport(w))
                focusFrame(w);
        }
        return m_faults;
    }

private:
    QImage grab() {
        QApplication::processEvents();
        return m_window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    QRect inWindow(const QWidget* w) const {
        return QRect(w->mapTo(m_window, QPoint(0, 0)), w->size());
    }

    // The text's own pixels are those that change when it is drawn in no colour.
    void text(QWidget* w, const QImage& shown) {
        // A scroll area draws its contents into its viewport in its own colours.
        QWidget* painter = isViewport(w) ? w->parentWidget() : w;
        if (const auto* edit = qobject_cast<const QPlainTextEdit*>(painter);
            edit && edit->document()->isEmpty())
            return;
        const QPalette saved = painter->palette();
        const bool ownPalette = painter->testAttribute(Qt::WA_SetPalette);
        hideText(painter);
        const QImage blank = grab();
        painter->setPalette(ownPalette ? saved : QPalette());

        QRegion region = w->visibleRegion().translated(inWindow(w).topLeft());
        for (const QWidget* child : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child->isVisible())
                region -= inWindow(child);
        if (hasEdge(w)) // drawn in a text colour, but no text
            region &= inWindow(w).adjusted(3, 3, -3, -3);
        std::vector<double> ratios;
        for (const QRect& r : region)
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    if (shown.pixel(x, y) != blank.pixel(x, y))
                        ratios.push_back(contrast(shown.pixel(x, y), blank.pixel(x, y)));
        // The core of the strokes; anti-aliased edges blend into the background.
        std::sort(ratios.rbegin(), ratios.rend());
        const double core = ratios.size() >= 3 ? ratios[2] : 1.0;
        if (core < 4.5)
            m_faults << QStringLiteral("text of %1: %2 : 1 (%3 pixels)")
                            .arg(nameOf(w))
                            .arg(core, 0, 'f', 2)
                            .arg(ratios.size());
    }

    // The ring just outside a control against the outer band of the control, side by side.
    void edge(QWidget* w, const QImage& shown) {
        const QRect r = inWindow(w);
        if (!shown.rect().adjusted(1, 1, -1, -1).contains(r))
            return; // flush with the window's border: nothing around it
        std::map<QRgb, int> around;
        for (int x = r.left(); x <= r.right(); ++x) {
            ++around[shown.pixel(x, r.top() - 1)];
            ++around[shown.pixel(x, r.bottom() + 1)];
        }
        for (int y = r.top(); y <= r.bottom(); ++y) {
            ++around[shown.pixel(r.left() - 1, y)];
            ++around[shown.pixel(r.right() + 1, y)];
        }
        const QRgb background =
            std::max_element(around.begin(), around.end(), [](auto& a, auto& b) {
                return a.second < b.second;
            })->first;
        // Each side: the middle half of its band of four pixels.
        const int band = 4;
        const QRect sides[] = {
            {r.left() + r.width() / 4, r.top(), r.width() / 2, band},
            {r.left() + r.width() / 4, r.bottom() - band + 1, r.width() / 2, band},
            {r.left(), r.top() + r.height() / 4, band, r.height() / 2},
            {r.right() - band + 1, r.top() + r.height() / 4, band, r.height() / 2},
        };
        double weakest = 21;
        for (const QRect& side : sides) {
            double best = 1;
            for (int y = side.top(); y <= side.bottom(); ++y)
                for (int x = side.left(); x <= side.right(); ++x)
                    best = std::max(best, contrast(shown.pixel(x, y), background));
            weakest = std::min(weakest, best);
        }
        if (weakest < 3)
            m_faults << QStringLiteral("edge of %1: %2 : 1").arg(nameOf(w)).arg(weakest, 0, 'f', 2);
    }

    // What changes when the control takes the keyboard, against what it covered.
    void focusFrame(QWidget* w) {
        w->setFocus(Qt::TabFocusReason);
        QTest::qWait(10);
        const QImage focused = grab();
        if (!w->hasFocus())
            return;
        w->clearFocus();
        const QImage unfocused = grab();
        if (w->hasFocus())
            return; // keeps the keyboard: a message box's only button
        const QRect r = inWindow(w);
        const QRect outer = r.adjusted(-2, -2, 2, 2) & focused.rect();
        const QRect inner = framesText(w) ? QRect() : r.adjusted(3, 3, -3, -3);
        int strong = 0;
        for (int y = outer.top(); y <= outer.bottom(); ++y)
            for (int x = outer.left(); x <= outer.right(); ++x)
                if (!inner.contains(x, y) &&
                    contrast(focused.pixel(x, y), unfocused.pixel(x, y)) >= 3)
                    ++strong;
        // At least a frame of one pixel along two sides.
        const int wanted = framesText(w) ? 2 * r.height() : r.width() + r.height();
        if (strong < wanted)
            m_faults << QStringLiteral("focus frame of %1: %2 pixels at 3 : 1, %3 wanted")
                            .arg(nameOf(w))
                            .arg(strong)
                            .arg(wanted);
    }

    QWidget* m_window;
    QStringList m_faults;
};

// A message box as the program opens it, measured while it is open.
QStringList measureMessage(QWidget* owner, Platform::Icon icon, Platform::Buttons buttons) {
    QStringList faults;
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box) {
            seen = true;
            faults = Measure(box).faults();
            box->done(0);
        }
    });
    QtPlatform platform;
    platform.showMessage(QStringLiteral("Please select a valid date of birth."),
                         QStringLiteral("Solvanta"), icon, buttons, owner);
    if (!seen)
        faults << QStringLiteral("no message box");
    return faults;
}

} // namespace

class TestContrast : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The look the environment asked for is the one the desktop gave.
        const QString style = qEnvironmentVariable("QT_STYLE_OVERRIDE").toLower();
        if (!style.isEmpty())
            QCOMPARE(QApplication::style()->name().toLower(), style);
        if (qEnvironmentVariable("GTK_THEME").endsWith(QLatin1String(":dark")))
            QVERIFY(QApplication::palette().color(QPalette::Window).lightness() < 128);
        Look::installApplicationLook();
    }

    void everyWindow_data() {
        QTest::addColumn<QString>("window");
        for (const char* window :
             {"input", "result, one profile", "result, two profiles", "about", "exit screen",
              "sun sign changes", "message", "exit screen's message"})
            QTest::newRow(window) << window;
    }

    void everyWindow() {
        QFETCH(QString, window);
        FakePlatform platform;
        QStringList faults;
        if (window == QLatin1String("input") || window == QLatin1String("message")) {
            InputWindow input(platform);
            input.show();
            QVERIFY(QTest::qWaitForWindowExposed(&input));
            faults =
                window == QLatin1String("input")
                    ? Measure(&input).faults()
                    : measureMessage(&input, Platform::Icon::Information, Platform::Buttons::YesNo);
        } else if (window.startsWith(QLatin1String("result"))) {
            ResultWindow result(platform);
            const bool two = window.contains(QLatin1String("two"));
            AssembleResult(result.model(), ResolveCusp(6, two ? 21 : 4), platform, &result);
            result.show();
            QVERIFY(QTest::qWaitForWindowExposed(&result));
            auto* tabs = result.findChild<QTabWidget*>();
            QVERIFY(tabs);
            for (int tab = 0; tab < (two ? 2 : 1); ++tab) {
                tabs->setCurrentIndex(tab);
                faults += Measure(&result).faults();
            }
        } else if (window == QLatin1String("about")) {
            AboutBox about;
            about.show();
            QVERIFY(QTest::qWaitForWindowExposed(&about));
            faults = Measure(&about).faults();
        } else if (window.startsWith(QLatin1String("exit screen"))) {
            ExitScreen exit(platform);
            exit.show();
            QVERIFY(QTest::qWaitForWindowExposed(&exit));
            faults = window == QLatin1String("exit screen")
                         ? Measure(&exit).faults()
                         : measureMessage(&exit, Platform::Icon::Critical, Platform::Buttons::Ok);
        } else {
            auto* sun = new SunChangesWindow(platform); // deletes itself on close
            sun->show();
            QVERIFY(QTest::qWaitForWindowExposed(sun));
            faults = Measure(sun).faults();
            sun->close();
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestContrast)
#include "tst_contrast.moc"
