#include "config/configurationmanager.h"
#include "network/networkhost.h"
#include "network/systemnetworkmanager.h"
#include "network/wifiworker.h"
#include "platform/kivclock.h"
#include "platform/networkinterfaces.h"

#include "machinestates.h"
#include "temproot.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QString kNmcli = QStringLiteral("/usr/bin/nmcli");
const QString kDhclient = QStringLiteral("/sbin/dhclient");

// The fake network tool answers each command from its own file, so a test
// can change what the next run says.
const QByteArray kNmcliBody = "{ for a in \"$@\"; do printf '%s\\n' \"$a\"; done; echo '#end'; } >> \"$0.argv\"\n"
                              "case \"$*\" in\n"
                              "  *--active*) cat \"$0.active\" ;;\n"
                              "  *--show-secrets*) cat \"$0.info\" ;;\n"
                              "  *'wifi list'*) cat \"$0.scan\" ;;\n"
                              "  *uuid*) cat \"$0.uuids\" ;;\n"
                              "esac\n";

const QByteArray kManualInfo = "GENERAL.NAME:Office\n"
                               "802-11-wireless-security.psk:se cret\n"
                               "ipv4.method:manual\n"
                               "ipv4.addresses:192.168.5.20/24\n"
                               "ipv4.gateway:192.168.5.1\n";

class Role : public NetworkHost
{
public:
    explicit Role(bool master) : m_master(master) {}
    bool iAmMaster() const override { return m_master; }
    bool m_master;
};

// The argument lists the fake network tool was called with, in order.
QList<QStringList> nmcliCalls(const TempRoot &root)
{
    QList<QStringList> calls;
    QStringList current;
    for (const QString &line : QString::fromUtf8(root.readFile(kNmcli + QStringLiteral(".argv"))).split(QLatin1Char('\n'))) {
        if (line == QLatin1String("#end")) {
            calls.append(current);
            current.clear();
        } else {
            current.append(line);
        }
    }
    return calls;
}

} // namespace

class TestSystemNetworkManager : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempRoot> m_root;
    std::unique_ptr<ConfigurationManager> m_config;

    void say(const char *what, const QByteArray &output)
    {
        QVERIFY(m_root->writeFile(kNmcli + QLatin1Char('.') + QLatin1String(what), output));
    }

    std::unique_ptr<SystemNetworkManager> startManager(bool master)
    {
        auto snm = std::make_unique<SystemNetworkManager>(nullptr, std::make_unique<Role>(master));
        snm->set_configManager(m_config.get());
        snm->start();
        return snm;
    }

    static bool inState(const SystemNetworkManager &snm, const char *name)
    {
        return activeStateNames(snm).contains(QLatin1String(name));
    }

