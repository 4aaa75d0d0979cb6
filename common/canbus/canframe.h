#pragma once

#include <QMetaType>
#include <QtGlobal>

#include <cstring>

#include <linux/can.h>

// The kernel's 16-byte frame record, as SocketCAN reads and writes it.
typedef struct can_frame can_frame_t;

// One CAN frame as the program passes it around: the identifier exactly as
// read (flag bits included) and always 8 data bytes; there is no length, so
// short frames are zero-filled by their sender.
class CanFrame
{
public:
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

private:
    quint32 m_identifier = 0;
    quint8 m_data[8] = {};
};

Q_DECLARE_METATYPE(can_frame_t)
Q_DECLARE_METATYPE(CanFrame)
Q_DECLARE_METATYPE(CanFrame *)
