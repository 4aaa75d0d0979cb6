#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class QDataStream;
class QDebug;

// One pan tag as the registry and the holding lists of other cabinets know
// it. A plain value: tables own their records and copy them when they hand
// them on.
class NfcTagItem2
{
public:
    // Where the pan's hold stands: started here, continued after a return
    // or a move within the cabinet, taken over from another cabinet, over
    // (its time ran out, or the pan stayed away too long), ended.
    enum HoldStatus : quint8 {
        HoldStarted = 0,
        HoldContinued = 1,
        HoldTakenOver = 2,
        HoldOver = 3,
        HoldEnded = 4
    };

    NfcTagItem2();
    NfcTagItem2(quint64 uid, quint8 holdStatus, quint8 positionField, qint64 expTime,
                qint64 activationTimeStamp);
    // A copy is a fresh sighting of the same hold: it carries the hold's own
    // fields, starts with the transient flags cleared and is seen now.
    NfcTagItem2(const NfcTagItem2 &other);
    NfcTagItem2 &operator=(const NfcTagItem2 &other);

    quint64 getUid() const { return m_uid; }
    void setUid(quint64 uid) { m_uid = uid; }
    quint8 getHoldStatus() const { return m_holdStatus; }
    // A hold that is running again is not expired any more.
    void setHoldStatus(quint8 status);
    bool getHoldExpired() const { return m_holdExpired; }
    void setHoldExpired(bool expired) { m_holdExpired = expired; }
    quint8 getPositionField() const { return m_positionField; }
    void setPositionField(quint8 field) { m_positionField = field; }
    quint8 getPosition() const { return m_positionField & 0x7F; }
    void setPosition(quint8 position);
    bool getSeenInCabinet() const { return m_positionField & 0x80; }
    void setSeenInCabinet(bool seen);
    qint64 getExpTime() const { return m_expTime; }
    void setExpTime(qint64 ms) { m_expTime = ms; }
    // Whole seconds left until the expiry time, to the nearest second
    // (0 or less once it has passed).
    int remainingSecs(qint64 nowMs) const { return int((m_expTime - nowMs + 500) / 1000); }
    qint64 getActivationTimeStamp() const { return m_activationTimeStamp; }
    void setActivationTimeStamp(qint64 ms) { m_activationTimeStamp = ms; }
    quint32 getCrc32() const { return m_crc32; }
    void setCrc32(quint32 crc) { m_crc32 = crc; }
    QByteArray getMenuMD5() const { return m_menuMD5; }
    void setMenuMD5(const QByteArray &md5);
    QString getBatchId() const { return m_batchId; }
    void setBatchId(const QString &batchId) { m_batchId = batchId; }
    quint8 getProductId() const { return m_productId; }
    void setProductId(quint8 productId) { m_productId = productId; }
    bool getRestartRequested() const { return m_restartRequested; }
    void setRestartRequested(bool requested) { m_restartRequested = requested; }
    qint64 getLastSeenTimeStamp() const { return m_lastSeenTimeStamp; }
    void setLastSeenTimeStamp(qint64 secs) { m_lastSeenTimeStamp = secs; }

private:
    quint64 m_uid = 0;
    quint8 m_holdStatus = 0;
    bool m_holdExpired = false;
    quint8 m_positionField = 0;
    qint64 m_expTime = 0;
    qint64 m_activationTimeStamp = 0;
    quint32 m_crc32 = 0;
    QByteArray m_menuMD5 = QByteArray(16, '\0');
    QString m_batchId;
    bool m_restartRequested = false;
    qint64 m_lastSeenTimeStamp = 0;
    quint8 m_productId = 0;
};

// The stream record of the saved registry and of the holding lists.
QDataStream &operator<<(QDataStream &out, const NfcTagItem2 &item);
QDataStream &operator>>(QDataStream &in, NfcTagItem2 &item);
QDebug operator<<(QDebug debug, const NfcTagItem2 &item);
