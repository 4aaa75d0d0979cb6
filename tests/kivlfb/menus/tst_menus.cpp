#include "menus/daypartmanager.h"

#include <QtTest>

class TestMenus : public QObject
{
    Q_OBJECT

private slots:
    void dayPartsStartWithTwoInUse()
    {
        DayPartManager dayParts(5, 2, nullptr, nullptr);
        QCOMPARE(dayParts.get_numberOfZones(), 5);
        QCOMPARE(dayParts.get_traysPerZone(), 2);
        QCOMPARE(dayParts.get_numOfTrays(), 20);
        QCOMPARE(dayParts.getDayPartsCount(), 2);
        QVERIFY(dayParts.getDayPartIsUsed(0));
        QVERIFY(dayParts.getDayPartIsUsed(1));
        QVERIFY(!dayParts.getDayPartIsUsed(2));
        QCOMPARE(dayParts.getDayPartToUse(0), 0);
        QCOMPARE(dayParts.getDayPartToUse(1), 1);
        QCOMPARE(dayParts.getDayPartToUse(2), -1);
        QCOMPARE(dayParts.getDayPartToUse(-1), -1);
    }

    void productLookupOutsideTheTableGivesNothing_data()
    {
        QTest::addColumn<int>("dayPart");
        QTest::addColumn<int>("bin");
        QTest::addColumn<int>("logLines");
        QTest::newRow("inside") << 9 << 7 << 0;
        QTest::newRow("day part below") << -1 << 0 << 1;
        QTest::newRow("day part above") << 10 << 0 << 1;
        QTest::newRow("bin beyond the trays in use") << 0 << 8 << 1;
        QTest::newRow("bin beyond the table") << 0 << 25 << 1;
        QTest::newRow("both bad") << 11 << -3 << 2;
    }

    void productLookupOutsideTheTableGivesNothing()
    {
        QFETCH(int, dayPart);
        QFETCH(int, bin);
        QFETCH(int, logLines);

        DayPartManager dayParts(4, 2, nullptr, nullptr);
        dayParts.set_numOfTrays(8);
        for (int i = 0; i < logLines; ++i)
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^getProdIdOnBin\\(\\) (dp|bin) out of range:  -?\\d+$"));
        QCOMPARE(dayParts.getProdIdOnBin(dayPart, bin), 0);
    }
};

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
