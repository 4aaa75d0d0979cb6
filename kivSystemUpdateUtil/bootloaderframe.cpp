#include "bootloaderframe.h"

#include "crc/etccrc.h"

namespace {

void appendCrcLowFirst(QByteArray &frame)
{
    const quint16 crc = BootloaderFrame::crc(frame);
    frame.append(char(crc & 0xFF));
    frame.append(char(crc >> 8));
}

QByteArray controlFrame(quint8 node, BootloaderFrame::Command command)
{
    QByteArray frame(BootloaderFrame::ControlFrameLength - 2, '\0');
    frame[0] = char(node);
    frame[1] = command;
    appendCrcLowFirst(frame);
    return frame;
}

} // namespace

quint16 BootloaderFrame::crc(const QByteArray &bytes)
{
    return etcCrc(reinterpret_cast<const uint8_t *>(bytes.constData()), uint32_t(bytes.size()));
}

QByteArray BootloaderFrame::buildStartBootFrame(quint8 node)
{
    return controlFrame(node, StartBootloader);
}

QByteArray BootloaderFrame::buildStartAppFrame(quint8 node)
{
    return controlFrame(node, StartApplication);
}

QByteArray BootloaderFrame::buildWriteFlashFrame(quint8 node, const QByteArray &image, int offset,
                                                 int length)
{
    if (length < 1 || length > MaxWriteLength || offset < 0 || offset > image.size() - length)
        return QByteArray();
    const quint32 wordAddress = quint32(offset) / 2;
    QByteArray frame;
    frame.reserve(length + WriteFrameOverhead);
    frame.append(char(node));
    frame.append(WriteFlash);
    for (int shift = 0; shift < 32; shift += 8)
        frame.append(char((wordAddress >> shift) & 0xFF));
    frame.append(image.constData() + offset, length);
    appendCrcLowFirst(frame);
    return frame;
}

bool BootloaderFrame::isAcknowledge(const QByteArray &received, quint8 node)
{
    const int n = received.size();
    if (n <= 3 || quint8(received.at(0)) != node || received.at(1) != Acknowledge)
        return false;
    const quint16 expected = quint16(quint8(received.at(n - 2)) | (quint8(received.at(n - 1)) << 8));
    return crc(received.left(n - 2)) == expected;
}

BootloaderFrame::FirmwareImage BootloaderFrame::checkFirmwareFile(const QByteArray &file)
{
    FirmwareImage result;
    const int n = file.size();
    if (n <= 4) {
        result.image = file;
        return result;
    }
    result.image = file.left(n - 2);
    const quint16 stored = quint16((quint8(file.at(n - 2)) << 8) | quint8(file.at(n - 1)));
    result.good = crc(result.image) == stored;
    return result;
}
