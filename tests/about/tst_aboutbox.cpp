#include "aboutbox.h"
#include "linklabel.h"
#include "look.h"
#include "texts.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class TestAboutBox : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Look::installApplicationLook(); }

    void showsItsFixedContent() {
        AboutBox box;
        QCOMPARE(box.objectName(), QStringLiteral("frmAbout"));
        QCOMPARE(box.windowTitle(), QStringLiteral("Solvanta v1.0"));
        QVERIFY(box.isModal());
        QCOMPARE(box.minimumSize(), QSize(455, 258));
        QCOMPARE(box.maximumSize(), QSize(455, 258));
        QVERIFY(
            !(box.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

        auto text = [&box](const char* name) {
            auto* label = box.findChild<QLabel*>(QString::fromLatin1(name));
            return label ? label->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
        };
        QCOMPARE(text("Label2"), QStringLiteral("Solvanta v1.0"));
        QCOMPARE(text("Label1"), Texts::aboutDescription());
        QCOMPARE(text("Label3"), Texts::aboutPromotion());
        QCOMPARE(text("lblHomePage"), "Click here to visit " + Texts::forumDisplayAddress());
        QCOMPARE(text("lblCoBrand"), QStringLiteral("Click here for more details."));
    }

    // Layout with the fonts actually available: no label may cut its text off.
    void textsAreNotClipped() {
        AboutBox box;
        const auto labels = box.findChildren<QLabel*>();
        QVERIFY(labels.size() >= 5);
        for (const QLabel* label : labels) {
            if (label->text().isEmpty())
                continue;
            if (label->wordWrap())
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                         qPrintable(label->objectName()));
            else
                QVERIFY2(label->sizeHint().width() <= label->width(),
                         qPrintable(label->objectName()));
            QVERIFY2(box.rect().contains(label->geometry()), qPrintable(label->objectName()));
        }
    }

    void closesFromItsButtonAndKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("result");
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier)
                               << int(QDialog::Accepted);
        QTest::newRow("keypad Enter")
            << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << int(QDialog::Accepted);
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier)
                                << int(QDialog::Rejected);
        QTest::newRow("access key")
            << int(Qt::Key_O) << int(Qt::AltModifier) << int(QDialog::Accepted);
        QTest::newRow("space on OK")
            << int(Qt::Key_Space) << int(Qt::NoModifier) << int(QDialog::Accepted);
    }
    void closesFromItsButtonAndKeys() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, result);
        AboutBox box;
        QSignalSpy finished(&box, &QDialog::finished);
        box.show();
        box.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        auto* ok = box.findChild<QPushButton*>(QStringLiteral("cmdOK"));
        QVERIFY(ok);
        QCOMPARE(QApplication::focusWidget(), ok);
        // Through the window, as the keyboard would: access keys go through the
        // shortcut map, other keys to the focused button.
        QTest::keyClick(box.windowHandle(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        // An access key presses the button with its short animation.
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(box.result(), result);
        QVERIFY(!box.isVisible());
    }

    void okButtonClickCloses() {
        AboutBox box;
        box.show();
        auto* ok = box.findChild<QPushButton*>(QStringLiteral("cmdOK"));
        QVERIFY(ok);
        QCOMPARE(ok->text(), QStringLiteral("&OK"));
        QCOMPARE(ok->accessibleName(), QStringLiteral("OK"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!box.isVisible());
        QCOMPARE(box.result(), int(QDialog::Accepted));
    }

    void linksOpenTheirPages_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<Link>("link");
        QTest::newRow("home page") << "lblHomePage" << Link::ForumHomePage;
        QTest::newRow("details") << "lblCoBrand" << Link::FullBrandingPage;
    }
    void linksOpenTheirPages() {
        QFETCH(QString, label);
        QFETCH(Link, link);
        AboutBox box;
        box.show();
        auto* linkLabel = box.findChild<LinkLabel*>(label);
        QVERIFY(linkLabel);
        QCOMPARE(linkLabel->accessibleName(), linkLabel->text());
        QSignalSpy requested(&box, &AboutBox::linkRequested);
        QTest::mouseClick(linkLabel, Qt::LeftButton);
        QCOMPARE(requested.count(), 1);
        QCOMPARE(requested.first().first().value<Link>(), link);
        QVERIFY2(box.isVisible(), "a link leaves the box open");
    }
};

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
