#include "iot/kivriot.h"
#include "platform/kivclock.h"

#include "fakeiotservices.h"
#include "messagecatcher.h"
#include "temproot.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

const qint64 kNow = 1700000000600; // 600 ms past a whole second
// A pan of product 7 (bits 40 to 47 of its id).
const quint64 kPan = 0x070000004a1full;
const char kPanHex[] = "70000004a1f";
const char kBatch[] = "70000004a1f-1699999000";

QJsonObject parse(const QString &text)
{
    return QJsonDocument::fromJson(text.toUtf8()).object();
}

QString json(const QJsonObject &object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

} // namespace

class TestRiotCommands : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempRoot> m_root;
    FakeIotServices *m_services = nullptr;
    KivRiot *m_riot = nullptr;
    QSignalSpy *m_sent = nullptr;

    QList<QJsonObject> events() const
    {
        QList<QJsonObject> list;
        for (const QList<QVariant> &args : *m_sent)
            list << parse(args.at(0).toString());
        return list;
    }

    void receive(const QJsonObject &message) { m_riot->handleReceivedRiotInfo(json(message)); }

    // The pan kPan registered in bin 2 under kBatch.
    void seedPan(bool inItsBin)
    {
        m_services->names[7] = QStringList{"Fries"};
        IotServices::PanTag tag;
        tag.uid = kPan;
        tag.position = 2;
        tag.batchId = kBatch;
        tag.activationTimeStamp = 1699999000000;
        m_services->tags.insert(kPan, tag);
        if (inItsBin)
            m_services->binUids[2] = kPan;
    }

    QString holdStoppedCall(int bin) const
    {
        return QStringLiteral("holdStopped 1700000000 Fries %1 %2 auto 0").arg(QLatin1String(kPanHex)).arg(bin);
    }

    bool exists(const char *path) const { return QFile::exists(m_root->filePath(QLatin1String(path))); }
    QByteArray read(const char *path) const { return m_root->readFile(QLatin1String(path)); }
    void write(const char *path, const QByteArray &content) const
    {
        QVERIFY(m_root->writeFile(QLatin1String(path), content));
    }
    void makeDir(const char *path) const { QVERIFY(QDir().mkpath(m_root->filePath(QLatin1String(path)))); }

