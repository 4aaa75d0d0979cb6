#include "alarms/soundmanager.h"
#include "core/cabinetmanager.h"
#include "core/kivmetatypes.h"
#include "core/traybarsc.h"
#include "core/zonemanager.h"
#include "modbus/qmodbuspollinfo.h"
#include "nfc/masteriomanager.h"
#include "nfc/nfcmanager.h"
#include "nfc/nfcreadersimulator.h"
#include "platform/kivclock.h"

#include "displayenvironment.h"
#include "cabinetpersonality.h"
#include "machinestates.h"
#include "riotlistener.h"
#include "simulateddisplay.h"

#include <QJsonObject>
#include <QQuickItem>
#include <QSignalSpy>
#include <QtTest>

namespace {

const qint64 kStart = 1704110400000; // 2024-01-01 12:00:00 UTC
const int kPanSerial = 77;

QString secondsText(qint64 msecs)
{
    return QString::number(msecs / 1000);
}

} // namespace

// One hold from entry to end, on a whole primary display with NFC in
// simulation: a tagged pan put on a simulated reader starts its bin's hold,
// which reaches the tray bar, the HACCP log and, as a cloud event, an
// outside listener on the system bus; when the holding time has passed on
// the project clock the bin is to be discarded, the expiry goes out the same
// way and the discard alarm sounds.
class TestOneHold : public QObject
{
    Q_OBJECT

    DisplayEnvironment m_env;

private slots:
    void initTestCase()
    {
        KivMetaTypes::registerAll();
        QVERIFY(m_env.start());
    }
    void cleanup() { KivClock::useSystemClock(); }

