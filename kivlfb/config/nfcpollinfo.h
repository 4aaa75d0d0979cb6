#pragma once

#include <QtGlobal>

struct NfcMap;

// One antenna read of the polling plan.
struct NfcPollEntry
{
    qint32 channel = 0;
    qint32 binIndex = 0;
};

// The bins one reader reads in one poll round, in zone order, left before
// right within a zone.
struct NfcPollGroup
{
    static constexpr int MaxEntries = 12;

    qint32 address = 0;
    qint32 count = 0;
    NfcPollEntry entries[MaxEntries];
};

// The NFC polling plan derived from the reader map: for each reader address
// (in order of first appearance) and poll order (1 or 2), the reads to make.
struct NfcPollInfo
{
    static constexpr int MaxAddresses = 2;
    static constexpr int MaxPollOrders = 2;

    qint32 numAddresses = 0;
    qint32 numPollOrders = 0;
    NfcPollGroup groups[MaxAddresses][MaxPollOrders]; // [address index][poll order - 1]

    void clear();

    // Rebuilds the plan from the first numberOfZones records of the map.
    // A side whose poll order is not 1 or 2, or that names a third reader
    // address, is logged and left out; a group stops at MaxEntries.
    void build(const NfcMap &map, int numberOfZones);
};
