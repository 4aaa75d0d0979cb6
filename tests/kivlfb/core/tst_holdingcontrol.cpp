#include "core/cabinetmanager.h"
#include "core/holdingexchange.h"
#include "core/holdingexchangecodec.h"
#include "core/zonemanager.h"
#include "core/kivmetatypes.h"
#include "core/traybarsc.h"

#include "alarms/haccpcontroller.h"
#include "alarms/haccplogformat.h"
#include "config/configurationmanager.h"
#include "menus/daypartmanager.h"
#include "nfc/nfcmanager.h"
#include "nfc/nfcreadersimulator.h"
#include "platform/kivclock.h"

#include "kitchenmenu.h"
#include "displayenvironment.h"
#include "machinestates.h"
#include "cabinetpersonality.h"
#include "temproot.h"
#include "vcantap.h"

#include "canbus/canbusmanager.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

const qint64 kNoon = 1704110400000; // 2024-01-01 12:00:00 UTC
const int kPatty = 12;              // hold 1800 s, one bin
const int kNuggets = 7;             // hold 900 s, a pan over two bins

// The primary display of a 4 x 2 cabinet with a mirror, NFC and HACCP
// logging, customer 3.
QByteArray primaryPersonality()
{
    return cabinetPersonality("primaryWithMirror");
}

trayInfo holdRecord(int bin, int productId)
{
    trayInfo record;
    record.binNumber = quint8(bin);
    record.holdActivity = 2;
    record.groupId = quint32(productId);
    record.remainingTime = 600;
    return record;
}

// A hold record as the bars report it, ending at the given time.
trayInfo holdUntil(int bin, int productId, qint64 expectedTime)
{
    trayInfo record = holdRecord(bin, productId);
    record.expectedTime = expectedTime;
    record.remainingTime = qint32((expectedTime - kNoon) / 1000);
    return record;
}

binUsageInfo_struct heldElsewhere(int bin, int productId, qint64 expectedTime)
{
    binUsageInfo_struct entry;
    entry.bin = qint8(bin);
    entry.productId = productId;
    entry.expectedTime = expectedTime;
    return entry;
}

const QString kOwnMac = QStringLiteral("AA:BB");
const QString kNeighbourMac = QStringLiteral("CC:DD");
const qint64 kMinute = 60000;

// The data of the single messages the primary display (sender 1) put on
// the bus, that start with the given id.
QList<QByteArray> primaryMessages(const VcanTap &tap, int id)
{
    QList<QByteArray> messages;
    for (const QByteArray &record : tap.recordsWithId(1)) {
        const QByteArray data = record.mid(8, quint8(record.at(4)));
        if (!data.isEmpty() && quint8(data.at(0)) == id)
            messages << data;
    }
    return messages;
}

} // namespace

class TestHoldingControl : public QObject
{
    Q_OBJECT

    DisplayEnvironment m_env;

    struct Display {
        std::unique_ptr<TempRoot> root;
        std::unique_ptr<CabinetManager> cabinet;
        DayPartManager *dayParts = nullptr;
        QString busDir() const { return root->filePath("/run/vcan/can0"); }
    };

    Display build(int idConnector, const QByteArray &hcc)
    {
        Display d;
        d.root = std::make_unique<TempRoot>();
        if (!hcc.isEmpty())
            d.root->writeFile("/root/cabinet.hcc", hcc);
        d.root->writeFile("/root/menu.json", KitchenMenu::menu({KitchenMenu::kPatty, KitchenMenu::kNuggets}));
        qputenv("KIV_VCAN_DIR", d.busDir().toLocal8Bit());
        d.cabinet = std::make_unique<CabinetManager>(0, idConnector, nullptr);
        d.dayParts = d.cabinet->findChild<DayPartManager *>(QStringLiteral("daypartManager"));
        return d;
    }

    // Puts the product on the bin for the zone's day part and brings the
    // bar into preheating with it loaded.
    static TrayBarSc *assignedBar(Display &d, int bin, int productId)
    {
        d.dayParts->setProdIdOnBin(0, bin, productId);
        TrayBarSc *bar = d.cabinet->getTrayPtr(uchar(bin));
        if (!bar || !QTest::qWaitFor([bar] { return bar->isRunning(); }, 5000))
            return nullptr;
        // The zone has settled on its day part: no change is pending.
        if (auto *zone = qobject_cast<ZoneManager *>(bar->parent() ? d.cabinet->findChild<ZoneManager *>(
                QStringLiteral("zone%1").arg(bin / d.cabinet->get_traysPerZone())) : nullptr))
            zone->set_currentDayPart(zone->get_nextDayPart());
        emit bar->assign();
        return bar;
    }

    // Frames leave in the order they were queued: once a frame queued now
    // has reached the tap, anything queued before it has too. A firmware
    // information request is the marker: no display here sends one of its
    // own, and nobody on this bus answers it.
    static void sendMarker(CabinetManager *cm, const VcanTap &tap)
    {
        const int before = primaryMessages(tap, CanbusManager::KIVMSGSINGLE_FW_INFO_REQUEST).size();
        cm->sendFwInfoRequest();
        QTRY_COMPARE(primaryMessages(tap, CanbusManager::KIVMSGSINGLE_FW_INFO_REQUEST).size(), before + 1);
    }

private slots:
    void initTestCase()
    {
        KivMetaTypes::registerAll();
        QVERIFY(m_env.start());
    }
    void init() { KivClock::freezeAt(kNoon); }
    void cleanup() { KivClock::useSystemClock(); }

