#pragma once

#include <QMetaType>
#include <QtGlobal>

// The zones one I/O-board output drives; one entry per output, in output
// order, from the personality file.
struct ioBoardToZone_struct
{
    qint32 firstZone = 0;
    qint32 secondZone = 0;
};

using IoBoardToZone = ioBoardToZone_struct;

Q_DECLARE_METATYPE(ioBoardToZone_struct)
