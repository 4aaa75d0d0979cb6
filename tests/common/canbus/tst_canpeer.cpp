#include "canbus/canbusmanager.h"
#include "cantestnode.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

// Two processes, two displays, one virtual bus.
class TestCanPeer : public QObject
{
    Q_OBJECT

private slots:
    void twoProcessesExchangeMessages()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString bus = dir.filePath(QStringLiteral("can0"));
        qputenv("KIV_CAN", "virtual");
        qputenv("KIV_VCAN_DIR", QFile::encodeName(bus));

        QProcess peer;
        peer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        peer.start(QStringLiteral(CAN_PEER_PATH), QStringList());
        // Generous limits: on a loaded machine starting a second Qt program
        // alone can take seconds; a pass is still fast.
        QVERIFY(peer.waitForStarted(30000));
        QTRY_VERIFY_WITH_TIMEOUT(peer.canReadLine(), 30000);
        QCOMPARE(peer.readLine(), QByteArray("ready\n"));

        CanTestNode self(1);
        QSignalSpy single(self.manager(), SIGNAL(receivedSinglePacket(QByteArray)));
        QSignalSpy message(self.manager(), SIGNAL(receivedMpm(int,QByteArray)));

        self.sendSingle(QByteArray(1, char(CanbusManager::KIVMSGSINGLE_ROLLCALL_REQUEST)));
        QByteArray payload(600, '\0');
        for (int i = 0; i < payload.size(); ++i)
            payload[i] = char(i * 7 + 3);
        self.sendMulti(CanbusManager::KIV_MULTI_OBJ_PROPERTY, payload);

        // The peer also acknowledges each record of the long message with a
        // single message of its own; only the roll-call answers count here.
        auto rollCallAnswers = [&single] {
            QList<QByteArray> answers;
            for (const QList<QVariant> &args : single) {
                const QByteArray msg = args.at(0).toByteArray();
                if (!msg.isEmpty() && quint8(msg.at(0)) == CanbusManager::KIVMSGSINGLE_SLAVE_REPORTING)
                    answers << msg;
            }
            return answers;
        };
        QTRY_COMPARE_WITH_TIMEOUT(rollCallAnswers().size(), 1, 30000);
        QCOMPARE(rollCallAnswers().first(), QByteArray("\x13\x07\0\0\0\0\0\0", 8));
        QCOMPARE(self.manager()->get_receivedFrameSenderId(), 2);

        QTRY_COMPARE_WITH_TIMEOUT(message.size(), 1, 30000);
        std::reverse(payload.begin(), payload.end());
        QCOMPARE(message.first().at(0).toInt(), int(CanbusManager::KIV_MULTI_OBJ_PROPERTY));
        QCOMPARE(message.first().at(1).toByteArray(), payload);
        QCOMPARE(rollCallAnswers().size(), 1);

        QVERIFY(peer.waitForFinished(30000));
        QCOMPARE(peer.exitStatus(), QProcess::NormalExit);
        QCOMPARE(peer.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestCanPeer)
#include "tst_canpeer.moc"