    // With NFC a two-bin pan is one hold, addressed by its even bin.
    void pairedBinsFollowTheEvenBin()
    {
        Display d = build(0, primaryPersonality());
        CabinetManager *cm = d.cabinet.get();
        QVERIFY(cm->get_nfcEnabled());
        TrayBarSc *bar4 = assignedBar(d, 4, kNuggets);
        TrayBarSc *bar5 = assignedBar(d, 5, 0);
        QVERIFY(bar4 && bar5);
        cm->updateTrayBarHoldingInfo(holdRecord(4, kNuggets));

        QCOMPARE(cm->getProductIDfromBinNumber(5), kNuggets);
        QCOMPARE(cm->getProductPanSizeFromBinNumber(5), 2);
        QVERIFY(cm->doTheseBinsMatch(4, 5));
        QVERIFY(!cm->doTheseBinsMatch(3, 4));

        cm->startBinTimer(5, 700, 0xabcdef);
        QCOMPARE(stateOf(bar4), QStringLiteral("standard"));
        QCOMPARE(bar4->get_panId(), 0xabcdefULL);
        QCOMPARE(bar4->get_remainingTime(), 700);
        QCOMPARE(stateOf(bar5), QStringLiteral("preheating"));

        cm->stopBinTimer(5);
        QTRY_COMPARE(stateOf(bar4), QStringLiteral("readyToHold"));

        // Without NFC each bin stands alone.
        cm->set_nfcEnabled(false);
        QCOMPARE(cm->getProductIDfromBinNumber(5), 0);
        QVERIFY(!cm->doTheseBinsMatch(4, 5));
    }

    // A start with no time left goes straight to discard, and the expiry of
    // an untagged pan reaches the D-Bus side from the bar.
    void startWithoutTimeDiscardsAndReportsTheExpiry()
    {
        Display d = build(0, primaryPersonality());
        CabinetManager *cm = d.cabinet.get();
        TrayBarSc *bar = assignedBar(d, 2, kPatty);
        QVERIFY(bar);
        cm->updateTrayBarHoldingInfo(holdRecord(2, kPatty));
        QSignalSpy expired(cm, SIGNAL(event_holdExpired(QString,QString,QString,int)));
        QSignalSpy updates(bar, SIGNAL(holdingUpdateSignal(trayInfo)));

        cm->startBinTimer(2, 0, 0);
        QCOMPARE(stateOf(bar), QStringLiteral("discard"));
        QCOMPARE(expired.count(), 1);
        QCOMPARE(expired.first().at(1).toString(), QStringLiteral("Patty"));
        QCOMPARE(expired.first().at(3).toInt(), 2);
        QCOMPARE(int(updates.last().first().value<trayInfo>().holdActivity), 4);

        // Bins outside the cabinet change nothing.
        cm->startBinTimer(8, 600, 1);
        cm->setBinTimerExpired(200);
        QCOMPARE(stateOf(bar), QStringLiteral("discard"));
    }

    void cancelAllHoldingEndsEveryHold()
    {
        Display d = build(0, primaryPersonality());
        CabinetManager *cm = d.cabinet.get();
        TrayBarSc *bar0 = assignedBar(d, 0, kPatty);
        TrayBarSc *bar1 = assignedBar(d, 1, kPatty);
        QVERIFY(bar0 && bar1);
        cm->startBinTimer(0, 600, 0);
        cm->startBinTimer(1, 0, 0);
        QCOMPARE(stateOf(bar1), QStringLiteral("discard"));
        cm->cancelAllHolding();
        QTRY_COMPARE(stateOf(bar0), QStringLiteral("readyToHold"));
        QCOMPARE(stateOf(bar1), QStringLiteral("readyToHold"));
    }

    // The same mismatch state twice acts once; the alert flag follows it.
    void productMismatchActsOncePerChange()
    {
        Display d = build(0, primaryPersonality());
        CabinetManager *cm = d.cabinet.get();
        TrayBarSc *bar = assignedBar(d, 3, kPatty);
        QVERIFY(bar);
        QSignalSpy alerts(cm, SIGNAL(notifyBinMismatchAlert(QString,QString,QString,int,QString)));
        QSignalSpy clears(cm, SIGNAL(notifyBinMismatchClear(QString,QString,QString,int,QString)));
        QSignalSpy alarms(bar, SIGNAL(requestAlarm(int,bool)));

        cm->showProductMismatch(3, true, 7, true);
        cm->showProductMismatch(3, true, 7, true);
        QCOMPARE(alerts.count(), 1);
        QCOMPARE(bar->get_warningReason(), 7);
        QVERIFY(cm->getTrayAlertStatus(3));
        QCOMPARE(alarms.last(), (QVariantList{4, true}));

        cm->showProductMismatch(3, false, 7, false);
        QCOMPARE(clears.count(), 1);
        QCOMPARE(bar->get_warningReason(), 0);
        QVERIFY(!cm->getTrayAlertStatus(3));
        QCOMPARE(alarms.last(), (QVariantList{3, false}));
    }

    // A personality file may give more bins than the per-bin tables hold:
    // bins past them are ignored, never written.
    void binsPastThePerBinTablesAreIgnored()
    {
        Display d = build(0, primaryPersonality());
        CabinetManager *cm = d.cabinet.get();
        cm->set_traysPerCabinet(24);
        for (int bin : {8, 19, 20, 23}) {
            cm->showProductMismatch(uchar(bin), true, 1, false);
            QVERIFY(!cm->getTrayAlertStatus(uchar(bin)));
        }
        QVERIFY(!cm->getTrayAlertStatus(24));
        QCOMPARE(cm->getProductIDfromBinNumber(23), 0);
    }

