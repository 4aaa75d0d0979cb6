#include "menus/daypartmanager.h"
#include "menus/menumanager.h"
#include "menus/tavolenproxy.h"

#include "config/configurationmanager.h"
#include "core/cabinetmanager.h"
#include "core/kivdefs.h"
#include "core/kivmetatypes.h"
#include "platform/kivclock.h"

#include "cabinetpersonality.h"
#include "displayenvironment.h"
#include "filesizelimit.h"
#include "machinestates.h"
#include "menutoolfile.h"
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

constexpr qint64 kNowMs = 1700000000123;
const QString kNow = QStringLiteral("1700000000");

// The cabinet as the menu import sees it; every report lands in the shared
// event list, in order with the import's own signals.
class FakeHost : public MenuImportHost
{
public:
    explicit FakeHost(QStringList *events)
        : m_events(events)
    {
    }

    QString drive = QStringLiteral("/media/sda1/");
    QString serial = QStringLiteral("KV-2024/17");
    QByteArray menu;
    QByteArray dayParts;

    QString flashDrivePath() const override { return drive; }
    QString serialNumber() const override { return serial; }
    QByteArray menuJson() const override { return menu; }
    QByteArray dayPartsExportJson() const override { return dayParts; }
    void reportMenuUpdated(const QString &timeStamp, int source, bool success) override
    {
        *m_events << QStringLiteral("notifyMenuUpdated %1 %2 %3").arg(timeStamp).arg(source).arg(success ? "true" : "false");
    }
    void reportCloudUpdateDone(const QString &timeStamp, bool success) override
    {
        *m_events << QStringLiteral("notifyCloudUpdateDone %1 %2").arg(timeStamp, success ? "true" : "false");
    }

private:
    QStringList *m_events;
};

// One menu import on a fake cabinet, with everything it says recorded.
struct Harness
{
    TavolenProxy mcp;
    QStringList events;
    FakeHost *host;
    QString jsonDocument; // the last document handed on

    Harness()
    {
        auto fake = std::make_unique<FakeHost>(&events);
        host = fake.get();
        mcp.setHost(std::move(fake));
        const auto note = [this](const char *text) { return [this, text] { events << QLatin1String(text); }; };
        QObject::connect(&mcp, &TavolenProxy::badHeaderCrc, note("badHeaderCrc"));
        QObject::connect(&mcp, &TavolenProxy::invalidFileVersion, note("invalidFileVersion"));
        QObject::connect(&mcp, &TavolenProxy::badConfigurationCrc, note("badConfigurationCrc"));
        QObject::connect(&mcp, &TavolenProxy::badProductCrc, note("badProductCrc"));
        QObject::connect(&mcp, &TavolenProxy::badDaypartCrc, note("badDaypartCrc"));
        QObject::connect(&mcp, &TavolenProxy::newConfigData, note("config"));
        QObject::connect(&mcp, &TavolenProxy::newProductsDataList, [this](const QList<Product_t> &list) {
            events << QStringLiteral("products %1").arg(list.size());
        });
        QObject::connect(&mcp, &TavolenProxy::newDayPartData, [this](const DayPart_t &, int idx) {
            events << QStringLiteral("dayPart %1").arg(idx);
        });
        QObject::connect(&mcp, &TavolenProxy::saveNewDayPartsToJson, note("saveNewDayPartsToJson"));
        QObject::connect(&mcp, &TavolenProxy::newProductsDataJsonDoc, [this](const QString &text) {
            jsonDocument = text;
            events << QStringLiteral("jsonDocument");
        });
        QObject::connect(&mcp, &TavolenProxy::tavolenDataImported, note("tavolenDataImported"));
        QObject::connect(&mcp, &TavolenProxy::tavolenDataImportFailed, note("tavolenDataImportFailed"));
        QObject::connect(&mcp, &TavolenProxy::importedMenu, [this](const QString &menu, const QString &ver, const QString &desc) {
            events << QStringLiteral("importedMenu %1 %2 %3").arg(menu, ver, desc);
        });
        QObject::connect(&mcp, &TavolenProxy::exportedMenu, [this](const QString &name) {
            events << QStringLiteral("exportedMenu ") + name;
        });
        QObject::connect(&mcp, &TavolenProxy::exportMenuFailed, note("exportMenuFailed"));
    }
};

