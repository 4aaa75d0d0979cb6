#include "nfc/nfctagitem.h"
#include "nfc/nfctagitem2.h"
#include "nfc/nfctagitemrequest.h"
#include "nfc/pantagcodec.h"
#include "nfc/tagbinmodel.h"
#include "platform/kivclock.h"

#include <QDataStream>
#include <QSignalSpy>
#include <QtTest>

namespace {

const qint64 kNoon = 1704110400000;         // 2024-01-01 12:00:00 UTC, 0x18cc4e52200
const qint64 kExpiry = kNoon + 1800000;      // 0x18cc5009940
const quint64 kUid = 0x650000000000ab12ULL;  // a universal pan tag

// The stream form of the record below, field by field.
const char kRecordHex[] = "650000000000ab12"  // uid
                          "02"                // hold status
                          "85"                // position 5, seen in cabinet
                          "0000018cc5009940"  // expiry
                          "0000018cc4e52200"  // activation
                          "deadbeef"          // CRC-32
                          "0000000400420037"  // batch id "B7"
                          "0c";               // product 12

NfcTagItem2 sampleRecord()
{
    NfcTagItem2 item(kUid, 2, 0x85, kExpiry, kNoon);
    item.setCrc32(0xdeadbeef);
    item.setBatchId(QStringLiteral("B7"));
    item.setProductId(12);
    return item;
}

QByteArray zeros(int bytes)
{
    return QByteArray(bytes, '\0');
}

} // namespace

class TestPanTagCodec : public QObject
{
    Q_OBJECT

private slots:
    void init() { KivClock::freezeAt(kNoon + 5000); }
    void cleanup() { KivClock::useSystemClock(); }

    void savedRegistryIsPinnedByteForByte()
    {
        const QVector<quint64> noPans(20, 0);
        const QByteArray empty = PanTagCodec::encodeSavedRegistry({}, noPans);
        QCOMPARE(empty.size(), 164);
        QCOMPARE(empty, zeros(164));

        const NfcTagItem2 record = sampleRecord();
        QVector<quint64> bins(20, 0);
        bins[5] = kUid;
        const QByteArray one = PanTagCodec::encodeSavedRegistry({&record}, bins);
        const QByteArray expected = QByteArray::fromHex("00000001") + QByteArray::fromHex(kRecordHex) + zeros(5 * 8)
            + QByteArray::fromHex("650000000000ab12") + zeros(14 * 8);
        QCOMPARE(one.toHex(), expected.toHex());

        const PanTagCodec::SavedRegistry back = PanTagCodec::decodeSavedRegistry(one);
        QVERIFY(back.countValid);
        QCOMPARE(back.records.size(), 1);
        QCOMPARE(back.binsRead, 20);
        QCOMPARE(back.binUids, bins);
        QCOMPARE(back.records.first().getUid(), kUid);
        QCOMPARE(back.records.first().getBatchId(), QStringLiteral("B7"));
    }

    // A short file keeps every whole record and the bins that are there;
    // what is cut off is dropped, never read past the end.
    void truncatedSavedRegistryKeepsWhatIsWhole_data()
    {
        QTest::addColumn<int>("cut");
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("bins");
        const NfcTagItem2 record = sampleRecord();
        QVector<quint64> bins(20, 7);
        const int full = PanTagCodec::encodeSavedRegistry({&record, &record}, bins).size();
        const int recordSize = (full - 4 - 160) / 2;
        QTest::newRow("last bin cut") << full - 3 << 2 << 19;
        QTest::newRow("all bins missing") << full - 160 << 2 << 0;
        QTest::newRow("second record cut") << 4 + recordSize + 10 << 1 << 0;
        QTest::newRow("inside the count") << 2 << 0 << 0;
    }

    void truncatedSavedRegistryKeepsWhatIsWhole()
    {
        QFETCH(int, cut);
        QFETCH(int, records);
        QFETCH(int, bins);
        const NfcTagItem2 record = sampleRecord();
        const QByteArray full = PanTagCodec::encodeSavedRegistry({&record, &record}, QVector<quint64>(20, 7));
        const PanTagCodec::SavedRegistry back = PanTagCodec::decodeSavedRegistry(full.left(cut));
        QCOMPARE(back.records.size(), records);
        QCOMPARE(back.binsRead, bins);
        for (int b = bins; b < 20; ++b)
            QCOMPARE(back.binUids.at(b), quint64(0));
    }

