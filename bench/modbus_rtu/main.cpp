// Runs N ten-register reads against one scripted slave on a pseudo-terminal
// pair, first with our master and then with libmodbus as the peer, and
// prints transactions per second, master-thread CPU time per transaction,
// the ratios, and what the same frames would allow on a real 115200 8N1
// line. Usage: modbus_rtu [transactions] [rounds] [ours|libmodbus]
// (the last runs one peer alone, for profiling)
#include "modbus/modbusserialport.h"
#include "modbus/qmodbusmaster.h"
#include "modbus/qmodbuspollinfo.h"

#include "ptypair.h"
#include "scriptedslave.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSemaphore>
#include <QSerialPort>
#include <QThread>
#include <QTimer>

#include <modbus.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

namespace {

constexpr int kRegisters = 10;
constexpr int kRequestBytes = 8;
constexpr int kReplyBytes = 5 + 2 * kRegisters;
constexpr double kBaud = 115200.0;
constexpr double kBitsPerByte = 10.0; // start, 8 data, stop
constexpr double kInterFrameMs = 1.75; // fixed silent interval above 19200 baud

double threadCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

double wallSeconds()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

struct Result
{
    double wall = 0;
    double cpu = 0;
    int good = 0;
    int bad = 0;
    double perSecond() const { return good / wall; }
    double cpuPerTransactionUs() const { return cpu / good * 1e6; }
};

// The slave: its own thread and event loop, so both masters face the same
// peer and the master thread's CPU time is the master's alone.
class SlaveThread : public QThread
{
public:
    QString devicePath;
    QSemaphore ready;
    QVector<quint16> registers = QVector<quint16>(kRegisters);

protected:
    void run() override
    {
        for (int i = 0; i < kRegisters; ++i)
            registers[i] = quint16(0x1000 + i);
        PtyPair pty;
        const bool opened = pty.open();
        ScriptedSlave slave(&pty);
        slave.setResponder(ScriptedSlave::holdingRegisters(1, &registers));
        devicePath = opened ? pty.devicePath() : QString();
        ready.release();
        if (opened)
            exec();
    }
};

bool valuesGood(const quint16 *values)
{
    for (int i = 0; i < kRegisters; ++i)
        if (values[i] != quint16(0x1000 + i))
            return false;
    return true;
}

Result runOurs(int transactions, quint16 pollDelayMs)
{
    std::unique_ptr<QSerialPort> port(ModbusSerialPort::create());
    Result r;
    if (!ModbusSerialPort::open(port.get()))
        return r;
    auto master = std::make_unique<QModbusMaster>(port.get());
    master->setPollDelay(pollDelayMs);
    master->start();
    QEventLoop loop;
    QModbusPollInfo info(kRegisters);
    int issued = 0;
    const auto next = [&]() {
        if (issued++ < transactions)
            master->holdingRegistersRead(1, 0, kRegisters, 0, &info);
        else
            loop.quit();
    };
    QObject::connect(&info, &QModbusPollInfo::pollReplyGood, [&]() {
        (valuesGood(info.values().constData()) ? r.good : r.bad)++;
        next();
    });
    QObject::connect(&info, &QModbusPollInfo::pollReplyError, [&]() { r.bad++; next(); });
    QObject::connect(&info, &QModbusPollInfo::pollReplyTimedOut, [&]() { r.bad++; next(); });

    QTimer::singleShot(0, [&]() {
        r.wall = -wallSeconds();
        r.cpu = -threadCpuSeconds();
        next();
    });
    loop.exec();
    r.wall += wallSeconds();
    r.cpu += threadCpuSeconds();
    master.reset(); // before the port it watches
    port->close();
    return r;
}

Result runLibmodbus(const QString &device, int transactions)
{
    Result r;
    modbus_t *ctx = modbus_new_rtu(device.toLocal8Bit().constData(), int(kBaud), 'N', 8, 1);
    if (!ctx || modbus_set_slave(ctx, 1) != 0 || modbus_connect(ctx) != 0) {
        std::fprintf(stderr, "libmodbus: %s\n", modbus_strerror(errno));
        if (ctx)
            modbus_free(ctx);
        return r;
    }
    uint16_t values[kRegisters];
    r.wall = -wallSeconds();
    r.cpu = -threadCpuSeconds();
    for (int i = 0; i < transactions; ++i) {
        if (modbus_read_registers(ctx, 0, kRegisters, values) == kRegisters && valuesGood(values))
            r.good++;
        else
            r.bad++;
    }
    r.wall += wallSeconds();
    r.cpu += threadCpuSeconds();
    modbus_close(ctx);
    modbus_free(ctx);
    return r;
}

void print(const char *name, const Result &r)
{
    std::printf("  %-10s %8.0f transactions/s  %7.1f us CPU/transaction  (%d good, %d failed)\n",
                name, r.perSecond(), r.cpuPerTransactionUs(), r.good, r.bad);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int transactions = argc > 1 ? std::max(1, atoi(argv[1])) : 5000;
    const int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 3;
    const QByteArray only = argc > 3 ? QByteArray(argv[3]) : QByteArray();

    SlaveThread slaveThread;
    slaveThread.start();
    slaveThread.ready.acquire();
    if (slaveThread.devicePath.isEmpty()) {
        std::fprintf(stderr, "no pseudo-terminal pair\n");
        return 1;
    }
    qputenv("KIV_SERIAL_PORT", slaveThread.devicePath.toLocal8Bit());
    // The line-setting messages of a pty (no RTS/DTR) are not benchmark output.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    std::printf("Modbus RTU, read of %d holding registers (request %d bytes, reply %d bytes),\n"
                "%d transactions per run, %d rounds, over a pseudo-terminal pair\n\n",
                kRegisters, kRequestBytes, kReplyBytes, transactions, rounds);

