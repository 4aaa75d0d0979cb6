#include "config/eoltesting.h"

#include "machinestates.h"
#include "messagecatcher.h"

#include <QSignalSpy>
#include <QtTest>

class TestEolTesting : public QObject
{
    Q_OBJECT

private slots:
    void startsIdleAndTakesTheBroadcastRequest()
    {
        MessageCatcher catcher;
        EolTesting eol;
        QVERIFY2(catcher.warnings().isEmpty(), qPrintable(catcher.warnings().join('\n')));
        QVERIFY(!eol.getEolTestStarted());

        eol.start();
        QTRY_COMPARE(eol.property("isRunning").toBool(), true);
        QCOMPARE(activeStateNames(eol), QStringList{"idle"});

        QSignalSpy request(&eol, &EolTesting::udpBroadCastStartReq);
        eol.startUdpbroadcast();
        QCOMPARE(request.count(), 1);

        QSignalSpy started(&eol, &EolTesting::eolTestStartedChanged);
        eol.setEolTestStarted(true);
        eol.setEolTestStarted(true);
        QCOMPARE(started.count(), 1);
    }
};

QTEST_MAIN(TestEolTesting)
#include "tst_eoltesting.moc"
