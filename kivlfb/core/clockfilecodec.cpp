#include "clockfilecodec.h"

#include <QtEndian>

namespace {

constexpr int kTransmitSecondsOffset = 40;
constexpr quint8 kNtpClientRequest = 0x23; // leap 0, version 4, mode 3
constexpr int kDateTimeMessageSize = 8;
constexpr quint8 kHourMask = 0x3F;
constexpr quint8 kDstBit = 0x40;
constexpr quint8 kAmPmBit = 0x80;

} // namespace

QByteArray ClockFileCodec::ntpRequest()
{
    QByteArray request(NtpPacketSize, '\0');
    request[0] = char(kNtpClientRequest);
    return request;
}

ClockFileCodec::NtpReply ClockFileCodec::decodeNtpReply(const QByteArray &bytes)
{
    NtpReply reply;
    if (bytes.size() < NtpPacketSize)
        return reply;
    reply.transmitSeconds =
        qFromBigEndian<quint32>(reinterpret_cast<const uchar *>(bytes.constData()) + kTransmitSecondsOffset);
    if (reply.transmitSeconds == 0) {
        reply.status = NtpReply::NoTime;
        return reply;
    }
    qint64 unixSeconds = qint64(reply.transmitSeconds) - NtpToUnixSeconds;
    if (unixSeconds < 0)
        unixSeconds += qint64(1) << 32;
    reply.utc = QDateTime::fromSecsSinceEpoch(unixSeconds, Qt::UTC);
    reply.status = NtpReply::Valid;
    return reply;
}

ClockFileCodec::DateTimeMessage ClockFileCodec::decodeDateTime(const QByteArray &msg)
{
    DateTimeMessage m;
    if (msg.size() < kDateTimeMessageSize)
        return m;
    const auto *b = reinterpret_cast<const uchar *>(msg.constData());
    m.complete = true;
    m.date = QDate(qFromBigEndian<quint16>(b + 1), b[3], b[4]);
    m.time = QTime(b[5] & kHourMask, b[6], b[7]);
    m.ampm = (b[5] & kAmPmBit) != 0;
    m.dst = (b[5] & kDstBit) != 0;
    return m;
}

int ClockFileCodec::offsetWithoutDate(const QTimeZone &zone)
{
    return zone.offsetFromUtc(QDateTime::fromMSecsSinceEpoch(0, Qt::UTC));
}

QDateTime ClockFileCodec::enteredTimeToUtc(const QString &time, const QString &timeFormat, const QString &date,
                                           const QString &dateFormat, const QTimeZone &zone, bool dst)
{
    const int offset = offsetWithoutDate(zone) + (dst ? DstSecs : 0);
    const QDate d = QDate::fromString(date, dateFormat);
    const QTime t = QTime::fromString(time, timeFormat);
    // The framework would take an unreadable time as midnight.
    if (!d.isValid() || !t.isValid())
        return QDateTime();
    return QDateTime(d, t, Qt::OffsetFromUTC, offset).toUTC();
}

QString ClockFileCodec::dateCommandArgument(const QDateTime &dt)
{
    return dt.toString(QStringLiteral("MMddhhmmyyyy.ss"));
}

QByteArray ClockFileCodec::encodeFile(const QString &path, const QByteArray &contents)
{
    QByteArray name = path.toUtf8();
    if (name.size() >= FileNameFieldSize)
        name = path.section(QLatin1Char('/'), -1).toUtf8();
    if (name.size() >= FileNameFieldSize)
        return QByteArray();
    QByteArray payload(FileNameFieldSize, '\0');
    payload.replace(0, name.size(), name);
    payload.append(contents);
    return payload;
}

ClockFileCodec::ReceivedFile ClockFileCodec::decodeFile(const QByteArray &payload)
{
    ReceivedFile file;
    if (payload.size() < FileNameFieldSize)
        return file;
    const QByteArray field = payload.left(FileNameFieldSize);
    const int end = field.indexOf('\0');
    file.complete = true;
    file.name = QString::fromUtf8(end < 0 ? field : field.left(end));
    file.contents = payload.mid(FileNameFieldSize);
    return file;
}

QString ClockFileCodec::ReceivedFile::fileName() const
{
    const QString base = name.section(QLatin1Char('/'), -1);
    if (base == QLatin1String(".") || base == QLatin1String(".."))
        return QString();
    return base;
}
