#include "fakeplatform.h"
#include "search.h"
#include "texts.h"
#include "uselanguage.h"

#include <QTest>

namespace {

// Records what a search asks of the windows. The result model exists only once a
// search has asked for it, as the result window would.
class RecordingHost : public SearchHost {
public:
    RecordingHost() { window.setObjectName(QStringLiteral("frmMain")); }
    QWidget* messageOwner() override { return &window; }
    void focusInputField(InputField field) override {
        events << QStringLiteral("focus %1").arg(int(field));
    }
    ResultModel& resultModel() override {
        if (!model)
            model = std::make_unique<ResultModel>();
        return *model;
    }
    void handOverToResult() override { events << QStringLiteral("hand over"); }

    QWidget window;
    std::unique_ptr<ResultModel> model;
    QStringList events;
};

BirthInput birth(int day, int month, int year = 1990) {
    BirthInput in;
    in.firstName = QStringLiteral("JOHN");
    in.lastName = QStringLiteral("SMITH");
    in.dayIndex = static_cast<qint16>(day - 1);
    in.dayText = QString::number(day);
    in.monthIndex = static_cast<qint16>(month - 1);
    in.monthText = QStringLiteral("month");
    in.yearText = QString::number(year);
    return in;
}

using F = ProfilePanel::Field;

QString signName(const ResultModel& m, ProfileSlot slot) {
    return m.panel(slot).text(F::SignName);
}

} // namespace

class TestSearch : public QObject {
    Q_OBJECT

private slots:
    void cuspRun();
    void noCuspRun();
    void cuspRunThenNoCuspRun();
    void refusedInputCreatesNoResult();
    void verdictComesAfterPanelsInACuspAndBeforeThemOtherwise();
    void everyCuspNamesItsTwoSigns();
    void searchesSpeakTheLanguage_data();
    void searchesSpeakTheLanguage();
};

void TestSearch::cuspRun() {
    FakePlatform platform;
    RecordingHost host;
    RunCuspSearch(birth(20, 1), host, platform);

    QCOMPARE(platform.messages.size(), 1);
    const FakePlatform::Message& verdict = platform.messages.first();
    QCOMPARE(verdict.text, QStringLiteral("Yes! You were born in the Cusp of Capricorn and "
                                          "Aquarius\r\n\r\nYou have the Characteristics of "
                                          "both the Signs"));
    QCOMPARE(verdict.title, QStringLiteral("Solvanta"));
    QCOMPARE(verdict.icon, Platform::Icon::Information);
    QCOMPARE(verdict.buttons, Platform::Buttons::Ok);
    QCOMPARE(verdict.owner, &host.window);

    const ResultModel& m = *host.model;
    QVERIFY(m.isTabEnabled(0));
    QVERIFY(m.isTabEnabled(1));
    QCOMPARE(m.currentTab(), 0);
    QCOMPARE(m.frameCaption(ProfileSlot::First), QStringLiteral("Characteristics of Capricorn"));
    QCOMPARE(m.frameCaption(ProfileSlot::Second), QStringLiteral("Characteristics of  Aquarius"));
    QCOMPARE(signName(m, ProfileSlot::First), QStringLiteral("Capricorn"));
    QCOMPARE(signName(m, ProfileSlot::Second), QStringLiteral("Aquarius"));
    QCOMPARE(m.panel(ProfileSlot::Second).pictureIndex(), 11);
    QCOMPARE(m.panel(ProfileSlot::First).pictureIndex(), 10);
    QCOMPARE(m.cuspDescription(), Texts::cuspDescription(0));
    QCOMPARE(m.cuspDescription().size(), 758);
    QCOMPARE(host.events, QStringList{QStringLiteral("hand over")});
}