MenuToolFile sampleMenu()
{
    MenuToolFile f;
    f.configuration.language = ConfigurationTag::LanguageFrench;
    f.configuration.splitView = 1;
    for (int i = 0; i < ConfigurationTag::HashSize; ++i)
        f.configuration.productsHash[size_t(i)] = quint8(0x10 + i);
    f.products << MenuToolFile::product(12, "Patty", 1800, 300, 160, 180)
               << MenuToolFile::product(7, "Nuggets", 900, 600, 165, 185)
               << MenuToolFile::group(1073741825, "Grill", {12, 7});
    for (int bin = 0; bin < DayPartTag::Bins; ++bin) {
        f.dayParts[0].productIds[size_t(bin)] = quint32(bin < 8 ? (bin % 2 ? 7 : 12) : 0);
        f.dayParts[1].productIds[size_t(bin)] = quint32(bin < 8 ? 1073741825 : 0);
    }
    return f;
}

QByteArray damaged(QByteArray bytes, int offset)
{
    bytes[offset] = char(bytes.at(offset) ^ 0x5A);
    return bytes;
}

QByteArray menuDocument(const QJsonValue &version, const QJsonObject &menu = {
                            {"products", QJsonArray()}, {"productGroups", QJsonArray()}, {"layout", QJsonArray()}})
{
    QJsonObject document{{"header", QJsonObject{{"menuVersion", version}, {"menuDescription", "Lunch"}}}};
    if (!menu.isEmpty())
        document.insert("menu", menu);
    return QJsonDocument(document).toJson();
}

QStringList failed(int source = 0)
{
    return {"tavolenDataImportFailed", QStringLiteral("notifyMenuUpdated %1 %2 false").arg(kNow).arg(source)};
}

