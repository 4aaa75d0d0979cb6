// The controller as a whole, headless in simulation, against floors
// measured in the same run: start-up to the main window's first frame and
// idle CPU and memory against a minimal Qt Quick program showing an
// 800 x 480 window, and the time from a pan on a reader to its hold against
// the reader poll period.
//
//   bench_controller [--seconds N] [--runs N] [--pans N] [--kivlfb PATH]
//
//   --seconds  idle measuring window per program        (default 60)
//   --runs     start-ups per program, separate processes (default 7)
//   --pans     pans placed for the latency figures       (default 48)
//   --kivlfb   the controller program (default: <build>/kivlfb/kivlfb)
//
// Every controller runs as a primary display with NFC, in simulation, in a
// fresh file-system root of its own holding the simulation's personality
// file, on a private virtual CAN bus, a pseudo-terminal for a serial line
// and a private D-Bus daemon, headless (offscreen, software rendering).

#include "childprocess.h"
#include "controllerrun.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <unistd.h>

namespace {

constexpr int kStartUpTimeoutMs = 120000;
constexpr int kExitTimeoutMs = 30000;
constexpr int kPerPanTimeoutMs = 10000;

struct Options
{
    int seconds = 60;
    int runs = 7;
    int pans = 48;
    QString kivlfb;
};

struct StartUp
{
    double fromLaunchMs = 0;
    double fromProcessStartMs = 0;
    double constructedMs = -1; // the controller's constructor returned
};

double quantile(QVector<double> values, double q)
{
    if (values.isEmpty())
        return std::nan("");
    std::sort(values.begin(), values.end());
    // Nearest rank.
    const int rank = std::max(1, int(std::ceil(q * values.size())));
    return values.at(rank - 1);
}

double median(const QVector<double> &values)
{
    return quantile(values, 0.5);
}

QString ratio(double value, double floor)
{
    if (!(floor > 0) || std::isnan(value))
        return QStringLiteral("  n/a");
    return QString::asprintf("%5.1fx", value / floor);
}

// Set on a failure: the work directory with the logs is then kept.
bool failed = false;

void report(const ChildProcess &child, const char *what)
{
    if (ChildProcess::stopRequested())
        return;
    failed = true;
    std::printf("  %s failed: %s (log: %s)\n", what, child.errorText().constData(),
                qPrintable(child.logFile()));
    std::fflush(stdout);
}

// Start-up to the first frame, in ms from the launcher's clock and from the
// kernel's start time of the process; false when no frame came.
bool firstFrame(const QString &program, const QStringList &arguments, const QProcessEnvironment &env,
                const QString &log, StartUp *figures)
{
    ChildProcess child;
    QList<QByteArray> fields;
    if (!child.start(program, arguments + QStringList{QStringLiteral("--first-frame-only")}, env, log)
        || !child.waitForLine("first-frame", kStartUpTimeoutMs, &fields) || fields.size() < 2) {
        report(child, "start-up");
        return false;
    }
    figures->fromLaunchMs = fields.at(0).toDouble();
    figures->fromProcessStartMs = fields.at(1).toDouble();
    if (!child.waitForExit(kExitTimeoutMs))
        child.stop();
    const QList<QList<QByteArray>> constructed = child.linesWithKey("constructed");
    if (!constructed.isEmpty())
        figures->constructedMs = constructed.first().value(0).toDouble();
    return true;
}

void printIdle(const char *label, const Idle &figures)
{
    if (!figures.ok) {
        std::printf("  %-44s   (no figures)\n", label);
        return;
    }
    std::printf("  %-44s %8.2f  %9.1f  %9.1f\n", label, figures.cpuMsPerSecond, figures.meanRssMb,
                figures.peakRssMb);
}

void startUp(Setup &setup, const Options &options, double *controllerMedian, double *minimalMedian)
{
    std::printf("\nStart-up to the main window's first frame (%d separate processes each, "
                "taken in turn)\n", options.runs);
    QVector<double> controller, controllerKernel, constructed, minimal, minimalKernel;
    int drawnInsideConstructor = 0;
    for (int run = 0; run < options.runs && !ChildProcess::stopRequested(); ++run) {
        StartUp figures;
        const QString root = newControllerRoot(setup);
        if (firstFrame(setup.probe, {QStringLiteral("-simulation")}, controllerEnvironment(setup, root),
                       logName(setup, QStringLiteral("startup-controller-%1").arg(run)), &figures)) {
            controller.append(figures.fromLaunchMs);
            controllerKernel.append(figures.fromProcessStartMs);
            if (figures.constructedMs >= 0)
                constructed.append(figures.constructedMs);
            if (figures.constructedMs >= figures.fromLaunchMs)
                ++drawnInsideConstructor;
        }
        if (firstFrame(setup.minimal, {}, setup.environment,
                       logName(setup, QStringLiteral("startup-minimal-%1").arg(run)), &figures)) {
            minimal.append(figures.fromLaunchMs);
            minimalKernel.append(figures.fromProcessStartMs);
        }
    }
    std::printf("  %-44s %8s  %8s  %8s  %s\n", "", "median", "min", "max", "(median from the kernel's start time)");
    auto row = [](const char *label, const QVector<double> &v, const QVector<double> &k) {
        if (v.isEmpty()) {
            std::printf("  %-44s   (no figures)\n", label);
            return;
        }
        std::printf("  %-44s %5.0f ms  %5.0f ms  %5.0f ms  (%.0f ms, %d runs)\n", label, median(v),
                    *std::min_element(v.begin(), v.end()), *std::max_element(v.begin(), v.end()),
                    median(k), int(v.size()));
    };
    row("controller, primary display in simulation", controller, controllerKernel);
    row("minimal Qt Quick window 800 x 480", minimal, minimalKernel);
    if (!constructed.isEmpty())
        std::printf("  (the controller's constructor returned at %.0f ms, median; the first frame came before\n"
                    "  it returned in %d of %d runs)\n",
                    median(constructed), drawnInsideConstructor, int(controller.size()));
    *controllerMedian = median(controller);
    *minimalMedian = median(minimal);
    std::printf("  %-44s %s\n", "controller / minimal", qPrintable(ratio(*controllerMedian, *minimalMedian)));
    std::fflush(stdout);
}

void latency(Setup &setup, const Options &options)
{
    std::printf("\nPan on a simulated reader to the start of its bin's hold (%d pans over all bins, "
                "each with a new tray id, put down at a random point of the poll cycle)\n", options.pans);
    std::fflush(stdout);
    ChildProcess child;
    const QString root = newControllerRoot(setup);
    if (!child.start(setup.probe, {QStringLiteral("-simulation"), QStringLiteral("--pans=%1").arg(options.pans)},
                     controllerEnvironment(setup, root), logName(setup, QStringLiteral("latency-controller")))
        || !child.waitForLine("ready", kReadyTimeoutMs + options.pans * kPerPanTimeoutMs)) {
        report(child, "latency run");
        return;
    }
    QVector<double> held, seen, own;
    for (const QList<QByteArray> &pan : child.linesWithKey("pan")) {
        const double toHold = pan.value(1).toDouble();
        const double toSeen = pan.value(2).toDouble(); // negative: the report was not caught
        held.append(toHold);
        if (toSeen >= 0) {
            seen.append(toSeen);
            own.append(toHold - toSeen);
        }
    }
    const QList<QByteArray> poll = child.linesWithKey("poll-period").value(0);
    const double period = poll.value(0).toDouble();
    child.stop();

    std::printf("  floor: the reader poll period, measured between reads of reader 1: %.0f ms "
                "(median of %s); a pan cannot be seen before the next poll of its reader,\n"
                "  so a pan put down at a random moment waits on average half of it and at most all of it\n",
                period, poll.value(1).constData());
    std::printf("  %-44s %8s  %8s  %8s\n", "", "median", "p90", "max");
    auto row = [](const char *label, const QVector<double> &v) {
        std::printf("  %-44s %5.0f ms  %5.0f ms  %5.0f ms\n", label, median(v), quantile(v, 0.9),
                    v.isEmpty() ? std::nan("") : *std::max_element(v.begin(), v.end()));
    };
    row("pan down -> hold started", held);
    row("  of it: waiting for the reader's poll", seen);
    row("  of it: the controller (seen -> hold)", own);
    std::printf("  %-44s %s (median / median wait for the poll), %s (max / poll period)\n",
                "hold start / floor", qPrintable(ratio(median(held), median(seen))),
                qPrintable(ratio(held.isEmpty() ? std::nan("") : *std::max_element(held.begin(), held.end()),
                                 period)));
    std::printf("  (%d pans measured)\n", int(held.size()));
    std::fflush(stdout);
}

// Ends with the summary of all ratios to the minimal program; the start-up
// medians come from startUp().
void idleCost(Setup &setup, const Options &options, double controllerStartUpMs, double minimalStartUpMs)
{
    std::printf("\nIdle over %d s, from %d s after the controllers' start and %d s after they hold\n"
                "(CPU = user + system of all threads from /proc/<pid>/stat in %ld ms ticks; RSS = mean of\n"
                "VmRSS sampled every second; VmHWM = peak since start; both from /proc/<pid>/status)\n",
                options.seconds, kControllerSteadyMs / 1000, kSettleMs / 1000, 1000 / sysconf(_SC_CLK_TCK));
    std::printf("  %-44s %8s  %9s  %9s\n", "", "CPU ms/s", "RSS MB", "VmHWM MB");
    std::fflush(stdout);

    // The controller holding in every bin.
    Idle controller;
    const QString root = newControllerRoot(setup);
    {
        ChildProcess child;
        if (!child.start(setup.probe, {QStringLiteral("-simulation"), QStringLiteral("--pans=1")},
                         controllerEnvironment(setup, root), logName(setup, QStringLiteral("idle-controller")))
            || !child.waitForLine("ready", kReadyTimeoutMs)) {
            report(child, "idle run of the controller");
        } else {
            controller = idle(child, options.seconds, kControllerSteadyMs);
        }
    }
    printIdle("controller, a pan holding in every bin", controller);

    // The program itself as the simulation run starts it: nothing is held.
    Idle program;
    {
        ChildProcess child;
        if (!child.start(setup.kivlfb, {QStringLiteral("-simulation")},
                         controllerEnvironment(setup, newControllerRoot(setup)),
                         logName(setup, QStringLiteral("idle-kivlfb")))) {
            report(child, "idle run of kivlfb");
        } else {
            program = idle(child, options.seconds, kControllerSteadyMs);
        }
    }
    printIdle("kivlfb itself, fresh root, no pans", program);

    Idle minimal;
    {
        ChildProcess child;
        if (!child.start(setup.minimal, {}, setup.environment, logName(setup, QStringLiteral("idle-minimal")))
            || !child.waitForLine("first-frame", kStartUpTimeoutMs)) {
            report(child, "idle run of the minimal window");
        } else {
            minimal = idle(child, options.seconds, 0);
        }
    }
    printIdle("minimal Qt Quick window 800 x 480", minimal);

    // Below one clock tick the minimal window's CPU is known only to be less
    // than one tick over the window: the ratio is then a lower bound.
    QString cpuRatio = ratio(controller.cpuMsPerSecond, minimal.cpuMsPerSecond);
    if (minimal.ok && controller.ok && minimal.cpuMsPerSecond <= 0) {
        const double oneTick = 1000.0 / sysconf(_SC_CLK_TCK) / options.seconds;
        cpuRatio = QStringLiteral(">") + ratio(controller.cpuMsPerSecond, oneTick).trimmed();
    }
    std::printf("  %-44s %8s  %9s  %9s\n", "controller / minimal", qPrintable(cpuRatio),
                qPrintable(ratio(controller.meanRssMb, minimal.meanRssMb)),
                qPrintable(ratio(controller.peakRssMb, minimal.peakRssMb)));
    if (minimal.ok && minimal.cpuMsPerSecond <= 0)
        std::printf("  (the minimal window used less than one tick in the window: the CPU ratio is a lower bound)\n");

    std::printf("\nSummary, controller / minimal Qt Quick program: start-up %s, idle CPU %s, "
                "RSS %s, peak RSS %s\n",
                qPrintable(ratio(controllerStartUpMs, minimalStartUpMs).trimmed()),
                qPrintable(cpuRatio.trimmed()),
                qPrintable(ratio(controller.meanRssMb, minimal.meanRssMb).trimmed()),
                qPrintable(ratio(controller.peakRssMb, minimal.peakRssMb).trimmed()));
    std::fflush(stdout);
}

Options parseOptions(const QStringList &arguments)
{
    Options o;
    for (int i = 1; i + 1 < arguments.size(); i += 2) {
        const QString &name = arguments.at(i);
        const QString &value = arguments.at(i + 1);
        if (name == QLatin1String("--seconds"))
            o.seconds = std::max(1, value.toInt());
        else if (name == QLatin1String("--runs"))
            o.runs = std::max(1, value.toInt());
        else if (name == QLatin1String("--pans"))
            o.pans = std::max(1, value.toInt());
        else if (name == QLatin1String("--kivlfb"))
            o.kivlfb = value;
    }
    return o;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const Options options = parseOptions(QCoreApplication::arguments());
    ChildProcess::installStopHandler();

    Setup setup;
    const QString here = QCoreApplication::applicationDirPath();
    setup.probe = here + QStringLiteral("/bench_controller_probe");
    setup.minimal = here + QStringLiteral("/bench_minimal_window");
    setup.kivlfb = options.kivlfb.isEmpty() ? QDir::cleanPath(here + QStringLiteral("/../../kivlfb/kivlfb"))
                                            : options.kivlfb;
    for (const QString &program : {setup.probe, setup.minimal, setup.kivlfb}) {
        if (!QFileInfo(program).isExecutable()) {
            std::fprintf(stderr, "bench_controller: %s is missing (build it, or give --kivlfb PATH)\n",
                         qPrintable(program));
            return 1;
        }
    }

    BenchPlatform platform;
    if (!platform.start(&setup)) {
        std::fprintf(stderr, "bench_controller: cannot set up the work directory, D-Bus daemon or pty\n");
        return 1;
    }

    std::printf("Controller as a whole, headless in simulation: %d CPUs, load average %s at start\n",
                QThread::idealThreadCount(), qPrintable(loadAverage()));
    std::printf("  controller: %s (start-up, latency and the holding idle run use its own start-up,\n"
                "  KivlfbProgram, in bench_controller_probe, which adds the first-frame and pan hooks)\n",
                qPrintable(setup.kivlfb));
    std::fflush(stdout);

    double controllerStartUp = 0, minimalStartUp = 0;
    startUp(setup, options, &controllerStartUp, &minimalStartUp);
    if (!ChildProcess::stopRequested())
        latency(setup, options);
    if (!ChildProcess::stopRequested())
        idleCost(setup, options, controllerStartUp, minimalStartUp);
    if (ChildProcess::stopRequested()) {
        std::printf("\nStopped.\n");
        return 2;
    }

    std::printf("\nLoad average at the end: %s\n", qPrintable(loadAverage()));
    if (failed) {
        platform.keepWorkDir();
        std::printf("Logs kept in %s\n", qPrintable(setup.workDir));
        return 1;
    }
    return 0;
}
