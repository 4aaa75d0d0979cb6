#pragma once

#include <QByteArray>

#include <cstdio>

// One result line of a measured program for the bench driver, on standard
// error (standard output carries the controller's own log).
inline void benchLine(const QByteArray &text)
{
    std::fprintf(stderr, "bench: %s\n", text.constData());
    std::fflush(stderr);
}
