// The windows in each shipped language, loaded as the program loads it: their texts,
// dates, month lists and counts are the language's, English stays as it was, and
// every text has its room.
#include "aboutbox.h"
#include "exitscreen.h"
#include "fakeplatform.h"
#include "inputwindow.h"
#include "localdates.h"
#include "namefilter.h"
#include "resultmodel.h"
#include "resultwindow.h"
#include "sunchangeswindow.h"
#include "texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTranslator>

class TestWindowLanguages : public QObject {
    Q_OBJECT
    QTranslator m_translator;

private slots:
    void init() {
        QFETCH(QString, code);
        QVERIFY(m_translator.load(QStringLiteral(":/i18n/ui_%1.qm").arg(code)));
        QCoreApplication::installTranslator(&m_translator);
        QLocale::setDefault(code == QLatin1String("en") ? QLocale::c() : QLocale(code));
    }
    void cleanup() { QCoreApplication::removeTranslator(&m_translator); }

    void windowsSpeakTheLanguage_data() {
        for (const char* column : {"code", "find", "refusal", "headers", "month", "date", "zones",
                                   "noName"})
            QTest::addColumn<QString>(column);
        // The time zones' count: its forms for one and for more, %n the count.
        QTest::newRow("en") << "en" << "Find If I am Born in a Cusp" << "Please Enter Only Alphabet"
                            << "Sign|Date|Time|UTC offset" << "January" << "20 March 2024"
                            << "%n time zone matches “B”: choose one from the list.|%n time zones "
                               "match “B”: choose one from the list."
                            << "Please Enter Your Name";
        QTest::newRow("de") << "de" << "Bin ich am Übergang geboren?"
                            << "Bitte nur die Buchstaben A bis Z eingeben"
                            << "Zeichen|Datum|Uhrzeit|UTC-Abstand" << "Januar" << "20. März 2024"
                            << "%n Zeitzone passt zu “B”: Wählen Sie sie aus der Liste.|%n "
                               "Zeitzonen passen zu “B”: Wählen Sie eine aus der Liste."
                            << "Bitte geben Sie Ihren Namen ein";
        QTest::newRow("fr") << "fr" << "Suis-je né sur une cuspide\u00a0?"
                            << "Veuillez saisir uniquement les lettres de A à Z"
                            << "Signe|Date|Heure|Décalage UTC" << "janvier" << "20 mars 2024"
                            << "%n fuseau horaire correspond à “B”\u00a0: choisissez-le dans la "
                               "liste.|%n fuseaux horaires correspondent à “B”\u00a0: "
                               "choisissez-en un dans la liste."
                            << "Veuillez saisir votre nom";
        QTest::newRow("es") << "es" << "¿Nací en una cúspide?"
                            << "Escribe solo las letras de la A a la Z"
                            << "Signo|Fecha|Hora|Desfase UTC" << "enero" << "20 de marzo de 2024"
                            << "%n zona horaria coincide con “B”: elígela de la lista.|%n zonas "
                               "horarias coinciden con “B”: elige una de la lista."
                            << "Escribe tu nombre";
        QTest::newRow("pt_BR") << "pt_BR" << "Descobrir se nasci numa cúspide"
                               << "Digite apenas as letras de A a Z"
                               << "Signo|Data|Hora|Diferença do UTC" << "janeiro"
                               << "20 de março de 2024"
                               << "%n fuso horário corresponde a “B”: escolha-o na lista.|%n "
                                  "fusos horários correspondem a “B”: escolha um na lista."
                               << "Digite seu nome";
    }

