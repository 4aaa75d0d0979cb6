#include "nfctagitem2.h"

#include "platform/kivclock.h"

#include <QDataStream>
#include <QDateTime>
#include <QDebug>

NfcTagItem2::NfcTagItem2()
    : m_lastSeenTimeStamp(KivClock::secsSinceEpoch())
{
}

NfcTagItem2::NfcTagItem2(quint64 uid, quint8 holdStatus, quint8 positionField, qint64 expTime,
                         qint64 activationTimeStamp)
    : m_uid(uid)
    , m_holdStatus(holdStatus)
    , m_positionField(positionField)
    , m_expTime(expTime)
    , m_activationTimeStamp(activationTimeStamp)
    , m_lastSeenTimeStamp(KivClock::secsSinceEpoch())
{
}

NfcTagItem2::NfcTagItem2(const NfcTagItem2 &other)
    : NfcTagItem2()
{
    *this = other;
}

NfcTagItem2 &NfcTagItem2::operator=(const NfcTagItem2 &other)
{
    if (this == &other)
        return *this;
    m_uid = other.m_uid;
    m_holdStatus = other.m_holdStatus;
    m_positionField = other.m_positionField;
    m_expTime = other.m_expTime;
    m_activationTimeStamp = other.m_activationTimeStamp;
    m_crc32 = other.m_crc32;
    m_batchId = other.m_batchId;
    m_productId = other.m_productId;
    m_holdExpired = false;
    m_restartRequested = false;
    m_menuMD5 = QByteArray(16, '\0');
    m_lastSeenTimeStamp = KivClock::secsSinceEpoch();
    return *this;
}

void NfcTagItem2::setHoldStatus(quint8 status)
{
    m_holdStatus = status;
    if (status < 3)
        m_holdExpired = false;
}

void NfcTagItem2::setPosition(quint8 position)
{
    m_positionField = quint8((m_positionField & 0x80) | (position & 0x7F));
}

void NfcTagItem2::setSeenInCabinet(bool seen)
{
    m_positionField = seen ? quint8(m_positionField | 0x80) : quint8(m_positionField & 0x7F);
}

void NfcTagItem2::setMenuMD5(const QByteArray &md5)
{
    m_menuMD5 = md5.left(16).leftJustified(16, '\0');
}

QDataStream &operator<<(QDataStream &out, const NfcTagItem2 &item)
{
    out << qint64(item.getUid()) << qint8(item.getHoldStatus()) << qint8(item.getPositionField())
        << qint64(item.getExpTime()) << qint64(item.getActivationTimeStamp()) << qint32(item.getCrc32())
        << item.getBatchId() << qint8(item.getProductId());
    return out;
}

QDataStream &operator>>(QDataStream &in, NfcTagItem2 &item)
{
    qint64 uid = 0, expTime = 0, activation = 0;
    qint8 holdStatus = 0, positionField = 0, productId = 0;
    qint32 crc = 0;
    QString batchId;
    in >> uid >> holdStatus >> positionField >> expTime >> activation >> crc >> batchId >> productId;
    // A record read back is a new sighting: nothing transient survives.
    item = NfcTagItem2(quint64(uid), 0, quint8(positionField), expTime, activation);
    item.setHoldStatus(quint8(holdStatus));
    item.setCrc32(quint32(crc));
    item.setBatchId(batchId);
    item.setProductId(quint8(productId));
    return in;
}

static QString msText(qint64 ms)
{
    return QDateTime::fromMSecsSinceEpoch(ms).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"));
}

QDebug operator<<(QDebug debug, const NfcTagItem2 &item)
{
    QDebugStateSaver saver(debug);
    debug.nospace().noquote() << "NfcTagItem2(uid " << QString::number(item.getUid(), 16) << ", status "
                              << item.getHoldStatus() << (item.getHoldExpired() ? " expired" : "")
                              << ", position " << item.getPosition()
                              << (item.getSeenInCabinet() ? " seen" : "") << ", expires "
                              << msText(item.getExpTime()) << ", activated "
                              << msText(item.getActivationTimeStamp()) << ", crc32 "
                              << QString::number(item.getCrc32(), 16) << ", md5 "
                              << item.getMenuMD5().toHex() << ", batch " << item.getBatchId()
                              << ", product " << item.getProductId()
                              << (item.getRestartRequested() ? ", restart requested" : "")
                              << ", last seen " << msText(item.getLastSeenTimeStamp() * 1000) << ")";
    return debug;
}
