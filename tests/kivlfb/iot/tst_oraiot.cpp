#include "fakeshadowservices.h"
#include "iot/kivoraiot.h"
#include "iot/shadowformat.h"
#include "platform/kivclock.h"

#include "messagecatcher.h"
#include "temproot.h"

#include <QJsonDocument>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

#include <limits>

namespace {
// 2026-12-11 02:00:00 UTC, with a fraction to tell rounding from truncation.
const qint64 kNow = 1765418400600;
const QString kUuid = QStringLiteral("123_VESPRO_HOLDINGCABINET");
const char kTimeFormat[] = "yyyy-MM-dd hh:mm:ss";

QJsonObject message(const QSignalSpy &spy, int index)
{
    return QJsonDocument::fromJson(spy.at(index).at(0).toString().toUtf8()).object();
}

// The record of that name in an array of property records.
QJsonObject record(const QJsonArray &records, const QString &name)
{
    for (const QJsonValue &value : records)
        if (value.toObject().value("name").toString() == name)
            return value.toObject();
    return QJsonObject();
}

QStringList names(const QJsonArray &records)
{
    QStringList list;
    for (const QJsonValue &value : records)
        list << value.toObject().value("name").toString();
    return list;
}

QString modeCommand(const QString &eventType, const QString &arrayKey, const QString &mode, const QString &state,
                    const QJsonValue &duration = QJsonValue(QJsonValue::Undefined), const QString &uuid = kUuid)
{
    QJsonArray items{QJsonObject{{"name", "modeRequested"}, {"value", mode}},
                     QJsonObject{{"name", "state"}, {"value", state}}};
    if (!duration.isUndefined())
        items.append(QJsonObject{{"name", "duration"}, {"value", duration}});
    const QJsonObject command{{"deviceUuid", uuid}, {"eventType", eventType}, {arrayKey, items}};
    return QString::fromUtf8(QJsonDocument(command).toJson(QJsonDocument::Compact));
}

QString dataMode(const QString &mode, const QString &state, const QJsonValue &duration = QJsonValue(QJsonValue::Undefined))
{
    return modeCommand("dataModeCommand", "diagnosticModeCommand", mode, state, duration);
}

QString liveView(const QString &state, const QJsonValue &duration = QJsonValue(QJsonValue::Undefined))
{
    return modeCommand("liveViewCommand", "liveViewCommand", "liveViewMode", state, duration);
}

// A mode reply's records by name: {"state": "enable", ...}.
QHash<QString, QString> replyRecords(const QJsonObject &reply)
{
    const QString key = reply.value("eventType").toString() == "liveViewStatus" ? "liveViewStatus"
                                                                                : "diagnosticModeStatus";
    QHash<QString, QString> values;
    for (const QJsonValue &value : reply.value(key).toArray())
        values.insert(value.toObject().value("name").toString(), value.toObject().value("value").toString());
    return values;
}
} // namespace

class TestOraIot : public QObject
{
    Q_OBJECT

private:
    // A back-end in a fresh root, reading the fake cabinet.
    struct Rig
    {
        explicit Rig(const QByteArray &bootTimeOutput = QByteArray(), bool withUptimeTool = true)
        {
            if (withUptimeTool)
                root.addFakeTool("/bin/uptime", "printf '" + bootTimeOutput + "'");
        }
        void start()
        {
            backEnd.reset(new KivOraIot);
            backEnd->setServices(&cabinet, &cabinet);
            sent.reset(new QSignalSpy(backEnd.data(), &KivOraIot::sendIotInfo));
        }
        TempRoot root;
        FakeShadowServices cabinet;
        QScopedPointer<KivOraIot> backEnd;
        QScopedPointer<QSignalSpy> sent;
    };

    static QString bootTimeBefore(int secs)
    {
        return KivClock::now().addSecs(-secs).toString(kTimeFormat);
    }

private slots:
    void init()
    {
        KivClock::freezeAt(kNow);
    }

    void cleanup()
    {
        KivClock::useSystemClock();
    }

    // ---- Formats ----

    void messagesAreCompactWithRecordsInOrder()
    {
        const QJsonArray records{
            KivOraIot::buildJsonProperty("binNumber", 4, "int", ""),
            KivOraIot::buildJsonProperty("panSize", 1.5f, "float", ""),
            KivOraIot::buildJsonProperty("doubleTap", false, "bool", ""),
            KivOraIot::buildJsonProperty("holdDuration", 5000000000LL, "int", "seconds"),
            KivOraIot::buildJsonProperty("processId", QString("123_3_ff"), "string", ""),
        };
        QCOMPARE(ShadowFormat::serialise(ShadowFormat::eventMessage("operation", 1765418400, kUuid, "tx", "eventData",
                                                                    records)),
                 QStringLiteral("{\"deviceUuid\":\"123_VESPRO_HOLDINGCABINET\",\"eventData\":["
                                "{\"name\":\"binNumber\",\"schema\":\"int\",\"unit\":\"\",\"value\":4},"
                                "{\"name\":\"panSize\",\"schema\":\"float\",\"unit\":\"\",\"value\":1.5},"
                                "{\"name\":\"doubleTap\",\"schema\":\"bool\",\"unit\":\"\",\"value\":false},"
                                "{\"name\":\"holdDuration\",\"schema\":\"int\",\"unit\":\"seconds\",\"value\":5000000000},"
                                "{\"name\":\"processId\",\"schema\":\"string\",\"unit\":\"\",\"value\":\"123_3_ff\"}],"
                                "\"eventType\":\"operation\",\"timeStamp\":1765418400,\"transactionId\":\"tx\"}"));

        QCOMPARE(ShadowFormat::serialise(ShadowFormat::shadowMessage(
                     "configurationData", 5, "u", "t", {KivOraIot::buildJsonProperty("Store #", QString("42"), "string", "")})),
                 QStringLiteral("{\"state\":{\"reported\":{\"deviceStatusInformation\":{\"configurationData\":"
                                "{\"Store #\":{\"name\":\"Store #\",\"schema\":\"string\",\"unit\":\"\",\"value\":\"42\"}}},"
                                "\"deviceUuid\":\"u\",\"eventType\":\"deviceShadow\",\"timeStamp\":5,\"transactionId\":\"t\"}}}"));
        QCOMPARE(ShadowFormat::processIdText("123", 3, 255), QStringLiteral("123_3_ff"));
    }

