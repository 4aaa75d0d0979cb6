#include "alarms/haccpcontroller.h"
#include "alarms/haccplogformat.h"
#include "core/cabinetmanager.h"
#include "nfc/nfcreadersimulator.h"
#include "menus/menumanager.h"
#include "config/configurationmanager.h"
#include "core/cabinetiotservices.h"
#include "core/kivmetatypes.h"
#include "core/traybarsc.h"
#include "core/zonemanager.h"
#include "iot/kiviotagentadapter.h"
#include "iot/kivriot.h"
#include "menus/daypartmanager.h"
#include "nfc/bininfo.h"
#include "nfc/masteriomanager.h"
#include "nfc/nfcmanager.h"
#include "nfc/pantagcodec.h"
#include "platform/kivclock.h"
#include "ui/translator.h"

#include "kitchenmenu.h"
#include "displayenvironment.h"
#include "temproot.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlContext>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

const qint64 kNoon = 1704110400000;
const int kPatty = 12;  // hold 1800 s
const int kNuggets = 7; // a pan over two bins

trayInfo holdRecord(int bin, int productId)
{
    trayInfo record;
    record.binNumber = quint8(bin);
    record.holdActivity = 2;
    record.groupId = quint32(productId);
    record.remainingTime = 600;
    return record;
}

} // namespace

// The registry inside a whole primary display (4 x 2 with NFC, customer 3):
// what it asks of the cabinet core reaches the tray bars.
class TestPanTagCabinet : public QObject
{
    Q_OBJECT

    DisplayEnvironment m_env;
    std::unique_ptr<TempRoot> m_root;
    std::unique_ptr<CabinetManager> m_cabinet;
    NFCmanager *m_nfc = nullptr;

    TrayBarSc *assignedBar(int bin, int productId)
    {
        auto *dayParts = m_cabinet->findChild<DayPartManager *>(QStringLiteral("daypartManager"));
        dayParts->setProdIdOnBin(0, bin, productId);
        TrayBarSc *bar = m_cabinet->getTrayPtr(uchar(bin));
        if (!bar || !QTest::qWaitFor([bar] { return bar->isRunning(); }, 5000))
            return nullptr;
        if (auto *zone = m_cabinet->findChild<ZoneManager *>(
                QStringLiteral("zone%1").arg(bin / m_cabinet->get_traysPerZone())))
            zone->set_currentDayPart(zone->get_nextDayPart());
        emit bar->assign();
        m_cabinet->updateTrayBarHoldingInfo(holdRecord(bin, productId));
        return bar;
    }

private slots:
    void initTestCase()
    {
        KivMetaTypes::registerAll();
        QVERIFY(m_env.start());
    }

    void init()
    {
        KivClock::freezeAt(kNoon);
        m_root = std::make_unique<TempRoot>();
        QFile personality(QStringLiteral(":/fixtures/v9_2x4.hcc"));
        QVERIFY(personality.open(QIODevice::ReadOnly));
        m_root->writeFile("/root/cabinet.hcc", personality.readAll());
        m_root->writeFile("/root/menu.json", KitchenMenu::menu({KitchenMenu::kPatty, KitchenMenu::kNuggets}));
        qputenv("KIV_VCAN_DIR", m_root->filePath("/run/vcan/can0").toLocal8Bit());
        m_cabinet = std::make_unique<CabinetManager>(0, 0, nullptr);
        m_nfc = m_cabinet->findChild<NFCmanager *>(QStringLiteral("nfcManager"));
        QVERIFY(m_nfc);
        QVERIFY(m_cabinet->get_iAmMaster() && m_cabinet->get_nfcEnabled());
    }

    void cleanup()
    {
        m_cabinet.reset();
        m_root.reset();
        KivClock::useSystemClock();
    }

    void manualStartReachesTheTrayBar()
    {
        TrayBarSc *bar = assignedBar(2, kPatty);
        QVERIFY(bar);
        // This cabinet counts down the bar's own preset hold time.
        QVERIFY(m_cabinet->get_timerDecrementEnable());
        bar->set_holdTimePreSet(1500);
        QSignalSpy started(m_cabinet.get(), SIGNAL(event_holdStarted(QString,QString,QString,int,QString)));
        m_nfc->userRequestsManualTimerStart(2);
        QCOMPARE(bar->get_remainingTime(), 1500);
        QCOMPARE(started.count(), 1);
        QCOMPARE(started.first().at(1).toString(), QStringLiteral("Patty"));
        QCOMPARE(started.first().at(4).toString(), QStringLiteral("manual"));
    }

