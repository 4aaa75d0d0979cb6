#include "menus/daypartmanager.h"
#include "platform/kivclock.h"
#include "ui/translator.h"

#include "temproot.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

// Stands for the configuration store: the day parts read its language code.
class FakeConfig : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString languageId MEMBER languageId)

public:
    QString languageId = QStringLiteral("eng_USA");
};

// Stands for the cabinet core: its layout, its translator and configuration,
// and the senders a completed save calls.
class FakeCabinet : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int traysPerCabinet MEMBER traysPerCabinet)
    Q_PROPERTY(int traysPerZone MEMBER traysPerZone)
    Q_PROPERTY(int singleBinZone MEMBER singleBinZone)
    Q_PROPERTY(QObject *configManager READ configManager CONSTANT)

public:
    explicit FakeCabinet(int zones = 2, int traysPerZone = 2)
        : traysPerCabinet(zones * traysPerZone)
        , traysPerZone(traysPerZone)
        , dayParts(new DayPartManager(zones, traysPerZone, nullptr, this))
    {
        dayParts->set_numOfTrays(traysPerCabinet);
    }

    QObject *configManager() const { return config; }

    int traysPerCabinet;
    int traysPerZone;
    int singleBinZone = 0;
    FakeConfig *config = new FakeConfig;
    Translator *translator = new Translator(this);
    DayPartManager *dayParts;
    QStringList calls;

    ~FakeCabinet() override { delete config; }

public slots:
    void sendFileViaCanbus(int fileId) { calls << QStringLiteral("file %1").arg(fileId); }
    void sendMcUpdateDayparts() { calls << QStringLiteral("message 58"); }
};

class TestDayParts : public QObject
{
    Q_OBJECT

private:
    const QStringList savedAndSent{"file 13", "message 58"};

