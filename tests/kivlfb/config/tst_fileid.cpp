#include "config/fileid.h"

#include "temproot.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaProperty>
#include <QtTest>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <functional>

namespace {

// Collects the debug lines of the code under test.
class LogCapture
{
public:
    LogCapture()
    {
        s_lines.clear();
        m_previous = qInstallMessageHandler(&LogCapture::handler);
    }
    ~LogCapture() { qInstallMessageHandler(m_previous); }

    bool contains(const QString &text) const
    {
        for (const QString &line : qAsConst(s_lines)) {
            if (line.contains(text))
                return true;
        }
        return false;
    }
    int count(const QString &text) const
    {
        int n = 0;
        for (const QString &line : qAsConst(s_lines))
            n += line.contains(text) ? 1 : 0;
        return n;
    }

private:
    static void handler(QtMsgType, const QMessageLogContext &, const QString &message)
    {
        s_lines.append(message);
    }
    static QStringList s_lines;
    QtMessageHandler m_previous;
};
QStringList LogCapture::s_lines;

QByteArray fixture(const QString &name)
{
    QFile file(QStringLiteral(":/fixtures/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return file.readAll();
}

QByteArray editPersonality(const QByteArray &source, const std::function<void(QJsonObject &)> &edit)
{
    QJsonObject root = QJsonDocument::fromJson(source).object();
    QJsonObject personality = root.value("personality").toObject();
    edit(personality);
    root.insert("personality", personality);
    return QJsonDocument(root).toJson();
}

// The personality keys in reading order. property is empty for the lists;
// undefinedName is what the log calls a missing key.
struct KeySpec
{
    const char *key;
    const char *property;
    const char *undefinedName;
    int minVersion;
};

const KeySpec keyOrder[] = {
    {"hasFan", "hasFan", "hasFan", 1},
    {"hasMirrorDisplay", "hasMirrorDisplay", "hasMirrorDisplay", 1},
    {"hasSecondaryDisplay", "hasSecondaryDisplay", "hasSecondaryDisplay", 1},
    {"iAmMaster", "iAmMaster", "iAmMaster", 1},
    {"iosystemcfg", "iosystemcfg", "iosystemcfg", 1},
    {"isIndividualDpSelectable", "isIndividualDpSelectable", "isIndividualDpSelectable", 1},
    {"mirrorDisplay", "mirrorDisplay", "mirrorDisplay", 1},
    {"nfcEnabled", "nfcEnabled", "nfcEnabled", 1},
    {"numberOfRows", "numberOfRows", "numberOfRows", 1},
    {"zonesPerRow", "zonesPerRow", "zonesPerRow", 1},
    {"numOfTempProbes", "numOfTempProbes", "numOfTempProbes", 1},
    {"orientationPortrait", "orientationPortrait", "orientationPortrait", 1},
    {"powerSource", "powerSource", "powerSource", 1},
    {"powerSourceChoice", "powerSourceChoice", "powerSourceChoice", 1},
    {"pressGoDockPosition", "pressGoDockPosition", "pressGoDockPosition", 1},
    {"singleColumnUnit", "singleColumnUnit", "singleColumnUnit", 1},
    {"syncNeeded", "syncNeeded", "syncNeeded", 1},
    {"tempHandling", "tempHandling", "tempHandling", 1},
    {"tempLayout", "tempLayout", "tempLayout", 1},
    {"traysPerZone", "binsPerZone", "binsPerZone", 1},
    {"uiRole", "uiRole", "uiRole", 1},
    {"zones2handle", "zones2handle", "zones2handle", 1},
    {"zones2handleStart", "zones2handleStart", "zones2handleStart", 1},
    {"orientationId", "orientationId", "orientationId", 1},
    {"verticalFlip", "verticalFlip", "verticalFlip", 1},
    {"numberOfZones", "numberOfZones", "numberOfZones", 1},
    {"traysPerCabinet", "traysPerCabinet", "traysPerCabinet", 1},
    {"zoneViewType", "zoneViewType", "zoneViewType", 1},
    {"perBinTemps", "perBinTemps", "perBinTemps", 1},
    {"pressGoBannerEnable", "pressGoBannerEnable", "pressGoBannerEnable", 1},
    {"cabinetConfiguration", "cabinetConfiguration", "cabinetConfiguration", 1},
    {"mio2uitmap", "", "mio2uitmap", 1},
    {"ui2mioZoneMap", "", "ui2mioZoneMap", 1},
    {"productLocationMap", "", "productLocationMap", 1},
    {"ioBoardToZoneMap", "", "ioBoardToZoneMap", 1},
    {"zoneMap", "", "zoneMap", 1},
    {"binTestTemps", "", "binTestTemps", 1},
    {"nfcMap", "", "NFC zone0", 1},
    {"linkedUseFirst", "linkedUseFirst", "linkedUseFirst", 2},
    {"discardOption", "discardOption", "discardOption", 2},
    {"numIOBoards", "numIOBoards", "numIOBoards", 2},
    {"discardOptionType", "discardOptionType", "discardOptionType", 2},
    {"riotEnabled", "riotEnabled", "riotEnabled", 2},
    {"productIDDisplayEnable", "productIDDisplayEnable", "productIDDisplayEnable", 2},
    {"topHeaterCurrent", "topHeaterCurrent", "topHeaterCurrent", 2},
    {"bottomHeaterCurrent", "bottomHeaterCurrent", "bottomHeaterCurrent", 2},
    {"shelfNumbersEnable", "shelfNumbersEnable", "shelfNumbersEnable", 2},
    {"haccpDataCollection", "haccpDataCollection", "haccpDataCollection", 2},
    {"temperatureUnit", "temperatureUnit", "temperatureUnit", 2},
    {"touchBasedTransfer", "touchBasedTransfer", "touchBasedTransfer", 2},
    {"shelfNumberingOrder", "shelfNumberingOrder", "shelfNumberingOrder", 2},
    {"advancedZoneOptionsEnable", "advancedZoneOptionsEnable", "advancedZoneOptionsEnable", 3},
    {"viewZoneTemperature", "viewZoneTemperatureEnable", "viewZoneTemperatureEnable", 3},
    {"cleaningModeEnable", "cleaningModeEnable", "cleaningModeEnable", 3},
    {"topTempOffset", "topTempOffset", "topTempOffset", 4},
    {"bottomTempOffset", "bottomTempOffset", "bottomTempOffset", 4},
    {"topHeaterResistance", "topHeaterResistance", "topHeaterResistance", 4},
    {"bottomHeaterResistance", "bottomHeaterResistance", "bottomHeaterResistance", 4},
    {"maxCurrent", "maxCurrent", "maxCurrent", 4},
    {"controlBoardType", "controlBoardType", "controlBoardType", 4},
    {"startingShelfNumber", "startingShelfNumber", "startingShelfNumber", 5},
    {"singleBinZone", "singleBinZone", "singleBinZone", 6},
    {"zoneNumberingOrder", "zoneNumberingOrder", "zoneNumberingOrder", 7},
    {"timerColorEnable", "timerColorEnable", "timerColorEnable", 7},
    {"screenCleanModeEnable", "screenCleanModeEnable", "screenCleanModeEnable", 7},
    {"timerDecrementEnable", "timerDecrementEnable", "timerDecrementEnable", 8},
    {"preferencesPageLock", "preferencesPageLock", "preferencesPageLock", 8},
    {"customerId", "customerId", "customerId", 9},
};

QVariantMap snapshot(const QObject &object)
{
    QVariantMap values;
    const QMetaObject *meta = object.metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
        values.insert(meta->property(i).name(), meta->property(i).read(&object));
    return values;
}

// What a scalar key of the file should have become.
QVariant expectedValue(const char *key, const QJsonValue &value)
{
    if (value.isBool())
        return value.toBool();
    if (qstrcmp(key, "startingShelfNumber") == 0)
        return qMax(value.toInt(), 1);
    return value.toInt();
}

} // namespace

class TestFileID : public QObject
{
    Q_OBJECT

private slots:
    void readsEachVersion_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("orientationId");
        QTest::addColumn<int>("uiRole");
        QTest::addColumn<bool>("iAmMaster");
        QTest::addColumn<int>("numberOfZones");
        QTest::addColumn<QList<int>>("mio2uitmap");
        QTest::addColumn<int>("ioOutputs");
        // Keys of later versions: only read from files of that version on.
        QTest::addColumn<bool>("linkedUseFirst");
        QTest::addColumn<int>("numIOBoards");
        QTest::addColumn<int>("customerId");

        QTest::newRow("version 1, later keys ignored")
            << "v1_5x2.hcc" << 1 << 32 << 0 << true << 2 << QList<int>{2, 3, 0, 1} << 2 << false << 1 << 0;
        QTest::newRow("version 9") << "v9_2x4.hcc" << 9 << 9 << 1 << true << 4
                                   << QList<int>{0, 1, 2, 3, 4, 5, 6, 7} << 2 << true << 2 << 3;
        QTest::newRow("version 9, header checksum wrong") << "v9_bad_checksum.hcc" << 9 << 9 << 1 << true << 4
                                   << QList<int>{0, 1, 2, 3, 4, 5, 6, 7} << 2 << true << 2 << 3;
    }
    void readsEachVersion()
    {
        QFETCH(QString, file);
        FileID id;
        QVERIFY(id.readFileIDData(fixture(file)));
        QTEST(id.get_importedFileVersion(), "version");
        QTEST(id.get_orientationId(), "orientationId");
        QTEST(id.get_uiRole(), "uiRole");
        QTEST(id.get_iAmMaster(), "iAmMaster");
        QTEST(id.get_numberOfZones(), "numberOfZones");
        QTEST(*id.get_mio2uitMap(), "mio2uitmap");
        QTEST(id.get_ioBoardToZoneMap()->size(), "ioOutputs");
        QTEST(id.get_linkedUseFirst(), "linkedUseFirst");
        QTEST(id.get_numIOBoards(), "numIOBoards");
        QTEST(id.get_customerId(), "customerId");
        QCOMPARE(id.get_exportFileVersion(), 2);
    }

    // Every scalar key of a complete version-9 file lands in its property.
    void appliesEveryKey()
    {
        const QByteArray data = fixture("v9_2x4.hcc");
        const QJsonObject personality = QJsonDocument::fromJson(data).object().value("personality").toObject();
        FileID id;
        QVERIFY(id.readFileIDData(data));
        for (const KeySpec &entry : keyOrder) {
            if (!*entry.property)
                continue;
            QVERIFY2(personality.contains(entry.key), entry.key);
            QCOMPARE(id.property(entry.property), expectedValue(entry.key, personality.value(entry.key)));
        }
        QCOMPARE(*id.get_ui2mioZoneMap(), (QList<int>{0, 1, 2, 3}));
        QCOMPARE(*id.get_productLocationMap(), (QList<int>{7, 6}));
        QCOMPARE(*id.get_zoneMap(), (QList<int>{0, 1, 2, 3}));
        QCOMPARE(*id.get_binTestTemps(), (QList<int>{200, 190, 180, 170, 160, 150, 140, 130}));
        QCOMPARE(id.get_ioBoardToZoneMap()->at(1).firstZone, 2);
        QCOMPARE(id.get_ioBoardToZoneMap()->at(1).secondZone, 3);

        const NfcMap *map = id.get_nfcMap();
        QCOMPARE(map->zones[1].zone, 2);
        QCOMPARE(map->zones[1].left.binIndex, 4);
        QCOMPARE(map->zones[2].right.address, 3);
        QCOMPARE(map->zones[3].right.pollOrder, 2);
        const NfcPollInfo *plan = id.get_nfcPollingInfo();
        QVERIFY(plan);
        QCOMPARE(plan->numAddresses, 2);
        QCOMPARE(plan->numPollOrders, 2);
        QCOMPARE(plan->groups[1][1].address, 3);
        QCOMPARE(plan->groups[1][1].count, 2);
        QCOMPARE(plan->groups[1][1].entries[1].binIndex, 7);
        QCOMPARE(plan->groups[1][1].entries[1].channel, 7);
    }

    void headerChecksumOnlyLogged()
    {
        LogCapture log;
        FileID id;
        QVERIFY(id.readFileIDData(fixture("v9_2x4.hcc")));
        // The digest is over the personality written as indented JSON.
        QVERIFY(log.contains("headerChecksum \"24fba01ac68aa71ea05d82383028cf28\""));
        QVERIFY(log.contains("calcChecksum \"24fba01ac68aa71ea05d82383028cf28\""));
    }

    void wrongTypesReadAsFalseOrZero()
    {
        FileID id;
        QVERIFY(id.readFileIDData(fixture("v9_wrong_types.hcc")));
        QCOMPARE(id.get_hasFan(), false);          // "yes"
        QCOMPARE(id.get_numberOfRows(), 0);        // "2"
        QCOMPARE(id.get_maxCurrent(), 0);          // 16.5
        QCOMPARE(id.get_binTestTemps()->mid(0, 3), (QList<int>{0, 0, 180}));
        QCOMPARE(id.get_numberOfZones(), 4);       // the explicit key still wins
    }

    // A missing key is reported, and so is every key read after it; none of
    // them is applied, the keys before it are.
    void missingKeyStopsTheRest_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("removed");
        QTest::addColumn<bool>("asNull");
        QTest::newRow("first key") << "v9_2x4.hcc" << "hasFan" << false;
        QTest::newRow("trays per zone") << "v9_2x4.hcc" << "traysPerZone" << false;
        QTest::newRow("null counts as missing") << "v9_2x4.hcc" << "uiRole" << true;
        QTest::newRow("a list") << "v9_2x4.hcc" << "ui2mioZoneMap" << false;
        QTest::newRow("NFC map") << "v9_2x4.hcc" << "nfcMap" << false;
        QTest::newRow("view zone temperature") << "v9_2x4.hcc" << "viewZoneTemperature" << false;
        QTest::newRow("last key") << "v9_2x4.hcc" << "customerId" << false;
        QTest::newRow("version 3 file") << "v3_no_linkedUseFirst.hcc" << "linkedUseFirst" << false;
    }
    void missingKeyStopsTheRest()
    {
        QFETCH(QString, file);
        QFETCH(QString, removed);
        QFETCH(bool, asNull);
        const QByteArray data = editPersonality(fixture(file), [&](QJsonObject &p) {
            if (asNull)
                p.insert(removed, QJsonValue::Null);
            else
                p.remove(removed);
        });
        const QJsonObject personality = QJsonDocument::fromJson(data).object().value("personality").toObject();
        const int version = personality.value("version").toInt();

        const FileID defaults;
        LogCapture log;
        FileID id;
        QVERIFY(!id.readFileIDData(data));

        bool seenMissing = false;
        for (const KeySpec &entry : keyOrder) {
            if (entry.minVersion > version)
                continue;
            const bool isRemoved = removed == QLatin1String(entry.key);
            seenMissing = seenMissing || isRemoved;
            // A missing map is reported as such; a map read after the first
            // failure reports its first zone.
            const bool mapItself = isRemoved && qstrcmp(entry.key, "nfcMap") == 0;
            const QString message = QLatin1String(mapItself ? "nfcMap" : entry.undefinedName) + " is undefined";
            if (seenMissing && *entry.property) {
                QVERIFY2(log.contains(message), qPrintable(message));
                // The zone count also follows the rows applied before.
                if (qstrcmp(entry.key, "numberOfZones") != 0)
                    QCOMPARE(id.property(entry.property), defaults.property(entry.property));
            } else if (seenMissing) {
                QVERIFY2(log.contains(message), qPrintable(message));
            } else if (*entry.property) {
                QVERIFY2(!log.contains(message), qPrintable(message));
                QCOMPARE(id.property(entry.property), expectedValue(entry.key, personality.value(entry.key)));
            }
        }
        // Keys of versions above the file's are not read at all.
        for (const KeySpec &entry : keyOrder) {
            if (entry.minVersion > version)
                QVERIFY(!log.contains(QLatin1String(entry.undefinedName) + " is undefined"));
        }
    }

