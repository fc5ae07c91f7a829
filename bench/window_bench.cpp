// Each window command, from the command until its window is shown and painted: OK on the title
// window (the converter opens), About, Formulas, Fractions and Warranty from the converter's
// menu. The clock stops once the first paint pass of the new window has run, all its controls
// included. Offscreen platform. Target: under 16 ms, one frame at 60 Hz. Beside the time, the
// processor time of the user-interface thread (cpu_ms), which a busy machine does not stretch.
#include "form1.h"
#include "form4.h"
#include "toolkit.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <ctime>
#include <optional>

namespace {

using Clock = std::chrono::steady_clock;

double threadCpuMilliseconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) * 1e-6;
}

// Stops the clock when the window named `target` has been painted: its own paint event comes
// first in the paint pass, so the stop is queued behind the rest of the pass.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(const char *target)
        : m_target(QString::fromLatin1(target))
    {
        qApp->installEventFilter(this);
    }

    std::optional<Clock::time_point> stop;
    double stopCpu = 0;
    QPointer<QWidget> window;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!window && event->type() == QEvent::Paint && watched->objectName() == m_target
            && static_cast<QWidget *>(watched)->isWindow()) {
            window = static_cast<QWidget *>(watched);
            QMetaObject::invokeMethod(this, &FirstPaint::painted, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

    virtual void painted()
    {
        stop = Clock::now();
        stopCpu = threadCpuMilliseconds();
    }

private:
    QString m_target;
};

// A modal window runs its own loop: it is closed from inside it once painted.
class FirstPaintThenClose : public FirstPaint
{
public:
    using FirstPaint::FirstPaint;

protected:
    void painted() override
    {
        FirstPaint::painted();
        window->close();
    }
};

// Runs events until `done`, for at most five seconds; false if that was not enough.
template<typename Done> bool processUntil(Done done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return done();
}

void titleWindowOk(benchmark::State &state)
{
    double cpu = 0;
    for (auto _ : state) {
        auto *title = new Form4;
        title->setAttribute(Qt::WA_DeleteOnClose);
        toolkit::centre(title);
        title->show();
        if (!QTest::qWaitForWindowExposed(title)) {
            state.SkipWithError("the title window was not shown");
            return;
        }
        FirstPaint paint("Form1");
        auto *ok = title->findChild<QPushButton *>(QStringLiteral("Command1"));

        const double startCpu = threadCpuMilliseconds();
        const auto start = Clock::now();
        ok->click();
        if (!processUntil([&] { return paint.stop.has_value(); })) {
            state.SkipWithError("the converter was not painted");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(*paint.stop - start).count());
        cpu += paint.stopCpu - startCpu;
        delete paint.window.data();
        QCoreApplication::processEvents();
    }
    state.counters["cpu_ms"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
}

struct WindowCommand
{
    const char *name;
    const char *action;
    const char *window;
};

constexpr std::array<WindowCommand, 4> kCommands = {{
    {"About", "mnufileabout", "Form0"},
    {"Formulas", "mnutoolsformula", "Form2"},
    {"Fractions", "mnutoolsdecimals", "Form6"},
    {"Warranty", "mnuregwarrant", "Form5"},
}};

void openFromConverter(benchmark::State &state, const WindowCommand &command)
{
    Form1 form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        state.SkipWithError("the converter was not shown");
        return;
    }
    QAction *action = form.findChild<QAction *>(QString::fromLatin1(command.action));
    double cpu = 0;
    for (auto _ : state) {
        FirstPaintThenClose paint(command.window);
        const double startCpu = threadCpuMilliseconds();
        const auto start = Clock::now();
        action->trigger(); // returns once the window has closed again
        if (!paint.stop || !form.isVisible()) {
            state.SkipWithError("the window was not painted, or the converter did not come back");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(*paint.stop - start).count());
        cpu += paint.stopCpu - startCpu;
        QCoreApplication::processEvents(); // the converter's own repaint, not timed
    }
    state.counters["cpu_ms"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
}

} // namespace

int main(int argc, char *argv[])
{
    // No display needed; the raster painting is the same as on screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    benchmark::RegisterBenchmark("openWindow/TitleOk", titleWindowOk)->UseManualTime();
    for (const WindowCommand &command : kCommands)
        benchmark::RegisterBenchmark((std::string("openWindow/") + command.name).c_str(), openFromConverter,
                                     command)
            ->UseManualTime();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
