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
#include "translations.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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
#include <memory>

// Every window drawn under the desktop look CTest sets, and what was drawn measured: text
// against what lies behind it at least 4.5 : 1; a control's edge against the window, and
// the focus frame against what it covers, at least 3 : 1 (disabled controls aside).
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

template <typename F> void eachPixel(const QRect& r, F f) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            f(x, y);
}

QString nameOf(const QWidget* w) {
    return QString::fromLatin1(w->metaObject()->className()) + ' ' + w->objectName();
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

// What one window shows, measured: the faults found.
struct Measure {
    QWidget* window;
    QStringList faults = {};
    bool behind = false; // only the text, in the inactive colours: another program's window on top

    QStringList run() {
        QWidget other;
        other.setVisible(behind);
        (behind ? &other : window)->activateWindow();
        if (!QTest::qWaitForWindowActive(behind ? &other : window))
            faults << nameOf(window) + " never became active, or stayed active";
        if (QWidget* focus = QApplication::focusWidget())
            focus->clearFocus();
        QTest::qWait(20);
        const QImage shown = grab();
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(window) || w->visibleRegion().isEmpty() || !w->isEnabled())
                continue;
            if (drawsText(w))
                text(w, shown);
            if (behind)
                continue;
            if (hasEdge(w))
                edge(w, shown);
            if (w->focusPolicy() & Qt::TabFocus && !w->focusProxy() && !isViewport(w))
                focusFrame(w);
        }
        return faults;
    }

    QImage grab() {
        QApplication::processEvents();
        return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    QRect inWindow(const QWidget* w) const {
        return QRect(w->mapTo(window, QPoint(0, 0)), w->size());
    }
    // The text's own pixels are those that change when every text colour is transparent.
    void text(QWidget* w, const QImage& shown) {
        // A scroll area draws its contents into its viewport in its own colours.
        QWidget* painter = isViewport(w) ? w->parentWidget() : w;
        if (const auto* edit = qobject_cast<const QPlainTextEdit*>(painter);
            edit && edit->document()->isEmpty())
            return;
        const QPalette saved = painter->palette();
        const bool ownPalette = painter->testAttribute(Qt::WA_SetPalette);
        QPalette hidden = saved;
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                          QPalette::PlaceholderText, QPalette::BrightText,
                          QPalette::HighlightedText, QPalette::Link, QPalette::LinkVisited})
            hidden.setBrush(role, Qt::transparent);
        painter->setPalette(hidden);
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
            eachPixel(r, [&](int x, int y) {
                if (shown.pixel(x, y) != blank.pixel(x, y))
                    ratios.push_back(contrast(shown.pixel(x, y), blank.pixel(x, y)));
            });
        // The core of the strokes; anti-aliased edges blend into the background.
        std::sort(ratios.rbegin(), ratios.rend());
        const double core = ratios.size() >= 3 ? ratios[2] : 1.0;
        if (core < 4.5)
            faults << QStringLiteral("text of %1: %2 : 1 (%3 pixels)")
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
        eachPixel(r.adjusted(-1, -1, 1, 1), [&](int x, int y) {
            if (!r.contains(x, y))
                ++around[shown.pixel(x, y)];
        });
        const QRgb background =
            std::max_element(around.begin(), around.end(), [](auto& a, auto& b) {
                return a.second < b.second;
            })->first;
        // Each side: the middle half of its outermost pixels, where the style draws the
        // edge; a frame of another shape, of its band of four pixels.
        const auto* frame = qobject_cast<const QFrame*>(w);
        const int band = frame && frame->frameShape() != QFrame::StyledPanel ? 4 : 1;
        const int w4 = r.width() / 4, h4 = r.height() / 4;
        double weakest = 21;
        for (const QRect& side :
             {QRect(r.left() + w4, r.top(), r.width() / 2, band),
              QRect(r.left() + w4, r.bottom() - band + 1, r.width() / 2, band),
              QRect(r.left(), r.top() + h4, band, r.height() / 2),
              QRect(r.right() - band + 1, r.top() + h4, band, r.height() / 2)}) {
            double best = 1;
            eachPixel(side, [&](int x, int y) {
                best = std::max(best, contrast(shown.pixel(x, y), background));
            });
            weakest = std::min(weakest, best);
        }
        if (weakest < 3)
            faults << QStringLiteral("edge of %1: %2 : 1").arg(nameOf(w)).arg(weakest, 0, 'f', 2);
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
        const QRect inner = framesText(w) ? QRect() : r.adjusted(3, 3, -3, -3);
        int strong = 0;
        eachPixel(r.adjusted(-2, -2, 2, 2) & focused.rect(), [&](int x, int y) {
            strong +=
                !inner.contains(x, y) && contrast(focused.pixel(x, y), unfocused.pixel(x, y)) >= 3;
        });
        // At least a frame of one pixel along two sides.
        const int wanted = framesText(w) ? 2 * r.height() : r.width() + r.height();
        if (strong < wanted)
            faults << QStringLiteral("focus frame of %1: %2 pixels at 3 : 1, %3 wanted")
                          .arg(nameOf(w))
                          .arg(strong)
                          .arg(wanted);
        // Two pixels wide, measured across the middle of its left side.
        int width = 0;
        for (int x = r.left(); !framesText(w) && x < r.left() + 4; ++x)
            width +=
                contrast(focused.pixel(x, r.center().y()), unfocused.pixel(x, r.center().y())) >= 3;
        if (!framesText(w) && width < 2)
            faults << QStringLiteral("focus frame of %1: %2 px wide").arg(nameOf(w)).arg(width);
    }
};