    void panSizeFillsTrayPositions_data()
    {
        QTest::addColumn<int>("traysPerZone");
        QTest::addColumn<QStringList>("sizes");
        QTest::addColumn<QList<float>>("trays");
        const QStringList sizes{"1/4", "1/3", "1/2", "2/3", "3/4", "1/1", "2/4", ""};
        QTest::newRow("2") << 2 << sizes << QList<float>{1, 1, 1, 1, 1, 2, 1, 1};
        QTest::newRow("3") << 3 << sizes << QList<float>{1, 1, 1.5, 2, 1, 3, 1, 1};
        QTest::newRow("4") << 4 << sizes << QList<float>{1, 1, 2, 1, 3, 4, 1, 1};
        QTest::newRow("0") << 0 << sizes << QList<float>{1, 1, 1, 1, 1, 1, 1, 1};
        QTest::newRow("5") << 5 << sizes << QList<float>{1, 1, 1, 1, 1, 1, 1, 1};
    }

    void panSizeFillsTrayPositions()
    {
        QFETCH(int, traysPerZone);
        QFETCH(QStringList, sizes);
        QFETCH(QList<float>, trays);
        for (int i = 0; i < sizes.size(); ++i)
            QCOMPARE(ShadowFormat::panSizeTrays(sizes.at(i), traysPerZone), trays.at(i));
    }

    void modeDurations_data()
    {
        QTest::addColumn<QJsonValue>("duration");
        QTest::addColumn<int>("timerMs");
        QTest::newRow("none") << QJsonValue(QJsonValue::Undefined) << 300000;
        QTest::newRow("60") << QJsonValue(60) << 60000;
        QTest::newRow("fraction") << QJsonValue(2.5) << 300000;
        QTest::newRow("text") << QJsonValue("60") << 300000;
        QTest::newRow("negative") << QJsonValue(-5) << 300000;
        QTest::newRow("zero") << QJsonValue(0) << 300000;
        QTest::newRow("longer than a timer runs") << QJsonValue(3000000.0) << std::numeric_limits<int>::max();
        QTest::newRow("huge") << QJsonValue(1e300) << std::numeric_limits<int>::max();
    }

    void modeDurations()
    {
        QFETCH(QJsonValue, duration);
        QFETCH(int, timerMs);
        Rig rig;
        rig.cabinet.serial = "123";
        rig.start();
        rig.backEnd->handleReceivedIoTInfo(dataMode("operational", "enable", duration));
        QCOMPARE(rig.backEnd->diagnosticModeRemaining(), timerMs);
        rig.backEnd->handleReceivedIoTInfo(liveView("enable", duration));
        QCOMPARE(rig.backEnd->liveViewModeRemaining(), timerMs);
        QCOMPARE(rig.sent->count(), 2);
        QCOMPARE(replyRecords(message(*rig.sent, 0)).value("requestStatus"), QStringLiteral("successful"));
    }

    void uptimeAndErrorFiles()
    {
        QDateTime start = QDateTime::fromString("2026-12-11 01:59:00", kTimeFormat);
        QCOMPARE(ShadowFormat::uptimeFile(start, 60, 1060),
                 QByteArray("startTime=2026-12-11 01:59:00\nupTime=60\ntotalSystemUpTime=1060\n"));

        const ShadowFormat::Uptime read = ShadowFormat::parseUptimeFile(
            "startTime=2026-12-11 01:59:00\nupTime\nupTime=12\ntotalSystemUpTime=7\nother=1\ntotalSystemUpTime=x\n");
        QCOMPARE(read.startTime, start);
        QVERIFY(read.hasUpTime);
        QCOMPARE(read.upTime, 12);        // the line without "=" is skipped
        QCOMPARE(read.totalUpTime, 0);    // the last one wins, and it is no number
        QVERIFY(!ShadowFormat::parseUptimeFile("upTime=5\n").hasStartTime);

        QCOMPARE(ShadowFormat::errorsFile({"2.1.0.0", "3.0.1.0"}), QByteArray("2.1.0.0\n3.0.1.0\n"));
        QCOMPARE(ShadowFormat::parseErrorsFile("2.1.0.0\n\n3.0.1.0"), (QStringList{"2.1.0.0", "", "3.0.1.0"}));
        QCOMPARE(ShadowFormat::parseErrorsFile(""), QStringList());

        using Parts = std::array<int, 4>;
        QCOMPARE(ShadowFormat::errorCodeParts("2.10.3.4"), (Parts{2, 10, 3, 4}));
        QCOMPARE(ShadowFormat::errorCodeParts(""), (Parts{0, 0, 0, 0}));
        QCOMPARE(ShadowFormat::errorCodeParts("5.x"), (Parts{5, 0, 0, 0}));
    }

    // ---- Frame and queue ----

