#include "resultmodel.h"
#include "signs.h"
#include "texts.h"
#include "uselanguage.h"

#include <QImageReader>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

class TestSignTable : public QObject {
    Q_OBJECT

private slots:
    void shortFields_data();
    void shortFields();
    void traitTexts_data();
    void traitTexts();
    void leoIsTheJoinOfTwoPassages();
    void cuspDescriptions_data();
    void cuspDescriptions();
    void windowTexts_data();
    void windowTexts();
    void noTextRepeatsASentence();
    void pictures();
    void showSignProfileWritesNineValuesInOrder();
    void showSignProfileTouchesOnlyItsSlot();
    void refillingASlotReplacesEverything();
    void proseIsTranslated_data();
    void proseIsTranslated();
};

void TestSignTable::shortFields_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QStringList>("fields");
    // name, element, lucky numbers, lucky day, compatibility, birthstone
    const QList<QStringList> rows = {
        {"Aries", "Fire", "9", "Tuesday", "Leo and Sagittarius", "Diamond"},
        {"Taurus", "Earth", "6", "Friday", "Capricorn and Virgo", "Emerald"},
        {"Gemini", "Air", "5", "Wednesday", "Aquarius and Libra", "Agate"},
        {"Cancer", "Water", "2", "Monday", "Pisces and Scorpio", "Pearl"},
        {"Leo", "Fire", "8 and 9", "Sunday", "Aries and Sagittarius", "Ruby"},
        {"Virgo", "Earth", "3 and 5", "Wednesday", "Capricorn and Taurus", "Sapphire"},
        {"Libra", "Air", "6 and 9", "Friday", "Aquarius and Gemini", "Opal"},
        {"Scorpio", "Water", "2 and 4", "Tuesday", "Cancer and Pisces", "Topaz"},
        {"Sagittarius", "Fire", "5 and 7", "Thursday", "Aries and Leo", "Turquoise"},
        {"Capricorn", "Earth", "8 and 2", "Saturday", "Taurus and Virgo", "Garnet"},
        {"Aquarius", "Air", "1 and 7", "Wednesday", "Gemini and Libra", "Amethyst"},
        {"Pisces", "Water", "2 and 6", "Friday", "Cancer and Scorpio", "Aquamarine"},
    };
    for (int i = 0; i < rows.size(); ++i)
        QTest::newRow(qPrintable(rows[i][0])) << i + 1 << rows[i];
}

void TestSignTable::shortFields() {
    QFETCH(int, number);
    QFETCH(QStringList, fields);
    const SignProfile& p = signProfile(static_cast<ZodiacSign>(number));
    QCOMPARE(
        QStringList({p.name, p.element, p.luckyNumbers, p.luckyDay, p.compatibility, p.birthstone}),
        fields);
    QCOMPARE(p.pictureIndex, number);
    QCOMPARE(&SignTable()[static_cast<std::size_t>(number - 1)], &p);
}

// A paragraph of the program's prose: no line breaks or tabs, no run of three blanks,
// no blank at either end except where the text is meant to end in exactly one.
static void checkParagraph(const QString& text, bool endsInOneBlank) {
    QVERIFY2(!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')), "line break");
    QVERIFY2(!text.contains(QLatin1Char('\t')), "tab");
    QVERIFY2(!text.contains(QStringLiteral("   ")), "run of three blanks");
    QVERIFY2(!text.startsWith(QLatin1Char(' ')), "leading blank");
    if (endsInOneBlank) {
        QVERIFY(text.endsWith(QLatin1Char(' ')));
        QVERIFY(!text.endsWith(QStringLiteral("  ")));
    } else {
        QVERIFY2(!text.endsWith(QLatin1Char(' ')), "trailing blank");
    }
    for (QChar c : text)
        QVERIFY2(c.unicode() >= 32 && c.unicode() < 127, "not plain ASCII");
}

void TestSignTable::traitTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("opening");
    struct Row {
        int positiveLength;
        const char* positive;
        int negativeLength;
        const char* negative;
    };
    const Row rows[kSignCount] = {
        {727, "You may be pioneers in your fields and developers of new technologies", 604,
         "You may be arrogant and domineering."},
        {755, "You are patient and enduring in nature.", 405,
         "You are very stubborn and inflexible."},
        {745, "You are very adjusting in nature and have a lot of patience.", 526,
         "You are inconsistent in your performance."},
        {866, "You are very sensitive in nature and generally soft spoken.", 609,
         "You are unstable and very unreliable."},
        {998, "You are leaders and have a magnetic personality.You are assertive", 646,
         "You have a violent temper."},
        {513, "You are very modest by nature.", 331,
         "Your need for neatness may make them fussy and finicky."},
        {717, "You are highly diplomatic individuals.", 366,
         "You cannot take make decisions for themselves."},
        {702, "You are intense and strong willed people", 536, "You have a very short temper."},
        {874, "You are a happy go lucky lot with a very positive outlook towards life", 378,
         "You may be too outspoken for your own good."},
        {732, "You are people with a traditional frame of mind.", 550,
         "You are very rigid in nature and not susceptible to changes."},
        {754, "You are magnetic in nature and people get attracted to your personality", 655,
         "You do not make friends very easily inspite of your extrovert nature."},
        {681, "You are very adjusting, friendly and good- natured people.", 415,
         "You want people to sympathize with your personal problems."},
    };
    for (int i = 0; i < kSignCount; ++i) {
        const SignProfile& p = SignTable()[static_cast<std::size_t>(i)];
        QTest::addRow("%s positive", qPrintable(p.name))
            << p.positiveTraits << rows[i].positiveLength << QString::fromLatin1(rows[i].positive);
        QTest::addRow("%s negative", qPrintable(p.name))
            << p.negativeTraits << rows[i].negativeLength << QString::fromLatin1(rows[i].negative);
    }
}

