#pragma once

#include <QByteArray>
#include <QtGlobal>

class QDebug;

// The first-generation pan-tag record. Its 64-byte little-endian form is
// both the who-owns-this-tag query and hand-over record on the network and
// the record of "SavedHash.dat".
class NfcTagItem
{
public:
    static constexpr quint32 ClassId = 0xDEADFACE;
    static constexpr int RecordSize = 64;

    NfcTagItem() = default;
    NfcTagItem(quint64 uid, quint8 position, quint16 productID, quint64 tagHoldTime, qint64 expTime,
               qint64 sysTime);

    // The 64 bytes of the record.
    QByteArray toBytes() const;
    // Reads the first 64 bytes; false (and the record untouched) when there
    // are fewer.
    bool fromBytes(const QByteArray &bytes);

    quint32 getClassId() const { return m_classId; }
    void setClassId(quint32 id) { m_classId = id; }
    quint8 getClassRev() const { return m_classRev; }
    void setClassRev(quint8 rev) { m_classRev = rev; }
    quint64 getUid() const { return m_uid; }
    void setUid(quint64 uid) { m_uid = uid; }
    quint8 getPosition() const { return m_position; }
    void setPosition(quint8 position) { m_position = position; }
    quint16 getProductID() const { return m_productID; }
    void setProductID(quint16 id) { m_productID = id; }
    quint64 getTagHoldTime() const { return m_tagHoldTime; }
    void setTagHoldTime(quint64 ms) { m_tagHoldTime = ms; }
    qint64 getSysTime() const { return m_sysTime; }
    void setSysTime(qint64 ms) { m_sysTime = ms; }
    qint64 getExpTime() const { return m_expTime; }
    void setExpTime(qint64 ms) { m_expTime = ms; }
    QByteArray getMenuMD5() const { return m_menuMD5; }
    void setMenuMD5(const QByteArray &md5);

private:
    quint32 m_classId = ClassId;
    quint8 m_classRev = 1;
    quint64 m_uid = 0;
    quint8 m_position = 0;
    quint16 m_productID = 0;
    quint64 m_tagHoldTime = 0;
    qint64 m_sysTime = 0;
    qint64 m_expTime = 0;
    QByteArray m_menuMD5 = QByteArray(16, '\0');
};

QDebug operator<<(QDebug debug, const NfcTagItem &item);
