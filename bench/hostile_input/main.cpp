// What a stranger on the site network or the cabinet bus can make this
// program keep: memory after a flood of holding lists from many senders, and
// after transfer starts that announce the largest size a display accepts.
// The retained figures stand beside what the stranger sent or announced, as
// measured in the same run.
//
//   bench_hostile_input [transfer-starts] [senders]
//     transfer-starts: CAN starts of 64 MiB each, one per multi-packet id
//                      (default 8, at most 256)
//     senders:         holding lists of 127 records, one per sender
//                      (default 20000)
// Each case runs in a child process of its own, so that neither starts from
// what the other left behind.
#include "canbus/canbusmanager.h"
#include "canbus/canframe.h"
#include "canbus/canthread.h"
#include "nfc/nfcmanager.h"
#include "nfc/nfctagitem2.h"
#include "nfc/pantagcodec.h"
#include "nfc/pantaghost.h"
#include "platform/kivclock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

// Resident and peak resident set of this process, in KiB.
struct Memory
{
    qint64 rssKiB = 0;
    qint64 peakKiB = 0;
};

Memory memoryNow()
{
    Memory m;
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return m;
    for (const QByteArray &line : status.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 2)
            continue;
        if (fields[0] == "VmRSS:")
            m.rssKiB = fields[1].toLongLong();
        else if (fields[0] == "VmHWM:")
            m.peakKiB = fields[1].toLongLong();
    }
    return m;
}

double mib(qint64 kib) { return double(kib) / 1024.0; }

void report(const char *what, const Memory &before, const Memory &after, double sentMiB, double seconds)
{
    const double retained = mib(after.rssKiB - before.rssKiB);
    std::printf("%-34s before %8.1f MiB  after %8.1f MiB  peak %8.1f MiB  retained %8.1f MiB"
                "  sent/announced %9.1f MiB  retained/sent %.4f  %.2f s\n",
                what, mib(before.rssKiB), mib(after.rssKiB), mib(after.peakKiB), retained, sentMiB,
                sentMiB > 0 ? retained / sentMiB : 0.0, seconds);
}

void floodHoldingLists(int senders)
{
    PanTagHost standalone; // no sockets: datagrams are handed in directly
    NFCmanager nfc(&standalone);
    std::vector<std::unique_ptr<NfcTagItem2>> pans;
    QList<const NfcTagItem2 *> records;
    const qint64 now = KivClock::msecsSinceEpoch();
    for (int i = 0; i < PanTagCodec::MaxHoldingListRecords; ++i) {
        pans.push_back(std::make_unique<NfcTagItem2>(quint64(0x0C00000000) + quint64(i), 0, quint8(i % 20),
                                                     now + 1800000, now - 1000));
        records.append(pans.back().get());
    }

    const Memory before = memoryNow();
    QElapsedTimer clock;
    clock.start();
    double sent = 0;
    for (int s = 0; s < senders; ++s) {
        const QString mac = QStringLiteral("02:00:%1:%2:%3:%4")
                                .arg((s >> 24) & 0xFF, 2, 16, QLatin1Char('0'))
                                .arg((s >> 16) & 0xFF, 2, 16, QLatin1Char('0'))
                                .arg((s >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
                                .arg(s & 0xFF, 2, 16, QLatin1Char('0'));
        const QByteArray datagram = PanTagCodec::encodeHoldingList(mac, 1, KivClock::msecsSinceEpoch(), records);
        sent += datagram.size();
        nfc.processDatagram(datagram, QHostAddress(quint32(0x0A000000u + quint32(s) + 1u)), NFCmanager::Port);
    }
    const double seconds = clock.nsecsElapsed() / 1e9;
    QCoreApplication::processEvents(); // queued notices of the senders
    report("UDP: holding lists, 1 per sender", before, memoryNow(), sent / (1024.0 * 1024.0), seconds);
    std::printf("%-34s %d senders sent, %d lists kept\n", "", senders, nfc.othersListKeys().size());
}

void hugeTransferStarts(int starts)
{
    CanThread thread;
    CanbusManager cbm(&thread, &thread);
    cbm.set_canId(1);
    const Memory before = memoryNow();
    QElapsedTimer clock;
    clock.start();
    const quint32 total = quint32(CanbusManager::MaxTransferSize);
    for (int id = 0; id < starts; ++id) {
        quint8 start[8] = {quint8(id), 0, 0, 0};
        qToBigEndian(total, start + 4);
        cbm.receiveCanFrameSlot(new CanFrame(0x42, start)); // FILE_START from sender 2
        const quint8 record[8] = {0, 0, 0, 0, 0, 0, 0, 64};
        cbm.receiveCanFrameSlot(new CanFrame(0x52, record));
        const quint8 packet[8] = {1, 2, 3, 4, 5, 6, 7, 8};
        cbm.receiveCanFrameSlot(new CanFrame(0x62, packet));
    }
    const double seconds = clock.nsecsElapsed() / 1e9;
    report("CAN: 64 MiB starts, 1 per id", before, memoryNow(), double(starts) * total / (1024.0 * 1024.0),
           seconds);
    std::printf("%-34s %d starts of %u bytes, 1 packet each\n", "", starts, total);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir root;
    qputenv("KIV_ROOT", root.path().toLocal8Bit());
    qputenv("KIV_CAN", "virtual");
    qputenv("KIV_VCAN_DIR", (root.path() + QStringLiteral("/vcan")).toLocal8Bit());
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    const QStringList args = app.arguments();
    if (args.size() > 2 && args.at(1) == QLatin1String("--udp")) {
        floodHoldingLists(qMax(0, args.at(2).toInt()));
        return 0;
    }
    if (args.size() > 2 && args.at(1) == QLatin1String("--can")) {
        hugeTransferStarts(qBound(0, args.at(2).toInt(), 256));
        return 0;
    }
    const QString starts = args.value(1, QStringLiteral("8"));
    const QString senders = args.value(2, QStringLiteral("20000"));
    for (const QStringList &child : {QStringList{QStringLiteral("--udp"), senders},
                                     QStringList{QStringLiteral("--can"), starts}}) {
        QProcess run;
        run.setProcessChannelMode(QProcess::ForwardedChannels);
        run.start(app.applicationFilePath(), child);
        run.waitForFinished(-1);
    }
    return 0;
}
