#include "crc/crc32.h"
#include "crc/etccrc.h"
#include "crc/etcdaapi.h"

#include <QtTest>

class TestCrc : public QObject
{
    Q_OBJECT

private slots:
    void crc16CheckValues_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<quint16>("crc");
        QTest::newRow("check value") << QByteArray("123456789") << quint16(0x4B37);
        QTest::newRow("empty") << QByteArray() << quint16(0xFFFF);
        // A Modbus request: read 10 holding registers of slave 1 from 0. The
        // CRC goes on the wire low byte first: C5 CD.
        QTest::newRow("modbus read") << QByteArray::fromHex("01030000000A") << quint16(0xCDC5);
    }
    void crc16CheckValues()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(quint16, crc);
        QCOMPARE(etcCrc(reinterpret_cast<const uint8_t *>(bytes.constData()), bytes.size()), crc);
    }

    void crc16UpdateContinuesARunningCrc()
    {
        const QByteArray a("12345"), b("6789");
        const auto *pa = reinterpret_cast<const uint8_t *>(a.constData());
        const auto *pb = reinterpret_cast<const uint8_t *>(b.constData());
        QCOMPARE(etcCrcUpdate(pb, b.size(), etcCrc(pa, a.size())), quint16(0x4B37));
        QCOMPARE(etcCrcUpdate(pb, 0, 0x1234), quint16(0x1234));
    }

    void crc32CheckValues()
    {
        Crc32 crc;
        QCOMPARE(crc.calculateFromByteArray(QByteArray("123456789")), 0xCBF43926u);
        QCOMPARE(crc.calculateFromByteArray(QByteArray()), 0u);
        QCOMPARE(Crc32::update(Crc32::update(0, "1234", 4), "56789", 5), 0xCBF43926u);

        // A buffer larger than a CAN record, against a plain bitwise CRC-32.
        QByteArray big(100000, Qt::Uninitialized);
        for (int i = 0; i < big.size(); ++i)
            big[i] = char((i * 131) ^ (i >> 7));
        quint32 ref = 0xFFFFFFFFu;
        for (char ch : qAsConst(big)) {
            ref ^= quint8(ch);
            for (int k = 0; k < 8; ++k)
                ref = (ref & 1u) ? (ref >> 1) ^ 0xEDB88320u : ref >> 1;
        }
        QCOMPARE(crc.calculateFromByteArray(big), ~ref);
    }

    void byteOrderHelpers()
    {
        QCOMPARE(etcBigEndianToHost16(0x1234), quint16(0x3412));
        QCOMPARE(etcHostToBigEndian16(0x1234), quint16(0x3412));
        QCOMPARE(etcLittleEndianToHost16(0x1234), quint16(0x1234));
        QCOMPARE(etcHostToLittleEndian16(0x1234), quint16(0x1234));
        char dst[4] = {0, 0, 0, 0};
        QCOMPARE(etcDaPutInputs(dst, "abc", 3), static_cast<void *>(dst));
        QCOMPARE(QByteArray(dst, 3), QByteArray("abc"));
    }
};

QTEST_APPLESS_MAIN(TestCrc)
#include "tst_crc.moc"
