#include "core/cabinetmanager.h"
#include "core/kivmetatypes.h"
#include "core/traybarsc.h"
#include "core/zonemanager.h"
#include "menus/daypartmanager.h"
#include "modbus/qmodbusmaster.h"
#include "modbus/qmodbuspollinfo.h"
#include "nfc/masteriomanager.h"
#include "nfc/nfcmanager.h"
#include "nfc/nfcreadersimulator.h"

#include "kitchenmenu.h"
#include "displayenvironment.h"
#include "machinestates.h"
#include "messagecatcher.h"
#include "cabinetpersonality.h"
#include "temproot.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

namespace {

const int kPatty = 12;

// The 2x4 fixture as a primary display alone in its cabinet: no search for
// another display delays the readers.
QByteArray alonePersonality()
{
    return cabinetPersonality("alone");
}

} // namespace

// A whole primary display with NFC started in simulation: a pan put on a
// simulated reader is polled over the in-process Modbus line and starts its
// bin's hold.
class TestNfcSimulationRun : public QObject
{
    Q_OBJECT

    DisplayEnvironment m_env;

private slots:
    void initTestCase()
    {
        KivMetaTypes::registerAll();
        QVERIFY(m_env.start());
    }

    void panOnSimulatedReaderStartsTheHold()
    {
        TempRoot root;
        root.writeFile("/root/cabinet.hcc", alonePersonality());
        root.writeFile("/root/menu.json", KitchenMenu::menu());
        qputenv("KIV_VCAN_DIR", root.filePath("/run/vcan/can0").toLocal8Bit());
        MessageCatcher catcher;
        CabinetManager cabinet(7, 0, nullptr);
        for (const QString &w : catcher.warnings())
            QVERIFY2(!w.startsWith("QObject::connect") && !w.startsWith("QStateMachine"), qPrintable(w));
        QVERIFY(cabinet.get_iAmMaster() && cabinet.get_nfcEnabled());

        auto *io = cabinet.findChild<MasterIoManager *>(QStringLiteral("masterIoManager"));
        auto *mbm = cabinet.findChild<QModbusMaster *>(QStringLiteral("mbm"));
        auto *reader1 = cabinet.findChild<NfcReaderSimulator *>(QStringLiteral("nfcSim1"));
        auto *nfc = cabinet.findChild<NFCmanager *>(QStringLiteral("nfcManager"));
        QVERIFY(io && mbm && reader1 && nfc);
        QVERIFY(mbm->get_fakeModeOn());
        QVERIFY(io->get_numOfNfcBoards() > 0);

        // Bin 2 holds patties.
        const int bin = 2;
        auto *dayParts = cabinet.findChild<DayPartManager *>(QStringLiteral("daypartManager"));
        dayParts->setProdIdOnBin(0, bin, kPatty);
        TrayBarSc *bar = cabinet.getTrayPtr(uchar(bin));
        QVERIFY(bar);
        QTRY_VERIFY_WITH_TIMEOUT(bar->isRunning(), 5000);
        if (auto *zone = cabinet.findChild<ZoneManager *>(QStringLiteral("zone%1").arg(bin / cabinet.get_traysPerZone())))
            zone->set_currentDayPart(zone->get_nextDayPart());
        emit bar->assign();
        QTRY_COMPARE(cabinet.getProductIDfromBinNumber(uchar(bin)), kPatty);

        // The reader region starts once start-up synchronisation is over.
        QTRY_VERIFY_WITH_TIMEOUT(activeStateNames(*io).contains(QStringLiteral("nfcTagReading"))
                                     && !activeStateNames(*io).contains(QStringLiteral("nfcIdleState")),
                                 45000);
        // Pans already in place at start are not taken as new holds: put the
        // pan down only once the readers' start-up analyses are behind.
        auto *tagInfo1 = io->findChild<QModbusPollInfo *>(QStringLiteral("tagInfo1"));
        QVERIFY(tagInfo1);
        QSignalSpy analyses(tagInfo1, SIGNAL(pollReplyGood()));
        QTRY_VERIFY_WITH_TIMEOUT(analyses.count() >= MasterIoManager::kStartUpCountdown
                                     + MasterIoManager::kAnalysesToSkip + 1, 60000);

        // This customer's bins leave preheating on a touch; the pan can then
        // start a hold.
        QTRY_VERIFY(activeStateNames(*bar).contains(QStringLiteral("preheating")));
        emit bar->userClicked();
        QTRY_VERIFY(activeStateNames(*bar).contains(QStringLiteral("readyToHold")));
        QSignalSpy started(&cabinet, SIGNAL(event_holdStarted(QString,QString,QString,int,QString)));
        cabinet.setBinToTray(bin, kPatty, 77);
        // The pan sits at the reading position the NFC map gives its bin (in
        // this layout bin 2 is read at position 4).
        const int position = cabinet.get_nfcSlotToBinList().indexOf(bin);
        QCOMPARE(position, 4);
        const quint64 uid = (quint64(reader1->getHoldingRegister(3 + 4 * position)) << 48)
                            | (quint64(kPatty) << 40) | 77;
        QTRY_COMPARE_WITH_TIMEOUT(io->get_currentUID(bin), uid, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(started.count(), 1, 20000);
        QCOMPARE(started.first().at(1).toString(), QStringLiteral("Patty"));
        QCOMPARE(started.first().at(3).toInt(), bin);
        QCOMPARE(started.first().at(4).toString(), QStringLiteral("auto"));
        QVERIFY(nfc->doWeOwnThisTag2(uid));
        QCOMPARE(nfc->getUidInBin(uchar(bin)), uid);
        QCOMPARE(cabinet.getTagUidAtBin(uchar(bin)), uid);
        QTRY_VERIFY(activeStateNames(*bar).contains(QStringLiteral("holding")));
    }
};

QTEST_MAIN(TestNfcSimulationRun)
#include "tst_nfcsimulationrun.moc"