    void aCountThatLiesStopsAtTheEnd()
    {
        const NfcTagItem2 record = sampleRecord();
        QByteArray bytes = PanTagCodec::encodeSavedRegistry({&record}, QVector<quint64>(20, 0));
        bytes.replace(0, 4, QByteArray::fromHex("7fffffff"));
        PanTagCodec::SavedRegistry back = PanTagCodec::decodeSavedRegistry(bytes);
        QVERIFY(back.countValid);
        // The zero bins read as empty 35-byte records until the bytes run out.
        QCOMPARE(back.records.size(), 1 + 160 / 35);
        QCOMPARE(back.binsRead, 0);

        bytes.replace(0, 4, QByteArray::fromHex("ffffffff"));
        back = PanTagCodec::decodeSavedRegistry(bytes);
        QVERIFY(!back.countValid);
        QVERIFY(back.records.isEmpty());
    }

    void streamRecordFields_data()
    {
        QTest::addColumn<quint8>("holdStatus");
        QTest::addColumn<QString>("batchId");
        QTest::addColumn<QByteArray>("batchBytes");
        QTest::newRow("status 2, null batch") << quint8(2) << QString() << QByteArray::fromHex("ffffffff");
        QTest::newRow("status 3, empty batch") << quint8(3) << QString("") << QByteArray::fromHex("00000000");
        QTest::newRow("status 4, batch") << quint8(4) << QString("Z") << QByteArray::fromHex("00000002005a");
    }

    void streamRecordFields()
    {
        QFETCH(quint8, holdStatus);
        QFETCH(QString, batchId);
        QFETCH(QByteArray, batchBytes);
        NfcTagItem2 item(kUid, 0, 0, kExpiry, kNoon);
        item.setPosition(5);
        item.setSeenInCabinet(true);
        item.setHoldStatus(holdStatus);
        item.setHoldExpired(true);
        item.setRestartRequested(true);
        item.setBatchId(batchId);
        item.setLastSeenTimeStamp(1);

        QByteArray bytes;
        {
            QDataStream out(&bytes, QIODevice::WriteOnly);
            out << item;
        }
        QCOMPARE(bytes.at(9), char(0x85));
        QCOMPARE(bytes.mid(30, batchBytes.size()).toHex(), batchBytes.toHex());

        NfcTagItem2 back;
        QDataStream in(bytes);
        in >> back;
        QCOMPARE(back.getPosition(), quint8(5));
        QVERIFY(back.getSeenInCabinet());
        QCOMPARE(back.getHoldStatus(), holdStatus);
        QVERIFY(!back.getHoldExpired());
        QVERIFY(!back.getRestartRequested());
        QCOMPARE(back.getBatchId().isNull(), batchId.isNull());
        QCOMPARE(back.getLastSeenTimeStamp(), KivClock::secsSinceEpoch());
    }

    void positionAndSeenFlagShareOneByte()
    {
        NfcTagItem2 item;
        item.setSeenInCabinet(true);
        item.setPosition(0xFF);
        QCOMPARE(item.getPositionField(), quint8(0xFF));
        item.setPosition(3);
        QCOMPARE(item.getPositionField(), quint8(0x83));
        item.setSeenInCabinet(false);
        QCOMPARE(item.getPositionField(), quint8(0x03));
        item.setHoldExpired(true);
        item.setHoldStatus(3);
        QVERIFY(item.getHoldExpired());
        item.setHoldStatus(1);
        QVERIFY(!item.getHoldExpired());
    }