    static QByteArray fixture(const QString &name)
    {
        QFile file(":/fixtures/" + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QList<int> row(const DayPartManager *dayParts, int dayPart, int positions)
    {
        QList<int> ids;
        for (int p = 0; p < positions; ++p)
            ids << dayParts->getProdIdOnBin(dayPart, p);
        return ids;
    }

    static QList<int> inUse(const DayPartManager *dayParts)
    {
        QList<int> list;
        for (int i = 0; i < dayParts->getDayPartsToUseCount(); ++i)
            list << dayParts->getDayPartToUse(i);
        return list;
    }

    static QByteArray layoutDocument(const QJsonArray &layout, int version = 1)
    {
        return QJsonDocument(QJsonObject{{"dayPartVersion", version}, {"layout", layout}}).toJson();
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<SafeFileWriter::Result>();
        QVERIFY(!fixture("dayParts.json").isEmpty());
    }

    void namesComeInEveryLanguage()
    {
        FakeCabinet cabinet;
        DayPartManager *dayParts = cabinet.dayParts;

        QCOMPARE(dayParts->getDayPartName(0, 0), QStringLiteral("Breakfast"));
        QCOMPARE(dayParts->getDayPartName(2, 0), QStringLiteral("Petit-déjeuner"));
        QCOMPARE(dayParts->getDayPartName(1, 1), QStringLiteral("Almuerzo/Cena"));
        QCOMPARE(dayParts->getDayPartName(14, 1), QStringLiteral("Lunch/Dinner"));
        // Only defined day parts and real languages have names.
        QCOMPARE(dayParts->getDayPartName(0, 2), QString());
        QCOMPARE(dayParts->getDayPartName(15, 0), QString());
        QCOMPARE(dayParts->getDayPartName(-1, 0), QString());

        // Without a language id: the configured language code.
        QCOMPARE(dayParts->getDayPartName(0), QStringLiteral("Breakfast"));
        cabinet.config->languageId = QStringLiteral("spa");
        QCOMPARE(dayParts->getDayPartName(0), QStringLiteral("Desayuno"));
        cabinet.config->languageId = QStringLiteral("klingon");
        QCOMPARE(dayParts->getDayPartName(1), QStringLiteral("Lunch/Dinner"));
    }

    void everySelectionIsAnnounced()
    {
        FakeCabinet cabinet;
        DayPartManager *dayParts = cabinet.dayParts;
        QSignalSpy next(dayParts, &DayPartManager::nextDayPartChanged);
        QSignalSpy change(dayParts, &DayPartManager::notifyDayPartChange);

        dayParts->set_nextDayPart(0);
        dayParts->set_nextDayPart(0);
        QCOMPARE(next.count(), 2);
        QCOMPARE(change.count(), 0); // still the part of day it is

        // Before the first language switch the names are English.
        KivClock::freezeAt(1700000000123);
        dayParts->set_nextDayPart(1);
        QCOMPARE(change.count(), 1);
        QCOMPARE(change.last(), (QVariantList{"1700000000", "Breakfast", "Lunch/Dinner"}));
        cabinet.translator->setLanguage(2);
        dayParts->set_nextDayPart(1);
        QCOMPARE(change.last(), (QVariantList{"1700000000", "Petit-déjeuner", "Déjeuner/Dîner"}));
        KivClock::useSystemClock();

        // A number that names no day part is refused and changes nothing.
        QTest::ignoreMessage(QtDebugMsg, "DayPartManager::set_nextDayPart() dayPart out of range: 10");
        QTest::ignoreMessage(QtDebugMsg, "DayPartManager::set_nextDayPart() dayPart out of range: -1");
        dayParts->set_nextDayPart(10);
        dayParts->set_nextDayPart(-1);
        QCOMPARE(dayParts->get_nextDayPart(), 1);
        QCOMPARE(next.count(), 4);
        // An undefined day part reached directly has no name to report.
        dayParts->buildNotifyDayPartChange(7);
        QCOMPARE(change.last().at(2), QVariant(QString()));
    }

    void lookupsCheckTheirArguments_data()
    {
        QTest::addColumn<int>("dayPart");
        QTest::addColumn<int>("zone");
        QTest::addColumn<int>("pan");
        QTest::addColumn<QStringList>("logged"); // what is out of range
        QTest::newRow("inside") << 1 << 1 << 1 << QStringList();
        QTest::newRow("day part 10") << 10 << 0 << 0 << QStringList{"dayPart"};
        QTest::newRow("negative zone") << 0 << -1 << 0 << QStringList{"zone"};
        QTest::newRow("zone beyond the cabinet") << 0 << 2 << 0 << QStringList{"zone"};
        QTest::newRow("pan beyond the zone") << 0 << 0 << 2 << QStringList{"panIndex"};
        QTest::newRow("all three") << -3 << 5 << -1 << QStringList{"dayPart", "zone", "panIndex"};
    }

    void lookupsCheckTheirArguments()
    {
        QFETCH(int, dayPart);
        QFETCH(int, zone);
        QFETCH(int, pan);
        QFETCH(QStringList, logged);

        FakeCabinet cabinet;
        DayPartManager *dayParts = cabinet.dayParts;

        // The edit copy accepts only defined day parts; row 1 is defined.
        dayParts->dayPartEditInitialize();
        for (const QString &what : logged)
            QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("DayPartManager::dayPartEditSetProductId() %1 out of range: ").arg(what)
                                                        + QString::number(what == "dayPart" ? dayPart : what == "zone" ? zone : pan)));
        dayParts->dayPartEditSetProductId(dayPart, zone, pan, 42);
        for (const QString &what : logged)
            QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("DayPartManager::dayPartEditGetProductId() %1 out of range: ").arg(what)
                                                        + QString::number(what == "dayPart" ? dayPart : what == "zone" ? zone : pan)));
        QCOMPARE(dayParts->dayPartEditGetProductId(dayPart, zone, pan), logged.isEmpty() ? 42 : 0);

        // Nothing was written anywhere else of the edit copy.
        int written = 0;
        for (int d = 0; d < 2; ++d)
            for (int z = 0; z < 2; ++z)
                for (int p = 0; p < 2; ++p)
                    written += dayParts->dayPartEditGetProductId(d, z, p) == 42;
        QCOMPARE(written, logged.isEmpty() ? 1 : 0);

        for (const QString &what : logged)
            QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("DayPartManager::dayPartGetProductId() %1 out of range: ").arg(what)
                                                        + QString::number(what == "dayPart" ? dayPart : what == "zone" ? zone : pan)));
        QCOMPARE(dayParts->dayPartGetProductId(dayPart, zone, pan), 0);
    }

    void singleBinZonesKeepOneProductPerOddZone_data()
    {
        QTest::addColumn<int>("singleBinZone");
        QTest::addColumn<int>("zone");
        QTest::addColumn<int>("pan");
        QTest::addColumn<QList<int>>("row");
        QTest::newRow("even zone") << 1 << 0 << 0 << QList<int>{7, 9, 9, 9, 9, 9};
        QTest::newRow("odd zone clears its second pan") << 1 << 1 << 0 << QList<int>{9, 9, 7, 0, 9, 9};
        QTest::newRow("odd zone's second pan leaves the next zone") << 1 << 1 << 1 << QList<int>{9, 9, 9, 7, 9, 9};
        QTest::newRow("not a single-bin cabinet") << 0 << 1 << 0 << QList<int>{9, 9, 7, 9, 9, 9};
    }

    void singleBinZonesKeepOneProductPerOddZone()
    {
        QFETCH(int, singleBinZone);
        QFETCH(int, zone);
        QFETCH(int, pan);
        QFETCH(QList<int>, row);

        TempRoot root;
        FakeCabinet cabinet(3, 2);
        cabinet.singleBinZone = singleBinZone;
        DayPartManager *dayParts = cabinet.dayParts;
        for (int z = 0; z < 3; ++z)
            for (int p = 0; p < 2; ++p)
                dayParts->dayPartEditSetProductId(0, z, p, 9);
        // Zone 1 set last: the fill above did not clear anything.
        dayParts->dayPartEditSetProductId(0, 1, 1, 9);
        dayParts->dayPartEditSetProductId(0, zone, pan, 7);
        dayParts->dayPartEditSave();
        QCOMPARE(TestDayParts::row(dayParts, 0, 6), row);
        QTRY_COMPARE(cabinet.calls, savedAndSent);
    }

    void theLastPositionOfAFullCabinetNeverSpills()
    {
        FakeCabinet cabinet(10, 2);
        cabinet.singleBinZone = 1;
        DayPartManager *dayParts = cabinet.dayParts;
        QCOMPARE(dayParts->get_numOfTrays(), 20);
        // The row after the last position is the next day part's first.
        dayParts->dayPartEditSetProductId(1, 0, 0, 5);
        dayParts->dayPartEditSetProductId(0, 9, 0, 3);
        dayParts->dayPartEditSetProductId(0, 9, 1, 4);
        QCOMPARE(dayParts->dayPartEditGetProductId(0, 9, 0), 3);
        QCOMPARE(dayParts->dayPartEditGetProductId(0, 9, 1), 4);
        QCOMPARE(dayParts->dayPartEditGetProductId(1, 0, 0), 5);
    }

    void groupsAreRemovedFromEveryDayPartOfTheEditCopy()
    {
        FakeCabinet cabinet(2, 2);
        DayPartManager *dayParts = cabinet.dayParts;
        const int group = 1073741830;
        dayParts->dayPartEditSetProductId(0, 0, 1, group);
        dayParts->dayPartEditSetProductId(1, 1, 0, group);
        dayParts->dayPartEditSetProductId(1, 1, 1, 5);
        dayParts->deleteProductGroupFromDayParts(group);
        QCOMPARE(dayParts->dayPartEditGetProductId(0, 0, 1), 0);
        QCOMPARE(dayParts->dayPartEditGetProductId(1, 1, 0), 0);
        QCOMPARE(dayParts->dayPartEditGetProductId(1, 1, 1), 5);
    }

    void inUseListFollowsTheScreen()
    {
        TempRoot root;
        FakeCabinet cabinet;
        DayPartManager *dayParts = cabinet.dayParts;
        QSignalSpy reload(dayParts, &DayPartManager::reloadDaypartsInUse);

        dayParts->resetIsUsedDayPart();
        QCOMPARE(dayParts->getDayPartToUse(0), -1);
        dayParts->setIsUsedDayPart(0, false);
        dayParts->setIsUsedDayPart(3, true);
        dayParts->setIsUsedDayPart(3, true);
        dayParts->setIsUsedDayPart(1, true);
        QTest::ignoreMessage(QtDebugMsg, "DayPartManager::setIsUsedDayPart() dayPart out of range: 12");
        dayParts->setIsUsedDayPart(12, true);
        QCOMPARE(inUse(dayParts), (QList<int>{3, 3, 1}));
        QCOMPARE(dayParts->getDayPartToUseIndex(1), 2);
        QCOMPARE(dayParts->getDayPartToUseIndex(3), 0);
        QCOMPARE(dayParts->getDayPartToUseIndex(0), 0); // not in use reads as the first
        QVERIFY(!dayParts->getDayPartIsUsed(0));

        dayParts->saveDayPartsUsed();
        QCOMPARE(reload.count(), 1);
        QTRY_COMPARE(cabinet.calls, savedAndSent);
    }

    // The screens' save writes the file byte for byte as the other displays
    // and the next start read it, and it loads back unchanged.
    void savedFileRoundTrips()
    {
        TempRoot root;
        FakeCabinet cabinet(2, 2);
        DayPartManager *dayParts = cabinet.dayParts;
        QSignalSpy defined(dayParts, &DayPartManager::newDayPartDefinition);
        QSignalSpy done(dayParts, &DayPartManager::daypartsFileLoadDone);
        dayParts->set_nextDayPart(1);

        dayParts->dayPartEditInitialize();
        dayParts->dayPartEditSetProductId(0, 0, 0, 5);
        dayParts->dayPartEditSetProductId(0, 1, 1, 7);
        dayParts->dayPartEditSetProductId(1, 0, 1, 1073741825);
        dayParts->resetIsUsedDayPart();
        dayParts->setIsUsedDayPart(1, true);
        dayParts->dayPartEditSave();
        QTRY_COMPARE(cabinet.calls, savedAndSent);
        QCOMPARE(defined.count(), 1);
        QCOMPARE(defined.first().at(0), QVariant(1));
        QCOMPARE(done.count(), 1);
        QCOMPARE(root.readFile("/root/dayParts.json"), fixture("dayParts.json"));
        QVERIFY(!QFile::exists(root.filePath("/root/dayParts.json.New")));

        FakeCabinet restarted(2, 2);
        restarted.dayParts->dayPartsLoadJsonDocFile();
        QCOMPARE(restarted.dayParts->getDayPartsCount(), 2);
        QCOMPARE(inUse(restarted.dayParts), QList<int>{1});
        QCOMPARE(row(restarted.dayParts, 0, 4), (QList<int>{5, 0, 0, 7}));
        QCOMPARE(row(restarted.dayParts, 1, 4), (QList<int>{0, 1073741825, 0, 0}));
        QCOMPARE(restarted.dayParts->getDayPartName(2, 1), QStringLiteral("Déjeuner/Dîner"));
        QVERIFY(restarted.calls.isEmpty());
    }

    void exportUsesTheMenuToolsBinNumbers_data()
    {
        QTest::addColumn<QList<int>>("map");
        QTest::addColumn<QList<int>>("bins");
        QTest::newRow("3x2 map") << QList<int>{4, 5, 2, 3, 0, 1} << QList<int>{5, 6, 3, 4, 1, 2};
        QTest::newRow("no map") << QList<int>() << QList<int>{1, 2, 3, 4, 5, 6};
        QTest::newRow("entries outside the tool's bins") << QList<int>{1, 0, 20, -1} << QList<int>{2, 1, 3, 4, 5, 6};
    }

    void exportUsesTheMenuToolsBinNumbers()
    {
        QFETCH(QList<int>, map);
        QFETCH(QList<int>, bins);

        TempRoot root;
        FakeCabinet cabinet(3, 2);
        DayPartManager *dayParts = cabinet.dayParts;
        dayParts->set_productLocationMap(map);
        for (int p = 0; p < 6; ++p)
            dayParts->dayPartEditSetProductId(0, p / 2, p % 2, 10 + p);
        dayParts->dayPartEditSave();

        for (const bool local : {true, false}) {
            const QJsonArray locations = QJsonDocument::fromJson(dayParts->dayPartsInfoToJson(local))
                                             .object()["layout"].toArray()[0].toObject()["productLocations"].toArray();
            QCOMPARE(locations.size(), 6);
            for (int p = 0; p < 6; ++p) {
                QCOMPARE(locations[p].toObject()["bin"].toInt(), local ? p + 1 : bins[p]);
                QCOMPARE(locations[p].toObject()["productId"].toInt(), 10 + p);
            }
        }
        QTRY_COMPARE(cabinet.calls, savedAndSent);
    }

    void loadKeepsWhatItCannotRead_data()
    {
        const auto entry = [](const QJsonArray &locations, const QJsonValue &used = QJsonValue::Undefined) {
            QJsonObject e{{"daypartName", QJsonObject{{"eng_USA", "Early"}}}, {"productLocations", locations}};
            if (!used.isUndefined())
                e.insert("inUse", used);
            return e;
        };
        const QJsonArray threeIds{QJsonObject{{"bin", 1}, {"productId", 3}}};

        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("inUse");
        QTest::addColumn<int>("firstId"); // day part 0, position 0
        QTest::addColumn<QString>("firstName");
        QTest::addColumn<QString>("warning");

        QTest::newRow("version 2") << layoutDocument({entry(threeIds)}, 2) << 2 << QList<int>{0, 1} << 8 << "Breakfast"
                                   << "has an unknown dayPartVersion";
        QTest::newRow("not an object") << QByteArray("[1, 2]") << 2 << QList<int>{0, 1} << 8 << "Breakfast"
                                       << "is not a JSON object";
        QTest::newRow("garbage") << QByteArray("{\"dayPartVersion\": 1, \"lay") << 2 << QList<int>{0, 1} << 8 << "Breakfast"
                                 << "is not a JSON object";
        QTest::newRow("no layout") << QByteArray("{\"dayPartVersion\": 1}") << 2 << QList<int>{0, 1} << 8 << "Breakfast"
                                   << "has no layout";
        QTest::newRow("empty layout clears the ids") << layoutDocument({}) << 2 << QList<int>{0, 1} << 0 << "Breakfast" << "";

        QJsonArray twelve;
        for (int i = 0; i < 12; ++i)
            twelve.append(entry(threeIds));
        QTest::newRow("twelve day parts") << layoutDocument(twelve) << 10 << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9} << 3 << "Early" << "";
        QTest::newRow("none in use") << layoutDocument({entry(threeIds, false), entry(threeIds, false)}) << 2 << QList<int>{0} << 3 << "Early" << "";
        QTest::newRow("in use when not said")
            << layoutDocument({entry(threeIds), entry(threeIds, true), entry(threeIds, "yes")}) << 3 << QList<int>{0, 1} << 3 << "Early" << "";
        QTest::newRow("bins outside the cabinet")
            << layoutDocument({entry({QJsonObject{{"bin", 0}, {"productId", 4}}, QJsonObject{{"bin", 21}, {"productId", 4}},
                                      QJsonObject{{"productId", 4}}})})
            << 1 << QList<int>{0} << 0 << "Early" << "";
        QTest::newRow("unknown language replaces English")
            << layoutDocument({QJsonObject{{"daypartName", QJsonObject{{"xx_YY", "Brunch"}}}, {"productLocations", threeIds}}})
            << 1 << QList<int>{0} << 3 << "Brunch" << "";
    }

    void loadKeepsWhatItCannotRead()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, count);
        QFETCH(QList<int>, inUse);
        QFETCH(int, firstId);
        QFETCH(QString, firstName);
        QFETCH(QString, warning);

        TempRoot root;
        FakeCabinet cabinet(10, 2);
        DayPartManager *dayParts = cabinet.dayParts;
        // What the display held before: id 8 on the first position.
        QVERIFY(root.writeFile("/root/dayParts.json", layoutDocument({QJsonObject{
            {"productLocations", QJsonArray{QJsonObject{{"bin", 1}, {"productId", 8}}}}}, QJsonObject{}})));
        dayParts->dayPartsLoadJsonDocFile();
        QCOMPARE(row(dayParts, 0, 1), QList<int>{8});

        QVERIFY(root.writeFile("/root/dayParts.json", content));
        QSignalSpy done(dayParts, &DayPartManager::daypartsFileLoadDone);
        QSignalSpy reload(dayParts, &DayPartManager::reloadDaypartsInUse);
        QSignalSpy defined(dayParts, &DayPartManager::newDayPartDefinition);
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning + "; keeping the day parts held$"));
        dayParts->dayPartsLoadJsonDocFile();

        QCOMPARE(dayParts->getDayPartsCount(), count);
        QCOMPARE(TestDayParts::inUse(dayParts), inUse);
        QCOMPARE(row(dayParts, 0, 1), QList<int>{firstId});
        QCOMPARE(dayParts->getDayPartName(0, 0), firstName);
        QCOMPARE(done.count(), 1);
        QCOMPARE(reload.count(), 1);
        QCOMPARE(defined.count(), 1);
        QVERIFY(cabinet.calls.isEmpty()); // a load sends nothing
    }

    void startWithoutAFileKeepsTheDefaults()
    {
        TempRoot root;
        FakeCabinet cabinet;
        QSignalSpy defined(cabinet.dayParts, &DayPartManager::newDayPartDefinition);
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^Unable to Open File: .*/root/dayParts.json$"));
        cabinet.dayParts->dayPartsLoadJsonDocFile();
        QCOMPARE(cabinet.dayParts->getDayPartsCount(), 2);
        QCOMPARE(inUse(cabinet.dayParts), (QList<int>{0, 1}));
        QCOMPARE(row(cabinet.dayParts, 1, 4), (QList<int>{0, 0, 0, 0}));
        QCOMPARE(defined.count(), 0);
    }

    // The older files become "dayParts.json"; they are removed only once the
    // new file is safely in place.
    void olderFilesAreConvertedOnce()
    {
        TempRoot root;
        QVERIFY(root.writeFile("/root/morningDayPart.txt", "// ids by position\n1,2,3\n4,5\n"));
        QVERIFY(root.writeFile("/root/eveningDayPart.txt", "7,x,9\r\n"));
        FakeCabinet cabinet(2, 2);
        QSignalSpy defined(cabinet.dayParts, &DayPartManager::newDayPartDefinition);
        cabinet.dayParts->dayPartsLoadJsonDocFile();

        QCOMPARE(row(cabinet.dayParts, 0, 4), (QList<int>{4, 5, 3, 0}));
        QCOMPARE(row(cabinet.dayParts, 1, 4), (QList<int>{7, 0, 0, 0}));
        QCOMPARE(defined.count(), 1);
        QVERIFY(QFile::exists(root.filePath("/root/morningDayPart.txt")));

        QTRY_COMPARE(cabinet.calls, savedAndSent);
        QVERIFY(!QFile::exists(root.filePath("/root/morningDayPart.txt")));
        QVERIFY(!QFile::exists(root.filePath("/root/eveningDayPart.txt")));
        FakeCabinet restarted(2, 2);
        restarted.dayParts->dayPartsLoadJsonDocFile();
        QCOMPARE(row(restarted.dayParts, 0, 4), (QList<int>{4, 5, 3, 0}));
        QCOMPARE(row(restarted.dayParts, 1, 4), (QList<int>{7, 0, 0, 0}));
    }

    void aFailedConversionKeepsTheOlderFiles()
    {
        TempRoot root;
        QVERIFY(root.writeFile("/root/morningDayPart.txt", "6,6\n"));
        // Something in the way of the new file: the save cannot start.
        QVERIFY(QDir().mkpath(root.filePath("/root/dayParts.json.New")));
        FakeCabinet cabinet(2, 2);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Unable to open .*dayParts.json.New for writing"));
        QTest::ignoreMessage(QtDebugMsg, "Unable to Open File for saving!!!");
        cabinet.dayParts->dayPartsLoadJsonDocFile();
        QVERIFY(cabinet.calls.isEmpty());
        QVERIFY(QFile::exists(root.filePath("/root/morningDayPart.txt")));
        QVERIFY(!QFile::exists(root.filePath("/root/dayParts.json")));
    }

    void anExistingFileRetiresTheOlderOnes()
    {
        TempRoot root;
        QVERIFY(root.writeFile("/root/dayParts.json", fixture("dayParts.json")));
        QVERIFY(root.writeFile("/root/eveningDayPart.txt", "6,6\n"));
        FakeCabinet cabinet(2, 2);
        cabinet.dayParts->dayPartsLoadJsonDocFile();
        QVERIFY(!QFile::exists(root.filePath("/root/eveningDayPart.txt")));
        QCOMPARE(row(cabinet.dayParts, 1, 4), (QList<int>{0, 1073741825, 0, 0}));
    }

    void olderFileReaderFallsBackToItsDefaults()
    {
        TempRoot root;
        FakeCabinet cabinet(2, 2);
        DayPartManager *dayParts = cabinet.dayParts;
        QTest::ignoreMessage(QtDebugMsg, "DayPartManager: readDayPartFile error bad day part index");
        dayParts->readDayPartFile(root.filePath("/root/x.txt"), 2);

        // Bare names are read from the working directory, else from the
        // program's own defaults (all zeros).
        QVERIFY(root.writeFile("/work/morningDayPart.txt", "3,3\n"));
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(root.filePath("/work")));
        dayParts->dayPartEditSetProductId(1, 0, 0, 9);
        dayParts->dayPartEditSave();
        QSignalSpy defined(dayParts, &DayPartManager::newDayPartDefinition);
        dayParts->readDayPartFiles();
        QDir::setCurrent(previous);
        QCOMPARE(row(dayParts, 0, 4), (QList<int>{3, 3, 0, 0}));
        QCOMPARE(row(dayParts, 1, 4), (QList<int>{0, 0, 0, 0}));
        QCOMPARE(defined.count(), 1);
        QTRY_COMPARE(cabinet.calls, savedAndSent);
    }

    void quickSavesEachReachTheOtherDisplays()
    {
        TempRoot root;
        FakeCabinet cabinet(2, 2);
        DayPartManager *dayParts = cabinet.dayParts;
        dayParts->saveDayPartFileJson();
        dayParts->dayPartEditSetProductId(0, 0, 0, 11);
        dayParts->dayPartEditSave();
        QTRY_COMPARE(cabinet.calls, savedAndSent + savedAndSent);
        FakeCabinet restarted(2, 2);
        restarted.dayParts->dayPartsLoadJsonDocFile();
        QCOMPARE(row(restarted.dayParts, 0, 1), QList<int>{11});
    }

    // ---- menu import ----

    void recordsLandOnTheCabinetsPositions_data()
    {
        QTest::addColumn<int>("singleBinZone");
        QTest::addColumn<QList<int>>("positions");
        QTest::newRow("two-bin zones") << 0 << QList<int>{15, 16, 13, 14, 11, 12};
        QTest::newRow("single-bin zones") << 1 << QList<int>{15, 16, 13, 0, 11, 12};
    }

    void recordsLandOnTheCabinetsPositions()
    {
        QFETCH(int, singleBinZone);
        QFETCH(QList<int>, positions);

        TempRoot root;
        FakeCabinet cabinet(3, 2);
        cabinet.singleBinZone = singleBinZone;
        DayPartManager *dayParts = cabinet.dayParts;
        dayParts->set_productLocationMap({4, 5, 2, 3, 0, 1});
        dayParts->setProdIdOnBin(1, 0, 99);
        const QStringList namesBefore{dayParts->getDayPartName(0, 0), dayParts->getDayPartName(0, 1)};

        DayPart_t record;
        for (int bin = 0; bin < DayPartTag::Bins; ++bin)
            record.productIds[size_t(bin)] = quint32(11 + bin);
        dayParts->processTavolenDayPart(record, 0);
        DayPart_t second; // all empty: replaces what day part 1 held
        dayParts->processTavolenDayPart(second, 1);

        QCOMPARE(row(dayParts, 0, 6), positions);
        QCOMPARE(row(dayParts, 1, 6), (QList<int>{0, 0, 0, 0, 0, 0}));
        QCOMPARE((QStringList{dayParts->getDayPartName(0, 0), dayParts->getDayPartName(0, 1)}), namesBefore);
        QCOMPARE(inUse(dayParts), (QList<int>{0, 1}));

        // A record index outside the table changes nothing.
        QTest::ignoreMessage(QtWarningMsg, "Imported day part 10 is outside the day-part table; ignored");
        dayParts->processTavolenDayPart(record, 10);
        QTest::ignoreMessage(QtWarningMsg, "Imported day part -1 is outside the day-part table; ignored");
        dayParts->processTavolenDayPart(record, -1);

        // Nothing is stored until the import asks for it.
        QTest::qWait(50);
        QVERIFY(cabinet.calls.isEmpty());
        dayParts->saveNewDayPartsToJson();
        QTRY_COMPARE(cabinet.calls, savedAndSent);
        const QJsonArray saved = QJsonDocument::fromJson(root.readFile("/root/dayParts.json")).object()["layout"].toArray();
        QCOMPARE(saved[0].toObject()["productLocations"].toArray()[0].toObject()["productId"].toInt(), positions[0]);
    }

    void jsonLayoutReplacesEveryDayPart()
    {
        TempRoot root;
        FakeCabinet cabinet(3, 2);
        DayPartManager *dayParts = cabinet.dayParts;
        dayParts->set_productLocationMap({4, 5, 2, 3, 0, 1});
        for (int d = 0; d < 4; ++d)
            dayParts->setProdIdOnBin(d, 0, 77);

        const auto locations = [](const QList<QPair<int, int>> &binAndId) {
            QJsonArray array;
            for (const auto &l : binAndId)
                array.append(QJsonObject{{"bin", l.first}, {"productId", l.second}});
            return array;
        };
        const QJsonArray layout{
            QJsonObject{{"daypartName", QJsonObject{{"eng_USA", "Early"}, {"spa", "Temprano"}, {"xx", "Dawn"}}},
                        {"productLocations", locations({{1, 11}, {3, 13}, {3, 33}, {7, 17}, {0, 10}})},
                        {"inUse", false}},
            QJsonObject{{"daypartName", QJsonObject{{"eng_USA", "Late"}}},
                        {"productLocations", locations({{6, 16}})}, {"inUse", false}},
            QJsonObject{{"inUse", false}},
        };
        const auto document = [&](const QJsonValue &version, const QJsonObject &menu) {
            return QString::fromUtf8(QJsonDocument(QJsonObject{
                {"header", QJsonObject{{"menuVersion", version}}}, {"menu", menu}}).toJson());
        };

        // Another version, or a menu without a layout, keeps what is held.
        dayParts->processTavolenJsonDayParts(document(2, {{"layout", layout}}));
        dayParts->processTavolenJsonDayParts(document("12", {{"layout", layout}}));
        dayParts->processTavolenJsonDayParts(document(1, {{"layout", QJsonObject()}}));
        dayParts->processTavolenJsonDayParts(QStringLiteral("not JSON"));
        QCOMPARE(dayParts->getProdIdOnBin(3, 0), 77);
        QCOMPARE(dayParts->getDayPartsCount(), 2);
        QTest::qWait(50);
        QVERIFY(cabinet.calls.isEmpty());

        dayParts->processTavolenJsonDayParts(document(1, {{"layout", layout}}));
        QCOMPARE(dayParts->getDayPartsCount(), 3);
        QCOMPARE(inUse(dayParts), (QList<int>{0, 1, 2}));
        // Tool bins 1 and 3 land on positions 4 and 2; the later id for a
        // repeated bin wins; bins outside the cabinet are skipped.
        QCOMPARE(row(dayParts, 0, 6), (QList<int>{0, 0, 33, 0, 11, 0}));
        QCOMPARE(row(dayParts, 1, 6), (QList<int>{0, 16, 0, 0, 0, 0}));
        QCOMPARE(row(dayParts, 3, 6), (QList<int>{0, 0, 0, 0, 0, 0}));
        QCOMPARE(dayParts->getDayPartName(0, 0), QStringLiteral("Dawn")); // unknown code counts as English
        QCOMPARE(dayParts->getDayPartName(1, 0), QStringLiteral("Temprano"));
        QTRY_COMPARE(cabinet.calls, savedAndSent);
    }

    // What the cabinet exports, imported again as a menu, gives the same
    // ids on every position.
    void exportedLayoutImportsUnchanged()
    {
        TempRoot root;
        FakeCabinet cabinet(3, 2);
        DayPartManager *dayParts = cabinet.dayParts;
        dayParts->set_productLocationMap({4, 5, 2, 3, 0, 1});
        for (int p = 0; p < 6; ++p) {
            dayParts->setProdIdOnBin(0, p, 10 + p);
            dayParts->setProdIdOnBin(1, p, 20 + p);
        }
        const QJsonObject exported = QJsonDocument::fromJson(dayParts->dayPartsInfoToJson(false)).object();
        for (int p = 0; p < 6; ++p) {
            dayParts->setProdIdOnBin(0, p, 0);
            dayParts->setProdIdOnBin(1, p, 0);
        }
        dayParts->processTavolenJsonDayParts(QString::fromUtf8(QJsonDocument(QJsonObject{
            {"header", QJsonObject{{"menuVersion", 1}}},
            {"menu", QJsonObject{{"layout", exported["layout"]}}}}).toJson()));
        QCOMPARE(row(dayParts, 0, 6), (QList<int>{10, 11, 12, 13, 14, 15}));
        QCOMPARE(row(dayParts, 1, 6), (QList<int>{20, 21, 22, 23, 24, 25}));
        QTRY_COMPARE(cabinet.calls, savedAndSent);
    }
};

QTEST_MAIN(TestDayParts)
#include "tst_dayparts.moc"
