#include "core/holdingfile.h"

#include <QDataStream>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

const qint64 kNow = 1704110400000; // 2024-01-01 12:00:00 UTC
const qint64 kMinute = 60000;

// A cabinet of four bins in two zones, nothing held.
HoldingFile::State emptyCabinet()
{
    HoldingFile::State state;
    for (int bin = 0; bin < 4; ++bin) {
        trayInfo ti;
        ti.binNumber = quint8(bin);
        state.records << ti;
    }
    state.zoneCurrentDayParts = {0, 0};
    state.zoneNextDayParts = {0, 0};
    return state;
}

QJsonObject record(int bin, int activity, qint64 expected = kNow + 5 * kMinute)
{
    return QJsonObject{{"binNumber", bin},       {"holdActivity", activity}, {"dayPart", 2},
                       {"isGroup", 0},           {"groupId", 12},            {"groupIndex", 0},
                       {"remainingTime", 900},   {"expectedTime", expected}, {"processId", kNow - kMinute}};
}

QByteArray holdingJson(qint64 timeStamp, const QJsonArray &records, const QJsonObject &extra = {})
{
    QJsonObject doc = extra;
    doc["timeStamp"] = timeStamp;
    doc["trayBarInfo"] = records;
    if (!doc.contains("nextDayPart"))
        doc["nextDayPart"] = 1;
    return QJsonDocument(doc).toJson();
}

struct LegacyRecord {
    qint8 bin, activity, dayPart, isGroup;
    qint32 groupId;
    qint8 groupIndex;
    qint32 remaining;
    qint64 expected;
};

QByteArray legacyFile(qint64 timeStamp, const QList<LegacyRecord> &records, qint32 nextDayPart,
                      const QList<qint32> &zoneDayParts)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << timeStamp;
    for (const LegacyRecord &r : records)
        out << r.bin << r.activity << r.dayPart << r.isGroup << r.groupId << r.groupIndex << r.remaining
            << r.expected;
    out << nextDayPart;
    for (qint32 v : zoneDayParts)
        out << v;
    return bytes;
}

} // namespace

class TestHoldingFile : public QObject
{
    Q_OBJECT

private slots:
    // The written document: every key, in sorted order, with the record's
    // fields at their full width and without the flag byte.
    void writtenDocument()
    {
        HoldingFile::State state = emptyCabinet();
        trayInfo &ti = state.records[2];
        ti.holdActivity = 3;
        ti.dayPart = 2;
        ti.isGroup = 1;
        ti.groupId = 0xFFFFFFF0u;
        ti.groupIndex = 4;
        ti.remainingTime = -86400;
        ti.expectedTime = kNow + 1234;
        ti.flag = 1;
        ti.processId = kNow - 5678;
        state.nextDayPart = 3;
        state.zoneCurrentDayParts = {1, 2};
        state.zoneNextDayParts = {3, 4};

        const QByteArray bytes = HoldingFile::toJson(state, kNow);
        QVERIFY(bytes.contains("\n    \"nextDayPart\": 3,\n")); // indented
        const QJsonObject doc = QJsonDocument::fromJson(bytes).object();
        QCOMPARE(doc.keys(), (QStringList{"nextDayPart", "timeStamp", "trayBarInfo", "zoneCurrentDaypart",
                                          "zoneNextDaypart"}));
        QCOMPARE(qint64(doc["timeStamp"].toDouble()), kNow);
        const QJsonArray records = doc["trayBarInfo"].toArray();
        QCOMPARE(records.size(), 4);
        const QJsonObject r = records.at(2).toObject();
        QCOMPARE(r.keys(), (QStringList{"binNumber", "dayPart", "expectedTime", "groupId", "groupIndex",
                                        "holdActivity", "isGroup", "processId", "remainingTime"}));
        QCOMPARE(r["binNumber"].toInt(), 2);
        QCOMPARE(r["holdActivity"].toInt(), 3);
        QCOMPARE(r["groupId"].toDouble(), 4294967280.0);
        QCOMPARE(r["remainingTime"].toInt(), -86400);
        QCOMPARE(qint64(r["expectedTime"].toDouble()), kNow + 1234);
        QCOMPARE(qint64(r["processId"].toDouble()), kNow - 5678);
        QCOMPARE(doc["zoneCurrentDaypart"].toArray(),
                 (QJsonArray{QJsonObject{{"index", 0}, {"value", 1}}, QJsonObject{{"index", 1}, {"value", 2}}}));
        QCOMPARE(doc["zoneNextDaypart"].toArray().at(1).toObject()["value"].toInt(), 4);

        // What was written comes back.
        HoldingFile::State read = emptyCabinet();
        bool stale = true;
        QVERIFY(HoldingFile::mergeJson(bytes, kNow + kMinute, &read, &stale));
        QVERIFY(!stale);
        const trayInfo &back = read.records.at(2);
        QCOMPARE(quint32(back.groupId), 0xFFFFFFF0u);
        QCOMPARE(qint64(back.expectedTime), kNow + 1234);
        QCOMPARE(qint64(back.processId), kNow - 5678);
        QCOMPARE(int(back.groupIndex), 4);
        QCOMPARE(int(back.flag), 0);
        QCOMPARE(read.nextDayPart, 3);
        QCOMPARE(read.zoneCurrentDayParts, (QVector<int>{1, 2}));
        QCOMPARE(read.zoneNextDayParts, (QVector<int>{3, 4}));
    }

