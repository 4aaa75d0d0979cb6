#pragma once

#include "menus/tavolenrecords.h"

#include "crc/etccrc.h"

#include <QByteArray>
#include <QList>
#include <QtEndian>

// Writes binary menu files as the menu tool does, for tests: an 18-byte
// header, the configuration block, the product records and the two day-part
// records, in that order, each with its CRC. The offsets of every block are
// given so a test can damage one block on its own.
class MenuToolFile
{
public:
    quint16 version = 5;
    ConfigurationTag configuration;
    QList<ProductTag> products;
    DayPartTag dayParts[2];

    static constexpr int HeaderSize = 18;
    int configurationOffset() const { return HeaderSize; }
    int productOffset(int i) const { return configurationOffset() + ConfigurationTag::Size + i * ProductTag::Size; }
    int dayPartOffset(int i) const { return productOffset(products.size()) + i * DayPartTag::Size; }
    int size() const { return dayPartOffset(2); }

    static ProductTag product(quint32 id, const QByteArray &name, quint32 holdTime, quint32 warningTime,
                              quint32 temperature, quint32 productTemperature)
    {
        ProductTag p;
        p.kind = ProductTag::KindProduct;
        p.id = id;
        setName(p, name);
        p.holdTime = holdTime;
        p.warningTime = warningTime;
        p.temperature = temperature;
        p.productTemperature = productTemperature;
        p.lidCode = ProductTag::LidSolid;
        p.panSize = 1;
        p.fanSpeed = 80;
        return p;
    }

    static ProductTag group(quint32 id, const QByteArray &name, const QList<quint32> &members)
    {
        ProductTag g;
        g.kind = ProductTag::KindGroup;
        g.id = id;
        setName(g, name);
        g.temperature = 170;
        g.panSize = 2;
        for (int i = 0; i < members.size() && i < ProductTag::MaxMembers; ++i)
            g.members[size_t(i)] = members.at(i);
        return g;
    }

    // Up to the whole field: a 64-byte name has no terminating zero.
    static void setName(ProductTag &p, const QByteArray &name)
    {
        p.name.fill(0);
        std::memcpy(p.name.data(), name.constData(), size_t(qMin(name.size(), ProductTag::NameSize)));
    }

    QByteArray bytes() const
    {
        QByteArray out = header(version, quint8(products.size()), quint32(configurationOffset()),
                                quint32(productOffset(0)), quint32(dayPartOffset(0)));
        out += block(configurationBody(configuration));
        for (const ProductTag &p : products)
            out += block(productBody(p));
        for (const DayPartTag &d : dayParts)
            out += block(dayPartBody(d));
        return out;
    }

    static QByteArray header(quint16 version, quint8 count, quint32 configuration, quint32 products,
                             quint32 dayParts)
    {
        QByteArray body;
        le16(body, version);
        body += char(count);
        body += char(0);
        le32(body, configuration);
        le32(body, products);
        le32(body, dayParts);
        return block(body);
    }

    // A block is its body behind the body's CRC.
    static QByteArray block(const QByteArray &body)
    {
        QByteArray out;
        le16(out, etcCrc(reinterpret_cast<const uint8_t *>(body.constData()), uint32_t(body.size())));
        return out + body;
    }

private:
    static void le16(QByteArray &out, quint16 v)
    {
        uchar b[2];
        qToLittleEndian(v, b);
        out.append(reinterpret_cast<const char *>(b), 2);
    }
    static void le32(QByteArray &out, quint32 v)
    {
        uchar b[4];
        qToLittleEndian(v, b);
        out.append(reinterpret_cast<const char *>(b), 4);
    }

    static QByteArray configurationBody(const ConfigurationTag &c)
    {
        QByteArray body;
        for (quint8 v : {c.reserved0, c.language, c.reserved1, c.useFirst, c.groupDots, c.splitView,
                         c.individualDayParts, c.labelFontSize})
            body += char(v);
        body.append(reinterpret_cast<const char *>(c.productsHash.data()), ConfigurationTag::HashSize);
        return body;
    }

    static QByteArray productBody(const ProductTag &p)
    {
        QByteArray body;
        body += char(p.kind);
        body += char(p.reserved0);
        le32(body, p.id);
        body.append(p.name.data(), ProductTag::NameSize);
        for (quint32 v : {p.holdTime, p.warningTime, p.temperature, p.productTemperature})
            le32(body, v);
        for (quint8 v : {p.lidCode, p.bottomCode, p.panSize, p.defaultIndex})
            body += char(v);
        for (quint32 m : p.members)
            le32(body, m);
        body += char(p.fanSpeed);
        body += char(p.reserved1);
        return body;
    }

    static QByteArray dayPartBody(const DayPartTag &d)
    {
        QByteArray body;
        for (quint32 id : d.productIds)
            le32(body, id);
        return body;
    }
};
