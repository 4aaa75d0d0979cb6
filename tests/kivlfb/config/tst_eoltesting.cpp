#include "config/configurationmanager.h"
#include "config/eoltestcodec.h"
#include "config/eoltesting.h"

#include "eolstation.h"
#include "machinestates.h"
#include "messagecatcher.h"
#include "storecabinet.h"
#include "temproot.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUdpSocket>
#include <QtTest>

#include <memory>

namespace {

using Heater = QPair<int, int>;

// The I/O board link as the test server sees it: heater answers set by the
// test, and every request it gets written to the shared log.
class FakeIoLink : public QObject
{
    Q_OBJECT

public:
    FakeIoLink(QStringList *log, QObject *parent)
        : QObject(parent), m_log(log)
    {
        setObjectName("masterIoManager");
        connect(this, &FakeIoLink::ttSendRequestSignal, this, [this] { *m_log << "resend requests"; });
    }

    QMap<Heater, int> temps;
    QMap<Heater, QString> errors;
    bool startsHeaters = true;
    bool ioFault = false;
    bool nfcFault = false;

    Q_INVOKABLE int eolGetActualTemp(int zone, int heater) const { return temps.value({zone, heater}); }
    Q_INVOKABLE QString eolGetTempErrorDescription(int zone, int heater) const
    {
        return errors.value({zone, heater}, "NO ERROR");
    }
    Q_INVOKABLE bool eolTempTestSingleHeater(int zone, int heater)
    {
        *m_log << QString("single heater %1 %2").arg(zone).arg(heater);
        return startsHeaters;
    }
    Q_INVOKABLE void eolTempTestAllHeaters(bool on) { *m_log << (on ? "all heaters on" : "all heaters off"); }
    Q_INVOKABLE bool getIoCommErrorDetected() const { return ioFault; }
    Q_INVOKABLE bool getNfcErrorDetected() const { return nfcFault; }
    Q_INVOKABLE int get_numOfNfcBoards() const { return 1; }

signals:
    void ttSendRequestSignal();

public slots:
    void sendAllFanTargetsRequest() { *m_log << "fan targets"; }

private:
    QStringList *m_log;
};

class FakeSound : public QObject
{
    Q_OBJECT

public:
    FakeSound(QStringList *log, QObject *parent)
        : QObject(parent), m_log(log)
    {
        setObjectName("soundManager");
    }

public slots:
    void playWarningAlarm() { *m_log << "warning alarm"; }

private:
    QStringList *m_log;
};

// The cabinet core under the test server: its layout as properties, its
// messages to the other displays and its tags per bin.
class EolCabinet : public StoreCabinet
{
    Q_OBJECT

public:
    explicit EolCabinet(QStringList *log)
        : m_log(log)
    {
        setProperty("numberOfZones", 4);
        setProperty("traysPerCabinet", 8);
        setProperty("numberOfRows", 5);
        setProperty("zonesPerRow", 1);
        setProperty("traysPerZone", 2);
        setProperty("singleColumnUnit", false);
        setProperty("hasSecondaryDisplay", false);
        setProperty("nfcEnabled", true);
        setProperty("orientationId", 9);
        setProperty("numIOBoards", 2);
        setProperty("hasFan", true);
    }

    QMap<int, quint64> tags;

signals:
    // Heard by the configuration store of a display that is not primary.
    void masterUiWasFound();

public slots:
    quint64 getTagUidAtBin(uchar bin) { return tags.value(bin); }
    void reStateTraysHoldTemps() { *m_log << "restate hold temps"; }
    void sendScreenTestStart() { *m_log << "screen test start message"; }
    void sendScreenTestStop() { *m_log << "screen test stop message"; }
    void sendRfIdTestStart() { *m_log << "tag test start message"; }
    void sendSystemInfoTestStart() { *m_log << "system info message"; }

private:
    QStringList *m_log;
};

} // namespace

// The factory test server: its wire formats, its chart, every request of a
// test run, and what a stranger on the factory network can throw at it.
// A test cabinet stands for the cabinet core; the configuration store is
// the real one.
class TestEolTesting : public QObject
{
    Q_OBJECT

    QStringList m_log;
    std::unique_ptr<TempRoot> m_root;
    std::unique_ptr<EolCabinet> m_cabinet;
    ConfigurationManager *m_store = nullptr;
    FakeIoLink *m_link = nullptr;
    QObject *m_errors = nullptr;
    QObject *m_sync = nullptr;
    EolTesting *m_eol = nullptr;
    std::unique_ptr<EolStation> m_station;

    // Builds the cabinet and starts the server; the test-panel signals go
    // to the log.
    void startServer(bool configured)
    {
        m_cabinet->configured = configured;
        m_eol = new EolTesting(m_cabinet.get());
        const QList<QPair<void (EolTesting::*)(), QString>> panels = {
            {&EolTesting::systemInfoTestStart, "systemInfoTestStart"},
            {&EolTesting::displayTestStart, "displayTestStart"},
            {&EolTesting::soundTestStart, "soundTestStart"},
            {&EolTesting::heatingTestCommand, "heatingTestCommand"},
            {&EolTesting::nfcTestStart, "nfcTestStart"}};
        for (const auto &panel : panels) {
            const QString name = panel.second;
            connect(m_eol, panel.first, this, [this, name] { m_log << "emit " + name; });
        }
        m_eol->start();
        QTRY_VERIFY(m_eol->isRunning());
    }