    // Which records of a file reach the table: only holds in progress, only
    // from a file less than an hour old, only for bins of the table.
    void restoredRecords_data()
    {
        QTest::addColumn<qint64>("age");
        QTest::addColumn<int>("bin");
        QTest::addColumn<int>("activity");
        QTest::addColumn<bool>("restored");
        QTest::newRow("started") << 10 * kMinute << 1 << 2 << true;
        QTest::newRow("restored before") << 10 * kMinute << 1 << 3 << true;
        QTest::newRow("timer set") << 10 * kMinute << 1 << 4 << true;
        QTest::newRow("expired") << 10 * kMinute << 1 << 5 << true;
        QTest::newRow("stopped") << 10 * kMinute << 1 << 0 << false;
        QTest::newRow("changed") << 10 * kMinute << 1 << 1 << false;
        QTest::newRow("refresh") << 10 * kMinute << 1 << 6 << false;
        QTest::newRow("unknown activity") << 10 * kMinute << 1 << 7 << false;
        QTest::newRow("59 minutes") << 59 * kMinute << 1 << 2 << true;
        QTest::newRow("61 minutes") << 61 * kMinute << 1 << 2 << false;
        QTest::newRow("written in the future") << -30 * kMinute << 1 << 2 << true;
        QTest::newRow("negative bin") << 10 * kMinute << -1 << 2 << false;
        QTest::newRow("bin past the table") << 10 * kMinute << 4 << 2 << false;
        QTest::newRow("bin past a byte") << 10 * kMinute << 257 << 2 << false;
    }
    void restoredRecords()
    {
        QFETCH(qint64, age);
        QFETCH(int, bin);
        QFETCH(int, activity);
        QFETCH(bool, restored);
        const HoldingFile::State before = emptyCabinet();
        HoldingFile::State state = before;
        bool stale = false;
        QVERIFY(HoldingFile::mergeJson(holdingJson(kNow - age, {record(bin, activity)}), kNow, &state, &stale));
        QCOMPARE(stale, age > 60 * kMinute);
        int changed = -1;
        for (int i = 0; i < state.records.size(); ++i)
            if (memcmp(&state.records.at(i), &before.records.at(i), sizeof(trayInfo)) != 0)
                changed = i;
        QCOMPARE(changed, restored ? bin : -1);
        if (restored) {
            QCOMPARE(int(state.records.at(bin).holdActivity), activity);
            QCOMPARE(qint64(state.records.at(bin).expectedTime), kNow + 5 * kMinute);
        }
    }

    // Zone day parts start from the file's next day part; zone entries fill
    // in what they name, and indexes outside the zones are skipped.
    void zoneDayParts()
    {
        HoldingFile::State state = emptyCabinet();
        bool stale = false;
        QVERIFY(HoldingFile::mergeJson(holdingJson(kNow, {}, {{"nextDayPart", 5}}), kNow, &state, &stale));
        QCOMPARE(state.zoneCurrentDayParts, (QVector<int>{5, 5}));
        QCOMPARE(state.zoneNextDayParts, (QVector<int>{5, 5}));

        const QJsonObject zones{
            {"nextDayPart", 5},
            {"zoneCurrentDaypart", QJsonArray{QJsonObject{{"index", 1}, {"value", 2}},
                                              QJsonObject{{"index", 2}, {"value", 9}},
                                              QJsonObject{{"index", -1}, {"value", 9}}}}};
        state = emptyCabinet();
        QVERIFY(HoldingFile::mergeJson(holdingJson(kNow, {}, zones), kNow, &state, &stale));
        QCOMPARE(state.zoneCurrentDayParts, (QVector<int>{5, 2}));
        QCOMPARE(state.zoneNextDayParts, (QVector<int>{5, 5}));
    }

