#include "core/traybarsc.h"
#include "core/zonemanager.h"
#include "menus/daypartmanager.h"
#include "platform/kivclock.h"

#include "machinestates.h"
#include "messagecatcher.h"
#include "temproot.h"

#include <QSignalSpy>
#include <QtTest>

// Stands for the configuration store's eco settings.
class FakeConfig : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int ecoActivateTimeout MEMBER ecoActivateTimeout NOTIFY ecoActivateTimeoutChanged)
    Q_PROPERTY(int ecoActivateMode MEMBER ecoActivateMode)
    Q_PROPERTY(int ecoShelfHeatMode MEMBER ecoShelfHeatMode NOTIFY ecoShelfHeatModeChanged)
    Q_PROPERTY(int ecoShelfHeatTemp MEMBER ecoShelfHeatTemp NOTIFY ecoShelfHeatTempChanged)

public:
    int ecoActivateTimeout = 1;
    int ecoActivateMode = 1;
    int ecoShelfHeatMode = 0;
    int ecoShelfHeatTemp = 125;

signals:
    void ecoActivateTimeoutChanged(int);
    void ecoShelfHeatModeChanged(int);
    void ecoShelfHeatTempChanged(int);
};

// Stands for the cabinet core: what a zone reads of it, and the senders of
// eco state to the other displays.
class FakeCabinet : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int customerId MEMBER customerId)
    Q_PROPERTY(int tempHandling MEMBER tempHandling)
    Q_PROPERTY(bool hasFan MEMBER hasFan)
    Q_PROPERTY(bool iAmMaster MEMBER iAmMaster)
    Q_PROPERTY(bool mirrorDisplay MEMBER mirrorDisplay)
    Q_PROPERTY(bool advancedZoneOptionsEnable MEMBER advancedZoneOptionsEnable)
    Q_PROPERTY(bool heatersTestEnabled MEMBER heatersTestEnabled)
    Q_PROPERTY(bool cleaningInProgress MEMBER cleaningInProgress)
    Q_PROPERTY(QObject *configManager READ configManager CONSTANT)

public:
    int customerId = 0;
    int tempHandling = 0;
    bool hasFan = true;
    bool iAmMaster = true;
    bool mirrorDisplay = false;
    bool advancedZoneOptionsEnable = false;
    bool heatersTestEnabled = false;
    bool cleaningInProgress = false;
    FakeConfig config;
    QStringList calls;

    QObject *configManager() { return &config; }

    // A zone as the composition root makes it: layout from the cabinet.
    ZoneManager *zone(int zoneNumber, int traysPerZone, int tempLayout, DayPartManager *dayParts = nullptr)
    {
        return new ZoneManager(zoneNumber, traysPerZone, nullptr, dayParts, tempHandling, tempLayout,
                               mirrorDisplay, this);
    }

public slots:
    void sendZoneEcoModeToRemoteDisplay(int zone, bool on) { calls << QStringLiteral("eco %1 %2").arg(zone).arg(on); }
    void sendSuggestEcoModeToRemoteDisplay(int zone, bool on) { calls << QStringLiteral("suggest %1 %2").arg(zone).arg(on); }
};

namespace {
const int kTopBottom = 2;
const int kFrontBack = 0;
const int kLeftRight = 1;
const int kDez = 3;
const int kRivev = 2;

// A tray loaded with a product as the bar does it: product first, then its
// temperatures (the last change carries the hold temperature).
void load(TrayBarSc *tray, int productId, int lower, int upper, int hold)
{
    tray->set_productId(productId);
    tray->set_lowerTemperature(lower);
    tray->set_upperTemperature(upper);
    tray->set_holdTemperature(hold);
}

// One tick of the status timer, which must be running.
bool tick(ZoneManager *zone)
{
    auto *timer = zone->findChild<QTimer *>(QStringLiteral("m_tempStatusEvalTimer"));
    if (!timer || !timer->isActive())
        return false;
    QMetaObject::invokeMethod(timer, "timeout");
    QCoreApplication::processEvents();
    return true;
}

void reading(ZoneManager *zone, int value)
{
    for (int i = 0; i < zone->get_actualTempsList().size(); ++i)
        zone->set_actualTempN(zone->get_zoneNumber(), i, value);
    QCoreApplication::processEvents();
}
} // namespace

class TestZoneManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qRegisterMetaType<trayInfo>("trayInfo");
    }

    void cleanup()
    {
        KivClock::useSystemClock();
    }

    void targetsFollowTheTraysProducts_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("handling");
        QTest::addColumn<int>("customer");
        QTest::addColumn<QList<int>>("products"); // per tray, in the order loaded
        QTest::addColumn<int>("emptyTrayTemp");   // a temperature change of an empty tray last, or -1
        QTest::addColumn<QList<int>>("targets");

        // Product p: lower 140 + 10p, upper 160 + 10p, hold 150 + 10p.
        QTest::newRow("top/bottom: lower and upper") << kTopBottom << 0 << 0 << QList<int>{1, 0} << -1 << QList<int>{150, 170};
        QTest::newRow("top/bottom, DEZ: hold") << kTopBottom << 0 << kDez << QList<int>{1, 0} << -1 << QList<int>{160, 160};
        QTest::newRow("individual: the product's hold, empty trays share it")
            << kLeftRight << 1 << 0 << QList<int>{0, 2, 0} << -1 << QList<int>{170, 170, 170};
        QTest::newRow("individual: two products") << kLeftRight << 1 << 0 << QList<int>{1, 2, 0} << -1 << QList<int>{160, 170, 170};
        QTest::newRow("empty tray follows the loaded one") << kTopBottom << 0 << 0 << QList<int>{0, 3} << 99 << QList<int>{170, 190};
        QTest::newRow("empty tray, DEZ") << kFrontBack << 0 << kDez << QList<int>{0, 3, 0} << 99 << QList<int>{180, 180, 180};
        QTest::newRow("empty zone takes the signalled temperature") << kFrontBack << 0 << 0 << QList<int>{0, 0, 0} << 123
                                                                    << QList<int>{123, 123, 123};
    }

    void targetsFollowTheTraysProducts()
    {
        QFETCH(int, layout);
        QFETCH(int, handling);
        QFETCH(int, customer);
        QFETCH(QList<int>, products);
        QFETCH(int, emptyTrayTemp);
        QFETCH(QList<int>, targets);

        FakeCabinet cabinet;
        cabinet.customerId = customer;
        cabinet.tempHandling = handling;
        ZoneManager *zone = cabinet.zone(1, products.size(), layout);
        QSignalSpy changed(zone, &ZoneManager::targetTempsListChanged);

        const QList<TrayBarSc *> trays = zone->get_traysList();
        for (int i = 0; i < products.size(); ++i) {
            if (products[i])
                load(trays[i], products[i], 140 + 10 * products[i], 160 + 10 * products[i], 150 + 10 * products[i]);
        }
        if (emptyTrayTemp >= 0)
            trays[products.indexOf(0)]->set_holdTemperature(emptyTrayTemp);

        QCOMPARE(zone->get_targetTempsList(), targets);
        // The I/O board hears of the settled list once.
        QVERIFY(changed.wait(500));
        QTest::qWait(80);
        QCOMPARE(changed.count(), 1);
    }

    void fanTargetsPerTray()
    {
        for (const bool hasFan : {true, false}) {
            FakeCabinet cabinet;
            cabinet.hasFan = hasFan;
            ZoneManager *zone = cabinet.zone(2, 3, kFrontBack);
            QSignalSpy changed(zone, &ZoneManager::targetFansListChanged);
            zone->get_traysList()[1]->set_targetFanSpeed(55);
            QCOMPARE(zone->get_targetFansList(), (QList<int>{0, hasFan ? 55 : 80, 0}));
            QCOMPARE(changed.count(), 1);
        }
    }

    void readingsReachTheTrays()
    {
        FakeCabinet cabinet;
        ZoneManager *averaged = cabinet.zone(1, 3, kFrontBack);
        QSignalSpy mean(averaged, &ZoneManager::actualTempChanged);
        averaged->set_actualTempN(0, 0, 500);  // another zone's reading
        averaged->set_actualTempN(1, 3, 500);  // no such sensor
        averaged->set_actualTempN(1, -1, 500);
        QCOMPARE(mean.count(), 0);
        averaged->set_actualTempN(1, 0, 100);
        averaged->set_actualTempN(1, 1, 101);
        QCOMPARE(averaged->get_actualTempsList(), (QList<int>{100, 101, 0}));
        QCOMPARE(averaged->get_actualTemp(), 67); // 201 / 3, truncated
        for (TrayBarSc *tray : averaged->get_traysList())
            QCOMPARE(tray->get_actualTemperature(), 67);

        cabinet.tempHandling = 1;
        ZoneManager *individual = cabinet.zone(0, 2, kLeftRight);
        QSignalSpy individualMean(individual, &ZoneManager::actualTempChanged);
        individual->set_actualTempN(0, 1, 180);
        QCOMPARE(individual->get_traysList()[1]->get_actualTemperature(), 180);
        QCOMPARE(individual->get_traysList()[0]->get_actualTemperature(), -1);
        QCOMPARE(individualMean.count(), 2);
        QCOMPARE(individualMean.last().at(0), QVariant(90));

        individual->set_actualFanSpeedN(0, 1, 42);
        individual->set_actualFanSpeedN(0, 7, 42);
        QCOMPARE(individual->get_traysList()[1]->get_actualFanSpeed(), 42);
    }

    // The status runs on the project's clock: the test moves the clock and
    // lets the status timer tick once.
    void temperatureErrorsAfterTheirLimits_data()
    {
        QTest::addColumn<int>("offset");       // reading minus target
        QTest::addColumn<int>("customer");
        QTest::addColumn<bool>("preheating");
        QTest::addColumn<int>("limit");        // seconds that still pass without an error
        QTest::addColumn<int>("pending");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("reason");

        const int low = ZoneManager::ZONE_TEMP_STATUS_TOO_LOW;
        const int lowError = ZoneManager::ZONE_TEMP_STATUS_TOO_LOW_ERROR;
        const int high = ZoneManager::ZONE_TEMP_STATUS_TOO_HIGH;
        const int highError = ZoneManager::ZONE_TEMP_STATUS_TOO_HIGH_ERROR;
        QTest::newRow("too high") << 11 << 0 << false << 900 << high << highError << "Zone error: temperature too high";
        QTest::newRow("too low") << -11 << 0 << false << 900 << low << lowError << "Zone error: temperature too low.";
        QTest::newRow("too low while preheating") << -11 << 0 << true << 3600 << low << lowError << "Zone error: temperature too low.";
        QTest::newRow("too low while preheating, DEZ") << -11 << kDez << true << 900 << low << lowError << "Zone error: temperature too low.";
    }

    void temperatureErrorsAfterTheirLimits()
    {
        QFETCH(int, offset);
        QFETCH(int, customer);
        QFETCH(bool, preheating);
        QFETCH(int, limit);
        QFETCH(int, pending);
        QFETCH(int, error);
        QFETCH(QString, reason);

        KivClock::freezeAt(1700000000000);
        FakeCabinet cabinet;
        cabinet.customerId = customer;
        ZoneManager *zone = cabinet.zone(3, 2, kFrontBack);
        TrayBarSc *tray = zone->get_traysList()[1];
        load(tray, 4, 160, 160, 160);
        tray->set_trayState(preheating ? TrayBarSc::TRAY_STATE_PREHEATING : TrayBarSc::TRAY_STATE_HOLDING);
        QSignalSpy raised(zone, &ZoneManager::zoneErrorInfo);
        QSignalSpy cleared(zone, &ZoneManager::zoneErrorClearInfo);
        QSignalSpy cancel(zone, &ZoneManager::cancelHoldingDue2Error);
        zone->start();
        QTRY_VERIFY(zone->isRunning());

        reading(zone, 160);
        QCOMPARE(zone->get_tempStatus(), int(ZoneManager::ZONE_TEMP_STATUS_OK));
        reading(zone, 160 + offset);
        QCOMPARE(zone->get_tempStatus(), pending);

        KivClock::advance(qint64(limit) * 1000);
        QVERIFY(tick(zone));
        QCOMPARE(zone->get_tempStatus(), pending);
        QCOMPARE(raised.count(), 0);

        KivClock::advance(1000);
        QVERIFY(tick(zone));
        QCOMPARE(zone->get_tempStatus(), error);
        QVERIFY(zone->get_tempError());
        const int sub = offset > 0 ? 1 : 0;
        QCOMPARE(raised.count(), 1);
        QCOMPARE(raised.first(), (QVariantList{3, sub, 3, 0}));
        QCOMPARE(cancel.count(), 1);
        QCOMPARE(zone->get_errorFlags(), uint(offset > 0 ? 0x02 : 0x01));
        QVERIFY(zone->get_disabledFlag());
        QCOMPARE(zone->get_disableReason(), reason);

        // Sensor 0 recovers first, so sensor 1 is the one out of range for a
        // moment; the withdrawal still names the sensor that was reported.
        reading(zone, 160);
        QCOMPARE(zone->get_tempStatus(), int(ZoneManager::ZONE_TEMP_STATUS_OK));
        QVERIFY(!zone->get_tempError());
        QCOMPARE(cleared.count(), 1);
        QCOMPARE(cleared.first(), (QVariantList{3, sub, 3, 0}));
        QCOMPARE(zone->get_errorFlags(), 0u);
        QVERIFY(!zone->get_disabledFlag());
        QCOMPARE(zone->get_disableReason(), QString());
    }

    void noErrorWhileNothingCanBeWrong_data()
    {
        QTest::addColumn<QString>("why");
        QTest::newRow("no product") << "empty";
        QTest::newRow("range errors disabled") << "disabled";
        QTest::newRow("heaters test") << "test";
    }

    void noErrorWhileNothingCanBeWrong()
    {
        QFETCH(QString, why);

        KivClock::freezeAt(1700000000000);
        FakeCabinet cabinet;
        cabinet.heatersTestEnabled = why == "test";
        ZoneManager *zone = cabinet.zone(0, 2, kTopBottom);
        zone->set_tempRangeErrorDisable(why == "disabled");
        if (why != "empty")
            load(zone->get_traysList()[0], 4, 150, 170, 160);
        QSignalSpy raised(zone, &ZoneManager::zoneErrorInfo);
        zone->start();
        QTRY_VERIFY(zone->isRunning());
        reading(zone, 160);
        reading(zone, 400);
        if (why == "empty") {
            // Nothing held: no target to miss.
            QCOMPARE(zone->get_tempStatus(), int(ZoneManager::ZONE_TEMP_STATUS_OK));
            return;
        }
        QCOMPARE(zone->get_tempStatus(), int(ZoneManager::ZONE_TEMP_STATUS_TOO_HIGH));
        KivClock::advance(7200 * 1000);
        QVERIFY(tick(zone));
        QCOMPARE(zone->get_tempStatus(), int(ZoneManager::ZONE_TEMP_STATUS_TOO_HIGH));
        QCOMPARE(raised.count(), 0);
    }

    void aBrokenSensorShowsEvenInEcoMode()
    {
        FakeCabinet cabinet;
        ZoneManager *zone = cabinet.zone(0, 2, kTopBottom);
        zone->set_ecoModeEnabled(true);
        zone->start();
        QTRY_VERIFY(zone->isRunning());
        reading(zone, 100);
        zone->set_actualTempN(0, 1, 3275);
        QCoreApplication::processEvents();
        QCOMPARE(zone->get_tempStatus(), int(ZoneManager::ZONE_TEMP_STATUS_TOO_HIGH));
        QCOMPARE(zone->get_errorFlags(), 0x80u);
        QCOMPARE(zone->get_disableReason(), QStringLiteral("Zone error: temperature sensor error"));
        // Repaired: the next reading after eco mode clears it.
        zone->set_ecoModeEnabled(false);
        zone->set_actualTempN(0, 1, 100);
        QCoreApplication::processEvents();
        QCOMPARE(zone->get_errorFlags(), 0u);
        QVERIFY(!zone->get_disabledFlag());
        QCOMPARE(zone->get_tempStatus(), int(ZoneManager::ZONE_TEMP_STATUS_OK));
    }

    void aMirrorDisplayOnlyShowsTheStatusItIsSent()
    {
        FakeCabinet cabinet;
        cabinet.mirrorDisplay = true;
        ZoneManager *zone = cabinet.zone(0, 2, kTopBottom);
        load(zone->get_traysList()[0], 4, 150, 170, 160);
        zone->start();
        QTRY_VERIFY(zone->isRunning());
        reading(zone, 400);
        QCOMPARE(zone->get_tempStatus(), int(ZoneManager::ZONE_TEMP_STATUS_UNKNOWN));
        QVERIFY(activeStateNames(*zone).contains("mirroredZone"));
    }

    void disableReasonIsTheHighestFlag_data()
    {
        QTest::addColumn<uint>("flags");
        QTest::addColumn<QString>("reason");
        QTest::newRow("none") << 0u << "";
        QTest::newRow("too low and primary UI lost") << 0x41u << "Primary UI communication loss.";
        QTest::newRow("I/O links") << 0x30u << "Primary I/O board comm lost.";
        QTest::newRow("I/O board") << 0x10u << "I/O board comm loss.";
        QTest::newRow("B too high") << 0x0cu << "Zone error: temp. B too high";
        QTest::newRow("B too low") << 0x04u << "Zone error: temp. B too low.";
        QTest::newRow("everything") << 0xffu << "Zone error: temperature sensor error";
        QTest::newRow("bits above the table only") << 0x100u << "";
    }

    void disableReasonIsTheHighestFlag()
    {
        QFETCH(uint, flags);
        QFETCH(QString, reason);
        FakeCabinet cabinet;
        ZoneManager *zone = cabinet.zone(0, 2, kTopBottom);
        QSignalSpy changed(zone, &ZoneManager::errorFlagsChanged);
        zone->setErrorFlags(flags);
        QCOMPARE(zone->get_disableReason(), reason);
        QCOMPARE(zone->get_disabledFlag(), !reason.isEmpty());
        zone->reEmitErrorFlags();
        QCOMPARE(changed.count(), 2);
    }

    void clearingAFlagUncoversTheNextOne()
    {
        FakeCabinet cabinet;
        ZoneManager *zone = cabinet.zone(0, 2, kTopBottom);
        zone->setErrorFlags(0x01);
        zone->setErrorFlags(0x40);
        QCOMPARE(zone->get_disableReason(), QStringLiteral("Primary UI communication loss."));
        zone->clearErrorFlags(0x40);
        QCOMPARE(zone->get_disableReason(), QStringLiteral("Zone error: temperature too low."));
        QSignalSpy changed(zone, &ZoneManager::errorFlagsChanged);
        zone->clearErrorFlags(0x40); // no change, still announced
        QCOMPARE(changed.count(), 1);
    }

    // The zone moves to the selected day part once its bars are ready for
    // it, or when they already hold what the day part puts there.
    void movesToTheNextDayPartWhenTheBarsAreReady()
    {
        TempRoot root;
        QVERIFY(root.writeFile("/root/dayParts.json",
                               R"({"dayPartVersion": 1, "layout": [
                                   {"productLocations": [{"bin": 3, "productId": 4}, {"bin": 4, "productId": 6}]},
                                   {"productLocations": [{"bin": 3, "productId": 5}]}]})"));
        DayPartManager dayParts(2, 2, nullptr, nullptr);
        dayParts.set_numOfTrays(4);
        dayParts.dayPartsLoadJsonDocFile();

        FakeCabinet cabinet;
        MessageCatcher catcher;
        ZoneManager *zone = cabinet.zone(1, 2, kTopBottom, &dayParts);
        QVERIFY2(catcher.warnings().isEmpty(), qPrintable(catcher.warnings().join('\n')));
        const QList<TrayBarSc *> trays = zone->get_traysList();
        load(trays[0], 4, 150, 170, 160);
        load(trays[1], 6, 150, 170, 160);
        trays[0]->set_trayState(TrayBarSc::TRAY_STATE_HOLDING);
        trays[1]->set_trayState(TrayBarSc::TRAY_STATE_STANDARD);

        zone->start();
        QTRY_COMPARE(zone->get_zState(), int(ZoneManager::ZONE_STATE_ON_DAYPART));

        QSignalSpy wait(zone, &ZoneManager::checkForWaitState);
        QSignalSpy moving(zone, &ZoneManager::movingToAnotherDayPart);
        zone->set_nextDayPart(1);
        QCOMPARE(wait.count(), 1); // one bar is holding its standard time
        QTRY_COMPARE(zone->get_zState(), int(ZoneManager::ZONE_STATE_MOVE_2_DAYPART));
        QTest::qWait(100);
        QCOMPARE(zone->get_zState(), int(ZoneManager::ZONE_STATE_MOVE_2_DAYPART));
        QCOMPARE(zone->get_currentDayPart(), 0);

        // A bar changing state is looked at again.
        trays[0]->set_trayState(TrayBarSc::TRAY_STATE_READY2HOLD);
        QTRY_VERIFY(moving.count() >= 2);
        QCOMPARE(zone->get_zState(), int(ZoneManager::ZONE_STATE_MOVE_2_DAYPART));
        trays[1]->set_trayState(TrayBarSc::TRAY_STATE_WAITING);
        QTRY_COMPARE(zone->get_zState(), int(ZoneManager::ZONE_STATE_ON_DAYPART));
        QCOMPARE(zone->get_currentDayPart(), 1);
        QCOMPARE(zone->get_prevDayPart(), 0);

        // Back to day part 0, whose products the bars already hold.
        trays[0]->set_trayState(TrayBarSc::TRAY_STATE_HOLDING);
        trays[1]->set_trayState(TrayBarSc::TRAY_STATE_HOLDING);
        zone->set_nextDayPart(0);
        QTRY_COMPARE(zone->get_currentDayPart(), 0);
        QCOMPARE(zone->get_zState(), int(ZoneManager::ZONE_STATE_ON_DAYPART));
    }

    void dayPartsFromTheCabinetCore()
    {
        for (const int customer : {0, kDez}) {
            FakeCabinet cabinet;
            cabinet.customerId = customer;
            ZoneManager *zone = cabinet.zone(2, 2, kTopBottom);
            QSignalSpy next(zone, &ZoneManager::nextDayPartChanged);
            QSignalSpy wait(zone, &ZoneManager::checkForWaitState);
            QSignalSpy reload(zone, &ZoneManager::forceDayPartReload);

            zone->restoreZoneDayPart(1, 3); // another zone's
            QCOMPARE(zone->get_nextDayPart(), 0);
            zone->restoreZoneDayPart(2, 3);
            QCOMPARE(zone->get_nextDayPart(), 3);
            QCOMPARE(wait.count(), customer == kDez ? 0 : 1);

            next.clear();
            zone->nextDayPartForced();
            QCOMPARE(zone->get_nextDayPart(), zone->get_currentDayPart());
            QCOMPARE(next.count(), 2); // the change and once more

            zone->processDaypartUpdate(5);
            QCOMPARE(reload.count(), 1);
        }
    }

    void holdingEndsEcoAndHeatOff()
    {
        FakeCabinet cabinet;
        cabinet.mirrorDisplay = true;
        ZoneManager *zone = cabinet.zone(0, 2, kTopBottom);
        zone->set_ecoModeEnabled(true);
        zone->set_heatOffEnabled(true);
        TrayBarSc *tray = zone->get_traysList()[1];

        // On a mirror the bar's state alone sets the flag.
        tray->set_trayState(TrayBarSc::TRAY_STATE_DISCARD);
        QTRY_VERIFY(zone->get_activelyHolding());
        QVERIFY(zone->get_ecoModeEnabled());

        emit tray->holdingStartedSignal(trayInfo());
        QTRY_VERIFY(!zone->get_ecoModeEnabled());
        QVERIFY(!zone->get_heatOffEnabled());
        tray->set_trayState(TrayBarSc::TRAY_STATE_READY2HOLD);
        emit tray->holdingStoppedSignal(trayInfo());
        QTRY_VERIFY(!zone->get_activelyHolding());
    }

    void ecoAndHeatOffSetTheBars_data()
    {
        QTest::addColumn<bool>("eco");
        QTest::addColumn<bool>("heatOff");
        QTest::addColumn<int>("shelfMode");
        QTest::addColumn<int>("holdOff"); // -1: the bars leave heat-off
        QTest::newRow("eco, shelf temperature") << true << false << 1 << 140;
        QTest::newRow("eco, shelf off") << true << false << 0 << 0;
        QTest::newRow("heat-off") << false << true << 1 << 0;
        QTest::newRow("neither") << false << false << 1 << -1;
    }

    void ecoAndHeatOffSetTheBars()
    {
        QFETCH(bool, eco);
        QFETCH(bool, heatOff);
        QFETCH(int, shelfMode);
        QFETCH(int, holdOff);

        FakeCabinet cabinet;
        cabinet.config.ecoShelfHeatMode = shelfMode;
        cabinet.config.ecoShelfHeatTemp = 140;
        ZoneManager *zone = cabinet.zone(0, 2, kTopBottom);
        QList<QSignalSpy *> toHeatOff, fromHeatOff;
        for (TrayBarSc *tray : zone->get_traysList()) {
            toHeatOff << new QSignalSpy(tray, &TrayBarSc::goToHeatOff);
            fromHeatOff << new QSignalSpy(tray, &TrayBarSc::exitHeatOff);
        }
        zone->set_ecoModeEnabled(eco);
        zone->set_heatOffEnabled(heatOff);
        if (!eco && !heatOff)
            emit cabinet.config.ecoShelfHeatTempChanged(140); // a settings change re-applies
        QTRY_VERIFY(toHeatOff[0]->count() + fromHeatOff[0]->count() > 0);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(toHeatOff[i]->isEmpty(), holdOff < 0);
            QCOMPARE(fromHeatOff[i]->isEmpty(), holdOff >= 0);
            if (holdOff >= 0)
                QCOMPARE(zone->get_traysList()[i]->get_holdOffTemperature(), holdOff);
        }
        qDeleteAll(toHeatOff);
        qDeleteAll(fromHeatOff);
    }

    void idleZonesAreOfferedEcoMode_data()
    {
        QTest::addColumn<int>("customer");
        QTest::addColumn<QString>("sent");
        QTest::newRow("suggested") << 0 << "suggest 4 1";
        QTest::newRow("switched on for RIVEV") << kRivev << "eco 4 1";
    }

    void idleZonesAreOfferedEcoMode()
    {
        QFETCH(int, customer);
        QFETCH(QString, sent);

        FakeCabinet cabinet;
        cabinet.customerId = customer;
        cabinet.advancedZoneOptionsEnable = true;
        ZoneManager *zone = cabinet.zone(4, 2, kTopBottom);
        // The scans are driven by hand below.
        auto *scanTimer = zone->findChild<QTimer *>("autoEcoTimer");
        QVERIFY(scanTimer && scanTimer->isActive());
        scanTimer->stop();
        TrayBarSc *tray = zone->get_traysList()[0];
        load(tray, 4, 150, 170, 160);
        tray->set_trayState(TrayBarSc::TRAY_STATE_READY2HOLD);

        const auto idleScans = [&](int n) {
            for (int i = 0; i < n; ++i)
                zone->autoEcoEnableScan();
        };
        idleScans(1 + 59); // the first scan starts the count
        QVERIFY(!zone->get_suggestEcoModeEnable());
        QVERIFY(!zone->get_ecoModeEnabled());
        QVERIFY(cabinet.calls.isEmpty());

        // A bar that starts holding starts the count again.
        tray->set_trayState(TrayBarSc::TRAY_STATE_HOLDING);
        idleScans(1);
        tray->set_trayState(TrayBarSc::TRAY_STATE_READY2HOLD);
        idleScans(59);
        QVERIFY(cabinet.calls.isEmpty());
        idleScans(1);
        QCOMPARE(cabinet.calls, QStringList{sent});
        QCOMPARE(zone->get_suggestEcoModeEnable(), customer != kRivev);
        QCOMPARE(zone->get_ecoModeEnabled(), customer == kRivev);

        zone->cancelSuggetEcoMode();
        QVERIFY(!zone->get_suggestEcoModeEnable());
        QCOMPARE(cabinet.calls.last(), QStringLiteral("suggest 4 0"));
    }

    void ecoIsNeverOfferedWhenSwitchedOff()
    {
        FakeCabinet cabinet;
        cabinet.config.ecoActivateMode = 0;
        ZoneManager *zone = cabinet.zone(0, 2, kTopBottom);
        QVERIFY(!zone->findChild<QTimer *>("autoEcoTimer")); // no advanced zone options
        load(zone->get_traysList()[0], 4, 150, 170, 160);
        zone->get_traysList()[0]->set_trayState(TrayBarSc::TRAY_STATE_READY2HOLD);
        for (int i = 0; i < 200; ++i)
            zone->autoEcoEnableScan();
        QVERIFY(!zone->get_suggestEcoModeEnable());
        QVERIFY(cabinet.calls.isEmpty());
    }
};

QTEST_MAIN(TestZoneManager)
#include "tst_zonemanager.moc"
