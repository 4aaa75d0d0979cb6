#include "core/tempprobestatemanager.h"
#include "core/zonemanager.h"
#include "nfc/bininfo.h"
#include "nfc/masteriomanager.h"
#include "nfc/mbhrinfo.h"

#include "modbus/modbusserialport.h"
#include "modbus/modbussetup.h"
#include "modbus/qmodbusmaster.h"
#include "modbus/qmodbuspollinfo.h"
#include "core/canmessagecodec.h"
#include "platform/kivclock.h"

#include "cantestnode.h"
#include "coarsetimer.h"
#include "machinestates.h"
#include "messagecatcher.h"
#include "ptypair.h"
#include "scriptedslave.h"
#include "temproot.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSerialPort>
#include <QSignalSpy>
#include <QState>
#include <QtTest>

#include <memory>

namespace {

QStringList g_log;
void captureLog(QtMsgType, const QMessageLogContext &, const QString &msg) { g_log << msg; }

QByteArray hex(const char *text) { return QByteArray::fromHex(QByteArray(text).replace(' ', "")); }

using Report = QList<QVariant>;
Report report(int a, int b, int c, int d) { return Report{a, b, c, d}; }

// Two zones of two bins, averaged temperatures, board channels 0 and 1.
IoBoardLayout smallCabinet(bool primary = true)
{
    IoBoardLayout layout;
    layout.iAmMaster = primary;
    layout.numberOfZones = 2;
    layout.traysPerZone = 2;
    layout.cabinetConfiguration = 3;
    layout.zoneMap = {0, 1};
    layout.mio2uitMap = {0, 1, 2, 3};
    return layout;
}

QState *stateNamed(QStateMachine *machine, const char *name)
{
    return machine->findChild<QState *>(QLatin1Char('"') + QLatin1String(name) + QLatin1Char('"'));
}

} // namespace

class TestMasterIoManager : public QObject
{
    Q_OBJECT

    std::unique_ptr<MasterIoManager> makeIo(const IoBoardLayout &layout, int tempHandling = 0,
                                            QModbusMaster *master = nullptr,
                                            QList<ZoneManager *> *zones = nullptr,
                                            CanbusManager *can = nullptr, int uiId = 1)
    {
        auto io = std::make_unique<MasterIoManager>(nullptr, master, can, uiId, zones, nullptr,
                                                    tempHandling, nullptr);
        io->set_layout(layout);
        return io;
    }

    // Both set-point blocks as 20 channels; fill() marks untouched ones.
    static void fillSetPoints(MasterIoManager &io, quint16 value)
    {
        io.pollInfo(QStringLiteral("tempSetpointsInfo"))->values().fill(value);
        io.pollInfo(QStringLiteral("tempSetpoints2Info"))->values().fill(value);
    }
    static QList<int> setPoints(MasterIoManager &io)
    {
        QList<int> got;
        for (quint16 v : io.pollInfo(QStringLiteral("tempSetpointsInfo"))->values())
            got << v;
        for (quint16 v : io.pollInfo(QStringLiteral("tempSetpoints2Info"))->values())
            got << v;
        return got;
    }

    static void setZoneMonitor(MasterIoManager &io, int mode, const QList<int> &temps)
    {
        QVector<quint16> &v = io.pollInfo(QStringLiteral("allZonesMonitorInfo"))->values();
        v.fill(0);
        v[0] = quint16(mode);
        for (int i = 0; i < temps.size() && i < 20; ++i)
            v[1 + i] = quint16(qint16(temps.at(i)));
    }

private slots:
    void init()
    {
        g_log.clear();
        KivClock::useSystemClock();
    }

    void cleanup()
    {
        qInstallMessageHandler(nullptr);
        qunsetenv("KIV_SERIAL_PORT");
        KivClock::useSystemClock();
    }

    // ------------------------------------------------------------------
    // The line

    // Start-up against a board on a pseudo-terminal: configuration write,
    // board temperatures, status words, the zone monitor every 2 s, the
    // preheat exit when the board reports preheat, and a set-point write.
    void startUpSequenceOnTheLine()
    {
        PtyPair pty;
        QVERIFY(pty.open());
        ScriptedSlave slave(&pty);
        QVector<quint16> regs(131, 0);
        regs[13] = MasterIoManager::PHU_MODE_PREHEAT;
        for (int i = 14; i < 34; ++i)
            regs[i] = 150;
        slave.setResponder(ScriptedSlave::holdingRegisters(1, &regs));
        QElapsedTimer clock;
        QList<qint64> times; // when each request reached the board, in ns
        connect(&slave, &ScriptedSlave::requestReceived, this, [&] { times << clock.nsecsElapsed(); });

        qputenv("KIV_SERIAL_PORT", pty.devicePath().toLocal8Bit());
        std::unique_ptr<QSerialPort> port(ModbusSerialPort::create());
        QVERIFY(ModbusSerialPort::open(port.get()));
        QModbusMaster master(port.get());
        ModbusSetup::wire(&master, {}, false, false);
        master.startModbusStateMachine();
        QTRY_VERIFY(master.isRunning());

        auto io = makeIo(smallCabinet(), 0, &master);
        io->set_iosyscfg(10);
        QSignalSpy preheatEvent(io.get(), &MasterIoManager::systemEnteredPreheat);
        clock.start();
        io->start();

        const QByteArray config = hex("01 06 0001 000A 580D");
        const QByteArray boardTemps = hex("01 03 0070 0005 8412");
        const QByteArray status = hex("01 03 004B 0005 F5DF");
        const QByteArray zoneMonitor = hex("01 03 000D 0015 15C6");
        const QByteArray exitPreheat = hex("01 06 000C 0003 09C8");

        auto indexesOf = [&slave](const QByteArray &frame) {
            QList<int> at;
            for (int i = 0; i < slave.requests().size(); ++i)
                if (slave.requests().at(i) == frame)
                    at << i;
            return at;
        };
        QTRY_VERIFY_WITH_TIMEOUT(indexesOf(zoneMonitor).size() >= 2, 7000);
        const QList<QByteArray> &sent = slave.requests();
        QCOMPARE(sent.first(), config);
        QVERIFY(indexesOf(boardTemps).size() >= 2);
        QVERIFY(!indexesOf(status).isEmpty());
        // Nothing else goes out: no fan polls without fans, no power line yet.
        for (const QByteArray &frame : sent)
            QVERIFY2(frame == config || frame == boardTemps || frame == status
                         || frame == zoneMonitor || frame == exitPreheat,
                     frame.toHex(' ').constData());

        // The first zone monitor about 2 s after the configuration reply,
        // the next 2 s later (give or take a request queued ahead of one);
        // the board's preheat report is answered once. The monitor timer is
        // a coarse one.
        const QList<int> monitors = indexesOf(zoneMonitor);
        const auto msBetween = [&times](int from, int to) {
            return double(times.at(to) - times.at(from)) / 1e6;
        };
        const double first = msBetween(0, monitors.at(0)); // from the configuration write
        QVERIFY2(first >= coarseTimerFloor(MasterIoManager::kZoneMonitorIntervalMs) && first < 2600,
                 QByteArray::number(first).constData());
        const double period = msBetween(monitors.at(0), monitors.at(1));
        QVERIFY2(period >= 1800 && period < 2600, QByteArray::number(period).constData());
        QCOMPARE(indexesOf(exitPreheat).size(), 1);
        QVERIFY(indexesOf(exitPreheat).first() > monitors.at(0));
        QCOMPARE(regs[12], quint16(3));
        QVERIFY(activeStateNames(*io).contains(QStringLiteral("mphuModePreheat")));
        QCOMPARE(io->get_binInfoList().at(3)->get_actualTemp(), 150);

        // Set points: two bins' targets, gathered for 500 ms, then both blocks.
        io->setBinTargetTemp(0, 165);
        io->setBinTargetTemp(2, 165);
        const QByteArray block1 = hex("01 10 0002 000A 14 00A5 00A5 0000 0000 0000 0000 0000 0000"
                                      " 0000 0000 CC32");
        const QByteArray block2 = hex("01 10 0066 000A 14 0000 0000 0000 0000 0000 0000 0000 0000"
                                      " 0000 0000 10FD");
        QTRY_VERIFY(indexesOf(block2).size() == 1);
        QCOMPARE(indexesOf(block1).size(), 1);
        QCOMPARE(indexesOf(block1).first() + 1, indexesOf(block2).first());
        QCOMPARE(regs[2], quint16(165));
        QCOMPARE(regs[3], quint16(165));

        // The board leaves preheat: the machine follows, and 3 s later the
        // preheat event goes out.
        regs[13] = MasterIoManager::PHU_MODE_ACTIVE_HEATING;
        QTRY_VERIFY_WITH_TIMEOUT(activeStateNames(*io).contains(QStringLiteral("mphuModeNormal")), 3000);
        QVERIFY(preheatEvent.wait(4000));
        QCOMPARE(indexesOf(exitPreheat).size(), 1);
        io.reset();
    }

