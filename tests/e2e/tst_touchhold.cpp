#include "alarms/haccpcontroller.h"
#include "core/cabinetmanager.h"
#include "core/kivmetatypes.h"
#include "core/traybarsc.h"
#include "iot/kivriot.h"
#include "platform/kivclock.h"

#include "displayenvironment.h"
#include "cabinetpersonality.h"
#include "riotlistener.h"
#include "simulateddisplay.h"

#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

namespace {

const qint64 kStart = 1704110400000; // 2024-01-01 12:00:00 UTC
// This cabinet counts touches down the hold time: the hold is asked for
// once no further touch came for this long.
const qint64 kTouchWindowMs = 2000;

QString secondsText(qint64 msecs)
{
    return QString::number(msecs / 1000);
}

} // namespace

// A touch on a bin that is ready to hold, on a whole primary display in
// simulation. With NFC the touch asks the pan-tag tracking for the hold,
// which starts it as a manual hold and reports it to the cloud; without NFC
// nothing listens to the request and no hold starts.
class TestTouchHold : public QObject
{
    Q_OBJECT

    DisplayEnvironment m_env;

    // Leaves preheating by a touch (this customer may) and touches the
    // ready bin once; the touch window then runs out on the project clock.
    static void touchReadyBin(SimulatedDisplay &d, TrayBarSc *bar)
    {
        QTRY_COMPARE(SimulatedDisplay::stateOf(bar), QStringLiteral("preheating"));
        QVERIFY(d.touch(bar));
        QTRY_COMPARE(SimulatedDisplay::stateOf(bar), QStringLiteral("readyToHold"));
        QVERIFY(d.touch(bar));
        QTRY_COMPARE(bar->get_holdTimePreSet(), SimulatedDisplay::kPattyHoldSecs);
        KivClock::advance(kTouchWindowMs);
    }

private slots:
    void initTestCase()
    {
        KivMetaTypes::registerAll();
        QVERIFY(m_env.start());
    }
    void init() { KivClock::freezeAt(kStart); }
    void cleanup() { KivClock::useSystemClock(); }

    void withNfcTheTouchStartsAManualHold()
    {
        RiotListener cloud(m_env.busAddress());
        QVERIFY(cloud.isListening());
        SimulatedDisplay d(cabinetPersonality("alone"));
        CabinetManager *cabinet = d.cabinet();
        QVERIFY(cabinet->get_nfcEnabled());
        const int bin = SimulatedDisplay::kPattyBin;
        TrayBarSc *bar = d.bar(bin);
        QVERIFY(bar);
        QSignalSpy asked(bar, SIGNAL(userRequestsManualTimerStart(quint8)));
        QSignalSpy started(cabinet, SIGNAL(event_holdStarted(QString,QString,QString,int,QString)));

        touchReadyBin(d, bar);
        if (QTest::currentTestFailed())
            return;

        // The bar asks; the pan-tag tracking starts the hold as a manual one
        // (a hold the bar starts by itself would say "auto").
        QTRY_COMPARE(asked.count(), 1);
        QCOMPARE(asked.first().first().toInt(), bin);
        QTRY_COMPARE(started.count(), 1);
        const QString now = secondsText(kStart + kTouchWindowMs);
        QCOMPARE(started.first(), (QVariantList{now, "Patty", "0", bin, "manual"}));
        QTRY_COMPARE(SimulatedDisplay::stateOf(bar), QStringLiteral("standard"));
        QCOMPARE(bar->get_remainingTime(), SimulatedDisplay::kPattyHoldSecs);
        QCOMPARE(bar->get_panId(), 0ULL);

        QTRY_COMPARE(d.haccpEntries().size(), 1);
        QCOMPARE(d.haccpEntries().first().value("p").toString(), QStringLiteral("Patty"));
        QCOMPARE(d.haccpEntries().first().value("b").toInt(), bin);

        // The cloud hears a hold start for the bin without a pan.
        QTRY_COMPARE(cloud.events("holdStart").size(), 1);
        const QJsonObject event = cloud.events("holdStart").first();
        QCOMPARE(event.value("panId").toString(), QStringLiteral("0"));
        QCOMPARE(event.value("zoneNumber").toInt(), bin + 1);
        QCOMPARE(event.value("productName").toString(), QStringLiteral("Patty"));
        QCOMPARE(event.value("timestamp").toString(), now);
        QCOMPARE(event.value("eventUuid").toString(), QStringLiteral("null"));
        QCOMPARE(event.value("inCabinet").toBool(), false);
        QCOMPARE(started.count(), 1);
    }

    void withoutNfcTheTouchStartsNoHold()
    {
        RiotListener cloud(m_env.busAddress());
        QVERIFY(cloud.isListening());
        SimulatedDisplay d(cabinetPersonality("alone", [](QJsonObject &p) { p["nfcEnabled"] = false; }));
        CabinetManager *cabinet = d.cabinet();
        QVERIFY(!cabinet->get_nfcEnabled());
        const int bin = SimulatedDisplay::kPattyBin;
        TrayBarSc *bar = d.bar(bin);
        QVERIFY(bar);
        QSignalSpy asked(bar, SIGNAL(userRequestsManualTimerStart(quint8)));
        QSignalSpy started(cabinet, SIGNAL(event_holdStarted(QString,QString,QString,int,QString)));
        QSignalSpy records(bar, SIGNAL(holdingStartedSignal(trayInfo)));

        touchReadyBin(d, bar);
        if (QTest::currentTestFailed())
            return;

        // The bar asks, and nobody answers: after a few holding ticks' worth
        // of time the bin is still ready, with its full time.
        QTRY_COMPARE(asked.count(), 1);
        QTest::qWait(1000);
        QCOMPARE(SimulatedDisplay::stateOf(bar), QStringLiteral("readyToHold"));
        QCOMPARE(bar->get_remainingTime(), SimulatedDisplay::kPattyHoldSecs);
        QCOMPARE(records.count(), 0);
        QCOMPARE(started.count(), 0);

        // Nothing reached the log: a read through the worker comes back after
        // every request queued before it.
        HaccpController *haccp = d.haccp();
        QVERIFY(haccp);
        QSignalSpy read(haccp, &HaccpController::retrieveHaccpDataDone);
        haccp->retrieveAllHaccpData(true);
        QVERIFY(read.wait(10000));
        QCOMPARE(haccp->get_totalHaccpLogListCount(), 0);
        QVERIFY(d.haccpEntries().isEmpty());

        // Nor the bus: an event sent now arrives after any sent before it.
        auto *riot = cabinet->findChild<KivRiot *>();
        QVERIFY(riot);
        riot->handle_event_iotSettings(QStringLiteral("DEZ_RIOT"));
        QTRY_COMPARE(cloud.events("iotSettings").size(), 1);
        QCOMPARE(cloud.events("holdStart").size(), 0);
    }
};

QTEST_MAIN(TestTouchHold)
#include "tst_touchhold.moc"