    void reportsWaitForPowerOn()
    {
        Rig rig;
        rig.cabinet.serial = "123";
        rig.start();
        rig.backEnd->sendDeviceIdentifier();
        rig.backEnd->sendMenuInfo();
        QCOMPARE(rig.sent->count(), 0);
        QCOMPARE(rig.cabinet.calls, QStringList{"checkFirmware"});
        QCOMPARE(rig.backEnd->pendingEvents().size(), 2);

        rig.backEnd->sendPowerOn();
        QCOMPARE(rig.sent->count(), 3);
        const QJsonObject boot = message(*rig.sent, 0);
        QCOMPARE(boot.value("eventType").toString(), QStringLiteral("systemBootData"));
        QCOMPARE(boot.value("timeStamp").toDouble(), double((kNow + 500) / 1000));
        QCOMPARE(message(*rig.sent, 1).value("state").toObject().value("reported").toObject().value("eventType").toString(),
                 QStringLiteral("deviceShadow"));
        QCOMPARE(message(*rig.sent, 2).value("eventType").toString(), QStringLiteral("menuInformation"));
        QCOMPARE(message(*rig.sent, 2).value("timeStamp").toDouble(), double(kNow / 1000));

        QRegularExpression v4("^[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}$");
        QSet<QString> ids;
        for (int i = 0; i < rig.sent->count(); ++i) {
            const QString text = rig.sent->at(i).at(0).toString();
            QCOMPARE(QJsonDocument::fromJson(text.toUtf8()).toJson(QJsonDocument::Compact), text.toUtf8());
            QJsonObject m = message(*rig.sent, i);
            if (m.contains("state"))
                m = m.value("state").toObject().value("reported").toObject();
            QCOMPARE(m.value("deviceUuid").toString(), kUuid);
            QVERIFY2(v4.match(m.value("transactionId").toString()).hasMatch(), qPrintable(text));
            ids.insert(m.value("transactionId").toString());
        }
        QCOMPARE(ids.size(), 3);

        // Released once: later reports go at once, a second power-on sends nothing.
        rig.backEnd->sendStoreNumberUpdated("42");
        QCOMPARE(rig.sent->count(), 4);
        rig.backEnd->sendPowerOn();
        QCOMPARE(rig.sent->count(), 4);
        QVERIFY(rig.backEnd->pendingEvents().isEmpty());
    }

    void identityVersionsAndUpdates()
    {
        Rig rig;
        rig.cabinet.serial = "123";
        rig.cabinet.model = "M1";
        rig.cabinet.store = "S9";
        rig.start();
        rig.backEnd->sendPowerOn();
        rig.sent->clear();

        auto section = [&](int index, const QString &name) {
            return message(*rig.sent, index).value("state").toObject().value("reported").toObject()
                .value("deviceStatusInformation").toObject().value(name).toObject();
        };
        rig.cabinet.customer = 1;
        rig.backEnd->sendDeviceIdentifier();
        rig.cabinet.customer = 3;
        rig.backEnd->sendDeviceIdentifier();
        const QJsonObject ids = section(0, "deviceIdData");
        QCOMPARE(ids.keys(), (QStringList{"Model #", "Serial #", "Store #", "brandId"}));
        QCOMPARE(ids.value("Serial #").toObject().value("value").toString(), QStringLiteral("123"));
        QCOMPARE(ids.value("Store #").toObject().value("name").toString(), QStringLiteral("Store #"));
        QCOMPARE(ids.value("brandId").toObject().value("value").toString(), QStringLiteral("KALDMOREN-LORNET"));
        QCOMPARE(section(1, "deviceIdData").value("brandId").toObject().value("value").toString(), QStringLiteral("VESPRO"));

        rig.cabinet.nfc = false;
        rig.backEnd->sendVersionInfo();
        rig.cabinet.nfc = true;
        rig.backEnd->sendVersionInfo();
        QCOMPARE(section(2, "versionData").keys(), (QStringList{"firmwareVersionIO", "firmwareVersionIoT", "firmwareVersionUI"}));
        const QJsonObject versions = section(3, "versionData");
        QCOMPARE(versions.size(), 4);
        QCOMPARE(versions.value("firmwareVersionUI").toObject().value("value").toString(), QStringLiteral("QZ-7318"));
        QCOMPARE(versions.value("firmwareVersionReaderBoard").toObject().value("value").toString(), QStringLiteral("RD-7"));

        rig.sent->clear();
        rig.backEnd->sendMenuUpdated("1", 1, true);
        rig.backEnd->sendMenuUpdated("1", 3, true);
        QCOMPARE(rig.sent->count(), 0);
        rig.backEnd->sendMenuUpdated("1", 2, false);
        rig.backEnd->sendFirmwareUpdated("1", "a", "b", 7, true);
        QCOMPARE(rig.sent->count(), 2);
        const QJsonArray menu = message(*rig.sent, 0).value("eventData").toArray();
        QCOMPARE(names(menu), (QStringList{"event", "updateStatus", "menuVersion", "menuDescription"}));
        QCOMPARE(record(menu, "updateStatus").value("value").toString(), QStringLiteral("failed"));
        QCOMPARE(record(menu, "menuVersion").value("value").toString(), QStringLiteral("M-7"));
        const QJsonArray firmware = message(*rig.sent, 1).value("eventData").toArray();
        QCOMPARE(record(firmware, "event").value("value").toString(), QStringLiteral("firmwareUpdated"));
        QCOMPARE(record(firmware, "updateStatus").value("value").toString(), QStringLiteral("successful"));
    }

    // ---- Commands ----

