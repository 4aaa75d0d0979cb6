#include "core/tempprobestatemanager.h"

#include "platform/kivclock.h"

#include "messagecatcher.h"

#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>

using TPSM = TempProbeStateManager;

class TestTempProbeStateManager : public QObject
{
    Q_OBJECT

    std::unique_ptr<TPSM> probe;

    // The guard is looked at once a second; wait for one look.
    void waitForErrorCheck()
    {
        QTimer *timer = probe->findChild<QTimer *>(QStringLiteral("errorDelayTimer"));
        QVERIFY(timer);
        QVERIFY(timer->isActive());
        QSignalSpy tick(timer, &QTimer::timeout);
        QVERIFY(tick.wait(2000));
        QCoreApplication::processEvents();
    }

    void startProbe(int number, bool ignoreErrors = false)
    {
        probe = std::make_unique<TPSM>();
        probe->setObjectName(QStringLiteral("tpsm_%1").arg(number));
        probe->set_tpNumber(number);
        if (ignoreErrors)
            probe->set_ignoreErrorsFlag(true);
        probe->start();
        QTRY_VERIFY(probe->isRunning());
    }

private slots:
    void init() { KivClock::freezeAt(1700000000000); }
    void cleanup()
    {
        probe.reset();
        KivClock::useSystemClock();
    }

    void startsUnknownWithoutAnnouncingIt()
    {
        MessageCatcher catcher;
        probe = std::make_unique<TPSM>();
        QSignalSpy tps(probe.get(), &TPSM::tpsChanged);
        probe->set_tpNumber(3);
        probe->start();
        QTRY_VERIFY(probe->isRunning());
        QCoreApplication::processEvents();
        QCOMPARE(probe->get_tps(), int(TPSM::TPS_UNKNOWN));
        QCOMPARE(tps.count(), 0);
        QVERIFY2(catcher.warnings().isEmpty(), qPrintable(catcher.warnings().join('\n')));
    }

    // Status reports from the error controller: only this probe's count,
    // and each report moves the state at once (no debounce yet).
    void statusReportsMoveTheState_data()
    {
        QTest::addColumn<QList<int>>("reports"); // pairs: probe, status
        QTest::addColumn<int>("expected");
        QTest::newRow("normal") << QList<int>{5, 0} << int(TPSM::TPS_VALID);
        QTest::newRow("shorted is too low at first") << QList<int>{5, 1} << int(TPSM::TPS_TOO_LOW);
        QTest::newRow("open is too high at first") << QList<int>{5, 2} << int(TPSM::TPS_TOO_HIGH);
        QTest::newRow("unknown status counts as normal") << QList<int>{5, 7} << int(TPSM::TPS_VALID);
        QTest::newRow("another probe's report is ignored") << QList<int>{4, 1, 6, 2} << int(TPSM::TPS_UNKNOWN);
        QTest::newRow("open after shorted") << QList<int>{5, 1, 5, 2} << int(TPSM::TPS_TOO_HIGH);
        QTest::newRow("back to normal") << QList<int>{5, 2, 5, 0} << int(TPSM::TPS_VALID);
    }

    void statusReportsMoveTheState()
    {
        QFETCH(QList<int>, reports);
        QFETCH(int, expected);
        startProbe(5);
        for (int i = 0; i + 1 < reports.size(); i += 2) {
            probe->processTcErrorState(quint16(reports.at(i)), quint16(reports.at(i + 1)));
            QCoreApplication::processEvents();
        }
        QCOMPARE(probe->get_tps(), expected);
    }

