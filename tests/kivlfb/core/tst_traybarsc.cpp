#include "core/kivmetatypes.h"
#include "core/traybarsc.h"
#include "core/zonemanager.h"
#include "menus/daypartmanager.h"
#include "menus/menumanager.h"
#include "platform/kivclock.h"
#include "ui/translator.h"

#include "machinestates.h"
#include "temproot.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

const qint64 kNoon = 1704110400000; // 2024-01-01 12:00:00 UTC

// Patty: hold 1800 s, warning 300 s, 150-171 degrees (mean 160, truncated).
// Nuggets: a two-bin pan. Groups: one with a default outside its list, and
// one with no products at all.
const char kMenu[] = R"({
  "menuVersion": 1,
  "products": [
    { "productId": 0, "productName": { "eng_USA": "" }, "holdingTime": 0, "warningTime": 0,
      "lowerTemp": 150, "upperTemp": 160, "fanSpeed": 100, "resetTime": 0, "lidType": "None",
      "bottomType": "Normal", "zoneSplits": "1/2" },
    { "productId": 12, "productName": { "eng_USA": "Patty", "spa": "Hamburguesa" },
      "holdingTime": 1800, "warningTime": 300, "lowerTemp": 150, "upperTemp": 171, "fanSpeed": 80,
      "resetTime": 0, "lidType": "Solid", "bottomType": "False", "zoneSplits": "1/2",
      "timerColor": "#ff0000" },
    { "productId": 7, "productName": { "eng_USA": "Nuggets" }, "holdingTime": 900,
      "warningTime": 600, "lowerTemp": 160, "upperTemp": 180, "fanSpeed": 60, "resetTime": 0,
      "lidType": "Vented", "bottomType": "Rack", "zoneSplits": "1/1" }
  ],
  "productGroups": [
    { "groupName": { "eng_USA": "Odd default" }, "groupId": 1073741825, "lowerTemp": 150,
      "upperTemp": 171, "fanSpeed": 60, "lidType": "Solid", "zoneSplits": "1/2", "defaultProd": 5,
      "products": [ { "productId": 7 }, { "productId": 12 } ] },
    { "groupName": { "eng_USA": "Empty" }, "groupId": 1073741826, "lowerTemp": 150,
      "upperTemp": 171, "fanSpeed": 60, "lidType": "Solid", "zoneSplits": "1/2", "defaultProd": 0,
      "products": [] }
  ]
})";

const int kPatty = 12;
const int kOddDefaultGroup = 1073741825;
const int kEmptyGroup = 1073741826;

// One zone of two bins on a stand-in cabinet core that carries the settings
// the bars read (customer and touch decrement), the translator and the menu.
struct Bench {
    TempRoot root;
    QObject cabinet;
    MenuManager *menus = nullptr;
    DayPartManager *dayParts = nullptr;
    ZoneManager *zone = nullptr;

    Bench(int customer, bool decrement, int productOnBin0 = kPatty)
    {
        root.writeFile("/root/menu.json", kMenu);
        cabinet.setProperty("customerId", customer);
        cabinet.setProperty("timerDecrementEnable", decrement);
        cabinet.setProperty("traysPerZone", 2);
        new Translator(&cabinet);
        menus = new MenuManager(&cabinet);
        menus->menuLoadJsonDocFile();
        dayParts = new DayPartManager(1, 2, menus, &cabinet);
        for (int dayPart : {0, 1})
            dayParts->setProdIdOnBin(dayPart, 0, productOnBin0);
        zone = new ZoneManager(0, 2, menus, dayParts, 0, 0, false, &cabinet);
    }

    TrayBarSc *bar() const { return zone->get_traysList().first(); }
};

// Runs the bar into preheating the way a day part assigns it.
void assignBar(Bench &bench)
{
    bench.bar()->start();
    QTRY_VERIFY(bench.bar()->isRunning());
    bench.dayParts->set_nextDayPart(1);
    QCOMPARE(stateOf(bench.bar()), QStringLiteral("preheating"));
}

void toReadyToHold(Bench &bench)
{
    assignBar(bench);
    bench.bar()->set_actualTemperature(bench.bar()->get_holdTemperature());
    QCOMPARE(stateOf(bench.bar()), QStringLiteral("readyToHold"));
}

} // namespace

