// MasterIoManager, heater tests: the service screens' and the factory test's
// fixed set points, which heater's reading belongs to which bin, and the
// thermocouple verdicts. The board link itself is masteriomanager.cpp.

#include "masteriomanager.h"

#include "canbus/canbusmanager.h"
#include "canbus/cansendrequest.h"
#include "core/canmessagecodec.h"
#include "nfc/bininfo.h"

#include <QDebug>

namespace {
const char kNoError[] = "NO ERROR";
const char kTcOpen[] = "TC OPEN";
const char kTcShorted[] = "TC SHORTED";

const int kHeatersPerZone = 2;
const int kMasterFrameId = 1;

// Cabinets whose screens number the zones differently from the board: the
// board zone behind each screen zone.
struct HeaterTable
{
    int uiId;
    QList<int> ioZones;
};
const HeaterTable kHeaterTables[] = {
    {1, {4, 9, 3, 8, 2, 7, 1, 6, 0, 5}}, // 5x4
    {9, {2, 3, 0, 1}},                   // 2x4
    {17, {1, 0}},                        // 2x2
    {32, {4, 3, 2, 1, 0}},               // 5x2
};

const QList<int> *heaterTable(int uiId)
{
    for (const HeaterTable &t : kHeaterTables)
        if (t.uiId == uiId)
            return &t.ioZones;
    return nullptr;
}
} // namespace

int MasterIoManager::heaterBin(int zoneIndex, int heaterIndex) const
{
    const int zones = m_layout.numberOfZones;
    if (zoneIndex < 0 || zoneIndex >= zones || heaterIndex < 0 || heaterIndex >= kHeatersPerZone)
        return -1;
    const int zone = m_layout.zoneNumberingOrder == 1 ? zones - 1 - zoneIndex : zoneIndex;

    // The board-layout table when the cabinet has one; otherwise (and for
    // the paired configuration) the personality's heater channel of the zone.
    const QList<int> *table = m_iosyscfg == kConfigLinear20 ? nullptr : heaterTable(m_orientationId);
    if (!table)
        table = &m_layout.ui2mioZoneMap;
    if (zone >= table->size()) {
        qDebug().noquote() << QStringLiteral("heaterBin() ERROR: zone %1 has no heater channel")
                                  .arg(zone);
        return -1;
    }
    const int bin = kHeatersPerZone * table->at(zone) + heaterIndex;
    if (bin < 0 || bin >= m_binInfoList.size()) {
        qDebug().noquote() << QStringLiteral(
            "heaterBin() ERROR: bin %1 of zone %2 heater %3 out of range")
                                  .arg(bin).arg(zone).arg(heaterIndex);
        return -1;
    }
    return bin;
}

int MasterIoManager::eolGetActualTemp(int zoneIndex, int heaterIndex) const
{
    const int bin = heaterBin(zoneIndex, heaterIndex);
    return bin < 0 ? 0 : m_binInfoList.at(bin)->get_actualTemp();
}

QString MasterIoManager::eolGetTempErrorDescription(int zoneIndex, int heaterIndex) const
{
    const int bin = heaterBin(zoneIndex, heaterIndex);
    if (bin < 0)
        return QLatin1String(kNoError);
    const int temp = m_binInfoList.at(bin)->get_actualTemp();
    if (temp >= kTcOpenTemp)
        return QLatin1String(kTcOpen);
    if (temp < kTcShortedBelow)
        return QLatin1String(kTcShorted);
    return QLatin1String(kNoError);
}

bool MasterIoManager::recalcZoneTemp(int tempA, int tempB, int *calculatedTemp)
{
    const auto valid = [](int t) { return t >= -kValidZoneTempLimit && t <= kValidZoneTempLimit; };
    if (valid(tempA) && !valid(tempB))
        *calculatedTemp = tempA;
    else if (valid(tempB) && !valid(tempA))
        *calculatedTemp = tempB;
    else
        *calculatedTemp = (tempA + tempB) / 2;
    return true;
}

QByteArray MasterIoManager::binsTargetTempsPayload(const QList<BinInfo *> &bins)
{
    QList<qint16> temps;
    for (const BinInfo *bin : bins)
        temps << qint16(bin->get_targetTemp());
    return CanMessageCodec::binsTargetTemps(temps);
}

// The test targets go straight into the bins: a set-point request would send
// them on the zones' channels, not the heaters'.
void MasterIoManager::setTestTarget(int bin, int value)
{
    if (bin >= 0 && bin < m_binInfoList.size())
        m_binInfoList.at(bin)->set_targetTemp(value);
}

void MasterIoManager::finishHeaterTest()
{
    if (m_can && m_layout.hasRemoteDisplay()) {
        auto *request = new CanSendRequest;
        request->set_frameId(kMasterFrameId);
        request->set_multi(true);
        request->set_multiId(CanbusManager::KIV_MULTI_BINS_TARGET_TEMPS);
        request->set_data(binsTargetTempsPayload(m_binInfoList));
        m_can->enqueueSendRequest(request);
    }
    sendAllBinsSetpoints();
}

// Averaged zones have a heater under each of their first two bins;
// otherwise every tray has its own.
void MasterIoManager::setTargetsBehindHeaters(int value)
{
    const int tpz = m_layout.traysPerZone;
    const bool twoPerZone =
        m_tempHandling == kTempHandlingAveraged && m_layout.cabinetConfiguration != kConfigLinear20;
    const int perZone = twoPerZone ? qMin(kHeatersPerZone, tpz) : tpz;
    for (int z = 0; z < m_layout.numberOfZones; ++z)
        for (int k = 0; k < perZone; ++k)
            setTestTarget(z * tpz + k, value);
}

void MasterIoManager::eolTempTestAllHeaters(bool heatOn)
{
    if (!m_layout.iAmMaster)
        return;
    setTargetsBehindHeaters(heatOn ? kEolTestTemp : 0);
    finishHeaterTest();
}

void MasterIoManager::loadHeatersTempTest()
{
    if (!m_layout.iAmMaster)
        return;
    setTargetsBehindHeaters(kHeaterTestTemp);
    finishHeaterTest();
}

void MasterIoManager::loadBinTempTest()
{
    if (!m_layout.iAmMaster)
        return;
    const int bins = qMin(m_layout.numberOfZones * m_layout.traysPerZone, m_binInfoList.size());
    for (int bin = 0; bin < bins; ++bin) {
        if (bin < m_layout.binTestTemps.size())
            setTestTarget(bin, m_layout.binTestTemps.at(bin));
        else
            qDebug().noquote() << QStringLiteral("loadBinTempTest() ERROR: bin %1 has no test temperature")
                                      .arg(bin);
    }
    finishHeaterTest();
}

bool MasterIoManager::eolTempTestSingleHeater(int zoneIndex, int heaterIndex)
{
    const int bin = heaterBin(zoneIndex, heaterIndex);
    if (bin < 0)
        return false;
    if (m_layout.iAmMaster) {
        setTestTarget(bin, kEolTestTemp);
        finishHeaterTest();
    }
    return true;
}
