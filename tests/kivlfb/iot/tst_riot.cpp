#include "iot/kivriot.h"
#include "platform/kivclock.h"

#include "fakeiotservices.h"
#include "temproot.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

const qint64 kNow = 1700000000600; // 600 ms past a whole second

QJsonObject parse(const QString &text)
{
    return QJsonDocument::fromJson(text.toUtf8()).object();
}

} // namespace

class TestRiot : public QObject
{
    Q_OBJECT

    FakeIotServices *m_services = nullptr;
    KivRiot *m_riot = nullptr;
    std::unique_ptr<TempRoot> m_root;
    QSignalSpy *m_sent = nullptr;

    QStringList sent() const
    {
        QStringList texts;
        for (const QList<QVariant> &args : *m_sent)
            texts << args.at(0).toString();
        return texts;
    }

    // A known pan 4a1f in bin 2, whose product 0x107 holds for 1800 s.
    void seedKnownPan()
    {
        m_services->productOfBin[2] = 0x107;
        m_services->holdTimeOfProduct[7] = 1800;
        m_services->holdTimeOfProduct[0x107] = 1800;
        IotServices::PanTag tag;
        tag.uid = 0x4a1f;
        tag.position = 2;
        tag.seenInCabinet = true;
        tag.expTime = 1700001923600;
        tag.batchId = QStringLiteral("old");
        m_services->tags.insert(0x4a1f, tag);
    }

private slots:
    void init()
    {
        // Some commands park files in the application directory.
        m_root = std::make_unique<TempRoot>();
        KivClock::freezeAt(kNow);
        m_services = new FakeIotServices;
        m_riot = new KivRiot;
        m_riot->setServices(m_services);
        m_sent = new QSignalSpy(m_riot, &KivRiot::sendRiotInfo);
    }
    void cleanup()
    {
        delete m_sent;
        delete m_riot;
        delete m_services;
        KivClock::useSystemClock();
        m_root.reset();
    }

    // The back-end's own events: members in key order whatever the order
    // they were set in, Qt's indented form, truncated times.
    void ownEventsOnTheWire()
    {
        m_riot->handle_event_commandError("resetCycle", 1700000000123, "4a1f-1699999000", "Pan not found");
        m_riot->handle_event_iotSettings("OTHER_IOT");
        QCOMPARE(sent(), QStringList({
            "{\n"
            "    \"batch\": {\n"
            "        \"id\": \"4a1f-1699999000\"\n"
            "    },\n"
            "    \"command\": \"resetCycle\",\n"
            "    \"commandTs\": 1700000000123,\n"
            "    \"errorDesc\": \"Pan not found\",\n"
            "    \"event\": \"commandError\",\n"
            "    \"timestamp\": \"1700000000\"\n"
            "}\n",
            "{\n"
            "    \"event\": \"iotSettings\",\n"
            "    \"settings\": \"OTHER_IOT\",\n"
            "    \"timestamp\": \"1700000000\"\n"
            "}\n"}));
    }

    void commandReplyOnTheWire()
    {
        m_riot->handleReceivedRiotInfo(
            R"({"event":"command","command":"updatePerformanceDataInterval","commandValue":"30"})");
        QCOMPARE(sent(), QStringList({
            "{\n"
            "    \"command\": \"updatePerformanceDataInterval\",\n"
            "    \"commandStatus\": \"success\",\n"
            "    \"commandStatusDetails\": \"Command executed\",\n"
            "    \"commandValue\": \"30\",\n"
            "    \"event\": \"commandStatus\",\n"
            "    \"location\": \"Store 9\",\n"
            "    \"modelNumber\": \"TBV40KWL3E\",\n"
            "    \"serialNumber\": \"SN1\",\n"
            "    \"timestamp\": \"1700000001\"\n"
            "}\n"}));
        QCOMPARE(m_services->calls, QStringList({"interval 30", "save"}));
    }

    void commands_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("details");
        QTest::addColumn<QStringList>("calls");

