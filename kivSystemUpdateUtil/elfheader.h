#pragma once

#include <QByteArray>
#include <QString>

// The identifying start of an ELF file: enough to tell whether a program
// was built for the machine that is to run it. Pure functions over bytes;
// the callers read the files.
class ElfHeader
{
public:
    // The bytes to read from the start of a file: the whole header of a
    // 64-bit file, which is the larger one.
    static constexpr int kReadSize = 64;

    enum Class { Class32 = 1, Class64 = 2 };
    enum ByteOrder { LittleEndian = 1, BigEndian = 2 };
    enum Type { Executable = 2, SharedObject = 3 }; // position-independent programs are shared objects

    bool valid = false; // magic, class and byte order read
    int elfClass = 0;
    int byteOrder = 0;
    int type = 0;
    int machine = 0;

    static ElfHeader parse(const QByteArray &start);

    // Why a file starting with `candidate` cannot run where the program
    // starting with `reference` runs; empty when it can.
    static QString whyNotRunnable(const QByteArray &candidate, const QByteArray &reference);
};
