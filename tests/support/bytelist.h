#pragma once

#include <QByteArray>

#include <initializer_list>

// Bytes written as numbers, for pinning payloads: bytes({15, 0x07, 0xE8}).
inline QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(quint8(v)));
    return out;
}
