#include "etccrc.h"

#include <array>

namespace {

// The table is computed by the compiler, so there is no lazy initialisation
// and no race between threads that compute CRCs (the error controller's
// worker builds Modbus requests too).
constexpr std::array<uint16_t, 256> makeTable()
{
    std::array<uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        uint16_t c = 0;
        uint16_t d = static_cast<uint16_t>(i);
        for (int bit = 0; bit < 8; ++bit) {
            if ((c ^ d) & 1u)
                c = static_cast<uint16_t>((c >> 1) ^ 0xA001u);
            else
                c = static_cast<uint16_t>(c >> 1);
            d = static_cast<uint16_t>(d >> 1);
        }
        table[i] = c;
    }
    return table;
}

constexpr std::array<uint16_t, 256> kCrc16Table = makeTable();
static_assert(kCrc16Table[1] == 0xC0C1, "CRC-16/MODBUS table");

} // namespace

extern "C" uint16_t etcCrcUpdate(const uint8_t *data, uint32_t count, uint16_t crc)
{
    for (uint32_t i = 0; i < count; ++i)
        crc = static_cast<uint16_t>(kCrc16Table[(crc ^ data[i]) & 0xFFu] ^ (crc >> 8));
    return crc;
}

extern "C" uint16_t etcCrc(const uint8_t *data, uint32_t count)
{
    return etcCrcUpdate(data, count, 0xFFFF);
}
