#include "modbus/modbusfakeslave.h"
#include "modbus/modbusrtu.h"
#include "modbus/modbusserialport.h"
#include "modbus/modbussetup.h"
#include "modbus/qmodbusmaster.h"
#include "modbus/qmodbuspollinfo.h"

#include "platform/kivclock.h"

#include "messagecatcher.h"
#include "ptypair.h"
#include "scriptedslave.h"

#include <QSerialPort>
#include <QSignalSpy>
#include <QState>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <sys/resource.h>

namespace {

QStringList g_log;
void captureLog(QtMsgType, const QMessageLogContext &, const QString &msg) { g_log << msg; }

// A little more than one reopen attempt of the master.
constexpr int kReopenWaitMs = QModbusMaster::kReopenIntervalMs + 500;

QByteArray hex(const char *text) { return QByteArray::fromHex(QByteArray(text).replace(' ', "")); }

// 10:04:31.250 today, local time: the trace prints the time of day.
qint64 traceMoment()
{
    return QDateTime(QDate::currentDate(), QTime(10, 4, 31, 250)).toMSecsSinceEpoch();
}

QState *stateNamed(QStateMachine *machine, const char *name)
{
    return machine->findChild<QState *>(QLatin1Char('"') + QLatin1String(name) + QLatin1Char('"'));
}

// Queues requests from a thread of its own, as the error controller does.
class Worker : public QThread
{
public:
    Worker(QModbusMaster *master, QList<QModbusPollInfo *> infos)
        : m_master(master), m_infos(infos) {}
    QList<qint8> results;
protected:
    void run() override
    {
        for (int i = 0; i < m_infos.size(); ++i)
            results << m_master->holdingRegistersRead(1, quint16(100 + i), 2, 0, m_infos.at(i));
    }
private:
    QModbusMaster *m_master;
    QList<QModbusPollInfo *> m_infos;
};

} // namespace

class TestModbusMaster : public QObject
{
    Q_OBJECT

    std::unique_ptr<PtyPair> pty;
    std::unique_ptr<ScriptedSlave> slave;
    std::unique_ptr<QSerialPort> port;
    std::unique_ptr<QModbusMaster> master;

    void startMaster()
    {
        master->start();
        QTRY_VERIFY(master->configuration().contains(stateNamed(master.get(), "idleState")));
    }

    // A master that reaches the far end through a link of its own. Taking
    // the device away removes the link first, as an unplugged adapter's
    // node goes: a freed pseudo-terminal number is soon handed to another
    // process on a busy machine, and a path still leading to it would have
    // the master reopen, and poll, someone else's line.
    bool masterThroughLink(const QString &link)
    {
        master.reset();
        port = std::make_unique<QSerialPort>(link);
        if (!QFile::link(pty->devicePath(), link) || !ModbusSerialPort::open(port.get()))
            return false;
        master = std::make_unique<QModbusMaster>(port.get());
        return true;
    }

    bool takeDeviceAway(const QString &link)
    {
        const bool removed = QFile::remove(link);
        slave.reset();
        pty.reset();
        return removed;
    }

private slots:
    void init()
    {
        pty = std::make_unique<PtyPair>();
        QVERIFY(pty->open());
        slave = std::make_unique<ScriptedSlave>(pty.get());
        qputenv("KIV_SERIAL_PORT", pty->devicePath().toLocal8Bit());
        port.reset(ModbusSerialPort::create());
        QVERIFY(ModbusSerialPort::open(port.get()));
        master = std::make_unique<QModbusMaster>(port.get());
        g_log.clear();
    }

    void cleanup()
    {
        qInstallMessageHandler(nullptr);
        master.reset();
        port.reset();
        slave.reset();
        pty.reset();
        qunsetenv("KIV_SERIAL_PORT");
        KivClock::useSystemClock();
    }

    void serialPortNameAndLineSettings()
    {
        QCOMPARE(port->objectName(), QStringLiteral("ModbusSerialPort"));
        QCOMPARE(ModbusSerialPort::portName(), pty->devicePath());
        QCOMPARE(port->baudRate(), 115200);
        QCOMPARE(port->dataBits(), QSerialPort::Data8);
        qunsetenv("KIV_SERIAL_PORT");
        QCOMPARE(ModbusSerialPort::portName(), QStringLiteral("/dev/ttyO1"));

        // A pseudo-terminal has no modem lines: that is logged, not fatal.
        port->close();
        QSerialPort again(pty->devicePath());
        qInstallMessageHandler(captureLog);
        QVERIFY(ModbusSerialPort::open(&again));
        qInstallMessageHandler(nullptr);
        QVERIFY(again.isOpen());
        QVERIFY(g_log.filter(QStringLiteral("RTS on not applied")).size() == 1);

        QSerialPort missing(QStringLiteral("/nonexistent/tty"));
        QVERIFY(!ModbusSerialPort::open(&missing));
    }

