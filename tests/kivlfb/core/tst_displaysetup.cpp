#include "core/cabinetmanager.h"
#include "core/clockfilecodec.h"
#include "core/kivmetatypes.h"

#include "canbus/canbusmanager.h"
#include "config/configurationmanager.h"
#include "platform/networkinterfaces.h"

#include "cabinetpersonality.h"
#include "cantestnode.h"
#include "displayenvironment.h"
#include "temproot.h"

#include <QJsonObject>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

const QByteArray kInterfaces = "auto lo\niface lo inet loopback\n# kept as the installer wrote it\n";
const QByteArray kSupplicant = "network={\n  ssid=\"Site\"\n}\n";

} // namespace

// The network and cabinet set-up seen on whole displays: what a display
// does to the system's network at start, and the factory's USB set-up of a
// two-display cabinet, whose other display gets its file over CAN.
class TestDisplaySetup : public QObject
{
    Q_OBJECT

    DisplayEnvironment m_env;

private slots:
    void initTestCase()
    {
        KivMetaTypes::registerAll();
        QVERIFY(m_env.start());
    }

    void cleanup()
    {
        NetworkInterfaces::useSystem();
    }

    void startUpReadsTheNetworkBack_data()
    {
        QTest::addColumn<QString>("role");
        QTest::newRow("primary") << "alone";
        QTest::newRow("secondary") << "secondary";
    }

    // A start reads back what the interfaces have and leaves the system's
    // network files and interfaces as they are.
    void startUpReadsTheNetworkBack()
    {
        QFETCH(QString, role);
        TempRoot root;
        root.writeFile("/root/cabinet.hcc", cabinetPersonality(role));
        root.writeFile("/etc/network/interfaces", kInterfaces);
        root.writeFile("/etc/wpa_supplicant.conf", kSupplicant);
        for (const char *tool : {"/sbin/ifdown", "/sbin/ifup", "/sbin/ifconfig", "/usr/sbin/wpa_cli"})
            QVERIFY(root.addFakeTool(tool));
        QVERIFY(root.addFakeTool("/sbin/route", "printf '0.0.0.0 10.0.0.1 0.0.0.0 UG 0 0 0 wlan0\\n'"));
        NetworkInterfaces::useFake({{"wlan0", "AA:BB:CC:00:00:02", {{"10.0.0.9", "255.0.0.0", "10.255.255.255"}}}});
        qputenv("KIV_VCAN_DIR", m_env.newCanBus().toLocal8Bit());

        CabinetManager cabinet(0, 0, nullptr);
        auto *config = cabinet.findChild<ConfigurationManager *>("configManager");
        QVERIFY(config);
        QCOMPARE(root.fakeToolCalls("/sbin/route"), QStringList({"-n", "--", "-n", "--"}));
        QCOMPARE(config->get_wifiIpAddr(), QStringLiteral("10.0.0.9"));
        QCOMPARE(config->get_wifiGateway(), QStringLiteral("10.0.0.1"));
        for (const char *tool : {"/sbin/ifdown", "/sbin/ifup", "/sbin/ifconfig", "/usr/sbin/wpa_cli"})
            QVERIFY2(root.fakeToolCalls(tool).isEmpty(), tool);
        QCOMPARE(root.readFile("/etc/network/interfaces"), kInterfaces);
        QCOMPARE(root.readFile("/etc/wpa_supplicant.conf"), kSupplicant);
        QVERIFY(!QFile::exists(root.filePath("/etc/network/interfaces.bak")));
        QVERIFY(!QFile::exists(root.filePath("/etc/wpa_supplicant.bak")));

        auto *refresh = config->findChild<QTimer *>("networkRefreshTimer");
        QVERIFY(refresh && refresh->isActive());
    }

    // A display fresh from the line, with no personality file, is set up
    // from the stick as the primary display of a two-display cabinet: it
    // keeps one personality file, takes sender id 1 and sends its mirror
    // the mirror's file.
    void usbSetupOfATwoDisplayCabinet()
    {
        TempRoot root;
        QVERIFY(root.addFakeTool("/bin/mount", "echo '/dev/sda1 on /media/sda1 type vfat (rw,relatime)'"));
        root.writeFile("/media/sda1/CustomerLookUp.csv", "Burger Barn,42\n");
        root.writeFile("/media/sda1/Menus/Burger_v3.kiv", "burger menu");
        const QByteArray mirrorFile = "{\"personality\": {\"mirror\": true}}";
        root.writeFile("/media/sda1/Configs/CFG_KV10A3B42C_GM_MIRROR.hcc", mirrorFile);
        root.writeFile("/media/sda1/Configs/CFG_KV10A3B42C_GM_PRIMARY.hcc", "{\"personality\": {}}");
        const QString bus = m_env.newCanBus();
        qputenv("KIV_VCAN_DIR", bus.toLocal8Bit());
        CanTestNode mirror(2);
        QList<QPair<int, QByteArray>> received;
        connect(mirror.manager(), &CanbusManager::receivedFileMpm, mirror.manager(),
                [&](int id) { received << qMakePair(id, mirror.manager()->getMpm(id)); });

        CabinetManager cabinet(0, 0, nullptr);
        QCOMPARE(cabinet.get_uiRole(), 1);
        QVERIFY(!cabinet.get_iAmMaster());
        auto *config = cabinet.findChild<ConfigurationManager *>("configManager");
        auto *can = cabinet.findChild<CanbusManager *>();
        QVERIFY(config && can);
        config->set_modelNumber("KV10A3B42C");
        QSignalSpy complete(config, SIGNAL(eolUsbConfigComplete(QString)));

        QVERIFY(config->setConfigFromUsb(QJsonObject{{"customer", "42"}, {"menu", "Burger"}}));
        QCOMPARE(complete.size(), 1);
        // The menu waits in the update folder; the start-up import takes it
        // (and removes it) once the displays have synchronised.
        QCOMPARE(root.readFile("/root/updates/menu/Burger_v3.kiv"), QByteArray("burger menu"));
        QCOMPARE(QDir(root.filePath("/root")).entryList({"*.hcc"}, QDir::Files),
                 QStringList{"CFG_KV10A3B42C_GM_PRIMARY.hcc"});
        QVERIFY(cabinet.get_iAmMaster());
        QCOMPARE(can->get_canId(), 1u);
        QTRY_VERIFY(can->isRunning());

        QTRY_COMPARE_WITH_TIMEOUT(received.size(), 1, 20000);
        QCOMPARE(received.first().first, int(CanbusManager::KIV_MULTI_FILE_TRANSFER_UI_ID));
        const ClockFileCodec::ReceivedFile file = ClockFileCodec::decodeFile(received.first().second);
        QVERIFY(file.complete);
        QCOMPARE(file.name, QStringLiteral("/media/sda1/Configs/CFG_KV10A3B42C_GM_MIRROR.hcc"));
        QCOMPARE(file.contents, mirrorFile);
    }
};

QTEST_MAIN(TestDisplaySetup)
#include "tst_displaysetup.moc"
