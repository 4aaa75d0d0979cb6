#include "canmessagecodec.h"

#include <QDataStream>
#include <QtEndian>


namespace {

constexpr quint8 kObjProp = 30;
constexpr quint8 kObjAction = 31;
constexpr int kPropAmbientTemp = 20;
constexpr int kActionSelectSubProduct = 3;
constexpr int kActionLoadProduct = 4;

// A writer that starts a payload with its id byte.
class Writer
{
public:
    explicit Writer(int id) : m_stream(&m_bytes, QIODevice::WriteOnly)
    {
        m_stream.setVersion(QDataStream::Qt_5_0);
        if (id >= 0)
            m_stream << quint8(id);
    }
    QDataStream &stream() { return m_stream; }
    QByteArray bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
    QDataStream m_stream;
};

// A reader over payload bytes from a position on; past the end every field
// reads as zero or as an empty string.
class Reader
{
public:
    Reader(const QByteArray &payload, int from)
        : m_bytes(from < payload.size() ? payload.mid(from) : QByteArray()),
          m_stream(m_bytes)
    {
        m_stream.setVersion(QDataStream::Qt_5_0);
    }
    template <typename T> T read()
    {
        T value{};
        m_stream >> value;
        if (m_stream.status() != QDataStream::Ok)
            return T{};
        return value;
    }
    QString readString()
    {
        QString value;
        m_stream >> value;
        if (m_stream.status() != QDataStream::Ok)
            return QString();
        return value;
    }

private:
    QByteArray m_bytes;
    QDataStream m_stream;
};

template <typename T> void putLe(QByteArray &out, int pos, T value)
{
    qToLittleEndian<T>(value, out.data() + pos);
}

template <typename T> T getLe(const QByteArray &in, int pos)
{
    return qFromLittleEndian<T>(in.constData() + pos);
}

} // namespace

bool CanMessageCodec::isBytePropertyCode(int code)
{
    switch (code) {
    case 1: case 3: case 8: case 10: case 12: case 17:
        return true;
    default:
        return false;
    }
}

int CanMessageCodec::frameIdFor(int msgId, bool primary)
{
    if (msgId >= 37 && msgId <= 40)
        return 3;
    return primary ? 1 : 2;
}

QByteArray CanMessageCodec::single(int id)
{
    return QByteArray(1, char(quint8(id)));
}

QByteArray CanMessageCodec::single(int id, const QList<quint8> &bytes)
{
    QByteArray out = single(id);
    for (quint8 b : bytes)
        out.append(char(b));
    return out;
}

QByteArray CanMessageCodec::singleByteInt(int id, quint8 byte, qint32 value)
{
    Writer w(id);
    w.stream() << byte << value;
    return w.bytes();
}

QByteArray CanMessageCodec::singleInt(int id, quint32 value)
{
    Writer w(id);
    w.stream() << value;
    return w.bytes();
}

QByteArray CanMessageCodec::languageSettings(quint8 languageId, quint32 mask)
{
    Writer w(59);
    w.stream() << languageId << mask;
    return w.bytes();
}

QByteArray CanMessageCodec::ecoConfig(quint8 activateMode, quint16 activateTimeout, quint8 shelfMode,
                                      quint16 shelfTemp)
{
    Writer w(60);
    w.stream() << activateMode << activateTimeout << shelfMode << shelfTemp;
    return w.bytes();
}

QByteArray CanMessageCodec::timeZone(bool ntpOn, int zoneIndex)
{
    return single(16, {quint8((zoneIndex & 0x7F) | (ntpOn ? 0x80 : 0))});
}

QByteArray CanMessageCodec::settings(int id, const Settings &s)
{
    Writer w(id);
    w.stream() << s.bits << s.fontSize << s.languageId << s.soundLevel << s.tempUnit << s.cleanTimeout;
    return w.bytes();
}

CanMessageCodec::Settings CanMessageCodec::decodeSettings(const QByteArray &msg)
{
    Settings s;
    s.bits = byteAt(msg, 1);
    s.fontSize = byteAt(msg, 2);
    s.languageId = byteAt(msg, 3);
    s.soundLevel = byteAt(msg, 4);
    s.tempUnit = byteAt(msg, 5);
    s.cleanTimeout = uint16At(msg, 6);
    return s;
}

QByteArray CanMessageCodec::dateTime(quint16 year, quint8 month, quint8 day, quint8 hour, quint8 minute,
                                     quint8 second, bool ampm, bool dst)
{
    Writer w(15);
    const quint8 hourWithFlags = quint8((hour & 0x3F) | (ampm ? 0x80 : 0) | (dst ? 0x40 : 0));
    w.stream() << year << month << day << hourWithFlags << minute << second;
    return w.bytes();
}

QByteArray CanMessageCodec::property8(int code, quint8 object, quint8 value)
{
    return single(kObjProp, {quint8(code), object, value});
}

QByteArray CanMessageCodec::property32(int code, quint8 object, qint32 value)
{
    Writer w(kObjProp);
    w.stream() << quint8(code) << object << value;
    return w.bytes();
}

