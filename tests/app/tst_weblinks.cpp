#include "fakeplatform.h"
#include "weblinks.h"

#include <QTest>

using Procedure = void (*)(Platform&);
Q_DECLARE_METATYPE(Link)
Q_DECLARE_METATYPE(Procedure)

class TestWebLinks : public QObject {
    Q_OBJECT

private slots:
    void eachProcedureOpensItsAddress_data();
    void eachProcedureOpensItsAddress();
    void fixedAddresses();
};

void TestWebLinks::eachProcedureOpensItsAddress_data() {
    QTest::addColumn<Procedure>("procedure");
    QTest::addColumn<Link>("link");
    QTest::addColumn<QString>("address");
    QTest::newRow("help") << Procedure(&OpenHelpPage) << Link::HelpPage
                          << "https://www.solvanta.example/solvanta-help.html";
    QTest::newRow("download") << Procedure(&OpenDownloadPage) << Link::DownloadPage
                              << "https://www.solvanta.example/download-solvanta.html";
    QTest::newRow("forum") << Procedure(&OpenForumHomePage) << Link::ForumHomePage
                           << "https://forum.solvanta.example";
    QTest::newRow("donate") << Procedure(&OpenDonatePage) << Link::DonatePage
                            << "https://help.solvanta.example/donate.html";
    QTest::newRow("full brand") << Procedure(&OpenFullBrandingPage) << Link::FullBrandingPage
                                << "https://help.solvanta.example/fully-branded.html";
    QTest::newRow("co-brand") << Procedure(&OpenCoBrandingPage) << Link::CoBrandingPage
                              << "https://help.solvanta.example/co-brand.html";
    QTest::newRow("catalog") << Procedure(&OpenSoftwareCatalogPage) << Link::SoftwareCatalogPage
                             << "https://forum.solvanta.example/quillory";
}

void TestWebLinks::eachProcedureOpensItsAddress() {
    QFETCH(Procedure, procedure);
    QFETCH(Link, link);
    QFETCH(QString, address);
    FakePlatform platform;
    procedure(platform);
    OpenLink(platform, link);
    QCOMPARE(platform.openedAddresses.size(), 2);
    QCOMPARE(platform.openedAddresses[0].toString(), address);
    QCOMPARE(platform.openedAddresses[1].toString(), address);
    QVERIFY(platform.messages.isEmpty());
}

void TestWebLinks::fixedAddresses() {
    QCOMPARE(productHomePage().toString(), QStringLiteral("https://www.solvanta.example/"));
    QCOMPARE(referralEndpoint().toString(),
             QStringLiteral("https://forum.solvanta.example/vexo-refer-a-friend.php"));
}

QTEST_GUILESS_MAIN(TestWebLinks)
#include "tst_weblinks.moc"
