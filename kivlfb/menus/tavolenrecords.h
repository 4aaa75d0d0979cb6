#pragma once

#include <QList>
#include <QMetaType>
#include <QString>
#include <QtGlobal>

#include <array>
#include <cstring>

// The blocks of the menu tool's binary menu file, field by field in file
// order (TavolenFileCodec reads them). The import hands them on by signal
// under the names Configuration_t, Product_t and DayPart_t. Every block
// starts with the CRC-16/MODBUS of the rest of it.

// The site settings of the menu.
struct ConfigurationTag
{
    static constexpr int Size = 26;
    static constexpr int HashSize = 16;
    enum Language : quint8 { LanguageSpanish = 1, LanguageFrench = 2 }; // any other: English

    quint16 crc = 0;
    quint8 reserved0 = 0;
    quint8 language = 0;
    quint8 reserved1 = 0;
    quint8 useFirst = 0;           // non-zero: on
    quint8 groupDots = 0;
    quint8 splitView = 0;
    quint8 individualDayParts = 0;
    quint8 labelFontSize = 0;
    std::array<quint8, HashSize> productsHash{};
};

// One product or one product group; the kind tells them apart.
struct ProductTag
{
    static constexpr int Size = 134;
    static constexpr int NameSize = 64;
    static constexpr int MaxMembers = 10;
    enum Kind : quint8 { KindProduct = 'p', KindGroup = 'g' };
    enum LidCode : quint8 { LidSolid = 1, LidVented = 2 }; // any other: none
    enum BottomCode : quint8 { BottomFalse = 1 };          // any other: normal

    quint16 crc = 0;
    quint8 kind = 0;
    quint8 reserved0 = 0;
    quint32 id = 0;
    std::array<char, NameSize> name{}; // UTF-8, up to the first zero or the field's end
    quint32 holdTime = 0;              // seconds
    quint32 warningTime = 0;           // seconds
    quint32 temperature = 0;           // product: hold temperature; group: the group's
    quint32 productTemperature = 0;
    quint8 lidCode = 0;
    quint8 bottomCode = 0;
    quint8 panSize = 0;                // bins the pan takes
    quint8 defaultIndex = 0;           // group: default member
    std::array<quint32, MaxMembers> members{}; // group: product ids, ended by the first 0
    quint8 fanSpeed = 0;               // percent
    quint8 reserved1 = 0;

    // The name never reads past its field, terminated or not.
    QString nameText() const
    {
        const void *end = std::memchr(name.data(), 0, name.size());
        const int length = end ? int(static_cast<const char *>(end) - name.data()) : NameSize;
        return QString::fromUtf8(name.data(), length);
    }

    QList<quint32> memberIds() const
    {
        QList<quint32> ids;
        for (quint32 id : members) {
            if (id == 0)
                break;
            ids << id;
        }
        return ids;
    }
};

// The product on every bin of one day part, in the menu tool's bin order.
struct DayPartTag
{
    static constexpr int Size = 82;
    static constexpr int Bins = 20;

    quint16 crc = 0;
    std::array<quint32, Bins> productIds{};
};

using Configuration_t = ConfigurationTag;
using Product_t = ProductTag;
using DayPart_t = DayPartTag;

Q_DECLARE_METATYPE(ConfigurationTag)
Q_DECLARE_METATYPE(ProductTag)
Q_DECLARE_METATYPE(DayPartTag)
