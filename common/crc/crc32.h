#pragma once

#include <QByteArray>
#include <QtGlobal>

// CRC-32 of IEEE 802.3 (reflected 0xEDB88320, initial 0xFFFFFFFF, final
// complement): CAN record and message checks, per-product menu checksums.
class Crc32
{
public:
    Crc32() = default;

    quint32 calculateFromByteArray(const QByteArray &data) const;
    // Continues a CRC over more bytes; update(0, ...) starts a new one, and
    // update(update(0, a), b) equals the CRC of a followed by b.
    static quint32 update(quint32 crc, const char *data, qsizetype size);
};
