#include "fakeplatform.h"
#include "inputwindow.h"
#include "look.h"
#include "resultwindow.h"
#include "startup.h"
#include "translations.h"
#include "windowregistry.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

// The program in the language its environment chooses (one CTest entry per language:
// SOLVANTA_EXPECT names the language the entry's LANGUAGE and LANG should give): a cusp
// and a plain search through the windows, the Sun window, and Qt's own buttons, with no
// English left where a translation belongs.
namespace {

struct Words {
    const char* language;
    const char* cancel;  // Qt's own button
    const char* cancer;  // the sign, as the glossary names it
    const char* water;   // its element
    const char* sun;     // the Sun, in the Sun window's reading
};

const Words kWords[] = {
    {"en", "Cancel", "Cancer", "Water", "Sun"},
    {"de", "Abbrechen", "Krebs", "Wasser", "Sonne"},
    {"fr", "Annuler", "Cancer", "Eau", "Soleil"},
    {"es", "Cancelar", "Cáncer", "Agua", "Sol"},
    {"pt_BR", "Cancelar", "Câncer", "Água", "Sol"},
};

// What the English texts begin with: none of it may be left in another language.
const char* const kEnglish[] = {"Yes! You were born", "No! You were not born", "The Sun was",
                                "the Sun", "Water"};

template <typename T> T* child(QWidget* parent, const char* name) {
    T* found = parent->findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no %s", name);
    return found;
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        m_language = Translations::install();
        QCOMPARE(m_language, qEnvironmentVariable("SOLVANTA_EXPECT"));
        for (const Words& words : kWords) {
            if (m_language == QLatin1String(words.language))
                m_words = &words;
        }
        QVERIFY(m_words);
        Look::installApplicationLook();
    }

    void searchesAndTheSunWindowSpeakTheLanguage_data() {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<bool>("cusp");
        QTest::newRow("cusp of Gemini and Cancer") << 21 << 6 << true;
        QTest::newRow("Cancer, no cusp") << 2 << 7 << false;
    }
    void searchesAndTheSunWindowSpeakTheLanguage() {
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(bool, cusp);
        FakePlatform platform;
        WindowRegistry windows(platform, [](int) {});
        QVERIFY(StartApplication(platform, windows));
        InputWindow& input = windows.inputWindow();
        child<QLineEdit>(&input, "txtFirstName")->setText(QStringLiteral("A"));
        child<QLineEdit>(&input, "txtLastName")->setText(QStringLiteral("B"));
        child<QComboBox>(&input, "cboDate")->setCurrentIndex(day - 1);
        child<QComboBox>(&input, "cboMonth")->setCurrentIndex(month - 1);
        child<QComboBox>(&input, "cboYear")->setCurrentIndex(1990 - 1900);
        platform.messages.clear();
        child<QAbstractButton>(&input, "cmdNext")->click();

        ResultWindow* result = windows.loadedResultWindow();
        QVERIFY(result);
        QCOMPARE(platform.messages.size(), 1);
        const QString verdict = platform.messages.constFirst().text;
        const ProfilePanel& panel = result->model().panel(cusp ? ProfileSlot::Second
                                                               : ProfileSlot::First);
        const QString sign = panel.text(ProfilePanel::Field::SignName);
        const QString element = panel.text(ProfilePanel::Field::Element);
        QCOMPARE(sign, QString::fromUtf8(m_words->cancer));
        QVERIFY2(element.contains(QString::fromUtf8(m_words->water)), qPrintable(element));
        if (cusp)
            QVERIFY2(verdict.contains(QString::fromUtf8(m_words->cancer)), qPrintable(verdict));

        windows.showSunChanges(true);
        SunChangesWindow* sun = windows.loadedSunChangesWindow();
        QVERIFY(sun);
        const QString reading = child<QPlainTextEdit>(sun, "txtReading")->toPlainText();
        QVERIFY2(reading.contains(QString::fromUtf8(m_words->sun)), qPrintable(reading));

        const bool english = m_language == QLatin1String("en");
        for (const QString& text : {verdict, reading}) {
            for (const char* left : kEnglish) {
                if (english && text.startsWith(QLatin1String(left)))
                    break;
                QVERIFY2(english || !text.contains(QLatin1String(left)), qPrintable(text));
            }
        }
        if (english) // today's English, character for character
            QVERIFY2(cusp ? verdict.startsWith(QStringLiteral(
                                "Yes! You were born in the Cusp of Gemini and Cancer\r\n"))
                          : verdict == QStringLiteral("No! You were not born in a Cusp"),
                     qPrintable(verdict));
    }

    // Qt's own buttons speak the language too (its translations, loaded with the program's).
    void standardButtons() {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Solvanta"), QStringLiteral("?"),
                        QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), QString::fromUtf8(m_words->cancel));
    }

private:
    QString m_language;
    const Words* m_words = nullptr;
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
