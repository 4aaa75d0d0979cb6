#include "core/mastersync.h"
#include "core/tempprobestatemanager.h"
#include "core/traybarsc.h"
#include "core/zonemanager.h"

#include "machinestates.h"
#include "messagecatcher.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QtTest>

// Zones, their tray bars, probe states and the display synchroniser as the
// cabinet core creates them.
class TestCabinetParts : public QObject
{
    Q_OBJECT

private slots:
    void zoneCreatesItsNumberedTrays_data()
    {
        QTest::addColumn<int>("zoneNumber");
        QTest::addColumn<int>("traysPerZone");
        QTest::newRow("first zone of two-bin zones") << 0 << 2;
        QTest::newRow("third zone of two-bin zones") << 2 << 2;
        QTest::newRow("fifth zone of four-bin zones") << 4 << 4;
    }

    void zoneCreatesItsNumberedTrays()
    {
        QFETCH(int, zoneNumber);
        QFETCH(int, traysPerZone);

        MessageCatcher catcher;
        ZoneManager zone(zoneNumber, traysPerZone, nullptr, nullptr, 1, 1, false, nullptr);
        QVERIFY2(catcher.warnings().isEmpty(), qPrintable(catcher.warnings().join('\n')));

        QCOMPARE(zone.get_zoneNumber(), zoneNumber);
        const QList<TrayBarSc *> trays = zone.get_traysList();
        QCOMPARE(trays.size(), traysPerZone);
        QCOMPARE(zone.get_traysListProperty().size(), traysPerZone);
        for (int i = 0; i < traysPerZone; ++i) {
            const int bin = zoneNumber * traysPerZone + i;
            QCOMPARE(trays.at(i)->get_binNumber(), bin);
            QCOMPARE(trays.at(i)->objectName(), QStringLiteral("tbsc%1").arg(bin));
            QCOMPARE(trays.at(i)->getZone(), &zone);
        }
        QCOMPARE(zone.get_targetFansList(), QList<int>(QVector<int>(traysPerZone, 0).toList()));
    }

    void zoneHasOneReadingPerSensor_data()
    {
        QTest::addColumn<int>("tempLayout");
        QTest::addColumn<int>("tempHandling");
        QTest::addColumn<int>("sensors");
        QTest::addColumn<int>("errorMargin");
        // trays per zone is 4 in every row, so that it differs from the
        // fixed counts.
        QTest::newRow("top/bottom averaged") << 2 << 0 << 2 << 10;
        QTest::newRow("top/bottom individual") << 2 << 1 << 2 << 30;
        QTest::newRow("left/right individual") << 1 << 1 << 4 << 30;
        QTest::newRow("left/right averaged") << 1 << 0 << 1 << 10;
        QTest::newRow("front/back averaged") << 0 << 0 << 4 << 10;
        QTest::newRow("front/back individual") << 0 << 1 << 1 << 30;
    }

    void zoneHasOneReadingPerSensor()
    {
        QFETCH(int, tempLayout);
        QFETCH(int, tempHandling);
        QFETCH(int, sensors);
        QFETCH(int, errorMargin);

        ZoneManager zone(1, 4, nullptr, nullptr, tempHandling, tempLayout, false, nullptr);
        QCOMPARE(zone.get_actualTempsList(), QList<int>(QVector<int>(sensors, 0).toList()));
        QCOMPARE(zone.get_targetTempsList().size(), sensors);
        QCOMPARE(zone.get_errorHighTemp(), errorMargin);
        QCOMPARE(zone.get_errorLowTemp(), errorMargin);
    }

    void zoneMachineStartsInItsDayPartRegion_data()
    {
        QTest::addColumn<bool>("mirror");
        QTest::addColumn<QString>("dayPartState");
        QTest::newRow("driving display") << false << "move2DayPart";
        QTest::newRow("mirror display") << true << "mirroredZone";
    }

