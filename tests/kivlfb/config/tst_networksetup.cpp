#include "config/configurationmanager.h"
#include "config/networksetupcodec.h"
#include "core/kivdefs.h"

#include "platform/networkinterfaces.h"

#include "messagecatcher.h"
#include "storecabinet.h"
#include "temproot.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <sys/stat.h>

namespace {

using Codec = NetworkSetupCodec;
using Interfaces = QList<NetworkInterfaces::Interface>;

const char kRoutes[] =
    "Kernel IP routing table\n"
    "Destination     Gateway         Genmask         Flags Metric Ref    Use Iface\n"
    "0.0.0.0         192.168.1.1     0.0.0.0         UG    0      0        0 eth0\n"
    "0.0.0.0         10.0.0.1        0.0.0.0         UG    10     0        0 wlan0\n"
    "192.168.1.0     0.0.0.0         255.255.255.0   U     0      0        0 eth0\n";

NetworkInterfaces::Interface iface(const QString &name, const QString &mac, const QString &address = QString(),
                                   const QString &netmask = QString(), const QString &broadcast = QString())
{
    NetworkInterfaces::Interface i{name, mac, {}};
    if (!address.isEmpty())
        i.ipv4.append({address, netmask, broadcast});
    return i;
}

// One cell of "/sbin/iwlist wlan0 scan" output.
QByteArray cell(int number, const QByteArray &mac, const QByteArray &essidLine, const QByteArray &signalLine)
{
    return "          Cell " + QByteArray::number(number).rightJustified(2, '0') + " - Address: " + mac + "\n"
           "                    Channel:6\n"
           "                    Frequency:2.437 GHz (Channel 6)\n"
           "                    " + signalLine + "\n"
           "                    Encryption key:on\n"
           "                    " + essidLine + "\n"
           "                    Bit Rates:1 Mb/s; 2 Mb/s; 5.5 Mb/s; 11 Mb/s\n"
           "                    Mode:Master\n"
           "                    IE: Unknown: DD0B0017F20A00010400000000\n";
}

const QByteArray kScanHead = "wlan0     Scan completed :\n";

} // namespace

// The cabinet's network set-up: the generated system files, the tools the
// store runs (fake scripts in the test's root that log their arguments in
// one shared, ordered log), the Wi-Fi scan and the 20 s read-back.
class TestNetworkSetup : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempRoot> m_root;
    std::unique_ptr<StoreCabinet> m_cabinet;

    std::unique_ptr<ConfigurationManager> makeStore()
    {
        return std::make_unique<ConfigurationManager>(nullptr, nullptr, true, 0, m_cabinet.get());
    }

    // A fake tool that logs "<path> <arguments>" and then runs body.
    void addTool(const QString &path, const QByteArray &body = QByteArray())
    {
        const QByteArray log = m_root->filePath("/tools.log").toUtf8();
        QVERIFY(m_root->addFakeTool(path, "echo \"" + path.toUtf8() + " $*\" >> \"" + log + "\"\n" + body));
    }
    void addNetworkTools()
    {
        for (const char *tool : {"/sbin/ifdown", "/sbin/ifup", "/sbin/ifconfig", "/usr/sbin/wpa_cli", "/bin/kill"})
            addTool(QLatin1String(tool));
        addTool("/sbin/route", QByteArray("printf '") + kRoutes + "'");
    }
    QStringList toolLog() const
    {
        return QString::fromUtf8(m_root->readFile("/tools.log")).split('\n', Qt::SkipEmptyParts);
    }
    static int mode(const QString &path)
    {
        struct stat st;
        return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
    }
    // Every tool the store started on its own has ended and been released.
    static bool settled(ConfigurationManager *store)
    {
        return store->findChildren<QProcess *>().isEmpty();
    }