QStringList filesIn(const TempRoot &root, const QString &dir)
{
    return QDir(root.filePath(dir)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

} // namespace

class TestMenuImport : public QObject
{
    Q_OBJECT

    DisplayEnvironment m_env;

private slots:
    void initTestCase()
    {
        KivMetaTypes::registerAll();
        QVERIFY(m_env.start());
    }

    void init() { KivClock::freezeAt(kNowMs); }
    void cleanup() { KivClock::useSystemClock(); }

    void binaryMenuFile_data()
    {
        const MenuToolFile f = sampleMenu();
        const QByteArray good = f.bytes();
        MenuToolFile version4 = f;
        version4.version = 4;

        QTest::addColumn<QByteArray>("file"); // null: no file
        QTest::addColumn<QStringList>("events");
        QTest::newRow("good") << good
            << QStringList{"config", "products 4", "dayPart 0", "dayPart 1", "saveNewDayPartsToJson",
                           "tavolenDataImported", "importedMenu menu.kiv|" + kNow + " 0 menu.kiv",
                           "notifyMenuUpdated " + kNow + " 0 true"};
        QTest::newRow("version 4") << version4.bytes() << QStringList{"invalidFileVersion"};
        QTest::newRow("configuration and second product CRCs")
            << damaged(damaged(good, f.configurationOffset() + 3), f.productOffset(1) + 30)
            << QStringList{"badConfigurationCrc", "badProductCrc"} + failed();
        QTest::newRow("day part 0 CRC") << damaged(good, f.dayPartOffset(0) + 2)
                                        << QStringList{"badDaypartCrc"} + failed();
        QTest::newRow("header CRC") << damaged(good, 4) << QStringList{"badHeaderCrc"} + failed();
        QTest::newRow("no file") << QByteArray() << failed();
        QTest::newRow("17 bytes") << good.left(17) << failed();
        QTest::newRow("cut inside a product") << good.left(f.productOffset(1) + 60) << failed();
        QTest::newRow("cut at the last day part") << good.left(f.dayPartOffset(1)) << failed();
        QTest::newRow("larger than any menu") << good + QByteArray(2 << 20, '\0') << failed();
    }

    void binaryMenuFile()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, events);

        TempRoot root;
        if (!file.isNull())
            QVERIFY(root.writeFile("/media/sda1/menu.kiv", file));
        Harness h;
        h.mcp.set_mcImportFilename("menu.kiv");
        h.mcp.importTavolenFile("menu.kiv");
        QCOMPARE(h.events, events);
    }

    void jsonMenuDocument_data()
    {
        const QJsonObject arrays{{"products", QJsonArray()}, {"productGroups", QJsonArray()}, {"layout", QJsonArray()}};
        QJsonObject noLayout = arrays;
        noLayout.remove("layout");
        QJsonObject noGroups = arrays;
        noGroups.remove("productGroups");

        QTest::addColumn<QByteArray>("file"); // null: no file
        QTest::addColumn<QStringList>("logged");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("version 1") << menuDocument(1) << QStringList()
            << QStringList{"jsonDocument", "tavolenDataImported", "importedMenu lunch.json|" + kNow + " 1.0 Lunch",
                           "notifyMenuUpdated " + kNow + " 0 true"};
        QTest::newRow("version 1 as a text") << menuDocument("1") << QStringList()
            << QStringList{"jsonDocument", "tavolenDataImported", "importedMenu lunch.json|" + kNow + " 0.0 Lunch",
                           "notifyMenuUpdated " + kNow + " 0 true"};
        QTest::newRow("version 2") << menuDocument(2) << QStringList{"Menu version 2 is not supported!!!!!!!!"}
                                   << failed();
        QTest::newRow("no layout") << menuDocument(1, noLayout) << QStringList{"dayparts array read failed!!!!!!!!"}
                                   << failed();
        QTest::newRow("no groups") << menuDocument(1, noGroups) << QStringList{"Group array read failed!!!!!!!!"}
                                   << failed();
        QTest::newRow("products not an array")
            << menuDocument(1, {{"products", QJsonObject{{"a", 1}}}, {"productGroups", QJsonArray()}, {"layout", QJsonArray()}})
            << QStringList{"Products array read failed!!!!!!!!"} << failed();
        QTest::newRow("empty header, no menu") << QByteArray(R"({"header": {}})")
            << QStringList{"File header read failed!!!!!!!!", "menuObj is empty!!!!!!!!"} << failed();
        QTest::newRow("not JSON") << QByteArray("{\"header\": ") << QStringList{"JSON file is invalid!!!!!!!!"}
                                  << failed();
        QTest::newRow("no file") << QByteArray() << QStringList{"JSON file is invalid!!!!!!!!"} << failed();
    }

    void jsonMenuDocument()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, logged);
        QFETCH(QStringList, events);

        TempRoot root;
        if (!file.isNull())
            QVERIFY(root.writeFile("/media/sda1/lunch.json", file));
        Harness h;
        MessageCatcher log;
        h.mcp.set_mcImportFilename("lunch.json");
        h.mcp.importTavolenJsonFile("lunch.json");

        QCOMPARE(h.events, events);
        for (const QString &line : logged)
            QVERIFY2(log.warnings().contains(line), qPrintable(log.warnings().join('\n')));
        if (logged.isEmpty()) {
            QCOMPARE(QJsonDocument::fromJson(h.jsonDocument.toUtf8()), QJsonDocument::fromJson(file));
            QVERIFY(log.warnings().isEmpty());
        }
        // The file import leaves the file where it is.
        QCOMPARE(QFile::exists(root.filePath("/media/sda1/lunch.json")), !file.isNull());
    }

    void iotAgentDocument_data()
    {
        QTest::addColumn<QJsonValue>("version");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("text 1") << QJsonValue("1")
            << QStringList{"jsonDocument", "tavolenDataImported", "importedMenu B.JSON|" + kNow + " 1 Lunch",
                           "notifyCloudUpdateDone " + kNow + " true"};
        QTest::newRow("number 1") << QJsonValue(1)
            << QStringList{"jsonDocument", "tavolenDataImported", "importedMenu B.JSON|" + kNow + "  Lunch",
                           "notifyCloudUpdateDone " + kNow + " true"};
        QTest::newRow("text 12") << QJsonValue("12")
            << QStringList{"tavolenDataImportFailed", "notifyCloudUpdateDone " + kNow + " false"};
    }

    void iotAgentDocument()
    {
        QFETCH(QJsonValue, version);
        QFETCH(QStringList, events);

        TempRoot root;
        QVERIFY(root.writeFile("/root/iot/menu/B.JSON", menuDocument(version)));
        QVERIFY(root.writeFile("/root/iot/menu/c.json", menuDocument(1)));
        QVERIFY(root.writeFile("/root/iot/menu/a.txt", "notes"));
        Harness h;
        h.mcp.importIotAgentJsonFile("/root/iot/menu/");

        QCOMPARE(h.events, events);
        // Tried once, whatever the outcome; the others stay.
        QCOMPARE(filesIn(root, "/root/iot/menu"), (QStringList{"a.txt", "c.json"}));

        h.events.clear();
        h.mcp.importIotAgentJsonFile("/root/iot/empty/");
        QVERIFY(h.events.isEmpty());
    }

    void browserListsMenuFiles()
    {
        TempRoot root;
        for (const char *name : {"b.json", "A.kiv", "notes.doc", "Z.KIV"})
            QVERIFY(root.writeFile(QStringLiteral("/media/sda1/") + name, "x"));
        QVERIFY(QDir().mkpath(root.filePath("/media/sda1/folder.kiv")));
        QVERIFY(QFile::link(root.filePath("/media/sda1/A.kiv"), root.filePath("/media/sda1/link.kiv")));
        QVERIFY(root.writeFile("/root/preloadedMenus/lunch.json", "x"));

        Harness h;
        QSignalSpy count(&h.mcp, &TavolenProxy::numOfFilesChanged);
        h.mcp.getMcImportDirList();
        QCOMPARE(h.mcp.get_dirContent(), (QStringList{"A.kiv", "b.json", "Z.KIV"}));
        QVERIFY(h.mcp.get_mcImportFound());
        QCOMPARE(h.mcp.get_mcImportFilename(), QStringLiteral("A.kiv"));
        QCOMPARE(h.mcp.get_numOfFiles(), 3);

        h.mcp.set_importSource(KivDefs::MC_IMPORT_SOURCE_LOCAL);
        QCOMPARE(h.mcp.get_mcImportDir(), QStringLiteral("/root/preloadedMenus/"));
        h.mcp.getMcImportDirList();
        QCOMPARE(h.mcp.get_dirContent(), QStringList{"lunch.json"});
        QVERIFY(!h.mcp.get_mcImportFound());
        QCOMPARE(h.mcp.get_mcImportFilename(), QString());
        QCOMPARE(h.mcp.get_numOfFiles(), 1);
        // Every listing is announced, also an unchanged count.
        h.mcp.getMcImportDirList();
        QCOMPARE(count.count(), 3);

        h.mcp.set_importSource(KivDefs::MC_IMPORT_SOURCE_USB);
        QCOMPARE(h.mcp.get_mcImportDir(), QStringLiteral("/media/sda1/"));
    }

    void startUpImport_data()
    {
        const QByteArray kiv = sampleMenu().bytes();
        const QString past = QString::number(1700000000 - 60) + ".txt";
        const QString future = QString::number(1700000000 + 60) + ".txt";
        const QStringList imported{"config", "products 4", "dayPart 0", "dayPart 1", "saveNewDayPartsToJson",
                                   "tavolenDataImported", "importedMenu menu.KIV|" + kNow + " 0 menu.KIV",
                                   "notifyMenuUpdated " + kNow + " 2 true"};
        const QStringList jsonImported{"jsonDocument", "tavolenDataImported",
                                       "importedMenu menu.json|" + kNow + " 1.0 Lunch",
                                       "notifyMenuUpdated " + kNow + " 2 true"};

        QTest::addColumn<QStringList>("files");    // put in the update folder
        QTest::addColumn<QString>("endState");
        QTest::addColumn<QStringList>("remaining");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("time has passed") << QStringList{"menu.KIV", past} << "doneState" << QStringList()
                                         << imported;
        QTest::newRow("time to come") << QStringList{"menu.kiv", future} << "nothingToDo"
                                      << QStringList{future, "menu.kiv"} << QStringList();
        QTest::newRow("no time stamp") << QStringList{"menu.KIV"} << "doneState" << QStringList() << imported;
        QTest::newRow("a non-number is no time stamp")
            << QStringList{"0abc.txt", past, "menu.json"} << "doneState" << QStringList{"0abc.txt"} << jsonImported;
        QTest::newRow("the number behind a non-number gates")
            << QStringList{"0abc.txt", future, "menu.json"} << "nothingToDo"
            << QStringList{"0abc.txt", future, "menu.json"} << QStringList();
        QTest::newRow("only the first time stamp counts")
            << QStringList{future, "2.txt", "menu.json"} << "nothingToDo" << QStringList{future, "2.txt", "menu.json"}
            << QStringList();
        QTest::newRow("no menu") << QStringList{"notes.doc"} << "nothingToDo" << QStringList{"notes.doc"}
                                 << QStringList();
        QTest::newRow("a bad menu is tried once") << QStringList{"bad.kiv"} << "doneState" << QStringList()
                                                  << failed(TavolenProxy::AutoImportSource);
        QTest::newRow("no folder") << QStringList() << "nothingToDo" << QStringList() << QStringList();
    }

    void startUpImport()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, endState);
        QFETCH(QStringList, remaining);
        QFETCH(QStringList, events);

        TempRoot root;
        for (const QString &name : files) {
            QByteArray content = "1";
            if (name == "menu.KIV" || name == "menu.kiv")
                content = sampleMenu().bytes();
            else if (name == "menu.json")
                content = menuDocument(1);
            QVERIFY(root.writeFile("/root/updates/menu/" + name, content));
        }
        Harness h;
        h.mcp.set_mcImportDir("/root/preloadedMenus/");
        h.mcp.start();
        QTRY_COMPARE(activeStateNames(h.mcp), QStringList{endState});

        QCOMPARE(h.events, events);
        QCOMPARE(filesIn(root, "/root/updates/menu"), remaining);
        QVERIFY(!h.mcp.get_mcImportFound());
        QCOMPARE(h.mcp.get_mcImportFilename(), QString());
        if (endState == "doneState")
            QCOMPARE(h.mcp.get_updateMenuTimeStamp(), QString());
        QCOMPARE(h.mcp.get_mcImportDir(), QStringLiteral("/media/sda1/"));
    }

    void exportWritesTheMenuToTheStick()
    {
        TempRoot root;
        QVERIFY(QDir().mkpath(root.filePath("/media/sda1")));
        Harness h;
        h.host->menu = R"({"menuVersion": 1, "products": [{"productId": 5, "lidType": "None"}], "productGroups": []})";
        h.host->dayParts = R"({"dayPartVersion": 1, "layout": [{"inUse": true, "productLocations": [{"bin": 2, "productId": 5}]}]})";

        h.mcp.exportTavolenJsonFile();
        h.mcp.exportTavolenJsonFile();
        QCOMPARE(h.events, (QStringList{"exportedMenu MENU_KV-2024_17.json", "exportedMenu MENU_KV-2024_17_2.json"}));
        const QByteArray expected = R"({
    "header": {
        "menuDescription": "MENU_KV-2024/17",
        "menuVersion": 1
    },
    "menu": {
        "layout": [
            {
                "inUse": true,
                "productLocations": [
                    {
                        "bin": 2,
                        "productId": 5
                    }
                ]
            }
        ],
        "productGroups": [
        ],
        "products": [
            {
                "lidType": "None",
                "productId": 5
            }
        ]
    }
}
)";
        QCOMPARE(root.readFile("/media/sda1/MENU_KV-2024_17.json"), expected);
        QCOMPARE(root.readFile("/media/sda1/MENU_KV-2024_17_2.json"), expected);
    }

    void exportFailuresAreReported()
    {
        TempRoot root;
        QVERIFY(QDir().mkpath(root.filePath("/media/sda1")));
        Harness h;
        QJsonArray products;
        for (int id = 1; id <= 50; ++id)
            products.append(QJsonObject{{"productId", id}, {"lidType", "Vented"}});
        h.host->menu = QJsonDocument(QJsonObject{{"products", products}, {"productGroups", QJsonArray()}}).toJson();
        {
            // A stick too full for the document.
            FileSizeLimit full(512);
            h.mcp.exportTavolenJsonFile();
        }
        QCOMPARE(filesIn(root, "/media/sda1"), QStringList());

        h.host->drive.clear();
        h.mcp.exportTavolenJsonFile();
        QCOMPARE(h.events, (QStringList{"exportMenuFailed", "exportMenuFailed"}));
    }

    // The whole chain on a primary display: the file's configuration,
    // products and day parts reach "config.txt", "menu.json" and
    // "dayParts.json"; documents it must refuse change neither.
    void importOnAPrimaryDisplay()
    {
        TempRoot root;
        QVERIFY(root.writeFile("/root/cabinet.hcc", cabinetPersonality("alone")));
        qputenv("KIV_VCAN_DIR", root.filePath("/run/vcan/can0").toLocal8Bit());
        CabinetManager cabinet(0, 0, nullptr);
        auto *mcp = cabinet.findChild<TavolenProxy *>("mcp");
        auto *menus = cabinet.findChild<MenuManager *>("menuManager");
        auto *dayParts = cabinet.findChild<DayPartManager *>("daypartManager");
        auto *config = cabinet.findChild<ConfigurationManager *>("configManager");
        QVERIFY(mcp && menus && dayParts && config);
        QSignalSpy updated(menus, &MenuManager::notifyMenuUpdated);
        QSignalSpy cloud(menus, &MenuManager::notifyCloudUpdateDone);
        QSignalSpy daySaved(dayParts, &DayPartManager::daypartsFileLoadDone);

        QVERIFY(root.writeFile("/media/sda1/menu.kiv", sampleMenu().bytes()));
        mcp->set_mcImportFilename("menu.kiv");
        mcp->importTavolenFile("menu.kiv");

        QCOMPARE(updated.count(), 1);
        QCOMPARE(updated.first(), (QVariantList{kNow, 0, true}));
        QCOMPARE(config->get_languageId(), QStringLiteral("fra"));
        QVERIFY(root.readFile("/root/config.txt").contains("\nproductsHashCode=101112131415161718191a1b1c1d1e1f\n"));
        QCOMPARE(config->get_importedMenu(), "menu.kiv|" + kNow);
        QCOMPARE(menus->getProductName(0, 12), QVariant("Patty"));
        QCOMPARE(menus->getProductGroupPList(1073741825), QVariant(QStringList{"12", "7"}));
        QTRY_VERIFY(root.readFile("/root/menu.json").contains("\"Nuggets\""));
        QTRY_COMPARE(daySaved.count(), 1);

        // The personality's map puts tool bins 8 and 7 on the first two
        // positions; the others keep their numbers. Its zones are single-bin
        // zones: the odd zones keep only their first pan.
        QList<int> positions;
        const QJsonArray layout = QJsonDocument::fromJson(root.readFile("/root/dayParts.json")).object()["layout"].toArray();
        for (const QJsonValue &l : layout[0].toObject()["productLocations"].toArray())
            positions << l.toObject()["productId"].toInt();
        QCOMPARE(positions, (QList<int>{7, 12, 12, 0, 12, 7, 12, 0}));
        QCOMPARE(dayParts->getProdIdOnBin(1, 6), 1073741825);

        const QByteArray menuFile = root.readFile("/root/menu.json");
        const QByteArray dayPartsFile = root.readFile("/root/dayParts.json");
        QVERIFY(root.writeFile("/media/sda1/v2.json", menuDocument(2)));
        mcp->set_mcImportFilename("v2.json");
        mcp->importTavolenJsonFile("v2.json");
        QVERIFY(root.writeFile("/root/iot/menu/cloud.json", menuDocument("12")));
        mcp->importIotAgentJsonFile("/root/iot/menu/");
        QTest::qWait(300);
        QCOMPARE(updated.last(), (QVariantList{kNow, 0, false}));
        QCOMPARE(cloud.count(), 1);
        QCOMPARE(cloud.first(), (QVariantList{kNow, false}));
        QCOMPARE(root.readFile("/root/menu.json"), menuFile);
        QCOMPARE(root.readFile("/root/dayParts.json"), dayPartsFile);
        QCOMPARE(menus->getProductName(0, 12), QVariant("Patty"));
    }

    // A built-in 5x4 display without a personality file reads the menu
    // tool's bins through its own table.
    void builtInLayoutMapsTheToolsBins()
    {
        TempRoot root;
        qputenv("KIV_VCAN_DIR", root.filePath("/run/vcan/can0").toLocal8Bit());
        CabinetManager cabinet(0, CabinetManager::UIID_5x4_PRIMARY, nullptr);
        auto *dayParts = cabinet.findChild<DayPartManager *>("daypartManager");
        QVERIFY(dayParts);
        DayPart_t record;
        for (int bin = 0; bin < DayPartTag::Bins; ++bin)
            record.productIds[size_t(bin)] = quint32(bin + 1);
        dayParts->processTavolenDayPart(record, 0);
        QList<int> positions;
        for (int p = 0; p < 20; ++p)
            positions << dayParts->getProdIdOnBin(0, p);
        QCOMPARE(positions, (QList<int>{17, 18, 13, 14, 9, 10, 5, 6, 1, 2, 19, 20, 15, 16, 11, 12, 7, 8, 3, 4}));
    }
};

QTEST_MAIN(TestMenuImport)
#include "tst_menuimport.moc"
