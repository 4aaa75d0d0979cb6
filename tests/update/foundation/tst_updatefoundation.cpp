#include "canbus/canbusmanager.h"
#include "canbus/canframe.h"
#include "canbus/cansendrequest.h"
#include "canbus/canthread.h"
#include "canbus/qsocketcan.h"
#include "modbus/modbusserialport.h"
#include "modbus/qmodbusmaster.h"
#include "modbus/qmodbuspollinfo.h"

#include "cantestnode.h"
#include "ptypair.h"
#include "scriptedslave.h"
#include "vcantap.h"

#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QStringList g_log;

void captureLog(QtMsgType, const QMessageLogContext &, const QString &msg)
{
    g_log << msg;
}

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

} // namespace

// The update utility's forms of the CAN layer and the Modbus master.
class TestUpdateFoundation : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_busCount = 0;

    void freshBus()
    {
        qputenv("KIV_VCAN_DIR", QFile::encodeName(m_dir.filePath(QStringLiteral("bus%1").arg(++m_busCount))));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        qputenv("KIV_CAN", "virtual");
    }

    void init()
    {
        qputenv("KIV_CAN", "virtual");
        freshBus();
        g_log.clear();
    }

    void cleanup() { qInstallMessageHandler(nullptr); }

    void arrayFormOfRecord()
    {
        // Extended identifier 0x12345678 with a length code of 3: the array
        // form keeps the flag bit and all eight data bytes.
        const QByteArray record = hex("78563492 03 000000 AABBCC0000000000");
        QCOMPARE(CanFrame::arrayFormFromRecord(record), hex("92345678 AABBCC0000000000"));
        QVERIFY(CanFrame::arrayFormFromRecord(record.left(15)).isEmpty());
        QVERIFY(CanFrame::arrayFormFromRecord(record + 'x').isEmpty());
    }

    void socketSendsAndReceivesByteArrays()
    {
        VcanTap tap(qEnvironmentVariable("KIV_VCAN_DIR"));
        QSocketCAN socket(nullptr, CanFrameForm::ByteArray);
        QCOMPARE(socket.open(QStringLiteral("can0")), 0);
        QSignalSpy ready(&socket, &QSocketCAN::readyWrite);
        QSignalSpy received(&socket, &QSocketCAN::msgData);

        QCOMPARE(socket.sendMsg(0x123, QByteArray(9, 'x')), 0);
        QCOMPARE(socket.sendMsg(0x123, hex("0102")), CanFrame::RecordSize);
        QTRY_COMPARE(tap.datagrams.size(), 1);
        QCOMPARE(tap.datagrams.first(), hex("23010000 02 000000 0102000000000000"));
        // Only the write notifier reports the write.
        QTRY_COMPARE(ready.count(), 1);

        QVERIFY(tap.sendFrame(0x031, hex("11223344")) > 0);
        QTRY_COMPARE(received.count(), 1);
        QCOMPARE(received.first().first().toByteArray(), hex("00000031 1122334400000000"));
        QCOMPARE(tap.datagrams.size(), 1); // the nine-byte send never went out
    }

    void openWithoutSocketCan()
    {
        qInstallMessageHandler(captureLog);
        qputenv("KIV_CAN", "socketcan");
        QSocketCAN forced(nullptr, CanFrameForm::ByteArray);
        QCOMPARE(forced.open(QStringLiteral("can0")), -1);
        QVERIFY(g_log.contains(QStringLiteral("QSocketCAN: Error while opening socket")));
        QVERIFY(!g_log.contains(QStringLiteral("QSocketCAN: apparently OK!")));

        // By default the virtual bus takes over where SocketCAN fails.
        g_log.clear();
        qunsetenv("KIV_CAN");
        QSocketCAN fallback(nullptr, CanFrameForm::ByteArray);
        QCOMPARE(fallback.open(QStringLiteral("can0")), 0);
        QCOMPARE(fallback.backendKind(), QStringLiteral("virtual"));
        QCOMPARE(g_log.first(), QStringLiteral("QSocketCAN: Error while opening socket"));
        QCOMPARE(g_log.last(), QStringLiteral("QSocketCAN: apparently OK!"));

        // The controller's form keeps quiet about the steps.
        g_log.clear();
        QSocketCAN controller;
        QCOMPARE(controller.open(QStringLiteral("can0")), 0);
        QVERIFY(!g_log.contains(QStringLiteral("QSocketCAN: Error while opening socket")));
    }

    void threadQueuesByteArraysInOrder()
    {
        CanThread thread(nullptr, CanFrameForm::ByteArray);
        QCOMPARE(thread.openResult(), 0);
        QSignalSpy out(&thread, &CanThread::msgData);
        thread.enqueueMsg(QByteArray("one"));
        thread.enqueueMsg(QByteArray("two"));
        thread.enqueueMsg(QByteArray("three"));
        QCOMPARE(out.count(), 0); // handed on from the event loop, one per pass
        QTRY_COMPARE(out.count(), 3);
        QCOMPARE(out.at(0).first().toByteArray(), QByteArray("one"));
        QCOMPARE(out.at(2).first().toByteArray(), QByteArray("three"));
        QCOMPARE(thread.queuedFrames(), 0);
        thread.getAmsg(); // an empty queue gives nothing
        QCOMPARE(out.count(), 3);
    }

    void managerDecodesByteArrayFrames_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<int>("sender");
        QTest::addColumn<int>("msgId");
        QTest::addColumn<bool>("single");
        QTest::addColumn<bool>("recordAck");

        QTest::newRow("sender 1, type 3") << hex("00000031 0102030405060708") << 1 << 3 << false << false;
        QTest::newRow("single packet") << hex("00000002 1305000000000000") << 2 << 0 << true << false;
        QTest::newRow("record acknowledge") << hex("00000001 2C00000000000000") << 1 << 0 << true << true;
        QTest::newRow("controller file start") << hex("00000041 0A00000000000100") << 1 << 4 << false << false;
        // Extended frames do not fit the 11-bit fields: dropped, nothing
        // published, the last frame's ids stay.
        QTest::newRow("extended") << hex("80000012 2C00000000000000") << -1 << -1 << false << false;
        QTest::newRow("short") << hex("00000002 13") << -1 << -1 << false << false;
    }

    void managerDecodesByteArrayFrames()
    {
        QFETCH(QByteArray, frame);
        QFETCH(int, sender);
        QFETCH(int, msgId);
        QFETCH(bool, single);
        QFETCH(bool, recordAck);

        CanThread thread(nullptr, CanFrameForm::ByteArray);
        CanbusManager manager(&thread, nullptr);
        QVERIFY(manager.usesByteArrayFrames());
        QSignalSpy singles(&manager, qOverload<QByteArray>(&CanbusManager::receivedSinglePacket));
        QSignalSpy acks(&manager, &CanbusManager::canFileRecordSuccess);

        manager.receiveMsgSlot(frame);
        QCOMPARE(manager.get_receivedFrameSenderId(), sender);
        QCOMPARE(manager.get_receivedFrameMsgId(), msgId);
        if (sender >= 0)
            QCOMPARE(manager.get_receivedFrameData(), frame.mid(4));
        QCOMPARE(singles.count(), single ? 1 : 0);
        if (single)
            QCOMPARE(singles.first().first().toByteArray(), frame.mid(4));
        QCOMPARE(acks.count(), recordAck ? 1 : 0);
        QVERIFY(!manager.get_fileTxfrActive());
        QCOMPARE(manager.get_secsSinceLastRcvPkt(), 0u);
    }

    // The utility sends a file to a controller over the bus: frames go out by
    // value, the controller's record acknowledgements come back as byte
    // arrays and move the transfer on, and its single packets arrive.
    void fileToControllerAndAnswerBack()
    {
        CanTestNode controller(1);
        CanThread thread(nullptr, CanFrameForm::ByteArray);
        CanbusManager utility(&thread, nullptr);
        utility.start();
        QSignalSpy served(&utility, &CanbusManager::requestServed);
        QSignalSpy singles(&utility, qOverload<QByteArray>(&CanbusManager::receivedSinglePacket));
        QSignalSpy files(controller.manager(), &CanbusManager::receivedFileMpm);

        // Three records: the second and third go out only once the one
        // before is acknowledged.
        QByteArray payload(64, '\0');
        payload.replace(0, 10, "kivlfb_new");
        for (int i = 0; i < 1100; ++i)
            payload.append(char(i * 7));
        auto *request = new CanSendRequest;
        request->set_frameId(3);
        request->set_multi(true);
        request->set_multiId(CanbusManager::KIV_MULTI_FILE_TRANSFER);
        request->set_data(payload);
        const quint32 number = CanSendRequest::requestId;
        utility.enqueueSendRequest(request);

        QVERIFY(files.wait(10000));
        QCOMPARE(files.first().first().toInt(), int(CanbusManager::KIV_MULTI_FILE_TRANSFER));
        QCOMPARE(controller.manager()->getMpm(CanbusManager::KIV_MULTI_FILE_TRANSFER), payload);
        QTRY_COMPARE(served.count(), 1);
        QCOMPARE(served.first().first().toUInt(), number);

        // The record acknowledgements came in as single packets too.
        QVERIFY(singles.count() >= 3);
        QCOMPARE(singles.first().first().toByteArray().at(0),
                 char(CanbusManager::KIVMSGSINGLE_FILE_RECORD_SUCCESS));
        controller.sendSingle(hex("1702"));
        QTRY_COMPARE(singles.last().first().toByteArray(), hex("1702000000000000"));
        QCOMPARE(utility.get_receivedFrameSenderId(), 1);
    }

    void modbusWriteToTheFront()
    {
        PtyPair pty;
        QVERIFY(pty.open());
        ScriptedSlave slave(&pty);
        QVector<quint16> registers(100, 0);
        slave.setResponder(ScriptedSlave::holdingRegisters(1, &registers));
        QSerialPort port(pty.devicePath());
        QVERIFY(ModbusSerialPort::open(&port));
        QModbusMaster master(&port);

        QModbusPollInfo first(1), second(1), urgent(2), refused(1);
        first.values() = {0x0011};
        second.values() = {0x0022};
        urgent.values() = {0x0008, 0x0009};
        QCOMPARE(master.holdingRegistersWrite(1, 10, 1, 0, &first, false, false), qint8(0));
        QCOMPARE(master.holdingRegistersWrite(1, 11, 1, 0, &second, false, false), qint8(0));
        QCOMPARE(master.holdingRegistersWrite(1, 12, 2, 0, &urgent, false, true), qint8(0));
        QCOMPARE(urgent.state(), int(QModbusPollInfo::QMBS_WAITING_IN_QUEUE));
        QCOMPARE(master.holdingRegistersWrite(1, 12, 0, 0, &refused, false, true), qint8(-1));
        QCOMPARE(master.holdingRegistersWrite(1, 12, 1, 0, nullptr, false, true), qint8(-1));

        master.start();
        QVERIFY(slave.waitForRequests(3, 5000));
        QCOMPARE(slave.requests().at(0),
                 ScriptedSlave::withCrc(hex("01 10 000C 0002 04 0008 0009")));
        QCOMPARE(slave.requests().at(1), ScriptedSlave::withCrc(hex("01 06 000A 0011")));
        QCOMPARE(slave.requests().at(2), ScriptedSlave::withCrc(hex("01 06 000B 0022")));
        QTRY_COMPARE(second.state(), int(QModbusPollInfo::QMBS_GOOD_REPLY_FOUND));
        QCOMPARE(registers.mid(10, 4), (QVector<quint16>{0x11, 0x22, 8, 9}));
    }
};

QTEST_MAIN(TestUpdateFoundation)
#include "tst_updatefoundation.moc"