    void requestFrames_data()
    {
        QTest::addColumn<int>("op");
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QString>("trace");
        QTest::newRow("read holding") << 3 << hex("01 03 0000 000A C5CD")
                                      << " > 01 03 0000 000A C5CD";
        QTest::newRow("write single") << 6 << hex("01 06 0010 1234 8578")
                                      << " > 01 06 0010 1234 8578";
        QTest::newRow("write multiple") << 16 << hex("01 10 0010 0002 04 1234 ABCD 08B0")
                                        << " > 01 10 0010 0002 04 1234 ABCD 08B0";
        QTest::newRow("read input") << 4 << hex("02 04 0005 0003 A039") << " > 02 04 0005 0003 A039";
        QTest::newRow("read discrete") << 2 << hex("03 02 0001 0008 29EE")
                                       << " > 03 02 0001 0008 29EE";
        QTest::newRow("read coils") << 1 << hex("01 01 0100 012C 3DBB") << " > 01 01 0100 012C 3DBB";
        QTest::newRow("write coil on") << 5 << hex("01 05 0007 FF00 3DFB")
                                       << " > 01 05 0007 FF00 3DFB";
        QTest::newRow("write coil off") << 50 << hex("01 05 0007 0000 7C0B")
                                        << " > 01 05 0007 0000 7C0B";
        QTest::newRow("write coils") << 15 << hex("01 0F 0013 000A 02 CD 01 72CB")
                                     << " > 01 0F 0013 000A 02 CD 01 72CB";
        QTest::newRow("write file record")
            << 21 << hex("01 15 0D 06 0004 0007 0003 06AF 04BE 100D D60B")
            << " > 01 15 0D 06 0004 0007 0003 06AF 04BE 100D D60B";
    }

    // Every function code, byte for byte on the line, and its trace text.
    void requestFrames()
    {
        QFETCH(int, op);
        QFETCH(QByteArray, frame);
        QFETCH(QString, trace);
        KivClock::freezeAt(traceMoment());
        master->logDataEnable();
        QSignalSpy traced(master.get(), &QModbusMaster::logData);
        startMaster();

        QModbusPollInfo info(10);
        qint8 queued = -1;
        switch (op) {
        case 3: queued = master->holdingRegistersRead(1, 0, 10, 0, &info); break;
        case 6: info.values()[0] = 0x1234; queued = master->holdingRegistersWrite(1, 0x10, 1, 0, &info); break;
        case 16:
            info.values()[0] = 0x1234;
            info.values()[1] = 0xABCD;
            queued = master->holdingRegistersWrite(1, 0x10, 2, 0, &info);
            break;
        case 4: queued = master->inputRegistersRead(2, 5, 3, 0, &info); break;
        case 2: queued = master->discreteInputsRead(3, 1, 8, 0, &info); break;
        case 1: queued = master->coilsRead(1, 0x100, 300, 0, &info); break;
        case 5: info.values()[0] = 5; queued = master->coilsWrite(1, 7, 1, 0, &info); break;
        case 50: queued = master->coilsWrite(1, 7, 1, 0, &info); break;
        case 15: {
            const quint16 coils[] = {1, 0, 1, 1, 0, 0, 1, 1, 1, 0};
            for (int i = 0; i < 10; ++i)
                info.values()[i] = coils[i];
            queued = master->coilsWrite(1, 0x13, 10, 0, &info);
            break;
        }
        case 21:
            info.values()[0] = 0x06AF;
            info.values()[1] = 0x04BE;
            info.values()[2] = 0x100D;
            queued = master->fileRecordWrite(1, 4, 13, 7, 3, 0, &info);
            break;
        }
        QCOMPARE(queued, qint8(0));
        QVERIFY(slave->waitForRequests(1));
        QCOMPARE(slave->requests().first().toHex(' '), frame.toHex(' '));
        QCOMPARE(traced.value(0).value(0).toString(), QStringLiteral("10:04:31:250") + trace);
    }

