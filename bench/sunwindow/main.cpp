// Opening "Sun Sign Changes": from the input window's menu entry until the window
// is exposed with its table filled, in-process with the recording platform. The
// first opening in a run also reads the system's list of time zones; later ones
// build the window anew (it is destroyed when closed). Then, in an open window, a change
// of day: from choosing the day until the picture of the sign change is painted again
// with the new birth (and the reading, the sentence and everything else redrawn with it).
// Prints each figure in ms.
//
// With --memory, also the resident memory after the first opening and after the rest
// (what opening and closing the window keeps).
//
//   bench_sunwindow [--reps N] [--memory]   (needs a display: Xvfb or the offscreen platform)
#include "fakeplatform.h"
#include "inputwindow.h"
#include "startup.h"
#include "sunchangeswindow.h"
#include "sunpicture.h"
#include "windowregistry.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTableWidget>
#include <QTest>

#include <QFile>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Counts the paint events of the widget it watches.
class PaintCounter : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

// The process's resident memory in KiB, from /proc.
long residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').constFirst().toLong();
    }
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int reps = 21;
    const QStringList args = app.arguments();
    if (const qsizetype at = args.indexOf(QStringLiteral("--reps")); at > 0 && at + 1 < args.size())
        reps = std::max(1, args.at(at + 1).toInt());
    const bool memory = args.contains(QStringLiteral("--memory"));
    long afterFirst = 0;

    FakePlatform platform;
    WindowRegistry windows(platform, [](int) {});
    if (!StartApplication(platform, windows))
        return 1;
    QAction* entry = windows.inputWindow().findChild<QAction*>(QStringLiteral("mnuSunChanges"));
    if (!entry)
        return 1;

    std::vector<double> times;
    for (int rep = 0; rep <= reps; ++rep) {
        QElapsedTimer clock;
        clock.start();
        entry->trigger();
        SunChangesWindow* window = windows.loadedSunChangesWindow();
        if (!window || !QTest::qWaitForWindowExposed(window))
            return 1;
        const auto* table = window->findChild<QTableWidget*>(QStringLiteral("tblChanges"));
        if (!table || table->item(11, 0)->text().isEmpty())
            return 1;
        const double ms = clock.nsecsElapsed() / 1e6;
        if (rep == 0)
            std::printf("first opening (reads the zone list): %.1f ms\n", ms);
        else
            times.push_back(ms);
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        if (rep == 0)
            afterFirst = residentKiB();
    }
    if (memory) {
        const long afterAll = residentKiB();
        std::printf("resident after the first opening: %ld KiB, after %d more: %ld KiB "
                    "(%+ld KiB, %.2f KiB a cycle)\n",
                    afterFirst, reps, afterAll, afterAll - afterFirst,
                    double(afterAll - afterFirst) / reps);
    }
    std::sort(times.begin(), times.end());
    std::printf("later openings: median %.1f ms, max %.1f ms (%d)\n", times[times.size() / 2],
                times.back(), reps);

    // Redrawing for a change of day, around the Sun's entry into Leo in 1990.
    entry->trigger();
    SunChangesWindow* window = windows.loadedSunChangesWindow();
    if (!window || !QTest::qWaitForWindowExposed(window))
        return 1;
    window->chooseZone("Europe/Berlin");
    window->showDate(QDate(1990, 7, 10));
    auto* days = window->findChild<QComboBox*>(QStringLiteral("cboDay"));
    auto* picture = window->findChild<SunPicture*>(QStringLiteral("picSun"));
    if (!days || !picture)
        return 1;
    PaintCounter paints;
    picture->installEventFilter(&paints);
    QCoreApplication::processEvents();
    std::vector<double> redraws;
    for (int rep = 0; rep < reps; ++rep) {
        const int day = 10 + rep % 21; // 11 to 31 July, and again
        paints.count = 0;
        QElapsedTimer clock;
        clock.start();
        days->setCurrentIndex(day);
        // The painting the change asked for, delivered now rather than at the next frame.
        QCoreApplication::sendPostedEvents();
        if (paints.count == 0 || picture->scene().birthDay.day() != day + 1)
            return 1;
        redraws.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(redraws.begin(), redraws.end());
    std::printf("redraw for a change of day: median %.2f ms, max %.2f ms (%d)\n",
                redraws[redraws.size() / 2], redraws.back(), reps);
    return 0;
}