    // A station connected and in a test run; the log starts empty.
    void openRun()
    {
        QVERIFY(m_station->connect());
        QTRY_COMPARE(activeStateNames(*m_eol), (QStringList{"eolDisconnected", "tcpClientConnected"}));
        m_station->send(eolRequest("EndOfLineTest"));
        QCOMPARE(m_station->nextReply(), eolReply("EndOfLineTestResponse", "pass"));
        QTRY_COMPARE(activeStateNames(*m_eol), (QStringList{"eolClientConnected", "tcpClientConnected"}));
        m_log.clear();
    }

    // Sends a request and waits until the server has dealt with it.
    void sendAndWait(const QJsonObject &request)
    {
        QSignalSpy handled(m_eol, &EolTesting::eolClientRequestReceived);
        m_station->send(request);
        QVERIFY(handled.wait());
    }

    QTimer *timer(const char *name) const { return m_eol->findChild<QTimer *>(name); }

private slots:
    void init()
    {
        m_log.clear();
        m_root = std::make_unique<TempRoot>();
        QVERIFY(m_root->isValid());
        m_cabinet = std::make_unique<EolCabinet>(&m_log);
        m_cabinet->driveMounted = false;
        m_store = new ConfigurationManager(nullptr, nullptr, false, 0, m_cabinet.get());
        m_store->setObjectName("configManager");
        m_link = new FakeIoLink(&m_log, m_cabinet.get());
        new FakeSound(&m_log, m_cabinet.get());
        m_errors = new QObject(m_cabinet.get());
        m_errors->setObjectName("kivErrorController");
        m_errors->setProperty("sibLinkBroken", false);
        m_sync = new QObject(m_cabinet.get());
        m_sync->setObjectName("syncMgr");
        m_sync->setProperty("canLinkBroken", false);
        m_station = std::make_unique<EolStation>();
    }

    void cleanup()
    {
        m_station.reset();
        m_cabinet.reset();
        m_root.reset();
        m_eol = nullptr;
    }

    void startsIdleAndTakesTheBroadcastRequest()
    {
        MessageCatcher catcher;
        EolTesting eol;
        QVERIFY2(catcher.warnings().isEmpty(), qPrintable(catcher.warnings().join('\n')));
        QVERIFY(!eol.getEolTestStarted());

        eol.start();
        QTRY_COMPARE(eol.property("isRunning").toBool(), true);
        QCOMPARE(activeStateNames(eol), QStringList{"idle"});

        QSignalSpy request(&eol, &EolTesting::udpBroadCastStartReq);
        eol.startUdpbroadcast();
        QCOMPARE(request.count(), 1);

        QSignalSpy started(&eol, &EolTesting::eolTestStartedChanged);
        eol.setEolTestStarted(true);
        eol.setEolTestStarted(true);
        QCOMPARE(started.count(), 1);
    }

    // ------------------------------------------------------------------
    // Formats

    void addressDatagram_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("zonesPerRow");
        QTest::addColumn<int>("binsPerZone");
        QTest::addColumn<bool>("singleColumn");
        QTest::addColumn<QByteArray>("datagram");

