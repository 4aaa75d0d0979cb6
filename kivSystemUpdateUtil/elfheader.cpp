#include "elfheader.h"

namespace {

// Offsets into the identification and the fixed part of the header; the
// same for both classes.
constexpr int kClassOffset = 4;
constexpr int kByteOrderOffset = 5;
constexpr int kTypeOffset = 16;
constexpr int kMachineOffset = 18;
constexpr int kFixedPartSize = 20;

int halfWord(const QByteArray &bytes, int offset, int byteOrder)
{
    const int first = quint8(bytes.at(offset));
    const int second = quint8(bytes.at(offset + 1));
    return byteOrder == ElfHeader::LittleEndian ? first | (second << 8) : (first << 8) | second;
}

QString bits(int elfClass)
{
    return elfClass == ElfHeader::Class64 ? QStringLiteral("64-bit") : QStringLiteral("32-bit");
}

} // namespace

ElfHeader ElfHeader::parse(const QByteArray &start)
{
    ElfHeader h;
    if (start.size() < kFixedPartSize || !start.startsWith("\x7f" "ELF"))
        return h;
    h.elfClass = quint8(start.at(kClassOffset));
    h.byteOrder = quint8(start.at(kByteOrderOffset));
    if ((h.elfClass != Class32 && h.elfClass != Class64)
        || (h.byteOrder != LittleEndian && h.byteOrder != BigEndian))
        return h;
    h.type = halfWord(start, kTypeOffset, h.byteOrder);
    h.machine = halfWord(start, kMachineOffset, h.byteOrder);
    h.valid = true;
    return h;
}

QString ElfHeader::whyNotRunnable(const QByteArray &candidate, const QByteArray &reference)
{
    if (candidate.isEmpty())
        return QStringLiteral("the file is empty");
    const ElfHeader c = parse(candidate);
    if (!c.valid)
        return QStringLiteral("not a program (no ELF header)");
    const ElfHeader own = parse(reference);
    if (!own.valid)
        return QStringLiteral("this program's own header cannot be read to compare");
    if (c.elfClass != own.elfClass)
        return QStringLiteral("a %1 program; this machine runs %2 ones").arg(bits(c.elfClass), bits(own.elfClass));
    if (c.byteOrder != own.byteOrder)
        return QStringLiteral("a program of the other byte order");
    if (c.type != Executable && c.type != SharedObject)
        return QStringLiteral("not a program (ELF type %1)").arg(c.type);
    if (c.machine != own.machine)
        return QStringLiteral("a program for another machine (ELF machine %1; this one is %2)")
            .arg(c.machine)
            .arg(own.machine);
    return QString();
}
