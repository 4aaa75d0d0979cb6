#include "etcdaapi.h"

#include <QtEndian>

#include <cstring>

extern "C" uint16_t etcBigEndianToHost16(uint16_t value) { return qFromBigEndian<quint16>(value); }
extern "C" uint16_t etcHostToBigEndian16(uint16_t value) { return qToBigEndian<quint16>(value); }
extern "C" uint16_t etcLittleEndianToHost16(uint16_t value) { return qFromLittleEndian<quint16>(value); }
extern "C" uint16_t etcHostToLittleEndian16(uint16_t value) { return qToLittleEndian<quint16>(value); }

extern "C" void *etcDaPutInputs(void *destination, const void *source, size_t count)
{
    return count ? std::memcpy(destination, source, count) : destination;
}