    void inboundTextsThatAreNoCommand()
    {
        Rig rig;
        rig.cabinet.serial = "123";
        rig.start();
        MessageCatcher log;
        rig.backEnd->handleReceivedIoTInfo("{nope");
        rig.backEnd->handleReceivedIoTInfo("[1,2]");
        rig.backEnd->handleReceivedIoTInfo(modeCommand("dataModeCommand", "diagnosticModeCommand", "operational", "enable",
                                                       QJsonValue(QJsonValue::Undefined), "123_vespro_holdingcabinet"));
        rig.backEnd->handleReceivedIoTInfo("{\"event\":\"iotSwVersion\"}");
        QVERIFY(log.contains("Invalid IoT JSON message!!!!!!!!!!!!!!!!!!!!!"));
        QVERIFY(log.contains("Invalid IoT JSON object!!!!!!!!!!!!!!!!!!!!!"));
        QVERIFY(log.contains("Invalid device UUID value!!!"));
        QCOMPARE(rig.cabinet.calls, QStringList{"swVersion "});
        QCOMPARE(rig.backEnd->diagnosticModeRemaining(), -1);

        const int lines = log.messages().size();
        rig.backEnd->handleReceivedIoTInfo(modeCommand("holdStart", "x", "a", "b"));
        QCOMPARE(log.messages().size(), lines);
        QCOMPARE(rig.sent->count(), 0);
    }

    void dataModeCommands()
    {
        Rig rig;
        rig.cabinet.serial = "123";
        rig.start();
        auto reply = [&]() { return replyRecords(message(*rig.sent, rig.sent->count() - 1)); };

        rig.backEnd->handleReceivedIoTInfo(dataMode("operational", "extend"));
        QCOMPARE(reply().value("requestFailureCode"), QStringLiteral("Cannot Extend. Diagnostic data mode is not active"));
        QCOMPARE(reply().value("state"), QStringLiteral("disable"));
        rig.backEnd->handleReceivedIoTInfo(dataMode("operational", "toggle"));
        QCOMPARE(reply(), (QHash<QString, QString>{{"modeRequested", "operational"}, {"requestStatus", "failed"},
                                                  {"finalActiveMode", "warm"},
                                                  {"requestFailureCode", "Invalid state requested"},
                                                  {"state", "disable"}}));
        rig.backEnd->handleReceivedIoTInfo(dataMode("cold", "toggle"));
        QCOMPARE(reply().value("requestFailureCode"), QStringLiteral("Invalid mode requested"));
        QVERIFY(!reply().contains("state"));
        rig.backEnd->handleReceivedIoTInfo(
            QString("{\"deviceUuid\":\"%1\",\"eventType\":\"dataModeCommand\"}").arg(kUuid));
        QCOMPARE(reply().value("requestFailureCode"), QStringLiteral("diagnosticModeCommand array not found"));
        QCOMPARE(reply().value("modeRequested"), QString());

        rig.backEnd->handleReceivedIoTInfo(dataMode("operational", "enable"));
        QCOMPARE(reply(), (QHash<QString, QString>{{"modeRequested", "operational"}, {"state", "enable"},
                                                  {"requestStatus", "successful"}, {"finalActiveMode", "operational"}}));
        QCOMPARE(message(*rig.sent, rig.sent->count() - 1).value("eventType").toString(), QStringLiteral("dataModeStatus"));
        rig.backEnd->handleReceivedIoTInfo(dataMode("operational", "enable"));
        QCOMPARE(reply().value("requestFailureCode"), QStringLiteral("Diagnostic data mode is already enabled"));
        rig.backEnd->handleReceivedIoTInfo(dataMode("service", "extend", 30));
        QCOMPARE(reply().value("requestFailureCode"), QStringLiteral("Cannot Extend. Diagnostic data mode is different"));
        QCOMPARE(reply().value("state"), QStringLiteral("enable"));

        // 99.6 s left and 30 more: the fraction is dropped.
        KivClock::advance(300000 - 99600);
        rig.backEnd->handleReceivedIoTInfo(dataMode("operational", "extend", 30));
        QCOMPARE(reply().value("state"), QStringLiteral("extend"));
        QCOMPARE(rig.backEnd->diagnosticModeRemaining(), 129000);
        rig.backEnd->handleReceivedIoTInfo(dataMode("operational", "extend"));
        QCOMPARE(rig.backEnd->diagnosticModeRemaining(), 429000);

        // Disabling names the mode asked for; the mode in force falls back.
        rig.backEnd->handleReceivedIoTInfo(dataMode("service", "disable"));
        QCOMPARE(reply(), (QHash<QString, QString>{{"modeRequested", "service"}, {"state", "disable"},
                                                  {"requestStatus", "successful"}, {"finalActiveMode", "warm"}}));
        QCOMPARE(rig.backEnd->diagnosticModeRemaining(), -1);
        rig.backEnd->handleReceivedIoTInfo(dataMode("service", "disable"));
        QCOMPARE(reply().value("requestFailureCode"), QStringLiteral("Diagnostic data mode is already disabled"));
    }

