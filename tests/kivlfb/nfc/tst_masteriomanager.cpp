#include "core/tempprobestatemanager.h"
#include "core/zonemanager.h"
#include "nfc/bininfo.h"
#include "nfc/masteriomanager.h"

#include "modbus/modbusserialport.h"
#include "modbus/modbussetup.h"
#include "modbus/qmodbusmaster.h"
#include "modbus/qmodbuspollinfo.h"
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
        QModbusPollInfo *block1 = io->pollInfo(QStringLiteral("tempSetpointsInfo"));
        QModbusPollInfo *block2 = io->pollInfo(QStringLiteral("tempSetpoints2Info"));
        block1->values().fill(999);
        block2->values().fill(999);

        qInstallMessageHandler(captureLog);
        io->sendAllSetpointsRequest();
        qInstallMessageHandler(nullptr);

        QList<int> got;
        for (quint16 v : block1->values())
            got << v;
        for (quint16 v : block2->values())
            got << v;
        for (int &v : expected)
            if (v == -1)
                v = 999;
        QCOMPARE(got, expected);
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
};

QTEST_MAIN(TestMasterIoManager)
#include "tst_masteriomanager.moc"
