// Time and memory of the HACCP log worker for a month, a year and two years
// of holds of a busy cabinet, per operation, against the floor of writing
// the same bytes once the same safe way, in the same run. Beside it, the
// worker it replaced (kept with the tests as their reference), on the same
// stores.
//
//   bench_haccp_log [--holds N] [--runs N] [--before-runs N] [--controller]
//                   [--controller-runs N] [--controller-seconds N] [--probe PATH]
//
//   --holds               holds a day                                (200)
//   --runs                runs per operation, median reported        (7)
//   --before-runs         runs per operation of the old worker; 0: none (3)
//   --controller          also the whole controller's resident memory with a
//                         year-sized store planted, against none, measured as
//                         bench_controller measures it (mean VmRSS over the
//                         idle window, every bin holding)
//   --controller-runs     controllers per store                      (3)
//   --controller-seconds  idle window per controller                 (20)
//   --probe               the controller program to measure (default: the
//                         bench_controller_probe of this build)

#include "alarms/filelogworker.h"
#include "alarms/haccplogformat.h"
#include "alarms/haccpstore.h"

#include "platform/durablefile.h"
#include "platform/kivclock.h"
#include "platform/kivroot.h"

#include "controllerrun.h"
#include "privatebus.h"
#include "ptypair.h"
#include "treelogworker.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <malloc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Options
{
    int holds = 200;
    int runs = 7;
    int beforeRuns = 3;
    bool controller = false;
    int controllerRuns = 3;
    int controllerSeconds = 20;
    QString probe;
};

// A memory figure of this process in kB (Linux): "VmHWM" is the peak
// resident size since the last reset, "VmRSS" the current one.
long statusKb(const QByteArray &key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key + ':'))
            return line.mid(key.size() + 1).trimmed().split(' ').first().toLong();
    }
    return -1;
}

void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

double median(std::vector<double> values)
{
    if (values.empty())
        return std::nan("");
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Figure
{
    double ms = std::nan("");      // median
    double floorMs = std::nan(""); // median of the floor runs taken in turn with it
    double ratio = std::nan("");   // median of the ratios of each run to the floor run before it
    double peakMb = std::nan("");  // largest rise of the resident size over a run
};

// Runs op after prepare, runs times, each run right after a run of its
// floor, so that both see the same load on a shared machine: the medians,
// the median ratio of a run to its floor run, and the largest rise of the
// peak resident size above the size a run started at.
Figure measure(int runs, const std::function<void()> &floor, const std::function<void()> &prepare,
               const std::function<void()> &op)
{
    if (runs <= 0)
        return Figure();
    std::vector<double> times, floors, ratios;
    long growthKb = 0;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        floor();
        floors.push_back(t.nsecsElapsed() / 1e6);
        prepare();
        QCoreApplication::processEvents();
        // Freed memory goes back first, so that the peak is this run's.
        malloc_trim(0);
        const long before = statusKb("VmRSS");
        resetPeak();
        t.start();
        op();
        times.push_back(t.nsecsElapsed() / 1e6);
        growthKb = std::max(growthKb, statusKb("VmHWM") - before);
        ratios.push_back(times.back() / floors.back());
    }
    return {median(times), median(floors), median(ratios), growthKb / 1024.0};
}

const QString kDate = QStringLiteral("yyyy/MM/dd");

HaccpData hold(int h, int holdsPerDay, const QDate &day)
{
    HaccpData d;
    d.name = QStringLiteral("Product %1").arg(h % 40);
    d.date = day.toString(kDate);
    d.time = QTime(0, 0).addSecs(h * 86400 / holdsPerDay).toString(QStringLiteral("HH:mm:ss"));
    d.duration = QStringLiteral("00:%1:00").arg(10 + h % 50, 2, 10, QLatin1Char('0'));
    d.expired = h % 17 == 0;
    d.binNumber = h % 24;
    return d;
}

// The store of a cabinet that held holdsPerDay pans a day for the given
// number of days up to today, newest first, in the store's own layout.
QByteArray storeOfDays(int holdsPerDay, const QDate &today, int days)
{
    QByteArray entries;
    entries.reserve(days * holdsPerDay * 90);
    for (int day = 0; day < days; ++day) {
        const QDate date = today.addDays(-day);
        for (int h = holdsPerDay - 1; h >= 0; --h) {
            const HaccpData d = hold(h, holdsPerDay, date);
            if (!entries.isEmpty())
                entries += ',';
            entries += QStringLiteral("{\"b\":%1,\"d\":\"%2\",\"e\":%3,\"h\":\"%4\",\"p\":\"%5\",\"t\":\"%6\"}")
                           .arg(d.binNumber)
                           .arg(d.date, d.expired ? "true" : "false", d.duration, d.name, d.time)
                           .toLatin1();
        }
    }
    return "{\"desc\":\"HACCP Data Log\",\"haccpInfo\":[" + entries + "]}";
}

