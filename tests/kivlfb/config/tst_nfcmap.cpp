#include "config/fileid.h"
#include "config/nfcmap.h"
#include "config/nfcpollinfo.h"

#include <QtTest>

namespace {

// One zone record as {zone, left bin, address, channel, poll order, right
// bin, address, channel, poll order}.
using Record = QVector<int>;

Record recordOf(const NfcZoneInfo &z)
{
    return {z.zone, z.left.binIndex, z.left.address, z.left.channel, z.left.pollOrder,
            z.right.binIndex, z.right.address, z.right.channel, z.right.pollOrder};
}

// A group as {address, then channel and bin of each entry}.
QVector<int> groupOf(const NfcPollGroup &g)
{
    QVector<int> out{g.address};
    for (int i = 0; i < g.count; ++i)
        out << g.entries[i].channel << g.entries[i].binIndex;
    return out;
}

} // namespace

class TestNfcMap : public QObject
{
    Q_OBJECT

private slots:
    void builtInLayouts_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("zones");
        QTest::addColumn<QVector<Record>>("records");

        const QVector<Record> fiveByFour = {
            {0, 0, 2, 0, 1, 1, 2, 1, 2},   {1, 2, 2, 2, 1, 3, 2, 3, 2},   {2, 4, 2, 4, 1, 5, 2, 5, 2},
            {3, 6, 2, 6, 1, 7, 2, 7, 2},   {4, 8, 2, 8, 1, 9, 2, 9, 2},   {5, 10, 3, 0, 1, 11, 3, 1, 2},
            {6, 12, 3, 2, 1, 13, 3, 3, 2}, {7, 14, 3, 4, 1, 15, 3, 5, 2}, {8, 16, 3, 6, 1, 17, 3, 7, 2},
            {9, 18, 3, 8, 1, 19, 3, 9, 2},
        };
        QTest::newRow("5x4 primary") << 1 << 10 << fiveByFour;
        QTest::newRow("5x4 secondary") << 2 << 10 << fiveByFour;

        // The upper zones are read before the lower ones.
        const QVector<Record> twoByFour = {
            {0, 0, 2, 0, 1, 1, 2, 1, 1},
            {2, 4, 2, 4, 1, 5, 2, 5, 1},
            {1, 2, 2, 2, 1, 3, 2, 3, 1},
            {3, 6, 2, 6, 1, 7, 2, 7, 1},
        };
        QTest::newRow("2x4 primary") << 9 << 4 << twoByFour;
        QTest::newRow("2x4 mirror") << 10 << 4 << twoByFour;

        const QVector<Record> twoByTwo = {{0, 0, 2, 0, 1, 1, 2, 1, 1}, {1, 2, 2, 2, 1, 3, 2, 3, 1}};
        QTest::newRow("2x2 primary") << 17 << 2 << twoByTwo;
        QTest::newRow("2x2 mirror") << 18 << 2 << twoByTwo;

        QVector<Record> fiveByTwo;
        for (int z = 0; z < 5; ++z)
            fiveByTwo << Record{z, 2 * z, 2, 2 * z, 1, 2 * z + 1, 2, 2 * z + 1, 1};
        QTest::newRow("5x2 primary") << 32 << 5 << fiveByTwo;