    // HACCP rows are dated at the hold's start, counted back from now.
    void haccpStartAndStopEntries()
    {
        Display d = build(0, primaryPersonality());
        CabinetManager *cm = d.cabinet.get();
        auto *haccp = cm->findChild<HaccpController *>(QStringLiteral("haccpController"));
        QVERIFY(haccp && haccp->isLogging());
        // Rows carry the cabinet's local time: put the cabinet on UTC.
        auto *config = cm->findChild<ConfigurationManager *>(QStringLiteral("configManager"));
        QVERIFY(config);
        config->set_timeZoneIndex(14);
        config->set_dstEnabled(false);
        QCOMPARE(config->getCurrentTimeZoneId(), QStringLiteral("UTC"));
        TrayBarSc *bar = assignedBar(d, 0, kPatty);
        QVERIFY(bar);
        bar->set_remainingTime(1200);
        QSignalSpy added(haccp, SIGNAL(haccpDataLog(QByteArray)));
        QSignalSpy removed(haccp, SIGNAL(removeDataLog(QByteArray)));

        cm->logHaccpTimerStartInfo("", "Patty", "", 0, "auto");
        QCOMPARE(added.count(), 1);
        HaccpData start = HaccpLogFormat::entryFromRequest(added.takeFirst().first().toByteArray());
        QCOMPARE(start.name, QStringLiteral("Patty"));
        QCOMPARE(start.date, QStringLiteral("2024/01/01"));
        QCOMPARE(start.time, QStringLiteral("11:50:00"));
        QCOMPARE(start.duration, QStringLiteral("----"));
        QCOMPARE(start.binNumber, 0);

        // 60 s past an 1800 s hold.
        cm->logHaccpTimerStopInfo("", "Patty", "", 0, "manual", -60);
        QCOMPARE(removed.count(), 1);
        QCOMPARE(added.count(), 1);
        HaccpData stop = HaccpLogFormat::entryFromRequest(added.first().first().toByteArray());
        QCOMPARE(stop.duration, QStringLiteral("00:31:00"));
        QVERIFY(stop.expired);
        QCOMPARE(stop.time, QStringLiteral("11:29:00"));
        QCOMPARE(HaccpLogFormat::entryFromRequest(removed.first().first().toByteArray()), stop);

        cm->logHaccpTimerStopInfo("", "Patty", "", 8, "manual", 0);
        QCOMPARE(added.count(), 1);
    }

    // A pan taken away and not brought back: when its away time runs out
    // the bar drops to discard with its remaining time zeroed, which no
    // longer tells how long the pan was held. The stop row keeps the hold's
    // real start and length, closes the open start row, and counts as
    // expired; the next hold of the bin is logged as usual again.
    void haccpRowOfAPanWhoseAwayTimeRanOut()
    {
        Display d = build(0, primaryPersonality());
        CabinetManager *cm = d.cabinet.get();
        auto *haccp = cm->findChild<HaccpController *>(QStringLiteral("haccpController"));
        auto *config = cm->findChild<ConfigurationManager *>(QStringLiteral("configManager"));
        QVERIFY(haccp && haccp->isLogging() && config);
        config->set_timeZoneIndex(14);
        config->set_dstEnabled(false);
        TrayBarSc *bar = assignedBar(d, 0, kPatty);
        QVERIFY(bar);
        QSignalSpy added(haccp, SIGNAL(haccpDataLog(QByteArray)));
        QSignalSpy removed(haccp, SIGNAL(removeDataLog(QByteArray)));
        const auto takeRow = [](QSignalSpy &spy) {
            return HaccpLogFormat::entryFromRequest(spy.takeFirst().first().toByteArray());
        };

        // A full 1800 s hold begins at noon.
        cm->startBinTimer(0, 1800, 0xabcdef);
        QCOMPARE(stateOf(bar), QStringLiteral("standard"));
        QTRY_COMPARE(added.count(), 1);
        const HaccpData start = takeRow(added);
        QCOMPARE(start.time, QStringLiteral("12:00:00"));
        QCOMPARE(start.duration, QStringLiteral("----"));

        // Held 180 s, counted down as usual, then the pan's away time runs
        // out: discard, remaining time reset to 0.
        KivClock::advance(180000);
        QTRY_COMPARE(bar->get_remainingTime(), 1620);
        cm->setBinTimerExpired(0);
        QCOMPARE(stateOf(bar), QStringLiteral("discard"));
        QCOMPARE(bar->get_remainingTime(), 0);

        // The crew clears the bin ten seconds later.
        KivClock::advance(10000);
        emit bar->userClicked();
        QTRY_COMPARE(added.count(), 1);
        const HaccpData stop = takeRow(added);
        QCOMPARE(stop.binNumber, 0);
        QCOMPARE(stop.date, QStringLiteral("2024/01/01"));
        QCOMPARE(stop.time, start.time);
        QCOMPARE(stop.duration, QStringLiteral("00:03:10"));
        QVERIFY(stop.expired);
        QCOMPARE(removed.count(), 1);
        const HaccpData closed = takeRow(removed);
        QCOMPARE(closed.binNumber, 0);
        QCOMPARE(closed.time, start.time);

        // The next hold of the bin ends normally: the row counts back from
        // the remaining time again.
        QTRY_COMPARE(stateOf(bar), QStringLiteral("readyToHold"));
        cm->startBinTimer(0, 1800, 0xabcdee);
        QTRY_COMPARE(added.count(), 1);
        QCOMPARE(takeRow(added).time, QStringLiteral("12:03:10"));
        KivClock::advance(60000);
        cm->logHaccpTimerStopInfo("", "Patty", "", 0, "manual", 1200);
        QCOMPARE(added.count(), 1);
        const HaccpData next = takeRow(added);
        QCOMPARE(next.time, QStringLiteral("11:54:10"));
        QCOMPARE(next.duration, QStringLiteral("00:10:00"));
        QVERIFY(!next.expired);
    }

