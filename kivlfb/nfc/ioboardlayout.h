#pragma once

#include <QList>

// What the I/O-board link needs to know of the cabinet: the display's role,
// the zone and bin counts and the personality's channel maps. The cabinet
// core fills it once the layout is known; tests fill it by hand.
struct IoBoardLayout
{
    bool iAmMaster = false;
    bool hasFan = false;
    bool hasMirrorDisplay = false;
    bool hasSecondaryDisplay = false;
    int numberOfZones = 0;
    int traysPerZone = 0;
    int cabinetConfiguration = 0; // 10: SYSTEM_CONFIG_LINEAR20
    int numIOBoards = 1;
    QList<int> zoneMap;    // per zone: the board channel of its set point and fan
    QList<int> mio2uitMap; // per bin: the board temperature input of the bin
    // The heater tests' view of the board: per zone the channel its heaters
    // sit on, each bin's test set point, and 1 when the screens count zones
    // from the other end.
    QList<int> ui2mioZoneMap;
    QList<int> binTestTemps;
    int zoneNumberingOrder = 0;
    // The NFC readers are the in-process simulators: their traffic must not
    // be forced onto the serial line.
    bool nfcReadersSimulated = false;

    bool hasRemoteDisplay() const { return hasMirrorDisplay || hasSecondaryDisplay; }
    // Reader requests go to the real line even while the board is simulated,
    // unless the readers are simulated too.
    bool readerTrafficOnLine() const { return !nfcReadersSimulated; }
};
