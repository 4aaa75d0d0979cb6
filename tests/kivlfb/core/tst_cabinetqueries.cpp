#include "core/cabinetmanager.h"
#include "core/kivmetatypes.h"
#include "core/traybarsc.h"
#include "core/zonemanager.h"

#include "alarms/soundmanager.h"
#include "config/configurationmanager.h"
#include "menus/daypartmanager.h"
#include "network/dadazodaru.h"
#include "nfc/masteriomanager.h"
#include "nfc/nfcmanager.h"

#include "cabinetpersonality.h"
#include "displayenvironment.h"
#include "kitchenmenu.h"
#include "messagecatcher.h"
#include "temproot.h"

#include <QJsonObject>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

const int kPatty = 12;
const int kNuggets = 7;

// A 24-bin cabinet whose primary display shows the first twelve bins and a
// secondary display the rest: bins past the twentieth exist, but lie beyond
// the per-bin tables.
QByteArray primaryOfTwentyFour()
{
    return cabinetPersonality("primaryWithSecondary", [](QJsonObject &p) {
        p["traysPerZone"] = 6;
        p["traysPerCabinet"] = 24;
        p["zones2handle"] = 2;
    });
}

} // namespace

class TestCabinetQueries : public QObject
{
    Q_OBJECT

    DisplayEnvironment m_env;

    struct Display {
        std::unique_ptr<TempRoot> root;
        std::unique_ptr<CabinetManager> cabinet;

        template <typename T> T *child(const char *name = nullptr) const
        {
            return name ? cabinet->findChild<T *>(QLatin1String(name)) : cabinet->findChild<T *>();
        }
        ConfigurationManager *config() const { return child<ConfigurationManager>("configManager"); }
    };

    // A display built in this process; without a personality file it takes
    // the built-in layout of the id connector and counts as unconfigured.
    Display build(const QByteArray &hcc, int idConnector = 0)
    {
        Display d;
        d.root = std::make_unique<TempRoot>();
        if (!hcc.isEmpty())
            d.root->writeFile("/root/cabinet.hcc", hcc);
        d.root->writeFile("/root/menu.json", KitchenMenu::menu({KitchenMenu::kPatty, KitchenMenu::kNuggets}));
        qputenv("KIV_VCAN_DIR", d.root->filePath("/run/vcan/can0").toLocal8Bit());
        d.cabinet = std::make_unique<CabinetManager>(0, idConnector, nullptr);
        return d;
    }

    // Brings the bar for the bin into preheating with the product loaded.
    static TrayBarSc *loadedBar(const Display &d, int bin, int productId)
    {
        d.child<DayPartManager>("daypartManager")->setProdIdOnBin(0, bin, productId);
        TrayBarSc *bar = d.cabinet->getTrayPtr(uchar(bin));
        if (!bar || !QTest::qWaitFor([bar] { return bar->isRunning(); }, 5000))
            return nullptr;
        emit bar->assign();
        return bar;
    }

    Display m_shared;
    CabinetManager *sharedCabinet()
    {
        if (!m_shared.cabinet)
            m_shared = build(QByteArray());
        return m_shared.cabinet.get();
    }

private slots:
    void initTestCase()
    {
        KivMetaTypes::registerAll();
        QVERIFY(m_env.start());
    }

    void uiIdValidity_data()
    {
        QTest::addColumn<int>("uiId");
        QTest::addColumn<bool>("valid");
        for (int id : {1, 2, 9, 10, 17, 18, 20, 24, 25, 32, 33, 34, 36, 40})
            QTest::addRow("%d", id) << id << true;
        for (int id : {-1, 0, 3, 19, 41})
            QTest::addRow("%d", id) << id << false;
    }
    void uiIdValidity()
    {
        QFETCH(int, uiId);
        CabinetManager *cm = sharedCabinet();
        cm->set_orientationId(uiId);
        QTEST(cm->uiidIsValid(), "valid");
    }

