#pragma once

#include <QtGlobal>

// One bin's NFC antenna: which reader board (Modbus address) and which of its
// ten channels read the bin, and in which poll round.
struct NfcBinInfo
{
    qint32 binIndex = 0;
    qint32 address = 0;
    qint32 channel = 0;
    qint32 pollOrder = 0; // 1 or 2; anything else is not a usable side
};

// One zone of the reader map: its number and the antennas of its two bins.
struct NfcZoneInfo
{
    qint32 zone = 0;
    NfcBinInfo left;
    NfcBinInfo right;
};

// The cabinet's NFC reader map: one record per zone index. It comes from the
// personality file or from a built-in layout chosen by the UI id.
struct NfcMap
{
    static constexpr int MaxZones = 20;
    static constexpr int ChannelsPerReader = 10;
    static constexpr int FirstReaderAddress = 2;

    NfcZoneInfo zones[MaxZones];

    void clear();

    // Fills the map from the built-in layout of a UI id, for numberOfZones
    // zones but never more than the layout serves. Returns false, leaving
    // the map untouched, when the id has no built-in layout.
    bool fillBuiltInLayout(int uiId, int numberOfZones);
};