    if (only == "ours" || only == "libmodbus") {
        const Result r = only == "ours" ? runOurs(transactions, 0)
                                        : runLibmodbus(slaveThread.devicePath, transactions);
        print(only.constData(), r);
        slaveThread.quit();
        slaveThread.wait();
        return r.bad == 0 ? 0 : 2;
    }

    runOurs(200, 0); // warm-up of both sides
    runLibmodbus(slaveThread.devicePath, 200);

    std::vector<Result> ours, peer;
    for (int round = 1; round <= rounds; ++round) {
        std::printf("round %d\n", round);
        ours.push_back(runOurs(transactions, 0));
        print("ours", ours.back());
        peer.push_back(runLibmodbus(slaveThread.devicePath, transactions));
        print("libmodbus", peer.back());
    }
    const auto median = [](std::vector<Result> v, auto key) {
        std::vector<double> k;
        for (const Result &r : v)
            k.push_back(key(r));
        std::sort(k.begin(), k.end());
        return k[k.size() / 2];
    };
    const double oursRate = median(ours, [](const Result &r) { return r.perSecond(); });
    const double peerRate = median(peer, [](const Result &r) { return r.perSecond(); });
    const double oursCpu = median(ours, [](const Result &r) { return r.cpuPerTransactionUs(); });
    const double peerCpu = median(peer, [](const Result &r) { return r.cpuPerTransactionUs(); });

    const double frameMs = (kRequestBytes + kReplyBytes) * kBitsPerByte / kBaud * 1000.0;
    const double withGapsMs = frameMs + 2 * kInterFrameMs;
    std::printf("\nmedian of %d rounds (poll delay 0 ms for ours; libmodbus has none)\n", rounds);
    std::printf("  ours       %8.0f transactions/s  %7.1f us CPU/transaction\n", oursRate, oursCpu);
    std::printf("  libmodbus  %8.0f transactions/s  %7.1f us CPU/transaction\n", peerRate, peerCpu);
    std::printf("  ratio ours/libmodbus: throughput %.2f, CPU per transaction %.2f\n",
                oursRate / peerRate, oursCpu / peerCpu);
    std::printf("\nwire-time limit at 115200 baud 8N1 for the same frames:\n");
    std::printf("  bytes only          %.3f ms/transaction = %6.0f transactions/s (ours is %.1fx)\n",
                frameMs, 1000.0 / frameMs, oursRate / (1000.0 / frameMs));
    std::printf("  with 1.75 ms gaps   %.3f ms/transaction = %6.0f transactions/s\n", withGapsMs,
                1000.0 / withGapsMs);

    const Result paced = runOurs(100, QModbusMaster::kDefaultPollDelayMs);
    std::printf("\nours with the default %d ms rest after each reply: %.0f transactions/s\n",
                QModbusMaster::kDefaultPollDelayMs, paced.perSecond());

    slaveThread.quit();
    slaveThread.wait();
    const bool allGood = std::all_of(ours.begin(), ours.end(), [](const Result &r) { return r.bad == 0; })
        && std::all_of(peer.begin(), peer.end(), [](const Result &r) { return r.bad == 0; });
    return allGood ? 0 : 2;
}
