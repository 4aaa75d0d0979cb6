#include "iot/kivdbusadapter.h"
#include "iot/kivriot.h"
#include "platform/kivclock.h"

#include "fakeiotservices.h"
#include "temproot.h"
#include "privatebus.h"

#include <QDBusConnection>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

const qint64 kNow = 1700000000600; // 600 ms past a whole second
const char kRiot[] = "DEZ_RIOT";
const char kOther[] = "DEZ_ORAAWS";
const char kInterface[] = "com.corvantis.DBus.KivApplication";

QJsonObject parse(const QString &text)
{
    return QJsonDocument::fromJson(text.toUtf8()).object();
}

QStringList keysOf(const QJsonObject &object)
{
    return object.keys();
}

// Objects compared as compact text, so that a failure shows the difference.
QByteArray text(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

// A small kitchen: the empty product 0, Patty (12), Nuggets (7) and the
// group Grill (40) of both; an empty group (41); one day part per name.
void seedMenu(FakeIotServices *s)
{
    IotServices::MenuRow empty;
    IotServices::MenuRow patty;
    patty.id = 12;
    patty.holdTime = 1800;
    patty.warningTime = 300;
    patty.lowerTemp = 160;
    patty.upperTemp = 180;
    patty.panSize = 1;
    patty.panSizeX = QStringLiteral("1/3");
    patty.lidType = QStringLiteral("Solid");
    patty.bottomType = QStringLiteral("Flat");
    IotServices::MenuRow grill;
    grill.id = 40;
    grill.groupId = 1;
    grill.lowerTemp = 155;
    grill.upperTemp = 175;
    grill.panSize = 2;
    grill.panSizeX = QStringLiteral("2/3");
    grill.lidType = QStringLiteral("Vented");
    grill.bottomType = QStringLiteral("0");
    s->menu = {empty, patty, grill};
    s->names[12] = QStringList{"Patty", "Hamburguesa", "Steak haché"};
    s->names[40] = QStringList{"Grill", "Parrilla", "Grill FR"};
    s->groups[40] = QList<int>{12};
    s->dayParts = QStringList{"Breakfast"};
    s->layoutProduct[0] = 12;
    s->layoutProduct[1] = 40;
    s->binCount = 2;
}

} // namespace

