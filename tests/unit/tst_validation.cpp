#include "validation.h"

#include <QTest>

Q_DECLARE_METATYPE(InputField)

namespace {

BirthInput input(const QString& first, const QString& last, int day, int month, int year) {
    BirthInput in;
    in.firstName = first;
    in.lastName = last;
    in.dayIndex = static_cast<qint16>(day - 1);
    in.dayText = QString::number(day);
    in.monthIndex = static_cast<qint16>(month - 1);
    in.monthText = QStringLiteral("M%1").arg(month);
    in.yearText = QString::number(year);
    return in;
}

const QString kFebruaryMessage = QStringLiteral("Please Enter Correct Date Or Month!");
const QString kThirtyMessage = QStringLiteral("Please Enter Correct Date Or Month !");

} // namespace

class TestValidation : public QObject {
    Q_OBJECT

private slots:
    void firstFailureWins_data();
    void firstFailureWins();
    void dates_data();
    void dates();
    void leapYears();
};

void TestValidation::firstFailureWins_data() {
    QTest::addColumn<BirthInput>("in");
    QTest::addColumn<QString>("message");
    QTest::addColumn<InputField>("focus");

    const BirthInput good = input("JOHN", "SMITH", 31, 2, 1905); // fails only at the date check
    BirthInput b = good;
    b.firstName.clear();
    b.lastName.clear();
    b.dayText.clear();
    QTest::newRow("both names empty")
        << b << "Please Enter Your First Name" << InputField::FirstName;
    b = good;
    b.lastName.clear();
    b.dayText.clear();
    QTest::newRow("last name empty") << b << "Please Enter Your Last Name" << InputField::LastName;
    b = good;
    b.dayText.clear();
    b.monthText.clear();
    QTest::newRow("no day") << b << "Please Specify Your Birth Date" << InputField::Day;
    b = good;
    b.monthText.clear();
    b.yearText.clear();
    QTest::newRow("no month") << b << "Please Specify Your Birth Month" << InputField::Month;
    b = good;
    b.yearText.clear();
    QTest::newRow("no year") << b << "Please Specify Your Birth Year" << InputField::Year;
    QTest::newRow("31 February") << good << kFebruaryMessage << InputField::None;
    QTest::newRow("31 April") << input("A", "B", 31, 4, 2000) << kThirtyMessage << InputField::None;
}

void TestValidation::firstFailureWins() {
    QFETCH(BirthInput, in);
    QFETCH(QString, message);
    QFETCH(InputField, focus);
    const auto failure = ValidateBirthInput(in);
    QVERIFY(failure.has_value());
    QCOMPARE(failure->message, message);
    QCOMPARE(failure->focus, focus);
}

void TestValidation::dates_data() {
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("message"); // empty: accepted

    QTest::newRow("29 Feb 1904") << 29 << 2 << 1904 << QString();
    QTest::newRow("29 Feb 2000") << 29 << 2 << 2000 << QString();
    QTest::newRow("29 Feb 2048") << 29 << 2 << 2048 << QString();
    QTest::newRow("29 Feb 1900") << 29 << 2 << 1900 << kFebruaryMessage;
    QTest::newRow("29 Feb 2100 is not offered but is no leap day")
        << 29 << 2 << 2100 << kFebruaryMessage;
    QTest::newRow("29 Feb 1905") << 29 << 2 << 1905 << kFebruaryMessage;
    QTest::newRow("28 Feb 1905") << 28 << 2 << 1905 << QString();
    QTest::newRow("30 Feb 2000") << 30 << 2 << 2000 << kFebruaryMessage;
    QTest::newRow("31 Feb 2000") << 31 << 2 << 2000 << kFebruaryMessage;
    for (int month : {4, 6, 9, 11}) {
        QTest::addRow("31 of month %d", month) << 31 << month << 1999 << kThirtyMessage;
        QTest::addRow("30 of month %d", month) << 30 << month << 1999 << QString();
    }
    for (int month : {1, 3, 5, 7, 8, 10, 12})
        QTest::addRow("31 of month %d", month) << 31 << month << 1999 << QString();
}

void TestValidation::dates() {
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, message);
    const auto failure = ValidateBirthInput(input("A", "B", day, month, year));
    if (message.isEmpty()) {
        QVERIFY2(!failure, failure ? qPrintable(failure->message) : "");
    } else {
        QVERIFY(failure);
        QCOMPARE(failure->message, message);
        QCOMPARE(failure->focus, InputField::None);
    }
}

void TestValidation::leapYears() {
    // Names of blanks are names; the middle name is never looked at.
    BirthInput in = input(" ", "  ", 1, 1, 1900);
    in.middleName.clear();
    QVERIFY(!ValidateBirthInput(in));
    int leap = 0;
    for (int year = 1900; year <= 2050; ++year)
        leap += isLeapYear(year) ? 1 : 0;
    QCOMPARE(leap, 37); // 1904..2048 every fourth year, 2000 included, 1900 not
    QVERIFY(isLeapYear(2000));
    QVERIFY(!isLeapYear(1900));
}

QTEST_GUILESS_MAIN(TestValidation)
#include "tst_validation.moc"
