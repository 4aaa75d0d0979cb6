#include "canbus/canbusmanager.h"
#include "cantestnode.h"
#include "crc/crc32.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <algorithm>

// Two processes, two displays, one virtual bus.
class TestCanPeer : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QProcess m_peer;

private slots:
    void init()
    {
        static int n = 0;
        QVERIFY(m_dir.isValid());
        const QString bus = m_dir.filePath(QStringLiteral("can%1").arg(n++));
        qputenv("KIV_CAN", "virtual");
        qputenv("KIV_VCAN_DIR", QFile::encodeName(bus));

        m_peer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_peer.start(QStringLiteral(CAN_PEER_PATH), QStringList());
        // Generous limits: on a loaded machine starting a second Qt program
        // alone can take seconds; a pass is still fast.
        QVERIFY(m_peer.waitForStarted(30000));
        QTRY_VERIFY_WITH_TIMEOUT(m_peer.canReadLine(), 30000);
        QCOMPARE(m_peer.readLine(), QByteArray("ready\n"));
    }

    void cleanup()
    {
        if (m_peer.state() != QProcess::NotRunning) {
            m_peer.kill();
            m_peer.waitForFinished(30000);
        }
    }

    void twoProcessesExchangeMessages()
    {
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

        QVERIFY(m_peer.waitForFinished(30000));
        QCOMPARE(m_peer.exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_peer.exitCode(), 0);
    }

    void fileOfAMegabyteArrivesWhole()
    {
        // Some 137,000 frames and 2,049 acknowledged records between two
        // processes: the peer answers with the size and CRC-32 of what it
        // assembled.
        CanTestNode self(1);
        QSignalSpy message(self.manager(), SIGNAL(receivedMpm(int,QByteArray)));
        QSignalSpy failed(self.manager(), SIGNAL(receivedFileFailedMpm(int)));
        QByteArray file("/root/big.bin");
        file.resize(64);
        quint32 seed = 7;
        for (int i = 0; i < 1024 * 1024; ++i) {
            seed = seed * 1103515245u + 12345u;
            file.append(char(seed >> 16));
        }
        self.sendMulti(CanbusManager::KIV_MULTI_FILE_TRANSFER, file);

        QTRY_VERIFY_WITH_TIMEOUT(!message.isEmpty() || m_peer.state() == QProcess::NotRunning,
                                 120000);
        QCOMPARE(message.size(), 1);
        QByteArray sizeAndCrc(8, '\0');
        qToBigEndian(quint32(file.size()), sizeAndCrc.data());
        qToBigEndian(Crc32::update(0, file.constData(), file.size()), sizeAndCrc.data() + 4);
        QCOMPARE(message.first().at(0).toInt(), int(CanbusManager::KIV_MULTI_OBJ_PROPERTY));
        QCOMPARE(message.first().at(1).toByteArray(), sizeAndCrc);
        QVERIFY(m_peer.waitForFinished(30000));
        QCOMPARE(m_peer.exitCode(), 0);
        QCOMPARE(failed.size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestCanPeer)
#include "tst_canpeer.moc"
