// bench_run: how long one press of "Find If I am Born in a Cusp" takes until the
// result window is exposed on a real X display, against creating and showing a bare
// main window of the result window's size. The two are timed in turns, in one
// process, with the recording platform answering the verdict box at once.
//
//   bench_run [--reps N] [--warmup N] [--qtest-wait]
//
// Prints one line of medians, and every sample on stderr:
//   run_ms       the press until the result window is exposed
//   build_ms     the part of run_ms before the first paint: the result window built,
//                filled and shown
//   run_cpu_ms   the CPU time of run_ms, which other load on the machine inflates
//                less than the elapsed time
//   bare_ms, bare_cpu_ms   the same for the bare window
// --qtest-wait waits with QTest::qWaitForWindowExposed, which sleeps in 10 ms steps;
// the default wait returns as soon as the expose event has been handled.

#include "fakeplatform.h"
#include "inputwindow.h"
#include "look.h"
#include "resultwindow.h"
#include "startup.h"
#include "windowregistry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

bool g_qtestWait = false;

bool isExposed(QWidget* widget) {
    return widget->windowHandle() && widget->windowHandle()->isExposed();
}

// Waits until the window is exposed, handling events as they come.
bool waitExposed(QWidget* widget) {
    if (g_qtestWait)
        return QTest::qWaitForWindowExposed(widget);
    QDeadlineTimer deadline(5000);
    QTimer wake; // bounds each blocking wait so that the deadline is seen
    wake.start(50);
    while (!isExposed(widget)) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

template <typename T> T* child(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found) {
        std::fprintf(stderr, "bench_run: no control %s\n", name);
        std::exit(2);
    }
    return found;
}

// CPU time of the calling thread, in ms.
double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

int parseCount(const QString& text, int least) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < least) {
        std::fprintf(stderr, "bench_run: bad count %s\n", qPrintable(text));
        std::exit(2);
    }
    return value;
}

// The timed steps are kept out of line so that a profiler can tell them apart
// (valgrind --tool=callgrind "--toggle-collect=*timeSearch*" or "*timeBare*").
class Bench {
public:
    explicit Bench(FakePlatform& platform)
        : m_platform(platform), m_windows(platform, [](int) {}) {}

    bool start() {
        if (!StartApplication(m_platform, m_windows))
            return false;
        InputWindow& input = m_windows.inputWindow();
        if (!waitExposed(&input))
            return false;
        // A cusp date: both profile panels and the cusp text are filled.
        child<QLineEdit>(&input, "txtFirstName")->setText(QStringLiteral("JOHN"));
        child<QLineEdit>(&input, "txtLastName")->setText(QStringLiteral("SMITH"));
        child<QComboBox>(&input, "cboDate")->setCurrentIndex(20 - 1);
        child<QComboBox>(&input, "cboMonth")->setCurrentIndex(1 - 1);
        child<QComboBox>(&input, "cboYear")->setCurrentIndex(1990 - 1900);
        return true;
    }

    // One search, from the press to the exposed result window; then Back, untimed.
    [[gnu::noinline]] double timeSearch() {
        InputWindow& input = m_windows.inputWindow();
        const qsizetype messagesBefore = m_platform.messages.size();
        QElapsedTimer timer;
        const double cpuStart = threadCpuMs();
        timer.start();
        child<QAbstractButton>(&input, "cmdNext")->click();
        lastBuildMs = timer.nsecsElapsed() / 1e6;
        ResultWindow* result = m_windows.loadedResultWindow();
        if (!result || !waitExposed(result))
            fail("the result window was not exposed");
        const double ms = timer.nsecsElapsed() / 1e6;
        lastCpuMs = threadCpuMs() - cpuStart;

        if (m_platform.messages.size() != messagesBefore + 1 ||
            !m_platform.messages.last().text.startsWith(
                QStringLiteral("Yes! You were born in the Cusp")))
            fail("the search did not find the cusp");
        child<QAbstractButton>(result, "cmdBack")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (m_windows.loadedResultWindow() || !waitExposed(&input))
            fail("Back did not return to the input window");
        return ms;
    }

    // A bare main window of the result window's size: create, show, exposed.
    [[gnu::noinline]] double timeBare() {
        QElapsedTimer timer;
        const double cpuStart = threadCpuMs();
        timer.start();
        auto* window = new QMainWindow;
        window->setWindowTitle(QStringLiteral("Bare"));
        window->menuBar()->addMenu(QStringLiteral("&File"));
        window->setFixedSize(561, 512 + window->menuBar()->sizeHint().height());
        window->show();
        if (!waitExposed(window))
            fail("the bare window was not exposed");
        const double ms = timer.nsecsElapsed() / 1e6;
        lastBareCpuMs = threadCpuMs() - cpuStart;
        delete window;
        QCoreApplication::processEvents();
        return ms;
    }

    // Of the last search: the press until the result window was built, filled and
    // shown, before the first paint.
    double lastBuildMs = 0;
    // Of the last search: CPU time of the program's thread from the press to the exposure.
    double lastCpuMs = 0;
    // The same for the last bare window.
    double lastBareCpuMs = 0;

private:
    [[noreturn]] static void fail(const char* why) {
        std::fprintf(stderr, "bench_run: %s\n", why);
        std::exit(1);
    }

    FakePlatform& m_platform;
    WindowRegistry m_windows;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    Look::installApplicationLook();

    int reps = 21;
    int warmup = 3;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--reps") && i + 1 < args.size())
            reps = parseCount(args[++i], 1);
        else if (args[i] == QLatin1String("--warmup") && i + 1 < args.size())
            warmup = parseCount(args[++i], 0);
        else if (args[i] == QLatin1String("--qtest-wait"))
            g_qtestWait = true;
        else {
            std::fprintf(stderr, "usage: bench_run [--reps N] [--warmup N] [--qtest-wait]\n");
            return 2;
        }
    }

    FakePlatform platform;
    Bench bench(platform);
    if (!bench.start()) {
        std::fprintf(stderr, "bench_run: the input window did not come up\n");
        return 1;
    }

    std::vector<double> runs;
    std::vector<double> builds;
    std::vector<double> cpus;
    std::vector<double> bareCpus;
    std::vector<double> bares;
    for (int i = 0; i < warmup + reps; ++i) {
        // Alternate which of the two goes first, so neither always follows the other.
        double run = 0;
        double bare = 0;
        if (i % 2 == 0) {
            run = bench.timeSearch();
            bare = bench.timeBare();
        } else {
            bare = bench.timeBare();
            run = bench.timeSearch();
        }
        if (i < warmup)
            continue;
        runs.push_back(run);
        builds.push_back(bench.lastBuildMs);
        cpus.push_back(bench.lastCpuMs);
        bareCpus.push_back(bench.lastBareCpuMs);
        bares.push_back(bare);
        std::fprintf(stderr,
                     "sample %d run_ms=%.2f build_ms=%.2f run_cpu_ms=%.2f bare_ms=%.2f "
                     "bare_cpu_ms=%.2f\n",
                     i - warmup + 1, run, bench.lastBuildMs, bench.lastCpuMs, bare,
                     bench.lastBareCpuMs);
    }
    std::printf("run_ms=%.2f build_ms=%.2f run_cpu_ms=%.2f bare_ms=%.2f bare_cpu_ms=%.2f reps=%d\n",
                median(runs), median(builds), median(cpus), median(bares), median(bareCpus), reps);
    return 0;
}