    // Not a holding file: nothing changes. A file without a time stamp is
    // stale; wrong types read as 0 and never crash.
    void badDocuments()
    {
        for (const QByteArray &bytes : {QByteArray(), QByteArray("{\"timeStamp\": 1"), QByteArray("[1, 2]"),
                                        QByteArray("\xff\xfe garbage")}) {
            HoldingFile::State state = emptyCabinet();
            state.records[0].holdActivity = 2;
            state.nextDayPart = 7;
            bool stale = false;
            QVERIFY2(!HoldingFile::mergeJson(bytes, kNow, &state, &stale), bytes.constData());
            QCOMPARE(int(state.records.at(0).holdActivity), 2);
            QCOMPARE(state.nextDayPart, 7);
        }

        HoldingFile::State state = emptyCabinet();
        bool stale = false;
        QJsonObject doc{{"trayBarInfo", QJsonArray{record(1, 2)}}};
        QVERIFY(HoldingFile::mergeJson(QJsonDocument(doc).toJson(), kNow, &state, &stale));
        QVERIFY(stale);
        QCOMPARE(int(state.records.at(1).holdActivity), 0);

        QJsonObject odd = record(2, 2);
        odd["expectedTime"] = "soon";
        odd["remainingTime"] = 1e300;
        odd["groupId"] = QJsonValue();
        doc = QJsonObject{{"timeStamp", kNow}, {"trayBarInfo", QJsonArray{odd, 42, "x"}}, {"nextDayPart", "x"}};
        QVERIFY(HoldingFile::mergeJson(QJsonDocument(doc).toJson(), kNow, &state, &stale));
        QCOMPARE(int(state.records.at(2).holdActivity), 2);
        QCOMPARE(qint64(state.records.at(2).expectedTime), qint64(0));
        QCOMPARE(qint32(state.records.at(2).remainingTime), 0);
        QCOMPARE(quint32(state.records.at(2).groupId), 0u);
        QCOMPARE(state.nextDayPart, 0);
    }

    // The older stream: records by position, no process id; zone values
    // that are missing take the next day part; a cut stream restores nothing.
    void legacyStream()
    {
        const QList<LegacyRecord> records{{0, 0, 0, 0, 0, 0, 0, 0},
                                          {1, 2, 1, 0, 12, 0, 600, kNow + 5 * kMinute},
                                          {2, 1, 1, 0, 7, 0, 0, 0},
                                          {3, 5, 1, 1, 300, 2, -10, kNow - 10000}};
        HoldingFile::State state = emptyCabinet();
        bool stale = true;
        QVERIFY(HoldingFile::mergeLegacy(legacyFile(kNow - 10 * kMinute, records, 3, {1}), kNow, &state, &stale));
        QVERIFY(!stale);
        QCOMPARE(int(state.records.at(1).holdActivity), 2);
        QCOMPARE(quint32(state.records.at(1).groupId), 12u);
        QCOMPARE(qint64(state.records.at(1).expectedTime), kNow + 5 * kMinute);
        QCOMPARE(qint64(state.records.at(1).processId), qint64(0));
        QCOMPARE(int(state.records.at(2).holdActivity), 0);
        QCOMPARE(int(state.records.at(3).groupIndex), 2);
        QCOMPARE(qint32(state.records.at(3).remainingTime), -10);
        QCOMPARE(state.nextDayPart, 3);
        QCOMPARE(state.zoneCurrentDayParts, (QVector<int>{1, 3}));
        QCOMPARE(state.zoneNextDayParts, (QVector<int>{3, 3}));

        state = emptyCabinet();
        QVERIFY(HoldingFile::mergeLegacy(legacyFile(kNow - 61 * kMinute, records, 3, {}), kNow, &state, &stale));
        QVERIFY(stale);
        QCOMPARE(int(state.records.at(1).holdActivity), 0);

        // Cut inside the records.
        state = emptyCabinet();
        const QByteArray whole = legacyFile(kNow, records, 3, {1, 1, 2, 2});
        QVERIFY(!HoldingFile::mergeLegacy(whole.left(40), kNow, &state, &stale));
        QCOMPARE(int(state.records.at(1).holdActivity), 0);
    }
};

QTEST_APPLESS_MAIN(TestHoldingFile)
#include "tst_holdingfile.moc"