    void modesTickAndTimeOutOnTheClock()
    {
        Rig rig;
        rig.cabinet.serial = "123";
        rig.start();
        rig.backEnd->handleReceivedIoTInfo(dataMode("service", "enable", 60));
        rig.backEnd->handleReceivedIoTInfo(liveView("enable", 25));
        rig.sent->clear();
        KivClock::advance(9999);
        QCOMPARE(rig.sent->count(), 0);

        QStringList seen;
        for (int s = 0; s < 6; ++s) {
            KivClock::advance(s == 0 ? 1 : 10000);
            for (int i = 0; i < rig.sent->count(); ++i) {
                const QJsonObject m = message(*rig.sent, i);
                seen << m.value("eventType").toString() + (m.contains("liveViewStatus") || m.contains("diagnosticModeStatus")
                                                             ? "/" + replyRecords(m).value("requestStatus") : QString());
            }
            rig.sent->clear();
        }
        // Live view: data at 10 and 20 s, time-out at 25 s. Diagnostics: five
        // snapshots, and the time-out at 60 s comes before a sixth.
        QCOMPARE(seen, (QStringList{"serviceDiagnostics", "liveViewData", "serviceDiagnostics", "liveViewData",
                                    "liveViewStatus/timeout", "serviceDiagnostics", "serviceDiagnostics",
                                    "serviceDiagnostics", "dataModeStatus/timeout"}));
        QCOMPARE(rig.backEnd->diagnosticMode(), QStringLiteral("warm"));
        QCOMPARE(rig.backEnd->liveViewMode(), QStringLiteral("service"));
        KivClock::advance(60000);
        QCOMPARE(rig.sent->count(), 0);
    }

    void liveViewFollowsTheDiagnosticMode()
    {
        Rig rig;
        rig.cabinet.serial = "123";
        rig.start();
        rig.backEnd->handleReceivedIoTInfo(dataMode("service", "enable"));
        rig.backEnd->handleReceivedIoTInfo(liveView("extend"));
        QCOMPARE(replyRecords(message(*rig.sent, 1)).value("requestFailureCode"),
                 QStringLiteral("Cannot Extend. Live view mode is not active"));
        rig.backEnd->handleReceivedIoTInfo(liveView("enable"));
        rig.backEnd->handleReceivedIoTInfo(liveView("enable"));
        QCOMPARE(replyRecords(message(*rig.sent, 3)).value("requestFailureCode"),
                 QStringLiteral("Live view mode is already enabled"));
        rig.backEnd->handleReceivedIoTInfo(liveView("disable"));
        const QJsonObject last = message(*rig.sent, 4);
        QCOMPARE(last.value("eventType").toString(), QStringLiteral("liveViewStatus"));
        QCOMPARE(replyRecords(last), (QHash<QString, QString>{{"modeRequested", "liveViewMode"}, {"state", "disable"},
                                                             {"requestStatus", "successful"},
                                                             {"finalActiveMode", "service"}}));
        rig.backEnd->handleReceivedIoTInfo(modeCommand("liveViewCommand", "liveViewCommand", "operational", "enable"));
        QCOMPARE(replyRecords(message(*rig.sent, 5)).value("requestFailureCode"), QStringLiteral("Invalid mode requested"));
    }

    // ---- Snapshots ----

    void diagnosticSnapshotOfEveryTrayPosition()
    {
        Rig rig;
        rig.cabinet.serial = "123";
        rig.cabinet.setBinNumbers({7, 6, 5, 4, 3, 2, 1, 0});
        rig.cabinet.productOfBin = {{7, 11}, {6, 12}, {5, 13}, {4, 13}};
        rig.cabinet.names = {{11, {"Bacon"}}, {12, {"Patty"}}, {13, {"Eggs"}}};
        rig.cabinet.setPanSizes({{11, "1/2"}, {12, "2/3"}, {13, "1/1"}});
        rig.cabinet.holdTimeOfProduct = {{11, 1200}, {12, 900}};
        rig.cabinet.zones = {{2, {{150, 160}, {148, 157}}}, {1, {{170}, {169}}}};
        rig.cabinet.states = {{7, 6}, {6, 9}, {5, 8}, {4, 2}};
        trayInfo counting;
        counting.remainingTime = 5;
        counting.expectedTime = kNow + 100000;
        trayInfo waiting;
        waiting.remainingTime = 77;
        waiting.expectedTime = kNow + 900000;
        rig.cabinet.trays = {{0, counting}, {1, waiting}};
        rig.start();

        rig.backEnd->sendLogData();
        QCOMPARE(rig.sent->count(), 1);
        const QJsonObject snapshot = message(*rig.sent, 0);
        QCOMPARE(snapshot.value("eventType").toString(), QStringLiteral("logData"));
        const qint64 stamp = (kNow + 500) / 1000;
        QCOMPARE(snapshot.value("timeStamp").toDouble(), double(stamp));
        const QJsonArray bins = snapshot.value("eventData").toArray();
        QCOMPARE(names(bins), (QStringList{"Bin 8", "Bin 7", "Bin 6", "Bin 5", "Bin 4", "Bin 3"}));
        for (const QJsonValue &bin : bins) {
            QCOMPARE(bin.toObject().value("schema").toString(), QStringLiteral("ARRAY"));
            QCOMPARE(names(bin.toObject().value("value").toArray()),
                     (QStringList{"productId", "productName", "holdDuration", "panSize", "setpointUpper", "setpointLower",
                                  "temperatureUpper", "temperatureLower", "timerMode", "holdSecondsRemaining"}));
        }
        auto value = [&](int position, const QString &name) {
            return record(bins.at(position).toObject().value("value").toArray(), name).value("value");
        };
        // Bin 7 (zone 2 of three trays), standard: seconds to its end.
        QCOMPARE(value(0, "productName").toString(), QStringLiteral("Bacon"));
        QCOMPARE(value(0, "holdDuration").toInt(), 1200);
        QCOMPARE(value(0, "panSize").toDouble(), 1.5);
        QCOMPARE(value(0, "setpointUpper").toInt(), 160);
        QCOMPARE(value(0, "temperatureLower").toInt(), 148);
        QCOMPARE(record(bins.at(0).toObject().value("value").toArray(), "setpointUpper").value("unit").toString(),
                 QStringLiteral("\u00B0F"));
        QCOMPARE(value(0, "timerMode").toString(), QStringLiteral("standard"));
        QCOMPARE(value(0, "holdSecondsRemaining").toInt(), int((counting.expectedTime + 500) / 1000 - stamp));
        // Waiting reports the stored seconds, not the end time.
        QCOMPARE(value(1, "timerMode").toString(), QStringLiteral("waiting"));
        QCOMPARE(value(1, "holdSecondsRemaining").toInt(), 77);
        QCOMPARE(value(2, "timerMode").toString(), QStringLiteral("discard"));
        QCOMPARE(value(2, "panSize").toDouble(), 3.0);
        // Bin 4 is in zone 1, whose lists are one entry short.
        QCOMPARE(value(3, "timerMode").toString(), QStringLiteral("idle"));
        QCOMPARE(value(3, "setpointLower").toInt(), 170);
        QCOMPARE(value(3, "setpointUpper").toInt(), 0);
        // Position 5 is bin 2, in zone 0, which the cabinet lacks.
        QCOMPARE(value(5, "temperatureUpper").toInt(), 0);
    }

