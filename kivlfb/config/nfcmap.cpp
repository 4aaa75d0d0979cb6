#include "nfcmap.h"

#include <QDebug>

namespace {

struct BuiltInLayout
{
    const int *zoneOrder;
    int zoneCount;
    int leftPollOrder;
    int rightPollOrder;
};

const int linearOrder[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
// The two-by-four cabinet reads its upper zones before the lower ones.
const int crossedOrder[] = {0, 2, 1, 3};

bool layoutFor(int uiId, BuiltInLayout *layout)
{
    switch (uiId) {
    case 1:  // 5x4 primary
    case 2:  // 5x4 secondary
        *layout = {linearOrder, 10, 1, 2};
        return true;
    case 9:  // 2x4 primary
    case 10: // 2x4 mirror
        *layout = {crossedOrder, 4, 1, 1};
        return true;
    case 17: // 2x2 primary
    case 18: // 2x2 mirror
    case 32: // 5x2 primary
        *layout = {linearOrder, 10, 1, 1};
        return true;
    default:
        return false;
    }
}

} // namespace

void NfcMap::clear()
{
    for (NfcZoneInfo &zone : zones)
        zone = NfcZoneInfo();
}

bool NfcMap::fillBuiltInLayout(int uiId, int numberOfZones)
{
    BuiltInLayout layout;
    if (!layoutFor(uiId, &layout))
        return false;

    int zoneCount = numberOfZones;
    if (zoneCount > layout.zoneCount) {
        qDebug() << "NFC layout" << uiId << "serves" << layout.zoneCount
                 << "zones; zones from" << layout.zoneCount << "on get no reader";
        zoneCount = layout.zoneCount;
    }

    clear();
    // Zones take channel pairs 0/1, 2/3 ... 8/9 of one reader, then move on
    // to the next reader address.
    int address = FirstReaderAddress;
    int channel = 0;
    for (int i = 0; i < zoneCount; ++i) {
        const int z = layout.zoneOrder[i];
        zones[i].zone = z;

        NfcBinInfo &left = zones[z].left;
        left.binIndex = 2 * i;
        left.address = address;
        left.channel = channel;
        left.pollOrder = layout.leftPollOrder;

        NfcBinInfo &right = zones[z].right;
        right.binIndex = 2 * i + 1;
        right.pollOrder = layout.rightPollOrder;
        if (channel + 1 >= ChannelsPerReader) {
            ++address;
            right.address = address;
            right.channel = 0;
            channel = 1;
        } else {
            right.address = address;
            right.channel = channel + 1;
            channel += 2;
            if (channel >= ChannelsPerReader) {
                ++address;
                channel = 0;
            }
        }
    }
    return true;
}
