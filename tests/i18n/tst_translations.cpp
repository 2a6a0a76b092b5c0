#include "translations.h"

#include <QDir>
#include <QHash>
#include <QResource>
#include <QTest>

// Which language the program chooses from the environment and the desktop's languages.
class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void cLocaleByTheGnuRule_data() {
        QTest::addColumn<QString>("lcAll");
        QTest::addColumn<QString>("lcMessages");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<bool>("c");
        QTest::newRow("nothing set") << ""
                                     << ""
                                     << "" << true;
        QTest::newRow("LANG=C") << ""
                                << ""
                                << "C" << true;
        QTest::newRow("LANG=C.UTF-8") << ""
                                      << ""
                                      << "C.UTF-8" << true;
        QTest::newRow("LANG=POSIX") << ""
                                    << ""
                                    << "POSIX" << true;
        QTest::newRow("LANG=de_DE") << ""
                                    << ""
                                    << "de_DE.UTF-8" << false;
        QTest::newRow("LC_ALL=C over LANG=de") << "C"
                                               << ""
                                               << "de_DE.UTF-8" << true;
        QTest::newRow("LC_MESSAGES=C over LANG=de") << ""
                                                    << "C"
                                                    << "de_DE.UTF-8" << true;
        QTest::newRow("LC_ALL=fr over LC_MESSAGES=C") << "fr_FR.UTF-8"
                                                      << "C"
                                                      << "" << false;
    }
    void cLocaleByTheGnuRule() {
        QFETCH(QString, lcAll);
        QFETCH(QString, lcMessages);
        QFETCH(QString, lang);
        QFETCH(bool, c);
        const QHash<QByteArray, QByteArray> env{{"LC_ALL", lcAll.toLatin1()},
                                                {"LC_MESSAGES", lcMessages.toLatin1()},
                                                {"LANG", lang.toLatin1()},
                                                {"LANGUAGE", "de"}};
        QCOMPARE(Translations::isCLocale([&](const char* name) { return env.value(name); }), c);
    }

    void chosenLanguage_data() {
        QTest::addColumn<QStringList>("ui");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("German") << QStringList{"de-DE", "de"} << "de";
        QTest::newRow("Austrian German") << QStringList{"de-AT"} << "de";
        QTest::newRow("Brazilian") << QStringList{"pt-BR"} << "pt_BR";
        QTest::newRow("Portuguese of Portugal") << QStringList{"pt-PT"} << "pt_BR";
        QTest::newRow("unknown, then French") << QStringList{"ja-JP", "fr-FR"} << "fr";
        QTest::newRow("English before German") << QStringList{"en-GB", "de-DE"} << "en";
        QTest::newRow("unknown only") << QStringList{"ja-JP"} << "en";
        QTest::newRow("none") << QStringList{} << "en";
    }
    void chosenLanguage() {
        QFETCH(QStringList, ui);
        QFETCH(QString, chosen);
        const QStringList available{"de", "en", "es", "fr", "pt_BR"};
        QCOMPARE(Translations::chooseLanguage(ui, available), chosen);
    }

    // A compressed translation is unpacked at every start in its language, a tenth of
    // what the window costs before it is shown.
    void storedToBeReadInPlace() {
        const QStringList files = QDir(QStringLiteral(":/i18n")).entryList({"*.qm"});
        QVERIFY2(files.contains("shell_de.qm"), qPrintable(files.join(' ')));
        for (const QString& file : files) {
            const QResource resource(":/i18n/" + file);
            QVERIFY2(resource.compressionAlgorithm() == QResource::NoCompression, qPrintable(file));
        }
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