    void windowsSpeakTheLanguage() {
        QFETCH(QString, find);
        QFETCH(QString, headers);
        QFETCH(QString, zones);
        FakePlatform platform;
        InputWindow input(platform);
        QCOMPARE(input.findChild<QPushButton*>("cmdNext")->text(), find);
        QTEST(input.findChild<QComboBox*>("cboMonth")->itemText(0), "month");
        QTEST(NameFilter::refusalMessage(), "refusal");

        SunChangesWindow sun(platform);
        auto* table = sun.findChild<QTableWidget*>("tblChanges");
        for (int column = 0; column < 4; ++column)
            QCOMPARE(table->horizontalHeaderItem(column)->text(), headers.split('|').at(column));
        QTEST(LocalDates::longDate(QDate(2024, 3, 20)), "date");
        for (int count : {1, 2, 5})
            QCOMPARE(QCoreApplication::translate("SunChangesWindow",
                                                 "%n time zones match %1: choose one from the list.",
                                                 nullptr, count)
                         .arg(QStringLiteral("“B”")),
                     QString(zones.split('|').at(count == 1 ? 0 : 1)).replace("%n", QString::number(count)));

        // The referral form's boxes show their placeholders in the language; one left
        // as it is still asks for its value, in the language.
        ExitScreen exit(platform);
        exit.findChild<QLineEdit*>("txtEmail")->setText("me@example.org");
        exit.findChild<QLineEdit*>("txtFriendEmail")->setText("you@example.org");
        QTest::mouseClick(exit.findChild<QPushButton*>("cmdSubmit"), Qt::LeftButton);
        QTEST(platform.messageTexts().value(0), "noName");
    }

    void textsFitTheirRoom_data() {
        QTest::addColumn<QString>("code");
        for (const char* code : {"en", "de", "fr", "es", "pt_BR"})
            QTest::newRow(code) << code;
    }

    // Every one-line label, button, check box and frame title has the width its text
    // needs, within what its frame shows; a wrapped label has its lines' height; no
    // one-line label's text runs into another's. A cusp result shows everything.
    void textsFitTheirRoom() {
        FakePlatform platform;
        InputWindow input(platform);
        ExitScreen exit(platform);
        SunChangesWindow sun(platform);
        ResultWindow result(platform);
        ShowSignProfile(result.model(), ZodiacSign::Sagittarius, ProfileSlot::First);
        ShowSignProfile(result.model(), ZodiacSign::Capricorn, ProfileSlot::Second);
        result.model().setCuspDescription(Texts::cuspDescription(11));
        AboutBox about;
        QStringList faults;
        for (QWidget* window : std::initializer_list<QWidget*>{&input, &exit, &sun, &result, &about}) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            QList<QPair<QLabel*, QRect>> inks;
            for (QWidget* widget : window->findChildren<QWidget*>()) {
                auto* label = qobject_cast<QLabel*>(widget);
                auto* button = qobject_cast<QAbstractButton*>(widget);
                auto* box = qobject_cast<QGroupBox*>(widget);
                if (!widget->isVisible() || (label && !label->pixmap().isNull()))
                    continue;
                int needed = 0;
                if (label && label->wordWrap() && label->heightForWidth(label->width()) > label->height())
                    faults << label->objectName() + " (lines)";
                else if (label && !label->wordWrap())
                    needed = label->minimumSizeHint().width();
                else if (button)
                    needed = button->fontMetrics().horizontalAdvance(QString(button->text()).remove('&')) +
                             (qobject_cast<QCheckBox*>(button) ? 20 : 8);
                else if (box)
                    needed = box->fontMetrics().horizontalAdvance(box->title()) + 12;
                // One wholly outside its window is kept out of sight on purpose.
                const int shown = widget->geometry().intersected(widget->parentWidget()->rect()).width();
                if (shown > 0 && needed > shown)
                    faults << QStringLiteral("%1 (%2 > %3)").arg(widget->objectName()).arg(needed).arg(shown);
                if (!label || label->wordWrap() || label->text().isEmpty())
                    continue;
                const int width = label->fontMetrics().horizontalAdvance(label->text());
                QRect ink = label->contentsRect();
                if (label->alignment() & Qt::AlignRight)
                    ink.setLeft(ink.right() - width);
                else if (label->alignment() & Qt::AlignHCenter)
                    ink.adjust((ink.width() - width) / 2, 0, -(ink.width() - width) / 2, 0);
                else
                    ink.setWidth(width);
                ink.moveTopLeft(label->mapTo(window, ink.topLeft()));
                for (const auto& [other, otherInk] : std::as_const(inks))
                    if (ink.intersects(otherInk))
                        faults << label->objectName() + " runs into " + other->objectName();
                inks.append({label, ink});
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(", ")));
    }
};

QTEST_MAIN(TestWindowLanguages)
#include "tst_windowlanguages.moc"