    void panToCloudToDiscard()
    {
        KivClock::freezeAt(kStart);
        RiotListener cloud(m_env.busAddress());
        QVERIFY(cloud.isListening());

        // 1. The display starts; the day-part file has put patties on the bin.
        SimulatedDisplay d(cabinetPersonality("alone"));
        CabinetManager *cabinet = d.cabinet();
        QVERIFY(cabinet->get_iAmMaster() && cabinet->get_nfcEnabled() && cabinet->get_haccpEnabled());
        const int bin = SimulatedDisplay::kPattyBin;
        TrayBarSc *bar = d.bar(bin);
        MasterIoManager *io = d.io();
        NFCmanager *nfc = d.nfc();
        SoundManager *sounds = d.sounds();
        auto *reader1 = cabinet->findChild<NfcReaderSimulator *>(QStringLiteral("nfcSim1"));
        QVERIFY(bar && io && nfc && sounds && reader1);
        QTRY_COMPARE(SimulatedDisplay::stateOf(bar), QStringLiteral("preheating"));
        QCOMPARE(bar->get_productId(), SimulatedDisplay::kPatty);
        QCOMPARE(bar->get_productName(), QStringLiteral("Patty"));

        // 2. The readers are polled; pans found at start-up are not new
        // holds, so the pan goes down once those analyses are behind.
        QTRY_VERIFY_WITH_TIMEOUT(activeStateNames(*io).contains(QStringLiteral("nfcTagReading"))
                                     && !activeStateNames(*io).contains(QStringLiteral("nfcIdleState")),
                                 45000);
        auto *tagInfo1 = io->findChild<QModbusPollInfo *>(QStringLiteral("tagInfo1"));
        QVERIFY(tagInfo1);
        QSignalSpy analyses(tagInfo1, SIGNAL(pollReplyGood()));
        QTRY_VERIFY_WITH_TIMEOUT(analyses.count() >= MasterIoManager::kStartUpCountdown
                                     + MasterIoManager::kAnalysesToSkip + 1, 60000);

        // 3. The simulated board heats the bin up to the product's
        // temperature: the bar is ready to hold and the zone is in range (a
        // zone left too cold for long would cancel its holds).
        QTRY_COMPARE_WITH_TIMEOUT(SimulatedDisplay::stateOf(bar), QStringLiteral("readyToHold"), 60000);
        QTRY_COMPARE_WITH_TIMEOUT(d.zoneOf(bin)->get_tempStatus(), int(ZoneManager::ZONE_TEMP_STATUS_OK), 60000);

        // 4. A patty pan is put on the bin's reader: the hold starts, the
        // tag is owned by this cabinet and the NFC chime is asked for.
        QSignalSpy started(cabinet, SIGNAL(event_holdStarted(QString,QString,QString,int,QString)));
        QSignalSpy expired(cabinet, SIGNAL(event_holdExpired(QString,QString,QString,int)));
        QSignalSpy chime(sounds, SIGNAL(nfcChimeSig()));
        QSignalSpy discardRequests(sounds, SIGNAL(discardAlarmReq()));
        cabinet->setBinToTray(bin, SimulatedDisplay::kPatty, kPanSerial);
        const int position = cabinet->get_nfcSlotToBinList().indexOf(bin);
        const quint64 uid = (quint64(reader1->getHoldingRegister(3 + 4 * position)) << 48)
                            | (quint64(SimulatedDisplay::kPatty) << 40) | kPanSerial;
        const QString pan = QString::number(uid, 16);
        QTRY_COMPARE_WITH_TIMEOUT(started.count(), 1, 20000);
        QCOMPARE(started.first(), (QVariantList{secondsText(kStart), "Patty", pan, bin, "auto"}));
        QVERIFY(nfc->doWeOwnThisTag2(uid));
        QCOMPARE(cabinet->getTagUidAtBin(uchar(bin)), uid);
        QCOMPARE(chime.count(), 1);
        QTRY_VERIFY(d.playedSounds().contains(QStringLiteral("nfcChime.wav")));
        // Alarms asked for while a chime plays are not sounded: the chime
        // has ended before the hold can (it takes 1.3 s, the hold 30 min).
        QTRY_VERIFY(activeStateNames(*sounds).contains(QStringLiteral("idle")));

        // 5. The tray bar holds with the product's holding time and the pan,
        // and the screen's bar shows it.
        QTRY_COMPARE(SimulatedDisplay::stateOf(bar), QStringLiteral("standard"));
        QCOMPARE(bar->get_panId(), uid);
        QQuickItem *screenBar = d.screenBar(bar);
        QVERIFY(screenBar);
        QTRY_COMPARE(screenBar->property("thestate").toInt(), int(TrayBarSc::TRAY_STATE_STANDARD));
        QCOMPARE(screenBar->property("panIdStr").toString(), pan);
        QVERIFY(bar->get_remainingTime() > SimulatedDisplay::kPattyHoldSecs - 10);
        // The bin's holding record (saved for a restart) ends with the hold.
        QTRY_VERIFY(cabinet->getTrayInfo(uchar(bin)).holdActivity >= 2);
        QCOMPARE(int(cabinet->getTrayInfo(uchar(bin)).groupId), SimulatedDisplay::kPatty);
        QCOMPARE(qint64(cabinet->getTrayInfo(uchar(bin)).expectedTime),
                 kStart + SimulatedDisplay::kPattyHoldSecs * 1000);

        // 6. The HACCP log records an open hold of patties in the bin.
        QTRY_COMPARE(d.haccpEntries().size(), 1);
        const QJsonObject row = d.haccpEntries().first();
        QCOMPARE(row.value("p").toString(), QStringLiteral("Patty"));
        QCOMPARE(row.value("b").toInt(), bin);
        QCOMPARE(row.value("h").toString(), QStringLiteral("----"));
        QCOMPARE(row.value("e").toBool(), false);
        // The start in the cabinet's local time (UTC+02:00).
        QCOMPARE(row.value("d").toString(), QStringLiteral("2024/01/01"));
        QCOMPARE(row.value("t").toString(), QStringLiteral("14:00:00"));

        // 7. The outside listener hears the hold start as a cloud event.
        QTRY_COMPARE(cloud.events("holdStart").size(), 1);
        const QJsonObject holdStart = cloud.events("holdStart").first();
        QCOMPARE(holdStart.value("panId").toString(), pan);
        QCOMPARE(holdStart.value("productId").toInt(), SimulatedDisplay::kPatty);
        QCOMPARE(holdStart.value("productName").toString(), QStringLiteral("Patty"));
        QCOMPARE(holdStart.value("zoneNumber").toInt(), bin + 1);
        QCOMPARE(holdStart.value("state").toString(), QStringLiteral("holding"));
        QCOMPARE(holdStart.value("timestamp").toString(), secondsText(kStart));
        QCOMPARE(holdStart.value("eventUuid").toString(), pan + "-" + secondsText(kStart));
        QCOMPARE(holdStart.value("batchActive").toBool(), true);
        QCOMPARE(holdStart.value("inCabinet").toBool(), true);
        QCOMPARE(holdStart.value("holdSecondsRemaining").toInt(), SimulatedDisplay::kPattyHoldSecs);
        QCOMPARE(discardRequests.count(), 0);
        QCOMPARE(expired.count(), 0);

        // 8. The holding time passes on the project clock: the bin is to be
        // discarded and the discard alarm is asked for and played.
        const qint64 end = kStart + (SimulatedDisplay::kPattyHoldSecs + 1) * 1000;
        KivClock::freezeAt(end);
        QTRY_COMPARE(SimulatedDisplay::stateOf(bar), QStringLiteral("discard"));
        QVERIFY(bar->get_remainingTime() < 1);
        QTRY_COMPARE(screenBar->property("thestate").toInt(), int(TrayBarSc::TRAY_STATE_DISCARD));
        QTRY_COMPARE(discardRequests.count(), 1);
        QTRY_VERIFY(activeStateNames(*sounds).contains(QStringLiteral("discard")));
        QTRY_VERIFY(d.playedSounds().contains(QStringLiteral("discardAlarm2.wav")));

        // 9. The expiry goes out once, from the cabinet and on the bus, under
        // the batch the start opened.
        QTRY_COMPARE(expired.count(), 1);
        QCOMPARE(expired.first(), (QVariantList{secondsText(end), "Patty", pan, bin}));
        QTRY_COMPARE(cloud.events("holdExpired").size(), 1);
        const QJsonObject holdExpired = cloud.events("holdExpired").first();
        QCOMPARE(holdExpired.value("panId").toString(), pan);
        QCOMPARE(holdExpired.value("productId").toInt(), SimulatedDisplay::kPatty);
        QCOMPARE(holdExpired.value("zoneNumber").toInt(), bin + 1);
        QCOMPARE(holdExpired.value("state").toString(), QStringLiteral("overHolding"));
        QCOMPARE(holdExpired.value("eventUuid").toString(), holdStart.value("eventUuid").toString());
        QCOMPARE(holdExpired.value("holdSecondsRemaining").toInt(), 0);
        QCOMPARE(holdExpired.value("timestamp").toString(), secondsText(end));
        // Further reader analyses do not report it again.
        analyses.clear();
        QTRY_VERIFY(analyses.count() >= 3);
        QCOMPARE(expired.count(), 1);
        QCOMPARE(cloud.events("holdExpired").size(), 1);
        QCOMPARE(cloud.events("holdStart").size(), 1);
    }
};

QTEST_MAIN(TestOneHold)
#include "tst_onehold.moc"
