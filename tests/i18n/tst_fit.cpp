#include "aboutbox.h"
#include "exitscreen.h"
#include "fakeplatform.h"
#include "inputwindow.h"
#include "language.h"
#include "look.h"
#include "resolution.h"
#include "resultwindow.h"
#include "search.h"
#include "sunchangeswindow.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <memory>

// Every window, in every language the program ships and in a made-up one 40 % longer
// (built from the .ts files for this test only): each label, button, check box, tab,
// list and group title has the room its text needs, no text is cut off by the edge of
// what holds it, and no two texts lie over each other.
namespace {

QString nameOf(const QWidget* w) {
    return QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') + w->objectName();
}

QString shown(const QString& text) {
    return QLatin1Char('"') + text.left(60).replace(QLatin1Char('\n'), QLatin1Char(' ')) +
           QLatin1Char('"');
}

QString rectText(const QRect& r) {
    return QStringLiteral("%1x%2+%3+%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
}

// Inside a scroll area's viewport a text may lie outside what is shown: it scrolls.
bool scrolls(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
        const auto* area = qobject_cast<const QAbstractScrollArea*>(p->parentWidget());
        if (area && area->viewport() == p)
            return true;
    }
    return false;
}

class Fit {
public:
    explicit Fit(QWidget* window) : m_window(window) {}

    QStringList faults() {
        const auto widgets = m_window->findChildren<QWidget*>();
        for (QWidget* w : widgets) {
            // Shown, and in the window (a button kept outside it is not shown).
            if (!w->isVisible() || w->window() != m_window || w->visibleRegion().isEmpty())
                continue;
            const QRect text = room(w);
            if (text.isNull())
                continue;
            if (!scrolls(w) && w->visibleRegion().boundingRect() != w->rect())
                fault(w,
                      QStringLiteral("is cut off by the edge of what holds it: %1 of %2x%3 shown")
                          .arg(rectText(w->visibleRegion().boundingRect()))
                          .arg(w->width())
                          .arg(w->height()));
            m_texts.push_back({w, QRect(w->mapTo(m_window, text.topLeft()), text.size())});
        }
        for (size_t i = 0; i < m_texts.size(); ++i) {
            for (size_t j = i + 1; j < m_texts.size(); ++j) {
                const auto& [a, ra] = m_texts[i];
                const auto& [b, rb] = m_texts[j];
                if (ra.intersects(rb) && !a->isAncestorOf(b) && !b->isAncestorOf(a))
                    fault(a, QStringLiteral("lies over ") + nameOf(b));
            }
        }
        return m_faults;
    }

private:
    void fault(const QWidget* w, const QString& what) {
        m_faults << nameOf(w) + QLatin1Char(' ') + what;
    }