private slots:
    void init()
    {
        m_root = std::make_unique<TempRoot>();
        KivClock::freezeAt(QDateTime(QDate(2024, 5, 17), QTime(9, 30, 5)).toMSecsSinceEpoch());
        QVERIFY(m_root->addFakeTool(kNmcli, kNmcliBody));
        QVERIFY(m_root->addFakeTool(kDhclient));
        for (const char *f : {"active", "info", "scan", "uuids"})
            say(f, QByteArray());
        NetworkInterfaces::useFake({{QStringLiteral("wlan0"), QStringLiteral("00:11:22:33:44:55"), {}}});
        m_config = std::make_unique<ConfigurationManager>(nullptr, nullptr, true, 0, nullptr);
    }

    void cleanup()
    {
        m_config.reset();
        NetworkInterfaces::useSystem();
        m_root.reset();
        KivClock::useSystemClock();
    }

    void settingsRead_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("ip");
        QTest::addColumn<QString>("netmask");
        QTest::addColumn<QString>("broadcast");
        QTest::addColumn<QString>("gateway");
        QTest::addColumn<bool>("dhcp");

        QTest::newRow("manual /24") << QString::fromUtf8(kManualInfo) << "192.168.5.20" << "255.255.255.0"
                                    << "192.168.5.255" << "192.168.5.1" << false;
        QTest::newRow("manual /16") << "GENERAL.NAME:Office\nipv4.method:manual\nipv4.addresses:192.168.5.20/16\n"
                                    << "192.168.5.20" << "255.255.0.0" << "192.168.255.255" << "" << false;
        QTest::newRow("manual /32") << "GENERAL.NAME:Office\nipv4.method:manual\nipv4.addresses:10.0.0.7/32\n"
                                    << "10.0.0.7" << "255.255.255.255" << "10.0.0.7" << "" << false;
        QTest::newRow("three numbers") << "GENERAL.NAME:Office\nipv4.method:manual\nipv4.addresses:192.168.5/24\n"
                                       << "" << "" << "" << "" << false;
        QTest::newRow("dhcp lease") << "GENERAL.NAME:Office\nipv4.method:auto\n"
                                       "DHCP4.OPTION[1]:requested_subnet_mask = 1\n"
                                       "DHCP4.OPTION[2]:ip_address = 10.1.2.3\n"
                                       "DHCP4.OPTION[3]:routers = 10.1.2.1\n"
                                       "DHCP4.OPTION[4]:broadcast_address = 10.1.2.255\n"
                                    << "10.1.2.3" << "" << "10.1.2.255" << "10.1.2.1" << true;
        QTest::newRow("dhcp netmask") << "GENERAL.NAME:Office\nDHCP4.OPTION[5]:subnet_mask = 255.255.254.0\n"
                                      << "" << "255.255.254.0" << "" << "" << true;
    }

    void settingsRead()
    {
        QFETCH(QString, output);
        const WifiWorker::WifiSettings s = WifiWorker::parseWifiSettings(output);
        QVERIFY(s.nameFound);
        QCOMPARE(s.name, QStringLiteral("Office"));
        QTEST(s.ipAddr, "ip");
        QTEST(s.netmask, "netmask");
        QTEST(s.broadcast, "broadcast");
        QTEST(s.gateway, "gateway");
        QTEST(s.dhcp, "dhcp");
    }

    void scanText()
    {
        QCOMPARE(SystemNetworkManager::scanResultText(QString()), QStringLiteral("false"));
        QCOMPARE(SystemNetworkManager::scanResultText(QStringLiteral(":Hidden:40:2412 MHz:1: \n")),
                 QStringLiteral("false"));

        const QString listing = QStringLiteral(
            "AA\\:BB\\:CC\\:DD\\:EE\\:01:Kitchen:40:2412 MHz:1: \n"
            "AA\\:BB\\:CC\\:DD\\:EE\\:02:Back\\:Office:55:5180 MHz:36:*\n"
            "AA\\:BB\\:CC\\:DD\\:EE\\:03:Kitchen:72:2437 MHz:6: \n"
            "AA\\:BB\\:CC\\:DD\\:EE\\:04:Kitchen:60:2462 MHz:11: \n");
        const QJsonArray entries = QJsonDocument::fromJson(SystemNetworkManager::scanResultText(listing).toUtf8()).array();
        QCOMPARE(entries.size(), 2);
        const QJsonObject kitchen = entries.at(0).toObject();
        QCOMPARE(kitchen.value("cell").toInt(), 0);
        QCOMPARE(kitchen.value("macAddr").toString(), QStringLiteral("AA:BB:CC:DD:EE:03"));
        QCOMPARE(kitchen.value("signalLevel").toString(), QStringLiteral("72/100"));
        QCOMPARE(kitchen.value("freq").toString(), QStringLiteral("2.437"));
        QCOMPARE(kitchen.value("chan").toString(), QStringLiteral("6"));
        QCOMPARE(kitchen.value("inUse").toString(), QStringLiteral("n"));
        const QJsonObject office = entries.at(1).toObject();
        QCOMPARE(office.value("cell").toInt(), 1);
        QCOMPARE(office.value("ssid").toString(), QStringLiteral("Back.Office"));
        QCOMPARE(office.value("freq").toString(), QStringLiteral("5.18"));
        QCOMPARE(office.value("inUse").toString(), QStringLiteral("y"));
    }

    // The scan runs the tool and hands the text on.
    void scanRunsTool()
    {
        say("scan", "AA\\:BB\\:CC\\:DD\\:EE\\:01:Kitchen:40:2412 MHz:1: \n");
        auto snm = startManager(true);
        QSignalSpy scan(snm.get(), &SystemNetworkManager::wifiScanString);
        snm->scanWifi();
        QTRY_COMPARE(scan.count(), 1);
        QVERIFY(scan.at(0).at(0).toString().contains(QLatin1String("\"2.412\"")));
    }

    void activeConnections()
    {
        say("active", "Office:wlan0\nWired connection 1:eth0\n");
        auto snm = startManager(true);
        QSignalSpy status(snm.get(), &SystemNetworkManager::wifiConnectionStatus);
        QSignalSpy wifi(snm.get(), &SystemNetworkManager::wifiConnection);
        QSignalSpy eth(snm.get(), &SystemNetworkManager::ethConnection);
        QTRY_VERIFY(inState(*snm, "idle"));
        QCOMPARE(wifi.value(0).value(0).toString(), QStringLiteral("Office"));
        QCOMPARE(eth.value(0).value(0).toString(), QStringLiteral("Wired connection 1"));
        QTRY_COMPARE(snm->get_wifiConnectionName(), QStringLiteral("Office"));
        QCOMPARE(snm->get_ethConnectionName(), QStringLiteral("Wired connection 1"));
        QCOMPARE(snm->get_wifiMacAddr(), QStringLiteral("00:11:22:33:44:55"));
        QVERIFY(status.isEmpty());
        const QList<QStringList> calls = nmcliCalls(*m_root);
        QCOMPARE(calls.value(0), (QStringList{"-t", "--fields", "name,device", "con", "show", "--active"}));

        // The Wi-Fi connection goes away: the name empties, the status says so.
        say("active", "Wired connection 1:eth0\n");
        KivClock::advance(SystemNetworkManager::FindActiveConnectionsPeriodMs);
        QTRY_COMPARE(status.count(), 1);
        QCOMPARE(status.at(0).at(0).toBool(), false);
        QTRY_COMPARE(snm->get_wifiConnectionName(), QString());
        QCOMPARE(wifi.last().at(0).toString(), QString());
    }

    void activeConnectionsToolMissing()
    {
        QFile::remove(m_root->filePath(kNmcli));
        auto snm = startManager(true);
        QTRY_VERIFY(inState(*snm, "idle"));
    }

    // A read that changes nothing neither refreshes nor renews the lease;
    // after a reconfiguration the next read does both, once.
    void settingsReadAndLease()
    {
        say("active", "Office:wlan0\n");
        say("info", kManualInfo);
        auto snm = startManager(true);
        QSignalSpy refresh(snm.get(), &SystemNetworkManager::refreshNetworkInfo);
        QSignalSpy status(snm.get(), &SystemNetworkManager::wifiConnectionStatus);
        QTRY_VERIFY(inState(*snm, "idle"));
        // One query and settings read; the worker is done once it has
        // reported the address.
        auto tick = [&] {
            const int before = status.count();
            KivClock::advance(SystemNetworkManager::FindActiveConnectionsPeriodMs);
            QTRY_COMPARE(status.count(), before + 1);
            QCOMPARE(status.last().at(0).toBool(), true);
        };
        const auto leases = [&] { return m_root->fakeToolCalls(kDhclient).count(QStringLiteral("wlan0")); };

        tick();
        QTRY_COMPARE(refresh.count(), 1);
        QTRY_COMPARE(snm->get_wifiBroadcastAddr(), QStringLiteral("192.168.5.255"));
        QCOMPARE(snm->get_wifiNetmask(), QStringLiteral("255.255.255.0"));
        QCOMPARE(snm->get_wifiGateway(), QStringLiteral("192.168.5.1"));
        QCOMPARE(snm->get_wifiDhcpEnabled(), false);
        QCOMPARE(snm->get_wifiPassword(), QStringLiteral("se cret"));
        QCOMPARE(leases(), 1);
        QVERIFY(nmcliCalls(*m_root).contains(QStringList{"-t", "--show-secrets", "connection", "show", "Office"}));

        tick();
        QCOMPARE(refresh.count(), 1);
        QCOMPARE(leases(), 1);

        // Wi-Fi disabled: the reconfiguration only deletes the profiles;
        // leaving it forces one refresh and lease renewal.
        m_config->set_wifiEnabled(false);
        emit snm->reconfigureNetworkDevicesSignal();
        QTRY_VERIFY(inState(*snm, "idle"));
        tick();
        QTRY_COMPARE(refresh.count(), 2);
        QCOMPARE(leases(), 2);
        tick();
        QCOMPARE(refresh.count(), 2);
        QCOMPARE(leases(), 2);
    }

    void reconfiguration_data()
    {
        QTest::addColumn<bool>("master");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("staticIp");
        QTest::addColumn<QStringList>("connect");

        const QString ssid = QStringLiteral("a'b");
        const QString psk = QStringLiteral("p w \"q\" 'r'");
        QTest::newRow("secondary") << false << true << false << QStringList();
        QTest::newRow("disabled") << true << false << false << QStringList();
        QTest::newRow("dhcp") << true << true << false
                              << QStringList{"device", "wifi", "con", ssid, "password", psk};
        QTest::newRow("static") << true << true << true
                                << QStringList{"con", "add", "con-name", ssid, "type", "wifi", "ifname", "wlan0",
                                               "ssid", ssid, "--", "wifi-sec.key-mgmt", "wpa-psk", "wifi-sec.psk",
                                               psk, "ipv4.method", "manual", "ipv4.address", "192.168.7.9/24",
                                               "ipv4.dns", "8.8.8.8,8.8.8.4", "ipv4.gateway", "192.168.7.1"};
    }

    void reconfiguration()
    {
        QFETCH(bool, master);
        QFETCH(bool, enabled);
        QFETCH(bool, staticIp);
        QFETCH(QStringList, connect);

        m_config->set_wifiEnabled(enabled);
        m_config->set_wifiSSID(QStringLiteral("a'b"));
        m_config->set_wifiPassword(QStringLiteral("p w \"q\" 'r'"));
        m_config->set_wifiStaticIp(staticIp);
        m_config->set_wifiIpAddr(QStringLiteral("192.168.7.9"));
        m_config->set_wifiGateway(QStringLiteral("192.168.7.1"));
        say("uuids", "u-1\nu-2\n");

        auto snm = startManager(master);
        // Dropped: the first query has not finished yet.
        emit snm->reconfigureNetworkDevicesSignal();
        QTRY_VERIFY(inState(*snm, "idle"));
        QCOMPARE(nmcliCalls(*m_root).count(), 1);

        QSignalSpy finished(snm.get(), &SystemNetworkManager::finishedNetworkConfig);
        emit snm->reconfigureNetworkDevicesSignal();
        QVERIFY(inState(*snm, "wifiDhcp"));
        // Dropped: a reconfiguration is under way.
        emit snm->reconfigureNetworkDevicesSignal();
        QTRY_COMPARE(finished.count(), 1);
        QVERIFY(inState(*snm, "idle"));

        QList<QStringList> expected{{"-t", "-f", "uuid", "con", "show"}, {"con", "delete", "u-1", "u-2"}};
        if (!connect.isEmpty())
            expected.append(connect);
        QCOMPARE(nmcliCalls(*m_root).mid(1), expected);
    }
};

QTEST_GUILESS_MAIN(TestSystemNetworkManager)
#include "tst_systemnetworkmanager.moc"
