// The controller as a whole, headless, against floors measured in the same
// run: start-up to the main window's first frame and idle CPU and memory
// against a minimal Qt Quick program showing an 800 x 480 window, and the
// time from a pan on a reader to its hold against the reader poll period.
//
//   bench_controller [--seconds N] [--runs N] [--pans N] [--kivlfb PATH]
//
//   --seconds  idle measuring window per program        (default 60)
//   --runs     start-ups per program, separate processes (default 7)
//   --pans     pans placed for the latency figures       (default 48)
//   --kivlfb   the controller program (default: <build>/kivlfb/kivlfb)
//
// Every controller runs as a primary display with NFC in a fresh file-system
// root of its own holding the simulation's personality file, on a private
// virtual CAN bus and a private D-Bus daemon, headless (offscreen, software
// rendering), in one of two configurations:
//   - in simulation (-simulation), as the simulation run starts it: the
//     boards simulated inside the display, with their windows;
//   - without simulators, as on the target: the display talks to its boards
//     over a pseudo-terminal for its serial line, and the bench plays the
//     boards at the far end (SerialBoards).

#include "benchmenu.h"
#include "childprocess.h"
#include "controllerrun.h"
#include "serialboards.h"

#include "privatebus.h"
#include "ptypair.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

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

struct Setup
{
    QProcessEnvironment environment;
    QString workDir;
    QString probe;
    QString minimal;
    QString kivlfb;
    int rootCount = 0;
    // The serial line of the display in simulation leads nowhere, that of
    // the display without simulators to the boards the bench plays.
    PtyPair *idleLine = nullptr;
    PtyPair *boardLine = nullptr;
    bool perChannelTemps = false;
};

// The two configurations a display is measured in.
enum class Boards { Simulated, OnSerialLine };

const char *displayLabel(Boards boards)
{
    return boards == Boards::Simulated ? "display in simulation" : "display without simulators";
}

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

QString newControllerRoot(Setup &setup)
{
    return newControllerRoot(setup.workDir, ++setup.rootCount);
}

QProcessEnvironment controllerEnvironment(const Setup &setup, const QString &root, Boards boards)
{
    QProcessEnvironment env = setup.environment;
    env.insert(QStringLiteral("KIV_ROOT"), root);
    env.insert(QStringLiteral("KIV_VCAN_DIR"), root + QStringLiteral("/run/vcan/can0"));
    const PtyPair *line = boards == Boards::Simulated ? setup.idleLine : setup.boardLine;
    env.insert(QStringLiteral("KIV_SERIAL_PORT"), line->devicePath());
    return env;
}

QStringList controllerArguments(Boards boards, const QStringList &more = {})
{
    return boards == Boards::Simulated ? QStringList{QStringLiteral("-simulation")} + more : more;
}

// The boards a display without simulators meets on its serial line, new
// for each run, taking the tags the display's pan placer puts down.
std::unique_ptr<SerialBoards> boardsFor(const Setup &setup, Boards boards, ChildProcess &child)
{
    if (boards == Boards::Simulated)
        return nullptr;
    auto serial = std::make_unique<SerialBoards>(setup.boardLine, setup.perChannelTemps);
    SerialBoards *target = serial.get();
    QObject::connect(&child, &ChildProcess::resultLine, target, [target](const QList<QByteArray> &fields) {
        if (fields.size() == 4 && fields.at(0) == "reader-register")
            target->setReaderRegister(fields.at(1).toInt(), fields.at(2).toInt(), quint16(fields.at(3).toUInt()));
    });
    return serial;
}

// As the display sets up its own simulated I/O board: cabinets that handle
// temperatures per bin steer every input on its own.
bool perChannelTemps(const QByteArray &personalityFile)
{
    const QJsonObject p = QJsonDocument::fromJson(personalityFile).object().value(QLatin1String("personality")).toObject();
    return p.value(QLatin1String("tempHandling")).toInt() == 1
           || p.value(QLatin1String("cabinetConfiguration")).toInt() == 10;
}

QString logName(const Setup &setup, const QString &what)
{
    return setup.workDir + QStringLiteral("/") + what + QStringLiteral(".log");
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
bool firstFrame(ChildProcess &child, const QString &program, const QStringList &arguments,
                const QProcessEnvironment &env, const QString &log, StartUp *figures)
{
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
        std::printf("  %-56s   (no figures)\n", label);
        return;
    }
    std::printf("  %-56s %8.2f  %9.1f  %9.1f\n", label, figures.cpuMsPerSecond, figures.meanRssMb,
                figures.peakRssMb);
}

// The start-up of one display in the given configuration; false when no
// frame came.
bool displayFirstFrame(Setup &setup, Boards boards, int run, StartUp *figures)
{
    ChildProcess child;
    const std::unique_ptr<SerialBoards> serial = boardsFor(setup, boards, child);
    const QString root = newControllerRoot(setup);
    const QString log = QStringLiteral("startup-%1-%2")
                            .arg(boards == Boards::Simulated ? QStringLiteral("simulation") : QStringLiteral("target"))
                            .arg(run);
    return firstFrame(child, setup.probe, controllerArguments(boards), controllerEnvironment(setup, root, boards),
                      logName(setup, log), figures);
}

