#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QtGlobal>

#include <cstring>

#include <linux/can.h>

// The kernel's 16-byte frame record, as SocketCAN reads and writes it.
typedef struct can_frame can_frame_t;

// How received frames travel from the socket to the bus manager: the
// controller passes CanFrame objects; the update utility passes the 12-byte
// array form by value (CanFrame::arrayFormFromRecord).
enum class CanFrameForm { Object, ByteArray };

// One CAN frame as the program passes it around: the identifier exactly as
// read (flag bits included) and always 8 data bytes; there is no length, so
// short frames are zero-filled by their sender.
class CanFrame
{
public:
    static constexpr int RecordSize = 16;   // sizeof(struct can_frame)
    static constexpr int ArrayFormSize = 12; // identifier (big-endian) + 8 data bytes

    CanFrame() = default;
    CanFrame(quint32 identifier, const quint8 *data8)
        : m_identifier(identifier)
    {
        std::memcpy(m_data, data8, sizeof m_data);
    }
    CanFrame(const CanFrame &) = default;
    CanFrame &operator=(const CanFrame &) = default;

    quint32 identifier() const { return m_identifier; }
    const quint8 *data() const { return m_data; }
    quint8 byte(int i) const { return m_data[i]; }
    QByteArray dataBytes() const
    {
        return QByteArray(reinterpret_cast<const char *>(m_data), sizeof m_data);
    }

    bool isExtended() const { return m_identifier & CAN_EFF_FLAG; }
    bool isRemoteRequest() const { return m_identifier & CAN_RTR_FLAG; }
    bool isError() const { return m_identifier & CAN_ERR_FLAG; }

    // The kernel record for one frame: identifier as given (no flag bits
    // added), length = payload size, padding and unused data bytes zero.
    // An empty array when the payload is longer than 8 bytes.
    static QByteArray toRecord(quint32 identifier, const QByteArray &payload);
    // Reads a kernel record; false unless it is exactly 16 bytes. The
    // length byte is dropped: the frame always carries all 8 data bytes.
    static bool fromRecord(const QByteArray &record, CanFrame *frame);
    // The 12-byte array form (identifier big-endian in bytes 0 to 3, data in
    // bytes 4 to 11); missing bytes are taken as zero.
    static CanFrame fromArrayForm(const QByteArray &bytes);
    // The 12-byte array form of a kernel record: the identifier word
    // big-endian (flag bits included), then all 8 data bytes whatever the
    // length code. Empty unless the record is exactly 16 bytes.
    static QByteArray arrayFormFromRecord(const QByteArray &record);

private:
    quint32 m_identifier = 0;
    quint8 m_data[8] = {};
};

Q_DECLARE_METATYPE(can_frame_t)
Q_DECLARE_METATYPE(CanFrame)
Q_DECLARE_METATYPE(CanFrame *)