    void zoneMachineStartsInItsDayPartRegion()
    {
        QFETCH(bool, mirror);
        QFETCH(QString, dayPartState);

        ZoneManager zone(0, 2, nullptr, nullptr, 1, 1, mirror, nullptr);
        QSignalSpy running(&zone, &TarnStateMachine::isRunningChanged);
        zone.start();
        QTRY_COMPARE(zone.property("isRunning").toBool(), true);
        QCOMPARE(running.count(), 1);
        QStringList expected{"s1", "dayparts", dayPartState, "tempStatus", "tsUnknown"};
        expected.sort();
        QCOMPARE(activeStateNames(zone), expected);
    }

    void zoneErrorFlags()
    {
        ZoneManager zone(0, 2, nullptr, nullptr, 1, 1, false, nullptr);
        QSignalSpy flags(&zone, &ZoneManager::errorFlagsChanged);

        zone.setErrorFlags(ZoneManager::ZE_IO_COMM_LOSS | ZoneManager::ZE_TEMP_TOO_LOW_ERROR);
        zone.setErrorFlags(ZoneManager::ZE_PRIMARY_UI_COMM_LOSS);
        QCOMPARE(zone.get_errorFlags(), uint(0x51));
        zone.clearErrorFlags(ZoneManager::ZE_IO_COMM_LOSS);
        QCOMPARE(zone.get_errorFlags(), uint(0x41));
        // Clearing a bit that is not set still re-announces the flags: the
        // translated disable reason is rebuilt from the signal.
        zone.clearErrorFlags(ZoneManager::ZE_TEMP_SENSOR_ERROR);
        QCOMPARE(zone.get_errorFlags(), uint(0x41));
        QCOMPARE(flags.count(), 4);
        QCOMPARE(flags.last().at(0).toUInt(), uint(0x41));

        zone.set_errorFlags(0x41);
        QCOMPARE(flags.count(), 4);
    }

    void zoneDayPartAndStateWriters()
    {
        ZoneManager zone(0, 2, nullptr, nullptr, 1, 1, false, nullptr);
        QSignalSpy state(&zone, &ZoneManager::zStateChanged);
        QSignalSpy current(&zone, &ZoneManager::currentDayPartChanged);

        zone.set_zState(ZoneManager::ZONE_STATE_ON_DAYPART);
        zone.set_zState(ZoneManager::ZONE_STATE_ON_DAYPART);
        QCOMPARE(state.count(), 1);
        QCOMPARE(state.at(0).at(0).toInt(), 2);

        zone.set_currentDayPart(3);
        zone.set_currentDayPart(5);
        QCOMPARE(zone.get_currentDayPart(), 5);
        QCOMPARE(zone.get_prevDayPart(), 3);
        zone.set_currentDayPart(5);
        QCOMPARE(current.count(), 2);
    }

    void trayStartsUnassignedWithScreenDefaults()
    {
        ZoneManager zone(3, 2, nullptr, nullptr, 1, 1, false, nullptr);
        TrayBarSc *tray = zone.get_traysList().at(1);
        QCOMPARE(tray->get_trayState(), int(TrayBarSc::TRAY_STATE_NULL));
        QCOMPARE(tray->get_productName(), QStringLiteral("product name"));
        QCOMPARE(tray->get_timerBackColor(), QStringLiteral("#fffffd"));
        QCOMPARE(tray->get_groupID(), -1);
        QCOMPARE(tray->get_holdTemperature(), -1);
        QCOMPARE(tray->get_panSize(), 1);
        QVERIFY(!tray->get_groupPList().isValid());

        tray->start();
        QTRY_COMPARE(tray->property("isRunning").toBool(), true);
        QCOMPARE(activeStateNames(*tray), QStringList{"unassigned"});
    }

    void trayPanIdText_data()
    {
        QTest::addColumn<qulonglong>("panId");
        QTest::addColumn<QString>("text");
        QTest::newRow("small") << qulonglong(0x0a) << "a";
        QTest::newRow("full 64 bits") << qulonglong(0xE004015012345678ULL) << "e004015012345678";
        QTest::newRow("leading zero bytes") << qulonglong(0x00000000ABCDEF01ULL) << "abcdef01";
    }