void TestSearch::noCuspRun() {
    FakePlatform platform;
    RecordingHost host;
    RunCuspSearch(birth(10, 1), host, platform);

    QCOMPARE(platform.messageTexts(),
             QStringList{QStringLiteral("No! You were not born in a Cusp")});
    const ResultModel& m = *host.model;
    QVERIFY(m.isTabEnabled(0));
    QVERIFY(!m.isTabEnabled(1));
    QCOMPARE(m.currentTab(), 0);
    QVERIFY(m.frameCaption(ProfileSlot::First).isEmpty());
    QVERIFY(m.frameCaption(ProfileSlot::Second).isEmpty());
    QCOMPARE(signName(m, ProfileSlot::First), QStringLiteral("Capricorn"));
    QCOMPARE(signName(m, ProfileSlot::Second), ProfilePanel::kUnfilledLabel);
    QVERIFY(m.cuspDescription().isEmpty());
    QCOMPARE(host.events, QStringList{QStringLiteral("hand over")});
}

// Two runs on the same result window: the second one must switch the cusp tab off
// again, clear the captions and show its own sign.
void TestSearch::cuspRunThenNoCuspRun() {
    FakePlatform platform;
    RecordingHost host;
    RunCuspSearch(birth(23, 12), host, platform);
    QCOMPARE(host.model->frameCaption(ProfileSlot::Second),
             QStringLiteral("Characteristics of  Capricorn"));
    QCOMPARE(host.model->cuspDescription(), Texts::cuspDescription(11));

    // The user had looked at the second tab before going back.
    host.model->setCurrentTab(1);
    RunCuspSearch(birth(24, 12), host, platform);
    const ResultModel& m = *host.model;
    QVERIFY(!m.isTabEnabled(1));
    QCOMPARE(m.currentTab(), 0);
    QVERIFY(m.frameCaption(ProfileSlot::First).isEmpty());
    QVERIFY(m.frameCaption(ProfileSlot::Second).isEmpty());
    QCOMPARE(signName(m, ProfileSlot::First), QStringLiteral("Capricorn"));

    // And a cusp run afterwards makes the second tab available again.
    RunCuspSearch(birth(19, 6), host, platform);
    QVERIFY(host.model->isTabEnabled(1));
    QCOMPARE(signName(*host.model, ProfileSlot::Second), QStringLiteral("Cancer"));
    QCOMPARE(platform.messages.size(), 3);
}

void TestSearch::refusedInputCreatesNoResult() {
    FakePlatform platform;
    RecordingHost host;
    BirthInput in = birth(31, 9);
    RunCuspSearch(in, host, platform);
    QCOMPARE(platform.messageTexts(),
             QStringList{QStringLiteral("Please Enter Correct Date Or Month !")});
    QVERIFY(!host.model);
    QVERIFY(host.events.isEmpty()); // no focus move, no hand-over

    in = birth(1, 1);
    in.firstName.clear();
    RunCuspSearch(in, host, platform);
    QCOMPARE(platform.messages.last().text, QStringLiteral("Please Enter Your First Name"));
    QCOMPARE(platform.messages.last().owner, &host.window);
    QCOMPARE(host.events, QStringList{QStringLiteral("focus %1").arg(int(InputField::FirstName))});
    QVERIFY(!host.model);
}

void TestSearch::verdictComesAfterPanelsInACuspAndBeforeThemOtherwise() {
    FakePlatform platform;
    RecordingHost host;
    QStringList seenWhileVerdictShown;
    platform.onMessage = [&](const FakePlatform::Message&) {
        seenWhileVerdictShown << signName(host.resultModel(), ProfileSlot::First);
        seenWhileVerdictShown << host.events.join(QLatin1Char(','));
    };
    RunCuspSearch(birth(21, 3), host, platform);
    RunCuspSearch(birth(5, 4), host, platform);
    // Cusp: the panels are filled when the box shows. No cusp: the box shows first and
    // the panel still holds the previous run's sign. Neither run has handed over yet.
    QCOMPARE(seenWhileVerdictShown, QStringList({"Pisces", "", "Pisces", "hand over"}));
    QCOMPARE(signName(*host.model, ProfileSlot::First), QStringLiteral("Aries"));
}