    // The outcome of the configuration write never stalls the machine.
    void configurationWriteOutcome_data()
    {
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<int>("subCode");
        QTest::newRow("good") << int(QModbusPollInfo::QMBS_GOOD_REPLY_FOUND) << QString() << 0;
        QTest::newRow("timed out") << int(QModbusPollInfo::QMBS_REPLY_TIMEDOUT)
                                   << QStringLiteral("I/O Configuration set timed out") << 1;
        QTest::newRow("error") << int(QModbusPollInfo::QMBS_ERROR_RETURNED)
                               << QStringLiteral("I/O Configuration set error") << 2;
    }

    void configurationWriteOutcome()
    {
        QFETCH(int, outcome);
        QFETCH(QString, dialog);
        QFETCH(int, subCode);
        auto io = makeIo(smallCabinet());
        QSignalSpy dialogs(io.get(), &MasterIoManager::invokeSimpleDialog);
        QSignalSpy errors(io.get(), &MasterIoManager::errorInfo);
        io->start();
        QTRY_VERIFY(activeStateNames(*io).contains(QStringLiteral("mphuSetSystemConfig")));
        // No configuration set: the board is told 255.
        QCOMPARE(io->pollInfo(QStringLiteral("ioSysConfigPollInfo"))->values().at(0), quint16(255));

        io->pollInfo(QStringLiteral("ioSysConfigPollInfo"))
            ->pollResolved(QModbusPollInfo::QModbusPollStateEnum(outcome));
        QTRY_VERIFY(activeStateNames(*io).contains(QStringLiteral("mphuModeUnknown")));
        auto *monitorTimer = io->findChild<QTimer *>(QStringLiteral("zoneMonitorTimer"));
        QVERIFY(monitorTimer->isActive());
        QCOMPARE(monitorTimer->interval(), 2000);
        QVERIFY(!monitorTimer->isSingleShot());
        if (dialog.isEmpty()) {
            QCOMPARE(dialogs.count(), 0);
            QCOMPARE(errors.count(), 0);
        } else {
            QCOMPARE(dialogs.count(), 1);
            QCOMPARE(dialogs.first(), (QList<QVariant>{dialog, true}));
            QCOMPARE(errors.count(), 1);
            QCOMPARE(errors.first(), report(1, subCode, 0, 0));
        }
    }

    // A set-point request while a write is in flight goes out once more
    // right after the reply, and from then on without the 500 ms wait.
    void setPointRequestsAreGathered()
    {
        auto io = makeIo(smallCabinet());
        io->start();
        QTRY_VERIFY(io->isRunning());
        QState *sending = stateNamed(io.get(), "ttSending");
        QSignalSpy sends(sending, &QState::entered);
        QModbusPollInfo *block1 = io->pollInfo(QStringLiteral("tempSetpointsInfo"));

        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 3; ++i)
            emit io->ttSendRequestSignal();
        QVERIFY(sends.wait(1000));
        QVERIFY2(clock.elapsed() >= 450, QByteArray::number(clock.elapsed()).constData());
        QCOMPARE(sends.count(), 1);

        emit io->ttSendRequestSignal();
        emit io->ttSendRequestSignal();
        QTRY_VERIFY(io->get_pendingTTSF());
        block1->pollResolved(QModbusPollInfo::QMBS_REPLY_TIMEDOUT);
        QTRY_COMPARE(sends.count(), 2);
        QVERIFY(!io->get_pendingTTSF());