class TestTrayBarSc : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KivMetaTypes::registerAll(); }
    void init() { KivClock::freezeAt(kNoon); }
    void cleanup() { KivClock::useSystemClock(); }

    // The customer decides the preheat limit, the hold temperature, where a
    // day-part wait ends and whether a touch ends preheating.
    void customerPreheatRules_data()
    {
        QTest::addColumn<int>("customer");
        QTest::addColumn<int>("limitMs");
        QTest::addColumn<int>("holdTemp");
        QTest::addColumn<bool>("touchEndsPreheat");
        QTest::addColumn<QString>("afterWait");
        QTest::newRow("customer 0") << 0 << 3600000 << 160 << false << "preheating";
        QTest::newRow("customer 2") << 2 << 3600000 << 160 << true << "preheating";
        QTest::newRow("customer 3") << 3 << 900000 << 171 << true << "readyToHold";
        QTest::newRow("customer 5") << 5 << 3600000 << 160 << true << "preheating";
    }
    void customerPreheatRules()
    {
        QFETCH(int, customer);
        QFETCH(int, limitMs);
        QFETCH(int, holdTemp);
        QFETCH(bool, touchEndsPreheat);
        QFETCH(QString, afterWait);

        Bench bench(customer, false);
        TrayBarSc *bar = bench.bar();
        QSignalSpy alarms(bar, SIGNAL(requestAlarm(int,bool)));
        assignBar(bench);
        QCOMPARE(bar->get_holdTemperature(), holdTemp);
        QCOMPARE(bar->get_trayState(), int(TrayBarSc::TRAY_STATE_PREHEATING));

        emit bar->userClicked();
        QCOMPARE(stateOf(bar), touchEndsPreheat ? QStringLiteral("readyToHold") : QStringLiteral("preheating"));
        if (!touchEndsPreheat) {
            // Still preheating a second before the limit, ready at it. A
            // clock timer that a move makes due fires during the move; the
            // events it posted run before the bar is looked at.
            KivClock::advance(limitMs - 1000);
            QCoreApplication::processEvents();
            QCOMPARE(stateOf(bar), QStringLiteral("preheating"));
            KivClock::advance(1000);
            QTRY_COMPARE(stateOf(bar), QStringLiteral("readyToHold"));
            QCOMPARE(bar->get_heatTime(), limitMs / 1000);
        }
        // Leaving preheating sounds the warning once.
        QCOMPARE(alarms.count(), 1);
        QCOMPARE(alarms.first(), (QVariantList{1, true}));

        emit bench.zone->movingToAnotherDayPart();
        QCOMPARE(stateOf(bar), QStringLiteral("waiting"));
        QCOMPARE(bar->get_groupID(), 0);
        bench.zone->set_currentDayPart(1);
        QCOMPARE(stateOf(bar), afterWait);
    }

    void preheatLimitFollowsTheClock()
    {
        Bench bench(3, false);
        assignBar(bench);
        KivClock::advance(900000);
        QTRY_COMPARE(stateOf(bench.bar()), QStringLiteral("readyToHold"));
    }

    // A bin without a product, or with a group that has no products, loads
    // nothing and never leaves preheating.
    void nothingToHoldStaysInPreheating_data()
    {
        QTest::addColumn<int>("assignment");
        QTest::newRow("no product") << 0;
        QTest::newRow("empty group") << kEmptyGroup;
    }
    void nothingToHoldStaysInPreheating()
    {
        QFETCH(int, assignment);
        Bench bench(0, false, assignment);
        TrayBarSc *bar = bench.bar();
        QSignalSpy requests(bar, SIGNAL(userRequestsManualTimerStart(uchar)));
        assignBar(bench);
        QCOMPARE(bar->get_productId(), 0);
        QCOMPARE(bar->get_groupIndex(), 0);

        bar->set_actualTemperature(500);
        emit bar->atTarget();
        KivClock::advance(3600000);
        QCoreApplication::processEvents();
        QCOMPARE(stateOf(bar), QStringLiteral("preheating"));
        bar->userRequestsManualTimerStart();
        QCOMPARE(requests.count(), 0);

        // A language change with a negative index keeps the bar alive.
        bar->set_groupIndex(-1);
        bar->languageChanged(1);
        QCOMPARE(stateOf(bar), QStringLiteral("preheating"));
    }

    void productRecordLoadsIntoTheBar()
    {
        Bench bench(0, false);
        TrayBarSc *bar = bench.bar();
        assignBar(bench);
        QCOMPARE(bar->get_productId(), kPatty);
        QCOMPARE(bar->get_productName(), QStringLiteral("Patty"));
        QCOMPARE(bar->get_holdTime(), 1800);
        QCOMPARE(bar->get_warningTime(), 300);
        QCOMPARE(bar->get_lidType(), 1);
        QCOMPARE(bar->get_bottomType(), 1);
        QCOMPARE(bar->get_targetFanSpeed(), 80);
        QCOMPARE(bar->get_timerBackColor(), QStringLiteral("#ff0000"));
        QCOMPARE(bar->get_groupID(), 0);
        bar->languageChanged(1);
        QCOMPARE(bar->get_productName(), QStringLiteral("Hamburguesa"));
    }

    // A group whose default lies outside its list loads the first product.
    void groupDefaultOutsideTheListTakesTheFirstProduct()
    {
        Bench bench(0, false, kOddDefaultGroup);
        TrayBarSc *bar = bench.bar();
        assignBar(bench);
        QCOMPARE(bar->get_groupID(), kOddDefaultGroup);
        QCOMPARE(bar->get_productId(), 7);
        QCOMPARE(bar->get_groupIndex(), 0);
        QCOMPARE(bar->get_groupPList().toStringList(), (QStringList{"7", "12"}));
        bar->loadSubProduct(1);
        QCOMPARE(bar->get_productId(), kPatty);
    }

    // goToHold() passes "autoXfr", which picks the holding state without
    // sounding anything itself.
    void holdStartLandsByRemainingTime_data()
    {
        QTest::addColumn<int>("remaining");
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("trayState");
        QTest::newRow("nothing left") << 0 << "discard" << int(TrayBarSc::TRAY_STATE_DISCARD);
        QTest::newRow("at the warning time") << 300 << "warning" << int(TrayBarSc::TRAY_STATE_WARNING);
        QTest::newRow("plenty") << 1000 << "standard" << int(TrayBarSc::TRAY_STATE_STANDARD);
    }
    void holdStartLandsByRemainingTime()
    {
        QFETCH(int, remaining);
        QFETCH(QString, state);
        QFETCH(int, trayState);
        Bench bench(0, false);
        TrayBarSc *bar = bench.bar();
        toReadyToHold(bench);
        QSignalSpy alarms(bar, SIGNAL(requestAlarm(int,bool)));
        QSignalSpy started(bar, SIGNAL(holdingStarted(QString,QString,QString,int,QString)));
        QSignalSpy records(bar, SIGNAL(holdingStartedSignal(trayInfo)));

        bar->set_remainingTime(remaining);
        bar->trayInserted();
        QCOMPARE(stateOf(bar), state);
        QCOMPARE(bar->get_trayState(), trayState);
        QCOMPARE(alarms.count(), 0);
        QCOMPARE(started.count(), 1);
        QCOMPARE(started.first().at(4).toString(), QStringLiteral("auto"));
        QCOMPARE(records.count(), 1);
        const trayInfo record = records.first().first().value<trayInfo>();
        QCOMPARE(int(record.holdActivity), 2);
        QCOMPARE(int(record.groupId), kPatty);
        QCOMPARE(qint64(record.processId), kNoon);
    }

    // The one-second tick runs the hold down through warning into discard,
    // and a touch acknowledges the discard.
    void holdRunsOutAndIsAcknowledged()
    {
        Bench bench(0, false);
        TrayBarSc *bar = bench.bar();
        toReadyToHold(bench);
        bar->set_remainingTime(301);
        bar->trayInserted();
        QCOMPARE(stateOf(bar), QStringLiteral("standard"));

        QSignalSpy alarms(bar, SIGNAL(requestAlarm(int,bool)));
        QSignalSpy expiredEvent(bar, SIGNAL(requestHoldExpiredEvent(uchar,qulonglong)));
        QTRY_COMPARE(stateOf(bar), QStringLiteral("warning"));
        QCOMPARE(alarms.takeFirst(), (QVariantList{1, true}));

        bar->set_remainingTime(1);
        QTRY_COMPARE(stateOf(bar), QStringLiteral("discard"));
        QCOMPARE(alarms.takeFirst(), (QVariantList{2, true}));
        QCOMPARE(expiredEvent.count(), 1);
        QTRY_VERIFY(bar->get_remainingTime() < 0);

        QSignalSpy stopped(bar, SIGNAL(holdingStopped(QString,QString,QString,int,QString,int)));
        QSignalSpy deregister(bar, SIGNAL(deregisterTag(qulonglong)));
        emit bar->userClicked();
        QCOMPARE(stateOf(bar), QStringLiteral("readyToHold"));
        QCOMPARE(alarms.takeFirst(), (QVariantList{2, false}));
        QCOMPARE(stopped.count(), 1);
        QCOMPARE(deregister.count(), 1);
        QCOMPARE(bar->get_remainingTime(), 1800);
    }

    // The countdown follows the project clock: time that passed on it is
    // taken off at the next tick, a clock set back gives nothing back.
    void countdownFollowsTheProjectClock()
    {
        Bench bench(0, false);
        TrayBarSc *bar = bench.bar();
        toReadyToHold(bench);
        bar->trayInserted();
        QCOMPARE(stateOf(bar), QStringLiteral("standard"));
        QCOMPARE(bar->get_remainingTime(), 1800);
        QSignalSpy alarms(bar, SIGNAL(requestAlarm(int,bool)));

        KivClock::advance(600000);
        QTRY_COMPARE(bar->get_remainingTime(), 1200);
        KivClock::advance(-300000);
        QTRY_COMPARE(bar->get_remainingTime(), 1199);
        QTRY_COMPARE(bar->get_remainingTime(), 1198);
        QCOMPARE(stateOf(bar), QStringLiteral("standard"));

        // Far past the end at once: straight to discard, with its alarm and
        // without the warning in between.
        KivClock::advance(3600000);
        QTRY_COMPARE(stateOf(bar), QStringLiteral("discard"));
        QVERIFY(bar->get_remainingTime() < 0);
        QCOMPARE(alarms.count(), 1);
        QCOMPARE(alarms.first(), (QVariantList{2, true}));
    }

    void cancelDuringADayPartChangeWaits()
    {
        Bench bench(0, false);
        TrayBarSc *bar = bench.bar();
        toReadyToHold(bench);
        bar->set_remainingTime(1000);
        bar->trayInserted();
        QSignalSpy stopRecords(bar, SIGNAL(holdingStoppedSignal(trayInfo)));
        bench.zone->set_nextDayPart(1);
        emit bar->cancelHolding();
        QCOMPARE(stateOf(bar), QStringLiteral("waiting"));
        QCOMPARE(stopRecords.count(), 1);
        QCOMPARE(int(stopRecords.first().first().value<trayInfo>().holdActivity), 0);
    }

    // Restored records of a hold go back into holding without announcing a
    // new start; records of no hold are ignored.
    void restoreOfARecord_data()
    {
        QTest::addColumn<int>("activity");
        QTest::addColumn<int>("remaining");
        QTest::addColumn<QString>("state");
        QTest::newRow("changed record") << 1 << 500 << "readyToHold";
        QTest::newRow("expired while down") << 2 << -5 << "discard";
        QTest::newRow("below the warning time") << 3 << 299 << "warning";
        QTest::newRow("at the warning time") << 3 << 300 << "standard";
    }
    void restoreOfARecord()
    {
        QFETCH(int, activity);
        QFETCH(int, remaining);
        QFETCH(QString, state);
        Bench bench(0, false);
        TrayBarSc *bar = bench.bar();
        toReadyToHold(bench);
        QSignalSpy started(bar, SIGNAL(holdingStartedSignal(trayInfo)));
        trayInfo record;
        record.binNumber = 0;
        record.holdActivity = quint8(activity);
        record.groupId = kPatty;
        record.remainingTime = remaining;
        record.dayPart = 1;
        bar->restoreTrayBarHoldingInfo(record);
        QCOMPARE(stateOf(bar), state);
        QCOMPARE(started.count(), 0);
        if (activity >= 2)
            QCOMPARE(bar->get_remainingTime(), remaining);

        record.binNumber = 1; // another bin's record changes nothing
        bar->restoreTrayBarHoldingInfo(record);
        QCOMPARE(stateOf(bar), state);
    }

    // With the decrement setting each touch inside 2 s takes 5 minutes off
    // the starting time; the hold is asked for 2 s after the last touch.
    void touchDecrementOfTheHoldTime()
    {
        Bench bench(0, true);
        TrayBarSc *bar = bench.bar();
        toReadyToHold(bench);
        QSignalSpy requests(bar, SIGNAL(userRequestsManualTimerStart(uchar)));

        emit bar->userClicked();
        QCOMPARE(bar->get_holdTimePreSet(), 1800);
        KivClock::advance(1000);
        emit bar->userClicked();
        QCOMPARE(bar->get_holdTimePreSet(), 1500);
        KivClock::advance(1999);
        QCoreApplication::processEvents();
        QCOMPARE(requests.count(), 0);
        KivClock::advance(1);
        QTRY_COMPARE(requests.count(), 1);
        QCOMPARE(requests.first().first().value<uchar>(), uchar(0));
    }

    void touchDecrementRunDownToZeroStartsNothing()
    {
        Bench bench(0, true);
        TrayBarSc *bar = bench.bar();
        toReadyToHold(bench);
        bar->set_holdTime(600);
        QSignalSpy requests(bar, SIGNAL(userRequestsManualTimerStart(uchar)));
        for (int i = 0; i < 3; ++i)
            emit bar->userClicked();
        QCOMPARE(bar->get_holdTimePreSet(), 0);
        KivClock::advance(5000);
        QCoreApplication::processEvents();
        QCOMPARE(requests.count(), 0);
    }

    // A new hold within 2 s of leaving a discard is flagged in its record.
    void recordFlagAfterADiscard_data()
    {
        QTest::addColumn<int>("gapMs");
        QTest::addColumn<int>("flag");
        QTest::newRow("within 2 s") << 1500 << 1;
        QTest::newRow("after 3 s") << 3000 << 0;
    }
    void recordFlagAfterADiscard()
    {
        QFETCH(int, gapMs);
        QFETCH(int, flag);
        Bench bench(0, false);
        TrayBarSc *bar = bench.bar();
        toReadyToHold(bench);
        emit bar->trayDiscard();
        QCOMPARE(stateOf(bar), QStringLiteral("discard"));
        emit bar->userClicked();
        KivClock::advance(gapMs);
        bar->set_remainingTime(1000);
        bar->trayInserted();
        QSignalSpy updates(bar, SIGNAL(holdingUpdateSignal(trayInfo)));
        bar->updateTrayInfo();
        QCOMPARE(int(updates.first().first().value<trayInfo>().flag), flag);
    }

    void heatOffSuppressesThePreheatAlarm()
    {
        Bench bench(0, false);
        TrayBarSc *bar = bench.bar();
        assignBar(bench);
        bar->set_holdOffTemperature(125);
        QSignalSpy alarms(bar, SIGNAL(requestAlarm(int,bool)));
        emit bar->goToHeatOff();
        QCOMPARE(stateOf(bar), QStringLiteral("holdingOff"));
        QCOMPARE(alarms.count(), 0);
        QCOMPARE(bar->get_holdTemperature(), 125);
        emit bar->exitHeatOff();
        QCOMPARE(stateOf(bar), QStringLiteral("preheating"));
        QCOMPARE(bar->get_upperTemperature(), 171);
    }

    // The tracer reads every transition's trigger and action texts.
    void transitionsCarryTracerTexts()
    {
        Bench bench(0, false);
        QHash<QString, QAbstractTransition *> byName;
        for (QAbstractTransition *t : bench.bar()->findChildren<QAbstractTransition *>())
            byName.insert(t->objectName(), t);
        QVERIFY(!byName.contains("t_preheating_exitPreheat"));
        QCOMPARE(byName.value("t_unassigned_dp_changed")->property("action").toString(),
                 QStringLiteral("signal, this::assign()\n"));
        QCOMPARE(byName.value("t_holding_timer")->property("trigSignal").toString(),
                 QStringLiteral("&trayTimer::timeout()"));
        QCOMPARE(byName.value("t_end_wait")->property("trigSignal").toString(),
                 QStringLiteral("m_zonemgr::currentDayPartChanged(int)"));
        QCOMPARE(byName.value("t_holding_cancel_sameP")->property("action").toString(),
                 QStringLiteral("this->deregisterNfcTag()\nthis->notifyHoldingStopped()\n"));
    }
};

QTEST_MAIN(TestTrayBarSc)
#include "tst_traybarsc.moc"