void plant(const QByteArray &bytes)
{
    DurableFile::replace(FileLogWorker::storePath(), bytes);
}

QString ratioText(double ratio)
{
    return std::isnan(ratio) ? QStringLiteral("     -") : QString::asprintf("%5.2fx", ratio);
}

QString speedUp(double before, double now)
{
    return std::isnan(before) || !(now > 0) ? QStringLiteral("      -") : QString::asprintf("%6.1fx", before / now);
}

QString msText(double ms)
{
    return std::isnan(ms) ? QStringLiteral("       -") : QString::asprintf("%8.2f", ms);
}

QString mbText(double mb)
{
    return std::isnan(mb) ? QStringLiteral("     -") : QString::asprintf("%6.1f", mb);
}

struct Row
{
    const char *name;
    Figure now;
    Figure before;
};

// One size of log: every operation of the worker, and of the old one, each
// against its floor.
void sizeReport(const char *label, int days, const Options &options, const QDate &today)
{
    const QByteArray store = storeOfDays(options.holds, today, days);
    const QByteArray storeAndADay = storeOfDays(options.holds, today, days + 1);
    const QString cutoff = today.addDays(-(days - 1)).toString(kDate);
    HaccpStore check;
    const bool asIs = check.load(store) == HaccpStore::Load::AsIs;
    const int entries = check.count();
    check.clear();
    const double storeMb = store.size() / 1048576.0;

    HaccpData start;
    start.name = QStringLiteral("Fries");
    start.date = today.toString(kDate);
    start.time = QStringLiteral("12:00:00");
    start.duration = HaccpLogFormat::openDuration;
    start.binNumber = 3;
    HaccpData finished = start;
    finished.duration = QStringLiteral("00:45:00");
    const QByteArray withStart = "{\"desc\":\"HACCP Data Log\",\"haccpInfo\":[{\"b\":3,\"d\":\""
        + start.date.toLatin1() + "\",\"e\":false,\"h\":\"----\",\"p\":\"Fries\",\"t\":\"12:00:00\"},"
        + store.mid(store.indexOf('[') + 1);

    const HaccpLogFormat::ExportRequest exportRequest{QStringLiteral("SN1"), 4, 2};
    QByteArray csv = HaccpLogFormat::csvHeader();
    {
        HaccpStore s;
        s.load(store);
        s.csvLines(4, 2, [&csv](const QByteArray &piece) {
            csv += piece;
            return true;
        });
    }
    const QString floorPath = KivRoot::path(QStringLiteral("/root/haccpLogs/floor.json"));
    const QString csvFloorPath = KivRoot::path(QStringLiteral("/media/sda1/floor.csv"));
    // The floors: the same bytes written once the same safe way.
    const auto storeFloor = [&] { DurableFile::replace(floorPath, store); };
    const auto csvFloor = [&] { DurableFile::replace(csvFloorPath, csv); };

    std::printf("\n%s: %d entries, store %.1f MB (%s), CSV %.1f MB\n", label, entries, storeMb,
                asIs ? "read as it is" : "NOT in the store's own layout", csv.size() / 1048576.0);

    FileLogWorker worker;
    TreeLogWorker old;
    // The worker reads the store once; here it has, as in a running cabinet.
    auto warm = [&] { worker.retrieveAllHaccpData(HaccpLogFormat::readRequest(false)); };
    auto plantWarm = [&](const QByteArray &bytes) {
        return [&, bytes] {
            plant(bytes);
            warm();
        };
    };
    auto plantOnly = [](const QByteArray &bytes) { return [bytes] { plant(bytes); }; };
    const int runs = options.runs;
    const int before = options.beforeRuns;
    auto add = [](auto &w, const HaccpData &d) { w.doAddHaccpDataLog(HaccpLogFormat::entryRequest(d)); };
    auto stop = [](auto &w, const HaccpData &d) {
        w.doRemoveHaccpDataLog(HaccpLogFormat::entryRequest(d));
        w.doAddHaccpDataLog(HaccpLogFormat::entryRequest(d));
    };
    auto purge = [&cutoff](auto &w) { w.doRemoveOldHaccpDataLogs(HaccpLogFormat::purgeRequest(cutoff)); };
    auto read = [](auto &w, bool all) { w.retrieveAllHaccpData(HaccpLogFormat::readRequest(all)); };
    auto exportCsv = [&exportRequest](auto &w) {
        w.doHaccpFileExport(HaccpLogFormat::exportRequest(exportRequest));
    };

    std::vector<Row> rows;
    rows.push_back({"add a start record",
                    measure(runs, storeFloor, plantWarm(store), [&] { add(worker, start); }),
                    measure(before, storeFloor, plantOnly(store), [&] { add(old, start); })});
    rows.push_back({"stop a hold (remove + add)",
                    measure(runs, storeFloor, plantWarm(withStart), [&] { stop(worker, finished); }),
                    measure(before, storeFloor, plantOnly(withStart), [&] { stop(old, finished); })});
    rows.push_back({"purge one day",
                    measure(runs, storeFloor, plantWarm(storeAndADay), [&] { purge(worker); }),
                    measure(before, storeFloor, plantOnly(storeAndADay), [&] { purge(old); })});
    rows.push_back({"read 250 rows",
                    measure(runs, storeFloor, plantWarm(store), [&] { read(worker, false); }),
                    measure(before, storeFloor, plantOnly(store), [&] { read(old, false); })});
    rows.push_back({"read all rows",
                    measure(runs, storeFloor, plantWarm(store), [&] { read(worker, true); }),
                    measure(before, storeFloor, plantOnly(store), [&] { read(old, true); })});
    rows.push_back({"CSV export (floor: the CSV)",
                    measure(runs, csvFloor, plantWarm(store), [&] { exportCsv(worker); }),
                    measure(before, csvFloor, plantOnly(store), [&] { exportCsv(old); })});
    rows.push_back({"first request: read 250 rows",
                    measure(runs, storeFloor, plantOnly(store), [&] { read(worker, false); }),
                    measure(before, storeFloor, plantOnly(store), [&] { read(old, false); })});

    std::printf("  %-30s %8s %8s %6s %6s | %9s %8s %6s %6s | %7s\n", "", "ms", "floor", "ratio", "+MB",
                "before ms", "floor", "ratio", "+MB", "speed-up");
    for (const Row &r : rows) {
        std::printf("  %-30s %s %s %s %s | %s  %s %s %s | %s\n", r.name, qPrintable(msText(r.now.ms)),
                    qPrintable(msText(r.now.floorMs)), qPrintable(ratioText(r.now.ratio)),
                    qPrintable(mbText(r.now.peakMb)), qPrintable(msText(r.before.ms)),
                    qPrintable(msText(r.before.floorMs)), qPrintable(ratioText(r.before.ratio)),
                    qPrintable(mbText(r.before.peakMb)), qPrintable(speedUp(r.before.ms, r.now.ms)));
    }
    double worstMemory = 0;
    for (const Row &r : rows)
        worstMemory = std::max(worstMemory, r.now.peakMb);
    std::printf("  targets: add %s and stop %s of the floor (<= 3x); CSV export %s of its floor (<= 2x);\n"
                "  read 250 rows %.2f ms (<= 5 ms at a year); largest transient memory %.1f MB = %.2fx the store (<= 2x)\n",
                qPrintable(ratioText(rows[0].now.ratio).trimmed()), qPrintable(ratioText(rows[1].now.ratio).trimmed()),
                qPrintable(ratioText(rows[5].now.ratio).trimmed()), rows[3].now.ms, worstMemory, worstMemory / storeMb);
    std::fflush(stdout);
}