    // A restored registry puts each pan's UID back on its bar; a pan over
    // two bins on the pair's even bar.
    void restoreMarksTheBars()
    {
        TrayBarSc *bar2 = assignedBar(2, kPatty);
        TrayBarSc *bar4 = assignedBar(4, kNuggets);
        QVERIFY(bar2 && bar4);
        QVector<quint64> bins(20, 0);
        bins[2] = 0x0c0000000002;
        bins[5] = 0x070000000005;
        m_root->writeFile("/root/SavedHash2.dat", PanTagCodec::encodeSavedRegistry({}, bins));
        m_nfc->restoreNFC2();
        QCOMPARE(bar2->get_panId(), 0x0c0000000002ULL);
        QCOMPARE(bar4->get_panId(), 0x070000000005ULL);
        QCOMPARE(m_nfc->getUidInBin(5), 0x070000000005ULL);
    }

    // The cloud back-end reads and marks this cabinet's pans through its
    // services; a pan the registry does not know reads as absent.
    void cloudServicesSeeTheRegistry()
    {
        auto *item = new NfcTagItem2(0x0c0000000003, 1, 3, kNoon + 1800000, kNoon);
        m_nfc->registerTag2(item);
        CabinetIotServices::Components parts;
        parts.cabinet = m_cabinet.get();
        parts.config = m_cabinet->findChild<ConfigurationManager *>(QStringLiteral("configManager"));
        parts.menus = m_cabinet->findChild<MenuManager *>(QStringLiteral("menuManager"));
        parts.nfc = m_nfc;
        CabinetIotServices services(parts, nullptr);
        IotServices::PanTag tag;
        QVERIFY(services.findPanTag(0x0c0000000003, &tag));
        QCOMPARE(tag.position, 3);
        QCOMPARE(tag.expTime, kNoon + 1800000);
        services.setPanBatchId(0x0c0000000003, QStringLiteral("batch-7"));
        services.setPanRestartRequested(0x0c0000000003, true);
        QCOMPARE(m_nfc->viewTagInfo2(0x0c0000000003)->getBatchId(), QStringLiteral("batch-7"));
        QVERIFY(m_nfc->viewTagInfo2(0x0c0000000003)->getRestartRequested());
        QVERIFY(!services.findPanTag(0x0c0000000099, &tag));
        services.setPanBatchId(0x0c0000000099, QStringLiteral("x")); // no effect, no crash
    }

    // The IoT agent given the cabinet's components: a reset ends the hold
    // of a pan in its bin, another cabinet's list is kept, and the holding
    // list reports the registry as the pans now stand.
    void iotAgentOverTheCabinet()
    {
        auto *config = m_cabinet->findChild<ConfigurationManager *>(QStringLiteral("configManager"));
        QVERIFY(config);
        config->set_serialNumber(QStringLiteral("SN-4"));
        config->set_uuidNumber(QStringLiteral("uuid-4"));
        config->set_storeNumber(QStringLiteral("Store 4"));
        KivIotAgentAdapter agent;
        agent.set_cabinetManager(m_cabinet.get());
        agent.set_configManager(config);
        agent.set_menuManager(m_cabinet->findChild<MenuManager *>(QStringLiteral("menuManager")));
        agent.set_dayPartManager(m_cabinet->findChild<DayPartManager *>(QStringLiteral("daypartManager")));
        agent.set_translator(m_cabinet->findChild<Translator *>());
        QList<QJsonObject> sent;
        agent.setSender([&](const QString &, const QString &, const QString &, const QString &json) {
            sent << QJsonDocument::fromJson(json.toUtf8()).object();
        });

        const quint64 pan = 0x0c0000000002;
        auto *item = new NfcTagItem2(pan, 0, 2, kNoon + 1800000, kNoon - 600000);
        item->setBatchId(QStringLiteral("c0000000002:1704109800"));
        m_nfc->registerTag2(item);
        m_nfc->setUidInBin(2, pan);
        QSignalSpy stopped(m_cabinet.get(), SIGNAL(event_holdStopped(QString,QString,QString,int,QString,int)));
        agent.handleReceivedIoTInfo(QStringLiteral(R"({"event":"reset","panId":"c0000000002",
            "cabinet":{"serialNumber":"SN-4","cabinetUuid":"uuid-4"},"batch":{"id":"c0000000002:1704109800"}})"));
        QVERIFY(sent.isEmpty());
        QCOMPARE(stopped.count(), 1);
        QCOMPARE(stopped.first(), QVariantList({QString::number(kNoon / 1000), QStringLiteral("Patty"),
                                                QStringLiteral("c0000000002"), 2, QStringLiteral("auto"), 0}));
        QCOMPARE(m_nfc->viewTagInfo2(pan)->getHoldStatus(), quint8(4));
        QCOMPARE(m_nfc->viewTagInfo2(pan)->getActivationTimeStamp(), kNoon);

        agent.handleReceivedIoTInfo(QStringLiteral(R"({"event":"holdingList","cabinet":{"location":"Store 4",
            "cabinetUuid":"uuid-5"},"holdInfo":[{"panId":"70000000009","bin":6,"status":0,
            "batch":{"id":"70000000009:1704110000"},"expiration":1704111000,"activationTS":1704110000}]})"));
        const QList<const NfcTagItem2 *> others = m_nfc->othersList(QStringLiteral("uuid-5"));
        QCOMPARE(others.size(), 1);
        QCOMPARE(others.first()->getUid(), quint64(0x70000000009));
        QCOMPARE(others.first()->getPosition(), quint8(6));
        QCOMPARE(others.first()->getExpTime(), qint64(1704111000000));
        QCOMPARE(others.first()->getBatchId(), QStringLiteral("70000000009:1704110000"));

