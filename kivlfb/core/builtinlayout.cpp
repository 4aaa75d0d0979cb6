#include "builtinlayout.h"

#include <array>

namespace {

constexpr int kLeave = -99; // the preset leaves the property's initial value

// Columns of the preset table, in the order they are applied.
enum Column {
    Role, Config, Zones, TraysPerZone, Rows, Probes, HasMirror, HasSecondary, TempHandling,
    TempLayout, IndividualDp, SingleColumn, Nfc, Primary, Mirror, Portrait, Dock, Sync,
    ZonesHandled, FirstZone, PowerChoice, PowerSource, IoSysCfg, ColumnCount
};

struct Property {
    Column column;
    const char *name;
    bool isBool;
};

// Sync and the I/O system configuration are not properties; they are kept
// out of this list and handled on their own.
constexpr std::array<Property, 21> kProperties = {{
    {Role, "uiRole", false},
    {Config, "cabinetConfiguration", false},
    {Zones, "numberOfZones", false},
    {TraysPerZone, "traysPerZone", false},
    {Rows, "numberOfRows", false},
    {Probes, "numOfTempProbes", false},
    {HasMirror, "hasMirrorDisplay", true},
    {HasSecondary, "hasSecondaryDisplay", true},
    {TempHandling, "tempHandling", false},
    {TempLayout, "tempLayout", false},
    {IndividualDp, "isIndividualDpSelectable", true},
    {SingleColumn, "singleColumnUnit", true},
    {Nfc, "nfcEnabled", true},
    {Primary, "iAmMaster", true},
    {Mirror, "mirrorDisplay", true},
    {Portrait, "orientationPortrait", true},
    {Dock, "pressGoDockPosition", false},
    {ZonesHandled, "zones2handle", false},
    {FirstZone, "zones2handleStart", false},
    {PowerChoice, "powerSourceChoice", true},
    {PowerSource, "powerSource", false},
}};

struct Extra {
    const char *name;
    int value;
    bool isBool;
};

struct Row {
    int uiId;
    std::array<int, ColumnCount> values;
    QVector<Extra> extras;
};

const QVector<Extra> kAs20 = {{"zoneViewType", 0, false}, {"perBinTemps", 0, true},
                              {"pressGoBannerEnable", 1, true}, {"verticalFlip", 0, true},
                              {"tempRangeErrorDisable", 1, true}, {"hasFan", 1, true}};
const QVector<Extra> kAs9 = {{"zonesPerRow", 2, false}, {"zoneViewType", 0, false},
                             {"perBinTemps", 1, true}};
const QVector<Extra> kAs17 = {{"perBinTemps", 1, true}, {"pressGoBannerEnable", 0, true}};
const QVector<Extra> kAs33 = {{"pressGoBannerEnable", 1, true}, {"hasFan", 1, true}};
const QVector<Extra> kAs36 = {{"verticalFlip", 1, true}, {"hasFan", 1, true}};

constexpr int L = kLeave;
const QVector<Row> &rows()
{
    //            role cfg zn tpz rw prb hM hS tH tL iDp sC nfc pri mir por dk syn zh fz pC  pS   io
    static const QVector<Row> table = {
        {1,  {{1, 10, 10, 2, 5, 20, 0, 1, 1, 1, 1, 0, 1, 1, 0, 0, 0, 1, 5, 0, 0, 120, 6}}, {}},
        {2,  {{2, 10, 10, 2, 5, L,  0, 0, 1, 1, 1, 0, 1, 0, 0, 0, 0, 0, 5, 5, 0, 120, -1}}, {}},
        {9,  {{1, 9,  4,  2, 2, 8,  1, 0, 1, 1, 0, 1, 1, 1, 0, 0, 1, 1, 4, 0, 0, 120, 9}}, kAs9},
        {10, {{3, 9,  4,  2, 2, L,  0, 0, 1, 1, 0, 1, 1, 0, 1, 0, 1, 0, 4, 0, 0, 120, -1}}, kAs9},
        {17, {{1, 8,  2,  2, 2, 4,  1, 0, 1, 1, 0, 1, 1, 1, 0, 1, 1, 1, 2, 0, 0, 120, 8}}, kAs17},
        {18, {{3, 8,  2,  2, 2, L,  0, 0, 1, 1, 0, 1, 1, 0, 1, 1, 1, 0, 2, 0, 0, 120, -1}}, kAs17},
        {20, {{1, 1,  3,  2, 3, 6,  1, 0, 0, 2, 0, 1, 0, 1, 0, 1, 1, 1, 3, 0, 0, 120, 1}}, kAs20},
        {24, {{3, 1,  3,  2, 3, 6,  0, 0, 0, 2, 0, 1, 0, 0, 1, 1, 1, 0, 3, 0, 0, 120, 1}}, kAs20},
        {32, {{0, 10, 5,  2, 5, 10, 0, 0, 1, 1, 0, 1, 1, 1, 0, 1, 1, 0, 5, 0, 0, 120, 5}}, {}},
        {33, {{1, 7,  4,  2, 4, 8,  1, 0, 0, 2, 0, 1, 0, 1, 0, 1, 1, 1, 4, 0, 0, 208, 7}}, kAs33},
        {34, {{3, 7,  4,  2, 4, L,  0, 0, 0, 0, 0, 1, 0, L, 1, 1, 1, 0, 4, 0, 0, 208, -1}}, kAs33},
        {36, {{1, 5,  5,  4, 5, 10, 1, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0, 1, 5, 0, 1, 208, 5}}, kAs36},
        {40, {{3, 5,  5,  4, 5, L,  0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 5, 0, 0, 208, -1}}, kAs36},
    };
    return table;
}

const Row &otherRow()
{
    static const Row row = {0, {{1, L, 10, 2, 5, L, 0, 1, 0, L, 0, 0, 0, 0, L, 0, 0, L, 5, 0, 0, 120, 6}},
                            {{"traysPerCabinet", 20, false}}};
    return row;
}

QList<int> range(int n)
{
    QList<int> list;
    for (int i = 0; i < n; ++i)
        list << i;
    return list;
}

void setLists(BuiltInLayout &l)
{
    using P = QPair<int, int>;
    switch (l.uiId) {
    case 1:
    case 2:
        l.mio2uitMap = {16, 17, 14, 15, 12, 13, 6, 7, 4, 5, 18, 19, 10, 11, 8, 9, 2, 3, 0, 1};
        l.ui2mioZoneMap = {8, 7, 6, 3, 2, 9, 5, 4, 1, 0};
        l.zoneMap = l.ui2mioZoneMap;
        l.setsNfcMap = true;
        l.nfcMap = range(20);
        l.binTestTemps = {190, 195, 170, 175, 150, 155, 130, 135, 110, 115,
                          200, 205, 180, 185, 160, 165, 140, 145, 120, 125};
        if (l.uiId == 1)
            l.ioBoardToZoneMap = {P(8, 9), P(3, 4), P(6, 7), P(1, 2), P(0, 5)};
        return;
    case 9:
    case 10:
        l.mio2uitMap = range(8);
        l.ui2mioZoneMap = range(4);
        l.zoneMap = range(4);
        l.setsNfcMap = true;
        l.nfcMap = {0, 1, 4, 5, 2, 3, 6, 7};
        l.binTestTemps = {200, 190, 180, 170, 160, 150, 140, 130};
        if (l.uiId == 9)
            l.ioBoardToZoneMap = {P(0, 1), P(2, 3)};
        return;
    case 17:
    case 18:
        l.mio2uitMap = {2, 3, 0, 1};
        l.ui2mioZoneMap = {1, 0};
        l.zoneMap = {1, 0};
        l.setsNfcMap = true;
        l.nfcMap = {0, 1, 2, 3};
        l.binTestTemps = {200, 180, 150, 130};
        if (l.uiId == 17)
            l.ioBoardToZoneMap = {P(0, 1)};
        return;
    case 20:
    case 24:
        l.mio2uitMap = {4, 5, 2, 3, 0, 1};
        l.ui2mioZoneMap = {2, 1, 0};
        l.zoneMap = {2, 1, 0};
        l.binTestTemps = {110, 110, 130, 130, 150, 150};
        if (l.uiId == 20)
            l.ioBoardToZoneMap = {P(0, 1), P(2, 3), P(4, 5)};
        return;
    case 32:
        l.mio2uitMap = {8, 9, 2, 3, 6, 7, 0, 1, 4, 5};
        l.ui2mioZoneMap = {4, 1, 3, 0, 2};
        l.zoneMap = l.ui2mioZoneMap;
        l.setsNfcMap = true;
        l.nfcMap = range(10);
        l.binTestTemps = {110, 115, 130, 135, 150, 155, 180, 185, 200, 205};
        l.ioBoardToZoneMap = {P(1, 3), P(2, 4), P(0, 0)};
        return;
    case 33:
    case 34:
        l.mio2uitMap = {6, 7, 4, 5, 2, 3, 0, 1};
        l.ui2mioZoneMap = {3, 2, 1, 0};
        l.zoneMap = l.ui2mioZoneMap;
        if (l.uiId == 33) {
            l.binTestTemps = {200, 200, 180, 180, 150, 150, 130, 130};
            l.ioBoardToZoneMap = {P(0, 1), P(2, 3)};
        } else {
            l.binTestTemps = {200, 190, 180, 170, 160, 150, 140, 130};
        }
        return;
    case 36:
    case 40:
        l.mio2uitMap = {8, 9, 6, 7, 4, 5, 2, 3, 0, 1};
        l.ui2mioZoneMap = {4, 3, 2, 1, 0};
        l.zoneMap = l.ui2mioZoneMap;
        l.binTestTemps = {110, 110, 130, 130, 150, 150, 180, 180, 200, 200};
        if (l.uiId == 36)
            l.ioBoardToZoneMap = {P(1, 3), P(2, 4), P(0, 0)};
        return;
    default:
        l.mio2uitMap = {16, 17, 12, 13, 8, 9, 4, 5, 0, 1, 18, 19, 14, 15, 10, 11, 6, 7, 2, 3};
        l.ui2mioZoneMap = {8, 6, 4, 2, 0, 9, 7, 5, 3, 1};
        l.zoneMap = {8, 9, 6, 7, 4, 5, 2, 3, 0, 1};
        l.setsNfcMap = true;
        l.nfcMap = range(20);
        l.binTestTemps = {190, 190, 170, 170, 150, 150, 130, 130, 110, 110,
                          200, 200, 180, 180, 160, 160, 140, 140, 120, 120};
        l.ioBoardToZoneMap = {P(8, 9), P(3, 4), P(6, 7), P(1, 2), P(0, 5)};
        return;
    }
}

} // namespace