// A message box as the program opens it (a question or an error), measured while it is open.
QStringList measureMessage(QWidget* owner, bool question) {
    QStringList faults{QStringLiteral("no message box")};
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            faults = Measure{box}.run();
            box->done(0);
        }
    });
    QtPlatform().showMessage(QStringLiteral("Please select a valid date of birth."),
                             QStringLiteral("Solvanta"),
                             question ? Platform::Icon::Information : Platform::Icon::Critical,
                             question ? Platform::Buttons::YesNo : Platform::Buttons::Ok, owner);
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
        const QString language = Translations::install(); // the one the environment asks for
        if (qEnvironmentVariableIsSet("SOLVANTA_EXPECT"))
            QCOMPARE(language, qEnvironmentVariable("SOLVANTA_EXPECT"));
    }

    void everyWindow_data() {
        QTest::addColumn<QString>("window");
        for (const char* window :
             {"input", "result, one profile", "result, two profiles", "about", "exit screen",
              "sun sign changes", "message", "exit screen's message", "list, a row selected"})
            QTest::newRow(window) << window;
    }

    void everyWindow() {
        QFETCH(QString, window);
        FakePlatform platform;
        const bool message = window.endsWith(QLatin1String("message"));
        const bool two = window.contains(QLatin1String("two"));
        std::unique_ptr<QWidget> shown;
        if (window.startsWith(QLatin1String("result"))) {
            auto result = std::make_unique<ResultWindow>(platform);
            AssembleResult(result->model(), ResolveCusp(6, two ? 21 : 4), platform, result.get());
            shown = std::move(result);
        } else if (window.startsWith(QLatin1String("exit screen"))) {
            shown = std::make_unique<ExitScreen>(platform);
        } else if (window == QLatin1String("about")) {
            shown = std::make_unique<AboutBox>();
        } else if (window.startsWith(QLatin1String("sun"))) {
            shown = std::make_unique<SunChangesWindow>(platform);
            shown->setAttribute(Qt::WA_DeleteOnClose, false);
        } else if (window.startsWith(QLatin1String("list"))) { // as a box's suggestions
            auto* list = new QListWidget;
            list->addItem(QStringLiteral("Europe/London"));
            list->setCurrentRow(0);
            shown.reset(list);
        } else { // the input window, and its message
            shown = std::make_unique<InputWindow>(platform);
        }
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
        QStringList faults;
        if (message)
            faults = measureMessage(shown.get(), window == QLatin1String("message"));
        for (int tab = 0; !message && tab < (two ? 2 : 1); ++tab) {
            auto* tabs = shown->findChild<QTabWidget*>();
            QVERIFY(tabs || tab == 0);
            if (tab > 0)
                tabs->setCurrentIndex(tab);
            faults += Measure{shown.get()}.run() + Measure{shown.get(), {}, true}.run();
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestContrast)
#include "tst_contrast.moc"
