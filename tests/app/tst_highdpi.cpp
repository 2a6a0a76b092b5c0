#include "aboutbox.h"
#include "fakeplatform.h"
#include "look.h"
#include "resultwindow.h"

#include <QLabel>
#include <QTest>

// Run with QT_SCALE_FACTOR=2: pictures must come from their double-size versions
// instead of being stretched.
class TestHighDpi : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        Look::installApplicationLook();
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
    }

    void signPicturesUseTheirLargeVersion() {
        FakePlatform platform;
        ResultWindow window(platform);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ShowSignProfile(window.model(), ZodiacSign::Leo, ProfileSlot::First);
        for (const char* name : {"picSunSign_0", "picSunSign_1"}) {
            auto* picture = window.findChild<QLabel*>(QLatin1String(name));
            QVERIFY(picture);
            const QPixmap pixmap = picture->pixmap();
            QCOMPARE(pixmap.deviceIndependentSize().toSize(), QSize(200, 200));
            QCOMPARE(pixmap.size(), QSize(400, 400));
        }
    }

    void aboutIconUsesALargerSize() {
        AboutBox box;
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        auto* picture = box.findChild<QLabel*>(QStringLiteral("Picture1"));
        QVERIFY(picture);
        QCOMPARE(picture->pixmap().size(), QSize(64, 64));
        QCOMPARE(picture->pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
    }
};

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
