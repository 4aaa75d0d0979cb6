#include "modbusrtu.h"

#include "qmodbuspolldesc_struct.h"

#include "crc/etccrc.h"

namespace {

void appendWord(QByteArray &frame, quint16 value)
{
    frame.append(char(value >> 8));
    frame.append(char(value & 0xFF));
}

quint8 byteAt(const QByteArray &frame, int index)
{
    return quint8(frame.at(index));
}

QString hexByte(quint8 b)
{
    return QString::asprintf("%2.2X", b);
}

} // namespace

quint16 ModbusRtu::crc(const char *data, int count)
{
    return etcCrc(reinterpret_cast<const uint8_t *>(data), uint32_t(count));
}

QByteArray ModbusRtu::withCrc(const QByteArray &pdu)
{
    QByteArray frame = pdu;
    const quint16 c = crc(pdu.constData(), pdu.size());
    frame.append(char(c & 0xFF));
    frame.append(char(c >> 8));
    return frame;
}

int ModbusRtu::requestLength(quint8 functionCode, quint16 quantity, quint16 recordLength)
{
    switch (functionCode) {
    case 1: case 2: case 3: case 4: case 5: case 6:
        return 8;
    case 15:
        return 9 + (quantity + 7) / 8;
    case 16:
        return 9 + 2 * quantity;
    case 21:
        return 12 + 2 * recordLength;
    default:
        return -1;
    }
}

int ModbusRtu::valuesNeeded(quint8 functionCode, quint16 quantity, quint16 recordLength)
{
    switch (functionCode) {
    case 5: case 6:
        return 1;
    case 15: case 16:
        return quantity;
    case 21:
        return recordLength;
    default:
        return 0;
    }
}

QByteArray ModbusRtu::requestFrame(const QModbusPollDesc_struct &r, const QVector<quint16> &v)
{
    QByteArray f;
    f.reserve(kMaxFrame);
    f.append(char(r.slaveId));
    f.append(char(r.functionCode));
    switch (r.functionCode) {
    case 1: case 2: case 3: case 4:
        appendWord(f, r.startAddress);
        appendWord(f, r.quantity);
        break;
    case 5:
        appendWord(f, r.startAddress);
        f.append(char(v.at(0) != 0 ? 0xFF : 0x00));
        f.append(char(0x00));
        break;
    case 6:
        appendWord(f, r.startAddress);
        appendWord(f, v.at(0));
        break;
    case 15: {
        const int byteCount = (r.quantity + 7) / 8;
        appendWord(f, r.startAddress);
        appendWord(f, r.quantity);
        f.append(char(byteCount));
        const int head = f.size();
        f.append(QByteArray(byteCount, '\0'));
        for (int i = 0; i < r.quantity; ++i) {
            if (v.at(i) != 0)
                f[head + i / 8] = char(quint8(f.at(head + i / 8)) | (1u << (i % 8)));
        }
        break;
    }
    case 16:
        appendWord(f, r.startAddress);
        appendWord(f, r.quantity);
        f.append(char(2 * r.quantity));
        for (int i = 0; i < r.quantity; ++i)
            appendWord(f, v.at(i));
        break;
    case 21:
        f.append(char(r.dataLength));
        f.append(char(r.referenceType));
        appendWord(f, r.fileNumber);
        appendWord(f, r.recordNumber);
        appendWord(f, r.recordLength);
        for (int i = 0; i < r.recordLength; ++i)
            appendWord(f, v.at(i));
        break;
    default:
        return QByteArray();
    }
    const quint16 c = crc(f.constData(), f.size());
    f.append(char(c & 0xFF));
    f.append(char(c >> 8));
    return f;
}

int ModbusRtu::replyLength(const char *reply, int count)
{
    if (count < 4)
        return 4;
    const quint8 function = quint8(reply[1]);
    if (function & 0x80)
        return 5;
    switch (function) {
    case 5: case 6: case 8: case 11: case 15: case 16:
        return 8;
    case 7:
        return 5;
    case 1: case 2: case 3: case 4: case 12: case 20: case 21:
        return quint8(reply[2]) + 5;
    default:
        return 4;
    }
}

ModbusRtu::ReplyCheck ModbusRtu::checkReply(const char *reply, int count, quint8 expectedSlave,
                                            quint16 *computedCrc)
{
    if (count < 4)
        return Incomplete;
    if (quint8(reply[0]) != expectedSlave)
        return WrongSlave;
    if (count < replyLength(reply, count))
        return Incomplete;
    const quint16 c = crc(reply, count - 2);
    if (computedCrc)
        *computedCrc = c;
    const quint16 received = quint16(quint8(reply[count - 2]) | (quint8(reply[count - 1]) << 8));
    return c == received ? Complete : BadCrc;
}

QString ModbusRtu::requestTrace(const QByteArray &f, quint8 slaveId, quint8 functionCode)
{
    QString s = QString::asprintf(" > %2.2X %2.2X ", slaveId, functionCode);
    if (f.isEmpty())
        return s;
    const int n = f.size();
    const auto crcText = [&]() { return hexByte(byteAt(f, n - 2)) + hexByte(byteAt(f, n - 1)); };
    switch (functionCode) {
    case 1: case 2: case 3: case 4: case 5: case 6:
        s += QString::asprintf("%2.2X%2.2X %2.2X%2.2X %2.2X%2.2X", byteAt(f, 2), byteAt(f, 3),
                               byteAt(f, 4), byteAt(f, 5), byteAt(f, 6), byteAt(f, 7));
        break;
    case 15:
    case 16:
        s += QString::asprintf("%2.2X%2.2X %2.2X%2.2X %2.2X ", byteAt(f, 2), byteAt(f, 3),
                               byteAt(f, 4), byteAt(f, 5), byteAt(f, 6));
        if (functionCode == 15) {
            for (int i = 7; i < n - 2; ++i)
                s += hexByte(byteAt(f, i)) + QLatin1Char(' ');
        } else {
            for (int i = 7; i + 1 < n - 2; i += 2)
                s += hexByte(byteAt(f, i)) + hexByte(byteAt(f, i + 1)) + QLatin1Char(' ');
        }
        s += crcText();
        break;
    case 21:
        s += QString::asprintf("%2.2X %2.2X %2.2X%2.2X %2.2X%2.2X %2.2X%2.2X ", byteAt(f, 2),
                               byteAt(f, 3), byteAt(f, 4), byteAt(f, 5), byteAt(f, 6),
                               byteAt(f, 7), byteAt(f, 8), byteAt(f, 9));
        for (int i = 10; i + 1 < n - 2; i += 2)
            s += hexByte(byteAt(f, i)) + hexByte(byteAt(f, i + 1)) + QLatin1Char(' ');
        s += crcText();
        break;
    default:
        break;
    }
    return s;
}

QString ModbusRtu::hex(const char *data, int count)
{
    return QByteArray(data, count).toHex().toUpper();
}