    // Measures the text of `w` against its room; the rectangle (in `w`) its text takes,
    // or a null one for a widget that shows no text.
    QRect room(QWidget* w) {
        const QFontMetrics fm = w->fontMetrics();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            // A picture takes its place; no text may lie over it.
            if (!label->pixmap().isNull())
                return label->contentsRect();
            if (label->text().isEmpty())
                return {};
            if (label->wordWrap()) {
                const int needed = label->heightForWidth(label->width());
                if (needed > label->height())
                    fault(w, QStringLiteral("%1 wraps to %2 px and has %3")
                                 .arg(shown(label->text()))
                                 .arg(needed)
                                 .arg(label->height()));
                return QStyle::alignedRect(
                    label->layoutDirection(), label->alignment(),
                    QSize(label->contentsRect().width(), std::min(needed, label->height())),
                    label->contentsRect());
            }
            const QSize needed = label->sizeHint();
            if (needed.width() > label->width() || needed.height() > label->height())
                fault(w, QStringLiteral("%1 needs %2x%3 px and has %4x%5")
                             .arg(shown(label->text()))
                             .arg(needed.width())
                             .arg(needed.height())
                             .arg(label->width())
                             .arg(label->height()));
            const QMargins m = label->contentsMargins();
            return QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                                       needed.shrunkBy(m).boundedTo(label->contentsRect().size()),
                                       label->contentsRect());
        }
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            if (button->text().isEmpty())
                return {};
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            option.icon = button->icon();
            option.iconSize = button->iconSize();
            const bool push = qobject_cast<QPushButton*>(w);
            const QStyle::SubElement contents =
                push ? QStyle::SE_PushButtonContents
                     : (qobject_cast<QRadioButton*>(w) ? QStyle::SE_RadioButtonContents
                                                       : QStyle::SE_CheckBoxContents);
            if (!push && !qobject_cast<QCheckBox*>(w) && !qobject_cast<QRadioButton*>(w))
                return {};
            const QRect inside = w->style()->subElementRect(contents, &option, w);
            const int icon = option.icon.isNull() ? 0 : option.iconSize.width() + 4;
            const QSize text = fm.size(Qt::TextShowMnemonic, button->text());
            if (text.width() + icon > inside.width() || text.height() > inside.height())
                fault(w, QStringLiteral("%1 needs %2 px and has %3")
                             .arg(shown(button->text()))
                             .arg(text.width() + icon)
                             .arg(inside.width()));
            return w->rect();
        }
        if (auto* group = qobject_cast<QGroupBox*>(w)) {
            if (group->title().isEmpty())
                return {};
            QStyleOptionGroupBox option;
            option.initFrom(group);
            option.text = group->title();
            option.textAlignment = group->alignment();
            option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            option.lineWidth = 1;
            const QRect label = w->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                           QStyle::SC_GroupBoxLabel, w);
            const int text = fm.size(Qt::TextShowMnemonic, group->title()).width();
            if (text > label.width() || !group->rect().contains(label))
                fault(w, QStringLiteral("title %1 needs %2 px and has %3")
                             .arg(shown(group->title()))
                             .arg(text)
                             .arg(group->rect().intersected(label).width()));
            return label;
        }
        if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            const int space = w->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, w);
            for (int i = 0; i < tabs->count(); ++i) {
                if (!tabs->isTabVisible(i))
                    continue;
                const QRect tab = tabs->tabRect(i);
                const int text = fm.size(Qt::TextShowMnemonic, tabs->tabText(i)).width();
                if (text + space > tab.width() || !tabs->rect().contains(tab))
                    fault(w, QStringLiteral("tab %1 needs %2 px and has %3")
                                 .arg(shown(tabs->tabText(i)))
                                 .arg(text + space)
                                 .arg(tabs->rect().intersected(tab).width()));
            }
            return w->rect();
        }
        if (auto* list = qobject_cast<QComboBox*>(w)) {
            if (list->isEditable() || list->count() == 0)
                return {};
            // The width the style gives the widest choice (what the list asks for on
            // its first showing) against the width it has.
            const int needed = list->sizeHint().width();
            if (needed > list->width())
                fault(w, QStringLiteral("choices need %1 px and have %2")
                             .arg(needed)
                             .arg(list->width()));
            return w->rect();
        }
        return {};
    }

    QWidget* m_window;
    std::vector<std::pair<QWidget*, QRect>> m_texts;
    QStringList m_faults;
};

} // namespace

