#include "core/cabinetmanager.h"
#include "core/kivmetatypes.h"

#include "config/configurationmanager.h"
#include "config/eoltesting.h"

#include "cabinetpersonality.h"
#include "displayenvironment.h"
#include "eolstation.h"
#include "machinestates.h"
#include "messagecatcher.h"
#include "temproot.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QUdpSocket>
#include <QtTest>

#include <memory>

// The factory test on whole displays: the station finds the display by its
// address datagram and drives it through the real cabinet core, store and
// I/O board link, which the test server reaches only by name.
class TestEolTestDisplay : public QObject
{
    Q_OBJECT

    DisplayEnvironment m_env;

    // Calls the server makes by name that found no method show up as these.
    static QStringList missedCalls(const MessageCatcher &catcher)
    {
        QStringList missed = catcher.warnings().filter("EolTesting: cannot call");
        missed << catcher.warnings().filter("QMetaObject::invokeMethod");
        return missed;
    }

private slots:
    void initTestCase()
    {
        KivMetaTypes::registerAll();
        QVERIFY(m_env.start());
    }

    // A 2x4 display fresh from the line (no personality file): it announces
    // itself while Wi-Fi is on, and serves the station before it is set up,
    // with the store's defaults for the versions.
    void displayBeforeSetUp()
    {
        TempRoot root;
        qputenv("KIV_VCAN_DIR", m_env.newCanBus().toLocal8Bit());
        MessageCatcher catcher;
        CabinetManager cabinet(0, CabinetManager::UIID_2x4_PRIMARY, nullptr);
        QVERIFY(!cabinet.get_isConfigured());
        auto *eol = cabinet.findChild<EolTesting *>("eolTest");
        auto *config = cabinet.findChild<ConfigurationManager *>("configManager");
        QVERIFY(eol && config);
        QTRY_VERIFY(eol->isRunning());

        QUdpSocket receiver;
        QVERIFY(receiver.bind(QHostAddress::LocalHost, EolTesting::UdpPort));
        config->set_wifiEnabled(true);
        config->set_wifiIpAddr("10.0.0.7");
        config->set_wifiBroadcast("127.0.0.1");
        eol->startUdpbroadcast();
        QTRY_VERIFY(receiver.hasPendingDatagrams());
        QByteArray datagram(int(receiver.pendingDatagramSize()), '\0');
        receiver.readDatagram(datagram.data(), datagram.size());
        // Two rows of two zones side by side, two bins each.
        QCOMPARE(datagram, QByteArray("\x0a\x00\x00\x07\x02\x04", 6));

        EolStation station;
        QVERIFY(station.connect());
        station.send(eolRequest("EndOfLineTest"));
        QCOMPARE(station.nextReply(), eolReply("EndOfLineTestResponse", "pass"));
        QTRY_VERIFY(eol->getEolTestStarted());
        QSignalSpy inactivity(&cabinet, SIGNAL(noUserInteraction()));
        cabinet.userInteractionTimerTO();
        QCOMPARE(inactivity.size(), 0);

        station.send(eolRequest("SoftwareVersionTest"));
        QCOMPARE(station.nextReply(), eolReply("SoftwareVersionTestResponse",
                                               "UI1-QZ-7318,IoT-?.?.?,IO1-?.?.?,IO2-?.?.?,NFC1-0.0.0"));
        QVERIFY(station.lastReplyText.startsWith("{\n    \""));

        station.send(eolRequest("TagReadTest"));
        QCOMPARE(station.nextReply(), eolReply("TagReadTestResponse", "0,0,0,0,0,0,0,0"));
        QCOMPARE(station.nextReply(), eolReply("TagReadTestResponse", "0,0,0,0,0,0,0,0"));
        station.send(eolRequest("StopTagTest"));
        QCOMPARE(station.nextReply(), eolReply("StopTagTestResponse", "pass"));

        QJsonObject heater = eolRequest("HeaterTest");
        heater.insert("zone", "1");
        heater.insert("heaterIndex", "0");
        station.send(heater);
        const QJsonObject answer = station.nextReply();
        QCOMPARE(answer.value("event").toString(), QStringLiteral("HeaterTestResponse"));
        QCOMPARE(answer.value("zone").toString(), QStringLiteral("1"));
        QCOMPARE(answer.value("heaterIndex").toString(), QStringLiteral("0"));
        QVERIFY2(QStringList({"NO ERROR", "TC OPEN", "TC SHORTED"}).contains(answer.value("error").toString()),
                 qPrintable(answer.value("error").toString()));

        station.send(eolRequest("EndOfLineTest", "Stop"));
        QCOMPARE(station.nextReply(), eolReply("EndOfLineTestResponse", "pass"));
        station.socket.disconnectFromHost();
        QTRY_COMPARE(activeStateNames(*eol), QStringList{"idle"});
        QVERIFY(!eol->getEolTestStarted());
        const QStringList missed = missedCalls(catcher);
        QVERIFY2(missed.isEmpty(), qPrintable(missed.join('\n')));
    }

    // A configured primary display: a run switches its heaters through the
    // I/O board link and reports its links and heater temperatures.
    void configuredPrimaryDisplay()
    {
        TempRoot root;
        root.writeFile("/root/cabinet.hcc", cabinetPersonality("alone"));
        qputenv("KIV_VCAN_DIR", m_env.newCanBus().toLocal8Bit());
        MessageCatcher catcher;
        CabinetManager cabinet(0, 0, nullptr);
        QVERIFY(cabinet.get_isConfigured());
        auto *eol = cabinet.findChild<EolTesting *>("eolTest");
        QVERIFY(eol);
        QTRY_VERIFY(eol->isRunning());

        EolStation station;
        station.keepStatusReports = true;
        QVERIFY(station.connect());
        station.send(eolRequest("EndOfLineTest"));
        QCOMPARE(station.nextReply(), eolReply("EndOfLineTestResponse", "pass"));
        const QJsonObject status = station.nextReply();
        QCOMPARE(status.value("event").toString(), QStringLiteral("StatusResponse"));
        QVERIFY2(QRegularExpression("^(pass|fail),(pass|fail)$")
                     .match(status.value("communicationResponse").toString()).hasMatch(),
                 qPrintable(status.value("communicationResponse").toString()));
        const QStringList temps = status.value("temperature").toString().split(',');
        QCOMPARE(temps.size(), 2 * cabinet.get_numberOfZones());
        QVERIFY2(QRegularExpression("^Z01-I0--?\\d+$").match(temps.first()).hasMatch(), qPrintable(temps.first()));

        station.keepStatusReports = false;
        station.send(eolRequest("TurnOnAllZones"));
        QCOMPARE(station.nextReply(), eolReply("TurnOnAllZonesResponse", "pass"));
        station.send(eolRequest("EndOfLineTest", "Stop"));
        QCOMPARE(station.nextReply(), eolReply("EndOfLineTestResponse", "pass"));
        QTRY_COMPARE(activeStateNames(*eol), (QStringList{"eolDisconnected", "tcpClientConnected"}));
        const QStringList missed = missedCalls(catcher);
        QVERIFY2(missed.isEmpty(), qPrintable(missed.join('\n')));
    }
};

QTEST_MAIN(TestEolTestDisplay)
#include "tst_eoltestdisplay.moc"