    void failuresBeforeAnyKey_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("version");

        const QByteArray good = fixture("v9_2x4.hcc");
        QTest::newRow("truncated") << fixture("v9_truncated.hcc") << "Parse Error:" << 0;
        QTest::newRow("empty") << QByteArray() << "Parse Error:" << 0;
        QTest::newRow("no version")
            << editPersonality(good, [](QJsonObject &p) { p.remove("version"); }) << "version is undefined" << 0;
        QTest::newRow("no personality") << QByteArray("{\"header\":{}}") << "version is undefined" << 0;
        QTest::newRow("version 0")
            << editPersonality(good, [](QJsonObject &p) { p.insert("version", 0); }) << "Invalid version 0" << 0;
        QTest::newRow("negative version")
            << editPersonality(good, [](QJsonObject &p) { p.insert("version", -2); }) << "Invalid version -2" << -2;
    }
    void failuresBeforeAnyKey()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, message);
        const FileID defaults;
        LogCapture log;
        FileID id;
        QVERIFY(!id.readFileIDData(data));
        QVERIFY2(log.contains(message), qPrintable(message));
        QTEST(id.get_importedFileVersion(), "version");
        QVariantMap expected = snapshot(defaults);
        expected.insert("importedFileVersion", id.get_importedFileVersion());
        QCOMPARE(snapshot(id), expected);
        QVERIFY(id.get_mio2uitMap()->isEmpty());
    }

    // Every applied key notifies exactly once, changed or not.
    void oneNotificationPerAppliedKey()
    {
        FileID id;
        QSignalSpy hasFan(&id, &FileID::hasFanChanged);               // false -> true
        QSignalSpy secondary(&id, &FileID::hasSecondaryDisplayChanged); // stays false
        QSignalSpy bins(&id, &FileID::binsPerZoneChanged);            // stays 2
        QSignalSpy cleaning(&id, &FileID::screenCleanModeEnableChanged);
        QSignalSpy boards(&id, &FileID::numIOBoardsChanged);
        QSignalSpy version(&id, &FileID::versionChanged);
        QSignalSpy lists(&id, &FileID::zoneMapChanged);

        const QByteArray data = fixture("v9_2x4.hcc");
        for (int round = 1; round <= 2; ++round) {
            QVERIFY(id.readFileIDData(data));
            for (QSignalSpy *spy : {&hasFan, &secondary, &bins, &cleaning, &boards, &version, &lists})
                QCOMPARE(spy->count(), round);
        }
        QCOMPARE(hasFan.last().at(0).toBool(), true);
        QCOMPARE(secondary.last().at(0).toBool(), false);
        QCOMPARE(bins.last().at(0).toInt(), 2);
        QCOMPARE(boards.last().at(0).toBool(), true); // two boards: there are boards
        QCOMPARE(version.last().at(0).toInt(), 9);
    }

    void badListEntries()
    {
        const QByteArray good = fixture("v9_2x4.hcc");
        {
            LogCapture log;
            FileID id;
            QSignalSpy changed(&id, &FileID::mio2uitmapChanged);
            QVERIFY(!id.readFileIDData(editPersonality(good, [](QJsonObject &p) {
                p.insert("mio2uitmap", QJsonArray{3, QJsonValue::Null, 5});
            })));
            QCOMPARE(*id.get_mio2uitMap(), QList<int>{3});
            QVERIFY(log.contains("Failed reading mio2uitmap at index 1"));
            QCOMPARE(changed.count(), 0);
            QVERIFY(log.contains("zoneMap is undefined"));
        }
        {
            LogCapture log;
            FileID id;
            QSignalSpy changed(&id, &FileID::ioBoardToZoneMapChanged);
            QVERIFY(!id.readFileIDData(editPersonality(good, [](QJsonObject &p) {
                p.insert("ioBoardToZoneMap",
                         QJsonObject{{"io[0]", QJsonObject{{"firstZone", 4}, {"secondZone", 5}}},
                                     {"io[2]", QJsonObject{{"firstZone", 6}}}});
            })));
            QCOMPARE(id.get_ioBoardToZoneMap()->size(), 1);
            QCOMPARE(id.get_ioBoardToZoneMap()->at(0).secondZone, 5);
            QVERIFY(log.contains("ioBoardToZoneMap[0].firstZone = 4"));
            QVERIFY(log.contains("ioBoardToZoneMap io[1] is undefined"));
            QCOMPARE(changed.count(), 0);
        }
    }

    void badNfcMaps()
    {
        const QByteArray good = fixture("v9_2x4.hcc");
        {
            // Zone 1 lacks its right side: that side is named, every later
            // zone is reported, the left side and zone 0 are kept.
            LogCapture log;
            FileID id;
            QVERIFY(!id.readFileIDData(editPersonality(good, [](QJsonObject &p) {
                QJsonObject map = p.value("nfcMap").toObject();
                QJsonObject zone = map.value("zone1").toObject();
                zone.remove("right-bin");
                map.insert("zone1", zone);
                p.insert("nfcMap", map);
            })));
            QVERIFY(log.contains("NFC right-bin of zone1 is undefined"));
            QVERIFY(!log.contains("NFC left-bin of zone1 is undefined"));
            QVERIFY(log.contains("NFC zone2 is undefined"));
            QVERIFY(log.contains("NFC zone3 is undefined"));
            QVERIFY(log.contains("linkedUseFirst is undefined"));
            QCOMPARE(id.get_nfcMap()->zones[1].left.binIndex, 4);
            QCOMPARE(id.get_nfcMap()->zones[1].right.binIndex, 0);
            QCOMPARE(id.get_nfcMap()->zones[2].zone, 0);
        }
        {
            // Without NFC the map is not looked for.
            LogCapture log;
            FileID id;
            QVERIFY(id.readFileIDData(editPersonality(good, [](QJsonObject &p) {
                p.insert("nfcEnabled", false);
                p.remove("nfcMap");
            })));
            QVERIFY(!log.contains("nfcMap is undefined"));
            QCOMPARE(id.get_nfcPollingInfo(), nullptr);
        }
        {
            FileID id;
            LogCapture log;
            QVERIFY(!id.readFileIDData(editPersonality(good, [](QJsonObject &p) { p.remove("nfcMap"); })));
            QVERIFY(log.contains("nfcMap is undefined"));
        }
    }

    // A side without a poll order, more zones than the map holds and more
    // bins than one poll group takes are contained: nothing is written
    // outside the map or the plan, and the rest is still polled.
    void oversizedNfcMapIsContained()
    {
        const QByteArray data = editPersonality(fixture("v9_2x4.hcc"), [](QJsonObject &p) {
            p.insert("numberOfZones", 25);
            QJsonObject map;
            for (int z = 0; z < 25; ++z) {
                QJsonObject left{{"binIndex", 2 * z}, {"address", 2}, {"channel", 0}, {"pollOrder", 1}};
                QJsonObject right{{"binIndex", 2 * z + 1}, {"address", 2}, {"channel", 1}};
                map.insert(QStringLiteral("zone%1").arg(z),
                           QJsonObject{{"zone", z}, {"left-bin", left}, {"right-bin", right}});
            }
            p.insert("nfcMap", map);
        });
        LogCapture log;
        FileID id;
        QVERIFY(id.readFileIDData(data));
        QVERIFY(log.contains("nfcMap holds at most 20 zones"));
        QCOMPARE(id.get_nfcMap()->zones[19].left.binIndex, 38);
        const NfcPollInfo *plan = id.get_nfcPollingInfo();
        QVERIFY(plan);
        QCOMPARE(plan->numAddresses, 1);
        QCOMPARE(plan->numPollOrders, 1);
        QCOMPARE(plan->groups[0][0].count, 12);
        QCOMPARE(plan->groups[0][0].entries[11].binIndex, 22);
        QVERIFY(log.contains("poll order 0"));
    }

    void derivedZoneCount_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("zones");
        QTest::newRow("secondary display doubles") << "secondary=1" << 10;
        QTest::newRow("zones per row") << "zonesPerRow=2" << 10;
        QTest::newRow("role 2 doubles on rows") << "uiRole=2 rows=3" << 6;
        QTest::newRow("secondary writer ignores role") << "uiRole=2 secondary=1 secondary=0" << 5;
        QTest::newRow("rows after secondary") << "secondary=1 rows=2" << 4;
        QTest::newRow("unchanged rows keep explicit zones") << "zones=7 rows=5" << 7;
    }
    void derivedZoneCount()
    {
        QFETCH(QString, steps);
        FileID id;
        for (const QString &step : steps.split(' ')) {
            const QString name = step.section('=', 0, 0);
            const int value = step.section('=', 1).toInt();
            if (name == "secondary")
                id.set_hasSecondaryDisplay(value != 0);
            else if (name == "zonesPerRow")
                id.set_zonesPerRow(value);
            else if (name == "rows")
                id.set_numberOfRows(value);
            else if (name == "uiRole")
                id.set_uiRole(value);
            else if (name == "zones")
                id.set_numberOfZones(value);
        }
        QTEST(id.get_numberOfZones(), "zones");
    }

    void startingShelfNeverBelowOne()
    {
        FileID id;
        QSignalSpy changed(&id, &FileID::startingShelfNumberChanged);
        QVERIFY(!id.set_startingShelfNumber(1));
        QCOMPARE(changed.count(), 0);
        QVERIFY(id.set_startingShelfNumber(0));
        QCOMPARE(id.get_startingShelfNumber(), 1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.last().at(0).toInt(), 1);
        QVERIFY(id.set_startingShelfNumber(3));
        QCOMPARE(changed.last().at(0).toInt(), 3);
    }

    void defaultsRestoreEverything()
    {
        const FileID fresh;
        FileID id;
        QVERIFY(id.readFileIDData(fixture("v9_2x4.hcc")));
        id.setDefaultData();
        QCOMPARE(snapshot(id), snapshot(fresh));
        QVERIFY(id.get_binTestTemps()->isEmpty());
        QVERIFY(id.get_ioBoardToZoneMap()->isEmpty());
        QCOMPARE(id.get_nfcMap()->zones[3].right.pollOrder, 0);
    }

    void loaderReadsReadOnlyFile()
    {
        TempRoot root;
        QVERIFY(root.writeFile("/root/ui_id.hcc", fixture("v9_2x4.hcc")));
        const QByteArray path = QFile::encodeName(root.filePath("/root/ui_id.hcc"));

        // Make the file unwritable even for root: an immutable file refuses
        // a read-write open, as a read-only medium would.
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        const int fd = ::open(path.constData(), O_RDONLY);
        QVERIFY(fd >= 0);
        int flags = 0;
        const bool immutable = ::geteuid() == 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0
                               && (flags |= FS_IMMUTABLE_FL, ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0);
        struct Restore {
            int fd;
            bool immutable;
            ~Restore()
            {
                int f = 0;
                if (immutable && ::ioctl(fd, FS_IOC_GETFLAGS, &f) == 0) {
                    f &= ~FS_IMMUTABLE_FL;
                    ::ioctl(fd, FS_IOC_SETFLAGS, &f);
                }
                ::close(fd);
            }
        } restore{fd, immutable};

        QFile probe(QString::fromLocal8Bit(path));
        if (probe.open(QIODevice::ReadWrite))
            QSKIP("this file system lets the file be opened for writing");

        LogCapture log;
        FileID id;
        QVERIFY(id.readFileID("ui_id.hcc"));
        QVERIFY(log.contains("Opened \"ui_id.hcc\""));
        QCOMPARE(id.get_orientationId(), 9);
    }

    void loaderReportsMissingFile()
    {
        TempRoot root;
        LogCapture log;
        FileID id;
        QVERIFY(!id.readFileID("absent.hcc"));
        QVERIFY(log.contains("Could not open file: \"absent.hcc\""));
        QCOMPARE(id.get_importedFileVersion(), 0);
    }
};

QTEST_GUILESS_MAIN(TestFileID)
#include "tst_fileid.moc"