    // The primary display logs the holds of its secondary display's bins,
    // whose start comes before the bin's new record: the row is dated by
    // the pan in the bin (a pan moved there keeps its start) or, with no pan
    // and no hold on record, now. A stop after the pan's away time ran out
    // is dated from that start too.
    void haccpStartOfAnotherDisplaysBin()
    {
        Display d = build(0, cabinetPersonality("primaryWithSecondary", [](QJsonObject &p) {
            p["zones2handleStart"] = 0;
            p["zones2handle"] = 2;
        }));
        CabinetManager *cm = d.cabinet.get();
        auto *haccp = cm->findChild<HaccpController *>(QStringLiteral("haccpController"));
        auto *nfc = cm->findChild<NFCmanager *>(QStringLiteral("nfcManager"));
        auto *config = cm->findChild<ConfigurationManager *>(QStringLiteral("configManager"));
        QVERIFY(haccp && haccp->isLogging() && nfc && config);
        config->set_timeZoneIndex(14);
        config->set_dstEnabled(false);
        const int bin = 5;
        QVERIFY(!cm->isBinOnThisUI(uchar(bin)));
        // The secondary display's last record of the bin: patties, ready,
        // no hold.
        trayInfo ready = holdRecord(bin, kPatty);
        ready.holdActivity = 1;
        ready.remainingTime = 0;
        cm->updateTrayBarHoldingInfo(ready);
        QCOMPARE(cm->getProductIDfromBinNumber(uchar(bin)), kPatty);
        QSignalSpy added(haccp, SIGNAL(haccpDataLog(QByteArray)));
        const auto loggedStart = [&] {
            cm->logHaccpTimerStartInfo("1704110400", "Patty", "", bin, "auto");
            const HaccpData row = added.isEmpty() ? HaccpData()
                                                  : HaccpLogFormat::entryFromRequest(added.takeFirst().first().toByteArray());
            return row.binNumber == bin && row.duration == QLatin1String("----") ? row.time : QString();
        };

        QCOMPARE(loggedStart(), QStringLiteral("12:00:00"));
        // A patty pan moved into the bin with 600 of its 1800 s left.
        const quint64 uid = (quint64(kPatty) << 40) | 77;
        nfc->registerTag2(new NfcTagItem2(uid, NfcTagItem2::HoldContinued, quint8(bin), kNoon + 600000, kNoon));
        nfc->setUidInBin(quint8(bin), uid);
        QCOMPARE(loggedStart(), QStringLiteral("11:40:00"));

        // The pan's away time runs out a minute later: the secondary
        // display's bar reports the stop with its remaining time zeroed, and
        // the row still runs from the hold's start.
        KivClock::advance(60000);
        cm->setBinTimerExpired(uchar(bin));
        cm->logHaccpTimerStopInfo("1704110460", "Patty", "", bin, "manual", 0);
        QCOMPARE(added.count(), 1);
        const HaccpData stop = HaccpLogFormat::entryFromRequest(added.takeFirst().first().toByteArray());
        QCOMPARE(stop.time, QStringLiteral("11:40:00"));
        QCOMPARE(stop.duration, QStringLiteral("00:21:00"));
        QVERIFY(stop.expired);
    }

    // A secondary display shows the second half of the cabinet and leaves
    // the hold events to the primary display.
    void secondaryDisplayRole()
    {
        Display d = build(2, QByteArray()); // built-in 5 x 4 secondary
        CabinetManager *cm = d.cabinet.get();
        QCOMPARE(cm->get_uiRole(), 2);
        QCOMPARE(cm->get_traysPerCabinet(), 20);
        QVERIFY(cm->isBinOnThisUI(10));
        QVERIFY(cm->isBinOnThisUI(19));
        QVERIFY(!cm->isBinOnThisUI(9));
        QVERIFY(!cm->isBinOnThisUI(20));
        QSignalSpy expired(cm, SIGNAL(event_holdExpired(QString,QString,QString,int)));
        cm->sendHoldExpiredEventToDbus(12, 0);
        QCOMPARE(expired.count(), 0);

        // Its NFC simulators split the 20 bins ten and ten.
        auto *second = cm->findChild<NfcReaderSimulator *>(QStringLiteral("nfcSim2"));
        QVERIFY(second);
        cm->setBinToTray(11, 1, 2);
        QCOMPARE(int(second->getHoldingRegister(7)), 0x0b80); // CRC of 01 00 00 00 00 02
        QCOMPARE(int(second->getHoldingRegister(8)), 0x0100);
        QCOMPARE(int(second->getHoldingRegister(9)), 0x0000);
        QCOMPARE(int(second->getHoldingRegister(10)), 0x0002);
        cm->setBinToTray(11, 0, 0);
        for (int reg = 7; reg <= 10; ++reg)
            QCOMPARE(int(second->getHoldingRegister(reg)), 0);
    }

