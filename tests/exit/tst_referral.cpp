#include "referral.h"
#include "weblinks.h"

#include <QTest>
#include <QUrlQuery>

using namespace Referral;

namespace {

// A submission that passes every check.
ReferralValues complete() {
    return {QStringLiteral("Ann"), QStringLiteral("ann@mail.example"), QStringLiteral("Hello"),
            QStringLiteral("Bob"), QStringLiteral("bob@mail.example")};
}

ReferralValues untouched() {
    return {kNamePlaceholder, kEmailPlaceholder, kInitialMessage, kFriendNamePlaceholder,
            kFriendEmailPlaceholder};
}

const char* const kKeys[] = {"taf1", "taf2", "taf3", "taf4", "taf5", "taf6"};

} // namespace

class TestReferral : public QObject {
    Q_OBJECT

private slots:
    void trimsOnlyBlanks_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("blanks") << "  Ann Lee  "
                                << "Ann Lee";
        QTest::newRow("only blanks") << "    "
                                     << "";
        QTest::newRow("tabs stay") << "\tAnn\t"
                                   << "\tAnn\t";
        QTest::newRow("line break stays") << " Your Message\r\n"
                                          << "Your Message\r\n";
        QTest::newRow("blank after line break") << "Hi\r\n "
                                                << "Hi\r\n";
        QTest::newRow("empty") << ""
                               << "";
    }
    void trimsOnlyBlanks() {
        QFETCH(QString, text);
        QFETCH(QString, trimmed);
        QCOMPARE(trimSpaces(text), trimmed);
    }

    // Each row breaks one rule; the message must be the first rule broken.
    void submissionChecksInOrder_data() {
        QTest::addColumn<ReferralValues>("values");
        QTest::addColumn<QString>("message");

        QTest::newRow("untouched form") << untouched() << kImproperEmail;

        ReferralValues v = untouched();
        v.senderEmail = v.friendEmail = QStringLiteral("same@mail.example");
        QTest::newRow("same address before anything else") << v << kSameEmails;

        v = complete();
        v.senderEmail = v.friendEmail = QString();
        QTest::newRow("both addresses empty") << v << kSameEmails;

        v = complete();
        v.senderEmail = QStringLiteral("ann@mail");
        QTest::newRow("sender without dot") << v << kImproperEmail;

        v = complete();
        v.friendEmail = QStringLiteral("bob.mail.example");
        QTest::newRow("friend without at") << v << kImproperEmail;

        v = complete();
        v.friendEmail = QStringLiteral("bob@mail");
        QTest::newRow("friend without dot") << v << kImproperEmail;

        v = complete();
        v.senderName = kNamePlaceholder;
        QTest::newRow("name placeholder") << v << kNoName;

        v = complete();
        v.senderName = QString();
        v.friendName = QString();
        QTest::newRow("name empty before friend's name") << v << kNoName;

        v = complete();
        v.message = kMessagePlaceholder;
        QTest::newRow("message placeholder") << v << kNoMessage;

        v = complete();
        v.message = QString();
        QTest::newRow("message empty") << v << kNoMessage;

        v = complete();
        v.friendName = kFriendNamePlaceholder;
        QTest::newRow("friend's name placeholder") << v << kNoFriendName;
    }
    void submissionChecksInOrder() {
        QFETCH(ReferralValues, values);
        QFETCH(QString, message);
        QCOMPARE(ReferralProblem(values), std::optional<QString>(message));
    }

    // The e-mail rules can no longer fail when the address checks run, so these
    // two messages come only from the check of missing values on its own.
    void sendingAsksForMissingAddresses_data() {
        QTest::addColumn<ReferralValues>("values");
        QTest::addColumn<QString>("message");
        ReferralValues v = complete();
        v.senderEmail = QString();
        QTest::newRow("sender e-mail empty") << v << kNoEmail;
        v.senderEmail = kEmailPlaceholder;
        QTest::newRow("sender e-mail placeholder") << v << kNoEmail;
        v = complete();
        v.friendEmail = kFriendEmailPlaceholder;
        QTest::newRow("friend e-mail placeholder") << v << kNoFriendEmail;
    }
    void sendingAsksForMissingAddresses() {
        QFETCH(ReferralValues, values);
        QFETCH(QString, message);
        QCOMPARE(ReferralMissingValue(values), std::optional<QString>(message));
    }

    void passingSubmissionsHaveNoProblem_data() {
        QTest::addColumn<ReferralValues>("values");
        QTest::newRow("complete") << complete();
        ReferralValues v = complete();
        v.senderEmail = QStringLiteral("Bob@Mail.example");
        v.friendEmail = QStringLiteral("bob@mail.example");
        QTest::newRow("addresses differing in case") << v;
        v = complete();
        v.senderEmail = QStringLiteral("ann.lee@mail");
        QTest::newRow("only dot before the at") << v;
        v = complete();
        v.message = kInitialMessage;
        QTest::newRow("message never reached") << v;
    }
    void passingSubmissionsHaveNoProblem() {
        QFETCH(ReferralValues, values);
        QCOMPARE(ReferralProblem(values), std::nullopt);
    }

    void addressCarriesValuesExactly_data() {
        QTest::addColumn<ReferralValues>("values");
        QTest::newRow("plain") << complete();
        QTest::newRow("delimiters")
            << ReferralValues{QStringLiteral("A&taf2=evil"), QStringLiteral("a+b@c.d#frag"),
                              QStringLiteral("100% & more; a=b?c/d"), QStringLiteral("Bob + Co"),
                              QStringLiteral("b%40@c.d%26")};
        QTest::newRow("line breaks and blanks")
            << ReferralValues{QStringLiteral("Ann\tLee"), QStringLiteral("ann@x.y"),
                              QStringLiteral("Your Message\r\n"), QStringLiteral("Bob  Smith"),
                              QStringLiteral("bob@x.y")};
        QTest::newRow("other scripts")
            << ReferralValues{QStringLiteral("Zoë Ångström"), QStringLiteral("zoë@例え.jp"),
                              QStringLiteral("Привет, друг! 你好 👋"), QStringLiteral("Σωκράτης"),
                              QStringLiteral("s@x.gr")};
        QTest::newRow("very long")
            << ReferralValues{QString(10000, QLatin1Char('n')), QStringLiteral("a@b.c"),
                              QString(5000, QLatin1Char('&')) + QString(5000, QLatin1Char('+')),
                              QStringLiteral("f"), QStringLiteral("f@b.c")};
    }
    void addressCarriesValuesExactly() {
        QFETCH(ReferralValues, values);
        const QUrl url = ReferralAddress(values);
        QVERIFY(url.isValid());
        QCOMPARE(url.scheme(), QStringLiteral("https"));
        QCOMPARE(url.host(), referralEndpoint().host());
        QCOMPARE(url.path(), QStringLiteral("/vexo-refer-a-friend.php"));
        QVERIFY(!url.hasFragment());

        const QUrlQuery query(url);
        const auto items = query.queryItems(QUrl::FullyDecoded);
        QCOMPARE(items.size(), 6);
        const QString expected[] = {values.senderName,  values.senderEmail,
                                    values.message,     values.friendName,
                                    values.friendEmail, productHomePage().toString()};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(items.at(i).first, QString::fromLatin1(kKeys[i]));
            QCOMPARE(items.at(i).second, expected[i]);
        }
        QVERIFY(items.last().second.endsWith(QLatin1Char('/')));

        // On the wire: five separators, and nothing a server could read differently.
        const QByteArray wire = url.toEncoded();
        const QByteArray queryPart = wire.mid(wire.indexOf('?') + 1);
        QCOMPARE(queryPart.count('&'), 5);
        QCOMPARE(queryPart.count('='), 6);
        for (char raw : {'+', '#', ' ', '\r', '\n'})
            QVERIFY2(!queryPart.contains(raw), queryPart.left(200).constData());
        for (const uchar c : queryPart)
            QVERIFY(c < 0x80);
    }
};

QTEST_GUILESS_MAIN(TestReferral)
#include "tst_referral.moc"
