#include "nfcpollinfo.h"

#include "nfcmap.h"

#include <QDebug>
#include <QVector>

#include <algorithm>

namespace {

const char *sideName(int side)
{
    return side == 0 ? "left" : "right";
}

const NfcBinInfo &sideOf(const NfcZoneInfo &zone, int side)
{
    return side == 0 ? zone.left : zone.right;
}

} // namespace

void NfcPollInfo::clear()
{
    *this = NfcPollInfo();
}

void NfcPollInfo::build(const NfcMap &map, int numberOfZones)
{
    clear();
    const int zoneCount = std::min(std::max(numberOfZones, 0), int(NfcMap::MaxZones));

    // First pass: the usable sides and the distinct addresses and poll
    // orders among them, each in order of first appearance.
    QVector<int> addresses;
    QVector<int> pollOrders;
    bool usable[NfcMap::MaxZones][2] = {};
    for (int z = 0; z < zoneCount; ++z) {
        for (int side = 0; side < 2; ++side) {
            const NfcBinInfo &bin = sideOf(map.zones[z], side);
            if (bin.pollOrder < 1 || bin.pollOrder > MaxPollOrders) {
                qDebug() << "NFC zone" << z << sideName(side) << "bin has poll order"
                         << bin.pollOrder << "- not polled";
                continue;
            }
            if (!addresses.contains(bin.address)) {
                if (addresses.size() == MaxAddresses) {
                    qDebug() << "NFC zone" << z << sideName(side) << "bin is on a third reader address"
                             << bin.address << "- not polled";
                    continue;
                }
                addresses.append(bin.address);
            }
            if (!pollOrders.contains(bin.pollOrder))
                pollOrders.append(bin.pollOrder);
            usable[z][side] = true;
        }
    }
    numAddresses = addresses.size();
    numPollOrders = pollOrders.size();

    // Second pass: every address and poll order found gets its group.
    for (int p : qAsConst(pollOrders)) {
        for (int k = 0; k < addresses.size(); ++k) {
            NfcPollGroup &group = groups[k][p - 1];
            group.address = addresses.at(k);
            for (int z = 0; z < zoneCount; ++z) {
                for (int side = 0; side < 2; ++side) {
                    const NfcBinInfo &bin = sideOf(map.zones[z], side);
                    if (!usable[z][side] || bin.address != group.address || bin.pollOrder != p)
                        continue;
                    if (group.count == NfcPollGroup::MaxEntries) {
                        qDebug() << "NFC reader" << group.address << "poll order" << p
                                 << "is full - zone" << z << sideName(side) << "bin not polled";
                        continue;
                    }
                    group.entries[group.count].channel = bin.channel;
                    group.entries[group.count].binIndex = bin.binIndex;
                    ++group.count;
                }
            }
        }
    }
}
