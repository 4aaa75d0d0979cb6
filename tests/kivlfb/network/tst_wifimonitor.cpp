#include "config/configurationmanager.h"
#include "network/dadazodaru.h"
#include "network/networkhost.h"
#include "network/wifimonitor.h"
#include "network/wifistatsdatalog.h"
#include "platform/kivclock.h"
#include "platform/toolrunner.h"

#include "machinestates.h"
#include "messagecatcher.h"
#include "temproot.h"

#include <QSignalSpy>
#include <QStandardItemModel>
#include <QtTest>

namespace {

const QByteArray kAssociated = "wlan0     IEEE 802.11  ESSID:\"Kitchen\"  Nickname:\"<WIFI>\"\n"
                               "          Mode:Managed  Frequency:2.437 GHz  Access Point: 00:1A:2B:3C:4D:5E\n"
                               "          Bit Rate=72.2 Mb/s   Tx-Power=20 dBm\n"
                               "          Link Quality=46/70  Signal level=-64 dBm\n";
const QByteArray kNotAssociated = "wlan0     IEEE 802.11  ESSID:off/any\n"
                                  "          Mode:Managed  Access Point: Not-Associated   Tx-Power=20 dBm\n";
const QByteArray kIfconfigUp = "wlan0: flags=4163<UP,BROADCAST,RUNNING,MULTICAST>  mtu 1500\n"
                               "        inet 192.168.4.20  netmask 255.255.255.0  broadcast 192.168.4.255\n";
const QByteArray kIfconfigNoAddress = "wlan0: flags=4163<UP,BROADCAST,RUNNING,MULTICAST>  mtu 1500\n";

// The cabinet as the monitor sees it: the network object whose access-point
// flag it sets, and the backup that stops a save.
class FakeHost : public NetworkHost
{
public:
    DADazodaru *cabinetNetwork() const override { return network; }
    bool systemBackupInProgress() const override { return backup; }
    DADazodaru *network = nullptr;
    bool backup = false;
};

// Each fake tool prints the file of the same name plus ".out" in the root,
// so a test can change what the next run says.
QByteArray printsItsOutput() { return "cat \"$0.out\""; }

} // namespace