        agent.sendHoldingList(QStringLiteral("1704110400"));
        QCOMPARE(sent.size(), 1);
        const QJsonArray holdInfo = sent.first().value("holdInfo").toArray();
        QCOMPARE(holdInfo.size(), 1);
        const QJsonObject entry = holdInfo.first().toObject();
        QCOMPARE(entry.value("panId").toString(), QStringLiteral("c0000000002"));
        QCOMPARE(entry.value("status").toInt(), 4);
        QCOMPARE(entry.value("bin").toInt(), 2);
        QCOMPARE(entry.value("batch").toObject().value("active").toBool(), false);
        QCOMPARE(entry.value("batch").toObject().value("start").toDouble(), 1704109800.0);
        QCOMPARE(sent.first().value("cabinet").toObject().value("location").toString(), QStringLiteral("Store 4"));
    }

    // The cabinet's own cloud back-end builds its reports from this
    // cabinet: the registry's pans, the menu's products, each bin's product,
    // pan and temperatures; and a new reader firmware version brings the
    // power-on report, once.
    void cloudReportsReadTheCabinet()
    {
        auto *riot = m_cabinet->findChild<KivRiot *>();
        QVERIFY(riot);
        QSignalSpy sent(riot, &KivRiot::sendRiotInfo);
        auto events = [&sent](const QString &name) {
            QList<QJsonObject> list;
            for (const QList<QVariant> &args : sent) {
                const QJsonObject event = QJsonDocument::fromJson(args.at(0).toString().toUtf8()).object();
                if (event.value("event").toString() == name)
                    list << event;
            }
            return list;
        };

        auto *config = m_cabinet->findChild<ConfigurationManager *>(QStringLiteral("configManager"));
        QVERIFY(config);
        config->set_readerFirmwareVersion1(QStringLiteral("7.1.0"));
        QTRY_COMPARE(events("powerOn").size(), 1);
        config->set_readerFirmwareVersion1(QStringLiteral("7.2.0"));
        QCoreApplication::processEvents();
        QCOMPARE(events("powerOn").size(), 1);

        TrayBarSc *bar = assignedBar(2, kPatty);
        QVERIFY(bar);
        const quint64 pan = 0x0c0000000002;
        auto *item = new NfcTagItem2(pan, 0, 2, kNoon + 1800000, kNoon);
        item->setBatchId(QStringLiteral("c0000000002-1704110400"));
        m_nfc->registerTag2(item);
        m_nfc->setUidInBin(2, pan);
        auto *io = m_cabinet->findChild<MasterIoManager *>(QStringLiteral("masterIoManager"));
        QVERIFY(io && io->get_binInfoList().size() > 2);
        io->get_binInfoList().at(2)->set_actualTemp(151);
        io->get_binInfoList().at(2)->set_targetTemp(170);
        sent.clear();
        riot->handle_event_holdingListChange(QStringLiteral("1704110400"));
        riot->handle_event_performanceData();

        const QJsonArray holdInfo = events("holdingList").value(0).value("holdInfo").toArray();
        QCOMPARE(holdInfo.size(), 1);
        QCOMPARE(holdInfo.at(0).toObject().value("panId"), QJsonValue("c0000000002"));
        QCOMPARE(holdInfo.at(0).toObject().value("bin"), QJsonValue(2));
        QCOMPARE(holdInfo.at(0).toObject().value("batch").toObject().value("start"), QJsonValue(1704110400));

        const QJsonArray zones = events("performanceData").value(0).value("zone").toArray();
        QCOMPARE(zones.size(), m_cabinet->get_traysPerCabinet());
        const QJsonObject zone = zones.at(2).toObject();
        QCOMPARE(zone.value("zoneNumber"), QJsonValue(3));
        QCOMPARE(zone.value("productId"), QJsonValue(kPatty));
        QCOMPARE(zone.value("productName"), QJsonValue("Patty"));
        QCOMPARE(zone.value("eventUuid"), QJsonValue("c0000000002-1704110400"));
        QCOMPARE(zone.value("temperatureMeasured"), QJsonValue(151));
        QCOMPARE(zone.value("temperatureSetpoint"), QJsonValue(170));
        QCOMPARE(zones.at(3).toObject().value("eventUuid"), QJsonValue("null"));

        QList<int> products;
        QJsonObject patty;
        for (const QJsonValue &product : riot->getProducts()) {
            products << product.toObject().value("productId").toInt();
            if (products.last() == kPatty)
                patty = product.toObject();
        }
        QCOMPARE(products, QList<int>({kPatty, kNuggets}));
        QCOMPARE(patty.value("productNameEngUSA"), QJsonValue("Patty"));
        QCOMPARE(patty.value("holdTime"), QJsonValue(1800));
        QCOMPARE(patty.value("warningTime"), QJsonValue(300));
        const QJsonArray locations = riot->getHoldingLayout().at(0).toObject().value("productLocations").toArray();
        QCOMPARE(locations.size(), m_cabinet->get_traysPerCabinet());
        QCOMPARE(locations.at(2).toObject(), QJsonObject({{"zoneNumber", 3}, {"productId", kPatty}}));
    }

    // The cloud's commands act on this cabinet's registry: a reset of a pan
    // whose record places it outside the bins deregisters it and reports
    // the stop; a holding list in which another cabinet started a pan later
    // takes that pan off this cabinet and is kept under its serial number.
    void cloudCommandsActOnTheRegistry()
    {
        auto *riot = m_cabinet->findChild<KivRiot *>();
        auto *config = m_cabinet->findChild<ConfigurationManager *>(QStringLiteral("configManager"));
        QVERIFY(riot && config);
        config->set_iotType(QStringLiteral("DEZ_RIOT"));
        config->set_serialNumber(QStringLiteral("SN1"));
        config->set_uuidNumber(QStringLiteral("uuid-1"));
        config->set_storeNumber(QStringLiteral("Store 9"));
        QSignalSpy sent(riot, &KivRiot::sendRiotInfo);
        QSignalSpy stopped(m_cabinet.get(), SIGNAL(event_holdStopped(QString,QString,QString,int,QString,int)));

        const quint64 stray = 0x0c0000000019;
        auto *item = new NfcTagItem2(stray, 0, 25, kNoon + 1800000, kNoon - 60000);
        item->setBatchId(QStringLiteral("c0000000019-1704110340"));
        m_nfc->registerTag2(item);
        riot->handleReceivedRiotInfo(QStringLiteral(
            R"({"event":"reset","timestamp":1704110400,"panId":"c0000000019",)"
            R"("cabinet":{"serialNumber":"SN1","cabinetUuid":"uuid-1"},"batch":{"id":"c0000000019-1704110340"}})"));
        QCOMPARE(stopped.size(), 1);
        QCOMPARE(stopped.first(), QVariantList({"1704110400", "Patty", "c0000000019", 25, "auto", 0}));
        QVERIFY(m_nfc->doWeOwnThisTag2(stray));
        QCOMPARE(int(m_nfc->viewTagInfo2(stray)->getHoldStatus()), int(NfcTagItem2::HoldEnded));
        // The stop reaches the back-end's own hold-stop report.
        QTRY_COMPARE(sent.size(), 1);
        const QJsonObject stop = QJsonDocument::fromJson(sent.first().at(0).toString().toUtf8()).object();
        QCOMPARE(stop.value("event").toString(), QStringLiteral("holdStop"));

        const quint64 pan = 0x0c0000000002;
        m_nfc->registerTag2(new NfcTagItem2(pan, 0, 2, kNoon + 1800000, kNoon - 600));
        m_nfc->setUidInBin(2, pan);
        riot->handleReceivedRiotInfo(QStringLiteral(
            R"({"event":"holdingList","serialNumber":"SN2","location":"Store 9","holdInfo":[)"
            R"({"panId":"c0000000002","bin":5,"activationTS":1704110400,"batch":{"expiration":1704112200}}]})"));
        QVERIFY(!m_nfc->doWeOwnThisTag2(pan));
        const QList<const NfcTagItem2 *> list = m_nfc->othersList(QStringLiteral("SN2"));
        QCOMPARE(list.size(), 1);
        QCOMPARE(list.first()->getUid(), pan);
        QCOMPARE(int(list.first()->getPosition()), 5);
        QCOMPARE(int(list.first()->getProductId()), kPatty);
        QCOMPARE(list.first()->getActivationTimeStamp(), kNoon);
        QCOMPARE(list.first()->getExpTime(), kNoon + 1800000);
        QCoreApplication::processEvents();
        QCOMPARE(sent.size(), 1); // no command error
    }

    // A pan put on the simulated reader for a bin lands at the reading
    // position the NFC map gives that bin, where the polling looks for it.
    void simulatedPanLandsWhereTheBinIsRead()
    {
        const QList<int> positions = m_cabinet->get_nfcSlotToBinList();
        const int bin = 2;
        const int position = positions.indexOf(bin);
        QVERIFY(position >= 0);
        QVERIFY(position != bin); // this layout reads bin 2 elsewhere
        auto *reader = m_cabinet->findChild<NfcReaderSimulator *>(QStringLiteral("nfcSim1"));
        QVERIFY(reader);
        m_cabinet->setBinToTray(bin, 12, 77);
        QCOMPARE(reader->getHoldingRegister(4 + 4 * position), quint16(0x0C00));
        QCOMPARE(reader->getHoldingRegister(6 + 4 * position), quint16(77));
        QCOMPARE(reader->getHoldingRegister(6 + 4 * bin), quint16(0));
    }

    // Another cabinet's list shows the pan started there later: the hold
    // ends here, the cloud hears it stop and the HACCP log closes its
    // record (the start record goes, the whole hold is logged).
    void panTakenByAnotherCabinetEndsTheHoldHere()
    {
        TrayBarSc *bar = assignedBar(2, kPatty);
        QVERIFY(bar);
        const quint64 pan = 0x0c0000000002;
        m_nfc->registerTag2(new NfcTagItem2(pan, 0, 2, kNoon + 1200000, kNoon - 600000));
        m_nfc->setUidInBin(2, pan);
        auto *haccp = m_cabinet->findChild<HaccpController *>();
        QVERIFY(haccp && haccp->isLogging());
        QSignalSpy closed(haccp, &HaccpController::removeDataLog);
        QSignalSpy logged(haccp, &HaccpController::haccpDataLog);
        QSignalSpy stopped(m_cabinet.get(), SIGNAL(event_holdStopped(QString,QString,QString,int,QString,int)));
        m_cabinet->startBinTimer(2, 1200, pan);
        QTRY_COMPARE(logged.count(), 1); // the open start record
        QCOMPARE(HaccpLogFormat::entryFromRequest(logged.first().first().toByteArray()).duration, QStringLiteral("----"));

        NfcTagItem2 there(pan, 2, 6, kNoon + 1200000, kNoon);
        m_nfc->processDatagram(PanTagCodec::encodeHoldingList("66:77:88:99:aa:bb", 1, kNoon, {&there}),
                               QHostAddress("10.0.0.7"), NFCmanager::Port);
        QVERIFY(!m_nfc->doWeOwnThisTag2(pan));
        QCOMPARE(stopped.count(), 1);
        QCOMPARE(stopped.first().at(2).toString(), QStringLiteral("c0000000002"));
        QCOMPARE(stopped.first().at(3).toInt(), 2);
        QCOMPARE(stopped.first().at(4).toString(), QStringLiteral("auto"));
        QCOMPARE(stopped.first().at(5).toInt(), 1200);
        QTRY_COMPARE(closed.count(), 1);
        QTRY_COMPARE(logged.count(), 2);
        const HaccpData entry = HaccpLogFormat::entryFromRequest(logged.last().first().toByteArray());
        QCOMPARE(entry.binNumber, 2);
        QCOMPARE(entry.duration, QStringLiteral("00:10:00")); // 1800 s hold, 1200 s left
    }

    // Cancelling all holding forgets every pan, saved at once.
    void cancelAllHoldingResetsTheRegistry()
    {
        auto *item = new NfcTagItem2(0x0c0000000002, 0, 2, kNoon + 1800000, kNoon);
        m_nfc->registerTag2(item);
        m_nfc->setUidInBin(2, item->getUid());
        m_cabinet->cancelAllHolding();
        QVERIFY(m_nfc->registeredUids().isEmpty());
        QCOMPARE(m_root->readFile("/root/SavedHash2.dat"), QByteArray(164, '\0'));
    }
};

QTEST_MAIN(TestPanTagCabinet)
#include "tst_pantagcabinet.moc"
