#pragma once

#include <QObject>

#include <array>

namespace Crc16Table {

// CRC-16/MODBUS (reflected polynomial 0xA001), one entry per byte value.
constexpr std::array<quint16, 256> build()
{
    std::array<quint16, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        quint16 c = 0;
        quint16 d = static_cast<quint16>(i);
        for (int bit = 0; bit < 8; ++bit) {
            if ((c ^ d) & 1u)
                c = static_cast<quint16>((c >> 1) ^ 0xA001u);
            else
                c = static_cast<quint16>(c >> 1);
            d = static_cast<quint16>(d >> 1);
        }
        table[i] = c;
    }
    return table;
}

} // namespace Crc16Table

// Owner of the CRC-16/MODBUS table that etcCrc() runs on; the bootloader
// frames of the boards carry the same CRC. The compiler builds the table, so
// it is ready before any code runs and no thread can see it half built: the
// "initialised" flag is always true.
class Crc16 : public QObject
{
    Q_OBJECT

public:
    Crc16() = default;
    ~Crc16() override = default;

    static constexpr std::array<quint16, 256> crc16TableData = Crc16Table::build();
    static constexpr bool crc16TableInitializedFlag = true;
};

static_assert(Crc16::crc16TableData[1] == 0xC0C1, "CRC-16/MODBUS table");
