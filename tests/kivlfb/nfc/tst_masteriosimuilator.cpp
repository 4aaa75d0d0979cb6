#include "nfc/masteriosimuilator.h"

#include "modbus/fakemodbuswidget.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

#include <memory>

namespace {
QByteArray hex(const char *text) { return QByteArray::fromHex(QByteArray(text).replace(' ', "")); }

// Register numbers of the board map the simulation moves.
const int kSetPoints = 2;
const int kModeCommand = 12;
const int kMode = 13;
const int kTemps = 14;
const int kTargetFans = 80;
const int kActualFans = 90;
const int kSetPoints2 = 102;
} // namespace

class TestMasterIOSimuilator : public QObject
{
    Q_OBJECT

    // The periodic update is driven by hand: each call is one 2 s step.
    static std::unique_ptr<MasterIOSimuilator> makeSim()
    {
        auto sim = std::make_unique<MasterIOSimuilator>(1, 131);
        sim->setObjectName(QStringLiteral("MasterIO_simulator"));
        sim->findChild<QTimer *>(QStringLiteral("simulationTimer"))->stop();
        return sim;
    }

    static void startSlave(MasterIOSimuilator &sim)
    {
        sim.start();
        QTRY_VERIFY(sim.isRunning());
    }

private slots:
    void startsInPreheatAtTheFloor()
    {
        MasterIOSimuilator sim(1, 131);
        QCOMPARE(sim.registerCount(), 131);
        QCOMPARE(sim.get_slaveId(), 1);
        QCOMPARE(sim.getHoldingRegister(kMode), uint16_t(2));
        for (int r = kTemps; r < kTemps + 20; ++r)
            QCOMPARE(sim.getHoldingRegister(r), uint16_t(60));
        QCOMPARE(sim.getHoldingRegister(kTemps + 20), uint16_t(0));
        QVERIFY(!sim.get_perChanelTemps());
        auto *timer = sim.findChild<QTimer *>(QStringLiteral("simulationTimer"));
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 2000);
        QVERIFY(!timer->isSingleShot());
    }

    // Channel pairs move together, steered by the integer mean against the
    // channel's set point; the floor is 60.
    void pairStepRule_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("setPoint");
        QTest::addColumn<QList<int>>("expectedA"); // after each update
        QTest::addColumn<QList<int>>("expectedB");
        // Up by 5 while below s - 4, then by 1 up to s + 5, down by 2, by 1
        // down to s - 5, and up by 5 again.
        const QList<int> cycle = {65, 70, 75, 80, 85, 90, 95, 100, 101, 102, 103, 104, 105,
                                  103, 102, 101, 100, 99, 98, 97, 96, 95, 100};
        QTest::newRow("a full swing around the set point") << 60 << 60 << 100 << cycle << cycle;
        QTest::newRow("mean at s - 4 is inside the band")
            << 96 << 96 << 100 << QList<int>{97} << QList<int>{97};
        QTest::newRow("overshoot: down by 2, then swings down by 1")
            << 104 << 104 << 100 << QList<int>{105, 103, 102, 101} << QList<int>{105, 103, 102, 101};
        QTest::newRow("the mean decides for both inputs")
            << 90 << 121 << 100 << QList<int>{88, 87, 86} << QList<int>{119, 118, 117};
        QTest::newRow("set point 0: down by 2, then held at 60")
            << 63 << 64 << 0 << QList<int>{61, 60, 60} << QList<int>{62, 60, 60};
        QTest::newRow("registers compare unsigned")
            << 0xFFF6 << 0xFFF6 << 100 << QList<int>{0xFFF4} << QList<int>{0xFFF4};
    }

    void pairStepRule()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, setPoint);
        QFETCH(QList<int>, expectedA);
        QFETCH(QList<int>, expectedB);
        auto sim = makeSim();
        const int channel = 3;
        sim->setHoldingRegister(kTemps + 2 * channel, uint16_t(a));
        sim->setHoldingRegister(kTemps + 2 * channel + 1, uint16_t(b));
        sim->setHoldingRegister(kSetPoints + channel, uint16_t(setPoint));
        for (int i = 0; i < expectedA.size(); ++i) {
            sim->simulationUpdate();
            QCOMPARE(int(sim->getHoldingRegister(kTemps + 2 * channel)), expectedA.at(i));
            QCOMPARE(int(sim->getHoldingRegister(kTemps + 2 * channel + 1)), expectedB.at(i));
        }
        // The other channels (set point 0) stay on the floor.
        QCOMPARE(sim->getHoldingRegister(kTemps), uint16_t(60));
    }

    // Per input: inputs 14..23 follow the first set-point block, 24..33 the
    // second; both passes share channel k's heating flag.
    void perChannelTemperatures()
    {
        auto sim = makeSim();
        sim->set_perChanelTemps(true);
        sim->setHoldingRegister(kSetPoints + 0, 100);
        sim->setHoldingRegister(kSetPoints2 + 0, 200);
        sim->setHoldingRegister(kSetPoints + 1, 150);
        sim->setHoldingRegister(kSetPoints2 + 1, 90);
        sim->setHoldingRegister(kTemps + 1, 200);      // channel 1: above its set point
        sim->setHoldingRegister(kTemps + 10 + 1, 90);  // in band of its set point 90
        sim->simulationUpdate();
        QCOMPARE(sim->getHoldingRegister(kTemps + 0), uint16_t(65));
        QCOMPARE(sim->getHoldingRegister(kTemps + 10), uint16_t(65));
        QCOMPARE(sim->getHoldingRegister(kTemps + 1), uint16_t(198));
        // The first pass cleared channel 1's flag: the second input, in its
        // band, steps down.
        QCOMPARE(sim->getHoldingRegister(kTemps + 11), uint16_t(89));
        QCOMPARE(sim->getHoldingRegister(kTemps + 2), uint16_t(60));
    }

    void modesAndFans_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("modeAfter");
        QTest::addColumn<bool>("moves");
        QTest::newRow("preheat") << 2 << 0 << 2 << true;
        QTest::newRow("active heating") << 3 << 0 << 3 << true;
        QTest::newRow("leave preheat on command") << 2 << 3 << 3 << true;
        QTest::newRow("the command is obeyed from any mode") << 5 << 3 << 3 << true;
        QTest::newRow("other modes stand still") << 4 << 0 << 4 << false;
        QTest::newRow("other commands are not obeyed") << 7 << 2 << 7 << false;
    }

    void modesAndFans()
    {
        QFETCH(int, mode);
        QFETCH(int, command);
        QFETCH(int, modeAfter);
        QFETCH(bool, moves);
        auto sim = makeSim();
        sim->setHoldingRegister(kMode, uint16_t(mode));
        sim->setHoldingRegister(kModeCommand, uint16_t(command));
        sim->setHoldingRegister(kSetPoints, 200);
        for (int k = 0; k < 10; ++k)
            sim->setHoldingRegister(kTargetFans + k, uint16_t(30 + k));
        sim->simulationUpdate();
        QCOMPARE(int(sim->getHoldingRegister(kMode)), modeAfter);
        QCOMPARE(sim->getHoldingRegister(kTemps), uint16_t(moves ? 65 : 60));
        for (int k = 0; k < 10; ++k)
            QCOMPARE(int(sim->getHoldingRegister(kActualFans + k)), moves ? 30 + k : 0);
    }

    void switchedOffItChangesNothing()
    {
        auto sim = makeSim();
        sim->setHoldingRegister(kSetPoints, 200);
        sim->setHoldingRegister(kModeCommand, 3);
        sim->setHoldingRegister(kTargetFans, 50);
        sim->setSimulationOnOff(false);
        QSignalSpy writes(sim.get(), &ModbusFakeSlave::holdingRegisterUpdated);
        sim->simulationUpdate();
        QCOMPARE(writes.count(), 0);
        QCOMPARE(sim->getHoldingRegister(kMode), uint16_t(2));

        // Modbus writes still land.
        startSlave(*sim);
        QSignalSpy replies(sim.get(), &ModbusFakeSlave::pollResponse);
        sim->receiveSerialFrame(hex("01 06 0002 0064 29E1"));
        QVERIFY(replies.wait(1000));
        QCOMPARE(sim->getHoldingRegister(kSetPoints), uint16_t(100));
    }

    void registerWindow()
    {
        auto sim = makeSim();
        startSlave(*sim);
        sim->showView();
        FakeModbusWidget *view = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *v = qobject_cast<FakeModbusWidget *>(w))
                view = v;
        QVERIFY(view);
        QCOMPARE(view->windowTitle(), QStringLiteral("MasterIO_simulator"));
        QTableWidget *table = view->table();
        QCOMPARE(table->rowCount(), 131);
        const QList<QPair<int, QString>> labels = {
            {0, "detectedconfiguration"}, {13, "operationMode"}, {79, "generalStatus[4]"},
            {80, "targetFan[0]"}, {99, "actualFan[9]"}, {100, "reserved"}, {101, "powerSource"},
            {102, "zoneSetPoints2[0]"}, {116, "boardTemp[4]"}, {117, "maxCurrent"},
            {122, "uint16_t fanType"}, {123, "reserved2"}, {124, "reserved3"},
            {126, "lineVoltage"}, {129, "powerMonitorErrFlags"}};
        for (const auto &l : labels)
            QCOMPARE(table->item(l.first, 0)->text(), l.second);
        QVERIFY(!table->item(130, 0) || table->item(130, 0)->text().isEmpty());

        // The simulated readings show up in the window.
        sim->setHoldingRegister(kSetPoints, 200);
        sim->simulationUpdate();
        QCOMPARE(table->item(kTemps, 1)->text(), QStringLiteral("65"));

        // This window's time-out button toggles the silence.
        QSignalSpy replies(sim.get(), &ModbusFakeSlave::pollResponse);
        const QByteArray read = hex("01 03 000D 0001 15C9");
        emit view->requestTimeout();
        sim->receiveSerialFrame(read);
        QTest::qWait(50);
        sim->receiveSerialFrame(read);
        QTest::qWait(50);
        QCOMPARE(replies.count(), 0);
        emit view->requestTimeout();
        sim->receiveSerialFrame(read);
        QVERIFY(replies.wait(1000));
        QCOMPARE(replies.first().at(0).toByteArray(), hex("01 03 02 0002 3985"));
        sim.reset();
        QCoreApplication::processEvents();
    }
};

QTEST_MAIN(TestMasterIOSimuilator)
#include "tst_masteriosimuilator.moc"