        block1->pollResolved(QModbusPollInfo::QMBS_GOOD_REPLY_FOUND);
        QTRY_VERIFY(activeStateNames(*io).contains(QStringLiteral("ttIdle")));
        clock.restart();
        emit io->ttSendRequestSignal();
        QTRY_COMPARE(sends.count(), 3);
        QVERIFY2(clock.elapsed() < 300, QByteArray::number(clock.elapsed()).constData());
    }

    // ------------------------------------------------------------------
    // Set points

    void setPointMapping_data()
    {
        QTest::addColumn<int>("tempHandling");
        QTest::addColumn<int>("configuration");
        QTest::addColumn<int>("zones");
        QTest::addColumn<int>("traysPerZone");
        QTest::addColumn<QList<int>>("zoneMap");
        QTest::addColumn<QList<int>>("mio2uit");
        QTest::addColumn<QList<int>>("expected"); // 20 channels; -1: untouched
        QTest::addColumn<int>("skipped");         // log lines for skipped entries

        // Bin b holds the target 100 + b; untouched channels keep 999.
        const QList<int> none = QVector<int>(20, -1).toList();
        auto with = [none](std::initializer_list<std::pair<int, int>> set) {
            QList<int> l = none;
            for (auto p : set)
                l[p.first] = p.second;
            return l;
        };
        QTest::newRow("averaged: one channel per zone, from its first bin")
            << 0 << 3 << 3 << 2 << QList<int>{4, 0, 12} << QList<int>{}
            << with({{4, 100}, {0, 102}, {12, 104}}) << 0;
        QTest::newRow("individual: a channel per bin, block 2 from channel 10")
            << 1 << 3 << 3 << 2 << QList<int>{0, 1, 5} << QList<int>{}
            << with({{0, 100}, {1, 101}, {2, 102}, {3, 103}, {10, 104}, {11, 105}}) << 0;
        QTest::newRow("paired: the personality picks the bin of each input")
            << 0 << 10 << 2 << 2 << QList<int>{0, 6} << QList<int>{1, 0, 2, 3}
            << with({{0, 101}, {1, 100}, {12, 102}, {13, 103}}) << 0;
        QTest::newRow("individual: channels past 19 are skipped")
            << 1 << 3 << 2 << 2 << QList<int>{9, 10}
            << QList<int>{} << with({{18, 100}, {19, 101}}) << 2;
        QTest::newRow("a negative channel is skipped")
            << 0 << 3 << 2 << 2 << QList<int>{-1, 3} << QList<int>{} << with({{3, 102}}) << 1;
        QTest::newRow("a short zone map skips the zones it lacks")
            << 0 << 3 << 3 << 2 << QList<int>{7} << QList<int>{} << with({{7, 100}}) << 2;
        QTest::newRow("paired: a short bin map skips the inputs it lacks")
            << 0 << 10 << 2 << 2 << QList<int>{0, 1} << QList<int>{0, 1, 2}
            << with({{0, 100}, {1, 101}, {2, 102}}) << 1;
        QTest::newRow("more bins than the board has: the extra ones are skipped")
            << 1 << 3 << 6 << 4 << QList<int>{0, 1, 2, 3, 4, 5} << QList<int>{}
            << [] { QList<int> l; for (int b = 0; b < 20; ++b) l << 100 + b; return l; }() << 4;
    }

    void setPointMapping()
    {
        QFETCH(int, tempHandling);
        QFETCH(int, configuration);
        QFETCH(int, zones);
        QFETCH(int, traysPerZone);
        QFETCH(QList<int>, zoneMap);
        QFETCH(QList<int>, mio2uit);
        QFETCH(QList<int>, expected);
        QFETCH(int, skipped);

        IoBoardLayout layout;
        layout.iAmMaster = true;
        layout.numberOfZones = zones;
        layout.traysPerZone = traysPerZone;
        layout.cabinetConfiguration = configuration;
        layout.zoneMap = zoneMap;
        layout.mio2uitMap = mio2uit;
        auto io = makeIo(layout, tempHandling);
        for (int b = 0; b < 20; ++b)
            io->setBinTargetTemp(b, 100 + b);
        fillSetPoints(*io, 999);

        qInstallMessageHandler(captureLog);
        io->sendAllSetpointsRequest();
        qInstallMessageHandler(nullptr);

        for (int &v : expected)
            if (v == -1)
                v = 999;
        QCOMPARE(setPoints(*io), expected);
        QCOMPARE(g_log.filter(QStringLiteral("sendAllSetpointsRequest() ERROR")).size(), skipped);
    }

    // ------------------------------------------------------------------
    // Zone temperatures

    void zoneMonitorFillsTheBins_data()
    {
        QTest::addColumn<int>("zones");
        QTest::addColumn<int>("traysPerZone");
        QTest::addColumn<QList<int>>("mio2uit");
        QTest::addColumn<QList<int>>("expected"); // actualTemp of bins 0..5

        // Input i reads 200 + i; input 5 reads -10 (signed on the wire).
        QTest::newRow("bins read their own inputs")
            << 2 << 2 << QList<int>{0, 1, 2, 3} << QList<int>{200, 201, 202, 203, 0, 0};
        QTest::newRow("the map can cross inputs")
            << 2 << 2 << QList<int>{1, 0, 3, 2} << QList<int>{201, 200, 203, 202, 0, 0};
        QTest::newRow("negative readings stay negative")
            << 3 << 2 << QList<int>{5, 4, 3, 2, 1, 0} << QList<int>{-10, 204, 203, 202, 201, 200};
        QTest::newRow("a short map leaves the other bins alone")
            << 3 << 2 << QList<int>{0, 1} << QList<int>{200, 201, 0, 0, 0, 0};
        QTest::newRow("entries outside the cabinet are skipped")
            << 2 << 2 << QList<int>{4, -1, 19, 2} << QList<int>{0, 0, 0, 202, 0, 0};
        QTest::newRow("more bins than the board has")
            << 6 << 4 << [] { QList<int> l; for (int i = 0; i < 24; ++i) l << i; return l; }()
            << QList<int>{200, 201, 202, 203, 204, -10};
    }

    void zoneMonitorFillsTheBins()
    {
        QFETCH(int, zones);
        QFETCH(int, traysPerZone);
        QFETCH(QList<int>, mio2uit);
        QFETCH(QList<int>, expected);
        IoBoardLayout layout = smallCabinet();
        layout.numberOfZones = zones;
        layout.traysPerZone = traysPerZone;
        layout.mio2uitMap = mio2uit;
        auto io = makeIo(layout);
        QList<int> temps;
        for (int i = 0; i < 20; ++i)
            temps << 200 + i;
        temps[5] = -10;
        setZoneMonitor(*io, 3, temps);
        QSignalSpy mode(io.get(), &MasterIoManager::operatingModeChanged);
        io->processAllZonesMonitorInfo();
        QCOMPARE(mode.count(), 1);
        QCOMPARE(io->get_operatingMode(), 3);
        for (int b = 0; b < expected.size(); ++b)
            QCOMPARE(io->get_binInfoList().at(b)->get_actualTemp(), expected.at(b));
    }

    // The zones hear the probe states of their two inputs as one word, and
    // each probe manager gets its bin's reading.
    void probeStatesReachTheZones()
    {
        QList<ZoneManager *> zones;
        for (int z = 0; z < 2; ++z)
            zones << new ZoneManager(z, 2, nullptr, nullptr, 0, 0, false, this);
        QList<TempProbeStateManager *> probes;
        const QList<int> states = {TempProbeStateManager::TPS_SHORTED_ERROR,
                                   TempProbeStateManager::TPS_OPEN_ERROR,
                                   TempProbeStateManager::TPS_OPEN_ERROR,
                                   TempProbeStateManager::TPS_TOO_HIGH,
                                   TempProbeStateManager::TPS_SHORTED_ERROR};
        for (int state : states) {
            auto *p = new TempProbeStateManager(this);
            p->set_tps(state);
            probes << p;
        }
        auto io = makeIo(smallCabinet(), 0, nullptr, &zones);
        io->set_tpsmList(probes);
        setZoneMonitor(*io, 2, {111, 112, 113, 114});
        io->processAllZonesMonitorInfo();

        QCOMPARE(zones.at(0)->get_tpStatus(), 1u + 8u);
        QCOMPARE(zones.at(1)->get_tpStatus(), 2u);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(probes.at(i)->get_tpvalue(), 111 + i);
        QCOMPARE(probes.at(4)->get_tpvalue(), 0);

        // More probes than bins: the extra ones are left alone.
        for (int i = 0; i < 20; ++i)
            probes << new TempProbeStateManager(this);
        io->set_tpsmList(probes);
        io->processAllZonesMonitorInfo();
        QCOMPARE(probes.last()->get_tpvalue(), -1);
        qDeleteAll(probes);
        qDeleteAll(zones);
    }

    // Ten consecutive readings with a bin at 271..326 raise one alarm and
    // one error report; a cooler reading starts the count again.
    void heaterHighAlarm_data()
    {
        QTest::addColumn<QList<int>>("readings"); // temperature of bin 2, one per poll
        QTest::addColumn<int>("alarms");

        auto times = [](int n, int value) { return QVector<int>(n, value).toList(); };
        QTest::newRow("nine hot readings") << times(9, 300) << 0;
        QTest::newRow("ten hot readings") << times(10, 300) << 1;
        QTest::newRow("thirty hot readings") << times(30, 300) << 1;
        QTest::newRow("271 is hot") << times(10, 271) << 1;
        QTest::newRow("326 is hot") << times(10, 326) << 1;
        QTest::newRow("270 is not") << times(10, 270) << 0;
        QTest::newRow("327 and above are not temperatures") << times(10, 327) << 0;
        QTest::newRow("nine, a cool one, nine") << times(9, 300) + QList<int>{200} + times(9, 300) << 0;
        QTest::newRow("ten, a cool one, ten") << times(10, 300) + QList<int>{200} + times(10, 300) << 2;
    }

    void heaterHighAlarm()
    {
        QFETCH(QList<int>, readings);
        QFETCH(int, alarms);
        auto io = makeIo(smallCabinet());
        QSignalSpy alarm(io.get(), &MasterIoManager::heaterHighTempAlarm);
        QSignalSpy errors(io.get(), &MasterIoManager::errorInfo);
        for (int t : readings) {
            setZoneMonitor(*io, 3, {150, 150, t, 150});
            io->processAllZonesMonitorInfo();
        }
        QCOMPARE(alarm.count(), alarms);
        QCOMPARE(errors.count(), alarms);
        for (const auto &e : errors)
            QCOMPARE(e, report(2, 7, 2, 0));
    }

    // ------------------------------------------------------------------
    // Board temperatures

    void ambientAlarmAndItsReset()
    {
        KivClock::freezeAt(1700000000000);
        auto io = makeIo(smallCabinet());
        QSignalSpy alarm(io.get(), &MasterIoManager::ambientTemperatureAlarm);
        QSignalSpy errors(io.get(), &MasterIoManager::errorInfo);
        QSignalSpy clears(io.get(), &MasterIoManager::errorClearInfo);
        QModbusPollInfo *boards = io->pollInfo(QStringLiteral("m_ambientTemperatureInfo"));
        QModbusPollInfo *block1 = io->pollInfo(QStringLiteral("tempSetpointsInfo"));
        auto reading = [&](quint16 highest, int count) {
            for (int i = 0; i < count; ++i) {
                boards->values() = {20, highest, 90, 0, 1};
                io->processAmbientTempertureInfo();
            }
        };

        // The highest of the five words, read unsigned.
        reading(40000, 1);
        QCOMPARE(io->get_ambientTemperature(), 40000);
        reading(160, 1);
        QCOMPARE(io->get_ambientTemperature(), 160);

        // 900 readings at 161 or more in a row; a lower one starts again.
        reading(161, 899);
        reading(160, 1);
        reading(161, 899);
        QCOMPARE(alarm.count(), 0);
        block1->values().fill(200);
        reading(161, 1);
        QCOMPARE(alarm.count(), 1);
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.first(), report(2, 6, 0, 0));
        // The alarm turns the heaters off.
        QCOMPARE(block1->values(), QVector<quint16>(10, 0));

        // Once raised it stays raised, however long the reading lasts.
        reading(200, 2000);
        QCOMPARE(alarm.count(), 1);

        // After a reset it may come back only more than an hour later.
        io->resetAmbientTempAlarm();
        QCOMPARE(clears.count(), 1);
        QCOMPARE(clears.first(), report(2, 6, 0, 0));
        reading(200, 1);
        KivClock::advance(3600 * 1000LL);
        reading(200, 1);
        QCOMPARE(alarm.count(), 1);
        KivClock::advance(1000);
        reading(200, 1);
        QCOMPARE(alarm.count(), 2);
        QCOMPARE(errors.count(), 2);
    }

    // ------------------------------------------------------------------
    // Status words and the power line

    void statusWords_data()
    {
        QTest::addColumn<int>("boards");
        QTest::addColumn<QList<int>>("words");
        QTest::addColumn<QList<int>>("expected");
        QTest::addColumn<QList<int>>("faulty");
        QTest::newRow("no board count: all five")
            << 0 << QList<int>{1, 2, 0, 0, 2} << QList<int>{1, 2, 0, 0, 2} << QList<int>{2, 5};
        QTest::newRow("two boards") << 2 << QList<int>{0, 2, 2, 2, 2} << QList<int>{0, 2, 0, 0, 0}
                                    << QList<int>{2};
        QTest::newRow("more than five: all five")
            << 7 << QList<int>{2, 0, 0, 0, 1} << QList<int>{2, 0, 0, 0, 1} << QList<int>{1};
        QTest::newRow("no fault") << 5 << QList<int>{1, 1, 1, 1, 1} << QList<int>{1, 1, 1, 1, 1}
                                  << QList<int>{};
    }

    void statusWords()
    {
        QFETCH(int, boards);
        QFETCH(QList<int>, words);
        QFETCH(QList<int>, expected);
        QFETCH(QList<int>, faulty);
        IoBoardLayout layout = smallCabinet();
        layout.numIOBoards = boards;
        auto io = makeIo(layout);
        QSignalSpy changes(io.get(), &MasterIoManager::iobGenStatusChanged);
        QSignalSpy errors(io.get(), &MasterIoManager::errorInfo);
        QModbusPollInfo *info = io->pollInfo(QStringLiteral("ioBoardsStatusPollInfo"));
        for (int i = 0; i < 5; ++i)
            info->values()[i] = quint16(words.at(i));
        io->processIosGenStatus();
        for (int k = 1; k <= 5; ++k)
            QCOMPARE(io->property(qPrintable(QStringLiteral("iobGenStatus%1").arg(k))).toInt(),
                     expected.at(k - 1));
        // Highest board first.
        if (changes.count() > 1)
            QVERIFY(changes.first().at(0).toInt() > changes.last().at(0).toInt());
        QTRY_COMPARE(errors.count(), faulty.size());
        for (int i = 0; i < faulty.size(); ++i)
            QVERIFY(errors.contains(report(4, 2, faulty.at(i), 0)));
        QCOMPARE(io->getIoCommErrorDetected(), !faulty.isEmpty());

        // A word that recovers clears its report.
        QSignalSpy clears(io.get(), &MasterIoManager::errorClearInfo);
        info->values().fill(0);
        io->processIosGenStatus();
        QCOMPARE(io->getIoCommErrorDetected(), false);
        QTRY_VERIFY(clears.count() >= faulty.size());
        for (int board : faulty)
            QVERIFY(clears.contains(report(4, 2, board, 0)));
    }

    void powerLine()
    {
        auto io = makeIo(smallCabinet());
        QSignalSpy dialogs(io.get(), &MasterIoManager::invokeSimpleDialog);
        QSignalSpy errors(io.get(), &MasterIoManager::errorInfo);
        QSignalSpy clears(io.get(), &MasterIoManager::errorClearInfo);
        QModbusPollInfo *line = io->pollInfo(QStringLiteral("m_powerLineInfo"));
        auto timer = io->findChild<QTimer *>(QStringLiteral("powerLineTimer"));
        QCOMPARE(timer->interval(), 30000);

        line->values() = {12034, 6004, 1549, 0};
        io->processPowerLineInfo();
        QCOMPARE(io->get_lineVoltage(), 120.3);
        QCOMPARE(io->get_lineFrequency(), 60.0);
        QCOMPARE(io->get_lineCurrent(), 15.5);
        QCOMPARE(timer->interval(), 2000);
        QCOMPARE(dialogs.count(), 0);
        QVERIFY(clears.contains(report(2, 9, 0, 0)));
        QVERIFY(clears.contains(report(2, 8, 0, 0)));

        // Each error is announced once while it lasts; only the low byte
        // of the flags counts; a communication error hides the ZX error.
        struct Step { quint16 flags; QString dialog; Report error; };
        const QList<Step> steps = {
            {0x0100, QString(), Report()},
            {0x0001, QStringLiteral("Power monitor communication error"), report(2, 9, 0, 0)},
            {0x0001, QString(), Report()},
            {0x0003, QString(), Report()},
            {0x0002, QStringLiteral("Power monitor ZX error"), report(2, 8, 0, 0)},
            {0x0002, QString(), Report()},
            {0x0000, QString(), Report()},
            {0x0002, QStringLiteral("Power monitor ZX error"), report(2, 8, 0, 0)},
        };
        for (const Step &s : steps) {
            dialogs.clear();
            errors.clear();
            line->values()[3] = s.flags;
            io->processPowerLineInfo();
            QCOMPARE(dialogs.count(), s.dialog.isEmpty() ? 0 : 1);
            QCOMPARE(errors.count(), s.error.isEmpty() ? 0 : 1);
            if (!s.dialog.isEmpty()) {
                QCOMPARE(dialogs.first(), (QList<QVariant>{s.dialog, true}));
                QCOMPARE(errors.first(), s.error);
            }
        }
    }

    // ------------------------------------------------------------------
    // Fans

    void fanSpeedsFollowTheZoneChannels()
    {
        IoBoardLayout layout = smallCabinet();
        layout.numberOfZones = 3;
        layout.zoneMap = {3, 12, 1};
        auto io = makeIo(layout);
        QModbusPollInfo *actuals = io->pollInfo(QStringLiteral("fanActualsInfo"));
        for (int c = 0; c < 10; ++c)
            actuals->values()[c] = quint16(40 + c);
        qInstallMessageHandler(captureLog);
        io->processFanSpeedActualInfo();
        qInstallMessageHandler(nullptr);
        const QList<BinInfo *> bins = io->get_binInfoList();
        QCOMPARE(bins.at(0)->get_actualFanSpeed(), 43);
        QCOMPARE(bins.at(1)->get_actualFanSpeed(), 43);
        QCOMPARE(bins.at(2)->get_actualFanSpeed(), 0); // channel 12 does not exist
        QCOMPARE(bins.at(4)->get_actualFanSpeed(), 41);
        QCOMPARE(bins.at(5)->get_actualFanSpeed(), 41);
        QCOMPARE(g_log.filter(QStringLiteral("processFanSpeedActualInfo() ERROR: index out of range!")).size(), 2);

        bins.at(0)->set_targetFanSpeed(70);
        bins.at(4)->set_targetFanSpeed(55);
        QModbusPollInfo *targets = io->pollInfo(QStringLiteral("fanSpeedTargetsInfo"));
        io->sendAllBinsFanSpeed();
        QCOMPARE(targets->values().at(3), quint16(70));
        QCOMPARE(targets->values().at(1), quint16(55));
    }

    // ------------------------------------------------------------------
    // Primary display only

    // A secondary display's master never runs: nothing may be queued into
    // it, neither by the periodic polls nor by fan or set-point changes.
    void onlyThePrimaryDisplayTalksToTheBoard_data()
    {
        QTest::addColumn<bool>("primary");
        QTest::newRow("primary") << true;
        QTest::newRow("secondary") << false;
    }

    void onlyThePrimaryDisplayTalksToTheBoard()
    {
        QFETCH(bool, primary);
        QModbusMaster master(nullptr);
        QList<ZoneManager *> zones{new ZoneManager(0, 2, nullptr, nullptr, 0, 0, false, this)};
        IoBoardLayout layout = smallCabinet(primary);
        layout.hasFan = true;
        auto io = makeIo(layout, 0, &master, &zones);
        if (primary) {
            io->start();
            QTRY_VERIFY(io->isRunning());
        }
        QCOMPARE(io->findChild<QTimer *>(QStringLiteral("powerLineTimer"))->isActive(), primary);
        QCOMPARE(io->findChild<QTimer *>(QStringLiteral("fanActualsTimer"))->isActive(), primary);

        emit zones.first()->targetFansListChanged();
        QCOMPARE(io->findChild<QTimer *>(QStringLiteral("fanTargetTimer"))->isActive(), primary);
        io->sendAllFanTargetsRequest();
        io->requestPowerLineInfo();
        io->requestExitPreheat();
        io->turnAllHeatersOff();
        io->sendAllSetpointsRequest();

        const int waiting = QModbusPollInfo::QMBS_WAITING_IN_QUEUE;
        for (const char *name : {"fanSpeedTargetsInfo", "m_powerLineInfo", "operatingModeInfo",
                                 "tempSetpointsInfo", "tempSetpoints2Info"}) {
            const int state = io->pollInfo(QLatin1String(name))->state();
            QVERIFY2(primary ? state == waiting : state == QModbusPollInfo::QMBS_INITIAL_STATE, name);
        }
        io.reset();
        qDeleteAll(zones);
    }

    // ------------------------------------------------------------------
    // The other displays

    void zoneMonitorPayloadLayout()
    {
        QList<BinInfo *> bins;
        for (int b = 0; b < 20; ++b) {
            bins << new BinInfo(b, this);
            bins.last()->set_actualTemp(b == 1 ? -2 : 150 + b);
        }
        const QByteArray payload = MasterIoManager::zoneMonitorPayload(3, bins);
        QCOMPARE(payload.size(), 84);
        QCOMPARE(payload.left(12), hex("00000003 00000096 FFFFFFFE"));
        QCOMPARE(payload.right(4), hex("000000A9"));
        qDeleteAll(bins);
    }

    // The receiving display: a whole message sets the mode and every bin;
    // a short one is logged and changes nothing.
    void zoneMonitorMessageOnAnotherDisplay()
    {
        auto io = makeIo(smallCabinet(false));
        QList<BinInfo *> source;
        for (int b = 0; b < 20; ++b) {
            source << new BinInfo(b, this);
            source.last()->set_actualTemp(b == 19 ? -5 : 140 + b);
        }
        const QByteArray payload = MasterIoManager::zoneMonitorPayload(3, source);
        qDeleteAll(source);

        QSignalSpy mode(io.get(), &MasterIoManager::operatingModeChanged);
        io->processZoneMonitorMessage(payload);
        QCOMPARE(mode.count(), 1);
        QCOMPARE(io->get_operatingMode(), 3);
        QCOMPARE(io->get_binInfoList().at(0)->get_actualTemp(), 140);
        QCOMPARE(io->get_binInfoList().at(19)->get_actualTemp(), -5);

        qInstallMessageHandler(captureLog);
        for (const QByteArray &bad : {QByteArray(), payload.left(83), QByteArray(10, '\xff')})
            io->processZoneMonitorMessage(bad);
        qInstallMessageHandler(nullptr);
        QCOMPARE(mode.count(), 1);
        QCOMPARE(io->get_binInfoList().at(0)->get_actualTemp(), 140);
        QCOMPARE(g_log.filter(QStringLiteral("Zone monitor message too short")).size(), 3);
    }

    void zoneMonitorGoesToTheOtherDisplays_data()
    {
        QTest::addColumn<bool>("mirror");
        QTest::addColumn<bool>("secondary");
        QTest::addColumn<int>("messages");
        QTest::newRow("single display") << false << false << 0;
        QTest::newRow("with a mirror") << true << false << 1;
        QTest::newRow("with a secondary") << false << true << 1;
    }

    void zoneMonitorGoesToTheOtherDisplays()
    {
        QFETCH(bool, mirror);
        QFETCH(bool, secondary);
        QFETCH(int, messages);
        TempRoot root;
        qputenv("KIV_CAN", "virtual");
        qputenv("KIV_VCAN_DIR", root.filePath("/run/vcan/can0").toLocal8Bit());
        QVERIFY(QDir().mkpath(root.filePath("/run/vcan/can0")));
        {
            CanTestNode sender(1), receiver(2);
            QSignalSpy got(receiver.manager(), SIGNAL(receivedMpm(int,QByteArray)));
            IoBoardLayout layout = smallCabinet();
            layout.hasMirrorDisplay = mirror;
            layout.hasSecondaryDisplay = secondary;
            auto io = makeIo(layout, 0, nullptr, nullptr, sender.manager());
            setZoneMonitor(*io, 2, {171, 172, 173, 174});
            io->processAllZonesMonitorInfo();
            if (messages) {
                QTRY_COMPARE(got.size(), 1);
                QCOMPARE(got.first().at(0).toInt(), int(CanbusManager::KIV_MULTI_ZONEMONITORINFO));
                QCOMPARE(got.first().at(1).toByteArray(),
                         MasterIoManager::zoneMonitorPayload(2, io->get_binInfoList()));
            } else {
                QTest::qWait(200);
                QCOMPARE(got.size(), 0);
            }
        }
        qunsetenv("KIV_VCAN_DIR");
        qunsetenv("KIV_CAN");
    }

    // ------------------------------------------------------------------
    // Heater tests

    // Which bin's reading belongs to a heater: the cabinet's board table,
    // else the personality's heater channel of the zone; anything outside
    // the cabinet, the table or the 20 bins reads 0 and "NO ERROR".
    void heaterAddressing_data()
    {
        QTest::addColumn<int>("uiId");
        QTest::addColumn<int>("iosyscfg");
        QTest::addColumn<int>("zones");
        QTest::addColumn<int>("numberingOrder");
        QTest::addColumn<QList<int>>("ui2mio");
        QTest::addColumn<int>("zone");
        QTest::addColumn<int>("heater");
        QTest::addColumn<int>("bin"); // -1: no heater there

        const QList<int> noMap;
        QTest::newRow("5x4: zone 0 is board zone 4") << 1 << 3 << 10 << 0 << noMap << 0 << 1 << 9;
        QTest::newRow("5x4: zone 9 is board zone 5") << 1 << 3 << 10 << 0 << noMap << 9 << 0 << 10;
        QTest::newRow("5x4 counted from the other end") << 1 << 3 << 10 << 1 << noMap << 0 << 0 << 10;
        QTest::newRow("2x4: zone 2 is board zone 0") << 9 << 3 << 4 << 0 << noMap << 2 << 1 << 1;
        QTest::newRow("2x2: zone 0 is board zone 1") << 17 << 3 << 2 << 0 << noMap << 0 << 0 << 2;
        QTest::newRow("5x2: zone 4 is board zone 0") << 32 << 3 << 5 << 0 << noMap << 4 << 1 << 1;
        QTest::newRow("other layout: the personality's channel")
            << 25 << 3 << 3 << 0 << QList<int>{2, 0, 1} << 0 << 1 << 5;
        QTest::newRow("paired configuration ignores the table")
            << 1 << 10 << 10 << 0 << QList<int>{3, 2} << 1 << 0 << 4;
        QTest::newRow("more zones than the table holds") << 17 << 3 << 4 << 0 << noMap << 2 << 0 << -1;
        QTest::newRow("short heater map") << 25 << 3 << 3 << 0 << QList<int>{2} << 1 << 0 << -1;
        QTest::newRow("channel 12 lies past the 20 bins")
            << 25 << 3 << 3 << 0 << QList<int>{12, 0, 1} << 0 << 0 << -1;
        QTest::newRow("zone past the cabinet") << 1 << 3 << 10 << 0 << noMap << 10 << 0 << -1;
        QTest::newRow("negative zone") << 1 << 3 << 10 << 0 << noMap << -1 << 0 << -1;
        QTest::newRow("heater 2") << 1 << 3 << 10 << 0 << noMap << 0 << 2 << -1;
        QTest::newRow("negative heater") << 1 << 3 << 10 << 0 << noMap << 0 << -1 << -1;
    }

    void heaterAddressing()
    {
        QFETCH(int, uiId);
        QFETCH(int, iosyscfg);
        QFETCH(int, zones);
        QFETCH(int, numberingOrder);
        QFETCH(QList<int>, ui2mio);
        QFETCH(int, zone);
        QFETCH(int, heater);
        QFETCH(int, bin);

        IoBoardLayout layout;
        layout.iAmMaster = true;
        layout.numberOfZones = zones;
        layout.traysPerZone = 2;
        layout.ui2mioZoneMap = ui2mio;
        layout.zoneNumberingOrder = numberingOrder;
        auto io = makeIo(layout, 0, nullptr, nullptr, nullptr, uiId);
        io->set_iosyscfg(iosyscfg);
        // Every bin reads as an open thermocouple, so a wrong bin or a
        // verdict for a heater that is not there shows.
        for (int b = 0; b < 20; ++b)
            io->setBinInfoListItem(b, 3300 + b);

        QCOMPARE(io->heaterBin(zone, heater), bin);
        QCOMPARE(io->eolGetActualTemp(zone, heater), bin < 0 ? 0 : 3300 + bin);
        QCOMPARE(io->eolGetTempErrorDescription(zone, heater),
                 QLatin1String(bin < 0 ? "NO ERROR" : "TC OPEN"));

        // A single-heater test drives only that bin, and nothing for a
        // heater that is not there.
        QCOMPARE(io->eolTempTestSingleHeater(zone, heater), bin >= 0);
        for (int b = 0; b < 20; ++b)
            QCOMPARE(io->get_binInfoList().at(b)->get_targetTemp(), b == bin ? 300 : 0);
    }

    void thermocoupleVerdicts_data()
    {
        QTest::addColumn<int>("temp");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("3275 is open") << 3275 << "TC OPEN";
        QTest::newRow("above 3275 is open") << 4000 << "TC OPEN";
        QTest::newRow("3274 is a reading") << 3274 << "NO ERROR";
        QTest::newRow("1 is a reading") << 1 << "NO ERROR";
        QTest::newRow("0 is shorted") << 0 << "TC SHORTED";
        QTest::newRow("negative is shorted") << -40 << "TC SHORTED";
    }

    void thermocoupleVerdicts()
    {
        QFETCH(int, temp);
        QFETCH(QString, verdict);
        IoBoardLayout layout = smallCabinet();
        auto io = makeIo(layout, 0, nullptr, nullptr, nullptr, 17); // zone 1 heater 1: bin 1
        io->setBinInfoListItem(1, temp);
        QCOMPARE(io->eolGetTempErrorDescription(1, 1), verdict);
        QCOMPARE(io->eolGetActualTemp(1, 1), temp);
    }

    void zoneTempOfTwoReadings_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("expected");
        QTest::newRow("both valid: the mean") << 100 << 151 << 125;
        QTest::newRow("mean truncates toward zero") << -3 << 0 << -1;
        QTest::newRow("second out of range") << 100 << 400 << 100;
        QTest::newRow("first out of range") << -327 << 90 << 90;
        QTest::newRow("326 and -326 are valid") << 326 << -326 << 0;
        QTest::newRow("neither valid: the mean anyway") << 400 << 3275 << 1837;
    }

    void zoneTempOfTwoReadings()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, expected);
        int out = 12345;
        QVERIFY(MasterIoManager::recalcZoneTemp(a, b, &out));
        QCOMPARE(out, expected);
    }

    // Each test's targets land in the bins behind the heaters and go to the
    // board on the heaters' channels (the personality's heater map, not the
    // zone map the normal set points use).
    void heaterTestTargets_data()
    {
        QTest::addColumn<QString>("test");
        QTest::addColumn<int>("tempHandling");
        QTest::addColumn<int>("configuration");
        QTest::addColumn<QList<int>>("ui2mio");
        QTest::addColumn<QList<int>>("mio2uit");
        QTest::addColumn<QList<int>>("binTestTemps");
        QTest::addColumn<QList<int>>("targets");   // bins 0..5
        QTest::addColumn<QList<int>>("channels"); // channels 0..19; -1 untouched
        QTest::addColumn<int>("skipped");

        const QList<int> mio{0, 1, 2, 3, 4, 5};
        auto channels = [](std::initializer_list<std::pair<int, int>> set) {
            QList<int> l = QVector<int>(20, -1).toList();
            for (auto p : set)
                l[p.first] = p.second;
            return l;
        };
        QTest::newRow("225 behind every heater, averaged")
            << "heaters" << 0 << 3 << QList<int>{4, 0, 7} << mio << QList<int>{}
            << QList<int>{225, 225, 225, 225, 225, 225}
            << channels({{4, 225}, {0, 225}, {7, 225}}) << 0;
        QTest::newRow("single channel takes the bin on its input")
            << "bins" << 0 << 3 << QList<int>{4, 0, 7} << QList<int>{1, 0, 2, 3, 5, 4}
            << QList<int>{150, 160, 170, 180, 190, 200}
            << QList<int>{150, 160, 170, 180, 190, 200}
            << channels({{4, 160}, {0, 170}, {7, 200}}) << 0;
        QTest::newRow("bin test temperatures, individual")
            << "bins" << 1 << 3 << QList<int>{0, 2, 9} << mio
            << QList<int>{150, 160, 170, 180, 190, 200}
            << QList<int>{150, 160, 170, 180, 190, 200}
            << channels({{0, 150}, {1, 160}, {4, 170}, {5, 180}, {18, 190}, {19, 200}}) << 0;
        QTest::newRow("short bin test list leaves the rest")
            << "bins" << 1 << 3 << QList<int>{0, 1, 2} << mio << QList<int>{150, 160}
            << QList<int>{150, 160, 77, 77, 77, 77}
            << channels({{0, 150}, {1, 160}, {2, 77}, {3, 77}, {4, 77}, {5, 77}}) << 4;
        QTest::newRow("factory test on, paired")
            << "eolOn" << 0 << 10 << QList<int>{0, 5, 3} << QList<int>{1, 0, 2, 3, 4, 5}
            << QList<int>{} << QList<int>{300, 300, 300, 300, 300, 300}
            << channels({{0, 300}, {1, 300}, {10, 300}, {11, 300}, {6, 300}, {7, 300}}) << 0;
        QTest::newRow("factory test off")
            << "eolOff" << 0 << 3 << QList<int>{0, 1, 2} << mio << QList<int>{}
            << QList<int>{0, 0, 0, 0, 0, 0} << channels({{0, 0}, {1, 0}, {2, 0}}) << 0;
        QTest::newRow("short heater map and channel 12: skipped with a log line")
            << "heaters" << 1 << 3 << QList<int>{12, 3} << mio << QList<int>{}
            << QList<int>{225, 225, 225, 225, 225, 225} << channels({{6, 225}, {7, 225}}) << 3;
    }

    void heaterTestTargets()
    {
        QFETCH(QString, test);
        QFETCH(int, tempHandling);
        QFETCH(int, configuration);
        QFETCH(QList<int>, ui2mio);
        QFETCH(QList<int>, mio2uit);
        QFETCH(QList<int>, binTestTemps);
        QFETCH(QList<int>, targets);
        QFETCH(QList<int>, channels);
        QFETCH(int, skipped);

        IoBoardLayout layout;
        layout.iAmMaster = true;
        layout.numberOfZones = 3;
        layout.traysPerZone = 2;
        layout.cabinetConfiguration = configuration;
        layout.zoneMap = {9, 8, 6}; // never used by the tests
        layout.ui2mioZoneMap = ui2mio;
        layout.mio2uitMap = mio2uit;
        layout.binTestTemps = binTestTemps;
        auto io = makeIo(layout, tempHandling, nullptr, nullptr, nullptr, 25);
        for (int b = 0; b < 20; ++b)
            io->get_binInfoList().at(b)->set_targetTemp(b < 6 ? 77 : 55);
        fillSetPoints(*io, 999);
        QSignalSpy sendRequests(io.get(), &MasterIoManager::ttSendRequestSignal);

        qInstallMessageHandler(captureLog);
        if (test == QLatin1String("heaters"))
            io->loadHeatersTempTest();
        else if (test == QLatin1String("bins"))
            io->loadBinTempTest();
        else
            io->eolTempTestAllHeaters(test == QLatin1String("eolOn"));
        qInstallMessageHandler(nullptr);

        QList<int> gotTargets;
        for (int b = 0; b < 6; ++b)
            gotTargets << io->get_binInfoList().at(b)->get_targetTemp();
        QCOMPARE(gotTargets, targets);
        QCOMPARE(io->get_binInfoList().at(6)->get_targetTemp(), 55); // outside the cabinet
        for (int &v : channels)
            if (v == -1)
                v = 999;
        QCOMPARE(setPoints(*io), channels);
        QCOMPARE(g_log.filter(QStringLiteral("ERROR")).size(), skipped);
        // The zone-map set points must not follow and overwrite the test.
        QCOMPARE(sendRequests.count(), 0);
    }

    void onlyThePrimaryDisplayRunsHeaterTests()
    {
        IoBoardLayout layout = smallCabinet(false);
        layout.ui2mioZoneMap = {0, 1};
        layout.binTestTemps = {1, 2, 3, 4};
        auto io = makeIo(layout, 0, nullptr, nullptr, nullptr, 17);
        io->loadHeatersTempTest();
        io->loadBinTempTest();
        io->eolTempTestAllHeaters(true);
        QVERIFY(io->eolTempTestSingleHeater(0, 0));
        for (BinInfo *bin : io->get_binInfoList())
            QCOMPARE(bin->get_targetTemp(), 0);
    }

    // On the line: with a secondary display the targets go out as CAN
    // multi 23 first, then both set-point blocks are written with one retry
    // each; without another display nothing goes to CAN.
    void heaterTestOnTheLineAndTheBus_data()
    {
        QTest::addColumn<bool>("secondary");
        QTest::newRow("with a secondary display") << true;
        QTest::newRow("single display") << false;
    }

    void heaterTestOnTheLineAndTheBus()
    {
        QFETCH(bool, secondary);
        TempRoot root;
        qputenv("KIV_CAN", "virtual");
        qputenv("KIV_VCAN_DIR", root.filePath("/run/vcan/can0").toLocal8Bit());
        QVERIFY(QDir().mkpath(root.filePath("/run/vcan/can0")));
        PtyPair pty;
        QVERIFY(pty.open());
        ScriptedSlave slave(&pty);
        QVector<quint16> regs(131, 0);
        const ScriptedSlave::Responder board = ScriptedSlave::holdingRegisters(1, &regs);
        // Every first write of a block goes unanswered, so its retry shows.
        QList<QByteArray> seen;
        slave.setResponder([&](const QByteArray &request) {
            if (request.size() > 1 && quint8(request.at(1)) == 16 && !seen.contains(request)) {
                seen << request;
                return QByteArray();
            }
            return board(request);
        });
        qputenv("KIV_SERIAL_PORT", pty.devicePath().toLocal8Bit());
        std::unique_ptr<QSerialPort> port(ModbusSerialPort::create());
        QVERIFY(ModbusSerialPort::open(port.get()));
        QModbusMaster master(port.get());
        ModbusSetup::wire(&master, {}, false, false);
        master.startModbusStateMachine();
        QTRY_VERIFY(master.isRunning());
        {
            CanTestNode sender(1), receiver(2);
            QSignalSpy got(receiver.manager(), SIGNAL(receivedMpm(int,QByteArray)));
            IoBoardLayout layout = smallCabinet();
            layout.hasSecondaryDisplay = secondary;
            layout.ui2mioZoneMap = {1, 0};
            auto io = makeIo(layout, 0, &master, nullptr, sender.manager(), 17);
            io->loadHeatersTempTest();

            // Zone 0 heats on channel 1, zone 1 on channel 0; block 2 all 0.
            QTRY_COMPARE_WITH_TIMEOUT(slave.requests().size(), 4, 5000);
            const QByteArray block1 = ScriptedSlave::withCrc(
                hex("01 10 0002 000A 14  00E1 00E1 0000 0000 0000 0000 0000 0000 0000 0000"));
            const QByteArray block2 = ScriptedSlave::withCrc(
                hex("01 10 0066 000A 14") + QByteArray(20, '\0'));
            QCOMPARE(slave.requests(), (QList<QByteArray>{block1, block1, block2, block2}));
            QCOMPARE(regs.mid(2, 2), (QVector<quint16>{225, 225}));

            if (secondary) {
                QTRY_COMPARE(got.size(), 1);
                QCOMPARE(got.first().at(0).toInt(), int(CanbusManager::KIV_MULTI_BINS_TARGET_TEMPS));
                QByteArray expected("\x14", 1);
                for (int b = 0; b < 20; ++b)
                    expected += b < 4 ? QByteArray("\x00\xE1", 2) : QByteArray(2, '\0');
                QCOMPARE(got.first().at(1).toByteArray(), expected);
                QCOMPARE(expected.size(), 41);
            } else {
                QTest::qWait(200);
                QCOMPARE(got.size(), 0);
            }
        }
        qunsetenv("KIV_VCAN_DIR");
        qunsetenv("KIV_CAN");
    }

    // The raw monitoring rows follow the zone-monitor block.
    void rawRowsFollowTheZoneMonitor()
    {
        PtyPair pty;
        QVERIFY(pty.open());
        ScriptedSlave slave(&pty);
        QVector<quint16> regs(131, 0);
        regs[13] = MasterIoManager::PHU_MODE_ACTIVE_HEATING;
        for (int i = 14; i < 34; ++i)
            regs[i] = quint16(100 + i);
        regs[33] = 0xFFFF; // shown as the unsigned register it is
        slave.setResponder(ScriptedSlave::holdingRegisters(1, &regs));
        qputenv("KIV_SERIAL_PORT", pty.devicePath().toLocal8Bit());
        std::unique_ptr<QSerialPort> port(ModbusSerialPort::create());
        QVERIFY(ModbusSerialPort::open(port.get()));
        QModbusMaster master(port.get());
        ModbusSetup::wire(&master, {}, false, false);
        master.startModbusStateMachine();
        QTRY_VERIFY(master.isRunning());

        auto io = makeIo(smallCabinet(), 0, &master);
        const QList<MbHrInfo *> rows = io->get_mbioRawInfoList();
        QCOMPARE(rows.size(), 21);
        QCOMPARE(io->property("mbioRawInfoList").value<QList<QObject *>>().size(), 21);
        QVERIFY(io->property("zoneSetPointList").value<QList<QObject *>>().isEmpty());
        QCOMPARE(rows.at(0)->get_regIdx(), 13);
        QCOMPARE(rows.at(0)->get_regName(), QStringLiteral("operationMode"));
        QCOMPARE(rows.at(1)->get_regName(), QStringLiteral("actualTemp[0][0]"));
        QCOMPARE(rows.at(2)->get_regName(), QStringLiteral("actualTemp[0][1]"));
        QCOMPARE(rows.at(20)->get_regIdx(), 33);
        QCOMPARE(rows.at(20)->get_regName(), QStringLiteral("actualTemp[9][1]"));

        QSignalSpy changed(rows.at(5), &MbHrInfo::valueChanged);
        io->requestAllZonesMonitorInfo();
        QModbusPollInfo *monitor = io->pollInfo(QStringLiteral("allZonesMonitorInfo"));
        QTRY_COMPARE(int(monitor->state()), int(QModbusPollInfo::QMBS_GOOD_REPLY_FOUND));
        io->processAllZonesMonitorInfo();
        QCOMPARE(rows.at(0)->get_value(), QStringLiteral("3"));
        for (int i = 1; i < 20; ++i)
            QCOMPARE(rows.at(i)->get_value(), QString::number(100 + 13 + i));
        QCOMPARE(rows.at(20)->get_value(), QStringLiteral("65535"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().at(0).toString(), QStringLiteral("118"));
    }

    void rawRowText_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("valueSigned");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("text");
        QTest::newRow("unsigned decimal keeps the low 16 bits") << 0x1FFFF << false << 0 << "65535";
        QTest::newRow("signed decimal") << -40 << true << 0 << "-40";
        QTest::newRow("unsigned hex") << 0x12ABC << false << 1 << "0x2ABC";
        QTest::newRow("signed hex shows 32 bits") << -1 << true << 1 << "0xFFFFFFFF";
    }

    void rawRowText()
    {
        QFETCH(int, value);
        QFETCH(bool, valueSigned);
        QFETCH(int, format);
        QFETCH(QString, text);
        MbHrInfo row(7, QStringLiteral("r"), 0, false, MbHrInfo::MBHR_FORMAT_DECIMAL);
        QSignalSpy changed(&row, &MbHrInfo::valueChanged);
        row.set_value(value);
        row.set_valueSigned(valueSigned);
        row.set_format(format);
        QCOMPARE(row.get_value(), text);
        QCOMPARE(changed.last().at(0).toString(), text);
        const int before = changed.count();
        row.set_value(value);
        QCOMPARE(changed.count(), before);
    }
};

QTEST_MAIN(TestMasterIoManager)
#include "tst_masteriomanager.moc"
