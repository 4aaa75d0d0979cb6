#include "core/cabinetmanager.h"
#include "core/canmessagecodec.h"
#include "core/mastersync.h"
#include "core/traybarsc.h"
#include "core/wiring.h"

#include "alarms/haccpcontroller.h"
#include "alarms/kiverrorcontrollert.h"
#include "canbus/canbusmanager.h"
#include "config/configurationmanager.h"
#include "iot/kivriot.h"
#include "menus/tavolenproxy.h"
#include "modbus/qmodbusmaster.h"
#include "network/dadazodaru.h"
#include "nfc/masteriomanager.h"
#include "nfc/nfcmanager.h"

#include "bytelist.h"
#include "cantestnode.h"
#include "displayenvironment.h"
#include "kitchenmenu.h"
#include "machinestates.h"
#include "messagecatcher.h"
#include "cabinetpersonality.h"
#include "temproot.h"
#include "vcantap.h"

#include <QApplication>
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
#include <optional>
#include <vector>

namespace {

const char kService[] = "com.corvantis.DBus";
const char kPath[] = "/KivApplication";
const char kInterface[] = "com.corvantis.DBus.KivApplication";

// The primary personality fixture, optionally turned into another role.
QByteArray personality(const QString &role)
{
    return cabinetPersonality(role == "primary" ? QStringLiteral("primaryWithMirror") : role);
}

// The personality file of a display by the name the tables use: a role of
// the 2x4 fixture (primary with a mirror, NFC, HACCP, customer 3), or one of
// its variants; no name, no file.
QByteArray personalityFile(const QString &name)
{
    if (name.isEmpty())
        return QByteArray();
    if (name == "nfcOffHaccpOn")
        return cabinetPersonality("alone", [](QJsonObject &p) {
            p["nfcEnabled"] = false;
            p["haccpDataCollection"] = true;
        });
    if (name == "haccpOff")
        return cabinetPersonality("primaryWithMirror", [](QJsonObject &p) { p["haccpDataCollection"] = false; });
    if (name == "customer2")
        return cabinetPersonality("primaryWithMirror", [](QJsonObject &p) { p["customerId"] = 2; });
    return personality(name);
}

// The application's own argument list. QApplication reads the program's
// options from it through a reference, so a display built while an
// ExtraOption lives finds that option on its command line.
int g_appArgc = 0;
char **g_appArgv = nullptr;

class ExtraOption
{
public:
    explicit ExtraOption(const char *option)
    {
        g_appArgv[g_appArgc++] = const_cast<char *>(option);
        g_appArgv[g_appArgc] = nullptr;
    }
    ~ExtraOption() { g_appArgv[--g_appArgc] = nullptr; }
    ExtraOption(const ExtraOption &) = delete;
    ExtraOption &operator=(const ExtraOption &) = delete;
};

// Warnings that tell of a connection that was not made or cannot deliver.
QStringList wiringWarnings(const MessageCatcher &catcher)
{
    QStringList found;
    for (const QString &w : catcher.warnings())
        if (w.startsWith("QObject::connect") || w.startsWith("QObject::disconnect")
            || w.startsWith("QMetaObject::invokeMethod") || w.startsWith("QStateMachine")
            || w.startsWith("Wiring:"))
            found << w;
    return found;
}

int linesContaining(const MessageCatcher &catcher, const QString &text)
{
    return catcher.messages().filter(text).size();
}

// Single-frame identifiers are the sender id; a transfer's first frame is
// type 4 and names its multi-packet id in its first data byte.
constexpr quint32 kTransferStart = quint32(CanbusManager::KIVMSGTYPE_FILE_START) << 4;

// What one sender put on the bus from datagram `from` on, in order:
// "single <id>" and "multi <id>".
QStringList sentBy(const VcanTap &tap, quint32 sender, int from = 0)
{
    QStringList sent;
    for (int i = from; i < tap.datagrams.size(); ++i) {
        const QByteArray &d = tap.datagrams.at(i);
        const quint32 id = VcanTap::identifierOf(d);
        if (id == sender)
            sent << QStringLiteral("single %1").arg(quint8(d.at(8)));
        else if (id == (kTransferStart | sender))
            sent << QStringLiteral("multi %1").arg(quint8(d.at(8)));
    }
    return sent;
}

// A single message the primary display sent (under the sender id its
// message id goes with) that starts with these bytes.
bool primarySentSingle(const VcanTap &tap, const QByteArray &start)
{
    const quint32 sender = quint32(CanMessageCodec::frameIdFor(quint8(start.at(0)), true));
    for (const QByteArray &data : tap.singleFrames(sender))
        if (data.startsWith(start))
            return true;
    return false;
}

QObject *firstTray(CabinetManager *cm)
{
    return cm->get_traysModelList().value(0);
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

    Display build(int idConnector, const QByteArray &hcc, bool singleDisplay = false)
    {
        Display d;
        d.root = std::make_unique<TempRoot>();
        if (!hcc.isEmpty())
            d.root->writeFile("/root/cabinet.hcc", hcc);
        qputenv("KIV_VCAN_DIR", busOf(d).toLocal8Bit());
        MessageCatcher catcher;
        std::optional<ExtraOption> option;
        if (singleDisplay)
            option.emplace("-singledisplay");
        d.cabinet = std::make_unique<CabinetManager>(0, idConnector, nullptr);
        d.wiringWarnings = wiringWarnings(catcher);
        return d;
    }

    static QString busOf(const Display &d) { return d.root->filePath("/run/vcan/can0"); }

private slots:
    // The cabinet registers the types its queued connections carry: the
    // test registers none itself.
    void initTestCase()
    {
        QVERIFY(m_env.start());
    }

    // A connection that cannot be made leaves one warning naming both ends;
    // one that is made leaves none.
    void unmadeConnectionIsLogged()
    {
        QObject tray;
        tray.setObjectName("tbsc3");
        QTimer timer;
        timer.setObjectName("saveDelay");

        QTest::ignoreMessage(QtWarningMsg, "Wiring: no connection from QObject \"tbsc3\" holdingStartedSignal(trayInfo) "
                                           "to QTimer \"saveDelay\" start()");
        QVERIFY(!Wiring::link(&tray, SIGNAL(holdingStartedSignal(trayInfo)), &timer, SLOT(start())));

        QTest::ignoreMessage(QtWarningMsg, "Wiring: no connection from QTimer \"saveDelay\" timeout() "
                                           "to QObject \"tbsc3\" updateTrayInfo()");
        QVERIFY(!Wiring::link(&timer, SIGNAL(timeout()), &tray, SLOT(updateTrayInfo()), Qt::QueuedConnection));

        QTest::ignoreMessage(QtWarningMsg, "Wiring: no connection from QTimer \"saveDelay\" timeout() "
                                           "to (no object) stop()");
        QVERIFY(!Wiring::link(&timer, SIGNAL(timeout()), nullptr, SLOT(stop())));

        QTest::ignoreMessage(QtWarningMsg, "Wiring: no connection from the system bus riotCmd "
                                           "to QTimer \"saveDelay\" start()");
        QVERIFY(!Wiring::check(false, "the system bus", "riotCmd", &timer, "start()"));

        MessageCatcher catcher;
        QVERIFY(Wiring::link(&timer, SIGNAL(timeout()), &timer, SLOT(stop())));
        QVERIFY(Wiring::check(true, "the system bus", "riotCmd", &timer, "start()"));
        QVERIFY(catcher.warnings().isEmpty());
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

    // One program serves every display: each built-in layout, the
    // personality file from each role and with its options changed, and
    // "-singledisplay". Not one connection fails, and driving a hold through
    // a tray (a touch on a mirror display) and a menu import's three blocks
    // through the queued and automatic lines raises no warning. Each block
    // arrives once: the import's lines are not made twice.
    void everyDisplayWiresCleanly_data()
    {
        QTest::addColumn<int>("idConnector");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("singleDisplay");

        for (int id : {1, 2, 9, 10, 17, 18, 20, 24, 32, 33, 34, 36, 40, 0})
            QTest::addRow("built-in %d", id) << id << QString() << false;
        for (const char *file : {"primary", "alone", "primaryWithSecondary", "secondary", "mirror",
                                 "nfcOffHaccpOn", "customer2"})
            QTest::addRow("file: %s", file) << 0 << QString(file) << false;
        QTest::newRow("file: primary, -singledisplay") << 0 << "primary" << true;
    }
    void everyDisplayWiresCleanly()
    {
        QFETCH(int, idConnector);
        QFETCH(QString, file);
        QFETCH(bool, singleDisplay);

        Display d = build(idConnector, personalityFile(file), singleDisplay);
        CabinetManager *cm = d.cabinet.get();
        QVERIFY2(d.wiringWarnings.isEmpty(), qPrintable(d.wiringWarnings.join('\n')));
        if (singleDisplay)
            QVERIFY(!cm->get_hasMirrorDisplay() && !cm->get_hasSecondaryDisplay());

        MessageCatcher catcher;
        auto *tray = qobject_cast<TrayBarSc *>(firstTray(cm));
        QVERIFY(tray);
        if (cm->get_mirrorDisplay()) {
            emit tray->mirrorClicked();
            emit tray->mirrorCancelHolding();
        } else {
            QTRY_VERIFY(tray->isRunning());
            emit tray->assign();
            tray->set_remainingTime(600);
            tray->trayInserted();
            QTRY_COMPARE(stateOf(tray), QStringLiteral("standard"));
            emit tray->trayRemoved();
            QTRY_VERIFY(stateOf(tray) != QStringLiteral("standard"));
        }

        auto *import = cm->findChild<TavolenProxy *>(QStringLiteral("mcp"));
        auto *config = cm->findChild<ConfigurationManager *>(QStringLiteral("configManager"));
        QVERIFY(import && config);
        QSignalSpy configImported(config, SIGNAL(newConfigImported()));
        Configuration_t settings;
        settings.useFirst = 1;
        DayPart_t dayPart;
        dayPart.productIds[0] = KitchenMenu::kPatty;
        Product_t product;
        product.kind = Product_t::KindProduct;
        product.id = KitchenMenu::kPatty;
        product.holdTime = 1800;
        emit import->newConfigData(settings);
        emit import->newDayPartData(dayPart, 3);
        emit import->newProductsDataList({product});
        QTest::qWait(50);

        const QStringList driven = wiringWarnings(catcher);
        QVERIFY2(driven.isEmpty(), qPrintable(driven.join('\n')));
        QCOMPARE(configImported.count(), 1);
        QCOMPARE(linesContaining(catcher, "Imported day part: 3"), 1);
        QCOMPARE(linesContaining(catcher, "New products list will be:"), 1);
    }

    // Which lines a display has, by its role and options. A connection is
    // asked for by taking it away: disconnect() tells whether it existed.
    void linesByRoleAndOption_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("singleDisplay");
        QTest::addColumn<QStringList>("present");

        const QStringList primaryLines = {"record", "touch to NFC", "NFC starts holds", "HACCP",
                                          "cloud hears holds", "cloud hears zone preheat", "network errors"};
        const QStringList withMirror = {"mirror in step", "NTP to other display"};
        QTest::newRow("alone") << "alone" << false << primaryLines;
        QTest::newRow("primary with mirror") << "primary" << false << primaryLines + withMirror;
        QTest::newRow("primary with secondary") << "primaryWithSecondary" << false
            << primaryLines + QStringList{"NTP to other display"};
        QTest::newRow("secondary") << "secondary" << false
            << QStringList{"record over CAN", "touch to primary", "NTP to other display"};
        QTest::newRow("mirror") << "mirror" << false
            << QStringList{"touch forwarded", "touch to primary", "NTP to other display"};
        QTest::newRow("no NFC") << "nfcOffHaccpOn" << false
            << QStringList{"record", "NFC starts holds", "HACCP", "cloud hears holds", "cloud hears zone preheat",
                           "network errors"};
        QTest::newRow("no HACCP") << "haccpOff" << false
            << QStringList{"record", "touch to NFC", "NFC starts holds", "cloud hears holds",
                           "cloud hears zone preheat", "network errors"} + withMirror;
        QTest::newRow("customer 2") << "customer2" << false
            << QStringList{"record", "touch to NFC", "NFC starts holds", "HACCP", "cloud hears holds",
                           "network errors"} + withMirror;
        QTest::newRow("-singledisplay") << "primary" << true << primaryLines;
    }
    void linesByRoleAndOption()
    {
        QFETCH(QString, file);
        QFETCH(bool, singleDisplay);
        QFETCH(QStringList, present);

        Display d = build(0, personalityFile(file), singleDisplay);
        CabinetManager *cm = d.cabinet.get();
        const QList<QObject *> trays = cm->get_traysModelList();
        QObject *nfc = cm->findChild<NFCmanager *>();
        QObject *riot = cm->findChild<KivRiot *>();
        QObject *network = cm->findChild<DADazodaru *>();
        QObject *errors = cm->findChild<KivErrorControllerT *>();
        QObject *config = cm->findChild<ConfigurationManager *>();
        QVERIFY(!trays.isEmpty() && nfc && riot && network && errors && config);

        struct Line {
            const char *name;
            QObject *sender;
            const char *signal;
            QObject *receiver;
            const char *method;
        };
        // Each tray's lines; a tray line counts as present only when every
        // tray has it, so one tray wired apart from the others shows.
        const auto trayLines = [&](QObject *tray) {
            return std::vector<Line>{
                {"record", tray, SIGNAL(holdingStartedSignal(trayInfo)), cm, SLOT(updateTrayBarHoldingInfo(trayInfo))},
                {"record over CAN", tray, SIGNAL(holdingStartedSignal(trayInfo)), cm,
                 SLOT(sendTrayBarHoldingInfo(trayInfo))},
                {"touch forwarded", tray, SIGNAL(mirrorClicked()), cm, SLOT(sendMirrorClick())},
                {"mirror in step", tray, SIGNAL(productIdChanged(int)), cm, SLOT(sendProductIdToRemoteDisplay(int))},
                {"touch to NFC", tray, SIGNAL(userRequestsManualTimerStart(quint8)), nfc,
                 SLOT(userRequestsManualTimerStart(quint8))},
                {"touch to primary", tray, SIGNAL(userRequestsManualTimerStart(quint8)), cm,
                 SLOT(sendUserRequestsManualTimerStart(quint8))},
                {"HACCP", tray, SIGNAL(holdingStarted(QString,QString,QString,int,QString)), cm,
                 SLOT(logHaccpTimerStartInfo(QString,QString,QString,int,QString))},
                {"HACCP", tray, SIGNAL(holdingStopped(QString,QString,QString,int,QString,int)), cm,
                 SLOT(logHaccpTimerStopInfo(QString,QString,QString,int,QString,int))},
            };
        };
        const Line displayLines[] = {
            {"NFC starts holds", nfc, SIGNAL(startBinTimer(quint8,qint32,quint64)), cm,
             SLOT(startBinTimer(quint8,qint32,quint64))},
            {"cloud hears holds", cm, SIGNAL(event_holdStarted(QString,QString,QString,int,QString)), riot,
             SLOT(handle_event_holdStart(QString,QString,QString,int,QString))},
            {"cloud hears zone preheat", cm, SIGNAL(zonePreheatEntered(QString,int)), riot,
             SLOT(handle_event_zonePreheatStart(QString,int))},
            {"network errors", network, SIGNAL(logErrorSignal(int,int,int,int)), errors,
             SLOT(errorCodesDataProcess(int,int,int,int))},
            {"NTP to other display", config, SIGNAL(ntpOnChanged(bool)), cm, SLOT(sendNtpOn(bool))},
        };
        QStringList found;
        for (const Line &line : displayLines)
            if (QObject::disconnect(line.sender, line.signal, line.receiver, line.method))
                found << line.name;
        QMap<QString, int> onTrays;
        QMap<QString, int> probes;
        for (QObject *tray : trays)
            for (const Line &line : trayLines(tray)) {
                ++probes[line.name];
                if (QObject::disconnect(line.sender, line.signal, line.receiver, line.method))
                    ++onTrays[line.name];
            }
        for (auto it = onTrays.cbegin(); it != onTrays.cend(); ++it)
            found << (it.value() == probes.value(it.key())
                          ? it.key()
                          : QStringLiteral("%1 on %2 of %3 probes").arg(it.key()).arg(it.value()).arg(probes.value(it.key())));
        found.sort();
        present.sort();
        QCOMPARE(found, present);
    }

    // A tray's hold start changes the bin's record on the primary display
    // and is not sent; a secondary display sends it to the primary display
    // (multi-packet id 5) and keeps no record of it.
    void holdingRecordOrCan_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("recorded");
        QTest::newRow("primary") << "primaryWithSecondary" << true;
        QTest::newRow("secondary") << "secondary" << false;
    }
    void holdingRecordOrCan()
    {
        QFETCH(QString, file);
        QFETCH(bool, recorded);
        Display d = build(0, personalityFile(file));
        CabinetManager *cm = d.cabinet.get();
        QVERIFY(cm->get_isConfigured());
        VcanTap tap(busOf(d));
        QVERIFY(tap.isOpen());
        const quint32 sender = cm->get_iAmMaster() ? 1 : 2;
        auto *tray = cm->findChild<TrayBarSc *>(QStringLiteral("tbsc5"));
        QVERIFY(tray);

        trayInfo ti;
        ti.binNumber = 5;
        ti.holdActivity = 2;
        ti.groupId = 77;
        ti.remainingTime = 900;
        emit tray->holdingStartedSignal(ti);
        const QString multiFive = QStringLiteral("multi %1").arg(int(CanbusManager::KIV_MULTI_TRAY_INFO));
        if (recorded) {
            QTRY_COMPARE(quint32(cm->getTrayInfo(5).groupId), 77u);
            QTest::qWait(100);
            QVERIFY(!sentBy(tap, sender).contains(multiFive));
        } else {
            QTRY_VERIFY(sentBy(tap, sender).contains(multiFive));
            QCOMPARE(quint32(cm->getTrayInfo(5).groupId), 0u);
        }
    }