    void snapshotSurvivesOddCabinets()
    {
        Rig rig;
        rig.cabinet.serial = "123";
        rig.cabinet.binCount = 24; // more positions than the board's 20 bins
        rig.cabinet.perZone = 0;
        rig.cabinet.zones = {{0, {{150, 160}, {148, 157}}}};
        rig.start();
        rig.backEnd->handleReceivedIoTInfo(dataMode("operational", "enable"));
        rig.sent->clear();
        KivClock::advance(10000);
        QCOMPARE(rig.sent->count(), 1);
        const QJsonArray bins = message(*rig.sent, 0).value("eventData").toArray();
        QCOMPARE(message(*rig.sent, 0).value("eventType").toString(), QStringLiteral("operationalDiagnostics"));
        QCOMPARE(bins.size(), 20);
        QCOMPARE(record(bins.at(0).toObject().value("value").toArray(), "setpointUpper").value("value").toInt(), 0);
    }

    // ---- Hold events ----

    void holdRecords()
    {
        Rig rig;
        rig.cabinet.serial = "123";
        rig.cabinet.productOfBin = {{3, 21}};
        rig.cabinet.holdTimeOfProduct = {{21, 1200}};
        rig.cabinet.setPanSizes({{21, "1/2"}});
        trayInfo tray;
        tray.remainingTime = 1100;
        tray.flag = 1;
        tray.processId = 255;
        rig.cabinet.trays = {{3, tray}};
        rig.start();

        rig.backEnd->sendHoldStart("1", "Bacon", "abc", 3, "auto");
        rig.backEnd->sendHoldStart("2", "Bacon", "def", 3, "manual");
        rig.backEnd->sendHoldStop("1", "Bacon", "abc", 3, "auto", -30);
        rig.backEnd->sendHoldStop("1", "Bacon", "abc", 3, "auto", 0);
        rig.backEnd->sendHoldExpired("1", "Bacon", "abc", 3);
        QCOMPARE(rig.sent->count(), 5); // not held for power-on

        const QJsonObject start = message(*rig.sent, 0);
        QCOMPARE(start.value("eventType").toString(), QStringLiteral("operation"));
        QCOMPARE(start.value("timeStamp").toDouble(), double(kNow / 1000));
        const QJsonArray started = start.value("eventData").toArray();
        QCOMPARE(names(started), (QStringList{"event", "binNumber", "productId", "productName", "panSize", "holdTime",
                                              "doubleTap", "processId"}));
        QCOMPARE(record(started, "binNumber").value("value").toInt(), 4);
        QCOMPARE(record(started, "productId").value("value").toInt(), 21);
        QCOMPARE(record(started, "panSize").value("value").toDouble(), 1.5);
        QCOMPARE(record(started, "holdTime").value("value").toInt(), 1100);
        QCOMPARE(record(started, "holdTime").value("unit").toString(), QStringLiteral("seconds"));
        QCOMPARE(record(started, "doubleTap").value("value").toBool(), true);
        QCOMPARE(record(started, "processId").value("value").toString(), QStringLiteral("123_3_ff"));
        // The pan is not named: a second pan gives the same records.
        QCOMPARE(message(*rig.sent, 1).value("eventData").toArray(), started);

        const QJsonArray stopped = message(*rig.sent, 2).value("eventData").toArray();
        QCOMPARE(names(stopped), (QStringList{"event", "binNumber", "productId", "productName", "holdDuration", "panSize",
                                              "isHoldExpired", "processId"}));
        QCOMPARE(record(stopped, "holdDuration").value("value").toInt(), 1230);
        QCOMPARE(record(stopped, "isHoldExpired").value("value").toBool(), true);
        const QJsonArray stoppedInTime = message(*rig.sent, 3).value("eventData").toArray();
        QCOMPARE(record(stoppedInTime, "holdDuration").value("value").toInt(), 1200);
        QCOMPARE(record(stoppedInTime, "isHoldExpired").value("value").toBool(), false);

        const QJsonArray expired = message(*rig.sent, 4).value("eventData").toArray();
        QCOMPARE(names(expired), (QStringList{"event", "binNumber", "productId", "productName", "panSize", "holdDuration",
                                              "processId"}));
        QCOMPARE(record(expired, "holdDuration").value("value").toInt(), 1200);
    }

    // ---- Errors ----

