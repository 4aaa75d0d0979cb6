#include "core/canmessagecodec.h"
#include "core/clockfilecodec.h"

#include "bytelist.h"

#include <QtTest>

namespace {

QByteArray ntpPacket(quint32 transmitSeconds, int size = ClockFileCodec::NtpPacketSize)
{
    QByteArray reply(40, '\x5a'); // the fields before the transmit time are noise
    for (int shift = 24; shift >= 0; shift -= 8)
        reply.append(char(quint8(transmitSeconds >> shift)));
    reply.append(QByteArray(qMax(size, ClockFileCodec::NtpPacketSize) - reply.size(), '\x5a'));
    return reply.left(size);
}

} // namespace

class TestClockFileCodec : public QObject
{
    Q_OBJECT

private slots:
    void ntpRequestIsAVersion4ClientPacket()
    {
        QByteArray expected(48, '\0');
        expected[0] = char(0x23);
        QCOMPARE(ClockFileCodec::ntpRequest(), expected);
    }

    void ntpReply_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("status");
        QTest::addColumn<QDateTime>("utc");
        const QDateTime none;
        QTest::newRow("2024") << ntpPacket(3913056000u) << int(ClockFileCodec::NtpReply::Valid)
                              << QDateTime(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC);
        // Only the 48 bytes of the packet count.
        QTest::newRow("longer datagram") << ntpPacket(3913056000u, 60) << int(ClockFileCodec::NtpReply::Valid)
                                         << QDateTime(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC);
        QTest::newRow("47 bytes") << ntpPacket(3913056000u, 47) << int(ClockFileCodec::NtpReply::Short) << none;
        QTest::newRow("empty") << QByteArray() << int(ClockFileCodec::NtpReply::Short) << none;
        // A server that does not know the time: it would set the clock to 1900.
        QTest::newRow("no time") << ntpPacket(0) << int(ClockFileCodec::NtpReply::NoTime) << none;
        // The first second of the next era (2036-02-07 06:28:16 UTC is 2^32).
        QTest::newRow("next era") << ntpPacket(1) << int(ClockFileCodec::NtpReply::Valid)
                                  << QDateTime(QDate(2036, 2, 7), QTime(6, 28, 17), Qt::UTC);
        QTest::newRow("last second of era 0") << ntpPacket(0xFFFFFFFFu) << int(ClockFileCodec::NtpReply::Valid)
                                              << QDateTime(QDate(2036, 2, 7), QTime(6, 28, 15), Qt::UTC);
    }

    void ntpReply()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, status);
        QFETCH(QDateTime, utc);
        const ClockFileCodec::NtpReply decoded = ClockFileCodec::decodeNtpReply(reply);
        QCOMPARE(int(decoded.status), status);
        QCOMPARE(decoded.utc, utc);
        if (decoded.status == ClockFileCodec::NtpReply::Valid)
            QCOMPARE(decoded.utc.timeSpec(), Qt::UTC);
    }

    // What the primary display writes, the other displays read: the flags
    // ride on the hour byte.
    void dateTimeMessage_data()
    {
        QTest::addColumn<QByteArray>("msg");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QDateTime>("dateTime");
        QTest::addColumn<bool>("ampm");
        QTest::addColumn<bool>("dst");
        QTest::newRow("0xC9: nine, both flags") << bytes({15, 0x07, 0xE8, 3, 5, 0xC9, 30, 15}) << true
                                                << QDateTime(QDate(2024, 3, 5), QTime(9, 30, 15)) << true << true;
        QTest::newRow("no flags") << bytes({15, 0x07, 0xE8, 12, 31, 23, 59, 59}) << true
                                  << QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59)) << false << false;
        QTest::newRow("as the sender writes it")
            << CanMessageCodec::dateTime(2030, 6, 15, 14, 5, 6, false, true) << true
            << QDateTime(QDate(2030, 6, 15), QTime(14, 5, 6)) << false << true;
        QTest::newRow("seven bytes") << bytes({15, 0x07, 0xE8, 3, 5, 9, 30}) << false << QDateTime() << false << false;
        QTest::newRow("month 13") << bytes({15, 0x07, 0xE8, 13, 5, 9, 30, 0}) << false << QDateTime() << false << false;
        QTest::newRow("hour 25") << bytes({15, 0x07, 0xE8, 3, 5, 25, 30, 0}) << false << QDateTime() << false << false;
    }

    void dateTimeMessage()
    {
        QFETCH(QByteArray, msg);
        QFETCH(bool, valid);
        QFETCH(QDateTime, dateTime);
        QFETCH(bool, ampm);
        QFETCH(bool, dst);
        const ClockFileCodec::DateTimeMessage m = ClockFileCodec::decodeDateTime(msg);
        QCOMPARE(m.isValid(), valid);
        if (!valid)
            return;
        QCOMPARE(QDateTime(m.date, m.time), dateTime);
        QCOMPARE(m.ampm, ampm);
        QCOMPARE(m.dst, dst);
    }

    void enteredTime_data()
    {
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("timeFormat");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<bool>("dst");
        QTest::addColumn<QDateTime>("utc");
        const QString h24 = QStringLiteral("hh:mm:ss");
        const QString h12 = QStringLiteral("AP hh:mm:ss");
        QTest::newRow("UTC+1 with daylight saving") << "10:00:00" << h24 << "15072024" << QByteArray("UTC+01:00")
                                                    << true << QDateTime(QDate(2024, 7, 15), QTime(8, 0), Qt::UTC);
        QTest::newRow("12-hour entry") << "PM 02:30:00" << h12 << "01012024" << QByteArray("UTC") << false
                                       << QDateTime(QDate(2024, 1, 1), QTime(14, 30), Qt::UTC);
        // The zone's offset of 1970, whatever the date entered: daylight
        // saving is the flag's business.
        QTest::newRow("zone's standard offset") << "12:00:00" << h24 << "15072024" << QByteArray("America/Chicago")
                                                << false << QDateTime(QDate(2024, 7, 15), QTime(18, 0), Qt::UTC);
        QTest::newRow("across midnight") << "01:00:00" << h24 << "01012024" << QByteArray("UTC+05:00") << false
                                         << QDateTime(QDate(2023, 12, 31), QTime(20, 0), Qt::UTC);
        QTest::newRow("unparsable time") << "25:00:00" << h24 << "01012024" << QByteArray("UTC") << false
                                         << QDateTime();
        QTest::newRow("unparsable date") << "10:00:00" << h24 << "32012024" << QByteArray("UTC") << false
                                         << QDateTime();
    }

    void enteredTime()
    {
        QFETCH(QString, time);
        QFETCH(QString, timeFormat);
        QFETCH(QString, date);
        QFETCH(QByteArray, zone);
        QFETCH(bool, dst);
        QFETCH(QDateTime, utc);
        const QTimeZone tz(zone);
        QVERIFY(tz.isValid());
        const QDateTime result =
            ClockFileCodec::enteredTimeToUtc(time, timeFormat, date, QStringLiteral("ddMMyyyy"), tz, dst);
        QCOMPARE(result.isValid(), utc.isValid());
        if (utc.isValid()) {
            QCOMPARE(result, utc);
            QCOMPARE(ClockFileCodec::dateCommandArgument(result),
                     utc.toString(QStringLiteral("MMddhhmmyyyy.ss")));
        }
    }

    void dateCommandArgumentTakesTheFieldsAsGiven()
    {
        QCOMPARE(ClockFileCodec::dateCommandArgument(QDateTime(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC)),
                 QStringLiteral("010100002024.00"));
        QCOMPARE(ClockFileCodec::dateCommandArgument(QDateTime(QDate(2031, 11, 30), QTime(23, 4, 59))),
                 QStringLiteral("113023042031.59"));
    }

    void filePayload_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QByteArray>("nameField"); // what the name field carries, empty when refused
        const QByteArray json = "{\"menu\": []}\n";
        QTest::newRow("path") << "/root/menu.json" << json << QByteArray("/root/menu.json");
        QTest::newRow("empty file") << "/root/errorsBuff.txt" << QByteArray() << QByteArray("/root/errorsBuff.txt");
        const QString path63 = "/root/" + QString(57, 'a');
        QTest::newRow("63 bytes keep their zero") << path63 << json << path63.toUtf8();
        // One byte more: the directories go, the name stays.
        QTest::newRow("64 bytes") << "/root/" + QString(54, 'b') + "/x.hcc" << json << QByteArray("x.hcc");
        // Multi-byte characters count as bytes.
        const QString wide = "/root/" + QString(28, QChar(0x00e9)) + ".txt"; // 38 characters, 66 bytes
        QTest::newRow("too long in UTF-8 only") << wide << json << (QString(28, QChar(0x00e9)) + ".txt").toUtf8();
        QTest::newRow("name alone too long") << "/root/" + QString(64, 'c') << json << QByteArray();
        QTest::newRow("63-byte bare name") << "/root/d/" + QString(63, 'e') << json << QByteArray(63, 'e');
    }

    void filePayload()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, contents);
        QFETCH(QByteArray, nameField);
        const QByteArray payload = ClockFileCodec::encodeFile(path, contents);
        if (nameField.isEmpty()) {
            QVERIFY(payload.isEmpty());
            return;
        }
        QCOMPARE(payload.size(), 64 + contents.size());
        QCOMPARE(payload.left(nameField.size()), nameField);
        QCOMPARE(payload.mid(nameField.size(), 64 - nameField.size()), QByteArray(64 - nameField.size(), '\0'));
        QCOMPARE(payload.mid(64), contents);

        const ClockFileCodec::ReceivedFile received = ClockFileCodec::decodeFile(payload);
        QVERIFY(received.complete);
        QCOMPARE(received.name.toUtf8(), nameField);
        QCOMPARE(received.contents, contents);
        QCOMPARE(received.fileName(), path.section('/', -1));
    }

    void receivedNames_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("contents");
        auto field = [](const QByteArray &name) { return name + QByteArray(64 - name.size(), '\0'); };
        QTest::newRow("sender's directories go") << field("/some/where/A.HCC") + "x" << true << "A.HCC"
                                                 << QByteArray("x");
        QTest::newRow("bare name") << field("config.txt") << true << "config.txt" << QByteArray();
        // Nothing but the name field ends the name.
        QTest::newRow("zero inside the contents") << field("a.txt") + QByteArray("b\0c", 3) << true << "a.txt"
                                                  << QByteArray("b\0c", 3);
        QTest::newRow("no zero in the field") << QByteArray(64, 'n') + "!" << true << QString(64, 'n')
                                              << QByteArray("!");
        QTest::newRow("dot dot") << field("/root/..") << true << QString() << QByteArray();
        QTest::newRow("dot") << field(".") << true << QString() << QByteArray();
        QTest::newRow("directory only") << field("/root/") << true << QString() << QByteArray();
        QTest::newRow("empty name") << field("") + "data" << true << QString() << QByteArray("data");
        QTest::newRow("short of the field") << QByteArray("/root/menu.json\0", 16) << false << QString()
                                            << QByteArray();
    }

    void receivedNames()
    {
        QFETCH(QByteArray, payload);
        QFETCH(bool, complete);
        QFETCH(QString, fileName);
        QFETCH(QByteArray, contents);
        const ClockFileCodec::ReceivedFile file = ClockFileCodec::decodeFile(payload);
        QCOMPARE(file.complete, complete);
        QCOMPARE(file.fileName(), fileName);
        QCOMPARE(file.contents, contents);
    }
};

QTEST_GUILESS_MAIN(TestClockFileCodec)
#include "tst_clockfilecodec.moc"
