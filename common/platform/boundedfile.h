#pragma once

#include <QByteArray>
#include <QString>

// Reads a whole file the program depends on at start, up to a size far above
// any real one. A bigger file is refused as damaged with one log line, so a
// runaway file can neither stall the start nor eat the memory of the board.
class BoundedFile
{
public:
    // Text settings and state files: "config.txt", the personality file,
    // the holding state.
    static constexpr qint64 SmallFileLimit = 1 << 20;
    // Menus, logs and the pan-tag registry.
    static constexpr qint64 LargeFileLimit = 16 << 20;

    enum Result { Read, Missing, Unreadable, TooLarge };

    // Fills *bytes only when the result is Read. A caller that goes on to
    // grow the bytes asks for spare room behind them, so that growing them
    // needs no copy of the whole.
    static Result read(const QString &path, qint64 limit, QByteArray *bytes, qint64 spare = 0);
};
