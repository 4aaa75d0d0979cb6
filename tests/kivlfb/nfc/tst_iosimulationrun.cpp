#include "core/cabinetmanager.h"
#include "core/kivmetatypes.h"
#include "nfc/bininfo.h"
#include "nfc/masteriomanager.h"
#include "nfc/masteriosimuilator.h"

#include "modbus/qmodbusmaster.h"
#include "modbus/qmodbuspollinfo.h"

#include "displayenvironment.h"
#include "machinestates.h"
#include "messagecatcher.h"
#include "temproot.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

// A whole primary display started in simulation: the I/O link runs against
// the in-process board, which heats towards the set points it is sent.
class TestIoSimulationRun : public QObject
{
    Q_OBJECT

    DisplayEnvironment m_env;

private slots:
    void initTestCase()
    {
        KivMetaTypes::registerAll();
        QVERIFY(m_env.start());
    }

    void primaryDisplayReachesItsSetPoints()
    {
        TempRoot root;
        qputenv("KIV_VCAN_DIR", root.filePath("/run/vcan/can0").toLocal8Bit());
        MessageCatcher catcher;
        // The built-in 5x2 primary layout, "-simulation".
        CabinetManager cabinet(7, 32, nullptr);
        for (const QString &w : catcher.warnings())
            QVERIFY2(!w.startsWith("QObject::connect") && !w.startsWith("QStateMachine"), qPrintable(w));
        QVERIFY(cabinet.get_iAmMaster());

        auto *io = cabinet.findChild<MasterIoManager *>(QStringLiteral("masterIoManager"));
        auto *board = cabinet.findChild<MasterIOSimuilator *>(QStringLiteral("MasterIO_simulator"));
        auto *mbm = cabinet.findChild<QModbusMaster *>(QStringLiteral("mbm"));
        QVERIFY(io && board && mbm);
        QVERIFY(mbm->get_fakeModeOn());
        QTRY_VERIFY(io->isRunning());

        // The board starts in preheat; the link asks it to leave, it does,
        // and the link follows into normal operation.
        QTRY_VERIFY_WITH_TIMEOUT(activeStateNames(*io).contains(QStringLiteral("mphuModeNormal")), 10000);
        QCOMPARE(board->getHoldingRegister(13), uint16_t(MasterIoManager::PHU_MODE_ACTIVE_HEATING));
        QCOMPARE(io->get_operatingMode(), int(MasterIoManager::PHU_MODE_ACTIVE_HEATING));

        // Bin targets become set points on the board, and the readings
        // climb to them (60 at start, 5 per simulated step).
        const int bins = cabinet.get_traysPerCabinet();
        QCOMPARE(bins, 10);
        for (int b = 0; b < bins; ++b)
            io->setBinTargetTemp(b, 70);
        auto reached = [&] {
            for (int b = 0; b < bins; ++b)
                if (qAbs(io->get_binInfoList().at(b)->get_actualTemp() - 70) > 4)
                    return false;
            return true;
        };
        QTRY_VERIFY_WITH_TIMEOUT(reached(), 15000);
        // Five zones on board channels 0 to 4, one set point each.
        for (int channel = 0; channel < cabinet.get_numberOfZones(); ++channel)
            QCOMPARE(board->getHoldingRegister(2 + channel), uint16_t(70));
    }

    // A secondary display builds the same link but never queues a request:
    // its Modbus master does not run.
    void secondaryDisplayStaysOffTheLine()
    {
        TempRoot root;
        qputenv("KIV_VCAN_DIR", root.filePath("/run/vcan/can0").toLocal8Bit());
        CabinetManager cabinet(7, 2, nullptr);
        QVERIFY(!cabinet.get_iAmMaster());
        auto *io = cabinet.findChild<MasterIoManager *>(QStringLiteral("masterIoManager"));
        QVERIFY(!io->isRunning());
        QVERIFY(!io->findChild<QTimer *>(QStringLiteral("powerLineTimer"))->isActive());

        for (QObject *zone : cabinet.get_zonesModelList())
            QMetaObject::invokeMethod(zone, "targetFansListChanged");
        io->setBinTargetTemp(0, 150);
        io->requestExitPreheat();
        QTest::qWait(700);
        for (const char *name : {"fanSpeedTargetsInfo", "operatingModeInfo", "m_powerLineInfo",
                                 "tempSetpointsInfo"})
            QVERIFY2(io->pollInfo(QLatin1String(name))->state() == QModbusPollInfo::QMBS_INITIAL_STATE,
                     name);
    }
};

QTEST_MAIN(TestIoSimulationRun)
#include "tst_iosimulationrun.moc"