void TestSignTable::traitTexts() {
    QFETCH(QString, text);
    QFETCH(int, length);
    QFETCH(QString, opening);
    QCOMPARE(text.size(), length);
    QVERIFY2(text.startsWith(opening), qPrintable(text.left(opening.size())));
    checkParagraph(text, false);
}

void TestSignTable::leoIsTheJoinOfTwoPassages() {
    const QString one = Texts::leoPositivePassageOne();
    const QString two = Texts::leoPositivePassageTwo();
    QCOMPARE(one.size(), 783);
    QCOMPARE(two.size(), 215);
    QVERIFY(one.startsWith(QStringLiteral("You are leaders and have a magnetic personality.You")));
    QVERIFY(two.startsWith(QStringLiteral("You have a proud and dignified presence")));
    QCOMPARE(signProfile(ZodiacSign::Leo).positiveTraits, one + two);
}

void TestSignTable::cuspDescriptions_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<bool>("endsInOneBlank");
    QTest::newRow("January")
        << 0 << 758 << "You will be responsible and traditional in your thoughts and ideas."
        << false;
    QTest::newRow("February") << 1 << 433 << "You will have your own set of ideals and values."
                              << false;
    QTest::newRow("March") << 2 << 451
                           << "You will be very complex to understand. You will be quiet" << false;
    QTest::newRow("April") << 3 << 593 << "The bold and loud Aries will have a quiet and practical"
                           << false;
    QTest::newRow("May") << 4 << 584
                         << "The silent and stubborn Taurus will be more intellectual and" << true;
    QTest::newRow("June") << 5 << 526 << "This cusp is a great combination of logic and emotions."
                          << false;
    QTest::newRow("July") << 6 << 600
                          << "This cusp has the combined energies of the moody and sensitive Cancer"
                          << false;
    QTest::newRow("August") << 7 << 712
                            << "You will shift from being an arrogant, romantic and outgoing Leo to"
                            << false;
    QTest::newRow("September")
        << 8 << 554 << "You will be proud of your achievements and your practical, efficient"
        << true;
    QTest::newRow("October") << 9 << 492
                             << "You will be loving and adorable with your elegant charm" << false;
    QTest::newRow("November") << 10 << 549
                              << "You will be very resourceful and capable of being a pioneer in"
                              << false;
    QTest::newRow("December")
        << 11 << 509
        << "You will have a combination of the intellectual and adventurousness nature of" << false;
}

void TestSignTable::cuspDescriptions() {
    QFETCH(int, month);
    QFETCH(int, length);
    QFETCH(QString, opening);
    QFETCH(bool, endsInOneBlank);
    const QString text = Texts::cuspDescription(month);
    QCOMPARE(text.size(), length);
    QVERIFY(text.startsWith(opening));
    checkParagraph(text, endsInOneBlank);
}