    // The main screen asks for the display's layout when the display has no
    // identity, or its personality file names no known layout.
    void startUpLayoutDialog_data()
    {
        QTest::addColumn<QByteArray>("hcc");
        QTest::addColumn<bool>("shown");
        QTest::newRow("configured") << cabinetPersonality("alone") << false;
        QTest::newRow("unknown layout") << cabinetPersonality("alone", [](QJsonObject &p) { p["orientationId"] = 3; })
                                        << true;
        QTest::newRow("no identity") << QByteArray() << true;
    }
    void startUpLayoutDialog()
    {
        QFETCH(QByteArray, hcc);
        Display d = build(hcc);
        auto *engine = d.child<QQmlApplicationEngine>("mainQmlView");
        QVERIFY(engine && engine->rootObjects().size() == 1);
        // The dialog may be created only when it is first shown.
        auto *dialog = engine->rootObjects().first()->findChild<QQuickItem *>(QStringLiteral("startUpOrientationDialog"));
        QTEST(dialog != nullptr && dialog->isVisible(), "shown");
    }

    // One table of tray states for the whole cabinet: this display's bars
    // report their own, the secondary display's arrive as property code 1.
    void trayStates()
    {
        Display d = build(primaryOfTwentyFour());
        CabinetManager *cm = d.cabinet.get();
        QCOMPARE(cm->get_traysPerCabinet(), 24);
        QVERIFY(!cm->isBinOnThisUI(14));

        TrayBarSc *bar = loadedBar(d, 2, kPatty);
        QVERIFY(bar);
        QCOMPARE(bar->get_trayState(), int(TrayBarSc::TRAY_STATE_PREHEATING));
        QCOMPARE(cm->get_trayState(2), int(TrayBarSc::TRAY_STATE_PREHEATING));
        cm->updateTrayStates(TrayBarSc::TRAY_STATE_DISCARD); // not from a bar
        QCOMPARE(cm->get_trayState(2), int(TrayBarSc::TRAY_STATE_PREHEATING));

        MessageCatcher log;
        QByteArray state = QByteArray::fromHex("1e010e08"); // bin 14 discarding
        cm->processObjectPropertySetting(&state);
        QCOMPARE(cm->get_trayState(14), int(TrayBarSc::TRAY_STATE_DISCARD));
        QVERIFY(!log.contains(QStringLiteral("getTrayPtr result is NULL")));

        // A bin of the cabinet past the tables is not kept; one past the
        // cabinet is logged.
        QByteArray past = QByteArray::fromHex("1e011408"); // bin 20
        cm->processObjectPropertySetting(&past);
        QCOMPARE(cm->get_trayState(20), 0);
        QByteArray outside = QByteArray::fromHex("1e011808"); // bin 24
        cm->processObjectPropertySetting(&outside);
        QVERIFY(log.contains(QStringLiteral("KIV_TRAY_STATE invalid binNum 24")));
        QCOMPARE(cm->get_trayState(-1), 0);
    }

    // A secondary display keeps no states for the primary display's bins.
    void trayStatesFromTheBusOnlyOnThePrimary()
    {
        Display d = build(cabinetPersonality("secondary"));
        CabinetManager *cm = d.cabinet.get();
        QCOMPARE(cm->get_uiRole(), 2);
        QByteArray state = QByteArray::fromHex("1e010108");
        cm->processObjectPropertySetting(&state);
        QCOMPARE(cm->get_trayState(1), 0);
    }

    // The holding record follows the bar's product, on every bin of a
    // 24-bin cabinet; only the bar's own signal writes it.
    void recordFollowsTheBarsProduct()
    {
        Display d = build(cabinetPersonality("alone", [](QJsonObject &p) {
            p["traysPerZone"] = 6;
            p["traysPerCabinet"] = 24;
            p["nfcEnabled"] = false;
        }));
        CabinetManager *cm = d.cabinet.get();
        for (int bin : {3, 21}) {
            TrayBarSc *bar = cm->getTrayPtr(uchar(bin));
            QVERIFY(bar);
            for (int product : {kPatty, kNuggets}) {
                bar->set_productId(product);
                QCOMPARE(int(cm->getTrayInfo(bin).groupId), product);
            }
        }
        cm->updateTiListProdId(kPatty); // not from a bar
        QCOMPARE(int(cm->getTrayInfo(3).groupId), kNuggets);
    }