    void holdingListDatagramIsPinnedByteForByte()
    {
        const NfcTagItem2 record = sampleRecord();
        const QByteArray datagram = PanTagCodec::encodeHoldingList(QStringLiteral("AA:BB"), 9, kNoon, {&record});
        const QByteArray expected = QByteArray::fromHex("0badcafe"
                                                        "0000000a00410041003a00420042" // "AA:BB"
                                                        "09"                           // orientation
                                                        "0000018cc4e52200"             // sender's clock
                                                        "01")                          // one record
            + QByteArray::fromHex(kRecordHex);
        QCOMPARE(datagram.toHex(), expected.toHex());

        const PanTagCodec::HoldingList list = PanTagCodec::decodeHoldingList(datagram);
        QVERIFY(list.headerComplete);
        QCOMPARE(list.macAddress, QStringLiteral("AA:BB"));
        QCOMPARE(list.orientationId, qint8(9));
        QCOMPARE(list.senderTime, kNoon);
        QCOMPARE(list.records.size(), 1);
        QCOMPARE(list.records.first().getExpTime(), kExpiry);
    }

    void badHoldingListsAreContained_data()
    {
        QTest::addColumn<QByteArray>("datagram");
        QTest::addColumn<bool>("header");
        QTest::addColumn<int>("records");
        const NfcTagItem2 record = sampleRecord();
        const QByteArray three = PanTagCodec::encodeHoldingList("m", 1, kNoon, {&record, &record, &record});
        QByteArray lying = three;
        lying[4 + 6 + 1 + 8] = char(100); // claims 100 records
        QTest::newRow("last record cut") << three.left(three.size() - 1) << true << 2;
        QTest::newRow("count larger than the records") << lying << true << 3;
        QTest::newRow("header cut") << three.left(12) << false << 0;
        QTest::newRow("empty") << QByteArray() << false << 0;
        QTest::newRow("wrong magic") << QByteArray::fromHex("0badcaff") + three.mid(4) << false << 0;
    }

    void badHoldingListsAreContained()
    {
        QFETCH(QByteArray, datagram);
        QFETCH(bool, header);
        QFETCH(int, records);
        const PanTagCodec::HoldingList list = PanTagCodec::decodeHoldingList(datagram);
        QCOMPARE(list.headerComplete, header);
        QCOMPARE(list.records.size(), records);
    }

    // The count is one byte: a long registry sends its running holds
    // first, then the newest, and a count past 127 from an older sender
    // still reads as the number it was.
    void holdingListCountFitsItsByte()
    {
        QList<NfcTagItem2> items;
        for (int i = 0; i < 130; ++i)
            items.append(NfcTagItem2(quint64(i + 1), i < 3 ? 0 : 4, 0, 0, kNoon + i));
        QList<const NfcTagItem2 *> pointers;
        for (const NfcTagItem2 &item : items)
            pointers.append(&item);
        const PanTagCodec::HoldingList sent
            = PanTagCodec::decodeHoldingList(PanTagCodec::encodeHoldingList("m", 1, kNoon, pointers));
        QCOMPARE(sent.announced, 127);
        QCOMPARE(sent.records.size(), 127);
        QList<quint64> uids;
        for (const NfcTagItem2 &r : sent.records)
            uids.append(r.getUid());
        QCOMPARE(uids.mid(0, 4), (QList<quint64>{3, 2, 1, 130}));
        QVERIFY(!uids.contains(4) && !uids.contains(5) && !uids.contains(6));

        // 200 records under a count byte of 0xC8, as an older sender wrote it.
        QByteArray old = PanTagCodec::encodeHoldingList("m", 1, kNoon, {});
        old[old.size() - 1] = char(200);
        {
            QDataStream out(&old, QIODevice::Append);
            for (int i = 0; i < 200; ++i)
                out << items.at(i % 130);
        }
        QCOMPARE(PanTagCodec::decodeHoldingList(old).records.size(), 200);
    }

