#include "core/cabinetmanager.h"
#include "core/kivmetatypes.h"

#include "canbus/canbusmanager.h"
#include "config/configurationmanager.h"
#include "modbus/qmodbusmaster.h"

#include "displayenvironment.h"
#include "messagecatcher.h"
#include "cabinetpersonality.h"
#include "temproot.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QSerialPort>
#include <QSignalSpy>
#include <QStateMachine>
#include <QTimer>
#include <QtTest>

#include <climits>
#include <memory>

namespace {

const char kService[] = "com.corvantis.DBus";
const char kPath[] = "/KivApplication";
const char kInterface[] = "com.corvantis.DBus.KivApplication";

// The primary personality fixture, optionally turned into another role.
QByteArray personality(const QString &role)
{
    return cabinetPersonality(role == "primary" ? QStringLiteral("primaryWithMirror") : role);
}

bool isRunning(QObject *parent, const char *name)
{
    auto *machine = parent->findChild<QStateMachine *>(QLatin1String(name));
    return machine && machine->isRunning();
}

} // namespace

class TestCompositionRoot : public QObject
{
    Q_OBJECT

    DisplayEnvironment m_env;

    struct Display {
        std::unique_ptr<TempRoot> root;
        std::unique_ptr<CabinetManager> cabinet;
        QStringList wiringWarnings;
    };

    Display build(int idConnector, const QByteArray &hcc)
    {
        Display d;
        d.root = std::make_unique<TempRoot>();
        if (!hcc.isEmpty())
            d.root->writeFile("/root/cabinet.hcc", hcc);
        qputenv("KIV_VCAN_DIR", d.root->filePath("/run/vcan/can0").toLocal8Bit());
        MessageCatcher catcher;
        d.cabinet = std::make_unique<CabinetManager>(0, idConnector, nullptr);
        for (const QString &w : catcher.warnings())
            if (w.startsWith("QObject::connect") || w.startsWith("QMetaObject::invokeMethod")
                || w.startsWith("QStateMachine"))
                d.wiringWarnings << w;
        return d;
    }

private slots:
    void initTestCase()
    {
        KivMetaTypes::registerAll();
        QVERIFY(m_env.start());
    }