bool BuiltInLayout::isBuiltIn(int uiId)
{
    for (const Row &r : rows())
        if (r.uiId == uiId)
            return true;
    return false;
}

QList<int> BuiltInLayout::productLocationMap(int uiId)
{
    // The menu tool counts the bins of these cabinets from the other end.
    // UI ids as in the table above.
    switch (uiId) {
    case 20: // 3x2, primary and mirror
    case 24:
        return {4, 5, 2, 3, 0, 1};
    case 1: // 5x4, primary and secondary
    case 2:
        return {16, 17, 12, 13, 8, 9, 4, 5, 0, 1, 18, 19, 14, 15, 10, 11, 6, 7, 2, 3};
    default:
        return {};
    }
}

BuiltInLayout BuiltInLayout::forUiId(int uiId)
{
    const Row *row = &otherRow();
    for (const Row &r : rows())
        if (r.uiId == uiId)
            row = &r;

    BuiltInLayout l;
    l.uiId = uiId;
    l.known = row != &otherRow();
    for (const Property &p : kProperties) {
        const int v = row->values[p.column];
        if (v != kLeave)
            l.properties.append({QByteArray(p.name), p.isBool ? QVariant(v != 0) : QVariant(v)});
    }
    for (const Extra &e : row->extras)
        l.properties.append({QByteArray(e.name), e.isBool ? QVariant(e.value != 0) : QVariant(e.value)});
    if (row->values[Sync] != kLeave) {
        l.setsSyncNeeded = true;
        l.syncNeeded = row->values[Sync] != 0;
    }
    l.iosyscfg = row->values[IoSysCfg];
    setLists(l);
    return l;
}