    void firstGenerationRecordIsPinned()
    {
        NfcTagItem item(kUid, 5, 12, 1800000, kExpiry, kNoon);
        item.setMenuMD5(QByteArray::fromHex("000102030405060708090a0b0c0d0e0f"));
        const QByteArray expected = QByteArray::fromHex("cefaadde" "01" "000000"
                                                        "12ab000000000065" "05" "00" "0c00" "00000000"
                                                        "40771b0000000000"   // hold time 1800000 ms
                                                        "0022e5c48c010000"   // sender's clock
                                                        "409900c58c010000"   // expiry
                                                        "000102030405060708090a0b0c0d0e0f");
        QCOMPARE(item.toBytes().toHex(), expected.toHex());

        NfcTagItem back;
        QVERIFY(!back.fromBytes(expected.left(63)));
        QCOMPARE(back.getUid(), quint64(0));
        QVERIFY(back.fromBytes(expected + "extra"));
        QCOMPARE(back.toBytes(), expected);
    }

    void savedHashKeepsCompleteRecords()
    {
        NfcTagItem a(1, 3, 12, 0, 0, 0), b(2, 4, 12, 0, 0, 0);
        const QByteArray bytes = PanTagCodec::encodeSavedHash({&a, &b});
        QCOMPARE(bytes.left(4).toHex(), QByteArray("02000000"));
        QCOMPARE(bytes.size(), 4 + 2 * 64);
        PanTagCodec::SavedHash back = PanTagCodec::decodeSavedHash(bytes.left(bytes.size() - 1));
        QCOMPARE(back.announced, quint32(2));
        QCOMPARE(back.records.size(), 1);
        QCOMPARE(back.records.first().getPosition(), quint8(3));
        QVERIFY(!PanTagCodec::decodeSavedHash(bytes.left(3)).countValid);
    }

    // A request holds its own record: the owner's table may drop its entry
    // while the hand-over runs, and copies never share one.
    void handOverRequestOwnsItsRecord()
    {
        auto *tableRecord = new NfcTagItem(kUid, 5, 12, 0, 0, 0);
        NfcTagItemRequest request(tableRecord, QHostAddress::LocalHost, 4000);
        delete tableRecord;
        QCOMPARE(request.getTagItem()->getUid(), kUid);

        NfcTagItemRequest copy(request);
        QVERIFY(copy.getTagItem() != request.getTagItem());
        NfcTagItemRequest assigned;
        assigned = copy;
        QVERIFY(assigned.getTagItem() != copy.getTagItem());
        QCOMPARE(assigned.getTagItem()->getPosition(), quint8(5));

        QByteArray bytes;
        {
            QDataStream out(&bytes, QIODevice::WriteOnly);
            out << request;
        }
        NfcTagItemRequest read;
        QDataStream in(bytes);
        in >> read;
        QCOMPARE(read.getHostAddress(), QHostAddress(QHostAddress::LocalHost));
        QCOMPARE(read.getHostPort(), quint16(4000));
    }

    void tagBinModelRows()
    {
        TagBinModel model;
        QCOMPARE(model.roleNames().value(TagBinModel::TagNumRole), QByteArray("tagnum"));
        QCOMPARE(model.roleNames().value(258), QByteArray("binNum"));
        QCOMPARE(model.roleNames().value(259), QByteArray("prodName"));
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsAboutToBeRemoved);

        model.appendTag(26, 4, QStringLiteral("Patty"));
        model.appendTag(kUid, 7, QStringLiteral("Nuggets"));
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(inserted.at(1).at(1).toInt(), 1);
        QCOMPARE(inserted.at(1).at(2).toInt(), 1);
        QCOMPARE(model.data(model.index(0), 257).toString(), QStringLiteral("1a"));
        QCOMPARE(model.data(model.index(0), 258).toInt(), 4);
        QCOMPARE(model.data(model.index(1), 259).toString(), QStringLiteral("Nuggets"));
        QCOMPARE(model.data(model.index(1), 257).toString(), QStringLiteral("650000000000ab12"));
        QVERIFY(!model.data(model.index(0), Qt::DisplayRole).isValid());
        QVERIFY(!model.data(model.index(2), 257).isValid());
        QVERIFY(!model.data(model.index(-1), 257).isValid());

        model.clear();
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(removed.count(), 1);
        QCOMPARE(removed.first().at(2).toInt(), 1);
        model.clear();
        QCOMPARE(removed.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestPanTagCodec)
#include "tst_pantagcodec.moc"