    void componentsByDisplay_data()
    {
        QTest::addColumn<int>("idConnector");
        QTest::addColumn<QString>("file");        // "", "primary" or "mirror"
        QTest::addColumn<bool>("primary");
        QTest::addColumn<bool>("configured");
        QTest::addColumn<QStringList>("zones");
        QTest::addColumn<int>("probes");
        QTest::addColumn<bool>("traysRun");
        QTest::addColumn<bool>("nfcm");

        QTest::newRow("file: primary with mirror") << 0 << "primary" << true << true
            << QStringList{"zone0", "zone1", "zone2", "zone3"} << 8 << true << true;
        QTest::newRow("file: mirror") << 0 << "mirror" << false << true
            << QStringList{"zone0", "zone1", "zone2", "zone3"} << 8 << false << false;
        QTest::newRow("built-in 5x4 secondary") << 2 << "" << false << false
            << QStringList{"zone5", "zone6", "zone7", "zone8", "zone9"} << 0 << true << false;
        QTest::newRow("built-in 5x2 alone") << 32 << "" << true << false
            << QStringList{"zone0", "zone1", "zone2", "zone3", "zone4"} << 10 << true << true;
        QTest::newRow("no identity") << 0 << "" << false << false
            << QStringList{"zone0", "zone1", "zone2", "zone3", "zone4"} << 0 << true << false;
    }
    void componentsByDisplay()
    {
        QFETCH(int, idConnector);
        QFETCH(QString, file);
        QFETCH(bool, primary);
        QFETCH(bool, configured);
        QFETCH(QStringList, zones);
        QFETCH(int, probes);
        QFETCH(bool, traysRun);
        QFETCH(bool, nfcm);

        Display d = build(idConnector, file.isEmpty() ? QByteArray() : personality(file));
        CabinetManager *cm = d.cabinet.get();
        QVERIFY2(d.wiringWarnings.isEmpty(), qPrintable(d.wiringWarnings.join('\n')));

        QCOMPARE(cm->objectName(), QStringLiteral("cabinetManager"));
        QCOMPARE(cm->get_iAmMaster(), primary);
        QCOMPARE(cm->get_isConfigured(), configured);
        QCOMPARE(cm->get_traysPerCabinet(), cm->get_numberOfZones() * cm->get_traysPerZone());
        if (!configured)
            QCOMPARE(cm->get_idErrorMsg(), QStringLiteral("Invalid ID connector!\n%1").arg(idConnector));

        for (const char *name : {"cbm", "soundManager", "mbm", "MasterIO_simulator", "nfcSim1", "nfcSim2",
                                 "kivErrorController", "haccpController", "configManager", "wifiMon",
                                 "systemNetworkManager", "menuManager", "daypartManager", "syncMgr",
                                 "nfcManager", "masterIoManager", "mcp", "mainQmlView", "eolTest"})
            QVERIFY2(cm->findChild<QObject *>(QLatin1String(name)), name);
        QStringList zoneNames;
        for (QObject *zone : cm->get_zonesModelList())
            zoneNames << zone->objectName();
        QCOMPARE(zoneNames, zones);
        for (int i = 0; i < probes; ++i)
            QVERIFY(cm->findChild<QObject *>(QStringLiteral("tpsm_%1").arg(i)));
        QVERIFY(!cm->findChild<QObject *>(QStringLiteral("tpsm_%1").arg(probes)));
        QCOMPARE(cm->get_traysModelList().size(), zones.size() * cm->get_traysPerZone());

        // The machines that apply to this display, and only those.
        QTRY_VERIFY(isRunning(cm, "syncMgr"));
        QVERIFY(isRunning(cm, qPrintable(zones.first())));
        QCOMPARE(isRunning(cm, "cbm"), configured);
        QCOMPARE(isRunning(cm, "eolTest"), !configured || primary);
        for (const char *hardware : {"mbm", "MasterIO_simulator", "masterIoManager", "wifiMon", "configManager"})
            QTRY_VERIFY2(isRunning(cm, hardware) == primary, hardware);
        QObject *firstTray = cm->get_traysModelList().first();
        QCOMPARE(qobject_cast<QStateMachine *>(firstTray)->isRunning(), traysRun);

        // The hardware authority alone opens the serial line.
        auto *mbm = cm->findChild<QModbusMaster *>(QStringLiteral("mbm"));
        QCOMPARE(mbm->port()->isOpen(), primary);
        QCOMPARE(cm->findChild<CanbusManager *>(QStringLiteral("cbm"))->get_canId(), primary ? 1u : 2u);

        auto *engine = cm->findChild<QQmlApplicationEngine *>(QStringLiteral("mainQmlView"));
        QCOMPARE(engine->rootContext()->contextProperty("nfcm").isValid(), nfcm);
        QVERIFY(engine->rootContext()->contextProperty("cabinetManager").isValid());
        QVERIFY(engine->rootContext()->contextProperty(zones.first()).isValid());
        QVERIFY(engine->rootContext()->contextProperty("tbsc0").isValid() || zones.first() != "zone0");
        QCOMPARE(engine->rootObjects().size(), 1);
        QCOMPARE(engine->rootObjects().first()->property("applicationVersion").toString(), QStringLiteral("QZ-7318"));
    }

