#pragma once

#include <stddef.h>
#include <stdint.h>

// Byte-order and copy helpers for a little-endian host.
#ifdef __cplusplus
extern "C" {
#endif

uint16_t etcBigEndianToHost16(uint16_t value);
uint16_t etcHostToBigEndian16(uint16_t value);
uint16_t etcLittleEndianToHost16(uint16_t value);
uint16_t etcHostToLittleEndian16(uint16_t value);
void *etcDaPutInputs(void *destination, const void *source, size_t count);

#ifdef __cplusplus
}
#endif