private slots:
    void init()
    {
        m_root = std::make_unique<TempRoot>();
        QVERIFY(m_root->isValid());
        // The board's system directories.
        QVERIFY(QDir().mkpath(m_root->filePath("/etc/network")));
        m_cabinet = std::make_unique<StoreCabinet>();
        NetworkInterfaces::useFake({});
    }

    void cleanup()
    {
        m_cabinet.reset();
        m_root.reset();
        NetworkInterfaces::useSystem();
    }

    // ------------------------------------------------------------------
    // "/etc/network/interfaces"

    void interfacesFile_data()
    {
        QTest::addColumn<bool>("ethEnabled");
        QTest::addColumn<bool>("ethStatic");
        QTest::addColumn<bool>("wifiEnabled");
        QTest::addColumn<bool>("wifiStatic");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("Ethernet disabled and static, Wi-Fi static")
            << false << true << true << true
            << QByteArray("auto lo\niface lo inet loopback\n\n"
                          "#auto eth0 \n#iface eth0 inet static \n#    address 192.168.1.100 \n"
                          "#    netmask 255.255.255.0 \n#    gateway 192.168.1.1 \n"
                          "\n"
                          "auto wlan0 \niface wlan0 inet static \n    address 10.0.0.9 \n"
                          "    netmask 255.0.0.0 \n    gateway 10.0.0.1 \n");
        QTest::newRow("Ethernet by DHCP, Wi-Fi disabled")
            << true << false << false << false
            << QByteArray("auto lo\niface lo inet loopback\n\n"
                          "auto eth0 \niface eth0 inet dhcp\n"
                          "\n"
                          "#auto wlan0 \n#iface wlan0 inet dhcp\n");
    }

    // The file the store writes, byte for byte, after keeping the old one
    // as ".bak"; the interfaces are taken down first and brought up after.
    void interfacesFile()
    {
        QFETCH(bool, ethEnabled);
        QFETCH(bool, ethStatic);
        QFETCH(bool, wifiEnabled);
        QFETCH(bool, wifiStatic);
        QFETCH(QByteArray, expected);
        addNetworkTools();
        m_root->writeFile("/etc/network/interfaces", "the old file\n");

        auto store = makeStore();
        store->set_ethEnabled(ethEnabled);
        store->set_staticIPEnabled(ethStatic);
        store->set_ipAddress("192.168.1.100");
        store->set_netmask("255.255.255.0");
        store->set_gateway("192.168.1.1");
        store->set_wifiEnabled(wifiEnabled);
        store->set_wifiStaticIp(wifiStatic);
        store->set_wifiIpAddr("10.0.0.9");
        store->set_wifiNetmask("255.0.0.0");
        store->set_wifiGateway("10.0.0.1");
        store->reconfigureNetworkDevices();

        QCOMPARE(m_root->readFile("/etc/network/interfaces"), expected);
        QCOMPARE(m_root->readFile("/etc/network/interfaces.bak"), QByteArray("the old file\n"));
        QVERIFY(!QFile::exists(m_root->filePath("/etc/network/interfaces.New")));

        const QString up = ethEnabled ? "/sbin/ifup eth0" : "/sbin/ifup wlan0";
        QTRY_VERIFY(toolLog().contains(up));
        QTRY_VERIFY(settled(store.get()));
        QCOMPARE(toolLog().mid(0, 5), QStringList({"/sbin/ifdown eth0", "/sbin/ifconfig eth0 0.0.0.0",
                                                   "/sbin/ifdown wlan0", "/sbin/ifconfig wlan0 0.0.0.0",
                                                   "/usr/sbin/wpa_cli reconfigure"}));
        QCOMPARE(toolLog().filter("/sbin/ifup").size(), 1);
    }

    // Addresses come from parsed settings; the text maker still refuses a
    // value that would split a line into more tokens or lines.
    void interfacesFileRefusesBlanks()
    {
        Codec::InterfaceBlock ethernet{"eth0", true, true, "192.168.1.5", "255.255.255.0", "192.168.1.1"};
        Codec::InterfaceBlock wifi{"wlan0", true, true, "10.0.0.9", "255.0.0.0", "10.0.0.1\n    up reboot"};
        QString refused;
        QVERIFY(Codec::interfacesFile(ethernet, wifi, &refused).isEmpty());
        QCOMPARE(refused, QStringLiteral("Wi-Fi gateway"));
        wifi.gateway = "10.0.0.1";
        ethernet.address = "192.168.1.5 extra";
        QVERIFY(Codec::interfacesFile(ethernet, wifi, &refused).isEmpty());
        QCOMPARE(refused, QStringLiteral("Ethernet address"));
    }

    // ------------------------------------------------------------------
    // "/etc/wpa_supplicant.conf"

    void supplicantFile_data()
    {
        QTest::addColumn<bool>("enterprise");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray personalHead = "ctrl_interface=/var/run/wpa_supplicant\nctrl_interface_group=0\n"
                                        "eapol_version=1\nap_scan=1\nfast_reauth=1\n\ncountry=US\n\n";
        QTest::newRow("enterprise")
            << true << "s3cret"
            << QByteArray("ctrl_interface=/var/run/wpa_supplicant\nctrl_interface_group=0\n"
                          "update_config=1\nap_scan=1\nnetwork={\n  ssid=\"Corp\"\n  scan_ssid=1\n"
                          "  key_mgmt=WPA-EAP\n  identity=\"cook@site\"\n  password=\"s3cret\"\n  eap=PEAP\n"
                          "  phase1=\"peaplabel=0\"\n  phase2=\"auth=MSCHAPV2\"\n  proto=RSN\n}\n");
        QTest::newRow("open") << false << ""
                              << personalHead
                + "network={\n  ssid=\"Corp\"\n  scan_ssid=1\n  key_mgmt=NONE\n}\n";
        QTest::newRow("pre-shared key")
            << false << "s3cret"
            << personalHead
                + "network={\n  ssid=\"Corp\"\n  scan_ssid=1\n  psk=\"s3cret\"\n  proto=RSN\n"
                  "  key_mgmt=WPA-PSK\n}\n";
    }

    void supplicantFile()
    {
        QFETCH(bool, enterprise);
        QFETCH(QString, password);
        QFETCH(QByteArray, expected);
        addNetworkTools();
        m_root->writeFile("/etc/wpa_supplicant.conf", "old supplicant\n");

        auto store = makeStore();
        store->set_wpaEnabled(enterprise);
        store->set_wifiSSID("Corp");
        store->set_wifiIdentity("cook@site");
        store->set_wifiPassword(password);
        MessageCatcher log;
        store->wpaSupplicantUpdate();

        QCOMPARE(m_root->readFile("/etc/wpa_supplicant.conf"), expected);
        QCOMPARE(m_root->readFile("/etc/wpa_supplicant.bak"), QByteArray("old supplicant\n"));
        QCOMPARE(toolLog(), QStringList{"/usr/sbin/wpa_cli reconfigure"});
        // The enterprise file is logged, its password is not.
        QCOMPARE(log.contains("Sublicant file ="), enterprise);
        QVERIFY(!log.contains("s3cret"));
    }

    // A fresh supplicant's file is readable by its owner only: it holds the
    // pass phrase. A replaced one keeps the access it had.
    void supplicantFileKeepsThePassPhrasePrivate()
    {
        addNetworkTools();
        auto store = makeStore();
        store->set_wifiSSID("Corp");
        store->set_wifiPassword("s3cret");
        store->wpaSupplicantUpdate();
        const QString path = m_root->filePath("/etc/wpa_supplicant.conf");
        QCOMPARE(mode(path), 0600);

        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0640) == 0);
        store->set_wifiPassword("n3w-secret");
        store->wpaSupplicantUpdate();
        QCOMPARE(mode(path), 0640);
        QVERIFY(m_root->readFile("/etc/wpa_supplicant.conf").contains("psk=\"n3w-secret\""));
    }

    void unsafeWifiValues_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("refused");
        QTest::newRow("line feed in the SSID") << "ssid" << "Kitchen\"\n}\nnetwork={\n  ssid=\"Evil" << "SSID";
        QTest::newRow("carriage return in the password") << "password" << "pass\rword" << "password";
        QTest::newRow("NUL in the identity") << "identity" << QString("cook").append(QChar(0)).append("x")
                                             << "identity";
        QTest::newRow("escape in the SSID") << "ssid" << "Corp\x1b[2J" << "SSID";
    }

    // A value that could end its quoted line early is refused: no text is
    // made, the file keeps its previous content, and the supplicant is
    // still told to reconfigure.
    void unsafeWifiValues()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, refused);

        Codec::WifiSettings settings{true, "Corp", "s3cret", "cook"};
        (field == "ssid" ? settings.ssid : field == "password" ? settings.password : settings.identity) = value;
        QString named;
        QVERIFY(Codec::wpaSupplicantFile(settings, &named).isEmpty());
        QCOMPARE(named, refused);

        addNetworkTools();
        auto store = makeStore();
        store->set_wpaEnabled(true);
        store->set_wifiSSID("Corp");
        store->set_wifiPassword("s3cret");
        store->set_wifiIdentity("cook");
        store->wpaSupplicantUpdate();
        const QByteArray before = m_root->readFile("/etc/wpa_supplicant.conf");
        QVERIFY(before.contains("  identity=\"cook\"\n"));

        QVERIFY(store->setProperty(field == "ssid" ? "wifiSSID" : field == "password" ? "wifiPassword" : "wifiIdentity",
                                   value));
        store->wpaSupplicantUpdate();
        QCOMPARE(m_root->readFile("/etc/wpa_supplicant.conf"), before);
        QCOMPARE(toolLog(), QStringList({"/usr/sbin/wpa_cli reconfigure", "/usr/sbin/wpa_cli reconfigure"}));
    }

    // Quotes, "#" and "=" are ordinary characters inside a quoted value:
    // the supplicant takes a string to its last quote and strips comments
    // only after it.
    void printableValuesAreWrittenAsTheyAre()
    {
        Codec::WifiSettings settings{false, "Joe's \"Caf\u00e9\" #2", "p=\"w#d\"", ""};
        const QByteArray text = Codec::wpaSupplicantFile(settings);
        QVERIFY(text.contains("  ssid=\"Joe's \"Caf\xc3\xa9\" #2\"\n"));
        QVERIFY(text.contains("  psk=\"p=\"w#d\"\"\n"));
        QCOMPARE(text.count('\n'), 15);
    }

    // ------------------------------------------------------------------
    // Credential drop files

    void credentials_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("hasSsid");
        QTest::addColumn<QString>("ssid");
        QTest::addColumn<bool>("hasPassword");
        QTest::addColumn<QString>("password");
        QTest::newRow("supplicant block") << QByteArray("ctrl_interface=/var/run/wpa_supplicant\nnetwork={\n"
                                                        "\tssid=\"Store 12\"\n\tpsk=\"pa55word\"\n}\n")
                                          << true << "Store 12" << true << "pa55word";
        QTest::newRow("two equals signs are ignored")
            << QByteArray("ssid=\"Corp\"\npsk=\"a=b\"\n") << true << "Corp" << false << "";
        QTest::newRow("Windows line ends") << QByteArray("ssid=\"Corp\"\r\npsk=\"pw\"\r\n") << true << "Corp"
                                           << true << "pw";
        QTest::newRow("other keys only") << QByteArray("key_mgmt=NONE\n# ssid=\"x\"\n") << false << "" << false
                                         << "";
    }

    void credentials()
    {
        QFETCH(QByteArray, file);
        const Codec::Credentials c = Codec::readCredentials(file);
        QTEST(c.hasSsid, "hasSsid");
        QTEST(c.ssid, "ssid");
        QTEST(c.hasPassword, "hasPassword");
        QTEST(c.password, "password");
    }

    // The RIoT mode takes its credentials from the drop file, forgets the
    // old agent credentials, saves and rewrites the network.
    void riotWifiConnection()
    {
        addNetworkTools();
        m_root->writeFile("/creds.cfg", "old agent credentials");
        m_root->writeFile("/root/updates/wpa_supplicant.conf",
                          "network={\n\tssid=\"Store 12\"\n\tpsk=\"pa55word\"\n\tkey_mgmt=WPA-PSK\n}\n");
        auto store = makeStore();
        store->set_wifiStaticIp(true);
        store->set_wifiEnabled(false);
        store->set_ethEnabled(true);
        QSignalSpy refreshed(store.get(), SIGNAL(networkInfoRefreshed()));

        store->initializeRiotWifiConnection();
        QVERIFY(!QFile::exists(m_root->filePath("/creds.cfg")));
        QCOMPARE(store->get_wifiSSID(), QStringLiteral("Store 12"));
        QCOMPARE(store->get_wifiPassword(), QStringLiteral("pa55word"));
        QVERIFY(!store->get_wifiStaticIp());
        QVERIFY(store->get_wifiEnabled());
        QVERIFY(!store->get_ethEnabled());
        QVERIFY(refreshed.size() >= 1);
        QVERIFY(m_root->readFile("/root/config.txt").contains("\nwifiSSID=Store 12\n"));
        QVERIFY(m_root->readFile("/etc/wpa_supplicant.conf").contains("  psk=\"pa55word\"\n"));
        QVERIFY(m_root->readFile("/etc/network/interfaces").contains("\nauto wlan0 \niface wlan0 inet dhcp\n"));
        QTRY_VERIFY(settled(store.get()));
    }

    // Without the drop file the settings stay, and the network is still
    // saved and rewritten.
    void riotWifiConnectionWithoutDropFile()
    {
        addNetworkTools();
        auto store = makeStore();
        store->set_wifiSSID("Corp");
        store->set_ethEnabled(true);
        store->initializeRiotWifiConnection();
        QCOMPARE(store->get_wifiSSID(), QStringLiteral("Corp"));
        QVERIFY(store->get_ethEnabled());
        QVERIFY(toolLog().contains("/usr/sbin/wpa_cli reconfigure"));
        QVERIFY(m_root->readFile("/root/config.txt").contains("\nwifiSSID=Corp\n"));
        QTRY_VERIFY(settled(store.get()));
    }

    void defaultNetwork_data()
    {
        QTest::addColumn<int>("customer");
        QTest::addColumn<QStringList>("certsLeft");
        QTest::newRow("RIVEV") << int(KivDefs::CUSTOMER_ID_RIVEV) << QStringList{"ca.pem", "mydevice_x.pem"};
        QTest::newRow("GM") << int(KivDefs::CUSTOMER_ID_GM)
                            << QStringList{"DEVICE_key.pem", "ca.pem", "device_cert.pem", "mydevice_x.pem"};
    }

    // The default network: the device certificates go (one customer's
    // only), the default credentials come in; the agent credentials stay.
    void defaultNetwork()
    {
        QFETCH(int, customer);
        QFETCH(QStringList, certsLeft);
        addNetworkTools();
        m_cabinet->customerId = customer;
        for (const char *cert : {"device_cert.pem", "DEVICE_key.pem", "ca.pem", "mydevice_x.pem"})
            m_root->writeFile(QStringLiteral("/root/certs/") + cert, "cert");
        m_root->writeFile("/creds.cfg", "agent");
        m_root->writeFile("/root/updates/defaultNetwork.txt", "ssid=\"Default\"\npsk=\"defaultpw\"\n");
        auto store = makeStore();
        store->resetToDefaultNetwork();

        QCOMPARE(QDir(m_root->filePath("/root/certs")).entryList(QDir::Files, QDir::Name), certsLeft);
        QVERIFY(QFile::exists(m_root->filePath("/creds.cfg")));
        QCOMPARE(store->get_wifiSSID(), QStringLiteral("Default"));
        QCOMPARE(store->get_wifiPassword(), QStringLiteral("defaultpw"));
        QTRY_VERIFY(settled(store.get()));
    }

    // ------------------------------------------------------------------
    // Reading back what the system gave the interfaces

    void defaultGateway_data()
    {
        QTest::addColumn<QString>("interface");
        QTest::addColumn<QString>("gateway");
        QTest::newRow("eth0") << "eth0" << "192.168.1.1";
        QTest::newRow("wlan0") << "wlan0" << "10.0.0.1";
        QTest::newRow("no default route") << "usb0" << "";
        QTest::newRow("no interface") << "" << "";
    }

    void defaultGateway()
    {
        QFETCH(QString, interface);
        QTEST(Codec::defaultGateway(kRoutes, interface), "gateway");
    }

    void readBack()
    {
        addNetworkTools();
        NetworkInterfaces::useFake({iface("lo", "00:00:00:00:00:00", "127.0.0.1", "255.0.0.0"),
                                    iface("eth0", "AA:BB:CC:00:00:01", "192.168.1.20", "255.255.255.0",
                                          "192.168.1.255"),
                                    iface("wlan0", "AA:BB:CC:00:00:02", "10.0.0.9", "255.0.0.0",
                                          "10.255.255.255")});
        auto store = makeStore();
        QSignalSpy refreshed(store.get(), SIGNAL(networkInfoRefreshed()));

        store->reLoadNetworkDeviceConfig();
        QCOMPARE(refreshed.size(), 2);
        QCOMPARE(store->get_interfaceName(), QStringLiteral("eth0"));
        QCOMPARE(store->get_ipAddress(), QStringLiteral("192.168.1.20"));
        QCOMPARE(store->get_netmask(), QStringLiteral("255.255.255.0"));
        QCOMPARE(store->get_gateway(), QStringLiteral("192.168.1.1"));
        QCOMPARE(store->get_ethBroadcast(), QStringLiteral("192.168.1.255"));
        QCOMPARE(store->get_wifiInterfaceName(), QStringLiteral("wlan0"));
        QCOMPARE(store->get_wifiIpAddr(), QStringLiteral("10.0.0.9"));
        QCOMPARE(store->get_wifiNetmask(), QStringLiteral("255.0.0.0"));
        QCOMPARE(store->get_wifiGateway(), QStringLiteral("10.0.0.1"));
        QCOMPARE(store->get_wifiBroadcast(), QStringLiteral("10.255.255.255"));
        // The interface read last gives the hardware address.
        QCOMPARE(store->get_macAddress(), QStringLiteral("AA:BB:CC:00:00:02"));
        QCOMPARE(toolLog(), QStringList({"/sbin/route -n", "/sbin/route -n"}));

        // The Ethernet part alone: no broadcast, no signal.
        store->set_ethBroadcast("");
        store->loadSystemNetworkConfig();
        QCOMPARE(refreshed.size(), 2);
        QCOMPARE(store->get_macAddress(), QStringLiteral("AA:BB:CC:00:00:01"));
        QCOMPARE(store->get_ethBroadcast(), QString());

        // An interface that lost its address reads back empty.
        NetworkInterfaces::useFake({iface("eth0", "AA:BB:CC:00:00:01")});
        store->loadNetworkDeviceConfig(ConfigurationManager::NETWORK_MODE_ETH);
        QCOMPARE(store->get_ipAddress(), QString());
        QCOMPARE(store->get_ethBroadcast(), QString());
        QCOMPARE(store->get_gateway(), QStringLiteral("192.168.1.1"));
    }

    // The first refresh that finds Wi-Fi enabled without an address
    // restarts it, and so does every later one until it has one; after an
    // address the count starts again from nothing.
    void wifiWithoutAddressIsRestarted()
    {
        addNetworkTools();
        NetworkInterfaces::useFake({iface("wlan0", "AA:BB:CC:00:00:02")});
        auto store = makeStore();
        auto *timer = store->findChild<QTimer *>("networkRefreshTimer");
        QVERIFY(timer);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 20000);
        const auto restarts = [this] { return toolLog().filter("/sbin/ifdown wlan0").size(); };

        store->reLoadNetworkDeviceConfig();
        QCOMPARE(restarts(), 1);
        QCOMPARE(toolLog().mid(2, 3), QStringList({"/sbin/ifdown wlan0", "/sbin/ifconfig wlan0 0.0.0.0",
                                                   "/usr/sbin/wpa_cli reconfigure"}));
        QTRY_VERIFY(toolLog().contains("/sbin/ifup wlan0"));
        store->reLoadNetworkDeviceConfig();
        QCOMPARE(restarts(), 2);

        NetworkInterfaces::useFake({iface("wlan0", "AA:BB:CC:00:00:02", "10.0.0.9", "255.0.0.0")});
        store->reLoadNetworkDeviceConfig();
        QCOMPARE(restarts(), 2);

        NetworkInterfaces::useFake({iface("wlan0", "AA:BB:CC:00:00:02")});
        for (int refresh = 1; refresh <= 10; ++refresh)
            store->reLoadNetworkDeviceConfig();
        QCOMPARE(restarts(), 2);
        store->reLoadNetworkDeviceConfig();
        QCOMPARE(restarts(), 3);
        QTRY_VERIFY(settled(store.get()));
    }

    void wifiLeftAlone_data()
    {
        QTest::addColumn<QString>("iotType");
        QTest::addColumn<bool>("wifiEnabled");
        QTest::newRow("RIoT looks after Wi-Fi") << "DEZ_RIOT" << true;
        QTest::newRow("Wi-Fi disabled") << "DEZ_ORAAWS" << false;
    }

    void wifiLeftAlone()
    {
        QFETCH(QString, iotType);
        QFETCH(bool, wifiEnabled);
        addNetworkTools();
        NetworkInterfaces::useFake({iface("wlan0", "AA:BB:CC:00:00:02")});
        auto store = makeStore();
        store->set_iotType(iotType);
        store->set_wifiEnabled(wifiEnabled);
        for (int refresh = 0; refresh < 3; ++refresh)
            store->reLoadNetworkDeviceConfig();
        QCOMPARE(toolLog(), QStringList() << "/sbin/route -n" << "/sbin/route -n" << "/sbin/route -n"
                                          << "/sbin/route -n" << "/sbin/route -n" << "/sbin/route -n");
    }

    // ------------------------------------------------------------------
    // Applying the Ethernet address at once

    void dhcpRenewal_data()
    {
        QTest::addColumn<QByteArray>("pidFile");
        QTest::addColumn<QStringList>("tools");
        QTest::newRow("client's pid") << QByteArray("1234\n") << QStringList{"/bin/kill -SIGUSR1 1234"};
        QTest::newRow("every process") << QByteArray("-1\n") << QStringList();
        QTest::newRow("process group") << QByteArray("0") << QStringList();
        QTest::newRow("init") << QByteArray("1") << QStringList();
        QTest::newRow("not a number") << QByteArray("abc\n") << QStringList();
        QTest::newRow("empty") << QByteArray() << QStringList();
        QTest::newRow("an option") << QByteArray("-9 1") << QStringList();
    }

    // Only a parsed id of one real process is signalled.
    void dhcpRenewal()
    {
        QFETCH(QByteArray, pidFile);
        QFETCH(QStringList, tools);
        addNetworkTools();
        m_root->writeFile("/var/run/udhcpc.eth0.pid", pidFile);
        auto store = makeStore();
        store->set_interfaceName("eth0");
        QSignalSpy reconfigure(store.get(), SIGNAL(requestNmReconfigure()));
        MessageCatcher log;
        store->reconfigureNetwork(false);
        QCOMPARE(reconfigure.size(), 1);
        QCOMPARE(toolLog(), tools);
        QCOMPARE(log.contains("names no DHCP client"), tools.isEmpty());
    }

    void ethernetAddressAtOnce()
    {
        addNetworkTools();
        auto store = makeStore();
        store->set_interfaceName("eth0");
        store->set_ipAddress("192.168.7.20");
        store->set_netmask("255.255.255.0");
        store->set_gateway("192.168.7.1");
        store->processIPConfigChange(true);
        QCOMPARE(toolLog(), QStringList({"/sbin/ifconfig eth0 192.168.7.20 netmask 255.255.255.0",
                                         "/sbin/route add default gw 192.168.7.1 eth0"}));

        MessageCatcher log;
        store->reconfigureNetwork(false);
        QVERIFY(log.contains("Unable to open udhcpc PID file"));
        QCOMPARE(toolLog().size(), 2);
    }

    // ------------------------------------------------------------------
    // Restarting Wi-Fi

    void wifiServiceRestart_data()
    {
        QTest::addColumn<QByteArray>("wlanBody");
        QTest::addColumn<QByteArray>("networkBody");
        QTest::addColumn<QStringList>("tools");
        const QStringList all = {"/etc/init.d/S39wlan stop", "/etc/init.d/S45network stop",
                                 "/etc/init.d/S39wlan start", "/etc/init.d/S45network start"};
        QTest::newRow("every step") << QByteArray() << QByteArray() << all;
        QTest::newRow("exit codes play no part") << QByteArray("exit 3") << QByteArray("exit 1") << all;
        QTest::newRow("a crash ends the chain")
            << QByteArray() << QByteArray("[ \"$1\" = stop ] && kill -KILL $$") << QStringList(all.mid(0, 2));
    }

    void wifiServiceRestart()
    {
        QFETCH(QByteArray, wlanBody);
        QFETCH(QByteArray, networkBody);
        QFETCH(QStringList, tools);
        addTool("/etc/init.d/S39wlan", wlanBody);
        addTool("/etc/init.d/S45network", networkBody);
        auto store = makeStore();
        store->restartWifiNetwork();
        QVERIFY(store->findChild<QProcess *>("S39wlanStop"));
        QTRY_VERIFY(settled(store.get()));
        QCOMPARE(toolLog(), tools);
    }

    void wifiServiceRestartWithoutTheScript()
    {
        addTool("/etc/init.d/S45network");
        auto store = makeStore();
        store->restartWifiNetwork();
        QTRY_VERIFY(settled(store.get()));
        QCOMPARE(toolLog(), QStringList());
    }

    // Down, reconfigure, and 15 s later up, each logged with its output.
    void riotWifiRestart()
    {
        addTool("/sbin/ifdown", "echo down-out; echo down-err >&2");
        addTool("/usr/sbin/wpa_cli", "echo OK");
        addTool("/sbin/ifup", "echo up-out");
        auto store = makeStore();
        MessageCatcher log;
        store->restartWifiNetworkRIoT();

        QTimer *delay = nullptr;
        QTRY_VERIFY((delay = store->findChild<QTimer *>("riotIfupDelay")));
        QVERIFY(delay->isActive());
        QCOMPARE(delay->interval(), 15000);
        QCOMPARE(toolLog(), QStringList({"/sbin/ifdown wlan0", "/usr/sbin/wpa_cli -i wlan0 reconfigure"}));
        QVERIFY(log.contains("/sbin/ifdown wlan0 ==> down-out\ndown-err"));
        QVERIFY(log.contains("/usr/sbin/wpa_cli -i wlan0 reconfigure ==> OK"));

        delay->start(0);
        QTRY_VERIFY(log.contains("/sbin/ifup wlan0 ==> up-out"));
        QCOMPARE(toolLog().last(), QStringLiteral("/sbin/ifup wlan0"));
        QTRY_VERIFY(settled(store.get()));
        QVERIFY(!store->findChild<QTimer *>("riotIfupDelay"));
    }

    void riotWifiRestartStopsAtACrash()
    {
        addTool("/sbin/ifdown", "kill -KILL $$");
        addTool("/usr/sbin/wpa_cli");
        auto store = makeStore();
        store->restartWifiNetworkRIoT();
        QTRY_VERIFY(settled(store.get()));
        QCOMPARE(toolLog(), QStringList{"/sbin/ifdown wlan0"});
        QVERIFY(!store->findChild<QTimer *>("riotIfupDelay"));
    }

    // ------------------------------------------------------------------
    // Scanning

    void scanCell_data()
    {
        QTest::addColumn<QByteArray>("essidLine");
        QTest::addColumn<QByteArray>("signalLine");
        QTest::addColumn<QString>("ssid");
        QTest::addColumn<QString>("signalLevel");
        QTest::newRow("-60 dBm") << QByteArray("ESSID:\"Kitchen\"") << QByteArray("Quality=50/70  Signal level=-60 dBm")
                                 << "Kitchen" << "80/100";
        QTest::newRow("-30 dBm") << QByteArray("ESSID:\"Kitchen\"") << QByteArray("Quality=70/70  Signal level=-30 dBm")
                                 << "Kitchen" << "100/100";
        QTest::newRow("-50 dBm") << QByteArray("ESSID:\"Kitchen\"") << QByteArray("Signal level=-50 dBm")
                                 << "Kitchen" << "100/100";
        QTest::newRow("-95 dBm") << QByteArray("ESSID:\"Kitchen\"") << QByteArray("Signal level=-95 dBm")
                                 << "Kitchen" << "10/100";
        QTest::newRow("-96 dBm") << QByteArray("ESSID:\"Kitchen\"") << QByteArray("Quality=0/70  Signal level=-96 dBm")
                                 << "Kitchen" << "0/100";
        QTest::newRow("n/m unchanged") << QByteArray("ESSID:\"Kitchen\"") << QByteArray("Quality:45/100  Signal level=45/100")
                                       << "Kitchen" << "45/100";
        QTest::newRow("hidden") << QByteArray("ESSID:\"\"") << QByteArray("Signal level=-60 dBm") << "--hidden--"
                                << "80/100";
        QTest::newRow("quotes in the name")
            << QByteArray("ESSID:\"Joe's \"Best\" Wi-Fi\"\n                    Extra:\"later line\"")
            << QByteArray("Signal level=-60 dBm") << "Joe's \"Best\" Wi-Fi" << "80/100";
    }

    void scanCell()
    {
        QFETCH(QByteArray, essidLine);
        QFETCH(QByteArray, signalLine);
        const QString text = Codec::scanResults(kScanHead + cell(7, "00:1A:2B:3C:4D:5E", essidLine, signalLine));
        const QJsonArray list = QJsonDocument::fromJson(text.toUtf8()).array();
        QCOMPARE(list.size(), 1);
        const QJsonObject entry = list.first().toObject();
        QCOMPARE(entry.value("cell"), QJsonValue(7));
        QCOMPARE(entry.value("macAddr").toString(), QStringLiteral("00:1A:2B:3C:4D:5E"));
        QTEST(entry.value("ssid").toString(), "ssid");
        QTEST(entry.value("signalLevel").toString(), "signalLevel");
        QCOMPARE(entry.value("freq").toString(), QStringLiteral("2.437"));
        QCOMPARE(entry.value("chan").toString(), QStringLiteral("6"));
        QCOMPARE(entry.keys().size(), 6);
    }

    // One entry per SSID, the strongest cell of it, in the place of its
    // first cell; the text is indented JSON.
    void scanKeepsTheStrongestCellPerName()
    {
        const QByteArray output = kScanHead
            + cell(1, "00:00:00:00:00:01", "ESSID:\"Kitchen\"", "Signal level=-70 dBm")
            + cell(2, "00:00:00:00:00:02", "ESSID:\"Office\"", "Signal level=40/100")
            + cell(3, "00:00:00:00:00:03", "ESSID:\"Kitchen\"", "Signal level=-60 dBm")
            + cell(4, "00:00:00:00:00:04", "ESSID:\"Kitchen\"", "Signal level=-80 dBm");
        const QString expected = "[\n"
                                 "    {\n"
                                 "        \"cell\": 3,\n"
                                 "        \"chan\": \"6\",\n"
                                 "        \"freq\": \"2.437\",\n"
                                 "        \"macAddr\": \"00:00:00:00:00:03\",\n"
                                 "        \"signalLevel\": \"80/100\",\n"
                                 "        \"ssid\": \"Kitchen\"\n"
                                 "    },\n"
                                 "    {\n"
                                 "        \"cell\": 2,\n"
                                 "        \"chan\": \"6\",\n"
                                 "        \"freq\": \"2.437\",\n"
                                 "        \"macAddr\": \"00:00:00:00:00:02\",\n"
                                 "        \"signalLevel\": \"40/100\",\n"
                                 "        \"ssid\": \"Office\"\n"
                                 "    }\n"
                                 "]\n";
        QCOMPARE(Codec::scanResults(output), expected);
        QCOMPARE(Codec::scanResults("wlan0     No scan results\n"), QString());
    }

    // The scan runs as its own process; a scan that finds nothing leaves
    // the last list.
    void scanThroughTheStore()
    {
        m_root->writeFile("/scan.txt", kScanHead + cell(1, "00:00:00:00:00:01", "ESSID:\"Kitchen\"",
                                                        "Signal level=-60 dBm"));
        addTool("/sbin/iwlist", "cat \"" + m_root->filePath("/scan.txt").toUtf8() + "\"");
        auto store = makeStore();
        QSignalSpy changed(store.get(), SIGNAL(wifiScanStringChanged(QString)));
        store->scanWifi();
        QVERIFY(store->findChild<QProcess *>("wlan0Scan"));
        QVERIFY(changed.wait());
        QCOMPARE(toolLog(), QStringList{"/sbin/iwlist wlan0 scan"});
        const QString found = store->get_wifiScanString();
        QCOMPARE(QJsonDocument::fromJson(found.toUtf8()).array().first().toObject().value("ssid").toString(),
                 QStringLiteral("Kitchen"));

        m_root->writeFile("/scan.txt", "wlan0     No scan results\n");
        store->scanWifi();
        QTRY_VERIFY(settled(store.get()));
        QCOMPARE(toolLog().size(), 2);
        QCOMPARE(store->get_wifiScanString(), found);
        QCOMPARE(changed.size(), 1);
    }
};

QTEST_MAIN(TestNetworkSetup)
#include "tst_networksetup.moc"