    // The watchdog is fed on every tick; a reboot-status file left from an
    // unplanned restart is reported once, naming the display, and removed. A
    // device that does not open is tried again at the next kick.
    void watchdogFeedsAndReportsAnUnexpectedReboot_data()
    {
        QTest::addColumn<QString>("role");
        QTest::addColumn<int>("display");
        QTest::newRow("primary") << "primary" << 0;
        QTest::newRow("secondary") << "secondary" << 1;
    }
    void watchdogFeedsAndReportsAnUnexpectedReboot()
    {
        QFETCH(QString, role);
        QFETCH(int, display);
        Display d = build(0, personality(role));
        QVERIFY(d.root->writeFile("/root/rebootStatus.txt", "1"));
        QSignalSpy reboot(d.cabinet.get(), SIGNAL(unexpectedRebootDetected()));
        QSignalSpy reports(d.cabinet->findChild<QObject *>("kivErrorController"),
                           SIGNAL(callErrorCodesDataProcess(int,int,int,int)));
        {
            MessageCatcher log;
            QMetaObject::invokeMethod(d.cabinet.get(), "kickWdtTimerTO"); // no /dev yet
            QVERIFY(log.contains("Unable to Open File !!!"));
        }
        QCOMPARE(reboot.count(), 0);
        QVERIFY(QFile::exists(d.root->filePath("/root/rebootStatus.txt")));

        QVERIFY(QDir().mkpath(d.root->filePath("/dev")));
        QMetaObject::invokeMethod(d.cabinet.get(), "kickWdtTimerTO");
        QMetaObject::invokeMethod(d.cabinet.get(), "kickWdtTimerTO");
        QCOMPARE(reboot.count(), 1);
        QCOMPARE(reports.count(), 1);
        QCOMPARE(reports.first(), (QVariantList{4, 3, display, 0}));
        QVERIFY(!QFile::exists(d.root->filePath("/root/rebootStatus.txt")));
        QCOMPARE(d.root->readFile("/dev/watchdog"), QByteArray("6060"));
    }

