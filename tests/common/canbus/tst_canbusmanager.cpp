#include "canbus/canbusmanager.h"
#include "canbus/canframe.h"
#include "canbus/cansendrequest.h"
#include "canbus/canthread.h"
#include "canbus/multipacketmsg.h"
#include "cantestnode.h"
#include "memoryinuse.h"
#include "crc/crc32.h"
#include "platform/kivclock.h"
#include "vcantap.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QSignalTransition>
#include <QState>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

QStringList g_log;
void capture(QtMsgType, const QMessageLogContext &, const QString &msg) { g_log << msg; }

bool logged(const QString &text)
{
    for (const QString &line : qAsConst(g_log)) {
        if (line.contains(text))
            return true;
    }
    return false;
}

// Deterministic bytes that no zero-filled buffer resembles.
QByteArray pattern(int size, quint32 seed = 1)
{
    QByteArray out(size, '\0');
    for (int i = 0; i < size; ++i) {
        seed = seed * 1103515245u + 12345u;
        out[i] = char(seed >> 16);
    }
    return out;
}

QByteArray be32(quint32 v)
{
    QByteArray b(4, '\0');
    qToBigEndian(v, b.data());
    return b;
}

// The frame types of the identifier, with sender id 1.
enum : quint32 { Start = 0x41, RecStart = 0x51, Packet = 0x61, RecEnd = 0x71, End = 0x81 };

// One frame as a stranger (or a display) puts it on the bus: identifier
// (type << 4 | sender) and 8 data bytes.
struct Frame
{
    quint32 identifier;
    QByteArray data;
};
using Frames = QList<Frame>;

Frame frame(quint32 sender, CanbusManager::kivMsgType_enum type, const QByteArray &data)
{
    QByteArray d = data;
    d.resize(8);
    return {quint32(type) << 4 | sender, d};
}

Frames transferStart(quint32 sender, int multiId, quint32 size)
{
    return {frame(sender, CanbusManager::KIVMSGTYPE_FILE_START, CanbusManager::fileStartData(multiId, size)),
            frame(sender, CanbusManager::KIVMSGTYPE_FILE_RECORD_START, CanbusManager::recordStartData(0, 64)),
            frame(sender, CanbusManager::KIVMSGTYPE_FILE_PACKET, "ABCDEFGH")};
}

// A whole transfer of a payload of at most one record.
Frames transfer(quint32 sender, int multiId, const QByteArray &payload)
{
    const quint32 crc = Crc32::update(0, payload.constData(), payload.size());
    Frames out{frame(sender, CanbusManager::KIVMSGTYPE_FILE_START, CanbusManager::fileStartData(multiId, quint32(payload.size()))),
               frame(sender, CanbusManager::KIVMSGTYPE_FILE_RECORD_START,
                     CanbusManager::recordStartData(0, quint16((payload.size() + 7) / 8)))};
    for (int at = 0; at < payload.size(); at += 8)
        out << frame(sender, CanbusManager::KIVMSGTYPE_FILE_PACKET, payload.mid(at, 8));
    out << frame(sender, CanbusManager::KIVMSGTYPE_FILE_RECORD_END, CanbusManager::crcData(multiId, crc))
        << frame(sender, CanbusManager::KIVMSGTYPE_FILE_END, CanbusManager::crcData(multiId, crc));
    return out;
}

constexpr quint32 k64MiB = quint32(CanbusManager::MaxTransferSize);

} // namespace

Q_DECLARE_METATYPE(Frames)