        QTest::newRow("two columns") << "10.0.0.7" << 5 << 1 << 2 << false << QByteArray("\x0a\x00\x00\x07\x05\x04", 6);
        QTest::newRow("no address") << "" << 5 << 1 << 2 << false << QByteArray("\x05\x04", 2);
        QTest::newRow("single column") << "192.168.1.20" << 4 << 1 << 2 << true
                                       << QByteArray("\xc0\xa8\x01\x14\x04\x02", 6);
        QTest::newRow("zones side by side") << "172.16.0.255" << 2 << 2 << 2 << false
                                            << QByteArray("\xac\x10\x00\xff\x02\x04", 6);
        QTest::newRow("three parts") << "10.0.7" << 5 << 1 << 2 << false << QByteArray("\x05\x04", 2);
        QTest::newRow("octet too large") << "10.0.0.256" << 5 << 1 << 2 << false << QByteArray("\x05\x04", 2);
        QTest::newRow("not a number") << "10.0.x.7" << 5 << 1 << 2 << false << QByteArray("\x05\x04", 2);
    }
    void addressDatagram()
    {
        QFETCH(QString, address);
        QFETCH(int, rows);
        QFETCH(int, zonesPerRow);
        QFETCH(int, binsPerZone);
        QFETCH(bool, singleColumn);
        QFETCH(QByteArray, datagram);
        QCOMPARE(EolTestCodec::addressDatagram(address, {rows, zonesPerRow, binsPerZone, singleColumn}), datagram);
    }

    void softwareVersions_data()
    {
        QTest::addColumn<int>("orientationId");
        QTest::addColumn<int>("ioBoards");   // the cabinet's count, for other ids
        QTest::addColumn<int>("nfcBoards");  // the link's count, for other ids
        QTest::addColumn<bool>("secondary");
        QTest::addColumn<bool>("nfc");
        QTest::addColumn<QString>("versions");

        QTest::newRow("5x4") << 1 << 0 << 0 << true << true
            << "UI1-QZ,UI2-QY,IoT-4.1,IO1-1.0.0,IO2-1.0.1,IO3-1.0.2,IO4-1.0.3,IO5-1.0.4,NFC1-2.0.0,NFC2-2.0.1";
        QTest::newRow("2x4") << 9 << 5 << 2 << false << true << "UI1-QZ,IoT-4.1,IO1-1.0.0,IO2-1.0.1,NFC1-2.0.0";
        QTest::newRow("2x2 without NFC") << 17 << 5 << 2 << false << false << "UI1-QZ,IoT-4.1,IO1-1.0.0";
        QTest::newRow("5x2") << 32 << 1 << 2 << false << true
            << "UI1-QZ,IoT-4.1,IO1-1.0.0,IO2-1.0.1,IO3-1.0.2,NFC1-2.0.0";
        QTest::newRow("other id, cabinet's counts") << 25 << 4 << 2 << false << true
            << "UI1-QZ,IoT-4.1,IO1-1.0.0,IO2-1.0.1,IO3-1.0.2,IO4-1.0.3,NFC1-2.0.0,NFC2-2.0.1";
        QTest::newRow("other id, no I/O board counted") << 25 << 0 << 0 << false << true
            << "UI1-QZ,IoT-4.1,IO1-1.0.0,NFC1-2.0.0";
        QTest::newRow("other id, too many boards") << 25 << 9 << 1 << false << false
            << "UI1-QZ,IoT-4.1,IO1-1.0.0,IO2-1.0.1,IO3-1.0.2,IO4-1.0.3,IO5-1.0.4";
    }
    void softwareVersions()
    {
        QFETCH(int, orientationId);
        QFETCH(int, ioBoards);
        QFETCH(int, nfcBoards);
        QFETCH(bool, secondary);
        QFETCH(bool, nfc);
        QFETCH(QString, versions);
        EolTestCodec::Versions v;
        v.ui = "QZ";
        v.hasSecondaryDisplay = secondary;
        v.otherUi = "QY";
        v.iot = "4.1";
        v.ioBoards = {"1.0.0", "1.0.1", "1.0.2", "1.0.3", "1.0.4"};
        v.nfcEnabled = nfc;
        v.nfcReader1 = "2.0.0";
        v.nfcReader2 = "2.0.1";
        v.orientationId = orientationId;
        v.ioBoardCount = ioBoards;
        v.nfcBoardCount = nfcBoards;
        QCOMPARE(EolTestCodec::softwareVersions(v), versions);
    }

    void textLists()
    {
        QCOMPARE(EolTestCodec::temperatureList({}), QString());
        QList<int> temps;
        for (int i = 0; i < 20; ++i)
            temps << 100 + i;
        temps[3] = -4;
        const QString list = EolTestCodec::temperatureList(temps);
        QVERIFY2(list.startsWith("Z01-I0-100,Z01-I1-101,Z02-I0-102,Z02-I1--4,Z03-I0-104,"), qPrintable(list));
        QVERIFY2(list.endsWith(",Z09-I1-117,Z10-I0-118,Z10-I1-119"), qPrintable(list));
        QCOMPARE(EolTestCodec::tagReport({false, true, true, false}), QStringLiteral("0,1,1,0"));
        QCOMPARE(EolTestCodec::tagReport({}), QString());
    }

    // The chart as the tracer shows it: every transition's name, ends,
    // trigger and action.
    void chart()
    {
        MessageCatcher catcher;
        EolTesting eol;
        QVERIFY2(catcher.warnings().isEmpty(), qPrintable(catcher.warnings().join('\n')));
        QStringList transitions;
        for (QAbstractState *state : eol.findChildren<QAbstractState *>()) {
            for (QAbstractTransition *t : static_cast<QState *>(state)->transitions()) {
                const QString target = t->targetState() ? t->targetState()->objectName() : QString("-");
                transitions << QStringList{t->objectName(), state->objectName(), target,
                                           t->property("trigSignal").toString(),
                                           t->property("action").toString().trimmed()}
                                   .join(" | ");
            }
        }
        transitions.sort();
        const QStringList expected = {
            "t_commErrorsStatus | \"eolClientConnected\" | - | &m_timerErrorStatus::timeout() | this->sendStatusResponse()",
            "t_eolClientConnected | \"tcpClientConnected\" | \"eolClientConnected\" | this::eolClientConnected() | ",
            "t_eolClientDisconnected | \"eolClientConnected\" | \"tcpClientConnected\" | this::eolClientDisconnected() | ",
            "t_eolClientRequestReceived | \"eolClientConnected\" | - | this::eolClientRequestReceived() | this->eolClientProcessRequest()",
            "t_nfcTestTimeOut | \"eolClientConnected\" | - | &m_timerNfcTest::timeout() | this->nfcTestResponse()",
            "t_tcpClientConnected | \"idle\" | \"tcpClientConnected\" | this::tcpClientConnected() | ",
            "t_tcpClientConnected2 | \"udpBroadCast\" | \"tcpClientConnected\" | this::tcpClientConnected() | ",
            "t_tcpClientDisconnected | \"tcpClientConnected\" | \"idle\" | this::tcpClientDisconnected() | ",
            "t_tcpClientRequestReceived | \"tcpClientConnected\" | - | this::eolClientRequestReceived() | this->tcpClientProcessRequest()",
            "t_tcpDataReceived | \"tcpClientConnected\" | - | this::tcpClientDataReceived() | this->getRceivedData()",
            "t_tcpRequestTimeOut | \"tcpClientConnected\" | - | &m_timerTcpReqTimeout::timeout() | this->tcpRequestIsIncomplete()",
            "t_udpBroadCastStart | \"idle\" | \"udpBroadCast\" | this::udpBroadCastStartReq() | ",
            "t_udpBroadCastTimeOut | \"udpBroadCast\" | - | &m_timerUdpBroadcast::timeout() | this->sendUdpbroadcast()",
        };
        QCOMPARE(transitions, expected);
    }

    // ------------------------------------------------------------------
    // A test run

    // A run opens only with "EndOfLineTest" / "Start", here split over two
    // segments; it switches the heaters of a configured cabinet off. "Stop"
    // ends the run but not the connection, and hands the heaters and fans
    // back; the flag that holds back the inactivity time-out stays up until
    // the station goes.
    void openingAndEndingARun()
    {
        startServer(true);
        QVERIFY(m_station->connect());
        QTRY_COMPARE(activeStateNames(*m_eol), (QStringList{"eolDisconnected", "tcpClientConnected"}));

        m_station->send(eolRequest("SoftwareVersionTest"));
        QCOMPARE(m_station->nextReply(), eolReply("EndOfLineTestResponse", "fail"));
        m_station->send(eolRequest("EndOfLineTest", "Stop"));
        QCOMPARE(m_station->nextReply(), eolReply("EndOfLineTestResponse", "fail"));
        QVERIFY(!m_eol->getEolTestStarted());

        const QByteArray open = QJsonDocument(eolRequest("EndOfLineTest")).toJson();
        QSignalSpy chunks(m_eol, &EolTesting::tcpClientDataReceived);
        m_station->sendRaw(open.left(10));
        QVERIFY(chunks.wait());
        QVERIFY(timer("m_timerTcpReqTimeout")->isActive());
        m_station->sendRaw(open.mid(10));
        QCOMPARE(m_station->nextReply(), eolReply("EndOfLineTestResponse", "pass"));
        QCOMPARE(m_station->lastReplyText, EolTestCodec::replyText(eolReply("EndOfLineTestResponse", "pass")));
        QVERIFY(m_station->lastReplyText.contains("\n    \"event\": \"EndOfLineTestResponse\""));
        QTRY_COMPARE(activeStateNames(*m_eol), (QStringList{"eolClientConnected", "tcpClientConnected"}));
        QVERIFY(!timer("m_timerTcpReqTimeout")->isActive());
        QVERIFY(m_eol->getEolTestStarted());
        QCOMPARE(m_log, QStringList{"all heaters off"});

        m_log.clear();
        m_station->send(eolRequest("EndOfLineTest", "Stop"));
        QCOMPARE(m_station->nextReply(), eolReply("EndOfLineTestResponse", "pass"));
        QTRY_COMPARE(activeStateNames(*m_eol), (QStringList{"eolDisconnected", "tcpClientConnected"}));
        QCOMPARE(m_log, (QStringList{"resend requests", "fan targets", "restate hold temps"}));
        QVERIFY(m_eol->getEolTestStarted());

        m_station->send(eolRequest("EndOfLineTest"));
        QCOMPARE(m_station->nextReply(), eolReply("EndOfLineTestResponse", "pass"));
        QTRY_COMPARE(activeStateNames(*m_eol), (QStringList{"eolClientConnected", "tcpClientConnected"}));

        m_log.clear();
        QSignalSpy flag(m_eol, &EolTesting::eolTestStartedChanged);
        m_station->socket.disconnectFromHost();
        QTRY_COMPARE(activeStateNames(*m_eol), QStringList{"idle"});
        QCOMPARE(flag.size(), 1);
        QVERIFY(!m_eol->getEolTestStarted());
        QCOMPARE(m_log, (QStringList{"resend requests", "fan targets", "restate hold temps"}));
    }

    void requestsInARun_data()
    {
        QTest::addColumn<QJsonObject>("request");
        QTest::addColumn<QJsonObject>("expectedReply"); // empty: none
        QTest::addColumn<QStringList>("effects");

        const QStringList none;
        const QJsonObject noReply;
        const QStringList sysInfo{"system info message", "emit systemInfoTestStart"};
        QTest::newRow("speaker") << eolRequest("SpeakerTest") << noReply
                                 << QStringList{"emit soundTestStart", "warning alarm", "screen test stop message"};
        QTest::newRow("speaker, other command") << eolRequest("SpeakerTest", "Stop") << noReply << none;
        QTest::newRow("screen") << eolRequest("ScreenTest") << noReply
                                << QStringList{"emit displayTestStart", "screen test start message"};
        QTest::newRow("screen, other command") << eolRequest("ScreenTest", "Go") << noReply << none;
        QTest::newRow("all zones on") << eolRequest("TurnOnAllZones") << eolReply("TurnOnAllZonesResponse", "pass")
                                      << QStringList{"all heaters on", "emit heatingTestCommand"};
        QTest::newRow("all zones off") << eolRequest("TurnOffAllZones") << eolReply("TurnOffAllZonesResponse", "pass")
                                       << QStringList{"all heaters off", "emit heatingTestCommand"};
        QTest::newRow("all zones on, other command") << eolRequest("TurnOnAllZones", "Stop")
                                                     << eolReply("TurnOnAllZonesResponse", "fail") << none;
        QTest::newRow("heater test, other command") << eolRequest("HeaterTest", "Stop")
                                                    << eolReply("HeaterTestResponse", "fail") << none;
        QTest::newRow("stop tag test without one") << eolRequest("StopTagTest") << eolReply("StopTagTestResponse", "fail")
                                                   << none;
        QTest::newRow("tag test, other command") << eolRequest("TagReadTest", "Stop") << noReply << none;
        QTest::newRow("customer set-up without a drive") << eolRequest("ConfigureCustomerMenu")
                                                         << eolReply("ConfigureCustomerMenuResponse", "fail") << none;
        QTest::newRow("customer set-up, other command") << eolRequest("ConfigureCustomerMenu", "Stop") << noReply
                                                        << none;
        QTest::newRow("a second opening") << eolRequest("EndOfLineTest") << eolReply("EndOfLineTestResponse", "fail")
                                          << none;
        QTest::newRow("unknown event") << eolRequest("Dance") << eolReply("EndOfLineTestResponse", "fail") << none;
        QTest::newRow("event not a text") << QJsonObject{{"event", 7}, {"command", "Start"}}
                                          << eolReply("EndOfLineTestResponse", "fail") << none;
        QTest::newRow("no event") << QJsonObject{{"command", "Start"}} << eolReply("EndOfLineTestResponse", "fail")
                                  << none;

        auto numbers = [](const QJsonObject &fields) {
            QJsonObject r = eolRequest("ConfigureSerialAndModel");
            for (auto it = fields.begin(); it != fields.end(); ++it)
                r.insert(it.key(), it.value());
            return r;
        };
        const QJsonObject pass = eolReply("ConfigureSerialAndModelResponse", "pass");
        const QJsonObject fail = eolReply("ConfigureSerialAndModelResponse", "fail");
        QTest::newRow("serial and model") << numbers({{"serial number", "SN-7"}, {"model number", "KV10"}}) << pass
                                          << sysInfo;
        QTest::newRow("empty serial, model") << numbers({{"serial number", ""}, {"model number", "KV10"}}) << pass
                                             << sysInfo;
        QTest::newRow("serial, empty model") << numbers({{"serial number", "SN-7"}, {"model number", ""}}) << pass
                                             << sysInfo;
        QTest::newRow("serial, no model") << numbers({{"serial number", "SN-7"}}) << fail << sysInfo;
        QTest::newRow("serial, model a number") << numbers({{"serial number", "SN-7"}, {"model number", 10}})
                                                << fail << sysInfo;
        QTest::newRow("serial a number, empty model") << numbers({{"serial number", 7}, {"model number", ""}})
                                                      << fail << sysInfo;
        QTest::newRow("serial with a line break") << numbers({{"serial number", "SN\nmodelNumber=X"},
                                                              {"model number", ""}})
                                                  << fail << sysInfo;
        QTest::newRow("model with a control character") << numbers({{"serial number", "SN-7"},
                                                                    {"model number", QString("KV\x1b")}})
                                                        << fail << sysInfo;
        QTest::newRow("serial and model, other command")
            << QJsonObject{{"event", "ConfigureSerialAndModel"}, {"command", "Stop"}, {"serial number", "SN-7"}}
            << fail << none;
    }
    // Each request's reply, written in full or not at all, and what it asks
    // of the cabinet. A request with no reply is followed by one that has
    // one: the next reply must be that one's.
    void requestsInARun()
    {
        QFETCH(QJsonObject, request);
        QFETCH(QJsonObject, expectedReply);
        QFETCH(QStringList, effects);
        startServer(false);
        openRun();

        sendAndWait(request);
        if (expectedReply.isEmpty()) {
            m_station->send(eolRequest("StopTagTest"));
            QCOMPARE(m_station->nextReply(), eolReply("StopTagTestResponse", "fail"));
        } else {
            QCOMPARE(m_station->nextReply(), expectedReply);
        }
        QCOMPARE(m_log, effects);
        QCOMPARE(activeStateNames(*m_eol), (QStringList{"eolClientConnected", "tcpClientConnected"}));
    }

    // What a good "ConfigureSerialAndModel" leaves: the numbers in the store
    // and in its file. A refused number changes neither.
    void serialAndModelAreSaved()
    {
        startServer(false);
        openRun();
        m_station->send(QJsonObject{{"event", "ConfigureSerialAndModel"}, {"command", "Start"},
                                    {"serial number", "SN-7"}, {"model number", "KV10A3B41C"}});
        QCOMPARE(m_station->nextReply(), eolReply("ConfigureSerialAndModelResponse", "pass"));
        QCOMPARE(m_store->get_serialNumber(), QStringLiteral("SN-7"));
        QCOMPARE(m_store->get_modelNumber(), QStringLiteral("KV10A3B41C"));
        const QByteArray saved = m_root->readFile("/root/serialModelNums.txt");
        QVERIFY2(saved.startsWith("serialNumber=SN-7\nmodelNumber=KV10A3B41C\n"), saved.constData());

        m_station->send(QJsonObject{{"event", "ConfigureSerialAndModel"}, {"command", "Start"},
                                    {"serial number", "SN-8\nuuidNumber=forged"}, {"model number", ""}});
        QCOMPARE(m_station->nextReply(), eolReply("ConfigureSerialAndModelResponse", "fail"));
        QCOMPARE(m_store->get_serialNumber(), QStringLiteral("SN-7"));
        QCOMPARE(m_root->readFile("/root/serialModelNums.txt"), saved);
    }

    void customerSetUpFromTheDrive()
    {
        m_cabinet->driveMounted = true;
        QVERIFY(m_root->writeFile("/media/sda1/CustomerLookUp.csv", "Burger Barn,42\n"));
        QVERIFY(m_root->writeFile("/media/sda1/Menus/Burger_v3.kiv", "burger menu"));
        QVERIFY(m_root->writeFile("/media/sda1/Configs/CFG_KV10A3B41C_Burger Barn.hcc", "personality"));
        m_store->set_modelNumber("KV10A3B41C");
        startServer(false);
        openRun();

        m_station->send(QJsonObject{{"event", "ConfigureCustomerMenu"}, {"command", "Start"},
                                    {"customer", "42"}, {"menu", "Burger"}});
        QCOMPARE(m_station->nextReply(), eolReply("ConfigureCustomerMenuResponse", "pass"));
        QCOMPARE(m_root->readFile("/root/CFG_KV10A3B41C_Burger Barn.hcc"), QByteArray("personality"));

        m_station->send(QJsonObject{{"event", "ConfigureCustomerMenu"}, {"command", "Start"},
                                    {"customer", "41"}, {"menu", "Burger"}});
        QCOMPARE(m_station->nextReply(), eolReply("ConfigureCustomerMenuResponse", "fail"));
    }

    void heaterTest_data()
    {
        QTest::addColumn<QJsonValue>("zone");
        QTest::addColumn<QJsonValue>("heaterIndex");
        QTest::addColumn<bool>("linkStarts");
        QTest::addColumn<QJsonObject>("members"); // the reply besides "event"
        QTest::addColumn<QStringList>("effects");

        auto fail = [](QJsonObject members) {
            members.insert("response", "fail");
            return members;
        };
        const QStringList none;
        QTest::newRow("zone as a number") << QJsonValue(3) << QJsonValue("1") << true << fail({}) << none;
        QTest::newRow("zone not a number") << QJsonValue("two") << QJsonValue("1") << true << fail({}) << none;
        QTest::newRow("zone 0") << QJsonValue("0") << QJsonValue("1") << true
                                << fail({{"zone", "0"}, {"heaterIndex", "1"}, {"error", "NO ERROR"}}) << none;
        QTest::newRow("lowest zone number") << QJsonValue("-2147483648") << QJsonValue("0") << true
            << fail({{"zone", "-2147483648"}, {"heaterIndex", "0"}, {"error", "NO ERROR"}}) << none;
        QTest::newRow("heater -1") << QJsonValue("2") << QJsonValue("-1") << true
                                   << fail({{"zone", "2"}, {"heaterIndex", "-1"}, {"error", "NO ERROR"}}) << none;
        QTest::newRow("heater 2") << QJsonValue("2") << QJsonValue("2") << true
                                  << fail({{"zone", "2"}, {"heaterIndex", "2"}, {"error", "NO ERROR"}}) << none;
        QTest::newRow("heater missing") << QJsonValue("2") << QJsonValue() << true << fail({{"zone", "2"}}) << none;
        QTest::newRow("zone past the cabinet") << QJsonValue("5") << QJsonValue("0") << true
                                               << fail({{"zone", "5"}}) << none;
        QTest::newRow("started") << QJsonValue("2") << QJsonValue("1") << true
            << QJsonObject{{"zone", "2"}, {"heaterIndex", "1"}, {"error", "TC OPEN"}, {"response", "pass"}}
            << QStringList{"single heater 1 1", "emit heatingTestCommand"};
        QTest::newRow("last heater, refused by the link") << QJsonValue("4") << QJsonValue("1") << false
            << fail({{"zone", "4"}, {"heaterIndex", "1"}, {"error", "TC SHORTED"}})
            << QStringList{"single heater 3 1"};
    }
    // Zones count from 1 on the wire, heaters from 0: a heater the cabinet
    // does not have gets "fail" and no heater is switched on.
    void heaterTest()
    {
        QFETCH(QJsonValue, zone);
        QFETCH(QJsonValue, heaterIndex);
        QFETCH(bool, linkStarts);
        QFETCH(QJsonObject, members);
        QFETCH(QStringList, effects);
        m_link->errors = {{{1, 1}, "TC OPEN"}, {{3, 1}, "TC SHORTED"}};
        m_link->startsHeaters = linkStarts;
        startServer(false);
        openRun();

        QJsonObject r = eolRequest("HeaterTest");
        r.insert("zone", zone);
        if (!heaterIndex.isUndefined() && !heaterIndex.isNull())
            r.insert("heaterIndex", heaterIndex);
        m_station->send(r);
        members.insert("event", "HeaterTestResponse");
        QCOMPARE(m_station->nextReply(), members);
        QCOMPARE(m_log, effects);
    }

    // "TagReadTest" on a cabinet that is not configured: a report every
    // second, one field per bin, until "StopTagTest"; no status report.
    void tagReports()
    {
        m_cabinet->tags = {{1, 0x1122334455667788ull}, {6, 1}};
        startServer(false);
        openRun();

        m_station->send(eolRequest("TagReadTest"));
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(m_station->nextReply(), eolReply("TagReadTestResponse", "0,1,0,0,0,0,1,0"));
        const qint64 first = clock.elapsed();
        QCOMPARE(m_log, (QStringList{"emit nfcTestStart", "tag test start message"}));
        m_cabinet->tags.remove(6);
        QCOMPARE(m_station->nextReply(), eolReply("TagReadTestResponse", "0,1,0,0,0,0,0,0"));
        QVERIFY2(clock.elapsed() - first >= 900, qPrintable(QString::number(clock.elapsed() - first)));

        m_station->send(eolRequest("StopTagTest"));
        QCOMPARE(m_station->nextReply(), eolReply("StopTagTestResponse", "pass"));
        QVERIFY(!timer("m_timerNfcTest")->isActive());
        m_station->send(eolRequest("StopTagTest"));
        QCOMPARE(m_station->nextReply(), eolReply("StopTagTestResponse", "fail"));
        QVERIFY(!timer("m_timerErrorStatus")->isActive());
    }

    // On a configured cabinet a run reports every second which links fail
    // and every heater's temperature.
    void statusReports()
    {
        for (int zone = 0; zone < 4; ++zone)
            for (int heater = 0; heater < 2; ++heater)
                m_link->temps[{zone, heater}] = 150 + 10 * zone + heater;
        startServer(true);
        openRun();

        struct Case {
            const char *fault;
            const char *communication;
        };
        const QList<Case> cases = {{"", "pass,pass"}, {"io", "fail,pass"}, {"nfc", "fail,pass"},
                                   {"sibling", "fail,pass"}, {"can", "pass,fail"}};
        m_station->keepStatusReports = true;
        for (int i = 0; i < cases.size(); ++i) {
            const QString fault = cases[i].fault;
            m_link->ioFault = fault == "io";
            m_link->nfcFault = fault == "nfc";
            m_errors->setProperty("sibLinkBroken", fault == "sibling");
            m_sync->setProperty("canLinkBroken", fault == "can");
            // Each case has a temperature of its own: a report that shows it
            // was made after the change, not on its way before.
            m_link->temps[{0, 0}] = 1000 + i;
            const QString temps = QString("Z01-I0-%1,Z01-I1-151,Z02-I0-160,Z02-I1-161,Z03-I0-170,Z03-I1-171,"
                                          "Z04-I0-180,Z04-I1-181").arg(1000 + i);
            QJsonObject status;
            for (int tries = 0; tries < 3 && status.value("temperature") != temps; ++tries)
                status = m_station->nextReply();
            QCOMPARE(status, (QJsonObject{{"event", "StatusResponse"}, {"communicationResponse", cases[i].communication},
                                          {"temperature", temps}}));
        }
    }

    // ------------------------------------------------------------------
    // What strangers send

    // Chunks that never parse, closer together than the request time-out:
    // past 64 KiB one "fail" and an empty buffer; the next whole request is
    // answered as usual.
    void endlessRequestIsCut()
    {
        startServer(false);
        openRun();
        MessageCatcher catcher;

        QByteArray garbage = "{\"event\": \"";
        garbage += QByteArray(EolTesting::MaxRequestBytes + 1 - garbage.size(), 'a');
        QSignalSpy timedOut(timer("m_timerTcpReqTimeout"), &QTimer::timeout);
        for (int sent = 0; sent < garbage.size(); sent += 4096)
            m_station->sendRaw(garbage.mid(sent, 4096));
        QCOMPARE(m_station->nextReply(), eolReply("EndOfLineTestResponse", "fail"));
        QVERIFY(!timer("m_timerTcpReqTimeout")->isActive());
        QCOMPARE(timedOut.size(), 0); // cut at once, not left to the time-out
        QVERIFY(catcher.contains("request longer than 65536 bytes"));

        m_station->send(eolRequest("SoftwareVersionTest"));
        QCOMPARE(m_station->nextReply(), eolReply("SoftwareVersionTestResponse",
                                               "UI1-QZ-7318,IoT-?.?.?,IO1-?.?.?,IO2-?.?.?,NFC1-0.0.0"));
        QCOMPARE(activeStateNames(*m_eol), (QStringList{"eolClientConnected", "tcpClientConnected"}));
    }

    // Every request of a run with its fields of every other JSON type: each
    // is dealt with, and the run goes on.
    void oddlyTypedFields()
    {
        startServer(true);
        openRun();
        const QList<QJsonValue> odd = {QJsonValue(), QJsonValue(true), QJsonValue(-1.5e300),
                                       QJsonArray{"Start"}, QJsonObject{{"Start", 1}},
                                       QString(2000, QChar(0x4e2d))};
        for (const char *event : {"ConfigureSerialAndModel", "SoftwareVersionTest", "SpeakerTest", "ScreenTest",
                                  "TurnOffAllZones", "TurnOnAllZones", "HeaterTest", "TagReadTest", "StopTagTest",
                                  "ConfigureCustomerMenu"}) {
            for (const QJsonValue &value : odd) {
                QJsonObject request{{"event", event}, {"command", value}};
                sendAndWait(request);
                request = eolRequest(event);
                for (const char *field : {"serial number", "model number", "zone", "heaterIndex", "customer", "menu"})
                    request.insert(field, value);
                sendAndWait(request);
            }
        }
        QCOMPARE(activeStateNames(*m_eol), (QStringList{"eolClientConnected", "tcpClientConnected"}));
        // None of them was refused as a whole; the run still ends cleanly.
        m_station->send(eolRequest("EndOfLineTest", "Stop"));
        QJsonObject last;
        for (int i = 0; i < 200 && last.value("event") != QLatin1String("EndOfLineTestResponse"); ++i)
            last = m_station->nextReply();
        QCOMPARE(last, eolReply("EndOfLineTestResponse", "pass"));
        QTRY_COMPARE(activeStateNames(*m_eol), (QStringList{"eolDisconnected", "tcpClientConnected"}));
    }

    void incompleteRequest_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("cut short") << QByteArray("{\"event\": \"EndOfLineTest\", \"comm");
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe\x1b[2J\n{", 9);
        QTest::newRow("an array") << QByteArray("[{\"event\": \"EndOfLineTest\", \"command\": \"Start\"}]");
    }
    // 2.5 s after the last chunk of something that is not a whole object:
    // "fail", the bytes in the log, and a fresh start.
    void incompleteRequest()
    {
        QFETCH(QByteArray, bytes);
        startServer(false);
        QVERIFY(m_station->connect());
        MessageCatcher catcher;
        m_station->sendRaw(bytes);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(m_station->nextReply(6000), eolReply("EndOfLineTestResponse", "fail"));
        QVERIFY2(clock.elapsed() >= 2000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(catcher.contains("Request is incomplete. Data received = "));

        m_station->send(eolRequest("EndOfLineTest"));
        QCOMPARE(m_station->nextReply(), eolReply("EndOfLineTestResponse", "pass"));
    }

    // One station at a time: others are dropped at once, however many, and
    // the first is served on; once it goes, the next one is served.
    void oneStationAtATime()
    {
        startServer(false);
        openRun();

        std::vector<std::unique_ptr<QTcpSocket>> others;
        for (int i = 0; i < 20; ++i) {
            others.push_back(std::make_unique<QTcpSocket>());
            others.back()->connectToHost(QHostAddress::LocalHost, EolTesting::TcpPort);
            others.back()->write(QJsonDocument(eolRequest("EndOfLineTest")).toJson());
        }
        for (const auto &other : others)
            QTRY_COMPARE(other->state(), QAbstractSocket::UnconnectedState);
        for (const auto &other : others)
            QCOMPARE(other->readAll(), QByteArray());

        m_station->send(eolRequest("StopTagTest"));
        QCOMPARE(m_station->nextReply(), eolReply("StopTagTestResponse", "fail"));

        m_station->socket.disconnectFromHost();
        QTRY_COMPARE(activeStateNames(*m_eol), QStringList{"idle"});
        EolStation next;
        QVERIFY(next.connect());
        next.send(eolRequest("EndOfLineTest"));
        QCOMPARE(next.nextReply(), eolReply("EndOfLineTestResponse", "pass"));
    }

    void socketErrorsAreNamed()
    {
        EolTesting eol;
        MessageCatcher catcher;
        eol.networkErrorHandler(QAbstractSocket::AddressInUseError);
        eol.networkErrorHandler(QAbstractSocket::TemporaryError);
        eol.networkErrorHandler(QAbstractSocket::UnknownSocketError);
        eol.networkErrorHandler(QAbstractSocket::SocketError(23));
        const QStringList lines = catcher.messages().filter("EolTesting: network error");
        QCOMPARE(lines, (QStringList{"EolTesting: network error AddressInUseError",
                                     "EolTesting: network error TemporaryError",
                                     "EolTesting: network error UnknownSocketError",
                                     "EolTesting: network error UnknownSocketError"}));
    }

    // Another program on the port: the server says so and the rest runs on.
    void portInUse()
    {
        QTcpServer squatter;
        QVERIFY(squatter.listen(QHostAddress::Any, EolTesting::TcpPort));
        MessageCatcher catcher;
        startServer(false);
        QVERIFY2(catcher.contains("EolTesting: cannot listen on TCP port 10000: AddressInUseError"),
                 qPrintable(catcher.warnings().join('\n')));
        QSignalSpy started(m_eol, &EolTesting::udpBroadcastStarted);
        m_eol->startUdpbroadcast();
        QCOMPARE(started.size(), 1);
    }

    // ------------------------------------------------------------------
    // The address broadcast

    // Sent only while Wi-Fi is enabled, to the configured broadcast address.
    // A datagram on loopback is delivered before the send returns.
    void addressDatagramOnTheNetwork()
    {
        QUdpSocket receiver;
        QVERIFY(receiver.bind(QHostAddress::LocalHost, EolTesting::UdpPort));
        m_store->set_wifiIpAddr("10.0.0.7");
        m_store->set_wifiBroadcast("127.0.0.1");
        m_store->set_wifiEnabled(false);
        EolTesting eol(m_cabinet.get());

        eol.sendUdpbroadcast();
        QVERIFY(!receiver.hasPendingDatagrams());
        m_store->set_wifiEnabled(true);
        eol.sendUdpbroadcast();
        QTRY_VERIFY(receiver.hasPendingDatagrams());
        QByteArray datagram(int(receiver.pendingDatagramSize()), '\0');
        receiver.readDatagram(datagram.data(), datagram.size());
        QCOMPARE(datagram, QByteArray("\x0a\x00\x00\x07\x05\x04", 6));
    }

    // Holding the Wi-Fi icon starts the broadcast twice a second; a station
    // that connects ends it.
    void broadcastUntilAStationConnects()
    {
        QUdpSocket receiver;
        QVERIFY(receiver.bind(QHostAddress::LocalHost, EolTesting::UdpPort));
        m_store->set_wifiIpAddr("");
        m_store->set_wifiBroadcast("127.0.0.1");
        m_store->set_wifiEnabled(true);
        startServer(false);

        QSignalSpy started(m_eol, &EolTesting::udpBroadcastStarted);
        m_eol->startUdpbroadcast();
        QCOMPARE(started.size(), 1);
        QCOMPARE(activeStateNames(*m_eol), QStringList{"udpBroadCast"});
        QList<qint64> arrivals;
        QElapsedTimer clock;
        clock.start();
        while (arrivals.size() < 2) {
            QVERIFY(QTest::qWaitFor([&] { return receiver.hasPendingDatagrams(); }, 3000));
            arrivals << clock.elapsed();
            QByteArray datagram(int(receiver.pendingDatagramSize()), '\0');
            receiver.readDatagram(datagram.data(), datagram.size());
            QCOMPARE(datagram, QByteArray("\x05\x04", 2));
        }
        QVERIFY2(arrivals[1] - arrivals[0] >= 400, qPrintable(QString::number(arrivals[1] - arrivals[0])));

        QVERIFY(m_station->connect());
        QTRY_COMPARE(activeStateNames(*m_eol), (QStringList{"eolDisconnected", "tcpClientConnected"}));
        QVERIFY(!timer("m_timerUdpBroadcast")->isActive());
    }
};

QTEST_MAIN(TestEolTesting)
#include "tst_eoltesting.moc"
