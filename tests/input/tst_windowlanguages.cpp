// The windows in each shipped language: their texts are the language's, dates and
// month lists follow it, the referral form still knows its placeholders, and English
// stays as it was. Every row loads the windows' translation the way the program does.
#include "aboutbox.h"
#include "exitscreen.h"
#include "fakeplatform.h"
#include "inputwindow.h"
#include "localdates.h"
#include "namefilter.h"
#include "resultmodel.h"
#include "resultwindow.h"
#include "texts.h"
#include "sunchangeswindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTranslator>

namespace {

struct Language {
    const char* code;
    const char* findButton;
    const char* refusal;
    QStringList headers;
    const char* firstMonth;
    const char* date;  // 20 March 2024
    QStringList zones; // 1, 2 and 5 time zones matching "Ber"
    const char* noName;
};

const QList<Language>& languages() {
    static const QList<Language> all{
        {"en", "Find If I am Born in a Cusp", "Please Enter Only Alphabet",
         {"Sign", "Date", "Time", "UTC offset"}, "January", "20 March 2024",
         {"1 time zone matches \u201cBer\u201d: choose one from the list.",
          "2 time zones match \u201cBer\u201d: choose one from the list.",
          "5 time zones match \u201cBer\u201d: choose one from the list."},
         "Please Enter Your Name"},
        {"de", "Bin ich am Übergang geboren?", "Bitte nur die Buchstaben A bis Z eingeben",
         {"Zeichen", "Datum", "Uhrzeit", "UTC-Abstand"}, "Januar", "20. März 2024",
         {"1 Zeitzone passt zu \u201cBer\u201d: Wählen Sie sie aus der Liste.",
          "2 Zeitzonen passen zu \u201cBer\u201d: Wählen Sie eine aus der Liste.",
          "5 Zeitzonen passen zu \u201cBer\u201d: Wählen Sie eine aus der Liste."},
         "Bitte geben Sie Ihren Namen ein"},
        {"fr", "Suis-je né sur une cuspide\u00a0?",
         "Veuillez saisir uniquement les lettres de A à Z",
         {"Signe", "Date", "Heure", "Décalage UTC"}, "janvier", "20 mars 2024",
         {"1 fuseau horaire correspond à \u201cBer\u201d\u00a0: choisissez-le dans la liste.",
          "2 fuseaux horaires correspondent à \u201cBer\u201d\u00a0: choisissez-en un dans la "
          "liste.",
          "5 fuseaux horaires correspondent à \u201cBer\u201d\u00a0: choisissez-en un dans la "
          "liste."},
         "Veuillez saisir votre nom"},
        {"es", "¿Nací en una cúspide?", "Escribe solo las letras de la A a la Z",
         {"Signo", "Fecha", "Hora", "Desfase UTC"}, "enero", "20 de marzo de 2024",
         {"1 zona horaria coincide con \u201cBer\u201d: elígela de la lista.",
          "2 zonas horarias coinciden con \u201cBer\u201d: elige una de la lista.",
          "5 zonas horarias coinciden con \u201cBer\u201d: elige una de la lista."},
         "Escribe tu nombre"},
        {"pt_BR", "Descobrir se nasci numa cúspide", "Digite apenas as letras de A a Z",
         {"Signo", "Data", "Hora", "Diferença do UTC"}, "janeiro", "20 de março de 2024",
         {"1 fuso horário corresponde a \u201cBer\u201d: escolha-o na lista.",
          "2 fusos horários correspondem a \u201cBer\u201d: escolha um na lista.",
          "5 fusos horários correspondem a \u201cBer\u201d: escolha um na lista."},
         "Digite seu nome"},
    };
    return all;
}

template <typename T> T* child(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qWarning("no child %s", name);
    return found;
}

} // namespace

class TestWindowLanguages : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void windowsSpeakTheLanguage_data();
    void windowsSpeakTheLanguage();
    void placeholdersCountAsEmpty_data();
    void placeholdersCountAsEmpty();
    void textsFitTheirRoom_data();
    void textsFitTheirRoom();

private:
    void useLanguage(const QString& code);
    QTranslator m_translator;
};

void TestWindowLanguages::init() {
    QFETCH(QString, code);
    useLanguage(code);
}

void TestWindowLanguages::cleanup() {
    QCoreApplication::removeTranslator(&m_translator);
    QLocale::setDefault(QLocale::c());
}

void TestWindowLanguages::useLanguage(const QString& code) {
    QVERIFY(m_translator.load(QStringLiteral(":/i18n/ui_%1.qm").arg(code)));
    QCoreApplication::installTranslator(&m_translator);
    if (code != QLatin1String("en"))
        QLocale::setDefault(QLocale(code));
}

static void languageRows() {
    QTest::addColumn<QString>("code");
    for (const Language& language : languages())
        QTest::newRow(language.code) << QString::fromLatin1(language.code);
}

void TestWindowLanguages::windowsSpeakTheLanguage_data() {
    languageRows();
}