QByteArray CanMessageCodec::propertyValueOnly(int code, qint32 value)
{
    Writer w(kObjProp);
    w.stream() << quint8(code) << value;
    return w.bytes();
}

QByteArray CanMessageCodec::action(int code)
{
    return single(kObjAction, {quint8(code)});
}

QByteArray CanMessageCodec::action(int code, quint8 bin)
{
    return single(kObjAction, {quint8(code), bin});
}

QByteArray CanMessageCodec::actionIndex(int code, quint8 bin, qint32 index)
{
    Writer w(kObjAction);
    w.stream() << quint8(code) << bin << index;
    return w.bytes();
}

QByteArray CanMessageCodec::actionLoadProduct(quint8 bin, qint32 productId, bool defaultProduct)
{
    Writer w(kObjAction);
    w.stream() << quint8(kActionLoadProduct) << bin << productId << quint8(defaultProduct ? 1 : 0);
    return w.bytes();
}

CanMessageCodec::ObjectMessage CanMessageCodec::decodeProperty(const QByteArray &msg)
{
    ObjectMessage m;
    m.code = byteAt(msg, 1);
    if (m.code == kPropAmbientTemp) {
        m.value = int32At(msg, 2);
    } else if (isBytePropertyCode(m.code)) {
        m.object = byteAt(msg, 2);
        m.value = byteAt(msg, 3);
    } else {
        m.object = byteAt(msg, 2);
        m.value = int32At(msg, 3);
    }
    return m;
}

CanMessageCodec::ObjectMessage CanMessageCodec::decodeAction(const QByteArray &msg)
{
    ObjectMessage m;
    m.code = byteAt(msg, 1);
    m.object = byteAt(msg, 2);
    if (m.code == kActionSelectSubProduct || m.code == kActionLoadProduct)
        m.value = int32At(msg, 3);
    if (m.code == kActionLoadProduct)
        m.flag = byteAt(msg, 7) != 0;
    return m;
}

quint8 CanMessageCodec::byteAt(const QByteArray &msg, int pos)
{
    return pos >= 0 && pos < msg.size() ? quint8(msg.at(pos)) : 0;
}

qint32 CanMessageCodec::int32At(const QByteArray &msg, int pos)
{
    quint32 v = 0;
    for (int i = 0; i < 4; ++i)
        v = (v << 8) | byteAt(msg, pos + i);
    return qint32(v);
}

quint16 CanMessageCodec::uint16At(const QByteArray &msg, int pos)
{
    return quint16((byteAt(msg, pos) << 8) | byteAt(msg, pos + 1));
}

QByteArray CanMessageCodec::encodeTrayInfo(const trayInfo &ti)
{
    QByteArray out(int(sizeof(trayInfo)), '\0');
    out[0] = char(ti.binNumber);
    out[1] = char(ti.holdActivity);
    out[2] = char(ti.dayPart);
    out[3] = char(ti.isGroup);
    putLe<quint32>(out, 4, ti.groupId);
    out[8] = char(ti.groupIndex);
    putLe<qint32>(out, 9, ti.remainingTime);
    putLe<qint64>(out, 13, ti.expectedTime);
    out[21] = char(ti.flag);
    putLe<qint64>(out, 22, ti.processId);
    return out;
}

bool CanMessageCodec::decodeTrayInfo(const QByteArray &payload, trayInfo &ti)
{
    if (payload.size() < int(sizeof(trayInfo)))
        return false;
    ti.binNumber = quint8(payload.at(0));
    ti.holdActivity = quint8(payload.at(1));
    ti.dayPart = quint8(payload.at(2));
    ti.isGroup = quint8(payload.at(3));
    ti.groupId = getLe<quint32>(payload, 4);
    ti.groupIndex = quint8(payload.at(8));
    ti.remainingTime = getLe<qint32>(payload, 9);
    ti.expectedTime = getLe<qint64>(payload, 13);
    ti.flag = quint8(payload.at(21));
    ti.processId = getLe<qint64>(payload, 22);
    return true;
}

QByteArray CanMessageCodec::binPanId(quint8 bin, quint64 panId)
{
    Writer w(-1);
    w.stream() << bin << panId;
    return w.bytes();
}

void CanMessageCodec::decodeBinPanId(const QByteArray &payload, quint8 &bin, quint64 &panId)
{
    Reader r(payload, 0);
    bin = r.read<quint8>();
    panId = r.read<quint64>();
}

QByteArray CanMessageCodec::tagUid(quint64 uid)
{
    Writer w(-1);
    w.stream() << uid;
    return w.bytes();
}

quint64 CanMessageCodec::decodeTagUid(const QByteArray &payload)
{
    return Reader(payload, 0).read<quint64>();
}

QByteArray CanMessageCodec::holdStopped(quint8 bin, quint64 uid, const QString &method, qint32 remaining)
{
    Writer w(-1);
    w.stream() << bin << uid << method << remaining;
    return w.bytes();
}

