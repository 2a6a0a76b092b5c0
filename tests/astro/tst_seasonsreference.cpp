#include "signchanges.h"

#include <QFile>
#include <QTest>

#include <algorithm>
#include <cmath>

// The computed equinoxes and solstices against published ones (data/seasons.tsv).
//
// How they are compared: the published moment, taken at face value in UTC, against the
// computed one. USNO gives UT to the minute, so its own rounding accounts for up to 30 s
// of a difference; every moment must be within 60 s, which leaves 30 s for everything
// else (our ephemeris and time scales and theirs). IMCCE gives the second or better:
// there the median difference must be under 20 s as well.

namespace {

struct Reference {
    QString source;
    QString page;
    qint64 utcMsecs = 0; // the published moment
    int sign = 0;        // Aries, Cancer, Libra or Capricorn
};

constexpr qint64 kMsecsPerMinute = 60000;

int signOfSeason(int month) {
    switch (month) {
    case 3:
        return 1; // Aries, the March equinox
    case 6:
        return 4; // Cancer, the June solstice
    case 9:
        return 7; // Libra, the September equinox
    case 12:
        return 10; // Capricorn, the December solstice
    default:
        return 0;
    }
}

// "01:39", "03:54:05", "15:33:26.14", at the offset "+01:00", as a UTC instant.
qint64 publishedMoment(const QString& date, const QString& time, const QString& offset) {
    const QStringList hms = time.split(QLatin1Char(':'));
    const double seconds = hms.size() > 2 ? hms.at(2).toDouble() : 0.0;
    const qint64 midnight =
        QDateTime(QDate::fromString(date, Qt::ISODate), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch();
    const qint64 clock = midnight + (hms.at(0).toInt() * 60 + hms.at(1).toInt()) * kMsecsPerMinute +
                         std::llround(seconds * 1000.0);
    const int sign = offset.startsWith(QLatin1Char('-')) ? -1 : 1;
    const int offsetMinutes = offset.mid(1, 2).toInt() * 60 + offset.mid(4, 2).toInt();
    return clock - sign * offsetMinutes * kMsecsPerMinute;
}

const QList<Reference>& references() {
    static const QList<Reference> table = [] {
        QList<Reference> rows;
        QFile file(QStringLiteral(SEASONS_TABLE));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return rows;
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            const QStringList f = line.split(QLatin1Char('\t'));
            if (f.size() < 6)
                continue;
            const QDate date = QDate::fromString(f.at(1), Qt::ISODate);
            rows.append(Reference{f.at(0), f.at(4), publishedMoment(f.at(1), f.at(2), f.at(3)),
                                  signOfSeason(date.month())});
        }
        return rows;
    }();
    return table;
}

// Computed minus published, in seconds.
double difference(const Reference& reference) {
    const QDateTime published = QDateTime::fromMSecsSinceEpoch(reference.utcMsecs, Qt::UTC);
    for (const Astro::SignChange& change :
         Astro::signChangesInYear(published.date().year(), QTimeZone("UTC"))) {
        if (change.sign == reference.sign)
            return (change.utc.toMSecsSinceEpoch() - reference.utcMsecs) / 1000.0;
    }
    return qInf();
}

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values.at(n / 2) : 0.5 * (values.at(n / 2 - 1) + values.at(n / 2));
}

} // namespace

class TestSeasonsReference : public QObject {
    Q_OBJECT

private slots:
    void tableIsComplete();
    void withinAMinute_data();
    void withinAMinute();
    void errorsBySource_data();
    void errorsBySource();
};

void TestSeasonsReference::tableIsComplete() {
    const QList<Reference>& rows = references();
    QVERIFY2(rows.size() >= 40, qPrintable(QString::number(rows.size())));
    for (const Reference& row : rows)
        QVERIFY2(row.sign != 0, qPrintable(row.page));
    const auto count = [&](const QString& source) {
        return std::count_if(rows.begin(), rows.end(),
                             [&](const Reference& r) { return r.source == source; });
    };
    QCOMPARE(count(QStringLiteral("USNO")) + count(QStringLiteral("IMCCE")), rows.size());
    QVERIFY(count(QStringLiteral("IMCCE")) >= 10);
}

void TestSeasonsReference::withinAMinute_data() {
    QTest::addColumn<int>("index");
    const QList<Reference>& rows = references();
    for (int i = 0; i < rows.size(); ++i) {
        const QDateTime moment = QDateTime::fromMSecsSinceEpoch(rows.at(i).utcMsecs, Qt::UTC);
        QTest::addRow("%s %s", qPrintable(rows.at(i).source),
                      qPrintable(moment.toString(Qt::ISODate)))
            << i;
    }
}

void TestSeasonsReference::withinAMinute() {
    QFETCH(int, index);
    const Reference& row = references().at(index);
    const double seconds = difference(row);
    QVERIFY2(std::abs(seconds) <= 60.0,
             qPrintable(QStringLiteral("%1 s off (%2)").arg(seconds).arg(row.page)));
}

void TestSeasonsReference::errorsBySource_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<double>("roundingSeconds"); // half the source's last digit
    QTest::addColumn<double>("medianLimit");
    QTest::newRow("USNO, to the minute") << QStringLiteral("USNO") << 30.0 << 60.0;
    QTest::newRow("IMCCE, to the second") << QStringLiteral("IMCCE") << 0.5 << 20.0;
}

void TestSeasonsReference::errorsBySource() {
    QFETCH(QString, source);
    QFETCH(double, roundingSeconds);
    QFETCH(double, medianLimit);
    QList<double> errors;
    double largest = 0.0;
    QString largestAt;
    for (const Reference& row : references()) {
        if (row.source != source)
            continue;
        const double e = std::abs(difference(row));
        errors.append(e);
        if (e >= largest) {
            largest = e;
            largestAt = QDateTime::fromMSecsSinceEpoch(row.utcMsecs, Qt::UTC).toString(Qt::ISODate);
        }
    }
    QVERIFY(!errors.isEmpty());
    const double mid = median(errors);
    qInfo("%s: %lld moments, largest difference %.1f s (%s), median %.1f s; beyond the "
          "source's rounding (%.1f s): largest %.1f s",
          qPrintable(source), qint64(errors.size()), largest, qPrintable(largestAt), mid,
          roundingSeconds, std::max(0.0, largest - roundingSeconds));
    QVERIFY2(mid <= medianLimit, qPrintable(QString::number(mid)));
}

QTEST_GUILESS_MAIN(TestSeasonsReference)
#include "tst_seasonsreference.moc"