private slots:
    void init()
    {
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

    // ------------------------------------------------------------------
    // Hold cycles.

    void cycleCommands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("eventUuid");
        QTest::addColumn<QString>("storedBatch");
        QTest::addColumn<bool>("inItsBin");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QStringList>("calls");

        const QString batch = kBatch;
        QTest::newRow("reset in its bin") << "resetCycle" << batch << batch << true << "success"
                                          << QStringList{"stopBinTimer 2", holdStoppedCall(2)};
        QTest::newRow("restart out of its bin")
            << "restartCycle" << batch << batch << false << "success"
            << QStringList{"deregister " + QString(kPanHex), holdStoppedCall(2)};
        QTest::newRow("another cycle of the pan")
            << "resetCycle" << batch << QString(kPanHex) + "-1699999999" << true << "failure" << QStringList();
        QTest::newRow("no separator") << "resetCycle" << QString(kPanHex) << QString(kPanHex) << true << "failure"
                                      << QStringList();
        QTest::newRow("two separators") << "resetCycle" << batch + "-2" << batch + "-2" << true << "failure"
                                        << QStringList();
        QTest::newRow("unknown pan") << "restartCycle" << "4b-1699999000" << batch << true << "failure"
                                     << QStringList();
    }
    void cycleCommands()
    {
        QFETCH(QString, command);
        QFETCH(QString, eventUuid);
        QFETCH(QString, storedBatch);
        QFETCH(bool, inItsBin);
        QFETCH(QString, status);
        QFETCH(QStringList, calls);

        seedPan(inItsBin);
        m_services->tags[kPan].batchId = storedBatch;
        receive({{"event", "command"}, {"command", command}, {"commandValue", eventUuid}});

        QCOMPARE(events().size(), 1);
        const QJsonObject reply = events().first();
        QCOMPARE(reply.value("commandStatus").toString(), status);
        QCOMPARE(reply.value("commandStatusDetails").toString(),
                 status == "success" ? QString("Command executed") : QString("Cycle eventUuid not found"));
        QCOMPARE(m_services->calls, calls);

        const IotServices::PanTag tag = m_services->tags.value(kPan);
        if (status == "success") {
            QCOMPARE(tag.holdStatus, 4);
            QCOMPARE(tag.restartRequested, command == "restartCycle");
            // Only a pan still in its bin is stamped; a deregistered one is
            // stamped by the registry.
            QCOMPARE(tag.activationTimeStamp, inItsBin ? kNow : 1699999000000);
            QVERIFY(m_services->tagSaves > 0);
        } else {
            QCOMPARE(tag.holdStatus, 0);
            QVERIFY(!tag.restartRequested);
        }
    }

    void resetEvents_data()
    {
        QTest::addColumn<QString>("event");
        QTest::addColumn<QJsonObject>("changes");
        QTest::addColumn<bool>("inItsBin");
        QTest::addColumn<QString>("error");
        QTest::addColumn<qint64>("commandTs");
        QTest::addColumn<QStringList>("calls");

        const QJsonObject none;
        QTest::newRow("restart in its bin") << "restart" << none << true << QString() << qint64(0)
                                            << QStringList{"stopBinTimer 2", holdStoppedCall(2)};
        QTest::newRow("reset out of its bin") << "reset" << none << false << QString() << qint64(0)
                                              << QStringList{"deregister " + QString(kPanHex), holdStoppedCall(2)};
        QTest::newRow("another cabinet's serial")
            << "reset" << QJsonObject{{"cabinet", QJsonObject{{"serialNumber", "SN2"}, {"cabinetUuid", "uuid-1"}}}}
            << true << "Serial number error" << qint64(1700000000) << QStringList();
        QTest::newRow("another cabinet's uuid")
            << "restart" << QJsonObject{{"cabinet", QJsonObject{{"serialNumber", "SN1"}, {"cabinetUuid", "uuid-2"}}}}
            << true << "Cabinet UUID error" << qint64(1700000000) << QStringList();
        QTest::newRow("unknown pan") << "reset" << QJsonObject{{"panId", "4b"}} << true << "Hold record not found"
                                     << qint64(1700000000) << QStringList();
        QTest::newRow("unreadable pan id") << "reset" << QJsonObject{{"panId", "pan"}} << true
                                           << "Hold record not found" << qint64(1700000000) << QStringList();
        QTest::newRow("another cycle, time as text")
            << "reset" << QJsonObject{{"batch", QJsonObject{{"id", QString(kPanHex) + "-1"}}}, {"timestamp", "170"}}
            << true << "Hold record not found" << qint64(0) << QStringList();
    }
    void resetEvents()
    {
        QFETCH(QString, event);
        QFETCH(QJsonObject, changes);
        QFETCH(bool, inItsBin);
        QFETCH(QString, error);
        QFETCH(qint64, commandTs);
        QFETCH(QStringList, calls);

        seedPan(inItsBin);
        QJsonObject message{{"event", event},
                            {"timestamp", 1700000000},
                            {"cabinet", QJsonObject{{"serialNumber", "SN1"}, {"cabinetUuid", "uuid-1"}}},
                            {"batch", QJsonObject{{"id", kBatch}}},
                            {"panId", kPanHex}};
        for (auto it = changes.begin(); it != changes.end(); ++it)
            message.insert(it.key(), it.value());
        receive(message);

        QCOMPARE(m_services->calls, calls);
        if (error.isEmpty()) {
            QCOMPARE(events().size(), 0);
            QCOMPARE(m_services->tags.value(kPan).holdStatus, 4);
            QCOMPARE(m_services->tags.value(kPan).restartRequested, event == "restart");
            return;
        }
        QCOMPARE(events().size(), 1);
        const QJsonObject reply = events().first();
        QCOMPARE(reply.value("event").toString(), QString("commandError"));
        QCOMPARE(reply.value("command").toString(), event);
        QCOMPARE(reply.value("errorDesc").toString(), error);
        QCOMPARE(qint64(reply.value("commandTs").toDouble()), commandTs);
        QCOMPARE(reply.value("batch").toObject().value("id"), message.value("batch").toObject().value("id"));
        QCOMPARE(m_services->tags.value(kPan).holdStatus, 0);
    }

    // ------------------------------------------------------------------
    // Other cabinets' holding lists.

    void holdingListRecords()
    {
        const QJsonArray holdInfo{
            QJsonObject{{"panId", "70000004a1f"},
                        {"status", 1},
                        {"bin", 3},
                        {"inCabinet", true},
                        {"crc32", 4000000000.0},
                        {"batch", QJsonObject{{"id", "70000004a1f-1700000000"}, {"expiration", 1700001800}}},
                        {"activationTS", 1700000000}},
            QJsonObject{{"status", 2}},                                 // no pan id: skipped
            QJsonObject{{"panId", "not hex"}},                          // skipped
            QJsonObject{{"panId", "b"}, {"status", "2"}, {"bin", 3.0e30}, {"activationTS", 9.0e18}},
        };
        receive({{"event", "holdingList"},
                 {"serialNumber", "SN2"},
                 {"location", "Store 9"},
                 {"holdInfo", holdInfo}});

        QVERIFY(events().isEmpty());
        const QList<IotServices::PanTag> list = m_services->remoteLists.value("SN2");
        QCOMPARE(list.size(), 2);
        const IotServices::PanTag first = list.at(0);
        QCOMPARE(first.uid, kPan);
        QCOMPARE(first.holdStatus, 1);
        QCOMPARE(first.position, 3);
        QVERIFY(first.seenInCabinet);
        QCOMPARE(first.crc32, quint32(4000000000u));
        QCOMPARE(first.batchId, QString("70000004a1f-1700000000"));
        // Seconds past 32 bits of milliseconds.
        QCOMPARE(first.expTime, 1700001800000ll);
        QCOMPARE(first.activationTimeStamp, 1700000000000ll);
        // Texts and numbers no integer holds read as 0.
        const IotServices::PanTag second = list.at(1);
        QCOMPARE(second.uid, quint64(0xb));
        QCOMPARE(second.holdStatus, 0);
        QCOMPARE(second.position, 0);
        QVERIFY(!second.seenInCabinet);
        QCOMPARE(second.activationTimeStamp, 0ll);
        QCOMPARE(second.batchId, QString());
    }

    // A pan both cabinets hold stays with the one that started it first,
    // unless the other started it no more than half a second later.
    void holdingListTakesOver_data()
    {
        QTest::addColumn<qint64>("laterByMs");
        QTest::addColumn<bool>("removed");
        QTest::newRow("400 ms later there") << qint64(400) << false;
        QTest::newRow("500 ms later there") << qint64(500) << false;
        QTest::newRow("600 ms later there") << qint64(600) << true;
        QTest::newRow("earlier there") << qint64(-5000) << false;
    }
    void holdingListTakesOver()
    {
        QFETCH(qint64, laterByMs);
        QFETCH(bool, removed);
        seedPan(true);
        m_services->tags[kPan].activationTimeStamp = 1700000000000 - laterByMs;
        MessageCatcher log;
        // Outside the cloud's own layout the sender is read from "cabinet".
        m_services->type = "OTHER_IOT";
        receive({{"event", "holdingList"},
                 {"cabinet", QJsonObject{{"serialNumber", "SN2"}, {"location", "Store 9"}, {"cabinetUuid", "u2"}}},
                 {"holdInfo", QJsonArray{QJsonObject{{"panId", kPanHex}, {"activationTS", 1700000000}}}}});
        QCOMPARE(m_services->remoteLists.value("SN2").size(), 1);
        QCOMPARE(m_services->calls, removed ? QStringList{"removeAndStop " + QString(kPanHex)} : QStringList());
        QCOMPARE(m_services->tags.contains(kPan), !removed);
        const QString line = QString("1700000001:Removed and cancelled holding for #%1. Cabinet SN2 has it!").arg(kPanHex);
        QCOMPARE(log.messages().contains(line), removed);
        QVERIFY(events().isEmpty());
    }

    void holdingListIgnoredOrRefused()
    {
        const QJsonArray holdInfo{QJsonObject{{"panId", "a"}}};
        // Kept from an earlier list.
        m_services->remoteLists.insert("SN2", {IotServices::PanTag()});

        receive({{"event", "holdingList"}, {"serialNumber", "SN1"}, {"location", "Store 9"}, {"holdInfo", holdInfo}});
        receive({{"event", "holdingList"}, {"serialNumber", "SN2"}, {"location", "Store 9"}, {"holdInfo", "a"}});
        QVERIFY(events().isEmpty());
        QVERIFY(!m_services->remoteLists.contains("SN1"));
        QCOMPARE(m_services->remoteLists.value("SN2").size(), 1);

        receive({{"event", "holdingList"},
                 {"timestamp", 1700000000},
                 {"serialNumber", "SN2"},
                 {"location", "Store 8"},
                 {"holdInfo", holdInfo}});
        QCOMPARE(events().size(), 1);
        const QJsonObject reply = events().first();
        QCOMPARE(reply.value("event").toString(), QString("commandError"));
        QCOMPARE(reply.value("command").toString(), QString("holdingList"));
        QCOMPARE(reply.value("commandTs").toDouble(), 1700000000.0);
        QCOMPARE(reply.value("batch").toObject().value("id").toString(), QString());
        QCOMPARE(reply.value("errorDesc").toString(), QString("Invalid location!"));
        QCOMPARE(m_services->remoteLists.value("SN2").first().uid, quint64(0));
        QVERIFY(m_services->calls.isEmpty());
    }

    // ------------------------------------------------------------------
    // Ping, Wi-Fi settings and SDK errors.

    void ping_data()
    {
        QTest::addColumn<QString>("menuFile");
        QTest::addColumn<QString>("menu");
        QTest::newRow("json, two dots") << "lunch.v2.json" << "lunch.v2";
        QTest::newRow("kiv inside the name") << "a.kiv.bak" << "a.kiv";
        QTest::newRow("other extension") << "lunch.menu" << "lunch.menu";
    }
    void ping()
    {
        QFETCH(QString, menuFile);
        QFETCH(QString, menu);
        m_services->menuFile = menuFile;
        m_services->errorCount = 3;
        receive({{"event", "ping"}});
        QCOMPARE(events().size(), 1);
        const QJsonObject expected{
            {"errorCount", 3},
            {"event", "pingResponse"},
            {"location", "Store 9"},
            {"macAddress", "00:11:22:33:44:55"},
            {"menuVersion", QJsonObject{{"menu", menu}}},
            {"modelNumber", "TBV40KWL3E"},
            {"serialNumber", "SN1"},
            {"softwareVersion", QJsonObject{{"firmwareIO", "IO-21"},
                                            {"firmwareIoT", "2.4.1"},
                                            {"firmwareReaderBoard", "RD-7"},
                                            {"firmwareUI", "QZ-7318"},
                                            {"riotSdk", "3.1.0"}}},
            {"timestamp", "1700000001"}};
        QCOMPARE(events().first(), expected);

        m_services->type = "OTHER_IOT";
        receive({{"event", "ping"}});
        QCOMPARE(events().size(), 1);
    }

    void wifiSettings_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QJsonObject>("message");
        QTest::addColumn<bool>("apConnected");
        QTest::addColumn<QStringList>("calls");

        const QStringList stored{"ssid site-net", "password secret", "staticIp 0", "save"};
        const QJsonObject same{{"event", "wifiSettings"}, {"ssid", "site-net"}, {"password", "secret"}};
        QTest::newRow("same, connected") << "DEZ_RIOT" << same << true << QStringList();
        QTest::newRow("same, disconnected") << "DEZ_RIOT" << same << false << stored;
        QTest::newRow("new password")
            << "DEZ_RIOT" << QJsonObject{{"event", "wifiSettings"}, {"ssid", "site-net"}, {"password", "new"}} << true
            << QStringList{"ssid site-net", "password new", "staticIp 0", "save"};
        QTest::newRow("upper-case key in the cloud's layout")
            << "DEZ_RIOT" << QJsonObject{{"event", "wifiSettings"}, {"SSID", "site-net"}, {"password", "secret"}}
            << true << QStringList{"ssid ", "password secret", "staticIp 0", "save"};
        QTest::newRow("other type restarts the network")
            << "OTHER_IOT" << QJsonObject{{"event", "wifiSettings"}, {"SSID", "cafe"}, {"password", "secret"}} << true
            << QStringList{"ssid cafe", "password secret", "staticIp 0", "save", "reconfigureNetwork"};
        QTest::newRow("other type, same") << "OTHER_IOT"
                                          << QJsonObject{{"event", "wifiSettings"}, {"SSID", "site-net"},
                                                         {"password", "secret"}}
                                          << true << QStringList();
    }
    void wifiSettings()
    {
        QFETCH(QString, type);
        QFETCH(QJsonObject, message);
        QFETCH(bool, apConnected);
        QFETCH(QStringList, calls);
        m_services->type = type;
        m_services->apConnected = apConnected;
        receive(message);
        QCOMPARE(m_services->calls, calls);
        QVERIFY(events().isEmpty());
    }

    void sdkErrors_data()
    {
        QTest::addColumn<QJsonObject>("message");
        QTest::addColumn<int>("subCode1");
        QTest::addColumn<int>("subCode2");
        const auto error = [](const QJsonValue &code) { return QJsonObject{{"event", "sdkError"}, {"errorCode", code}}; };
        QTest::newRow("text -164") << error("-164") << 1 << 7;
        QTest::newRow("text -100") << error("-100") << 1 << 0;
        QTest::newRow("text -299") << error("-299") << 2 << 5;
        QTest::newRow("text -3010") << error("-3010") << 3 << 10;
        QTest::newRow("text -8599") << error("-8599") << 4 << 4;
        QTest::newRow("number -164") << error(-164) << 4 << 5;
        QTest::newRow("unknown code") << error("-9999") << 4 << 5;
        QTest::newRow("not a number") << error("abc") << 4 << 5;
        QTest::newRow("missing") << QJsonObject{{"event", "sdkError"}} << 4 << 5;
    }
    void sdkErrors()
    {
        QFETCH(QJsonObject, message);
        QFETCH(int, subCode1);
        QFETCH(int, subCode2);
        QSignalSpy raised(m_riot, &KivRiot::riotSdkErrorInfo);
        receive(message);
        QCOMPARE(raised.size(), 1);
        QCOMPARE(raised.first(), QVariantList({8, subCode1, subCode2, 0}));
        QVERIFY(events().isEmpty());
    }

    // ------------------------------------------------------------------
    // Update offers and parked identity numbers.

    void updateOffers_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("firmware") << "firmware";
        QTest::newRow("menu") << "menu";
    }
    void updateOffers()
    {
        QFETCH(QString, kind);
        const QByteArray infoPath = QString("/root/updates/%1UpdateInfo.txt").arg(kind).toUtf8();
        const QJsonObject offer{{"event", kind + "UpdateAvailable"},
                                {"fileName", "F"},
                                {"version", "V"},
                                {"noEarlierThan", "A"},
                                {"checksum", "C=="}};

        // Without its folder the offer is dropped.
        {
            MessageCatcher log;
            receive(offer);
            QVERIFY(log.messages().contains(QString("updates/%1 directory is missing!").arg(kind)));
            QVERIFY(!exists(infoPath));
        }

        // A longer earlier offer leaves nothing behind.
        makeDir(QString("/root/updates/%1/").arg(kind).toUtf8());
        write(infoPath, "fileName=older-and-longer\nfileVersion=1\nattemptedAt=0\nchecksumExpected=OLD\n"
                        "checksumExpected=OLDER\n");
        receive(offer);
        QCOMPARE(read(infoPath), QByteArray("fileName=F\nfileVersion=V\nattemptedAt=A\nchecksumExpected=C==\n"));

        // A value with a line break would add a line of the sender's choosing.
        QJsonObject forged = offer;
        forged.insert("fileName", "G\nchecksumExpected=X");
        MessageCatcher log;
        receive(forged);
        QCOMPARE(read(infoPath), QByteArray("fileName=F\nfileVersion=V\nattemptedAt=A\nchecksumExpected=C==\n"));
        QCOMPARE(log.warnings().size(), 1);

        // Members that are no texts are written empty.
        receive({{"event", kind + "UpdateAvailable"}, {"fileName", 5}, {"version", "V2"}});
        QCOMPARE(read(infoPath), QByteArray("fileName=\nfileVersion=V2\nattemptedAt=\nchecksumExpected=\n"));

        // Only the cloud's own layout parks offers.
        QVERIFY(QFile::remove(m_root->filePath(infoPath)));
        m_services->type = "OTHER_IOT";
        receive(offer);
        QVERIFY(!exists(infoPath));
        QVERIFY(events().isEmpty());
    }

    void failedWriteIsLogged()
    {
        makeDir("/root/updates/firmware/");
        QVERIFY(QFile::link("/dev/full", m_root->filePath("/root/updates/firmwareUpdateInfo.txt")));
        MessageCatcher log;
        receive({{"event", "firmwareUpdateAvailable"}, {"fileName", "F"}});
        QCOMPARE(log.warnings().size(), 1);
        QVERIFY2(log.warnings().first().contains(m_root->filePath("/root/updates/firmwareUpdateInfo.txt")),
                 qPrintable(log.warnings().first()));
    }

    void serialNumberAppliedAtNextStart()
    {
        write("/root/newSerialInfo.txt", "serialNumber=OLD-AND-LONGER\n");
        write("/creds.cfg", "agent");
        receive({{"event", "command"}, {"command", "updateSerialNumber"}, {"commandValue", "S"}});
        QCOMPARE(events().first().value("commandStatus").toString(), QString("success"));
        QCOMPARE(read("/root/newSerialInfo.txt"), QByteArray("serialNumber=S\n"));
        // The running configuration waits for the restart.
        QVERIFY(m_services->calls.isEmpty());

        KivRiot next;
        next.setServices(m_services);
        next.checkModelSerialUpdates();
        QCOMPARE(m_services->calls, QStringList({"serial S", "saveIdentity"}));
        QVERIFY(!exists("/root/newSerialInfo.txt"));
        QVERIFY(!exists("/creds.cfg"));
    }

    void parkedNumbers_data()
    {
        QTest::addColumn<QByteArray>("model");  // empty: no file
        QTest::addColumn<QByteArray>("serial"); // empty: no file
        QTest::addColumn<QStringList>("calls");

        QTest::newRow("nothing parked") << QByteArray() << QByteArray() << QStringList();
        QTest::newRow("model written by the command")
            << QByteArray("modelNumber=TBV72KWT3E\n") << QByteArray()
            << QStringList{"model TBV72KWT3E", "saveIdentity"};
        QTest::newRow("the later line wins") << QByteArray("modelNumber=A\nmodelNumber=B\n") << QByteArray()
                                             << QStringList{"model B", "saveIdentity"};
        QTest::newRow("a value with = is skipped") << QByteArray("modelNumber=A\nmodelNumber=a=b\r\n") << QByteArray()
                                                   << QStringList{"model A", "saveIdentity"};
        QTest::newRow("no qualifying line") << QByteArray("modelNumber=a=b\nserial=X\nmodelNumber\n") << QByteArray()
                                            << QStringList{"model ", "saveIdentity"};
        QTest::newRow("both") << QByteArray("modelNumber=M\n") << QByteArray("serialNumber=S\n")
                              << QStringList{"model M", "saveIdentity", "serial S", "saveIdentity"};
        QTest::newRow("serial without its key") << QByteArray() << QByteArray("other=1\n")
                                                << QStringList{"serial ", "saveIdentity"};
    }
    void parkedNumbers()
    {
        QFETCH(QByteArray, model);
        QFETCH(QByteArray, serial);
        QFETCH(QStringList, calls);
        if (!model.isEmpty())
            write("/root/newModelInfo.txt", model);
        if (!serial.isEmpty())
            write("/root/newSerialInfo.txt", serial);
        write("/creds.cfg", "agent");

        m_riot->checkModelSerialUpdates();
        QCOMPARE(m_services->calls, calls);
        QVERIFY(!exists("/root/newModelInfo.txt"));
        QVERIFY(!exists("/root/newSerialInfo.txt"));
        QCOMPARE(exists("/creds.cfg"), calls.isEmpty());
    }

    void unreadableParkedFileStays()
    {
        makeDir("/root/newModelInfo.txt");
        write("/root/newSerialInfo.txt", "serialNumber=S\n");
        write("/creds.cfg", "agent");
        MessageCatcher log;
        m_riot->checkModelSerialUpdates();
        QVERIFY(m_services->calls.isEmpty());
        QVERIFY(exists("/root/newSerialInfo.txt"));
        QVERIFY(exists("/creds.cfg"));
        QVERIFY(log.messages().contains("Unable to Open File !!! " + m_root->filePath("/root/newModelInfo.txt")));
    }

    // ------------------------------------------------------------------
    // Update reports.

    void firmwareReport_data()
    {
        QTest::addColumn<QByteArray>("info");   // empty: no file
        QTest::addColumn<QByteArray>("result"); // empty: no file
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QString>("eventId");

        const QByteArray info("fileName=F\nfileVersion=V\nattemptedAt=A\nchecksumExpected=C\n");
        QTest::newRow("successful")
            << info << QByteArray("updateResult=successful\nresultDetail=update complete successfully\n")
            << "updated" << "update complete successfully" << "FVSN1A";
        QTest::newRow("failed") << info << QByteArray("updateResult=failed\nresultDetail=I/O board did not answer\n")
                                << "update failed" << "I/O board did not answer" << "FVSN1A";
        QTest::newRow("a later line does not undo success")
            << info << QByteArray("updateResult=successful\nupdateResult=failed\n") << "updated"
            << "Firmware update did not start" << "FVSN1A";
        QTest::newRow("no result") << info << QByteArray() << "update failed" << "Firmware update did not start"
                                   << "FVSN1A";
        QTest::newRow("no attempt time, later lines win")
            << QByteArray("fileName=E\nfileName=F\nfileVersion=V\nchecksumExpected=C\nnoise\n")
            << QByteArray("updateResult=successful\r\n") << "updated" << "Firmware update did not start" << "FVSN1";
    }
    void firmwareReport()
    {
        QFETCH(QByteArray, info);
        QFETCH(QByteArray, result);
        QFETCH(QString, status);
        QFETCH(QString, detail);
        QFETCH(QString, eventId);
        write("/root/updates/firmwareUpdateInfo.txt", info);
        if (!result.isEmpty())
            write("/root/updates/firmwareUpdateResult.txt", result);

        m_riot->handle_event_firmwareUpdated("1700000000", "QZ-7318", "QZ-7300", 0, true);
        QCOMPARE(events().size(), 1);
        const QJsonObject expected{{"checksumCalculated", "C"},
                                   {"checksumExpected", "C"},
                                   {"event", "updateStatus"},
                                   {"fileName", "F"},
                                   {"location", "Store 9"},
                                   {"modelNumber", "TBV40KWL3E"},
                                   {"serialNumber", "SN1"},
                                   {"status", status},
                                   {"statusDetail", detail},
                                   {"timestamp", "1700000001"},
                                   {"updateEventId", eventId},
                                   {"updateType", "firmware"},
                                   {"version", "V"}};
        QCOMPARE(events().first(), expected);
        QVERIFY(!exists("/root/updates/firmwareUpdateInfo.txt"));
        QVERIFY(!exists("/root/updates/firmwareUpdateResult.txt"));
    }

    void firmwareReportWaitsForItsOffer()
    {
        write("/root/updates/firmwareUpdateResult.txt", "updateResult=successful\n");
        MessageCatcher log;
        m_riot->handle_event_firmwareUpdated("1700000000", "QZ-7318", "QZ-7300", 0, true);
        QVERIFY(events().isEmpty());
        QVERIFY(exists("/root/updates/firmwareUpdateResult.txt"));
        QVERIFY(log.messages().contains("Unable to Open File !!! "
                                        + m_root->filePath("/root/updates/firmwareUpdateInfo.txt")));
    }

    // A value that holds "=" comes back whole.
    void reportKeepsValuesWhole()
    {
        write("/root/updates/firmwareUpdateInfo.txt", "fileName=pkg?v=2\nchecksumExpected=q83v==\n");
        m_riot->handle_event_firmwareUpdated("1700000000", "QZ-7318", "QZ-7300", 0, true);
        QCOMPARE(events().first().value("fileName").toString(), QString("pkg?v=2"));
        QCOMPARE(events().first().value("checksumExpected").toString(), QString("q83v=="));
    }

    void menuReportAfterConnection_data()
    {
        QTest::addColumn<bool>("success");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("detail");
        QTest::newRow("updated") << true << "updated" << "updated";
        QTest::newRow("failed") << false << "update failed" << "Invalid menu file";
    }
    void menuReportAfterConnection()
    {
        QFETCH(bool, success);
        QFETCH(QString, status);
        QFETCH(QString, detail);

        // Without the menu folder nothing is recorded.
        m_riot->handle_event_menuUpdated("1700000000", 1, success);
        QVERIFY(!exists("/root/updates/menuUpdateStatus.txt"));

        makeDir("/root/updates/menu/");
        receive({{"event", "menuUpdateAvailable"},
                 {"fileName", "M"},
                 {"version", "7"},
                 {"noEarlierThan", "T"},
                 {"checksum", "K"}});
        write("/root/updates/menuUpdateStatus.txt", "status=an older and much longer status\nstatusDetail=old\n"
                                                    "statusDetail=older\n");
        m_riot->handle_event_menuUpdated("1700000000", 1, success);
        QCOMPARE(read("/root/updates/menuUpdateStatus.txt"),
                 QString("status=%1\nstatusDetail=%2\n").arg(status, detail).toUtf8());
        QVERIFY(events().isEmpty());

        receive({{"event", "riotConnectionStatus"}, {"settings", "connected"}});
        QCOMPARE(events().size(), 1);
        const QJsonObject expected{{"checksumCalculated", "K"},
                                   {"checksumExpected", "K"},
                                   {"event", "updateStatus"},
                                   {"fileName", "M"},
                                   {"location", "Store 9"},
                                   {"modelNumber", "TBV40KWL3E"},
                                   {"serialNumber", "SN1"},
                                   {"status", status},
                                   {"statusDetail", detail},
                                   {"timestamp", "1700000001"},
                                   {"updateEventId", "M7SN1T"},
                                   {"updateType", "menu"},
                                   {"version", "7"}};
        QCOMPARE(events().first(), expected);
        QVERIFY(!exists("/root/updates/menuUpdateInfo.txt"));
        QVERIFY(!exists("/root/updates/menuUpdateStatus.txt"));

        // Nothing is left to report.
        receive({{"event", "riotConnectionStatus"}, {"settings", "connected"}});
        QCOMPARE(events().size(), 1);
    }

    void menuReportWithoutStatus()
    {
        write("/root/updates/menuUpdateInfo.txt", "fileName=M\n");
        m_riot->checkMenuUpdateDone();
        QCOMPARE(events().size(), 1);
        QCOMPARE(events().first().value("status").toString(), QString("update failed"));
        QCOMPARE(events().first().value("statusDetail").toString(), QString("Menu update did not start"));
        QVERIFY(!exists("/root/updates/menuUpdateInfo.txt"));
    }

    // Other back-ends hear of updates as events of their own; a menu update
    // waits for the power-on report.
    void otherTypeReports()
    {
        m_services->type = "OTHER_IOT";
        makeDir("/root/updates/menu/");
        m_riot->handle_event_menuUpdated("1700000000", 2, false);
        QVERIFY(events().isEmpty());
        QVERIFY(!exists("/root/updates/menuUpdateStatus.txt"));

        m_riot->handle_event_firmwareUpdated("1700000002", "QZ-7318", "QZ-7300", 0, true);
        QCOMPARE(events().size(), 1);
        const QJsonObject firmware{{"cabinetUuid", "uuid-1"},
                                   {"event", "firmwareUpdated"},
                                   {"firmware", QJsonObject{{"new", "QZ-7318"}, {"prev", "QZ-7300"}}},
                                   {"location", "Store 9"},
                                   {"method", 0},
                                   {"modelNumber", "TBV40KWL3E"},
                                   {"serialNumber", "SN1"},
                                   {"success", true},
                                   {"timestamp", "1700000002"}};
        QCOMPARE(events().first(), firmware);

        m_riot->handle_event_powerOn();
        QStringList names;
        for (const QJsonObject &event : events())
            names << event.value("event").toString();
        QCOMPARE(names.mid(0, 3), QStringList({"firmwareUpdated", "powerOn", "menuUpdated"}));
        const QJsonObject menu = events().at(2);
        QCOMPARE(menu.keys(), QStringList({"cabinetUuid", "event", "groups", "layout", "location", "menu",
                                           "menuVersion", "method", "modelNumber", "products", "serialNumber",
                                           "success", "timestamp"}));
        QCOMPARE(menu.value("menu").toObject(), QJsonObject({{"new", ""}, {"prev", ""}}));
        QCOMPARE(menu.value("menuVersion").toString(), QString("0"));
        QCOMPARE(menu.value("method").toInt(), 2);
        QCOMPARE(menu.value("success").toBool(), false);
        QCOMPARE(menu.value("timestamp").toString(), QString("1700000000"));
        QCOMPARE(menu.value("layout"), QJsonValue(m_riot->getHoldingLayout()));
        QCOMPARE(menu.value("products"), QJsonValue(m_riot->getProducts()));
        QCOMPARE(menu.value("groups"), QJsonValue(m_riot->getGroups()));

        // Once the power-on report is out, it goes at once.
        m_riot->handle_event_menuUpdated("1700000003", 1, true);
        QCOMPARE(events().last().value("event").toString(), QString("menuUpdated"));
    }
};

QTEST_GUILESS_MAIN(TestRiotCommands)
#include "tst_riotcommands.moc"