void TestWindowLanguages::windowsSpeakTheLanguage() {
    QFETCH(QString, code);
    const auto it = std::find_if(languages().cbegin(), languages().cend(),
                                 [&](const Language& l) { return code == l.code; });
    const Language& want = *it;
    FakePlatform platform;

    InputWindow input(platform);
    QCOMPARE(child<QPushButton>(&input, "cmdNext")->text(), QString::fromUtf8(want.findButton));
    QCOMPARE(child<QComboBox>(&input, "cboMonth")->itemText(0), QString::fromUtf8(want.firstMonth));
    QCOMPARE(NameFilter::refusalMessage(), QString::fromUtf8(want.refusal));

    SunChangesWindow sun(platform);
    QTableWidget* table = child<QTableWidget>(&sun, "tblChanges");
    QStringList headers;
    for (int column = 0; column < table->columnCount(); ++column)
        headers << table->horizontalHeaderItem(column)->text();
    QCOMPARE(headers, want.headers);

    QCOMPARE(LocalDates::longDate(QDate(2024, 3, 20)), QString::fromUtf8(want.date));
    const int counts[] = {1, 2, 5};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(QCoreApplication::translate("SunChangesWindow",
                                             "%n time zones match %1: choose one from the list.",
                                             nullptr, counts[i])
                     .arg(QStringLiteral("\u201cBer\u201d")),
                 want.zones.at(i));
}

void TestWindowLanguages::placeholdersCountAsEmpty_data() {
    languageRows();
}

// The boxes show their placeholders in the language; one left as it is still asks for
// the value, in the language.
void TestWindowLanguages::placeholdersCountAsEmpty() {
    QFETCH(QString, code);
    const auto it = std::find_if(languages().cbegin(), languages().cend(),
                                 [&](const Language& l) { return code == l.code; });
    FakePlatform platform;
    ExitScreen exit(platform);
    child<QLineEdit>(&exit, "txtEmail")->setText(QStringLiteral("me@example.org"));
    child<QLineEdit>(&exit, "txtFriendEmail")->setText(QStringLiteral("you@example.org"));
    QTest::mouseClick(child<QPushButton>(&exit, "cmdSubmit"), Qt::LeftButton);
    QCOMPARE(platform.messageTexts(), QStringList{QString::fromUtf8(it->noName)});
}

void TestWindowLanguages::textsFitTheirRoom_data() {
    languageRows();
}

// Every one-line text of the fixed-size windows is drawn whole: a label without word
// wrap, a button, a check box or a frame's title has the width its text needs.
void TestWindowLanguages::textsFitTheirRoom() {
    FakePlatform platform;
    InputWindow input(platform);
    ExitScreen exit(platform);
    SunChangesWindow sun(platform);
    ResultWindow result(platform);
    // A cusp result: both profiles, the cusp text and the way to the exact sign.
    ShowSignProfile(result.model(), ZodiacSign::Sagittarius, ProfileSlot::First);
    ShowSignProfile(result.model(), ZodiacSign::Capricorn, ProfileSlot::Second);
    result.model().setCuspDescription(Texts::cuspDescription(11));
    AboutBox about;
    QStringList clipped;
    for (QWidget* window : std::initializer_list<QWidget*>{&input, &exit, &sun, &result, &about}) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisible())
                continue;
            int needed = 0;
            auto* label = qobject_cast<QLabel*>(widget);
            if (label && label->wordWrap() && label->heightForWidth(label->width()) > label->height())
                clipped << QStringLiteral("%1 (%2 lines' height > %3)")
                               .arg(label->objectName())
                               .arg(label->heightForWidth(label->width()))
                               .arg(label->height());
            if (label && !label->wordWrap() && label->pixmap().isNull())
                needed = label->minimumSizeHint().width();
            else if (auto* button = qobject_cast<QAbstractButton*>(widget))
                needed = button->fontMetrics().horizontalAdvance(
                             QString(button->text()).remove(QLatin1Char('&'))) +
                         (qobject_cast<QCheckBox*>(widget) ? 20 : 8);
            else if (auto* box = qobject_cast<QGroupBox*>(widget))
                needed = box->fontMetrics().horizontalAdvance(box->title()) + 12;
            // What of the widget its parent shows: a widget running past its frame's
            // edge is cut there.
            const int shown =
                widget->geometry().intersected(widget->parentWidget()->rect()).width();
            if (shown > 0 && needed > shown) // one wholly outside is kept out of sight
                clipped << QStringLiteral("%1 (%2 > %3)")
                               .arg(widget->objectName())
                               .arg(needed)
                               .arg(shown);
        }
    }
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral(", "))));

    // Nor does a one-line label's text run into the text of a label beside it.
    QStringList overlapping;
    for (QWidget* window : std::initializer_list<QWidget*>{&input, &exit, &sun, &result, &about}) {
        QList<QPair<QLabel*, QRect>> inks;
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (!label->isVisible() || label->wordWrap() || label->text().isEmpty() ||
                !label->pixmap().isNull())
                continue;
            const int width = label->fontMetrics().horizontalAdvance(label->text());
            QRect ink = label->contentsRect();
            if (label->alignment() & Qt::AlignRight)
                ink.setLeft(ink.right() - width);
            else if (label->alignment() & Qt::AlignHCenter)
                ink.adjust((ink.width() - width) / 2, 0, -(ink.width() - width) / 2, 0);
            else
                ink.setWidth(width);
            inks.append({label, QRect(label->mapTo(window, ink.topLeft()), ink.size())});
        }
        for (int i = 0; i < inks.size(); ++i)
            for (int j = i + 1; j < inks.size(); ++j)
                if (inks[i].second.intersects(inks[j].second))
                    overlapping << inks[i].first->objectName() + QLatin1Char('/') +
                                       inks[j].first->objectName();
    }
    QVERIFY2(overlapping.isEmpty(), qPrintable(overlapping.join(QStringLiteral(", "))));
}

QTEST_MAIN(TestWindowLanguages)
#include "tst_windowlanguages.moc"