    // Mismatch ids by bin; bin numbers from outside the tables read as
    // nothing and write nothing.
    void mismatchIds()
    {
        Display d = build(primaryOfTwentyFour());
        CabinetManager *cm = d.cabinet.get();
        QVERIFY(loadedBar(d, 3, kPatty));
        d.config()->set_serialNumber(QStringLiteral("SN42"));

        cm->set_misMatchedPanId(3, 0x1234abcdLL);
        QCOMPARE(cm->get_misMatchedPanId(3), 0x1234abcdLL);
        cm->showProductMismatch(3, true, 1, false);
        QVERIFY2(cm->get_misMatchId(3).endsWith(QStringLiteral(":SN42:3")), qPrintable(cm->get_misMatchId(3)));

        for (int bin : {-1, 20, 23, 24}) {
            cm->set_misMatchedPanId(bin, 77);
            QCOMPARE(cm->get_misMatchedPanId(bin), 0LL);
            QCOMPARE(cm->get_misMatchId(bin), QString());
        }
        QCOMPARE(cm->get_misMatchedPanId(3), 0x1234abcdLL);
        QCOMPARE(cm->get_misMatchedPanId(19), 0LL);
        QCOMPARE(cm->get_misMatchedPanId(0), 0LL);
    }

    // The hottest reading of any zone decides; the cleaning screen waits
    // until no zone is above 125.
    void coolingDown_data()
    {
        QTest::addColumn<int>("hottest");
        QTest::addColumn<bool>("done");
        QTest::newRow("125") << 125 << true;
        QTest::newRow("126") << 126 << false;
    }
    void coolingDown()
    {
        QFETCH(int, hottest);
        Display d = build(cabinetPersonality("alone"));
        CabinetManager *cm = d.cabinet.get();
        ZoneManager *zone1 = cm->getZonePtr(1);
        ZoneManager *zone3 = cm->getZonePtr(3);
        QVERIFY(zone1 && zone3 && zone3->get_actualTempsList().size() >= 2);
        zone1->set_actualTempN(1, 0, 90);
        zone3->set_actualTempN(3, 1, hottest);
        zone3->set_actualTempN(3, 0, 60);
        QCOMPARE(cm->getCoolingDownTemp(), hottest);
        QTEST(cm->isCoolingDownDone(), "done");
    }

    void coolingDownWithoutZones()
    {
        Display d = build(cabinetPersonality("alone", [](QJsonObject &p) {
            p["numberOfZones"] = 0;
            p["traysPerCabinet"] = 0;
            p["zones2handle"] = 0;
        }));
        CabinetManager *cm = d.cabinet.get();
        QCOMPARE(cm->get_zonesModelList().size(), 0);
        QCOMPARE(cm->getCoolingDownTemp(), 0);
        QVERIFY(cm->isCoolingDownDone());
    }

    // A dismissed suggestion, or a new timeout, puts the next suggestion
    // one whole timeout ahead.
    void cleaningSuggestionPutOff_data()
    {
        QTest::addColumn<bool>("byNewTimeout");
        QTest::addColumn<int>("minutes");
        QTest::newRow("dismissed") << false << 5;
        QTest::newRow("timeout changed") << true << 6;
    }
    void cleaningSuggestionPutOff()
    {
        QFETCH(bool, byNewTimeout);
        QFETCH(int, minutes);
        Display d = build(QByteArray());
        CabinetManager *cm = d.cabinet.get();
        ConfigurationManager *config = d.config();
        config->set_screenCleanTimeout(5);
        config->set_screenCleanActive(1);
        QSignalSpy suggested(cm, SIGNAL(screenCleaningTimeOutChanged()));
        while (suggested.isEmpty())
            cm->autoScreenCleanScan();

        if (byNewTimeout) {
            config->set_screenCleanTimeout(minutes);
            QCoreApplication::processEvents(); // the store reports it queued
        } else {
            cm->cancelSuggetCleanMode();
        }
        for (int second = 0; second < minutes * 60; ++second)
            cm->autoScreenCleanScan();
        QCOMPARE(suggested.count(), 1);
        cm->autoScreenCleanScan();
        QCOMPARE(suggested.count(), 2);
    }

