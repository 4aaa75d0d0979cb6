#include "core/zonemanager.h"
#include "nfc/bininfo.h"
#include "nfc/masteriomanager.h"
#include "nfc/nfcmanager.h"

#include "machinestates.h"
#include "messagecatcher.h"

#include <QSignalSpy>
#include <QtTest>

class TestNfc : public QObject
{
    Q_OBJECT

private slots:
    void binInfoListCoversEveryBin()
    {
        QList<ZoneManager *> zones;
        QList<TrayBarSc *> trays;
        MessageCatcher catcher;
        NFCmanager nfc(nullptr, &zones, nullptr, nullptr);
        MasterIoManager io(&nfc, nullptr, nullptr, 9, &zones, &trays, 1, nullptr);
        QVERIFY2(catcher.warnings().isEmpty(), qPrintable(catcher.warnings().join('\n')));

        const QList<BinInfo *> bins = io.get_binInfoList();
        QCOMPARE(bins.size(), 20);
        for (int i = 0; i < bins.size(); ++i)
            QCOMPARE(bins.at(i)->get_binNumber(), i);
        QCOMPARE(io.get_binInfoListProperty().size(), 20);
        QCOMPARE(io.get_orientationId(), 9);
        QCOMPARE(io.get_iosyscfg(), -1);

        io.start();
        QTRY_COMPARE(io.property("isRunning").toBool(), true);
        QCOMPARE(activeStateNames(io),
                 (QStringList{"getIoBoardsStatus", "ioBoardsStatus", "mphu", "mphuSetSystemConfig",
                              "s1", "targetTemps", "ttIdle"}));
    }

    // The cabinet core forwards bin targets to the other displays from
    // these signals, so they must carry the bin and fire on change only.
    void binChangesAreForwardedWithTheBinNumber()
    {
        MasterIoManager io(nullptr, nullptr, nullptr, 1, nullptr, nullptr, 1, nullptr);
        QSignalSpy target(&io, &MasterIoManager::binTargetTempChanged);
        QSignalSpy targetFan(&io, &MasterIoManager::binTargetFanSpeedChanged);
        QSignalSpy actualFan(&io, &MasterIoManager::binActualFanSpeedChanged);

        io.setBinTargetTemp(3, 150);
        io.setBinTargetTemp(3, 150);
        io.setBinTargetTemp(19, 200);
        QCOMPARE(target.count(), 2);
        QCOMPARE(target.at(0), (QList<QVariant>{3, 150}));
        QCOMPARE(target.at(1), (QList<QVariant>{19, 200}));
        QCOMPARE(io.get_binInfoList().at(3)->get_targetTemp(), 150);

        io.get_binInfoList().at(5)->set_targetFanSpeed(60);
        io.get_binInfoList().at(6)->set_actualFanSpeed(55);
        QCOMPARE(targetFan.count(), 1);
        QCOMPARE(targetFan.at(0), (QList<QVariant>{5, 60}));
        QCOMPARE(actualFan.at(0), (QList<QVariant>{6, 55}));

        // A refresh re-announces an unchanged target.
        io.get_binInfoList().at(3)->forceTargetTempChangedSignal();
        QCOMPARE(target.count(), 3);
        QCOMPARE(target.last(), (QList<QVariant>{3, 150}));
    }

    void outOfRangeBinsAreIgnored_data()
    {
        QTest::addColumn<int>("bin");
        QTest::newRow("negative") << -1;
        QTest::newRow("one past the last") << 20;
        QTest::newRow("far out") << 1000;
    }

    void outOfRangeBinsAreIgnored()
    {
        QFETCH(int, bin);
        MasterIoManager io(nullptr, nullptr, nullptr, 1, nullptr, nullptr, 1, nullptr);
        QSignalSpy target(&io, &MasterIoManager::binTargetTempChanged);
        io.setBinTargetTemp(bin, 150);
        io.setBinInfoListItem(bin, 150);
        QCOMPARE(target.count(), 0);
        for (BinInfo *info : io.get_binInfoList()) {
            QCOMPARE(info->get_targetTemp(), 0);
            QCOMPARE(info->get_actualTemp(), 0);
        }
    }

    void operatingModeIsAnnouncedOnEveryWrite()
    {
        MasterIoManager io(nullptr, nullptr, nullptr, 1, nullptr, nullptr, 1, nullptr);
        QSignalSpy mode(&io, &MasterIoManager::operatingModeChanged);
        io.set_operatingMode(MasterIoManager::PHU_MODE_PREHEAT);
        io.set_operatingMode(MasterIoManager::PHU_MODE_PREHEAT);
        QCOMPARE(mode.count(), 2);
        QCOMPARE(io.get_operatingMode(), 2);

        io.setBinInfoListItem(4, 171);
        QCOMPARE(io.get_binInfoList().at(4)->get_actualTemp(), 171);
    }
};

QTEST_MAIN(TestNfc)
#include "tst_nfc.moc"
