// Moves a 1 MiB file between two CAN bus managers on the virtual bus and
// sets the time and frame rate beside what a real 500 kbit/s and 1 Mbit/s
// bus would need for the very same frames.
//
//   can_transfer [runs]      (default 3; the bus lives in a temp directory)
#include "canbus/canbusmanager.h"
#include "canbus/cansendrequest.h"
#include "canbus/canthread.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

// Bits of one standard (11-bit) data frame with n data bytes: SOF, id, RTR,
// IDE, r0, DLC, data, CRC, delimiters, ACK, EOF and interframe space.
constexpr double frameBits(int n) { return 47.0 + 8.0 * n; }
// Stuff bits can be inserted from SOF to the end of the CRC (34 + 8n bits),
// at worst one per four bits after the first.
constexpr double worstStuffBits(int n) { return (34.0 + 8.0 * n - 1.0) / 4.0; }

struct Node
{
    CanThread thread;
    CanbusManager cbm;
    explicit Node(uint id)
        : cbm(&thread, int(id))
    {
        cbm.set_canId(id);
        // The owner's duty: hand FILE_RECORD_SUCCESS back to the manager.
        QObject::connect(&cbm, static_cast<void (CanbusManager::*)(QByteArray)>(
                                   &CanbusManager::receivedSinglePacket),
                         &cbm, [this](const QByteArray &m) {
                             if (quint8(m.at(0)) == CanbusManager::KIVMSGSINGLE_FILE_RECORD_SUCCESS)
                                 emit cbm.canFileRecordSuccess();
                         });
        cbm.start();
    }
};

struct Run
{
    double seconds = 0;
    quint64 frames = 0;
    double bits = 0;
    double stuffBits = 0;
    bool intact = false;
};

Run runOnce(const QByteArray &payload)
{
    Node a(1), b(2);
    Run run;
    for (Node *n : {&a, &b}) {
        // The thread takes each array and frees it, so the count goes
        // first: take the thread off the signal and put it back behind.
        const auto frameOut = qOverload<quint32, QByteArray *>(&CanbusManager::sendCanPacket);
        QObject::disconnect(&n->cbm, frameOut, &n->thread, nullptr);
        QObject::connect(&n->cbm, frameOut, &n->cbm, [&run](quint32, QByteArray *data) {
            ++run.frames;
            run.bits += frameBits(data->size());
            run.stuffBits += worstStuffBits(data->size());
        });
        QObject::connect(&n->cbm, frameOut, &n->thread,
                         qOverload<uint, QByteArray *>(&CanThread::sendAMsg));
    }
    QElapsedTimer timer;
    QObject::connect(&b.cbm, &CanbusManager::receivedFileMpm, [&](int id) {
        run.seconds = timer.nsecsElapsed() / 1e9;
        run.intact = b.cbm.getMpm(id) == payload;
        QCoreApplication::exit(0);
    });
    QObject::connect(&b.cbm, &CanbusManager::receivedFileFailedMpm,
                     [] { QCoreApplication::exit(1); });
    QTimer::singleShot(0, [&] {
        timer.start();
        auto *r = new CanSendRequest;
        r->set_frameId(1);
        r->set_multi(true);
        r->set_multiId(CanbusManager::KIV_MULTI_FILE_TRANSFER);
        r->set_data(payload);
        a.cbm.enqueueSendRequest(r);
    });
    QTimer::singleShot(300000, [] { QCoreApplication::exit(2); });
    QCoreApplication::exec();
    return run;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 3;

    QTemporaryDir dir;
    qputenv("KIV_CAN", "virtual");
    qputenv("KIV_VCAN_DIR", QFile::encodeName(dir.filePath(QStringLiteral("can0"))));
    qSetMessagePattern(QStringLiteral("%{if-warning}%{message}%{endif}"));

    // A file as the file transfer carries it: a 64-byte name field, then
    // 1 MiB of contents.
    QByteArray payload("/root/bench.bin");
    payload.append(QByteArray(64 - payload.size(), '\0'));
    quint32 seed = 12345;
    for (int i = 0; i < 1024 * 1024; ++i) {
        seed = seed * 1103515245u + 12345u;
        payload.append(char(seed >> 16));
    }

    std::printf("CAN file transfer, 1 MiB file (%d payload bytes), two managers on the virtual bus\n",
                payload.size());
    std::vector<Run> results;
    for (int i = 0; i < runs; ++i) {
        const Run r = runOnce(payload);
        if (!r.intact) {
            std::printf("run %d: transfer failed\n", i + 1);
            return 1;
        }
        std::printf("run %d: %.3f s, %llu frames, %.0f frames/s, %.1f KiB/s\n", i + 1, r.seconds,
                    static_cast<unsigned long long>(r.frames), r.frames / r.seconds,
                    payload.size() / 1024.0 / r.seconds);
        results.push_back(r);
    }
    std::sort(results.begin(), results.end(),
              [](const Run &x, const Run &y) { return x.seconds < y.seconds; });
    const Run &median = results[results.size() / 2];

    std::printf("\nmedian: %.3f s, %.0f frames/s\n", median.seconds, median.frames / median.seconds);
    std::printf("%-14s %12s %14s %12s %18s\n", "bus", "bus time s", "frames/s max", "virtual/bus",
                "with worst stuffing");
    for (double rate : {500000.0, 1000000.0}) {
        const double busSeconds = median.bits / rate;
        const double stuffedSeconds = (median.bits + median.stuffBits) / rate;
        std::printf("%-14s %12.3f %14.0f %11.2fx %16.3f s\n",
                    rate == 500000.0 ? "500 kbit/s" : "1 Mbit/s", busSeconds,
                    median.frames / busSeconds, busSeconds / median.seconds, stuffedSeconds);
    }
    std::printf("(virtual/bus > 1: the virtual bus moved the same frames faster than the wire could)\n");
    return 0;
}