void TestSignTable::windowTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("opening");
    const QString forum = Texts::forumDisplayAddress();
    const QString homeBusiness = QStringLiteral(
        "Home Business Opportunity. Start your own Internet business and make money online.");
    QTest::newRow("banner") << Texts::forumBanner() << 115 << QString();
    QTest::newRow("full brand") << Texts::fullBrandOffer() << 161 << homeBusiness;
    QTest::newRow("co-brand") << Texts::coBrandOffer() << 185
                              << QStringLiteral("Co-brand this software for your site.");
    QTest::newRow("about")
        << Texts::aboutDescription() << 220
        << QStringLiteral("Solvanta finds out if you are born in the cusp of two sun signs.");
    QTest::newRow("about promotion") << Texts::aboutPromotion() << 132 << homeBusiness;
    QTest::newRow("support 0")
        << Texts::supportText(0) << 227
        << QStringLiteral(
               "Quillory, such as this can be created and maintained only with your support.");
    QTest::newRow("support 1") << Texts::supportText(1) << 211 << QString();
    QTest::newRow("support 2") << Texts::supportText(2) << 160
                               << forum + QStringLiteral(" is a FREE online discussion forum");
    QTest::newRow("support 3") << Texts::supportText(3) << 196
                               << forum + QStringLiteral(" needs your help.");
    QTest::newRow("software promotion")
        << Texts::softwarePromotion() << 615
        << QStringLiteral("If you have enjoyed this software you will surely be interested in");
}

void TestSignTable::windowTexts() {
    QFETCH(QString, text);
    QFETCH(int, length);
    QFETCH(QString, opening);
    QCOMPARE(text.size(), length);
    QVERIFY(text.startsWith(opening));
    checkParagraph(text, false);
}

void TestSignTable::noTextRepeatsASentence() {
    QStringList texts;
    for (const SignProfile& p : SignTable())
        texts << p.positiveTraits << p.negativeTraits;
    for (int m = 0; m < 12; ++m)
        texts << Texts::cuspDescription(m);
    QSet<QString> seen;
    static const QRegularExpression sentenceEnd(QStringLiteral("(?<=[.!?])\\s+"));
    for (const QString& text : texts) {
        for (const QString& sentence : text.split(sentenceEnd, Qt::SkipEmptyParts)) {
            const QString s = sentence.trimmed();
            if (s.size() < 25)
                continue; // short stock phrases may recur
            QVERIFY2(!seen.contains(s), qPrintable(QStringLiteral("repeated: ") + s));
            seen.insert(s);
        }
    }
    QVERIFY(seen.size() > 100);
}

void TestSignTable::pictures() {
    const QStringList files = {"aries",       "taurus",    "gemini",   "cancer",
                               "leo",         "virgo",     "libra",    "scorpio",
                               "sagittarius", "capricorn", "aquarius", "pisces"};
    for (int i = 1; i <= kSignCount; ++i) {
        const QString path = signPicturePath(i);
        QCOMPARE(path, QStringLiteral(":/signs/%1.jpg").arg(files[i - 1]));
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        QCOMPARE(reader.size(), QSize(200, 200));
        QImageReader large(QStringLiteral(":/signs/%1@2x.jpg").arg(files[i - 1]));
        QCOMPARE(large.size(), QSize(400, 400));
    }
    QVERIFY(signPicturePath(0).isEmpty());
    QVERIFY(signPicturePath(13).isEmpty());
}

void TestSignTable::showSignProfileWritesNineValuesInOrder() {
    ResultModel result;
    ProfilePanel& panel = result.panel(ProfileSlot::First);
    QList<QString> writes;
    connect(&panel, &ProfilePanel::textChanged, this, [&](ProfilePanel::Field f, const QString&) {
        writes << QString::fromLatin1(
            QMetaEnum::fromType<ProfilePanel::Field>().valueToKey(static_cast<int>(f)));
    });
    connect(&panel, &ProfilePanel::pictureChanged, this,
            [&](int) { writes << QStringLiteral("Picture"); });

    ShowSignProfile(result, ZodiacSign::Capricorn, ProfileSlot::First);
    QCOMPARE(writes,
             QStringList({"SignName", "Element", "LuckyNumbers", "LuckyDay", "Compatibility",
                          "Birthstone", "PositiveTraits", "NegativeTraits", "Picture"}));
    QCOMPARE(panel.pictureIndex(), 10);
    QCOMPARE(panel.text(ProfilePanel::Field::LuckyNumbers), QStringLiteral("8 and 2"));
}