class TestFit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Look::installApplicationLook(); }

    // The check itself: each kind of fault, made on purpose in a small window, is seen.
    void theCheckSeesEachFault_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("seen");
        for (const char* fault :
             {"none", "label too narrow", "wrapped label too short", "button too narrow",
              "check box too narrow", "list too narrow", "group title too long",
              "cut off by its parent", "texts over each other", "text over a picture"})
            QTest::newRow(fault) << fault << (qstrcmp(fault, "none") == 0 ? "" : "px|cut|over");
    }
    void theCheckSeesEachFault() {
        QFETCH(QString, fault);
        QFETCH(QString, seen);
        const QString text = QStringLiteral("A text of some length");
        QWidget window;
        window.resize(400, 300);
        auto* group =
            new QGroupBox(fault == QLatin1String("group title too long") ? text + text + text + text
                                                                         : QStringLiteral("Group"),
                          &window);
        group->setGeometry(0, 0, 200, 100);
        QWidget* made = nullptr;
        if (fault.startsWith(QLatin1String("button")))
            made = new QPushButton(text, &window);
        else if (fault.startsWith(QLatin1String("check")))
            made = new QCheckBox(text, &window);
        else if (fault.startsWith(QLatin1String("list"))) {
            auto* list = new QComboBox(&window);
            list->addItems({QStringLiteral("A"), text + text});
            made = list;
        } else {
            auto* label = new QLabel(text, &window);
            label->setWordWrap(fault.startsWith(QLatin1String("wrapped")));
            made = label;
        }
        const int wide = made->sizeHint().width() + 10;
        const bool narrow =
            fault.contains(QLatin1String("narrow")) || fault.contains(QLatin1String("short"));
        made->setGeometry(fault.startsWith(QLatin1String("cut")) ? 360 : 10, 220,
                          narrow ? wide / 2 : wide, made->sizeHint().height());
        if (fault.startsWith(QLatin1String("texts")))
            (new QLabel(text, &window))->setGeometry(20, 220, wide, 20);
        if (fault.endsWith(QLatin1String("picture"))) {
            QPixmap pixmap(16, 16);
            pixmap.fill(Qt::darkBlue);
            auto* picture = new QLabel(&window);
            picture->setPixmap(pixmap);
            picture->setGeometry(wide - 6, 220, 16, 16);
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QStringList faults = Fit(&window).faults();
        if (seen.isEmpty())
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        else
            QVERIFY2(faults.size() == 1 && faults.constFirst().contains(QRegularExpression(seen)),
                     qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void everyWindowHoldsItsTexts_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("window");
        for (const char* language : {"en", "de", "fr", "es", "pt_BR", "made-up"}) {
            for (const char* window : {"input", "result, one profile", "result, two profiles",
                                       "about", "exit screen", "sun sign changes"})
                QTest::addRow("%s, %s", language, window) << language << window;
        }
    }
    void everyWindowHoldsItsTexts() {
        QFETCH(QString, language);
        QFETCH(QString, window);
        const bool madeUp = language == QLatin1String("made-up");
        // The made-up language's dates and numbers are German ones.
        const LoadedLanguage loaded(madeUp ? QStringLiteral("xx") : language,
                                    madeUp ? QStringLiteral(SOLVANTA_MADE_UP_LANGUAGE)
                                           : QStringLiteral(":/i18n/"),
                                    madeUp ? QStringLiteral("de") : QString());
        // Loaded: the start-up message is no longer English.
        QCOMPARE(QCoreApplication::translate("Startup", "Application is already running") ==
                     QLatin1String("Application is already running"),
                 language == QLatin1String("en"));

        FakePlatform platform;
        const bool two = window.contains(QLatin1String("two"));
        std::unique_ptr<QWidget> shownWindow;
        if (window.startsWith(QLatin1String("result"))) {
            auto result = std::make_unique<ResultWindow>(platform);
            AssembleResult(result->model(), ResolveCusp(6, two ? 21 : 4), platform, result.get());
            shownWindow = std::move(result);
        } else if (window == QLatin1String("exit screen")) {
            shownWindow = std::make_unique<ExitScreen>(platform);
        } else if (window == QLatin1String("about")) {
            shownWindow = std::make_unique<AboutBox>();
        } else if (window.startsWith(QLatin1String("sun"))) {
            shownWindow = std::make_unique<SunChangesWindow>(platform);
            shownWindow->setAttribute(Qt::WA_DeleteOnClose, false);
        } else {
            shownWindow = std::make_unique<InputWindow>(platform);
        }
        shownWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(shownWindow.get()));
        QStringList faults;
        auto* tabs = shownWindow->findChild<QTabWidget*>();
        for (int tab = 0; tab < (tabs ? tabs->count() : 1); ++tab) {
            if (tabs) {
                if (!tabs->isTabEnabled(tab))
                    continue;
                tabs->setCurrentIndex(tab);
                QCoreApplication::processEvents();
            }
            faults += Fit(shownWindow.get()).faults();
        }
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestFit)
#include "tst_fit.moc"
