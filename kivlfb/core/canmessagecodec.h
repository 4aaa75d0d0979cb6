#pragma once

#include "core/trayinfo.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The payloads of the display-to-display messages, as pure functions over
// bytes. Single-packet messages start with their one-byte id; the fields
// after it follow the data-stream rules (8-bit values one byte, 16/32/64-bit
// integers big-endian, strings as a 32-bit byte count and UTF-16BE text).
// The holding record is the one exception: it travels as the raw
// little-endian 30-byte trayInfo.
//
// Readers never read past the buffer: a missing byte reads as zero, like a
// data-stream field past the end.
class CanMessageCodec
{
public:
    // Property codes that carry their value as one byte; the others carry a
    // 32-bit integer.
    static bool isBytePropertyCode(int code);
    // The sender id put into the CAN identifier for a single message:
    // 37 to 40 always go out as 3, the others as 1 from the primary display
    // and 2 from the rest.
    static int frameIdFor(int msgId, bool primary);

    // Single messages.
    static QByteArray single(int id);
    static QByteArray single(int id, const QList<quint8> &bytes);
    // id, one byte, one 32-bit value (ids 8, 24, 32, 42).
    static QByteArray singleByteInt(int id, quint8 byte, qint32 value);
    // id, one 32-bit value (id 35).
    static QByteArray singleInt(int id, quint32 value);
    // id, one byte, one 32-bit value: language id and used-languages mask (59).
    static QByteArray languageSettings(quint8 languageId, quint32 mask);
    // Eco configuration (60): mode (8), timeout (16), shelf mode (8), shelf
    // temperature (16).
    static QByteArray ecoConfig(quint8 activateMode, quint16 activateTimeout, quint8 shelfMode,
                                quint16 shelfTemp);
    // Time-zone message (16): NTP in bit 7, the zone index in bits 0-6.
    static QByteArray timeZone(bool ntpOn, int zoneIndex);

    // Settings of ids 13 and 14.
    struct Settings
    {
        quint8 bits = 0;
        quint8 fontSize = 0;
        quint8 languageId = 0;
        quint8 soundLevel = 0;
        quint8 tempUnit = 0;
        quint16 cleanTimeout = 0;
    };
    static QByteArray settings(int id, const Settings &s);
    static Settings decodeSettings(const QByteArray &msg);

    // Date and time of id 15: bit 7 of the hour byte is the 12-hour format,
    // bit 6 daylight saving.
    static QByteArray dateTime(quint16 year, quint8 month, quint8 day, quint8 hour, quint8 minute,
                               quint8 second, bool ampm, bool dst);

    // Remote-display property (30) and action (31) messages.
    static QByteArray property8(int code, quint8 object, quint8 value);
    static QByteArray property32(int code, quint8 object, qint32 value);
    static QByteArray propertyValueOnly(int code, qint32 value);
    static QByteArray action(int code);
    static QByteArray action(int code, quint8 bin);
    static QByteArray actionIndex(int code, quint8 bin, qint32 index);
    static QByteArray actionLoadProduct(quint8 bin, qint32 productId, bool defaultProduct);

    struct ObjectMessage
    {
        int code = 0;
        int object = 0;
        qint32 value = 0;
        bool flag = false; // action 4: default-product flag
    };
    static ObjectMessage decodeProperty(const QByteArray &msg);
    static ObjectMessage decodeAction(const QByteArray &msg);

    // Byte at a position; zero past the end.
    static quint8 byteAt(const QByteArray &msg, int pos);
    // Big-endian integers at fixed positions; missing bytes read as zero.
    static qint32 int32At(const QByteArray &msg, int pos);
    static quint16 uint16At(const QByteArray &msg, int pos);

    // The holding record, raw little-endian, 30 bytes.
    static QByteArray encodeTrayInfo(const trayInfo &ti);
    // False (and ti untouched) unless the payload holds a whole record.
    static bool decodeTrayInfo(const QByteArray &payload, trayInfo &ti);

    // Multi-packet payloads.
    static QByteArray binPanId(quint8 bin, quint64 panId);            // 9, 22
    static void decodeBinPanId(const QByteArray &payload, quint8 &bin, quint64 &panId);
    static QByteArray tagUid(quint64 uid);                             // 21
    static quint64 decodeTagUid(const QByteArray &payload);
    static QByteArray holdStopped(quint8 bin, quint64 uid, const QString &method, qint32 remaining); // 24
    struct HoldEvent
    {
        quint8 bin = 0;
        quint64 uid = 0;
        QString method;
        qint32 remaining = 0;
    };
    static HoldEvent decodeHoldStopped(const QByteArray &payload);
    static QByteArray holdExpired(quint8 bin, quint64 uid);            // 32
    static HoldEvent decodeHoldExpired(const QByteArray &payload);

    struct HaccpEntry
    {
        QString timestamp;
        QString productType;
        QString panId;
        qint32 bin = 0;
        QString method;
        qint32 remaining = 0;
    };
    static QByteArray haccpStop(const HaccpEntry &e);                  // 29
    static QByteArray haccpStart(const HaccpEntry &e);                 // 30
    static HaccpEntry decodeHaccpStop(const QByteArray &payload);
    static HaccpEntry decodeHaccpStart(const QByteArray &payload);

    static QByteArray remainingTimes(const QList<qint32> &times);      // 31
    static QList<qint32> decodeRemainingTimes(const QByteArray &payload);
    // Count (8) then count 16-bit temperatures (23).
    static QByteArray binsTargetTemps(const QList<qint16> &temps);
    static QList<qint16> decodeBinsTargetTemps(const QByteArray &payload);

    struct NetworkConfig
    {
        qint32 networkMode = 0;
        bool ethEnabled = false;
        bool staticIPEnabled = false;
        QString ipAddress;
        QString netmask;
        QString gateway;
        bool wifiEnabled = false;
        QString wifiSSID;
        QString wifiPassword;
        bool wifiStaticIp = false;
        QString wifiIpAddr;
        QString wifiNetmask;
        QString wifiGateway;
    };
    static QByteArray networkConfig(const NetworkConfig &c);           // 28
    static NetworkConfig decodeNetworkConfig(const QByteArray &payload);

    // Text payloads: the bytes up to the first zero byte, or all of them.
    static QString text(const QByteArray &payload);
    // Property by name (20): "object:property=value". False when the text
    // has no ":" or no "=" after it.
    static QByteArray objectPropertyText(const QString &object, const QString &prop, const QString &value);
    static bool decodeObjectPropertyText(const QByteArray &payload, QString &object, QString &prop,
                                         QString &value);
};
