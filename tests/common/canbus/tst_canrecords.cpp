#include "canbus/canframe.h"
#include "canbus/cansendrequest.h"
#include "canbus/multipacketmsg.h"
#include "platform/kivclock.h"

#include <QtTest>

namespace {
QStringList g_log;
void capture(QtMsgType, const QMessageLogContext &, const QString &msg) { g_log << msg; }
} // namespace

// The plain records of the CAN layer: the kernel frame record, outgoing send
// requests and the reassembly record of an incoming transfer.
class TestCanRecords : public QObject
{
    Q_OBJECT

private slots:
    void frameRecordLayout()
    {
        const QByteArray record = CanFrame::toRecord(0x123, QByteArray("\x01\x02\x03", 3));
        const QByteArray expected("\x23\x01\x00\x00" // identifier, little-endian
                                  "\x03\x00\x00\x00" // length, padding
                                  "\x01\x02\x03\x00\x00\x00\x00\x00", 16);
        QCOMPARE(record, expected);

        // The length is dropped on the way in: 8 data bytes, the rest zero.
        CanFrame frame;
        QVERIFY(CanFrame::fromRecord(record, &frame));
        QCOMPARE(frame.identifier(), 0x123u);
        QCOMPARE(frame.dataBytes(), QByteArray("\x01\x02\x03\x00\x00\x00\x00\x00", 8));

        QVERIFY(CanFrame::toRecord(1, QByteArray(9, 'x')).isEmpty());
        QVERIFY(!CanFrame::fromRecord(record.left(15), &frame));
        QVERIFY(!CanFrame::fromRecord(record + 'x', &frame));

        // Flag bits travel in the identifier unchanged.
        const QByteArray eff = CanFrame::toRecord(0x80000001u, QByteArray());
        QVERIFY(CanFrame::fromRecord(eff, &frame));
        QVERIFY(frame.isExtended());
        QVERIFY(!frame.isRemoteRequest());
    }

    void arrayFormIsBigEndianAndZeroFilled()
    {
        const CanFrame f = CanFrame::fromArrayForm(QByteArray("\x00\x00\x01\x42\xAA\xBB", 6));
        QCOMPARE(f.identifier(), 0x142u);
        QCOMPARE(f.dataBytes(), QByteArray("\xAA\xBB\x00\x00\x00\x00\x00\x00", 8));
    }

    void requestPackets_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("forceMulti");
        QTest::addColumn<bool>("multi");
        QTest::addColumn<int>("packets");
        QTest::newRow("8 bytes stay one frame") << 8 << false << false << 1;
        QTest::newRow("9 bytes become two packets") << 9 << false << true << 2;
        QTest::newRow("3 bytes marked multi by hand") << 3 << true << true << 1;
        QTest::newRow("empty multi") << 0 << true << true << 0;
        QTest::newRow("1300 bytes") << 1300 << false << true << 163;
    }

    void requestPackets()
    {
        QFETCH(int, size);
        QFETCH(bool, forceMulti);
        CanSendRequest r;
        if (forceMulti)
            r.set_multi(true);
        r.set_data(QByteArray(size, 'a'));
        QTEST(r.get_multi(), "multi");
        QTEST(r.numOfPackets(), "packets");
    }

    void requestDataSlicesAndFlagNeverCleared()
    {
        CanSendRequest r;
        r.set_data(QByteArray("0123456789"));
        QVERIFY(r.get_multi());
        r.set_data(QByteArray("ab"));
        QVERIFY(r.get_multi()); // a short payload never clears the flag
        r.set_data(QByteArray("0123456789"));
        QCOMPARE(r.get_data(8, 8), QByteArray("89"));
        QCOMPARE(r.get_data(10, 8), QByteArray());
        QCOMPARE(r.get_data(2, 3), QByteArray("234"));
    }

    void everyRequestKeepsItsOwnNumber()
    {
        CanSendRequest first;
        CanSendRequest second;
        CanSendRequest third;
        QCOMPARE(second.get_requestNumber(), first.get_requestNumber() + 1);
        QCOMPARE(third.get_requestNumber(), first.get_requestNumber() + 2);
        QCOMPARE(quint32(CanSendRequest::requestId), third.get_requestNumber());
    }

    void reassemblyBoundsAndPackets()
    {
        MultiPacketMsg m;
        m.initToSize(9);
        QCOMPARE(m.getPacketSize(), 2);
        QVERIFY(m.get_data().isEmpty()); // the announcement alone holds nothing
        m.setDataAt(8, "ABCDEFGH", 8); // only the first byte fits; the gap reads zero
        QCOMPARE(m.get_data(), QByteArray("\0\0\0\0\0\0\0\0A", 9));
        m.setDataAt(9, 'Z');
        m.setDataAt(-1, 'Z');
        QCOMPARE(m.get_data().size(), 9);
        QCOMPARE(m.getDataAt(8), 'A');
        QCOMPARE(m.getDataAt(9), '\0');

        m.setPacketReceived(1);
        m.setPacketReceived(2); // past the last packet: ignored
        QCOMPARE(m.missingPackets(), QList<int>{0});
    }

    void missingPacketsAreCountedAndLogged()
    {
        MultiPacketMsg m;
        m.initToSize(1300);
        g_log.clear();
        const QtMessageHandler old = qInstallMessageHandler(capture);
        const int missing = m.countMissingPackets();
        qInstallMessageHandler(old);
        QCOMPARE(missing, 163);
        QCOMPARE(g_log.size(), 163);
        QVERIFY2(g_log.last().contains(QLatin1String("Missing Packet = 162")), qPrintable(g_log.last()));
        QVERIFY2(g_log.last().endsWith(QLatin1String("File Record =  2")), qPrintable(g_log.last()));
    }

    void etaFromElapsedTime()
    {
        KivClock::freezeAt(1700000000000);
        MultiPacketMsg m;
        m.initToSize(80); // 10 packets
        KivClock::advance(4000);
        QCOMPARE(m.get_eta(), 10 * 4 - 4); // nothing received: divides by 1
        for (int i = 0; i < 5; ++i)
            m.setPacketReceived(i);
        QCOMPARE(m.get_eta(), 4); // half done in 4 s
        KivClock::useSystemClock();
    }
};

QTEST_GUILESS_MAIN(TestCanRecords)
#include "tst_canrecords.moc"
