#pragma once

#include <QByteArray>

// The byte forms of the boards' bootloaders on the RS-485 line: the frames
// the update utility sends (start the bootloader, write flash, start the
// application), the reply that acknowledges one, and the firmware file
// whose image the write frames carry. Pure functions over bytes; the
// Updater does the I/O.
//
// Every frame starts with the bus node it is for and ends with the
// CRC-16/MODBUS of the bytes before it, low byte first.
class BootloaderFrame
{
public:
    enum Command : char {
        StartBootloader = 'V',
        StartApplication = 'U',
        WriteFlash = 'W',
        Acknowledge = 'X',
    };

    // Start-bootloader and start-application frames: node, command, 132
    // zero bytes, CRC.
    static constexpr int ControlFrameLength = 136;
    // Write frames: node, command, flash word address (4 bytes, least
    // significant first), 1 to MaxWriteLength image bytes, CRC.
    static constexpr int MaxWriteLength = 128;
    static constexpr int WriteFrameOverhead = 8;
    // The longest frame the utility builds fits this buffer; a reply is
    // never longer, so more unrecognised bytes than this are line noise.
    static constexpr int BufferSize = 256;

    static QByteArray buildStartBootFrame(quint8 node);
    static QByteArray buildStartAppFrame(quint8 node);
    // length bytes of image from offset, for flash word address offset / 2.
    // Empty when length is outside 1..MaxWriteLength or the bytes are not
    // all in the image.
    static QByteArray buildWriteFlashFrame(quint8 node, const QByteArray &image, int offset,
                                           int length);

    // Whether the bytes received since the last frame was sent end a good
    // acknowledgement from node: more than three bytes, the first the node,
    // the second Acknowledge, the last two the CRC of all before them.
    static bool isAcknowledge(const QByteArray &received, quint8 node);

    struct FirmwareImage {
        QByteArray image; // the file without its trailing CRC; whole when too short
        bool good = false;
    };
    // A firmware file ends with the CRC-16/MODBUS of the bytes before it,
    // high byte first (the opposite of the frames). A file of four bytes or
    // fewer is never good.
    static FirmwareImage checkFirmwareFile(const QByteArray &file);

    static quint16 crc(const QByteArray &bytes);
};
