#pragma once

#include "tavolenrecords.h"

#include <QByteArray>
#include <QList>

// The menu tool's binary menu file (".kiv"): an 18-byte header, then, where
// the header's offsets say, one configuration block, the product and group
// records one after another and two day-part records. Numbers are
// little-endian; every block carries its own CRC-16/MODBUS. A pure function
// over the file's bytes: it never reads past the end, and the result says
// how far the read got.
class TavolenFileCodec
{
public:
    static constexpr int HeaderSize = 18;
    static constexpr quint16 SupportedVersion = 5;
    static constexpr int DayPartRecords = 2;

    struct Header
    {
        quint16 crc = 0;
        quint16 version = 0;
        quint8 productCount = 0;
        quint8 reserved = 0;
        quint32 configurationOffset = 0;
        quint32 productsOffset = 0;
        quint32 dayPartsOffset = 0;
    };

    struct CrcCheck
    {
        quint16 computed = 0;
        quint16 stored = 0;
        bool good() const { return computed == stored; }
    };

    // How far a read got; each stage includes the ones before it.
    enum Stage {
        TooShort,           // not even a header
        BadHeaderCrc,
        UnsupportedVersion,
        BlocksOutsideFile,  // the header names blocks the file does not hold
        BlocksRead,         // every block was read; their CRCs say the rest
    };

    struct Content
    {
        Stage stage = TooShort;
        Header header;
        CrcCheck headerCrc;
        ConfigurationTag configuration;
        CrcCheck configurationCrc;
        // The placeholder product, then the file's records up to and with the
        // first whose CRC fails.
        QList<ProductTag> products;
        int badProduct = -1;   // file index of that record; -1: all good
        CrcCheck badProductCrc;
        // Up to and with the first whose CRC fails.
        QList<DayPartTag> dayParts;
        int badDayPart = -1;
        CrcCheck badDayPartCrc;

        // Everything read and every CRC good: the menu may be used.
        bool intact() const
        {
            return stage == BlocksRead && configurationCrc.good() && badProduct < 0 && badDayPart < 0;
        }
    };

    static Content decode(const QByteArray &file);

    // The empty product the import puts at the head of the product list, so
    // that product 0 is always row 0 of the menu.
    static ProductTag placeholderProduct();
};
