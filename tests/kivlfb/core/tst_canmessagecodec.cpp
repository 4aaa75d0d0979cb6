#include "core/canmessagecodec.h"

#include "bytelist.h"

#include <QtTest>

using Codec = CanMessageCodec;

class TestCanMessageCodec : public QObject
{
    Q_OBJECT

private slots:
    void singlePayloads_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("hold time 900 of bin 4") << Codec::property32(4, 4, 900) << bytes({30, 4, 4, 0, 0, 3, 132});
        QTest::newRow("zone 1 error flags 0x10") << Codec::property32(13, 1, 0x10) << bytes({30, 13, 1, 0, 0, 0, 16});
        QTest::newRow("ambient 25, no object") << Codec::propertyValueOnly(20, 25) << bytes({30, 20, 0, 0, 0, 25});
        QTest::newRow("negative value") << Codec::property32(7, 2, -1) << bytes({30, 7, 2, 255, 255, 255, 255});
        QTest::newRow("tray state as a byte") << Codec::property8(1, 3, 5) << bytes({30, 1, 3, 5});
        QTest::newRow("load product 7 default, bin 2") << Codec::actionLoadProduct(2, 7, true)
                                                        << bytes({31, 4, 2, 0, 0, 0, 7, 1});
        QTest::newRow("sub product 3, bin 6") << Codec::actionIndex(3, 6, 3) << bytes({31, 3, 6, 0, 0, 0, 3});
        QTest::newRow("key click bin 6") << Codec::action(1, 6) << bytes({31, 1, 6});
        QTest::newRow("ambient alarm") << Codec::action(7) << bytes({31, 7});
        QTest::newRow("restate hold temps is one byte") << Codec::single(36) << bytes({36});
        QTest::newRow("start bin timer 4, 900 s") << Codec::singleByteInt(24, 4, 900) << bytes({24, 4, 0, 0, 3, 132});
        QTest::newRow("bins to use, all bits") << Codec::singleInt(35, 0xFFFFFFFFu) << bytes({35, 255, 255, 255, 255});
        QTest::newRow("time zone 5 with NTP") << Codec::timeZone(true, 5) << bytes({16, 0x85});
        QTest::newRow("time zone 5 without NTP") << Codec::timeZone(false, 5) << bytes({16, 0x05});
        QTest::newRow("date 2024-03-09 14:05:07, 12-hour")
            << Codec::dateTime(2024, 3, 9, 14, 5, 7, true, false) << bytes({15, 0x07, 0xE8, 3, 9, 0x8E, 5, 7});
        QTest::newRow("date with daylight saving")
            << Codec::dateTime(2024, 12, 31, 23, 59, 58, false, true) << bytes({15, 0x07, 0xE8, 12, 31, 0x57, 59, 58});
        QTest::newRow("settings")
            << Codec::settings(13, {0x81, 24, 2, 100, 1, 1440}) << bytes({13, 0x81, 24, 2, 100, 1, 0x05, 0xA0});
        QTest::newRow("eco configuration") << Codec::ecoConfig(1, 60, 0, 125) << bytes({60, 1, 0, 60, 0, 0, 125});
        QTest::newRow("languages") << Codec::languageSettings(2, 7) << bytes({59, 2, 0, 0, 0, 7});
    }
    void singlePayloads()
    {
        QFETCH(QByteArray, payload);
        QFETCH(QByteArray, expected);
        QCOMPARE(payload, expected);
        QVERIFY(payload.size() <= 8);
    }

    void frameIds()
    {
        for (int id = 0; id <= 65; ++id) {
            const bool broadcast = id >= 37 && id <= 40;
            QCOMPARE(Codec::frameIdFor(id, true), broadcast ? 3 : 1);
            QCOMPARE(Codec::frameIdFor(id, false), broadcast ? 3 : 2);
        }
    }

    void propertyAndActionDecoding()
    {
        Codec::ObjectMessage p = Codec::decodeProperty(Codec::property32(4, 4, 900));
        QCOMPARE(p.code, 4);
        QCOMPARE(p.object, 4);
        QCOMPARE(p.value, 900);

        p = Codec::decodeProperty(Codec::property8(8, 3, 1));
        QCOMPARE(p.object, 3);
        QCOMPARE(p.value, 1);

        p = Codec::decodeProperty(Codec::propertyValueOnly(20, -40));
        QCOMPARE(p.code, 20);
        QCOMPARE(p.value, -40);

        // A frame is always 8 bytes: the padding after a byte value is ignored.
        p = Codec::decodeProperty(bytes({30, 3, 2, 1, 0, 0, 0, 0}));
        QCOMPARE(p.value, 1);

        // Too short for its layout: the missing bytes read as zero.
        p = Codec::decodeProperty(bytes({30, 4}));
        QCOMPARE(p.object, 0);
        QCOMPARE(p.value, 0);

        Codec::ObjectMessage a = Codec::decodeAction(Codec::actionLoadProduct(2, 7, true));
        QCOMPARE(a.code, 4);
        QCOMPARE(a.object, 2);
        QCOMPARE(a.value, 7);
        QVERIFY(a.flag);
        a = Codec::decodeAction(Codec::actionIndex(3, 6, 2));
        QCOMPARE(a.value, 2);
        QVERIFY(!a.flag);
    }

    void settingsDecoding()
    {
        const Codec::Settings s = Codec::decodeSettings(bytes({14, 0xFF, 60, 3, 5, 1, 0, 0}));
        QCOMPARE(int(s.bits), 0xFF);
        QCOMPARE(int(s.fontSize), 60);
        QCOMPARE(int(s.languageId), 3);
        QCOMPARE(int(s.soundLevel), 5);
        QCOMPARE(int(s.tempUnit), 1);
        QCOMPARE(int(s.cleanTimeout), 0);
    }

    void trayInfoIsRawLittleEndian()
    {
        trayInfo ti;
        ti.binNumber = 5;
        ti.holdActivity = 2;
        ti.dayPart = 1;
        ti.isGroup = 1;
        ti.groupId = 0x01020304;
        ti.groupIndex = 3;
        ti.remainingTime = -2;
        ti.expectedTime = 0x0102030405060708LL;
        ti.flag = 1;
        ti.processId = 0x1112131415161718LL;

        const QByteArray raw = Codec::encodeTrayInfo(ti);
        QCOMPARE(raw, bytes({5, 2, 1, 1, 4, 3, 2, 1, 3, 0xFE, 0xFF, 0xFF, 0xFF,
                             8, 7, 6, 5, 4, 3, 2, 1, 1, 0x18, 0x17, 0x16, 0x15, 0x14, 0x13, 0x12, 0x11}));

        trayInfo back;
        QVERIFY(Codec::decodeTrayInfo(raw, back));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(&back), sizeof back),
                 QByteArray(reinterpret_cast<const char *>(&ti), sizeof ti));

        // A short payload is no record: nothing is read from it.
        trayInfo untouched;
        untouched.binNumber = 9;
        QVERIFY(!Codec::decodeTrayInfo(raw.left(29), untouched));
        QVERIFY(!Codec::decodeTrayInfo(QByteArray(), untouched));
        QCOMPARE(int(untouched.binNumber), 9);
    }

    void holdEvents()
    {
        const QByteArray stop = Codec::holdStopped(4, 0xA1B2C3D4E5F60718ULL, QStringLiteral("NFC"), -60);
        QCOMPARE(stop, bytes({4, 0xA1, 0xB2, 0xC3, 0xD4, 0xE5, 0xF6, 0x07, 0x18, 0, 0, 0, 6, 0, 'N', 0, 'F', 0, 'C',
                              0xFF, 0xFF, 0xFF, 0xC4}));
        const Codec::HoldEvent e = Codec::decodeHoldStopped(stop);
        QCOMPARE(int(e.bin), 4);
        QCOMPARE(e.uid, 0xA1B2C3D4E5F60718ULL);
        QCOMPARE(e.method, QStringLiteral("NFC"));
        QCOMPARE(e.remaining, -60);

        // Cut inside the method: the fields past the end read empty or zero.
        const Codec::HoldEvent cut = Codec::decodeHoldStopped(stop.left(15));
        QCOMPARE(cut.uid, 0xA1B2C3D4E5F60718ULL);
        QVERIFY(cut.method.isEmpty());
        QCOMPARE(cut.remaining, 0);

        const QByteArray expired = Codec::holdExpired(3, 0x42);
        QCOMPARE(expired, bytes({3, 0, 0, 0, 0, 0, 0, 0, 0x42}));
        QCOMPARE(Codec::decodeHoldExpired(expired).uid, quint64(0x42));
    }

    void haccpAndNetworkRoundTrip()
    {
        const Codec::HaccpEntry stop{"1700000000", "Fries", "a1", 3, "NFC", -5};
        const Codec::HaccpEntry s = Codec::decodeHaccpStop(Codec::haccpStop(stop));
        QCOMPARE(s.productType, QStringLiteral("Fries"));
        QCOMPARE(s.bin, 3);
        QCOMPARE(s.remaining, -5);
        const Codec::HaccpEntry start = Codec::decodeHaccpStart(Codec::haccpStart(stop));
        QCOMPARE(start.method, QStringLiteral("NFC"));
        QCOMPARE(start.remaining, 0);

        Codec::NetworkConfig c;
        c.networkMode = 2;
        c.ethEnabled = true;
        c.ipAddress = QStringLiteral("10.0.0.5");
        c.wifiSSID = QStringLiteral("kitchen");
        c.wifiPassword = QStringLiteral("p=ss:w0rd");
        c.wifiStaticIp = true;
        c.wifiGateway = QStringLiteral("10.0.0.1");
        const QByteArray raw = Codec::networkConfig(c);
        QCOMPARE(raw.left(6), bytes({0, 0, 0, 2, 1, 0}));
        const Codec::NetworkConfig d = Codec::decodeNetworkConfig(raw);
        QCOMPARE(d.networkMode, 2);
        QVERIFY(d.ethEnabled && !d.staticIPEnabled && d.wifiStaticIp);
        QCOMPARE(d.wifiPassword, c.wifiPassword);
        QCOMPARE(d.wifiGateway, c.wifiGateway);
        QVERIFY(d.netmask.isEmpty());
    }

    void listsAndTexts()
    {
        const QByteArray times = Codec::remainingTimes({900, -3, 0});
        QCOMPARE(times, bytes({0, 0, 3, 132, 255, 255, 255, 253, 0, 0, 0, 0}));
        QCOMPARE(Codec::decodeRemainingTimes(times + bytes({1, 2})), (QList<qint32>{900, -3, 0}));

        // Count 3 with five values: three temperatures.
        QCOMPARE(Codec::decodeBinsTargetTemps(bytes({3, 0, 200, 0, 190, 0, 180, 0, 170, 0, 160})),
                 (QList<qint16>{200, 190, 180}));
        QVERIFY(Codec::decodeBinsTargetTemps(bytes({0, 0, 200})).isEmpty());
        // A count past the payload's end gives only the targets it holds.
        QCOMPARE(Codec::decodeBinsTargetTemps(bytes({20, 0, 225, 0, 224, 1, 44, 0, 0, 255, 255, 7})),
                 (QList<qint16>{225, 224, 300, 0, -1}));
        QVERIFY(Codec::decodeBinsTargetTemps(QByteArray()).isEmpty());
        const QByteArray targets = Codec::binsTargetTemps({300, -2});
        QCOMPARE(targets, bytes({2, 1, 44, 255, 254}));
        QCOMPARE(Codec::decodeBinsTargetTemps(targets), (QList<qint16>{300, -2}));

        QCOMPARE(Codec::text(QByteArray("QZ-7318\0junk", 12)), QStringLiteral("QZ-7318"));
        QCOMPARE(Codec::text("1234"), QStringLiteral("1234"));

        QString object, prop, value;
        QVERIFY(Codec::decodeObjectPropertyText(Codec::objectPropertyText("tbsc3", "holdTime", "600"), object, prop, value));
        QCOMPARE(object, QStringLiteral("tbsc3"));
        QCOMPARE(prop, QStringLiteral("holdTime"));
        QCOMPARE(value, QStringLiteral("600"));
        QVERIFY(!Codec::decodeObjectPropertyText("tbsc3-holdTime=600", object, prop, value));
        QVERIFY(!Codec::decodeObjectPropertyText("tbsc3:holdTime", object, prop, value));
    }
};

QTEST_APPLESS_MAIN(TestCanMessageCodec)
#include "tst_canmessagecodec.moc"
