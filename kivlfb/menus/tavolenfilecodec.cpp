#include "tavolenfilecodec.h"

#include "crc/etccrc.h"

#include <QtEndian>

namespace {

constexpr quint32 placeholderProductTemperature = 185;

// Reads one block field by field. The caller has checked that the block lies
// inside the bytes.
class BlockReader
{
public:
    BlockReader(const QByteArray &bytes, qint64 offset)
        : m_p(reinterpret_cast<const uchar *>(bytes.constData()) + offset)
    {
    }

    quint8 u8() { return *m_p++; }
    quint16 u16()
    {
        const quint16 v = qFromLittleEndian<quint16>(m_p);
        m_p += 2;
        return v;
    }
    quint32 u32()
    {
        const quint32 v = qFromLittleEndian<quint32>(m_p);
        m_p += 4;
        return v;
    }
    template <typename T, std::size_t N>
    void copy(std::array<T, N> &field)
    {
        static_assert(sizeof(T) == 1, "byte fields only");
        std::memcpy(field.data(), m_p, N);
        m_p += N;
    }

private:
    const uchar *m_p;
};

// The CRC of a block covers all of it after the CRC's own two bytes.
TavolenFileCodec::CrcCheck checkBlock(const QByteArray &bytes, qint64 offset, int size, quint16 stored)
{
    TavolenFileCodec::CrcCheck check;
    check.stored = stored;
    check.computed = etcCrc(reinterpret_cast<const uint8_t *>(bytes.constData()) + offset + 2, uint32_t(size - 2));
    return check;
}

bool inside(const QByteArray &bytes, qint64 offset, qint64 size)
{
    return offset >= 0 && size >= 0 && offset + size <= bytes.size();
}

ConfigurationTag readConfiguration(const QByteArray &bytes, qint64 offset)
{
    BlockReader in(bytes, offset);
    ConfigurationTag c;
    c.crc = in.u16();
    c.reserved0 = in.u8();
    c.language = in.u8();
    c.reserved1 = in.u8();
    c.useFirst = in.u8();
    c.groupDots = in.u8();
    c.splitView = in.u8();
    c.individualDayParts = in.u8();
    c.labelFontSize = in.u8();
    in.copy(c.productsHash);
    return c;
}

ProductTag readProduct(const QByteArray &bytes, qint64 offset)
{
    BlockReader in(bytes, offset);
    ProductTag p;
    p.crc = in.u16();
    p.kind = in.u8();
    p.reserved0 = in.u8();
    p.id = in.u32();
    in.copy(p.name);
    p.holdTime = in.u32();
    p.warningTime = in.u32();
    p.temperature = in.u32();
    p.productTemperature = in.u32();
    p.lidCode = in.u8();
    p.bottomCode = in.u8();
    p.panSize = in.u8();
    p.defaultIndex = in.u8();
    for (quint32 &member : p.members)
        member = in.u32();
    p.fanSpeed = in.u8();
    p.reserved1 = in.u8();
    return p;
}

DayPartTag readDayPart(const QByteArray &bytes, qint64 offset)
{
    BlockReader in(bytes, offset);
    DayPartTag d;
    d.crc = in.u16();
    for (quint32 &id : d.productIds)
        id = in.u32();
    return d;
}

} // namespace

TavolenFileCodec::Content TavolenFileCodec::decode(const QByteArray &file)
{
    Content content;
    if (file.size() < HeaderSize)
        return content;

    BlockReader in(file, 0);
    Header &h = content.header;
    h.crc = in.u16();
    h.version = in.u16();
    h.productCount = in.u8();
    h.reserved = in.u8();
    h.configurationOffset = in.u32();
    h.productsOffset = in.u32();
    h.dayPartsOffset = in.u32();

    content.headerCrc = checkBlock(file, 0, HeaderSize, h.crc);
    if (!content.headerCrc.good()) {
        content.stage = BadHeaderCrc;
        return content;
    }
    if (h.version != SupportedVersion) {
        content.stage = UnsupportedVersion;
        return content;
    }
    // Offsets are 32-bit: in 64-bit arithmetic no sum can wrap.
    if (!inside(file, h.configurationOffset, ConfigurationTag::Size)
        || !inside(file, h.productsOffset, qint64(h.productCount) * ProductTag::Size)
        || !inside(file, h.dayPartsOffset, qint64(DayPartRecords) * DayPartTag::Size)) {
        content.stage = BlocksOutsideFile;
        return content;
    }
    content.stage = BlocksRead;

    content.configuration = readConfiguration(file, h.configurationOffset);
    content.configurationCrc = checkBlock(file, h.configurationOffset, ConfigurationTag::Size,
                                          content.configuration.crc);

    content.products << placeholderProduct();
    for (int i = 0; i < h.productCount; ++i) {
        const qint64 offset = qint64(h.productsOffset) + qint64(i) * ProductTag::Size;
        const ProductTag product = readProduct(file, offset);
        content.products << product;
        const CrcCheck check = checkBlock(file, offset, ProductTag::Size, product.crc);
        if (!check.good()) {
            content.badProduct = i;
            content.badProductCrc = check;
            break;
        }
    }

    for (int i = 0; i < DayPartRecords; ++i) {
        const qint64 offset = qint64(h.dayPartsOffset) + qint64(i) * DayPartTag::Size;
        const DayPartTag dayPart = readDayPart(file, offset);
        content.dayParts << dayPart;
        const CrcCheck check = checkBlock(file, offset, DayPartTag::Size, dayPart.crc);
        if (!check.good()) {
            content.badDayPart = i;
            content.badDayPartCrc = check;
            break;
        }
    }
    return content;
}

ProductTag TavolenFileCodec::placeholderProduct()
{
    ProductTag p;
    p.kind = ProductTag::KindProduct;
    p.productTemperature = placeholderProductTemperature;
    p.panSize = 1;
    return p;
}