struct StartUpFigures
{
    QVector<double> fromLaunch, fromKernel, constructed;
    int drawnInsideConstructor = 0;

    void add(const StartUp &f)
    {
        fromLaunch.append(f.fromLaunchMs);
        fromKernel.append(f.fromProcessStartMs);
        if (f.constructedMs >= 0)
            constructed.append(f.constructedMs);
        if (f.constructedMs >= f.fromLaunchMs)
            ++drawnInsideConstructor;
    }
};

// Medians of the first frame of both displays and of the minimal window, in
// that order.
QVector<double> startUp(Setup &setup, const Options &options)
{
    std::printf("\nStart-up to the main window's first frame (%d separate processes each, "
                "taken in turn)\n", options.runs);
    StartUpFigures displays[2];
    const Boards kinds[2] = {Boards::Simulated, Boards::OnSerialLine};
    StartUpFigures minimal;
    for (int run = 0; run < options.runs && !ChildProcess::stopRequested(); ++run) {
        StartUp figures;
        for (int k = 0; k < 2; ++k) {
            if (displayFirstFrame(setup, kinds[k], run, &figures))
                displays[k].add(figures);
        }
        ChildProcess child;
        if (firstFrame(child, setup.minimal, {}, setup.environment,
                       logName(setup, QStringLiteral("startup-minimal-%1").arg(run)), &figures))
            minimal.add(figures);
    }
    std::printf("  %-44s %8s  %8s  %8s  %s\n", "", "median", "min", "max", "(median from the kernel's start time)");
    auto row = [](const char *label, const StartUpFigures &f) {
        const QVector<double> &v = f.fromLaunch;
        if (v.isEmpty()) {
            std::printf("  %-44s   (no figures)\n", label);
            return;
        }
        std::printf("  %-44s %5.0f ms  %5.0f ms  %5.0f ms  (%.0f ms, %d runs)\n", label, median(v),
                    *std::min_element(v.begin(), v.end()), *std::max_element(v.begin(), v.end()),
                    median(f.fromKernel), int(v.size()));
    };
    for (int k = 0; k < 2; ++k)
        row(displayLabel(kinds[k]), displays[k]);
    row("minimal Qt Quick window 800 x 480", minimal);
    QVector<double> medians;
    for (int k = 0; k < 2; ++k) {
        if (!displays[k].constructed.isEmpty())
            std::printf("  (%s: the controller's constructor returned at %.0f ms, median; the first frame\n"
                        "  came before it returned in %d of %d runs)\n",
                        displayLabel(kinds[k]), median(displays[k].constructed),
                        displays[k].drawnInsideConstructor, int(displays[k].fromLaunch.size()));
        medians.append(median(displays[k].fromLaunch));
    }
    medians.append(median(minimal.fromLaunch));
    for (int k = 0; k < 2; ++k)
        std::printf("  %-44s %s\n", qPrintable(QStringLiteral("%1 / minimal").arg(QLatin1String(displayLabel(kinds[k])))),
                    qPrintable(ratio(medians.at(k), medians.at(2))));
    std::fflush(stdout);
    return medians;
}