    void trayPanIdText()
    {
        QFETCH(qulonglong, panId);
        QFETCH(QString, text);

        TrayBarSc tray(nullptr, nullptr, nullptr, 0);
        QSignalSpy textSpy(&tray, &TrayBarSc::panIdStrChanged);
        tray.set_panId(panId);
        QCOMPARE(tray.get_panIdStr(), text);
        tray.set_panId(panId);
        QCOMPARE(textSpy.count(), 1);
        tray.set_panId(0);
        QCOMPARE(tray.get_panIdStr(), QString());
        QCOMPARE(textSpy.count(), 2);
    }

    // The screens compare tray states with the registered enumeration.
    void trayStatesReachQml()
    {
        qmlRegisterType<TrayBarSc>("TrayBarSc", 1, 0, "TrayBarSchart");
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData("import QtQml 2.0\nimport TrayBarSc 1.0\n"
                          "QtObject { property int holding: TrayBarSchart.TRAY_STATE_HOLDING;"
                          " property int heatOff: TrayBarSchart.TRAY_STATE_HOLDINGOFF }",
                          QUrl());
        QScopedPointer<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        QCOMPARE(object->property("holding").toInt(), 5);
        QCOMPARE(object->property("heatOff").toInt(), 10);
    }

    void probeTakesOnlyItsOwnStatus_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("err");
        QTest::addColumn<QString>("expected");
        QTest::newRow("own probe shorted") << 7 << 1 << "shorted";
        QTest::newRow("own probe open") << 7 << 2 << "open";
        QTest::newRow("own probe clear") << 7 << 0 << "normal";
        QTest::newRow("own probe unknown code") << 7 << 9 << "normal";
        QTest::newRow("other probe shorted") << 6 << 1 << "";
    }

    void probeTakesOnlyItsOwnStatus()
    {
        QFETCH(int, item);
        QFETCH(int, err);
        QFETCH(QString, expected);

        TempProbeStateManager probe;
        probe.set_tpNumber(7);
        QSignalSpy shorted(&probe, &TempProbeStateManager::tpsShorted);
        QSignalSpy open(&probe, &TempProbeStateManager::tpsOpen);
        QSignalSpy normal(&probe, &TempProbeStateManager::tpsNormal);

        probe.processTcErrorState(quint16(item), quint16(err));
        QCOMPARE(shorted.count(), expected == "shorted" ? 1 : 0);
        QCOMPARE(open.count(), expected == "open" ? 1 : 0);
        QCOMPARE(normal.count(), expected == "normal" ? 1 : 0);
    }

    void probeStartsUnknown()
    {
        MessageCatcher catcher;
        TempProbeStateManager probe;
        QCOMPARE(probe.get_tps(), int(TempProbeStateManager::TPS_UNKNOWN));
        QCOMPARE(probe.get_tpNumber(), -1);
        probe.start();
        QTRY_COMPARE(probe.property("isRunning").toBool(), true);
        QCOMPARE(activeStateNames(probe), (QStringList{"managerState", "unknownState"}));
        QVERIFY2(catcher.warnings().isEmpty(), qPrintable(catcher.warnings().join('\n')));
    }

    void syncAnnouncesSecondaryDisplayFound()
    {
        MasterSync sync;
        QSignalSpy property(&sync, &MasterSync::slaveUIfoundChanged);
        QSignalSpy found(&sync, &MasterSync::slaveUIFound);
        QSignalSpy notFound(&sync, &MasterSync::slaveUINotFound);

        sync.set_slaveUIFoundTrue();
        sync.set_slaveUIFoundTrue();
        QCOMPARE(property.count(), 1);
        QCOMPARE(found.count(), 1);
        QCOMPARE(notFound.count(), 0);
        sync.set_slaveUIFoundFalse();
        QCOMPARE(notFound.count(), 1);

        sync.set_iAmMaster(true);
        QVERIFY(!sync.get_iAmSlave());
        QVERIFY(!sync.get_canLinkBroken());

        QSignalSpy silence(&sync, &MasterSync::canbusSilenceSecondsChanged);
        sync.set_canbusSilenceSeconds(4);
        sync.set_canbusSilenceSeconds(4);
        QCOMPARE(silence.count(), 1);
    }
};

QTEST_MAIN(TestCabinetParts)
#include "tst_cabinetparts.moc"