        // A zone count above what the layout serves stops at the layout.
        QTest::newRow("2x4 with five zones") << 9 << 5 << twoByFour;
    }
    void builtInLayouts()
    {
        QFETCH(int, id);
        QFETCH(int, zones);
        QFETCH(QVector<Record>, records);

        NfcMap map;
        map.clear();
        map.zones[19].zone = 77; // must be cleared
        QVERIFY(map.fillBuiltInLayout(id, zones));
        for (int z = 0; z < records.size(); ++z)
            QCOMPARE(recordOf(map.zones[z]), records.at(z));
        for (int z = records.size(); z < NfcMap::MaxZones; ++z)
            QCOMPARE(recordOf(map.zones[z]), Record(9, 0));
    }

    void builtInPollingPlans_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("zones");
        QTest::addColumn<int>("addresses");
        QTest::addColumn<int>("pollOrders");
        QTest::addColumn<QVector<QVector<int>>>("groups"); // [0][0], [0][1], [1][0], [1][1]

        QTest::newRow("5x4") << 1 << 10 << 2 << 2
                             << QVector<QVector<int>>{{2, 0, 0, 2, 2, 4, 4, 6, 6, 8, 8},
                                                      {2, 1, 1, 3, 3, 5, 5, 7, 7, 9, 9},
                                                      {3, 0, 10, 2, 12, 4, 14, 6, 16, 8, 18},
                                                      {3, 1, 11, 3, 13, 5, 15, 7, 17, 9, 19}};
        QTest::newRow("2x4") << 9 << 4 << 1 << 1
                             << QVector<QVector<int>>{{2, 0, 0, 1, 1, 4, 4, 5, 5, 2, 2, 3, 3, 6, 6, 7, 7},
                                                      {0}, {0}, {0}};
        QTest::newRow("5x2") << 32 << 5 << 1 << 1
                             << QVector<QVector<int>>{{2, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9},
                                                      {0}, {0}, {0}};
    }
    void builtInPollingPlans()
    {
        QFETCH(int, id);
        QFETCH(int, zones);
        QFETCH(QVector<QVector<int>>, groups);

        FileID fileId;
        fileId.set_numberOfZones(zones);
        fileId.set_nfcEnabled(true);
        fileId.initNfcMap(id);
        const NfcPollInfo *plan = fileId.get_nfcPollingInfo();
        QVERIFY(plan);
        QTEST(plan->numAddresses, "addresses");
        QTEST(plan->numPollOrders, "pollOrders");
        QCOMPARE(groupOf(plan->groups[0][0]), groups.at(0));
        QCOMPARE(groupOf(plan->groups[0][1]), groups.at(1));
        QCOMPARE(groupOf(plan->groups[1][0]), groups.at(2));
        QCOMPARE(groupOf(plan->groups[1][1]), groups.at(3));
    }

    void idWithoutLayoutKeepsMap()
    {
        for (int id : {0, 20, 33, -1}) {
            NfcMap map;
            map.clear();
            map.zones[0].left.binIndex = 5;
            map.zones[0].left.pollOrder = 2;
            QVERIFY(!map.fillBuiltInLayout(id, 10));
            QCOMPARE(map.zones[0].left.binIndex, 5);
            QCOMPARE(map.zones[0].left.pollOrder, 2);
        }
    }

    void planWithNfcDisabled()
    {
        FileID fileId;
        fileId.set_numberOfZones(10);
        fileId.initNfcMap(1);
        NfcPollInfo *plan = fileId.get_nfcPollingInfo();
        QVERIFY(plan);
        QCOMPARE(plan->groups[1][1].count, 5);

        // A plan built before stays as it was while NFC is off.
        fileId.set_nfcEnabled(false);
        fileId.get_nfcMap()->clear();
        QCOMPARE(fileId.get_nfcPollingInfo(), nullptr);
        QCOMPARE(plan->groups[1][1].count, 5);
        QCOMPARE(plan->numAddresses, 2);
    }

    // Sides outside the plan's limits are left out, not written past it.
    void unusableSidesAreSkipped_data()
    {
        QTest::addColumn<QVector<Record>>("records");
        QTest::addColumn<int>("addresses");
        QTest::addColumn<int>("pollOrders");
        QTest::addColumn<QVector<QVector<int>>>("groups"); // [0][0], [0][1], [1][0], [1][1]

        QTest::newRow("missing poll order")
            << QVector<Record>{{0, 0, 2, 0, 1, 1, 2, 1, 0}} << 1 << 1
            << QVector<QVector<int>>{{2, 0, 0}, {0}, {0}, {0}};
        QTest::newRow("poll orders 3 and -1")
            << QVector<Record>{{0, 0, 2, 0, 3, 1, 2, 1, -1}, {1, 2, 2, 2, 2, 3, 2, 3, 2}} << 1 << 1
            << QVector<QVector<int>>{{0}, {2, 2, 2, 3, 3}, {0}, {0}};
        QTest::newRow("third reader address")
            << QVector<Record>{{0, 0, 2, 0, 1, 1, 3, 0, 1}, {1, 2, 4, 0, 1, 3, 3, 1, 2}} << 2 << 2
            << QVector<QVector<int>>{{2, 0, 0}, {2}, {3, 0, 1}, {3, 1, 3}};
    }
    void unusableSidesAreSkipped()
    {
        QFETCH(QVector<Record>, records);
        QFETCH(QVector<QVector<int>>, groups);
        NfcMap map;
        map.clear();
        for (int z = 0; z < records.size(); ++z) {
            const Record &r = records.at(z);
            map.zones[z] = NfcZoneInfo{r[0], {r[1], r[2], r[3], r[4]}, {r[5], r[6], r[7], r[8]}};
        }
        NfcPollInfo plan;
        plan.build(map, records.size());
        QTEST(plan.numAddresses, "addresses");
        QTEST(plan.numPollOrders, "pollOrders");
        QCOMPARE(groupOf(plan.groups[0][0]), groups.at(0));
        QCOMPARE(groupOf(plan.groups[0][1]), groups.at(1));
        QCOMPARE(groupOf(plan.groups[1][0]), groups.at(2));
        QCOMPARE(groupOf(plan.groups[1][1]), groups.at(3));
    }

    void groupStopsAtTwelveEntries()
    {
        NfcMap map;
        map.clear();
        for (int z = 0; z < NfcMap::MaxZones; ++z)
            map.zones[z] = NfcZoneInfo{z, {2 * z, 2, 0, 1}, {2 * z + 1, 2, 1, 1}};
        NfcPollInfo plan;
        plan.build(map, 40); // more zones than the map holds, too
        QCOMPARE(plan.numAddresses, 1);
        QCOMPARE(plan.groups[0][0].count, NfcPollGroup::MaxEntries);
        QCOMPARE(plan.groups[0][0].entries[11].binIndex, 11);
        QCOMPARE(plan.groups[0][1].count, 0);
        QCOMPARE(plan.groups[1][0].count, 0);
    }
};

QTEST_GUILESS_MAIN(TestNfcMap)
#include "tst_nfcmap.moc"