    // Every tray's hold start and stop reach the HACCP log on a primary
    // display that collects HACCP data, and on no other display. (Where
    // HACCP data is not collected at all, the log does not run: the lines
    // are shown absent by linesByRoleAndOption.)
    void haccpOnlyOnPrimaryWithHaccp_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("logged");
        QTest::newRow("primary, HACCP on") << "primary" << true;
        QTest::newRow("secondary, HACCP on") << "secondary" << false;
        QTest::newRow("mirror, HACCP on") << "mirror" << false;
    }
    void haccpOnlyOnPrimaryWithHaccp()
    {
        QFETCH(QString, file);
        QFETCH(bool, logged);
        Display d = build(0, personalityFile(file));
        CabinetManager *cm = d.cabinet.get();
        auto *haccp = cm->findChild<HaccpController *>(QStringLiteral("haccpController"));
        QVERIFY(haccp && haccp->isLogging());
        QSignalSpy entries(haccp, SIGNAL(haccpDataLog(QByteArray)));
        QSignalSpy closed(haccp, SIGNAL(removeDataLog(QByteArray)));

        const QList<QObject *> trays = cm->get_traysModelList();
        for (QObject *object : trays) {
            auto *tray = qobject_cast<TrayBarSc *>(object);
            const int bin = tray->get_binNumber();
            emit tray->holdingStarted("1704110400", "Patty", "", bin, "auto");
            emit tray->holdingStopped("1704111000", "Patty", "", bin, "manual", 1200);
        }
        QTest::qWait(50);
        // A stop closes the start's entry and logs the whole hold.
        QCOMPARE(entries.count(), logged ? 2 * trays.size() : 0);
        QCOMPARE(closed.count(), logged ? trays.size() : 0);
    }

    // Receivers of one signal run in the order they were connected: the
    // menu files go out before the clock.
    void menuFilesBeforeTheClock()
    {
        Display d = build(0, personalityFile("primaryWithSecondary"));
        CabinetManager *cm = d.cabinet.get();
        // The files go out as they are.
        QVERIFY(d.root->writeFile("/root/menu.json", KitchenMenu::menu()));
        QVERIFY(d.root->writeFile("/root/dayParts.json", "{}"));
        VcanTap tap(busOf(d));
        CanTestNode secondary(2); // acknowledges every record
        QTest::qWait(50);
        const int from = tap.datagrams.size();

        emit cm->findChild<MasterSync *>(QStringLiteral("syncMgr"))->syncMenuFiles();
        // The menu, the day parts, the update notice, then the clock.
        const QStringList expected = {
            QStringLiteral("multi %1").arg(int(CanbusManager::KIV_MULTI_FILE_TRANSFER_PRODS)),
            QStringLiteral("multi %1").arg(int(CanbusManager::KIV_MULTI_FILE_TRANSFER_DPS_M)),
            QStringLiteral("single %1").arg(int(CanbusManager::KIVMSGSINGLE_MC_UPDATE_PROCESS)),
            QStringLiteral("single %1").arg(int(CanbusManager::KIVMSGSINGLE_MC_DATETIME_CHANGE_REQUEST)),
        };
        const auto firstOfEach = [&] {
            QStringList order;
            for (const QString &item : sentBy(tap, 1, from))
                if (expected.contains(item) && !order.contains(item))
                    order << item;
            return order;
        };
        QTRY_COMPARE_WITH_TIMEOUT(firstOfEach().size(), expected.size(), 20000);
        QCOMPARE(firstOfEach(), expected);
    }

    // A secondary display logs no HACCP entries itself: its trays' hold
    // starts and stops go to the primary display's log over CAN
    // (multi-packet 30 and 29), each in its own message.
    void secondarySendsHaccpToPrimary()
    {
        Display d = build(0, personalityFile("secondary"));
        CabinetManager *cm = d.cabinet.get();
        QVERIFY(cm->get_haccpEnabled() && !cm->get_iAmMaster());
        VcanTap tap(busOf(d));
        QVERIFY(tap.isOpen());
        CanTestNode primary(1); // acknowledges every record
        auto *tray = cm->findChild<TrayBarSc *>(QStringLiteral("tbsc5"));
        QVERIFY(tray);
        const QString start = QStringLiteral("multi %1").arg(int(CanbusManager::KIV_MULTI_SEND_HACCP_TIMER_START));
        const QString stop = QStringLiteral("multi %1").arg(int(CanbusManager::KIV_MULTI_SEND_HACCP_TIMER_STOP));

        emit tray->holdingStarted("1704110400", "Patty", "77", 5, "auto");
        QTRY_COMPARE(sentBy(tap, 2).count(start), 1);
        QCOMPARE(sentBy(tap, 2).count(stop), 0);
        emit tray->holdingStopped("1704111000", "Patty", "77", 5, "manual", 1200);
        QTRY_COMPARE(sentBy(tap, 2).count(stop), 1);
        QCOMPARE(sentBy(tap, 2).count(start), 1);
    }

    // A primary display alone in its cabinet forwards nothing to another
    // display: not the NTP setting, the ambient alarm and value, the
    // heater alarm and test, bin target temperatures nor fan speeds. With a
    // secondary display each goes out.
    void aloneForwardsNothing_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("forwards");
        QTest::newRow("alone") << "alone" << false;
        QTest::newRow("with a secondary display") << "primaryWithSecondary" << true;
    }
    void aloneForwardsNothing()
    {
        QFETCH(QString, file);
        QFETCH(bool, forwards);
        Display d = build(0, personalityFile(file));
        CabinetManager *cm = d.cabinet.get();
        QVERIFY(cm->get_iAmMaster() && cm->get_hasFan());
        VcanTap tap(busOf(d));
        auto *config = cm->findChild<ConfigurationManager *>(QStringLiteral("configManager"));
        auto *io = cm->findChild<MasterIoManager *>(QStringLiteral("masterIoManager"));
        QVERIFY(config && io);

        config->set_ntpOn(!config->get_ntpOn());
        cm->set_heatersTestEnabled(!cm->get_heatersTestEnabled());
        emit io->ambientTemperatureAlarm();
        emit io->ambientTemperatureChanged(95);
        emit io->heaterHighTempAlarm();
        emit io->binTargetTempChanged(1, 170);
        emit io->binTargetFanSpeedChanged(1, 60);
        emit io->binActualFanSpeedChanged(1, 55);

        // Message id and, for properties and actions, their code.
        const QList<QPair<QString, QByteArray>> forwarded = {
            {"NTP setting", bytes({CanbusManager::KIVMSGSINGLE_NTP_CHANGED})},
            {"heater test", bytes({CanbusManager::KIVMSGSINGLE_HEATERS_TEST_ENABLED})},
            {"ambient alarm", bytes({CanbusManager::KIVMSGSINGLE_OBJ_ACTION, 7})},
            {"ambient value", bytes({CanbusManager::KIVMSGSINGLE_OBJ_PROP, 20})},
            {"heater alarm", bytes({CanbusManager::KIVMSGSINGLE_OBJ_ACTION, 9})},
            {"bin target temperature", bytes({CanbusManager::KIVMSGSINGLE_BIN_TARGET_TEMP, 1})},
            {"bin target fan speed", bytes({CanbusManager::KIVMSGSINGLE_OBJ_PROP, 19, 1})},
            {"bin actual fan speed", bytes({CanbusManager::KIVMSGSINGLE_OBJ_PROP, 18, 1})},
        };
        if (forwards) {
            for (const auto &message : forwarded)
                QTRY_VERIFY2(primarySentSingle(tap, message.second), qPrintable(message.first));
        } else {
            QTest::qWait(300);
            for (const auto &message : forwarded)
                QVERIFY2(!primarySentSingle(tap, message.second), qPrintable(message.first));
        }
    }

signals:
    void riotEventHeard(QString json);
};

// The test's own options go to the test runner; the application gets a
// copy of them with room for the one option a display may be built with.
int main(int argc, char **argv)
{
    std::vector<char *> appArgs(argv, argv + argc);
    appArgs.resize(size_t(argc) + 2, nullptr);
    g_appArgc = argc;
    g_appArgv = appArgs.data();
    QApplication app(g_appArgc, g_appArgv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestCompositionRoot test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_compositionroot.moc"