    // Every display answers on the bus; only the primary one listens to the
    // cloud and the update utility.
    void busServiceAndInboundSignals_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("listens");
        QTest::newRow("primary") << "primary" << true;
        QTest::newRow("mirror") << "mirror" << false;
    }
    void busServiceAndInboundSignals()
    {
        QFETCH(QString, file);
        QFETCH(bool, listens);
        Display d = build(0, personality(file));
        QSignalSpy started(d.cabinet.get(), SIGNAL(firmwareUpdateStarted()));

        QDBusConnection client = QDBusConnection::connectToBus(m_env.busAddress(), "rootTestClient");
        QVERIFY(client.isConnected());
        QDBusPendingCall owner = client.interface()->asyncCall("NameHasOwner", QString(kService));
        QTRY_VERIFY(owner.isFinished());
        QVERIFY(owner.reply().arguments().value(0).toBool());

        QVERIFY(client.send(QDBusMessage::createSignal(kPath, kInterface, "firmwareUpdateStarted")));
        // A call after the signal comes back only once the signal was handled.
        QDBusMessage get = QDBusMessage::createMethodCall(kService, kPath, "org.freedesktop.DBus.Properties", "Get");
        get << QString(kInterface) << QString("firmwareVersion");
        QDBusPendingCall version = client.asyncCall(get);
        QTRY_VERIFY(version.isFinished());
        QVERIFY2(!version.isError(), qPrintable(version.error().message()));
        QCOMPARE(version.reply().arguments().value(0).value<QDBusVariant>().variant().toString(),
                 QStringLiteral("QZ-7318"));
        QCoreApplication::processEvents();
        QCOMPARE(started.count(), listens ? 1 : 0);

        // A cloud command reaches the configuration store and is answered on
        // the primary display only.
        auto *config = d.cabinet->findChild<ConfigurationManager *>();
        QVERIFY(config);
        const int interval = config->get_performanceDataInterval();
        QVERIFY(interval != 30);
        QSignalSpy replies(this, SIGNAL(riotEventHeard(QString)));
        QVERIFY(client.connect(QString(), kPath, kInterface, "riotEvent", this, SIGNAL(riotEventHeard(QString))));
        QDBusMessage command = QDBusMessage::createSignal(kPath, kInterface, "riotCmd");
        command << QStringLiteral(
            R"({"event":"command","command":"updatePerformanceDataInterval","commandValue":"30"})");
        QVERIFY(client.send(command));
        if (listens) {
            QTRY_COMPARE(replies.count(), 1);
            const QJsonObject reply = QJsonDocument::fromJson(replies.at(0).at(0).toString().toUtf8()).object();
            QCOMPARE(reply.value("commandStatus").toString(), QStringLiteral("success"));
            QCOMPARE(config->get_performanceDataInterval(), 30);
            auto *timer = d.cabinet->findChild<QTimer *>(QStringLiteral("performanceDataTimer"));
            QVERIFY(timer);
            QTRY_COMPARE(timer->interval(), 30000);
            QVERIFY(timer->isActive());
            // A hold start goes out as a cloud event.
            d.cabinet->sendHoldStartedEventToDbus(0, 0x4a1f, "auto");
            QTRY_COMPARE(replies.count(), 2);
            const QJsonObject hold = QJsonDocument::fromJson(replies.at(1).at(0).toString().toUtf8()).object();
            QCOMPARE(hold.value("event").toString(), QStringLiteral("holdStart"));
            QCOMPARE(hold.value("panId").toString(), QStringLiteral("4a1f"));
            QVERIFY(hold.value("timestamp").isString());
            // Weeks of seconds do not fit an int of milliseconds.
            config->set_performanceDataInterval(3000000);
            QTRY_COMPARE(timer->interval(), INT_MAX);
            QVERIFY(timer->isActive());
        } else {
            QTest::qWait(200);
            QCOMPARE(replies.count(), 0);
            QCOMPARE(config->get_performanceDataInterval(), interval);
        }
        client.disconnect(QString(), kPath, kInterface, "riotEvent", this, SIGNAL(riotEventHeard(QString)));
        QDBusConnection::disconnectFromBus("rootTestClient");
    }

    // Cloud texts over the bus to a primary display: a location and a
    // serial number the configuration files can hold are taken; one with a
    // line break, which would add a setting to "config.txt", is refused and
    // answered with the error reply its message family has.
    void cloudTextsOverTheBus_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("reply");     // the reply's "event", if any
        QTest::addColumn<QString>("detail");    // its error text
        QTest::addColumn<QString>("storeNumber");
        QTest::newRow("a location")
            << R"({"event":"locationUpdate","value":"Store 12"})" << QString() << QString() << "Store 12";
        QTest::newRow("a location with a setting after a line feed")
            << R"({"event":"locationUpdate","timestamp":1700000000,"value":"Store 12\npasswdL1=1111"})"
            << "commandError" << "Invalid location!" << "N.A.";
        QTest::newRow("a serial number with a setting after a line feed")
            << R"({"event":"command","command":"updateSerialNumber","commandValue":"SN7\ncustomerIdStr=3"})"
            << "commandStatus" << "Unknown command value" << "N.A.";
    }
    void cloudTextsOverTheBus()
    {
        QFETCH(QString, message);
        QFETCH(QString, reply);
        QFETCH(QString, detail);
        QFETCH(QString, storeNumber);
        Display d = build(0, personality("primary"));
        auto *config = d.cabinet->findChild<ConfigurationManager *>();
        const QString passwd = config->get_passwdL1();

        QDBusConnection client = QDBusConnection::connectToBus(m_env.busAddress(), "cloudTextClient");
        QVERIFY(client.isConnected());
        QSignalSpy replies(this, SIGNAL(riotEventHeard(QString)));
        QVERIFY(client.connect(QString(), kPath, kInterface, "riotEvent", this, SIGNAL(riotEventHeard(QString))));
        // The marker command behind the text answers once the text is dealt with.
        for (const QString &text : {message, QStringLiteral(R"({"event":"command","command":"nothing"})")}) {
            QDBusMessage command = QDBusMessage::createSignal(kPath, kInterface, "riotCmd");
            command << text;
            QVERIFY(client.send(command));
        }
        QTRY_COMPARE(replies.count(), reply.isEmpty() ? 1 : 2);
        if (!reply.isEmpty()) {
            const QJsonObject answer = QJsonDocument::fromJson(replies.at(0).at(0).toString().toUtf8()).object();
            QCOMPARE(answer.value("event").toString(), reply);
            QCOMPARE(answer.value(reply == "commandError" ? "errorDesc" : "commandStatusDetails").toString(), detail);
        }
        QCOMPARE(config->get_storeNumber(), storeNumber);
        QCOMPARE(config->get_passwdL1(), passwd);
        const QByteArray file = d.root->readFile("/root/config.txt");
        QVERIFY(!file.contains("1111") && !file.contains("customerIdStr"));
        if (reply.isEmpty())
            QVERIFY(file.contains("\nstoreNumber=Store 12\n"));
        client.disconnect(QString(), kPath, kInterface, "riotEvent", this, SIGNAL(riotEventHeard(QString)));
        QDBusConnection::disconnectFromBus("cloudTextClient");
    }

signals:
    void riotEventHeard(QString json);
};

QTEST_MAIN(TestCompositionRoot)
#include "tst_compositionroot.moc"
