#pragma once

#include <stdint.h>

// CRC-16/MODBUS: reflected polynomial 0xA001, initial value 0xFFFF, no final
// XOR. Used for every Modbus RTU frame, NFC tag records and menu checks.
#ifdef __cplusplus
extern "C" {
#endif

uint16_t etcCrc(const uint8_t *data, uint32_t count);
uint16_t etcCrcUpdate(const uint8_t *data, uint32_t count, uint16_t crc);

#ifdef __cplusplus
}
#endif
