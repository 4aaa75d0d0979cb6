#include "core/builtinlayout.h"

#include <QtTest>

#include <algorithm>

namespace {
QVariant value(const BuiltInLayout &l, const char *name)
{
    for (const auto &p : l.properties)
        if (p.first == name)
            return p.second;
    return QVariant();
}

bool isPermutation(QList<int> list, int n)
{
    std::sort(list.begin(), list.end());
    for (int i = 0; i < list.size(); ++i)
        if (list[i] != i)
            return false;
    return list.size() == n;
}
} // namespace

class TestBuiltInLayout : public QObject
{
    Q_OBJECT

private slots:
    // Every built-in layout's lists fit its own cabinet: a typo in a map would
    // send a set point or a tag to the wrong bin.
    void listsFitTheCabinet_data()
    {
        QTest::addColumn<int>("uiId");
        for (int id : {1, 2, 9, 10, 17, 18, 20, 24, 32, 33, 34, 36, 40, 0})
            QTest::newRow(qPrintable(QString::number(id))) << id;
    }
    void listsFitTheCabinet()
    {
        QFETCH(int, uiId);
        const BuiltInLayout l = BuiltInLayout::forUiId(uiId);
        const int zones = value(l, "numberOfZones").toInt();
        const int bins = zones * value(l, "traysPerZone").toInt();
        // The four-tray layouts order their trays in pairs, so the tray map
        // can be shorter than the cabinet; it is always a permutation.
        QVERIFY(isPermutation(l.mio2uitMap, l.mio2uitMap.size()));
        QVERIFY(l.mio2uitMap.size() == bins || l.mio2uitMap.size() * 2 == bins);
        QCOMPARE(l.binTestTemps.size(), l.mio2uitMap.size());
        QVERIFY(isPermutation(l.ui2mioZoneMap, zones));
        QVERIFY(isPermutation(l.zoneMap, zones));
        if (l.setsNfcMap)
            QVERIFY(isPermutation(l.nfcMap, bins));
        const int first = value(l, "zones2handleStart").toInt();
        QVERIFY(first + value(l, "zones2handle").toInt() <= zones);
    }

    void presets_data()
    {
        QTest::addColumn<int>("uiId");
        QTest::addColumn<bool>("known");
        QTest::addColumn<QVariant>("role");
        QTest::addColumn<QVariant>("primary");
        QTest::addColumn<QVariant>("nfc");
        QTest::addColumn<QVariant>("powerSource");
        QTest::addColumn<int>("iosyscfg");
        QTest::addColumn<int>("ioOutputs");
        QTest::newRow("0 other") << 0 << false << QVariant(1) << QVariant(false) << QVariant(false) << QVariant(120) << 6 << 5;
        QTest::newRow("1 5x4 primary") << 1 << true << QVariant(1) << QVariant(true) << QVariant(true) << QVariant(120) << 6 << 5;
        QTest::newRow("2 5x4 secondary") << 2 << true << QVariant(2) << QVariant(false) << QVariant(true) << QVariant(120) << -1 << 0;
        QTest::newRow("10 2x4 mirror") << 10 << true << QVariant(3) << QVariant(false) << QVariant(true) << QVariant(120) << -1 << 0;
        QTest::newRow("32 5x2 alone") << 32 << true << QVariant(0) << QVariant(true) << QVariant(true) << QVariant(120) << 5 << 3;
        QTest::newRow("33 4x2 primary") << 33 << true << QVariant(1) << QVariant(true) << QVariant(false) << QVariant(208) << 7 << 2;
        QTest::newRow("34 leaves primary") << 34 << true << QVariant(3) << QVariant() << QVariant(false) << QVariant(208) << -1 << 0;
        QTest::newRow("unknown 99") << 99 << false << QVariant(1) << QVariant(false) << QVariant(false) << QVariant(120) << 6 << 5;
    }
    void presets()
    {
        QFETCH(int, uiId);
        QFETCH(bool, known);
        QFETCH(QVariant, role);
        QFETCH(QVariant, primary);
        QFETCH(QVariant, nfc);
        QFETCH(QVariant, powerSource);
        QFETCH(int, iosyscfg);
        QFETCH(int, ioOutputs);
        const BuiltInLayout l = BuiltInLayout::forUiId(uiId);
        QCOMPARE(l.known, known);
        QCOMPARE(BuiltInLayout::isBuiltIn(uiId), known);
        QCOMPARE(value(l, "uiRole"), role);
        QCOMPARE(value(l, "iAmMaster"), primary);
        QCOMPARE(value(l, "nfcEnabled"), nfc);
        QCOMPARE(value(l, "powerSource"), powerSource);
        QCOMPARE(l.iosyscfg, iosyscfg);
        QCOMPARE(l.ioBoardToZoneMap.size(), ioOutputs);
    }

    void otherRowLeavesWhatItDoesNotName()
    {
        const BuiltInLayout l = BuiltInLayout::forUiId(0);
        for (const char *left : {"cabinetConfiguration", "numOfTempProbes", "tempLayout", "mirrorDisplay"})
            QVERIFY2(!value(l, left).isValid(), left);
        QVERIFY(!l.setsSyncNeeded);
        QCOMPARE(value(l, "traysPerCabinet"), QVariant(20));
        QCOMPARE(value(l, "zones2handle"), QVariant(5));
        QCOMPARE(l.zoneMap, (QList<int>{8, 9, 6, 7, 4, 5, 2, 3, 0, 1}));
    }

    void extrasFollowTheRow()
    {
        const BuiltInLayout mirror = BuiltInLayout::forUiId(24);
        QCOMPARE(value(mirror, "tempRangeErrorDisable"), QVariant(true));
        QCOMPARE(value(mirror, "hasFan"), QVariant(true));
        QCOMPARE(value(BuiltInLayout::forUiId(9), "zonesPerRow"), QVariant(2));
        QVERIFY(BuiltInLayout::forUiId(9).setsSyncNeeded);
        QVERIFY(BuiltInLayout::forUiId(9).syncNeeded);
        QVERIFY(!BuiltInLayout::forUiId(10).syncNeeded);
        QCOMPARE(BuiltInLayout::forUiId(9).nfcMap, (QList<int>{0, 1, 4, 5, 2, 3, 6, 7}));
        QVERIFY(!BuiltInLayout::forUiId(33).setsNfcMap);
    }
};

QTEST_APPLESS_MAIN(TestBuiltInLayout)
#include "tst_builtinlayout.moc"