        const QString restart =
            "New serial/model number received successfully. Please restart the unit to apply the changes";
        auto command = [](const char *name, const char *value) {
            return QStringLiteral(R"({"event":"command","command":"%1","commandValue":%2})").arg(name, value);
        };
        QTest::newRow("interval as a number")
            << command("updatePerformanceDataInterval", "30") << "failure" << "Unknown commnd value" << QStringList();
        QTest::newRow("interval not a number")
            << command("updatePerformanceDataInterval", "\"30s\"") << "failure" << "Unknown commnd value" << QStringList();
        QTest::newRow("interval beyond an int")
            << command("updatePerformanceDataInterval", "\"99999999999\"") << "failure" << "Unknown commnd value"
            << QStringList();
        QTest::newRow("interval of days")
            << command("updatePerformanceDataInterval", "\"3000000\"") << "success" << "Command executed"
            << QStringList({"interval 3000000", "save"});
        QTest::newRow("serial number") << command("updateSerialNumber", "\"SN77\"") << "success" << restart
                                       << QStringList();
        QTest::newRow("serial number with a line") << command("updateSerialNumber", "\"SN77\\nmodelNumber=X\"")
                                                   << "failure" << "Unknown command value" << QStringList();
        QTest::newRow("model number") << command("updateModelNumber", "\"TBV72KWT3E\"") << "success" << restart
                                      << QStringList();
        QTest::newRow("model number in lower case")
            << command("updateModelNumber", "\"tbv72kwt3e\"") << "failure" << "Model number not accepted"
            << QStringList();
        QTest::newRow("pan messages on") << command("togglePanDetailMessages", "\"on\"") << "success"
                                         << "Command executed" << QStringList({"panMessages 1", "save"});
        QTest::newRow("pan messages off") << command("togglePanDetailMessages", "\"off\"") << "success"
                                          << "Command executed" << QStringList({"panMessages 0", "save"});
        QTest::newRow("pan messages maybe") << command("togglePanDetailMessages", "\"On\"") << "failure"
                                            << "Unknown command value" << QStringList();
        QTest::newRow("reset of an unknown cycle") << command("resetCycle", "\"4a1f-1\"") << "failure"
                                                   << "Cycle eventUuid not found" << QStringList();
    }
    void commands()
    {
        QFETCH(QString, message);
        QFETCH(QString, status);
        QFETCH(QString, details);
        QFETCH(QStringList, calls);

        m_riot->handleReceivedRiotInfo(message);
        QCOMPARE(m_sent->count(), 1);
        const QJsonObject reply = parse(sent().at(0));
        const QJsonObject sentMessage = parse(message);
        QCOMPARE(reply.value("event").toString(), QStringLiteral("commandStatus"));
        QCOMPARE(reply.value("commandStatus").toString(), status);
        QCOMPARE(reply.value("commandStatusDetails").toString(), details);
        QCOMPARE(reply.value("command"), sentMessage.value("command"));
        QCOMPARE(reply.value("commandValue"), sentMessage.value("commandValue"));
        QCOMPARE(m_services->calls, calls);
    }

    void unknownCommandCarriesNoCommand()
    {
        m_riot->handleReceivedRiotInfo(R"({"event":"command","command":"selfDestruct","commandValue":"now"})");
        QCOMPARE(m_sent->count(), 1);
        const QJsonObject reply = parse(sent().at(0));
        QCOMPARE(reply.value("commandStatus").toString(), QStringLiteral("failure"));
        QCOMPARE(reply.value("commandStatusDetails").toString(), QStringLiteral("Unknown command!"));
        QVERIFY(!reply.contains("command"));
        QVERIFY(!reply.contains("commandValue"));
        QCOMPARE(reply.keys(), QStringList({"commandStatus", "commandStatusDetails", "event", "location",
                                            "modelNumber", "serialNumber", "timestamp"}));
    }

    void badMessagesAreLoggedAndDropped_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("log");
        QTest::newRow("empty") << "" << "RIOT Received Document Error!!!";
        QTest::newRow("garbage") << "{\"event\":" << "RIOT Received Document Error!!!";
        QTest::newRow("array") << "[1]" << "RIOT Received Object Error!!!";
    }
    void badMessagesAreLoggedAndDropped()
    {
        QFETCH(QString, message);
        QFETCH(QString, log);
        QTest::ignoreMessage(QtDebugMsg, qPrintable(log));
        m_riot->handleReceivedRiotInfo(message);
        QCOMPARE(m_sent->count(), 0);
        QVERIFY(m_services->calls.isEmpty());
    }

    // Notifications act without a reply.
    void notifications_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("connected") << "DEZ_RIOT" << R"({"event":"riotConnectionStatus","settings":"connected"})"
                                   << QStringList({"connected 1", "checkFirmware"});
        QTest::newRow("disconnected") << "DEZ_RIOT" << R"({"event":"riotConnectionStatus","settings":"lost"})"
                                      << QStringList({"connected 0"});
        QTest::newRow("sdk version") << "DEZ_RIOT" << R"({"event":"iotSwVersion","value":"2.4.1"})"
                                     << QStringList({"swVersion 2.4.1"});
        QTest::newRow("network reset, cloud type") << "DEZ_RIOT" << R"({"event":"networkReset"})"
                                                   << QStringList({"restartWifiRIoT"});
        QTest::newRow("network reset, other type") << "OTHER" << R"({"event":"networkReset"})"
                                                   << QStringList({"restartWifi"});
        QTest::newRow("interval by command member")
            << "DEZ_RIOT" << R"({"event":"anything","command":"performanceDataIntervalCmd","value":60})"
            << QStringList({"interval 60", "save"});
        QTest::newRow("interval by command member, text value")
            << "DEZ_RIOT" << R"({"event":"anything","command":"performanceDataIntervalCmd","value":"60"})"
            << QStringList({"interval 0", "save"});
        QTest::newRow("interval by event name is ignored")
            << "DEZ_RIOT" << R"({"event":"performanceDataIntervalCmd","value":60})" << QStringList();
        QTest::newRow("location") << "DEZ_RIOT" << R"({"event":"locationUpdate","value":"Store 12"})"
                                  << QStringList({"store Store 12", "save"});
        QTest::newRow("empty location") << "DEZ_RIOT" << R"({"event":"locationUpdate","value":""})"
                                        << QStringList();
        QTest::newRow("numeric location") << "DEZ_RIOT" << R"({"event":"locationUpdate","value":12})"
                                          << QStringList();
        QTest::newRow("not provisioned") << "DEZ_RIOT" << R"({"event":"provisioningState","state":"notProvisioned"})"
                                         << QStringList({"connected 0"});
        QTest::newRow("provisioned") << "DEZ_RIOT" << R"({"event":"provisioningState","state":"permanent"})"
                                     << QStringList({"connected 1"});
        QTest::newRow("unknown event") << "DEZ_RIOT" << R"({"event":"weather","value":"sunny"})" << QStringList();
        QTest::newRow("no event") << "DEZ_RIOT" << R"({"value":"sunny"})" << QStringList();
    }
    void notifications()
    {
        QFETCH(QString, type);
        QFETCH(QString, message);
        QFETCH(QStringList, calls);
        m_services->type = type;
        m_riot->handleReceivedRiotInfo(message);
        QCOMPARE(m_services->calls, calls);
        QCOMPARE(m_sent->count(), 0);
    }

    // A location that a line of the configuration file cannot hold never
    // reaches the store; the cloud hears why.
    void locationTextsThatNoLineHolds_data()
    {
        QTest::addColumn<QString>("value"); // as JSON text
        QTest::newRow("line feed and a setting") << QStringLiteral("\"Store 12\\npasswdL1=1111\"");
        QTest::newRow("carriage return") << QStringLiteral("\"Store 12\\r\"");
        QTest::newRow("zero") << QStringLiteral("\"Store\\u000012\"");
        QTest::newRow("escape") << QStringLiteral("\"\\u001b[2J\"");
    }
    void locationTextsThatNoLineHolds()
    {
        QFETCH(QString, value);
        m_riot->handleReceivedRiotInfo(
            QStringLiteral("{\"event\":\"locationUpdate\",\"timestamp\":1700000000,\"value\":%1}").arg(value));
        QVERIFY(m_services->calls.isEmpty());
        QCOMPARE(sent(), QStringList({
            "{\n"
            "    \"batch\": {\n"
            "        \"id\": \"\"\n"
            "    },\n"
            "    \"command\": \"locationUpdate\",\n"
            "    \"commandTs\": 1700000000,\n"
            "    \"errorDesc\": \"Invalid location!\",\n"
            "    \"event\": \"commandError\",\n"
            "    \"timestamp\": \"1700000000\"\n"
            "}\n"}));
    }

    // The screen's status texts; a timed-out certificate request keeps
    // showing as retried for the rest of the run.
    void provisioningAndCertificateTexts()
    {
        QSignalSpy provisioning(m_riot, &KivRiot::iotProvisioningState);
        QSignalSpy certificate(m_riot, &KivRiot::iotCertificateState);
        const QStringList states = {"certificateRequested", "certificateReqTimeout", "certificateReceived",
                                    "certificateRequested"};
        for (const QString &state : states)
            m_riot->handleReceivedRiotInfo(QStringLiteral(R"({"event":"certificateState","state":"%1"})").arg(state));
        QTest::ignoreMessage(QtDebugMsg, "Undefined certificateState value!");
        m_riot->handleReceivedRiotInfo(R"({"event":"certificateState","state":"lost"})");
        QStringList texts;
        for (const QList<QVariant> &args : certificate)
            texts << args.at(0).toString();
        QCOMPARE(texts, QStringList({"<b>Certificate Status:</b> Certificate requested",
                                     "<b>Certificate Status:</b> Certificate request timeout",
                                     "<b>Certificate Status:</b> Certificate received",
                                     "<b>Certificate Status:</b> Certificate request timeout, retrying..."}));

        m_riot->handleReceivedRiotInfo(R"({"event":"provisioningState","state":"notProvisioned"})");
        m_riot->handleReceivedRiotInfo(R"({"event":"provisioningState","state":"provisioning"})");
        m_riot->handleReceivedRiotInfo(R"({"event":"provisioningState","state":"permanent"})");
        QTest::ignoreMessage(QtDebugMsg, "Undefined provisioningState value!");
        m_riot->handleReceivedRiotInfo(R"({"event":"provisioningState","state":"odd"})");
        QCOMPARE(provisioning.count(), 2);
        QCOMPARE(provisioning.at(0).at(0).toString(), QStringLiteral("<b>Provisioning Status:</b> Not provisioned"));
        QCOMPARE(provisioning.at(1).at(0).toString(), QStringLiteral("<b>Provisioning Status:</b> Provisioning"));
    }

    // A hold start under both IoT types: the batch id's two forms, each
    // stored on the pan's record, and the two event layouts byte for byte.
    void holdStartLayouts()
    {
        seedKnownPan();
        m_riot->handle_event_holdStart("1700000123", "Crispy Chicken", "4a1f", 2, "auto");
        QCOMPARE(m_services->tags.value(0x4a1f).batchId, QStringLiteral("4a1f-1700000123"));
        QCOMPARE(m_services->tagSaves, 1);

        m_services->type = QStringLiteral("OTHER_IOT");
        m_riot->handle_event_holdStart("1700000123", "Crispy Chicken", "4a1f", 2, "auto");
        QCOMPARE(m_services->tags.value(0x4a1f).batchId, QStringLiteral("4a1f:1700000123"));
        QCOMPARE(m_services->tagSaves, 1);

        QCOMPARE(sent(), QStringList({
            "{\n"
            "    \"batchActive\": true,\n"
            "    \"event\": \"holdStart\",\n"
            "    \"eventUuid\": \"4a1f-1700000123\",\n"
            "    \"holdSecondsRemaining\": 1800,\n"
            "    \"inCabinet\": true,\n"
            "    \"location\": \"Store 9\",\n"
            "    \"modelNumber\": \"TBV40KWL3E\",\n"
            "    \"panId\": \"4a1f\",\n"
            "    \"productId\": 7,\n"
            "    \"productName\": \"Crispy Chicken\",\n"
            "    \"serialNumber\": \"SN1\",\n"
            "    \"state\": \"holding\",\n"
            "    \"timestamp\": \"1700000123\",\n"
            "    \"zoneNumber\": 3\n"
            "}\n",
            "{\n"
            "    \"batch\": {\n"
            "        \"active\": true,\n"
            "        \"expiration\": 1700001924,\n"
            "        \"id\": \"4a1f:1700000123\"\n"
            "    },\n"
            "    \"cabinet\": {\n"
            "        \"bin\": 3,\n"
            "        \"inCabinet\": true,\n"
            "        \"serialNumber\": \"SN1\"\n"
            "    },\n"
            "    \"event\": \"holdStart\",\n"
            "    \"panId\": \"4a1f\",\n"
            "    \"productId\": 7,\n"
            "    \"productName\": \"Crispy Chicken\",\n"
            "    \"timestamp\": \"1700000123\"\n"
            "}\n"}));
    }

    // Pans without a record, double-size pans and long names.
    void holdStartEdges()
    {
        m_services->productOfBin[5] = 9;
        m_services->productOfBin[4] = 3;
        m_services->panSizeOfBin[5] = 2;
        trayInfo tray;
        tray.expectedTime = 1700000500499;
        m_services->trays[5] = tray;
        const QString longName = QString(40, QLatin1Char('x'));
        m_riot->handle_event_holdStart("1700000123", longName, "77", 5, "manual");
        QJsonObject event = parse(sent().value(0));
        QCOMPARE(event.value("zoneNumber").toInt(), 5);  // reported under bin index 4
        QCOMPARE(event.value("productId").toInt(), 9);   // but looked up under bin 5
        QCOMPARE(event.value("eventUuid").toString(), QStringLiteral("null"));
        QCOMPARE(event.value("inCabinet"), QJsonValue(false));
        QCOMPARE(event.value("productName").toString(), QString(32, QLatin1Char('x')));

        m_services->type = QStringLiteral("OTHER_IOT");
        m_riot->handle_event_holdStart("1700000123", "P", "77", 5, "manual");
        event = parse(sent().value(1));
        QCOMPARE(event.value("batch").toObject(),
                 QJsonObject({{"id", 0}, {"expiration", 1700000500}, {"active", true}}));
        QCOMPARE(event.value("cabinet").toObject().value("bin").toInt(), 5);

        // Without tags the pan size does not move the bin.
        m_services->nfc = false;
        m_riot->handle_event_holdStart("1700000123", "P", "77", 5, "manual");
        QCOMPARE(parse(sent().value(2)).value("cabinet").toObject().value("bin").toInt(), 6);
        QCOMPARE(m_services->tagSaves, 0);
    }

    void holdStopLayouts()
    {
        seedKnownPan();
        m_services->tags[0x4a1f].batchId = QStringLiteral("4a1f-1700000123");
        m_riot->handle_event_holdStop("1700000200", "Crispy Chicken", "00004A1F", 2, "manual", 1725);
        m_services->type = QStringLiteral("OTHER_IOT");
        m_riot->handle_event_holdStop("1700000200", "Crispy Chicken", "4a1f", 2, "manual", 1725);
        QCOMPARE(sent().value(0),
                 QStringLiteral("{\n"
                                "    \"batchActive\": false,\n"
                                "    \"event\": \"holdStop\",\n"
                                "    \"eventUuid\": \"4a1f-1700000123\",\n"
                                "    \"holdSecondsRemaining\": 1725,\n"
                                "    \"inCabinet\": true,\n"
                                "    \"location\": \"Store 9\",\n"
                                "    \"modelNumber\": \"TBV40KWL3E\",\n"
                                "    \"panId\": \"4a1f\",\n"
                                "    \"productId\": 7,\n"
                                "    \"productName\": \"Crispy Chicken\",\n"
                                "    \"serialNumber\": \"SN1\",\n"
                                "    \"state\": \"ready\",\n"
                                "    \"timestamp\": \"1700000200\",\n"
                                "    \"zoneNumber\": 3\n"
                                "}\n"));
        const QJsonObject general = parse(sent().value(1));
        QCOMPARE(general.value("batch").toObject(),
                 QJsonObject({{"id", "4a1f-1700000123"}, {"expiration", 1700001924}, {"active", false}}));
        QCOMPARE(general.value("cabinet").toObject(),
                 QJsonObject({{"bin", 3}, {"inCabinet", true}, {"serialNumber", "SN1"}}));
        // A stop never writes the batch id.
        QCOMPARE(m_services->tags.value(0x4a1f).batchId, QStringLiteral("4a1f-1700000123"));
        QCOMPARE(m_services->tagSaves, 0);
    }

    // Which stops are reported at all.
    void holdStopSuppression_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("nfc");
        QTest::addColumn<QString>("pan");
        QTest::addColumn<bool>("sent");
        QTest::newRow("unknown pan with tags") << "DEZ_RIOT" << true << "beef" << false;
        QTest::newRow("unknown pan, other type") << "OTHER" << true << "beef" << false;
        QTest::newRow("pan 0 under the cloud type") << "DEZ_RIOT" << true << "0" << true;
        QTest::newRow("unparsable pan under the cloud type") << "DEZ_RIOT" << true << "zz" << true;
        QTest::newRow("pan 0, other type") << "OTHER" << true << "0" << false;
        QTest::newRow("unknown pan without tags") << "OTHER" << false << "beef" << true;
    }
    void holdStopSuppression()
    {
        QFETCH(QString, type);
        QFETCH(bool, nfc);
        QFETCH(QString, pan);
        QFETCH(bool, sent);
        m_services->type = type;
        m_services->nfc = nfc;
        m_riot->handle_event_holdStop("1700000200", "P", pan, 1, "manual", 10);
        QCOMPARE(m_sent->count(), sent ? 1 : 0);
        if (sent && !nfc) {
            const QJsonObject event = parse(this->sent().at(0));
            QCOMPARE(event.value("batch").toObject().value("id"), QJsonValue(0));
            QCOMPARE(event.value("cabinet").toObject().value("inCabinet"), QJsonValue(false));
        }
        if (sent && pan == QLatin1String("zz"))
            QCOMPARE(parse(this->sent().at(0)).value("panId").toString(), QStringLiteral("0"));
    }

    // A reset asked for a new cycle: the stop starts it, with an expiry
    // computed in 64 bits even for a hold of weeks.
    void holdStopRestartsARequestedCycle()
    {
        seedKnownPan();
        m_services->tags[0x4a1f].position = 4;
        m_services->tags[0x4a1f].restartRequested = true;
        m_services->tags[0x4a1f].holdStatus = 4;
        m_services->productOfBin[4] = 9;
        m_services->holdTimeOfProduct[9] = 3000000;
        m_riot->handle_event_holdStop("1700000200", "P", "4a1f", 4, "auto", 0);

        QCOMPARE(m_sent->count(), 1);
        QCOMPARE(m_services->calls, QStringList({"startBinTimer 4 3000000 4a1f", "holdStarted 4 4a1f auto"}));
        const IotServices::PanTag tag = m_services->tags.value(0x4a1f);
        QCOMPARE(tag.expTime, kNow + qint64(3000000) * 1000);
        QCOMPARE(tag.restartRequested, false);
        QCOMPARE(tag.holdStatus, 0);
        QCOMPARE(tag.activationTimeStamp, kNow);

        // Without tags the same stop never restarts.
        m_services->calls.clear();
        m_services->tags[0x4a1f].restartRequested = true;
        m_services->nfc = false;
        m_riot->handle_event_holdStop("1700000200", "P", "4a1f", 4, "auto", 0);
        QVERIFY(m_services->calls.isEmpty());
    }

    void holdExpiredLayouts()
    {
        seedKnownPan();
        m_services->tags[0x4a1f].batchId = QStringLiteral("4a1f-1700000123");
        m_riot->handle_event_holdExpired("1700001800", "Crispy Chicken", "4a1f", 2);
        QJsonObject event = parse(sent().value(0));
        QCOMPARE(event.value("state").toString(), QStringLiteral("overHolding"));
        QCOMPARE(event.value("batchActive"), QJsonValue(true));
        QCOMPARE(event.value("holdSecondsRemaining"), QJsonValue(0));
        QCOMPARE(event.value("eventUuid").toString(), QStringLiteral("4a1f-1700000123"));

        // In the general layout an expiry without a record carries its bin
        // and expiration as texts.
        m_services->type = QStringLiteral("OTHER_IOT");
        m_riot->handle_event_holdExpired("1700001800", "P", "beef", 2);
        event = parse(sent().value(1));
        QCOMPARE(event.value("batch").toObject(),
                 QJsonObject({{"id", 0}, {"expiration", "1700000001"}, {"active", true}}));
        QCOMPARE(event.value("cabinet").toObject(),
                 QJsonObject({{"bin", "3"}, {"inCabinet", false}, {"serialNumber", "SN1"}}));
        QCOMPARE(event.value("panId").toString(), QStringLiteral("beef"));
        m_riot->handle_event_holdExpired("1700001800", "P", "4a1f", 2);
        QCOMPARE(parse(sent().value(2)).value("batch").toObject().value("expiration"), QJsonValue(1700001924));
    }
};

QTEST_MAIN(TestRiot)
#include "tst_riot.moc"