// The bus manager between nodes on a virtual bus: what goes on the wire,
// what arrives, and how lost, corrupted and hostile frames are handled.
class TestCanbusManager : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_bus;
    QtMessageHandler m_oldHandler = nullptr;

    CanbusManager *bareManager(CanThread &thread)
    {
        auto *m = new CanbusManager(&thread, &thread);
        m->set_canId(1);
        return m;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        qputenv("KIV_CAN", "virtual");
        qRegisterMetaType<CanFrame *>("CanFrame*");
        m_oldHandler = qInstallMessageHandler(capture);
    }

    void cleanupTestCase() { qInstallMessageHandler(m_oldHandler); }

    void init()
    {
        static int n = 0;
        m_bus = m_dir.filePath(QStringLiteral("bus%1").arg(++n));
        qputenv("KIV_VCAN_DIR", QFile::encodeName(m_bus));
        g_log.clear();
    }

    void singleMessageOnTheWire()
    {
        CanTestNode a(1);
        VcanTap tap(m_bus);
        a.sendSingle(QByteArray("\x07\x02\x01", 3));
        QTRY_COMPARE(tap.datagrams.size(), 1);
        QCOMPARE(tap.datagrams.first(), QByteArray("\x01\x00\x00\x00\x03\x00\x00\x00"
                                                   "\x07\x02\x01\x00\x00\x00\x00\x00", 16));
    }

    void firstRecordOnTheWire()
    {
        // Nine bytes: a start, one record of an 8- and a 1-byte packet, its
        // end, and after the acknowledgement the end of the transfer.
        CanTestNode a(1);
        VcanTap tap(m_bus);
        connect(&tap, &VcanTap::received, &tap, [&tap](const QByteArray &d) {
            if (VcanTap::identifierOf(d) == RecEnd)
                tap.sendFrame(2, QByteArray(1, char(CanbusManager::KIVMSGSINGLE_FILE_RECORD_SUCCESS)));
        });
        a.sendMulti(CanbusManager::KIV_MULTI_OBJ_PROPERTY, QByteArray("ABCDEFGHI"));
        QTRY_COMPARE(tap.datagrams.size(), 6);
        const QList<QByteArray> expected = {
            QByteArray("\x41\0\0\0\x08\0\0\0" "\x14\0\0\0\0\0\0\x09", 16),
            QByteArray("\x51\0\0\0\x08\0\0\0" "\0\0\0\0\0\0\0\x02", 16),
            QByteArray("\x61\0\0\0\x08\0\0\0" "ABCDEFGH", 16),
            QByteArray("\x61\0\0\0\x01\0\0\0" "I\0\0\0\0\0\0\0", 16),
            QByteArray("\x71\0\0\0\x08\0\0\0" "\x14\0\0\0\xC9\x6B\x96\x40", 16),
            QByteArray("\x81\0\0\0\x08\0\0\0" "\x14\0\0\0\xC9\x6B\x96\x40", 16),
        };
        QCOMPARE(tap.datagrams, expected);
    }

    void longMessageGoesInRecordsOf64()
    {
        CanTestNode a(1), b(2);
        VcanTap tap(m_bus);
        QSignalSpy progress(a.manager(), SIGNAL(canFileProgressChanged(int)));
        QSignalSpy got(b.manager(), SIGNAL(receivedMpm(int,QByteArray)));
        const QByteArray payload = pattern(1300);
        a.sendMulti(CanbusManager::KIV_MULTI_HOLD_STOP_EVT, payload);
        QTRY_COMPARE(got.size(), 1);
        QCOMPARE(got.first().at(1).toByteArray(), payload);

        const QList<QByteArray> starts = tap.recordsWithId(RecStart);
        QCOMPARE(starts.size(), 3);
        for (int r = 0; r < 3; ++r) {
            QCOMPARE(starts.at(r).mid(8, 4), be32(quint32(r)));
            QCOMPARE(int(qFromBigEndian<quint16>(starts.at(r).constData() + 14)),
                     r < 2 ? 64 : 35);
        }
        QCOMPARE(tap.recordsWithId(Packet).size(), 163);

        QList<int> seen;
        for (const QList<QVariant> &args : qAsConst(progress))
            seen << args.at(0).toInt();
        QTRY_VERIFY(!seen.isEmpty());
        QVERIFY(seen.contains(39) && seen.contains(79) && seen.contains(100));
        QVERIFY(seen.indexOf(39) < seen.indexOf(79) && seen.indexOf(79) < seen.indexOf(100));
        QTRY_COMPARE(a.manager()->get_canFileProgress(), 0);
    }

    void transfersArriveIntact_data()
    {
        QTest::addColumn<int>("multiId");
        QTest::addColumn<int>("size");
        QTest::newRow("600-byte message") << int(CanbusManager::KIV_MULTI_OBJ_PROPERTY) << 600;
        QTest::newRow("one full record") << int(CanbusManager::KIV_MULTI_TRAY_INFO) << 512;
        QTest::newRow("100 KiB file") << int(CanbusManager::KIV_MULTI_FILE_TRANSFER) << 100 * 1024;
    }

    void transfersArriveIntact()
    {
        QFETCH(int, multiId);
        QFETCH(int, size);
        CanTestNode a(1), b(2);
        QSignalSpy message(b.manager(), SIGNAL(receivedMpm(int,QByteArray)));
        QSignalSpy file(b.manager(), SIGNAL(receivedFileMpm(int)));
        QSignalSpy failed(b.manager(), SIGNAL(receivedFileFailedMpm(int)));
        QSignalSpy served(a.manager(), SIGNAL(requestServed(quint32)));

        QByteArray payload = pattern(size);
        const bool isFile = CanbusManager::isFileId(multiId);
        if (isFile) {
            QByteArray name("/root/menu.json");
            name.append(QByteArray(64 - name.size(), '\0'));
            payload.replace(0, 64, name);
        }
        a.sendMulti(multiId, payload);
        const quint32 number = CanSendRequest::requestId;

        if (isFile) {
            QTRY_COMPARE_WITH_TIMEOUT(file.size(), 1, 20000);
            QCOMPARE(file.first().at(0).toInt(), multiId);
            QCOMPARE(b.manager()->getMpm(multiId), payload);
            QCOMPARE(b.manager()->get_fileTxfrName(), QStringLiteral("/root/menu.json"));
            QCOMPARE(b.manager()->get_fileTxfrSize(), size);
            QCOMPARE(b.manager()->get_fileTxfrRcvd(), size);
            QVERIFY(!b.manager()->get_fileTxfrActive());
        } else {
            QTRY_COMPARE(message.size(), 1);
            QCOMPARE(message.first().at(0).toInt(), multiId);
            QCOMPARE(message.first().at(1).toByteArray(), payload);
        }
        QCOMPARE(failed.size(), 0);
        QTRY_COMPARE(served.size(), 1);
        QCOMPARE(served.first().at(0).value<quint32>(), number);
        QCOMPARE(b.manager()->get_totalMissedPackets(), 0u);
    }

    void singleMessageArrivesPadded()
    {
        CanTestNode a(1), b(2);
        QSignalSpy got(b.manager(), SIGNAL(receivedSinglePacket(QByteArray)));
        a.sendSingle(QByteArray("\x13\x05", 2));
        QTRY_COMPARE(got.size(), 1);
        QCOMPARE(got.first().at(0).toByteArray(), QByteArray("\x13\x05\0\0\0\0\0\0", 8));
        QCOMPARE(b.manager()->get_receivedFrameSenderId(), 1);
        QCOMPARE(b.manager()->get_receivedFrameMsgId(), 0);
    }

    void pointerFormHandsOverOwnership()
    {
        CanTestNode a(1), b(2);
        QByteArray seen;
        connect(b.manager(), static_cast<void (CanbusManager::*)(QByteArray *)>(
                                 &CanbusManager::receivedSinglePacket),
                this, [&seen](QByteArray *msg) { seen = *msg; delete msg; });
        a.sendSingle(QByteArray("\x2A", 1));
        QTRY_COMPARE(seen, QByteArray("\x2A\0\0\0\0\0\0\0", 8));
    }

    void droppedPacketIsReportedAndResent()
    {
        CanTestNode a(1), b(2);
        VcanTap tap(m_bus);
        int packets = 0;
        b.setFilter([&packets](CanFrame &f) {
            return !(f.identifier() == Packet && ++packets == 5);
        });
        QSignalSpy got(b.manager(), SIGNAL(receivedMpm(int,QByteArray)));
        QSignalSpy failed(b.manager(), SIGNAL(receivedFileFailedMpm(int)));
        const QByteArray payload = pattern(600, 7);
        a.sendMulti(CanbusManager::KIV_MULTI_OBJ_PROPERTY, payload);
        QTRY_COMPARE(got.size(), 1);
        QCOMPARE(got.first().at(1).toByteArray(), payload);
        QVERIFY(logged(QStringLiteral(
            "Missing Packets Error. File record index = 0 . RecordIndex = 63 - RecordPacketsCount = 64")));
        // Record 0 went out twice, record 1 once.
        const QList<QByteArray> starts = tap.recordsWithId(RecStart);
        QCOMPARE(starts.size(), 3);
        QCOMPARE(starts.at(0).mid(8, 4), be32(0));
        QCOMPARE(starts.at(1).mid(8, 4), be32(0));
        QCOMPARE(starts.at(2).mid(8, 4), be32(1));
        QCOMPARE(failed.size(), 0);
    }

    void corruptedRecordIsRetried()
    {
        CanTestNode a(1), b(2);
        VcanTap tap(m_bus);
        int packets = 0;
        b.setFilter([&packets](CanFrame &f) {
            if (f.identifier() == Packet && ++packets == 70) { // in record 1
                quint8 data[8];
                std::memcpy(data, f.data(), 8);
                data[3] ^= 0x10;
                f = CanFrame(f.identifier(), data);
            }
            return true;
        });
        QSignalSpy got(b.manager(), SIGNAL(receivedMpm(int,QByteArray)));
        const QByteArray payload = pattern(900, 3);
        a.sendMulti(CanbusManager::KIV_MULTI_NETWORK_CONFIG, payload);
        QTRY_COMPARE(got.size(), 1);
        QCOMPARE(got.first().at(1).toByteArray(), payload);
        QVERIFY(logged(QStringLiteral("CRC Error.")));
        QCOMPARE(tap.recordsWithId(RecStart).size(), 3);
        QCOMPARE(tap.recordsWithId(RecStart).at(2).mid(8, 4), be32(1));
    }

    void lossWithoutRetriesIsReportedAtTheEnd()
    {
        // The remaining-times message is never repeated: a lost packet
        // surfaces as missing at the end of the transfer.
        CanTestNode a(1), b(2);
        int packets = 0;
        b.setFilter([&packets](CanFrame &f) {
            return !(f.identifier() == Packet && ++packets == 2);
        });
        QSignalSpy got(b.manager(), SIGNAL(receivedMpm(int,QByteArray)));
        QSignalSpy failed(b.manager(), SIGNAL(receivedFileFailedMpm(int)));
        a.sendMulti(CanbusManager::KIV_MULTI_BINS_REMAINING_TIME, pattern(40));
        QTRY_COMPARE(failed.size(), 1);
        QCOMPARE(failed.first().at(0).toInt(), int(CanbusManager::KIV_MULTI_BINS_REMAINING_TIME));
        QCOMPARE(b.manager()->get_totalMissedPackets(), 1u);
        QVERIFY(logged(QStringLiteral("CBM - MPM: 31 , # of packets missed =  1")));
        // Packets carry no number: the ones after the gap move up one place,
        // so the gap shows as the record's last packet.
        QVERIFY(logged(QStringLiteral("Missing Packet = 4  , File Record =  0")));
        QCOMPARE(got.size(), 0);
    }

    void fileFailingItsCrcIsReported()
    {
        CanTestNode a(1), b(2);
        b.setFilter([](CanFrame &f) {
            if (f.identifier() == End) {
                quint8 data[8];
                std::memcpy(data, f.data(), 8);
                data[7] ^= 1;
                f = CanFrame(f.identifier(), data);
            }
            return true;
        });
        QSignalSpy good(b.manager(), SIGNAL(receivedFileMpm(int)));
        QSignalSpy failed(b.manager(), SIGNAL(receivedFileFailedMpm(int)));
        QSignalSpy text(b.manager(), SIGNAL(fileTxFailed(QString)));
        QByteArray payload("/root/dayParts.json");
        payload.append(QByteArray(64 - payload.size(), '\0'));
        payload.append(pattern(300));
        a.sendMulti(CanbusManager::KIV_MULTI_FILE_TRANSFER_DPS_M, payload);
        QTRY_COMPARE(failed.size(), 1);
        QCOMPARE(text.first().at(0).toString(),
                 QStringLiteral("File transfer failed:<br>/root/dayParts.json<br>File CRC error!"));
        QCOMPARE(good.size(), 0);
    }

    void unacknowledgedRecordsAreRepeated_data()
    {
        QTest::addColumn<int>("multiId");
        QTest::addColumn<int>("sends");
        QTest::newRow("tray info: 21 times") << int(CanbusManager::KIV_MULTI_TRAY_INFO) << 21;
        QTest::newRow("zone monitor: once") << int(CanbusManager::KIV_MULTI_ZONEMONITORINFO) << 1;
        QTest::newRow("remaining times: once") << int(CanbusManager::KIV_MULTI_BINS_REMAINING_TIME) << 1;
    }

    void unacknowledgedRecordsAreRepeated()
    {
        QFETCH(int, multiId);
        QFETCH(int, sends);
        CanTestNode a(1);
        VcanTap tap(m_bus); // listens, never acknowledges
        QElapsedTimer t;
        t.start();
        a.sendMulti(multiId, pattern(30));
        QTRY_COMPARE_WITH_TIMEOUT(tap.recordsWithId(End).size(), 1, 10000);
        const qint64 elapsed = t.elapsed();
        QCOMPARE(tap.recordsWithId(RecStart).size(), sends);
        QCOMPARE(tap.recordsWithId(RecEnd).size(), sends);
        // Each record end waits out the acknowledgement window.
        QVERIFY2(elapsed >= sends * CanbusManager::RecordAckWindowMs - 20,
                 qPrintable(QString::number(elapsed)));
        QCOMPARE(tap.datagrams.last().mid(0, 4), QByteArray("\x81\0\0\0", 4));
    }

    void senderIdConflictIsReported()
    {
        CanTestNode a(1);
        VcanTap tap(m_bus, false);
        QSignalSpy got(a.manager(), SIGNAL(receivedSinglePacket(QByteArray)));
        QSignalSpy flag(a.manager(), SIGNAL(canIdRecErrorChanged(bool)));
        tap.sendFrame(2, QByteArray("\x14\x01", 2));
        QTRY_COMPARE(got.size(), 1);
        QVERIFY(!a.manager()->get_canIdRecError());
        tap.sendFrame(1, QByteArray("\x14\x01", 2)); // someone else uses id 1
        QTRY_COMPARE(flag.size(), 1);
        QVERIFY(a.manager()->get_canIdRecError());
        QTest::qWait(20);
        QCOMPARE(got.size(), 1);
    }

    void hostileFramesAreLoggedAndDropped_data()
    {
        QTest::addColumn<quint32>("id");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("extended") << quint32(0x80000041u) << QByteArray(8, '\0')
                                  << QStringList{"CAN Extended Header Received!!!!!!!!"};
        QTest::newRow("extended error") << quint32(0xA0000041u) << QByteArray(8, '\0')
                                        << QStringList{"CAN Extended Header Received!!!!!!!!",
                                                       "CAN Extended Header Error Received!!!!!!!!"};
        QTest::newRow("error frame") << quint32(0x20000002u) << QByteArray(8, '\0')
                                     << QStringList{"CAN Error Received!!!!!!!!"};
        QTest::newRow("remote request") << quint32(0x40000002u) << QByteArray(8, '\0')
                                        << QStringList{"CAN Remote Transmit Request Received!!!!!!!!"};
        QTest::newRow("old multi start type") << quint32(0x13) << QByteArray(8, '\0')
                                              << QStringList{"CAN frame - Unkown message Id 1 !!!!"};
        QTest::newRow("type past the end") << quint32(0x93) << QByteArray(8, '\0')
                                           << QStringList{"CAN frame - Unkown message Id 9 !!!!"};
        QTest::newRow("negative size") << quint32(0x43) << QByteArray("\x14\0\0\0\xFF\xFF\xFF\xFF", 8)
                                       << QStringList{"CAN transfer start refused: id 20 announces -1 bytes"};
        QTest::newRow("size past the cap") << quint32(0x43) << QByteArray("\x0A\0\0\0\x04\0\0\x01", 8)
                                           << QStringList{"CAN transfer start refused: id 10 announces 67108865 bytes"};
    }

    void hostileFramesAreLoggedAndDropped()
    {
        QFETCH(quint32, id);
        QFETCH(QByteArray, data);
        QFETCH(QStringList, lines);

        // A good message held under id 20 must survive whatever follows.
        CanTestNode a(1), b(2);
        VcanTap tap(m_bus);
        QSignalSpy got(b.manager(), SIGNAL(receivedMpm(int,QByteArray)));
        QSignalSpy single(b.manager(), SIGNAL(receivedSinglePacket(QByteArray)));
        const QByteArray good = pattern(20);
        a.sendMulti(CanbusManager::KIV_MULTI_OBJ_PROPERTY, good);
        QTRY_COMPARE(got.size(), 1);
        QTRY_COMPARE(a.manager()->get_sendQDepth(), 0);
        QTest::qWait(20);
        g_log.clear();
        const int acks = tap.recordsWithId(2).size();

        // The hostile frame, then a record of a transfer that must not run.
        b.manager()->receiveCanFrameSlot(new CanFrame(id, reinterpret_cast<const quint8 *>(data.constData())));
        const quint8 recStart[8] = {0, 0, 0, 0, 0, 0, 0, 1};
        const quint8 packet[8] = {1, 2, 3, 4, 5, 6, 7, 8};
        quint8 recEnd[8] = {20, 0, 0, 0};
        qToBigEndian(Crc32::update(0, reinterpret_cast<const char *>(packet), 8), recEnd + 4);
        if (id == 0x43) { // after a refused start
            b.manager()->receiveCanFrameSlot(new CanFrame(0x53, recStart));
            b.manager()->receiveCanFrameSlot(new CanFrame(0x63, packet));
            b.manager()->receiveCanFrameSlot(new CanFrame(0x73, recEnd));
        }
        for (const QString &line : lines)
            QVERIFY2(g_log.contains(line), qPrintable(g_log.join(QLatin1Char('\n'))));
        QCOMPARE(got.size(), 1);
        QCOMPARE(single.size(), 0);
        QCOMPARE(b.manager()->getMpm(CanbusManager::KIV_MULTI_OBJ_PROPERTY), good);
        QTest::qWait(20);
        QCOMPARE(tap.recordsWithId(2).size(), acks); // nothing acknowledged
    }

    // What a node that is no display of this cabinet, or a display gone
    // wrong, can put on the bus, against a secondary display (it hears the
    // primary display and the update utility only). Each row is refused and
    // logged and costs no memory worth the name; a real transfer from the
    // primary display still arrives afterwards.
    void hostileTransfersAndStrangers_data()
    {
        QTest::addColumn<Frames>("frames");
        QTest::addColumn<int>("singles");         // single messages handed on
        QTest::addColumn<int>("transfers");       // complete transfers handed on
        QTest::addColumn<qint64>("held");         // bytes the held transfers announce
        QTest::addColumn<QStringList>("lines");   // each logged exactly once

        const QByteArray cancelAll(1, char(CanbusManager::KIVMSGSINGLE_MC_CANCEL_ALL_HOLDING));
        QTest::newRow("the primary display's cancel-all")
            << Frames{frame(1, CanbusManager::KIVMSGTYPE_SINGLE, cancelAll)} << 1 << 0 << qint64(0) << QStringList();
        QTest::newRow("a file from the update utility")
            << transfer(3, CanbusManager::KIV_MULTI_FILE_TRANSFER, pattern(300)) << 0 << 1 << qint64(300)
            << QStringList();
        QTest::newRow("a stranger's cancel-all, twice")
            << Frames{frame(5, CanbusManager::KIVMSGTYPE_SINGLE, cancelAll), frame(5, CanbusManager::KIVMSGTYPE_SINGLE, cancelAll)}
            << 0 << 0 << qint64(0) << QStringList{"CAN frames of sender 5 ignored"};
        QTest::newRow("a stranger's file")
            << transfer(6, CanbusManager::KIV_MULTI_FILE_TRANSFER, pattern(300)) << 0 << 0 << qint64(0)
            << QStringList{"CAN frames of sender 6 ignored"};

        Frames everyId;
        for (int id = 0; id < 256; ++id)
            everyId << transferStart(1, id, k64MiB);
        QTest::newRow("64 MiB announced on every id") << everyId << 0 << 0 << CanbusManager::MaxHeldTransferBytes
                                                      << QStringList{"id 2 announces 67108864 bytes, 134217728 bytes already held"};
        QTest::newRow("a start past what may be held")
            << transferStart(1, 20, k64MiB) + transferStart(1, 21, k64MiB) + transferStart(1, 22, 1000) << 0 << 0
            << CanbusManager::MaxHeldTransferBytes << QStringList{"id 22 announces 1000 bytes, 134217728 bytes already held"};
        QTest::newRow("one id started again and again")
            << transferStart(1, 20, k64MiB) + transferStart(1, 20, k64MiB) + transferStart(1, 20, k64MiB) << 0 << 0
            << qint64(k64MiB) << QStringList();
        QTest::newRow("64 MiB announced, one packet sent")
            << transferStart(1, 20, k64MiB) + Frames{frame(1, CanbusManager::KIVMSGTYPE_FILE_END, CanbusManager::crcData(20, 0))}
            << 0 << 0 << qint64(k64MiB)
            << QStringList{QStringLiteral("Missing Packets not listed = %1").arg(k64MiB / 8 - 1 - MultiPacketMsg::MissingPacketsLogged)};
    }

    void hostileTransfersAndStrangers()
    {
        QFETCH(Frames, frames);
        QFETCH(int, singles);
        QFETCH(int, transfers);
        QFETCH(qint64, held);
        QFETCH(QStringList, lines);
        KivClock::freezeAt(1700000000000);
        CanTestNode a(1), b(2);
        CanbusManager *m = b.manager();
        m->acceptSendersOnly({1, 3});
        QSignalSpy single(m, SIGNAL(receivedSinglePacket(QByteArray)));
        QSignalSpy message(m, SIGNAL(receivedMpm(int,QByteArray)));
        QSignalSpy file(m, SIGNAL(receivedFileMpm(int)));

        const qint64 before = memoryInUseKiB();
        for (const Frame &f : frames)
            m->receiveCanFrameSlot(new CanFrame(f.identifier, reinterpret_cast<const quint8 *>(f.data.constData())));
        QVERIFY2(memoryInUseKiB() - before < 8 * 1024, qPrintable(QString::number(memoryInUseKiB() - before)));
        QCOMPARE(single.size(), singles);
        QCOMPARE(message.size() + file.size(), transfers);
        QCOMPARE(m->heldTransferBytes(), held);
        for (const QString &line : lines)
            QCOMPARE(g_log.filter(line).size(), 1);
        QVERIFY(g_log.filter("Missing Packet =").size() <= MultiPacketMsg::MissingPacketsLogged);

        // Once the stranger stops, its transfers stall and make way for the
        // primary display's.
        KivClock::advance(CanbusManager::StalledTransferMs);
        const QByteArray payload = pattern(1300);
        a.sendMulti(CanbusManager::KIV_MULTI_FILE_TRANSFER, payload);
        QTRY_COMPARE_WITH_TIMEOUT(file.size(), transfers + 1, 20000);
        QCOMPARE(m->getMpm(CanbusManager::KIV_MULTI_FILE_TRANSFER), payload);
        KivClock::useSystemClock();
    }

    void recordStartChecks()
    {
        CanThread thread;
        CanbusManager *m = bareManager(thread);
        VcanTap tap(m_bus);
        auto feed = [m](quint32 id, QByteArray d) {
            d.resize(8);
            m->receiveCanFrameSlot(new CanFrame(id, reinterpret_cast<const quint8 *>(d.constData())));
        };
        feed(0x42, QByteArray("\x14\0\0\0\0\0\x04\x00", 8)); // 1024 bytes: two records
        feed(0x52, QByteArray("\0\0\0\x02\0\0\0\x40", 8));
        QVERIFY(g_log.contains(QStringLiteral(
            "File record start index is not expected. Expecting 0 or 1. Received 2 !!!!!")));
        feed(0x52, QByteArray("\0\0\0\0\0\x01\0\x40", 8));
        QVERIFY(g_log.contains(QStringLiteral("File record start simple checksum failed !!!!!")));

        // A record start that was ignored leaves no record to acknowledge;
        // a good one with the expected index (0) or the next (1) is taken.
        const QByteArray record0 = pattern(512, 11);
        feed(0x52, QByteArray("\0\0\0\x01\0\0\0\x40", 8));
        feed(0x52, QByteArray("\0\0\0\0\0\0\0\x40", 8)); // back to 0: rejected, expects 1 or 2
        QVERIFY(g_log.contains(QStringLiteral(
            "File record start index is not expected. Expecting 1 or 2. Received 0 !!!!!")));
        for (int p = 0; p < 64; ++p)
            feed(0x62, record0.mid(p * 8, 8));
        feed(0x72, QByteArray("\x14\0\0\0", 4) + be32(Crc32::update(0, record0.constData(), 512)));
        QTest::qWait(20);
        QCOMPARE(tap.recordsWithId(1).size(), 1); // acknowledged as record 1
        QCOMPARE(m->getMpm(20).mid(512, 512), record0);
    }

    void sendQueueDropsTheOldestBeyond2000()
    {
        CanThread thread;
        CanbusManager *m = bareManager(thread); // not started: nothing leaves
        QList<quint32> numbers;
        for (int i = 0; i < CanbusManager::SendQueueLimit + 1; ++i) {
            auto *r = new CanSendRequest;
            r->set_frameId(1);
            r->set_data(QByteArray(1, char(i)));
            numbers << r->get_requestNumber();
            m->enqueueSendRequest(r);
        }
        QCOMPARE(m->get_sendQDepth(), CanbusManager::SendQueueLimit);
        QCOMPARE(m->get_sendQWaterMark(), CanbusManager::SendQueueLimit);

        QSignalSpy served(m, SIGNAL(requestServed(quint32)));
        m->start();
        QTRY_VERIFY(served.size() >= 2);
        QCOMPARE(served.at(0).at(0).value<quint32>(), numbers.at(1));
        QCOMPARE(served.at(1).at(0).value<quint32>(), numbers.at(2));
        m->clearQueue();
        QCOMPARE(m->get_sendQDepth(), 0);
    }

    void requestServedNamesTheRequestActuallyServed()
    {
        // A request created later (here: a file request not yet queued) must
        // not be reported as served when the older ones go out.
        CanTestNode a(1);
        QSignalSpy served(a.manager(), SIGNAL(requestServed(quint32)));
        QList<quint32> queued;
        for (int i = 0; i < 3; ++i) {
            a.sendSingle(QByteArray(1, char(i)));
            queued << CanSendRequest::requestId;
        }
        CanSendRequest later;
        QTRY_COMPARE(served.size(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(served.at(i).at(0).value<quint32>(), queued.at(i));
        QVERIFY(later.get_requestNumber() > queued.last());
    }

    void oversizedSingleFrameRequestIsRefused()
    {
        CanTestNode a(1);
        VcanTap tap(m_bus);
        auto *bad = new CanSendRequest;
        bad->set_frameId(1);
        bad->set_data(QByteArray(9, 'x'));
        bad->set_multi(false);
        a.manager()->enqueueSendRequest(bad);
        QVERIFY(logged(QStringLiteral("CAN send request refused: 9 bytes for a single frame")));
        a.sendSingle(QByteArray("ok"));
        QTRY_COMPARE(tap.datagrams.size(), 1); // the machine did not stall
        QCOMPARE(tap.datagrams.first().mid(8, 2), QByteArray("ok"));
    }

    void idFieldWidths_data()
    {
        QTest::addColumn<bool>("eff");
        QTest::addColumn<int>("senderBits");
        QTest::addColumn<int>("msgBits");
        QTest::addColumn<int>("expectSender");
        QTest::addColumn<int>("expectMsg");
        QTest::addColumn<QString>("warning");
        QTest::newRow("standard") << false << 4 << 7 << 4 << 7 << QString();
        QTest::newRow("standard mismatch")
            << false << 5 << 7 << 4 << 7
            << QStringLiteral("CANbus Manager: id fields mis-match, setting to defaults. SFF, sender bits:5; msgId bits:7");
        QTest::newRow("extended mismatch")
            << true << 4 << 7 << 5 << 24
            << QStringLiteral("CANbus Manager: id fields mis-match, setting to defaults. EFF, sender bits:4; msgId bits:7");
        QTest::newRow("negative width") << false << -1 << 12 << 4 << 7
            << QStringLiteral("CANbus Manager: id fields mis-match, setting to defaults. SFF, sender bits:-1; msgId bits:12");
    }

    void idFieldWidths()
    {
        QFETCH(bool, eff);
        QFETCH(int, senderBits);
        QFETCH(int, msgBits);
        QFETCH(QString, warning);
        CanThread thread;
        CanbusManager *m = bareManager(thread);
        m->set_effEnabled(eff);
        m->set_senderIdBits(senderBits);
        m->set_msgIdPrioBits(msgBits);
        g_log.clear();
        m->computeIdMasks();
        QTEST(m->get_senderIdBits(), "expectSender");
        QTEST(m->get_msgIdPrioBits(), "expectMsg");
        if (warning.isEmpty())
            QVERIFY(g_log.isEmpty());
        else
            QCOMPARE(g_log, QStringList{warning});
        const int sb = m->get_senderIdBits();
        const quint32 id = (quint32(0x2A) << sb) | 3u;
        QCOMPARE(m->getSenderId(id), 3u);
        QCOMPARE(m->getMsgId(id), 0x2Au);
    }

    void secondsSinceLastFrame()
    {
        CanTestNode a(1);
        VcanTap tap(m_bus, false);
        QTRY_VERIFY_WITH_TIMEOUT(a.manager()->get_secsSinceLastRcvPkt() >= 1, 3000);
        tap.sendFrame(2, QByteArray("\x14", 1));
        QTRY_COMPARE(a.manager()->get_secsSinceLastRcvPkt(), 0u);
    }

    void chartNamesForTheTracer()
    {
        CanThread thread;
        CanbusManager *m = bareManager(thread);
        QStringList states;
        for (QState *s : m->findChildren<QState *>())
            states << s->objectName();
        for (const char *name : {"disabled", "enabled", "idle", "sending", "sendingN",
                                 "sendingRecordStart", "sendingOne", "sendingGap",
                                 "sendingRecordEnd", "lastPacket", "silenceGap"})
            QVERIFY2(states.contains(QLatin1Char('"') + QLatin1String(name) + QLatin1Char('"')), name);

        auto transition = [m](const char *name) {
            return m->findChild<QSignalTransition *>(QLatin1String(name));
        };
        QCOMPARE(transition("t_recordResRcvd")->property("trigSignal").toString(),
                 QStringLiteral("this::canFileRecordSuccess()"));
        QCOMPARE(transition("t_recordResRcvd")->property("action").toString(),
                 QStringLiteral("this->initRecordSendData()\n"));
        QCOMPARE(transition("t_recordResNotRcvd")->property("action").toString(),
                 QStringLiteral("this->incRecordRetryCount()\n"));
        QCOMPARE(transition("t_singleMsgSent")->property("trigSignal").toString(),
                 QStringLiteral("m_canThread::readyWrite(int)"));
        QCOMPARE(transition("t_gap2sendOne")->property("trigSignal").toString(),
                 QStringLiteral("&silenceTimer::timeout()"));
        QCOMPARE(transition("t_multiMsgLast_tooLong")->property("trigSignal").toString(),
                 QStringLiteral("&recoverLockupTimer::timeout()"));
        QVERIFY(!transition("t_msgEnqueued")->property("action").isValid());
    }

    void enumsAreVisibleToQml()
    {
        CanbusManager::registerQmlTypes();
        QQmlEngine engine;
        QQmlComponent c(&engine);
        c.setData("import QtQml 2.2\nimport CanbusDefs 1.0\nQtObject {\n"
                  "  property int ack: CanbusDefines.KIVMSGSINGLE_FILE_RECORD_SUCCESS\n"
                  "  property int singleMax: CanbusDefines.KIVMSGSINGLE_MAX\n"
                  "  property int multiMax: CanbusDefines.KIV_MULTI_MAX\n"
                  "  property int timerBit: CanbusDefines.KIV_CFG_STNG_BITS_TIMER_COLOR_STATUS\n}",
                  QUrl());
        QScopedPointer<QObject> o(c.create());
        QVERIFY2(o, qPrintable(c.errorString()));
        QCOMPARE(o->property("ack").toInt(), 44);
        QCOMPARE(o->property("singleMax").toInt(), 66);
        QCOMPARE(o->property("multiMax").toInt(), 33);
        QCOMPARE(o->property("timerBit").toInt(), 128);
    }
};

QTEST_GUILESS_MAIN(TestCanbusManager)
#include "tst_canbusmanager.moc"
