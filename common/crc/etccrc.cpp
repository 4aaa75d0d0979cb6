#include "etccrc.h"

#include "crc16.h"

extern "C" uint16_t etcCrcUpdate(const uint8_t *data, uint32_t count, uint16_t crc)
{
    for (uint32_t i = 0; i < count; ++i)
        crc = static_cast<uint16_t>(Crc16::crc16TableData[(crc ^ data[i]) & 0xFFu] ^ (crc >> 8));
    return crc;
}

extern "C" uint16_t etcCrc(const uint8_t *data, uint32_t count)
{
    return etcCrcUpdate(data, count, 0xFFFF);
}