CanMessageCodec::HoldEvent CanMessageCodec::decodeHoldStopped(const QByteArray &payload)
{
    Reader r(payload, 0);
    HoldEvent e;
    e.bin = r.read<quint8>();
    e.uid = r.read<quint64>();
    e.method = r.readString();
    e.remaining = r.read<qint32>();
    return e;
}

QByteArray CanMessageCodec::holdExpired(quint8 bin, quint64 uid)
{
    return binPanId(bin, uid);
}

CanMessageCodec::HoldEvent CanMessageCodec::decodeHoldExpired(const QByteArray &payload)
{
    HoldEvent e;
    decodeBinPanId(payload, e.bin, e.uid);
    return e;
}

QByteArray CanMessageCodec::haccpStop(const HaccpEntry &e)
{
    Writer w(-1);
    w.stream() << e.timestamp << e.productType << e.panId << e.bin << e.method << e.remaining;
    return w.bytes();
}

QByteArray CanMessageCodec::haccpStart(const HaccpEntry &e)
{
    Writer w(-1);
    w.stream() << e.timestamp << e.productType << e.panId << e.bin << e.method;
    return w.bytes();
}

CanMessageCodec::HaccpEntry CanMessageCodec::decodeHaccpStop(const QByteArray &payload)
{
    Reader r(payload, 0);
    HaccpEntry e;
    e.timestamp = r.readString();
    e.productType = r.readString();
    e.panId = r.readString();
    e.bin = r.read<qint32>();
    e.method = r.readString();
    e.remaining = r.read<qint32>();
    return e;
}

CanMessageCodec::HaccpEntry CanMessageCodec::decodeHaccpStart(const QByteArray &payload)
{
    Reader r(payload, 0);
    HaccpEntry e;
    e.timestamp = r.readString();
    e.productType = r.readString();
    e.panId = r.readString();
    e.bin = r.read<qint32>();
    e.method = r.readString();
    return e;
}

QByteArray CanMessageCodec::remainingTimes(const QList<qint32> &times)
{
    Writer w(-1);
    for (qint32 t : times)
        w.stream() << t;
    return w.bytes();
}

QList<qint32> CanMessageCodec::decodeRemainingTimes(const QByteArray &payload)
{
    QList<qint32> times;
    for (int pos = 0; pos + 4 <= payload.size(); pos += 4)
        times << int32At(payload, pos);
    return times;
}

QByteArray CanMessageCodec::binsTargetTemps(const QList<qint16> &temps)
{
    Writer w(-1);
    w.stream() << qint8(temps.size());
    for (qint16 t : temps)
        w.stream() << t;
    return w.bytes();
}

QList<qint16> CanMessageCodec::decodeBinsTargetTemps(const QByteArray &payload)
{
    // A payload shorter than its count holds fewer targets: reading the
    // missing ones as 0 would switch heaters off on the receiving display.
    QList<qint16> temps;
    const int count = qMin(int(byteAt(payload, 0)), (payload.size() - 1) / 2);
    for (int i = 0; i < count; ++i)
        temps << qint16(uint16At(payload, 1 + 2 * i));
    return temps;
}

QByteArray CanMessageCodec::networkConfig(const NetworkConfig &c)
{
    Writer w(-1);
    w.stream() << c.networkMode << c.ethEnabled << c.staticIPEnabled << c.ipAddress << c.netmask
               << c.gateway << c.wifiEnabled << c.wifiSSID << c.wifiPassword << c.wifiStaticIp
               << c.wifiIpAddr << c.wifiNetmask << c.wifiGateway;
    return w.bytes();
}

CanMessageCodec::NetworkConfig CanMessageCodec::decodeNetworkConfig(const QByteArray &payload)
{
    Reader r(payload, 0);
    NetworkConfig c;
    c.networkMode = r.read<qint32>();
    c.ethEnabled = r.read<bool>();
    c.staticIPEnabled = r.read<bool>();
    c.ipAddress = r.readString();
    c.netmask = r.readString();
    c.gateway = r.readString();
    c.wifiEnabled = r.read<bool>();
    c.wifiSSID = r.readString();
    c.wifiPassword = r.readString();
    c.wifiStaticIp = r.read<bool>();
    c.wifiIpAddr = r.readString();
    c.wifiNetmask = r.readString();
    c.wifiGateway = r.readString();
    return c;
}

QString CanMessageCodec::text(const QByteArray &payload)
{
    const int zero = payload.indexOf('\0');
    return QString::fromLocal8Bit(zero < 0 ? payload : payload.left(zero));
}

QByteArray CanMessageCodec::objectPropertyText(const QString &object, const QString &prop, const QString &value)
{
    return QStringLiteral("%1:%2=%3").arg(object, prop, value).toLocal8Bit();
}

bool CanMessageCodec::decodeObjectPropertyText(const QByteArray &payload, QString &object, QString &prop,
                                               QString &value)
{
    const QString all = text(payload);
    const int colon = all.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return false;
    const QString rest = all.mid(colon + 1);
    const int equals = rest.indexOf(QLatin1Char('='));
    if (equals < 0)
        return false;
    object = all.left(colon);
    prop = rest.left(equals);
    value = rest.mid(equals + 1);
    return true;
}