    void activeErrorsAreReportedOnce()
    {
        Rig rig;
        rig.cabinet.serial = "123";
        rig.start();
        rig.backEnd->sendPowerOn();
        rig.sent->clear();

        rig.backEnd->sendErrorInfo("1", "2.1.0.0", "desc", " ");
        rig.backEnd->sendErrorInfo("1", "2.1.0.0", "desc", " ");
        QCOMPARE(rig.sent->count(), 1);
        QCOMPARE(rig.backEnd->activeErrors(), QStringList{"2.1.0.0"});
        const QJsonObject active = message(*rig.sent, 0);
        QCOMPARE(active.value("eventType").toString(), QStringLiteral("error"));
        QCOMPARE(names(active.value("errorData").toArray()), (QStringList{"errorCode", "state"}));
        QCOMPARE(record(active.value("errorData").toArray(), "state").value("value").toString(), QStringLiteral("active"));
        QTRY_COMPARE(rig.root.readFile("/root/activeErrorsList.txt"), QByteArray("2.1.0.0\n"));

        // A code that was never active still goes out.
        rig.backEnd->sendErrorClearInfo("1", "9.9.9.9", "", "");
        QCOMPARE(rig.sent->count(), 2);
        QCOMPARE(record(message(*rig.sent, 1).value("errorData").toArray(), "state").value("value").toString(),
                 QStringLiteral("inactive"));
        rig.backEnd->sendErrorClearInfo("1", "2.1.0.0", "", "");
        QCOMPARE(rig.sent->count(), 3);
        QVERIFY(rig.backEnd->activeErrors().isEmpty());
        QTRY_COMPARE(rig.root.readFile("/root/activeErrorsList.txt"), QByteArray());
    }

    void errorsLeftByAnEarlierRunArePurged()
    {
        Rig rig;
        rig.cabinet.serial = "123";
        QVERIFY(rig.root.writeFile("/root/activeErrorsList.txt", "2.1.0.0\n\n3.4.5.6\n8.1.0.0\n"));
        rig.start();
        QCOMPARE(rig.backEnd->previousErrors(), (QStringList{"2.1.0.0", "", "3.4.5.6", "8.1.0.0"}));
        QSignalSpy purged(rig.backEnd.data(), &KivOraIot::oldErrorClearInfo);

        rig.backEnd->sendErrorInfo("1", "3.4.5.6", "", "");
        QCOMPARE(rig.backEnd->pendingEvents().size(), 0); // came back: no new report
        QCOMPARE(rig.backEnd->activeErrors(), QStringList{"3.4.5.6"});
        KivClock::advance(119999);
        QCOMPARE(purged.count(), 0);
        KivClock::advance(1);
        QCOMPARE(purged.count(), 3);
        // From the last entry to the first; the empty line reads as zeros.
        QCOMPARE(purged.at(0), (QVariantList{8, 1, 0, 0}));
        QCOMPARE(purged.at(1), (QVariantList{0, 0, 0, 0}));
        QCOMPARE(purged.at(2), (QVariantList{2, 1, 0, 0}));
        QVERIFY(rig.backEnd->previousErrors().isEmpty());
        QTRY_COMPARE(rig.root.readFile("/root/activeErrorsList.txt"), QByteArray("3.4.5.6\n"));
        KivClock::advance(600000);
        QCOMPARE(purged.count(), 3);
    }

    // ---- Uptime ----

    void uptimeIsCountedOverAllRuns()
    {
        Rig rig(bootTimeBefore(60).toUtf8() + "\\n");
        rig.cabinet.serial = "123";
        QVERIFY(rig.root.writeFile("/root/systemUpTimeInfo.txt",
                                   "startTime=2026-12-10 08:00:00\nupTime=500\ntotalSystemUpTime=1000\n"));
        rig.start();
        QCOMPARE(rig.backEnd->prevUpTime(), 500);
        QCOMPARE(rig.backEnd->prevStartTime(), QDateTime::fromString("2026-12-10 08:00:00", kTimeFormat));
        const QByteArray first = "startTime=" + bootTimeBefore(60).toUtf8() + "\nupTime=60\ntotalSystemUpTime=1060\n";
        QTRY_COMPARE(rig.root.readFile("/root/systemUpTimeInfo.txt"), first);
        QCOMPARE(rig.root.fakeToolCalls("/bin/uptime"), (QStringList{"-s", "--"}));

        KivClock::advance(300000);
        QTRY_COMPARE(rig.root.readFile("/root/systemUpTimeInfo.txt"),
                     "startTime=" + bootTimeBefore(360).toUtf8() + "\nupTime=360\ntotalSystemUpTime=1360\n");
        QVERIFY(!QFile::exists(rig.root.filePath("/root/systemUpTimeInfo.txt.New")));

        // The boot report tells of the earlier run; live view of this one.
        rig.backEnd->sendPowerOn();
        const QJsonArray boot = message(*rig.sent, 0).value("eventData").toArray();
        QCOMPARE(names(boot), (QStringList{"systemPowerOnTime", "systemUpTime", "totalSystemUpTime", "binsPerCabinet"}));
        QCOMPARE(record(boot, "systemPowerOnTime").value("value").toDouble(),
                 double(QDateTime::fromString("2026-12-10 08:00:00", kTimeFormat).toSecsSinceEpoch()));
        QCOMPARE(record(boot, "systemUpTime").value("value").toInt(), 500);
        QCOMPARE(record(boot, "totalSystemUpTime").value("value").toInt(), 1360);
        QCOMPARE(record(boot, "binsPerCabinet").value("value").toInt(), 6);

        rig.backEnd->handleReceivedIoTInfo(liveView("enable"));
        KivClock::advance(10000);
        const QJsonObject live = message(*rig.sent, rig.sent->count() - 1);
        QCOMPARE(live.value("eventType").toString(), QStringLiteral("liveViewData"));
        QCOMPARE(record(live.value("eventData").toArray(), "systemUpTime").value("value").toInt(), 371);
        QCOMPARE(record(live.value("eventData").toArray(), "totalSystemUpTime").value("value").toInt(), 1371);
    }