void TestSignTable::showSignProfileTouchesOnlyItsSlot() {
    ResultModel result;
    ShowSignProfile(result, ZodiacSign::Leo, ProfileSlot::First);
    QSignalSpy firstChanges(&result.panel(ProfileSlot::First), &ProfilePanel::textChanged);
    ShowSignProfile(result, ZodiacSign::Aries, ProfileSlot::Second);
    QCOMPARE(firstChanges.count(), 0);
    QCOMPARE(result.panel(ProfileSlot::First).text(ProfilePanel::Field::SignName),
             QStringLiteral("Leo"));
    QCOMPARE(result.panel(ProfileSlot::First).text(ProfilePanel::Field::PositiveTraits).size(),
             998);
    QCOMPARE(result.panel(ProfileSlot::Second).text(ProfilePanel::Field::SignName),
             QStringLiteral("Aries"));
    QCOMPARE(result.panel(ProfileSlot::Second).pictureIndex(), 1);
    QVERIFY(result.cuspDescription().isEmpty());
    QVERIFY(result.frameCaption(ProfileSlot::First).isEmpty());
}

void TestSignTable::refillingASlotReplacesEverything() {
    ResultModel result;
    const ProfilePanel& panel = result.panel(ProfileSlot::Second);
    QCOMPARE(panel.text(ProfilePanel::Field::Element), ProfilePanel::kUnfilledLabel);
    QCOMPARE(panel.pictureIndex(), 11);
    ShowSignProfile(result, ZodiacSign::Gemini, ProfileSlot::Second);
    ShowSignProfile(result, ZodiacSign::Cancer, ProfileSlot::Second);
    const SignProfile& cancer = signProfile(ZodiacSign::Cancer);
    using F = ProfilePanel::Field;
    QCOMPARE(QStringList({panel.text(F::SignName), panel.text(F::Element),
                          panel.text(F::LuckyNumbers), panel.text(F::LuckyDay),
                          panel.text(F::Compatibility), panel.text(F::Birthstone),
                          panel.text(F::PositiveTraits), panel.text(F::NegativeTraits)}),
             QStringList({cancer.name, cancer.element, cancer.luckyNumbers, cancer.luckyDay,
                          cancer.compatibility, cancer.birthstone, cancer.positiveTraits,
                          cancer.negativeTraits}));
    QCOMPARE(panel.pictureIndex(), 4);
}

namespace {

// The program's prose as the current translators give it: 12 positive and 12 negative
// trait texts, 12 cusp portraits, then the ten window texts.
QStringList allProse() {
    QStringList texts;
    for (const SignProfile& p : SignTable())
        texts << p.positiveTraits << p.negativeTraits;
    for (int m = 0; m < 12; ++m)
        texts << Texts::cuspDescription(m);
    texts << Texts::forumBanner() << Texts::fullBrandOffer() << Texts::coBrandOffer()
          << Texts::aboutDescription() << Texts::aboutPromotion() << Texts::softwarePromotion();
    for (int k = 0; k < 4; ++k)
        texts << Texts::supportText(k);
    return texts;
}

} // namespace

void TestSignTable::proseIsTranslated_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("march");
    QTest::newRow("de") << "de"
                        << "März";
    QTest::newRow("fr") << "fr"
                        << "mars";
    QTest::newRow("es") << "es"
                        << "marzo";
    QTest::newRow("pt_BR") << "pt_BR"
                           << "março";
}

// Every paragraph has its own translation (none left English, none another sign's or
// month's), the forum's address stays in the texts that name it, and the month list
// is the language's.
void TestSignTable::proseIsTranslated() {
    QFETCH(QString, language);
    QFETCH(QString, march);
    const QStringList english = allProse();
    QCOMPARE(Texts::monthNames().at(2), QStringLiteral("March"));

    const UseLanguage use(language);
    const QStringList texts = allProse();
    QCOMPARE(texts.size(), english.size());
    for (int i = 0; i < texts.size(); ++i) {
        QVERIFY2(texts[i] != english[i], qPrintable(QStringLiteral("English left: ") + english[i]));
        QVERIFY2(!texts[i].contains(QLatin1Char('%')), qPrintable(texts[i]));
        QCOMPARE(texts[i].contains(Texts::forumDisplayAddress()),
                 english[i].contains(Texts::forumDisplayAddress()));
    }
    QCOMPARE(QSet<QString>(texts.cbegin(), texts.cend()).size(), texts.size());
    QCOMPARE(Texts::monthNames().at(2), march);
}

QTEST_GUILESS_MAIN(TestSignTable)
#include "tst_signtable.moc"