    void readingsAtTheSensorLimits_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("-327 shorted") << -327 << int(TPSM::TPS_TOO_LOW);
        QTest::newRow("-1000 shorted") << -1000 << int(TPSM::TPS_TOO_LOW);
        QTest::newRow("-326 normal") << -326 << int(TPSM::TPS_VALID);
        QTest::newRow("326 normal") << 326 << int(TPSM::TPS_VALID);
        QTest::newRow("327 open") << 327 << int(TPSM::TPS_TOO_HIGH);
    }

    void readingsAtTheSensorLimits()
    {
        QFETCH(int, value);
        QFETCH(int, expected);
        startProbe(0);
        probe->processNewValue(value);
        QCoreApplication::processEvents();
        QCOMPARE(probe->get_tps(), expected);
    }

    void shortedFor299SecondsNeverBecomesAnError()
    {
        startProbe(2);
        QSignalSpy shortedError(probe.get(), &TPSM::tpsShortedError);
        probe->processTcErrorState(2, 1);
        QCoreApplication::processEvents();
        QCOMPARE(probe->get_tps(), int(TPSM::TPS_TOO_LOW));

        // Repeated reports do not restart the count, and 299 s is not enough.
        KivClock::advance(150 * 1000);
        probe->processTcErrorState(2, 1);
        KivClock::advance(149 * 1000);
        waitForErrorCheck();
        QCOMPARE(probe->get_tps(), int(TPSM::TPS_TOO_LOW));

        probe->processTcErrorState(2, 0);
        QCoreApplication::processEvents();
        QCOMPARE(probe->get_tps(), int(TPSM::TPS_VALID));
        QCOMPARE(shortedError.count(), 0);
        QVERIFY(!probe->findChild<QTimer *>(QStringLiteral("errorDelayTimer"))->isActive());
    }

    void shortedFor300SecondsIsAnError()
    {
        startProbe(2);
        QSignalSpy shortedError(probe.get(), &TPSM::tpsShortedError);
        probe->processTcErrorState(2, 1);
        QCoreApplication::processEvents();
        KivClock::advance(150 * 1000);
        probe->processTcErrorState(2, 1);
        KivClock::advance(150 * 1000);
        waitForErrorCheck();
        QCOMPARE(probe->get_tps(), int(TPSM::TPS_SHORTED_ERROR));
        QCOMPARE(shortedError.count(), 1);

        // A further shorted report changes nothing; open goes to too high
        // first, not straight to the open error.
        probe->processTcErrorState(2, 1);
        QCoreApplication::processEvents();
        QCOMPARE(probe->get_tps(), int(TPSM::TPS_SHORTED_ERROR));
        QCOMPARE(shortedError.count(), 1);
        probe->processTcErrorState(2, 2);
        QCoreApplication::processEvents();
        QCOMPARE(probe->get_tps(), int(TPSM::TPS_TOO_HIGH));
    }

    void aChangeOfConditionRestartsTheCount()
    {
        startProbe(1);
        QSignalSpy openError(probe.get(), &TPSM::tpsOpenError);
        probe->processTcErrorState(1, 1);
        QCoreApplication::processEvents();
        KivClock::advance(200 * 1000);
        probe->processTcErrorState(1, 2);
        QCoreApplication::processEvents();
        QCOMPARE(probe->get_tps(), int(TPSM::TPS_TOO_HIGH));

        // 299 s after the open report: still only suspect.
        KivClock::advance(299 * 1000);
        waitForErrorCheck();
        QCOMPARE(probe->get_tps(), int(TPSM::TPS_TOO_HIGH));
        QCOMPARE(openError.count(), 0);

        KivClock::advance(1000);
        waitForErrorCheck();
        QCOMPARE(probe->get_tps(), int(TPSM::TPS_OPEN_ERROR));
        QCOMPARE(openError.count(), 1);
    }

    void ignoringErrorsParksTheProbeForGood()
    {
        startProbe(0, true);
        QSignalSpy tps(probe.get(), &TPSM::tpsChanged);
        for (int status : {1, 2, 0, 1})
            probe->processTcErrorState(0, quint16(status));
        probe->processNewValue(-400);
        QCoreApplication::processEvents();
        QCOMPARE(probe->get_tps(), int(TPSM::TPS_UNKNOWN));
        QCOMPARE(tps.count(), 0);

        // A flag set after the start has no effect.
        startProbe(0);
        probe->set_ignoreErrorsFlag(true);
        probe->processTcErrorState(0, 1);
        QCoreApplication::processEvents();
        QCOMPARE(probe->get_tps(), int(TPSM::TPS_TOO_LOW));
    }
};

QTEST_GUILESS_MAIN(TestTempProbeStateManager)
#include "tst_tempprobestatemanager.moc"