void TestSearch::everyCuspNamesItsTwoSigns() {
    for (int month = 1; month <= 12; ++month) {
        FakePlatform platform;
        RecordingHost host;
        RunCuspSearch(birth(22, month), host, platform);
        const QString first = signName(*host.model, ProfileSlot::First);
        const QString second = signName(*host.model, ProfileSlot::Second);
        QCOMPARE(first, signProfile(monthFirstSign(month - 1)).name);
        QCOMPARE(second, signProfile(monthSecondSign(month - 1)).name);
        QVERIFY(platform.messages.first().text.startsWith(
            QStringLiteral("Yes! You were born in the Cusp of ") + first + QStringLiteral(" and ") +
            second + QStringLiteral("\r\n\r\n")));
        QCOMPARE(host.model->cuspDescription(), Texts::cuspDescription(month - 1));
    }
}

// In each language, a cusp run (20 January), a run outside the cusp days (10 January)
// and a missing first name: the verdicts, the second panel's caption, Capricorn's name,
// element, lucky numbers, lucky day, compatible signs and birthstone, and the message.
// English, with no translation loaded, is pinned by the rows above.
void TestSearch::searchesSpeakTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("de") << "de"
                        << QStringList{"Ja! Sie wurden am Übergang von Steinbock zu Wassermann "
                                       "geboren.\r\n\r\nSie haben die Eigenschaften beider "
                                       "Sternzeichen.",
                                       "Nein! Sie wurden nicht am Übergang zwischen zwei "
                                       "Sternzeichen geboren.",
                                       "Eigenschaften des Sternzeichens Wassermann",
                                       "Steinbock",
                                       "Erde",
                                       "8 und 2",
                                       "Samstag",
                                       "Stier und Jungfrau",
                                       "Granat",
                                       "Bitte geben Sie Ihren Vornamen ein."};
    QTest::newRow("fr") << "fr"
                        << QStringList{"Oui\u00a0! Vous êtes né sur la cuspide Capricorne-Verseau."
                                       "\r\n\r\nVous avez les caractéristiques des deux signes.",
                                       "Non\u00a0! Vous n'êtes pas né sur une cuspide.",
                                       "Caractéristiques du signe Verseau",
                                       "Capricorne",
                                       "Terre",
                                       "8 et 2",
                                       "samedi",
                                       "Taureau et Vierge",
                                       "Grenat",
                                       "Veuillez saisir votre prénom."};
    QTest::newRow("es") << "es"
                        << QStringList{"¡Sí! Naciste en la cúspide de Capricornio y Acuario.\r\n"
                                       "\r\nTienes las características de ambos signos.",
                                       "¡No! No naciste en una cúspide.",
                                       "Características de Acuario",
                                       "Capricornio",
                                       "Tierra",
                                       "8 y 2",
                                       "sábado",
                                       "Tauro y Virgo",
                                       "Granate",
                                       "Introduce tu nombre."};
    QTest::newRow("pt_BR") << "pt_BR"
                           << QStringList{"Sim! Você nasceu na cúspide de Capricórnio e Aquário."
                                          "\r\n\r\nVocê tem as características dos dois signos.",
                                          "Não! Você não nasceu em uma cúspide.",
                                          "Características de Aquário",
                                          "Capricórnio",
                                          "Terra",
                                          "8 e 2",
                                          "sábado",
                                          "Touro e Virgem",
                                          "Granada",
                                          "Digite o seu nome."};
}

void TestSearch::searchesSpeakTheLanguage() {
    QFETCH(QString, language);
    QFETCH(QStringList, texts);
    const UseLanguage use(language);
    FakePlatform platform;
    RecordingHost host;
    RunCuspSearch(birth(20, 1), host, platform);
    const QString caption = host.model->frameCaption(ProfileSlot::Second);
    RunCuspSearch(birth(10, 1), host, platform);
    BirthInput nameless = birth(1, 1);
    nameless.firstName.clear();
    RunCuspSearch(nameless, host, platform);

    const ProfilePanel& panel = host.model->panel(ProfileSlot::First);
    QStringList seen = platform.messageTexts();
    seen.insert(2, caption);
    for (F field :
         {F::SignName, F::Element, F::LuckyNumbers, F::LuckyDay, F::Compatibility, F::Birthstone})
        seen.insert(seen.size() - 1, panel.text(field));
    QCOMPARE(seen, texts);
}

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