    void firstRunReportsItsOwnStart()
    {
        Rig rig(bootTimeBefore(45).toUtf8() + "\\n");
        rig.start();
        QTRY_COMPARE(rig.root.readFile("/root/systemUpTimeInfo.txt"),
                     "startTime=" + bootTimeBefore(45).toUtf8() + "\nupTime=45\ntotalSystemUpTime=45\n");
        rig.backEnd->sendPowerOn();
        const QJsonArray boot = message(*rig.sent, 0).value("eventData").toArray();
        QCOMPARE(record(boot, "systemPowerOnTime").value("value").toDouble(), double((kNow + 500) / 1000));
        QCOMPARE(record(boot, "systemUpTime").value("value").toInt(), 0);
    }

    void unreadableBootTimeCountsFromNow_data()
    {
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<bool>("withTool");
        QTest::newRow("garbage") << QByteArray("up since the epoch\\n") << true;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("no tool") << QByteArray() << false;
    }

    void unreadableBootTimeCountsFromNow()
    {
        QFETCH(QByteArray, output);
        QFETCH(bool, withTool);
        Rig rig(output, withTool);
        QVERIFY(rig.root.writeFile("/root/systemUpTimeInfo.txt",
                                   "startTime=garbage\nupTime=500\ntotalSystemUpTime=1000\n"));
        rig.start();
        QTRY_VERIFY(rig.root.readFile("/root/systemUpTimeInfo.txt").contains("upTime=0\n"));
        QVERIFY(rig.root.readFile("/root/systemUpTimeInfo.txt").endsWith("totalSystemUpTime=1000\n"));
        // A start time that does not parse is not reported as one.
        QVERIFY(rig.backEnd->prevStartTime().isValid());
        KivClock::advance(300000);
        QTRY_VERIFY(rig.root.readFile("/root/systemUpTimeInfo.txt").endsWith("upTime=300\ntotalSystemUpTime=1300\n"));
    }

    // ---- Robustness ----

    void withoutManagersNothingIsSent()
    {
        Rig rig(bootTimeBefore(30).toUtf8() + "\\n");
        QVERIFY(rig.root.writeFile("/root/activeErrorsList.txt", "2.1.0.0\n"));
        rig.backEnd.reset(new KivOraIot);
        QSignalSpy sent(rig.backEnd.data(), &KivOraIot::sendIotInfo);
        QSignalSpy purged(rig.backEnd.data(), &KivOraIot::oldErrorClearInfo);

        // Once with no services at all, once over managers that are not there.
        for (int pass = 0; pass < 2; ++pass) {
            if (pass == 1) {
                rig.backEnd->set_cabinetManager(nullptr);
                rig.backEnd->set_configManager(nullptr);
                rig.backEnd->set_menuManager(nullptr);
                rig.backEnd->set_dayPartManager(nullptr);
                rig.backEnd->set_translator(nullptr);
            }
            KivOraIot &b = *rig.backEnd;
            b.sendPowerOn();
            b.sendDeviceIdentifier();
            b.sendVersionInfo();
            b.sendMenuInfo();
            b.sendStoreNumberUpdated("1");
            b.sendMenuUpdated("1", 0, true);
            b.sendFirmwareUpdated("1", "a", "b", 0, true);
            b.sendHoldStart("1", "p", "1", 3, "auto");
            b.sendHoldStop("1", "p", "1", 3, "auto", 5);
            b.sendHoldExpired("1", "p", "1", 3);
            b.sendErrorInfo("1", "2.2.0.0", "", "");
            b.sendErrorClearInfo("1", "2.1.0.0", "", "");
            b.handleReceivedIoTInfo(dataMode("operational", "enable"));
            b.handleDataModeCommand(QJsonDocument::fromJson(dataMode("operational", "enable").toUtf8()).object());
            b.handleLiveViewCommand(QJsonDocument::fromJson(liveView("enable").toUtf8()).object());
            b.sendDataModeFailed("a", "b");
            b.sendDataModeStatus("a", "b", "c");
            b.sendLiveViewModeFailed("a", "b", "c");
            b.sendLiveViewModeStatus("a", "b", "c");
            b.sendDiagnosticsModeData();
            b.sendLiveViewModeData();
            b.sendLogData();
            b.diagModeTimeOut();
            b.liveViewModeTimeOut();
            QCOMPARE(sent.count(), 0);
            QVERIFY(!b.powerOnReported());
            QVERIFY(b.pendingEvents().isEmpty());
            QVERIFY(b.activeErrors().isEmpty());
            QCOMPARE(b.diagnosticModeRemaining(), -1);
        }
        // The bookkeeping that needs no cabinet goes on.
        QTRY_COMPARE(rig.root.readFile("/root/systemUpTimeInfo.txt"),
                     "startTime=" + bootTimeBefore(30).toUtf8() + "\nupTime=30\ntotalSystemUpTime=30\n");
        KivClock::advance(120000);
        QCOMPARE(purged.count(), 1);
    }
};

QTEST_MAIN(TestOraIot)
#include "tst_oraiot.moc"