class TestRiotReports : public QObject
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
    QList<QJsonObject> events() const
    {
        QList<QJsonObject> list;
        for (const QString &text : sent())
            list << parse(text);
        return list;
    }
    QStringList names() const
    {
        QStringList list;
        for (const QJsonObject &event : events())
            list << event.value("event").toString();
        return list;
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

    // ------------------------------------------------------------------
    // Power-on report.

    void powerOnRiotText()
    {
        seedMenu(m_services);
        m_services->unit = 1;
        m_services->errorCount = 2;
        m_services->minutes = 90;
        m_services->customer = 3;
        m_riot->handle_event_powerOn();
        QCOMPARE(sent().value(0), QStringLiteral(
            "{\n"
            "    \"errorCount\": 2,\n"
            "    \"event\": \"powerOn\",\n"
            "    \"heatedHours\": 2,\n"
            "    \"language\": \"eng_USA\",\n"
            "    \"layout\": [\n"
            "        {\n"
            "            \"daypartNameEngUSA\": \"Breakfast\",\n"
            "            \"daypartNameSpa\": \"Breakfast/1\",\n"
            "            \"productLocations\": [\n"
            "                {\n"
            "                    \"productId\": 12,\n"
            "                    \"zoneNumber\": 1\n"
            "                },\n"
            "                {\n"
            "                    \"productId\": 40,\n"
            "                    \"zoneNumber\": 2\n"
            "                }\n"
            "            ]\n"
            "        }\n"
            "    ],\n"
            "    \"location\": \"Store 9\",\n"
            "    \"macAddress\": \"00:11:22:33:44:55\",\n"
            "    \"menuVersion\": {\n"
            "        \"menu\": \"lunch.menu\"\n"
            "    },\n"
            "    \"modelNumber\": \"TBV40KWL3E\",\n"
            "    \"pluggedInHours\": 2,\n"
            "    \"productGroups\": [\n"
            "        {\n"
            "            \"lidType\": \"Vented\",\n"
            "            \"productGroupId\": 40,\n"
            "            \"productGroupNameEngUSA\": \"Grill\",\n"
            "            \"productGroupNameSpa\": \"Parrilla\",\n"
            "            \"products\": [\n"
            "                {\n"
            "                    \"productId\": 12\n"
            "                }\n"
            "            ],\n"
            "            \"temperatureHold\": 175,\n"
            "            \"zoneSplits\": 2\n"
            "        }\n"
            "    ],\n"
            "    \"products\": [\n"
            "        {\n"
            "            \"bottomType\": \"Flat\",\n"
            "            \"holdTime\": 1800,\n"
            "            \"lidType\": \"Solid\",\n"
            "            \"productId\": 12,\n"
            "            \"productNameEngUSA\": \"Patty\",\n"
            "            \"productNameSpa\": \"Hamburguesa\",\n"
            "            \"temperatureHold\": 180,\n"
            "            \"warningTime\": 300,\n"
            "            \"zoneSplits\": 1\n"
            "        }\n"
            "    ],\n"
            "    \"serialNumber\": \"SN1\",\n"
            "    \"softwareVersion\": {\n"
            "        \"firmwareIO\": \"IO-21\",\n"
            "        \"firmwareIoT\": \"2.4.1\",\n"
            "        \"firmwareReaderBoard\": \"RD-7\",\n"
            "        \"firmwareUI\": \"QZ-7318\",\n"
            "        \"riotSdk\": \"3.1.0\"\n"
            "    },\n"
            "    \"state\": \"unready\",\n"
            "    \"temperatureUnits\": \"C\",\n"
            "    \"timestamp\": \"1700000001\"\n"
            "}\n"));
        QCOMPARE(m_sent->count(), 1);
        QVERIFY(!m_services->calls.contains("checkFirmware"));
    }

    void powerOnGeneralText()
    {
        seedMenu(m_services);
        m_services->type = kOther;
        m_services->customer = 3;
        m_riot->handle_event_powerOn();
        QCOMPARE(sent().value(0), QStringLiteral(
            "{\n"
            "    \"cabinetUuid\": \"uuid-1\",\n"
            "    \"event\": \"powerOn\",\n"
            "    \"firmware\": {\n"
            "        \"firmwareVersionIO\": \"IO-21\",\n"
            "        \"firmwareVersionIoT\": \"2.4.1\",\n"
            "        \"firmwareVersionReaderBoard\": \"RD-7\",\n"
            "        \"firmwareVersionUI\": \"QZ-7318\"\n"
            "    },\n"
            "    \"language\": \"eng_USA\",\n"
            "    \"layout\": [\n"
            "        {\n"
            "            \"daypartName\": {\n"
            "                \"eng_USA\": \"Breakfast\",\n"
            "                \"fra\": \"Breakfast/2\",\n"
            "                \"spa\": \"Breakfast/1\"\n"
            "            },\n"
            "            \"productLocations\": [\n"
            "                {\n"
            "                    \"bin\": 1,\n"
            "                    \"productId\": 12\n"
            "                },\n"
            "                {\n"
            "                    \"bin\": 2,\n"
            "                    \"productId\": 40\n"
            "                }\n"
            "            ]\n"
            "        }\n"
            "    ],\n"
            "    \"location\": \"Store 9\",\n"
            "    \"menu\": {\n"
            "        \"menuDescription\": \"lunch.menu\",\n"
            "        \"menuVersion\": \"\"\n"
            "    },\n"
            "    \"modelNumber\": \"TBV40KWL3E\",\n"
            "    \"passcode\": \"1234\",\n"
            "    \"productGroups\": [\n"
            "        {\n"
            "            \"groupId\": 40,\n"
            "            \"groupName\": {\n"
            "                \"eng_USA\": \"Grill\",\n"
            "                \"fra\": \"Grill FR\",\n"
            "                \"spa\": \"Parrilla\"\n"
            "            },\n"
            "            \"lidType\": \"Vented\",\n"
            "            \"lowerTemp\": 155,\n"
            "            \"products\": [\n"
            "                {\n"
            "                    \"productId\": 12\n"
            "                }\n"
            "            ],\n"
            "            \"upperTemp\": 175,\n"
            "            \"zoneSplits\": \"2/3\"\n"
            "        }\n"
            "    ],\n"
            "    \"products\": [\n"
            "        {\n"
            "            \"bottomType\": \"Flat\",\n"
            "            \"holdTime\": 1800,\n"
            "            \"lidType\": \"Solid\",\n"
            "            \"lowerTemp\": 160,\n"
            "            \"productId\": 12,\n"
            "            \"productName\": {\n"
            "                \"eng_USA\": \"Patty\",\n"
            "                \"fra\": \"Steak haché\",\n"
            "                \"spa\": \"Hamburguesa\"\n"
            "            },\n"
            "            \"upperTemp\": 180,\n"
            "            \"warningTime\": 300,\n"
            "            \"zoneSplits\": \"1/3\"\n"
            "        }\n"
            "    ],\n"
            "    \"serialNumber\": \"SN1\",\n"
            "    \"timestamp\": \"1700000001\"\n"
            "}\n"));
        // Another back-end may be owed a firmware-update report.
        QCOMPARE(m_services->calls, QStringList{"checkFirmware"});
    }

    // Units, hours and the menu name: each case read from one report.
    void powerOnMembers_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("units");
        QTest::addColumn<int>("hours");
        QTest::addColumn<QString>("menuName");
        QTest::newRow("Celsius, 89 minutes") << 1 << 89 << "lunch.menu.json" << "C" << 1 << "lunch.menu";
        QTest::newRow("Fahrenheit, 90 minutes") << 0 << 90 << "lunch" << "F" << 2 << "lunch";
        QTest::newRow("any other unit, 29 minutes") << 2 << 29 << "a.b.kiv" << "F" << 0 << "a.b";
        QTest::newRow("dots without an extension") << 1 << 150 << "v1.2.menu" << "C" << 3 << "v1.2.menu";
        QTest::newRow("extension in another case") << 1 << 0 << "LUNCH.JSON" << "C" << 0 << "LUNCH.JSON";
        QTest::newRow("extension in the middle") << 1 << 0 << "a.json.bak" << "C" << 0 << "a.json";
        QTest::newRow("no menu") << 1 << 0 << "" << "C" << 0 << "";
    }
    void powerOnMembers()
    {
        QFETCH(int, unit);
        QFETCH(int, minutes);
        QFETCH(QString, menu);
        QFETCH(QString, units);
        QFETCH(int, hours);
        QFETCH(QString, menuName);
        m_services->unit = unit;
        m_services->minutes = minutes;
        m_services->menuFile = menu;
        m_riot->handle_event_powerOn();
        QJsonObject event = parse(sent().value(0));
        QCOMPARE(event.value("temperatureUnits"), QJsonValue(units));
        QCOMPARE(event.value("pluggedInHours"), QJsonValue(hours));
        QCOMPARE(event.value("heatedHours"), QJsonValue(hours));
        QCOMPARE(event.value("menuVersion").toObject().value("menu"), QJsonValue(menuName));
    }

    // Without a menu the arrays are there, and empty; the general layout
    // has none of the RIOT layout's own members.
    void powerOnMemberSets()
    {
        m_services->dayParts.clear();
        m_riot->handle_event_powerOn();
        QCOMPARE(keysOf(parse(sent().value(0))),
                 QStringList({"errorCount", "event", "heatedHours", "language", "layout", "location", "macAddress",
                              "menuVersion", "modelNumber", "pluggedInHours", "productGroups", "products",
                              "serialNumber", "softwareVersion", "state", "temperatureUnits", "timestamp"}));
        const QJsonObject riot = parse(sent().value(0));
        QCOMPARE(riot.value("layout"), QJsonValue(QJsonArray()));
        QCOMPARE(riot.value("products"), QJsonValue(QJsonArray()));
        QCOMPARE(riot.value("productGroups"), QJsonValue(QJsonArray()));

        KivRiot other;
        FakeIotServices services;
        services.type = kOther;
        other.setServices(&services);
        QSignalSpy spy(&other, &KivRiot::sendRiotInfo);
        other.handle_event_powerOn();
        QCOMPARE(keysOf(parse(spy.value(0).value(0).toString())),
                 QStringList({"cabinetUuid", "event", "firmware", "language", "layout", "location", "menu",
                              "modelNumber", "passcode", "productGroups", "products", "serialNumber", "timestamp"}));
    }

    // The held events leave right after the one power-on report, in the
    // order they were raised; settings events never wait.
    void powerOnReleasesHeldEvents_data()
    {
        QTest::addColumn<int>("customer");
        QTest::addColumn<QStringList>("after"); // what follows once queued work has run
        QTest::newRow("not DEZ") << 0 << QStringList{"ecoModeSettings"};
        QTest::newRow("DEZ") << 3 << QStringList();
    }
    void powerOnReleasesHeldEvents()
    {
        QFETCH(int, customer);
        QFETCH(QStringList, after);
        m_services->customer = customer;
        m_riot->handle_event_preheatStart("1699999990");
        m_riot->handle_event_error("1699999991", "2.1.0.0", "Thermocouple", " ");
        m_riot->handle_event_daypartChange("1699999992", 0, 0, 0);
        m_riot->handle_event_languageChange(1);
        QCOMPARE(names(), QStringList{"settingChange"});
        QCOMPARE(events().at(0).value("setting").toString(), QStringLiteral("language"));

        m_riot->handle_event_powerOn();
        QCOMPARE(names(), QStringList({"settingChange", "powerOn", "preheatStart", "error", "settingChange",
                                       "settingChange", "settingChange"}));
        // The held events keep the time they happened.
        QCOMPARE(events().at(2).value("timestamp").toString(), QStringLiteral("1699999990"));
        QCOMPARE(events().at(3).value("timestamp").toString(), QStringLiteral("1699999991"));
        QCOMPARE(events().at(6).value("zoneNumber"), QJsonValue(3));

        QCoreApplication::processEvents();
        QCOMPARE(names().mid(7), after);

        // Once per run; what is raised afterwards goes out at once.
        m_riot->handle_event_powerOn();
        m_riot->handle_event_preheatComplete("1700000000", 0, 5);
        QCoreApplication::processEvents();
        QCOMPARE(names().mid(7 + after.size()), QStringList{"preheatComplete"});
    }

    // The path to the outside process: the events leave in order as the
    // adaptor's signal on a bus. The firmware-update report is answered on
    // a later turn of the event loop, as its queued handler is.
    void releaseOrderOnTheBus()
    {
        PrivateBus privateBus;
        QVERIFY(privateBus.start());
        {
            QDBusConnection bus = QDBusConnection::connectToBus(privateBus.address(), "riotReportsBus");
            QVERIFY(bus.isConnected());
            // Published adaptors stay with the application object.
            auto *adaptor = new KivDbusAdapter(qApp, nullptr);
            QVERIFY(bus.registerObject("/KivApplication", qApp, QDBusConnection::ExportAdaptors));
            connect(m_riot, SIGNAL(sendRiotInfo(QString)), adaptor, SIGNAL(riotEvent(QString)), Qt::QueuedConnection);
            QSignalSpy heard(this, SIGNAL(riotEventHeard(QString)));
            QDBusConnection client = QDBusConnection::connectToBus(privateBus.address(), "riotReportsClient");
            QVERIFY(client.connect(QString(), "/KivApplication", kInterface, "riotEvent", this,
                                   SIGNAL(riotEventHeard(QString))));

            m_services->customer = 0;
            KivRiot *riot = m_riot;
            m_services->onCheckFirmware = [riot] {
                QMetaObject::invokeMethod(
                    riot, [riot] { emit riot->sendRiotInfo(QStringLiteral("{\"event\": \"firmwareUpdated\"}\n")); },
                    Qt::QueuedConnection);
            };
            m_riot->handle_event_preheatStart("1699999990"); // the RIOT type alone reports it
            m_services->type = kOther;
            m_riot->handle_event_error("1699999991", "2.1.5.0", "Thermocouple", " ");
            m_riot->handle_event_daypartChange("1699999992", 1, 1, 0);
            m_riot->handle_event_passcodeChange("4321");
            m_riot->handle_event_powerOn();

            QStringList expected = {"passcodeChange", "powerOn", "preheatStart", "error", "daypartChange",
                                    "daypartChange", "daypartChange", "firmwareUpdated", "ecoModeSettings"};
            auto order = [&heard] {
                QStringList list;
                for (const QList<QVariant> &args : heard)
                    list << parse(args.at(0).toString()).value("event").toString();
                return list;
            };
            QTRY_COMPARE(heard.count(), expected.size());
            QCOMPARE(order(), expected);

            // A second firmware-version notice reports nothing: the next
            // event on the bus is the one raised after it.
            m_riot->handle_event_powerOn();
            m_riot->handle_event_programModeExit("MenuEditPanel", 2);
            expected << "programModeExit";
            QTRY_COMPARE(heard.count(), expected.size());
            QCOMPARE(order(), expected);
            // What crosses the bus is the text the back-end built.
            QCOMPARE(heard.at(1).at(0).toString(), sent().at(1));
            QCOMPARE(parse(heard.at(4).at(0).toString()).value("daypart").toObject(),
                     QJsonObject({{"zone", 4}, {"new", ""}, {"prev", ""}}));

            client.disconnect(QString(), "/KivApplication", kInterface, "riotEvent", this,
                              SIGNAL(riotEventHeard(QString)));
            bus.unregisterObject("/KivApplication");
        }
        QDBusConnection::disconnectFromBus("riotReportsClient");
        QDBusConnection::disconnectFromBus("riotReportsBus");
    }

    // ------------------------------------------------------------------
    // Holding list and menu snapshots.

    void holdingList_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("batchId");
        QTest::addColumn<int>("status");
        QTest::addColumn<qint64>("start");
        QTest::addColumn<bool>("active");
        QTest::newRow("RIOT id") << kRiot << "4a1f-1700000123" << 0 << qint64(1700000123) << true;
        QTest::newRow("general id") << kOther << "4a1f:1700000123" << 2 << qint64(1700000123) << true;
        QTest::newRow("ended hold") << kRiot << "4a1f-1700000123" << 4 << qint64(1700000123) << false;
        QTest::newRow("no separator") << kRiot << "4a1f" << 0 << qint64(0) << true;
        QTest::newRow("two separators") << kRiot << "4a1f-17-1" << 0 << qint64(0) << true;
        QTest::newRow("other layout's separator") << kRiot << "4a1f:1700000123" << 0 << qint64(0) << true;
        QTest::newRow("RIOT id read by the other layout") << kOther << "4a1f-1700000123" << 0 << qint64(0) << true;
        QTest::newRow("start not a number") << kRiot << "4a1f-soon" << 0 << qint64(0) << true;
        QTest::newRow("empty id") << kOther << "" << 1 << qint64(0) << true;
    }
    void holdingList()
    {
        QFETCH(QString, type);
        QFETCH(QString, batchId);
        QFETCH(int, status);
        QFETCH(qint64, start);
        QFETCH(bool, active);
        m_services->type = type;
        IotServices::PanTag tag;
        tag.uid = 0x0c0000004a1f;
        tag.holdStatus = status;
        tag.position = 3;
        tag.seenInCabinet = true;
        tag.expTime = 1700001923500;
        tag.activationTimeStamp = 1700000123499;
        tag.crc32 = 0xdeadbeef;
        tag.batchId = batchId;
        m_services->tags.insert(tag.uid, tag);
        m_riot->handle_event_holdingListChange("1700000200");

        const QJsonObject event = parse(sent().value(0));
        const QJsonArray holdInfo = event.value("holdInfo").toArray();
        QCOMPARE(holdInfo.size(), 1);
        QCOMPARE(holdInfo.at(0).toObject(),
                 QJsonObject({{"panId", "c0000004a1f"},
                              {"status", status},
                              {"bin", 3},
                              {"activationTS", 1700000123},
                              {"inCabinet", true},
                              {"crc32", 3735928559.0},
                              {"batch", QJsonObject({{"id", batchId},
                                                     {"start", double(start)},
                                                     {"expiration", 1700001924},
                                                     {"active", active}})}}));
        QCOMPARE(event.value("event").toString(), QStringLiteral("holdingList"));
        QCOMPARE(event.value("timestamp"), QJsonValue("1700000200"));
        if (type == QLatin1String(kRiot)) {
            QCOMPARE(keysOf(event), QStringList({"event", "holdInfo", "location", "modelNumber", "serialNumber",
                                                 "timestamp"}));
        } else {
            QCOMPARE(keysOf(event), QStringList({"cabinet", "event", "holdInfo", "timestamp"}));
            QCOMPARE(event.value("cabinet").toObject(),
                     QJsonObject({{"cabinetUuid", "uuid-1"}, {"location", "Store 9"}, {"serialNumber", "SN1"}}));
        }
    }

    void holdingListOrderAndEmpty()
    {
        m_riot->handle_event_holdingListChange("1700000200");
        QCOMPARE(parse(sent().value(0)).value("holdInfo"), QJsonValue(QJsonArray()));

        for (quint64 uid : {0x30ULL, 0x10ULL, 0x20ULL}) {
            IotServices::PanTag tag;
            tag.uid = uid;
            m_services->tags.insert(uid, tag);
        }
        m_services->order = {0x20, 0x30, 0x10};
        m_riot->handle_event_holdingListChange("1700000201");
        QStringList pans;
        for (const QJsonValue &record : parse(sent().value(1)).value("holdInfo").toArray())
            pans << record.toObject().value("panId").toString();
        QCOMPARE(pans, QStringList({"20", "30", "10"}));
    }

    // 6 bins, 3 day parts: one item per day part, one location per bin.
    void holdingLayout()
    {
        m_services->binCount = 6;
        m_services->dayParts = QStringList{"Breakfast", "Lunch", "Dinner"};
        for (int dayPart = 0; dayPart < 3; ++dayPart)
            for (int bin = 0; bin < 6; ++bin)
                m_services->layoutProduct[dayPart * 100 + bin] = 10 * dayPart + bin;
        const QJsonArray layout = m_riot->getHoldingLayout();
        QCOMPARE(layout.size(), 3);
        for (int dayPart = 0; dayPart < 3; ++dayPart) {
            const QJsonArray locations = layout.at(dayPart).toObject().value("productLocations").toArray();
            QCOMPARE(locations.size(), 6);
            for (int bin = 0; bin < 6; ++bin)
                QCOMPARE(locations.at(bin).toObject(),
                         QJsonObject({{"zoneNumber", bin + 1}, {"productId", 10 * dayPart + bin}}));
        }
        QCOMPARE(layout.at(2).toObject().value("daypartNameEngUSA").toString(), QStringLiteral("Dinner"));

        m_services->binCount = 0;
        QCOMPARE(m_riot->getHoldingLayout().at(0).toObject().value("productLocations"), QJsonValue(QJsonArray()));
    }

    // Which names a menu item carries, by customer and layout.
    void menuNames_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("customer");
        QTest::addColumn<QStringList>("productKeys");
        QTest::addColumn<QStringList>("languages"); // codes in the names object
        const QStringList bare = {"bottomType", "holdTime", "lidType", "productId", "temperatureHold",
                                  "warningTime", "zoneSplits"};
        const QStringList named = {"bottomType", "holdTime", "lidType", "productId", "productNameEngUSA",
                                   "productNameSpa", "temperatureHold", "warningTime", "zoneSplits"};
        const QStringList general = {"bottomType", "holdTime", "lidType", "lowerTemp", "productId", "productName",
                                     "upperTemp", "warningTime", "zoneSplits"};
        const QStringList all = {"ara", "deu", "eng_USA", "fra", "fra_ca", "ita", "jpn", "kor", "nld", "pol",
                                 "por", "rus", "spa", "spa_mx", "zh_cn"};
        QTest::newRow("RIOT, DEZ") << kRiot << 3 << named << QStringList();
        QTest::newRow("RIOT, RIVEV") << kRiot << 2 << named << QStringList();
        QTest::newRow("RIOT, GM") << kRiot << 0 << bare << QStringList();
        QTest::newRow("RIOT, VADEV") << kRiot << 5 << bare << QStringList();
        QTest::newRow("general, DEZ") << kOther << 3 << general << QStringList({"eng_USA", "fra", "spa"});
        QTest::newRow("general, VADEV") << kOther << 5 << general << QStringList({"eng_USA", "spa"});
        QTest::newRow("general, X") << kOther << 4 << general << all;
    }
    void menuNames()
    {
        QFETCH(QString, type);
        QFETCH(int, customer);
        QFETCH(QStringList, productKeys);
        QFETCH(QStringList, languages);
        seedMenu(m_services);
        m_services->type = type;
        m_services->customer = customer;
        const QJsonObject product = m_riot->getProducts().at(0).toObject();
        QCOMPARE(keysOf(product), productKeys);
        const QJsonObject group = m_riot->getGroups().at(0).toObject();
        const QJsonObject dayPart = m_riot->getHoldingLayout().at(0).toObject();
        if (type == QLatin1String(kRiot)) {
            const bool named = productKeys.contains("productNameEngUSA");
            QCOMPARE(group.contains("productGroupNameEngUSA"), named);
            QCOMPARE(group.contains("productGroupNameSpa"), named);
            QCOMPARE(dayPart.contains("daypartNameEngUSA"), named);
            QCOMPARE(dayPart.contains("daypartNameSpa"), named);
            QCOMPARE(keysOf(dayPart).size(), named ? 3 : 1);
        } else {
            QCOMPARE(keysOf(product.value("productName").toObject()), languages);
            QCOMPARE(keysOf(group.value("groupName").toObject()), languages);
            QCOMPARE(keysOf(dayPart.value("daypartName").toObject()), languages);
        }
    }

    // RIOT names are cut to 32 characters; the names object keeps them whole.
    void longNames()
    {
        seedMenu(m_services);
        const QString longName = QString(40, QLatin1Char('n'));
        m_services->names[12] = QStringList{longName, longName};
        QCOMPARE(m_riot->getProducts().at(0).toObject().value("productNameSpa").toString(), longName.left(32));
        m_services->type = kOther;
        QCOMPARE(m_riot->getProducts().at(0).toObject().value("productName").toObject().value("spa").toString(),
                 longName);
    }

    // Groups and id 0 are not products; a group without products is still a
    // group.
    void menuRows()
    {
        seedMenu(m_services);
        IotServices::MenuRow nuggets;
        nuggets.id = 7;
        IotServices::MenuRow emptyGroup;
        emptyGroup.id = 41;
        emptyGroup.groupId = 1;
        IotServices::MenuRow groupWithoutId;
        groupWithoutId.groupId = 1;
        m_services->menu << nuggets << emptyGroup << groupWithoutId;
        m_services->groups[40] = QList<int>{12, 7};

        QList<int> products;
        for (const QJsonValue &item : m_riot->getProducts())
            products << item.toObject().value("productId").toInt();
        QCOMPARE(products, QList<int>({12, 7}));
        const QJsonArray groups = m_riot->getGroups();
        QCOMPARE(groups.size(), 2);
        QCOMPARE(groups.at(0).toObject().value("products"),
                 QJsonValue(QJsonArray({QJsonObject{{"productId", 12}}, QJsonObject{{"productId", 7}}})));
        QCOMPARE(groups.at(1).toObject().value("productGroupId"), QJsonValue(41));
        QCOMPARE(groups.at(1).toObject().value("products"), QJsonValue(QJsonArray()));
        QCOMPARE(keysOf(groups.at(1).toObject()),
                 QStringList({"lidType", "productGroupId", "productGroupNameEngUSA", "productGroupNameSpa", "products",
                              "temperatureHold", "zoneSplits"}));
    }

    // ------------------------------------------------------------------
    // Performance report.

    void performanceZones_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<qint64>("endOffset"); // expected end, ms from now
        QTest::addColumn<int>("stored");       // remaining seconds kept by the bin
        QTest::addColumn<qint64>("remaining");
        QTest::addColumn<QString>("binState");
        QTest::addColumn<QString>("mode");
        QTest::newRow("discard, 30 s past") << 8 << qint64(-30000) << 5 << qint64(-30) << "overholding" << "discard";
        QTest::newRow("standard") << 6 << qint64(1200000) << 5 << qint64(1200) << "holding" << "standard";
        QTest::newRow("warning") << 7 << qint64(60000) << 5 << qint64(60) << "holding" << "warning";
        QTest::newRow("holding (5)") << 5 << qint64(60000) << 77 << qint64(77) << "off" << "idle";
        QTest::newRow("holding off") << 10 << qint64(60000) << 77 << qint64(77) << "off" << "idle";
        QTest::newRow("preheating") << 3 << qint64(0) << 0 << qint64(0) << "preheating" << "idle";
        QTest::newRow("ready") << 4 << qint64(0) << 0 << qint64(0) << "ready" << "idle";
        QTest::newRow("waiting") << 9 << qint64(0) << 12 << qint64(12) << "unready" << "waiting";
        QTest::newRow("unassigned") << 1 << qint64(0) << 0 << qint64(0) << "off" << "idle";
    }
    void performanceZones()
    {
        QFETCH(int, state);
        QFETCH(qint64, endOffset);
        QFETCH(int, stored);
        QFETCH(qint64, remaining);
        QFETCH(QString, binState);
        QFETCH(QString, mode);
        seedMenu(m_services);
        m_services->binCount = 1;
        m_services->signalDecibel = -61.5;
        trayInfo tray;
        tray.binNumber = 0;
        tray.groupId = 12;
        tray.remainingTime = stored;
        tray.expectedTime = kNow + endOffset;
        m_services->trays[0] = tray;
        m_services->states[0] = state;
        m_riot->handle_event_performanceData();

        const QJsonObject event = parse(sent().value(0));
        QCOMPARE(keysOf(event), QStringList({"daypart", "event", "location", "modelNumber", "serialNumber",
                                             "signalStrength", "timestamp", "zone"}));
        QCOMPARE(event.value("signalStrength"), QJsonValue(-61.5));
        QCOMPARE(event.value("daypart"), QJsonValue("Breakfast"));
        QCOMPARE(event.value("timestamp"), QJsonValue("1700000001"));
        QCOMPARE(event.value("zone").toArray().at(0).toObject(),
                 QJsonObject({{"eventUuid", "null"},
                              {"holdSecondsRemaining", double(remaining)},
                              {"panSize", 1},
                              {"productId", 12},
                              {"productName", "Patty"},
                              {"state", binState},
                              {"temperatureMeasured", 150},
                              {"temperatureSetpoint", 170},
                              {"timerMode", mode},
                              {"zoneNumber", 1}}));

        m_services->type = kOther;
        m_services->signalLevel = 77.5;
        m_riot->handle_event_performanceData();
        const QJsonObject general = parse(sent().value(1));
        QCOMPARE(keysOf(general), QStringList({"cabinetUuid", "daypart", "event", "heater", "language", "location",
                                               "modelNumber", "serialNumber", "timer", "timestamp", "wifiLevel"}));
        QCOMPARE(general.value("wifiLevel"), QJsonValue(77.5));
        QCOMPARE(general.value("timer").toArray().at(0).toObject(),
                 QJsonObject({{"bin", 1},
                              {"mode", mode},
                              {"panSize", "1/3"},
                              {"productId", 12},
                              {"timeRemaining", double(remaining)}}));
    }

    // The pan seen in a bin names its cycle; a pan the registry has lost
    // reads as no pan.
    void performanceEventUuid()
    {
        m_services->binCount = 3;
        m_services->binUids[1] = 0x4a1f;
        m_services->binUids[2] = 0xbeef;
        IotServices::PanTag tag;
        tag.uid = 0x4a1f;
        tag.batchId = QStringLiteral("4a1f-1700000123");
        m_services->tags.insert(tag.uid, tag);
        m_riot->handle_event_performanceData();
        QStringList uuids;
        for (const QJsonValue &zone : parse(sent().value(0)).value("zone").toArray())
            uuids << zone.toObject().value("eventUuid").toString();
        QCOMPARE(uuids, QStringList({"null", "4a1f-1700000123", "null"}));
    }

    void performanceHeaters_data()
    {
        QTest::addColumn<int>("customer");
        QTest::addColumn<int>("perZone");
        QTest::addColumn<bool>("zoneExists");
        QTest::addColumn<QJsonObject>("heater"); // of bin index 4
        QTest::newRow("DEZ") << 3 << 3 << true
                             << QJsonObject({{"bin", 5}, {"setpoint", 170}, {"temperature", 154}});
        QTest::newRow("zone of the bin") << 0 << 3 << true
                                         << QJsonObject({{"bin", 5}, {"setpointLower", 160}, {"setpointUpper", 165},
                                                         {"temperatureLower", 158}, {"temperatureUpper", 163}});
        QTest::newRow("no such zone") << 0 << 3 << false
                                      << QJsonObject({{"bin", 5}, {"setpointLower", 0}, {"setpointUpper", 0},
                                                      {"temperatureLower", 0}, {"temperatureUpper", 0}});
        QTest::newRow("no bins per zone") << 0 << 0 << true
                                          << QJsonObject({{"bin", 5}, {"setpointLower", 0}, {"setpointUpper", 0},
                                                          {"temperatureLower", 0}, {"temperatureUpper", 0}});
    }
    void performanceHeaters()
    {
        QFETCH(int, customer);
        QFETCH(int, perZone);
        QFETCH(bool, zoneExists);
        QFETCH(QJsonObject, heater);
        m_services->type = kOther;
        m_services->customer = customer;
        m_services->perZone = perZone;
        if (zoneExists)
            m_services->zones[1] = qMakePair(QList<int>{160, 165}, QList<int>{158, 163});
        m_riot->handle_event_performanceData();
        const QJsonArray heaters = parse(sent().value(0)).value("heater").toArray();
        QCOMPARE(heaters.size(), 6);
        QCOMPARE(heaters.at(4).toObject(), heater);
    }

    // A product id beyond a signed int reads as 0 in the general timer.
    void performanceTimerProductId()
    {
        m_services->type = kOther;
        m_services->binCount = 1;
        trayInfo tray;
        tray.groupId = 0x80000000u;
        m_services->trays[0] = tray;
        m_riot->handle_event_performanceData();
        QCOMPARE(parse(sent().value(0)).value("timer").toArray().at(0).toObject().value("productId"), QJsonValue(0));
    }

    // More bins configured than the cabinet's tables hold: the reports stop
    // at the end of the tables.
    void moreBinsThanTheTables()
    {
        m_services->binCount = 24;
        m_services->dayParts = QStringList{"Breakfast"};
        m_riot->handle_event_performanceData();
        QCOMPARE(parse(sent().value(0)).value("zone").toArray().size(), 20);
        m_services->type = kOther;
        m_riot->handle_event_performanceData();
        QCOMPARE(parse(sent().value(1)).value("heater").toArray().size(), 20);
        QCOMPARE(parse(sent().value(1)).value("timer").toArray().size(), 20);
        QCOMPARE(m_riot->getHoldingLayout().at(0).toObject().value("productLocations").toArray().size(), 20);
        QCOMPARE(m_services->overReads, QStringList());
    }

    // ------------------------------------------------------------------
    // Pan events.

    void panEvents_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("slot");
        QTest::addColumn<bool>("known");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("trayState");
        QTest::addColumn<QJsonObject>("members"); // besides the common ones
        const QJsonObject riotKnown = {{"eventUuid", "12000000004a-1700000000"}, {"inCabinet", true},
                                       {"holdSecondsRemaining", 600}, {"zoneNumber", 3}};
        const QJsonObject riotUnknown = {{"eventUuid", "null"}, {"inCabinet", false},
                                         {"holdSecondsRemaining", 600}, {"zoneNumber", 3}};
        auto with = [](QJsonObject object, const QString &key, const QJsonValue &value) {
            object.insert(key, value);
            return object;
        };
        QTest::newRow("removed") << kRiot << "panRemoved" << true << 0 << 0
                                 << with(with(riotKnown, "batchActive", true), "event", "panRemoved");
        QTest::newRow("removed, ended hold") << kRiot << "panRemoved" << true << 4 << 0
                                             << with(with(riotKnown, "batchActive", false), "event", "panRemoved");
        QTest::newRow("removed, no record") << kRiot << "panRemoved" << false << 0 << 0
                                            << with(with(riotUnknown, "batchActive", false), "event", "panRemoved");
        QTest::newRow("returned, ended hold") << kRiot << "panReturned" << true << 4 << 0
                                              << with(with(riotKnown, "batchActive", false), "event", "panReturned");
        QTest::newRow("transfer into a holding bin (5)")
            << kRiot << "transfer" << false << 0 << 5
            << with(with(with(riotUnknown, "batchActive", true), "event", "panTransfer"), "state", "off");
        QTest::newRow("transfer into a warning bin")
            << kRiot << "transfer" << true << 4 << 7
            << with(with(with(riotKnown, "batchActive", true), "event", "panTransfer"), "state", "holding");

        auto general = [](const QString &event, const QJsonValue &id, qint64 expiration, bool active, bool seen) {
            return QJsonObject({{"event", event},
                                {"cabinet", QJsonObject({{"bin", 3}, {"inCabinet", seen}, {"serialNumber", "SN1"}})},
                                {"batch", QJsonObject({{"id", id}, {"expiration", double(expiration)},
                                                       {"active", active}})}});
        };
        const QString batch = "12000000004a-1700000000";
        QTest::newRow("general removed") << kOther << "panRemoved" << true << 0 << 0
                                         << general("panRemoved", batch, 1700000601, true, true);
        QTest::newRow("general removed, no record") << kOther << "panRemoved" << false << 0 << 0
                                                    << general("panRemoved", 0, 1700000900, false, false);
        QTest::newRow("general returned, ended hold") << kOther << "panReturned" << true << 4 << 0
                                                      << general("panReturned", batch, 1700000601, true, true);
        QTest::newRow("general transfer, no record") << kOther << "transfer" << false << 0 << 7
                                                     << general("transfer", 0, 1700000900, true, false);
    }
    void panEvents()
    {
        QFETCH(QString, type);
        QFETCH(QString, slot);
        QFETCH(bool, known);
        QFETCH(int, status);
        QFETCH(int, trayState);
        QFETCH(QJsonObject, members);
        m_services->type = type;
        const quint64 pan = 0x12000000004a; // product 18 in bits 40 to 47
        m_services->names[18] = QStringList{"Chicken"};
        m_services->names[12] = QStringList{"Patty"};
        m_services->productOfBin[2] = 12;
        m_services->states[2] = trayState;
        trayInfo tray;
        tray.expectedTime = 1700000900400;
        m_services->trays[2] = tray;
        if (known) {
            IotServices::PanTag tag;
            tag.uid = pan;
            tag.holdStatus = status;
            tag.seenInCabinet = true;
            tag.expTime = 1700000600600;
            tag.batchId = QStringLiteral("12000000004a-1700000000");
            m_services->tags.insert(pan, tag);
        }
        QVERIFY(QMetaObject::invokeMethod(m_riot, ("handle_event_" + slot).toLatin1().constData(),
                                          Q_ARG(qlonglong, 1700000000499),
                                          Q_ARG(int, 2), Q_ARG(qulonglong, pan), Q_ARG(int, 600)));

        QJsonObject expected = members;
        const bool removed = slot == QLatin1String("panRemoved");
        expected.insert("timestamp", "1700000000");
        expected.insert("panId", "12000000004a");
        expected.insert("productId", removed ? 18 : 12);
        expected.insert("productName", removed ? "Chicken" : "Patty");
        if (type == QLatin1String(kRiot)) {
            expected.insert("modelNumber", "TBV40KWL3E");
            expected.insert("serialNumber", "SN1");
            expected.insert("location", "Store 9");
        }
        QCOMPARE(text(parse(sent().value(0))), text(expected));
    }

    // Pan messages switched off silence removals and returns, not
    // transfers; a double-size pan is reported under its even bin (for a
    // transfer only when the cabinet works with tags).
    void panEventGatesAndBins()
    {
        m_services->panMessages = false;
        m_riot->handle_event_panRemoved(kNow, 3, 0x4a1f, 10);
        m_riot->handle_event_panReturned(kNow, 3, 0x4a1f, 10);
        QCOMPARE(m_sent->count(), 0);
        m_services->panSizeOfBin[3] = 2;
        m_riot->handle_event_transfer(kNow, 3, 0x4a1f, 10);
        m_services->nfc = false;
        m_riot->handle_event_transfer(kNow, 3, 0x4a1f, 10);
        m_services->panMessages = true;
        m_riot->handle_event_panRemoved(kNow, 3, 0x4a1f, 10);
        QList<int> zones;
        for (const QJsonObject &event : events())
            zones << event.value("zoneNumber").toInt();
        QCOMPARE(names(), QStringList({"panTransfer", "panTransfer", "panRemoved"}));
        QCOMPARE(zones, QList<int>({3, 4, 3}));
    }

    // ------------------------------------------------------------------
    // Bin mismatch.

    void mismatch_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("alert");
        QTest::addColumn<QJsonObject>("expected");
        const QString longName = QString(40, QLatin1Char('c'));
        QJsonObject riot = {{"alarmCode", "A1"}, {"alarmDesc", "binMismatchAlert"}, {"alarmValue", "3"},
                            {"daypart", "Lunch"}, {"event", "alarm"}, {"location", "Store 9"},
                            {"modelNumber", "TBV40KWL3E"}, {"panId", "12000000004a"}, {"productId", 18},
                            {"productName", longName.left(32)}, {"serialNumber", "SN1"}, {"state", "alarm"},
                            {"timestamp", "1700000050"}, {"zoneNumber", 3}, {"zoneProductId", 12},
                            {"zoneProductName", "Patty"}};
        QTest::newRow("RIOT alert") << kRiot << true << riot;
        riot.insert("event", "alarmCleared");
        riot.insert("state", "ready");
        QTest::newRow("RIOT clear") << kRiot << false << riot;
        QJsonObject general = {{"cabinetUuid", "uuid-1"}, {"event", "binMisMatchAlert"}, {"eventId", "mm-7"},
                               {"location", "Store 9"}, {"modelNumber", "TBV40KWL3E"}, {"serialNumber", "SN1"},
                               {"timestamp", "1700000050"},
                               {"pan", QJsonObject({{"panId", "12000000004a"}, {"productId", 18},
                                                    {"productName", longName}})},
                               {"timer", QJsonObject({{"bin", 3}, {"productId", 12}, {"productName", "Patty"}})}};
        QTest::newRow("general alert") << kOther << true << general;
        general.insert("event", "binMisMatchClear");
        QTest::newRow("general clear") << kOther << false << general;
    }
    void mismatch()
    {
        QFETCH(QString, type);
        QFETCH(bool, alert);
        QFETCH(QJsonObject, expected);
        m_services->type = type;
        m_services->dayParts = QStringList{"Breakfast", "Lunch"};
        m_services->dayPart = 1;
        m_services->names[18] = QStringList{QString(40, QLatin1Char('c'))};
        m_services->names[12] = QStringList{"Patty"};
        // Reported for bin index 3, a double-size pan lies in bins 2 and 3.
        m_services->panSizeOfBin[3] = 2;
        m_services->nfc = false;
        m_services->productOfBin[2] = 12;
        m_services->mismatchPan[2] = 0x12000000004a;
        m_services->mismatchId[2] = QStringLiteral("mm-7");
        if (alert)
            m_riot->handle_event_binMisMatchAlert("1700000050", "Chicken", "12000000004a", 3, "Patty");
        else
            m_riot->handle_event_binMisMatchClear("1700000050", "Chicken", "12000000004a", 3, "Patty");
        QCOMPARE(text(parse(sent().value(0))), text(expected));
    }

    // ------------------------------------------------------------------
    // Preheat and day parts (sent here after the power-on report).

    void preheatAndDayParts_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("call");
        QTest::addColumn<QList<QJsonObject>>("expected");
        const QJsonObject identity = {{"location", "Store 9"}, {"modelNumber", "TBV40KWL3E"}, {"serialNumber", "SN1"}};
        auto plus = [&identity](const QJsonObject &members) {
            QJsonObject object = identity;
            for (auto it = members.begin(); it != members.end(); ++it)
                object.insert(it.key(), it.value());
            return object;
        };
        QTest::newRow("system preheat")
            << kRiot << "preheatStart"
            << QList<QJsonObject>{plus({{"cabinetUuid", "uuid-1"}, {"dayPart", "Lunch"}, {"event", "preheatStart"},
                                        {"timestamp", "1700000010"}})};
        QTest::newRow("system preheat, other type") << kOther << "preheatStart" << QList<QJsonObject>();
        QTest::newRow("bin preheat")
            << kRiot << "zonePreheatStart"
            << QList<QJsonObject>{plus({{"dayPart", "Lunch"}, {"event", "preheatStart"}, {"state", "preheating"},
                                        {"temperatureMeasured", 154}, {"temperatureSetpoint", 170},
                                        {"timestamp", "1700000010"}, {"zoneNumber", 5}})};
        QTest::newRow("bin preheat, other type") << kOther << "zonePreheatStart" << QList<QJsonObject>();
        QTest::newRow("bin preheated")
            << kRiot << "preheatComplete"
            << QList<QJsonObject>{plus({{"dayPart", "Lunch"}, {"event", "preheatComplete"}, {"heatTime", "754"},
                                        {"state", "ready"}, {"temperatureMeasured", 154},
                                        {"temperatureSetpoint", 170}, {"timestamp", "1700000010"},
                                        {"zoneNumber", 5}})};
        QTest::newRow("bin preheated, other type")
            << kOther << "preheatComplete"
            << QList<QJsonObject>{plus({{"bin", 5}, {"cabinetUuid", "uuid-1"}, {"event", "preheatComplete"},
                                        {"timestamp", "1700000010"}})};
        QList<QJsonObject> riotDayParts;
        QList<QJsonObject> generalDayParts;
        for (int zone : {7, 8, 9}) {
            riotDayParts << plus({{"event", "settingChange"}, {"setting", "daypart"}, {"settingValue", "Lunch"},
                                  {"settingValuePrev", "Breakfast"}, {"timestamp", "1700000010"},
                                  {"zoneNumber", zone}});
            generalDayParts << plus({{"cabinetUuid", "uuid-1"}, {"event", "daypartChange"},
                                     {"timestamp", "1700000010"},
                                     {"daypart", QJsonObject({{"zone", zone}, {"new", "Lunch"},
                                                              {"prev", "Breakfast"}})}});
        }
        QTest::newRow("day part of zone 2") << kRiot << "daypartChange" << riotDayParts;
        QTest::newRow("day part of zone 2, other type") << kOther << "daypartChange" << generalDayParts;
    }
    void preheatAndDayParts()
    {
        QFETCH(QString, type);
        QFETCH(QString, call);
        QFETCH(QList<QJsonObject>, expected);
        m_services->dayParts = QStringList{"Breakfast", "Lunch"};
        m_services->dayPart = 1;
        m_riot->handle_event_powerOn();
        m_sent->clear();
        m_services->type = type;
        if (call == QLatin1String("preheatStart"))
            m_riot->handle_event_preheatStart("1700000010");
        else if (call == QLatin1String("zonePreheatStart"))
            m_riot->handle_event_zonePreheatStart("1700000010", 4);
        else if (call == QLatin1String("preheatComplete"))
            m_riot->handle_event_preheatComplete("1700000010", 4, 754);
        else
            m_riot->handle_event_daypartChange("1700000010", 2, 1, 0);
        QCOMPARE(events(), expected);
    }

    // A bin the bin list does not have is logged and not reported.
    void preheatOutsideTheBinList()
    {
        m_riot->handle_event_powerOn();
        m_sent->clear();
        QTest::ignoreMessage(QtWarningMsg, "RIOT preheatStart: bin 20 is not in the bin list; not reported");
        m_riot->handle_event_zonePreheatStart("1700000010", 20);
        QTest::ignoreMessage(QtWarningMsg, "RIOT preheatComplete: bin -1 is not in the bin list; not reported");
        m_riot->handle_event_preheatComplete("1700000010", -1, 5);
        QCOMPARE(m_sent->count(), 0);
        m_services->type = kOther; // the general layout reads no bin
        m_riot->handle_event_preheatComplete("1700000010", 20, 5);
        QCOMPARE(names(), QStringList{"preheatComplete"});
    }

    // ------------------------------------------------------------------
    // Settings and access.

    void settings_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("call");
        QTest::addColumn<QJsonObject>("expected"); // empty: nothing is sent
        const QJsonObject identity = {{"location", "Store 9"}, {"modelNumber", "TBV40KWL3E"},
                                      {"serialNumber", "SN1"}, {"timestamp", "1700000001"}};
        auto plus = [&identity](const QJsonObject &members) {
            QJsonObject object = identity;
            for (auto it = members.begin(); it != members.end(); ++it)
                object.insert(it.key(), it.value());
            return object;
        };
        QTest::newRow("language") << kRiot << "language 5"
            << plus({{"event", "settingChange"}, {"setting", "language"}, {"settingValue", "deu"},
                     {"settingValuePrev", "spa"}, {"zoneNumber", "null"}});
        QTest::newRow("language past the table") << kRiot << "language 15"
            << plus({{"event", "settingChange"}, {"setting", "language"}, {"settingValue", ""},
                     {"settingValuePrev", "spa"}, {"zoneNumber", "null"}});
        QTest::newRow("language, other type") << kOther << "language 5"
            << plus({{"cabinetUuid", "uuid-1"}, {"event", "languageChange"}, {"language", 5}});
        QTest::newRow("passcode") << kRiot << "passcode"
            << plus({{"event", "settingChange"}, {"setting", "passcode"}, {"settingValue", "4321"},
                     {"settingValuePrev", "0000"}, {"zoneNumber", "null"}});
        QTest::newRow("passcode, other type") << kOther << "passcode"
            << plus({{"cabinetUuid", "uuid-1"}, {"event", "passcodeChange"}, {"passcode", "4321"}});
        QTest::newRow("entry") << kRiot << "entered true"
            << plus({{"event", "programModeEnter"}, {"programLevel", 3}, {"programScreen", "MenuEditPanel"}});
        QTest::newRow("failed entry") << kRiot << "entered false" << QJsonObject();
        QTest::newRow("entry, other type") << kOther << "entered true"
            << plus({{"authenticated", true}, {"cabinetUuid", "uuid-1"}, {"event", "passcodeEntered"},
                     {"screen", "MenuEditPanel"}, {"userType", 3}});
        QTest::newRow("failed entry, other type") << kOther << "entered false"
            << plus({{"authenticated", false}, {"cabinetUuid", "uuid-1"}, {"event", "passcodeEntered"},
                     {"screen", "MenuEditPanel"}, {"userType", 3}});
        const QJsonObject exit = plus({{"event", "programModeExit"}, {"programLevel", 3},
                                       {"programScreen", "MenuEditPanel"}});
        QTest::newRow("exit") << kRiot << "exit" << exit;
        QTest::newRow("exit, other type") << kOther << "exit" << exit;
        QTest::newRow("store number") << kRiot << "store" << QJsonObject();
        QTest::newRow("store number, other type") << kOther << "store"
            << QJsonObject({{"cabinetUuid", "uuid-1"}, {"event", "restaurantNumberUpdated"},
                            {"locationNumber", QJsonObject({{"new", "Store 12"}, {"prev", "Store 9"}})},
                            {"modelNumber", "TBV40KWL3E"}, {"serialNumber", "SN1"}, {"timestamp", "1700000001"}});
        QTest::newRow("interval") << kRiot << "interval" << QJsonObject();
        QTest::newRow("interval, other type") << kOther << "interval"
            << plus({{"cabinetUuid", "uuid-1"}, {"event", "performanceDataInterval"},
                     {"performanceDataInterval", "60"}});
        const QJsonObject eco = {{"configuredSuggestionTime", 0}, {"event", "ecoModeSettings"},
                                 {"serialNumber", "SN1"}, {"shelfTemperatureSetting", 0},
                                 {"timestamp", "1700000001"}};
        QTest::newRow("eco, both off") << kRiot << "eco 0 0" << eco;
        QJsonObject ecoOn = eco;
        ecoOn.insert("configuredSuggestionTime", 60);
        ecoOn.insert("shelfTemperatureSetting", 125);
        QTest::newRow("eco, both on, other type") << kOther << "eco 1 1" << ecoOn;
    }
    void settings()
    {
        QFETCH(QString, type);
        QFETCH(QString, call);
        QFETCH(QJsonObject, expected);
        m_services->type = type;
        m_services->eco.shelfHeatTemp = 125;
        m_services->eco.activateTimeout = 60;
        const QStringList words = call.split(' ');
        if (words.at(0) == "language") {
            m_riot->handle_event_languageChange(words.at(1).toInt());
        } else if (words.at(0) == "passcode") {
            m_riot->handle_event_passcodeChange("4321");
        } else if (words.at(0) == "entered") {
            m_riot->handle_event_passcodeEntered("MenuEditPanel", 3, words.at(1) == "true");
        } else if (words.at(0) == "exit") {
            m_riot->handle_event_programModeExit("MenuEditPanel", 3);
        } else if (words.at(0) == "store") {
            m_riot->handle_event_restaurantNumberUpdated("Store 12", "Store 9");
        } else if (words.at(0) == "interval") {
            m_riot->handle_event_performanceDataInterval(60);
        } else {
            m_services->eco.shelfHeatMode = words.at(1).toInt();
            m_services->eco.activateMode = words.at(2).toInt();
            m_riot->handle_event_ecoModeSettings();
        }
        // Settings never wait for the power-on report.
        QCOMPARE(m_sent->count(), expected.isEmpty() ? 0 : 1);
        if (!expected.isEmpty())
            QCOMPARE(parse(sent().at(0)), expected);
    }

    // ------------------------------------------------------------------
    // Errors (sent here after the power-on report).

    void errors_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QJsonObject>("members"); // empty: nothing is sent
        QTest::newRow("sensor of bin 5") << kRiot << "2.1.5.0"
            << QJsonObject({{"temperatureMeasured", "155"}, {"temperatureSetpoint", "170"}, {"errorValue", "155"},
                            {"zoneNumber", 6}});
        QTest::newRow("zone 1, bin 2 of 3") << kRiot << "3.1.1.2"
            << QJsonObject({{"temperatureMeasured", "155"}, {"temperatureSetpoint", "170"}, {"errorValue", "155"},
                            {"zoneNumber", 6}});
        QTest::newRow("sensor error naming no bin") << kRiot << "2.4.5.0"
            << QJsonObject({{"temperatureMeasured", "null"}, {"temperatureSetpoint", "null"},
                            {"errorValue", "null"}});
        QTest::newRow("other main code") << kRiot << "4.0.0.0"
            << QJsonObject({{"temperatureMeasured", "null"}, {"temperatureSetpoint", "null"},
                            {"errorValue", "null"}, {"zoneNumber", "null"}});
        QTest::newRow("zone past the bins") << kRiot << "3.0.9.0"
            << QJsonObject({{"temperatureMeasured", "0"}, {"temperatureSetpoint", "0"}, {"errorValue", "0"}});
        QTest::newRow("negative bin") << kRiot << "2.1.-1.0"
            << QJsonObject({{"temperatureMeasured", "0"}, {"temperatureSetpoint", "0"}, {"errorValue", "0"}});
        QTest::newRow("SDK error") << kRiot << "8.2.1.0" << QJsonObject();
        QTest::newRow("SDK error, other type") << kOther << "8.2.1.0" << QJsonObject();
        QTest::newRow("main code alone") << kRiot << "2"
            << QJsonObject({{"temperatureMeasured", "150"}, {"temperatureSetpoint", "170"}, {"errorValue", "150"},
                            {"zoneNumber", 1}});
        QTest::newRow("sub-code not a number") << kRiot << "2.x"
            << QJsonObject({{"temperatureMeasured", "150"}, {"temperatureSetpoint", "170"}, {"errorValue", "150"},
                            {"zoneNumber", 1}});
        QTest::newRow("empty code") << kRiot << ""
            << QJsonObject({{"temperatureMeasured", "null"}, {"temperatureSetpoint", "null"},
                            {"errorValue", "null"}, {"zoneNumber", "null"}});
        QTest::newRow("other type") << kOther << "2.1.5.0"
            << QJsonObject({{"cabinetUuid", "uuid-1"},
                            {"error", QJsonObject({{"errorCode", "2.1.5.0"}, {"errorDesc", "Thermocouple"},
                                                   {"errorValue", " "}})},
                            {"firmware", QJsonObject({{"firmwareVersion", "QZ-7318"}})},
                            {"menu", QJsonObject({{"menuDescription", ""}, {"menuVersion", ""}})}});
    }
    void errors()
    {
        QFETCH(QString, type);
        QFETCH(QString, code);
        QFETCH(QJsonObject, members);
        m_services->perZone = 3;
        m_services->bins.resize(6);
        m_riot->handle_event_powerOn();
        m_sent->clear();
        m_services->type = type;
        m_riot->handle_event_error("1700000020", code, "Thermocouple", " ");
        if (members.isEmpty()) {
            QCOMPARE(m_sent->count(), 0);
            return;
        }
        QJsonObject expected = members;
        expected.insert("event", "error");
        expected.insert("timestamp", "1700000020");
        expected.insert("location", "Store 9");
        expected.insert("modelNumber", "TBV40KWL3E");
        expected.insert("serialNumber", "SN1");
        if (type == QLatin1String(kRiot)) {
            expected.insert("errorCode", code);
            expected.insert("errorDesc", "Thermocouple");
        }
        QCOMPARE(text(parse(sent().value(0))), text(expected));
    }

signals:
    void riotEventHeard(QString json);
};

QTEST_MAIN(TestRiotReports)
#include "tst_riotreports.moc"