void latency(Setup &setup, const Options &options)
{
    std::printf("\nPan on a simulated reader to the start of its bin's hold, display in simulation (%d pans over\n"
                "all bins, each with a new tray id, put down at a random point of the poll cycle)\n", options.pans);
    std::fflush(stdout);
    ChildProcess child;
    const QString root = newControllerRoot(setup);
    if (!child.start(setup.probe, controllerArguments(Boards::Simulated, {QStringLiteral("--pans=%1").arg(options.pans)}),
                     controllerEnvironment(setup, root, Boards::Simulated),
                     logName(setup, QStringLiteral("latency-controller")))
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

// A display holding a pan in every bin, idle.
Idle holdingIdle(Setup &setup, const Options &options, Boards boards)
{
    ChildProcess child;
    const std::unique_ptr<SerialBoards> serial = boardsFor(setup, boards, child);
    const QString root = newControllerRoot(setup);
    const QString log = boards == Boards::Simulated ? QStringLiteral("idle-controller") : QStringLiteral("idle-target");
    if (!child.start(setup.probe, controllerArguments(boards, {QStringLiteral("--pans=1")}),
                     controllerEnvironment(setup, root, boards), logName(setup, log))
        || !child.waitForLine("ready", kReadyTimeoutMs)) {
        report(child, boards == Boards::Simulated ? "idle run of the display in simulation"
                                                  : "idle run of the display without simulators");
        return Idle();
    }
    return idle(child, options.seconds, kControllerSteadyMs);
}

// Ends with the summary of all ratios to the minimal program; the start-up
// medians come from startUp(), both displays' first and the minimal
// window's last.
void idleCost(Setup &setup, const Options &options, const QVector<double> &startUpMedians)
{
    std::printf("\nIdle over %d s, from %d s after the controllers' start and %d s after they hold\n"
                "(CPU = time on a CPU of all threads from /proc/<pid>/task/*/schedstat, in ns; RSS = mean of\n"
                "VmRSS sampled every second; VmHWM = peak since start; both from /proc/<pid>/status)\n",
                options.seconds, kControllerSteadyMs / 1000, kSettleMs / 1000);
    std::printf("  %-56s %8s  %9s  %9s\n", "", "CPU ms/s", "RSS MB", "VmHWM MB");
    std::fflush(stdout);

    const Boards kinds[2] = {Boards::Simulated, Boards::OnSerialLine};
    Idle displays[2];
    for (int k = 0; k < 2 && !ChildProcess::stopRequested(); ++k) {
        displays[k] = holdingIdle(setup, options, kinds[k]);
        printIdle(qPrintable(QStringLiteral("%1, a pan holding in every bin").arg(QLatin1String(displayLabel(kinds[k])))),
                  displays[k]);
    }

    // The program itself as the simulation run starts it: nothing is held.
    Idle program;
    {
        ChildProcess child;
        if (!child.start(setup.kivlfb, controllerArguments(Boards::Simulated),
                         controllerEnvironment(setup, newControllerRoot(setup), Boards::Simulated),
                         logName(setup, QStringLiteral("idle-kivlfb")))) {
            report(child, "idle run of kivlfb");
        } else {
            program = idle(child, options.seconds, kControllerSteadyMs);
        }
    }
    printIdle("kivlfb itself in simulation, fresh root, no pans", program);

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

    auto cpuRatio = [&](const Idle &display) { return ratio(display.cpuMsPerSecond, minimal.cpuMsPerSecond); };
    for (int k = 0; k < 2; ++k)
        std::printf("  %-56s %8s  %9s  %9s\n",
                    qPrintable(QStringLiteral("%1 / minimal").arg(QLatin1String(displayLabel(kinds[k])))),
                    qPrintable(cpuRatio(displays[k])), qPrintable(ratio(displays[k].meanRssMb, minimal.meanRssMb)),
                    qPrintable(ratio(displays[k].peakRssMb, minimal.peakRssMb)));
    if (minimal.ok && minimal.cpuMsPerSecond <= 0)
        std::printf("  (the minimal window spent no time on a CPU in the window: there is no CPU ratio, compare\n"
                    "  the displays' own figures run to run)\n");

    std::printf("\nSummary against the minimal Qt Quick program:\n");
    for (int k = 0; k < 2; ++k)
        std::printf("  %-28s start-up %s, idle CPU %s, RSS %s, peak RSS %s\n", displayLabel(kinds[k]),
                    qPrintable(ratio(startUpMedians.value(k), startUpMedians.value(2)).trimmed()),
                    qPrintable(cpuRatio(displays[k]).trimmed()),
                    qPrintable(ratio(displays[k].meanRssMb, minimal.meanRssMb).trimmed()),
                    qPrintable(ratio(displays[k].peakRssMb, minimal.peakRssMb).trimmed()));
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

    QTemporaryDir work;
    PrivateBus bus;
    PtyPair idleLine;
    PtyPair boardLine;
    QFile personality(QStringLiteral(":/primary.hcc"));
    if (!work.isValid() || !bus.start() || !idleLine.open() || !boardLine.open()
        || !personality.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "bench_controller: cannot set up the work directory, D-Bus daemon or ptys\n");
        return 1;
    }
    setup.workDir = work.path();
    setup.idleLine = &idleLine;
    setup.boardLine = &boardLine;
    setup.perChannelTemps = perChannelTemps(personality.readAll());
    setup.environment = benchEnvironment(bus.address());

    std::printf("Controller as a whole, headless: %d CPUs, load average %s at start\n",
                QThread::idealThreadCount(), qPrintable(loadAverage()));
    std::printf("  controller: %s (start-up, latency and the holding idle runs use its own start-up,\n"
                "  KivlfbProgram, in bench_controller_probe, which adds the first-frame and pan hooks)\n"
                "  display in simulation: -simulation, boards simulated inside it, their windows open\n"
                "  display without simulators: as on the target, the bench plays its boards on the serial line\n",
                qPrintable(setup.kivlfb));
    std::fflush(stdout);

    const QVector<double> startUpMedians = startUp(setup, options);
    if (!ChildProcess::stopRequested())
        latency(setup, options);
    if (!ChildProcess::stopRequested())
        idleCost(setup, options, startUpMedians);
    if (ChildProcess::stopRequested()) {
        std::printf("\nStopped.\n");
        return 2;
    }

    std::printf("\nLoad average at the end: %s\n", qPrintable(loadAverage()));
    if (failed) {
        work.setAutoRemove(false);
        std::printf("Logs kept in %s\n", qPrintable(work.path()));
        return 1;
    }
    return 0;
}