    // The alarm's stop silences the sound and withdraws the ambient
    // temperature report.
    void ambientAlarmStop()
    {
        Display d = build(cabinetPersonality("alone"));
        CabinetManager *cm = d.cabinet.get();
        auto *sound = d.child<SoundManager>("soundManager");
        auto *io = d.child<MasterIoManager>("masterIoManager");
        QVERIFY(sound && io);
        QSignalSpy stopped(sound, SIGNAL(prodChangeAlarmStop()));
        QSignalSpy cleared(io, SIGNAL(errorClearInfo(int,int,int,int)));

        emit cm->stopAmbientTempAlarm();
        QTRY_COMPARE(stopped.count(), 1);
        QTRY_COMPARE(cleared.count(), 1);
        QCOMPARE(cleared.first(), (QList<QVariant>{2, 6, 0, 0}));
        QTest::qWait(50);
        QCOMPARE(stopped.count(), 1);
        QCOMPARE(cleared.count(), 1);
    }

    // The primary display hands the subnet's broadcast address to the
    // cabinet network and, with NFC, both addresses to the pan-tag
    // tracking, then saves the settings.
    void broadcastAddress_data()
    {
        QTest::addColumn<QString>("role");
        QTest::addColumn<bool>("nfc");
        QTest::addColumn<bool>("ethernet");
        QTest::addColumn<bool>("wifi");
        QTest::addColumn<QString>("networkBroadcast");
        QTest::addColumn<QString>("tagBroadcast");
        QTest::addColumn<QString>("tagAddress");
        QTest::addColumn<bool>("saved");
        const QString none;
        const QString allOnes = QStringLiteral("255.255.255.255");
        QTest::newRow("secondary display") << "secondary" << true << true << true << none << allOnes << none << false;
        QTest::newRow("Ethernet and Wi-Fi") << "alone" << true << true << true << "192.168.7.255" << "192.168.7.255"
                                            << "192.168.7.20" << true;
        QTest::newRow("Wi-Fi only") << "alone" << true << false << true << "10.1.255.255" << "10.1.255.255"
                                    << "10.1.4.9" << true;
        QTest::newRow("neither") << "alone" << true << false << false << none << allOnes << none << true;
        QTest::newRow("without NFC") << "alone" << false << true << false << "192.168.7.255" << allOnes << none
                                     << true;
    }
    void broadcastAddress()
    {
        QFETCH(QString, role);
        QFETCH(bool, nfc);
        QFETCH(bool, ethernet);
        QFETCH(bool, wifi);
        Display d = build(cabinetPersonality(role, [nfc](QJsonObject &p) { p["nfcEnabled"] = nfc; }));
        CabinetManager *cm = d.cabinet.get();
        ConfigurationManager *config = d.config();
        auto *network = d.child<DADazodaru>();
        auto *tags = d.child<NFCmanager>("nfcManager");
        QVERIFY(network && tags);
        config->set_ethEnabled(ethernet);
        config->set_wifiEnabled(wifi);
        config->set_ipAddress(QStringLiteral("192.168.7.20"));
        config->set_ethBroadcast(QStringLiteral("192.168.7.255"));
        config->set_wifiIpAddr(QStringLiteral("10.1.4.9"));
        config->set_wifiBroadcast(QStringLiteral("10.1.255.255"));
        const QString configFile = d.root->filePath("/root/config.txt");
        QFile::remove(configFile);

        cm->updateBroadcastAddr();
        QTEST(network->get_broadcastAddr(), "networkBroadcast");
        QTEST(tags->get_broadcastAddr(), "tagBroadcast");
        QTEST(tags->get_ipAddrToUse(), "tagAddress");
        QTEST(QFile::exists(configFile), "saved");
    }
};

QTEST_MAIN(TestCabinetQueries)
#include "tst_cabinetqueries.moc"