    void trayBarHeight_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("portrait");
        QTest::addColumn<bool>("banner");
        QTest::addColumn<int>("zonesPerRow");
        QTest::addColumn<int>("height");
        const int table[5][6] = {
            {315, 235, 461, 350, 381, 290}, {140, 115, 150, 150, 188, 142},
            {155, 115, 153, 107, 188, 93},  {113, 85, 140, 140, 140, 68},
            {90, 67, 135, 135, 111, 54},
        };
        for (int r = 1; r <= 5; ++r) {
            const int *h = table[r - 1];
            QTest::addRow("%d rows landscape", r) << r << false << false << 1 << h[0];
            QTest::addRow("%d rows landscape banner", r) << r << false << true << 1 << h[1];
            QTest::addRow("%d rows portrait one zone", r) << r << true << false << 1 << h[2];
            QTest::addRow("%d rows portrait two zones", r) << r << true << false << 2 << h[3];
            QTest::addRow("%d rows portrait banner one zone", r) << r << true << true << 1 << h[4];
            QTest::addRow("%d rows portrait banner two zones", r) << r << true << true << 2 << h[5];
        }
        QTest::newRow("6 rows landscape") << 6 << false << false << 1 << 75;
    }
    void trayBarHeight()
    {
        QFETCH(int, rows);
        QFETCH(bool, portrait);
        QFETCH(bool, banner);
        QFETCH(int, zonesPerRow);
        if (!m_heightCabinet.cabinet)
            m_heightCabinet = build(0, QByteArray());
        CabinetManager *cm = m_heightCabinet.cabinet.get();
        cm->set_numberOfRows(rows);
        cm->set_orientationPortrait(portrait);
        cm->set_pressGoBannerEnable(banner);
        cm->set_zonesPerRow(zonesPerRow);
        QTEST(cm->getUiTrayHeight(), "height");
    }

    // The countdown suggests cleaning after the timeout and repeats each
    // second; a timeout beyond a day never fires.
    void screenCleanCountdown_data()
    {
        QTest::addColumn<int>("timeoutMinutes");
        QTest::addColumn<int>("firstSuggestion"); // scan number, 0 for never
        QTest::newRow("5 minutes") << 5 << 302;
        QTest::newRow("1440 minutes") << 1440 << 0;
    }
    void screenCleanCountdown()
    {
        QFETCH(int, timeoutMinutes);
        QFETCH(int, firstSuggestion);
        Display d = build(0, QByteArray());
        CabinetManager *cm = d.cabinet.get();
        auto *config = cm->findChild<ConfigurationManager *>(QStringLiteral("configManager"));
        config->set_screenCleanTimeout(timeoutMinutes);
        config->setProperty("screenCleanActive", 1);
        QSignalSpy suggested(cm, SIGNAL(screenCleaningTimeOutChanged()));
        const int scans = firstSuggestion ? firstSuggestion + 1 : timeoutMinutes * 60 + 600;
        for (int i = 1; i <= scans; ++i) {
            cm->autoScreenCleanScan();
            if (firstSuggestion && i == firstSuggestion - 1)
                QCOMPARE(suggested.count(), 0);
        }
        QCOMPARE(suggested.count(), firstSuggestion ? 2 : 0);
    }

    void canFrameBridgeFromTheBus_data()
    {
        QTest::addColumn<int>("node");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QByteArray>("record");
        QTest::newRow("own node") << 2 << QByteArray("\x01", 1) << QByteArray();
        QTest::newRow("short data") << 1 << QByteArray("\x01\x02", 2)
                                    << QByteArray::fromHex("123456780102000000000000");
        QTest::newRow("long data") << 1 << QByteArray::fromHex("0102030405060708ff")
                                   << QByteArray::fromHex("123456780102030405060708");
    }
    void canFrameBridgeFromTheBus()
    {
        QFETCH(int, node);
        QFETCH(QByteArray, data);
        QFETCH(QByteArray, record);
        if (!m_heightCabinet.cabinet)
            m_heightCabinet = build(0, QByteArray());
        CabinetManager *cm = m_heightCabinet.cabinet.get(); // not primary: node 2
        QSignalSpy received(cm, SIGNAL(dbusCanRcvd(QByteArray)));
        cm->passDbus2Can(node, 0x12345678, data);
        if (record.isEmpty()) {
            QCOMPARE(received.count(), 0);
        } else {
            QCOMPARE(received.count(), 1);
            QCOMPARE(received.first().first().toByteArray(), record);
        }
    }

    // Messages from the other display drive this display's bars; a short
    // one is logged and dropped.
    void binTimerMessagesFromTheOtherDisplay()
    {
        Display d = build(0, primaryPersonality());
        CabinetManager *cm = d.cabinet.get();
        TrayBarSc *bar = assignedBar(d, 1, kPatty);
        QVERIFY(bar);
        QByteArray shortStart = QByteArray::fromHex("1801");
        cm->processStartBinTimer(&shortStart);
        QCOMPARE(stateOf(bar), QStringLiteral("preheating"));

        QByteArray start = QByteArray::fromHex("180100000258"); // bin 1, 600 s
        cm->processStartBinTimer(&start);
        QCOMPARE(stateOf(bar), QStringLiteral("standard"));
        QCOMPARE(bar->get_remainingTime(), 600);

        QByteArray mismatch = QByteArray::fromHex("1d01010500");
        cm->processShowProductMismatch(&mismatch);
        QCOMPARE(bar->get_warningReason(), 5);

        QByteArray expire = QByteArray::fromHex("3301");
        cm->processBinTimerExpired(&expire);
        QCOMPARE(stateOf(bar), QStringLiteral("discard"));
        QCOMPARE(bar->get_remainingTime(), 0);

        QByteArray stop = QByteArray::fromHex("1901");
        cm->processStopBinTimer(&stop);
        QTRY_COMPARE(stateOf(bar), QStringLiteral("readyToHold"));
    }

    // With linked use first the neighbour's earlier Patty is served first;
    // once the neighbour falls silent for 21 s the local bin is marked
    // again. The broadcast and the lists run through the cabinet.
    void useFirstAcrossCabinets()
    {
        Display d = build(0, primaryPersonality());
        CabinetManager *cm = d.cabinet.get();
        QVERIFY(cm->get_linkedUseFirst());
        cm->findChild<ConfigurationManager *>(QStringLiteral("configManager"))->set_macAddress(kOwnMac);
        auto *exchange = cm->findChild<HoldingExchange *>(QStringLiteral("holdingExchange"));
        QVERIFY(exchange);
        QSignalSpy broadcast(exchange, SIGNAL(holdingInfoReady(QByteArray)));
        TrayBarSc *bar = cm->getTrayPtr(2);
        QVERIFY(bar);

        // A started hold is announced at once.
        cm->updateTrayBarHoldingInfo(holdUntil(2, kPatty, kNoon + 2 * kMinute));
        QCOMPARE(broadcast.count(), 1);
        const auto sent = HoldingExchangeCodec::decodeHoldingInfo(broadcast.first().first().toByteArray());
        QCOMPARE(sent.macAddress, kOwnMac);
        QCOMPARE(sent.bins.size(), 1);
        QCOMPARE(int(sent.bins.first().bin), 2);
        QCOMPARE(sent.bins.first().productId, kPatty);
        QTRY_VERIFY(bar->get_useBin());

        cm->processReceivedHoldingInfo(
            HoldingExchangeCodec::encodeHoldingInfo(kNeighbourMac, "h", {heldElsewhere(4, kPatty, kNoon + kMinute)}),
            QHostAddress(QStringLiteral("10.0.0.7")));
        QTRY_VERIFY(!bar->get_useBin());

        KivClock::advance(20000);
        cm->broadCastHodlingInfo();
        QTest::qWait(60);
        QVERIFY(!bar->get_useBin());
        KivClock::advance(1000);
        cm->broadCastHodlingInfo();
        QTRY_VERIFY(bar->get_useBin());
    }

    // A cabinet of 24 bins whose primary display shows them all: a bin past
    // the twentieth gets its use-first mark, and the mask for the mirror
    // carries the first twenty bins only.
    void useFirstOnTwentyFourBins()
    {
        Display d = build(0, cabinetPersonality("primaryWithMirror", [](QJsonObject &p) {
            p["traysPerZone"] = 6;
            p["traysPerCabinet"] = 24;
            p["nfcEnabled"] = false;
        }));
        VcanTap tap(d.busDir());
        QVERIFY(tap.isOpen());
        CabinetManager *cm = d.cabinet.get();
        QCOMPARE(cm->get_traysPerCabinet(), 24);
        TrayBarSc *bar3 = cm->getTrayPtr(3);
        TrayBarSc *bar5 = cm->getTrayPtr(5);
        TrayBarSc *bar21 = cm->getTrayPtr(21);
        QVERIFY(bar3 && bar5 && bar21);

        cm->updateTrayBarHoldingInfo(holdUntil(3, kPatty, kNoon + 5 * kMinute));
        cm->updateTrayBarHoldingInfo(holdUntil(21, kPatty, kNoon + 2 * kMinute));
        cm->updateTrayBarHoldingInfo(holdUntil(5, kNuggets, kNoon + 5 * kMinute));
        QTRY_VERIFY(bar21->get_useBin());
        QVERIFY(bar5->get_useBin());
        QVERIFY(!bar3->get_useBin());
        QTRY_VERIFY(!primaryMessages(tap, CanbusManager::KIVMSGSINGLE_BINS_2_USE).isEmpty());
        QCOMPARE(primaryMessages(tap, CanbusManager::KIVMSGSINGLE_BINS_2_USE).last().toHex(),
                 QByteArray("2300000020")); // bin 5 only

        // Use first off: every holding bin, and still twenty bits at most.
        cm->findChild<ConfigurationManager *>(QStringLiteral("configManager"))->set_useFirstEnabled(false);
        QTRY_VERIFY(bar3->get_useBin());
        QVERIFY(bar5->get_useBin() && bar21->get_useBin());
        QTRY_COMPARE(primaryMessages(tap, CanbusManager::KIVMSGSINGLE_BINS_2_USE).last().toHex(),
                     QByteArray("2300000028")); // bins 3 and 5
    }

    // A transfer through the bars: a local source moves at once and its
    // HACCP start entry is withdrawn; a remote source is asked and the bar
    // starts on the confirmation; a request for one of this cabinet's bins
    // stops it.
    void productTransferThroughTheBars()
    {
        Display d = build(0, primaryPersonality());
        CabinetManager *cm = d.cabinet.get();
        auto *config = cm->findChild<ConfigurationManager *>(QStringLiteral("configManager"));
        config->set_macAddress(kOwnMac);
        config->set_timeZoneIndex(14); // UTC
        config->set_dstEnabled(false);
        auto *haccp = cm->findChild<HaccpController *>(QStringLiteral("haccpController"));
        QVERIFY(haccp && haccp->isLogging());
        auto *exchange = cm->findChild<HoldingExchange *>(QStringLiteral("holdingExchange"));
        QVERIFY(exchange);
        TrayBarSc *bar0 = assignedBar(d, 0, kPatty);
        TrayBarSc *bar2 = assignedBar(d, 2, kPatty);
        TrayBarSc *bar3 = assignedBar(d, 3, kPatty);
        QVERIFY(bar0 && bar2 && bar3);

        cm->startBinTimer(3, 600, 0);
        QTRY_COMPARE(int(cm->getTrayInfo(3).holdActivity), 4); // set from outside
        QSignalSpy shown(cm, SIGNAL(showProductTransferList()));
        QSignalSpy removed(haccp, SIGNAL(removeDataLog(QByteArray)));
        cm->showProductTransferWindow(2, 0, kPatty);
        QCOMPARE(shown.count(), 1);
        QCOMPARE(cm->getTransferTimersCount(), 1);
        QCOMPARE(cm->getTransferTimerValue(0, 0).toString(), QStringLiteral("Patty"));
        QCOMPARE(cm->getTransferTimerValue(0, 3).toInt(), 600);

        KivClock::advance(100000);
        cm->doProductTransfer(0);
        QTRY_COMPARE(stateOf(bar3), QStringLiteral("readyToHold"));
        QCOMPARE(stateOf(bar2), QStringLiteral("standard"));
        QCOMPARE(bar2->get_remainingTime(), 500);
        // The start entry of the moved hold: 10 minutes left of 30 at noon.
        QList<HaccpData> rows;
        for (const QList<QVariant> &args : qAsConst(removed))
            rows << HaccpLogFormat::entryFromRequest(args.first().toByteArray());
        QVERIFY(!rows.isEmpty());
        QCOMPARE(rows.first().binNumber, 3);
        QCOMPARE(rows.first().name, QStringLiteral("Patty"));
        QCOMPARE(rows.first().date, QStringLiteral("2024/01/01"));
        QCOMPARE(rows.first().time, QStringLiteral("11:40:00"));
        QCOMPARE(rows.first().duration, QStringLiteral("----"));

        // From the neighbour: asked over the network, started on its word.
        QList<QPair<QByteArray, QHostAddress>> requests;
        connect(exchange, &HoldingExchange::transferRequestReady,
                [&requests](QByteArray request, QHostAddress host) { requests.append({request, host}); });
        const qint64 now = KivClock::msecsSinceEpoch();
        cm->processReceivedHoldingInfo(
            HoldingExchangeCodec::encodeHoldingInfo(kNeighbourMac, "h", {heldElsewhere(6, kPatty, now + 400000)}),
            QHostAddress(QStringLiteral("10.0.0.7")));
        const QString waiting = stateOf(bar0);
        cm->showProductTransferWindow(0, 0, kPatty);
        QCOMPARE(cm->getTransferTimersCount(), 2);
        cm->doProductTransfer(0); // the neighbour's hold ends first
        QCOMPARE(requests.size(), 1);
        const auto asked = HoldingExchangeCodec::decodeTransferRequest(requests.first().first);
        QVERIFY(asked.complete);
        QCOMPARE(asked.macAddress, kNeighbourMac);
        QCOMPARE(int(asked.bin), 6);
        QCOMPARE(requests.first().second, QHostAddress(QStringLiteral("10.0.0.7")));
        QCOMPARE(stateOf(bar0), waiting);
        cm->productTransferConfirmed();
        QCOMPARE(stateOf(bar0), QStringLiteral("standard"));
        QCOMPARE(bar0->get_remainingTime(), 400);

        // The other way round: a neighbour takes bin 2 from this cabinet.
        TimerTransferInfo mine;
        mine.macAddress = kOwnMac;
        mine.bin = 2;
        mine.productId = kPatty;
        const QByteArray request = HoldingExchangeCodec::encodeTransferRequest(mine);
        QVERIFY(!cm->handleTimerResetRequest(request.left(request.size() - 1)));
        QCOMPARE(stateOf(bar2), QStringLiteral("standard"));
        QVERIFY(cm->handleTimerResetRequest(request));
        QTRY_COMPARE(stateOf(bar2), QStringLiteral("readyToHold"));
    }

    // Cleaning parks every bar in heat-off at 120; leaving it, a zone in eco
    // mode keeps its bars in heat-off showing 125, the others preheat again.
    void cleaningMode()
    {
        Display d = build(0, primaryPersonality());
        CabinetManager *cm = d.cabinet.get();
        QList<TrayBarSc *> bars;
        for (int bin = 0; bin < 4; ++bin)
            bars << assignedBar(d, bin, kPatty);
        QVERIFY(!bars.contains(nullptr));
        auto *ecoZone = cm->findChild<ZoneManager *>(QStringLiteral("zone1")); // bins 2 and 3
        QVERIFY(ecoZone);
        QSignalSpy started(cm, SIGNAL(cleaningStarted()));
        QSignalSpy stopped(cm, SIGNAL(cleaningStopped()));

        cm->startCleaningMode();
        QCOMPARE(started.count(), 1);
        QVERIFY(cm->get_cleaningInProgress());
        for (TrayBarSc *bar : qAsConst(bars)) {
            QTRY_COMPARE(stateOf(bar), QStringLiteral("holdingOff"));
            QCOMPARE(bar->get_holdTemperature(), 120);
        }

        ecoZone->set_ecoModeEnabled(true);
        cm->exitCleaningMode();
        QCOMPARE(stopped.count(), 1);
        QVERIFY(!cm->get_cleaningInProgress());
        QTRY_COMPARE(stateOf(bars.at(0)), QStringLiteral("preheating"));
        QTRY_COMPARE(stateOf(bars.at(1)), QStringLiteral("preheating"));
        for (TrayBarSc *bar : {bars.at(2), bars.at(3)}) {
            QTRY_COMPARE(bar->get_holdTemperature(), 125);
            QCOMPARE(stateOf(bar), QStringLiteral("holdingOff"));
        }
    }

    // I/O board 2 drives zones 2 and 3; this display drives zones 0 to 2.
    // Zone 2 carries the loss itself, zone 3 is reported to the display
    // that drives it; the return clears both.
    void lostIoBoard()
    {
        Display d = build(0, cabinetPersonality("primaryWithSecondary", [](QJsonObject &p) {
            p["zones2handle"] = 3;
        }));
        VcanTap tap(d.busDir());
        QVERIFY(tap.isOpen());
        CabinetManager *cm = d.cabinet.get();
        ZoneManager *zone1 = cm->getZonePtr(1);
        ZoneManager *zone2 = cm->getZonePtr(2);
        QVERIFY(zone1 && zone2);
        const int kZoneStatus = CanbusManager::KIVMSGSINGLE_ZONE_GEN_STATUS;

        cm->processIobStatusChange(2, 2);
        QCOMPARE(zone2->get_errorFlags() & ZoneManager::ZE_IO_COMM_LOSS, uint(ZoneManager::ZE_IO_COMM_LOSS));
        QCOMPARE(zone1->get_errorFlags() & ZoneManager::ZE_IO_COMM_LOSS, 0u);
        QTRY_COMPARE(primaryMessages(tap, kZoneStatus).size(), 1);
        QCOMPARE(primaryMessages(tap, kZoneStatus).first().toHex(), QByteArray("16010302"));

        cm->processIobStatusChange(2, 0);
        QCOMPARE(zone2->get_errorFlags() & ZoneManager::ZE_IO_COMM_LOSS, 0u);
        QTRY_COMPARE(primaryMessages(tap, kZoneStatus).size(), 2);
        QCOMPARE(primaryMessages(tap, kZoneStatus).last().toHex(), QByteArray("16000302"));

        // Boards outside the map change nothing.
        cm->processIobStatusChange(0, 2);
        cm->processIobStatusChange(3, 2);
        QCOMPARE(zone1->get_errorFlags() & ZoneManager::ZE_IO_COMM_LOSS, 0u);
        sendMarker(cm, tap);
        QCOMPARE(primaryMessages(tap, kZoneStatus).size(), 2);
    }

    // A refresh sends the mirror the settings and every bar's state; a
    // display alone in its cabinet has nobody to refresh.
    void mirrorRefresh_data()
    {
        QTest::addColumn<QString>("role");
        QTest::addColumn<int>("settingsMessages");
        QTest::addColumn<int>("barRefreshes");
        QTest::newRow("with a mirror") << "primaryWithMirror" << 1 << 1;
        QTest::newRow("with a secondary display") << "primaryWithSecondary" << 1 << 0;
        QTest::newRow("alone") << "alone" << 0 << 0;
    }
    void mirrorRefresh()
    {
        QFETCH(QString, role);
        QFETCH(int, settingsMessages);
        QFETCH(int, barRefreshes);
        Display d = build(0, cabinetPersonality(role));
        VcanTap tap(d.busDir());
        QVERIFY(tap.isOpen());
        CabinetManager *cm = d.cabinet.get();
        TrayBarSc *bar = cm->getTrayPtr(0);
        QVERIFY(bar);
        QSignalSpy refreshed(bar, SIGNAL(useBinChanged(bool)));
        cm->refreshMirror();
        QCOMPARE(refreshed.count(), barRefreshes);
        if (settingsMessages == 0)
            sendMarker(cm, tap);
        QTRY_COMPARE(int(primaryMessages(tap, CanbusManager::KIVMSGSINGLE_MC_CONFIG_SETTINGS_DATA).size()),
                     settingsMessages);
    }

    // One performance sample per bar: its bin, set point and temperature.
    void performanceSamples()
    {
        Display d = build(0, primaryPersonality());
        CabinetManager *cm = d.cabinet.get();
        TrayBarSc *bar = cm->getTrayPtr(6);
        QVERIFY(bar);
        bar->set_holdTemperature(170);
        bar->set_actualTemperature(165);
        QSignalSpy samples(cm, SIGNAL(performanceDataSignal(QString,int,int,int,QString)));
        cm->performanceData();
        QCOMPARE(samples.count(), cm->get_traysPerCabinet());
        const auto sample = std::find_if(samples.cbegin(), samples.cend(),
                                         [](const QList<QVariant> &args) { return args.at(1).toInt() == 6; });
        QVERIFY(sample != samples.cend());
        QCOMPARE(*sample, (QList<QVariant>{QString::number(kNoon / 1000), 6, 170, 165, QString()}));
    }

private:
    Display m_heightCabinet;
};

QTEST_MAIN(TestHoldingControl)
#include "tst_holdingcontrol.moc"