    // The whole road of one read: queued, issued, answered, decoded, traced.
    void readOnIdleMaster()
    {
        KivClock::freezeAt(traceMoment());
        master->logDataEnable();
        startMaster();
        QModbusPollInfo info(10);
        info.set_timeoutMs(250);
        QSignalSpy states(&info, &QModbusPollInfo::stateChanged);
        QSignalSpy good(&info, &QModbusPollInfo::pollReplyGood);
        slave->answer(hex("01 03 14 0001 0002 0003 0004 0005 0006 0007 0008 0009 000A"));

        qInstallMessageHandler(captureLog);
        QCOMPARE(master->holdingRegistersRead(1, 0, 10, 1, &info), qint8(0));
        // An idle master takes the request at once: queued, then issued.
        QCOMPARE(states.count(), 2);
        QCOMPARE(states.at(0).at(0).toInt(), int(QModbusPollInfo::QMBS_WAITING_IN_QUEUE));
        QCOMPARE(info.state(), int(QModbusPollInfo::QMBS_REQUEST_ISSUED));
        auto *replyTimer = master->findChild<QTimer *>(QStringLiteral("reply timer"));
        QVERIFY(replyTimer && replyTimer->isActive());
        QCOMPARE(replyTimer->interval(), 250);

        QVERIFY(good.wait(1000));
        qInstallMessageHandler(nullptr);
        QCOMPARE(slave->requests().first(), hex("01 03 0000 000A C5CD"));
        QList<int> seen;
        for (const auto &args : states)
            seen << args.at(0).toInt();
        QCOMPARE(seen, (QList<int>{3, 4, 7}));
        QCOMPARE(info.values(), (QVector<quint16>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        QVERIFY(!replyTimer->isActive());
        QVERIFY(g_log.contains(QStringLiteral("10:04:31:250 > 01 03 0000 000A C5CD")));
        QVERIFY(g_log.contains(QStringLiteral(
            "GOOD! 10:04:31:250 < 010314000100020003000400050006000700080009000A8F16")));
        QCOMPARE(master->get_errorsCount(), 0);
    }

    void replyChecks_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("split");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("errorText");
        QTest::addColumn<int>("errors");
        QTest::addColumn<bool>("noHope");
        QTest::addColumn<QVector<quint16>>("values");
        const QByteArray good = hex("01 03 04 1111 2222");
        const QVector<quint16> read{0x1111, 0x2222};
        const QVector<quint16> untouched{7, 7};
        QTest::newRow("good") << "answer" << 0 << good << 7 << "" << 0 << false << read;
        QTest::newRow("pieces 3 + 6") << "pieces" << 3 << good << 7 << "" << 0 << false << read;
        // Five bytes are enough to judge the slave but not the whole reply.
        QTest::newRow("pieces 5 + 4") << "pieces" << 5 << good << 7 << "" << 0 << false << read;
        QTest::newRow("wrong slave") << "answer" << 0 << hex("02 03 04 1111 2222") << 6 << "IC: 2"
                                     << 1 << true << untouched;
        QTest::newRow("bad crc") << "badcrc" << 0 << good << 6 << "Bad CRC: 1, 3, 0,b337" << 1
                                 << true << untouched;
        // Named once by the completeness test and once by the processing.
        QTest::newRow("exception") << "answer" << 0 << hex("01 83 02") << 6
                                   << "NACK; Func: 3, StartReg#: 0" << 2 << false << untouched;
        QTest::newRow("fewer registers") << "answer" << 0 << hex("01 03 02 1111") << 7 << "" << 0
                                         << false << QVector<quint16>{0x1111, 7};
    }

    void replyChecks()
    {
        QFETCH(QString, kind);
        QFETCH(int, split);
        QFETCH(QByteArray, body);
        QFETCH(int, state);
        QFETCH(QString, errorText);
        QFETCH(int, errors);
        QFETCH(bool, noHope);
        QFETCH(QVector<quint16>, values);
        if (kind == "pieces")
            slave->answerInPieces(body, split, 40);
        else if (kind == "badcrc")
            slave->answerBadCrc(body);
        else
            slave->answer(body);
        QSignalSpy failed(master.get(), &QModbusMaster::sigResponseNoHope);
        startMaster();
        QModbusPollInfo info(2);
        info.values() = {7, 7};
        QSignalSpy issued(&info, &QModbusPollInfo::pollRequestIssued);
        qInstallMessageHandler(captureLog); // the register-count mismatch logs
        QCOMPARE(master->holdingRegistersRead(1, 0, 2, 1, &info), qint8(0));
        QTRY_VERIFY(info.state() >= QModbusPollInfo::QMBS_REPLY_TIMEDOUT);
        qInstallMessageHandler(nullptr);
        QCOMPARE(info.state(), state);
        QCOMPARE(master->get_lastErrorInfo(), errorText);
        QCOMPARE(master->get_errorsCount(), errors);
        QCOMPARE(info.values(), values);
        QCOMPARE(issued.count(), 1); // a failed reply is not retried
        QCOMPARE(failed.count(), noHope ? 1 : 0);
        const bool mismatchLogged =
            !g_log.filter(QStringLiteral("Received qty != Requested qty")).isEmpty();
        QCOMPARE(mismatchLogged, QTest::currentDataTag() == QLatin1String("fewer registers"));
    }

    // A reply longer than the values list is legal; the rest is dropped.
    void readLongerThanValues()
    {
        slave->answer(hex("01 03 06 0001 0002 0003"));
        startMaster();
        QModbusPollInfo info(2);
        QCOMPARE(master->holdingRegistersRead(1, 0, 3, 0, &info), qint8(0));
        QTRY_COMPARE(info.state(), int(QModbusPollInfo::QMBS_GOOD_REPLY_FOUND));
        QCOMPARE(info.values(), (QVector<quint16>{1, 2}));
    }

    void failedReplyTrace()
    {
        KivClock::freezeAt(traceMoment());
        slave->answerBadCrc(hex("01 03 04 1111 2222"));
        slave->answerBadCrc(hex("01 03 04 1111 2222"));
        QSignalSpy infoText(master.get(), &QModbusMaster::modbusErrorInfoStr);
        startMaster();
        QModbusPollInfo info(2);
        info.values() = {0x1234, 0x00AB};
        master->holdingRegistersRead(1, 0, 2, 0, &info);
        QVERIFY(infoText.wait(1000));
        QCOMPARE(infoText.last().at(0).toString(), QString()); // trace off

        master->logDataEnable();
        master->holdingRegistersRead(1, 0, 2, 0, &info);
        QVERIFY(infoText.wait(1000));
        QCOMPARE(infoText.last().at(0).toString(),
                 QStringLiteral("Modbus Error:\nBad CRC: 1, 3, 0,b337;  10:04:31:250 < "
                                "01030411112222374C\nPoll Request Info:\nFunction: 3\n"
                                "Address: 0\nQuantity Regs: 2\nData : 34, AB"));
    }

    // Time-outs are retried with the same frame; the last one ends the
    // request and the next starts at once, without the rest after a reply.
    void retriesThenTimeout()
    {
        slave->staySilent(2);
        slave->answer(hex("01 03 02 0042"));
        startMaster();
        QSignalSpy rested(stateNamed(master.get(), "finalDelayState"), &QState::entered);
        QModbusPollInfo silent(1), next(1);
        silent.set_timeoutMs(30);
        QSignalSpy states(&silent, &QModbusPollInfo::stateChanged);
        QSignalSpy timedOut(&silent, &QModbusPollInfo::pollReplyTimedOut);
        master->holdingRegistersRead(1, 0, 1, 1, &silent);
        master->holdingRegistersRead(1, 5, 1, 0, &next);
        QVERIFY(timedOut.wait(1000));
        QCOMPARE(rested.count(), 0);
        QTRY_COMPARE(next.state(), int(QModbusPollInfo::QMBS_GOOD_REPLY_FOUND));
        QCOMPARE(slave->requests().size(), 3);
        QCOMPARE(slave->requests().at(0), slave->requests().at(1));
        QList<int> seen;
        for (const auto &args : states)
            seen << args.at(0).toInt();
        QCOMPARE(seen, (QList<int>{3, 4, 4, 5}));
        QCOMPARE(master->slaveStatus(1)->failedRequests, 0); // reset by the good reply
        QCOMPARE(timedOut.count(), 1);
    }

    // Link watch in fake mode, where a silent slave costs 3 ms per poll.
    void brokenLinkAfterThirtyTimeouts()
    {
        ModbusFakeSlave board(1, 10), reader(2, 10);
        ModbusSetup::wire(master.get(), {&board, &reader}, true, false);
        board.start();
        reader.start();
        startMaster();
        QSignalSpy broken(master.get(), &QModbusMaster::linkIsBroken);
        QSignalSpy flag(master.get(), &QModbusMaster::brokenLinkChanged);
        QModbusPollInfo info(1);
        const auto poll = [&](int node, int expected) {
            // The simulated slave answers after 5 ms.
            info.set_timeoutMs(expected == QModbusPollInfo::QMBS_REPLY_TIMEDOUT ? 3 : 200);
            master->holdingRegistersRead(quint8(node), 0, 1, 0, &info);
            QTRY_COMPARE_WITH_TIMEOUT(info.state(), expected, 2000);
        };

        board.fakeTimeoutErrorSetTrue();
        for (int i = 0; i < 29; ++i)
            poll(1, QModbusPollInfo::QMBS_REPLY_TIMEDOUT);
        QCOMPARE(broken.count(), 0);
        // A failed reply neither raises nor clears the count.
        board.fakeTimeoutErrorToggle();
        board.fakeCrcErrorSetTrue();
        poll(1, QModbusPollInfo::QMBS_ERROR_RETURNED);
        board.fakeTimeoutErrorSetTrue();
        poll(1, QModbusPollInfo::QMBS_REPLY_TIMEDOUT);
        QCOMPARE(broken.count(), 1);
        QCOMPARE(broken.first().at(0).toInt(), 1);
        QVERIFY(master->get_brokenLink());
        poll(1, QModbusPollInfo::QMBS_REPLY_TIMEDOUT);
        QCOMPARE(broken.count(), 1);
        QCOMPARE(master->slaveStatus(1)->failedRequests, 30);

        board.fakeTimeoutErrorToggle();
        poll(1, QModbusPollInfo::QMBS_GOOD_REPLY_FOUND);
        QVERIFY(!master->get_brokenLink());
        QCOMPARE(flag.count(), 2);

        // A reader is watched but does not drive the line's flag.
        reader.fakeTimeoutErrorSetTrue();
        for (int i = 0; i < 31; ++i)
            poll(2, QModbusPollInfo::QMBS_REPLY_TIMEDOUT);
        QCOMPARE(master->slaveStatus(2)->failedRequests, 30);
        QCOMPARE(broken.count(), 1);
        QVERIFY(!master->get_brokenLink());
    }

    void fairness()
    {
        QVector<quint16> registers(200, 0);
        slave->setResponder(ScriptedSlave::holdingRegisters(1, &registers));
        master->setPollDelay(0);
        KivClock::freezeAt(traceMoment());
        std::vector<std::unique_ptr<QModbusPollInfo>> normal, high;
        for (int i = 0; i < 3; ++i)
            normal.push_back(std::make_unique<QModbusPollInfo>(1));
        for (int i = 0; i < 9; ++i) {
            high.push_back(std::make_unique<QModbusPollInfo>(1));
            high.back()->setHighPriority(true);
        }
        const auto readHigh = [&](int i) {
            master->holdingRegistersRead(1, quint16(100 + i), 1, 0, high[size_t(i)].get());
        };
        const auto readNormal = [&](int i) {
            master->holdingRegistersRead(1, quint16(i), 1, 0, normal[size_t(i)].get());
        };
        QSignalSpy depth(master.get(), &QModbusMaster::queueDepthChanged);

        // Mark unset: high priority keeps going first, however much time passes.
        for (int i = 0; i < 3; ++i)
            readHigh(i);
        readNormal(0);
        KivClock::advance(5000);

        // Taking normal request 0 sets the mark. These are queued while it is
        // on the line, so both queues are busy from then on.
        connect(normal[0].get(), &QModbusPollInfo::pollReplyGood, this, [&] {
            for (int i = 3; i < 9; ++i)
                readHigh(i);
            readNormal(1);
            readNormal(2);
        });
        connect(high[4].get(), &QModbusPollInfo::pollReplyGood, this, [] { KivClock::advance(1099); });
        connect(high[5].get(), &QModbusPollInfo::pollReplyGood, this, [] { KivClock::advance(1); });
        startMaster();
        QTRY_COMPARE(normal[2]->state(), int(QModbusPollInfo::QMBS_GOOD_REPLY_FOUND));
        QList<int> order;
        for (const QByteArray &f : slave->requests())
            order << ((quint8(f.at(2)) << 8) | quint8(f.at(3)));
        QCOMPARE(order, (QList<int>{100, 101, 102, 0, 103, 104, 105, 1, 106, 107, 108, 2}));
        QList<int> depths;
        for (const auto &args : depth)
            depths << args.at(0).toInt();
        QCOMPARE(depths, (QList<int>{1, 2, 1}));
    }

    void cancelledWhileQueued()
    {
        slave->answer(hex("01 03 02 0042"));
        QModbusPollInfo dropped(1), kept(1);
        master->holdingRegistersRead(1, 9, 1, 0, &dropped);
        master->holdingRegistersRead(1, 5, 1, 0, &kept);
        dropped.set_state(QModbusPollInfo::QMBS_REQUEST_CANCELED);
        QSignalSpy droppedStates(&dropped, &QModbusPollInfo::stateChanged);
        startMaster();
        QTRY_COMPARE(kept.state(), int(QModbusPollInfo::QMBS_GOOD_REPLY_FOUND));
        QCOMPARE(slave->requests().size(), 1);
        QCOMPARE(quint8(slave->requests().first().at(3)), quint8(5));
        QCOMPARE(dropped.state(), int(QModbusPollInfo::QMBS_REQUEST_CANCELED));
        QCOMPARE(droppedStates.count(), 0);
    }

    void refusedRequests_data()
    {
        QTest::addColumn<QString>("request");
        QTest::addColumn<int>("values");
        QTest::addColumn<bool>("logged");
        QTest::newRow("no poll info") << "read-null" << 0 << false;
        QTest::newRow("zero quantity") << "read-0" << 4 << false;
        QTest::newRow("zero file data length") << "file-len0" << 4 << false;
        QTest::newRow("write past frame") << "write-124" << 200 << true;
        QTest::newRow("write past values") << "write-5" << 3 << true;
        QTest::newRow("single write, no values") << "write-1" << 0 << true;
        QTest::newRow("coil write, no values") << "coil-1" << 0 << true;
        QTest::newRow("coils past values") << "coils-20" << 19 << true;
        QTest::newRow("file record past frame") << "file-123" << 200 << true;
    }

    void refusedRequests()
    {
        QFETCH(QString, request);
        QFETCH(int, values);
        QFETCH(bool, logged);
        QModbusPollInfo info(values);
        QModbusPollInfo *p = request == "read-null" ? nullptr : &info;
        QSignalSpy announced(master.get(), &QModbusMaster::dequeuePollRequest);
        qInstallMessageHandler(captureLog);
        qint8 result = 0;
        if (request == "read-null")
            result = master->holdingRegistersRead(1, 0, 1, 0, p);
        else if (request == "read-0")
            result = master->holdingRegistersRead(1, 0, 0, 0, p);
        else if (request == "file-len0")
            result = master->fileRecordWrite(1, 1, 0, 0, 1, 0, p);
        else if (request == "write-124")
            result = master->holdingRegistersWrite(1, 0, 124, 0, p);
        else if (request == "write-5")
            result = master->holdingRegistersWrite(1, 0, 5, 0, p);
        else if (request == "write-1")
            result = master->holdingRegistersWrite(1, 0, 1, 0, p);
        else if (request == "coil-1")
            result = master->coilsWrite(1, 0, 1, 0, p);
        else if (request == "coils-20")
            result = master->coilsWrite(1, 0, 20, 0, p);
        else if (request == "file-123")
            result = master->fileRecordWrite(1, 1, 10, 0, 123, 0, p);
        qInstallMessageHandler(nullptr);
        QCOMPARE(result, qint8(-1));
        QVERIFY(!master->queuesNotEmpty());
        QCOMPARE(announced.count(), 0);
        QCOMPARE(info.state(), int(QModbusPollInfo::QMBS_INITIAL_STATE));
        QCOMPARE(g_log.filter(QStringLiteral("Modbus request refused")).size(), logged ? 1 : 0);
    }

    // The largest write that fits one frame still goes, whole.
    void largestWriteFits()
    {
        QModbusPollInfo info(123);
        for (int i = 0; i < 123; ++i)
            info.values()[i] = quint16(i);
        startMaster();
        QCOMPARE(master->holdingRegistersWrite(1, 0, 123, 0, &info), qint8(0));
        QVERIFY(slave->waitForRequests(1));
        QCOMPARE(slave->requests().first().size(), 255);
        QCOMPARE(quint8(slave->requests().first().at(6)), quint8(246));
    }

    void fakeModeRoutes()
    {
        ModbusFakeSlave board(1, 10);
        board.setHoldingRegister(0, 0xAA);
        board.setHoldingRegister(1, 0xBB);
        ModbusSetup::wire(master.get(), {&board}, true, false);
        board.start();
        master->startModbusStateMachine(); // queued start, as the program does
        QSignalSpy frames(master.get(), &QModbusMaster::pollRequestMessage);
        QModbusPollInfo simulated(2), onLine(1);
        slave->answer(hex("01 03 02 0042"));

        master->holdingRegistersRead(1, 0, 2, 0, &simulated);
        QTRY_COMPARE(simulated.state(), int(QModbusPollInfo::QMBS_GOOD_REPLY_FOUND));
        QCOMPARE(frames.count(), 1);
        QCOMPARE(frames.first().at(0).toByteArray(), hex("01 03 0000 0002 C40B"));
        QCOMPARE(simulated.values(), (QVector<quint16>{0xAA, 0xBB}));
        QCOMPARE(slave->requests().size(), 0);

        master->holdingRegistersRead(1, 7, 1, 0, &onLine, true);
        QTRY_COMPARE(onLine.state(), int(QModbusPollInfo::QMBS_GOOD_REPLY_FOUND));
        QCOMPARE(frames.count(), 1);
        QCOMPARE(slave->requests().size(), 1);
        QCOMPARE(onLine.values().first(), quint16(0x42));
    }

    // A simulated reply longer than a frame is cut, never overruns.
    void oversizedFakeReply()
    {
        master->set_fakeModeOn(true);
        startMaster();
        QModbusPollInfo info(1);
        master->holdingRegistersRead(1, 0, 1, 0, &info);
        QTRY_COMPARE(info.state(), int(QModbusPollInfo::QMBS_REQUEST_ISSUED));
        QByteArray huge(400, '\x01');
        master->fakeResponseReceive(huge);
        QTRY_COMPARE(info.state(), int(QModbusPollInfo::QMBS_ERROR_RETURNED));
        QVERIFY(master->get_lastErrorInfo().startsWith(QStringLiteral("Bad CRC: ")));
    }

    // Requests queued from another thread while the main thread queues its
    // own: every one is served, in queue order, by the main thread.
    void requestsFromWorkerThread()
    {
        QVector<quint16> registers(200, 0);
        slave->setResponder(ScriptedSlave::holdingRegisters(1, &registers));
        master->setPollDelay(0);
        startMaster();
        QThread *mainThread = QThread::currentThread();
        bool allInMain = true;
        connect(master.get(), &QModbusMaster::pollRequestSent, this,
                [&] { allInMain &= QThread::currentThread() == mainThread; }, Qt::DirectConnection);

        // A lone request from the worker wakes an idle master by itself.
        QModbusPollInfo lone(2);
        Worker first(master.get(), {&lone});
        first.start();
        QVERIFY(first.wait(5000));
        QTRY_COMPARE(lone.state(), int(QModbusPollInfo::QMBS_GOOD_REPLY_FOUND));

        std::vector<std::unique_ptr<QModbusPollInfo>> workerInfos, mainInfos;
        QList<QModbusPollInfo *> workerPtrs;
        for (int i = 0; i < 40; ++i) {
            workerInfos.push_back(std::make_unique<QModbusPollInfo>(2));
            workerPtrs << workerInfos.back().get();
            mainInfos.push_back(std::make_unique<QModbusPollInfo>(2));
        }
        Worker worker(master.get(), workerPtrs);
        worker.start();
        for (int i = 0; i < 40; ++i)
            master->holdingRegistersRead(1, 0, 2, 0, mainInfos[size_t(i)].get());
        QVERIFY(worker.wait(5000));
        const auto allGood = [](const std::vector<std::unique_ptr<QModbusPollInfo>> &infos) {
            for (const auto &info : infos)
                if (info->state() != QModbusPollInfo::QMBS_GOOD_REPLY_FOUND)
                    return false;
            return true;
        };
        QTRY_VERIFY_WITH_TIMEOUT(allGood(workerInfos) && allGood(mainInfos), 10000);
        QVERIFY(allInMain);
        QCOMPARE(worker.results.size(), 40);
        QVERIFY(std::all_of(worker.results.begin(), worker.results.end(),
                            [](qint8 r) { return r == 0; }));
        QList<int> workerOrder;
        for (const QByteArray &f : slave->requests().mid(1)) { // after the lone one
            const int address = (quint8(f.at(2)) << 8) | quint8(f.at(3));
            if (address >= 100)
                workerOrder << address - 100;
        }
        QCOMPARE(workerOrder.size(), 40);
        QVERIFY(std::is_sorted(workerOrder.begin(), workerOrder.end()));
    }

    // The device closes under the master and comes back at the same path.
    // The request in flight ends as a time-out at once, the loss is logged
    // once, the master stays nearly idle while the device is away (nothing
    // retries writes to it) and polls again by itself once it is back.
    void deviceGoesAwayAndComesBack()
    {
        QTemporaryDir dir;
        const QString device = dir.filePath(QStringLiteral("ttyO1"));
        QVERIFY(masterThroughLink(device));
        QVector<quint16> registers(4, 7);
        slave->setResponder(ScriptedSlave::holdingRegisters(1, &registers));
        startMaster();

        // Polls as the I/O board link does: every outcome asks again at once.
        // A frame sent while the port is closed is a retry of a request that
        // should have ended when the loss was seen; each time-out records
        // how many there were so far.
        QModbusPollInfo info(2);
        int good = 0;
        int sentWhileClosed = 0;
        QList<int> sentWhileClosedAtTimeOut;
        const auto pollAgain = [&] { master->holdingRegistersRead(1, 0, 2, 2, &info); };
        connect(master.get(), &QModbusMaster::pollRequestSent, this, [&] {
            if (!port->isOpen())
                ++sentWhileClosed;
        });
        connect(&info, &QModbusPollInfo::pollReplyGood, this, [&] { ++good; pollAgain(); });
        connect(&info, &QModbusPollInfo::pollReplyTimedOut, this, [&] {
            sentWhileClosedAtTimeOut << sentWhileClosed;
            pollAgain();
        });
        connect(&info, &QModbusPollInfo::pollReplyError, this, pollAgain);
        pollAgain();
        QTRY_VERIFY(good >= 3);

        // The far end closes while a request waits for its reply, with two
        // retries left: once the master has seen the loss, the request ends
        // as a time-out without a retry.
        slave->setResponder([](const QByteArray &) { return QByteArray(); });
        QVERIFY(slave->waitForRequests(slave->requests().size() + 1));
        MessageCatcher log;
        const int timeOutsBefore = sentWhileClosedAtTimeOut.size();
        QVERIFY(takeDeviceAway(device));
        QTRY_VERIFY_WITH_TIMEOUT(sentWhileClosedAtTimeOut.size() > timeOutsBefore, 10000);
        QCOMPARE(sentWhileClosedAtTimeOut.at(timeOutsBefore), 0);

        // Away for longer than one reopen attempt.
        rusage before{};
        rusage after{};
        ::getrusage(RUSAGE_SELF, &before);
        QElapsedTimer away;
        away.start();
        QTest::qWait(kReopenWaitMs);
        ::getrusage(RUSAGE_SELF, &after);
        const auto cpuMs = [](const rusage &u) {
            return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000.0
                + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1000.0;
        };
        const double share = (cpuMs(after) - cpuMs(before)) / double(away.elapsed());
        qInfo("CPU while the device was away: %.2f %% of a core over %lld ms", share * 100, away.elapsed());
        QVERIFY2(share < 0.05, qPrintable(QString::number(share * 100) + " % of a core"));
        QVERIFY(!port->isOpen());
        QCOMPARE(log.warnings().filter(QRegularExpression("^Modbus serial port .* lost")).size(), 1);

        // Back at the same path, answering before the path appears.
        pty = std::make_unique<PtyPair>();
        QVERIFY(pty->open());
        slave = std::make_unique<ScriptedSlave>(pty.get());
        slave->setResponder(ScriptedSlave::holdingRegisters(1, &registers));
        good = 0;
        QVERIFY(QFile::link(pty->devicePath(), device));
        QTRY_VERIFY_WITH_TIMEOUT(good >= 3, 20000);
        QCOMPARE(log.warnings().filter(QRegularExpression("^Modbus serial port .* reopened$")).size(), 1);
        QCOMPARE(log.warnings().filter(QRegularExpression("^Modbus serial port .* lost")).size(), 1);
        info.disconnect(this);
        master->disconnect(this);
    }

    // Writing a frame finds the loss before the port reports it: the request
    // still ends as a time-out at once rather than waiting out its retries
    // with nothing sent.
    void lossFoundByAWrite()
    {
        QTemporaryDir dir;
        const QString device = dir.filePath(QStringLiteral("ttyO1"));
        QVERIFY(masterThroughLink(device));
        startMaster();
        int sent = 0;
        connect(master.get(), &QModbusMaster::pollRequestSent, this, [&] { ++sent; });
        QModbusPollInfo info(2);
        QSignalSpy timedOut(&info, &QModbusPollInfo::pollReplyTimedOut);
        MessageCatcher log;

        QVERIFY(takeDeviceAway(device));
        // An idle master sends at once, before the event loop can deliver
        // the port's own report of the hang-up.
        QCOMPARE(master->holdingRegistersRead(1, 0, 2, 2, &info), qint8(0));
        QCOMPARE(sent, 1);
        QVERIFY(timedOut.wait(10000));
        QCOMPARE(sent, 1);
        QVERIFY(!port->isOpen());
        QCOMPARE(log.warnings().filter(QRegularExpression("^Modbus serial port .* lost")).size(), 1);
        master->disconnect(this);
    }

    // The chart the tracer shows: every transition's trigger and actions.
    void chart()
    {
        QMap<QString, QString> seen;
        for (QSignalTransition *t : master->findChildren<QSignalTransition *>())
            seen.insert(t->objectName(),
                        t->property("trigSignal").toString() + QLatin1Char('|')
                            + t->property("action").toString());
        const QMap<QString, QString> expected{
            {"t_move_on", "this::moveOnSig()|"},
            {"t_dequeueRequest", "this::dequeuePollRequest()|"},
            {"t1acanceled", "this::pollRequestWasCancelled()|"},
            {"tTO_retries", "replyTimer::timeout()|this->pollRequestSend()\nthis->incBrokenPolls()\n"},
            {"tTO_noRetries",
             "replyTimer::timeout()|this->pollStatusSetToTimedOut()\nthis->incBrokenPolls()\n"},
            {"tSerialDataRcvd", "port::readyRead()|this->pollResponseCompleteness()\n"},
            {"t_fakeReceivedSig",
             "this::fakeResponseReceivedSignal()|this->pollResponseCompleteness()\n"},
            {"tPollComplete",
             "this::sigProcessResponse()|this->pollProcessResponse()\nthis->decBrokenPolls()\n"},
            {"tFinalDelayTO", "finalDelayTimer::timeout()|"},
            {"tPollNoHope",
             "this::sigResponseNoHope()|this->pollStatusSetToError()\nthis->incBrokenPolls()\n"},
        };
        QCOMPARE(seen, expected);
    }
};

QTEST_MAIN(TestModbusMaster)
#include "tst_modbusmaster.moc"
