#include "core/commandline.h"

#include <QtTest>

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("simulation");
        QTest::addColumn<int>("idConnector"); // -1: not given
        QTest::addColumn<double>("sx");
        QTest::addColumn<double>("sy");
        QTest::addColumn<QStringList>("trace");

        const QString prog = QStringLiteral("kivlfb");
        QTest::newRow("nothing") << QStringList{prog} << 0 << -1 << 1.0 << 1.0 << QStringList();
        QTest::newRow("simulation as program name") << QStringList{"-simulation"} << 0 << -1 << 1.0 << 1.0 << QStringList();
        QTest::newRow("simulation later") << QStringList{prog, "-x", "-simulation"} << 7 << -1 << 1.0 << 1.0 << QStringList();
        QTest::newRow("simulation must match whole") << QStringList{prog, "-simulationX"} << 0 << -1 << 1.0 << 1.0 << QStringList();
        QTest::newRow("id connector") << QStringList{prog, "-idConnector33"} << 0 << 33 << 1.0 << 1.0 << QStringList();
        QTest::newRow("leading zeros") << QStringList{prog, "-idConnector0040"} << 0 << 40 << 1.0 << 1.0 << QStringList();
        QTest::newRow("first id wins") << QStringList{prog, "-idConnector9", "-idConnector17"} << 0 << 9 << 1.0 << 1.0 << QStringList();
        QTest::newRow("id without digits") << QStringList{prog, "-idConnector"} << 0 << -1 << 1.0 << 1.0 << QStringList();
        QTest::newRow("id as separate argument") << QStringList{prog, "-idConnector", "5"} << 0 << -1 << 1.0 << 1.0 << QStringList();
        QTest::newRow("id too large") << QStringList{prog, "-idConnector99999999999"} << 0 << -1 << 1.0 << 1.0 << QStringList();
        QTest::newRow("scales") << QStringList{prog, "-sx1.25", "-sy0.5"} << 0 << -1 << 1.25 << 0.5 << QStringList();
        QTest::newRow("scale without decimal point") << QStringList{prog, "-sx2", "-sy10.5"} << 0 << -1 << 1.0 << 1.0 << QStringList();
        QTest::newRow("first scale wins") << QStringList{prog, "-sx1.5", "-sx2.5"} << 0 << -1 << 1.5 << 1.0 << QStringList();
        QTest::newRow("trace") << QStringList{prog, "-trace(cbm,mbm)"} << 0 << -1 << 1.0 << 1.0 << QStringList{"cbm", "mbm"};
        QTest::newRow("empty trace") << QStringList{prog, "-trace()"} << 0 << -1 << 1.0 << 1.0 << QStringList();
    }
    void parse()
    {
        QFETCH(QStringList, args);
        QFETCH(int, simulation);
        QFETCH(int, idConnector);
        QFETCH(double, sx);
        QFETCH(double, sy);
        QFETCH(QStringList, trace);

        const CommandLine cl = CommandLine::parse(args);
        QCOMPARE(cl.simulationFlags, simulation);
        QCOMPARE(cl.hasIdConnector, idConnector >= 0);
        if (idConnector >= 0)
            QCOMPARE(cl.idConnector, idConnector);
        QCOMPARE(cl.scaleX, sx);
        QCOMPARE(cl.scaleY, sy);
        QCOMPARE(cl.traceNames, trace);
    }

    void flags()
    {
        const CommandLine none = CommandLine::parse({"kivlfb"});
        QVERIFY(!none.singleDisplay && !none.uiDebug && !none.ignoreTpErrors && !none.logModbus);
        const CommandLine all = CommandLine::parse(
            {"kivlfb", "-singledisplay", "-uiDebug", "-ignoreTpErrors", "-logmodbus"});
        QVERIFY(all.singleDisplay && all.uiDebug && all.ignoreTpErrors && all.logModbus);
        const CommandLine programOnly = CommandLine::parse({"-uiDebug"});
        QVERIFY(!programOnly.uiDebug);
    }
};

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
