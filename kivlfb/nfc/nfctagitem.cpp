#include "nfctagitem.h"

#include <QDateTime>
#include <QDebug>
#include <QtEndian>

NfcTagItem::NfcTagItem(quint64 uid, quint8 position, quint16 productID, quint64 tagHoldTime,
                       qint64 expTime, qint64 sysTime)
    : m_uid(uid)
    , m_position(position)
    , m_productID(productID)
    , m_tagHoldTime(tagHoldTime)
    , m_sysTime(sysTime)
    , m_expTime(expTime)
{
}

void NfcTagItem::setMenuMD5(const QByteArray &md5)
{
    m_menuMD5 = md5.left(16).leftJustified(16, '\0');
}

QByteArray NfcTagItem::toBytes() const
{
    uchar p[RecordSize] = {};
    qToLittleEndian<quint32>(m_classId, p);
    p[4] = m_classRev;
    qToLittleEndian<quint64>(m_uid, p + 8);
    p[16] = m_position;
    qToLittleEndian<quint16>(m_productID, p + 18);
    qToLittleEndian<quint64>(m_tagHoldTime, p + 24);
    qToLittleEndian<qint64>(m_sysTime, p + 32);
    qToLittleEndian<qint64>(m_expTime, p + 40);
    memcpy(p + 48, m_menuMD5.constData(), 16);
    return QByteArray(reinterpret_cast<const char *>(p), RecordSize);
}

bool NfcTagItem::fromBytes(const QByteArray &bytes)
{
    if (bytes.size() < RecordSize)
        return false;
    const uchar *p = reinterpret_cast<const uchar *>(bytes.constData());
    m_classId = qFromLittleEndian<quint32>(p);
    m_classRev = p[4];
    m_uid = qFromLittleEndian<quint64>(p + 8);
    m_position = p[16];
    m_productID = qFromLittleEndian<quint16>(p + 18);
    m_tagHoldTime = qFromLittleEndian<quint64>(p + 24);
    m_sysTime = qFromLittleEndian<qint64>(p + 32);
    m_expTime = qFromLittleEndian<qint64>(p + 40);
    m_menuMD5 = bytes.mid(48, 16);
    return true;
}

QDebug operator<<(QDebug debug, const NfcTagItem &item)
{
    const auto ms = [](qint64 v) {
        return QDateTime::fromMSecsSinceEpoch(v).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"));
    };
    QDebugStateSaver saver(debug);
    debug.nospace().noquote() << "NfcTagItem(class " << QString::number(item.getClassId(), 16) << " rev "
                              << item.getClassRev() << ", uid " << QString::number(item.getUid(), 16)
                              << ", position " << item.getPosition() << ", product " << item.getProductID()
                              << ", hold " << item.getTagHoldTime() << " ms, sent " << ms(item.getSysTime())
                              << ", expires " << ms(item.getExpTime()) << ", md5 "
                              << item.getMenuMD5().toHex() << ")";
    return debug;
}