// The controller with a year-sized store in its root against one with none,
// every bin holding: the mean resident size over the idle window.
void controllerReport(const Options &options, const QString &probe)
{
    const QByteArray year = storeOfDays(options.holds, QDate::currentDate(), 366);
    std::printf("\nController (%s), primary display in simulation, every bin holding: mean VmRSS over %d s\n"
                "from %d s after start, %d controllers per store, taken in turn\n",
                qPrintable(probe), options.controllerSeconds, kControllerSteadyMs / 1000,
                options.controllerRuns);
    std::fflush(stdout);
    QTemporaryDir work;
    PrivateBus bus;
    PtyPair serial; // the display in simulation: its serial line leads nowhere
    if (!work.isValid() || !bus.start() || !serial.open()) {
        std::printf("  cannot set up the work directory, D-Bus daemon or pty\n");
        return;
    }
    const QProcessEnvironment environment = benchEnvironment(bus.address());
    int roots = 0;
    std::vector<double> empty, planted;
    for (int run = 0; run < options.controllerRuns && !ChildProcess::stopRequested(); ++run) {
        for (bool withStore : {false, true}) {
            const QString root = newControllerRoot(work.path(), ++roots);
            if (withStore) {
                QDir().mkpath(root + QStringLiteral("/root/haccpLogs"));
                QFile f(root + QStringLiteral("/root/haccpLogs/haccpLog.json"));
                if (!f.open(QIODevice::WriteOnly) || f.write(year) != year.size()) {
                    std::printf("  cannot plant the store\n");
                    return;
                }
            }
            ChildProcess child;
            const QString what = QStringLiteral("controller-%1-%2").arg(withStore ? "year" : "empty").arg(run);
            QProcessEnvironment env = environment;
            env.insert(QStringLiteral("KIV_ROOT"), root);
            env.insert(QStringLiteral("KIV_VCAN_DIR"), root + QStringLiteral("/run/vcan/can0"));
            env.insert(QStringLiteral("KIV_SERIAL_PORT"), serial.devicePath());
            if (!child.start(probe, {QStringLiteral("-simulation"), QStringLiteral("--pans=1")}, env,
                             work.path() + QLatin1Char('/') + what + QStringLiteral(".log"))
                || !child.waitForLine("ready", kReadyTimeoutMs)) {
                work.setAutoRemove(false);
                std::printf("  %s did not get ready: %s (log kept: %s)\n", qPrintable(what),
                            child.errorText().constData(), qPrintable(child.logFile()));
                return;
            }
            const Idle figures = idle(child, options.controllerSeconds, kControllerSteadyMs);
            child.stop();
            if (!figures.ok) {
                std::printf("  %s: no figures\n", qPrintable(what));
                continue;
            }
            (withStore ? planted : empty).push_back(figures.meanRssMb);
            std::printf("  %-24s %7.1f MB  (peak %.1f MB, CPU %.2f ms/s)\n", qPrintable(what),
                        figures.meanRssMb, figures.peakRssMb, figures.cpuMsPerSecond);
            std::fflush(stdout);
        }
    }
    const double storeMb = year.size() / 1048576.0;
    const double e = median(empty);
    const double y = median(planted);
    std::printf("  median: no store %.1f MB, a year's store (%.1f MB) %.1f MB: +%.1f MB = %.2fx the store's size\n"
                "  target: <= no store + 2x the store = %.1f MB\n",
                e, storeMb, y, y - e, (y - e) / storeMb, e + 2 * storeMb);
}