class TestWifiMonitor : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempRoot> m_root;
    std::unique_ptr<ConfigurationManager> m_config;
    std::unique_ptr<DADazodaru> m_network;
    FakeHost *m_host = nullptr;
    std::unique_ptr<WifiMonitor> m_monitor;

    void say(const QString &tool, const QByteArray &output)
    {
        QVERIFY(m_root->writeFile(tool + QStringLiteral(".out"), output));
    }

    // Every tool run has been wrapped up (its process released), so the
    // timers it restarts are running before the clock moves on.
    void settle() const
    {
        QTRY_VERIFY(m_monitor->findChildren<QProcess *>().isEmpty());
    }

    int calls(const QString &tool) const { return m_root->fakeToolCalls(tool).count(QStringLiteral("--")); }

    // The monitor's rows so far, as the statistics file writes them.
    QStringList rows() const
    {
        return m_monitor->get_wifiStatsDataLog()->statsText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private slots:
    void init()
    {
        m_root = std::make_unique<TempRoot>();
        KivClock::freezeAt(QDateTime(QDate(2024, 5, 17), QTime(9, 30, 5)).toMSecsSinceEpoch());
        QVERIFY(m_root->addFakeTool("/sbin/iwconfig", printsItsOutput()));
        QVERIFY(m_root->addFakeTool("/sbin/ifconfig", printsItsOutput()));
        QVERIFY(m_root->addFakeTool("/bin/ping"));
        QDir().mkpath(m_root->filePath("/var/log"));
        QDir().mkpath(m_root->filePath("/media/sda1"));

        m_config = std::make_unique<ConfigurationManager>(nullptr, nullptr, true, 0, nullptr);
        m_config->set_wifiSSID(QStringLiteral("Kitchen"));
        m_config->set_wifiIpAddr(QStringLiteral("192.168.4.20"));
        m_config->set_wifiEnabled(false);
        m_network = std::make_unique<DADazodaru>(nullptr, nullptr);
        m_host = new FakeHost;
        m_host->network = m_network.get();
        m_monitor = std::make_unique<WifiMonitor>(m_config.get(), nullptr, std::unique_ptr<NetworkHost>(m_host));
    }

    void cleanup()
    {
        m_monitor.reset();
        m_network.reset();
        m_config.reset();
        m_root.reset();
        KivClock::useSystemClock();
    }

    // What one output of the wireless-status tool gives.
    void linkStatus_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<double>("linkQuality");
        QTest::addColumn<double>("signalLevel");
        QTest::addColumn<double>("decibel");

        QTest::newRow("-50 dBm") << "Link Quality=70/70  Signal level=-50 dBm" << 1.0 << 100.0 << -50.0;
        QTest::newRow("-49 dBm") << "Link Quality=35/70  Signal level=-49 dBm" << 0.5 << 100.0 << -49.0;
        QTest::newRow("-51 dBm") << "Link Quality=2/3  Signal level=-51 dBm" << 0.667 << 98.0 << -51.0;
        QTest::newRow("-95 dBm") << "Link Quality=1/3  Signal level=-95 dBm" << 0.333 << 10.0 << -95.0;
        QTest::newRow("-96 dBm") << "Link Quality=0/70  Signal level=-96 dBm" << 0.0 << 0.0 << -96.0;
        QTest::newRow("70/100") << "Link Quality=70/100  Signal level=70/100" << 0.7 << 70.0 << -65.0;
        QTest::newRow("maximum 0") << "Link Quality=5/0  Signal level=-60 dBm" << 0.0 << 80.0 << -60.0;
    }

    void linkStatus()
    {
        QFETCH(QString, output);
        QFETCH(double, linkQuality);
        QFETCH(double, signalLevel);
        QFETCH(double, decibel);

        const WifiMonitor::LinkReading r = WifiMonitor::parseLinkStatus(output);
        QVERIFY(r.linkQuality && r.signalLevel && r.signalLevelDecibel);
        QCOMPARE(*r.linkQuality, linkQuality);
        QCOMPARE(*r.signalLevel, signalLevel);
        QCOMPARE(*r.signalLevelDecibel, decibel);
    }

    void linkStatusNamesAndAddresses()
    {
        const WifiMonitor::LinkReading on = WifiMonitor::parseLinkStatus(QString::fromUtf8(kAssociated));
        QCOMPARE(on.essid.value_or(QString()), QStringLiteral("Kitchen")); // not the nickname after it
        QCOMPARE(on.accessPoint.value_or(QString()), QStringLiteral("00:1A:2B:3C:4D:5E"));
        QCOMPARE(on.frequency.value_or(QString()), QStringLiteral("2.437"));

        const WifiMonitor::LinkReading off = WifiMonitor::parseLinkStatus(QString::fromUtf8(kNotAssociated));
        QVERIFY(!off.essid && !off.accessPoint && !off.linkQuality && !off.signalLevel && !off.frequency);

        const WifiMonitor::AddressReading up = WifiMonitor::parseAddresses(QString::fromUtf8(kIfconfigUp));
        QCOMPARE(up.inet.value_or(QString()), QStringLiteral("192.168.4.20"));
        QCOMPARE(up.netmask.value_or(QString()), QStringLiteral("255.255.255.0"));
        QCOMPARE(up.broadcast.value_or(QString()), QStringLiteral("192.168.4.255"));
        QVERIFY(!WifiMonitor::parseAddresses(QString::fromUtf8(kIfconfigNoAddress)).inet);
    }

    // One association check at a time: what it tells the cabinet network
    // and which row it logs. A check that finds nothing keeps the figures
    // of the one before.
    void associationCheck()
    {
        QSignalSpy connected(m_monitor.get(), &WifiMonitor::wpaConnected);
        QSignalSpy disconnected(m_monitor.get(), &WifiMonitor::wpaDisconnected);
        QSignalSpy stats(m_monitor.get(), &WifiMonitor::newWifiStats);

        say("/sbin/iwconfig", kAssociated);
        m_monitor->wpaConnectionCheck();
        QTRY_COMPARE(stats.count(), 1);
        QCOMPARE(m_root->fakeToolCalls("/sbin/iwconfig"), (QStringList{"wlan0", "--"}));
        QCOMPARE(connected.count(), 1);
        QVERIFY(m_network->get_wifiApConnected());
        QCOMPARE(rows().last(), QStringLiteral("true,Kitchen,00:1A:2B:3C:4D:5E,0.657,72,24/05/17,09:30:05"));
        QCOMPARE(m_monitor->get_signalLevelDecibel(), -64.0);

        // Associated, but the cabinet has no Wi-Fi address configured.
        m_config->set_wifiIpAddr(QString());
        m_monitor->wpaConnectionCheck();
        QTRY_COMPARE(stats.count(), 2);
        QCOMPARE(connected.count(), 2);
        QVERIFY(!m_network->get_wifiApConnected());
        QVERIFY(rows().last().startsWith(QStringLiteral("true,")));

        m_config->set_wifiIpAddr(QStringLiteral("192.168.4.20"));
        m_monitor->wpaConnectionCheck();
        QTRY_COMPARE(stats.count(), 3);
        QVERIFY(m_network->get_wifiApConnected());

        say("/sbin/iwconfig", kNotAssociated);
        m_monitor->wpaConnectionCheck();
        QTRY_COMPARE(stats.count(), 4);
        QCOMPARE(disconnected.count(), 1);
        QVERIFY(!m_network->get_wifiApConnected());
        QCOMPARE(rows().last(), QStringLiteral("false,Kitchen,00:1A:2B:3C:4D:5E,0.657,72,24/05/17,09:30:05"));
        QCOMPARE(m_monitor->get_essid(), QStringLiteral("Kitchen"));

        // Another network's name is no association with ours.
        say("/sbin/iwconfig", QByteArray(kAssociated).replace("Kitchen", "Lobby"));
        m_monitor->wpaConnectionCheck();
        QTRY_COMPARE(stats.count(), 5);
        QCOMPARE(disconnected.count(), 2);
        QCOMPARE(m_monitor->get_essid(), QStringLiteral("Lobby"));
    }

    // The whole chart on the project's clock: enabled, associated, address,
    // gateway pings; the check period; disabling in the middle of a check.
    void chartFollowsTheLink()
    {
        say("/sbin/iwconfig", kAssociated);
        say("/sbin/ifconfig", kIfconfigNoAddress);
        m_monitor->set_wifiGateway(QStringLiteral("192.168.4.1"));
        QSignalSpy stats(m_monitor.get(), &WifiMonitor::newWifiStats);
        QSignalSpy ipError(m_monitor.get(), &WifiMonitor::ipNotAcquiredError);
        QSignalSpy pingOk(m_monitor.get(), &WifiMonitor::pingWifiGwOk);

        MessageCatcher catcher;
        m_monitor->start();
        QTRY_COMPARE(activeStateNames(*m_monitor), QStringList{"wifiNotEnabledState"});
        QVERIFY2(catcher.warnings().isEmpty(), qPrintable(catcher.warnings().join('\n')));
        QCOMPARE(calls("/sbin/iwconfig"), 0);

        // The first check runs at once, the next one a period after it ended.
        m_config->set_wifiEnabled(true);
        QTRY_COMPARE(stats.count(), 1);
        QTRY_VERIFY(activeStateNames(*m_monitor).contains(QStringLiteral("ipNotAcquiredState")));
        QVERIFY(activeStateNames(*m_monitor).contains(QStringLiteral("wifiWpaConnected")));
        QTRY_COMPARE(calls("/sbin/ifconfig"), 1);
        KivClock::advance(9999);
        QCOMPARE(calls("/sbin/iwconfig"), 1);
        KivClock::advance(1);
        QTRY_COMPARE(stats.count(), 2);

        m_monitor->set_wpaCheckPeriodSecs(1);
        KivClock::advance(1000); // the period in force when the last check ended still runs its course
        QCOMPARE(calls("/sbin/iwconfig"), 2);
        KivClock::advance(9000);
        QTRY_COMPARE(stats.count(), 3);
        KivClock::advance(1000);
        QTRY_COMPARE(stats.count(), 4);

        // No address for more than 60 s: an error at each failed check.
        QTRY_VERIFY(calls("/sbin/ifconfig") >= 2);
        while (KivClock::msecsSinceEpoch() - QDateTime(QDate(2024, 5, 17), QTime(9, 30, 5)).toMSecsSinceEpoch() <= 60000) {
            settle();
            const int before = calls("/sbin/ifconfig");
            KivClock::advance(WifiMonitor::IpCheckRetryMs);
            QTRY_COMPARE(calls("/sbin/ifconfig"), before + 1);
        }
        QTRY_COMPARE(ipError.count(), 1);

        // The address arrives: the gateway is pinged, every 10 s.
        say("/sbin/ifconfig", kIfconfigUp);
        settle();
        KivClock::advance(WifiMonitor::IpCheckRetryMs);
        QTRY_VERIFY(activeStateNames(*m_monitor).contains(QStringLiteral("ipAcquiredState")));
        QCOMPARE(m_monitor->get_inet(), QStringLiteral("192.168.4.20"));
        QTRY_COMPARE(pingOk.count(), 1);
        QCOMPARE(m_root->fakeToolCalls("/bin/ping"), (QStringList{"-c8", "-w4", "192.168.4.1", "--"}));
        KivClock::advance(WifiMonitor::PingPeriodMs);
        QTRY_COMPARE(pingOk.count(), 2);

        // Disabled while a check runs: the check is killed and logged as
        // not associated, and the cabinet network hears "not connected".
        QTRY_COMPARE(stats.count(), m_monitor->get_wifiStatsDataLog()->rowCount());
        QVERIFY(m_root->addFakeTool("/sbin/iwconfig", "exec sleep 30"));
        const int rowsBefore = m_monitor->get_wifiStatsDataLog()->rowCount();
        const int checks = calls("/sbin/iwconfig");
        KivClock::advance(1000);
        QTRY_COMPARE(calls("/sbin/iwconfig"), checks + 1);
        QVERIFY(m_network->get_wifiApConnected());
        m_config->set_wifiEnabled(false);
        QTRY_COMPARE(m_monitor->get_wifiStatsDataLog()->rowCount(), rowsBefore + 1);
        QVERIFY(rows().last().startsWith(QStringLiteral("false,")));
        QVERIFY(!m_network->get_wifiApConnected());
        QTRY_COMPARE(activeStateNames(*m_monitor), QStringList{"wifiNotEnabledState"});
        const int pings = calls("/bin/ping");
        KivClock::advance(60000);
        QCoreApplication::processEvents();
        QCOMPARE(calls("/bin/ping"), pings);
    }

    // Not associated for 61 s and more: an error, then again at that spacing.
    void lostAssociationError()
    {
        say("/sbin/iwconfig", kNotAssociated);
        m_config->set_wifiEnabled(true);
        QSignalSpy stats(m_monitor.get(), &WifiMonitor::newWifiStats);
        QSignalSpy error(m_monitor.get(), &WifiMonitor::wpaDisconnectedError);
        m_monitor->start();
        QTRY_COMPARE(stats.count(), 1);
        for (int check = 2; check <= 15; ++check) {
            KivClock::advance(10000);
            QTRY_COMPARE(stats.count(), check);
            // Checks end at 0, 10, ... s: the first at or after 61 s is at
            // 70 s, the next 61 s or more after that at 140 s.
            const int seconds = (check - 1) * 10;
            QCOMPARE(error.count(), seconds >= 140 ? 2 : seconds >= 70 ? 1 : 0);
        }
    }

    // A ping that crashes for more than 40 s after the address came ends the
    // pinging with an error.
    void gatewayPingGivesUp()
    {
        QVERIFY(m_root->addFakeTool("/bin/ping", "kill -9 $$"));
        say("/sbin/iwconfig", kAssociated);
        say("/sbin/ifconfig", kIfconfigUp);
        m_config->set_wifiEnabled(true);
        QSignalSpy error(m_monitor.get(), &WifiMonitor::pingWifiGwError);
        m_monitor->start();
        QTRY_COMPARE(calls("/bin/ping"), 1);
        // Runs at 0, 10, ... 40 s are retried; the one at 50 s gives up.
        for (int run = 2; run <= 6; ++run) {
            QCOMPARE(error.count(), 0);
            settle();
            KivClock::advance(WifiMonitor::PingPeriodMs);
            QTRY_COMPARE(calls("/bin/ping"), run);
        }
        QTRY_COMPARE(error.count(), 1);
        settle();
        KivClock::advance(WifiMonitor::PingPeriodMs);
        settle();
        QCOMPARE(calls("/bin/ping"), 6);
    }

    void statisticsRows()
    {
        WifiStatsDataLog log;
        for (int i = 0; i < WifiStatsDataLog::MaxRows + 1; ++i)
            log.appendItem(i % 2, QStringLiteral("Kitchen"), QStringLiteral("AP"), 0.5, double(i), QStringLiteral("t"));
        QCOMPARE(log.rowCount(), 3601);
        QCOMPARE(log.getApSignalLevel(0).toDouble(), 1.0); // the first row went
        QCOMPARE(log.getApSignalLevel(3600).toDouble(), 3601.0);
        QVERIFY(!log.getApEssid(-1).isValid());
        QVERIFY(!log.getDateTimeStamp(3601).isValid());

        log.appendItem(true, QStringLiteral("K"), QStringLiteral("AP"), 1, 2, QStringLiteral("t"));
        QCOMPARE(log.rowCount(), 3601);
    }

    void clearRemovesRowsAndLabels()
    {
        WifiStatsDataLog *log = m_monitor->get_wifiStatsDataLog();
        log->appendItem(true, QStringLiteral("Kitchen"), QStringLiteral("AP"), 1, 100, QStringLiteral("t"));
        m_monitor->wifiStatsLogClear();
        log->appendItem(false, QStringLiteral("Kitchen"), QStringLiteral("AP"), 0, 0, QStringLiteral("t"));
        QCOMPARE(log->rowCount(), 1);
        QVERIFY(!log->get_model()->headerData(0, Qt::Horizontal).toString().startsWith(QStringLiteral("AP")));
        QCOMPARE(log->getApConnectionFlag(0), QVariant(false));
    }

    // A save writes the rows, packs them and keeps only the archive; then
    // only the newest 48 logs stay.
    void saveArchivesAndLimits()
    {
        WifiStatsDataLog *log = m_monitor->get_wifiStatsDataLog();
        for (int i = 0; i < 500; ++i)
            log->appendItem(true, QStringLiteral("Kitchen"), QStringLiteral("00:1A:2B:3C:4D:5E"), 0.657, 70,
                            QStringLiteral("24/05/17,09:30:05"));
        for (int i = 0; i < 50; ++i)
            QVERIFY(m_root->writeFile(QStringLiteral("/var/log/wifiStatsLog_2401%1-000000.txt.tgz").arg(i + 10),
                                      "old"));
        QVERIFY(m_root->writeFile("/var/log/messages", "not a log of ours"));

        m_monitor->saveWifiStats();
        const QStringList logs = m_monitor->wifiLogsList();
        QCOMPARE(logs.size(), 48);
        QCOMPARE(logs.last(), QStringLiteral("wifiStatsLog_240517-093005.txt.tgz"));
        QCOMPARE(logs.first(), QStringLiteral("wifiStatsLog_240113-000000.txt.tgz")); // 10, 11, 12 went
        QVERIFY(!QFile::exists(m_root->filePath("/var/log/wifiStatsLog_240517-093005.txt")));
        QVERIFY(QFile::exists(m_root->filePath("/var/log/messages")));

        QTemporaryDir unpacked;
        QCOMPARE(ToolRunner::run("tar", {"-xzf", m_root->filePath("/var/log/wifiStatsLog_240517-093005.txt.tgz"),
                                         "-C", unpacked.path()}),
                 0);
        QFile text(unpacked.filePath("wifiStatsLog_240517-093005.txt"));
        QVERIFY(text.open(QIODevice::ReadOnly));
        const QByteArray content = text.readAll();
        QVERIFY(content.endsWith('\n'));
        const QList<QByteArray> lines = content.split('\n');
        QCOMPARE(lines.size(), 501); // 500 lines and the empty rest after the last line feed
        QCOMPARE(lines.first(), QByteArray("true,Kitchen,00:1A:2B:3C:4D:5E,0.657,70,24/05/17,09:30:05"));
        QCOMPARE(log->rowCount(), 500); // the model keeps its rows
    }

    void failedArchiveKeepsTheText()
    {
        QVERIFY(m_root->addFakeTool("/bin/tar", "exit 2"));
        m_monitor->get_wifiStatsDataLog()->appendItem(true, "Kitchen", "AP", 1, 100, "24/05/17,09:30:05");
        m_monitor->saveWifiStats();
        QCOMPARE(m_root->fakeToolCalls("/bin/tar"),
                 (QStringList{"-cvzf", "wifiStatsLog_240517-093005.txt.tgz", "wifiStatsLog_240517-093005.txt", "--"}));
        QCOMPARE(m_monitor->wifiLogsList(), QStringList{"wifiStatsLog_240517-093005.txt"});
        QCOMPARE(m_root->readFile("/var/log/wifiStatsLog_240517-093005.txt"),
                 QByteArray("true,Kitchen,AP,1,100,24/05/17,09:30:05\n"));
    }

    void noSaveDuringBackup()
    {
        m_host->backup = true;
        m_monitor->saveWifiStats();
        QVERIFY(m_monitor->wifiLogsList().isEmpty());
    }

    void limitEdges()
    {
        for (int i = 0; i < 3; ++i)
            QVERIFY(m_root->writeFile(QStringLiteral("/var/log/wifiStatsLog_24010%1-000000.txt.tgz").arg(i), "x"));
        m_monitor->limitNumberOfWifiLogs(-1);
        QCOMPARE(m_monitor->wifiLogsList().size(), 3);
        m_monitor->limitNumberOfWifiLogs(3);
        QCOMPARE(m_monitor->wifiLogsList().size(), 3);
        m_monitor->limitNumberOfWifiLogs(0);
        QCOMPARE(m_monitor->wifiLogsList().size(), 0);
    }

    // A log leaves only once its copy is on the drive.
    void exportMovesLogs()
    {
        QVERIFY(m_root->addFakeTool("/bin/sync"));
        QVERIFY(m_root->writeFile("/var/log/wifiStatsLog_240101-000000.txt.tgz", "one"));
        QVERIFY(m_root->writeFile("/var/log/wifiStatsLog_240102-000000.txt", "leftover"));
        QVERIFY(m_root->writeFile("/var/log/wifiStatsLog_240103-000000.txt.tgz", "three"));
        QVERIFY(m_root->writeFile("/media/sda1/wifiStatsLog_240103-000000.txt.tgz", "already there"));

        m_monitor->exportWifiLogs();
        QCOMPARE(m_root->readFile("/media/sda1/wifiStatsLog_240101-000000.txt.tgz"), QByteArray("one"));
        QCOMPARE(m_root->readFile("/media/sda1/wifiStatsLog_240102-000000.txt"), QByteArray("leftover"));
        QCOMPARE(m_root->readFile("/media/sda1/wifiStatsLog_240103-000000.txt.tgz"), QByteArray("already there"));
        QCOMPARE(m_monitor->wifiLogsList(), QStringList{"wifiStatsLog_240103-000000.txt.tgz"});
        QTRY_COMPARE(calls("/bin/sync"), 1);

        m_monitor->limitNumberOfWifiLogs(0);
        m_monitor->exportWifiLogs(); // nothing to move: still synced
        QTRY_COMPARE(calls("/bin/sync"), 2);
    }
};

QTEST_MAIN(TestWifiMonitor)
#include "tst_wifimonitor.moc"
