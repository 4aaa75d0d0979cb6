// Time and peak memory of the HACCP log's work for a year of holds of a busy
// cabinet, per operation, against the floor of writing the same bytes once.
//
//   bench_haccp_log [holds per day]      (default 200)

#include "alarms/filelogworker.h"
#include "alarms/haccplogformat.h"

#include "platform/kivclock.h"
#include "platform/kivroot.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>
#include <QTemporaryDir>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

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

struct Figure
{
    double medianMs;
    long peakGrowthKb;
};

Figure measure(int runs, const std::function<void()> &prepare, const std::function<void()> &op)
{
    std::vector<double> times;
    long growth = 0;
    for (int i = 0; i < runs; ++i) {
        prepare();
        // Hand freed memory back first, so the peak shows this run alone.
        malloc_trim(0);
        const long before = statusKb("VmRSS");
        resetPeak();
        QElapsedTimer t;
        t.start();
        op();
        times.push_back(t.nsecsElapsed() / 1e6);
        growth = std::max(growth, statusKb("VmHWM") - before);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], growth};
}

QByteArray yearStore(int holdsPerDay, const QDate &today, int extraDays)
{
    HaccpLogFormat::Store store;
    for (int day = 365 + extraDays; day >= 0; --day) {
        const QString date = today.addDays(-day).toString(QStringLiteral("yyyy/MM/dd"));
        for (int h = 0; h < holdsPerDay; ++h) {
            HaccpData d;
            d.name = QStringLiteral("Product %1").arg(h % 40);
            d.date = date;
            d.time = QTime(0, 0).addSecs(h * 86400 / holdsPerDay).toString(QStringLiteral("HH:mm:ss"));
            d.duration = QStringLiteral("00:%1:00").arg(10 + h % 50, 2, 10, QLatin1Char('0'));
            d.expired = (h % 17 == 0);
            d.binNumber = h % 24;
            HaccpLogFormat::addEntry(store.entries, d);
        }
    }
    return HaccpLogFormat::storeBytes(store);
}

// The floor: the same bytes written once the same safe way, no JSON work.
void writeSafely(const QString &path, const QByteArray &bytes)
{
    QSaveFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    f.commit();
}

void print(const char *op, const Figure &f, double floorMs)
{
    std::printf("%-34s %10.2f ms  %8.1fx floor  peak +%7ld kB\n", op, f.medianMs,
                floorMs > 0 ? f.medianMs / floorMs : 0.0, f.peakGrowthKb);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int holdsPerDay = argc > 1 ? std::max(1, atoi(argv[1])) : 200;
    const int runs = 7;

    QTemporaryDir root;
    qputenv("KIV_ROOT", root.path().toLocal8Bit());
    QDir().mkpath(KivRoot::path(QStringLiteral("/root/haccpLogs")));
    QDir().mkpath(KivRoot::path(QStringLiteral("/media/sda1")));
    const QString store = FileLogWorker::storePath();
    const QDate today(2025, 3, 1);
    KivClock::freezeAt(QDateTime(today, QTime(12, 0)).toMSecsSinceEpoch());

    const QByteArray year = yearStore(holdsPerDay, today, 0);
    const QByteArray yearAndADay = yearStore(holdsPerDay, today, 1);
    const int entries = QJsonDocument::fromJson(year).object().value("haccpInfo").toArray().size();
    std::printf("HACCP log: %d holds a day, a year = %d entries, store %.1f MB\n", holdsPerDay,
                entries, year.size() / 1e6);

    FileLogWorker worker;
    auto plant = [&](const QByteArray &bytes) { return [&store, &bytes] { writeSafely(store, bytes); }; };

    const Figure floor = measure(runs, [] {}, [&] { writeSafely(store, year); });
    std::printf("%-34s %10.2f ms  (write + fsync + rename of the store)\n", "floor", floor.medianMs);

    HaccpData start;
    start.name = QStringLiteral("Fries");
    start.date = today.toString(QStringLiteral("yyyy/MM/dd"));
    start.time = QStringLiteral("12:00:00");
    start.duration = HaccpLogFormat::openDuration;
    start.binNumber = 3;
    HaccpData finished = start;
    finished.duration = QStringLiteral("00:45:00");

    print("add a start record", measure(runs, plant(year), [&] {
              worker.doAddHaccpDataLog(HaccpLogFormat::entryRequest(start));
          }), floor.medianMs);
    QByteArray withStart;
    {
        writeSafely(store, year);
        worker.doAddHaccpDataLog(HaccpLogFormat::entryRequest(start));
        QFile f(store);
        f.open(QIODevice::ReadOnly);
        withStart = f.readAll();
    }
    print("stop a hold (remove + add)", measure(runs, plant(withStart), [&] {
              worker.doRemoveHaccpDataLog(HaccpLogFormat::entryRequest(finished));
              worker.doAddHaccpDataLog(HaccpLogFormat::entryRequest(finished));
          }), floor.medianMs);
    print("purge one day", measure(runs, plant(yearAndADay), [&] {
              worker.doRemoveOldHaccpDataLogs(HaccpLogFormat::purgeRequest(
                  HaccpLogFormat::purgeCutoff(KivClock::now())));
          }), floor.medianMs);
    print("read 250 rows", measure(runs, plant(year), [&] {
              worker.retrieveAllHaccpData(HaccpLogFormat::readRequest(false));
          }), floor.medianMs);
    print("read all rows", measure(runs, plant(year), [&] {
              worker.retrieveAllHaccpData(HaccpLogFormat::readRequest(true));
          }), floor.medianMs);

    HaccpLogFormat::ExportRequest exportRequest{QStringLiteral("SN1"), 4, 2};
    const QByteArray csv = HaccpLogFormat::csvHeader()
        + HaccpLogFormat::csvLines(QJsonDocument::fromJson(year).object().value("haccpInfo").toArray(), 4, 2);
    const QString csvPath = KivRoot::path(QStringLiteral("/media/sda1/floor.csv"));
    const Figure csvFloor = measure(runs, [] {}, [&] { writeSafely(csvPath, csv); });
    std::printf("%-34s %10.2f ms  (CSV %.1f MB written once)\n", "export floor", csvFloor.medianMs,
                csv.size() / 1e6);
    print("export CSV", measure(runs, plant(year), [&] {
              worker.doHaccpFileExport(HaccpLogFormat::exportRequest(exportRequest));
          }), csvFloor.medianMs);

    // A busy day rewrites the store three times a hold: start, remove, add.
    const Figure addOnFull = measure(3, plant(year), [&] {
        worker.doAddHaccpDataLog(HaccpLogFormat::entryRequest(start));
    });
    std::printf("worker busy per day at a full year: %.1f s (%d rewrites)\n",
                3.0 * holdsPerDay * addOnFull.medianMs / 1000.0, 3 * holdsPerDay);
    return 0;
}