Options parseOptions(const QStringList &arguments)
{
    Options o;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &name = arguments.at(i);
        const QString value = arguments.value(i + 1);
        if (name == QLatin1String("--controller")) {
            o.controller = true;
            continue;
        }
        if (name == QLatin1String("--holds"))
            o.holds = std::max(1, value.toInt());
        else if (name == QLatin1String("--runs"))
            o.runs = std::max(1, value.toInt());
        else if (name == QLatin1String("--before-runs"))
            o.beforeRuns = std::max(0, value.toInt());
        else if (name == QLatin1String("--controller-runs"))
            o.controllerRuns = std::max(1, value.toInt());
        else if (name == QLatin1String("--controller-seconds"))
            o.controllerSeconds = std::max(1, value.toInt());
        else if (name == QLatin1String("--probe"))
            o.probe = value;
        ++i;
    }
    return o;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const Options options = parseOptions(QCoreApplication::arguments());
    ChildProcess::installStopHandler();
    const QString probe = options.probe.isEmpty()
        ? QCoreApplication::applicationDirPath() + QStringLiteral("/../controller/bench_controller_probe")
        : options.probe;

    std::printf("HACCP log worker: %d holds a day, %d runs per operation (old worker: %d), %d CPUs, "
                "load average %s at start\n",
                options.holds, options.runs, options.beforeRuns, QThread::idealThreadCount(),
                qPrintable(loadAverage()));
    std::printf("(ms: median; +MB: the largest rise of the peak resident size over a run; the worker has\n"
                "read the store before each run, as a running cabinet has, except on the first request)\n");
    {
        QTemporaryDir root;
        qputenv("KIV_ROOT", root.path().toLocal8Bit());
        QDir().mkpath(KivRoot::path(QStringLiteral("/root/haccpLogs")));
        QDir().mkpath(KivRoot::path(QStringLiteral("/media/sda1")));
        const QDate today(2025, 3, 1);
        KivClock::freezeAt(QDateTime(today, QTime(12, 0)).toMSecsSinceEpoch());
        sizeReport("A month (31 days)", 31, options, today);
        sizeReport("A year (366 days)", 366, options, today);
        sizeReport("Two years (732 days, a purge that keeps failing)", 732, options, today);
        KivClock::useSystemClock();
        qunsetenv("KIV_ROOT");
    }
    if (options.controller)
        controllerReport(options, probe);
    std::printf("\nLoad average at the end: %s\n", qPrintable(loadAverage()));
    return 0;
}
