#include "network/dadazodaru.h"
#include "network/networkhost.h"
#include "network/platforminfo.h"
#include "network/systemnetworkmanager.h"
#include "network/wifimonitor.h"
#include "network/wifistatsdatalog.h"

#include "machinestates.h"
#include "messagecatcher.h"

#include <QSignalSpy>
#include <QStandardItemModel>
#include <QtTest>

namespace {
class RoleHost : public NetworkHost
{
public:
    bool iAmMaster() const override { return master; }
    bool master = false;
};
} // namespace

class TestNetwork : public QObject
{
    Q_OBJECT

private slots:
    // Only the primary display keeps the table of cabinets it hears; the
    // role is read from the cabinet it serves.
    void namesModelOnlyOnThePrimaryDisplay_data()
    {
        QTest::addColumn<QVariant>("iAmMaster");
        QTest::addColumn<bool>("hasModel");
        QTest::newRow("primary") << QVariant(true) << true;
        QTest::newRow("secondary") << QVariant(false) << false;
        QTest::newRow("role not known") << QVariant() << false;
    }

    void namesModelOnlyOnThePrimaryDisplay()
    {
        QFETCH(QVariant, iAmMaster);
        QFETCH(bool, hasModel);

        auto *host = new RoleHost;
        host->master = iAmMaster.toBool();
        DADazodaru kivnm(nullptr, nullptr, std::unique_ptr<NetworkHost>(host));
        QCOMPARE(kivnm.get_namesModel() != nullptr, hasModel);
        QCOMPARE(kivnm.getNumCabsConnected(), 0);
        if (hasModel) {
            const QHash<int, QByteArray> roles = kivnm.get_namesModel()->roleNames();
            QCOMPARE(roles.value(257), QByteArray("name"));
            QCOMPARE(roles.value(258), QByteArray("mcaddr"));
            QCOMPARE(roles.value(259), QByteArray("agems"));
            QCOMPARE(roles.value(260), QByteArray("warn"));
        }
    }

    void gatewayIsAnnouncedOnEveryWrite()
    {
        DADazodaru kivnm(nullptr, nullptr);
        QSignalSpy gateway(&kivnm, &DADazodaru::wifiGatewayChanged);
        kivnm.set_wifiGateway("192.0.2.1");
        kivnm.set_wifiGateway("192.0.2.1");
        QCOMPARE(gateway.count(), 2);
        QCOMPARE(kivnm.get_wifiGateway(), QStringLiteral("192.0.2.1"));

        QSignalSpy broadcast(&kivnm, &DADazodaru::broadcastAddrChanged);
        kivnm.set_broadcastAddr("192.0.2.255");
        kivnm.set_broadcastAddr("192.0.2.255");
        QCOMPARE(broadcast.count(), 1);
    }

    void wifiMonitorPublishesItsStatisticsLog()
    {
        MessageCatcher catcher;
        WifiMonitor monitor(nullptr, nullptr);
        QVERIFY2(catcher.warnings().isEmpty(), qPrintable(catcher.warnings().join('\n')));

        WifiStatsDataLog *log = monitor.get_wifiStatsDataLog();
        QVERIFY(log && log->get_model());
        const QHash<int, QByteArray> roles = log->get_model()->roleNames();
        QCOMPARE(roles.value(258), QByteArray("apConnectedFlag"));
        QCOMPARE(roles.value(263), QByteArray("dateTimeStamp"));
        QCOMPARE(log->get_model()->rowCount(), 0);
        QCOMPARE(log->get_model()->headerData(5, Qt::Horizontal).toString(),
                 QStringLiteral("Date-Time stamp"));

        monitor.start();
        QTRY_COMPARE(monitor.property("isRunning").toBool(), true);
        QCOMPARE(activeStateNames(monitor), QStringList{"wifiNotEnabledState"});
    }

    void networkManagerStartsFindingConnections()
    {
        SystemNetworkManager snm;
        QVERIFY(!snm.get_configManager());
        snm.start();
        QTRY_COMPARE(snm.property("isRunning").toBool(), true);
        QCOMPARE(activeStateNames(snm), QStringList{"findActiveConnections"});
    }

    void platformInfoTextsStartEmpty()
    {
        PlatformInfo info;
        QSignalSpy kernel(&info, &PlatformInfo::osKernelChanged);
        QCOMPARE(info.get_osKernel(), QString());
        QCOMPARE(info.get_bspInfo(), QString());
        info.set_osKernel("Linux");
        info.set_osKernel("Linux");
        QCOMPARE(kernel.count(), 1);
    }
};

QTEST_MAIN(TestNetwork)
#include "tst_network.moc"
